// The argument text WinMain's caller gets: the command line after the program's name.
#include "app/win32/command_line.h"

#include <gtest/gtest.h>

namespace app {
namespace {

TEST(ArgumentText, TheProgramsNameAndTheBlanksAfterItAreSplitOff) {
    EXPECT_EQ(argumentText(L"tsviewer.exe install"), L"install");
    EXPECT_EQ(
        argumentText(L"\"C:\\Program Files\\Tessmire\\tsviewer.exe\"   \"C:\\My Pages\\a b.jpg\""),
        L"\"C:\\My Pages\\a b.jpg\"");
    EXPECT_EQ(argumentText(L"tsviewer.exe\t C:\\pages\\news.jpg"), L"C:\\pages\\news.jpg");
    // A quoted name may run straight into the text after it.
    EXPECT_EQ(argumentText(L"\"tsviewer.exe\"install"), L"install");
}

TEST(ArgumentText, TheRestIsKeptExactly) {
    EXPECT_EQ(argumentText(L"tsviewer.exe C:\\a  b.jpg  "), L"C:\\a  b.jpg  ");
    EXPECT_EQ(argumentText(L"tsviewer.exe \"C:\\a.jpg"), L"\"C:\\a.jpg");
    EXPECT_EQ(argumentText(L"tsviewer.exe x \"y\" z"), L"x \"y\" z");
}

TEST(ArgumentText, NoArgumentsGiveEmptyText) {
    EXPECT_EQ(argumentText(L"tsviewer.exe"), L"");
    EXPECT_EQ(argumentText(L"tsviewer.exe   "), L"");
    EXPECT_EQ(argumentText(L"\"C:\\Program Files\\tsviewer.exe\""), L"");
    EXPECT_EQ(argumentText(L"\"unclosed name"), L"");
    EXPECT_EQ(argumentText(L""), L"");
}

}  // namespace
}  // namespace app
