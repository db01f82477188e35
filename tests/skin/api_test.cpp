// The public interface as a program uses it: start the engine, skin one window
// or every window of the thread (dialogs, message boxes, property sheets, pages
// made later), keep a control native, stop with windows open and start again.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>
#include <tovik/skin.h>

#include <string>
#include <vector>

#include "skin/base/window_table.h"
#include "tests/skin/api_resources.h"
#include "tests/support/leak_check.h"
#include "tests/support/win_test.h"

namespace {

using testing_support::PumpUntilIdle;

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

bool Skinned(HWND window) { return skin::FindWindowIndex(window) > 0; }
// A control the skin took: it carries the skin's bookkeeping properties.
bool SkinnedControl(HWND control) {
    return GetPropA(control, "Hw_hProc") != nullptr || GetPropA(control, "Kj_hProc") != nullptr;
}

std::string ClassOf(HWND w) {
    char name[64] = {};
    GetClassNameA(w, name, sizeof name);
    return name;
}

HWND Control(HWND dialog, int id) { return GetDlgItem(dialog, id); }

class PublicInterface : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_TAB_CLASSES};
        InitCommonControlsEx(&icc);
        ASSERT_TRUE(tovik::skin::Start());
    }
    void TearDown() override {
        for (HWND w : windows_)
            if (IsWindow(w)) DestroyWindow(w);
        tovik::skin::Stop();
    }
    HWND Dialog(int id = IDD_API_DIALOG, HWND parent = nullptr, DLGPROC proc = PlainDialogProc) {
        HWND d =
            CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), parent, proc, 0);
        if (d) windows_.push_back(d);
        return d;
    }
    std::vector<HWND> windows_;
};

TEST_F(PublicInterface, OneCallSkinsAWindowWithEverythingOnIt) {
    HWND d = Dialog();
    ASSERT_NE(d, nullptr);
    EXPECT_FALSE(Skinned(d)) << "nothing happens before the program asks";
    tovik::skin::KeepNative(Control(d, IDC_API_KEPT));
    ASSERT_TRUE(tovik::skin::SkinWindow(d));
    EXPECT_TRUE(tovik::skin::SkinWindow(d)) << "a second call changes nothing and succeeds";
    EXPECT_TRUE(Skinned(d));
    EXPECT_EQ(GetWindowLongA(d, GWL_STYLE) & WS_CAPTION, 0);
    // Found and registered by the engine itself: group box, tab control, label.
    for (int id : {IDC_API_GROUP, IDC_API_TAB, IDC_API_LABEL, IDC_API_EDIT, IDC_API_OK}) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(SkinnedControl(Control(d, id))) << ClassOf(Control(d, id));
    }
    EXPECT_FALSE(SkinnedControl(Control(d, IDC_API_KEPT))) << "a kept control stays native";
    EXPECT_EQ(GetWindowLongA(Control(d, IDC_API_KEPT), GWL_STYLE) & 0x0F, BS_PUSHBUTTON);
    EXPECT_FALSE(tovik::skin::SkinWindow(Control(d, IDC_API_EDIT)))
        << "a child is no window to skin";
    EXPECT_FALSE(tovik::skin::SkinWindow(nullptr));
}

// A message box runs its own loop: a timer inside it looks and closes it.
HWND g_seenBox = nullptr;
bool g_boxSkinned = false;
void CALLBACK LookAtMessageBox(HWND, UINT, UINT_PTR id, DWORD) {
    struct Find {
        static BOOL CALLBACK Visit(HWND w, LPARAM) {
            if (ClassOf(w) == "#32770" && IsWindowVisible(w)) g_seenBox = w;
            return TRUE;
        }
    };
    EnumThreadWindows(GetCurrentThreadId(), Find::Visit, 0);
    if (!g_seenBox) return;
    KillTimer(nullptr, id);
    g_boxSkinned = Skinned(g_seenBox);
    PostMessageA(g_seenBox, WM_COMMAND, IDOK, 0);
}

