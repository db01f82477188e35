// The drawing surface: a GDI+ graphics on a device context, window or image.
#pragma once

#include "gfx/gfx_object.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace gfx {

class GfxBrush;
class GfxFont;
class GfxImage;
class GfxPath;
class GfxPen;
class GfxRegion;
class GfxStringFormat;

// Owns one GpGraphics. Delete it before the device context it was made on goes.
// Methods return true when GDI+ answered Ok; getters return the value GDI+ gave.
class GfxGraphics : public GfxObject {
public:
    GfxGraphics() = default;
    GfxGraphics(GfxGraphics&&) noexcept = default;
    GfxGraphics& operator=(GfxGraphics&&) noexcept = default;
    ~GfxGraphics() override { Delete(); }

    gp::GpGraphics* native() const noexcept { return static_cast<gp::GpGraphics*>(handle_); }

    // False when empty (status untouched).
    bool Delete();
    bool Flush(gp::FlushIntention intention = gp::FlushIntentionFlush);
    bool CreateFromHWND(HWND window, bool useIcm = false);
    // On a device context; with a device handle through GdipCreateFromHDC2.
    bool CreateFromHDC(HDC dc, HANDLE device = nullptr);
    // On an image or bitmap (which must outlive this graphics).
    bool FromImage(const GfxImage& image);
    // The graphics' DC, to be given back with ReleaseDC; 0 on failure.
    HDC GetDC();
    bool ReleaseDC(HDC dc);

    gp::CompositingMode GetCompositingMode() const;
    bool SetCompositingMode(gp::CompositingMode mode);
    bool GetRenderingOrigin(int& x, int& y) const;
    bool SetRenderingOrigin(int x, int y);
    gp::CompositingQuality GetCompositingQuality() const;
    bool SetCompositingQuality(gp::CompositingQuality quality);
    bool SetSmoothingMode(gp::SmoothingMode mode);
    gp::SmoothingMode GetSmoothingMode() const;
    bool SetTextRenderingHint(gp::TextRenderingHint hint);
    gp::TextRenderingHint GetTextRenderingHint() const;
    bool SetInterpolationMode(gp::InterpolationMode mode);
    gp::InterpolationMode GetInterpolationMode() const;
    bool SetPixelOffsetMode(gp::PixelOffsetMode mode);
    gp::PixelOffsetMode GetPixelOffsetMode() const;

    // Matrices are plain GDI+ handles owned by the caller.
    bool SetWorldTransform(gp::GpMatrix* matrix);
    bool GetWorldTransform(gp::GpMatrix* matrix) const;
    bool ResetWorldTransform();
    bool MultiplyWorldTransform(const gp::GpMatrix* matrix,
                                gp::MatrixOrder order = gp::MatrixOrderPrepend);
    bool TranslateWorldTransform(float dx, float dy,
                                 gp::MatrixOrder order = gp::MatrixOrderPrepend);
    bool ScaleWorldTransform(float sx, float sy, gp::MatrixOrder order = gp::MatrixOrderPrepend);
    // Scales about centre instead of the origin; the result is the last step's.
    bool ScaleWorldTransformAt(float sx, float sy, gp::PointF centre,
                               gp::MatrixOrder order = gp::MatrixOrderPrepend);
    bool RotateWorldTransform(float angle, gp::MatrixOrder order = gp::MatrixOrderPrepend);
    // Rotates about centre instead of the origin; the result is the last step's.
    bool RotateWorldTransformAt(float angle, gp::PointF centre,
                                gp::MatrixOrder order = gp::MatrixOrderPrepend);
    bool SetPageUnit(gp::Unit unit);
    gp::Unit GetPageUnit() const;
    bool SetPageScale(float scale);
    float GetPageScale() const;
    float GetDpiX() const;
    float GetDpiY() const;
    bool TransformPoints(gp::CoordinateSpace to, gp::CoordinateSpace from,
                         std::span<gp::PointF> points) const;
    bool TransformPointsI(gp::CoordinateSpace to, gp::CoordinateSpace from,
                          std::span<gp::Point> points) const;
    gp::ARGB GetNearestColor(gp::ARGB color) const;

