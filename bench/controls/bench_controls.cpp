// One repaint of each kind of skinned control against one full render of the
// main window, in the same run and alternating. Prints each ratio, the worst last.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/main_window.h"
#include "app/startup.h"
#include "bench/common/timing.h"
#include "bench/controls/control_rows.h"
#include "gallery/gallery.h"
#include "skin/frame/frame_painter.h"
#include "skin/base/window_table.h"

namespace bench {

HWND FindControl(HWND gallery, const char* className, int skip) {
    struct Search {
        const char* name;
        int skip;
        HWND found = nullptr;
        static BOOL CALLBACK Visit(HWND w, LPARAM lp) {
            auto* s = reinterpret_cast<Search*>(lp);
            char cls[64] = {};
            GetClassNameA(w, cls, sizeof cls);
            if (lstrcmpiA(cls, s->name) == 0 && s->skip-- == 0) {
                s->found = w;
                return FALSE;
            }
            return TRUE;
        }
    } search{className, skip};
    EnumChildWindows(gallery, Search::Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace bench

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(3, std::atoi(argv[1])) : 7;
    const int reps = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    app::StartUp();
    HWND main = app::CreateMainWindow(instance);
    HWND gallery = gallery::CreateGallery(instance);
    if (!main || !gallery) return 1;
    ShowWindow(main, SW_SHOWNOACTIVATE);
    ShowWindow(gallery, SW_SHOWNOACTIVATE);
    UpdateWindow(main);
    UpdateWindow(gallery);
    const int mainIndex = skin::FindWindowIndex(main);

    std::vector<bench::ControlRow> rows;
    bench::AddTextControlRows(gallery, rows);
    bench::AddRangeControlRows(gallery, rows);
    bench::AddContainerRows(gallery, rows);
    if (rows.empty()) {
        std::printf("no skinned control to measure yet\n");
        return 0;
    }
    std::vector<double> render;
    std::vector<std::vector<double>> times(rows.size());
    for (int r = 0; r < rounds; ++r) {
        render.push_back(
            bench::TimeEach(reps, [&](int) { skin::FullFrameRender(mainIndex, nullptr, true); }));
        for (std::size_t i = 0; i < rows.size(); ++i)
            times[i].push_back(
                bench::TimeEach(reps, [&](int k) { rows[i].repaint(r * reps + k); }));
    }
    const double base = bench::Median(render);
    std::printf("full render of the main window: %.2f ms\n", base);
    std::vector<std::pair<double, std::size_t>> ratios;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const double ratio = bench::Median(times[i]) / base;
        ratios.push_back({ratio / rows[i].goal, i});
        std::printf("%s: %.3f x a full render (goal %.2f)\n", rows[i].name.c_str(), ratio,
                    rows[i].goal);
    }
    const auto worst = *std::max_element(ratios.begin(), ratios.end());
    const bench::ControlRow& w = rows[worst.second];
    std::printf("worst: %s %.3f x a full render (goal %.2f)\n", w.name.c_str(),
                worst.first * w.goal, w.goal);
    return 0;
}
