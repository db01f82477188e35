// GfxPath and GfxRegion.
#include "gfx/gfx_path.h"

#include "gfx/gfx_flat.h"
#include "gfx/gfx_font.h"
#include "gfx/gfx_graphics.h"
#include "gfx/gfx_pen.h"
#include "gfx/gfx_text.h"

#include <algorithm>

namespace gfx {

namespace {

// The layout GdipGetPathData fills: caller-allocated arrays of Count entries.
struct RawPathData {
    INT Count;
    gp::PointF* Points;
    BYTE* Types;
};

}  // namespace

// ---- GfxPath ----

bool GfxPath::Delete() { return ReleaseWith<gp::GpPath>(GdipDeletePath); }
bool GfxPath::Create(gp::FillMode mode) {
    return CreateInto<gp::GpPath>(*this, GdipCreatePath, mode);
}

bool GfxPath::Create2(std::span<const gp::PointF> points, std::span<const std::uint8_t> types,
                      gp::FillMode mode) {
    return points.size() == types.size() &&
           CreateInto<gp::GpPath>(*this, GdipCreatePath2, points.data(), types.data(),
                                  Count(points), mode);
}

bool GfxPath::Create2I(std::span<const gp::Point> points, std::span<const std::uint8_t> types,
                       gp::FillMode mode) {
    return points.size() == types.size() &&
           CreateInto<gp::GpPath>(*this, GdipCreatePath2I, points.data(), types.data(),
                                  Count(points), mode);
}

bool GfxPath::Clone(GfxPath& target) const {
    return CreateInto<gp::GpPath>(target, GdipClonePath, native());
}
bool GfxPath::ResetPath() { return Call(GdipResetPath, native()); }
gp::FillMode GfxPath::GetPathFillMode() const {
    return Get<gp::FillMode>(GdipGetPathFillMode, native());
}
bool GfxPath::SetPathFillMode(gp::FillMode mode) {
    return Call(GdipSetPathFillMode, native(), mode);
}

bool GfxPath::GetPathData(GfxPathData& data) const {
    const INT n = GetPointCount();
    if (GfxLastStatus != gp::Ok) return false;
    GfxPathData read{std::vector<gp::PointF>(static_cast<std::size_t>(std::max(n, 0))),
                     std::vector<std::uint8_t>(static_cast<std::size_t>(std::max(n, 0)))};
    if (n > 0) {
        RawPathData raw{n, read.points.data(), read.types.data()};
        if (!Call(GdipGetPathData, native(), reinterpret_cast<gp::GpPathData*>(&raw))) return false;
    }
    data = std::move(read);
    return true;
}

std::vector<std::uint8_t> GfxPath::GetPathTypes() const {
    return ReadArray<std::uint8_t>(
        GetPointCount(), [&](BYTE* t, INT n) { return Call(GdipGetPathTypes, native(), t, n); });
}

std::vector<gp::PointF> GfxPath::GetPathPoints() const {
    return ReadArray<gp::PointF>(GetPointCount(), [&](gp::PointF* p, INT n) {
        return Call(GdipGetPathPoints, native(), p, n);
    });
}

std::vector<gp::Point> GfxPath::GetPathPointsI() const {
    return ReadArray<gp::Point>(GetPointCount(), [&](gp::Point* p, INT n) {
        return Call(GdipGetPathPointsI, native(), p, n);
    });
}

bool GfxPath::StartPathFigure() { return Call(GdipStartPathFigure, native()); }
bool GfxPath::ClosePathFigure() { return Call(GdipClosePathFigure, native()); }
bool GfxPath::ClosePathFigures() { return Call(GdipClosePathFigures, native()); }
bool GfxPath::SetPathMarker() { return Call(GdipSetPathMarker, native()); }
bool GfxPath::ClearPathMarkers() { return Call(GdipClearPathMarkers, native()); }
bool GfxPath::ReversePath() { return Call(GdipReversePath, native()); }
gp::PointF GfxPath::GetPathLastPoint() const {
    return Get<gp::PointF>(GdipGetPathLastPoint, native());
}

bool GfxPath::AddPathLine(float x1, float y1, float x2, float y2) {
    return Call(GdipAddPathLine, native(), x1, y1, x2, y2);
}
bool GfxPath::AddPathLineI(int x1, int y1, int x2, int y2) {
    return Call(GdipAddPathLineI, native(), x1, y1, x2, y2);
}
bool GfxPath::AddPathLine2(std::span<const gp::PointF> points) {
    return Call(GdipAddPathLine2, native(), points.data(), Count(points));
}
bool GfxPath::AddPathLine2I(std::span<const gp::Point> points) {
    return Call(GdipAddPathLine2I, native(), points.data(), Count(points));
}
bool GfxPath::AddPathArc(float x, float y, float width, float height, float start, float sweep) {
    return Call(GdipAddPathArc, native(), x, y, width, height, start, sweep);
}
bool GfxPath::AddPathArcI(int x, int y, int width, int height, float start, float sweep) {
    return Call(GdipAddPathArcI, native(), x, y, width, height, start, sweep);
}
bool GfxPath::AddPathBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                            float y4) {
    return Call(GdipAddPathBezier, native(), x1, y1, x2, y2, x3, y3, x4, y4);
}
bool GfxPath::AddPathBezierI(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    return Call(GdipAddPathBezierI, native(), x1, y1, x2, y2, x3, y3, x4, y4);
}
bool GfxPath::AddPathBeziers(std::span<const gp::PointF> points) {
    return Call(GdipAddPathBeziers, native(), points.data(), Count(points));
}
bool GfxPath::AddPathBeziersI(std::span<const gp::Point> points) {
    return Call(GdipAddPathBeziersI, native(), points.data(), Count(points));
}
bool GfxPath::AddPathCurve(std::span<const gp::PointF> points) {
    return Call(GdipAddPathCurve, native(), points.data(), Count(points));
}
bool GfxPath::AddPathCurve2(std::span<const gp::PointF> points, float tension) {
    return Call(GdipAddPathCurve2, native(), points.data(), Count(points), tension);
}
bool GfxPath::AddPathCurve3(std::span<const gp::PointF> points, int offset, int segments,
                            float tension) {
    return Call(GdipAddPathCurve3, native(), points.data(), Count(points), offset, segments,
                tension);
}
bool GfxPath::AddPathCurveI(std::span<const gp::Point> points) {
    return Call(GdipAddPathCurveI, native(), points.data(), Count(points));
}
bool GfxPath::AddPathCurve2I(std::span<const gp::Point> points, float tension) {
    return Call(GdipAddPathCurve2I, native(), points.data(), Count(points), tension);
}
bool GfxPath::AddPathCurve3I(std::span<const gp::Point> points, int offset, int segments,
                             float tension) {
    return Call(GdipAddPathCurve3I, native(), points.data(), Count(points), offset, segments,
                tension);
}
bool GfxPath::AddPathClosedCurve(std::span<const gp::PointF> points) {
    return Call(GdipAddPathClosedCurve, native(), points.data(), Count(points));
}
bool GfxPath::AddPathClosedCurve2(std::span<const gp::PointF> points, float tension) {
    return Call(GdipAddPathClosedCurve2, native(), points.data(), Count(points), tension);
}
bool GfxPath::AddPathClosedCurveI(std::span<const gp::Point> points) {
    return Call(GdipAddPathClosedCurveI, native(), points.data(), Count(points));
}
bool GfxPath::AddPathClosedCurve2I(std::span<const gp::Point> points, float tension) {
    return Call(GdipAddPathClosedCurve2I, native(), points.data(), Count(points), tension);
}
bool GfxPath::AddPathRectangle(float x, float y, float width, float height) {
    return Call(GdipAddPathRectangle, native(), x, y, width, height);
}

