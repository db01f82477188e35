// Repaint rows for toolbars, tab controls, composed controls.
#include <windows.h>
#include <commctrl.h>

#include "bench/controls/control_rows.h"
#include "gallery/gallery.h"

namespace bench {

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
        rows.push_back({"status bar (colour-keyed) paint",
                        [status](int) {
                            RedrawWindow(status, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
                        },
                        0.1});
    }
}

}  // namespace bench
