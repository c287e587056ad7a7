// The go button's looks, opening the page's address, and the Shift+Click
// gesture on the picture, headless.

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "app/frmMain.h"
#include "net/mdlNet.h"
#include "support/fake_pictures.h"
#include "support/fake_platform.h"
#include "ui/headless.h"
#include "ui/screen.h"

namespace {

constexpr int shiftKey = 16;

class AddressBarTest : public ::testing::Test {
protected:
    AddressBarTest() {
        mdlNet::browserPath.clear();
        ui::screen().setMousePointer(ui::Pointer::normal);
        fake.shell.executableSearch = {42, std::string("C:\\web.exe\0", 11)};
        ui::attachHeadless(form, 800, 600);
        form.showPicture(testsupport::solidPicture(400, 300, 0x00336699));
        form.layoutWindow();
        form.lblAddress.setCaption("https://example.org/page");
    }
    ~AddressBarTest() override { ui::screen().setMousePointer(ui::Pointer::normal); }

    static ui::MouseArgs button(int which) {
        ui::MouseArgs args;
        args.button = which;
        return args;
    }
    std::array<bool, 3> looks() const {
        return {form.imgGo[0].visible(), form.imgGo[1].visible(), form.imgGo[2].visible()};
    }
    size_t opened() const { return fake.shell.maximizedStarts.size(); }
    size_t messages() const { return fake.dialogs.shown.size(); }

