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
// The face colour of the user's buttons and dialogs, whatever it is: a marker
// (high bit and the system's colour index) that the backend resolves.
inline constexpr Color buttonFace = 0x8000000F;

struct Font {
    std::string name = "MS Sans Serif";
    double points = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const Font&) const = default;
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

// The application-wide mouse pointer: `normal` lets every control show its
// own; the others show everywhere in the program, whatever is beneath.
enum class Pointer { normal, hourglass, custom };

// A pointer icon a control asks for (and the custom application-wide pointer
// shows): the system's arrow, or the program's hand.
enum class PointerIcon { arrow, hand };

// How a window is shown.
enum class WindowState { normal, minimized, maximized };

}  // namespace ui