bool GfxPath::AddRoundedRectangle(float x, float y, float width, float height, int roundness) {
    roundness = std::clamp(roundness, 1, 100);
    const float aw = static_cast<float>(static_cast<int>(width * roundness / 100));
    const float ah = static_cast<float>(static_cast<int>(height * roundness / 100));
    // Only the closing of the figure is reported; the arcs' statuses are not kept.
    GdipAddPathArc(native(), x + width - aw, y, aw, ah, 270, 90);
    GdipAddPathArc(native(), x + width - aw, y + height - ah, aw, ah, 0, 90);
    GdipAddPathArc(native(), x, y + height - ah, aw, ah, 90, 90);
    GdipAddPathArc(native(), x, y, aw, ah, 180, 90);
    return ClosePathFigure();
}

bool GfxPath::AddPathRectangles(std::span<const gp::RectF> rects) {
    return Call(GdipAddPathRectangles, native(), rects.data(), Count(rects));
}
bool GfxPath::AddPathRectangleI(int x, int y, int width, int height) {
    return Call(GdipAddPathRectangleI, native(), x, y, width, height);
}
bool GfxPath::AddPathRectanglesI(std::span<const gp::Rect> rects) {
    return Call(GdipAddPathRectanglesI, native(), rects.data(), Count(rects));
}
bool GfxPath::AddPathEllipse(float x, float y, float width, float height) {
    return Call(GdipAddPathEllipse, native(), x, y, width, height);
}
bool GfxPath::AddPathEllipseI(int x, int y, int width, int height) {
    return Call(GdipAddPathEllipseI, native(), x, y, width, height);
}
bool GfxPath::AddPathPie(float x, float y, float width, float height, float start, float sweep) {
    return Call(GdipAddPathPie, native(), x, y, width, height, start, sweep);
}
bool GfxPath::AddPathPieI(int x, int y, int width, int height, float start, float sweep) {
    return Call(GdipAddPathPieI, native(), x, y, width, height, start, sweep);
}
bool GfxPath::AddPathPolygon(std::span<const gp::PointF> points) {
    return Call(GdipAddPathPolygon, native(), points.data(), Count(points));
}
bool GfxPath::AddPathPolygonI(std::span<const gp::Point> points) {
    return Call(GdipAddPathPolygonI, native(), points.data(), Count(points));
}
bool GfxPath::AddPathPath(const GfxPath& other, bool connect) {
    return Call(GdipAddPathPath, native(), other.native(), BOOL{connect});
}

