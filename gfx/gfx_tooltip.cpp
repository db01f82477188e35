// GfxToolTip: tooltip window creation and its tool messages.
#include "gfx/gfx_tooltip.h"

#include <utility>

namespace gfx {

GfxToolTip::GfxToolTip(GfxToolTip&& other) noexcept
    : tooltip_(std::exchange(other.tooltip_, nullptr)),
      owner_(std::exchange(other.owner_, nullptr)),
      subclassOwner_(other.subclassOwner_) {}

GfxToolTip& GfxToolTip::operator=(GfxToolTip&& other) noexcept {
    if (this != &other) {
        Destroy();
        tooltip_ = std::exchange(other.tooltip_, nullptr);
        owner_ = std::exchange(other.owner_, nullptr);
        subclassOwner_ = other.subclassOwner_;
    }
    return *this;
}

void GfxToolTip::Destroy() noexcept {
    // The owner may already have taken the tooltip down with it.
    if (tooltip_ != nullptr && IsWindow(tooltip_)) DestroyWindow(tooltip_);
    tooltip_ = nullptr;
}

HWND GfxToolTip::Create(HWND owner, bool balloon) noexcept {
    Destroy();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    const DWORD style = TTS_ALWAYSTIP | (balloon ? TTS_BALLOON : 0);
    // Owned by the owner window, so it goes when the owner goes.
    tooltip_ =
        CreateWindowExA(0, TOOLTIPS_CLASSA, "", style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, owner, nullptr, GetModuleHandleA(nullptr), nullptr);
    owner_ = owner;
    return tooltip_;
}

TOOLINFOA GfxToolTip::Tool(UINT_PTR id, const RECT& rect, LPSTR text) const noexcept {
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = subclassOwner_ ? TTF_SUBCLASS : 0;
    tool.hwnd = owner_;
    tool.uId = id;
    tool.rect = rect;
    tool.lpszText = text;
    return tool;
}

void GfxToolTip::Relay(UINT message, WPARAM wParam, POINT client) const noexcept {
    if (!tooltip_) return;
    MSG msg{owner_, message, wParam, MAKELPARAM(client.x, client.y),
            static_cast<DWORD>(GetMessageTime()), {}};
    GetCursorPos(&msg.pt);
    SendMessageA(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

void GfxToolTip::Send(UINT message, TOOLINFOA& tool) const noexcept {
    if (tooltip_ != nullptr) SendMessageA(tooltip_, message, 0, reinterpret_cast<LPARAM>(&tool));
}

void GfxToolTip::AddTool(const RECT& rect, const std::string& text, UINT_PTR id) noexcept {
    // The control copies the text during the call.
    TOOLINFOA tool = Tool(id, rect, const_cast<LPSTR>(text.c_str()));
    Send(TTM_ADDTOOLA, tool);
}

void GfxToolTip::AddToolCallback(const RECT& rect, UINT_PTR id) noexcept {
    TOOLINFOA tool = Tool(id, rect, LPSTR_TEXTCALLBACKA);
    Send(TTM_ADDTOOLA, tool);
}

LRESULT GfxToolTip::SetBackColor(COLORREF color) noexcept {
    return tooltip_ ? SendMessageA(tooltip_, TTM_SETTIPBKCOLOR, color, 0) : 0;
}

LRESULT GfxToolTip::SetTextColor(COLORREF color) noexcept {
    return tooltip_ ? SendMessageA(tooltip_, TTM_SETTIPTEXTCOLOR, color, 0) : 0;
}

int GfxToolTip::SetMaxWidth(int width) noexcept {
    return tooltip_ ? static_cast<int>(SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, width)) : 0;
}

void GfxToolTip::DeleteTool(UINT_PTR id) noexcept {
    TOOLINFOA tool = Tool(id, RECT{}, nullptr);
    Send(TTM_DELTOOLA, tool);
}

void GfxToolTip::SetToolRect(UINT_PTR id, const RECT& rect) noexcept {
    TOOLINFOA tool = Tool(id, rect, nullptr);
    Send(TTM_NEWTOOLRECTA, tool);
}

void GfxToolTip::SetToolText(UINT_PTR id, const std::string& text) noexcept {
    TOOLINFOA tool = Tool(id, RECT{}, const_cast<LPSTR>(text.c_str()));
    Send(TTM_UPDATETIPTEXTA, tool);
}

}  // namespace gfx
