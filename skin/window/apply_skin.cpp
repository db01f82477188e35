#include "skin/window/apply_skin.h"

#include <memory>

#include "gfx/gfx_font.h"
#include "resources/skin_images.h"
#include "skin/controls/control_passes.h"
#include "skin/core/skin_init.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_proc.h"
#include "skin/window/button_skin.h"
#include "skin/window/window_table.h"

namespace skin {
namespace {

Bytes Copy(const res::ByteSpan& s) { return Bytes(s.data, s.data + s.size); }

bool HasFlag(LONG style, LONG flag) { return (style | flag) == style; }

LONG ButtonType(HWND control) { return GetWindowLongA(control, GWL_STYLE) & 0x0F; }

std::string WindowTextOf(HWND hwnd) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Subclasses a recorded button and ties it to its record.
void SubclassButton(HWND c, int index, int position, ButtonRecord& record) {
    SetIntProp(c, prop::kIndex, position);
    SetIntProp(c, prop::kOwnerIndex, index);
    record.previousProc = reinterpret_cast<WNDPROC>(
        SetWindowLongA(c, GWL_WNDPROC, reinterpret_cast<LONG>(ButtonSubclassProc)));
    SetIntProp(c, prop::kPrevProc, reinterpret_cast<std::intptr_t>(record.previousProc));
}

void AddCaptionButton(WindowRecord& r, int& total, int width, const res::ByteSpan& image,
                      int command, const char* tooltip, const res::ByteSpan* second = nullptr) {
    CaptionButton b;
    b.width = width;
    b.height = 18;
    b.image = Copy(image);
    if (second) b.secondImage = Copy(*second);
    b.command = command;
    b.tooltip = tooltip;
    r.captionButtons.push_back(std::move(b));
    total += width;
}

RECT ToRect(const FloatRect& f) {
    return {static_cast<LONG>(f.x), static_cast<LONG>(f.y), static_cast<LONG>(f.x + f.width),
            static_cast<LONG>(f.y + f.height)};
}

// Walks the panels from the left border: each starts where the previous ended.
void LayoutPanels(WindowRecord& r, int clientRight, bool setup) {
    const int b = kResizeBorder;
    r.panelRects.resize(r.panels.size());
    int x = b, previousWidth = 0;
    for (std::size_t i = 0; i < r.panels.size(); ++i) {
        x += previousWidth;
        int w = r.panels[i].width;
        if (w == -1) w = setup ? clientRight - b - x : clientRight - x - 2 * b;
        r.panelRects[i] = {x, r.bottomBar.y, w, r.bottomBarHeight};
        previousWidth = r.panels[i].width;
    }
}

}  // namespace

bool IsPushButtonStyle(HWND control) {
    LONG t = ButtonType(control);
    return !(t & 2) && !(t & 4) && !((t & 1) && (t & 8));
}
bool IsRadioStyle(HWND control) {
    LONG t = ButtonType(control);
    return (t & 1) && (t & 8) && !(t & 2) && !(t & 4);
}
bool IsCheckBoxStyle(HWND control) {
    LONG t = ButtonType(control);
    return (t & 2) && !(t & 4);
}

ControlFont ReadControlFont(HWND control) {
    ControlFont out;
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    HDC dc = GetDC(control);
    {
        gfx::GfxFont f;
        if (f.CreateFromHFONT(dc, font)) {
            out.size = static_cast<int>(f.GetSize());
            out.style = f.GetStyle();
            gfx::GfxFontFamily family;
            if (f.GetFamily(family)) out.faceName = family.GetFamilyName();
        }
    }
    ReleaseDC(control, dc);
    return out;
}

void ApplySkin(HWND window, const ApplySkinOptions& o) {
    if (!window || FindWindowIndex(window) > 0) return;
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    RECT client{};
    GetClientRect(window, &client);

    auto r = std::make_unique<WindowRecord>();
    r->window = window;
    r->captionHeight = std::max(o.captionHeight.value_or(0), 25);
    r->helpButton = o.helpButton.value_or(false);
    r->menuButton = o.menuButton.value_or(false);
    r->minimizeButton = HasFlag(style, WS_MINIMIZEBOX);
    r->maximizeButton = HasFlag(style, WS_MAXIMIZEBOX);
    r->closeButton = true;
    r->dragOption = o.dragOption.value_or(true);
    r->doubleClickOption = o.doubleClickOption.value_or(true);
    r->drawCaptionTitle = o.drawCaptionTitle.value_or(true);
    r->captionOption = o.captionOption.value_or(0);
    r->backgroundMode = o.backgroundMode.value_or(State().imageMode);
    r->minTrackWidth = 200;
    r->minTrackHeight = 150;
    r->maxTrackWidth = GetSystemMetrics(SM_CXSCREEN);
    r->maxTrackHeight = GetSystemMetrics(SM_CYSCREEN);

    if (!o.backgroundImage.empty()) {
        const ImageSource source{{}, o.backgroundImage};
        r->backgroundAverage = AverageColour(source, 2000);
        if (r->backgroundMode == 0 || r->backgroundMode == 1)
            r->backgroundImage =
                ComposeFadedImage(source, std::nullopt, r->backgroundAverage,
                                  r->backgroundMode == 1 ? std::optional<int>(0) : std::nullopt);
        else
            r->backgroundImage.assign(o.backgroundImage.begin(), o.backgroundImage.end());
    }

    int total = 0;
    if (r->helpButton) AddCaptionButton(*r, total, 26, res::caption_help_png, kHelp, "帮助");
    if (r->menuButton) AddCaptionButton(*r, total, 26, res::caption_menu_png, kMainMenu, "主菜单");
    if (r->minimizeButton)
        AddCaptionButton(*r, total, 26, res::caption_min_png, kMinimize, "最小化");
    if (r->maximizeButton)
        AddCaptionButton(*r, total, 26, res::caption_max_png, kMaximize, "最大化",
                         &res::caption_restore_png);
    AddCaptionButton(*r, total, 38, res::caption_close_png, kClose, "关闭");
    r->stripWidth = total + (r->CaptionButtonCount() - 1) + 3;
    r->stripHeight = 22;
    r->stripY = 0;

    SetWindowLongA(window, GWL_STYLE, style | WS_SYSMENU);
    const int index = Table().Append(std::move(r));
    WindowRecord& rec = *Table().At(index);

    rec.captionTooltip.Create(window, false);
    for (int i = 2; i <= rec.CaptionButtonCount(); ++i) {
        const CaptionButton& b = *rec.CaptionAt(i);
        rec.captionTooltip.AddTool(ToRect(b.hit), b.tooltip, static_cast<UINT_PTR>(i));
    }
    LayoutCaptionButtons(index);

    const int barHeight = o.bottomBarHeight.value_or(0);
    if (barHeight > 0) {
        if (o.bottomBarPanels)
            SetupBottomBar(index, barHeight, *o.bottomBarPanels, true);
        else
            SetupBottomBar(index, barHeight, {}, false);
        rec.barTextOption = 0;
        rec.barTextColour = 0xFFFFFF;
        rec.barFontName = "宋体";
        rec.barFontSize = 12;
    }
    LayoutBottomBar(index);

    SkinPushButtons(index, window);
    SkinCheckAndRadioButtons(index, window);
    SkinEditAndComboBoxes(index, window);
    SkinTrackbars(index, window);
    SkinProgressBars(index, window);
    SkinListTypeControls(index, window);
    SkinUpDownControls(index, window);
    SkinHeaders(index, window);
    RegisterToolbars(index, window);

    rec.frameDirty = true;
    rec.previousProc = reinterpret_cast<WNDPROC>(
        SetWindowLongA(window, GWL_WNDPROC, reinterpret_cast<LONG>(SkinnedWindowProc)));
    SetIntProp(window, prop::kPrevProc, reinterpret_cast<std::intptr_t>(rec.previousProc));
    SetIntProp(window, prop::kIndex, index);
}

void LayoutCaptionButtons(int index) {
    WindowRecord* r = Table().At(index);
    if (!r) return;
    if (r->window) {
        RECT client{};
        GetClientRect(r->window, &client);
        r->stripX = client.right - r->stripWidth + 1;
        r->stripHeight = 22;
    }
    const float x0 = static_cast<float>(r->stripX + 2), y0 = static_cast<float>(r->stripY + 1);
    for (int i = 2; i <= r->CaptionButtonCount(); ++i) {
        CaptionButton& b = *r->CaptionAt(i);
        b.hit = {x0 + 27.0f * static_cast<float>(i - 2), y0, b.command != kClose ? 26.0f : 40.0f,
                 18.0f};
    }
    for (int i = 2; i <= r->CaptionButtonCount(); ++i) {
        const CaptionButton& b = *r->CaptionAt(i);
        r->captionTooltip.SetToolRect(static_cast<UINT_PTR>(i), ToRect(b.hit));
        r->captionTooltip.SetToolText(static_cast<UINT_PTR>(i), b.tooltip);
    }
}

void SetupBottomBar(int index, int height, std::span<const PanelDefinition> panels, bool given) {
    WindowRecord* r = Table().At(index);
    if (!r) return;
    r->bottomBarHeight = height;
    RECT client{};
    GetClientRect(r->window, &client);
    const int b = kResizeBorder;
    r->bottomBar = {b, client.bottom - b - height - 1, client.right - 2 * b, height};
    r->panels.clear();
    if (given) {
        for (const PanelDefinition& p : panels)
            r->panels.push_back({p.width, p.text, p.image, p.option});
        LayoutPanels(*r, client.right, true);
    } else {
        r->panels.push_back(Panel{});
        r->panelRects = {{b, r->bottomBar.y, client.right - 2 * b, height}};
    }
}

void LayoutBottomBar(int index) {
    WindowRecord* r = Table().At(index);
    if (!r) return;
    RECT client{};
    GetClientRect(r->window, &client);
    const int b = kResizeBorder;
    r->bottomBar.y = client.bottom - r->bottomBarHeight - b - 1;
    r->bottomBar.width = client.right - 2 * b;
    LayoutPanels(*r, client.right, false);
}

void InvalidateHeaderList(int index) {
    WindowRecord* r = Table().At(index);
    if (!r) return;
    for (const ControlRecord& h : r->headers.entries())
        if (h.window) InvalidateRect(h.window, nullptr, FALSE);
}

void SkinPushButtons(int index, HWND parent) {
    WindowRecord* r = Table().At(index);
    if (!r || !State().controlBackground) return;
    for (HWND c = FindWindowExA(parent, nullptr, "BUTTON", nullptr); c;
         c = FindWindowExA(parent, c, "BUTTON", nullptr)) {
        const LONG s = GetWindowLongA(c, GWL_STYLE);
        if ((s & 0x0F) == BS_OWNERDRAW || !IsPushButtonStyle(c)) continue;
        if (FindButtonRecord(index, c) > 0) continue;
        ButtonRecord rec;
        rec.window = c;
        rec.kind = kPushButton;
        rec.text = WindowTextOf(c);
        const ControlFont font = ReadControlFont(c);
        rec.fontName = font.faceName.empty() ? "宋体" : font.faceName;
        rec.fontSize = font.size ? font.size : 12;
        rec.fontStyle = font.style;
        const int position = r->buttons.Add(std::move(rec));
        SubclassButton(c, index, position, *r->buttons.At(position));
        SetWindowLongA(c, GWL_STYLE, s | BS_OWNERDRAW);
    }
}

void SkinCheckAndRadioButtons(int index, HWND parent) {
    WindowRecord* r = Table().At(index);
    if (!r || !State().controlBackground) return;
    for (HWND c = FindWindowExA(parent, nullptr, "BUTTON", nullptr); c;
         c = FindWindowExA(parent, c, "BUTTON", nullptr)) {
        if (!IsRadioStyle(c) && !IsCheckBoxStyle(c)) continue;
        const LONG s = GetWindowLongA(c, GWL_STYLE);
        const bool checked = SendMessageA(c, BM_GETCHECK, 0, 0) == 1;
        if ((s & 0x0F) == BS_OWNERDRAW) continue;
        ButtonRecord rec;
        rec.window = c;
        rec.text = WindowTextOf(c);
        rec.checked = checked;
        rec.parent = parent;
        rec.kind = IsCheckBoxStyle(c) ? kCheckBox : kRadioButton;
        const ControlFont font = ReadControlFont(c);
        rec.fontName = font.faceName;
        rec.fontSize = font.size;
        rec.fontStyle = font.style;
        const int position = r->buttons.Add(std::move(rec));
        SubclassButton(c, index, position, *r->buttons.At(position));
    }
}

}  // namespace skin
