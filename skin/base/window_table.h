// The window table: one record per skinned top-level window, addressed by a
// 1-based window index, and the names of the window properties that tie windows
// and controls back to their records.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gfx/gfx_image.h"
#include "gfx/gfx_tooltip.h"
#include "skin/base/frame_background.h"
#include "skin/base/gdi_guards.h"
#include "skin/base/control_records.h"

namespace skin {

// Window property names (values are read with GetPropA; unset reads as 0).
namespace prop {
inline constexpr char kIndex[] = "Hw_lbID";       // window index, or a control's list position
inline constexpr char kOwnerIndex[] = "Hw_FuID";  // a control's top-level window index
inline constexpr char kPrevProc[] = "Hw_hProc";   // the procedure the skin replaced
inline constexpr char kTextColour[] = "Kj_Ztys";  // a control's text colour
inline constexpr char kToolbarImages[] = "Kj_wtjb";
inline constexpr char kToolbarIndex[] = "Kj_lbID";
inline constexpr char kToolbarOwner[] = "Kj_FuID";
inline constexpr char kToolbarPrevProc[] = "Kj_hProc";
inline constexpr char kFrameFirstBitmap[] = "Ck_Ycjdx";  // bitmap the frame DC came with
inline constexpr char kFrameBitmap[] = "Ck_wtjbdx";      // frame bitmap now selected
inline constexpr char kMenu[] = "Ck_cdjb";
inline constexpr char kOverlayTarget[] = "Mngd_zct";
inline constexpr char kGroupContainer[] = "Mb_zpf";
inline constexpr char kIsContainer[] = "Wxk_Zpf";
inline constexpr char kContainerDc[] = "Wxk_Cj";
// Set by a program: the control (and whatever lies on it) stays native.
inline constexpr char kKeepNative[] = "Kj_Ys";
// Set with the text colour: "Kj_Ztys" then holds the program's colour even
// when that colour is black (0), which an unset property also reads as.
inline constexpr char kTextColourSet[] = "Kj_Ztsd";
// Keyboard cues hidden, as the last WM_UPDATEUISTATE to the control said.
inline constexpr char kCuesHidden[] = "Kj_Yctx";
}  // namespace prop

// Window properties with integer values. Under Wine every GetPropA is a round
// trip to the server, and a control's message reads its own bookkeeping (list
// position, window index, previous procedure, keyboard cues, the container
// above, an overlay's control) several times, paints included; those names are
// the skin's alone, so their reads come from a copy kept in the process, which
// every write through these functions updates. The properties themselves are
// always written too. Other names (set by the application) are read as they are.
std::intptr_t GetIntProp(HWND hwnd, const char* name);
void SetIntProp(HWND hwnd, const char* name, std::intptr_t value);
void RemoveIntProp(HWND hwnd, const char* name);
// How many windows the copy holds now (dead windows are dropped as it grows).
std::size_t RememberedPropWindows();

using Bytes = std::vector<std::uint8_t>;

struct IntRect {
    int x = 0, y = 0, width = 0, height = 0;
};

struct FloatRect {
    float x = 0, y = 0, width = 0, height = 0;
};

// Commands of caption buttons.
enum CaptionCommand : int { kClose = 0, kMaximize = 1, kMinimize = 2, kMainMenu = 3, kHelp = 4 };

struct CaptionButton {
    int width = 0, height = 0;
    Bytes image, secondImage;  // PNG bytes: normal, and the restore look of maximise
    int command = 0;
    std::string tooltip;
    FloatRect hit;
    // Decoded once on first use; painting a fade step must not decode PNGs.
    std::shared_ptr<gfx::GfxBitmap> decoded, decodedSecond;
};

struct Panel {
    int width = -1;  // -1: the rest of the bar
    std::string text;
    Bytes image;
    int option = 0;  // the text colour
};

// A list that starts with one blank entry (window 0). The first control added
// overwrites it; readers skip blank entries. Positions are 1-based.
template <typename T>
class ControlList {
public:
    ControlList() : items_(1) {}
    // Adds by the blank-entry rule; returns the entry's position.
    int Add(T entry) {
        if (items_.size() == 1 && items_[0].window == nullptr) {
            items_[0] = std::move(entry);
            return 1;
        }
        items_.push_back(std::move(entry));
        return static_cast<int>(items_.size());
    }
    // The entry at a 1-based position, or null when the position leads nowhere.
    T* At(std::intptr_t position) {
        if (position < 1 || position > static_cast<std::intptr_t>(items_.size())) return nullptr;
        return &items_[static_cast<std::size_t>(position - 1)];
    }
    // Position of the entry for hwnd, or 0.
    int Find(HWND hwnd) const {
        if (!hwnd) return 0;
        for (std::size_t i = 0; i < items_.size(); ++i)
            if (items_[i].window == hwnd) return static_cast<int>(i + 1);
        return 0;
    }
    int size() const { return static_cast<int>(items_.size()); }
    std::vector<T>& entries() { return items_; }
    const std::vector<T>& entries() const { return items_; }

private:
    std::vector<T> items_;
};

// Which skinner's list a hover position belongs to.
enum HoverKind : int {
    kHoverNone = 0,
    kHoverEdit = 1,
    kHoverTrackbar = 2,
    kHoverCombo = 3,
    kHoverList = 4,
    kHoverButton = 6,
    kHoverUpDown = 8,
    kHoverHeader = 9,
};

// The control of a window the mouse was last over, shared by all the window's
// skinners: a control repaints its hover look when the mouse comes to it from
// elsewhere (another control, another kind of control, another parent), not on
// every move inside it.
struct HoverState {
    int current = 0;   // list position of the control under the mouse
    int previous = 0;  // position of the control last painted hovered; 0 = none
    int kind = kHoverNone;
    HWND parent = nullptr;
    bool repaintRequested = false;  // the next move repaints even without a change

