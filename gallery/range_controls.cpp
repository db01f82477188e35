// Trackbars, progress bars, up-down controls and a header.
#include "gallery/gallery.h"

namespace gallery {

void AddRangeControls(Layout&) {}

std::string ReportRangeControls() { return {}; }

}  // namespace gallery
