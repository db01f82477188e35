// GfxGraphics: one flat call per method, plus texts and transforms about a centre.
#include "gfx/gfx_graphics.h"

#include "gfx/gfx_flat.h"
#include "gfx/gfx_brush.h"
#include "gfx/gfx_font.h"
#include "gfx/gfx_image.h"
#include "gfx/gfx_path.h"
#include "gfx/gfx_pen.h"
#include "gfx/gfx_text.h"

namespace gfx {

bool GfxGraphics::Delete() { return ReleaseWith<gp::GpGraphics>(GdipDeleteGraphics); }
bool GfxGraphics::Flush(gp::FlushIntention intention) {
    return Call(GdipFlush, native(), intention);
}

bool GfxGraphics::CreateFromHWND(HWND window, bool useIcm) {
    return CreateInto<gp::GpGraphics>(*this, useIcm ? GdipCreateFromHWNDICM : GdipCreateFromHWND,
                                      window);
}

bool GfxGraphics::CreateFromHDC(HDC dc, HANDLE device) {
    if (device != nullptr) return CreateInto<gp::GpGraphics>(*this, GdipCreateFromHDC2, dc, device);
    return CreateInto<gp::GpGraphics>(*this, GdipCreateFromHDC, dc);
}

bool GfxGraphics::FromImage(const GfxImage& image) {
    return CreateInto<gp::GpGraphics>(*this, GdipGetImageGraphicsContext, image.native());
}

HDC GfxGraphics::GetDC() { return Get<HDC>(GdipGetDC, native()); }
bool GfxGraphics::ReleaseDC(HDC dc) { return Call(GdipReleaseDC, native(), dc); }

gp::CompositingMode GfxGraphics::GetCompositingMode() const {
    return Get<gp::CompositingMode>(GdipGetCompositingMode, native());
}
bool GfxGraphics::SetCompositingMode(gp::CompositingMode mode) {
    return Call(GdipSetCompositingMode, native(), mode);
}
bool GfxGraphics::GetRenderingOrigin(int& x, int& y) const {
    return Call(GdipGetRenderingOrigin, native(), &x, &y);
}
bool GfxGraphics::SetRenderingOrigin(int x, int y) {
    return Call(GdipSetRenderingOrigin, native(), x, y);
}
gp::CompositingQuality GfxGraphics::GetCompositingQuality() const {
    return Get<gp::CompositingQuality>(GdipGetCompositingQuality, native());
}
bool GfxGraphics::SetCompositingQuality(gp::CompositingQuality quality) {
    return Call(GdipSetCompositingQuality, native(), quality);
}
bool GfxGraphics::SetSmoothingMode(gp::SmoothingMode mode) {
    return Call(GdipSetSmoothingMode, native(), mode);
}
gp::SmoothingMode GfxGraphics::GetSmoothingMode() const {
    return Get<gp::SmoothingMode>(GdipGetSmoothingMode, native());
}
bool GfxGraphics::SetTextRenderingHint(gp::TextRenderingHint hint) {
    return Call(GdipSetTextRenderingHint, native(), hint);
}
gp::TextRenderingHint GfxGraphics::GetTextRenderingHint() const {
    return Get<gp::TextRenderingHint>(GdipGetTextRenderingHint, native());
}
bool GfxGraphics::SetInterpolationMode(gp::InterpolationMode mode) {
    return Call(GdipSetInterpolationMode, native(), mode);
}
gp::InterpolationMode GfxGraphics::GetInterpolationMode() const {
    return Get<gp::InterpolationMode>(GdipGetInterpolationMode, native());
}
bool GfxGraphics::SetPixelOffsetMode(gp::PixelOffsetMode mode) {
    return Call(GdipSetPixelOffsetMode, native(), mode);
}
gp::PixelOffsetMode GfxGraphics::GetPixelOffsetMode() const {
    return Get<gp::PixelOffsetMode>(GdipGetPixelOffsetMode, native());
}

bool GfxGraphics::SetWorldTransform(gp::GpMatrix* matrix) {
    return Call(GdipSetWorldTransform, native(), matrix);
}
bool GfxGraphics::GetWorldTransform(gp::GpMatrix* matrix) const {
    return Call(GdipGetWorldTransform, native(), matrix);
}
bool GfxGraphics::ResetWorldTransform() { return Call(GdipResetWorldTransform, native()); }
bool GfxGraphics::MultiplyWorldTransform(const gp::GpMatrix* matrix, gp::MatrixOrder order) {
    return Call(GdipMultiplyWorldTransform, native(), matrix, order);
}
bool GfxGraphics::TranslateWorldTransform(float dx, float dy, gp::MatrixOrder order) {
    return Call(GdipTranslateWorldTransform, native(), dx, dy, order);
}
bool GfxGraphics::ScaleWorldTransform(float sx, float sy, gp::MatrixOrder order) {
    return Call(GdipScaleWorldTransform, native(), sx, sy, order);
}
bool GfxGraphics::RotateWorldTransform(float angle, gp::MatrixOrder order) {
    return Call(GdipRotateWorldTransform, native(), angle, order);
}

bool GfxGraphics::ScaleWorldTransformAt(float sx, float sy, gp::PointF centre,
                                        gp::MatrixOrder order) {
    return detail::ScaleAt(GdipTranslateWorldTransform, GdipScaleWorldTransform, native(), sx, sy,
                           centre, order);
}

bool GfxGraphics::RotateWorldTransformAt(float angle, gp::PointF centre, gp::MatrixOrder order) {
    return detail::RotateAt(GdipTranslateWorldTransform, GdipRotateWorldTransform, native(), angle,
                            centre, order);
}

bool GfxGraphics::SetPageUnit(gp::Unit unit) { return Call(GdipSetPageUnit, native(), unit); }
gp::Unit GfxGraphics::GetPageUnit() const { return Get<gp::Unit>(GdipGetPageUnit, native()); }
bool GfxGraphics::SetPageScale(float scale) { return Call(GdipSetPageScale, native(), scale); }
float GfxGraphics::GetPageScale() const { return Get<gp::REAL>(GdipGetPageScale, native()); }
float GfxGraphics::GetDpiX() const { return Get<gp::REAL>(GdipGetDpiX, native()); }
float GfxGraphics::GetDpiY() const { return Get<gp::REAL>(GdipGetDpiY, native()); }
bool GfxGraphics::TransformPoints(gp::CoordinateSpace to, gp::CoordinateSpace from,
                                  std::span<gp::PointF> points) const {
    return Call(GdipTransformPoints, native(), to, from, points.data(), Count(points));
}
bool GfxGraphics::TransformPointsI(gp::CoordinateSpace to, gp::CoordinateSpace from,
                                   std::span<gp::Point> points) const {
    return Call(GdipTransformPointsI, native(), to, from, points.data(), Count(points));
}

gp::ARGB GfxGraphics::GetNearestColor(gp::ARGB color) const {
    Call(GdipGetNearestColor, native(), &color);
    return color;
}

bool GfxGraphics::DrawLine(const GfxPen& pen, float x1, float y1, float x2, float y2) {
    return Call(GdipDrawLine, native(), pen.native(), x1, y1, x2, y2);
}
bool GfxGraphics::DrawLineI(const GfxPen& pen, int x1, int y1, int x2, int y2) {
    return Call(GdipDrawLineI, native(), pen.native(), x1, y1, x2, y2);
}
bool GfxGraphics::DrawLines(const GfxPen& pen, std::span<const gp::PointF> points) {
    return Call(GdipDrawLines, native(), pen.native(), points.data(), Count(points));
}
bool GfxGraphics::DrawLinesI(const GfxPen& pen, std::span<const gp::Point> points) {
    return Call(GdipDrawLinesI, native(), pen.native(), points.data(), Count(points));
}
bool GfxGraphics::DrawArc(const GfxPen& pen, float x, float y, float width, float height,
                          float start, float sweep) {
    return Call(GdipDrawArc, native(), pen.native(), x, y, width, height, start, sweep);
}
bool GfxGraphics::DrawArcI(const GfxPen& pen, int x, int y, int width, int height, float start,
                           float sweep) {
    return Call(GdipDrawArcI, native(), pen.native(), x, y, width, height, start, sweep);
}
bool GfxGraphics::DrawBezier(const GfxPen& pen, float x1, float y1, float x2, float y2, float x3,
                             float y3, float x4, float y4) {
    return Call(GdipDrawBezier, native(), pen.native(), x1, y1, x2, y2, x3, y3, x4, y4);
}
bool GfxGraphics::DrawBezierI(const GfxPen& pen, int x1, int y1, int x2, int y2, int x3, int y3,
                              int x4, int y4) {
    return Call(GdipDrawBezierI, native(), pen.native(), x1, y1, x2, y2, x3, y3, x4, y4);
}
bool GfxGraphics::DrawBeziers(const GfxPen& pen, std::span<const gp::PointF> points) {
    return Call(GdipDrawBeziers, native(), pen.native(), points.data(), Count(points));
}
bool GfxGraphics::DrawBeziersI(const GfxPen& pen, std::span<const gp::Point> points) {
    return Call(GdipDrawBeziersI, native(), pen.native(), points.data(), Count(points));
}
bool GfxGraphics::DrawRectangle(const GfxPen& pen, float x, float y, float width, float height) {
    return Call(GdipDrawRectangle, native(), pen.native(), x, y, width, height);
}
bool GfxGraphics::DrawRectangleI(const GfxPen& pen, int x, int y, int width, int height) {
    return Call(GdipDrawRectangleI, native(), pen.native(), x, y, width, height);
}
bool GfxGraphics::DrawRectangles(const GfxPen& pen, std::span<const gp::RectF> rects) {
    return Call(GdipDrawRectangles, native(), pen.native(), rects.data(), Count(rects));
}
bool GfxGraphics::DrawRectanglesI(const GfxPen& pen, std::span<const gp::Rect> rects) {
    return Call(GdipDrawRectanglesI, native(), pen.native(), rects.data(), Count(rects));
}
bool GfxGraphics::DrawEllipse(const GfxPen& pen, float x, float y, float width, float height) {
    return Call(GdipDrawEllipse, native(), pen.native(), x, y, width, height);
}
bool GfxGraphics::DrawEllipseI(const GfxPen& pen, int x, int y, int width, int height) {
    return Call(GdipDrawEllipseI, native(), pen.native(), x, y, width, height);
}
bool GfxGraphics::DrawPie(const GfxPen& pen, float x, float y, float width, float height,
                          float start, float sweep) {
    return Call(GdipDrawPie, native(), pen.native(), x, y, width, height, start, sweep);
}
bool GfxGraphics::DrawPieI(const GfxPen& pen, int x, int y, int width, int height, float start,
                           float sweep) {
    return Call(GdipDrawPieI, native(), pen.native(), x, y, width, height, start, sweep);
}
bool GfxGraphics::DrawPolygon(const GfxPen& pen, std::span<const gp::PointF> points) {
    return Call(GdipDrawPolygon, native(), pen.native(), points.data(), Count(points));
}
bool GfxGraphics::DrawPolygonI(const GfxPen& pen, std::span<const gp::Point> points) {
    return Call(GdipDrawPolygonI, native(), pen.native(), points.data(), Count(points));
}
bool GfxGraphics::DrawPath(const GfxPen& pen, const GfxPath& path) {
    return Call(GdipDrawPath, native(), pen.native(), path.native());
}
bool GfxGraphics::DrawCurve(const GfxPen& pen, std::span<const gp::PointF> points) {
    return Call(GdipDrawCurve, native(), pen.native(), points.data(), Count(points));
}
bool GfxGraphics::DrawCurveI(const GfxPen& pen, std::span<const gp::Point> points) {
    return Call(GdipDrawCurveI, native(), pen.native(), points.data(), Count(points));
}
bool GfxGraphics::DrawCurve2(const GfxPen& pen, std::span<const gp::PointF> points, float tension) {
    return Call(GdipDrawCurve2, native(), pen.native(), points.data(), Count(points), tension);
}
bool GfxGraphics::DrawCurve2I(const GfxPen& pen, std::span<const gp::Point> points, float tension) {
    return Call(GdipDrawCurve2I, native(), pen.native(), points.data(), Count(points), tension);
}
bool GfxGraphics::DrawCurve3(const GfxPen& pen, std::span<const gp::PointF> points, int offset,
                             int segments, float tension) {
    return Call(GdipDrawCurve3, native(), pen.native(), points.data(), Count(points), offset,
                segments, tension);
}
bool GfxGraphics::DrawCurve3I(const GfxPen& pen, std::span<const gp::Point> points, int offset,
                              int segments, float tension) {
    return Call(GdipDrawCurve3I, native(), pen.native(), points.data(), Count(points), offset,
                segments, tension);
}
bool GfxGraphics::DrawClosedCurve(const GfxPen& pen, std::span<const gp::PointF> points) {
    return Call(GdipDrawClosedCurve, native(), pen.native(), points.data(), Count(points));
}
bool GfxGraphics::DrawClosedCurveI(const GfxPen& pen, std::span<const gp::Point> points) {
    return Call(GdipDrawClosedCurveI, native(), pen.native(), points.data(), Count(points));
}
bool GfxGraphics::DrawClosedCurve2(const GfxPen& pen, std::span<const gp::PointF> points,
                                   float tension) {
    return Call(GdipDrawClosedCurve2, native(), pen.native(), points.data(), Count(points),
                tension);
}
bool GfxGraphics::DrawClosedCurve2I(const GfxPen& pen, std::span<const gp::Point> points,
                                    float tension) {
    return Call(GdipDrawClosedCurve2I, native(), pen.native(), points.data(), Count(points),
                tension);
}

bool GfxGraphics::Clear(gp::ARGB color) { return Call(GdipGraphicsClear, native(), color); }
bool GfxGraphics::FillRectangle(const GfxBrush& brush, float x, float y, float width,
                                float height) {
    return Call(GdipFillRectangle, native(), brush.native(), x, y, width, height);
}
bool GfxGraphics::FillRectangle(const GfxBrush& brush, const gp::RectF& r) {
    return FillRectangle(brush, r.X, r.Y, r.Width, r.Height);
}
bool GfxGraphics::FillRectangleI(const GfxBrush& brush, int x, int y, int width, int height) {
    return Call(GdipFillRectangleI, native(), brush.native(), x, y, width, height);
}
bool GfxGraphics::FillRectangles(const GfxBrush& brush, std::span<const gp::RectF> rects) {
    return Call(GdipFillRectangles, native(), brush.native(), rects.data(), Count(rects));
}
bool GfxGraphics::FillRectanglesI(const GfxBrush& brush, std::span<const gp::Rect> rects) {
    return Call(GdipFillRectanglesI, native(), brush.native(), rects.data(), Count(rects));
}
bool GfxGraphics::FillPolygon(const GfxBrush& brush, std::span<const gp::PointF> points,
                              gp::FillMode mode) {
    return Call(GdipFillPolygon, native(), brush.native(), points.data(), Count(points), mode);
}
bool GfxGraphics::FillPolygonI(const GfxBrush& brush, std::span<const gp::Point> points,
                               gp::FillMode mode) {
    return Call(GdipFillPolygonI, native(), brush.native(), points.data(), Count(points), mode);
}
bool GfxGraphics::FillEllipse(const GfxBrush& brush, float x, float y, float width, float height) {
    return Call(GdipFillEllipse, native(), brush.native(), x, y, width, height);
}
bool GfxGraphics::FillEllipseI(const GfxBrush& brush, int x, int y, int width, int height) {
    return Call(GdipFillEllipseI, native(), brush.native(), x, y, width, height);
}
bool GfxGraphics::FillPie(const GfxBrush& brush, float x, float y, float width, float height,
                          float start, float sweep) {
    return Call(GdipFillPie, native(), brush.native(), x, y, width, height, start, sweep);
}
bool GfxGraphics::FillPieI(const GfxBrush& brush, int x, int y, int width, int height, float start,
                           float sweep) {
    return Call(GdipFillPieI, native(), brush.native(), x, y, width, height, start, sweep);
}
bool GfxGraphics::FillPath(const GfxBrush& brush, const GfxPath& path) {
    return Call(GdipFillPath, native(), brush.native(), path.native());
}
bool GfxGraphics::FillClosedCurve(const GfxBrush& brush, std::span<const gp::PointF> points) {
    return Call(GdipFillClosedCurve, native(), brush.native(), points.data(), Count(points));
}
bool GfxGraphics::FillClosedCurve2(const GfxBrush& brush, std::span<const gp::PointF> points,
                                   float tension, gp::FillMode mode) {
    return Call(GdipFillClosedCurve2, native(), brush.native(), points.data(), Count(points),
                tension, mode);
}
bool GfxGraphics::FillClosedCurveI(const GfxBrush& brush, std::span<const gp::Point> points) {
    return Call(GdipFillClosedCurveI, native(), brush.native(), points.data(), Count(points));
}
bool GfxGraphics::FillClosedCurve2I(const GfxBrush& brush, std::span<const gp::Point> points,
                                    float tension, gp::FillMode mode) {
    return Call(GdipFillClosedCurve2I, native(), brush.native(), points.data(), Count(points),
                tension, mode);
}
bool GfxGraphics::FillRegion(const GfxBrush& brush, const GfxRegion& region) {
    return Call(GdipFillRegion, native(), brush.native(), region.native());
}

bool GfxGraphics::DrawString(std::string_view text, const GfxFont& font, const GfxBrush& brush,
                             const gp::RectF& layout, const GfxStringFormat* format) {
    return DrawString(std::wstring_view(ToWide(text)), font, brush, layout, format);
}

bool GfxGraphics::DrawString(std::wstring_view text, const GfxFont& font, const GfxBrush& brush,
                             const gp::RectF& layout, const GfxStringFormat* format) {
    return Call(GdipDrawString, native(), text.data(), Count(text), font.native(), &layout,
                NativeOrNull(format), brush.native());
}

bool GfxGraphics::MeasureString(std::string_view text, const GfxFont& font, const gp::RectF& layout,
                                const GfxStringFormat* format, gp::RectF& bounds,
                                int* codepointsFitted, int* linesFilled) const {
    return MeasureString(std::wstring_view(ToWide(text)), font, layout, format, bounds,
                         codepointsFitted, linesFilled);
}

bool GfxGraphics::MeasureString(std::wstring_view text, const GfxFont& font,
                                const gp::RectF& layout, const GfxStringFormat* format,
                                gp::RectF& bounds, int* codepointsFitted, int* linesFilled) const {
    return Call(GdipMeasureString, native(), text.data(), Count(text), font.native(), &layout,
                NativeOrNull(format), &bounds, codepointsFitted, linesFilled);
}

std::vector<GfxRegion> GfxGraphics::MeasureCharacterRanges(std::string_view text,
                                                           const GfxFont& font,
                                                           const gp::RectF& layout,
                                                           const GfxStringFormat& format,
                                                           int count) const {
    if (count < 1) return {};
    return MeasureCharacterRanges(std::wstring_view(ToWide(text)), font, layout, format, count);
}

std::vector<GfxRegion> GfxGraphics::MeasureCharacterRanges(std::wstring_view text,
                                                           const GfxFont& font,
                                                           const gp::RectF& layout,
                                                           const GfxStringFormat& format,
                                                           int count) const {
    if (count < 1) return {};
    // The regions are owned from the start, so none is left behind on failure.
    std::vector<GfxRegion> regions(static_cast<std::size_t>(count));
    std::vector<gp::GpRegion*> natives;
    for (GfxRegion& region : regions) {
        if (!region.Create()) return {};
        natives.push_back(region.native());
    }
    if (!Call(GdipMeasureCharacterRanges, native(), text.data(), Count(text), font.native(), layout,
              format.native(), count, natives.data())) {
        const int status = GfxLastStatus;
        regions.clear();
        GfxLastStatus = status;
    }
    return regions;
}

bool GfxGraphics::DrawDriverString(std::string_view text, const GfxFont& font,
                                   const GfxBrush& brush, std::span<const gp::PointF> positions,
                                   int flags, const gp::GpMatrix* matrix) {
    return DrawDriverString(std::wstring_view(ToWide(text)), font, brush, positions, flags, matrix);
}

bool GfxGraphics::DrawDriverString(std::wstring_view text, const GfxFont& font,
                                   const GfxBrush& brush, std::span<const gp::PointF> positions,
                                   int flags, const gp::GpMatrix* matrix) {
    const auto* glyphs = reinterpret_cast<const UINT16*>(text.data());
    return Call(GdipDrawDriverString, native(), glyphs, Count(text), font.native(), brush.native(),
                positions.data(), flags, matrix);
}

bool GfxGraphics::SetTextContrast(UINT contrast) {
    return Call(GdipSetTextContrast, native(), contrast);
}
UINT GfxGraphics::GetTextContrast() const { return Get<UINT>(GdipGetTextContrast, native()); }

bool GfxGraphics::DrawImage(const GfxImage& image, float x, float y) {
    return Call(GdipDrawImage, native(), image.native(), x, y);
}
bool GfxGraphics::DrawImageI(const GfxImage& image, int x, int y) {
    return Call(GdipDrawImageI, native(), image.native(), x, y);
}
bool GfxGraphics::DrawCachedBitmap(gp::GpCachedBitmap* cached, float x, float y) {
    return Call(GdipDrawCachedBitmap, native(), cached, static_cast<INT>(x), static_cast<INT>(y));
}

bool GfxGraphics::DrawImageStretched(const GfxImage& image, float x, float y, float width,
                                     float height, gp::Unit unit) {
    const float w = static_cast<float>(image.GetWidth());
    const float h = static_cast<float>(image.GetHeight());
    return DrawImageRectRect(image, gp::RectF(x, y, width, height), gp::RectF(0, 0, w, h), unit);
}

bool GfxGraphics::DrawImageStretchedI(const GfxImage& image, int x, int y, int width, int height,
                                      gp::Unit unit) {
    return DrawImageRectRectI(image, gp::Rect(x, y, width, height),
                              gp::Rect(0, 0, image.GetWidth(), image.GetHeight()), unit);
}

bool GfxGraphics::DrawImagePoints(const GfxImage& image, std::span<const gp::PointF> points) {
    return Call(GdipDrawImagePoints, native(), image.native(), points.data(), Count(points));
}
bool GfxGraphics::DrawImagePointsI(const GfxImage& image, std::span<const gp::Point> points) {
    return Call(GdipDrawImagePointsI, native(), image.native(), points.data(), Count(points));
}
bool GfxGraphics::DrawImagePointRect(const GfxImage& image, float x, float y, const gp::RectF& s,
                                     gp::Unit unit) {
    return Call(GdipDrawImagePointRect, native(), image.native(), x, y, s.X, s.Y, s.Width, s.Height,
                unit);
}
bool GfxGraphics::DrawImagePointRectI(const GfxImage& image, int x, int y, const gp::Rect& s,
                                      gp::Unit unit) {
    return Call(GdipDrawImagePointRectI, native(), image.native(), x, y, s.X, s.Y, s.Width,
                s.Height, unit);
}

bool GfxGraphics::DrawImageRectRect(const GfxImage& image, const gp::RectF& d, const gp::RectF& s,
                                    gp::Unit unit, const gp::GpImageAttributes* attributes,
                                    gp::DrawImageAbort abort, void* abortData) {
    return Call(GdipDrawImageRectRect, native(), image.native(), d.X, d.Y, d.Width, d.Height, s.X,
                s.Y, s.Width, s.Height, unit, attributes, abort, abortData);
}

bool GfxGraphics::DrawImageRectRectI(const GfxImage& image, const gp::Rect& d, const gp::Rect& s,
                                     gp::Unit unit, const gp::GpImageAttributes* attributes,
                                     gp::DrawImageAbort abort, void* abortData) {
    return Call(GdipDrawImageRectRectI, native(), image.native(), d.X, d.Y, d.Width, d.Height, s.X,
                s.Y, s.Width, s.Height, unit, attributes, abort, abortData);
}

bool GfxGraphics::DrawImagePointsRect(const GfxImage& image, std::span<const gp::PointF> points,
                                      const gp::RectF& s, gp::Unit unit,
                                      const gp::GpImageAttributes* attributes,
                                      gp::DrawImageAbort abort, void* abortData) {
    return Call(GdipDrawImagePointsRect, native(), image.native(), points.data(), Count(points),
                s.X, s.Y, s.Width, s.Height, unit, attributes, abort, abortData);
}

bool GfxGraphics::DrawImagePointsRectI(const GfxImage& image, std::span<const gp::Point> points,
                                       const gp::Rect& s, gp::Unit unit,
                                       const gp::GpImageAttributes* attributes,
                                       gp::DrawImageAbort abort, void* abortData) {
    return Call(GdipDrawImagePointsRectI, native(), image.native(), points.data(), Count(points),
                s.X, s.Y, s.Width, s.Height, unit, attributes, abort, abortData);
}

bool GfxGraphics::SetClip(const GfxGraphics& other, gp::CombineMode mode) {
    return Call(GdipSetClipGraphics, native(), other.native(), mode);
}
bool GfxGraphics::SetClipPath(const GfxPath& path, gp::CombineMode mode) {
    return Call(GdipSetClipPath, native(), path.native(), mode);
}
bool GfxGraphics::SetClipRect(float x, float y, float width, float height, gp::CombineMode mode) {
    return Call(GdipSetClipRect, native(), x, y, width, height, mode);
}
bool GfxGraphics::SetClipRectI(int x, int y, int width, int height, gp::CombineMode mode) {
    return Call(GdipSetClipRectI, native(), x, y, width, height, mode);
}
bool GfxGraphics::SetClipRegion(const GfxRegion& region, gp::CombineMode mode) {
    return Call(GdipSetClipRegion, native(), region.native(), mode);
}
bool GfxGraphics::SetClipHrgn(HRGN region, gp::CombineMode mode) {
    return Call(GdipSetClipHrgn, native(), region, mode);
}
bool GfxGraphics::ResetClip() { return Call(GdipResetClip, native()); }
bool GfxGraphics::TranslateClip(float dx, float dy) {
    return Call(GdipTranslateClip, native(), dx, dy);
}
bool GfxGraphics::TranslateClipI(int dx, int dy) {
    return Call(GdipTranslateClipI, native(), dx, dy);
}
bool GfxGraphics::GetClip(GfxRegion& region) const {
    return Call(GdipGetClip, native(), region.native());
}
gp::RectF GfxGraphics::GetClipBounds() const { return Get<gp::RectF>(GdipGetClipBounds, native()); }
gp::Rect GfxGraphics::GetClipBoundsI() const { return Get<gp::Rect>(GdipGetClipBoundsI, native()); }
gp::RectF GfxGraphics::GetVisibleClipBounds() const {
    return Get<gp::RectF>(GdipGetVisibleClipBounds, native());
}
gp::Rect GfxGraphics::GetVisibleClipBoundsI() const {
    return Get<gp::Rect>(GdipGetVisibleClipBoundsI, native());
}
bool GfxGraphics::IsClipEmpty() const { return GetBool(GdipIsClipEmpty, native()); }
bool GfxGraphics::IsVisibleClipEmpty() const { return GetBool(GdipIsVisibleClipEmpty, native()); }
bool GfxGraphics::IsVisiblePoint(float x, float y) const {
    return GetBool(GdipIsVisiblePoint, native(), x, y);
}
bool GfxGraphics::IsVisiblePointI(int x, int y) const {
    return GetBool(GdipIsVisiblePointI, native(), x, y);
}
bool GfxGraphics::IsVisibleRect(float x, float y, float width, float height) const {
    return GetBool(GdipIsVisibleRect, native(), x, y, width, height);
}
bool GfxGraphics::IsVisibleRectI(int x, int y, int width, int height) const {
    return GetBool(GdipIsVisibleRectI, native(), x, y, width, height);
}

gp::GraphicsState GfxGraphics::Save() { return Get<gp::GraphicsState>(GdipSaveGraphics, native()); }
bool GfxGraphics::Restore(gp::GraphicsState state) {
    return Call(GdipRestoreGraphics, native(), state);
}
gp::GraphicsContainer GfxGraphics::BeginContainer(const gp::RectF& dest, const gp::RectF& source,
                                                  gp::Unit unit) {
    return Get<gp::GraphicsContainer>(GdipBeginContainer, native(), &dest, &source, unit);
}
gp::GraphicsContainer GfxGraphics::BeginContainerI(const gp::Rect& dest, const gp::Rect& source,
                                                   gp::Unit unit) {
    return Get<gp::GraphicsContainer>(GdipBeginContainerI, native(), &dest, &source, unit);
}
gp::GraphicsContainer GfxGraphics::BeginContainer2() {
    return Get<gp::GraphicsContainer>(GdipBeginContainer2, native());
}
bool GfxGraphics::EndContainer(gp::GraphicsContainer container) {
    return Call(GdipEndContainer, native(), container);
}
bool GfxGraphics::Comment(std::span<const std::uint8_t> data) {
    return Call(GdipComment, native(), static_cast<UINT>(data.size()), data.data());
}

}  // namespace gfx
