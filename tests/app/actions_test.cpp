// The button's brightness restore and the working-set trim, with the probe standing
// in for the helper programs, and the real helpers' own contracts.
#include <gtest/gtest.h>

#include <memory>

#include "app/brightness.h"
#include "app/command_line.h"
#include "app/gamma_ramp.h"
#include "app/runtime.h"
#include "app/trim.h"
#include "tests/app/app_test_util.h"

using namespace app;
using namespace apptest;
using testing_support::FileExistsAt;
using testing_support::TempDir;

namespace {

// A folder whose name has a space and Chinese characters, with a decoy "my.exe"
// beside it: an unquoted command line "...\my dir\..." would start the decoy.
struct SpacedFolder {
    TempDir root{"tovik act"};
    std::string dir = root.file("my dir 亮度");
    SpacedFolder() {
        CreateDirectoryA(dir.c_str(), nullptr);
        CopyFileA(ProbePath().c_str(), root.file("my.exe").c_str(), FALSE);
    }
    ~SpacedFolder() {
        RemoveDirectoryA(dir.c_str());  // TempDir removes only its own files
    }
};

}  // namespace

TEST(RestoreBrightness, WritesRunsAndDeletesTheHelperInAFolderWithASpace) {
    SpacedFolder folder;
    TempDir records;
    ProbeOutput out(records.file("gamma.txt"));
    RestoreBrightnessIn(folder.dir, ProbeSpan());

    ProbeRecord r = out.Read();
    ASSERT_TRUE(r.present) << "the helper did not run";
    const std::string toolPath = folder.dir + kGammaToolName;
    EXPECT_EQ(r.modulePath, toolPath) << "the wrong program ran";
    EXPECT_EQ(r.commandLine, "\"" + toolPath + "\"");
    EXPECT_EQ(r.showWindow, unsigned(SW_SHOWNORMAL));
    EXPECT_FALSE(FileExistsAt(toolPath)) << "the helper file was left behind";
}

TEST(RestoreBrightness, FolderThatCannotBeWrittenIsSilent) {
    const std::string ro = ReadOnlyDir();
    ASSERT_FALSE(ro.empty()) << "run through with_readonly_dir.sh";
    RestoreBrightnessIn(ro, ProbeSpan());
    EXPECT_FALSE(FileExistsAt(ro + kGammaToolName));
    // A second click tries again, just as quietly.
    RestoreBrightnessIn(ro, ProbeSpan());
}

TEST(RestoreBrightness, HelperStillRunningKeepsItsFileUntilTheNextClick) {
    TempDir dir;
    TempDir records;
    ProbeOutput out(records.file("slow.txt"));
    auto hold = std::make_unique<ProbeHold>();
    RestoreBrightnessIn(dir.path(), ProbeSpan());
    const std::string toolPath = dir.path() + kGammaToolName;
    EXPECT_TRUE(FileExistsAt(toolPath)) << "a running program cannot be deleted";
    hold.reset();
    ASSERT_TRUE(testing_support::PumpUntil([&] { return out.Read().present; }, 10000));
    Sleep(200);  // the record is written just before the exit
    RestoreBrightnessIn(dir.path(), ProbeSpan());
    EXPECT_FALSE(FileExistsAt(toolPath));
}

TEST(RestoreBrightness, IdentityTargetPassesTheSwitchToTheHelper) {
    TempDir dir;
    TempDir records;
    ProbeOutput out(records.file("gamma.txt"));
    const std::string toolPath = dir.path() + kGammaToolName;
    struct Case {
        RestoreTarget target;
        std::string commandLine;
    } cases[] = {{RestoreTarget::kCalibration, "\"" + toolPath + "\""},
                 {RestoreTarget::kIdentity, "\"" + toolPath + "\" /identity"}};
    for (const Case& c : cases) {
        DeleteFileA(out.path().c_str());
        EXPECT_EQ(RestoreFromCommandLineIn(dir.path(), ProbeSpan(), c.target), 0);
        EXPECT_EQ(out.Read().commandLine, c.commandLine);
    }
}

