#include "tests/skin/range_controls_fixture.h"

#include "skin/controls/control_passes.h"
#include "tests/support/win_test.h"

namespace range_test {

Shot::Shot(int width, int height) : width_(width), height_(height) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    displaced_ = SelectObject(dc_, bitmap_);
    const RECT r{0, 0, width, height};
    FillRect(dc_, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

Shot::~Shot() {
    SelectObject(dc_, displaced_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

int Brightness(const Rgb& c) { return c.r + c.g + c.b; }
int Greenness(const Rgb& c) { return c.g - (c.r + c.b) / 2; }

SIZE WindowSize(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return {r.right - r.left, r.bottom - r.top};
}

void RangeControlsTest::SetUp() {
    SkinnedWindowTest::SetUp();
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_UPDOWN_CLASS |
                                             ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    window_ = CreateTopLevel(WS_POPUP | WS_CLIPCHILDREN, 480, 330);
    ASSERT_TRUE(window_);
    selTrackbar_ = Child(TRACKBAR_CLASSA, TBS_AUTOTICKS | TBS_ENABLESELRANGE, 10, 40, 200, 32);
    SendMessageA(selTrackbar_, TBM_SETRANGE, FALSE, MAKELPARAM(0, 100));
    SendMessageA(selTrackbar_, TBM_SETPOS, TRUE, 50);
    SendMessageA(selTrackbar_, TBM_SETSEL, TRUE, MAKELPARAM(20, 60));
    plainTrackbar_ = Child(TRACKBAR_CLASSA, TBS_NOTICKS, 10, 80, 200, 28);
    SendMessageA(plainTrackbar_, TBM_SETRANGE, FALSE, MAKELPARAM(0, 100));
    SendMessageA(plainTrackbar_, TBM_SETPOS, TRUE, 50);
    vertTrackbar_ = Child(TRACKBAR_CLASSA, TBS_VERT | TBS_AUTOTICKS, 230, 40, 32, 150);
    SendMessageA(vertTrackbar_, TBM_SETRANGE, FALSE, MAKELPARAM(0, 100));
    SendMessageA(vertTrackbar_, TBM_SETPOS, TRUE, 75);
    progress_ = Child(PROGRESS_CLASSA, 0, 10, 120, 200, 18);
    vertProgress_ = Child(PROGRESS_CLASSA, PBS_VERTICAL, 280, 40, 20, 120);
    upDown_ = Child(UPDOWN_CLASSA, 0, 320, 40, 20, 30);
    horzUpDown_ = Child(UPDOWN_CLASSA, UDS_HORZ, 320, 90, 40, 20);
    header_ = Child(WC_HEADERA, HDS_BUTTONS | HDS_HORZ, 10, 150, 240, 24);
    images_ = ImageList_Create(12, 12, ILC_COLOR32, 1, 0);
    {
        HDC screen = GetDC(nullptr);
        HBITMAP red = CreateCompatibleBitmap(screen, 12, 12);
        HDC dc = CreateCompatibleDC(screen);
        HGDIOBJ old = SelectObject(dc, red);
        const RECT all{0, 0, 12, 12};
        HBRUSH brush = CreateSolidBrush(RGB(255, 0, 0));
        FillRect(dc, &all, brush);
        DeleteObject(brush);
        SelectObject(dc, old);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        ImageList_Add(images_, red, nullptr);
        DeleteObject(red);
    }
    SendMessageA(header_, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
    struct {
        const char* text;
        int fmt;
    } items[] = {{"Alpha", HDF_LEFT | HDF_IMAGE}, {"Beta", HDF_CENTER}, {"Gamma", HDF_RIGHT}};
    for (int i = 0; i < 3; ++i) {
        HDITEMA item{};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT | HDI_IMAGE;
        item.pszText = const_cast<char*>(items[i].text);
        item.cxy = 80;
        item.fmt = HDF_STRING | items[i].fmt;
        item.iImage = 0;  // only the first item asks for it with HDF_IMAGE
        SendMessageA(header_, HDM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
        // comctl32 turns HDF_IMAGE on with the image index; take it back off.
        item.mask = HDI_FORMAT;
        SendMessageA(header_, HDM_SETITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
    listView_ = Child(WC_LISTVIEWA, LVS_REPORT, 10, 190, 200, 80);
    LVCOLUMNA col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH;
    col.pszText = const_cast<char*>("Name");
    col.cx = 100;
    SendMessageA(listView_, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&col));
    listHeader_ = FindWindowExA(listView_, nullptr, WC_HEADERA, nullptr);
    for (HWND w : {selTrackbar_, plainTrackbar_, vertTrackbar_, progress_, vertProgress_, upDown_,
                   horzUpDown_, header_, listHeader_})
        recorder_.Watch(w);
}

void RangeControlsTest::TearDown() {
    if (IsWindow(window_)) DestroyWindow(window_);
    if (images_) ImageList_Destroy(images_);
    SkinnedWindowTest::TearDown();
}

HWND RangeControlsTest::Child(const char* cls, DWORD style, int x, int y, int w, int h) {
    return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | style, x, y, w, h, window_, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

void RangeControlsTest::SkinWindow() {
    skin::ApplySkinOptions o = MainOptions();
    o.captionHeight = 30;
    o.bottomBarHeight = 0;
    SkinAndShow(window_, o);
    recorder_.Clear();
}

skin::WindowRecord& RangeControlsTest::Record() const { return *RecordOf(window_); }

}  // namespace range_test
