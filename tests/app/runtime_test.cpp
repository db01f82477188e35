// The process, file and text services the actions rely on.
#include "app/runtime.h"

#include <gtest/gtest.h>

#include "tests/app/app_test_util.h"

using namespace app;
using namespace apptest;
using testing_support::TempDir;

TEST(ShowCommand, MapsAndClampsEveryMode) {
    struct Case {
        std::optional<int> mode;
        int expected;
    } cases[] = {
        {std::nullopt, SW_SHOWNORMAL},
        {-7, SW_HIDE},
        {0, SW_HIDE},
        {1, SW_HIDE},
        {2, SW_SHOWNORMAL},
        {3, SW_SHOWMINIMIZED},
        {4, SW_SHOWMAXIMIZED},
        {5, SW_SHOWNOACTIVATE},
        {6, SW_MINIMIZE},
        {9, SW_MINIMIZE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShowCommandFor(c.mode), c.expected) << "mode " << (c.mode ? *c.mode : -999);
}

TEST(RunProgram, ChildSeesTheMappedShowModeAndCommandLine) {
    TempDir dir;
    ProbeOutput out(dir.file("record.txt"));
    struct Case {
        std::optional<int> mode;
        unsigned shown;
    } cases[] = {{std::nullopt, SW_SHOWNORMAL}, {0, SW_HIDE}, {9, SW_MINIMIZE}};
    for (const Case& c : cases) {
        DeleteFileA(out.path().c_str());
        std::string line = QuotedForCommandLine(ProbePath()) + " 42";
        ASSERT_TRUE(RunProgram(line, true, c.mode));
        ProbeRecord r = out.Read();  // present right away: the run waited for the exit
        ASSERT_TRUE(r.present);
        EXPECT_TRUE(r.startFlags & STARTF_USESHOWWINDOW);
        EXPECT_EQ(r.showWindow, c.shown);
        EXPECT_EQ(r.commandLine, line);
    }
}

TEST(RunProgram, WithoutWaitReturnsWhileTheChildStillRuns) {
    TempDir dir;
    ProbeOutput out(dir.file("late.txt"));
    ProbeHold hold;
    ASSERT_TRUE(RunProgram(QuotedForCommandLine(ProbePath()), false));
    EXPECT_FALSE(out.Read().present) << "the run waited for the child to finish";
    // Let it finish so the folder can be removed.
    hold.Release();
    EXPECT_TRUE(testing_support::PumpUntil([&] { return out.Read().present; }, 10000));
}

TEST(RunProgram, MissingProgramIsFalse) {
    TempDir dir;
    EXPECT_FALSE(RunProgram(QuotedForCommandLine(dir.file("nothing here.exe")), true));
    EXPECT_FALSE(RunProgram("", false));
}

TEST(WriteBytesToFile, WritesPartsInOrderAndTruncates) {
    TempDir dir;
    const std::string path = dir.file("out.bin");
    testing_support::WriteFileBytes(path, std::string(100, 'x'));
    const unsigned char a[] = {1, 2, 3}, b[] = {4, 5};
    ASSERT_TRUE(WriteBytesToFile(path, {{a, 3}, {nullptr, 0}, {b, 2}}));
    EXPECT_EQ(testing_support::ReadFileBytes(path), (std::vector<unsigned char>{1, 2, 3, 4, 5}));
}

TEST(WriteBytesToFile, FailuresAreFalseAndLeaveNothing) {
    const unsigned char a[] = {1};
    EXPECT_FALSE(WriteBytesToFile("", {{a, 1}}));

    TempDir dir;
    EXPECT_FALSE(WriteBytesToFile(dir.file("no such folder\\x.bin"), {{a, 1}}));

    // A file held open without sharing (a running helper, say) cannot be replaced.
    const std::string held = dir.file("held.bin");
    HANDLE h = CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(WriteBytesToFile(held, {{a, 1}}));
    CloseHandle(h);

    const std::string ro = ReadOnlyDir();
    ASSERT_FALSE(ro.empty()) << "run through with_readonly_dir.sh";
    EXPECT_FALSE(WriteBytesToFile(ro + "\\x.bin", {{a, 1}}));
    EXPECT_FALSE(FileExists(ro + "\\x.bin"));
}

TEST(Services, DirectoryEnvironmentAndFiles) {
    std::string dir = RunDirectory();
    EXPECT_EQ(dir, testing_support::ExeDirectory());
    ASSERT_FALSE(dir.empty());
    EXPECT_NE(dir.back(), '\\');

    SetEnvironmentVariableA("TOVIK_TEST_VAR", "值 value");
    EXPECT_EQ(ReadEnvironment("TOVIK_TEST_VAR"), "值 value");
    SetEnvironmentVariableA("TOVIK_TEST_VAR", nullptr);
    EXPECT_EQ(ReadEnvironment("TOVIK_TEST_VAR"), "");

    TempDir temp;
    EXPECT_FALSE(FileExists(temp.file("a.txt")));
    testing_support::WriteFileBytes(temp.file("a.txt"), "a");
    EXPECT_TRUE(FileExists(temp.file("a.txt")));
    EXPECT_TRUE(DeleteFileAt(temp.file("a.txt")));
    EXPECT_FALSE(DeleteFileAt(temp.file("a.txt")));
    EXPECT_EQ(NumberToText(-305), "-305");
}
