// Pens: line width, caps, joins, dashes and colour or brush fill.
#pragma once

#include "gfx/gfx_object.h"

#include <span>
#include <vector>

namespace gfx {

class GfxBrush;

// Owns one GpPen.
class GfxPen : public GfxObject {
public:
    GfxPen() = default;
    GfxPen(GfxPen&&) noexcept = default;
    GfxPen& operator=(GfxPen&&) noexcept = default;
    ~GfxPen() override { Delete(); }

    gp::GpPen* native() const noexcept { return static_cast<gp::GpPen*>(handle_); }

    // False when empty (status untouched).
    bool Delete();
    bool Create(gp::ARGB color, float width, gp::Unit unit = gp::UnitWorld);
    bool CreateFromBrush(const GfxBrush& brush, float width, gp::Unit unit = gp::UnitWorld);
    bool Clone(GfxPen& target) const;
    float GetWidth() const;
    bool SetWidth(float width);
    gp::Unit GetUnit() const;
    bool SetUnit(gp::Unit unit);
    bool SetLineCap(gp::LineCap start, gp::LineCap end, gp::DashCap dash);
    bool SetStartCap(gp::LineCap cap);
    bool SetEndCap(gp::LineCap cap);
    bool SetDashCap(gp::DashCap cap);
    gp::LineCap GetStartCap() const;
    gp::LineCap GetEndCap() const;
    gp::DashCap GetDashCap() const;
    bool SetLineJoin(gp::LineJoin join);
    gp::LineJoin GetLineJoin() const;
    bool SetMiterLimit(float limit);
    float GetMiterLimit() const;
    bool SetMode(gp::PenAlignment alignment);
    gp::PenAlignment GetMode() const;
    // Matrices are plain GDI+ handles owned by the caller.
    bool SetTransform(gp::GpMatrix* matrix);
    bool GetTransform(gp::GpMatrix* matrix) const;
    bool ResetTransform();
    bool MultiplyTransform(const gp::GpMatrix* matrix,
                           gp::MatrixOrder order = gp::MatrixOrderPrepend);
    bool RotateTransform(float angle, gp::MatrixOrder order = gp::MatrixOrderPrepend);
    bool RotateTransformAt(float angle, gp::PointF centre,
                           gp::MatrixOrder order = gp::MatrixOrderPrepend);
    bool ScaleTransform(float sx, float sy, gp::MatrixOrder order = gp::MatrixOrderPrepend);
    bool ScaleTransformAt(float sx, float sy, gp::PointF centre,
                          gp::MatrixOrder order = gp::MatrixOrderPrepend);
    bool TranslateTransform(float dx, float dy, gp::MatrixOrder order = gp::MatrixOrderPrepend);
    gp::ARGB GetColor() const;
    bool SetColor(gp::ARGB color);
    bool SetBrushFill(const GfxBrush& brush);
    // target receives a copy of the pen's brush.
    bool GetBrushFill(GfxBrush& target) const;
    gp::PenType GetFillType() const;
    bool SetDashStyle(gp::DashStyle style);
    gp::DashStyle GetDashStyle() const;
    float GetDashOffset() const;
    bool SetDashOffset(float offset);
    std::vector<float> GetDashArray() const;
    bool SetDashArray(std::span<const float> dashes);
    bool SetCompoundArray(std::span<const float> values);
    std::vector<float> GetCompoundArray() const;

protected:
    void ReleaseNative() noexcept override { Delete(); }
};

}  // namespace gfx
