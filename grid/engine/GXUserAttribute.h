// User attributes: the open-ended values a style carries beside its fixed attributes, keyed by a
// 16-bit id that is the string-resource id of the attribute's display name (51011 "Valid: Min. Value"
// and on). Cell controls keep their settings there.
//
// CGXUserAttribute holds one value of a kind:
//   0 empty ("")               3 text of at most 8 bytes, kept inline (no terminator when 8)
//   1 unsigned 32-bit ("%lu")  4 longer text, an owned heap copy
//   2 signed 32-bit ("%ld")    5 double ("%.13g")
//   6 eight raw bytes ("%08x%08x": the low 32-bit half first, then the high half)
// and any other kind reads as "Value?". Text given to it becomes kind 5 only when the library's
// number-recognition option is on, the drawing service's number parser reads it as a number
// (CGXDrawingAndFormatting::ParseValue: C numeric locale, nothing without the number-formatting
// module) and the number, written back with "%.13g", gives the same text ("1.5" is a number, "1.50"
// stays text).
//
// CGXUserAttributeMap owns its attributes and keeps them sorted by id, each id once.
//
// Stored forms (little-endian; class tags carry schema 0):
// - CGXUserAttribute: BYTE kind; kinds 3 and 4 the text as a string, other kinds the 8 value bytes.
//   A loaded text of more than 8 bytes is kind 4, else kind 3.
// - CGXEllipseUserAttribute: the ellipsis type as a WORD.
// - CGXAbstractUserAttribute: its text as a string, applied through SetValue when loaded.
// - CGXUserAttributeMap: WORD count, then per attribute the attribute as a tagged object and its id as
//   a WORD. Loading empties the map first; objects of other classes throw CArchiveException badClass,
//   a reference to an object read before (here or anywhere else in the archive) throws badIndex, so
//   no attribute gets two owners, and an id met twice keeps the later attribute. Storing more than
//   65535 attributes throws CArchiveException generic before anything is written.
#pragma once

#include <windows.h>

#include "core/Core.h"

class CGXAbstractUserAttribute : public CObject {
    DECLARE_SERIAL(CGXAbstractUserAttribute)
public:
    CGXAbstractUserAttribute();
    ~CGXAbstractUserAttribute() override;

    // The stored form (the text; see the top of this file).
    void Serialize(CArchive& ar) override;

    // Sets the value from text (nothing in the base).
    virtual CGXAbstractUserAttribute& SetValue(const char* pszValue);
    // SetValue of the text.
    virtual CGXAbstractUserAttribute& SetValue(const CString& strValue);
    // The value as text (empty in the base).
    virtual CString GetValue() const;
    // The text converted with the C library's integer conversion (0 when it is no number).
    virtual LONG GetLongValue() const;
    virtual DWORD GetDWordValue() const;
    // The text converted as a C-locale floating number (0 when it is no number).
    virtual double GetDoubleValue() const;
    // A new heap copy with the same id, or null when the class cannot be copied (the base).
    virtual CGXAbstractUserAttribute* Clone() const;
    // TRUE when other has the same id and the same text.
    virtual BOOL IsEqual(const CGXAbstractUserAttribute& other) const;
    // TRUE when the text is empty.
    virtual BOOL IsEmpty() const;
    // Equality by value: IsEqual here; kinds whose value is no text compare their values (see
    // CGXOleVarUserAttribute).
    virtual BOOL IsEqualValue(const CGXAbstractUserAttribute& other) const;

    // GetValue under the name the cell controls read it by.
    CString GetValueText() const { return GetValue(); }

    WORD m_nId;
};

class CGXUserAttribute : public CGXAbstractUserAttribute {
    DECLARE_SERIAL(CGXUserAttribute)
public:
    enum { vtEmpty = 0, vtDWord = 1, vtLong = 2, vtShortString = 3, vtString = 4, vtDouble = 5, vtByte8 = 6 };

    // An empty value (kind 0).
    CGXUserAttribute();
    // A value from text (see SetValue).
    explicit CGXUserAttribute(const char* pszValue);
    // Numbers: kind 1, 2 or 5.
    explicit CGXUserAttribute(DWORD nValue);
    explicit CGXUserAttribute(LONG nValue);
    explicit CGXUserAttribute(double dValue);
    // Eight raw bytes (kind 6): the low and the high 32-bit half.
    CGXUserAttribute(DWORD nLow, DWORD nHigh);
    // A copy (a heap text is duplicated).
    CGXUserAttribute(const CGXUserAttribute& src);
    CGXUserAttribute& operator=(const CGXUserAttribute& src);
    ~CGXUserAttribute() override;

    void Serialize(CArchive& ar) override;

