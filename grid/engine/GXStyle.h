// CGXStyle: the grid's cell style. One object holds a cell's value and every display and behaviour
// attribute of a cell; each attribute is either included (set) or left to be inherited. Styles are
// kept per cell, row, column and as named base styles, and the grid composes a cell's effective
// style by merging them with ChangeStyle.
//
// Include mask (the numbering exchanged by GetIncludeMask/SetIncludeMask and written to archives):
//   0 HorizontalAlignment  1 VerticalAlignment  2 ReadOnly       3 ControlId     4 Interior
//   5 TextColor            6 WrapText           7 AllowEnter     8 Borders       9 Font
//  10 Value               11 ChoicesList       12 VerticalScrollbar             13 MaxLength
//  14 BaseStyle           15 Enabled           16 TriState      17 Draw3dFrame  18 user attributes
//  19 AutoSize            20 item data         21 FloatCell     22 FloodCell    23 MergeCell
//  24 Format              25 Places
// Bits 26-31 are 0 in a packed mask; SetIncludeMask keeps the style's own bits 26-31.
//
// Public alignment values are those of the text-drawing flags: horizontal 0 left, 1 (DT_CENTER)
// centre, 2 (DT_RIGHT) right; vertical 0 top, 4 (DT_VCENTER) centre, 8 (DT_BOTTOM) bottom. A setter
// given any other value stores left or top.
//
// Colours (Interior, TextColor, Borders) are packed colours (GXColor.h).
//
// An attribute that is not included keeps no value that could come back: clearing Value empties it,
// and assignment leaves Value, ChoicesList, borders, font and user attributes empty when the source
// does not include them.
//
// A chain of base styles (LoadBaseStyle) stops at the first id that repeats, so a chain that loops
// (possible from profile or archive input) ends instead of running forever.
//
// Serialize, WriteProfile and ReadProfile forward to the style-serialisation and profile modules and
// IsSubSet to the style-compare module (GXModules.h); without them Serialize and WriteProfile do
// nothing and ReadProfile and IsSubSet answer FALSE. LoadBaseStyle looks base styles up in the styles
// map (CGXStylesMap::LookupStyle); the walk itself is MergeBaseStyles.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXCellBrush.h"
#include "grid/engine/GXCellPen.h"
#include "grid/engine/GXFont.h"
#include "grid/engine/GXResource.h"
#include "grid/engine/GXUserAttribute.h"

#include <functional>

class CGXStylesMap;


class CGXStyle : public CObject {
    DECLARE_SERIAL(CGXStyle)
public:
    // Include-mask bits.
    enum {
        incHorizontalAlignment = 1u << 0, incVerticalAlignment = 1u << 1, incReadOnly = 1u << 2,
        incControl = 1u << 3, incInterior = 1u << 4, incTextColor = 1u << 5, incWrapText = 1u << 6,
        incAllowEnter = 1u << 7, incBorders = 1u << 8, incFont = 1u << 9, incValue = 1u << 10,
        incChoiceList = 1u << 11, incVerticalScrollbar = 1u << 12, incMaxLength = 1u << 13,
        incBaseStyle = 1u << 14, incEnabled = 1u << 15, incTriState = 1u << 16, incDraw3dFrame = 1u << 17,
        incUserAttributes = 1u << 18, incAutoSize = 1u << 19, incItemData = 1u << 20, incFloatCell = 1u << 21,
        incFloodCell = 1u << 22, incMergeCell = 1u << 23, incFormat = 1u << 24, incPlaces = 1u << 25,
        incAll = (1u << 26) - 1
    };
    // Border sides.
    enum { gxBorderLeft = 0, gxBorderRight = 1, gxBorderTop = 2, gxBorderBottom = 3, gxBorderAll = -1 };
    // Merge modes of ChangeStyle.
    enum { gxOverride = 0, gxApplyNew = 1, gxCopy = 2, gxExclude = 3 };
    // Value types.
    enum { gxValueText = 0, gxValueNumber = 1 };

    // An empty style: nothing included.
    CGXStyle();
    // A copy: the packed attributes, interior, MaxLength, ControlId and item data; Value,
    // ChoicesList, user attributes, borders and font when included (deep copies).
    CGXStyle(const CGXStyle& src);
    // Frees borders, font and user attributes.
    ~CGXStyle() override;

