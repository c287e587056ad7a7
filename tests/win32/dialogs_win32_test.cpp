// The dialogs against user32 and comdlg32 under Wine. There is no one to press
// a button, so each test answers its own modal dialog from a helper thread: it
// waits (bounded) for the dialog of this thread with the expected caption,
// reads its controls, types and presses a button. A dialog that stays open is
// closed by force and the test fails.
#include "platform/win32/win32_dialogs.h"

#include <dlgs.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "base/app_error.h"
#include "platform/win32/input_box.h"
#include "platform/win32/scoped_handles.h"
#include "platform/win32/text_conv.h"

namespace platform {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr auto dialogWait = 20s;  // generous: only a failing test waits it out
constexpr UINT messageWaitMs = 5000;
constexpr auto pollStep = 20ms;

// Messages to the dialog's thread go with a timeout, so a dialog that stops
// answering cannot hang the helper.
LRESULT sendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, messageWaitMs, &result);
    return static_cast<LRESULT>(result);
}

std::wstring textOf(HWND window) {
    if (window == nullptr) return L"<no window>";
    std::wstring text(static_cast<size_t>(sendBounded(window, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(static_cast<size_t>(
        sendBounded(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

void typeInto(HWND control, const std::wstring& text) {
    sendBounded(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// As a click on the button would: the dialog's procedure gets BN_CLICKED.
void press(HWND dialog, int buttonId) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, buttonId)));
}

// A key as the keyboard delivers it: through the dialog's message loop.
void pressKey(HWND control, UINT virtualKey) {
    PostMessageW(control, WM_KEYDOWN, virtualKey, 1);
    PostMessageW(control, WM_KEYUP, virtualKey, 0xC0000001);
}

BOOL CALLBACK collectStaticText(HWND child, LPARAM texts) {
    wchar_t className[32] = {};
    GetClassNameW(child, className, 32);
    if (lstrcmpiW(className, L"Static") == 0) {
        reinterpret_cast<std::vector<std::wstring>*>(texts)->push_back(textOf(child));
    }
    return TRUE;
}

std::vector<std::wstring> staticTexts(HWND dialog) {
    std::vector<std::wstring> texts;
    EnumChildWindows(dialog, collectStaticText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

std::vector<std::wstring> comboItems(HWND combo) {
    std::vector<std::wstring> items;
    const auto count = sendBounded(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring item(static_cast<size_t>(sendBounded(combo, CB_GETLBTEXTLEN, i, 0)) + 1,
                          L'\0');
        item.resize(static_cast<size_t>(
            sendBounded(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()))));
        items.push_back(item);
    }
    return items;
}

RECT windowRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

// Finds the next shown dialog of the calling thread with a given caption and
// answers it on a helper thread. finish() must follow the dialog call.
class DialogAnswerer {
public:
    using Answer = std::function<void(HWND dialog)>;

    DialogAnswerer(std::wstring caption, Answer answer)
        : caption_(std::move(caption)),
          answer_(std::move(answer)),
          dialogThread_(GetCurrentThreadId()),
          helper_([this] { run(); }) {}
    ~DialogAnswerer() { finish(); }
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    // Waits for the helper; gives "" when the dialog was found and the answer
    // closed it, else what went wrong.
    std::string finish() {
        dialogReturned_ = true;
        if (helper_.joinable()) helper_.join();
        return failure_;
    }

private:
    HWND findDialog() const {
        for (HWND window = nullptr;
             (window = FindWindowExW(nullptr, window, L"#32770", caption_.c_str())) != nullptr;) {
            if (GetWindowThreadProcessId(window, nullptr) == dialogThread_ &&
                IsWindowVisible(window)) {
                return window;
            }
        }
        return nullptr;
    }

    void run() {
        const auto deadline = std::chrono::steady_clock::now() + dialogWait;
        HWND dialog = nullptr;
        while ((dialog = findDialog()) == nullptr) {
            if (dialogReturned_ || std::chrono::steady_clock::now() > deadline) {
                failure_ = "no dialog titled \"" + win32::wideToUtf8(caption_) + "\" was shown";
                return;
            }
            std::this_thread::sleep_for(pollStep);
        }
        answer_(dialog);
        const auto closeDeadline = std::chrono::steady_clock::now() + dialogWait;
        while (IsWindow(dialog) && std::chrono::steady_clock::now() < closeDeadline) {
            std::this_thread::sleep_for(pollStep);
        }
        if (IsWindow(dialog)) {
            failure_ = "the answer did not close the dialog";
            for (const int id : {IDCANCEL, IDNO, IDOK}) press(dialog, id);
        }
    }

    const std::wstring caption_;
    const Answer answer_;
    const DWORD dialogThread_;
    std::atomic<bool> dialogReturned_ = false;
    std::string failure_;
    std::thread helper_;  // last: it starts with everything above in place
};

using win32::ScopedWindow;

class Win32DialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner_.reset(CreateWindowExW(0, L"STATIC", L"Tessmire dialog owner", WS_OVERLAPPEDWINDOW, 0,
                                     0, 400, 300, nullptr, nullptr, nullptr, nullptr));
        ASSERT_TRUE(owner_);
        dialogs_.setOwner(owner_.get());
    }

    ScopedWindow owner_;
    Win32Dialogs dialogs_;
};

// ---- Input box ----

struct InputBoxSight {
    std::wstring prompt;
    std::wstring edit;
    DWORD selectionStart = 1;
    DWORD selectionEnd = 0;
    bool editFocused = false;
    bool okIsDefault = false;
    bool hasCancel = false;
    HWND owner = nullptr;
};

InputBoxSight look(HWND dialog) {
    InputBoxSight sight;
    const HWND edit = GetDlgItem(dialog, win32::inputBoxEditId);
    sight.prompt = textOf(GetDlgItem(dialog, win32::inputBoxPromptId));
    sight.edit = textOf(edit);
    sendBounded(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&sight.selectionStart),
                reinterpret_cast<LPARAM>(&sight.selectionEnd));
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    sight.editFocused = GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &thread) &&
                        thread.hwndFocus == edit;
    const HWND ok = GetDlgItem(dialog, IDOK);
    sight.okIsDefault =
        (sendBounded(ok, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) != 0 && textOf(ok) == L"OK";
    sight.hasCancel = textOf(GetDlgItem(dialog, IDCANCEL)) == L"Cancel";
    sight.owner = GetWindow(dialog, GW_OWNER);
    return sight;
}

TEST_F(Win32DialogsTest, InputBoxShowsPromptAndSelectedPresetAndOkKeepsPreset) {
    InputBoxSight sight;
    DialogAnswerer answerer(L"browseJPEG", [&](HWND dialog) {
        sight = look(dialog);
        press(dialog, IDOK);
    });
    const std::string answer =
        dialogs_.inputBox("Path/File access error & more", "browseJPEG", "75");
    ASSERT_EQ(answerer.finish(), "");

    EXPECT_EQ(sight.prompt, L"Path/File access error & more");
    EXPECT_EQ(sight.edit, L"75");
    EXPECT_EQ(sight.selectionStart, 0u);
    EXPECT_EQ(sight.selectionEnd, 2u);
    EXPECT_TRUE(sight.editFocused);
    EXPECT_TRUE(sight.okIsDefault);
    EXPECT_TRUE(sight.hasCancel);
    EXPECT_EQ(sight.owner, owner_.get());
    EXPECT_EQ(answer, "75");
}

TEST_F(Win32DialogsTest, InputBoxOkGivesTypedTextAndCancelGivesNothing) {
    const std::wstring typed = L"Gr\u00fc\u00dfe \u5317\u4eac & co";
    for (const int button : {IDOK, IDCANCEL}) {
        SCOPED_TRACE(button == IDOK ? "OK" : "Cancel");
        DialogAnswerer answerer(L"Answer \u00e9", [&](HWND dialog) {
            typeInto(GetDlgItem(dialog, win32::inputBoxEditId), typed);
            press(dialog, button);
        });
        const std::string answer = dialogs_.inputBox("Type", "Answer \u00e9", "preset");
        ASSERT_EQ(answerer.finish(), "");
        EXPECT_EQ(answer, button == IDOK ? win32::wideToUtf8(typed) : "");
    }
}

TEST_F(Win32DialogsTest, InputBoxEnterIsOkAndEscIsCancel) {
    for (const UINT key : {VK_RETURN, VK_ESCAPE}) {
        SCOPED_TRACE(key == VK_RETURN ? "Enter" : "Esc");
        DialogAnswerer answerer(L"Keys", [&](HWND dialog) {
            const HWND edit = GetDlgItem(dialog, win32::inputBoxEditId);
            typeInto(edit, L"typed");
            pressKey(edit, key);
        });
        const std::string answer = dialogs_.inputBox("Press a key", "Keys", "");
        ASSERT_EQ(answerer.finish(), "");
        EXPECT_EQ(answer, key == VK_RETURN ? "typed" : "");
    }
}

TEST_F(Win32DialogsTest, InputBoxGrowsForALongPromptAndKeepsTheEditBelowIt) {
    struct Geometry {
        RECT box;
        RECT client;
        RECT prompt;
        RECT edit;
        RECT work;
    };
    const auto measure = [&](const std::string& prompt) {
        Geometry geometry = {};
        DialogAnswerer answerer(L"Sizes", [&](HWND dialog) {
            geometry.box = windowRect(dialog);
            GetClientRect(dialog, &geometry.client);
            MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&geometry.client), 2);
            geometry.prompt = windowRect(GetDlgItem(dialog, win32::inputBoxPromptId));
            geometry.edit = windowRect(GetDlgItem(dialog, win32::inputBoxEditId));
            MONITORINFO monitor = {};
            monitor.cbSize = sizeof monitor;
            GetMonitorInfoW(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor);
            geometry.work = monitor.rcWork;
            press(dialog, IDCANCEL);
        });
        dialogs_.inputBox(prompt, "Sizes", "");
        EXPECT_EQ(answerer.finish(), "");
        return geometry;
    };
    std::string manyLines;
    for (int line = 1; line <= 12; ++line) manyLines += "Line " + std::to_string(line) + "\r\n";

    const Geometry shortPrompt = measure("One line.");
    const Geometry longPrompt = measure(manyLines);

    EXPECT_GT(longPrompt.box.bottom - longPrompt.box.top,
              shortPrompt.box.bottom - shortPrompt.box.top);
    EXPECT_GT(longPrompt.prompt.bottom - longPrompt.prompt.top,
              shortPrompt.prompt.bottom - shortPrompt.prompt.top);
    for (const Geometry& geometry : {shortPrompt, longPrompt}) {
        EXPECT_LE(geometry.prompt.bottom, geometry.edit.top);
        EXPECT_LE(geometry.edit.bottom, geometry.client.bottom);
        EXPECT_GE(geometry.box.top, geometry.work.top);
        EXPECT_LE(geometry.box.bottom, geometry.work.bottom);
    }
}

// ---- Message box ----

TEST_F(Win32DialogsTest, MessageBoxShowsTextAndGivesTheButtonPressed) {
    struct Case {
        int style;
        int press;
        std::vector<int> buttons;
        std::vector<int> absent;
    };
    const Case cases[] = {
        {message_style::yesNo | message_style::question, IDYES, {IDYES, IDNO}, {IDOK, IDCANCEL}},
        {message_style::yesNo | message_style::question, IDNO, {IDYES, IDNO}, {IDOK, IDCANCEL}},
        {message_style::okOnly | message_style::exclamation, IDOK, {IDOK}, {IDYES, IDNO}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style << ", press " << c.press);
        std::vector<std::wstring> texts;
        std::vector<bool> present;
        std::vector<bool> missing;
        HWND owner = nullptr;
        DialogAnswerer answerer(L"Association \u00fcber", [&](HWND dialog) {
            texts = staticTexts(dialog);
            for (const int id : c.buttons)
                present.push_back(IsWindowVisible(GetDlgItem(dialog, id)));
            for (const int id : c.absent)
                missing.push_back(!IsWindowVisible(GetDlgItem(dialog, id)));
            owner = GetWindow(dialog, GW_OWNER);
            press(dialog, c.press);
        });
        const int answer = dialogs_.messageBox("Install the associations?\r\nSure & certain",
                                               "Association \u00fcber", c.style);
        ASSERT_EQ(answerer.finish(), "");

        EXPECT_EQ(answer, c.press);
        EXPECT_NE(
            std::find(texts.begin(), texts.end(), L"Install the associations?\r\nSure & certain"),
            texts.end());
        EXPECT_EQ(present, std::vector<bool>(c.buttons.size(), true));
        EXPECT_EQ(missing, std::vector<bool>(c.absent.size(), true));
        EXPECT_EQ(owner, owner_.get());
    }
}

// ---- Open dialog ----

const std::vector<FileType> viewerTypes = {
    {"JPEG Files(*.jpeg;*.jpg)", "*.jpeg;*.jpg"},
    {" Tessmire Files(*.mire;*.mre)", "*.mire;*.mre"},
};

// The file name box of the Explorer-style dialog, or of the older one.
HWND fileNameBox(HWND dialog) {
    const HWND combo = GetDlgItem(dialog, cmb13);
    return combo != nullptr ? combo : GetDlgItem(dialog, edt1);
}

TEST_F(Win32DialogsTest, OpenDialogListsFileTypesStartsEmptyAndCancelRaises) {
    std::vector<std::wstring> types;
    std::wstring fileName = L"<unread>";
    HWND owner = nullptr;
    DialogAnswerer answerer(L"Select a JPEG to open", [&](HWND dialog) {
        types = comboItems(GetDlgItem(dialog, cmb1));
        fileName = textOf(fileNameBox(dialog));
        owner = GetWindow(dialog, GW_OWNER);
        press(dialog, IDCANCEL);
    });
    try {
        const std::string path = dialogs_.openFile("Select a JPEG to open", viewerTypes);
        ADD_FAILURE() << "Cancel gave a path: " << path;
    } catch (const base::AppError& error) {
        EXPECT_EQ(error.number(), 32755);
        EXPECT_EQ(error.description(), "Cancel was selected.");
    }
    ASSERT_EQ(answerer.finish(), "");

    EXPECT_EQ(types, (std::vector<std::wstring>{L"JPEG Files(*.jpeg;*.jpg)",
                                                L" Tessmire Files(*.mire;*.mre)"}));
    EXPECT_EQ(fileName, L"");
    EXPECT_EQ(owner, owner_.get());
}

class Win32OpenDialogFileTest : public Win32DialogsTest {
protected:
    void SetUp() override {
        Win32DialogsTest::SetUp();
        folder_ = fs::temp_directory_path() /
                  (L"tessmire-open-\u00e9t\u00e9-" + std::to_wstring(GetCurrentProcessId()));
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    // Types `path` into the dialog's file name box and presses Open.
    std::string openByTyping(const fs::path& path) {
        DialogAnswerer answerer(L"Pick", [&](HWND dialog) {
            typeInto(fileNameBox(dialog), path.wstring());
            press(dialog, IDOK);
        });
        std::string chosen;
        try {
            chosen = dialogs_.openFile("Pick", viewerTypes);
        } catch (const base::AppError& error) {
            ADD_FAILURE() << error.number() << " " << error.description();
        }
        EXPECT_EQ(answerer.finish(), "");
        return chosen;
    }

    fs::path folder_;
};

TEST_F(Win32OpenDialogFileTest, TypedNameOfAnExistingFileIsReturned) {
    const fs::path file = folder_ / L"page \u5317.mre";
    {
        const win32::ScopedFileHandle created(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr,
                                                          CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                                          nullptr));
        ASSERT_TRUE(created);
    }
    EXPECT_EQ(openByTyping(file), win32::wideToUtf8(file.wstring()));
}

TEST_F(Win32OpenDialogFileTest, MissingFileInAnExistingFolderIsReturnedForTheCallerToCheck) {
    const fs::path file = folder_ / L"gone.jpg";
    EXPECT_EQ(openByTyping(file), win32::wideToUtf8(file.wstring()));
}

}  // namespace
}  // namespace platform
