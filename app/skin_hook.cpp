#include "app/skin_hook.h"

#include <cstdlib>

#include "app/trim.h"
#include "resources/embedded.h"
#include "skin/frame/skin_init.h"
#include "skin/base/skin_state.h"
#include "skin/entry/apply_skin.h"

namespace app {

void SetUpSkin() {
    skin::CreateWindowTable();
    static bool registered = false;
    if (!registered) registered = std::atexit(ReleaseAtExit) == 0;
    // The skinned window procedure trims the working set whenever we lose activation.
    skin::State().onDeactivate = TrimWorkingSet;
}

void OnMainWindowCreated(HWND mainWindow) {
    skin::SkinInitOptions init;
    init.imageData = {res::background_jpg.data, res::background_jpg.size};
    init.accentColour = 0x51AE51;
    init.imageMode = 3;
    skin::InitSkin(init);

    skin::ApplySkinOptions options;
    options.captionHeight = 110;
    options.dragOption = true;
    options.doubleClickOption = true;
    options.helpButton = false;
    options.menuButton = true;
    options.drawCaptionTitle = true;
    options.captionOption = 0;
    options.bottomBarHeight = 25;
    // No panel list and no background picture: one full-width panel, the skin image.
    skin::ApplySkin(mainWindow, options);
}

void ReleaseAtExit() { skin::ReleaseSkinData(); }

}  // namespace app