    // The stored form: Serialize(ar, no styles map).
    void Serialize(CArchive& ar) override;
    // A new heap copy of this style (the caller owns it).
    virtual CGXStyle* Clone() const;
    // Sets Value to the text (null: empty), includes it, value type text. Returns *this.
    virtual CGXStyle& SetValue(const char* pszValue);
    // Assignment: nothing from itself; from a style that includes nothing, Free; otherwise a copy as
    // the copy constructor makes it, releasing what the source does not include. Returns *this.
    virtual CGXStyle& operator=(const CGXStyle& src);
    // The library's standard style (see the .cpp for the values).
    virtual CGXStyle& SetDefault();
    // TRUE when every attribute of other is included here with the same value (the style-compare
    // module decides; FALSE without it).
    virtual BOOL IsSubSet(const CGXStyle& other) const;
    // The stored form with a styles map for base styles (the style-serialisation module; nothing
    // without it). pStylesMap null: the styles map the archive was given (CGXArchiveStylesMap), if any.
    virtual void Serialize(CArchive& ar, const CGXStylesMap* pStylesMap);
    // Writes / reads the style to / from a profile section (the profile module; without it nothing is
    // written and read answers FALSE). pStylesMap names the base styles and user attributes (may be
    // null).
    virtual void WriteProfile(const char* pszSection, const CGXStylesMap* pStylesMap) const;
    virtual BOOL ReadProfile(const char* pszSection, const CGXStylesMap* pStylesMap);
    // Merges the chain of base styles registered in the styles map into this style (MergeBaseStyles).
    virtual void LoadBaseStyle(const CGXStylesMap& stylesMap);
    // Merges other into this style: 0 override (take every attribute other includes), 1 apply new
    // (only attributes not included here; a border side of style 7 counts as not included), 2 copy
    // (assignment), 3 exclude (drop every attribute other includes). An empty other changes nothing
    // (modes 0, 1); an empty style is simply assigned. Borders, font and user attributes merge member
    // by member. Other modes throw CInvalidArgException*. Returns *this.
    virtual CGXStyle& ChangeStyle(const CGXStyle& other, int nMode);
    // Deletes borders, font and user attributes, empties Value and ChoicesList, clears the item data
    // and every include bit. Nothing when nothing is included.
    virtual void Free();

    // Clears a style under construction to the empty state without freeing anything.
    void InitEmpty();

    // Walks the base-style chain: while the current style includes BaseStyle, lookup(id) gives the
    // registered style (null: stop); it is merged here in mode 1 and becomes the current style. A
    // repeated id stops the walk. Nearer base styles win over farther ones.
    void MergeBaseStyles(const std::function<const CGXStyle*(WORD nId)>& lookup);

    // The packed include mask (bits 0-25) / sets bits 0-25 from nMask, keeping bits 26-31.
    DWORD GetIncludeMask() const { return m_nInclude & incAll; }
    void SetIncludeMask(DWORD nMask) { m_nInclude = (m_nInclude & ~DWORD(incAll)) | (nMask & incAll); }
    // TRUE when nothing is included.
    BOOL IsEmpty() const { return GetIncludeMask() == 0; }

    // ---- attributes: setters store the value, include it and return *this; GetX reads the stored
    // value (meaningful when included), GetIncludeX tells whether the attribute is included ----
    CGXStyle& SetHorizontalAlignment(UINT nAlign);
    UINT GetHorizontalAlignment() const;
    BOOL GetIncludeHorizontalAlignment() const { return Has(incHorizontalAlignment); }
    CGXStyle& SetVerticalAlignment(UINT nAlign);
    UINT GetVerticalAlignment() const;
    BOOL GetIncludeVerticalAlignment() const { return Has(incVerticalAlignment); }

    CGXStyle& SetReadOnly(BOOL b) { return SetFlag(incReadOnly, attrReadOnly, b); }
    BOOL GetReadOnly() const { return (m_nAttr & attrReadOnly) != 0; }
    BOOL GetIncludeReadOnly() const { return Has(incReadOnly); }

    // nId: the string-resource id of the cell control.
    CGXStyle& SetControl(WORD nId);
    WORD GetControl() const { return m_nControlId; }
    BOOL GetIncludeControl() const { return Has(incControl); }

    // Copies the brush record.
    CGXStyle& SetInterior(const CGXCellBrush& brush);
    // A solid interior of one colour.
    CGXStyle& SetBackgroundColor(COLORREF color);
    const CGXCellBrush& GetInterior() const { return m_interior; }
    BOOL GetIncludeInterior() const { return Has(incInterior); }

    CGXStyle& SetTextColor(COLORREF color);
    COLORREF GetTextColor() const;
    BOOL GetIncludeTextColor() const { return Has(incTextColor); }

