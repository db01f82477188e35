// Skin initialisation: which of picture, main colour, accent and mode each kind
// of call changes; the average colour; the faded composition.
#include <gtest/gtest.h>

#include "gfx/gfx.h"
#include "resources/embedded.h"
#include "skin/base/frame_background.h"
#include "skin/frame/frame_painter.h"
#include "tests/skin/frame_fixture.h"
#include "tests/support/win_test.h"

using namespace frame_test;

namespace {

int FromArgbGreen(std::uint32_t argb) { return static_cast<int>((argb >> 8) & 0xFF); }

class SkinInit : public SkinnedWindowTest {
protected:
    // A known state to see what a call leaves alone.
    void Preset() {
        skin::Globals& g = skin::State();
        g.skinImage = {1, 2, 3};
        g.mainColour = RGB(1, 2, 3);
        g.accentColour = RGB(4, 5, 6);
        g.imageMode = 2;
    }
};

TEST_F(SkinInit, WhatEachKindOfCallChanges) {
    const std::vector<std::uint8_t> png = SolidPng(16, 8, RGB(10, 200, 30));
    const std::vector<std::uint8_t> jpeg(res::background_jpg.data,
                                         res::background_jpg.data + res::background_jpg.size);
    const COLORREF btnFace = GetSysColor(COLOR_BTNFACE);
    struct Case {
        const char* name;
        skin::SkinInitOptions options;
        std::vector<std::uint8_t> image;
        COLORREF main, accent;
        int mode;
    };
    auto options = [](std::span<const std::uint8_t> data, std::optional<COLORREF> main,
                      std::optional<std::int64_t> accent, std::optional<int> mode) {
        skin::SkinInitOptions o;
        o.imageData = data;
        o.mainColour = main;
        o.accentColour = accent;
        o.imageMode = mode;
        return o;
    };
    const Case cases[] = {
        {"accent -1 with a main colour", options(png, RGB(9, 9, 9), skin::kAccentFromMain, 3), png,
         RGB(9, 9, 9), RGB(9, 9, 9), 3},
        {"mode left out: 4, bytes as given", options(jpeg, RGB(9, 9, 9), 0x112233, std::nullopt),
         jpeg, RGB(9, 9, 9), 0x112233, 4},
        {"no main colour: the picture's average", options(png, std::nullopt, 0x112233, 2), png,
         0xFF000000 | RGB(10, 200, 30), 0x112233, 2},
        {"accent left out: the start-up accent", options(png, RGB(9, 9, 9), std::nullopt, 3), png,
         RGB(9, 9, 9), 0xDDCA22, 3},
        {"no picture, no main colour",
         options({}, std::nullopt, skin::kAccentFromMain, std::nullopt),
         {},
         btnFace,
         btnFace,
         2},
        {"no picture but a main colour: only the accent",
         options({}, RGB(7, 7, 7), 0x445566, 0),
         {1, 2, 3},
         RGB(1, 2, 3),
         0x445566,
         2},
        {"no picture but a main colour, accent -1: nothing",
         options({}, RGB(7, 7, 7), skin::kAccentFromMain, 0),
         {1, 2, 3},
         RGB(1, 2, 3),
         RGB(4, 5, 6),
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Preset();
        skin::InitSkin(c.options);
        const skin::Globals& g = skin::State();
        EXPECT_EQ(g.skinImage, c.image);
        EXPECT_EQ(g.mainColour, c.main);
        EXPECT_EQ(g.accentColour, c.accent);
        EXPECT_EQ(g.imageMode, c.mode);
    }
}

TEST_F(SkinInit, ModesZeroAndOneStoreTheFadedPictureAsPng) {
    const std::vector<std::uint8_t> png = SolidPng(40, 20, RGB(0, 0, 255));
    for (int mode : {0, 1}) {
        SCOPED_TRACE(mode);
        skin::SkinInitOptions o;
        o.imageData = png;
        o.mainColour = RGB(0, 255, 0);
        o.imageMode = mode;
        skin::InitSkin(o);
        gfx::GfxBitmap stored;
        ASSERT_TRUE(stored.LoadFromBytes(skin::State().skinImage));
        EXPECT_EQ(stored.GetRawFormat(), std::string(gfx::kFormatPng));
        // The faded side: the right edge for mode 0, the left one for mode 1.
        const int x = mode == 0 ? 39 : 0;
        EXPECT_GT(FromArgbGreen(stored.GetPixel(x, 5)), 200) << std::hex << stored.GetPixel(x, 5);
    }
}

TEST_F(SkinInit, PictureKeptAsGivenIsDecodedOnceForTheColourAndTheRender) {
    const std::vector<std::uint8_t> png = SolidPng(40, 20, RGB(0, 0, 255));
    for (std::optional<int> mode : {std::optional<int>(2), std::optional<int>(3),
                                    std::optional<int>(4), std::optional<int>()}) {
        SCOPED_TRACE(mode.value_or(-1));
        skin::State().decodedSkinImage.reset();
        skin::SkinInitOptions o;
        o.imageData = png;
        o.imageMode = mode;
        skin::InitSkin(o);
        const std::shared_ptr<gfx::GfxBitmap>& decoded = skin::State().decodedSkinImage;
        ASSERT_NE(decoded, nullptr) << "the first render would decode the picture again";
        EXPECT_EQ(static_cast<int>(decoded->GetWidth()), 40);
        EXPECT_EQ(static_cast<int>(decoded->GetHeight()), 20);
        EXPECT_EQ(skin::State().mainColour & 0xFFFFFF, RGB(0, 0, 255));
    }
}

// A program that sets the skin up for every window it opens: the same call
// again keeps the decoded picture and its colours and repaints nothing; a
// changed accent still repaints.
TEST_F(SkinInit, TheSameSkinAgainKeepsWhatIsMadeAndRepaintsNothing) {
    HWND w = MainLikeWindow();
    const std::vector<std::uint8_t> png = SolidPng(40, 20, RGB(0, 0, 255));
    skin::SkinInitOptions o;
    o.imageData = png;
    o.imageMode = 3;
    o.accentColour = 0x112233;
    skin::InitSkin(o);
    FrameDc(w);
    const skin::Globals& g = skin::State();
    const auto decoded = g.decodedSkinImage;
    const unsigned generation = g.skinImageGeneration;
    const COLORREF main = g.mainColour;
    const long renders = skin::Counters().frameRenders;
    skin::InitSkin(o);
    EXPECT_EQ(g.decodedSkinImage, decoded);
    EXPECT_EQ(g.skinImageGeneration, generation);
    EXPECT_EQ(g.mainColour, main);
    EXPECT_EQ(skin::Counters().frameRenders, renders) << "nothing changed, nothing repainted";
    o.accentColour = 0x445566;
    skin::InitSkin(o);
    EXPECT_EQ(g.accentColour, 0x445566u);
    EXPECT_GT(skin::Counters().frameRenders, renders) << "a new accent repaints";
}

TEST_F(SkinInit, ReinitialisingRepaintsVisibleSkinnedWindows) {
    HWND w = MainLikeWindow();
    HDC frame = FrameDc(w);
    ASSERT_TRUE(Near(PixelAt(frame, 130, 75), kPicture, 1));
    const std::vector<std::uint8_t> yellow = SolidPng(8, 8, RGB(200, 180, 0));
    skin::SkinInitOptions o;
    o.imageData = yellow;
    o.imageMode = 3;
    skin::InitSkin(o);
    EXPECT_TRUE(Near(PixelAt(FrameDc(w), 130, 75), Rgb{200, 180, 0}, 1))
        << PixelAt(FrameDc(w), 130, 75);
    HDC screen = GetDC(w);
    EXPECT_TRUE(Near(PixelAt(screen, 130, 75), Rgb{200, 180, 0}, 1)) << PixelAt(screen, 130, 75);
    ReleaseDC(w, screen);
}

TEST_F(SkinInit, AverageColourOfASolidPictureIsThatColour) {
    const COLORREF colour = RGB(12, 130, 250);
    const std::vector<std::uint8_t> png = SolidPng(30, 20, colour);
    EXPECT_EQ(skin::AverageColour({{}, png}, 2000), 0xFF000000 | colour);
    // With margins only the right and bottom strips are sampled.
    EXPECT_EQ(skin::AverageColour({{}, png}, 50, 3, 2), 0xFF000000 | colour);
    // The same from a file.
    testing_support::TempDir dir;
    const std::string file = dir.file("solid.png");
    ASSERT_TRUE(testing_support::WriteFileBytes(file, std::string(png.begin(), png.end())));
    EXPECT_EQ(skin::AverageColour({file, {}}, 100), 0xFF000000 | colour);
}

TEST_F(SkinInit, AverageColourSamplesOnlyTheMarginStrips) {
    // Black with the right 5 columns white. The range W - margin .. W counts 1-based
    // pixels inclusively, so a margin of 4 reaches 5 columns and no further.
    gfx::GfxBitmap bitmap;
    ASSERT_TRUE(bitmap.Create(20, 10));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) bitmap.SetPixel(x, y, x >= 15 ? 0xFFFFFFFF : 0xFF000000);
    const std::vector<std::uint8_t> png = bitmap.SaveToBytes(gfx::kFormatPng);
    EXPECT_EQ(skin::AverageColour({{}, png}, 500, 4, 0), 0xFFFFFFFF);
    const COLORREF mixed = skin::AverageColour({{}, png}, 4000);
    EXPECT_NEAR(GetRValue(mixed), 255 * 5 / 20, 20);
}

TEST_F(SkinInit, UndecodablePictureAveragesToBlack) {
    const std::vector<std::uint8_t> junk = {1, 2, 3, 4, 5};
    EXPECT_EQ(skin::AverageColour({{}, junk}, 2000) & 0xFFFFFF, 0u);
}

TEST_F(SkinInit, FadedPictureKeepsItsSizeAndMeltsIntoTheMainColour) {
    const int w = 50, h = 30;
    const std::vector<std::uint8_t> png = SolidPng(w, h, RGB(0, 0, 255));
    const COLORREF main = RGB(0, 255, 0);
    struct Case {
        const char* name;
        std::optional<int> direction;
        int fadedX, clearX;
    };
    for (const Case c :
         {Case{"right edge", std::nullopt, w - 1, 2}, Case{"left edge", 0, 0, w - 3}}) {
        SCOPED_TRACE(c.name);
        const std::vector<std::uint8_t> out =
            skin::ComposeFadedImage({{}, png}, std::nullopt, main, c.direction);
        gfx::GfxBitmap faded;
        ASSERT_TRUE(faded.LoadFromBytes(out));
        EXPECT_EQ(faded.GetRawFormat(), std::string(gfx::kFormatPng));
        ASSERT_EQ(faded.GetWidth(), w);
        ASSERT_EQ(faded.GetHeight(), h);
        auto green = [&](int x, int y) { return FromArgbGreen(faded.GetPixel(x, y)); };
        auto blue = [&](int x, int y) { return static_cast<int>(faded.GetPixel(x, y) & 0xFF); };
        // The faded edge and the bottom row are (nearly) the main colour.
        EXPECT_GT(green(c.fadedX, h / 3), 220);
        EXPECT_LT(blue(c.fadedX, h / 3), 40);
        for (int x : {0, w / 2, w - 1}) EXPECT_GT(green(x, h - 1), 220) << x;
        // Away from the bands the picture is untouched.
        EXPECT_EQ(green(c.clearX, 2), 0);
        EXPECT_EQ(blue(c.clearX, 2), 255);
        // A given fade width narrows the band.
        const std::vector<std::uint8_t> narrow =
            skin::ComposeFadedImage({{}, png}, 5, main, c.direction);
        gfx::GfxBitmap n;
        ASSERT_TRUE(n.LoadFromBytes(narrow));
        const int inside = c.direction ? 8 : w - 9;
        EXPECT_EQ(n.GetPixel(inside, 2), 0xFF0000FFu);
    }
}

}  // namespace
