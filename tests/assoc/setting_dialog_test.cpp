// The association settings dialog, headless: what its boxes show, and what
// its two buttons do to the registry and tell the user.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "assoc/frmSetting.h"
#include "assoc/mdlFileAssoc.h"
#include "support/fake_platform.h"

namespace {

using platform::kClassesRoot;
using platform::kCurrentUser;
using platform::kLocalMachine;
using Values = std::array<int16_t, 4>;  // .mire, .jpeg, .mre, .jpg

constexpr std::string_view stockIcon = "C:\\Windows\\System32\\imageres.dll,-72";
constexpr std::string_view assocQuestion =
    "Are you sure to associate those extension(s) to be open with TSViewer?";
constexpr std::string_view fileExts =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\";
constexpr std::string_view deAssocQuestion =
    "Are you sure to Unassociate those extension(s) from TSViewer?";

// The dialog on doubles of its own, so each case of a table starts afresh.
// The user answers "Yes" unless told otherwise.
struct Setting {
    Setting() { fake.dialogs.nextMessageAnswer = platform::message_answer::yes; }

    // Both JPEG extensions open with "jpegfile" from the machine's classes.
    void installStockJpegHandler() {
        for (const std::string_view ext : {".jpeg", ".jpg"})
            fake.registry.putString(kLocalMachine, "Software\\Classes\\" + std::string(ext), "",
                                    "jpegfile");
        fake.registry.putString(kLocalMachine, "Software\\Classes\\jpegfile\\DefaultIcon", "",
                                stockIcon);
    }

    Values values() const {
        Values result{};
        for (size_t i = 0; i < result.size(); ++i) result[i] = dialog.chkExt[i].value();
        return result;
    }
    void tickAll() {
        for (ui::CheckBox& box : dialog.chkExt) box.setValue(ui::CheckBox::ticked);
    }

    // The default value of a key, up to its NUL.
    std::string text(platform::RegKey root, std::string_view path) const {
        const auto value = fake.registry.value(root, path, "");
        if (!value) return "<missing>";
        return {value->data.begin(), std::find(value->data.begin(), value->data.end(), 0)};
    }

    // The button asked `question`, then told `told`, "It is done!" in its own words.
    void expectConfirmedThenTold(std::string_view question, std::string_view told) const {
        const auto& shown = fake.dialogs.shown;
        ASSERT_EQ(shown.size(), 2u);
        EXPECT_EQ(shown[0].text, question);
        EXPECT_EQ(shown[0].title, "Please confirm...");
        EXPECT_EQ(shown[0].style, 36);
        EXPECT_EQ(shown[1].text, told);
        const bool done = told == "It is done!";
        EXPECT_EQ(shown[1].title, done ? "Command executed." : "File Association");
        EXPECT_EQ(shown[1].style & 48, 48);
    }

