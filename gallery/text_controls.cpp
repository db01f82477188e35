// Edits, combo boxes, list-type controls.
#include "gallery/gallery.h"

namespace gallery {

void AddTextControls(Layout&) {}

std::string ReportTextControls() { return {}; }

}  // namespace gallery
