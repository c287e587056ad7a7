#pragma once
// The print command: the printer dialog seeded from the current printer and
// the options remembered under "Print", then the job on the printer chosen,
// or into a file when the user asked for that. Until the dialog has answered,
// a failing step is reported in an input box and the next one runs; after
// it, a print that cannot be made is told once. Cancel anywhere ends the
// command quietly.

#include <functional>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "platform/printer_dialog.h"
#include "print/mdlPicPrint.h"

namespace print {

// What is printed: the picture as the window holds it, and the texts above it
// ("" for none).
struct PrintJob {
    mdlPicPrint::PictureHolder picture;
    bool shrunk = false;
    std::string title;
    std::string address;
};

class PrintCommand {
public:
    // The platform outlives the command; `caption` titles its messages.
    PrintCommand(platform::Platform& platform, std::string_view caption)
        : platform_(platform), caption_(caption) {}

    // Runs the command. `job` is asked for once the user has confirmed and the
    // printer is set up; it may wait (for the whole picture, say), and what it
    // returns is printed.
    void run(const std::function<PrintJob()>& job);

    // Remembers the dialog's orientation, colour, paper size and quality; an
    // option the dialog does not hold is stored empty.
    void saveSettings(const platform::PrinterDialog& dialog);

private:
    platform::Platform& platform_;
    std::string caption_;
};

}  // namespace print
