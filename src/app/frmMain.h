#pragma once
// The main window: its controls, its state, and every operation that works on
// them. The methods are defined in the rooms they belong to (tags/ for the tag
// check, and so on); this header is the one place that lists them all.

#include <cstdint>
#include <string>

#include "platform/platform.h"
#include "ui/label.h"

class frmMain {
public:
    // `commandLine` is the argument text of the process, taken whole.
    frmMain(platform::Platform& platform, std::string commandLine);
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    // Controls.
    ui::Label lblTitle;
    ui::Label lblAddress;

    // Page tags (tags/).
    // True when the file carries the page marker; then the labels show its title
    // and address. Otherwise the check is recorded in the last-run record. Traps
    // every error of the check itself.
    bool isContainIPTC(const std::string& jpg_filepath);
    // Overwrites the last-run record with this check's command line and error.
    void logRun(const std::string& commandLine, const std::string& errorText);

    // State read by other rooms and by tests.
    const std::string& commandLine() const noexcept { return commandLine_; }
    const std::string& lastTagSummary() const noexcept { return lastTagSummary_; }
    bool addressBarShown() const noexcept { return addressBarShown_; }
    bool pictureLoaded() const noexcept { return pictureLoaded_; }

private:
    platform::Platform& platform_;
    const std::string commandLine_;

    // Main-window state shared by the rooms.
    bool addressBarShown_ = true;
    bool pictureLoaded_ = false;
    int32_t pictureWidth_ = 0;
    int32_t pictureHeight_ = 0;
    std::string currentFileName_;
    int16_t taggedCount_ = 0;
    std::string lastTagSummary_;
    bool windowHooked_ = false;
    bool vScrollShown_ = false;
    bool shiftDown_ = false;
    bool addressClickPending_ = false;
};
