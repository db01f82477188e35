// Repaint rows for trackbars, progress bars, up-down controls, headers.
#include "bench/controls/control_rows.h"

namespace bench {

void AddRangeControlRows(HWND, std::vector<ControlRow>&) {}

}  // namespace bench
