// The typed maps of the class library. All are CMap (see CMap.h: 17 buckets by default, bucket order)
// with their own run-time class.
//
// Serialisable (count, then key and value per entry): CMapStringToString, CMapStringToOb (object
// references) and CMapWordToOb (WORD keys). The maps with pointer values or keys write and read
// nothing (their Serialize is CObject's). No map owns the objects its pointers point to, except that a
// CMapStringToOb or CMapWordToOb which the archive made for an owner frees the new objects its loading
// read (see CArchive.h), a value replaced by a later one of the same key included.
#pragma once

#include "core/CMap.h"

class CMapStringToPtr : public CMap<CString, const char*, void*, void*> {
    DECLARE_DYNAMIC(CMapStringToPtr)
public:
    explicit CMapStringToPtr(int32_t nBlockSize = 10) : CMap(nBlockSize) {}
    // Writes and reads nothing.
    void Serialize(CArchive& ar) override;
};

class CMapStringToString : public CMap<CString, const char*, CString, const char*> {
    DECLARE_SERIAL(CMapStringToString)
public:
    explicit CMapStringToString(int32_t nBlockSize = 10) : CMap(nBlockSize) {}
};

class CMapStringToOb : public CMap<CString, const char*, CObject*, CObject*> {
    DECLARE_SERIAL(CMapStringToOb)
public:
    explicit CMapStringToOb(int32_t nBlockSize = 10) : CMap(nBlockSize) {}
    void Serialize(CArchive& ar) override;

private:
    CArchivedObjects m_archived;
};

class CMapWordToOb : public CMap<uint16_t, uint16_t, CObject*, CObject*> {
    DECLARE_SERIAL(CMapWordToOb)
public:
    explicit CMapWordToOb(int32_t nBlockSize = 10) : CMap(nBlockSize) {}
    void Serialize(CArchive& ar) override;

private:
    CArchivedObjects m_archived;
};

class CMapWordToPtr : public CMap<uint16_t, uint16_t, void*, void*> {
    DECLARE_DYNAMIC(CMapWordToPtr)
public:
    explicit CMapWordToPtr(int32_t nBlockSize = 10) : CMap(nBlockSize) {}
    // Writes and reads nothing.
    void Serialize(CArchive& ar) override;
};

class CMapPtrToPtr : public CMap<void*, void*, void*, void*> {
    DECLARE_DYNAMIC(CMapPtrToPtr)
public:
    explicit CMapPtrToPtr(int32_t nBlockSize = 10) : CMap(nBlockSize) {}
    // Writes and reads nothing.
    void Serialize(CArchive& ar) override;
};

class CMapPtrToWord : public CMap<void*, void*, uint16_t, uint16_t> {
    DECLARE_DYNAMIC(CMapPtrToWord)
public:
    explicit CMapPtrToWord(int32_t nBlockSize = 10) : CMap(nBlockSize) {}
    // Writes and reads nothing.
    void Serialize(CArchive& ar) override;
};
