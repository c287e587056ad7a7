#pragma once
// The main window, the form of the program: its controls, its event handlers
// under the names the system gives them, and the wiring. The state and the
// logic live in the rooms' objects it owns: the folder on view (nav/), the
// viewport and the decode of the shown picture (view/), the tag check
// (tags/), the Shift+Click gesture (input/), the print command (print/). Its
// methods are defined in app/, one file a concern (keys.cpp, layout.cpp,
// stepping.cpp, ...).

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "about/frmAbout.h"
#include "assoc/frmSetting.h"
#include "base/app_error.h"
#include "input/keyboard.h"
#include "input/shift_click.h"
#include "nav/folder.h"
#include "platform/platform.h"
#include "print/print_command.h"
#include "tags/tag_check.h"
#include "ui/file_list_box.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/line.h"
#include "ui/list_box.h"
#include "ui/picture_box.h"
#include "ui/scroll_bar.h"
#include "view/picture_decode.h"
#include "view/read_ahead.h"
#include "view/viewport.h"
#include "view/wheel.h"

class frmMain : public ui::Form, private platform::WindowMessageHandler {
public:
    // `commandLine` is the argument text of the process, taken whole. The
    // platform outlives the window.
    frmMain(platform::Platform& platform, std::string commandLine);
    // Unhooks the window if the unload has not: its messages must never
    // reach a window object that is going.
    ~frmMain() override;
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    // Controls, in z-order within their containers (first is bottom).
    ui::Frame frAddress{this, "frAddress"};
    ui::Image imgTitle{&frAddress, "imgTitle"};
    ui::Label lblTitle{&frAddress, "lblTitle"};
    ui::Label lblTessmire{&frAddress, "lblTessmire"};
    std::array<ui::Line, 4> Line1{{{&frAddress, "Line1(0)"},
                                   {&frAddress, "Line1(1)"},
                                   {&frAddress, "Line1(2)"},
                                   {&frAddress, "Line1(3)"}}};
    ui::Label Label1{&frAddress, "Label1"};
    ui::Label lblAddress{&frAddress, "lblAddress"};
    std::array<ui::Image, 3> imgGo{
        {{&frAddress, "imgGo(0)"}, {&frAddress, "imgGo(1)"}, {&frAddress, "imgGo(2)"}}};
    ui::Image imgPrev{&frAddress, "imgPrev"};
    ui::Image imgNext{&frAddress, "imgNext"};
    ui::Image imgDown{&frAddress, "imgDown"};
    ui::Image imgBottom{&frAddress, "imgBottom"};
    ui::Image imgShrink{&frAddress, "imgShrink"};
    ui::PictureBox frImage{this, "frImage"};
    ui::PictureBox imgDisplay{&frImage, "imgDisplay"};
    ui::FlatScrollBar scroll_h{this, "scroll_h", ui::Orientation::horizontal};
    ui::FlatScrollBar scroll_v{this, "scroll_v", ui::Orientation::vertical};
    ui::Image imgSize{this, "imgSize"};
    ui::PictureBox imgPrint{this, "imgPrint"};
    ui::FileListBox file_currDir{this, "file_currDir"};
    ui::ListBox lstFile{this, "lstFile"};

    // The client size the window is created with, in twips, centred on the screen.
    static constexpr int32_t designClientWidthTwips = 11880;
    static constexpr int32_t designClientHeightTwips = 9255;
    // Pixels at 96 DPI, scaled to the window's DPI where they are used: the
    // address bar's height, a scroll bar's thickness and the strip of the
    // frame it takes.
    static constexpr int32_t addressBarHeight = 85;
    static constexpr int32_t scrollBarThickness = 19;
    static constexpr int32_t scrollBarRoom = 20;

    // What a run does after its load.
    enum class LoadOutcome {
        show,        // the window is shown and the run goes on
        endProcess,  // a command-line verb ran: the process ends at once, no unload
        unloaded,    // the file was handed off and the window unloaded unseen
    };

