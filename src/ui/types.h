#pragma once
// Small value types shared by the window toolkit's controls.

#include <cstdint>
#include <string>

namespace ui {

// A colour as 0x00BBGGRR, the layout Windows uses.
using Color = uint32_t;
constexpr Color rgb(uint8_t red, uint8_t green, uint8_t blue) {
    return Color{red} | (Color{green} << 8) | (Color{blue} << 16);
}
inline constexpr Color white = rgb(255, 255, 255);
inline constexpr Color black = rgb(0, 0, 0);

struct Font {
    std::string name = "MS Sans Serif";
    double points = 8.25;
    bool bold = false;
    bool italic = false;
};

// The unit in which a container places its children.
enum class ScaleMode { pixels, twips };

// Mouse buttons as the events report them; several may be held at once.
enum MouseButton : int { leftButton = 1, rightButton = 2, middleButton = 4 };
// Shift-state bits of mouse and key events.
enum ShiftBits : int { shiftMask = 1, ctrlMask = 2, altMask = 4 };

// A mouse event: x and y in the control's own scale.
struct MouseArgs {
    int button = leftButton;
    int shift = 0;
    double x = 0;
    double y = 0;
};

// The screen-wide mouse pointer.
enum class Pointer { normal, hourglass };

// How a window is shown.
enum class WindowState { normal, minimized, maximized };

}  // namespace ui