    bool DrawLine(const GfxPen& pen, float x1, float y1, float x2, float y2);
    bool DrawLineI(const GfxPen& pen, int x1, int y1, int x2, int y2);
    bool DrawLines(const GfxPen& pen, std::span<const gp::PointF> points);
    bool DrawLinesI(const GfxPen& pen, std::span<const gp::Point> points);
    bool DrawArc(const GfxPen& pen, float x, float y, float width, float height, float start,
                 float sweep);
    bool DrawArcI(const GfxPen& pen, int x, int y, int width, int height, float start, float sweep);
    bool DrawBezier(const GfxPen& pen, float x1, float y1, float x2, float y2, float x3, float y3,
                    float x4, float y4);
    bool DrawBezierI(const GfxPen& pen, int x1, int y1, int x2, int y2, int x3, int y3, int x4,
                     int y4);
    bool DrawBeziers(const GfxPen& pen, std::span<const gp::PointF> points);
    bool DrawBeziersI(const GfxPen& pen, std::span<const gp::Point> points);
    bool DrawRectangle(const GfxPen& pen, float x, float y, float width, float height);
    bool DrawRectangleI(const GfxPen& pen, int x, int y, int width, int height);
    bool DrawRectangles(const GfxPen& pen, std::span<const gp::RectF> rects);
    bool DrawRectanglesI(const GfxPen& pen, std::span<const gp::Rect> rects);
    bool DrawEllipse(const GfxPen& pen, float x, float y, float width, float height);
    bool DrawEllipseI(const GfxPen& pen, int x, int y, int width, int height);
    bool DrawPie(const GfxPen& pen, float x, float y, float width, float height, float start,
                 float sweep);
    bool DrawPieI(const GfxPen& pen, int x, int y, int width, int height, float start, float sweep);
    bool DrawPolygon(const GfxPen& pen, std::span<const gp::PointF> points);
    bool DrawPolygonI(const GfxPen& pen, std::span<const gp::Point> points);
    bool DrawPath(const GfxPen& pen, const GfxPath& path);
    bool DrawCurve(const GfxPen& pen, std::span<const gp::PointF> points);
    bool DrawCurveI(const GfxPen& pen, std::span<const gp::Point> points);
    bool DrawCurve2(const GfxPen& pen, std::span<const gp::PointF> points, float tension);
    bool DrawCurve2I(const GfxPen& pen, std::span<const gp::Point> points, float tension);
    bool DrawCurve3(const GfxPen& pen, std::span<const gp::PointF> points, int offset, int segments,
                    float tension);
    bool DrawCurve3I(const GfxPen& pen, std::span<const gp::Point> points, int offset, int segments,
                     float tension);
    bool DrawClosedCurve(const GfxPen& pen, std::span<const gp::PointF> points);
    bool DrawClosedCurveI(const GfxPen& pen, std::span<const gp::Point> points);
    bool DrawClosedCurve2(const GfxPen& pen, std::span<const gp::PointF> points, float tension);
    bool DrawClosedCurve2I(const GfxPen& pen, std::span<const gp::Point> points, float tension);

