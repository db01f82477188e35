// The control gallery: one skinned, resizable window that shows every control
// class the skin engine skins, each under a small label. It is also how a
// program uses the engine: initialise the skin, create the controls, skin the
// window once.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

namespace gallery {

// Places controls in columns inside the window's client area, each under a
// small text label (a "Static"); a full column moves on to the next one. Nothing
// runs past the client area: a control wider than what is left is narrowed,
// and one that finds no room for another column is shortened to the room left.
class Layout {
public:
    Layout(HWND window, HINSTANCE instance);
    // A label and, below it, a control of the given class, size and style
    // (WS_CHILD | WS_VISIBLE | WS_TABSTOP are added). Returns the control.
    HWND Add(const char* label, const char* className, const char* text, DWORD style, int width,
             int height, DWORD exStyle = 0);
    // Starts a new column.
    void NextColumn();
    HWND window() const { return window_; }
    HINSTANCE instance() const { return instance_; }

private:
    HWND window_;
    HINSTANCE instance_;
    int x_, y_, columnWidth_ = 0;
};

// The sections, each filling its share of controls with real content.
void AddTextControls(Layout& layout);   // edits, combo boxes, lists, tree, IP field, date
void AddRangeControls(Layout& layout);  // trackbars, progress bars, up-downs, header
void AddContainers(Layout& layout);     // group boxes, tabs, toolbar, status bar, calendar
void AddDialogPages(Layout& layout);    // a tab control whose pages are child dialogs

// What a tester cannot read from pixels: each section's control states as
// "name: value" lines.
std::string ReportTextControls();
std::string ReportRangeControls();
std::string ReportContainers();
std::string ReportDialogPages();
// Screen places of the dialog tabs ("dialog_tab1 x y w h", "dialog_tab2 ...")
// and of the page area ("dialog_page ..."), one a line, for the end-to-end tests.
std::string DialogPagesLayout();
// Hands the section's group boxes, tab controls, status bar, month calendar and
// rich edit to the skin once the window is skinned.
void SkinContainers(HWND window);
// Hands the group boxes of the dialog pages to the skin (the pages themselves
// come with their tab control).
void SkinDialogPages();
// A tab control's page change: shows that page's controls. True when handled.
bool OnContainerNotify(const NMHDR& header);
// When set, the gallery writes the three reports to this file as it closes.
void SetReportFile(const std::string& path);

// The gallery window with every section in it, skinned unless skinned is false
// (the same window as the system draws it); not shown yet. Null on failure.
HWND CreateGallery(HINSTANCE instance, bool skinned = true);

// On a window shown on a tab control: the 1-based page it belongs to.
inline constexpr char kPageProp[] = "Gallery_Page";

// Tab (Shift+Tab) in window: the focus moves to the next (previous) control
// with WS_TABSTOP and focus cues show. True when the message was handled.
bool HandleTabKey(HWND window, const MSG& msg);
// WS_TABSTOP for a control of this class that takes input; 0 for one that
// only shows (progress and status bars), which Tab passes by.
DWORD TabStopFor(const char* className);
// The controls Tab visits, in that order from the first: "tabstop: CLASS l t r b"
// lines in window's client coordinates (for the end-to-end tests).
std::string ReportTabStops(HWND window);
// Every shown push button, check box and radio button: "button: KIND l t r b".
std::string ReportButtons(HWND window);

}  // namespace gallery