bool GfxPath::AddPathString(std::string_view text, const GfxFontFamily& family, int style,
                            float emSize, const gp::RectF& layout, const GfxStringFormat* format) {
    return AddPathString(std::wstring_view(ToWide(text)), family, style, emSize, layout, format);
}

bool GfxPath::AddPathString(std::wstring_view text, const GfxFontFamily& family, int style,
                            float emSize, const gp::RectF& layout, const GfxStringFormat* format) {
    return Call(GdipAddPathString, native(), text.data(), Count(text), family.native(), style,
                emSize, &layout, NativeOrNull(format));
}

bool GfxPath::AddPathStringI(std::string_view text, const GfxFontFamily& family, int style,
                             float emSize, const gp::Rect& layout, const GfxStringFormat* format) {
    return AddPathStringI(std::wstring_view(ToWide(text)), family, style, emSize, layout, format);
}

bool GfxPath::AddPathStringI(std::wstring_view text, const GfxFontFamily& family, int style,
                             float emSize, const gp::Rect& layout, const GfxStringFormat* format) {
    return Call(GdipAddPathStringI, native(), text.data(), Count(text), family.native(), style,
                emSize, &layout, NativeOrNull(format));
}

bool GfxPath::TransformPath(gp::GpMatrix* matrix) {
    return Call(GdipTransformPath, native(), matrix);
}
bool GfxPath::FlattenPath(gp::GpMatrix* matrix, float flatness) {
    return Call(GdipFlattenPath, native(), matrix, flatness);
}
bool GfxPath::WidenPath(const GfxPen& pen, gp::GpMatrix* matrix, float flatness) {
    return Call(GdipWidenPath, native(), pen.native(), matrix, flatness);
}
bool GfxPath::WindingModeOutline(gp::GpMatrix* matrix, float flatness) {
    return Call(GdipWindingModeOutline, native(), matrix, flatness);
}

bool GfxPath::WarpPath(gp::GpMatrix* matrix, std::span<const gp::PointF> destination,
                       const gp::RectF& s, gp::WarpMode mode, float flatness) {
    return Call(GdipWarpPath, native(), matrix, destination.data(), Count(destination), s.X, s.Y,
                s.Width, s.Height, mode, flatness);
}

