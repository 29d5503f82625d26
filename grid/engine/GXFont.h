// CGXFont: a cell font as one packed 64-bit description in which every attribute may be left unset
// (to be inherited), and whose platform font data (a LOGFONT) is interned process-wide by the
// description, shared by reference count.
//
// Description bits: 0 the object holds a reference to interned data; 1-3 italic, underline and
// strike-out are set; 4-7 weight / 100 (15: unset); 8-17 size in quarter points (0: unset, at most
// 1023); 18-20 the italic, underline and strike-out values; 21-29 orientation in whole degrees (511:
// unset); 32-41 face index (1023: unset). A default font has every attribute unset: low word
// 0x3FE000F0, face 1023. The interning key is the description without bit 0.
//
// Every setter releases the font's reference first; GetLogFontRef takes one again. The LOGFONT that
// GetLogFontRef returns is valid until this font is changed or destroyed.
//
// The stored form (Serialize) is written and read by the style-serialisation module
// (GXStyleSerializeImp.h); without it Serialize does nothing.
#pragma once

#include <windows.h>

#include "core/Core.h"

#include <cstdint>

class CGXFont : public CObject {
    DECLARE_SERIAL(CGXFont)
public:
    // A font with every attribute unset.
    CGXFont();
    // A copy; shares src's interned data when src holds a reference.
    CGXFont(const CGXFont& src);
    // ChangeFont(src, 2). Returns *this.
    CGXFont& operator=(const CGXFont& src);
    // Releases the interned reference.
    ~CGXFont() override;

    // The stored form (forwarded to the style-serialisation module; nothing without it).
    void Serialize(CArchive& ar) override;

    // Setters: each sets the value and its include state and returns *this for chaining.
    // nWeight: a platform weight 0..1499 (stored / 100), else CInvalidArgException*.
    CGXFont& SetWeight(LONG nWeight);
    CGXFont& SetItalic(BOOL b);
    CGXFont& SetUnderline(BOOL b);
    CGXFont& SetStrikeOut(BOOL b);
    // dPoints >= 0 (else CInvalidArgException*); stored in quarter points, at most 1023 (255.75 pt).
    // 0 leaves the size unset.
    CGXFont& SetSize(double dPoints);
    // nTenths of a degree; any value, wrapped into 0..3599, stored in whole degrees.
    CGXFont& SetOrientation(LONG nTenths);
    // nIndex: a face index 0..1023 (1023 unsets the face), else CInvalidArgException*.
    CGXFont& SetFaceNameIndex(UINT nIndex);
    // The face of that name (empty or null unsets it); a name never seen gets a new face index.
    CGXFont& SetFaceName(const char* pszName);
    // Takes face, size, weight, orientation, italic, underline and strike-out from a LOGFONT; a
    // character set other than 0 and 1 names the face "face (script)". A height of 0 leaves the size
    // as it was.
    CGXFont& SetLogFont(const LOGFONTA& lf);
    // The library's default font: Arial (or the default GUI font on double-byte systems), height -11
    // pixels, weight 400, not italic, not underlined.
    CGXFont& SetDefault();

    // Releases the reference to interned data, if held.
    void ReleaseFontData() const;
    // The font's LOGFONT (interned, built once per description): unset attributes are 0; lfHeight
    // = -MulDiv(quarter points, vertical dots per inch, 288). Takes a reference when none is held.
    const LOGFONTA& GetLogFontRef() const;
    // The LOGFONT with lfHeight * nZoom / 100.
    void GetZoomedLogFont(LOGFONTA& lf, int nZoom) const;

    // Merges other into this font: mode 0 takes every attribute other sets, 1 only those unset here,
    // 2 copies other, 3 unsets every attribute other sets. Other modes throw CInvalidArgException*.
    // Any change releases the interned reference. Returns *this.
    CGXFont& ChangeFont(const CGXFont& other, int nMode);
    // TRUE when every attribute that other sets is set here with the same value.
    BOOL IsSubSet(const CGXFont& other) const;

    // TRUE when the attribute is set (not left to be inherited).
    BOOL GetIncludeWeight() const;
    BOOL GetIncludeItalic() const;
    BOOL GetIncludeUnderline() const;
    BOOL GetIncludeStrikeOut() const;
    BOOL GetIncludeSize() const;
    BOOL GetIncludeOrientation() const;
    BOOL GetIncludeFaceName() const;
    // Packed values: weight / 100 (15 unset), size in quarter points (0 unset), orientation in degrees
    // (511 unset), face index (1023 unset).
    UINT GetWeight() const;
    UINT GetSize() const;
    UINT GetOrientation() const;
    UINT GetFaceNameIndex() const;
    // The flag values (meaningful when set).
    BOOL GetItalic() const;
    BOOL GetUnderline() const;
    BOOL GetStrikeOut() const;
    // The text of the face record (empty when unset).
    CString GetFaceName() const;
    // The packed values in platform units: points, weight, tenths of a degree.
    double SizeToPoints() const { return GetSize() * 0.25; }
    LONG WeightToFontWeight() const { return LONG(GetWeight()) * 100; }
    LONG OrientationToTenths() const { return LONG(GetOrientation()) * 10; }

    // The packed description (bit 0 included).
    uint64_t GetDescription() const { return m_nDesc; }
    // TRUE while the font holds a reference to interned data.
    BOOL HoldsFontData() const { return (m_nDesc & 1) != 0; }

private:
    void SetDesc(uint64_t nDesc);
    void BuildLogFont(LOGFONTA& lf) const;

    mutable uint64_t m_nDesc;
};
