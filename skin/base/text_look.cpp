#include "skin/base/text_look.h"

#include <cmath>

#include "skin/base/window_table.h"

namespace skin {
namespace {

// A text colour no program picks on purpose: it is still there after the
// parent's answer when the parent set none.
constexpr COLORREF kUnset = RGB(1, 254, 3);

// Relative luminance of an sRGB colour (0 black .. 1 white).
double Luminance(COLORREF c) {
    auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(GetRValue(c)) + 0.7152 * linear(GetGValue(c)) +
           0.0722 * linear(GetBValue(c));
}

}  // namespace

std::optional<COLORREF> ProgramTextColour(HWND control, HDC dc, bool askParent) {
    const auto own = reinterpret_cast<INT_PTR>(GetPropA(control, prop::kTextColour));
    if (own != 0 || GetPropA(control, prop::kTextColourSet)) return static_cast<COLORREF>(own);
    HWND parent = GetParent(control);
    if (!askParent || !dc || !parent) return std::nullopt;
    const int saved = SaveDC(dc);
    SetTextColor(dc, kUnset);
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageA(parent, WM_CTLCOLORSTATIC,
                                                             reinterpret_cast<WPARAM>(dc),
                                                             reinterpret_cast<LPARAM>(control)));
    const COLORREF answer = GetTextColor(dc);
    RestoreDC(dc, saved);
    if (answer == kUnset) return std::nullopt;
    // What DefWindowProc answers for every program that does not answer itself.
    if (answer == GetSysColor(COLOR_WINDOWTEXT) && brush == GetSysColorBrush(COLOR_3DFACE))
        return std::nullopt;
    return answer;
}

COLORREF ReadableOn(COLORREF background) {
    const double l = Luminance(background);
    const double onWhite = 1.05 / (l + 0.05), onBlack = (l + 0.05) / 0.05;
    return onWhite >= onBlack ? RGB(255, 255, 255) : RGB(0, 0, 0);
}

COLORREF TextColourOver(HWND control, ControlCanvas& canvas, const RECT& area, bool askParent) {
    return TextColourOver(ProgramTextColour(control, canvas.dc(), askParent), canvas, area);
}

COLORREF TextColourOver(std::optional<COLORREF> chosen, ControlCanvas& canvas, const RECT& area) {
    return chosen ? *chosen : ReadableOn(canvas.MeanColour(area));
}

COLORREF Dimmed(COLORREF text, COLORREF background) {
    auto half = [](int a, int b) { return (a + b) / 2; };
    return RGB(half(GetRValue(text), GetRValue(background)),
               half(GetGValue(text), GetGValue(background)),
               half(GetBValue(text), GetBValue(background)));
}

bool KeyboardCuesShown(HWND control) {
    if (SendMessageA(control, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) return false;
    return GetIntProp(control, prop::kCuesHidden) == 0;
}

void NoteUiState(HWND control, WPARAM wp) {
    if (!(HIWORD(wp) & UISF_HIDEACCEL)) return;
    switch (LOWORD(wp)) {
        case UIS_SET: SetIntProp(control, prop::kCuesHidden, 1); break;
        case UIS_CLEAR: RemoveIntProp(control, prop::kCuesHidden); break;
        default: break;  // UIS_INITIALIZE: the system's own state says it
    }
}

LRESULT OnUpdateUiState(const Msg& m) {
    NoteUiState(m.window, m.wp);
    const LRESULT result = CallPrevious(m);
    InvalidateRect(m.window, nullptr, FALSE);
    return result;
}

Gdiplus::HotkeyPrefix HotkeyPrefixFor(HWND control) {
    return KeyboardCuesShown(control) ? Gdiplus::HotkeyPrefixShow : Gdiplus::HotkeyPrefixHide;
}

std::string WithoutMnemonics(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDBCSLeadByte(static_cast<BYTE>(c)) && i + 1 < text.size()) {
            out += c;
            out += text[++i];
        } else if (c != '&') {
            out += c;
        } else if (i + 1 < text.size() && text[i + 1] == '&') {
            out += '&';
            ++i;
        }
    }
    return out;
}

}  // namespace skin