TEST(RestoreOutcome, EachWayAClickCanEnd) {
    TempDir dir;
    TempDir records;
    ProbeOutput out(records.file("gamma.txt"));
    const std::string ro = ReadOnlyDir();
    ASSERT_FALSE(ro.empty()) << "run through with_readonly_dir.sh";
    GammaRamp warm = IdentityRamp();
    for (int i = 0; i < 256; ++i) warm.channel[0][i] = static_cast<WORD>(i * 230);
    const RampReadings plain{{IdentityRamp(), {}}}, calibrated{{IdentityRamp(), {}}, {warm, warm}};
    const auto calibration = RestoreTarget::kCalibration, identity = RestoreTarget::kIdentity;
    struct Case {
        const char* name;
        std::string directory;
        res::ByteSpan tool;
        const char* probeExit;
        RampReadings displays;  // as read after the helper's exit
        RestoreTarget target;
        RestoreOutcome outcome;
        int exitCode;  // of "TovikBrightness.exe /restore" (or "/identity")
    } cases[] = {
        {"helper restored", dir.path(), ProbeSpan(), "0", plain, calibration,
         RestoreOutcome::kRestored, 0},
        {"calibration restored", dir.path(), ProbeSpan(), "0", calibrated, calibration,
         RestoreOutcome::kCalibrated, 0},
        {"identity forced on a calibrated display", dir.path(), ProbeSpan(), "0", calibrated,
         identity, RestoreOutcome::kRestored, 0},
        {"a display refused", dir.path(), ProbeSpan(), "1", plain, calibration,
         RestoreOutcome::kNotRestored, 1},
        {"a calibrated display refused", dir.path(), ProbeSpan(), "1", calibrated, calibration,
         RestoreOutcome::kNotRestored, 1},
        {"folder read-only", ro, ProbeSpan(), "0", calibrated, calibration,
         RestoreOutcome::kNotWritten, 2},
        {"not a program", dir.path(), NotAProgram(), "0", calibrated, identity,
         RestoreOutcome::kNotStarted, 3},
    };
    for (const Case& c : cases) {
        SetEnvironmentVariableA("TOVIK_PROBE_EXIT", c.probeExit);
        SetRampReader([&c] { return c.displays; });
        RestoreResult r = RestoreAndWait(c.directory, c.tool, c.target);
        EXPECT_EQ(r.outcome, c.outcome) << c.name;
        EXPECT_EQ(CommandLineExitCode(r), c.exitCode) << c.name;
        EXPECT_EQ(RestoreFromCommandLineIn(c.directory, c.tool, c.target), c.exitCode) << c.name;
        EXPECT_FALSE(FileExistsAt(c.directory + kGammaToolName)) << c.name << ": file left";
    }
    SetRampReader({});
}

TEST(RestoreOutcome, SlowHelperKeepsTheClickShortAndItsFileGoesAfterItsExit) {
    TempDir dir;
    TempDir records;
    ProbeOutput out(records.file("slow.txt"));
    ProbeHold hold;
    const std::string toolPath = dir.path() + kGammaToolName;
    RestoreRun run = StartRestore(dir.path(), ProbeSpan());
    ASSERT_FALSE(run.failed);
    // Back after the idle wait, while the helper still runs and holds its file.
    EXPECT_EQ(WaitForSingleObject(run.process.get(), 0), DWORD(WAIT_TIMEOUT));
    EXPECT_TRUE(FileExistsAt(toolPath));
    hold.Release();
    ASSERT_EQ(WaitForSingleObject(run.process.get(), 10000), DWORD(WAIT_OBJECT_0));
    EXPECT_EQ(FinishRestore(run).outcome, RestoreOutcome::kRestored);
    EXPECT_FALSE(FileExistsAt(toolPath)) << "deleted once the helper had exited";
    EXPECT_TRUE(out.Read().present);
}

TEST(RestoreOutcome, HelperThatNeverExitsIsEndedAndItsFileDeleted) {
    TempDir dir;
    TempDir records;
    ProbeOutput out(records.file("stuck.txt"));
    SetEnvironmentVariableA("TOVIK_PROBE_HANG_MS", "600000");
    const std::string toolPath = dir.path() + kGammaToolName;
    RestoreResult r = RestoreAndWait(dir.path(), ProbeSpan(), RestoreTarget::kCalibration, 600);
    const int leftRunning = EndProcessesRunning(toolPath);
    EXPECT_EQ(r.outcome, RestoreOutcome::kNoAnswer);
    EXPECT_EQ(CommandLineExitCode(r), 4);
    EXPECT_TRUE(out.Read().present) << "the helper did start";
    EXPECT_EQ(leftRunning, 0) << "the stuck helper was left running";
    EXPECT_FALSE(FileExistsAt(toolPath));
}

