// Not skinned yet: these controls keep their native look.
#include "skin/controls/edit_box.h"

namespace skin {

void SkinEditAndComboChildren(int, HWND) {}

}  // namespace skin