    testsupport::FakePlatform fake;
    frmMain form{fake.platform, ""};
};

TEST_F(AddressBarTest, GoButtonLooksFollowThePointerAndOnlyAMouseUpEndsThePressedOne) {
    struct Step {
        const char* what;
        std::function<void()> event;
        std::array<bool, 3> looks;  // normal, hover, pressed
        size_t opened;
    };
    const Step steps[] = {
        {"over the button", [&] { form.imgGo[0].fireMouseMove({}); }, {false, true, false}, 0},
        {"right button down",
         [&] { form.imgGo[1].fireMouseDown(button(2)); },
         {false, true, false},
         0},
        {"left button down",
         [&] { form.imgGo[1].fireMouseDown(button(1)); },
         {false, false, true},
         0},
        {"off to the form", [&] { form.fireMouseMove({}); }, {true, false, true}, 0},
        {"over the frame", [&] { form.frAddress.fireMouseMove({}); }, {true, false, true}, 0},
        {"left button up", [&] { form.imgGo[2].fireMouseUp(button(1)); }, {true, false, false}, 1},
        {"hover again", [&] { form.imgGo[0].fireMouseMove({}); }, {false, true, false}, 1},
        {"off to the picture", [&] { form.imgDisplay.fireMouseMove({}); }, {true, false, false}, 1},
        {"right click", [&] { form.imgGo[0].click(button(2)); }, {true, false, false}, 2},
    };
    for (const Step& step : steps) {
        step.event();
        EXPECT_EQ(looks(), step.looks) << step.what;
        EXPECT_EQ(opened(), step.opened) << step.what;
    }
    ASSERT_EQ(opened(), 2u);
    EXPECT_EQ(fake.shell.maximizedStarts[0].commandLine, " https://example.org/page");
    EXPECT_EQ(messages(), 0u);
}

TEST_F(AddressBarTest, GoButtonWithoutAnAddressOnlyChangesItsLookAndABrowserThatFailsIsReported) {
    form.lblAddress.setCaption("");
    form.imgGo[0].click();
    EXPECT_EQ(looks(), (std::array<bool, 3>{true, false, false}));
    EXPECT_EQ(opened(), 0u);
    EXPECT_EQ(messages(), 0u);
    EXPECT_TRUE(fake.shell.findExecutableCalls.empty());

    form.lblAddress.setCaption("https://example.org/page");
    fake.shell.executableSearch = {31, std::string(260, ' ')};
    form.imgGo[0].click();
    EXPECT_EQ(opened(), 0u);
    ASSERT_EQ(messages(), 1u);
    EXPECT_EQ(fake.dialogs.shown[0].text, "Cann't open your default brower!");
    EXPECT_EQ(fake.dialogs.shown[0].title, "Failed to open browser.");
    EXPECT_EQ(fake.dialogs.shown[0].style, 64);
}

TEST_F(AddressBarTest, ShiftClickOnThePictureOpensTheAddressWhenShiftIsLetGo) {
    form.Form_KeyDown(shiftKey, 1);
    ASSERT_TRUE(form.shiftDown());
    form.imgDisplay.fireMouseMove({});
    EXPECT_EQ(ui::screen().mousePointer(), ui::Pointer::custom);
    EXPECT_EQ(ui::screen().mouseIcon(), form.imgGo[0].mouseIcon());
    // Over the address bar the default pointer is back, Shift still held.
    form.Label1.fireMouseMove({});
    EXPECT_EQ(ui::screen().mousePointer(), ui::Pointer::normal);
    form.imgDisplay.fireMouseMove({});

    form.imgDisplay.click();
    EXPECT_TRUE(form.addressClickPending());
    EXPECT_FALSE(form.shrunk()) << "a Shift+Click is no shrink command";
    EXPECT_EQ(opened(), 0u) << "nothing opens while Shift is held";

    // Key-ups that still hold Shift (alone, with Ctrl, with Alt) change nothing.
    for (const int16_t held : {int16_t{1}, int16_t{3}, int16_t{5}}) form.Form_KeyUp(shiftKey, held);
    EXPECT_TRUE(form.shiftDown());
    EXPECT_EQ(opened(), 0u);

    // Shift held with both Ctrl and Alt (7) is not among them: the gesture ends.
    form.Form_KeyUp(shiftKey, 7);
    EXPECT_EQ(opened(), 1u);
    EXPECT_FALSE(form.shiftDown());
    EXPECT_FALSE(form.addressClickPending());
    EXPECT_EQ(ui::screen().mousePointer(), ui::Pointer::normal);
}

TEST_F(AddressBarTest, ShiftLetGoInAnotherWindowEndsTheGesture) {
    form.Form_KeyDown(shiftKey, 1);
    form.imgDisplay.fireMouseMove({});
    form.imgDisplay.click();
    ASSERT_TRUE(form.addressClickPending());
    form.Deactivate();
    EXPECT_EQ(ui::screen().mousePointer(), ui::Pointer::normal);
    // Back in the window: a plain click shrinks, a key-up opens nothing.
    form.imgDisplay.click();
    EXPECT_TRUE(form.shrunk());
    form.Form_KeyUp(shiftKey, 0);
    EXPECT_EQ(opened(), 0u);
}

TEST_F(AddressBarTest, TheGestureOpensNothingWithoutAClickOrAnAddress) {
    struct Case {
        const char* what;
        int16_t downState;  // the shift state of the key-down
        bool click;
        const char* address;
        bool armed;  // whether a click arms the gesture
    };
    const Case cases[] = {
        {"Shift released without a click", 1, false, "https://example.org/", false},
        {"Shift with Ctrl is no gesture", 3, true, "https://example.org/", false},
        {"empty address", 1, true, "", true},
    };
    for (const Case& c : cases) {
        form.lblAddress.setCaption(c.address);
        form.Form_KeyDown(shiftKey, c.downState);
        form.imgDisplay.fireMouseMove({});
        if (c.click) form.imgDisplay.click();
        EXPECT_EQ(form.addressClickPending(), c.armed) << c.what;
        form.Form_KeyUp(shiftKey, 0);
        EXPECT_FALSE(form.shiftDown()) << c.what;
        EXPECT_FALSE(form.addressClickPending()) << c.what;
        EXPECT_EQ(ui::screen().mousePointer(), ui::Pointer::normal) << c.what;
    }
    EXPECT_EQ(opened(), 0u);
    EXPECT_EQ(messages(), 0u);
}

}  // namespace