    // The mouse moved over control `position` of list `kind` under `parent`: true
    // when that control must now be painted hovered.
    bool MovedOver(int position, HoverKind kind, HWND parent);
    // The mouse left the control last painted hovered.
    void Left() { previous = 0; }
};

// The lists of a window record, for code that walks all of them.
enum class ListKind {
    kButtons,
    kEdits,
    kListTypes,
    kTrackbars,
    kProgressBars,
    kCombos,
    kUpDowns,
    kHeaders,
    kToolbars,
    kGroupBoxes,
    kStatics,
};

struct Fade {
    int button = 0;  // caption-button position, 0 for none
    int step = 0;    // 0..8
};

// One top-level item of a window's menu bar, as the skin draws it.
struct MenuBarItem {
    std::string text;       // with its "&" mnemonic marks
    UINT id = 0;            // the command of an item without a popup
    HMENU popup = nullptr;  // its drop-down menu, or null
    UINT state = 0;         // MFS_* of the item
    RECT box{};             // in window coordinates
};

// The menu row the skin draws under its caption in place of the system's menu
// bar. The menu stays the window's own (GetMenu), so the program keeps changing
// it as before; the row is laid out again from it on every frame change.
struct MenuRow {
    HMENU menu = nullptr;
    int top = 0, height = 0;  // the band in window coordinates; height 0 = no row
    std::vector<MenuBarItem> items;
    int hot = -1;       // item under the pointer
    int open = -1;      // item whose drop-down is showing
    bool cues = false;  // mnemonics underlined (the keyboard opened the menu)
};

struct WindowRecord {
    HWND window = nullptr;
    // Set for a window that came with a system caption, frame or menu bar: the
    // skin then draws its caption, menu row, borders and bottom bar as the
    // window's non-client area, around the program's own client area. Clear for
    // a borderless window made for the skin, whose caption is drawn over the top
    // of its client area.
    bool ownsNonClient = false;
    // The user may resize it (WS_THICKFRAME, or size limits of the program's own
    // that leave room to resize).
    bool sizable = false;
    LONG styleBefore = 0,
         exStyleBefore = 0;  // as the program made it, put back when the skin stops
    MenuRow menuRow;
    int captionHeight = 25;
    bool helpButton = false, menuButton = false, minimizeButton = false, maximizeButton = false;
    bool closeButton = true;
    bool drawCaptionTitle = true;
    int captionOption = 0;
    WNDPROC previousProc = nullptr;
    Bytes backgroundImage;  // the window's own picture; empty = the skin image
    int backgroundMode = 0;
    COLORREF backgroundAverage = 0;
    std::vector<CaptionButton> captionButtons = std::vector<CaptionButton>(1);  // [0] blank
    int stripX = 0, stripY = 0, stripWidth = 0, stripHeight = 22;
    int minTrackWidth = 200, minTrackHeight = 150, maxTrackWidth = 0, maxTrackHeight = 0;
    bool doubleClickOption = true, dragOption = true;
    COLORREF titleColour = 0xFFFFFF, titleShadowColour = 0x808080;
    std::string titleFontName = "宋体";
    int titleFontSize = 12, titleFontOption = 1;
    gfx::GfxToolTip captionTooltip;
    int bottomBarHeight = 0;
    IntRect bottomBar;
    std::vector<Panel> panels;
    std::vector<IntRect> panelRects;
    int barTextOption = 0;
    COLORREF barTextColour = 0xFFFFFF;
    std::string barFontName = "宋体";
    int barFontSize = 12;
    ControlList<ButtonRecord> buttons;
    ControlList<EditRecord> edits;
    ControlList<ListRecord> listTypes;
    ControlList<TrackbarRecord> trackbars;
    ControlList<ProgressRecord> progressBars;
    ControlList<ComboRecord> combos;
    ControlList<UpDownRecord> upDowns;
    ControlList<HeaderRecord> headers;
    ControlList<ToolbarRecord> toolbars;
    ControlList<GroupBoxRecord> groupBoxes;
    ControlList<StaticRecord> statics;
    bool frameDirty = true;
    bool rendering = false;  // a full render is under way (it reshapes the window)
    // Between WM_ENTERSIZEMOVE and WM_EXITSIZEMOVE: the picture is laid out the
    // fast way, and the size the drag ends at is rendered again at full quality.
    bool sizing = false;
    // Full renders of this window so far, and the render its non-client area
    // was last painted from.
    long renders = 0, nonClientShows = -1;
    SIZE repaintedSize{0, 0};  // the window size whose change last repainted everything
    HoverState hover;

