// Not skinned yet: these controls keep their native look.
#include "skin/controls/trackbar.h"

namespace skin {

void SkinTrackbarChildren(int, HWND) {}

}  // namespace skin
