#include "app/skin_hook.h"

#include <cstdlib>

#include "skin/core/skin_state.h"

namespace app {

void SetUpSkin() {
    skin::CreateWindowTable();
    static bool registered = false;
    if (!registered) registered = std::atexit(ReleaseAtExit) == 0;
}

void OnMainWindowCreated(HWND) {}

void ReleaseAtExit() { skin::ReleaseSkinData(); }

}  // namespace app
