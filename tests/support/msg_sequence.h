// Message sequences, recorded and compared the way Win32 conformance tests do
// it: a recorder subclass sits below the skin (so it sees exactly what reaches
// the procedure the skin replaced) or on any other window, and the expected
// sequence is a table of {message, flags, wParam, lParam}.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace testing_support {

enum MsgFlags : unsigned {
    kExact = 0,
    kOptional = 1,   // may be missing
    kAnyWParam = 2,  // wParam not compared
    kAnyLParam = 4,  // lParam not compared
    kAnyParams = kAnyWParam | kAnyLParam,
};

struct ExpectedMsg {
    UINT message;
    unsigned flags = kExact;
    WPARAM wp = 0;
    LPARAM lp = 0;
};

struct RecordedMsg {
    HWND window;
    UINT message;
    WPARAM wp;
    LPARAM lp;
};

// Messages that every window gets from the system while it is driven and that
// say nothing about the procedure under test; left out unless asked for.
bool IsBackgroundNoise(UINT message);

// Records what reaches windows. Recording subclasses are installed with Watch;
// every window watched by one recorder goes into one sequence, in order.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    // Subclasses window so that every message it gets is recorded, then passed on.
    // Install before the skin subclasses it to see what reaches the previous
    // procedure. With keepNoise, background messages are recorded too.
    void Watch(HWND window, bool keepNoise = false);
    // On a window the skin has already subclassed: the recorder goes in below the
    // skin, in place of the procedure the skin replaced, and sees what reaches it
    // (a program's own subclass would be left alone by some skinners).
    void WatchBelowSkin(HWND window, bool keepNoise = false);
    void Clear() { log_.clear(); }
    const std::vector<RecordedMsg>& log() const { return log_; }
    // The recorded messages of one window.
    std::vector<RecordedMsg> Of(HWND window) const;

    // Compares what `window` got with `expected`; on a mismatch returns false and
    // fills `report` with both sequences by message name.
    bool Matches(HWND window, const std::vector<ExpectedMsg>& expected, std::string* report) const;

private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
    struct Watched {
        HWND window;
        WNDPROC previous;
        bool keepNoise;
        const char* belowSkin;  // the skin's property the recorder sits in, or null
    };
    std::vector<Watched> watched_;
    std::vector<RecordedMsg> log_;
};

// Prints a sequence, one message per line, for failure output.
std::string Describe(const std::vector<RecordedMsg>& messages);

}  // namespace testing_support

// EXPECT_SEQUENCE(recorder, window, {{WM_X}, {WM_Y, kAnyParams}}): compares and
// reports at the caller's line.
#define EXPECT_SEQUENCE(recorder, window, ...)                                    \
    do {                                                                          \
        std::string sequence_report_;                                             \
        EXPECT_TRUE((recorder).Matches((window), __VA_ARGS__, &sequence_report_)) \
            << sequence_report_;                                                  \
    } while (0)
