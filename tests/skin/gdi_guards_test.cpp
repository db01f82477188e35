// The handle guards: each releases exactly once, into the DC it came from.
#include "skin/base/gdi_guards.h"

#include <gtest/gtest.h>

namespace {

bool IsLiveGdiObject(HGDIOBJ h) { return GetObjectType(h) != 0; }

}  // namespace

TEST(GdiGuards, SelectGuardPutsTheOldObjectBackIntoItsOwnDc) {
    gdi::MemoryDc a(CreateCompatibleDC(nullptr)), b(CreateCompatibleDC(nullptr));
    gdi::Bitmap bitmap(CreateCompatibleBitmap(a.get(), 4, 4));
    HGDIOBJ original = GetCurrentObject(a.get(), OBJ_BITMAP);
    {
        gdi::SelectGuard select(a.get(), bitmap.get());
        EXPECT_EQ(GetCurrentObject(a.get(), OBJ_BITMAP), bitmap.get());
        gdi::SelectGuard moved(std::move(select));  // the DC travels with the guard
        SelectObject(b.get(), GetStockObject(BLACK_BRUSH));
    }
    EXPECT_EQ(GetCurrentObject(a.get(), OBJ_BITMAP), original);
    EXPECT_EQ(GetCurrentObject(b.get(), OBJ_BRUSH), GetStockObject(BLACK_BRUSH));
}

TEST(GdiGuards, OwnedReleasesOnceAndMovedFromReleasesNothing) {
    HBRUSH raw = CreateSolidBrush(RGB(1, 2, 3));
    {
        gdi::Brush first(raw);
        gdi::Brush second(std::move(first));
        EXPECT_EQ(first.get(), nullptr);
        gdi::Brush third;
        third = std::move(second);
        EXPECT_TRUE(IsLiveGdiObject(raw));
    }
    EXPECT_FALSE(IsLiveGdiObject(raw));

    HBRUSH kept = CreateSolidBrush(RGB(4, 5, 6));
    {
        gdi::Brush guard(kept);
        EXPECT_EQ(guard.release(), kept);
    }
    EXPECT_TRUE(IsLiveGdiObject(kept));
    DeleteObject(kept);
}

TEST(GdiGuards, MemoryCanvasDeselectsBeforeFreeingAndCopiesItsPixels) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = nullptr;
    HDC dc = nullptr;
    {
        gdi::MemoryCanvas canvas(screen, 3, 2);
        ASSERT_TRUE(canvas);
        bitmap = canvas.bitmap();
        dc = canvas.dc();
        SetPixel(canvas.dc(), 2, 1, RGB(10, 200, 30));
        gdi::MemoryCanvas target(screen, 3, 2);
        ASSERT_TRUE(canvas.CopyTo(target.dc(), 0, 0));
        EXPECT_EQ(GetPixel(target.dc(), 2, 1), RGB(10, 200, 30));
    }
    EXPECT_FALSE(IsLiveGdiObject(bitmap));
    EXPECT_FALSE(IsLiveGdiObject(dc));
    ReleaseDC(nullptr, screen);

    void* bits = nullptr;
    gdi::Bitmap dib(gdi::NewArgbDib(0, -5, &bits));  // degenerate sizes still give 1 x 1
    BITMAP info{};
    ASSERT_TRUE(GetObjectA(dib.get(), sizeof info, &info));
    EXPECT_EQ(info.bmWidth, 1);
    EXPECT_EQ(info.bmHeight, 1);
    EXPECT_EQ(info.bmBitsPixel, 32);
    EXPECT_NE(bits, nullptr);
}
