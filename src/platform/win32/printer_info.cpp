#include "platform/win32/printer_info.h"

#include <winspool.h>

#include <cstring>

#include "base/app_error.h"
#include "platform/win32/scoped_handles.h"

namespace platform::win32 {

namespace {

[[noreturn]] void raiseUnavailable() {
    throw base::AppError(base::error_number::printerUnavailable,
                         "Problem getting printer information from the system. Make sure the "
                         "printer is set up correctly.");
}

std::wstring textOf(const wchar_t* text) { return text ? std::wstring(text) : std::wstring(); }

}  // namespace

DeviceMode::DeviceMode(const DEVMODEW& mode) : bytes_(size_t{mode.dmSize} + mode.dmDriverExtra) {
    std::memcpy(bytes_.data(), &mode, bytes_.size());
}

std::optional<std::wstring> defaultPrinterName() {
    DWORD chars = 0;
    GetDefaultPrinterW(nullptr, &chars);
    if (chars == 0) return std::nullopt;
    std::wstring name(chars, L'\0');
    if (!GetDefaultPrinterW(name.data(), &chars)) return std::nullopt;
    name.resize(wcslen(name.c_str()));
    if (name.empty()) return std::nullopt;
    return name;
}

std::vector<std::wstring> installedPrinterNames() {
    constexpr DWORD which = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    DWORD bytes = 0;
    DWORD count = 0;
    EnumPrintersW(which, nullptr, 4, nullptr, 0, &bytes, &count);
    if (bytes == 0) return {};
    // PRINTER_INFO_4W records followed by their strings.
    std::vector<PRINTER_INFO_4W> buffer(bytes / sizeof(PRINTER_INFO_4W) + 1);
    if (!EnumPrintersW(which, nullptr, 4, reinterpret_cast<BYTE*>(buffer.data()),
                       static_cast<DWORD>(buffer.size() * sizeof(PRINTER_INFO_4W)), &bytes,
                       &count)) {
        return {};
    }
    std::vector<std::wstring> names;
    for (DWORD i = 0; i < count; ++i) names.push_back(textOf(buffer[i].pPrinterName));
    return names;
}

PrinterInfo printerInfo(const std::wstring& device) {
    HANDLE opened = nullptr;
    std::wstring name = device;
    if (device.empty() || !OpenPrinterW(name.data(), &opened, nullptr)) raiseUnavailable();
    const ScopedPrinterHandle printer(opened);

    DWORD bytes = 0;
    GetPrinterW(printer.get(), 2, nullptr, 0, &bytes);
    if (bytes == 0) raiseUnavailable();
    std::vector<PRINTER_INFO_2W> buffer(bytes / sizeof(PRINTER_INFO_2W) + 1);
    if (!GetPrinterW(printer.get(), 2, reinterpret_cast<BYTE*>(buffer.data()),
                     static_cast<DWORD>(buffer.size() * sizeof(PRINTER_INFO_2W)), &bytes)) {
        raiseUnavailable();
    }
    const PRINTER_INFO_2W& info = buffer.front();

    PrinterInfo result{device, textOf(info.pDriverName), textOf(info.pPortName), {}};
    if (info.pDevMode) {
        result.mode = DeviceMode(*info.pDevMode);
        return result;
    }
    // No settings kept for the printer: its driver's defaults.
    const LONG modeBytes =
        DocumentPropertiesW(nullptr, printer.get(), name.data(), nullptr, nullptr, 0);
    if (modeBytes < static_cast<LONG>(sizeof(DEVMODEW))) return result;
    std::vector<unsigned char> mode(static_cast<size_t>(modeBytes));
    auto* defaults = reinterpret_cast<DEVMODEW*>(mode.data());
    if (DocumentPropertiesW(nullptr, printer.get(), name.data(), defaults, nullptr,
                            DM_OUT_BUFFER) == IDOK) {
        result.mode = DeviceMode(*defaults);
    }
    return result;
}

}  // namespace platform::win32
