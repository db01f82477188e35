// Toolbar registration and containers: controls on a container hosted by a
// toolbar are skinned exactly like the same controls placed on the window, and
// registering again changes nothing.
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "skin/controls/container.h"
#include "skin/controls/toolbar.h"
#include "skin/controls/toolbar_registration.h"
#include "skin/base/skinner_kit.h"
#include "tests/skin/container_fixture.h"

namespace container_test {
namespace {

using skin::ListKind;

struct ControlSpec {
    const char* cls;
    const char* text;
    DWORD style;
};

// One of every class a control pass takes, and a few that none takes.
const std::vector<ControlSpec>& EveryClass() {
    static const std::vector<ControlSpec> specs = {
        {WC_BUTTONA, "Push", BS_PUSHBUTTON},
        {WC_BUTTONA, "Check", BS_AUTOCHECKBOX},
        {WC_BUTTONA, "Radio", BS_AUTORADIOBUTTON},
        {WC_BUTTONA, "Group", BS_GROUPBOX},
        {WC_EDITA, "text", WS_BORDER},
        {WC_COMBOBOXA, "", CBS_DROPDOWNLIST},
        {TRACKBAR_CLASSA, "", 0},
        {PROGRESS_CLASSA, "", 0},
        {WC_LISTBOXA, "", WS_BORDER},
        {WC_LISTVIEWA, "", LVS_REPORT},
        {WC_TREEVIEWA, "", 0},
        {UPDOWN_CLASSA, "", 0},
        {WC_HEADERA, "", 0},
        {TOOLBARCLASSNAMEA, "", CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER},
        {STATUSCLASSNAMEA, "", CCS_NORESIZE | CCS_NOPARENTALIGN},
        {WC_STATICA, "label", 0},
    };
    return specs;
}

std::vector<HWND> AddEveryClass(HWND parent) {
    std::vector<HWND> out;
    int i = 0;
    for (const ControlSpec& s : EveryClass()) {
        HWND c = CreateWindowExA(0, s.cls, s.text, WS_CHILD | WS_VISIBLE | s.style,
                                 4 + (i % 4) * 70, 4 + (i / 4) * 34, 66, 30, parent, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        out.push_back(c);
        ++i;
    }
    return out;
}

std::optional<ListKind> ListOf(skin::WindowRecord& r, HWND control) {
    std::optional<ListKind> found;
    r.ForEachControlList([&](auto& list, ListKind kind) {
        if (list.Find(control)) found = kind;
    });
    return found;
}

// For each list, the positions (in `controls`) of the entries it holds, in list order.
std::map<ListKind, std::vector<int>> ListOrder(skin::WindowRecord& r,
                                               const std::vector<HWND>& controls) {
    std::map<ListKind, std::vector<int>> order;
    r.ForEachControlList([&](auto& list, ListKind kind) {
        for (const auto& entry : list.entries())
            for (std::size_t i = 0; i < controls.size(); ++i)
                if (entry.window && entry.window == controls[i])
                    order[kind].push_back(static_cast<int>(i));
    });
    return order;
}

std::map<ListKind, int> ListSizes(skin::WindowRecord& r) {
    std::map<ListKind, int> sizes;
    r.ForEachControlList([&](auto& list, ListKind kind) { sizes[kind] = list.size(); });
    return sizes;
}

class RegistrationTest : public ContainerTest {};

TEST_F(RegistrationTest, ControlsOnAToolbarsContainerAreSkinnedLikeTheWindowsOwn) {
    HWND direct = Window(380, 260);
    const std::vector<HWND> own = AddEveryClass(direct);

    HWND nested = Window(380, 320);
    HWND toolbar = Child(nested, TOOLBARCLASSNAMEA, "",
                         CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, 0, 30, 380, 260);
    HWND panel = Child(toolbar, WC_STATICA, "", 0, 0, 40, 300, 200);
    const std::vector<HWND> hosted = AddEveryClass(panel);

    Show(direct);
    Show(nested);
    skin::WindowRecord& a = *RecordOf(direct);
    skin::WindowRecord& b = *RecordOf(nested);
    for (std::size_t i = 0; i < own.size(); ++i) {
        SCOPED_TRACE(std::string(EveryClass()[i].cls) + " " + EveryClass()[i].text);
        ASSERT_TRUE(own[i] && hosted[i]);
        EXPECT_EQ(skin::CarriesSkinProcedure(hosted[i]), skin::CarriesSkinProcedure(own[i]));
        EXPECT_EQ(ListOf(b, hosted[i]), ListOf(a, own[i]));
    }
    EXPECT_EQ(ListOrder(b, hosted), ListOrder(a, own)) << "classes skinned in another order";

    // The toolbar and its container themselves.
    EXPECT_EQ(GetWindowLongPtrA(toolbar, GWLP_WNDPROC),
              reinterpret_cast<LONG_PTR>(skin::ToolbarSubclassProc));
    EXPECT_EQ(GetWindowLongPtrA(panel, GWLP_WNDPROC),
              reinterpret_cast<LONG_PTR>(skin::ContainerSubclassProc));
    EXPECT_EQ(ListOf(b, toolbar), ListKind::kToolbars);
    EXPECT_EQ(ListOf(b, panel), ListKind::kGroupBoxes);
    EXPECT_EQ(GetPropA(panel, skin::prop::kGroupContainer), nullptr)
        << "no ancestor is a container with its own picture";
    EXPECT_EQ(b.groupBoxes.At(b.groupBoxes.Find(panel))->childrenSkinned, 1);

    // Registering again changes nothing.
    const auto sizes = ListSizes(b);
    std::vector<LONG_PTR> procs;
    for (HWND c : hosted) procs.push_back(GetWindowLongPtrA(c, GWLP_WNDPROC));
    const int toolbarAt = b.toolbars.Find(toolbar), panelAt = b.groupBoxes.Find(panel);
    EXPECT_EQ(skin::RegisterToolbar(toolbar), toolbarAt);
    EXPECT_EQ(skin::RegisterContainer(panel), panelAt);
    skin::SkinToolbarChildren(skin::FindWindowIndex(nested), nested);
    EXPECT_EQ(ListSizes(b), sizes);
    for (std::size_t i = 0; i < hosted.size(); ++i)
        EXPECT_EQ(GetWindowLongPtrA(hosted[i], GWLP_WNDPROC), procs[i]) << EveryClass()[i].cls;
}

TEST_F(RegistrationTest, ToolbarWithoutChildrenMakesNoContainer) {
    HWND top = Window();
    HWND toolbar =
        Child(top, TOOLBARCLASSNAMEA, "", CCS_NORESIZE | CCS_NOPARENTALIGN, 0, 30, 300, 40);
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24, 1, 0);
    SendMessageA(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    Show(top);
    skin::WindowRecord& r = *RecordOf(top);
    const int position = r.toolbars.Find(toolbar);
    ASSERT_GT(position, 0);
    EXPECT_EQ(GetPropA(toolbar, skin::prop::kToolbarImages), images);
    EXPECT_EQ(reinterpret_cast<INT_PTR>(GetPropA(toolbar, skin::prop::kToolbarIndex)), position);
    EXPECT_EQ(reinterpret_cast<INT_PTR>(GetPropA(toolbar, skin::prop::kToolbarOwner)),
              skin::FindWindowIndex(top));
    EXPECT_NE(GetPropA(toolbar, skin::prop::kToolbarPrevProc), nullptr);
    const skin::ToolbarRecord& entry = *r.toolbars.At(position);
    EXPECT_EQ(entry.backgroundColour, GetSysColor(COLOR_BTNFACE));
    EXPECT_FALSE(entry.fontName.empty());
    EXPECT_GT(entry.fontSize, 0);
    EXPECT_EQ(r.groupBoxes.size(), 1);
    EXPECT_EQ(r.groupBoxes.At(1)->window, nullptr);
    DestroyWindow(toolbar);
    ImageList_Destroy(images);
}

TEST_F(RegistrationTest, NothingIsRegisteredWithoutASkinnedWindow) {
    HWND plain = Window();  // never skinned
    HWND box = Child(plain, WC_BUTTONA, "", BS_GROUPBOX, 10, 10, 100, 60);
    HWND status =
        Child(plain, STATUSCLASSNAMEA, "", CCS_NORESIZE | CCS_NOPARENTALIGN, 10, 80, 100, 20);
    EXPECT_EQ(skin::RegisterContainer(box), 0);
    EXPECT_EQ(skin::RegisterToolbar(status), 0);
    EXPECT_FALSE(skin::CarriesSkinProcedure(box));
    EXPECT_FALSE(skin::CarriesSkinProcedure(status));
    EXPECT_FALSE(skin::SetContainerTint(box, RGB(1, 2, 3), 10));
    EXPECT_FALSE(skin::AddInnerWindow(box, status));
}

}  // namespace
}  // namespace container_test
