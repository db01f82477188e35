// What a user compares: the gallery skinned against the same gallery unskinned,
// two windows with the same controls and content in one process. Each row times
// one operation on both windows, rounds alternating which goes first, and prints
// the medians, skinned / plain and the goal; the worst ratio (against its goal)
// comes last. A hover is held against the plain control's repaint, since the
// plain control does not repaint on hover at all.
//
//   bench_side_by_side [rounds] [--only TEXT] [--profile] [--per-control]
// --only keeps the rows whose name contains TEXT; --profile adds the per-call
// times of the GDI, GDI+, USER and common-control calls the skinned side made
// while it was timed; --per-control times a repaint of each child window on
// both sides instead, summed by class, dearest extra cost first.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "bench/common/call_profile.h"
#include "bench/common/timing.h"
#include "gallery/gallery.h"
#include "skin/frame/skin_init.h"
#include "skin/base/skin_state.h"
#include "skin/base/window_table.h"

namespace {

using bench::Median;
using bench::NowMs;

// Dispatches until the queue is empty and nothing is left to paint. The
// gallery's progress timer (a thread timer) steps only one of the two windows,
// so its ticks are dropped: both windows keep still while they are timed.
void Settle() {
    MSG msg;
    for (int guard = 0; guard < 20000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++guard) {
        if (msg.message == WM_TIMER && !msg.hwnd) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    GdiFlush();
}

// The first descendant of window of class `cls` that `fits`.
HWND Find(HWND window, const char* cls, const std::function<bool(HWND)>& fits = {}) {
    struct Search {
        const char* cls;
        const std::function<bool(HWND)>& fits;
        HWND found = nullptr;
        static BOOL CALLBACK Visit(HWND w, LPARAM lp) {
            auto* s = reinterpret_cast<Search*>(lp);
            char name[64] = {};
            GetClassNameA(w, name, sizeof name);
            if (lstrcmpiA(name, s->cls) != 0 || (s->fits && !s->fits(w))) return TRUE;
            s->found = w;
            return FALSE;
        }
    } search{cls, fits};
    EnumChildWindows(window, Search::Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A fitness test: the window's style masked with `mask` equals `bits`.
std::function<bool(HWND)> Styled(LONG mask, LONG bits) {
    return [mask, bits](HWND w) { return (GetWindowLongA(w, GWL_STYLE) & mask) == bits; };
}

POINT CentreOf(HWND control) {
    RECT r{};
    GetClientRect(control, &r);
    return {r.right / 2, r.bottom / 2};
}

LPARAM At(POINT p) { return MAKELPARAM(p.x, p.y); }

// A whole repaint of one control, as when it is uncovered.
void Repaint(HWND control) {
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    Settle();
}

// The mouse comes onto the control at p and leaves it again.
void HoverInOut(HWND control, POINT p) {
    SendMessageA(control, WM_MOUSEMOVE, 0, At(p));
    Settle();
    SendMessageA(control, WM_MOUSELEAVE, 0, 0);
    Settle();
}

// 30 sizes between WM_ENTERSIZEMOVE and WM_EXITSIZEMOVE, as a corner drag makes
// them: 15 steps smaller, 15 back to where it started.
void LiveResize(HWND window) {
    RECT start{};
    GetWindowRect(window, &start);
    const int w = start.right - start.left, h = start.bottom - start.top;
    SendMessageA(window, WM_ENTERSIZEMOVE, 0, 0);
    for (int i = 1; i <= 30; ++i) {
        const int k = i <= 15 ? i : 30 - i;
        SetWindowPos(window, nullptr, 0, 0, w - 14 * k, h - 9 * k,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        Settle();
    }
    SendMessageA(window, WM_EXITSIZEMOVE, 0, 0);
    Settle();
}

void MaximiseAndRestore(HWND window) {
    SendMessageA(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    Settle();
    SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    Settle();
}

void Click(HWND button) {
    const POINT p = CentreOf(button);
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, At(p));
    Settle();
    SendMessageA(button, WM_LBUTTONUP, 0, At(p));
    Settle();
}

// One of the two windows with what a row needs from it.
struct Side {
    HWND window = nullptr;
    HWND listView = nullptr, header = nullptr, listBox = nullptr, combo = nullptr;
    HWND trackbar = nullptr, edit = nullptr, button = nullptr;

    explicit Side(HWND w) : window(w) {
        listView = Find(w, WC_LISTVIEWA);
        // The stand-alone header, not a list view's own.
        header = Find(w, WC_HEADERA, [w](HWND h) { return GetParent(h) == w; });
        listBox = Find(w, "ListBox", Styled(LBS_NOTIFY, LBS_NOTIFY));
        combo = Find(w, "ComboBox", Styled(3, CBS_DROPDOWNLIST));
        trackbar = Find(w, TRACKBAR_CLASSA);
        edit = Find(w, "Edit", Styled(ES_MULTILINE | ES_PASSWORD | ES_READONLY | WS_DISABLED, 0));
        // The skin makes push buttons owner-drawn: found by their text.
        button = Find(w, "Button", [](HWND b) {
            char text[16] = {};
            GetWindowTextA(b, text, sizeof text);
            return std::string(text) == "确定";
        });
    }
    bool Complete() const {
        return listView && header && listBox && combo && trackbar && edit && button;
    }
};

POINT HeaderItemCentre(HWND header) {
    RECT item{};
    SendMessageA(header, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    return {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
}

struct Row {
    std::string name;
    double goal;
    int reps;  // operations per timing
    std::function<void(const Side&)> op;
    // For a hover: the plain side is timed with this (the control's repaint).
    std::function<void(const Side&)> plainBase;
    bool start = false;  // timed as a new window's start instead
};

std::vector<Row> Rows() {
    auto repaint = [](HWND Side::*control) {
        return [control](const Side& s) { Repaint(s.*control); };
    };
    auto hover = [](HWND Side::*control) {
        return [control](const Side& s) { HoverInOut(s.*control, CentreOf(s.*control)); };
    };
    return {
        {"live resize, 30 sizes", 3, 1, [](const Side& s) { LiveResize(s.window); }, {}},
        {"maximise + restore", 3, 1, [](const Side& s) { MaximiseAndRestore(s.window); }, {}},
        {"full window repaint", 2, 3,
         [](const Side& s) {
             RedrawWindow(s.window, nullptr, nullptr,
                          RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
             Settle();
         },
         {}},
        {"start to first complete paint (warm)", 2, 1, {}, {}, true},
        {"list view repaint", 3, 10, repaint(&Side::listView), {}},
        {"header repaint", 3, 20, repaint(&Side::header), {}},
        {"list box repaint", 3, 20, repaint(&Side::listBox), {}},
        {"combo repaint", 3, 20, repaint(&Side::combo), {}},
        {"trackbar repaint", 3, 20, repaint(&Side::trackbar), {}},
        {"header hover (vs plain repaint)", 1, 20,
         [](const Side& s) { HoverInOut(s.header, HeaderItemCentre(s.header)); },
         repaint(&Side::header)},
        {"push button click", 3, 20, [](const Side& s) { Click(s.button); }, {}},
        {"hover in/out: edit (vs plain repaint)", 1, 20, hover(&Side::edit), repaint(&Side::edit)},
        {"hover in/out: list (vs plain repaint)", 1, 20, hover(&Side::listBox),
         repaint(&Side::listBox)},
        {"hover in/out: button (vs plain repaint)", 1, 20, hover(&Side::button),
         repaint(&Side::button)},
    };
}

// The window to be timed goes on top, so that neither is timed while covered.
void Raise(HWND window) {
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Settle();
}

// A new gallery from creation until it and every child have painted, in this
// process (DLLs loaded, classes registered), as a program opens its window.
double TimeStart(bool skinned) {
    const double t0 = NowMs();
    HWND w = gallery::CreateGallery(GetModuleHandleA(nullptr), skinned);
    if (!w) return -1;
    ShowWindow(w, SW_SHOWNOACTIVATE);
    Settle();
    const double t = NowMs() - t0;
    bench::SetCallProfileOn(false);
    DestroyWindow(w);
    Settle();
    return t;
}

double TimeOp(const Side& side, const std::function<void(const Side&)>& op, int reps) {
    const bool profiled = bench::CallProfileOn();
    bench::SetCallProfileOn(false);
    Raise(side.window);
    bench::SetCallProfileOn(profiled);
    const double t0 = NowMs();
    for (int i = 0; i < reps; ++i) op(side);
    const double t = (NowMs() - t0) / reps;
    bench::SetCallProfileOn(false);
    return t;
}

// Every descendant but the skin's own scroll-bar overlays, in the order
// EnumChildWindows gives (the same on both sides, since both galleries are
// made by the same code).
BOOL CALLBACK CollectChild(HWND w, LPARAM lp) {
    if (!skin::GetIntProp(w, skin::prop::kOverlayTarget))
        reinterpret_cast<std::vector<HWND>*>(lp)->push_back(w);
    return TRUE;
}

std::vector<HWND> Descendants(HWND window) {
    std::vector<HWND> all;
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&all));
    return all;
}

// Repaint of each child alone (without its children), summed by class.
void PrintPerControl(HWND skinnedWindow, HWND plainWindow, int rounds) {
    const std::vector<HWND> s = Descendants(skinnedWindow), p = Descendants(plainWindow);
    if (s.size() != p.size()) {
        std::printf("the two windows have different children (%zu, %zu)\n", s.size(), p.size());
        return;
    }
    struct Cost {
        std::string cls;
        int count = 0;
        double skinned = 0, plain = 0;
    };
    std::vector<Cost> costs;
    auto once = [](HWND w) {
        const double t0 = NowMs();
        for (int i = 0; i < 5; ++i) {
            RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
            Settle();
        }
        return (NowMs() - t0) / 5;
    };
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (!IsWindowVisible(s[i])) continue;
        char name[64] = {};
        GetClassNameA(s[i], name, sizeof name);
        std::vector<double> ts, tp;
        for (int r = 0; r < rounds; ++r) {
            Raise(skinnedWindow);
            ts.push_back(once(s[i]));
            Raise(plainWindow);
            tp.push_back(once(p[i]));
        }
        auto it = std::find_if(costs.begin(), costs.end(), [&](const Cost& c) { return c.cls == name; });
        if (it == costs.end()) it = costs.insert(costs.end(), Cost{name});
        ++it->count;
        it->skinned += Median(ts);
        it->plain += Median(tp);
    }
    std::sort(costs.begin(), costs.end(), [](const Cost& a, const Cost& b) {
        return a.skinned - a.plain > b.skinned - b.plain;
    });
    double ts = 0, tp = 0;
    std::printf("%-24s %5s %10s %9s %7s\n", "class (ms, summed)", "count", "skinned", "plain", "ratio");
    for (const Cost& c : costs) {
        std::printf("%-24s %5d %10.2f %9.2f %7.2f\n", c.cls.c_str(), c.count, c.skinned, c.plain,
                    c.plain > 0 ? c.skinned / c.plain : 0);
        ts += c.skinned;
        tp += c.plain;
    }
    std::printf("all children one by one: %.2f ms skinned, %.2f plain, %.2f x\n", ts, tp,
                tp > 0 ? ts / tp : 0);
}

}  // namespace

int main(int argc, char** argv) {
    int rounds = 5;
    std::string only;
    bool profile = false, perControl = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--only" && i + 1 < argc)
            only = argv[++i];
        else if (a == "--profile")
            profile = true;
        else if (a == "--per-control")
            perControl = true;
        else
            rounds = std::max(1, std::atoi(argv[i]));
    }
    if (profile && !bench::InstallCallProfile({"gdiplus.dll", "gdi32.dll", "user32.dll",
                                                "comctl32.dll", "msimg32.dll"})) {
        std::printf("no call profile in this build\n");
        profile = false;
    }
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return 1;
    skin::State().gdiplusToken = token;
    skin::CreateWindowTable();
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HWND plainWindow = gallery::CreateGallery(instance, false);
    HWND skinnedWindow = gallery::CreateGallery(instance, true);
    if (!plainWindow || !skinnedWindow) return 1;
    for (HWND w : {plainWindow, skinnedWindow}) {
        ShowWindow(w, SW_SHOWNOACTIVATE);
        UpdateWindow(w);
    }
    SetCursorPos(0, GetSystemMetrics(SM_CYSCREEN) - 1);  // off both windows
    Settle();
    const Side skinned(skinnedWindow), plain(plainWindow);
    if (!skinned.Complete() || !plain.Complete()) {
        std::printf("the gallery lacks a control a row needs\n");
        return 1;
    }

    if (perControl) {
        bench::SetCallProfileOn(profile);
        PrintPerControl(skinnedWindow, plainWindow, rounds);
        if (profile) {
            bench::SetCallProfileOn(false);
            bench::PrintCallProfile(30);
        }
        for (HWND w : {skinnedWindow, plainWindow}) DestroyWindow(w);
        skin::ReleaseSkinData();
        skin::ShutdownGdiplus();
        return 0;
    }

    std::vector<Row> rows = Rows();
    if (!only.empty())
        rows.erase(std::remove_if(rows.begin(), rows.end(),
                                  [&](const Row& r) { return r.name.find(only) == std::string::npos; }),
                   rows.end());
    std::vector<std::vector<double>> s(rows.size()), p(rows.size());
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const Row& row = rows[i];
            const bool skinnedFirst = (round + static_cast<int>(i)) % 2 == 0;
            for (int turn = 0; turn < 2; ++turn) {
                const bool isSkinned = (turn == 0) == skinnedFirst;
                bench::SetCallProfileOn(profile && isSkinned);
                double t = 0;
                if (row.start) {
                    t = TimeStart(isSkinned);
                    if (t < 0) return 1;
                } else {
                    const auto& op = !isSkinned && row.plainBase ? row.plainBase : row.op;
                    t = TimeOp(isSkinned ? skinned : plain, op, row.reps);
                }
                (isSkinned ? s[i] : p[i]).push_back(t);
            }
        }
    }

    std::printf("%-42s %10s %9s %7s %5s\n", "median of rounds (ms)", "skinned", "plain", "ratio",
                "goal");
    double worst = -1;
    std::size_t worstRow = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const double sm = Median(s[i]), pm = Median(p[i]);
        const double ratio = pm > 0 ? sm / pm : 0;
        std::printf("%-42s %10.2f %9.2f %7.2f %5.0f%s\n", rows[i].name.c_str(), sm, pm, ratio,
                    rows[i].goal, ratio > rows[i].goal ? "  over" : "");
        if (ratio / rows[i].goal > worst) {
            worst = ratio / rows[i].goal;
            worstRow = i;
        }
    }
    if (!rows.empty())
        std::printf("worst: %s %.2f x (goal %.0f)\n", rows[worstRow].name.c_str(),
                    worst * rows[worstRow].goal, rows[worstRow].goal);
    if (profile) {
        bench::SetCallProfileOn(false);
        std::printf("\nthe skinned side's calls over all rounds:\n");
        bench::PrintCallProfile(30);
    }
    for (HWND w : {skinnedWindow, plainWindow}) DestroyWindow(w);
    skin::ReleaseSkinData();
    skin::ShutdownGdiplus();
    return 0;
}