    using CGXAbstractUserAttribute::SetValue;
    // Empty text gives kind 0; a number (see the top of this file) kind 5; else the text, inline up
    // to 8 bytes (kind 3) or on the heap (kind 4). A null text counts as empty.
    CGXAbstractUserAttribute& SetValue(const char* pszValue) override;
    // The text form of the kind (see the top of this file).
    CString GetValue() const override;
    // Kinds 1 and 2 the number, 3 and 4 the text as an integer, 5 the double truncated; others 0.
    LONG GetLongValue() const override;
    DWORD GetDWordValue() const override;
    // Kinds 1 (unsigned) and 2 (signed), 3 and 4 the text as a number, 5 the double; others 0.
    double GetDoubleValue() const override;
    CGXAbstractUserAttribute* Clone() const override;
    // Same id and kind and equal value (texts compared byte by byte).
    BOOL IsEqual(const CGXAbstractUserAttribute& other) const override;
    BOOL IsEmpty() const override;

    // The value kind.
    LONG GetValueType() const { return m_vtType; }

private:
    void Free();
    void SetText(const char* pch, size_t nLength);

    LONG m_vtType;
    union {
        DWORD dw;
        LONG l;
        double d;
        char sz[8];
        char* psz;
        DWORD dw2[2];
    } m_value;
};

class CGXEllipseUserAttribute : public CGXAbstractUserAttribute {
    DECLARE_SERIAL(CGXEllipseUserAttribute)
public:
    enum { gxNoEllipse = 0, gxDotEllipse = 1, gxPoundEllipse = 2 };

    // nType: 0 none, 1 dots, 2 pound signs.
    explicit CGXEllipseUserAttribute(LONG nType = gxNoEllipse);

    void Serialize(CArchive& ar) override;
    using CGXAbstractUserAttribute::SetValue;
    // Does nothing.
    CGXAbstractUserAttribute& SetValue(const char* pszValue) override;
    // Empty text.
    CString GetValue() const override;
    // The type.
    LONG GetLongValue() const override;
    DWORD GetDWordValue() const override;
    double GetDoubleValue() const override;
    CGXAbstractUserAttribute* Clone() const override;
    // TRUE when other is an ellipsis attribute of the same type (ids are not compared).
    BOOL IsEqual(const CGXAbstractUserAttribute& other) const override;
    // Always TRUE.
    BOOL IsEmpty() const override;

    // The ellipsis type (0 none, 1 dots, 2 pound signs).
    void SetEllipseType(LONG nType) { m_nType = nType; }
    LONG GetEllipseType() const { return m_nType; }

private:
    LONG m_nType;
};

class CGXUserAttributeMap : public CObArray {
    DECLARE_SERIAL(CGXUserAttributeMap)
public:
    CGXUserAttributeMap();
    // Deletes every attribute.
    ~CGXUserAttributeMap() override;
    CGXUserAttributeMap(const CGXUserAttributeMap&) = delete;
    CGXUserAttributeMap& operator=(const CGXUserAttributeMap&) = delete;

    void Serialize(CArchive& ar) override;

    // The index of id; -1 when absent.
    int32_t FindIndex(WORD nId) const;
    // The attribute of id, or null.
    const CGXAbstractUserAttribute* GetAttribute(WORD nId) const;
    // Takes ownership of pAttribute (not null, else CInvalidArgException*) and stamps it with nId;
    // an attribute of that id is deleted and replaced in place.
    void SetAttribute(WORD nId, CGXAbstractUserAttribute* pAttribute);
    // Stores a Clone of attribute under nId (nothing when the attribute cannot be cloned).
    void SetAttribute(WORD nId, const CGXAbstractUserAttribute& attribute);
    // Deletes and removes the attribute of id. Returns its former index, or -1 when absent.
    int32_t RemoveAttribute(WORD nId);
    // TRUE when the map holds no attribute.
    BOOL IsEmpty() const { return GetSize() == 0; }
    // Deletes every attribute.
    void DeleteAll();
    // The attribute at nIndex.
    CGXAbstractUserAttribute* GetAttributeAt(int32_t nIndex) const
    {
        return static_cast<CGXAbstractUserAttribute*>(GetAt(nIndex));
    }

    // Merges other into this map: mode 0 copies every attribute (replacing), 1 only ids this map
    // lacks, 2 replaces the whole map with copies of other's, 3 removes every id other holds. Other
    // modes throw CInvalidArgException*.
    void ChangeMap(const CGXUserAttributeMap& other, int nMode);

    // Writes one profile string per attribute ("UA%lu" with the id, the attribute's text) to the
    // section of the application's profile (nothing without an application object). A null or empty
    // section throws CInvalidArgException*.
    void WriteProfile(const char* pszSection) const;

private:
    void Sort();
};
