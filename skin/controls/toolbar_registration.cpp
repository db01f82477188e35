// Toolbar registration: toolbars and composed controls enter the toolbar list,
// and the control a toolbar hosts becomes a container whose children are
// skinned by every control pass.
#include "skin/controls/toolbar_registration.h"

#include <commctrl.h>

#include "skin/controls/container.h"
#include "skin/controls/control_passes.h"
#include "skin/controls/toolbar.h"
#include "skin/base/look.h"
#include "skin/base/control_font.h"
#include "skin/base/skinner_kit.h"
#include "skin/base/window_table.h"

namespace skin {
namespace {

constexpr char kDialogClass[] = "#32770";

bool IsChildDialog(HWND window) {
    return IsClass(window, kDialogClass) && HasStyle(window, WS_CHILD);
}

bool IsGroupBox(HWND window) {
    return IsClass(window, WC_BUTTONA) && (GetWindowLongA(window, GWL_STYLE) & 0xF) == BS_GROUPBOX;
}

// The nearest ancestor marked as a container with its own picture, or 0.
HWND PictureContainerAbove(HWND window) {
    for (HWND c = GetParent(window); c; c = GetParent(c))
        if (GetIntProp(c, prop::kIsContainer) == 1) return c;
    return nullptr;
}

}  // namespace

void SkinToolbarChildren(int, HWND parent) {
    for (HWND toolbar : ChildrenOfClass(parent, TOOLBARCLASSNAMEA)) RegisterToolbar(toolbar);
}

int RegisterToolbar(HWND control) {
    const int index = FindSkinnedAncestor(control);
    WindowRecord* r = Table().At(index);
    if (!r || !control || IsKeptNative(control)) return 0;
    if (const int existing = r->toolbars.Find(control)) return existing;
    ToolbarRecord entry;
    entry.backgroundColour = GetSysColor(COLOR_BTNFACE);
    const ControlFont font = ReadControlFont(control);
    entry.fontName = font.faceName.empty() ? "宋体" : font.faceName;
    entry.fontSize = font.size ? font.size : 12;
    entry.fontStyle = font.style;
    // Only a toolbar understands TB_GETIMAGELIST; to others the number means something else.
    if (IsClass(control, TOOLBARCLASSNAMEA))
        SetIntProp(control, prop::kToolbarImages, SendMessageA(control, TB_GETIMAGELIST, 0, 0));
    const int position = AddAndSubclass(index, control, &WindowRecord::toolbars, std::move(entry),
                                        ToolbarSubclassProc, kToolbarProps);
    if (position == 0) return 0;
    if (HWND hosted = FindWindowExA(control, nullptr, nullptr, nullptr)) RegisterContainer(hosted);
    return position;
}

void SkinChildDialogs(int, HWND parent) {
    for (HWND page : ChildrenOfClass(parent, kDialogClass))
        if (IsChildDialog(page)) RegisterContainer(page);
}

int RegisterContainer(HWND window) {
    const int index = FindSkinnedAncestor(window);
    WindowRecord* r = Table().At(index);
    if (!r || !window) return 0;
    if (const int existing = r->groupBoxes.Find(window)) return existing;
    if (CarriesSkinProcedure(window) || IsKeptNative(window)) return 0;
    GroupBoxRecord entry;
    entry.window = window;
    entry.tintChildren = 1;
    entry.page = IsChildDialog(window) ? 1 : 0;
    const bool groupBox = IsGroupBox(window);
    if (groupBox || IsClass(window, WC_TABCONTROLA)) {
        entry.kind = groupBox ? 1 : 0;
        const ControlFont font = ReadControlFont(window);
        entry.fontName = font.faceName;
        entry.fontSize = font.size;
        entry.fontStyle = font.style;
    }
    const int position = r->groupBoxes.Add(std::move(entry));
    SkinChildren(index, window);
    // The passes may have grown the lists: fetch the entry again.
    r = Table().At(index);
    GroupBoxRecord* added = r ? r->groupBoxes.At(position) : nullptr;
    if (!added || added->window != window) return 0;
    added->childrenSkinned = 1;
    added->previousProc = InstallSubclass(window, ContainerSubclassProc, index, position);
    SetIntProp(window, prop::kGroupContainer,
               reinterpret_cast<std::intptr_t>(PictureContainerAbove(window)));
    InvalidateRect(window, nullptr, TRUE);
    return position;
}

}  // namespace skin
