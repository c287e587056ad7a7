#include "ui/win32/form_window.h"
#include "ui/win32/work_times.h"

#include <algorithm>
#include <string>
#include <utility>

#include "base/rounding.h"
#include "platform/win32/text_conv.h"
#include "resource_ids.h"
#include "ui/win32/control_peers.h"

namespace ui::win32 {

namespace {

constexpr DWORD formStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

HICON loadIcon(int sizeMetricX, int sizeMetricY) {
    const auto icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(TS_ICON_APP), IMAGE_ICON,
                   GetSystemMetrics(sizeMetricX), GetSystemMetrics(sizeMetricY), LR_SHARED));
    return icon ? icon : LoadIconA(nullptr, IDI_APPLICATION);
}

WindowClass formClass() {
    return {L"TessmireMain", nullptr, loadIcon(SM_CXICON, SM_CYICON),
            loadIcon(SM_CXSMICON, SM_CYSMICON)};
}

// The DPI of the monitor the window is on; 0 where the system has no such
// call (before Windows 10 1607 every window has the system's DPI). Looked up
// at run time, so the program still starts on Windows 7.
UINT dpiOfWindow(HWND window) {
    using DpiForWindow = UINT(WINAPI*)(HWND);
    static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    return dpiForWindow ? dpiForWindow(window) : 0;
}

int32_t toTwips(int pixels, double twipsPerPixel) {
    return static_cast<int32_t>(base::roundHalfEven(pixels * twipsPerPixel));
}

int toPixels(int32_t twips, double twipsPerPixel) {
    return static_cast<int>(base::roundHalfEven(twips / twipsPerPixel));
}

// Shift, Ctrl and Alt as the key events report them.
int keyShiftState(UINT message, LPARAM lParam) {
    const bool altDown =
        GetKeyState(VK_MENU) < 0 ||
        ((message == WM_SYSKEYDOWN || message == WM_SYSKEYUP) && (lParam & (LPARAM{1} << 29)) != 0);
    return (GetKeyState(VK_SHIFT) < 0 ? shiftMask : 0) |
           (GetKeyState(VK_CONTROL) < 0 ? ctrlMask : 0) | (altDown ? altMask : 0);
}

}  // namespace

FormWindow::FormWindow(Form& form, const FormWindowOptions& options)
    : FormContextHolder(form),
      ContainerWindow(sharedContext, form),
      form_(form),
      mainWindow_(options.mainWindow),
      closing_(options.closing) {
    RECT outer{0, 0, options.clientWidth, options.clientHeight};
    AdjustWindowRectEx(&outer, formStyle, FALSE, 0);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    RECT workArea{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);

    const std::wstring caption = platform::win32::utf8ToWide(form.caption());
    WindowArgs args;
    args.style = formStyle;
    // Files dropped from Explorer arrive as WM_DROPFILES.
    if (form.FilesDropped) args.exStyle |= WS_EX_ACCEPTFILES;
    args.text = caption.c_str();
    args.x = workArea.left + std::max(0L, (workArea.right - workArea.left - width) / 2);
    args.y = workArea.top + std::max(0L, (workArea.bottom - workArea.top - height) / 2);
    args.width = width;
    args.height = height;
    create(formClass(), args);
    sharedContext.setTopLevel(hwnd());
    afterPaint([this] { sharedContext.tooltips().create(hwnd()); });
    showInTaskbarChanged();
}

FormWindow::~FormWindow() {
    destroy();
    sharedContext.setTopLevel(nullptr);
}

