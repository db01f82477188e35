// Paints a skinned top-level window: shape, background picture, border, caption
// title, caption buttons and bottom-bar panels, composed into a cached frame image
// that WM_PAINT copies; small boxes are redrawn in place from two snapshots.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "gfx/gfx_graphics.h"
#include "gfx/gfx_path.h"
#include "skin/base/window_table.h"

namespace skin {

// Recomposes the cached image of window `index`; with present, copies it to the
// window (children clipped out) and refreshes the skinned children.
void FullFrameRender(int index, HDC dc, bool present);
// Gives the window rounded corners (a 5 x 5 ellipse) at its current size.
void ApplyWindowShape(HWND window);
// True when the cached image is clean and has the window's current size.
bool FrameIsCurrent(const WindowRecord& r);
// Renders the cached image when it is not current (never for a minimised window).
void EnsureFrame(int index);
// Copies the client part of the cached image to a client DC with the children
// clipped out (WM_PAINT).
void FastFrameCopy(int index, HDC dc);
// Copies the non-client part of the cached image to the window (WM_NCPAINT).
void PaintNonClient(int index);
// The menu row's band in frame coordinates.
RECT MenuRowBox(const WindowRecord& r);
// Redraws the menu row (items, hot and open item); outside a render from its
// snapshot and onto the screen.
void DrawMenuRow(int index, bool insideRender);
// Redraws the icon and title; outside a render from the snapshot and onto the screen.
void DrawCaptionTitle(int index, gfx::GfxGraphics* graphics, bool insideRender,
                      std::optional<std::string> text = std::nullopt);
// Redraws caption button `position` pressed, or normal with a hover alpha (0..255).
void DrawCaptionButton(int index, int position, gfx::GfxGraphics* graphics, bool insideRender,
                       bool pressed, std::optional<int> alpha = std::nullopt);
// Redraws bottom-bar panel `number` (1-based).
void DrawPanel(int index, gfx::GfxGraphics* graphics, bool insideRender, int number);
// Invalidates the window's skinned children after a presented render.
void RefreshSkinnedChildren(int index);

// Excludes every visible, non-transparent direct child of window from dc's clip
// region, so that a copy to dc never paints over the children. dc is the
// window's client DC, or its whole-window DC when windowDc is set.
void ExcludeChildren(HWND window, HDC dc, bool windowDc);

}  // namespace skin
