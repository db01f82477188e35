// Brushes: solid, linear gradient and path gradient fills.
#pragma once

#include "gfx/gfx_object.h"

#include <span>
#include <vector>

namespace gfx {

class GfxPath;

// Owns one GpBrush of any kind; the concrete classes add their own methods.
class GfxBrush : public GfxObject {
public:
    GfxBrush(GfxBrush&&) noexcept = default;
    GfxBrush& operator=(GfxBrush&&) noexcept = default;
    ~GfxBrush() override { Delete(); }

    gp::GpBrush* native() const noexcept { return static_cast<gp::GpBrush*>(handle_); }

    // False when empty (status untouched).
    bool Delete();
    // target receives a copy of this brush.
    bool Clone(GfxBrush& target) const;
    gp::BrushType GetType() const;

protected:
    GfxBrush() = default;
    void ReleaseNative() noexcept override { Delete(); }
};

// A clone target of no particular kind (e.g. a pen's brush fill).
class GfxAnyBrush : public GfxBrush {};

class GfxSolidBrush : public GfxBrush {
public:
    gp::GpSolidFill* native() const noexcept { return static_cast<gp::GpSolidFill*>(handle_); }

    bool Create(gp::ARGB color);
    bool SetColor(gp::ARGB color);
    gp::ARGB GetColor() const;
};

// Colours and blends of a gradient: factors or colours with positions from 0 to 1.
struct GfxBlend {
    std::vector<float> factors;
    std::vector<float> positions;
};
struct GfxPresetBlend {
    std::vector<gp::ARGB> colors;
    std::vector<float> positions;
};

class GfxLinearGradientBrush : public GfxBrush {
public:
    gp::GpLineGradient* native() const noexcept {
        return static_cast<gp::GpLineGradient*>(handle_);
    }

    // Creation: the wrap mode is WrapModeTile.
    bool CreateLineBrush(gp::PointF p1, gp::PointF p2, gp::ARGB color1, gp::ARGB color2);
    bool CreateLineBrushI(gp::Point p1, gp::Point p2, gp::ARGB color1, gp::ARGB color2);
    bool CreateLineBrushFromRect(const gp::RectF& rect, gp::ARGB color1, gp::ARGB color2,
                                 gp::LinearGradientMode mode);
    bool CreateLineBrushFromRectI(const gp::Rect& rect, gp::ARGB color1, gp::ARGB color2,
                                  gp::LinearGradientMode mode);
    bool CreateLineBrushFromRectWithAngle(const gp::RectF& rect, gp::ARGB color1, gp::ARGB color2,
                                          float angle, bool scalable);
    bool CreateLineBrushFromRectWithAngleI(const gp::Rect& rect, gp::ARGB color1, gp::ARGB color2,
                                           float angle, bool scalable);
    // The start and end colours (both 0 on failure).
    std::vector<gp::ARGB> GetLineColors() const;
    bool SetLineColors(gp::ARGB color1, gp::ARGB color2);
    gp::RectF GetLineRect() const;
    gp::Rect GetLineRectI() const;
    bool SetLineGammaCorrection(bool on);
    bool GetLineGammaCorrection() const;
    // factors and positions must have the same length (false otherwise, GDI+ not called).
    bool SetLineBlend(std::span<const float> factors, std::span<const float> positions);
    bool GetLineBlend(GfxBlend& blend) const;
    int GetLineBlendCount() const;
    // colors and positions must have the same length (false otherwise, GDI+ not called).
    bool SetLinePresetBlend(std::span<const gp::ARGB> colors, std::span<const float> positions);
    bool GetLinePresetBlend(GfxPresetBlend& blend) const;
    bool SetLineSigmaBlend(float focus, float scale);
    bool SetLineLinearBlend(float focus, float scale);
    gp::WrapMode GetLineWrapMode() const;
    bool SetLineWrapMode(gp::WrapMode mode);
    // Matrices are plain GDI+ handles owned by the caller.
    bool GetLineTransform(gp::GpMatrix* matrix) const;
    bool SetLineTransform(const gp::GpMatrix* matrix);
    bool ResetLineTransform();
    bool MultiplyLineTransform(const gp::GpMatrix* matrix,
                               gp::MatrixOrder order = gp::MatrixOrderPrepend);
    bool TranslateLineTransform(float dx, float dy, gp::MatrixOrder order = gp::MatrixOrderPrepend);
    bool ScaleLineTransform(float sx, float sy, gp::MatrixOrder order = gp::MatrixOrderPrepend);
    bool ScaleTransformAt(float sx, float sy, gp::PointF centre,
                          gp::MatrixOrder order = gp::MatrixOrderPrepend);
    bool RotateLineTransform(float angle, gp::MatrixOrder order = gp::MatrixOrderPrepend);
    bool RotateTransformAt(float angle, gp::PointF centre,
                           gp::MatrixOrder order = gp::MatrixOrderPrepend);
};

class GfxPathGradientBrush : public GfxBrush {
public:
    gp::GpPathGradient* native() const noexcept {
        return static_cast<gp::GpPathGradient*>(handle_);
    }

