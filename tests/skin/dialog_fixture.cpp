#include "tests/skin/dialog_fixture.h"

#include <commctrl.h>

#include "skin/controls/toolbar_registration.h"
#include "tests/skin/test_dialog_ids.h"
#include "tests/support/win_test.h"

namespace dialog_test {
namespace {

WNDPROC g_ownPrevious = nullptr;

// A program's own button: it paints itself, whatever the skin does.
LRESULT CALLBACK OwnPaintProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(w, &ps);
        RECT r;
        GetClientRect(w, &r);
        HBRUSH brush = CreateSolidBrush(kOwnPaint);
        FillRect(dc, &r, brush);
        DeleteObject(brush);
        EndPaint(w, &ps);
        return 0;
    }
    return CallWindowProcA(g_ownPrevious, w, m, wp, lp);
}

INT_PTR CALLBACK PageProc(HWND page, UINT m, WPARAM wp, LPARAM lp) {
    switch (m) {
        case WM_INITDIALOG:
            if (HWND own = GetDlgItem(page, IDC_T_OWN_PAINT))
                g_ownPrevious = reinterpret_cast<WNDPROC>(
                    SetWindowLongPtrA(own, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OwnPaintProc)));
            return FALSE;
        case WM_CTLCOLORSTATIC:
            if (GetDlgCtrlID(reinterpret_cast<HWND>(lp)) != IDC_T_COLOURED) return FALSE;
            SetTextColor(reinterpret_cast<HDC>(wp), kAnsweredGreen);
            SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
            return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
        default: return FALSE;
    }
}

INT_PTR CALLBACK MainProc(HWND dialog, UINT m, WPARAM, LPARAM lp) {
    switch (m) {
        case WM_INITDIALOG: {
            HWND tab = GetDlgItem(dialog, IDC_T_TAB);
            const char* titles[] = {"&Form", "&Other"};
            for (int i = 0; i < 2; ++i) {
                TCITEMA item{};
                item.mask = TCIF_TEXT;
                item.pszText = const_cast<char*>(titles[i]);
                SendMessageA(tab, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
            }
            RECT area{};
            GetClientRect(tab, &area);
            SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
            for (int id : {IDD_TEST_FORM, IDD_TEST_OTHER}) {
                HWND page = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), tab,
                                               PageProc, 0);
                SetWindowPos(page, nullptr, area.left, area.top, area.right - area.left,
                             area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
            }
            return FALSE;
        }
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lp);
            if (header->code != static_cast<UINT>(TCN_SELCHANGE)) return FALSE;
            const int page = static_cast<int>(SendMessageA(header->hwndFrom, TCM_GETCURSEL, 0, 0));
            int i = 0;
            for (HWND c = GetWindow(header->hwndFrom, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
                ShowWindow(c, i++ == page ? SW_SHOW : SW_HIDE);
            return TRUE;
        }
        default: return FALSE;
    }
}

}  // namespace

Rgb Shot::At(int x, int y) const {
    const COLORREF c = pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                              static_cast<std::size_t>(x)];
    return {static_cast<int>((c >> 16) & 0xFF), static_cast<int>((c >> 8) & 0xFF),
            static_cast<int>(c & 0xFF)};
}

Shot Grab(HWND window, bool wholeWindow) {
    Shot shot;
    RECT r{};
    if (wholeWindow) {
        GetWindowRect(window, &r);
        OffsetRect(&r, -r.left, -r.top);
    } else {
        GetClientRect(window, &r);
    }
    shot.width = r.right;
    shot.height = r.bottom;
    if (shot.width <= 0 || shot.height <= 0) return shot;
    HDC screen = wholeWindow ? GetWindowDC(window) : GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = shot.width;
    bi.bmiHeader.biHeight = -shot.height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, shot.width, shot.height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* p = static_cast<const COLORREF*>(bits);
    shot.pixels.assign(p, p + static_cast<std::size_t>(shot.width) * shot.height);
    for (COLORREF& c : shot.pixels) c &= 0xFFFFFF;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return shot;
}

std::vector<int> RowsThatDiffer(const Shot& a, const Shot& b) {
    std::vector<int> rows;
    if (a.width != b.width || a.height != b.height) return {-1};
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            if (!(a.At(x, y) == b.At(x, y))) {
                rows.push_back(y);
                break;
            }
    return rows;
}

RECT RectIn(HWND control, HWND window) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void DialogTest::TearDown() {
    if (IsWindow(dialog_)) DestroyWindow(dialog_);
    dialog_ = nullptr;
    ContainerTest::TearDown();
}

void DialogTest::CreateTestDialog() {
    static const bool commonControls = [] {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_TAB_CLASSES};
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    ASSERT_TRUE(commonControls);
    dialog_ = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TEST_MAIN),
                                 nullptr, MainProc, 0);
    ASSERT_TRUE(dialog_);
    SetWindowPos(dialog_, nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    tab_ = GetDlgItem(dialog_, IDC_T_TAB);
    form_ = GetWindow(tab_, GW_CHILD);
    other_ = form_ ? GetWindow(form_, GW_HWNDNEXT) : nullptr;
    ASSERT_TRUE(form_ && other_);
    ShowWindow(form_, SW_SHOWNA);
}

void DialogTest::SkinAndShowDialog() {
    skin::ApplySkin(dialog_, {});
    ASSERT_GT(skin::RegisterContainer(tab_), 0);
    ASSERT_GT(skin::RegisterContainer(GetDlgItem(form_, IDC_T_GROUP)), 0);
    ShowWindow(dialog_, SW_SHOWNOACTIVATE);
    UpdateWindow(dialog_);
    testing_support::PumpUntilIdle(500);
}

void DialogTest::SelectPage(int index) {
    SendMessageA(tab_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    NMHDR header{tab_, static_cast<UINT_PTR>(IDC_T_TAB), static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(dialog_, WM_NOTIFY, IDC_T_TAB, reinterpret_cast<LPARAM>(&header));
    testing_support::PumpUntilIdle(300);
}

}  // namespace dialog_test