    // Start-up and shutdown (app/).
    LoadOutcome Form_Load();
    void prepareWindow();
    void Form_Unload();

    // Page tags (the check in tags/, shown by app/page_tags.cpp).
    // The file's page record when it carries the page marker; otherwise
    // nothing, and the check is kept in the last-run record. Shows nothing.
    // Traps every error of the check itself.
    std::optional<tags::PageRecord> checkPage(const std::string& path);
    // The bar shows the page's title and address.
    void showPageRecord(const tags::PageRecord& record);
    // The page image on view, opened by the user (not stepped to), goes to
    // the recent documents.
    void rememberOpened();
    // checkPage, and a page image's record shown at once.
    bool isContainIPTC(const std::string& jpg_filepath);
    // Overwrites the last-run record with this check's command line and error.
    void logRun(const std::string& commandLine, const std::string& errorText) {
        tagCheck_.logRun(commandLine, errorText);
    }

    // Opening files and stepping through the folder (app/open_picture.cpp,
    // app/stepping.cpp, app/tagged_list.cpp).
    // Whether an opening reads the folder's listing anew, or leaves it to
    // another: the Open command's scan has just read it, start-up leaves it
    // to the folder's scan.
    enum class Listing { readAnew, asRead };
    // True when the picture is shown; false when the file is missing (the
    // user has been told). Raises base::AppError when it cannot be decoded.
    // A step's opening names its direction (+1, -1): a first screen read
    // ahead for that file is used when it is still the file's.
    bool openPicture(const std::string& path, Listing listing = Listing::readAnew,
                     int stepDirection = 0);
    void browseJPEG();
    // Files dropped on the window: the first opens as the Open command opens
    // a file, with the usual message when it cannot be shown; a folder opens
    // at its first page image (app/drop.cpp).
    void Form_FilesDropped(const std::vector<std::string>& paths);
    // Reads the listing and counts its page images here (nav::Folder::scan).
    int16_t scanFolder(const std::string& folder);
    // The folder's scan is done: the caption shows its count.
    void folderScanned();
    bool folderScanning() const noexcept { return folder_.scanning(); }
    int16_t findTaggedIndex(const std::string& name) const;
    bool openIfTagged(const std::string& path, int stepDirection = 0);
    void showNext();
    void showPrevious();
    void updateTitle();
    void imgNext_Click() { showNext(); }
    void imgPrev_Click() { showPrevious(); }

    // The shown picture's rows below its first screen, decoded on a thread of
    // its own (app/picture_decoding.cpp).
    // Whether some of them are still to come, or to be shown.
    bool pictureDecoding() const noexcept { return pictureDecode_.decoding(); }
    // More rows are there: shows those in view, and when the last is there
    // tells of a file found damaged after its first screen.
    void pictureRowsArrived();
    // Word from the viewer's threads, posted to the window: rows decoded, the
    // folder counted.
    void Form_MessagePosted(uint32_t message);
    // What needs the whole picture (shrinking, printing) waits here for it,
    // under the hourglass.
    void waitForWholePicture();

    // Shrink and original size (app/shrink.cpp).
    void image_shrink();
    void imgShrink_Click();
    void imgDisplay_MouseUp(const ui::MouseArgs& args);
    void imgDisplay_Click();

    // Keyboard (app/keys.cpp): key code and shift state (1 Shift, 2 Ctrl,
    // 4 Alt, added up). Movement keys first, then the Alt commands.
    // True when the key ran an Alt command: it goes no further.
    bool Form_KeyDown(int16_t keyCode, int16_t shift);
    void Form_KeyUp(int16_t keyCode, int16_t shift);
    // Runs one of the viewer's commands, from its key or its menu entry; true
    // when it was one (not a movement).
    bool runCommand(input::KeyCommand command);
    // The window lost activation or the keyboard focus: a Shift let go
    // elsewhere never reaches it, so the Shift+Click gesture ends here.
    void Form_Deactivate();

