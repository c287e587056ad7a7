#include "platform/win32/win32_printer_device.h"

#include <algorithm>

#include "base/app_error.h"
#include "base/rounding.h"
#include "base/sheet_clip.h"
#include "platform/win32/dib_format.h"
#include "platform/win32/text_conv.h"

namespace platform {

namespace {

constexpr double twipsPerInch = 1440;
constexpr double himetricPerInch = 2540;
constexpr int fontPoints = 10;
constexpr wchar_t fontName[] = L"Arial";
constexpr wchar_t documentName[] = L"Tessmire";
// The most picture memory handed to the driver in one call.
constexpr int64_t bandBytes = 8 << 20;

[[noreturn]] void raisePrinterError() {
    throw base::AppError(base::error_number::printerError, "Printer error");
}

// The system's text for an error code, without its line end; empty for none.
std::string systemReason(DWORD code) {
    if (code == 0) return {};
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring reason(text ? text : L"", length);
    if (text) LocalFree(text);
    while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r')) reason.pop_back();
    return platform::win32::wideToUtf8(reason);
}

// A coordinate for GDI, which takes 32-bit whole device units.
int deviceUnits(double value) { return base::roundTo<int>(value); }

}  // namespace

HDC Win32PrinterDevice::context() {
    if (dc_) return dc_.get();
    const win32::PrinterInfo& printer = currentPrinter_();
    printer_ = printer.device;
    SetLastError(0);
    dc_.reset(CreateDCW(L"WINSPOOL", printer.device.c_str(), nullptr, printer.mode.get()));
    if (!dc_) raiseFailed("cannot be reached");
    SetBkMode(dc_.get(), TRANSPARENT);
    SetTextAlign(dc_.get(), TA_LEFT | TA_TOP | TA_NOUPDATECP);
    selectFont();
    return dc_.get();
}

void Win32PrinterDevice::selectFont() {
    if (!dc_) return;
    LOGFONTW font = {};
    font.lfHeight = -MulDiv(fontPoints, GetDeviceCaps(dc_.get(), LOGPIXELSY), 72);
    font.lfWeight = bold_ ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    wcscpy_s(font.lfFaceName, fontName);
    win32::ScopedFont made(CreateFontIndirectW(&font));
    if (!made) raisePrinterError();
    const HGDIOBJ before = SelectObject(dc_.get(), made.get());
    if (!fontBefore_) fontBefore_ = before;
    font_ = std::move(made);  // the font it replaces is no longer selected
}

HDC Win32PrinterDevice::sheet() {
    const HDC dc = context();
    if (!docOpen_) {
        DOCINFOW document = {};
        document.cbSize = sizeof document;
        document.lpszDocName = documentName;
        document.lpszOutput = outputFile_.empty() ? nullptr : outputFile_.c_str();
        SetLastError(0);
        if (StartDocW(dc, &document) <= 0) {
            if (outputFile_.empty()) raiseFailed("did not take the print job");
            raiseFailed("could not print into the file " + win32::wideToUtf8(outputFile_));
        }
        docOpen_ = true;
    }
    if (!pageOpen_) {
        SetLastError(0);
        if (StartPage(dc) <= 0) raiseFailed("could not begin a sheet");
        pageOpen_ = true;
        // Some drivers reset the context's objects with each sheet.
        selectFont();
        SetBkMode(dc, TRANSPARENT);
    }
    return dc;
}

int Win32PrinterDevice::capability(int index) {
    const int value = GetDeviceCaps(context(), index);
    if (value <= 0) raisePrinterError();
    return value;
}

double Win32PrinterDevice::perInch(ScaleUnit unit, int dotsPerInchIndex) {
    switch (unit) {
        case ScaleUnit::twips:
            return twipsPerInch;
        case ScaleUnit::himetric:
            return himetricPerInch;
        case ScaleUnit::pixels:
            break;
    }
    return capability(dotsPerInchIndex);
}

double Win32PrinterDevice::toScale(double pixels, int dotsPerInchIndex) {
    return pixels_ ? pixels : pixels / capability(dotsPerInchIndex) * twipsPerInch;
}

double Win32PrinterDevice::toPixels(double value, int dotsPerInchIndex) {
    return pixels_ ? value : value / twipsPerInch * capability(dotsPerInchIndex);
}

double Win32PrinterDevice::scaleWidth() { return toScale(capability(HORZRES), LOGPIXELSX); }
double Win32PrinterDevice::scaleHeight() { return toScale(capability(VERTRES), LOGPIXELSY); }

double Win32PrinterDevice::scaleX(double value, ScaleUnit from, ScaleUnit to) {
    return value / perInch(from, LOGPIXELSX) * perInch(to, LOGPIXELSX);
}
double Win32PrinterDevice::scaleY(double value, ScaleUnit from, ScaleUnit to) {
    return value / perInch(from, LOGPIXELSY) * perInch(to, LOGPIXELSY);
}

double Win32PrinterDevice::textWidth(std::string_view text) {
    const std::wstring wide = win32::utf8ToWide(text);
    SIZE size = {};
    if (!GetTextExtentPoint32W(context(), wide.c_str(), static_cast<int>(wide.size()), &size)) {
        raisePrinterError();
    }
    return toScale(size.cx, LOGPIXELSX);
}

double Win32PrinterDevice::textHeight(std::string_view) {
    TEXTMETRICW metrics = {};
    if (!GetTextMetricsW(context(), &metrics)) raisePrinterError();
    return toScale(metrics.tmHeight + metrics.tmExternalLeading, LOGPIXELSY);
}

void Win32PrinterDevice::print(std::string_view text) {
    const HDC dc = sheet();
    const std::wstring wide = win32::utf8ToWide(text);
    if (!wide.empty() &&
        !TextOutW(dc, deviceUnits(toPixels(x_, LOGPIXELSX)), deviceUnits(toPixels(y_, LOGPIXELSY)),
                  wide.c_str(), static_cast<int>(wide.size()))) {
        raiseFailed("could not print the text");
    }
    const double lineHeight = textHeight(text);
    x_ = 0;
    y_ += lineHeight;
}

void Win32PrinterDevice::setBold(bool bold) {
    bold_ = bold;
    selectFont();
}

void Win32PrinterDevice::paintPicture(const base::Bitmap& picture, double x, double y, double width,
                                      double height) {
    const HDC dc = sheet();
    const double top = toPixels(y, LOGPIXELSY);
    const double scaledHeight = toPixels(height, LOGPIXELSY);
    const auto part = base::partOnSheet(picture.width(), picture.height(), toPixels(x, LOGPIXELSX),
                                        top, toPixels(width, LOGPIXELSX), scaledHeight,
                                        capability(HORZRES), capability(VERTRES));
    if (!part) return;

    // Only the rows that land on the sheet are handed over, a band at a time:
    // the driver copies what it is given, so a whole tall picture at once
    // would cost it several times the picture's memory. Each band is
    // described as a picture of its own in the picture's memory, and its
    // edges on the sheet are worked out as for the whole part, so the bands
    // join without seams.
    const auto bandRows =
        static_cast<int32_t>(std::max<int64_t>(1, bandBytes / (int64_t{picture.width()} * 4)));
    const double dotsPerRow = scaledHeight / picture.height();
    const auto rowEdge = [&](int32_t row) { return deviceUnits(top + row * dotsPerRow); };
    const base::PixelRect& to = part->destination;
    const int32_t endRow = part->source.y + part->source.height;
    for (int32_t first = part->source.y; first < endRow; first += bandRows) {
        const int32_t rows = std::min(bandRows, endRow - first);
        const int bandTop = rowEdge(first);
        const int bandHeight = rowEdge(first + rows) - bandTop;
        if (bandHeight <= 0) continue;  // squeezed into less than a dot
        const BITMAPINFO band = win32::topDown32(picture.width(), rows);
        if (StretchDIBits(dc, to.x, bandTop, to.width, bandHeight, part->source.x, 0,
                          part->source.width, rows, picture.row(first), &band, DIB_RGB_COLORS,
                          SRCCOPY) == 0) {
            raiseFailed("could not print the picture");
        }
    }
}

void Win32PrinterDevice::newPage() {
    const HDC dc = sheet();
    SetLastError(0);
    if (EndPage(dc) <= 0) raiseFailed("could not finish a sheet");
    pageOpen_ = false;
    x_ = y_ = 0;
}

void Win32PrinterDevice::endDoc() {
    if (!dc_) return;
    const HDC dc = dc_.get();
    SetLastError(0);
    if (pageOpen_ && EndPage(dc) <= 0) raiseFailed("could not finish a sheet");
    pageOpen_ = false;
    if (docOpen_ && EndDoc(dc) <= 0) raiseFailed("could not finish the print job");
    docOpen_ = false;
    endJob();
}

void Win32PrinterDevice::setOutputFile(std::string_view path) {
    outputFile_ = win32::utf8ToWide(path);
}

void Win32PrinterDevice::raiseFailed(std::string_view what) {
    const std::string reason = systemReason(GetLastError());
    std::string description = "The printer \"" + win32::wideToUtf8(printer_) + "\" ";
    description += what;
    description += reason.empty() ? "." : ": " + reason;
    // What was begun and could not be finished is dropped, not left spooled.
    abortDoc();
    throw base::AppError(base::error_number::printerError, description);
}

void Win32PrinterDevice::abortDoc() noexcept {
    if (dc_ && docOpen_) AbortDoc(dc_.get());
    pageOpen_ = docOpen_ = false;
    endJob();
}

void Win32PrinterDevice::endJob() noexcept {
    outputFile_.clear();
    if (dc_ && fontBefore_) SelectObject(dc_.get(), fontBefore_);
    fontBefore_ = nullptr;
    dc_.reset();
    font_.reset();
}

double Win32PrinterDevice::paperWidth() {
    return capability(PHYSICALWIDTH) * twipsPerInch / capability(LOGPIXELSX);
}
double Win32PrinterDevice::paperHeight() {
    return capability(PHYSICALHEIGHT) * twipsPerInch / capability(LOGPIXELSY);
}

}  // namespace platform
