#include "ui/win32/backend_context.h"

#include <utility>

#include "resource_ids.h"

namespace ui::win32 {

namespace {

// The program's hand pointer, or the system's when the program has none (the
// test program).
HCURSOR loadHandCursor() {
    const auto cursor =
        static_cast<HCURSOR>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(TS_CURSOR_HAND),
                                        IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    return cursor ? cursor : LoadCursorA(nullptr, IDC_HAND);
}

}  // namespace

BackendContext::BackendContext(Form& form) : form_(form), handCursor_(loadHandCursor()) {}

void BackendContext::forget(const Control& control) noexcept {
    if (press_.control == &control) press_ = {};
}

void BackendContext::keepError(std::exception_ptr error) noexcept {
    if (!error_) error_ = std::move(error);
}

void BackendContext::rethrowError() {
    if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
}

}  // namespace ui::win32
