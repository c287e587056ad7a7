#pragma once
// Making and dropping the peers of a window's controls: at the window's
// making, and again when its DPI changes, so that fonts, tooltips and child
// windows are made anew at the new scale from the properties the controls keep.

#include "ui/control.h"
#include "ui/win32/container_window.h"

namespace ui::win32 {

// A peer for each control of the window's container, and of theirs.
void attachChildren(ContainerWindow& window);

// Drops the peers of a container's controls, innermost first, while the
// window they were made for (and the context they share) still exists.
void detachChildren(const Container& container);

}  // namespace ui::win32
