#pragma once
// The one window template of the backend: a window of one of the program's own
// classes, tied to the object that handles its messages. The object is
// attached at WM_NCCREATE and detached at WM_NCDESTROY, so no message reaches
// it before it is known or after its window is gone, whoever destroys the
// window (its owner object, or the system with its parent).

#include <windows.h>

#include <exception>

namespace ui::win32 {

// A window class of the program: registered on first use.
struct WindowClass {
    const wchar_t* name;
    HCURSOR cursor = nullptr;
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
};

// Where and how a window is made.
struct WindowArgs {
    DWORD style = 0;
    DWORD exStyle = 0;
    const wchar_t* text = L"";
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    HWND parent = nullptr;
};

class WindowBase {
public:
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;

    // Null before the window is made and once it is destroyed.
    HWND hwnd() const noexcept { return hwnd_; }

protected:
    WindowBase() = default;
    // Destroys the window if it still exists. A derived class calls destroy()
    // first in its own destructor, so no message meets it half torn down.
    virtual ~WindowBase();

    // Makes the window; its first messages already reach this object, so a
    // derived class creates it last in its constructor. Throws
    // std::runtime_error when the system refuses.
    void create(const WindowClass& windowClass, const WindowArgs& args);
    // Tears down in a fixed order: messages stop reaching this object, then
    // the window and its children go.
    void destroy() noexcept;

    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT defaultHandling(UINT message, WPARAM wParam, LPARAM lParam) const;
    // An exception left handleMessage; it must not unwind through the system's
    // frames, so it is handed here and the message answered with 0.
    virtual void unhandledException(std::exception_ptr error) noexcept = 0;

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
};

}  // namespace ui::win32
