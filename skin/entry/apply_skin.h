// Turning a top-level window into a skinned one: its record in the window table,
// caption buttons, bottom bar, the control passes, and the subclassing.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "skin/frame/frame_layout.h"

namespace skin {

// Every option may be left out; what is left out takes its default.
struct ApplySkinOptions {
    std::optional<int> captionHeight;                             // at least 25 (left out: 25)
    std::optional<bool> dragOption;                               // 1
    std::optional<bool> doubleClickOption;                        // 1
    std::optional<bool> helpButton;                               // 0
    std::optional<bool> menuButton;                               // 0
    std::optional<bool> drawCaptionTitle;                         // 1
    std::optional<int> captionOption;                             // 0
    std::optional<int> bottomBarHeight;                           // 0: no bar
    std::optional<std::vector<PanelDefinition>> bottomBarPanels;  // one full-width panel
    std::span<const std::uint8_t> backgroundImage;                // empty: the skin image
    std::optional<int> backgroundMode;                            // the skin's image mode
};

// Skins window once; a window already in the table is left untouched.
void ApplySkin(HWND window, const ApplySkinOptions& options = {});

}  // namespace skin
