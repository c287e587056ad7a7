// The owners of Win32 handles: a handle is freed exactly once, by whoever holds
// it last, and out() frees what was held before a call fills the slot.

#include "platform/win32/scoped_handles.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <concepts>

namespace platform::win32 {
namespace {

template <typename Owner>
concept MoveOnly = std::movable<Owner> && !std::copy_constructible<Owner>;
template <typename... Owners>
constexpr bool allMoveOnly = (MoveOnly<Owners> && ...);
static_assert(allMoveOnly<ScopedHkey, ScopedFindHandle, ScopedFileHandle, ScopedKernelHandle,
                          ScopedPrinterHandle, ScopedGlobal, ScopedWindow, ScopedDc, ScopedFont,
                          ScopedBrush, ScopedPen, ScopedBitmap>);
template <typename... Guards>
constexpr bool noneLeavesItsScope = ((!std::move_constructible<Guards> &&
                                      !std::copy_constructible<Guards>)&&...);
static_assert(noneLeavesItsScope<WindowDc, PaintDc, SelectedObject, SavedDc>);

bool isOpen(HANDLE handle) {
    DWORD flags = 0;
    return GetHandleInformation(handle, &flags) != FALSE;
}
bool isOpen(HKEY key) {
    DWORD subKeys = 0;
    return RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, nullptr,
                            nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}
bool isOpen(HBRUSH brush) { return GetObjectType(brush) != 0; }

HANDLE newEvent() { return CreateEventW(nullptr, TRUE, FALSE, nullptr); }
HKEY newKey() {
    HKEY key = nullptr;
    RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, &key);
    return key;
}
HBRUSH newBrush() { return CreateSolidBrush(RGB(1, 2, 3)); }

// Reuses an owner through out(): the handle held is freed before the slot is
// handed out, and the slot then owns what is put in it.
template <typename Owner>
void checkOutFreesFirst(typename Owner::Handle (*open)()) {
    Owner owner(open());
    const auto first = owner.get();
    ASSERT_TRUE(isOpen(first));
    auto* slot = owner.out();
    // Checked before anything new is opened, which could reuse the handle's value.
    EXPECT_FALSE(isOpen(first));
    EXPECT_FALSE(owner);
    *slot = open();
    const auto second = owner.get();
    EXPECT_TRUE(isOpen(second));
    owner.reset();
    EXPECT_FALSE(isOpen(second));
}

TEST(ScopedHandles, OutFreesWhatWasHeldFirst) {
    checkOutFreesFirst<ScopedKernelHandle>(newEvent);
    checkOutFreesFirst<ScopedHkey>(newKey);
    checkOutFreesFirst<ScopedBrush>(newBrush);
}

}  // namespace
}  // namespace platform::win32
