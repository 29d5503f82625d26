// VARIANT values in cell styles, and bitmaps drawn from them.
//
// CGXOleVarUserAttribute is a user attribute whose value is a VARIANT (a database binary field, for
// instance; attribute 52794 "Dao bitmap user attribute"). It has no text: setting a text does
// nothing, its text is empty, so any two of them with one id are equal by text (IsEqual); they are
// equal by value (IsEqualValue) only when they hold the very same VARIANT. It is empty without a
// VARIANT or with a VT_EMPTY one. Its stored form is the VARIANT's archive form (COleVariant.h).
//
// The VARIANTs come from a process-wide pool, CGXCaptiveManager<COleVariant>, which hands out the
// oldest VARIANT given back (first in, first out) before it makes a new one; an attribute gives its
// VARIANT back when it goes, uncleared, and it is cleared when it is handed out again (VariantCopy)
// or at exit.
//
// VariantToDIB finds a Windows bitmap file inside a VT_ARRAY | VT_UI1 VARIANT (the first "BM" pair,
// wherever it is, so that a bitmap behind an OLE header is found) and returns it as a packed DIB in a
// new movable block, with or without its 14-byte file header. The headers are checked against the
// bytes there are: fewer bytes than a file header and an info header, an info header of another
// size than 40 bytes or more, or a colour table or bits reaching past the end give no DIB.
// DrawVariantDIB draws such a bitmap with the grid's DIB drawing (DrawDIBInRect).
#pragma once

#include "grid/engine/GXUserAttribute.h"
#include "win/COleVariant.h"
#include "win/CRect.h"

class CDC;

template <class T>
class CGXCaptiveManager {
public:
    CGXCaptiveManager() = default;
    // Destroys every object of the free list.
    ~CGXCaptiveManager()
    {
        while (!m_free.IsEmpty())
            delete static_cast<Captive*>(m_free.RemoveHead());
    }
    CGXCaptiveManager(const CGXCaptiveManager&) = delete;
    CGXCaptiveManager& operator=(const CGXCaptiveManager&) = delete;

    // The head of the free list, else a new object.
    T* Allocate()
    {
        if (!m_free.IsEmpty())
            return m_free.RemoveHead();
        return new Captive;
    }
    // Appends p (from Allocate; null is ignored) to the free list.
    void Release(T* p)
    {
        if (p != nullptr)
            m_free.AddTail(p);
    }
    // The number of objects waiting in the free list.
    int32_t GetFreeCount() const { return m_free.GetCount(); }

private:
    // The pooled object behind a virtual destructor, so that the pool deletes what it made.
    struct Captive : T {
        virtual ~Captive() = default;
    };
    CList<T*, T*&> m_free{10};
};

// The process-wide pool of VARIANTs (made on first use, destroyed at exit).
CGXCaptiveManager<COleVariant>& GXGetVariantPool();

class CGXOleVarUserAttribute : public CGXAbstractUserAttribute {
    DECLARE_SERIAL(CGXOleVarUserAttribute)
public:
    // Empty: no VARIANT.
    CGXOleVarUserAttribute();
    // Gives the VARIANT back to the pool.
    ~CGXOleVarUserAttribute() override;

    // The VARIANT's archive form (VT_EMPTY without one); a loaded VARIANT is set with SetVariant.
    void Serialize(CArchive& ar) override;
    using CGXAbstractUserAttribute::SetValue;
    // Ignored.
    CGXAbstractUserAttribute& SetValue(const char* pszValue) override;
    // Empty.
    CString GetValue() const override;
    // Always zero: a VARIANT is not read as a number.
    LONG GetLongValue() const override;
    DWORD GetDWordValue() const override;
    double GetDoubleValue() const override;
    // A new attribute with the same id holding a copy of the VARIANT (none when this has none).
    CGXAbstractUserAttribute* Clone() const override;
    // No VARIANT, or a VT_EMPTY one.
    BOOL IsEmpty() const override;
    // Same id and the very same VARIANT object.
    BOOL IsEqualValue(const CGXAbstractUserAttribute& other) const override;

    // Copies var into the held VARIANT (taken from the pool when there is none). A VARIANT the system
    // cannot copy throws COleException*.
    void SetVariant(const VARIANT& var);
    // The held VARIANT, null when none.
    const COleVariant* GetVariant() const { return m_pVariant; }

private:
    COleVariant* m_pVariant = nullptr;
    DWORD m_dwReserved = 0;
};

// The bitmap file inside var (see the top of this file) as a packed DIB in a new movable block, with
// its file header when bKeepFileHeader; null when var is no byte array or holds no valid bitmap.
HGLOBAL VariantToDIB(const VARIANT& var, BOOL bKeepFileHeader);

// Draws the bitmap of var (hDIB when not null, else VariantToDIB(var, FALSE)) into rect with
// DrawDIBInRect's mode and alignment flags, clipped to pClip when it is not null. With bFree the DIB is
// freed afterwards and null returned; else the DIB is returned for the caller to keep (and pass again).
// Null when var holds no bitmap.
HGLOBAL DrawVariantDIB(CDC* pDC, const VARIANT& var, const CRect& rect, int nMode, UINT nFlags,
                       const CRect* pClip = nullptr, HGLOBAL hDIB = nullptr, BOOL bFree = FALSE);
