#include "skin/controls/owner_draw.h"

#include "skin/controls/button_skin.h"
#include "skin/base/window_table.h"

namespace skin {

void DispatchDrawItem(int index, const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_BUTTON) return;
    const std::intptr_t position = GetIntProp(item.hwndItem, prop::kIndex);
    if (position < 1) return;
    WindowRecord* r = Table().At(index);
    if (!r) return;
    ButtonRecord* b = r->buttons.At(position);
    // Check boxes and radio buttons paint themselves in their own procedure.
    if (!b || b->window != item.hwndItem || b->kind != kPushButton) return;
    PaintPushButton(item.hwndItem, item.hDC, item.itemState, item.rcItem);
}

}  // namespace skin
