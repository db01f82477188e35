// A dialog program skinned by one call: the backup settings of settings.rc,
// run with DialogBox as usual. TovikSkinThreadWindows before it skins the
// dialog, its tab pages, group boxes, labels and status bar, and the About box.
#include <windows.h>
#include <commctrl.h>

#include <tovik/skin.h>

#include "settings.h"

namespace {

HWND g_pages[2];

void ShowPage(HWND dialog) {
    const LRESULT chosen = SendDlgItemMessageA(dialog, IDC_TABS, TCM_GETCURSEL, 0, 0);
    for (int i = 0; i < 2; ++i) ShowWindow(g_pages[i], i == chosen ? SW_SHOW : SW_HIDE);
}

INT_PTR CALLBACK PageProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

// The pages are child dialogs on the tab control, filling its display area.
void AddPages(HWND dialog) {
    HWND tabs = GetDlgItem(dialog, IDC_TABS);
    const char* titles[2] = {"What", "When"};
    const int templates[2] = {IDD_WHAT, IDD_WHEN};
    for (int i = 0; i < 2; ++i) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(titles[i]);
        SendMessageA(tabs, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
    RECT area;  // below the row of tabs, so measured once they are there
    GetClientRect(tabs, &area);
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    for (int i = 0; i < 2; ++i) {
        g_pages[i] = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templates[i]),
                                        tabs, PageProc, 0);
        MoveWindow(g_pages[i], area.left, area.top, area.right - area.left,
                   area.bottom - area.top, FALSE);
    }
    SetDlgItemTextA(g_pages[0], IDC_DOCUMENTS, "C:\\Users\\Me\\Documents");
    SetDlgItemTextA(g_pages[0], IDC_PICTURES, "C:\\Users\\Me\\Pictures");
    CheckDlgButton(g_pages[0], IDC_SKIP_TEMP, BST_CHECKED);
    CheckRadioButton(g_pages[1], IDC_DAILY, IDC_BY_HAND, IDC_DAILY);
    SetDlgItemTextA(g_pages[1], IDC_TIME, "21:00");
    SetDlgItemInt(g_pages[1], IDC_COPIES, 5, FALSE);
    ShowPage(dialog);
}

void SetStatus(HWND dialog, const char* text) {
    SendDlgItemMessageA(dialog, IDC_STATUS, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text));
}

void OnCommand(HWND dialog, int id) {
    switch (id) {
        case IDC_BACKUP:
        case IDM_BACKUP: SetStatus(dialog, "Backed up Documents and Pictures just now."); break;
        case IDM_ABOUT:
            MessageBoxA(dialog, "Backup settings\nAn example of the Tovik skin engine.", "About",
                        MB_OK | MB_ICONINFORMATION);
            break;
        case IDCANCEL:
        case IDM_EXIT: EndDialog(dialog, 0); break;
    }
}

INT_PTR CALLBACK MainProc(HWND dialog, UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
        case WM_INITDIALOG:
            AddPages(dialog);
            SetStatus(dialog, "Last backup: yesterday at 21:00.");
            SetFocus(GetDlgItem(dialog, IDC_BACKUP));
            return FALSE;  // the focus is set
        case WM_NOTIFY:
            if (reinterpret_cast<NMHDR*>(lp)->code == TCN_SELCHANGE) ShowPage(dialog);
            return TRUE;
        case WM_COMMAND: OnCommand(dialog, LOWORD(wp)); return TRUE;
        default: return FALSE;
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    tovik::skin::Session skin;          // starts the engine; stops it when WinMain returns
    tovik::skin::SkinThreadWindows();   // every window and dialog made from here on
    return static_cast<int>(
        DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainProc, 0));
}