    CGXStyle& SetWrapText(BOOL b) { return SetFlag(incWrapText, attrWrapText, b); }
    BOOL GetWrapText() const { return (m_nAttr & attrWrapText) != 0; }
    BOOL GetIncludeWrapText() const { return Has(incWrapText); }
    CGXStyle& SetAllowEnter(BOOL b) { return SetFlag(incAllowEnter, attrAllowEnter, b); }
    BOOL GetAllowEnter() const { return (m_nAttr & attrAllowEnter) != 0; }
    BOOL GetIncludeAllowEnter() const { return Has(incAllowEnter); }

    // Sets one side (0 left, 1 right, 2 top, 3 bottom) or all four (-1) from a pen record and includes
    // Borders. Other sides throw CInvalidArgException*.
    CGXStyle& SetBorders(int nSide, const CGXCellPen& pen);
    // Switches the inclusion of a side (or of all four, -1); Borders stays included while any side is.
    CGXStyle& SetIncludeBorders(int nSide, BOOL bInclude);
    // The pen of a side (a not-included pen when the side is not set).
    const CGXCellPen& GetBorders(int nSide) const;
    BOOL GetIncludeBorders() const { return Has(incBorders); }
    BOOL GetIncludeBorders(int nSide) const;

    // Merges the font into this style's font with the modes of CGXFont::ChangeFont; a style without a
    // font receives a copy (mode 3 then does nothing). Includes Font. Returns *this.
    CGXStyle& ChangeFont(const CGXFont& font, int nMode);
    // The font (an all-unset font when none is included).
    const CGXFont& GetFontRef() const;
    BOOL GetIncludeFont() const { return Has(incFont); }

    CGXStyle& SetValue(const CString& strValue) { return SetValue(strValue.GetString()); }
    CGXStyle& SetValueString(const CString& strValue) { return SetValue(strValue.GetString()); }
    // The number as "%lu" text, value type number.
    CGXStyle& SetValueNumber(DWORD nValue);
    // Sets or clears the Value include bit only (the value type stays); clearing empties the text.
    CGXStyle& SetIncludeValue(BOOL bInclude);
    const CString& GetValueRef() const { return m_strValue; }
    BOOL GetIncludeValue() const { return Has(incValue); }
    // The value type 0..7 (0 text, 1 number; others are carried unchanged), else
    // CInvalidArgException*. Does not include Value.
    CGXStyle& SetValueType(UINT nType);
    UINT GetValueType() const { return (m_nAttr & attrValueType) >> 20; }

    // Choices separated by new lines.
    CGXStyle& SetChoiceList(const char* pszChoices);
    CGXStyle& AssignChoiceList(const CString& strChoices) { return SetChoiceList(strChoices.GetString()); }
    const CString& GetChoiceListRef() const { return m_strChoiceList; }
    BOOL GetIncludeChoiceList() const { return Has(incChoiceList); }

    CGXStyle& SetVerticalScrollbar(BOOL b) { return SetFlag(incVerticalScrollbar, attrVerticalScrollbar, b); }
    BOOL GetVerticalScrollbar() const { return (m_nAttr & attrVerticalScrollbar) != 0; }
    BOOL GetIncludeVerticalScrollbar() const { return Has(incVerticalScrollbar); }

    CGXStyle& SetMaxLength(WORD nLength);
    WORD GetMaxLength() const { return m_nMaxLength; }
    BOOL GetIncludeMaxLength() const { return Has(incMaxLength); }

    // The base style id; only its low 8 bits are kept.
    CGXStyle& SetBaseStyle(WORD nId);
    WORD GetBaseStyle() const { return WORD(m_nColor >> 24); }
    BOOL GetIncludeBaseStyle() const { return Has(incBaseStyle); }

    CGXStyle& SetEnabled(BOOL b) { return SetFlag(incEnabled, attrEnabled, b); }
    BOOL GetEnabled() const { return (m_nAttr & attrEnabled) != 0; }
    BOOL GetIncludeEnabled() const { return Has(incEnabled); }
    CGXStyle& SetTriState(BOOL b) { return SetFlag(incTriState, attrTriState, b); }
    BOOL GetTriState() const { return (m_nAttr & attrTriState) != 0; }
    BOOL GetIncludeTriState() const { return Has(incTriState); }

    // 0..3, else CInvalidArgException*.
    CGXStyle& SetDraw3dFrame(UINT nFrame);
    UINT GetDraw3dFrame() const { return m_nAttr & attrDraw3dFrame; }
    BOOL GetIncludeDraw3dFrame() const { return Has(incDraw3dFrame); }

    CGXStyle& SetAutoSize(BOOL b) { return SetFlag(incAutoSize, attrAutoSize, b); }
    BOOL GetAutoSize() const { return (m_nAttr & attrAutoSize) != 0; }
    BOOL GetIncludeAutoSize() const { return Has(incAutoSize); }

