// Process-wide values shared by the application and the skin engine.
#pragma once
#include <windows.h>

namespace skin {

struct Globals {
    ULONG_PTR gdiplusToken = 0;      // for the one GdiplusShutdown at the end
    HICON appIcon = nullptr;          // drawn in the caption; may stay null
    bool firstSizePending = true;     // consumed by the first WM_SIZE of a skinned window
    bool controlBackground = true;    // control skinners paint their captured background
    int controlBlendLevel = 160;      // 0..255, passed by control skinners to their drawing
    COLORREF accentColour = 0xDDCA22; // replaced by skin initialisation
    bool skinnerSwitchA = true;
    bool skinnerSwitchB = true;
};

// The one instance; lives for the whole process.
Globals& State();

// Creates the (empty) window table; called once before the first window exists.
void CreateWindowTable();
// Frees the skin image data and every window record; safe when nothing was created.
void ReleaseSkinData();

}  // namespace skin
