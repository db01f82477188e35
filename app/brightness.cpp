#include "app/brightness.h"

#include "app/gamma_ramp.h"
#include "app/runtime.h"

namespace app {
namespace {

// The helper's 0 says every display is at its target; which target that was, the
// displays' profiles tell (the helper read the same ones).
RestoreOutcome RestoredOutcome(RestoreTarget target) {
    return target == RestoreTarget::kCalibration && AnyCalibrated(CurrentDisplayRamps())
               ? RestoreOutcome::kCalibrated
               : RestoreOutcome::kRestored;
}

}  // namespace

RestoreRun StartRestore(const std::string& directory, res::ByteSpan tool, RestoreTarget target) {
    RestoreRun run;
    run.target = target;
    run.toolPath = directory + kGammaToolName;
    if (!WriteBytesToFile(run.toolPath, {tool})) {
        run.failed = RestoreOutcome::kNotWritten;
        return run;
    }
    std::string commandLine = QuotedForCommandLine(run.toolPath);
    if (target == RestoreTarget::kIdentity) commandLine += " /identity";
    run.process = StartProgram(commandLine);
    if (!run.process) {
        run.failed = RestoreOutcome::kNotStarted;
        DeleteFileAt(run.toolPath);
        return run;
    }
    // The helper never pumps messages, so this wait ends when it exits (in the
    // normal case, well within the second) and the delete finds the file free.
    // Should it still run, FinishRestore deletes the file after its exit.
    WaitForInputIdle(run.process.get(), 1000);
    DeleteFileAt(run.toolPath);
    return run;
}

RestoreResult FinishRestore(RestoreRun& run) {
    RestoreResult result{run.failed.value_or(RestoreOutcome::kRestored)};
    if (!run.failed) {
        if (std::optional<DWORD> code = WaitForExit(run.process.get(), 0)) {
            result.helperExitCode = *code;
            result.outcome =
                *code == 0 ? RestoredOutcome(run.target) : RestoreOutcome::kNotRestored;
        } else {
            EndProcess(run.process.get());
            result.outcome = RestoreOutcome::kNoAnswer;
        }
        // Only a running helper keeps its file; now it can go.
        if (GetFileAttributesA(run.toolPath.c_str()) != INVALID_FILE_ATTRIBUTES)
            DeleteFileAt(run.toolPath);
    }
    run.process.reset();
    return result;
}

RestoreResult RestoreAndWait(const std::string& directory, res::ByteSpan tool, RestoreTarget target,
                             DWORD limitMs) {
    RestoreRun run = StartRestore(directory, tool, target);
    if (run.process) WaitForSingleObject(run.process.get(), limitMs);
    return FinishRestore(run);
}

RestoreRun StartRestore() { return StartRestore(RunDirectory(), res::gamma_reset_exe); }

void RestoreBrightnessIn(const std::string& directory, res::ByteSpan tool) {
    StartRestore(directory, tool);
}

int CommandLineExitCode(const RestoreResult& result) {
    switch (result.outcome) {
        case RestoreOutcome::kRestored:
        case RestoreOutcome::kCalibrated:
        case RestoreOutcome::kNotRestored: return static_cast<int>(result.helperExitCode);
        case RestoreOutcome::kNotWritten: return 2;
        case RestoreOutcome::kNotStarted: return 3;
        case RestoreOutcome::kNoAnswer: return 4;
    }
    return 4;
}

}  // namespace app