TEST(CommandLine, OnlyARestoreSwitchAloneSkipsTheWindow) {
    struct Case {
        std::vector<const char*> args;  // after the program name
        StartMode mode;
    } cases[] = {
        {{"/restore"}, StartMode::kRestore},
        {{"-restore"}, StartMode::kRestore},
        {{"--restore"}, StartMode::kRestore},
        {{"/RESTORE"}, StartMode::kRestore},
        {{"--Restore"}, StartMode::kRestore},
        {{}, StartMode::kWindow},
        {{"restore"}, StartMode::kWindow},
        {{"/restorex"}, StartMode::kWindow},
        {{"/r"}, StartMode::kWindow},
        {{""}, StartMode::kWindow},
        {{"/restore", "x"}, StartMode::kWindow},
        {{"x", "/restore"}, StartMode::kWindow},
        {{"---restore"}, StartMode::kWindow},
        {{"/identity"}, StartMode::kIdentity},
        {{"-identity"}, StartMode::kIdentity},
        {{"--IDENTITY"}, StartMode::kIdentity},
        {{"/Identity"}, StartMode::kIdentity},
        {{"identity"}, StartMode::kWindow},
        {{"/identityx"}, StartMode::kWindow},
        {{"/restore", "/identity"}, StartMode::kWindow},
        {{"/identity", "/restore"}, StartMode::kWindow},
        {{"/"}, StartMode::kWindow},
        {{"--"}, StartMode::kWindow},
    };
    for (const Case& c : cases) {
        std::vector<const char*> argv{"TovikBrightness.exe"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        std::string shown;
        for (const char* a : c.args) shown += std::string("[") + a + "]";
        EXPECT_EQ(ModeFromArguments(static_cast<int>(argv.size()), argv.data()), c.mode) << shown;
    }
    EXPECT_EQ(ModeFromArguments(0, nullptr), StartMode::kWindow);
}

TEST(TrimWorkingSet, HelperThatNeverExitsIsGivenUpOnAndTheNextTrimTriesAgain) {
    TempDir windows;
    TempDir records;
    ProbeOutput out(records.file("trim.txt"));
    SetEnvironmentVariableA("TOVIK_PROBE_HANG_MS", "600000");
    const std::string toolPath = windows.path() + kTrimToolName;
    for (int round = 1; round <= 2; ++round) {
        DeleteFileA(out.path().c_str());
        TrimWorkingSetWith(windows.path(), ProbeSpan(), 600);
        EXPECT_TRUE(out.Read().present) << "round " << round << ": the helper did not run";
        EXPECT_EQ(EndProcessesRunning(toolPath), 0) << "round " << round << ": helper left running";
    }
}

TEST(TrimWorkingSet, WritesOnlyWhenMissingRunsHiddenWithPidAndWaits) {
    SpacedFolder windows;
    TempDir records;
    ProbeOutput out(records.file("trim.txt"));
    const std::string toolPath = windows.dir + kTrimToolName;

    TrimWorkingSetWith(windows.dir, ProbeSpan());
    ProbeRecord r = out.Read();  // no polling: the trim waits for the helper to exit
    ASSERT_TRUE(r.present);
    EXPECT_EQ(r.modulePath, toolPath);
    EXPECT_EQ(r.commandLine, "\"" + toolPath + "\" " + std::to_string(GetCurrentProcessId()));
    EXPECT_EQ(r.showWindow, unsigned(SW_HIDE));
    EXPECT_EQ(testing_support::ReadFileBytes(toolPath), ProbeImage()) << "written once, kept";

    // An existing file is reused as it is, never overwritten.
    std::vector<unsigned char> marked = ProbeImage();
    marked.push_back('!');
    HANDLE h = CreateFileA(toolPath.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    SetFilePointer(h, 0, nullptr, FILE_END);
    DWORD n;
    WriteFile(h, "!", 1, &n, nullptr);
    CloseHandle(h);
    DeleteFileA(out.path().c_str());
    TrimWorkingSetWith(windows.dir, {reinterpret_cast<const unsigned char*>("junk"), 4});
    EXPECT_TRUE(out.Read().present) << "the kept file runs again";
    EXPECT_EQ(testing_support::ReadFileBytes(toolPath), marked);
    DeleteFileA(toolPath.c_str());
}

TEST(TrimWorkingSet, UnwritableOrOddWindowsDirectoryIsSilent) {
    const std::string ro = ReadOnlyDir();
    ASSERT_FALSE(ro.empty()) << "run through with_readonly_dir.sh";
    TrimWorkingSetWith(ro, ProbeSpan());
    EXPECT_FALSE(FileExistsAt(ro + kTrimToolName));
    TrimWorkingSetWith(ro + "\\does not exist", ProbeSpan());

    // Unset windir: the path becomes "\empty.exe" on the current drive.
    char oldCwd[MAX_PATH], oldWindir[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, oldCwd);
    GetEnvironmentVariableA("windir", oldWindir, MAX_PATH);
    SetCurrentDirectoryA("C:\\");
    SetEnvironmentVariableA("windir", nullptr);
    bool existed = FileExistsAt("C:\\empty.exe");
    TrimWorkingSet();
    EXPECT_TRUE(FileExistsAt("C:\\empty.exe"));
    if (!existed) DeleteFileA("C:\\empty.exe");
    SetEnvironmentVariableA("windir", oldWindir);
    SetCurrentDirectoryA(oldCwd);
}

TEST(TrimTool, ExitCodesForGoodAndBadArguments) {
    TempDir dir;
    const std::string tool = dir.file("empty.exe");
    ASSERT_TRUE(WriteBytesToFile(tool, {res::empty_exe}));
    const std::string pid = std::to_string(GetCurrentProcessId());
    struct Case {
        std::string args;
        bool ok;
    } cases[] = {{pid, true},
                 {"", false},
                 {"abc", false},
                 {"-1", false},
                 {"12x", false},
                 {"0", false},
                 {"99999999999", false},
                 {"4000000000", false} /* no such process */,
                 {pid + " 1", false}};
    for (const Case& c : cases) {
        STARTUPINFOA si{};
        si.cb = sizeof si;
        si.dwFlags = STARTF_USESHOWWINDOW;
        si.wShowWindow = SW_HIDE;
        PROCESS_INFORMATION pi{};
        std::string line = "\"" + tool + "\" " + c.args;
        ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                                   nullptr, nullptr, &si, &pi));
        WaitForSingleObject(pi.hProcess, 10000);
        DWORD code = 259;
        GetExitCodeProcess(pi.hProcess, &code);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
        EXPECT_EQ(code == 0, c.ok) << "args '" << c.args << "' exit " << code;
        EXPECT_LT(code, 256u) << "crashed: args '" << c.args << "'";
    }
}