    bool CreatePathGradient(std::span<const gp::PointF> points,
                            gp::WrapMode mode = gp::WrapModeClamp);
    bool CreatePathGradientI(std::span<const gp::Point> points,
                             gp::WrapMode mode = gp::WrapModeClamp);
    bool CreatePathGradientFromPath(const GfxPath& path);
    gp::ARGB GetCenterColor() const;
    bool SetCenterColor(gp::ARGB color);
    int GetPointCount() const;
    int GetSurroundColorCount() const;
    std::vector<gp::ARGB> GetSurroundColorsWithCount() const;
    // At most one colour per path point; count, when given, receives how many GDI+ took.
    // More colours than that fail with status 2 and leave the brush unchanged.
    bool SetSurroundColorsWithCount(std::span<const gp::ARGB> colors, int* count = nullptr);
    // Copies the brush's outline into path (which must already hold a path).
    bool GetPath(GfxPath& path) const;
    gp::PointF GetCenterPoint() const;
    gp::Point GetCenterPointI() const;
    bool SetCenterPoint(gp::PointF point);
    bool SetCenterPointI(gp::Point point);
    gp::RectF GetRect() const;
    gp::Rect GetRectI() const;
    bool SetGammaCorrection(bool on);
    bool GetGammaCorrection() const;
    // Same-length arrays, as for the linear brush.
    bool SetBlend(std::span<const float> factors, std::span<const float> positions);
    bool GetBlend(GfxBlend& blend) const;
    int GetBlendCount() const;
    int GetPresetBlendCount() const;
    bool GetFocusScales(float& xScale, float& yScale) const;
    bool SetFocusScales(float xScale, float yScale);
    bool SetPresetBlend(std::span<const gp::ARGB> colors, std::span<const float> positions);
    bool GetPresetBlend(GfxPresetBlend& blend) const;
    bool SetSigmaBlend(float focus, float scale);
    bool SetLinearBlend(float focus, float scale);
    gp::WrapMode GetWrapMode() const;
    bool SetWrapMode(gp::WrapMode mode);
    bool GetTransform(gp::GpMatrix* matrix) const;
    bool SetTransform(gp::GpMatrix* matrix);
    bool ResetTransform();
    bool MultiplyTransform(const gp::GpMatrix* matrix,
                           gp::MatrixOrder order = gp::MatrixOrderPrepend);
    bool TranslateTransform(float dx, float dy, gp::MatrixOrder order = gp::MatrixOrderPrepend);
    bool ScaleTransform(float sx, float sy, gp::MatrixOrder order = gp::MatrixOrderPrepend);
    bool ScaleTransformAt(float sx, float sy, gp::PointF centre,
                          gp::MatrixOrder order = gp::MatrixOrderPrepend);
    bool RotateTransform(float angle, gp::MatrixOrder order = gp::MatrixOrderPrepend);
    bool RotateTransformAt(float angle, gp::PointF centre,
                           gp::MatrixOrder order = gp::MatrixOrderPrepend);
};

}  // namespace gfx