void FormWindow::takeOwnDpi() {
    const UINT dpi = dpiOfWindow(hwnd());
    const double twipsPerPixel = dpi > 0 ? twipsPerInch / dpi : 0;
    if (twipsPerPixel <= 0 || twipsPerPixel == form_.twipsPerPixelX()) return;
    // Made on a monitor of another scale than the system's: the same design
    // size, in that monitor's pixels.
    const double factor = form_.twipsPerPixelX() / twipsPerPixel;
    RECT client{};
    GetClientRect(hwnd(), &client);
    RECT outer{0, 0, base::roundTo<LONG>(client.right * factor),
               base::roundTo<LONG>(client.bottom * factor)};
    AdjustWindowRectEx(&outer, formStyle, FALSE, 0);
    form_.backendSetScreenMetrics(twipsPerPixel, twipsPerPixel);
    SetWindowPos(hwnd(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::controlsAttached() {
    controlsAttached_ = true;
    reportSize();
}

void FormWindow::show(int showCommand) {
    if (!hwnd() || !form_.visible()) return;
    ShowWindow(hwnd(), showCommand);
    UpdateWindow(hwnd());
}

PixelRect FormWindow::extent() const {
    RECT client{};
    if (hwnd()) GetClientRect(hwnd(), &client);
    return {0, 0, client.right, client.bottom};
}

void FormWindow::changed(Change what) {
    if (what == Change::visible && hwnd()) ShowWindow(hwnd(), form_.visible() ? SW_SHOW : SW_HIDE);
}

void FormWindow::setOuterSize(int32_t widthTwips, int32_t heightTwips) {
    if (!hwnd()) return;
    const ScreenScale screen = sharedContext.screen();
    // WM_SIZE reports the size back to the form (and fires Resize) before this returns.
    SetWindowPos(hwnd(), nullptr, 0, 0, toPixels(widthTwips, screen.twipsPerPixelX),
                 toPixels(heightTwips, screen.twipsPerPixelY),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void FormWindow::captionChanged() {
    if (!hwnd()) return;
    const TimedPiece timed("caption");
    SetWindowTextW(hwnd(), platform::win32::utf8ToWide(form_.caption()).c_str());
}

namespace {

// The timer that fires once every paint due is done.
constexpr UINT_PTR afterPaintTimer = 1;

}  // namespace

void FormWindow::afterPaint(const std::function<void()>& work) {
    afterPaint_.push_back(work);
    if (afterPaint_.size() == 1) SetTimer(hwnd(), afterPaintTimer, 0, nullptr);
}

void FormWindow::paintedAll() {
    KillTimer(hwnd(), afterPaintTimer);
    // Work may queue more: that waits for the next round of paints.
    for (const std::function<void()>& work : std::exchange(afterPaint_, {})) {
        try {
            work();
        } catch (...) {
            unhandledException(std::current_exception());
        }
    }
}

void FormWindow::close() {
    if (hwnd()) SendMessageW(hwnd(), WM_CLOSE, 0, 0);
}

void FormWindow::systemMenuChanged(int commandId) {
    if (!hwnd()) return;
    const auto entry = form_.systemMenu().find(commandId);
    if (entry == form_.systemMenu().end()) return;
    const MenuItem& item = entry->second;
    const HMENU menu = GetSystemMenu(hwnd(), FALSE);
    const std::wstring text = platform::win32::utf8ToWide(item.text);
    UINT flags = item.separator ? MF_SEPARATOR : MF_STRING;
    if (item.checked) flags |= MF_CHECKED;
    if (item.greyed) flags |= MF_GRAYED;
    const auto id = static_cast<UINT_PTR>(commandId);
    // An entry already in the menu is changed in place; a new one goes last.
    if (!item.separator &&
        GetMenuState(menu, static_cast<UINT>(commandId), MF_BYCOMMAND) != static_cast<UINT>(-1)) {
        ModifyMenuW(menu, static_cast<UINT>(commandId), MF_BYCOMMAND | flags, id, text.c_str());
    } else {
        AppendMenuW(menu, flags, id, item.separator ? nullptr : text.c_str());
    }
}

void FormWindow::showInTaskbarChanged() {
    if (!hwnd()) return;
    const bool inTaskbar = form_.showInTaskbar();
    if (!inTaskbar && !taskbarOwner_.hwnd()) {
        WindowArgs args;
        args.style = WS_POPUP;
        taskbarOwner_.create(L"STATIC", args);
    }
    // The taskbar looks at a window when it is shown.
    const bool wasVisible = IsWindowVisible(hwnd()) != FALSE;
    if (wasVisible) ShowWindow(hwnd(), SW_HIDE);
    SetWindowLongPtrW(hwnd(), GWLP_HWNDPARENT,
                      inTaskbar ? 0 : reinterpret_cast<LONG_PTR>(taskbarOwner_.hwnd()));
    LONG_PTR exStyle = GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
    exStyle = inTaskbar ? (exStyle | WS_EX_APPWINDOW) : (exStyle & ~LONG_PTR{WS_EX_APPWINDOW});
    SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, exStyle);
    if (wasVisible) ShowWindow(hwnd(), SW_SHOWNA);
}

void FormWindow::reportSize() {
    if (!controlsAttached_ || !hwnd()) return;
    RECT client{};
    GetClientRect(hwnd(), &client);
    const ScreenScale screen = sharedContext.screen();
    WindowState state = WindowState::normal;
    int32_t outerWidth = form_.outerWidth();
    int32_t outerHeight = form_.outerHeight();
    if (IsIconic(hwnd())) {
        state = WindowState::minimized;  // the outer size is the one to restore
    } else {
        state = IsZoomed(hwnd()) ? WindowState::maximized : WindowState::normal;
        RECT outer{};
        GetWindowRect(hwnd(), &outer);
        outerWidth = toTwips(outer.right - outer.left, screen.twipsPerPixelX);
        outerHeight = toTwips(outer.bottom - outer.top, screen.twipsPerPixelY);
    }
    placeChildren();
    form_.backendResized(client.right, client.bottom, outerWidth, outerHeight, state);
}

void FormWindow::rescale(int dpiX, int dpiY, const RECT& suggested) {
    if (dpiX <= 0 || dpiY <= 0) return;
    // The controls keep every property, so their peers are made anew at the
    // new scale: fonts, tooltips and child windows follow. The form first
    // places what it keeps in pixels anew (its ScaleChanged).
    detachChildren(form_);
    form_.backendSetScreenMetrics(twipsPerInch / dpiX, twipsPerInch / dpiY);
    attachChildren(*this);
    // The rectangle Windows suggests keeps the window's place on the new
    // screen; its WM_SIZE lays the form out at the new scale.
    SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    reportSize();
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void FormWindow::unloadOnce() {
    if (const auto closing = std::exchange(closing_, nullptr)) closing();
}

bool FormWindow::onKey(UINT message, WPARAM wParam, LPARAM lParam) {
    const auto keyCode = static_cast<int>(wParam);
    const int shift = keyShiftState(message, lParam);
    if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {
        return form_.KeyDown && form_.KeyDown(keyCode, shift);
    }
    if (form_.KeyUp) form_.KeyUp(keyCode, shift);
    return false;
}

void FormWindow::deactivated() {
    if (form_.Deactivate) form_.Deactivate();
}

LRESULT FormWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            reportSize();
            return 0;
        case WM_KEYDOWN:
        case WM_KEYUP:
            onKey(message, wParam, lParam);
            return 0;
        case WM_SYSKEYDOWN: {
            // The menu character the key makes waits in the queue. It is taken
            // out before the key runs a command, so that no dialog the command
            // opens hands it on; a key that ran one is done with it, so no
            // menu looks for the letter (and beeps). Alt+F4 and the system
            // menu keep working.
            MSG menuChar{};
            const bool charWaits =
                PeekMessageW(&menuChar, nullptr, WM_SYSCHAR, WM_SYSCHAR, PM_REMOVE) != FALSE;
            if (onKey(message, wParam, lParam)) return 0;
            const LRESULT result = defaultHandling(message, wParam, lParam);
            if (charWaits) {
                PostMessageW(menuChar.hwnd, menuChar.message, menuChar.wParam, menuChar.lParam);
            }
            return result;
        }
        case WM_SYSKEYUP:
            onKey(message, wParam, lParam);
            return defaultHandling(message, wParam, lParam);
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) deactivated();
            return defaultHandling(message, wParam, lParam);
        case WM_KILLFOCUS: {
            // The form hands the focus to its children and takes it back;
            // only a window of another's takes it away.
            const auto next = reinterpret_cast<HWND>(wParam);
            if (next != hwnd() && (next == nullptr || IsChild(hwnd(), next) == FALSE)) {
                deactivated();
            }
            return ContainerWindow::handleMessage(message, wParam, lParam);
        }
        case WM_CLOSE:
            unloadOnce();
            return defaultHandling(message, wParam, lParam);
        case WM_DPICHANGED:
            rescale(LOWORD(wParam), HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_TIMER:
            if (wParam != afterPaintTimer) return defaultHandling(message, wParam, lParam);
            paintedAll();
            return 0;
        case WM_DROPFILES:
            filesDropped(reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;  // nothing to ask the user; the unload runs if the session ends
        case WM_ENDSESSION:
            // Log-off and shut-down end the process without a WM_CLOSE: the
            // unload keeps its settings here, whatever way led to the end.
            if (wParam) unloadOnce();
            return 0;
        case WM_DESTROY:
            if (mainWindow_) PostQuitMessage(0);
            return 0;
        default:
            if (message >= WM_APP && message < 0xC000) {
                if (form_.MessagePosted) form_.MessagePosted(message);
                return 0;
            }
            return ContainerWindow::handleMessage(message, wParam, lParam);
    }
}

void FormWindow::filesDropped(HDROP drop) {
    std::vector<std::string> paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring path(DragQueryFileW(drop, i, nullptr, 0), L'\0');
        DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size() + 1));
        paths.push_back(platform::win32::wideToUtf8(path));
    }
    // The drop's memory is the receiver's to free, whatever the handler does.
    DragFinish(drop);
    if (paths.empty() || !form_.FilesDropped) return;
    try {
        form_.FilesDropped(paths);
    } catch (...) {
        unhandledException(std::current_exception());
    }
}

void FormWindow::paintBackground(HDC dc, const RECT& area) {
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace ui::win32
