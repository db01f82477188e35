// Repaint rows for edits, combo boxes, list-type controls, scroll-bar overlays.
#include <windows.h>
#include <commctrl.h>

#include "bench/controls/control_rows.h"
#include "skin/controls/combo_box.h"
#include "skin/controls/edit_box.h"
#include "skin/controls/list_controls.h"
#include "skin/controls/scroll_overlay.h"

namespace bench {

void AddTextControlRows(HWND gallery, std::vector<ControlRow>& rows) {
    HWND edit = FindControl(gallery, "Edit");
    HWND list = FindControl(gallery, "ListBox");
    HWND combo = FindControl(gallery, "ComboBox", 2);  // the drop-down list
    if (edit)
        rows.push_back({"edit frame, hovered", [edit](int round) {
                            skin::PaintEditFrame(edit, std::nullopt, round % 2);
                        }});
    if (list)
        rows.push_back(
            {"list frame, hovered", [list](int round) { skin::PaintListFrame(list, round % 2); }});
    if (combo)
        rows.push_back({"combo box, hovered",
                        [combo](int round) { skin::PaintCombo(combo, round % 2 != 0); }});
    if (list)
        rows.push_back({"scroll-bar overlay", [list](int round) {
                            static const int parts[] = {0, 1, 3, 4};
                            skin::PaintVerticalOverlay(list, parts[round % 4]);
                        }});
}

}  // namespace bench
