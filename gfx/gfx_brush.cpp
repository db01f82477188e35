// Brushes: solid, linear-gradient and path-gradient.
#include "gfx/gfx_brush.h"

#include "gfx/gfx_flat.h"
#include "gfx/gfx_path.h"

namespace gfx {

namespace {

// Reads a blend of count entries: fill(values, positions, count) lets GDI+ write them.
template <class Blend, class V, class Fill>
bool ReadBlend(int count, Blend& blend, std::vector<V> Blend::*values, Fill fill) {
    if (GfxLastStatus != gp::Ok || count < 0) return false;
    Blend read;
    (read.*values).resize(static_cast<std::size_t>(count));
    read.positions.resize(static_cast<std::size_t>(count));
    if (!fill((read.*values).data(), read.positions.data(), count)) return false;
    blend = std::move(read);
    return true;
}

// Blend arrays must pair up: GDI+ reads as many positions as there are values.
template <class V>
bool SameLength(std::span<const V> values, std::span<const float> positions) {
    return values.size() == positions.size();
}

}  // namespace

// ---- GfxBrush ----

bool GfxBrush::Delete() { return ReleaseWith<gp::GpBrush>(GdipDeleteBrush); }
bool GfxBrush::Clone(GfxBrush& target) const {
    return CreateInto<gp::GpBrush>(target, GdipCloneBrush, native());
}
gp::BrushType GfxBrush::GetType() const { return Get<gp::BrushType>(GdipGetBrushType, native()); }

// ---- GfxSolidBrush ----

bool GfxSolidBrush::Create(gp::ARGB color) {
    return CreateInto<gp::GpSolidFill>(*this, GdipCreateSolidFill, color);
}
bool GfxSolidBrush::SetColor(gp::ARGB color) {
    return Call(GdipSetSolidFillColor, native(), color);
}
gp::ARGB GfxSolidBrush::GetColor() const { return Get<gp::ARGB>(GdipGetSolidFillColor, native()); }

// ---- GfxLinearGradientBrush ----

bool GfxLinearGradientBrush::CreateLineBrush(gp::PointF p1, gp::PointF p2, gp::ARGB color1,
                                             gp::ARGB color2) {
    return CreateInto<gp::GpLineGradient>(*this, GdipCreateLineBrush, &p1, &p2, color1, color2,
                                          gp::WrapModeTile);
}
bool GfxLinearGradientBrush::CreateLineBrushI(gp::Point p1, gp::Point p2, gp::ARGB color1,
                                              gp::ARGB color2) {
    return CreateInto<gp::GpLineGradient>(*this, GdipCreateLineBrushI, &p1, &p2, color1, color2,
                                          gp::WrapModeTile);
}
bool GfxLinearGradientBrush::CreateLineBrushFromRect(const gp::RectF& rect, gp::ARGB color1,
                                                     gp::ARGB color2, gp::LinearGradientMode mode) {
    return CreateInto<gp::GpLineGradient>(*this, GdipCreateLineBrushFromRect, &rect, color1, color2,
                                          mode, gp::WrapModeTile);
}
bool GfxLinearGradientBrush::CreateLineBrushFromRectI(const gp::Rect& rect, gp::ARGB color1,
                                                      gp::ARGB color2,
                                                      gp::LinearGradientMode mode) {
    return CreateInto<gp::GpLineGradient>(*this, GdipCreateLineBrushFromRectI, &rect, color1,
                                          color2, mode, gp::WrapModeTile);
}
bool GfxLinearGradientBrush::CreateLineBrushFromRectWithAngle(const gp::RectF& rect,
                                                              gp::ARGB color1, gp::ARGB color2,
                                                              float angle, bool scalable) {
    return CreateInto<gp::GpLineGradient>(*this, GdipCreateLineBrushFromRectWithAngle, &rect,
                                          color1, color2, angle, BOOL{scalable}, gp::WrapModeTile);
}
bool GfxLinearGradientBrush::CreateLineBrushFromRectWithAngleI(const gp::Rect& rect,
                                                               gp::ARGB color1, gp::ARGB color2,
                                                               float angle, bool scalable) {
    return CreateInto<gp::GpLineGradient>(*this, GdipCreateLineBrushFromRectWithAngleI, &rect,
                                          color1, color2, angle, BOOL{scalable}, gp::WrapModeTile);
}

std::vector<gp::ARGB> GfxLinearGradientBrush::GetLineColors() const {
    std::vector<gp::ARGB> colors(2);
    Call(GdipGetLineColors, native(), colors.data());
    return colors;
}

bool GfxLinearGradientBrush::SetLineColors(gp::ARGB color1, gp::ARGB color2) {
    return Call(GdipSetLineColors, native(), color1, color2);
}
gp::RectF GfxLinearGradientBrush::GetLineRect() const {
    return Get<gp::RectF>(GdipGetLineRect, native());
}
gp::Rect GfxLinearGradientBrush::GetLineRectI() const {
    return Get<gp::Rect>(GdipGetLineRectI, native());
}
bool GfxLinearGradientBrush::SetLineGammaCorrection(bool on) {
    return Call(GdipSetLineGammaCorrection, native(), BOOL{on});
}
bool GfxLinearGradientBrush::GetLineGammaCorrection() const {
    return GetBool(GdipGetLineGammaCorrection, native());
}

bool GfxLinearGradientBrush::SetLineBlend(std::span<const float> factors,
                                          std::span<const float> positions) {
    return SameLength(factors, positions) &&
           Call(GdipSetLineBlend, native(), factors.data(), positions.data(), Count(factors));
}

bool GfxLinearGradientBrush::GetLineBlend(GfxBlend& blend) const {
    return ReadBlend(
        GetLineBlendCount(), blend, &GfxBlend::factors,
        [&](float* f, float* p, int n) { return Call(GdipGetLineBlend, native(), f, p, n); });
}

int GfxLinearGradientBrush::GetLineBlendCount() const {
    return Get<INT>(GdipGetLineBlendCount, native());
}

bool GfxLinearGradientBrush::SetLinePresetBlend(std::span<const gp::ARGB> colors,
                                                std::span<const float> positions) {
    return SameLength(colors, positions) &&
           Call(GdipSetLinePresetBlend, native(), colors.data(), positions.data(), Count(colors));
}

bool GfxLinearGradientBrush::GetLinePresetBlend(GfxPresetBlend& blend) const {
    const int count = Get<INT>(GdipGetLinePresetBlendCount, native());
    return ReadBlend(count, blend, &GfxPresetBlend::colors, [&](gp::ARGB* c, float* p, int n) {
        return Call(GdipGetLinePresetBlend, native(), c, p, n);
    });
}

bool GfxLinearGradientBrush::SetLineSigmaBlend(float focus, float scale) {
    return Call(GdipSetLineSigmaBlend, native(), focus, scale);
}
bool GfxLinearGradientBrush::SetLineLinearBlend(float focus, float scale) {
    return Call(GdipSetLineLinearBlend, native(), focus, scale);
}
gp::WrapMode GfxLinearGradientBrush::GetLineWrapMode() const {
    return Get<gp::WrapMode>(GdipGetLineWrapMode, native());
}
bool GfxLinearGradientBrush::SetLineWrapMode(gp::WrapMode mode) {
    return Call(GdipSetLineWrapMode, native(), mode);
}
bool GfxLinearGradientBrush::GetLineTransform(gp::GpMatrix* matrix) const {
    return Call(GdipGetLineTransform, native(), matrix);
}
bool GfxLinearGradientBrush::SetLineTransform(const gp::GpMatrix* matrix) {
    return Call(GdipSetLineTransform, native(), matrix);
}
bool GfxLinearGradientBrush::ResetLineTransform() { return Call(GdipResetLineTransform, native()); }
bool GfxLinearGradientBrush::MultiplyLineTransform(const gp::GpMatrix* matrix,
                                                   gp::MatrixOrder order) {
    return Call(GdipMultiplyLineTransform, native(), matrix, order);
}
bool GfxLinearGradientBrush::TranslateLineTransform(float dx, float dy, gp::MatrixOrder order) {
    return Call(GdipTranslateLineTransform, native(), dx, dy, order);
}
bool GfxLinearGradientBrush::ScaleLineTransform(float sx, float sy, gp::MatrixOrder order) {
    return Call(GdipScaleLineTransform, native(), sx, sy, order);
}
bool GfxLinearGradientBrush::RotateLineTransform(float angle, gp::MatrixOrder order) {
    return Call(GdipRotateLineTransform, native(), angle, order);
}

bool GfxLinearGradientBrush::ScaleTransformAt(float sx, float sy, gp::PointF centre,
                                              gp::MatrixOrder order) {
    return detail::ScaleAt(GdipTranslateLineTransform, GdipScaleLineTransform, native(), sx, sy,
                           centre, order);
}

bool GfxLinearGradientBrush::RotateTransformAt(float angle, gp::PointF centre,
                                               gp::MatrixOrder order) {
    return detail::RotateAt(GdipTranslateLineTransform, GdipRotateLineTransform, native(), angle,
                            centre, order);
}

// ---- GfxPathGradientBrush ----

bool GfxPathGradientBrush::CreatePathGradient(std::span<const gp::PointF> points,
                                              gp::WrapMode mode) {
    return CreateInto<gp::GpPathGradient>(*this, GdipCreatePathGradient, points.data(),
                                          Count(points), mode);
}
bool GfxPathGradientBrush::CreatePathGradientI(std::span<const gp::Point> points,
                                               gp::WrapMode mode) {
    return CreateInto<gp::GpPathGradient>(*this, GdipCreatePathGradientI, points.data(),
                                          Count(points), mode);
}
bool GfxPathGradientBrush::CreatePathGradientFromPath(const GfxPath& path) {
    return CreateInto<gp::GpPathGradient>(*this, GdipCreatePathGradientFromPath, path.native());
}
gp::ARGB GfxPathGradientBrush::GetCenterColor() const {
    return Get<gp::ARGB>(GdipGetPathGradientCenterColor, native());
}
bool GfxPathGradientBrush::SetCenterColor(gp::ARGB color) {
    return Call(GdipSetPathGradientCenterColor, native(), color);
}
int GfxPathGradientBrush::GetPointCount() const {
    return Get<INT>(GdipGetPathGradientPointCount, native());
}
int GfxPathGradientBrush::GetSurroundColorCount() const {
    return Get<INT>(GdipGetPathGradientSurroundColorCount, native());
}

std::vector<gp::ARGB> GfxPathGradientBrush::GetSurroundColorsWithCount() const {
    INT count = GetSurroundColorCount();
    if (GfxLastStatus != gp::Ok || count <= 0) return {};
    std::vector<gp::ARGB> colors(static_cast<std::size_t>(count));
    if (!Call(GdipGetPathGradientSurroundColorsWithCount, native(), colors.data(), &count))
        return {};
    colors.resize(static_cast<std::size_t>(count));
    return colors;
}

bool GfxPathGradientBrush::SetSurroundColorsWithCount(std::span<const gp::ARGB> colors,
                                                      int* count) {
    // The array's own length is what GDI+ may read, whatever the caller's count says.
    INT taken = Count(colors);
    const bool ok =
        Call(GdipSetPathGradientSurroundColorsWithCount, native(), colors.data(), &taken);
    if (count != nullptr) *count = taken;
    return ok;
}

bool GfxPathGradientBrush::GetPath(GfxPath& path) const {
    return Call(GdipGetPathGradientPath, native(), path.native());
}
gp::PointF GfxPathGradientBrush::GetCenterPoint() const {
    return Get<gp::PointF>(GdipGetPathGradientCenterPoint, native());
}
gp::Point GfxPathGradientBrush::GetCenterPointI() const {
    return Get<gp::Point>(GdipGetPathGradientCenterPointI, native());
}
bool GfxPathGradientBrush::SetCenterPoint(gp::PointF point) {
    return Call(GdipSetPathGradientCenterPoint, native(), &point);
}
bool GfxPathGradientBrush::SetCenterPointI(gp::Point point) {
    return Call(GdipSetPathGradientCenterPointI, native(), &point);
}
gp::RectF GfxPathGradientBrush::GetRect() const {
    return Get<gp::RectF>(GdipGetPathGradientRect, native());
}
gp::Rect GfxPathGradientBrush::GetRectI() const {
    return Get<gp::Rect>(GdipGetPathGradientRectI, native());
}
bool GfxPathGradientBrush::SetGammaCorrection(bool on) {
    return Call(GdipSetPathGradientGammaCorrection, native(), BOOL{on});
}
bool GfxPathGradientBrush::GetGammaCorrection() const {
    return GetBool(GdipGetPathGradientGammaCorrection, native());
}

bool GfxPathGradientBrush::SetBlend(std::span<const float> factors,
                                    std::span<const float> positions) {
    return SameLength(factors, positions) && Call(GdipSetPathGradientBlend, native(),
                                                  factors.data(), positions.data(), Count(factors));
}

bool GfxPathGradientBrush::GetBlend(GfxBlend& blend) const {
    return ReadBlend(GetBlendCount(), blend, &GfxBlend::factors, [&](float* f, float* p, int n) {
        return Call(GdipGetPathGradientBlend, native(), f, p, n);
    });
}

int GfxPathGradientBrush::GetBlendCount() const {
    return Get<INT>(GdipGetPathGradientBlendCount, native());
}
int GfxPathGradientBrush::GetPresetBlendCount() const {
    return Get<INT>(GdipGetPathGradientPresetBlendCount, native());
}
bool GfxPathGradientBrush::GetFocusScales(float& xScale, float& yScale) const {
    return Call(GdipGetPathGradientFocusScales, native(), &xScale, &yScale);
}
bool GfxPathGradientBrush::SetFocusScales(float xScale, float yScale) {
    return Call(GdipSetPathGradientFocusScales, native(), xScale, yScale);
}

bool GfxPathGradientBrush::SetPresetBlend(std::span<const gp::ARGB> colors,
                                          std::span<const float> positions) {
    return SameLength(colors, positions) && Call(GdipSetPathGradientPresetBlend, native(),
                                                 colors.data(), positions.data(), Count(colors));
}

bool GfxPathGradientBrush::GetPresetBlend(GfxPresetBlend& blend) const {
    return ReadBlend(GetPresetBlendCount(), blend, &GfxPresetBlend::colors,
                     [&](gp::ARGB* c, float* p, int n) {
                         return Call(GdipGetPathGradientPresetBlend, native(), c, p, n);
                     });
}

bool GfxPathGradientBrush::SetSigmaBlend(float focus, float scale) {
    return Call(GdipSetPathGradientSigmaBlend, native(), focus, scale);
}
bool GfxPathGradientBrush::SetLinearBlend(float focus, float scale) {
    return Call(GdipSetPathGradientLinearBlend, native(), focus, scale);
}
gp::WrapMode GfxPathGradientBrush::GetWrapMode() const {
    return Get<gp::WrapMode>(GdipGetPathGradientWrapMode, native());
}
bool GfxPathGradientBrush::SetWrapMode(gp::WrapMode mode) {
    return Call(GdipSetPathGradientWrapMode, native(), mode);
}
bool GfxPathGradientBrush::GetTransform(gp::GpMatrix* matrix) const {
    return Call(GdipGetPathGradientTransform, native(), matrix);
}
bool GfxPathGradientBrush::SetTransform(gp::GpMatrix* matrix) {
    return Call(GdipSetPathGradientTransform, native(), matrix);
}
bool GfxPathGradientBrush::ResetTransform() {
    return Call(GdipResetPathGradientTransform, native());
}
bool GfxPathGradientBrush::MultiplyTransform(const gp::GpMatrix* matrix, gp::MatrixOrder order) {
    return Call(GdipMultiplyPathGradientTransform, native(), matrix, order);
}
bool GfxPathGradientBrush::TranslateTransform(float dx, float dy, gp::MatrixOrder order) {
    return Call(GdipTranslatePathGradientTransform, native(), dx, dy, order);
}
bool GfxPathGradientBrush::ScaleTransform(float sx, float sy, gp::MatrixOrder order) {
    return Call(GdipScalePathGradientTransform, native(), sx, sy, order);
}
bool GfxPathGradientBrush::RotateTransform(float angle, gp::MatrixOrder order) {
    return Call(GdipRotatePathGradientTransform, native(), angle, order);
}

bool GfxPathGradientBrush::ScaleTransformAt(float sx, float sy, gp::PointF centre,
                                            gp::MatrixOrder order) {
    return detail::ScaleAt(GdipTranslatePathGradientTransform, GdipScalePathGradientTransform,
                           native(), sx, sy, centre, order);
}

bool GfxPathGradientBrush::RotateTransformAt(float angle, gp::PointF centre,
                                             gp::MatrixOrder order) {
    return detail::RotateAt(GdipTranslatePathGradientTransform, GdipRotatePathGradientTransform,
                            native(), angle, centre, order);
}

}  // namespace gfx
