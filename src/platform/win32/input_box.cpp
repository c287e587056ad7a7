#include "platform/win32/input_box.h"

#include <algorithm>
#include <utility>

#include "base/app_error.h"
#include "platform/win32/dialog_template.h"
#include "platform/win32/scoped_handles.h"

namespace platform::win32 {

namespace {

// The layout, in dialog units: the prompt at the top left, OK and Cancel
// stacked at the right, the edit box across the bottom.
constexpr short margin = 7;
constexpr short buttonWidth = 50;
constexpr short buttonHeight = 14;
constexpr short buttonGap = 4;
constexpr short boxWidth = 260;
constexpr short promptWidth = boxWidth - 3 * margin - buttonWidth;
constexpr short promptHeight = 48;
constexpr short editTop = margin + promptHeight + 6;
constexpr short editHeight = 12;
constexpr short boxHeight = editTop + editHeight + margin;
constexpr short buttonLeft = boxWidth - margin - buttonWidth;

constexpr WORD fontPointSize = 8;
constexpr std::wstring_view fontName = L"MS Shell Dlg";

// Failures to create the box share the number base of the Open dialog's.
constexpr int32_t inputBoxFailed = 20000;

struct InputBoxState {
    std::wstring prompt;
    std::wstring preset;
    std::wstring answer;
};

DialogTemplate makeTemplate(std::wstring_view caption) {
    DialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER,
                          {0, 0, boxWidth, boxHeight}, caption, fontPointSize, fontName);
    // The prompt is an error text as often as a question: '&' shows as itself.
    dialog.addControl(ControlClass::staticText, SS_LEFT | SS_NOPREFIX,
                      {margin, margin, promptWidth, promptHeight}, inputBoxPromptId, L"");
    dialog.addControl(ControlClass::edit, ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP,
                      {margin, editTop, boxWidth - 2 * margin, editHeight}, inputBoxEditId, L"");
    dialog.addControl(ControlClass::button, BS_DEFPUSHBUTTON | WS_TABSTOP,
                      {buttonLeft, margin, buttonWidth, buttonHeight}, IDOK, L"OK");
    dialog.addControl(ControlClass::button, BS_PUSHBUTTON | WS_TABSTOP,
                      {buttonLeft, margin + buttonHeight + buttonGap, buttonWidth, buttonHeight},
                      IDCANCEL, L"Cancel");
    return dialog;
}

RECT clientRectOf(HWND control, HWND dialog) {
    RECT rect = {};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Height in pixels the prompt needs at the prompt control's width and font.
int neededPromptHeight(HWND promptControl, const std::wstring& prompt, int width) {
    const WindowDc dc(promptControl);
    if (!dc) return 0;
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(promptControl, WM_GETFONT, 0, 0));
    const SelectedObject selected(dc.get(), font);
    RECT needed = {0, 0, width, 0};
    DrawTextW(dc.get(), prompt.c_str(), static_cast<int>(prompt.size()), &needed,
              DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    return needed.bottom - needed.top;
}

// Makes the prompt tall enough for its text, moving the edit box down and
// growing the box by as much, as far as the work area allows.
void growForPrompt(HWND dialog, const std::wstring& prompt) {
    const HWND promptControl = GetDlgItem(dialog, inputBoxPromptId);
    const HWND edit = GetDlgItem(dialog, inputBoxEditId);
    const RECT promptRect = clientRectOf(promptControl, dialog);
    const int promptPixelsWide = promptRect.right - promptRect.left;
    const int promptPixelsHigh = promptRect.bottom - promptRect.top;

    RECT box = {};
    GetWindowRect(dialog, &box);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const int boxHigh = box.bottom - box.top;
    const int room = std::max(0, static_cast<int>(work.bottom - work.top) - boxHigh);

    const int grow = std::min(
        room, neededPromptHeight(promptControl, prompt, promptPixelsWide) - promptPixelsHigh);
    if (grow <= 0) return;

    constexpr UINT keep = SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(promptControl, nullptr, 0, 0, promptPixelsWide, promptPixelsHigh + grow,
                 keep | SWP_NOMOVE);
    const RECT editRect = clientRectOf(edit, dialog);
    SetWindowPos(edit, nullptr, editRect.left, editRect.top + grow, 0, 0, keep | SWP_NOSIZE);
    // Grow about the centre, then pull the box back inside the work area.
    const int top = std::clamp(static_cast<int>(box.top) - grow / 2, static_cast<int>(work.top),
                               static_cast<int>(work.bottom) - (boxHigh + grow));
    SetWindowPos(dialog, nullptr, box.left, top, box.right - box.left, boxHigh + grow, keep);
}

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

INT_PTR CALLBACK inputBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            const auto* state = reinterpret_cast<const InputBoxState*>(lParam);
            SetDlgItemTextW(dialog, inputBoxPromptId, state->prompt.c_str());
            SetDlgItemTextW(dialog, inputBoxEditId, state->preset.c_str());
            growForPrompt(dialog, state->prompt);
            const HWND edit = GetDlgItem(dialog, inputBoxEditId);
            SendMessageW(edit, EM_SETSEL, 0, -1);
            SetFocus(edit);
            return FALSE;  // the focus is set
        }
        case WM_COMMAND: {
            auto* state = reinterpret_cast<InputBoxState*>(GetWindowLongPtrW(dialog, DWLP_USER));
            switch (LOWORD(wParam)) {
                case IDOK:
                    state->answer = windowText(GetDlgItem(dialog, inputBoxEditId));
                    EndDialog(dialog, IDOK);
                    return TRUE;
                case IDCANCEL:  // also Esc and the close box
                    EndDialog(dialog, IDCANCEL);
                    return TRUE;
                default:
                    return FALSE;
            }
        }
        default:
            return FALSE;
    }
}

// Window texts end at the first NUL; so does what the box shows.
std::wstring upToNul(std::wstring_view text) {
    return std::wstring(text.substr(0, text.find(L'\0')));
}

}  // namespace

std::optional<std::wstring> showInputBox(HWND owner, std::wstring_view prompt,
                                         std::wstring_view caption, std::wstring_view preset) {
    const DialogTemplate dialog = makeTemplate(caption);
    InputBoxState state{upToNul(prompt), upToNul(preset), {}};
    const INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.get(), owner,
                                                   inputBoxProc, reinterpret_cast<LPARAM>(&state));
    if (result == IDOK) return std::move(state.answer);
    if (result == IDCANCEL) return std::nullopt;
    const DWORD code = GetLastError();
    throw base::AppError(inputBoxFailed,
                         "The input box could not be opened (code " + std::to_string(code) + ").");
}

}  // namespace platform::win32
