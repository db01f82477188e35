// Graphics paths (outlines to draw, fill and clip with) and regions.
#pragma once

#include "gfx/gfx_object.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace gfx {

class GfxFontFamily;
class GfxGraphics;
class GfxPen;
class GfxStringFormat;

// A path's points with one GDI+ PathPointType byte per point.
struct GfxPathData {
    std::vector<gp::PointF> points;
    std::vector<std::uint8_t> types;
};

// Owns one GpPath. Matrices are plain GDI+ handles (null for none).
class GfxPath : public GfxObject {
public:
    GfxPath() = default;
    GfxPath(GfxPath&&) noexcept = default;
    GfxPath& operator=(GfxPath&&) noexcept = default;
    ~GfxPath() override { Delete(); }

    gp::GpPath* native() const noexcept { return static_cast<gp::GpPath*>(handle_); }

    // False when empty (status untouched).
    bool Delete();
    bool Create(gp::FillMode mode = gp::FillModeAlternate);
    // points and types must have the same length (false otherwise, GDI+ not called).
    bool Create2(std::span<const gp::PointF> points, std::span<const std::uint8_t> types,
                 gp::FillMode mode);
    bool Create2I(std::span<const gp::Point> points, std::span<const std::uint8_t> types,
                  gp::FillMode mode);
    bool Clone(GfxPath& target) const;
    bool ResetPath();
    gp::FillMode GetPathFillMode() const;
    bool SetPathFillMode(gp::FillMode mode);
    // data is replaced on success and left alone on failure.
    bool GetPathData(GfxPathData& data) const;
    std::vector<std::uint8_t> GetPathTypes() const;
    std::vector<gp::PointF> GetPathPoints() const;
    std::vector<gp::Point> GetPathPointsI() const;
    bool StartPathFigure();
    bool ClosePathFigure();
    bool ClosePathFigures();
    bool SetPathMarker();
    bool ClearPathMarkers();
    bool ReversePath();
    gp::PointF GetPathLastPoint() const;

    bool AddPathLine(float x1, float y1, float x2, float y2);
    bool AddPathLineI(int x1, int y1, int x2, int y2);
    bool AddPathLine2(std::span<const gp::PointF> points);
    bool AddPathLine2I(std::span<const gp::Point> points);
    bool AddPathArc(float x, float y, float width, float height, float start, float sweep);
    bool AddPathArcI(int x, int y, int width, int height, float start, float sweep);
    bool AddPathBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                       float y4);
    bool AddPathBezierI(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    bool AddPathBeziers(std::span<const gp::PointF> points);
    bool AddPathBeziersI(std::span<const gp::Point> points);
    bool AddPathCurve(std::span<const gp::PointF> points);
    bool AddPathCurve2(std::span<const gp::PointF> points, float tension);
    bool AddPathCurve3(std::span<const gp::PointF> points, int offset, int segments, float tension);
    bool AddPathCurveI(std::span<const gp::Point> points);
    bool AddPathCurve2I(std::span<const gp::Point> points, float tension);
    bool AddPathCurve3I(std::span<const gp::Point> points, int offset, int segments, float tension);
    bool AddPathClosedCurve(std::span<const gp::PointF> points);
    bool AddPathClosedCurve2(std::span<const gp::PointF> points, float tension);
    bool AddPathClosedCurveI(std::span<const gp::Point> points);
    bool AddPathClosedCurve2I(std::span<const gp::Point> points, float tension);
    bool AddPathRectangle(float x, float y, float width, float height);
    // A closed rectangle whose corner arcs are roundness percent (clamped to 1..100)
    // of its width and height; the result is that of closing the figure.
    bool AddRoundedRectangle(float x, float y, float width, float height, int roundness);
    bool AddPathRectangles(std::span<const gp::RectF> rects);
    bool AddPathRectangleI(int x, int y, int width, int height);
    bool AddPathRectanglesI(std::span<const gp::Rect> rects);
    bool AddPathEllipse(float x, float y, float width, float height);
    bool AddPathEllipseI(int x, int y, int width, int height);
    bool AddPathPie(float x, float y, float width, float height, float start, float sweep);
    bool AddPathPieI(int x, int y, int width, int height, float start, float sweep);
    bool AddPathPolygon(std::span<const gp::PointF> points);
    bool AddPathPolygonI(std::span<const gp::Point> points);
    bool AddPathPath(const GfxPath& other, bool connect);
    // Text outlines; std::string_view is ANSI (GBK) text, std::wstring_view UTF-16.
    bool AddPathString(std::string_view text, const GfxFontFamily& family, int style, float emSize,
                       const gp::RectF& layout, const GfxStringFormat* format = nullptr);
    bool AddPathString(std::wstring_view text, const GfxFontFamily& family, int style, float emSize,
                       const gp::RectF& layout, const GfxStringFormat* format = nullptr);
    bool AddPathStringI(std::string_view text, const GfxFontFamily& family, int style, float emSize,
                        const gp::Rect& layout, const GfxStringFormat* format = nullptr);
    bool AddPathStringI(std::wstring_view text, const GfxFontFamily& family, int style,
                        float emSize, const gp::Rect& layout,
                        const GfxStringFormat* format = nullptr);

    bool TransformPath(gp::GpMatrix* matrix);
    bool FlattenPath(gp::GpMatrix* matrix = nullptr, float flatness = 0.25f);
    bool WidenPath(const GfxPen& pen, gp::GpMatrix* matrix = nullptr, float flatness = 0.25f);
    bool WindingModeOutline(gp::GpMatrix* matrix = nullptr, float flatness = 0.25f);
    bool WarpPath(gp::GpMatrix* matrix, std::span<const gp::PointF> destination,
                  const gp::RectF& source, gp::WarpMode mode = gp::WarpModePerspective,
                  float flatness = 0.25f);
    int GetPointCount() const;
    gp::RectF GetPathWorldBounds(const gp::GpMatrix* matrix = nullptr,
                                 const GfxPen* pen = nullptr) const;
    gp::Rect GetPathWorldBoundsI(const gp::GpMatrix* matrix = nullptr,
                                 const GfxPen* pen = nullptr) const;
    bool IsVisiblePathPoint(float x, float y, const GfxGraphics* graphics = nullptr) const;
    bool IsVisiblePathPointI(int x, int y, const GfxGraphics* graphics = nullptr) const;
    bool IsOutlineVisiblePathPoint(float x, float y, const GfxPen& pen,
                                   const GfxGraphics* graphics = nullptr) const;
    bool IsOutlineVisiblePathPointI(int x, int y, const GfxPen& pen,
                                    const GfxGraphics* graphics = nullptr) const;

protected:
    void ReleaseNative() noexcept override { Delete(); }
};

