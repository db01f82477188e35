// A tab control whose pages are child dialogs made from templates in the
// gallery's resources, the way dialog programs build their property pages: a
// form (a group box with sibling labels, edits, a check box and buttons, all
// with mnemonics) and a page of labels (alignments, ellipses, a disabled label,
// an etched line, an icon). The skin takes the pages with the tab control.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "gallery/dialog_ids.h"
#include "gallery/gallery.h"
#include "skin/controls/toolbar_registration.h"
#include "skin/base/skinner_kit.h"

namespace gallery {
namespace {

struct DialogPages {
    HWND tab = nullptr, form = nullptr, labels = nullptr;
    int opened = 0;  // presses of the form's open button
};

DialogPages& Pages() {
    static DialogPages pages;
    return pages;
}

void OnFormCommand(HWND page, WORD id) {
    if (id == IDC_OPEN) {
        ++Pages().opened;
        const std::string note = "已打开 " + std::to_string(Pages().opened) + " 次";
        SetDlgItemTextA(page, IDC_NOTE, note.c_str());
    } else if (id == IDC_CLEAR) {
        SetDlgItemTextA(page, IDC_NAME_EDIT, "");
        SetDlgItemTextA(page, IDC_PHONE_EDIT, "");
    }
}

INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wp, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            if (HWND icon = GetDlgItem(page, IDC_INFO_ICON))
                SendMessageA(icon, STM_SETICON,
                             reinterpret_cast<WPARAM>(LoadIconA(nullptr, IDI_INFORMATION)), 0);
            CheckRadioButton(page, IDC_CHOICE_A, IDC_CHOICE_B, IDC_CHOICE_A);
            return FALSE;  // a page takes no focus when it is made
        case WM_COMMAND:
            if (HIWORD(wp) == BN_CLICKED) OnFormCommand(page, LOWORD(wp));
            return TRUE;
        default: return FALSE;
    }
}

HWND AddPage(HWND tab, int page, int templateId, const char* title) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(title);
    SendMessageA(tab, TCM_INSERTITEMA, static_cast<WPARAM>(page - 1),
                 reinterpret_cast<LPARAM>(&item));
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), tab,
                                     PageProc, 0);
    if (!dialog) return nullptr;
    SetPropA(dialog, kPageProp, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(page)));
    return dialog;
}

// The pages fill the tab control's display area.
void PlacePages(HWND tab) {
    RECT area{};
    GetClientRect(tab, &area);
    SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    for (HWND page : {Pages().form, Pages().labels})
        if (page)
            SetWindowPos(page, nullptr, area.left, area.top, area.right - area.left,
                         area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string TextOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

}  // namespace

void AddDialogPages(Layout& layout) {
    // WS_EX_CONTROLPARENT: the keyboard goes on into the pages' controls.
    HWND tab = layout.Add("对话框页（模板）", WC_TABCONTROLA, "", WS_CLIPSIBLINGS, 270, 196,
                          WS_EX_CONTROLPARENT);
    if (!tab) return;
    Pages().tab = tab;
    Pages().form = AddPage(tab, 1, IDD_FORM_PAGE, "表单");
    Pages().labels = AddPage(tab, 2, IDD_LABEL_PAGE, "标签");
    PlacePages(tab);
    if (Pages().form) ShowWindow(Pages().form, SW_SHOW);
}

void SkinDialogPages() {
    // The pages come with the tab control; their group boxes are handed over
    // like the window's own.
    for (HWND page : {Pages().form, Pages().labels})
        for (HWND c : skin::ChildrenOfClass(page, WC_BUTTONA))
            if ((GetWindowLongA(c, GWL_STYLE) & 0xF) == BS_GROUPBOX) skin::RegisterContainer(c);
}

std::string DialogPagesLayout() {
    const DialogPages& p = Pages();
    if (!IsWindow(p.tab)) return {};
    std::string out;
    auto line = [&out](const char* name, RECT r, HWND from) {
        MapWindowPoints(from, nullptr, reinterpret_cast<POINT*>(&r), 2);
        out += std::string(name) + " " + std::to_string(r.left) + " " + std::to_string(r.top) +
               " " + std::to_string(r.right - r.left) + " " + std::to_string(r.bottom - r.top) +
               "\n";
    };
    for (int i = 0; i < 2; ++i) {
        RECT r{};
        SendMessageA(p.tab, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
        line(i == 0 ? "dialog_tab1" : "dialog_tab2", r, p.tab);
    }
    if (p.form) {
        RECT r{};
        GetClientRect(p.form, &r);
        line("dialog_page", r, p.form);
    }
    return out;
}

std::string ReportDialogPages() {
    const DialogPages& p = Pages();
    if (!IsWindow(p.tab)) return {};
    std::string out;
    out += "dialog page: " + std::to_string(SendMessageA(p.tab, TCM_GETCURSEL, 0, 0) + 1) + "\n";
    int skinned = 0, controls = 0;
    for (HWND page : {p.form, p.labels}) {
        if (!page) continue;
        out += std::string("dialog page ") + (page == p.form ? "form" : "labels") +
               " shown: " + (IsWindowVisible(page) ? "yes" : "no") + "\n";
        for (HWND c : skin::ChildrenOfClass(page, nullptr)) {
            ++controls;
            if (skin::CarriesSkinProcedure(c)) ++skinned;
        }
    }
    out += "dialog page controls: " + std::to_string(controls) + "\n";
    out += "dialog page controls skinned: " + std::to_string(skinned) + "\n";
    if (p.form) {
        out += "form name: " + TextOf(GetDlgItem(p.form, IDC_NAME_EDIT)) + "\n";
        out += "form phone: " + TextOf(GetDlgItem(p.form, IDC_PHONE_EDIT)) + "\n";
        out += "form opened: " + std::to_string(p.opened) + "\n";
        out += std::string("form remember: ") +
               (IsDlgButtonChecked(p.form, IDC_REMEMBER) == BST_CHECKED ? "yes" : "no") + "\n";
    }
    return out;
}

}  // namespace gallery
