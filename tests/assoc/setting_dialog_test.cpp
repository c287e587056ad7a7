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
constexpr std::string_view jpegExts =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.jpeg";
constexpr std::string_view jpgChoice =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.jpg\\UserChoice";
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

    // A value of a key (its default value unless named), up to its NUL.
    std::string text(platform::RegKey root, std::string_view path,
                     std::string_view name = "") const {
        const auto value = fake.registry.value(root, path, name);
        if (!value) return "<missing>";
        return {value->data.begin(), std::find(value->data.begin(), value->data.end(), 0)};
    }

    // The button asked `question`, then told what holds `told`.
    void expectConfirmedThenTold(std::string_view question, std::string_view told) const {
        const auto& shown = fake.dialogs.shown;
        ASSERT_EQ(shown.size(), 2u);
        EXPECT_EQ(shown[0].text, question);
        EXPECT_EQ(shown[0].title, "Please confirm...");
        EXPECT_EQ(shown[0].style, 36);
        EXPECT_NE(shown[1].text.find(told), std::string::npos) << shown[1].text;
        EXPECT_EQ(shown[1].title == "Command executed.", shown[1].text == "It is done!");
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
    s.expectConfirmedThenTold(assocQuestion, "No extension is ticked, so nothing was changed.");
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
    const std::string_view notKept =
        ".jpg still opens with TSViewer: no program that opened it before was saved";
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
    using Registry = testsupport::MemoryRegistry;
    struct Case {
        Values ticked;
        void (*setUp)(Registry&);
        std::string_view told;
        Values after;
    } const cases[] = {
        {{1, 1, 1, 1}, [](Registry&) {}, "It is done!", {1, 1, 1, 1}},
        {{0, 1, 0, 0},
         [](Registry& r) { r.setMachineReadOnly(true); },
         ".jpeg was not changed: Windows refused the change. Administrator rights",
         {}},
        {{0, 0, 0, 1},
         [](Registry& r) { r.putString(kCurrentUser, jpgChoice, "ProgId", "AppX4"); },
         ".jpg still opens with another program: the choice made in Windows' Default apps",
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.told);
        Setting s;
        s.installStockJpegHandler();
        s.fake.registry.putString(kCurrentUser, jpegExts, "Progid", "Studio.Jpeg");
        c.setUp(s.fake.registry);
        for (size_t i = 0; i < c.ticked.size(); ++i) s.dialog.chkExt[i].setValue(c.ticked[i]);

        s.dialog.cmdAssoc.click();
        s.expectConfirmedThenTold(assocQuestion, c.told);
        EXPECT_EQ(s.values(), c.after);
        // Never taken over without its handler on record.
        EXPECT_EQ(s.text(kCurrentUser, jpegExts, "Progid") == "TessmireJpgFile", c.after[1] == 1);
        // Answered "Yes", the offer opens Default apps at the viewer's entry.
        const auto& opened = s.fake.shell.shellExecuteCalls;
        EXPECT_EQ(opened.size() == 1 &&
                      opened[0].file == "ms-settings:defaultapps?registeredAppMachine=Tessmire",
                  s.fake.dialogs.shown[1].text.ends_with('?'));
    }
}

}  // namespace
