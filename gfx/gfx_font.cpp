// GfxFont, GfxFontFamily, GfxStringFormat and GfxFontCollection.
#include "gfx/gfx_font.h"

#include "gfx/gfx_flat.h"
#include "gfx/gfx_graphics.h"
#include "gfx/gfx_text.h"

#include <algorithm>

namespace gfx {

namespace {

// The screen's device context for the length of one call.
class ScreenDc {
public:
    ScreenDc() : dc_(::GetDC(nullptr)) {}
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    ~ScreenDc() {
        if (dc_ != nullptr) ::ReleaseDC(nullptr, dc_);
    }
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

}  // namespace

// ---- GfxFont ----

bool GfxFont::Delete() { return ReleaseWith<gp::GpFont>(GdipDeleteFont); }
bool GfxFont::CreateFromFamily(const GfxFontFamily& family, float emSize, int style,
                               gp::Unit unit) {
    return CreateInto<gp::GpFont>(*this, GdipCreateFont, family.native(), emSize, style, unit);
}

bool GfxFont::CreateDefault() {
    LOGFONTA logfont{};
    if (GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof logfont, &logfont) == 0) return false;
    const ScreenDc screen;
    return CreateInto<gp::GpFont>(*this, GdipCreateFontFromLogfontA, screen.get(), &logfont);
}

bool GfxFont::Create(std::string_view familyName, float emSize, int style, gp::Unit unit) {
    return CreateW(ToWide(familyName), emSize, style, unit);
}

bool GfxFont::CreateW(const std::wstring& familyName, float emSize, int style, gp::Unit unit) {
    // An unknown name leaves the family empty and GdipCreateFont then answers 2.
    GfxFontFamily family;
    family.CreateFromNameW(familyName);
    return CreateFromFamily(family, emSize, style, unit);
}

bool GfxFont::CreateOrSansSerif(std::string_view familyName, float emSize, int style,
                                gp::Unit unit) {
    if (Create(familyName, emSize, style, unit)) return true;
    GfxFontFamily generic;
    return generic.GetGenericSansSerif() && CreateFromFamily(generic, emSize, style, unit);
}

bool GfxFont::CreateFromDC(HDC dc) {
    return CreateInto<gp::GpFont>(*this, GdipCreateFontFromDC, dc);
}

bool GfxFont::CreateFromHFONT(HDC dc, HFONT font) {
    LOGFONTA logfont{};
    const bool described = font != nullptr && GetObjectA(font, sizeof logfont, &logfont) != 0;
    return CreateFromLogfontA(dc, described ? &logfont : nullptr);
}

bool GfxFont::CreateFromLogfontA(HDC dc, const LOGFONTA* logfont) {
    if (logfont == nullptr) return CreateFromDC(dc);
    return CreateInto<gp::GpFont>(*this, GdipCreateFontFromLogfontA, dc, logfont);
}

bool GfxFont::CreateFromLogfontW(HDC dc, const LOGFONTW* logfont) {
    if (logfont == nullptr) return CreateFromDC(dc);
    return CreateInto<gp::GpFont>(*this, GdipCreateFontFromLogfontW, dc, logfont);
}

bool GfxFont::Clone(GfxFont& target) const {
    return CreateInto<gp::GpFont>(target, GdipCloneFont, native());
}
bool GfxFont::GetLogFontA(const GfxGraphics& graphics, LOGFONTA& logfont) const {
    return Call(GdipGetLogFontA, native(), graphics.native(), &logfont);
}
bool GfxFont::GetLogFontW(const GfxGraphics& graphics, LOGFONTW& logfont) const {
    return Call(GdipGetLogFontW, native(), graphics.native(), &logfont);
}
bool GfxFont::GetFamily(GfxFontFamily& target) const {
    return CreateInto<gp::GpFontFamily>(target, GdipGetFamily, native());
}
int GfxFont::GetStyle() const { return Get<INT>(GdipGetFontStyle, native()); }
float GfxFont::GetSize() const { return Get<gp::REAL>(GdipGetFontSize, native()); }
gp::Unit GfxFont::GetUnit() const { return Get<gp::Unit>(GdipGetFontUnit, native()); }
float GfxFont::GetHeight(const GfxGraphics& graphics) const {
    return Get<gp::REAL>(GdipGetFontHeight, native(), graphics.native());
}
float GfxFont::GetHeightGivenDPI(float dpi) const {
    return Get<gp::REAL>(GdipGetFontHeightGivenDPI, native(), dpi);
}

// ---- GfxFontFamily ----

bool GfxFontFamily::Delete() { return ReleaseWith<gp::GpFontFamily>(GdipDeleteFontFamily); }

bool GfxFontFamily::CreateFromName(std::string_view name, const GfxFontCollection* collection) {
    return CreateFromNameW(ToWide(name), collection);
}

bool GfxFontFamily::CreateFromNameW(const std::wstring& name, const GfxFontCollection* collection) {
    return CreateInto<gp::GpFontFamily>(*this, GdipCreateFontFamilyFromName, name.c_str(),
                                        NativeOrNull(collection));
}

bool GfxFontFamily::GetGenericSansSerif() {
    return CreateInto<gp::GpFontFamily>(*this, GdipGetGenericFontFamilySansSerif);
}
bool GfxFontFamily::GetGenericSerif() {
    return CreateInto<gp::GpFontFamily>(*this, GdipGetGenericFontFamilySerif);
}
bool GfxFontFamily::GetGenericMonospace() {
    return CreateInto<gp::GpFontFamily>(*this, GdipGetGenericFontFamilyMonospace);
}
bool GfxFontFamily::Clone(GfxFontFamily& target) const {
    return CreateInto<gp::GpFontFamily>(target, GdipCloneFontFamily, native());
}

std::string GfxFontFamily::GetFamilyName() const { return FromWide(GetFamilyNameW()); }

std::wstring GfxFontFamily::GetFamilyNameW() const {
    WCHAR name[LF_FACESIZE] = {};
    if (!Call(GdipGetFamilyName, native(), name, LANGID{0})) return {};
    return std::wstring(name, wcsnlen(name, LF_FACESIZE));
}

bool GfxFontFamily::IsStyleAvailable(int style) const {
    return GetBool(GdipIsStyleAvailable, native(), style);
}
int GfxFontFamily::GetEmHeight(int style) const {
    return Get<UINT16>(GdipGetEmHeight, native(), style);
}
int GfxFontFamily::GetCellAscent(int style) const {
    return Get<UINT16>(GdipGetCellAscent, native(), style);
}
int GfxFontFamily::GetCellDescent(int style) const {
    return Get<UINT16>(GdipGetCellDescent, native(), style);
}
int GfxFontFamily::GetLineSpacing(int style) const {
    return Get<UINT16>(GdipGetLineSpacing, native(), style);
}

// ---- GfxStringFormat ----

bool GfxStringFormat::Delete() { return ReleaseWith<gp::GpStringFormat>(GdipDeleteStringFormat); }
bool GfxStringFormat::Create(int flags, LANGID language) {
    return CreateInto<gp::GpStringFormat>(*this, GdipCreateStringFormat, flags, language);
}
bool GfxStringFormat::GetGenericDefault() {
    return CreateInto<gp::GpStringFormat>(*this, GdipStringFormatGetGenericDefault);
}
bool GfxStringFormat::GetGenericTypographic() {
    return CreateInto<gp::GpStringFormat>(*this, GdipStringFormatGetGenericTypographic);
}
bool GfxStringFormat::Clone(GfxStringFormat& target) const {
    return CreateInto<gp::GpStringFormat>(target, GdipCloneStringFormat, native());
}
bool GfxStringFormat::SetFlags(int flags) {
    return Call(GdipSetStringFormatFlags, native(), flags);
}
int GfxStringFormat::GetFlags() const { return Get<INT>(GdipGetStringFormatFlags, native()); }
bool GfxStringFormat::SetAlign(gp::StringAlignment align) {
    return Call(GdipSetStringFormatAlign, native(), align);
}
gp::StringAlignment GfxStringFormat::GetAlign() const {
    return Get<gp::StringAlignment>(GdipGetStringFormatAlign, native());
}
bool GfxStringFormat::SetLineAlign(gp::StringAlignment align) {
    return Call(GdipSetStringFormatLineAlign, native(), align);
}
gp::StringAlignment GfxStringFormat::GetLineAlign() const {
    return Get<gp::StringAlignment>(GdipGetStringFormatLineAlign, native());
}
bool GfxStringFormat::SetTrimming(gp::StringTrimming trimming) {
    return Call(GdipSetStringFormatTrimming, native(), trimming);
}
gp::StringTrimming GfxStringFormat::GetTrimming() const {
    return Get<gp::StringTrimming>(GdipGetStringFormatTrimming, native());
}
bool GfxStringFormat::SetHotkeyPrefix(gp::HotkeyPrefix prefix) {
    return Call(GdipSetStringFormatHotkeyPrefix, native(), static_cast<INT>(prefix));
}
int GfxStringFormat::GetHotkeyPrefix() const {
    return Get<INT>(GdipGetStringFormatHotkeyPrefix, native());
}
bool GfxStringFormat::SetTabStops(float firstTabOffset, std::span<const float> tabStops) {
    return Call(GdipSetStringFormatTabStops, native(), firstTabOffset, Count(tabStops),
                tabStops.data());
}

int GfxStringFormat::GetTabStops(float& firstTabOffset, std::vector<float>& tabStops) const {
    const INT count = Get<INT>(GdipGetStringFormatTabStopCount, native());
    if (GfxLastStatus != gp::Ok || count < 0) return 0;
    tabStops.assign(static_cast<std::size_t>(count), 0.0f);
    Call(GdipGetStringFormatTabStops, native(), count, &firstTabOffset, tabStops.data());
    return count;
}

bool GfxStringFormat::SetDigitSubstitution(LANGID language, gp::StringDigitSubstitute method) {
    return Call(GdipSetStringFormatDigitSubstitution, native(), language, method);
}
bool GfxStringFormat::GetDigitSubstitution(LANGID& language,
                                           gp::StringDigitSubstitute& method) const {
    return Call(GdipGetStringFormatDigitSubstitution, native(), &language, &method);
}
bool GfxStringFormat::SetMeasurableCharacterRanges(std::span<const gp::CharacterRange> ranges) {
    return Call(GdipSetStringFormatMeasurableCharacterRanges, native(), Count(ranges),
                ranges.data());
}
int GfxStringFormat::GetMeasurableCharacterRangeCount() const {
    return Get<INT>(GdipGetStringFormatMeasurableCharacterRangeCount, native());
}

// ---- GfxFontCollection ----

bool GfxFontCollection::CreateInstalled() {
    return CreateInto<gp::GpFontCollection>(*this, GdipNewInstalledFontCollection);
}
int GfxFontCollection::GetFamilyCount() const {
    return Get<INT>(GdipGetFontCollectionFamilyCount, native());
}

int GfxFontCollection::GetFamilyList(int requested, std::vector<GfxFontFamily>& families) const {
    if (requested < 1) {
        GfxLastStatus = gp::InvalidParameter;
        return 0;
    }
    std::vector<gp::GpFontFamily*> list(static_cast<std::size_t>(requested));
    INT found = 0;
    const bool ok = Call(GdipGetFontCollectionFamilyList, native(), requested, list.data(), &found);
    const int status = GfxLastStatus;
    std::vector<GfxFontFamily> result(static_cast<std::size_t>(requested));
    found = ok ? std::clamp(found, 0, requested) : 0;
    // The listed families belong to the collection: each object gets its own
    // clone, so destroying it cannot release what the collection still holds.
    for (int i = 0; i < found; ++i)
        CreateInto<gp::GpFontFamily>(result[static_cast<std::size_t>(i)], GdipCloneFontFamily,
                                     list[static_cast<std::size_t>(i)]);
    families = std::move(result);
    GfxLastStatus = status;
    return found;
}

}  // namespace gfx
