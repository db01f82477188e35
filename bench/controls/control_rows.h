// One row of the control-repaint benchmark: a repaint of one control of the
// gallery, timed against one full render of the main window.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace bench {

struct ControlRow {
    std::string name;
    std::function<void(int round)> repaint;  // one repaint; round counts up from 0
    double goal = 0.1;                       // at most this many full renders
};

// The rows of each group of controls, given the skinned gallery window.
void AddTextControlRows(HWND gallery, std::vector<ControlRow>& rows);
void AddRangeControlRows(HWND gallery, std::vector<ControlRow>& rows);
void AddContainerRows(HWND gallery, std::vector<ControlRow>& rows);

// The first direct or nested child of gallery with this class, or null.
HWND FindControl(HWND gallery, const char* className, int skip = 0);

}  // namespace bench
