// The typed lists of the class library. All are CList (see CList.h) with their own run-time class.
//
// Serialisable (count, then elements): CObList (object references) and CStringList (length-prefixed
// strings). CPtrList writes and reads nothing (its Serialize is CObject's). No list owns the objects
// its pointers point to, except that a CObList which the archive made for an owner frees the new
// objects its loading read (see CArchive.h).
#pragma once

#include "core/CList.h"

class CObList : public CList<CObject*, CObject*> {
    DECLARE_SERIAL(CObList)
public:
    explicit CObList(int32_t nBlockSize = 10) : CList(nBlockSize) {}
    void Serialize(CArchive& ar) override;

private:
    CArchivedObjects m_archived;
};

class CPtrList : public CList<void*, void*> {
    DECLARE_DYNAMIC(CPtrList)
public:
    explicit CPtrList(int32_t nBlockSize = 10) : CList(nBlockSize) {}
    // Writes and reads nothing.
    void Serialize(CArchive& ar) override;
};

class CStringList : public CList<CString, const CString&> {
    DECLARE_SERIAL(CStringList)
public:
    explicit CStringList(int32_t nBlockSize = 10) : CList(nBlockSize) {}
};