    // The system menu and the window hook (app/system_menu.cpp).
    // Appends the viewer's commands to the window's system menu.
    void appendSystemMenu();
    // Shows or hides the address bar, its menu entry's check mark in step.
    void toggleAddressBar();
    // The address bar shown or not, its menu entry checked to match (and
    // greyed where there is no address to show), the window laid out anew.
    void showAddressBar(bool shown, bool greyed = false);
    // The system-menu commands and the wheel, ahead of the window's own
    // procedure; nothing for what goes on to it.
    std::optional<intptr_t> handleWindowMessage(uintptr_t window, uint32_t message,
                                                uintptr_t wParam, intptr_t lParam) override;
    // Ctrl+C: the shown page's address to the clipboard, as text; nothing
    // when no page image is shown. Ctrl+Shift+C: the picture as shown (the
    // shrunk rendering when shrunk), as a bitmap (app/copy.cpp).
    void copyShownAddress();
    void copyShownPicture();
    // The about box and the settings dialog, modeless; the help file.
    void showAbout();
    void showSettings();
    void openHelp();
    bool windowHooked() const noexcept { return windowHooked_; }

    // The address bar's go button and the pointer (app/address_bar.cpp).
    // The go button's handlers get the index of the look, which none reads.
    void imgGo_MouseMove(int16_t index, const ui::MouseArgs& args);
    void imgGo_MouseDown(int16_t index, const ui::MouseArgs& args);
    void imgGo_MouseUp(int16_t index, const ui::MouseArgs& args);
    void Form_MouseMove(const ui::MouseArgs& args);
    void frImage_MouseMove(const ui::MouseArgs& args);
    void frAddress_MouseMove(const ui::MouseArgs& args);
    void imgDisplay_MouseMove(const ui::MouseArgs& args);
    void Label1_MouseMove(const ui::MouseArgs& args);
    void lblTessmire_MouseMove(const ui::MouseArgs& args);
    // Opens the shown page's address in the browser; nothing when there is
    // none, the one message when the browser cannot be started.
    void openShownAddress();

    // Printing (app/print_picture.cpp): the printer dialog, then the shown
    // picture printed with the page's title and address when the bar shows.
    void printPicture();
    // Remembers the dialog's orientation, colour, paper size and quality.
    void savePrintSettings(const platform::PrinterDialog& dialog);

    // Layout (app/layout.cpp).
    void layoutWindow();
    void Form_Resize();

    // Scrolling and paging (app/scrolling.cpp; the paging rule in view/paging.h).
    // Sizes the picture frame from the room it has (`frameWidth` ×
    // `frameHeight`) less the bars the picture needs, and sets the bars up.
    void setupScrollBars(int32_t pictureWidth, int32_t pictureHeight, int32_t frameWidth,
                         int32_t frameHeight);
    void centerPicture();
    void scroll_h_Change();
    void scroll_v_Change();
    void imgDown_Click();
    void imgBottom_Click();

    // Shows a decoded picture at original size in imgDisplay, shared with
    // imgSize and imgPrint, and records its size.
    void showPicture(base::Picture picture);

    // The product text at the head of the window caption.
    static constexpr std::string_view productCaption = "Tessmire v1.2";

