// Not skinned yet: these controls keep their native look.
#include "skin/controls/list_controls.h"

namespace skin {

void SkinListChildren(int, HWND) {}

}  // namespace skin