    // Kept by the top-level window procedure.
    bool maximized = false, minimized = false;
    int hotButton = 0;
    // The caption button the left button went down on (0: none): only a release
    // on that same button acts. pressedShown: it shows its pressed look now.
    int pressedButton = 0;
    bool pressedShown = false;
    bool mouseInside = false, hoverTimerRunning = false;
    Fade fadeIn, fadeOut;

    // Kept by the frame painter: the composed client area and two snapshots taken
    // before title and buttons were drawn, for redrawing small boxes in place.
    gdi::BitmapDc frame;
    void* frameBits = nullptr;  // pixels of the frame bitmap (32-bit, top-down)
    int frameWidth = 0, frameHeight = 0;
    gdi::BitmapDc captionSnapshot, barSnapshot, menuSnapshot;
    // Text drawn once into a transparent layer and kept while it stays the same:
    // the title's halo text is five passes of GDI+ text, the dearest part of a
    // render after the picture.
    struct TextLayer {
        std::string key;
        std::shared_ptr<gfx::GfxBitmap> bitmap;
    };
    TextLayer titleLayer;
    std::vector<TextLayer> panelLayers;
    std::shared_ptr<gfx::GfxBitmap> decodedBackground;  // the window's own picture, decoded
    // The background at the frame's current size, shared with every window of
    // that size and look: made once per size and picture, not once per render.
    std::shared_ptr<const FrameBackground> background;

    // Calls f(list, kind) for every control list, in one fixed order.
    template <typename F>
    void ForEachControlList(F&& f) {
        f(buttons, ListKind::kButtons);
        f(edits, ListKind::kEdits);
        f(listTypes, ListKind::kListTypes);
        f(trackbars, ListKind::kTrackbars);
        f(progressBars, ListKind::kProgressBars);
        f(combos, ListKind::kCombos);
        f(upDowns, ListKind::kUpDowns);
        f(headers, ListKind::kHeaders);
        f(toolbars, ListKind::kToolbars);
        f(groupBoxes, ListKind::kGroupBoxes);
        f(statics, ListKind::kStatics);
    }

    // Number of caption buttons including the blank first entry.
    int CaptionButtonCount() const { return static_cast<int>(captionButtons.size()); }
    // The caption button at a 1-based position, or null.
    CaptionButton* CaptionAt(int position) {
        if (position < 1 || position > CaptionButtonCount()) return nullptr;
        return &captionButtons[static_cast<std::size_t>(position - 1)];
    }
};

// The process-wide window table. Records keep their addresses while others come
// and go, so a procedure may hold one across a nested message.
class WindowTable {
public:
    int Count() const { return static_cast<int>(records_.size()); }
    // The record at a 1-based index, or null when the index leads nowhere.
    WindowRecord* At(std::intptr_t index);
    // The record at index when it is still hwnd's (a nested message may have
    // removed or moved it), else null.
    WindowRecord* At(std::intptr_t index, HWND hwnd) {
        WindowRecord* r = At(index);
        return r && r->window == hwnd ? r : nullptr;
    }
    // Appends and returns the new index.
    int Append(std::unique_ptr<WindowRecord> record);
    // Removes the record at index; later records move down by one.
    std::unique_ptr<WindowRecord> Remove(int index);
    void Clear() { records_.clear(); }

private:
    std::vector<std::unique_ptr<WindowRecord>> records_;
};

WindowTable& Table();

// Index of hwnd's record (linear scan from 1), or 0.
int FindWindowIndex(HWND hwnd);
// Index of the first skinned window among hwnd's parents (hwnd itself not tested), or 0.
int FindSkinnedAncestor(HWND hwnd);
// Position of control in window index's button list, or 0.
int FindButtonRecord(int index, HWND control);
// The record a control's "Hw_FuID" names, or null.
WindowRecord* OwnerRecord(HWND control);
// Resize border width used by the frame painter and the bottom-bar layout.
inline constexpr int kResizeBorder = 3;

}  // namespace skin