// Owns one GpRegion.
class GfxRegion : public GfxObject {
public:
    GfxRegion() = default;
    GfxRegion(GfxRegion&&) noexcept = default;
    GfxRegion& operator=(GfxRegion&&) noexcept = default;
    ~GfxRegion() override { Delete(); }

    gp::GpRegion* native() const noexcept { return static_cast<gp::GpRegion*>(handle_); }

    // False when empty (status untouched).
    bool Delete();
    // The infinite region.
    bool Create();
    bool CreateRect(const gp::RectF& rect);
    bool CreateRectI(const gp::Rect& rect);
    bool CreatePath(const GfxPath& path);
    bool CreateHrgn(HRGN region);
    bool CreateRgnData(std::span<const std::uint8_t> data);
    bool Clone(GfxRegion& target) const;
    bool SetInfinite();
    bool SetEmpty();
    bool CombineRect(const gp::RectF& rect, gp::CombineMode mode);
    bool CombineRectI(const gp::Rect& rect, gp::CombineMode mode);
    bool CombineRegion(const GfxRegion& other, gp::CombineMode mode);
    bool CombinePath(const GfxPath& path, gp::CombineMode mode);
    bool Translate(float dx, float dy);
    bool TranslateI(int dx, int dy);
    bool Transform(gp::GpMatrix* matrix);
    gp::RectF GetBounds(const GfxGraphics& graphics) const;
    gp::Rect GetBoundsI(const GfxGraphics& graphics) const;
    UINT GetDataSize() const;
    std::vector<std::uint8_t> GetData() const;
    // A new GDI region; the caller deletes it. 0 on failure.
    HRGN GetHRgn(const GfxGraphics& graphics) const;
    bool IsEmpty(const GfxGraphics& graphics) const;
    bool IsInfinite(const GfxGraphics& graphics) const;
    bool IsEqual(const GfxRegion& other, const GfxGraphics& graphics) const;
    bool IsVisiblePoint(float x, float y, const GfxGraphics* graphics = nullptr) const;
    bool IsVisiblePointI(int x, int y, const GfxGraphics* graphics = nullptr) const;
    bool IsVisibleRect(const gp::RectF& rect, const GfxGraphics* graphics = nullptr) const;
    bool IsVisibleRectI(const gp::Rect& rect, const GfxGraphics* graphics = nullptr) const;
    UINT GetScansCount(gp::GpMatrix* matrix) const;
    std::vector<gp::RectF> GetScans(gp::GpMatrix* matrix) const;
    std::vector<gp::Rect> GetScansI(gp::GpMatrix* matrix) const;

protected:
    void ReleaseNative() noexcept override { Delete(); }
};

}  // namespace gfx
