#pragma once
// A dialog template built in memory, for dialogs the program lays out in code
// rather than in a resource script. The result feeds DialogBoxIndirectParamW.

#include <windows.h>

#include <string_view>
#include <vector>

namespace platform::win32 {

// Position and size in dialog units.
struct DialogRect {
    short x;
    short y;
    short width;
    short height;
};

// The predefined control classes a template names by ordinal.
enum class ControlClass : WORD { button = 0x0080, edit = 0x0081, staticText = 0x0082 };

class DialogTemplate {
public:
    // A dialog with the given style (DS_SETFONT is added), caption and font.
    DialogTemplate(DWORD style, DialogRect rect, std::wstring_view caption, WORD fontPointSize,
                   std::wstring_view fontName);

    // Appends a child control; WS_CHILD | WS_VISIBLE are added to `style`.
    void addControl(ControlClass kind, DWORD style, DialogRect rect, WORD id,
                    std::wstring_view text);

    // Valid until the next addControl or the template's end.
    const DLGTEMPLATE* get() const noexcept;

private:
    void putWord(WORD value);
    void putDword(DWORD value);
    void putText(std::wstring_view text);
    void alignToDword();

    // WORD storage: the allocation is suitably aligned for the DWORD-aligned
    // header, and every item is padded to a DWORD boundary relative to it.
    std::vector<WORD> words_;
};

}  // namespace platform::win32