int GfxPath::GetPointCount() const { return Get<INT>(GdipGetPointCount, native()); }

gp::RectF GfxPath::GetPathWorldBounds(const gp::GpMatrix* matrix, const GfxPen* pen) const {
    gp::RectF bounds;
    Call(GdipGetPathWorldBounds, native(), &bounds, matrix, NativeOrNull(pen));
    return bounds;
}

gp::Rect GfxPath::GetPathWorldBoundsI(const gp::GpMatrix* matrix, const GfxPen* pen) const {
    gp::Rect bounds;
    Call(GdipGetPathWorldBoundsI, native(), &bounds, matrix, NativeOrNull(pen));
    return bounds;
}

bool GfxPath::IsVisiblePathPoint(float x, float y, const GfxGraphics* graphics) const {
    return GetBool(GdipIsVisiblePathPoint, native(), x, y, NativeOrNull(graphics));
}
bool GfxPath::IsVisiblePathPointI(int x, int y, const GfxGraphics* graphics) const {
    return GetBool(GdipIsVisiblePathPointI, native(), x, y, NativeOrNull(graphics));
}
bool GfxPath::IsOutlineVisiblePathPoint(float x, float y, const GfxPen& pen,
                                        const GfxGraphics* graphics) const {
    return GetBool(GdipIsOutlineVisiblePathPoint, native(), x, y, pen.native(),
                   NativeOrNull(graphics));
}
bool GfxPath::IsOutlineVisiblePathPointI(int x, int y, const GfxPen& pen,
                                         const GfxGraphics* graphics) const {
    return GetBool(GdipIsOutlineVisiblePathPointI, native(), x, y, pen.native(),
                   NativeOrNull(graphics));
}

// ---- GfxRegion ----

bool GfxRegion::Delete() { return ReleaseWith<gp::GpRegion>(GdipDeleteRegion); }
bool GfxRegion::Create() { return CreateInto<gp::GpRegion>(*this, GdipCreateRegion); }
bool GfxRegion::CreateRect(const gp::RectF& rect) {
    return CreateInto<gp::GpRegion>(*this, GdipCreateRegionRect, &rect);
}
bool GfxRegion::CreateRectI(const gp::Rect& rect) {
    return CreateInto<gp::GpRegion>(*this, GdipCreateRegionRectI, &rect);
}
bool GfxRegion::CreatePath(const GfxPath& path) {
    return CreateInto<gp::GpRegion>(*this, GdipCreateRegionPath, path.native());
}
bool GfxRegion::CreateHrgn(HRGN region) {
    return CreateInto<gp::GpRegion>(*this, GdipCreateRegionHrgn, region);
}
bool GfxRegion::CreateRgnData(std::span<const std::uint8_t> data) {
    return CreateInto<gp::GpRegion>(*this, GdipCreateRegionRgnData, data.data(), Count(data));
}
bool GfxRegion::Clone(GfxRegion& target) const {
    return CreateInto<gp::GpRegion>(target, GdipCloneRegion, native());
}
bool GfxRegion::SetInfinite() { return Call(GdipSetInfinite, native()); }
bool GfxRegion::SetEmpty() { return Call(GdipSetEmpty, native()); }
bool GfxRegion::CombineRect(const gp::RectF& rect, gp::CombineMode mode) {
    return Call(GdipCombineRegionRect, native(), &rect, mode);
}
bool GfxRegion::CombineRectI(const gp::Rect& rect, gp::CombineMode mode) {
    return Call(GdipCombineRegionRectI, native(), &rect, mode);
}
bool GfxRegion::CombineRegion(const GfxRegion& other, gp::CombineMode mode) {
    return Call(GdipCombineRegionRegion, native(), other.native(), mode);
}
bool GfxRegion::CombinePath(const GfxPath& path, gp::CombineMode mode) {
    return Call(GdipCombineRegionPath, native(), path.native(), mode);
}
bool GfxRegion::Translate(float dx, float dy) {
    return Call(GdipTranslateRegion, native(), dx, dy);
}
bool GfxRegion::TranslateI(int dx, int dy) { return Call(GdipTranslateRegionI, native(), dx, dy); }
bool GfxRegion::Transform(gp::GpMatrix* matrix) {
    return Call(GdipTransformRegion, native(), matrix);
}
gp::RectF GfxRegion::GetBounds(const GfxGraphics& graphics) const {
    return Get<gp::RectF>(GdipGetRegionBounds, native(), graphics.native());
}
gp::Rect GfxRegion::GetBoundsI(const GfxGraphics& graphics) const {
    return Get<gp::Rect>(GdipGetRegionBoundsI, native(), graphics.native());
}
UINT GfxRegion::GetDataSize() const { return Get<UINT>(GdipGetRegionDataSize, native()); }

