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

// RegOpenKeyA with an empty path hands back the root itself; keep the roots in
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

const BYTE* bytes(const std::string& text) { return reinterpret_cast<const BYTE*>(text.data()); }
BYTE* bytes(std::string& text) { return reinterpret_cast<BYTE*>(text.data()); }

// Reads the whole data of a value whose size was just reported as `size`. The
// value may grow before the read, so a short buffer is retried a few times.
LONG readWholeValue(HKEY key, const char* name, DWORD size, DWORD& type, std::string& data) {
    for (int attempt = 0; attempt < 4; ++attempt) {
        data.resize(size);
        const LONG result = RegQueryValueExA(key, name, nullptr, &type, bytes(data), &size);
        if (result == ERROR_SUCCESS) {
            data.resize(std::min<size_t>(size, data.size()));
            return result;
        }
        if (result != ERROR_MORE_DATA) return result;
    }
    return ERROR_MORE_DATA;
}

}  // namespace

long Win32Registry::openKey(RegKey root, std::string_view subKey, RegKey& result) {
    // RegOpenKeyA asks for the most access allowed; so does this, in the shared view.
    HKEY key = nullptr;
    const LONG status = RegOpenKeyExA(toHkey(root), win32::utf8ToAnsi(subKey).c_str(), 0,
                                      MAXIMUM_ALLOWED | sameViewForBothBuilds, &key);
    result = status == ERROR_SUCCESS ? fromHkey(key) : 0;
    return status;
}

long Win32Registry::createKey(RegKey root, std::string_view subKey, RegKey& result) {
    // RegCreateKeyA asks for the most access allowed; so does this, in the shared view.
    HKEY key = nullptr;
    const LONG status = RegCreateKeyExA(
        toHkey(root), win32::utf8ToAnsi(subKey).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
        MAXIMUM_ALLOWED | sameViewForBothBuilds, nullptr, &key, nullptr);
    result = status == ERROR_SUCCESS ? fromHkey(key) : 0;
    return status;
}

long Win32Registry::createKeyEx(RegKey root, std::string_view subKey, uint32_t options,
                                uint32_t access, RegKey& result) {
    HKEY key = nullptr;
    const LONG status =
        RegCreateKeyExA(toHkey(root), win32::utf8ToAnsi(subKey).c_str(), 0, nullptr, options,
                        access | sameViewForBothBuilds, nullptr, &key, nullptr);
    result = status == ERROR_SUCCESS ? fromHkey(key) : 0;
    return status;
}

long Win32Registry::queryValue(RegKey key, std::string_view valueName, uint32_t& type,
                               uint8_t* data, uint32_t& size) {
    const HKEY hkey = toHkey(key);
    const std::string name = win32::utf8ToAnsi(valueName);

    DWORD storedType = REG_NONE;
    DWORD storedSize = 0;
    const LONG probe =
        RegQueryValueExA(hkey, name.c_str(), nullptr, &storedType, nullptr, &storedSize);
    if (probe != ERROR_SUCCESS) return probe;

    if (!isText(storedType)) {
        DWORD rawType = REG_NONE;
        DWORD rawSize = data != nullptr ? size : 0;
        const LONG status = RegQueryValueExA(hkey, name.c_str(), nullptr, &rawType, data, &rawSize);
        type = rawType;
        size = rawSize;
        return status;
    }

    std::string ansi;
    const LONG status = readWholeValue(hkey, name.c_str(), storedSize, storedType, ansi);
    if (status != ERROR_SUCCESS) return status;
    const std::string utf8 = win32::ansiToUtf8(ansi);
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
    const std::string name = win32::utf8ToAnsi(valueName);
    if (!isText(type) || data == nullptr) {
        return RegSetValueExA(hkey, name.c_str(), 0, type, data, size);
    }
    const std::string ansi =
        win32::utf8ToAnsi(std::string_view(reinterpret_cast<const char*>(data), size));
    return RegSetValueExA(hkey, name.c_str(), 0, type, bytes(ansi),
                          static_cast<DWORD>(ansi.size()));
}

long Win32Registry::deleteKey(RegKey root, std::string_view subKey) {
    return RegDeleteKeyExA(toHkey(root), win32::utf8ToAnsi(subKey).c_str(), sameViewForBothBuilds,
                           0);
}

long Win32Registry::deleteTree(RegKey root, std::string_view subKey) {
    const std::string path = win32::utf8ToAnsi(subKey);
    const size_t slash = path.find_last_of('\\');
    const std::string parentPath = slash == std::string::npos ? "" : path.substr(0, slash);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty()) return ERROR_ACCESS_DENIED;
    // RegDeleteTreeA takes no view, so its parent is opened in the shared one.
    HKEY opened = nullptr;
    const LONG status = RegOpenKeyExA(toHkey(root), parentPath.c_str(), 0,
                                      KEY_ALL_ACCESS | sameViewForBothBuilds, &opened);
    if (status != ERROR_SUCCESS) return status;
    const win32::ScopedHkey parent(opened);
    // Given a subkey, it deletes that key too.
    return RegDeleteTreeA(parent.get(), name.c_str());
}

long Win32Registry::deleteValue(RegKey key, std::string_view valueName) {
    return RegDeleteValueA(toHkey(key), win32::utf8ToAnsi(valueName).c_str());
}

long Win32Registry::closeKey(RegKey key) { return RegCloseKey(toHkey(key)); }

}  // namespace platform
