// The about box, headless: its version line, the link, and what closes it.

#include <gtest/gtest.h>

#include <string>

#include "about/frmAbout.h"
#include "net/mdlNet.h"
#include "support/fake_platform.h"

namespace {

class AboutTest : public ::testing::Test {
protected:
    AboutTest() {
        mdlNet::browserPath.clear();
        fake.shell.executableSearch = {42, std::string("C:\\web.exe\0", 11)};
    }
    testsupport::FakePlatform fake;
    frmAbout about{fake.platform};
};

TEST_F(AboutTest, LoadedWithItsVersionAndClosedByOkEnterAndEscape) {
    about.lblVersion.setCaption("Version 0.9");
    about.showModeless();
    EXPECT_EQ(about.lblVersion.caption(), "Version v1.2");
    about.cmdOK.click();
    EXPECT_FALSE(about.isOpen());
    for (const int key : {13, 27}) {
        about.showModeless();
        ASSERT_TRUE(about.isOpen());
        about.KeyDown(key, 0);
        EXPECT_FALSE(about.isOpen()) << "key " << key;
    }
}

TEST_F(AboutTest, TheLinkOpensTheTrimmedSiteAndAFailureIsToldOnceWithTheBoxLeftOpen) {
    about.showModeless();
    about.Label2.setCaption("  https://www.example.org/tessmire/ ");
    about.Label2.click();
    ASSERT_EQ(fake.shell.maximizedStarts.size(), 1u);
    EXPECT_EQ(fake.shell.maximizedStarts[0].commandLine, " https://www.example.org/tessmire/");

    mdlNet::browserPath.clear();
    fake.shell.executableSearch = {2, std::string(260, ' ')};
    about.Label2.click();
    EXPECT_EQ(fake.shell.maximizedStarts.size(), 1u);
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.shown[0].title, "Failed to open browser.");
    EXPECT_EQ(fake.dialogs.shown[0].style, 64);
    EXPECT_TRUE(about.isOpen());
}

}  // namespace
