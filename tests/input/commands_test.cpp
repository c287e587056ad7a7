// The keys, the system menu and the wheel, headless: paging at the ends of
// the picture, the Alt commands, the menu's entries and check mark, and the
// wheel's notches and small turns through the window hook.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/frmMain.h"
#include "input/commands.h"
#include "settings/mdlINI.h"
#include "support/fake_pictures.h"
#include "support/fake_platform.h"
#include "ui/headless.h"

namespace {

constexpr uint32_t sysCommand = 0x0112;
constexpr uint32_t mouseWheel = 0x020A;
constexpr int16_t alt = 4;

// A wheel message's first parameter for a turn of `delta`.
uintptr_t wheel(int delta) { return static_cast<uintptr_t>(static_cast<uint16_t>(delta)) << 16; }

class CommandsTest : public ::testing::Test {
protected:
    void open(const char* addressBar = nullptr) {
        if (addressBar) mdlINI::saveSetting(fake.registry, "", "ADDRESS_BAR", addressBar);
        ui::attachHeadless(form, 800, 600);
        ASSERT_EQ(form.Form_Load(), frmMain::LoadOutcome::show);
        form.showPicture(testsupport::solidPicture(400, 3000));
        form.layoutWindow();
    }
    int16_t value() const { return form.scroll_v.value(); }
    int32_t frame() const { return form.frImage.height(); }
    bool checked() const { return form.systemMenu().at(commands::addressBar).checked; }

    testsupport::FakePlatform fake;
    frmMain form{fake.platform, ""};
};

TEST_F(CommandsTest, PagingKeysStopExactlyAtTheEndsWhateverTheShiftState) {
    open();
    ASSERT_TRUE(form.scroll_v.visible());
    const int32_t max = form.scroll_v.max();
    struct Case {
        int16_t key, shift;
        int32_t from, to;
    };
    const Case cases[] = {
        {34, 0, max - frame(), max},           // one frame from the end: to it
        {34, 0, max - frame() - 1, max - 31},  // more: a frame less the overlap
        {34, 2, 0, frame() - 30},              // Ctrl held changes nothing
        {33, 0, frame(), 0},                   // one frame from the top: to it
        {33, 1, frame() + 1, 31},
        {36, 0, 500, 0},
        {35, 0, 500, max},
        {34, alt, 0, frame() - 30},  // Alt+Page Down pages, no command
    };
    for (const Case& c : cases) {
        form.scroll_v.setValue(static_cast<int16_t>(c.from));
        form.Form_KeyDown(c.key, c.shift);
        EXPECT_EQ(value(), c.to) << "key " << c.key << " shift " << c.shift << " from " << c.from;
    }
    EXPECT_TRUE(fake.dialogs.shown.empty());

    form.scroll_v.setVisible(false);
    form.scroll_v.setValue(500);
    for (const int16_t key : {int16_t{34}, int16_t{33}, int16_t{36}, int16_t{35}})
        form.Form_KeyDown(key, 0);
    EXPECT_EQ(value(), 500) << "no paging with the bar hidden";
}

TEST_F(CommandsTest, AltAloneGivesTheCommands) {
    open();
    form.Form_KeyDown(79, alt | 1);  // Alt+Shift+O: nothing
    EXPECT_TRUE(fake.dialogs.shown.empty());
    form.Form_KeyDown(79, alt);
    form.Form_KeyDown(80, alt);
    std::vector<std::string> kinds;
    for (const auto& shown : fake.dialogs.shown) kinds.push_back(shown.kind);
    EXPECT_EQ(kinds, (std::vector<std::string>{"open", "printer"}));

    form.Form_KeyDown(72, alt);
    ASSERT_EQ(fake.shell.shellExecuteCalls.size(), 1u);
    const auto& help = fake.shell.shellExecuteCalls[0];
    EXPECT_EQ(help.verb, "open");
    EXPECT_EQ(help.file, "C:\\Program Files\\Tessmire\\help.chm");
    EXPECT_EQ(help.parameters, "");
    EXPECT_EQ(help.directory, "C:\\Program Files\\Tessmire");

    form.Form_KeyDown(65, alt);
    EXPECT_FALSE(form.addressBarShown());
    EXPECT_FALSE(checked());
}

TEST_F(CommandsTest, SystemMenuEntriesCheckMarkAndHook) {
    open("0");
    EXPECT_FALSE(form.addressBarShown());
    const std::vector<std::pair<int, std::string>> expected{
        {0, ""},
        {commands::addressBar, "&Address bar\tAlt+A"},
        {commands::about, "A&bout\tAlt+B"},
        {commands::help, "&How To\tAlt+H"},
        {commands::open, "&Open...\tAlt+O"},
        {commands::print, "&Print...\tAlt+P"},
        {commands::settings, "S&ettings\tAlt+S"},
    };
    std::vector<std::pair<int, std::string>> entries;
    for (const auto& [id, item] : form.systemMenu()) entries.emplace_back(id, item.text);
    EXPECT_EQ(entries, expected);
    EXPECT_TRUE(form.systemMenu().at(0).separator);
    EXPECT_FALSE(checked());

    ASSERT_TRUE(fake.windowHook.hooked());
    EXPECT_EQ(fake.windowHook.send(sysCommand, commands::addressBar), 1);
    EXPECT_TRUE(form.addressBarShown());
    EXPECT_TRUE(checked());
    EXPECT_EQ(fake.windowHook.send(sysCommand, commands::addressBar), 1);
    EXPECT_FALSE(form.addressBarShown());
    EXPECT_FALSE(checked());
    EXPECT_EQ(fake.windowHook.send(sysCommand, 0xF060), std::nullopt) << "Close goes on";

    form.Form_Unload();
    EXPECT_FALSE(fake.windowHook.hooked());
    EXPECT_EQ(fake.windowHook.unhooks, 1);
}

TEST_F(CommandsTest, WheelNotchesAndSmallTurns) {
    open();
    ASSERT_TRUE(form.vScrollShown());
    const int32_t max = form.scroll_v.max();
    struct Case {
        const char* what;
        int32_t from;
        std::vector<int> deltas;
        int32_t to;
    };
    const Case cases[] = {
        {"a notch down", 0, {-120}, 100},
        {"at the end", max, {-120}, max},
        {"at the top", 0, {120}, 0},
        {"a notch up", 250, {120}, 150},
        {"up within twice the step", 200, {120}, 0},
        {"near the end", max - 50, {-120}, max},
        {"twelve small turns make a notch",
         0,
         {-10, -10, -10, -10, -10, -10, -10, -10, -10, -10, -10, -10},
         100},
        {"a small turn back starts afresh", 100, {-6, -6, 6}, 105},
    };
    for (const Case& c : cases) {
        // A turn against the top leaves nothing over from the case before.
        form.scroll_v.setValue(0);
        fake.windowHook.send(mouseWheel, wheel(120));
        form.scroll_v.setValue(static_cast<int16_t>(c.from));
        for (int delta : c.deltas) EXPECT_EQ(fake.windowHook.send(mouseWheel, wheel(delta)), 1);
        EXPECT_EQ(value(), c.to) << c.what;
    }

    // A picture that fits the frame: the wheel goes on to the window.
    form.showPicture(testsupport::solidPicture(100, 100));
    form.layoutWindow();
    ASSERT_FALSE(form.vScrollShown());
    EXPECT_EQ(fake.windowHook.send(mouseWheel, wheel(-120)), std::nullopt);
}

}  // namespace
