#include "skin/base/skin_state.h"

#include "skin/base/background.h"
#include "skin/base/frame_background.h"
#include "skin/base/look_cache.h"
#include "skin/base/window_table.h"

namespace skin {

Globals& State() {
    static Globals globals;
    return globals;
}

void CreateWindowTable() { Table().Clear(); }

void ReleaseSkinData() {
    Globals& g = State();
    ReleaseFastStretchSource();
    ReleaseRecentBackgrounds();
    ForgetLooks();
    ReleasePooledCaptures();
    g.skinImage.clear();
    g.skinImage.shrink_to_fit();
    // Decoded images must not outlive GDI+: drop ours only while it still runs.
    if (g.gdiplusToken) {
        g.decodedSkinImage.reset();
        Table().Clear();
    } else {
        // GDI+ is gone: the native objects went with it; forget them unreleased.
        if (g.decodedSkinImage) g.decodedSkinImage->Detach();
        g.decodedSkinImage.reset();
        for (int i = 1; i <= Table().Count(); ++i) {
            WindowRecord* r = Table().At(i);
            if (r->decodedBackground) r->decodedBackground->Detach();
            if (r->titleLayer.bitmap) r->titleLayer.bitmap->Detach();
            for (auto& layer : r->panelLayers)
                if (layer.bitmap) layer.bitmap->Detach();
            for (CaptionButton& b : r->captionButtons) {
                if (b.decoded) b.decoded->Detach();
                if (b.decodedSecond) b.decodedSecond->Detach();
            }
        }
        Table().Clear();
    }
}

gfx::GfxBitmap* SkinImage() {
    Globals& g = State();
    if (g.skinImage.empty()) return nullptr;
    if (!g.decodedSkinImage) {
        auto bitmap = std::make_shared<gfx::GfxBitmap>();
        bitmap->LoadFromBytes(g.skinImage);
        g.decodedSkinImage = std::move(bitmap);
    }
    return g.decodedSkinImage->IsEmpty() ? nullptr : g.decodedSkinImage.get();
}

}  // namespace skin
