// Repaint rows for toolbars, tab controls, composed controls.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "bench/controls/control_rows.h"
#include "gallery/gallery.h"
#include "skin/controls/toolbar.h"
#include "skin/base/gdi_guards.h"

namespace bench {
namespace {

// A memory surface of a control's client size, kept for all its rounds.
struct Surface {
    explicit Surface(HWND control) {
        RECT r{};
        GetClientRect(control, &r);
        dc.reset(CreateCompatibleDC(nullptr));
        bitmap.reset(gdi::NewArgbDib(r.right, r.bottom));
        old = SelectObject(dc.get(), bitmap.get());
    }
    ~Surface() { SelectObject(dc.get(), old); }
    gdi::MemoryDc dc;
    gdi::Bitmap bitmap;
    HGDIOBJ old = nullptr;
};

// A composed control laid over the skin into memory, against the same control
// painting itself plainly into memory (WM_PRINTCLIENT reaches it unchanged).
void AddComposedPair(HWND control, const char* name, std::vector<ControlRow>& rows) {
    if (!control) return;
    auto surface = std::make_shared<Surface>(control);
    rows.push_back({std::string(name) + " composed over the skin",
                    [control, surface](int) { skin::ComposeControl(control, surface->dc.get()); },
                    0.1});
    rows.push_back({std::string(name) + " plain paint",
                    [control, surface](int) {
                        SendMessageA(control, WM_PRINTCLIENT,
                                     reinterpret_cast<WPARAM>(surface->dc.get()), PRF_CLIENT);
                    },
                    0.1});
}

}  // namespace

void AddContainerRows(HWND gallery, std::vector<ControlRow>& rows) {
    if (HWND toolbar = FindControl(gallery, TOOLBARCLASSNAMEA)) {
        // The hot item moves between two buttons, as the mouse would move it.
        rows.push_back({"toolbar hover repaint",
                        [toolbar](int round) {
                            SendMessageA(toolbar, TB_SETHOTITEM, round % 2 ? 0 : 3, 0);
                            UpdateWindow(toolbar);
                        },
                        0.1});
    }
    if (HWND tab = FindControl(gallery, WC_TABCONTROLA)) {
        rows.push_back({"tab switch",
                        [tab](int round) {
                            SendMessageA(tab, TCM_SETCURSEL, static_cast<WPARAM>(round % 3), 0);
                            const NMHDR changed{tab, 0, static_cast<UINT>(TCN_SELCHANGE)};
                            gallery::OnContainerNotify(changed);
                            RedrawWindow(tab, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
                        },
                        0.5});
    }
    if (HWND status = FindControl(gallery, STATUSCLASSNAMEA)) {
        rows.push_back({"status bar (composed) paint",
                        [status](int) {
                            RedrawWindow(status, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
                        },
                        0.1});
    }
    AddComposedPair(FindControl(gallery, STATUSCLASSNAMEA), "status bar", rows);
    AddComposedPair(FindControl(gallery, MONTHCAL_CLASSA), "month calendar", rows);
    AddComposedPair(FindControl(gallery, "RichEdit20A"), "rich edit", rows);
}

}  // namespace bench
