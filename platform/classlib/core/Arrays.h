// The typed arrays of the class library. All are CArray (see CArray.h) with their own run-time class.
//
// Serialisable (count, then elements): CObArray (object references), CByteArray, CWordArray,
// CDWordArray (1, 2 and 4 bytes per element) and CStringArray (length-prefixed strings).
// CPtrArray and CUIntArray write and read nothing (their Serialize is CObject's), as pointers and
// host integers have no stored form. No array owns the objects its pointers point to, except that a
// CObArray which the archive made for an owner frees the new objects its loading read (see
// CArchive.h).
#pragma once

#include "core/CArray.h"

class CObArray : public CArray<CObject*, CObject*> {
    DECLARE_SERIAL(CObArray)
public:
    void Serialize(CArchive& ar) override;

private:
    CArchivedObjects m_archived;
};

class CPtrArray : public CArray<void*, void*> {
    DECLARE_DYNAMIC(CPtrArray)
public:
    // Writes and reads nothing.
    void Serialize(CArchive& ar) override;
};

class CByteArray : public CArray<uint8_t, uint8_t> {
    DECLARE_SERIAL(CByteArray)
};

class CWordArray : public CArray<uint16_t, uint16_t> {
    DECLARE_SERIAL(CWordArray)
};

class CDWordArray : public CArray<uint32_t, uint32_t> {
    DECLARE_SERIAL(CDWordArray)
};

class CUIntArray : public CArray<uint32_t, uint32_t> {
    DECLARE_DYNAMIC(CUIntArray)
public:
    // Writes and reads nothing.
    void Serialize(CArchive& ar) override;
};

class CStringArray : public CArray<CString, const CString&> {
    DECLARE_SERIAL(CStringArray)
};
