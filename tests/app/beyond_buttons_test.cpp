// What the viewer does beyond its buttons, headless: drops on the window, the
// copies to the clipboard and the recent documents.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/frmMain.h"
#include "support/fake_platform.h"
#include "support/page_files.h"
#include "support/viewer_threads.h"
#include "ui/headless.h"

namespace {

constexpr int16_t keyC = 67;
constexpr int16_t ctrl = 2;
constexpr int16_t shiftCtrl = 3;

class BeyondButtonsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ui::attachHeadless(form, 792, 617);
        ASSERT_EQ(form.Form_Load(), frmMain::LoadOutcome::show);
        ui::show(form);
    }
    void drop(const std::vector<std::string>& paths) {
        form.FilesDropped(paths);
        testsupport::settle(form, fake.windowHook);
    }
    std::string lastMessage() const {
        return fake.dialogs.shown.empty() ? "" : fake.dialogs.shown.back().text;
    }

    testsupport::FakePlatform fake;
    testsupport::PageFiles pages{fake.root.path() / "pages"};
    testsupport::PageFiles empty{fake.root.path() / "no pages"};
    frmMain form{fake.platform, ""};
};

TEST_F(BeyondButtonsTest, ADropOpensTheFirstFileOrAFoldersFirstPageImage) {
    pages.plain("a plain.jpg");
    const std::string second = pages.page("b.jpg", 40, 60, "Second", "https://b/");
    pages.page("c.jpg", 50, 70);
    const std::string broken = pages.truncatedPage("d.jpg");
    empty.plain("only.jpg");

    struct Case {
        std::vector<std::string> dropped;
        std::string shown, caption, message;
        bool bar;
    };
    const Case cases[] = {
        {{second, pages.path("c.jpg")}, "b.jpg", "b.jpg    [1/3]", "", true},
        {{pages.windowsFolder()}, "b.jpg", "b.jpg    [1/3]", "", true},
        {{pages.path("a plain.jpg")}, "a plain.jpg", "a plain.jpg", "", false},
        {{empty.windowsFolder()}, "a plain.jpg", "", "This folder holds no page images", false},
        {{pages.path("gone.jpg")}, "a plain.jpg", "", "File doesn't exist!", false},
    };
    for (const Case& c : cases) {
        fake.dialogs.shown.clear();
        drop(c.dropped);
        EXPECT_EQ(form.currentFileName(), c.shown) << c.dropped.front();
        if (!c.caption.empty()) EXPECT_EQ(form.caption(), "Tessmire v1.2  " + c.caption);
        EXPECT_EQ(lastMessage().find(c.message), 0u) << c.dropped.front();
        EXPECT_EQ(form.addressBarShown(), c.bar) << c.dropped.front();
    }
    drop({broken});
    EXPECT_EQ(lastMessage().find("This picture cannot be shown:\r\n" + broken), 0u)
        << "a page image cut short is reported as the steps report it";
}

TEST_F(BeyondButtonsTest, CopiesAndRecentDocumentsFollowThePageOnView) {
    const std::string page = pages.page("b.jpg", 40, 60, "Second", " https://b/x ");
    const std::string plain = pages.plain("a.jpg", 30, 20);
    form.Form_KeyDown(keyC, ctrl);
    EXPECT_FALSE(fake.clipboard.text) << "nothing on view, nothing copied";

    drop({page});
    EXPECT_TRUE(form.Form_KeyDown(keyC, ctrl));
    EXPECT_EQ(fake.clipboard.text, "https://b/x") << "the address as the bar shows it";
    form.Form_KeyDown(keyC, shiftCtrl);
    EXPECT_EQ(fake.clipboard.picture, (testsupport::RecordingClipboard::Size{40, 60}));
    form.imgShrink_Click();
    form.Form_KeyDown(keyC, shiftCtrl);
    EXPECT_EQ(fake.clipboard.picture->width, form.imgDisplay.width())
        << "what the shrunk view shows";

    drop({plain});
    fake.clipboard.text.reset();
    form.Form_KeyDown(keyC, ctrl);
    EXPECT_FALSE(fake.clipboard.text) << "a plain picture has no address";
    form.showNext();
    EXPECT_EQ(fake.shell.recentDocuments, std::vector<std::string>{page})
        << "page images opened, not plain pictures nor steps";
}

}  // namespace