    bool Clear(gp::ARGB color);
    bool FillRectangle(const GfxBrush& brush, float x, float y, float width, float height);
    bool FillRectangle(const GfxBrush& brush, const gp::RectF& rect);
    bool FillRectangleI(const GfxBrush& brush, int x, int y, int width, int height);
    bool FillRectangles(const GfxBrush& brush, std::span<const gp::RectF> rects);
    bool FillRectanglesI(const GfxBrush& brush, std::span<const gp::Rect> rects);
    bool FillPolygon(const GfxBrush& brush, std::span<const gp::PointF> points,
                     gp::FillMode mode = gp::FillModeAlternate);
    bool FillPolygonI(const GfxBrush& brush, std::span<const gp::Point> points,
                      gp::FillMode mode = gp::FillModeAlternate);
    bool FillEllipse(const GfxBrush& brush, float x, float y, float width, float height);
    bool FillEllipseI(const GfxBrush& brush, int x, int y, int width, int height);
    bool FillPie(const GfxBrush& brush, float x, float y, float width, float height, float start,
                 float sweep);
    bool FillPieI(const GfxBrush& brush, int x, int y, int width, int height, float start,
                  float sweep);
    bool FillPath(const GfxBrush& brush, const GfxPath& path);
    bool FillClosedCurve(const GfxBrush& brush, std::span<const gp::PointF> points);
    bool FillClosedCurve2(const GfxBrush& brush, std::span<const gp::PointF> points, float tension,
                          gp::FillMode mode = gp::FillModeAlternate);
    bool FillClosedCurveI(const GfxBrush& brush, std::span<const gp::Point> points);
    bool FillClosedCurve2I(const GfxBrush& brush, std::span<const gp::Point> points, float tension,
                           gp::FillMode mode = gp::FillModeAlternate);
    bool FillRegion(const GfxBrush& brush, const GfxRegion& region);

    // Texts: std::string_view is ANSI (GBK) text, std::wstring_view UTF-16. No format
    // means GDI+'s default layout.
    bool DrawString(std::string_view text, const GfxFont& font, const GfxBrush& brush,
                    const gp::RectF& layout, const GfxStringFormat* format = nullptr);
    bool DrawString(std::wstring_view text, const GfxFont& font, const GfxBrush& brush,
                    const gp::RectF& layout, const GfxStringFormat* format = nullptr);
    bool MeasureString(std::string_view text, const GfxFont& font, const gp::RectF& layout,
                       const GfxStringFormat* format, gp::RectF& bounds,
                       int* codepointsFitted = nullptr, int* linesFilled = nullptr) const;
    bool MeasureString(std::wstring_view text, const GfxFont& font, const gp::RectF& layout,
                       const GfxStringFormat* format, gp::RectF& bounds,
                       int* codepointsFitted = nullptr, int* linesFilled = nullptr) const;
    // One region per measurable range the format holds (count of them); empty when
    // count < 1 (GDI+ not called) or on failure.
    std::vector<GfxRegion> MeasureCharacterRanges(std::string_view text, const GfxFont& font,
                                                  const gp::RectF& layout,
                                                  const GfxStringFormat& format, int count) const;
    std::vector<GfxRegion> MeasureCharacterRanges(std::wstring_view text, const GfxFont& font,
                                                  const gp::RectF& layout,
                                                  const GfxStringFormat& format, int count) const;
    // positions holds one point per character (or one with DriverStringOptionsRealizedAdvance).
    bool DrawDriverString(std::string_view text, const GfxFont& font, const GfxBrush& brush,
                          std::span<const gp::PointF> positions, int flags,
                          const gp::GpMatrix* matrix = nullptr);
    bool DrawDriverString(std::wstring_view text, const GfxFont& font, const GfxBrush& brush,
                          std::span<const gp::PointF> positions, int flags,
                          const gp::GpMatrix* matrix = nullptr);
    bool SetTextContrast(UINT contrast);
    UINT GetTextContrast() const;

