#include "platform/win32/win32_printer_device.h"

#include <cmath>
#include <limits>

#include "base/app_error.h"
#include "base/sheet_clip.h"
#include "platform/win32/text_conv.h"

namespace platform {

namespace {

constexpr double twipsPerInch = 1440;
constexpr double himetricPerInch = 2540;
constexpr int fontPoints = 10;
constexpr wchar_t fontName[] = L"Arial";
constexpr wchar_t documentName[] = L"Tessmire";

[[noreturn]] void raisePrinterError() {
    throw base::AppError(base::error_number::printerError, "Printer error");
}

// A coordinate for GDI, which takes 32-bit whole device units.
int deviceUnits(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<int>::min() &&
          rounded <= std::numeric_limits<int>::max())) {
        throw base::AppError(base::error_number::overflow, "Overflow");
    }
    return static_cast<int>(rounded);
}

}  // namespace

HDC Win32PrinterDevice::context() {
    if (dc_) return dc_.get();
    const win32::PrinterInfo& printer = currentPrinter_();
    dc_.reset(CreateDCW(L"WINSPOOL", printer.device.c_str(), nullptr, printer.mode.get()));
    if (!dc_) raisePrinterError();
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
        if (StartDocW(dc, &document) <= 0) raisePrinterError();
        docOpen_ = true;
    }
    if (!pageOpen_) {
        if (StartPage(dc) <= 0) raisePrinterError();
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
        raisePrinterError();
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
    const auto part =
        base::partOnSheet(picture.width(), picture.height(), toPixels(x, LOGPIXELSX),
                          toPixels(y, LOGPIXELSY), toPixels(width, LOGPIXELSX),
                          toPixels(height, LOGPIXELSY), capability(HORZRES), capability(VERTRES));
    if (!part) return;

    // The band of rows that lands on the sheet, described as a picture of its
    // own in the picture's memory: nothing above or below it is handed over.
    BITMAPINFO band = {};
    band.bmiHeader.biSize = sizeof band.bmiHeader;
    band.bmiHeader.biWidth = picture.width();
    band.bmiHeader.biHeight = -part->source.height;  // top-down
    band.bmiHeader.biPlanes = 1;
    band.bmiHeader.biBitCount = 32;
    band.bmiHeader.biCompression = BI_RGB;
    const base::PixelRect& to = part->destination;
    if (StretchDIBits(dc, to.x, to.y, to.width, to.height, part->source.x, 0, part->source.width,
                      part->source.height, picture.row(part->source.y), &band, DIB_RGB_COLORS,
                      SRCCOPY) == 0) {
        raisePrinterError();
    }
}

void Win32PrinterDevice::newPage() {
    const HDC dc = sheet();
    if (EndPage(dc) <= 0) raisePrinterError();
    pageOpen_ = false;
    x_ = y_ = 0;
}

void Win32PrinterDevice::endDoc() {
    if (!dc_) return;
    const HDC dc = dc_.get();
    // What was begun and could not be finished is dropped, not left spooled.
    if (pageOpen_ && EndPage(dc) <= 0) {
        abortDoc();
        raisePrinterError();
    }
    pageOpen_ = false;
    if (docOpen_ && EndDoc(dc) <= 0) {
        abortDoc();
        raisePrinterError();
    }
    docOpen_ = false;
    endJob();
}

void Win32PrinterDevice::abortDoc() noexcept {
    if (dc_ && docOpen_) AbortDoc(dc_.get());
    pageOpen_ = docOpen_ = false;
    endJob();
}

void Win32PrinterDevice::endJob() noexcept {
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
