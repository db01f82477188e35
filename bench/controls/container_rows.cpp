// Repaint rows for toolbars, tab controls, composed controls.
#include "bench/controls/control_rows.h"

namespace bench {

void AddContainerRows(HWND, std::vector<ControlRow>&) {}

}  // namespace bench
