// Not skinned yet: these controls keep their native look.
#include "skin/controls/up_down.h"

namespace skin {

void SkinUpDownChildren(int, HWND) {}

}  // namespace skin