    testsupport::FakePlatform fake;
    frmSetting dialog{fake.platform};
};

TEST(SettingDialog, ShownWithoutAWindowItTicksExactlyTheAssociatedExtensions) {
    Setting s;
    s.installStockJpegHandler();
    mdlFileAssoc::associateMire(s.fake.registry, s.fake.shell);
    mdlFileAssoc::associateJpg(s.fake.registry, s.fake.files, s.fake.shell);
    s.dialog.chkExt[1].setValue(ui::CheckBox::ticked);
    s.dialog.chkExt[2].setValue(ui::CheckBox::ticked);

    s.dialog.showModeless();
    EXPECT_EQ(s.values(), (Values{1, 0, 0, 1}));

    // Shown again while open it keeps what the user ticked; closed, it loads anew.
    s.dialog.chkExt[2].userClick();
    s.dialog.showModeless();
    EXPECT_EQ(s.values(), (Values{1, 0, 1, 1}));
    s.dialog.close();
    EXPECT_FALSE(s.dialog.isOpen());
    s.dialog.showModeless();
    EXPECT_TRUE(s.dialog.isOpen());
    EXPECT_EQ(s.values(), (Values{1, 0, 0, 1}));
}

TEST(SettingDialog, AssociatingWithNothingTickedStillRegistersBothProgIds) {
    Setting s;
    s.installStockJpegHandler();
    s.dialog.showModeless();
    ASSERT_EQ(s.values(), (Values{0, 0, 0, 0}));

    s.dialog.cmdAssoc.click();
    s.expectConfirmedThenTold(assocQuestion,
                              "No extension is ticked, so nothing was changed. Tick the "
                              "extensions to associate first.");
    for (const std::string_view progId : {"tessmirefile", "tessmirejpgfile"}) {
        EXPECT_EQ(s.text(kClassesRoot, std::string(progId) + "\\shell\\open\\command"),
                  "\"C:\\Program Files\\Tessmire\\tsviewer.exe\" %1")
            << progId;
    }
    EXPECT_EQ(s.text(kClassesRoot, ".jpeg"), "jpegfile");
    EXPECT_EQ(s.values(), (Values{0, 0, 0, 0}));
}

TEST(SettingDialog, AnsweringNoChangesNothing) {
    struct Case {
        ui::CommandButton frmSetting::*button;
        std::string_view question;
    };
    for (const Case& c : {Case{&frmSetting::cmdAssoc, assocQuestion},
                          Case{&frmSetting::cmdDeAssoc, deAssocQuestion}}) {
        SCOPED_TRACE(c.question);
        Setting s;
        mdlFileAssoc::registerProgIds(s.fake.registry, s.fake.shell);
        mdlFileAssoc::associateMre(s.fake.registry, s.fake.shell);
        s.dialog.showModeless();
        s.dialog.chkExt[0].userClick();
        const Values before = s.values();
        ASSERT_EQ(before, (Values{1, 1, 1, 1}));
        const size_t writes = s.fake.registry.writeCallCount();
        const int notices = s.fake.shell.associationNotices;

        s.fake.dialogs.nextMessageAnswer = platform::message_answer::no;
        (s.dialog.*c.button).click();
        ASSERT_EQ(s.fake.dialogs.shown.size(), 1u);
        EXPECT_EQ(s.fake.dialogs.shown[0].text, c.question);
        EXPECT_EQ(s.fake.registry.writeCallCount(), writes);
        EXPECT_EQ(s.fake.shell.associationNotices, notices);
        EXPECT_EQ(s.values(), before);
    }
}

TEST(SettingDialog, UnassociatingLeavesAJpegExtensionTickedOnlyWhenNoHandlerWasKept) {
    struct Case {
        bool stockHandler;
        Values afterGivingBack;
        std::string_view jpegIcon;  // the icon the viewer's JPEG files show
        std::string_view told;
    };
    const std::string_view kept =
        " still opens with TSViewer: no program that opened it before "
        "was saved to give it back to.";
    const std::string notKept = "Not everything was done.\r\n\r\n.jpeg" + std::string(kept) +
                                "\r\n\r\n.jpg" + std::string(kept) +
                                "\r\n\r\nOpen Settings > Apps > Default apps to choose the "
                                "program there?";
    for (const Case& c : {Case{false, {0, 1, 0, 1}, "", notKept},
                          Case{true, {0, 0, 0, 0}, stockIcon, "It is done!"}}) {
        SCOPED_TRACE(c.stockHandler ? "stock handler" : "no handler");
        Setting s;
        if (c.stockHandler) s.installStockJpegHandler();
        s.dialog.showModeless();
        s.tickAll();

        s.dialog.cmdAssoc.click();
        EXPECT_EQ(s.values(), (Values{1, 1, 1, 1}));
        EXPECT_EQ(s.text(kClassesRoot, "tessmirejpgfile\\DefaultIcon"), c.jpegIcon);

        s.fake.dialogs.shown.clear();
        s.dialog.cmdDeAssoc.click();
        s.expectConfirmedThenTold(deAssocQuestion, c.told);
        EXPECT_EQ(s.values(), c.afterGivingBack);
    }
}

// A standard user may not write the machine's classes, and on Windows 8 and
// later the user's Default apps choice overrides them.
TEST(SettingDialog, SaysItIsDoneOnlyWhenEveryTickedChangeTookEffect) {
    struct Case {
        std::string_view name;
        Values ticked;
        void (*setUp)(testsupport::MemoryRegistry&);
        std::string_view told;
        Values after;
    };
    const Case cases[] = {
        {"all taken over",
         {1, 1, 1, 1},
         [](testsupport::MemoryRegistry&) {},
         "It is done!",
         {1, 1, 1, 1}},
        {"standard user",
         {0, 1, 0, 0},
         [](testsupport::MemoryRegistry& r) {
             r.setMachineReadOnly(true);
             r.putString(kCurrentUser, std::string(fileExts) + ".jpeg", "Progid", "Studio.Jpeg");
         },
         "Not everything was done.\r\n\r\n.jpeg was not changed: Windows refused the change. "
         "Administrator rights are needed: start TSViewer as administrator and try again.",
         {0, 0, 0, 0}},
        {"Default apps choice",
         {0, 0, 0, 1},
         [](testsupport::MemoryRegistry& r) {
             r.putString(kCurrentUser, std::string(fileExts) + ".jpg\\UserChoice", "ProgId",
                         "AppX43hnxtbyyps62jhe9sqpdzxn1790zetc");
         },
         "Not everything was done.\r\n\r\n.jpg still opens with another program: the choice "
         "made in Windows' Default apps overrides this setting.\r\n\r\nOpen Settings > Apps > "
         "Default apps to choose the program there?",
         {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Setting s;
        s.installStockJpegHandler();
        c.setUp(s.fake.registry);
        for (size_t i = 0; i < c.ticked.size(); ++i) s.dialog.chkExt[i].setValue(c.ticked[i]);
        const auto userProgId = [&] {
            const auto v =
                s.fake.registry.value(kCurrentUser, std::string(fileExts) + ".jpeg", "Progid");
            return v ? std::string(v->data.begin(), v->data.end()) : std::string();
        };
        const auto userProgIdBefore = userProgId();

        s.dialog.cmdAssoc.click();
        s.expectConfirmedThenTold(assocQuestion, c.told);
        EXPECT_EQ(s.values(), c.after);
        // Answered "Yes", the offer opens Default apps at the viewer's entry.
        const auto& opened = s.fake.shell.shellExecuteCalls;
        EXPECT_EQ(opened.size(), c.told.ends_with('?') ? 1u : 0u);
        if (!opened.empty()) {
            EXPECT_EQ(opened[0].file, "ms-settings:defaultapps?registeredAppMachine=Tessmire");
        }
        // Nothing is taken over without its handler on record.
        if (c.after[1] == 0) {
            EXPECT_EQ(userProgId(), userProgIdBefore);
        }
    }
}

}  // namespace
