#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/win32/scoped_handles.h"
#include "platform/win32/text_conv.h"

namespace platform {
namespace {

HKEY toHkey(RegKey key) {
    switch (key) {
        case kClassesRoot:
            return HKEY_CLASSES_ROOT;
        case kCurrentUser:
            return HKEY_CURRENT_USER;
        case kLocalMachine:
            return HKEY_LOCAL_MACHINE;
        default:
            return reinterpret_cast<HKEY>(key);
    }
}

// RegOpenKeyExW with an empty path hands back the root itself; keep the roots in
// their 32-bit form so the caller sees one value per key.
RegKey fromHkey(HKEY key) {
    if (key == HKEY_CLASSES_ROOT) return kClassesRoot;
    if (key == HKEY_CURRENT_USER) return kCurrentUser;
    if (key == HKEY_LOCAL_MACHINE) return kLocalMachine;
    return reinterpret_cast<RegKey>(key);
}

// The 32-bit build sees the machine's keys as the 64-bit build does: the record
// of the replaced JPEG handlers must be the same for an install by one and an
// uninstall by the other. The flag changes nothing for a 64-bit process.
constexpr REGSAM sameViewForBothBuilds = KEY_WOW64_64KEY;

bool isText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

// Reads the whole text of a value whose size was just reported as `size`
// bytes. The value may grow before the read, so a short buffer is retried a
// few times. An odd last byte, which no UTF-16 text has, is dropped.
LONG readWholeText(HKEY key, const wchar_t* name, DWORD size, DWORD& type, std::wstring& text) {
    for (int attempt = 0; attempt < 4; ++attempt) {
        text.assign((size + 1) / sizeof(wchar_t), L'\0');
        DWORD read = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        const LONG result = RegQueryValueExW(key, name, nullptr, &type,
                                             reinterpret_cast<BYTE*>(text.data()), &read);
        if (result == ERROR_SUCCESS) {
            text.resize(std::min<size_t>(read / sizeof(wchar_t), text.size()));
            return result;
        }
        if (result != ERROR_MORE_DATA) return result;
        size = read;
    }
    return ERROR_MORE_DATA;
}

}  // namespace

long Win32Registry::openKey(RegKey root, std::string_view subKey, RegKey& result) {
    // RegOpenKeyA asks for the most access allowed; so does this, in the shared view.
    HKEY key = nullptr;
    const LONG status = RegOpenKeyExW(toHkey(root), win32::utf8ToWide(subKey).c_str(), 0,
                                      MAXIMUM_ALLOWED | sameViewForBothBuilds, &key);
    result = status == ERROR_SUCCESS ? fromHkey(key) : 0;
    return status;
}

long Win32Registry::createKey(RegKey root, std::string_view subKey, RegKey& result) {
    // RegCreateKeyA asks for the most access allowed; so does this, in the shared view.
    HKEY key = nullptr;
    const LONG status = RegCreateKeyExW(
        toHkey(root), win32::utf8ToWide(subKey).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
        MAXIMUM_ALLOWED | sameViewForBothBuilds, nullptr, &key, nullptr);
    result = status == ERROR_SUCCESS ? fromHkey(key) : 0;
    return status;
}

long Win32Registry::createKeyEx(RegKey root, std::string_view subKey, uint32_t options,
                                uint32_t access, RegKey& result) {
    HKEY key = nullptr;
    const LONG status =
        RegCreateKeyExW(toHkey(root), win32::utf8ToWide(subKey).c_str(), 0, nullptr, options,
                        access | sameViewForBothBuilds, nullptr, &key, nullptr);
    result = status == ERROR_SUCCESS ? fromHkey(key) : 0;
    return status;
}

long Win32Registry::queryValue(RegKey key, std::string_view valueName, uint32_t& type,
                               uint8_t* data, uint32_t& size) {
    const HKEY hkey = toHkey(key);
    const std::wstring name = win32::utf8ToWide(valueName);

    DWORD storedType = REG_NONE;
    DWORD storedSize = 0;
    const LONG probe =
        RegQueryValueExW(hkey, name.c_str(), nullptr, &storedType, nullptr, &storedSize);
    if (probe != ERROR_SUCCESS) return probe;

    if (!isText(storedType)) {
        DWORD rawType = REG_NONE;
        DWORD rawSize = data != nullptr ? size : 0;
        const LONG status = RegQueryValueExW(hkey, name.c_str(), nullptr, &rawType, data, &rawSize);
        type = rawType;
        size = rawSize;
        return status;
    }

    // The registry keeps text as UTF-16, whichever call wrote it: what the A
    // calls of earlier versions stored reads back as the same characters.
    std::wstring wide;
    const LONG status = readWholeText(hkey, name.c_str(), storedSize, storedType, wide);
    if (status != ERROR_SUCCESS) return status;
    const std::string utf8 = win32::wideToUtf8(wide);
    const auto needed = static_cast<uint32_t>(utf8.size());

    type = storedType;
    const bool fits = data == nullptr || size >= needed;
    if (data != nullptr && fits) std::copy(utf8.begin(), utf8.end(), data);
    size = needed;
    return fits ? ERROR_SUCCESS : ERROR_MORE_DATA;
}

long Win32Registry::setValue(RegKey key, std::string_view valueName, uint32_t type,
                             const uint8_t* data, uint32_t size) {
    const HKEY hkey = toHkey(key);
    const std::wstring name = win32::utf8ToWide(valueName);
    if (!isText(type) || data == nullptr) {
        return RegSetValueExW(hkey, name.c_str(), 0, type, data, size);
    }
    // Text as given, NULs included: the caller decides on the terminator.
    const std::wstring wide =
        win32::utf8ToWide(std::string_view(reinterpret_cast<const char*>(data), size));
    return RegSetValueExW(hkey, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(wide.data()),
                          static_cast<DWORD>(wide.size() * sizeof(wchar_t)));
}

long Win32Registry::deleteKey(RegKey root, std::string_view subKey) {
    return RegDeleteKeyExW(toHkey(root), win32::utf8ToWide(subKey).c_str(), sameViewForBothBuilds,
                           0);
}

long Win32Registry::deleteTree(RegKey root, std::string_view subKey) {
    const std::wstring path = win32::utf8ToWide(subKey);
    const size_t slash = path.find_last_of(L'\\');
    const std::wstring parentPath = slash == std::wstring::npos ? L"" : path.substr(0, slash);
    const std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    if (name.empty()) return ERROR_ACCESS_DENIED;
    // RegDeleteTreeA takes no view, so its parent is opened in the shared one.
    HKEY opened = nullptr;
    const LONG status = RegOpenKeyExW(toHkey(root), parentPath.c_str(), 0,
                                      KEY_ALL_ACCESS | sameViewForBothBuilds, &opened);
    if (status != ERROR_SUCCESS) return status;
    const win32::ScopedHkey parent(opened);
    // Given a subkey, it deletes that key too.
    return RegDeleteTreeW(parent.get(), name.c_str());
}

long Win32Registry::deleteValue(RegKey key, std::string_view valueName) {
    return RegDeleteValueW(toHkey(key), win32::utf8ToWide(valueName).c_str());
}

long Win32Registry::closeKey(RegKey key) { return RegCloseKey(toHkey(key)); }

}  // namespace platform
