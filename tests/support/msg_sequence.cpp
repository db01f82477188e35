#include "tests/support/msg_sequence.h"

#include <algorithm>
#include <cstdio>

#include "skin/base/message_names.h"
#include "skin/base/window_table.h"

namespace testing_support {
namespace {

MessageRecorder* g_active = nullptr;  // one recorder at a time: tests run on one thread

std::string Line(UINT message, WPARAM wp, LPARAM lp) {
    char text[128];
    std::snprintf(text, sizeof text, "  %-22s wParam %#llx lParam %#llx\n",
                  skin::MessageName(message), static_cast<unsigned long long>(wp),
                  static_cast<unsigned long long>(lp));
    return text;
}

std::string ExpectedLine(const ExpectedMsg& x) {
    char wp[32] = "any", lp[32] = "any";
    if (!(x.flags & kAnyWParam))
        std::snprintf(wp, sizeof wp, "%#llx", static_cast<unsigned long long>(x.wp));
    if (!(x.flags & kAnyLParam))
        std::snprintf(lp, sizeof lp, "%#llx", static_cast<unsigned long long>(x.lp));
    char text[128];
    std::snprintf(text, sizeof text, "  %-22s wParam %s lParam %s%s\n",
                  skin::MessageName(x.message), wp, lp, (x.flags & kOptional) ? " (optional)" : "");
    return text;
}

}  // namespace

bool IsBackgroundNoise(UINT message) {
    switch (message) {
        case WM_NCHITTEST:
        case WM_SETCURSOR:
        case WM_GETICON:
        case WM_GETTEXT:
        case WM_GETTEXTLENGTH:
        case WM_GETDLGCODE:
        case WM_GETFONT:
        case WM_GETMINMAXINFO:
        case WM_TIMER:
        case WM_IME_SETCONTEXT:
        case WM_IME_NOTIFY:
        case WM_GETOBJECT:
        case 0x0088:  // WM_SYNCPAINT
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORSCROLLBAR:
        case WM_QUERYUISTATE:
        case WM_UPDATEUISTATE:
        case WM_CHANGEUISTATE: return true;
        default: return message >= 0xC000;  // registered messages
    }
}

MessageRecorder::MessageRecorder() { g_active = this; }

MessageRecorder::~MessageRecorder() {
    for (const Watched& w : watched_) {
        if (!IsWindow(w.window)) continue;
        if (w.belowSkin) {
            if (skin::GetIntProp(w.window, w.belowSkin) == reinterpret_cast<std::intptr_t>(Proc))
                skin::SetIntProp(w.window, w.belowSkin,
                                 reinterpret_cast<std::intptr_t>(w.previous));
        } else if (GetWindowLongPtrA(w.window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(Proc)) {
            SetWindowLongPtrA(w.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(w.previous));
        }
    }
    if (g_active == this) g_active = nullptr;
}

void MessageRecorder::WatchBelowSkin(HWND window, bool keepNoise) {
    for (const char* name : {skin::prop::kPrevProc, skin::prop::kToolbarPrevProc}) {
        const std::intptr_t below = skin::GetIntProp(window, name);
        if (!below) continue;
        skin::SetIntProp(window, name, reinterpret_cast<std::intptr_t>(Proc));
        watched_.push_back({window, reinterpret_cast<WNDPROC>(below), keepNoise, name});
        return;
    }
}

void MessageRecorder::Watch(HWND window, bool keepNoise) {
    WNDPROC previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc)));
    watched_.push_back({window, previous, keepNoise, nullptr});
}

LRESULT CALLBACK MessageRecorder::Proc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    MessageRecorder* self = g_active;
    WNDPROC previous = nullptr;
    bool keepNoise = false;
    if (self) {
        for (const Watched& w : self->watched_)
            if (w.window == window) previous = w.previous, keepNoise = w.keepNoise;
        if (keepNoise || !IsBackgroundNoise(message))
            self->log_.push_back({window, message, wp, lp});
    }
    if (!previous) return DefWindowProcA(window, message, wp, lp);
    return CallWindowProcA(previous, window, message, wp, lp);
}

std::vector<RecordedMsg> MessageRecorder::Of(HWND window) const {
    std::vector<RecordedMsg> out;
    std::copy_if(log_.begin(), log_.end(), std::back_inserter(out),
                 [window](const RecordedMsg& m) { return m.window == window; });
    return out;
}

bool MessageRecorder::Matches(HWND window, const std::vector<ExpectedMsg>& expected,
                              std::string* report) const {
    const std::vector<RecordedMsg> got = Of(window);
    auto same = [](const ExpectedMsg& e, const RecordedMsg& g) {
        return e.message == g.message && ((e.flags & kAnyWParam) || e.wp == g.wp) &&
               ((e.flags & kAnyLParam) || e.lp == g.lp);
    };
    auto e = expected.begin();
    std::size_t g = 0;
    bool ok = true;
    while (ok && (e != expected.end() || g < got.size())) {
        if (e != expected.end() && g < got.size() && same(*e, got[g])) {
            ++e, ++g;
        } else if (e != expected.end() && (e->flags & kOptional)) {
            ++e;
        } else {
            ok = false;
        }
    }
    if (!ok && report) {
        std::string text = "expected:\n";
        for (const ExpectedMsg& x : expected) text += ExpectedLine(x);
        text += "got:\n" + Describe(got);
        *report = text;
    }
    return ok;
}

std::string Describe(const std::vector<RecordedMsg>& messages) {
    std::string text;
    for (const RecordedMsg& m : messages) text += Line(m.message, m.wp, m.lp);
    return text.empty() ? "  (nothing)\n" : text;
}

}  // namespace testing_support
