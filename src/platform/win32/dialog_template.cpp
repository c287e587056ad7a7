#include "platform/win32/dialog_template.h"

namespace platform::win32 {

namespace {

// Offset of DLGTEMPLATE::cdit, in WORDs: after the style and extended style.
constexpr size_t itemCountOffset = 4;

}  // namespace

DialogTemplate::DialogTemplate(DWORD style, DialogRect rect, std::wstring_view caption,
                               WORD fontPointSize, std::wstring_view fontName) {
    putDword(style | DS_SETFONT);
    putDword(0);  // extended style
    putWord(0);   // item count, raised by addControl
    putWord(static_cast<WORD>(rect.x));
    putWord(static_cast<WORD>(rect.y));
    putWord(static_cast<WORD>(rect.width));
    putWord(static_cast<WORD>(rect.height));
    putWord(0);  // no menu
    putWord(0);  // the predefined dialog class
    putText(caption);
    putWord(fontPointSize);
    putText(fontName);
}

void DialogTemplate::addControl(ControlClass kind, DWORD style, DialogRect rect, WORD id,
                                std::wstring_view text) {
    alignToDword();
    putDword(style | WS_CHILD | WS_VISIBLE);
    putDword(0);  // extended style
    putWord(static_cast<WORD>(rect.x));
    putWord(static_cast<WORD>(rect.y));
    putWord(static_cast<WORD>(rect.width));
    putWord(static_cast<WORD>(rect.height));
    putWord(id);
    putWord(0xFFFF);  // the class follows as an ordinal
    putWord(static_cast<WORD>(kind));
    putText(text);
    putWord(0);  // no creation data
    ++words_[itemCountOffset];
}

const DLGTEMPLATE* DialogTemplate::get() const noexcept {
    return reinterpret_cast<const DLGTEMPLATE*>(words_.data());
}

void DialogTemplate::putWord(WORD value) { words_.push_back(value); }

void DialogTemplate::putDword(DWORD value) {
    putWord(LOWORD(value));
    putWord(HIWORD(value));
}

// A NUL-terminated string; the template has no room for an embedded NUL, so
// the text ends at the first one.
void DialogTemplate::putText(std::wstring_view text) {
    for (const wchar_t c : text.substr(0, text.find(L'\0'))) putWord(static_cast<WORD>(c));
    putWord(0);
}

void DialogTemplate::alignToDword() {
    if (words_.size() % 2 != 0) putWord(0);
}

}  // namespace platform::win32
