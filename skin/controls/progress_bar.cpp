// Not skinned yet: these controls keep their native look.
#include "skin/controls/progress_bar.h"

namespace skin {

void SkinProgressChildren(int, HWND) {}

}  // namespace skin
