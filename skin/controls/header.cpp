// Not skinned yet: these controls keep their native look.
#include "skin/controls/header.h"

namespace skin {

void SkinHeaderChildren(int, HWND) {}

}  // namespace skin