// The helpers are built for the program's own machine (i386 for the shipped
// program, x86-64 where the tests run as a 64-bit build).
TEST(EmbeddedHelpers, AreWindowsProgramsOfTheRightSubsystem) {
    auto headers = [](const unsigned char* image) {
        auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image);
        return reinterpret_cast<const IMAGE_NT_HEADERS32*>(image + dos->e_lfanew);
    };
    const WORD ownMachine =
        headers(reinterpret_cast<const unsigned char*>(GetModuleHandleA(nullptr)))
            ->FileHeader.Machine;
    struct Case {
        const char* name;
        res::ByteSpan image;
        WORD subsystem;
    } cases[] = {{"gamma reset", res::gamma_reset_exe, IMAGE_SUBSYSTEM_WINDOWS_GUI},
                 {"working set", res::empty_exe, IMAGE_SUBSYSTEM_WINDOWS_CUI}};
    for (const Case& c : cases) {
        ASSERT_GT(c.image.size, sizeof(IMAGE_DOS_HEADER)) << c.name;
        auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(c.image.data);
        ASSERT_EQ(dos->e_magic, IMAGE_DOS_SIGNATURE) << c.name;
        auto nt = headers(c.image.data);
        EXPECT_EQ(nt->FileHeader.Machine, ownMachine) << c.name;
        const WORD subsystem =
            nt->OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC
                ? reinterpret_cast<const IMAGE_NT_HEADERS64*>(nt)->OptionalHeader.Subsystem
                : nt->OptionalHeader.Subsystem;
        EXPECT_EQ(subsystem, c.subsystem) << c.name;
    }
}
