// A common-controls tooltip for one owner window, one tool per rectangle.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace gfx {

// Owns one tooltip window (destroyed with this object or with its owner).
// Movable, not copyable. Before Create every call does nothing.
class GfxToolTip {
public:
    GfxToolTip() = default;
    GfxToolTip(const GfxToolTip&) = delete;
    GfxToolTip& operator=(const GfxToolTip&) = delete;
    GfxToolTip(GfxToolTip&& other) noexcept;
    GfxToolTip& operator=(GfxToolTip&& other) noexcept;
    ~GfxToolTip() { Destroy(); }

    // Creates the tooltip for owner (rectangular, or a balloon); 0 on failure.
    // A tooltip made earlier by this object is destroyed first.
    HWND Create(HWND owner, bool balloon) noexcept;
    // Registers rect (owner client coordinates) as tool id showing text.
    void AddTool(const RECT& rect, const std::string& text, UINT_PTR id) noexcept;
    // The same, the text asked from the owner with TTN_GETDISPINFO.
    void AddToolCallback(const RECT& rect, UINT_PTR id) noexcept;
    LRESULT SetBackColor(COLORREF color) noexcept;
    LRESULT SetTextColor(COLORREF color) noexcept;
    // Wraps texts wider than width pixels; returns the previous width.
    int SetMaxWidth(int width) noexcept;
    // Unknown ids are ignored.
    void DeleteTool(UINT_PTR id) noexcept;
    void SetToolRect(UINT_PTR id, const RECT& rect) noexcept;
    void SetToolText(UINT_PTR id, const std::string& text) noexcept;
    HWND GetWindow() const noexcept { return tooltip_; }
    // Tools added from now on are not watched through a subclass of the owner:
    // the owner relays its mouse messages itself (Relay), and its procedure
    // chain stays as it was.
    void RelayedByOwner() noexcept { subclassOwner_ = false; }
    // Hands one of the owner's mouse messages (client coordinates) to the tooltip.
    void Relay(UINT message, WPARAM wParam, POINT client) const noexcept;

private:
    // A tool record for id on the owner, with the given text pointer.
    TOOLINFOA Tool(UINT_PTR id, const RECT& rect, LPSTR text) const noexcept;
    void Send(UINT message, TOOLINFOA& tool) const noexcept;
    void Destroy() noexcept;

    HWND tooltip_ = nullptr;
    HWND owner_ = nullptr;
    bool subclassOwner_ = true;
};

}  // namespace gfx
