// Fonts, font families, string formats and font collections for text drawing.
#pragma once

#include "gfx/gfx_object.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace gfx {

class GfxFontCollection;
class GfxFontFamily;
class GfxGraphics;

// Owns one GpFont. Style is a GDI+ FontStyle bit set (1 bold, 2 italic, 4 underline, 8 strike-out).
class GfxFont : public GfxObject {
public:
    GfxFont() = default;
    GfxFont(GfxFont&&) noexcept = default;
    GfxFont& operator=(GfxFont&&) noexcept = default;
    ~GfxFont() override { Delete(); }

    gp::GpFont* native() const noexcept { return static_cast<gp::GpFont*>(handle_); }

    // False when empty (status untouched).
    bool Delete();
    bool CreateFromFamily(const GfxFontFamily& family, float emSize, int style, gp::Unit unit);
    // The system's DEFAULT_GUI_FONT.
    bool CreateDefault();
    // From an installed family name (ANSI text); an unknown name fails with status 2.
    bool Create(std::string_view familyName, float emSize, int style,
                gp::Unit unit = gp::UnitWorld);
    bool CreateW(const std::wstring& familyName, float emSize, int style,
                 gp::Unit unit = gp::UnitWorld);
    // As Create, but a family that is not installed (or whose ANSI name does not
    // read in this code page) gives the generic sans-serif family instead.
    bool CreateOrSansSerif(std::string_view familyName, float emSize, int style,
                           gp::Unit unit = gp::UnitWorld);
    // The font selected into dc.
    bool CreateFromDC(HDC dc);
    // From font (as seen on dc); without a usable font, the one selected into dc.
    bool CreateFromHFONT(HDC dc, HFONT font = nullptr);
    bool CreateFromLogfontA(HDC dc, const LOGFONTA* logfont = nullptr);
    bool CreateFromLogfontW(HDC dc, const LOGFONTW* logfont = nullptr);
    bool Clone(GfxFont& target) const;
    bool GetLogFontA(const GfxGraphics& graphics, LOGFONTA& logfont) const;
    bool GetLogFontW(const GfxGraphics& graphics, LOGFONTW& logfont) const;
    // target receives the font's family.
    bool GetFamily(GfxFontFamily& target) const;
    int GetStyle() const;
    float GetSize() const;
    gp::Unit GetUnit() const;
    float GetHeight(const GfxGraphics& graphics) const;
    float GetHeightGivenDPI(float dpi) const;

protected:
    void ReleaseNative() noexcept override { Delete(); }
};

// Owns one GpFontFamily.
class GfxFontFamily : public GfxObject {
public:
    GfxFontFamily() = default;
    GfxFontFamily(GfxFontFamily&&) noexcept = default;
    GfxFontFamily& operator=(GfxFontFamily&&) noexcept = default;
    ~GfxFontFamily() override { Delete(); }

    gp::GpFontFamily* native() const noexcept { return static_cast<gp::GpFontFamily*>(handle_); }

    // False when empty (status untouched).
    bool Delete();
    // Looks name up in collection; null or an empty collection means the installed fonts.
    bool CreateFromName(std::string_view name, const GfxFontCollection* collection = nullptr);
    bool CreateFromNameW(const std::wstring& name, const GfxFontCollection* collection = nullptr);
    bool GetGenericSansSerif();
    bool GetGenericSerif();
    bool GetGenericMonospace();
    bool Clone(GfxFontFamily& target) const;
    // The family's own name (ANSI text); empty on failure.
    std::string GetFamilyName() const;
    std::wstring GetFamilyNameW() const;
    bool IsStyleAvailable(int style) const;
    int GetEmHeight(int style) const;
    int GetCellAscent(int style) const;
    int GetCellDescent(int style) const;
    int GetLineSpacing(int style) const;

protected:
    void ReleaseNative() noexcept override { Delete(); }
};

// Owns one GpStringFormat.
class GfxStringFormat : public GfxObject {
public:
    GfxStringFormat() = default;
    GfxStringFormat(GfxStringFormat&&) noexcept = default;
    GfxStringFormat& operator=(GfxStringFormat&&) noexcept = default;
    ~GfxStringFormat() override { Delete(); }

    gp::GpStringFormat* native() const noexcept {
        return static_cast<gp::GpStringFormat*>(handle_);
    }

    // False when empty (status untouched).
    bool Delete();
    bool Create(int flags = 0, LANGID language = 0);
    bool GetGenericDefault();
    bool GetGenericTypographic();
    bool Clone(GfxStringFormat& target) const;
    bool SetFlags(int flags);
    int GetFlags() const;
    bool SetAlign(gp::StringAlignment align);
    gp::StringAlignment GetAlign() const;
    bool SetLineAlign(gp::StringAlignment align);
    gp::StringAlignment GetLineAlign() const;
    bool SetTrimming(gp::StringTrimming trimming);
    gp::StringTrimming GetTrimming() const;
    bool SetHotkeyPrefix(gp::HotkeyPrefix prefix);
    int GetHotkeyPrefix() const;
    bool SetTabStops(float firstTabOffset, std::span<const float> tabStops);
    // The number of tab stops (0 on failure, stops then left alone).
    int GetTabStops(float& firstTabOffset, std::vector<float>& tabStops) const;
    bool SetDigitSubstitution(LANGID language, gp::StringDigitSubstitute method);
    bool GetDigitSubstitution(LANGID& language, gp::StringDigitSubstitute& method) const;
    // Ranges that MeasureCharacterRanges then measures, one region each.
    bool SetMeasurableCharacterRanges(std::span<const gp::CharacterRange> ranges);
    int GetMeasurableCharacterRangeCount() const;

protected:
    void ReleaseNative() noexcept override { Delete(); }
};

// Refers to a GDI+ font collection; the collection is not owned (GDI+ keeps the
// installed one; private ones belong to whoever made them). Empty means installed fonts.
class GfxFontCollection : public GfxObject {
public:
    GfxFontCollection() = default;
    GfxFontCollection(GfxFontCollection&&) noexcept = default;
    GfxFontCollection& operator=(GfxFontCollection&&) noexcept = default;

    gp::GpFontCollection* native() const noexcept {
        return static_cast<gp::GpFontCollection*>(handle_);
    }

    // Refers to the system's installed fonts.
    bool CreateInstalled();
    int GetFamilyCount() const;
    // Fills families with requested objects, the first found of them holding a
    // family of the collection; returns found. requested < 1: 0 and status 2.
    int GetFamilyList(int requested, std::vector<GfxFontFamily>& families) const;

protected:
    void ReleaseNative() noexcept override { handle_ = nullptr; }
};

}  // namespace gfx
