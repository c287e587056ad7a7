// Finding the handler a file goes to, and the command line that opens it there.

#include <string>

#include "assoc/assoc_fixture.h"
#include "assoc/mdlFileAssoc.h"
#include "settings/mdlINI.h"

namespace assoctest {
namespace {

using mdlFileAssoc::findPreviousHandler;
using mdlFileAssoc::getShellString;

TEST_F(AssocTest, UserRecordComesFirstThenMachineThenClassRoot) {
    const std::string file = "C:\\Pictures\\shot.jpg";
    mdlINI::saveMachineSetting(registry, "JPEG_HKCURR", "PROG_SHELL", "jpeg-only.exe %1");
    EXPECT_EQ(findPreviousHandler(registry, shell, file), "");

    mdlINI::saveMachineSetting(registry, "JPG_HKROOT", "PROG_SHELL", "root.exe %1");
    EXPECT_EQ(findPreviousHandler(registry, shell, file), "root.exe %1");
    mdlINI::saveMachineSetting(registry, "JPG_HKLOCAL", "PROG_SHELL", "  machine.exe %1  ");
    EXPECT_EQ(findPreviousHandler(registry, shell, file), "machine.exe %1");
    // A record of blanks only is as good as none.
    mdlINI::saveMachineSetting(registry, "JPG_HKCURR", "PROG_SHELL", "   ");
    EXPECT_EQ(findPreviousHandler(registry, shell, file), "machine.exe %1");
    mdlINI::saveMachineSetting(registry, "JPG_HKCURR", "PROG_SHELL", "user.exe %1");
    EXPECT_EQ(findPreviousHandler(registry, shell, file), "user.exe %1");
    // The extension's letter case does not matter here.
    EXPECT_EQ(findPreviousHandler(registry, shell, "C:\\Pictures\\SHOT.JPG"), "user.exe %1");
}

TEST_F(AssocTest, OtherExtensionsHaveNoPreviousHandler) {
    mdlINI::saveMachineSetting(registry, "JPEG_HKCURR", "PROG_SHELL", "viewer.exe %1");
    for (const std::string_view path : {"C:\\Pictures\\page.mire", "C:\\Pictures\\page",
                                        "C:\\Pictures\\page.j", "C:\\my.jpeg\\page", ""}) {
        EXPECT_EQ(findPreviousHandler(registry, shell, path), "") << path;
    }
}

TEST_F(AssocTest, ACommandThatStartsThisProgramIsDiscardedInAnyLetterCase) {
    shell.ownPath = "C:\\Program Files\\Tessmire\\TsViewer.EXE";
    mdlINI::saveMachineSetting(registry, "JPEG_HKCURR", "PROG_SHELL",
                               "\"c:\\program files\\tessmire\\TSVIEWER.exe\" \"%1\"");
    mdlINI::saveMachineSetting(registry, "JPEG_HKLOCAL", "PROG_SHELL", "machine.exe %1");
    EXPECT_EQ(findPreviousHandler(registry, shell, "C:\\a.jpeg"), "");

    mdlINI::saveMachineSetting(registry, "JPEG_HKCURR", "PROG_SHELL",
                               "C:\\Tools\\tsviewer2.exe %1");
    EXPECT_EQ(findPreviousHandler(registry, shell, "C:\\a.jpeg"), "C:\\Tools\\tsviewer2.exe %1");
}

TEST_F(AssocTest, HandOffAfterInstallUsesTheUsersFormerProgram) {
    installStockJpegHandler();
    installUserChoice();
    runInstall();
    const std::string file = "C:\\My Pictures\\plain.jpeg";
    EXPECT_EQ(getShellString(findPreviousHandler(registry, shell, file), file),
              "\"C:\\Program Files\\Photo Studio\\studio.exe\" \"C:\\My Pictures\\plain.jpeg\"");
    // ".jpg" was not taken over by the install verb: nothing to hand to.
    EXPECT_EQ(findPreviousHandler(registry, shell, "C:\\My Pictures\\plain.jpg"), "");

    runUninstall();
    EXPECT_EQ(findPreviousHandler(registry, shell, file), "");
}

TEST(ShellStringTest, PlaceholdersAreFilledAsTheCommandWritesThem) {
    const std::string file = "C:\\My Pictures\\a b.jpg";
    struct Case {
        std::string_view command, expected;
    };
    const Case cases[] = {
        // Quoted placeholder: the path stays quoted, and so does the program's
        // path, so "C:\Program.exe" is never tried first.
        {R"("C:\Program Files\App\app.exe" "%1")",
         R"("C:\Program Files\App\app.exe" "C:\My Pictures\a b.jpg")"},
        {R"("%1")", R"("C:\My Pictures\a b.jpg")"},
        // Only the first placeholder is filled; the rest stays as saved.
        {R"("C:\app.exe" "%1" /print "%1" "x")",
         R"("C:\app.exe" "C:\My Pictures\a b.jpg" /print "%1" "x")"},
        // The quoted form wins even when a plain one comes first.
        {R"(app.exe %1 "%1")", R"(app.exe %1 "C:\My Pictures\a b.jpg")"},
        // Plain placeholder: a path with blanks goes in quoted, one argument;
        // quotes after the program go.
        {R"(C:\App\app.exe %1 /x)", R"(C:\App\app.exe "C:\My Pictures\a b.jpg" /x)"},
        {R"("C:\App\app.exe" %1 "/x")", R"("C:\App\app.exe" "C:\My Pictures\a b.jpg" "/x")"},
        {R"("C:\App\app.exe" "/x" %1)", R"("C:\App\app.exe" /x "C:\My Pictures\a b.jpg")"},
        // No placeholder: the path is appended, quoted, after a blank.
        {R"("C:\Program Files\App\app.exe" /view)",
         R"("C:\Program Files\App\app.exe" /view "C:\My Pictures\a b.jpg")"},
        // A quoted program that is itself the placeholder is no program.
        {R"("%1" /x)", R"("C:\My Pictures\a b.jpg" /x)"},
        // A placeholder written "%L" is no placeholder.
        {R"(app.exe "%L")", R"(app.exe %L "C:\My Pictures\a b.jpg")"},
        // RUNDLL32 in any case: no quotes but the program's, every placeholder filled.
        {R"(rundll32.exe "C:\Program Files\Photo\PhotoViewer.dll", ImageView_Fullscreen %1)",
         R"(rundll32.exe C:\Program Files\Photo\PhotoViewer.dll, ImageView_Fullscreen C:\My Pictures\a b.jpg)"},
        {R"("C:\Win dows\rundll32.exe" "C:\Program Files\Photo\PhotoViewer.dll", Show %1)",
         R"("C:\Win dows\rundll32.exe" C:\Program Files\Photo\PhotoViewer.dll, Show C:\My Pictures\a b.jpg)"},
        {R"(C:\Windows\RunDll32.EXE shimgvw.dll,ImageView "%1" %1)",
         R"(C:\Windows\RunDll32.EXE shimgvw.dll,ImageView C:\My Pictures\a b.jpg C:\My Pictures\a b.jpg)"},
    };
    for (const Case& c : cases) EXPECT_EQ(getShellString(c.command, file), c.expected) << c.command;
}

TEST(ShellStringTest, APathHoldingThePlaceholderIsPutInOnce) {
    const std::string file = "C:\\100%1\\x%1.jpg";
    EXPECT_EQ(getShellString("rundll32.exe v.dll,Show %1 %1", file),
              "rundll32.exe v.dll,Show " + file + " " + file);
    EXPECT_EQ(getShellString("app.exe %1 %1", file), "app.exe " + file + " %1");
    EXPECT_EQ(getShellString("app.exe \"%1\"", file), "app.exe \"" + file + "\"");
}

}  // namespace
}  // namespace assoctest
