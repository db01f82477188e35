// Helpers shared by the Windows-side tests: message pumping with a time limit,
// temporary folders and files.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace testing_support {

// Dispatches what is queued now: posts a separator, dispatches until it comes
// back, then whatever the queue still generates (paints), within the time limit.
void PumpUntilIdle(DWORD maxMilliseconds = 500);
// Pumps until the condition holds or the time is up; returns the condition.
bool PumpUntil(const std::function<bool()>& condition, DWORD maxMilliseconds = 3000);

// A fresh folder under %TEMP% that is removed (with its files) at scope exit.
class TempDir {
public:
    explicit TempDir(const std::string& nameHint = "tovik");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

std::vector<unsigned char> ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExistsAt(const std::string& path);
// The folder of the running test executable.
std::string ExeDirectory();

}  // namespace testing_support