    bool DrawImage(const GfxImage& image, float x, float y);
    bool DrawImageI(const GfxImage& image, int x, int y);
    // x and y are truncated to whole pixels.
    bool DrawCachedBitmap(gp::GpCachedBitmap* cached, float x, float y);
    // The whole image stretched into the rectangle.
    bool DrawImageStretched(const GfxImage& image, float x, float y, float width, float height,
                            gp::Unit unit = gp::UnitPixel);
    bool DrawImageStretchedI(const GfxImage& image, int x, int y, int width, int height,
                             gp::Unit unit = gp::UnitPixel);
    bool DrawImagePoints(const GfxImage& image, std::span<const gp::PointF> points);
    bool DrawImagePointsI(const GfxImage& image, std::span<const gp::Point> points);
    bool DrawImagePointRect(const GfxImage& image, float x, float y, const gp::RectF& source,
                            gp::Unit unit);
    bool DrawImagePointRectI(const GfxImage& image, int x, int y, const gp::Rect& source,
                             gp::Unit unit);
    bool DrawImageRectRect(const GfxImage& image, const gp::RectF& dest, const gp::RectF& source,
                           gp::Unit unit, const gp::GpImageAttributes* attributes = nullptr,
                           gp::DrawImageAbort abort = nullptr, void* abortData = nullptr);
    bool DrawImageRectRectI(const GfxImage& image, const gp::Rect& dest, const gp::Rect& source,
                            gp::Unit unit, const gp::GpImageAttributes* attributes = nullptr,
                            gp::DrawImageAbort abort = nullptr, void* abortData = nullptr);
    bool DrawImagePointsRect(const GfxImage& image, std::span<const gp::PointF> points,
                             const gp::RectF& source, gp::Unit unit,
                             const gp::GpImageAttributes* attributes = nullptr,
                             gp::DrawImageAbort abort = nullptr, void* abortData = nullptr);
    bool DrawImagePointsRectI(const GfxImage& image, std::span<const gp::Point> points,
                              const gp::Rect& source, gp::Unit unit,
                              const gp::GpImageAttributes* attributes = nullptr,
                              gp::DrawImageAbort abort = nullptr, void* abortData = nullptr);

    // Clipping; the combine mode defaults to replacing the clip.
    bool SetClip(const GfxGraphics& other, gp::CombineMode mode = gp::CombineModeReplace);
    bool SetClipPath(const GfxPath& path, gp::CombineMode mode = gp::CombineModeReplace);
    bool SetClipRect(float x, float y, float width, float height,
                     gp::CombineMode mode = gp::CombineModeReplace);
    bool SetClipRectI(int x, int y, int width, int height,
                      gp::CombineMode mode = gp::CombineModeReplace);
    bool SetClipRegion(const GfxRegion& region, gp::CombineMode mode = gp::CombineModeReplace);
    bool SetClipHrgn(HRGN region, gp::CombineMode mode = gp::CombineModeReplace);
    bool ResetClip();
    bool TranslateClip(float dx, float dy);
    bool TranslateClipI(int dx, int dy);
    // Copies the clip into region, which must already hold a region.
    bool GetClip(GfxRegion& region) const;
    gp::RectF GetClipBounds() const;
    gp::Rect GetClipBoundsI() const;
    gp::RectF GetVisibleClipBounds() const;
    gp::Rect GetVisibleClipBoundsI() const;
    bool IsClipEmpty() const;
    bool IsVisibleClipEmpty() const;
    bool IsVisiblePoint(float x, float y) const;
    bool IsVisiblePointI(int x, int y) const;
    bool IsVisibleRect(float x, float y, float width, float height) const;
    bool IsVisibleRectI(int x, int y, int width, int height) const;

    gp::GraphicsState Save();
    bool Restore(gp::GraphicsState state);
    gp::GraphicsContainer BeginContainer(const gp::RectF& dest, const gp::RectF& source,
                                         gp::Unit unit);
    gp::GraphicsContainer BeginContainerI(const gp::Rect& dest, const gp::Rect& source,
                                          gp::Unit unit);
    gp::GraphicsContainer BeginContainer2();
    bool EndContainer(gp::GraphicsContainer container);
    bool Comment(std::span<const std::uint8_t> data);

protected:
    void ReleaseNative() noexcept override { Delete(); }
};

}  // namespace gfx
