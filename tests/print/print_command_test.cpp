// The print command headless: the printer dialog's seeding, the remembered
// options, the printer chosen, and what reaches the printer.

#include <gtest/gtest.h>

#include <string>

#include "app/frmMain.h"
#include "settings/mdlINI.h"
#include "support/fake_pictures.h"
#include "support/fake_platform.h"
#include "ui/headless.h"

namespace {

using platform::PrinterOption;

class PrintCommandTest : public ::testing::Test {
protected:
    PrintCommandTest() {
        ui::attachHeadless(form, 800, 600);
        form.lblTitle.setCaption("A page");
        form.lblAddress.setCaption("https://example.org/a");
    }

    void showPage() { form.showPicture(testsupport::solidPicture(400, 3000)); }
    std::string stored(const char* key) { return mdlINI::getSetting(fake.registry, "Print", key); }
    const std::vector<testsupport::Sheet>& printed() { return fake.printers.printer.onlyJob(); }

    testsupport::FakePlatform fake;
    frmMain form{fake.platform, ""};
};

TEST_F(PrintCommandTest, NothingHappensWithoutAPicture) {
    form.printPicture();
    EXPECT_TRUE(fake.dialogs.shown.empty());
    EXPECT_TRUE(fake.printers.trackDefault);
}

TEST_F(PrintCommandTest, FirstPrintSeedsFromThePrinterAndRemembersTheChoice) {
    showPage();
    fake.dialogs.printerChoice = [](platform::PrinterDialog& dialog) {
        dialog.orientation = 2;
        dialog.quality = -3;
        dialog.copies = 2;
    };
    form.printPicture();

    ASSERT_EQ(fake.dialogs.printerSeeds.size(), 1u);
    const platform::PrinterDialog& seed = fake.dialogs.printerSeeds[0];
    EXPECT_EQ(seed.printerName, "Office Laser");
    EXPECT_EQ(seed.driverName, "winspool");
    EXPECT_EQ(seed.port, "LPT1:");
    EXPECT_EQ(seed.paperBin, 7);
    EXPECT_EQ(seed.flags, 268);
    EXPECT_TRUE(seed.cancelError);
    EXPECT_FALSE(seed.orientation || seed.colorMode || seed.paperSize || seed.quality)
        << "nothing remembered yet: the dialog's own defaults";
    EXPECT_FALSE(fake.printers.trackDefault);

    EXPECT_EQ(stored("orientation"), "2");
    EXPECT_EQ(stored("color"), "2");
    EXPECT_EQ(stored("paper_size"), "9");
    EXPECT_EQ(stored("quality"), "-3");
    const std::vector<std::pair<PrinterOption, int16_t>> options{
        {PrinterOption::copies, 2},  {PrinterOption::orientation, 2}, {PrinterOption::colorMode, 2},
        {PrinterOption::duplex, 1},  {PrinterOption::paperBin, 7},    {PrinterOption::paperSize, 9},
        {PrinterOption::quality, -3}};
    EXPECT_EQ(fake.printers.optionsSet, options);
    EXPECT_EQ(fake.printers.selections, std::vector<size_t>{0}) << "found again by its name";

    // Printed tiled (the page is too big for the paper), framed by its texts.
    ASSERT_GT(printed().size(), 1u);
    EXPECT_EQ(printed().front().texts.at(0).text, "A page");
    EXPECT_EQ(printed().back().texts.at(0).text, "https://example.org/a");

    // The next print starts from what was remembered.
    form.printPicture();
    ASSERT_EQ(fake.dialogs.printerSeeds.size(), 2u);
    EXPECT_EQ(fake.dialogs.printerSeeds[1].orientation, 2);
    EXPECT_EQ(fake.dialogs.printerSeeds[1].quality, -3);
    EXPECT_EQ(fake.dialogs.printerSeeds[1].paperSize, 9);
}

TEST_F(PrintCommandTest, CancelPrintsNothingSavesNothingAndSaysNothing) {
    showPage();
    form.printPicture();
    EXPECT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_TRUE(fake.printers.printer.jobs.empty());
    EXPECT_TRUE(fake.printers.optionsSet.empty());
    EXPECT_EQ(stored("orientation"), "");
}

TEST_F(PrintCommandTest, StoredSettingsThatAreNoNumberAreReportedAndTheDialogStillShows) {
    showPage();
    mdlINI::saveSetting(fake.registry, "Print", "orientation", "abc");
    mdlINI::saveSetting(fake.registry, "Print", "color", "99999");
    mdlINI::saveSetting(fake.registry, "Print", "quality", " -4 ");
    form.printPicture();

    ASSERT_EQ(fake.dialogs.shown.size(), 3u);
    const auto& mismatch = fake.dialogs.shown[0];
    EXPECT_EQ(mismatch.kind, "input");
    EXPECT_EQ(mismatch.text, "Error:Type mismatch");
    EXPECT_EQ(mismatch.title, "print_picture");
    EXPECT_EQ(mismatch.preset, "13");
    EXPECT_EQ(fake.dialogs.shown[1].text, "Error:Overflow");
    EXPECT_EQ(fake.dialogs.shown[1].preset, "6");
    EXPECT_EQ(fake.dialogs.shown[2].kind, "printer");
    const platform::PrinterDialog& seed = fake.dialogs.printerSeeds.at(0);
    EXPECT_FALSE(seed.orientation || seed.colorMode);
    EXPECT_EQ(seed.quality, -4);
}

TEST_F(PrintCommandTest, ChosenPrinterIsFoundByNameWhateverItsCase) {
    showPage();
    fake.printers.installed = {
        {"office laser", "d", "p", 1}, {"Plotter", "d", "p", 1}, {"OFFICE LASER", "d", "p", 1}};
    fake.dialogs.printerChoice = [](platform::PrinterDialog& dialog) {
        dialog.printerName = "office laser";
    };
    form.printPicture();
    // The current name differs from the upper-cased choice: every listed
    // printer of that name is made current in turn, the last one staying.
    EXPECT_EQ(fake.printers.selections, (std::vector<size_t>{0, 2}));
}

TEST_F(PrintCommandTest, HiddenBarPrintsNoTextsAndAShrunkPictureFillsOneSheet) {
    showPage();
    fake.dialogs.printerChoice = [](platform::PrinterDialog&) {};
    form.setAddressBarShown(false);
    form.imgShrink_Click();  // shrunk
    form.printPicture();
    ASSERT_EQ(printed().size(), 1u);
    EXPECT_TRUE(printed()[0].texts.empty());
    EXPECT_NEAR(printed()[0].paints.at(0).height, 6400 * 0.99, 1e-9);
}

TEST_F(PrintCommandTest, APrintThatFailsAfterOkIsToldOnceNamingWhatFailed) {
    showPage();
    const std::pair<std::string, std::string> cases[] = {
        // the printer chosen, what is told
        {"Office Laser", "Printer error"},
        {"Gone", "The printer \"Gone\" is not installed."}};
    fake.printers.printer.failingOperation = 20;
    for (const auto& [chosen, told] : cases) {
        fake.dialogs.shown.clear();
        fake.dialogs.printerChoice = [&](platform::PrinterDialog& dialog) {
            dialog.printerName = chosen;
        };
        form.printPicture();
        ASSERT_EQ(fake.dialogs.shown.size(), 2u) << told;
        EXPECT_EQ(fake.dialogs.shown[1].kind, "message");
        EXPECT_NE(fake.dialogs.shown[1].text.find(told), std::string::npos);
    }
    EXPECT_TRUE(fake.printers.printer.jobs.empty());
}

TEST_F(PrintCommandTest, PrintToFileAsksForTheFileAndPrintsOnlyThere) {
    showPage();
    fake.dialogs.printerChoice = [](platform::PrinterDialog& dialog) { dialog.printToFile = true; };
    form.printPicture();  // Cancel in the Save dialog: nothing printed, nothing said
    fake.dialogs.saveAnswers = {"C:\\out.prn"};
    form.printPicture();
    fake.dialogs.printerChoice = [](platform::PrinterDialog&) {};
    form.printPicture();
    std::vector<std::string> kinds;
    for (const auto& shown : fake.dialogs.shown) kinds.push_back(shown.kind);
    EXPECT_EQ(kinds, (std::vector<std::string>{"printer", "save", "printer", "save", "printer"}));
    EXPECT_EQ(fake.printers.printer.outputFiles, (std::vector<std::string>{"C:\\out.prn", ""}));
}

TEST_F(PrintCommandTest, RememberedOptionsThePrinterRefusesAreNeitherAppliedNorKept) {
    showPage();
    mdlINI::saveSetting(fake.registry, "Print", "orientation", "-5");
    mdlINI::saveSetting(fake.registry, "Print", "paper_size", "0");
    fake.printers.refused = {{PrinterOption::orientation, -5},
                             {PrinterOption::paperSize, 0},
                             {PrinterOption::quality, 600}};
    // The dialog hands back a quality the printer does not take.
    fake.dialogs.printerChoice = [](platform::PrinterDialog& dialog) { dialog.quality = 600; };
    form.printPicture();
    const platform::PrinterDialog& seed = fake.dialogs.printerSeeds.at(0);
    EXPECT_FALSE(seed.orientation || seed.paperSize);
    for (const auto& [option, value] : fake.printers.optionsSet) {
        EXPECT_TRUE(fake.printers.accepts(option, value)) << value;
    }
    EXPECT_EQ(stored("orientation"), "1") << "the dialog's own";
    EXPECT_EQ(stored("paper_size"), "9");
    EXPECT_EQ(stored("quality"), "");
}

}  // namespace