    // An untyped pointer the style carries but never frees.
    CGXStyle& SetItemDataPtr(void* pData);
    void* GetItemDataPtr() const { return m_pItemData; }
    BOOL GetIncludeItemDataPtr() const { return Has(incItemData); }

    CGXStyle& SetFloatCell(BOOL b) { return SetFlag(incFloatCell, attrFloatCell, b); }
    BOOL GetFloatCell() const { return (m_nAttr & attrFloatCell) != 0; }
    BOOL GetIncludeFloatCell() const { return Has(incFloatCell); }
    CGXStyle& SetFloodCell(BOOL b) { return SetFlag(incFloodCell, attrFloodCell, b); }
    BOOL GetFloodCell() const { return (m_nAttr & attrFloodCell) != 0; }
    BOOL GetIncludeFloodCell() const { return Has(incFloodCell); }

    // 0..7, else CInvalidArgException*.
    CGXStyle& SetMergeCell(UINT nMerge);
    UINT GetMergeCell() const { return (m_nAttr & attrMergeCell) >> 11; }
    BOOL GetIncludeMergeCell() const { return Has(incMergeCell); }

    // Number format 0..31 and decimal places 0..15, else CInvalidArgException*.
    CGXStyle& SetFormat(UINT nFormat);
    UINT GetFormat() const { return m_nFormat & 0x1F; }
    BOOL GetIncludeFormat() const { return Has(incFormat); }
    CGXStyle& SetPlaces(UINT nPlaces);
    UINT GetPlaces() const { return (m_nFormat >> 5) & 0xF; }
    BOOL GetIncludePlaces() const { return Has(incPlaces); }

    // ---- user attributes ----
    // TRUE when the attribute of id is present.
    BOOL HasUserAttribute(WORD nId) const;
    // The attribute of id, or a shared empty attribute when absent (never null).
    const CGXAbstractUserAttribute& GetUserAttribute(WORD nId) const;
    // Stores a copy (Clone) of the attribute under id, making the style's map on first use.
    CGXStyle& SetUserAttribute(WORD nId, const CGXAbstractUserAttribute& attribute);
    // Stores a CGXUserAttribute built from the text under id.
    CGXStyle& SetUserAttribute(WORD nId, const char* pszValue);
    // Takes ownership of pMap (not null, else CInvalidArgException*) as the style's user attributes,
    // deleting the map held before, and includes them. Returns *this.
    CGXStyle& SetUserAttributeMap(CGXUserAttributeMap* pMap);
    // The attribute map, or null when none is included.
    const CGXUserAttributeMap* GetUserAttributeMap() const;
    BOOL GetIncludeUserAttributes() const { return Has(incUserAttributes); }

private:
    // Attribute word.
    enum : DWORD {
        attrDraw3dFrame = 0x3, attrReadOnly = 0x4, attrVerticalScrollbar = 0x8, attrWrapText = 0x10,
        attrAllowEnter = 0x20, attrEnabled = 0x40, attrTriState = 0x80, attrAutoSize = 0x100,
        attrFloodCell = 0x200, attrFloatCell = 0x400, attrMergeCell = 0x3800, attrHorzAlign = 0xC000,
        attrVertAlign = 0x30000, attrTextColorKind = 0xC0000, attrValueType = 0x700000
    };

    BOOL Has(DWORD nBit) const { return (m_nInclude & nBit) != 0; }
    CGXStyle& SetFlag(DWORD nIncl, DWORD nAttr, BOOL b);
    void CopyFrom(const CGXStyle& src);
    void TakeAttribute(DWORD nBit, const CGXStyle& other);
    void Exclude(const CGXStyle& other);
    void MergeBorders(const CGXStyle& other, int nMode);
    void MergeUserAttributes(const CGXStyle& other, int nMode);
    CGXCellPen* EnsureBorders();
    void UpdateBordersBit();
    CGXUserAttributeMap* EnsureUserAttributes();

    DWORD m_nInclude;
    WORD m_nMaxLength;
    CGXCellBrush m_interior;
    WORD m_nControlId;
    DWORD m_nAttr;    // packed attributes (see the enum above)
    DWORD m_nColor;   // bits 0-23 TextColor, 24-31 BaseStyle
    DWORD m_nFormat;  // bits 0-4 Format, 5-8 Places
    CGXCellPen* m_pBorders;  // four sides, or null
    CGXFont* m_pFont;
    CString m_strValue;
    CString m_strChoiceList;
    CGXUserAttributeMap* m_pUserAttributes;
    void* m_pItemData;
};
