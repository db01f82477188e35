#include "skin/controls/control_passes.h"

#include "skin/controls/edit_box.h"
#include "skin/controls/header.h"
#include "skin/controls/list_controls.h"
#include "skin/controls/progress_bar.h"
#include "skin/controls/static_label.h"
#include "skin/controls/toolbar_registration.h"
#include "skin/controls/trackbar.h"
#include "skin/controls/up_down.h"
#include "skin/controls/button_skin.h"

namespace skin {

void SkinChildren(int index, HWND parent) {
    SkinPushButtons(index, parent);
    SkinCheckAndRadioButtons(index, parent);
    SkinEditAndComboChildren(index, parent);
    SkinTrackbarChildren(index, parent);
    SkinProgressChildren(index, parent);
    SkinListChildren(index, parent);
    SkinUpDownChildren(index, parent);
    SkinHeaderChildren(index, parent);
    SkinToolbarChildren(index, parent);
    SkinStaticChildren(index, parent);
    SkinChildDialogs(index, parent);
}

}  // namespace skin