std::vector<std::uint8_t> GfxRegion::GetData() const {
    const UINT size = GetDataSize();
    if (GfxLastStatus != gp::Ok || size == 0) return {};
    std::vector<std::uint8_t> data(size);
    UINT filled = 0;
    if (!Call(GdipGetRegionData, native(), data.data(), size, &filled)) return {};
    data.resize(std::min(filled, size));
    return data;
}

HRGN GfxRegion::GetHRgn(const GfxGraphics& graphics) const {
    HRGN region = nullptr;
    return Call(GdipGetRegionHRgn, native(), graphics.native(), &region) ? region : nullptr;
}

bool GfxRegion::IsEmpty(const GfxGraphics& graphics) const {
    return GetBool(GdipIsEmptyRegion, native(), graphics.native());
}
bool GfxRegion::IsInfinite(const GfxGraphics& graphics) const {
    return GetBool(GdipIsInfiniteRegion, native(), graphics.native());
}
bool GfxRegion::IsEqual(const GfxRegion& other, const GfxGraphics& graphics) const {
    return GetBool(GdipIsEqualRegion, native(), other.native(), graphics.native());
}
bool GfxRegion::IsVisiblePoint(float x, float y, const GfxGraphics* graphics) const {
    return GetBool(GdipIsVisibleRegionPoint, native(), x, y, NativeOrNull(graphics));
}
bool GfxRegion::IsVisiblePointI(int x, int y, const GfxGraphics* graphics) const {
    return GetBool(GdipIsVisibleRegionPointI, native(), x, y, NativeOrNull(graphics));
}
bool GfxRegion::IsVisibleRect(const gp::RectF& r, const GfxGraphics* graphics) const {
    return GetBool(GdipIsVisibleRegionRect, native(), r.X, r.Y, r.Width, r.Height,
                   NativeOrNull(graphics));
}
bool GfxRegion::IsVisibleRectI(const gp::Rect& r, const GfxGraphics* graphics) const {
    return GetBool(GdipIsVisibleRegionRectI, native(), r.X, r.Y, r.Width, r.Height,
                   NativeOrNull(graphics));
}

UINT GfxRegion::GetScansCount(gp::GpMatrix* matrix) const {
    UINT count = 0;
    Call(GdipGetRegionScansCount, native(), &count, matrix);
    return count;
}

std::vector<gp::RectF> GfxRegion::GetScans(gp::GpMatrix* matrix) const {
    std::vector<gp::RectF> scans(GetScansCount(matrix));
    if (GfxLastStatus != gp::Ok || scans.empty()) return {};
    INT count = Count(scans);
    if (!Call(GdipGetRegionScans, native(), scans.data(), &count, matrix)) return {};
    scans.resize(static_cast<std::size_t>(std::clamp(count, 0, Count(scans))));
    return scans;
}

std::vector<gp::Rect> GfxRegion::GetScansI(gp::GpMatrix* matrix) const {
    std::vector<gp::Rect> scans(GetScansCount(matrix));
    if (GfxLastStatus != gp::Ok || scans.empty()) return {};
    INT count = Count(scans);
    if (!Call(GdipGetRegionScansI, native(), scans.data(), &count, matrix)) return {};
    scans.resize(static_cast<std::size_t>(std::clamp(count, 0, Count(scans))));
    return scans;
}

}  // namespace gfx
