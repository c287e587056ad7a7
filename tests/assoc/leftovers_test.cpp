// After the uninstaller: nothing in the registry may still name the viewer.

#include <functional>
#include <string>
#include <vector>

#include "assoc/assoc_fixture.h"
#include "assoc/mdlFileAssoc.h"
#include "base/text.h"

namespace assoctest {
namespace {

using platform::kClassesRoot;
using platform::kCurrentUser;
using platform::kLocalMachine;

// Every value that names a ProgID or the program of the viewer, or lives below
// a key of it; the product key itself is the installer's to remove.
std::vector<std::string> tracesOfTheViewer(const testsupport::MemoryRegistry& registry) {
    const auto names = [](const std::string& text) {
        const std::string upper = base::upperCase(text);
        return upper == "TESSMIREFILE" || upper == "TESSMIREJPGFILE" ||
               upper.find("TSVIEWER.EXE") != std::string::npos;
    };
    std::vector<std::string> traces;
    for (const auto& entry : registry.allValues()) {
        const std::string path = base::upperCase(entry.path);
        if (path.rfind("SOFTWARE\\TESSMIRE", 0) == 0) continue;
        if (names(entry.name) || names(entry.text) || path.find("TESSMIRE") != std::string::npos)
            traces.push_back(entry.path + "@" + entry.name + "=" + entry.text);
    }
    return traces;
}

TEST_F(AssocTest, AfterTheUninstallVerbAndTheLeftoversNothingNamesTheViewer) {
    struct Case {
        const char* name;
        std::function<void()> arrange;
        std::string jpegAfter;  // what ".jpeg" opens with in the end
    };
    const Case cases[] = {
        {"nothing opened JPEG files before; all four extensions from the dialog",
         [&] {
             runInstall();
             mdlFileAssoc::associateMre(registry, shell);
             mdlFileAssoc::associateJpg(registry, files, shell);
         },
         "<missing>"},
        {"another program re-claimed the classes root in between",
         [&] {
             installStockJpegHandler();
             installUserChoice();
             runInstall();
             registry.putString(kClassesRoot, ".jpeg", "", "OtherViewer.Jpeg");
         },
         "OtherViewer.Jpeg"},
        {"the installer's and Explorer's lists, and a choice made in Default apps",
         [&] {
             installStockJpegHandler();
             runInstall();
             registry.putString(kLocalMachine, "Software\\Classes\\.jpeg\\OpenWithProgids",
                                "tessmirejpgfile", "");
             registry.putString(kCurrentUser, std::string(fileExtsJpg) + "\\OpenWithProgids",
                                "TessmireJpgFile", "");
             registry.putString(kCurrentUser, std::string(fileExtsJpeg) + "\\UserChoice", "Progid",
                                "tessmirejpgfile");
             registry.putString(kCurrentUser, std::string(fileExtsJpeg) + "\\UserChoice", "Hash",
                                "x1");
             registry.putString(kCurrentUser, fileExtsJpg, "Application", "TSVIEWER.EXE");
             registry.putString(kCurrentUser,
                                "Software\\Classes\\tessmirefile\\shell\\open\\command", "",
                                "\"C:\\Program Files\\Tessmire\\tsviewer.exe\" %1");
         },
         "jpegfile"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        registry = testsupport::MemoryRegistry();
        c.arrange();
        runUninstall();
        EXPECT_FALSE(tracesOfTheViewer(registry).empty()) << "the verb alone gives back all";

        const int notices = shell.associationNotices;
        mdlFileAssoc::removeLeftovers(registry, shell);
        EXPECT_EQ(tracesOfTheViewer(registry), std::vector<std::string>{});
        EXPECT_EQ(text(kClassesRoot, ".jpeg", ""), c.jpegAfter);
        EXPECT_EQ(shell.associationNotices, notices + 1);
    }
    // What other programs registered stays.
    EXPECT_EQ(text(kClassesRoot, "jpegfile\\shell\\open\\command", ""), photoViewerCommand);
    EXPECT_TRUE(registry.keyExists(kLocalMachine, "Software\\Classes\\.jpeg\\OpenWithProgids"));
}

}  // namespace
}  // namespace assoctest
