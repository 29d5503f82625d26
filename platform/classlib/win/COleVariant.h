// COleVariant: a VARIANT that owns its value (strings, byte arrays) and copies it deeply.
//
// Construction from a value sets the type: LONG VT_I4 (or VT_ERROR with vtSrc VT_ERROR), double
// VT_R8, float VT_R4, BYTE VT_UI1, short VT_I2 (or VT_BOOL), a text VT_BSTR (converted from the
// program's code page), COleDateTime VT_DATE, CByteArray VT_ARRAY | VT_UI1 (a one-dimensional
// SAFEARRAY of bytes). Copies and assignments copy the value (VariantCopy), never
// share it; Clear frees it and leaves VT_EMPTY. An allocation that fails throws CMemoryException*;
// a VARIANT the system cannot copy throws COleException*.
//
// Comparison: equal when the types are equal and so are the values (strings and byte arrays by
// their contents).
//
// Archive form: the type as a WORD, then the value: VT_EMPTY and VT_NULL nothing; VT_UI1 a BYTE;
// VT_I2 and VT_BOOL a WORD; VT_I4 and VT_ERROR a LONG; VT_R4 a float; VT_R8 and VT_DATE a double;
// VT_BSTR an archived string (in the program's code page); VT_ARRAY | VT_UI1 a DWORD length and the
// bytes. Storing another type, or loading an unknown type word, throws CArchiveException* (generic).
//
// Not done yet: the other VARIANT types in archives (currency, objects, other arrays).
#pragma once

#include "core/Core.h"

#include <windows.h>
#include <oleauto.h>

class COleDateTime;

// An OLE call failed: m_sc is its status code.
class COleException : public CException {
    DECLARE_DYNAMIC(COleException)
public:
    explicit COleException(SCODE sc = E_FAIL) : m_sc(sc) {}
    bool GetErrorMessage(char* lpszError, uint32_t nMaxError, uint32_t* pnHelpContext = nullptr) const override;

    SCODE m_sc;
};

// Throws a new COleException* with status sc.
[[noreturn]] void AfxThrowOleException(SCODE sc);

class COleVariant : public tagVARIANT {
public:
    // VT_EMPTY.
    COleVariant();
    // A deep copy of varSrc / pSrc (not null).
    COleVariant(const VARIANT& varSrc);
    COleVariant(const COleVariant& varSrc);
    COleVariant(const VARIANT* pSrc);
    // A text (null: the empty text) as VT_BSTR.
    COleVariant(LPCSTR lpszSrc);
    // VT_UI1.
    COleVariant(BYTE nSrc);
    // VT_I2, or VT_BOOL with vtSrc VT_BOOL (any nonzero value becomes VARIANT_TRUE).
    COleVariant(short nSrc, VARTYPE vtSrc = VT_I2);
    // VT_I4, or VT_ERROR with vtSrc VT_ERROR.
    COleVariant(LONG lSrc, VARTYPE vtSrc = VT_I4);
    COleVariant(float fltSrc);
    COleVariant(double dblSrc);
    // VT_DATE with the date's number.
    COleVariant(const COleDateTime& dateSrc);
    // VT_ARRAY | VT_UI1 with the bytes.
    COleVariant(const CByteArray& arrSrc);
    // Clear.
    ~COleVariant();

    COleVariant& operator=(const VARIANT& varSrc);
    COleVariant& operator=(const COleVariant& varSrc);

    // Frees the value; the type becomes VT_EMPTY.
    void Clear();
    // The variant's text (VT_BSTR) in the program's code page; empty for other types.
    CString GetString() const;
    // The bytes of a VT_ARRAY | VT_UI1 into rBytes (emptied for other types).
    void GetByteArray(CByteArray& rBytes) const;

    // See the top of this file.
    bool operator==(const VARIANT& var) const;
    bool operator!=(const VARIANT& var) const { return !(*this == var); }
};

CArchive& operator<<(CArchive& ar, const COleVariant& varSrc);
CArchive& operator>>(CArchive& ar, COleVariant& varSrc);
