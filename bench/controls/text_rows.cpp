// Repaint rows for edits, combo boxes, list-type controls, scroll-bar overlays.
#include "bench/controls/control_rows.h"

namespace bench {

void AddTextControlRows(HWND, std::vector<ControlRow>&) {}

}  // namespace bench
