#pragma once
// The input box: a modal dialog with a prompt, one line to type in, OK and
// Cancel. Windows has none of its own, so it is laid out here in code.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace platform::win32 {

// Control ids of the input box; its buttons are IDOK and IDCANCEL.
inline constexpr int inputBoxPromptId = 101;
inline constexpr int inputBoxEditId = 102;

// Shows the input box modal to `owner` (null for none) with `caption` as its
// title, `prompt` wrapped at the top left (the box grows, within the screen's
// work area, when the prompt needs more lines) and `preset` in the edit box,
// selected and focused. Enter or OK gives the text in the edit box; Esc,
// Cancel or closing the box gives nullopt.
// Throws base::AppError 20000 when the dialog cannot be created.
std::optional<std::wstring> showInputBox(HWND owner, std::wstring_view prompt,
                                         std::wstring_view caption, std::wstring_view preset);

}  // namespace platform::win32