TEST_F(PublicInterface, TheThreadWideCallSkinsDialogsMessageBoxesAndPropertySheets) {
    ASSERT_TRUE(tovik::skin::SkinThreadWindows());
    EXPECT_TRUE(tovik::skin::SkinThreadWindows()) << "twice is once";

    // A dialog made afterwards, with no other call.
    HWND d = Dialog();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(Skinned(d));
    EXPECT_TRUE(SkinnedControl(Control(d, IDC_API_GROUP)));

    // A message box.
    g_seenBox = nullptr;
    g_boxSkinned = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, LookAtMessageBox);
    MessageBoxA(nullptr, "Skinned?", "Message box", MB_OK);
    KillTimer(nullptr, timer);
    ASSERT_NE(g_seenBox, nullptr) << "the message box never showed";
    EXPECT_TRUE(g_boxSkinned);

    // A property sheet: its buttons, its tab and the page it shows; the second
    // page, made when its tab is first chosen, too.
    PROPSHEETPAGEA pages[2]{};
    for (int i = 0; i < 2; ++i) {
        pages[i].dwSize = sizeof pages[i];
        pages[i].hInstance = GetModuleHandleA(nullptr);
        pages[i].pszTemplate = MAKEINTRESOURCEA(i == 0 ? IDD_API_PAGE1 : IDD_API_PAGE2);
        pages[i].pfnDlgProc = PlainDialogProc;
    }
    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_NOAPPLYNOW;
    header.hInstance = GetModuleHandleA(nullptr);
    header.pszCaption = "Sheet";
    header.nPages = 2;
    header.ppsp = pages;
    HWND sheet = reinterpret_cast<HWND>(PropertySheetA(&header));
    ASSERT_NE(sheet, nullptr);
    windows_.push_back(sheet);
    PumpUntilIdle();
    EXPECT_TRUE(Skinned(sheet));
    HWND tab = PropSheet_GetTabControl(sheet);
    EXPECT_TRUE(SkinnedControl(tab)) << "the sheet's tab control";
    EXPECT_TRUE(SkinnedControl(GetDlgItem(sheet, IDOK)));
    HWND first = PropSheet_GetCurrentPageHwnd(sheet);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(SkinnedControl(first)) << "the first page";
    EXPECT_TRUE(SkinnedControl(Control(first, IDC_API_EDIT)));
    PropSheet_SetCurSel(sheet, nullptr, 1);
    PumpUntilIdle();
    HWND second = PropSheet_GetCurrentPageHwnd(sheet);
    ASSERT_NE(second, first);
    EXPECT_TRUE(SkinnedControl(second)) << "a page made later";
    EXPECT_TRUE(SkinnedControl(Control(second, IDC_API_GROUP)));
    EXPECT_TRUE(SkinnedControl(Control(second, IDC_API_OK)));
}

// The window gets its own frame, procedure and controls back.
TEST_F(PublicInterface, StoppingWithWindowsOpenGivesThemTheirOwnLookBack) {
    HWND d = Dialog();
    const LONG style = GetWindowLongA(d, GWL_STYLE);
    const LONG_PTR proc = GetWindowLongPtrA(d, GWLP_WNDPROC);
    RECT client{};
    GetClientRect(d, &client);
    HWND ok = Control(d, IDC_API_OK);
    const LONG okStyle = GetWindowLongA(ok, GWL_STYLE);
    const LONG_PTR okProc = GetWindowLongPtrA(ok, GWLP_WNDPROC);
    ASSERT_TRUE(tovik::skin::SkinWindow(d));
    ASSERT_NE(GetWindowLongPtrA(ok, GWLP_WNDPROC), okProc);

    tovik::skin::Stop();
    EXPECT_EQ(GetWindowLongA(d, GWL_STYLE), style);
    EXPECT_EQ(GetWindowLongPtrA(d, GWLP_WNDPROC), proc);
    RECT now{};
    GetClientRect(d, &now);
    EXPECT_TRUE(EqualRect(&now, &client)) << "the client area keeps its size";
    EXPECT_EQ(GetWindowLongA(ok, GWL_STYLE), okStyle);
    EXPECT_EQ(GetWindowLongPtrA(ok, GWLP_WNDPROC), okProc);
    EXPECT_EQ(GetPropA(ok, "Hw_hProc"), nullptr);
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(d, shape), ERROR) << "no skin shape left";
    DeleteObject(shape);
    // Messages still go where they did.
    SendMessageA(d, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("after"));
    char text[16] = {};
    GetWindowTextA(d, text, sizeof text);
    EXPECT_STREQ(text, "after");
    tovik::skin::Stop();  // twice is safe

    // And again: the same window can be skinned by a new engine.
    ASSERT_TRUE(tovik::skin::Start());
    EXPECT_TRUE(tovik::skin::SkinWindow(d));
}

TEST_F(PublicInterface, StartingAndStoppingWithWindowsOpenLeavesNothingBehind) {
    tovik::skin::Stop();
    const auto growth = testing_support::MeasureGrowth(40, [this] {
        ASSERT_TRUE(tovik::skin::Start());
        tovik::skin::SkinThreadWindows();
        HWND d = Dialog();
        ShowWindow(d, SW_SHOWNOACTIVATE);
        PumpUntilIdle(100);
        tovik::skin::Stop();
        DestroyWindow(d);
        windows_.clear();
    });
    EXPECT_EQ(growth.firstGdi, 0);
    EXPECT_EQ(growth.secondGdi, 0);
    EXPECT_LE(growth.secondBytes, testing_support::kMemorySlack);
    std::printf(
        "[ figures  ] start, skin, stop x 40: GDI objects %+d then %+d, bytes %+lld then %+lld\n",
        growth.firstGdi, growth.secondGdi, growth.firstBytes, growth.secondBytes);
    ASSERT_TRUE(tovik::skin::Start());
}

TEST_F(PublicInterface, ABadPictureStartsNothing) {
    tovik::skin::Stop();
    const unsigned char junk[] = {1, 2, 3, 4, 5, 6, 7, 8};
    TovikSkinLook look{};
    look.picture = junk;
    look.pictureSize = sizeof junk;
    EXPECT_FALSE(tovik::skin::Start(&look));
    EXPECT_FALSE(tovik::skin::SkinThreadWindows()) << "the engine is not running";
    ASSERT_TRUE(tovik::skin::Start());
}

}  // namespace
