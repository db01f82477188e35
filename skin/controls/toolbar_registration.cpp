// Not skinned yet: these controls keep their native look.
#include "skin/controls/toolbar_registration.h"

namespace skin {

void SkinToolbarChildren(int, HWND) {}

}  // namespace skin
