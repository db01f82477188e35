// GfxPen.
#include "gfx/gfx_pen.h"

#include "gfx/gfx_flat.h"
#include "gfx/gfx_brush.h"

namespace gfx {

bool GfxPen::Delete() { return ReleaseWith<gp::GpPen>(GdipDeletePen); }
bool GfxPen::Create(gp::ARGB color, float width, gp::Unit unit) {
    return CreateInto<gp::GpPen>(*this, GdipCreatePen1, color, width, unit);
}
bool GfxPen::CreateFromBrush(const GfxBrush& brush, float width, gp::Unit unit) {
    return CreateInto<gp::GpPen>(*this, GdipCreatePen2, brush.native(), width, unit);
}
bool GfxPen::Clone(GfxPen& target) const {
    return CreateInto<gp::GpPen>(target, GdipClonePen, native());
}
float GfxPen::GetWidth() const { return Get<gp::REAL>(GdipGetPenWidth, native()); }
bool GfxPen::SetWidth(float width) { return Call(GdipSetPenWidth, native(), width); }
gp::Unit GfxPen::GetUnit() const { return Get<gp::Unit>(GdipGetPenUnit, native()); }
bool GfxPen::SetUnit(gp::Unit unit) { return Call(GdipSetPenUnit, native(), unit); }
bool GfxPen::SetLineCap(gp::LineCap start, gp::LineCap end, gp::DashCap dash) {
    return Call(GdipSetPenLineCap197819, native(), start, end, dash);
}
bool GfxPen::SetStartCap(gp::LineCap cap) { return Call(GdipSetPenStartCap, native(), cap); }
bool GfxPen::SetEndCap(gp::LineCap cap) { return Call(GdipSetPenEndCap, native(), cap); }
bool GfxPen::SetDashCap(gp::DashCap cap) { return Call(GdipSetPenDashCap197819, native(), cap); }
gp::LineCap GfxPen::GetStartCap() const { return Get<gp::LineCap>(GdipGetPenStartCap, native()); }
gp::LineCap GfxPen::GetEndCap() const { return Get<gp::LineCap>(GdipGetPenEndCap, native()); }
gp::DashCap GfxPen::GetDashCap() const {
    return Get<gp::DashCap>(GdipGetPenDashCap197819, native());
}
bool GfxPen::SetLineJoin(gp::LineJoin join) { return Call(GdipSetPenLineJoin, native(), join); }
gp::LineJoin GfxPen::GetLineJoin() const { return Get<gp::LineJoin>(GdipGetPenLineJoin, native()); }
bool GfxPen::SetMiterLimit(float limit) { return Call(GdipSetPenMiterLimit, native(), limit); }
float GfxPen::GetMiterLimit() const { return Get<gp::REAL>(GdipGetPenMiterLimit, native()); }
bool GfxPen::SetMode(gp::PenAlignment alignment) {
    return Call(GdipSetPenMode, native(), alignment);
}
gp::PenAlignment GfxPen::GetMode() const { return Get<gp::PenAlignment>(GdipGetPenMode, native()); }
bool GfxPen::SetTransform(gp::GpMatrix* matrix) {
    return Call(GdipSetPenTransform, native(), matrix);
}
bool GfxPen::GetTransform(gp::GpMatrix* matrix) const {
    return Call(GdipGetPenTransform, native(), matrix);
}
bool GfxPen::ResetTransform() { return Call(GdipResetPenTransform, native()); }
bool GfxPen::MultiplyTransform(const gp::GpMatrix* matrix, gp::MatrixOrder order) {
    return Call(GdipMultiplyPenTransform, native(), matrix, order);
}
bool GfxPen::RotateTransform(float angle, gp::MatrixOrder order) {
    return Call(GdipRotatePenTransform, native(), angle, order);
}
bool GfxPen::ScaleTransform(float sx, float sy, gp::MatrixOrder order) {
    return Call(GdipScalePenTransform, native(), sx, sy, order);
}
bool GfxPen::TranslateTransform(float dx, float dy, gp::MatrixOrder order) {
    return Call(GdipTranslatePenTransform, native(), dx, dy, order);
}

bool GfxPen::RotateTransformAt(float angle, gp::PointF centre, gp::MatrixOrder order) {
    return detail::RotateAt(GdipTranslatePenTransform, GdipRotatePenTransform, native(), angle,
                            centre, order);
}

bool GfxPen::ScaleTransformAt(float sx, float sy, gp::PointF centre, gp::MatrixOrder order) {
    return detail::ScaleAt(GdipTranslatePenTransform, GdipScalePenTransform, native(), sx, sy,
                           centre, order);
}

gp::ARGB GfxPen::GetColor() const { return Get<gp::ARGB>(GdipGetPenColor, native()); }
bool GfxPen::SetColor(gp::ARGB color) { return Call(GdipSetPenColor, native(), color); }
bool GfxPen::SetBrushFill(const GfxBrush& brush) {
    return Call(GdipSetPenBrushFill, native(), brush.native());
}
bool GfxPen::GetBrushFill(GfxBrush& target) const {
    return CreateInto<gp::GpBrush>(target, GdipGetPenBrushFill, native());
}
gp::PenType GfxPen::GetFillType() const { return Get<gp::PenType>(GdipGetPenFillType, native()); }
bool GfxPen::SetDashStyle(gp::DashStyle style) {
    return Call(GdipSetPenDashStyle, native(), style);
}
gp::DashStyle GfxPen::GetDashStyle() const {
    return Get<gp::DashStyle>(GdipGetPenDashStyle, native());
}
float GfxPen::GetDashOffset() const { return Get<gp::REAL>(GdipGetPenDashOffset, native()); }
bool GfxPen::SetDashOffset(float offset) { return Call(GdipSetPenDashOffset, native(), offset); }
bool GfxPen::SetDashArray(std::span<const float> dashes) {
    return Call(GdipSetPenDashArray, native(), dashes.data(), Count(dashes));
}
bool GfxPen::SetCompoundArray(std::span<const float> values) {
    return Call(GdipSetPenCompoundArray, native(), values.data(), Count(values));
}

std::vector<float> GfxPen::GetDashArray() const {
    return ReadArray<float>(Get<INT>(GdipGetPenDashCount, native()), [&](float* data, INT n) {
        return Call(GdipGetPenDashArray, native(), data, n);
    });
}

std::vector<float> GfxPen::GetCompoundArray() const {
    return ReadArray<float>(Get<INT>(GdipGetPenCompoundCount, native()), [&](float* data, INT n) {
        return Call(GdipGetPenCompoundArray, native(), data, n);
    });
}

}  // namespace gfx