    // State read by tests.
    const std::string& commandLine() const noexcept { return commandLine_; }
    const std::string& lastTagSummary() const noexcept { return tagCheck_.lastSummary(); }
    bool addressBarShown() const noexcept { return addressBarShown_; }
    void setAddressBarShown(bool shown) { addressBarShown_ = shown; }
    bool pictureLoaded() const noexcept { return viewport_.loaded(); }
    bool vScrollShown() const noexcept { return viewport_.verticalBar(); }
    bool shrunk() const noexcept { return viewport_.shrunk(); }
    bool shiftDown() const noexcept { return shiftClick_.held(); }
    void setShiftDown(bool down) {
        if (down)
            shiftClick_.keyDown(ui::shiftMask);
        else
            shiftClick_.cancel();
    }
    int32_t pictureWidth() const noexcept { return viewport_.pictureWidth(); }
    int32_t pictureHeight() const noexcept { return viewport_.pictureHeight(); }
    const std::string& currentFileName() const noexcept { return folder_.shownName(); }
    int16_t taggedCount() const noexcept { return folder_.pageCount(); }
    bool addressClickPending() const noexcept { return shiftClick_.clicked(); }

private:
    void buildControls();
    // Places what the window keeps in pixels, at its DPI, with the pictures
    // drawn for it: at first and whenever the DPI changes.
    void placeInPixels();
    void wireEvents();
    // One step through the folder listing, forwards (+1) or backwards (-1).
    void step(int direction);
    // openPicture on the paths where nothing else reports a picture that
    // cannot be opened: tells the user, naming the file. False when the
    // picture is not shown.
    bool openPictureOrReport(const std::string& path, Listing listing);
    // Opens `file` with its folder's page images counted (already, when
    // `scanned`), the address bar shown for a page image and hidden for a
    // plain picture; what cannot be shown is reported. The Open command's
    // way, for a file it did not ask for.
    void openWithItsFolder(const std::string& file, bool scanned);
    // The same, raising what cannot be shown: the Open command reports it its own way.
    void openScanned(const std::string& file, bool scanned);
    void reportUnopenable(const std::string& path, const base::AppError& error);
    // The rows of the first screen, decoded before a picture is shown.
    int32_t firstScreenRows() const;
    // Decodes the rest of a picture just shown, and lets the decode of the
    // one before it go.
    void startDecodingRest(platform::PartlyDecoded top, const std::string& path);
    // Once the shown picture is whole: the first screens of the page images
    // a step either way would show are read ahead.
    void startReadAhead();
    // The viewer's own messages (WM_APP + n), posted by its threads to this
    // window: more rows of the shown picture are decoded; the folder's page
    // images are counted.
    static constexpr uint32_t pictureRowsMessage = 0x8001;
    static constexpr uint32_t folderScannedMessage = 0x8002;
    // What the viewer's threads call to say they have news: `message` posted
    // to this window, safe on any thread.
    std::function<void()> postingToWindow(uint32_t message);
    // Shows the normal and hover looks of the go button as told.
    void showGoLook(bool normal, bool hover);
    // Scrolls for a wheel turn of `delta` (120 a notch, positive away from
    // the user).
    void scrollByWheel(int32_t delta);
    // Runs "install" or "uninstall" when the command line is one of them.
    bool runVerb(const std::string& command);
    // Hands the file to the previous handler: its saved command, or where
    // none was saved its ProgID through the shell. False when neither is
    // known or it could not be started (the user has been told).
    bool handOff(const std::string& path);

    platform::Platform& platform_;
    const std::string commandLine_;

    // Main-window state shared by the rooms.
    bool windowPrepared_ = false;
    bool addressBarShown_ = true;
    bool windowHooked_ = false;
    input::ShiftClickGesture shiftClick_;
    view::WheelScroll wheel_;

    tags::TagCheck tagCheck_{platform_.registry, platform_.clock};
    print::PrintCommand printCommand_{platform_, productCaption};
    frmAbout about_{platform_};
    frmSetting settings_{platform_};

    view::Viewport viewport_;

    // The shown picture's folder (nav/) and the decode of its lower rows
    // (view/). Last, so that their workers have stopped before anything they
    // report to goes.
    nav::Folder folder_{platform_.files, file_currDir, lstFile};
    view::PictureDecode pictureDecode_;
    view::ReadAhead readAhead_{platform_.files, platform_.pictureCodec};
    bool readAheadDue_ = false;
    // The file on view, and its page's address as read (empty for a plain picture).
    std::string shownPath_;
    std::string shownAddress_;
};
