#include "core/CArchive.h"

#include "core/CException.h"
#include "core/CFile.h"

#include <cstring>
#include <new>
#include <stdexcept>

namespace {

const uint16_t kNullTag = 0x0000;
const uint16_t kNewClassTag = 0xFFFF;
const uint16_t kClassTag = 0x8000;
const uint16_t kBigObjectTag = 0x7FFF;
const uint32_t kBigClassTag = 0x80000000u;
const uint32_t kMaxMapIndex = 0x7FFFFFFEu;
const uint32_t kNoSchema = 0xFFFFFFFFu;
const int32_t kMinBufSize = 128;


} // namespace

CArchive::CArchive(CFile* pFile, uint32_t nMode, int32_t nBufSize, void* lpBuf)
    : m_pDocument(nullptr), m_pFile(pFile), m_nMode(nMode), m_nObjectSchema(kNoSchema), m_nMapCount(1),
      m_nLoadDepth(0), m_frame{nullptr, false, nullptr, nullptr}
{
    if (pFile == nullptr)
        AfxThrowInvalidArgException("CArchive: null file");
    if (nBufSize < kMinBufSize) {
        if (lpBuf != nullptr)
            AfxThrowInvalidArgFormat("CArchive: a buffer of %d bytes is below the least size %d", nBufSize,
                                     kMinBufSize);
        nBufSize = kMinBufSize;
    }
    if (lpBuf == nullptr) {
        m_ownBuffer.resize(size_t(nBufSize));
        lpBuf = m_ownBuffer.data();
    }
    m_nBufSize = uint32_t(nBufSize);
    m_lpBufStart = static_cast<uint8_t*>(lpBuf);
    m_lpBufCur = m_lpBufStart;
    // a loading archive starts with an empty buffer, a storing one with all of it free
    m_lpBufMax = IsLoading() ? m_lpBufStart : m_lpBufStart + m_nBufSize;
    m_strFileName = pFile->GetFilePath();
    m_loadArray.push_back(LoadEntry{nullptr, nullptr, 0, false, false});  // index 0: the null tag
}

CArchive::~CArchive()
{
    if (m_pFile != nullptr && !(m_nMode & bNoFlushOnDelete)) {
        try {
            Close();
        } catch (CException* e) {
            e->Delete();
        } catch (...) {
        }
    }
    Abort();
}

void CArchive::ThrowArchive(int cause) const
{
    AfxThrowArchiveException(cause, m_strFileName);
}

void CArchive::CheckMode(bool bStoring) const
{
    if (m_pFile == nullptr)
        ThrowArchive(CArchiveException::generic);
    if (bStoring && IsLoading())
        ThrowArchive(CArchiveException::readOnly);
    if (!bStoring && IsStoring())
        ThrowArchive(CArchiveException::writeOnly);
}

// ---- buffer ----

void CArchive::FillBuffer(uint32_t nNeeded)
{
    // keep what is unread at the start, then read from the file to fill the rest
    const size_t left = size_t(m_lpBufMax - m_lpBufCur);
    if (left != 0 && m_lpBufCur != m_lpBufStart)
        std::memmove(m_lpBufStart, m_lpBufCur, left);
    m_lpBufCur = m_lpBufStart;
    m_lpBufMax = m_lpBufStart + left;
    while (uint32_t(m_lpBufMax - m_lpBufStart) < nNeeded) {
        const uint32_t room = m_nBufSize - uint32_t(m_lpBufMax - m_lpBufStart);
        const uint32_t n = m_pFile->Read(m_lpBufMax, room);
        if (n == 0)
            break;
        m_lpBufMax += n;
    }
}

uint32_t CArchive::Read(void* lpBuf, uint32_t nMax)
{
    CheckMode(false);
    if (nMax == 0)
        return 0;
    if (lpBuf == nullptr)
        AfxThrowInvalidArgException("CArchive::Read: null buffer");
    uint8_t* out = static_cast<uint8_t*>(lpBuf);
    uint32_t done = 0;
    // first what is buffered
    uint32_t n = uint32_t(m_lpBufMax - m_lpBufCur);
    if (n > nMax)
        n = nMax;
    std::memcpy(out, m_lpBufCur, n);
    m_lpBufCur += n;
    done += n;
    // large remainders straight from the file, small ones through the buffer
    while (done < nMax) {
        const uint32_t want = nMax - done;
        if (want >= m_nBufSize) {
            const uint32_t got = m_pFile->Read(out + done, want - want % m_nBufSize);
            if (got == 0)
                break;
            done += got;
            continue;
        }
        FillBuffer(want);
        uint32_t have = uint32_t(m_lpBufMax - m_lpBufCur);
        if (have == 0)
            break;
        if (have > want)
            have = want;
        std::memcpy(out + done, m_lpBufCur, have);
        m_lpBufCur += have;
        done += have;
    }
    return done;
}

void CArchive::ReadExact(void* lpBuf, uint32_t nCount)
{
    if (Read(lpBuf, nCount) != nCount)
        ThrowArchive(CArchiveException::endOfFile);
}

void CArchive::Write(const void* lpBuf, uint32_t nMax)
{
    CheckMode(true);
    if (nMax == 0)
        return;
    if (lpBuf == nullptr)
        AfxThrowInvalidArgException("CArchive::Write: null buffer");
    const uint8_t* in = static_cast<const uint8_t*>(lpBuf);
    uint32_t room = uint32_t(m_lpBufMax - m_lpBufCur);
    if (nMax <= room) {
        std::memcpy(m_lpBufCur, in, nMax);
        m_lpBufCur += nMax;
        return;
    }
    // fill the buffer, write it out, then write large remainders directly
    std::memcpy(m_lpBufCur, in, room);
    m_lpBufCur += room;
    in += room;
    nMax -= room;
    Flush();
    if (nMax >= m_nBufSize) {
        const uint32_t direct = nMax - nMax % m_nBufSize;
        m_pFile->Write(in, direct);
        in += direct;
        nMax -= direct;
    }
    std::memcpy(m_lpBufCur, in, nMax);
    m_lpBufCur += nMax;
}

void CArchive::Flush()
{
    if (m_pFile == nullptr)
        return;
    if (IsLoading()) {
        const int64_t unread = int64_t(m_lpBufMax - m_lpBufCur);
        if (unread != 0)
            m_pFile->Seek(-unread, CFile::current);
        m_lpBufCur = m_lpBufMax = m_lpBufStart;
    } else {
        const uint32_t n = uint32_t(m_lpBufCur - m_lpBufStart);
        m_lpBufCur = m_lpBufStart;  // reset first: a failed write must not be written again
        if (n != 0)
            m_pFile->Write(m_lpBufStart, n);
    }
}

void CArchive::Close()
{
    if (m_pFile == nullptr)
        return;
    Flush();
    m_pFile = nullptr;
}

void CArchive::Abort()
{
    m_pFile = nullptr;
    m_lpBufCur = m_lpBufStart;
    m_lpBufMax = IsLoading() ? m_lpBufStart : m_lpBufStart + m_nBufSize;
}

uint64_t CArchive::GetBytesLeft() const
{
    CheckMode(false);
    const uint64_t length = m_pFile->GetLength();
    const uint64_t position = m_pFile->GetPosition();
    const uint64_t inFile = length > position ? length - position : 0;
    return inFile + uint64_t(m_lpBufMax - m_lpBufCur);
}

void CArchive::CheckAvailable(uint64_t nBytes) const
{
    if (uint64_t(m_lpBufMax - m_lpBufCur) >= nBytes)
        return;
    if (GetBytesLeft() < nBytes)
        ThrowArchive(CArchiveException::endOfFile);
}

// ---- fixed-width values ----

namespace {

template <size_t N>
void PutLE(uint8_t (&b)[N], uint64_t v)
{
    for (size_t i = 0; i < N; ++i)
        b[i] = uint8_t(v >> (8 * i));
}

template <size_t N>
uint64_t GetLE(const uint8_t (&b)[N])
{
    uint64_t v = 0;
    for (size_t i = 0; i < N; ++i)
        v |= uint64_t(b[i]) << (8 * i);
    return v;
}

} // namespace

CArchive& CArchive::operator<<(uint8_t by)
{
    Write(&by, 1);
    return *this;
}

CArchive& CArchive::operator<<(uint16_t w)
{
    uint8_t b[2];
    PutLE(b, w);
    Write(b, 2);
    return *this;
}

CArchive& CArchive::operator<<(int32_t l)
{
    return *this << uint32_t(l);
}

CArchive& CArchive::operator<<(uint32_t dw)
{
    uint8_t b[4];
    PutLE(b, dw);
    Write(b, 4);
    return *this;
}

CArchive& CArchive::operator<<(float f)
{
    uint32_t bits;
    std::memcpy(&bits, &f, 4);
    return *this << bits;
}

CArchive& CArchive::operator<<(double d)
{
    uint64_t bits;
    std::memcpy(&bits, &d, 8);
    uint8_t b[8];
    PutLE(b, bits);
    Write(b, 8);
    return *this;
}

CArchive& CArchive::operator>>(uint8_t& by)
{
    CheckMode(false);
    ReadExact(&by, 1);
    return *this;
}

CArchive& CArchive::operator>>(uint16_t& w)
{
    CheckMode(false);
    uint8_t b[2];
    ReadExact(b, 2);
    w = uint16_t(GetLE(b));
    return *this;
}

CArchive& CArchive::operator>>(int32_t& l)
{
    uint32_t v;
    *this >> v;
    l = int32_t(v);
    return *this;
}

CArchive& CArchive::operator>>(uint32_t& dw)
{
    CheckMode(false);
    uint8_t b[4];
    ReadExact(b, 4);
    dw = uint32_t(GetLE(b));
    return *this;
}

CArchive& CArchive::operator>>(float& f)
{
    uint32_t bits;
    *this >> bits;
    std::memcpy(&f, &bits, 4);
    return *this;
}

CArchive& CArchive::operator>>(double& d)
{
    CheckMode(false);
    uint8_t b[8];
    ReadExact(b, 8);
    const uint64_t bits = GetLE(b);
    std::memcpy(&d, &bits, 8);
    return *this;
}

// ---- strings and counts ----

CArchive& operator<<(CArchive& ar, const CString& str)
{
    const uint32_t len = uint32_t(str.GetLength());
    if (len < 0xFF) {
        ar << uint8_t(len);
    } else if (len < 0xFFFF) {
        ar << uint8_t(0xFF) << uint16_t(len);
    } else {
        ar << uint8_t(0xFF) << uint16_t(0xFFFF) << len;
    }
    ar.Write(str.GetString(), len);
    return ar;
}

CArchive& operator>>(CArchive& ar, CString& str)
{
    uint8_t b;
    ar >> b;
    uint32_t len = b;
    if (b == 0xFF) {
        uint16_t w;
        ar >> w;
        len = w;
        if (w == 0xFFFF)
            ar >> len;
    }
    ar.CheckAvailable(len);
    if (len > 0x7FFFFFFEu)
        AfxThrowMemoryException();  // cannot be held by a CString
    CString text;
    ar.ReadExact(text.GetBufferSetLength(int(len)), len);
    str = std::move(text);
    return ar;
}

void CArchive::WriteCount(uint32_t dwCount)
{
    if (dwCount < 0xFFFF) {
        *this << uint16_t(dwCount);
    } else {
        *this << uint16_t(0xFFFF) << dwCount;
    }
}

uint32_t CArchive::ReadCount()
{
    uint16_t w;
    *this >> w;
    if (w != 0xFFFF)
        return w;
    uint32_t dw;
    *this >> dw;
    return dw;
}

void CArchive::WriteString(const char* lpsz)
{
    if (lpsz != nullptr)
        Write(lpsz, uint32_t(std::strlen(lpsz)));
}

bool CArchive::ReadString(CString& rString)
{
    CheckMode(false);
    std::string line;
    bool any = false;
    bool sawLf = false;
    for (;;) {
        if (m_lpBufCur == m_lpBufMax) {
            FillBuffer(1);
            if (m_lpBufCur == m_lpBufMax)
                break;
        }
        any = true;
        const uint8_t* start = m_lpBufCur;
        const void* lf = std::memchr(start, '\n', size_t(m_lpBufMax - start));
        if (lf != nullptr) {
            line.append(reinterpret_cast<const char*>(start), size_t(static_cast<const uint8_t*>(lf) - start));
            m_lpBufCur = static_cast<uint8_t*>(const_cast<void*>(lf)) + 1;
            sawLf = true;
            break;
        }
        line.append(reinterpret_cast<const char*>(start), size_t(m_lpBufMax - start));
        m_lpBufCur = m_lpBufMax;
    }
    if (sawLf && !line.empty() && line.back() == '\r')
        line.pop_back();
    rString = CString(line.data(), int(line.size()));
    return any;
}

// ---- objects and classes ----

uint32_t CArchive::NextMapIndex()
{
    if (m_nMapCount > kMaxMapIndex)
        ThrowArchive(CArchiveException::badIndex);
    return m_nMapCount++;
}

void CArchive::WriteTag(uint32_t nIndex, bool bClass)
{
    if (nIndex < kBigObjectTag) {
        *this << uint16_t(bClass ? (kClassTag | nIndex) : nIndex);
    } else {
        *this << kBigObjectTag << (bClass ? (kBigClassTag | nIndex) : nIndex);
    }
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef)
{
    CheckMode(true);
    if (pClassRef == nullptr)
        AfxThrowInvalidArgException("CArchive::WriteClass: null class");
    if (pClassRef->m_wSchema == AFX_NO_SCHEMA)
        ThrowArchive(CArchiveException::badClass);
    const auto it = m_storeMap.find(pClassRef);
    if (it != m_storeMap.end()) {
        WriteTag(it->second, true);
        return;
    }
    const uint32_t index = NextMapIndex();
    AfxAllocating([&] { m_storeMap.emplace(pClassRef, index); });
    const size_t len = std::strlen(pClassRef->m_lpszClassName);
    *this << kNewClassTag << uint16_t(pClassRef->m_wSchema) << uint16_t(len);
    Write(pClassRef->m_lpszClassName, uint32_t(len));
}

void CArchive::WriteObject(const CObject* pOb)
{
    CheckMode(true);
    if (pOb == nullptr) {
        *this << kNullTag;
        return;
    }
    const auto it = m_storeMap.find(pOb);
    if (it != m_storeMap.end()) {
        WriteTag(it->second, false);
        return;
    }
    WriteClass(pOb->GetRuntimeClass());
    const uint32_t index = NextMapIndex();
    AfxAllocating([&] { m_storeMap.emplace(pOb, index); });
    const_cast<CObject*>(pOb)->Serialize(*this);
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, uint32_t* pSchema, uint32_t* pObTag)
{
    CheckMode(false);
    uint16_t wTag;
    *this >> wTag;
    uint32_t obTag;
    if (wTag == kBigObjectTag)
        *this >> obTag;
    else
        obTag = ((uint32_t(wTag) & kClassTag) << 16) | (wTag & 0x7FFFu);

    CRuntimeClass* pClass;
    uint32_t nSchema;
    if (wTag == kNewClassTag) {
        uint16_t wSchema, nLen;
        *this >> wSchema >> nLen;
        CheckAvailable(nLen);
        std::string name(nLen, '\0');
        ReadExact(&name[0], nLen);
        pClass = name.find('\0') == std::string::npos ? CRuntimeClass::FromName(name.c_str()) : nullptr;
        if (pClass == nullptr || pClass->m_wSchema == AFX_NO_SCHEMA)
            ThrowArchive(CArchiveException::badClass);
        nSchema = wSchema;
        if (!pClass->IsVersionable() && nSchema != pClass->GetSchema())
            ThrowArchive(CArchiveException::badSchema);
        AfxAllocating([&] { m_loadArray.push_back(LoadEntry{pClass, nullptr, nSchema, true, true}); });
        NextMapIndex();
    } else if (obTag & kBigClassTag) {
        const uint32_t index = obTag & ~kBigClassTag;
        if (index == 0 || index >= m_loadArray.size() || !m_loadArray[index].bIsClass)
            ThrowArchive(CArchiveException::badIndex);
        pClass = m_loadArray[index].pClass;
        nSchema = m_loadArray[index].nSchema;
    } else {
        // a null tag or an object reference, not a class
        if (pObTag == nullptr)
            ThrowArchive(CArchiveException::badIndex);
        *pObTag = obTag;
        return nullptr;
    }
    if (pClassRefRequested != nullptr && !pClass->IsDerivedFrom(pClassRefRequested))
        ThrowArchive(CArchiveException::badClass);
    if (pSchema != nullptr)
        *pSchema = nSchema;
    else
        m_nObjectSchema = nSchema;
    if (pObTag != nullptr)
        *pObTag = obTag;
    return pClass;
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    return ReadObject(pClassRefRequested, nullptr);
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested, bool (*pfnIsKind)(const CObject* pOb))
{
    return ReadObjectImpl(pClassRefRequested, pfnIsKind, false);
}

CObject* CArchive::ReadOwnedObject(const CRuntimeClass* pClassRefRequested)
{
    return ReadObjectImpl(pClassRefRequested, nullptr, true);
}

CObject* CArchive::ReadOwnedObject(const CRuntimeClass* pClassRefRequested,
                                   const std::function<void(CObject& ob)>& load)
{
    return ReadObjectImpl(pClassRefRequested, nullptr, true, &load);
}

CObject* CArchive::ReadObjectImpl(const CRuntimeClass* pClassRefRequested, bool (*pfnIsKind)(const CObject* pOb),
                                  bool bNewOnly, const std::function<void(CObject& ob)>* pLoad)
{
    CheckMode(false);
    uint32_t nSchema = kNoSchema;
    uint32_t obTag = 0;
    CRuntimeClass* pClass = ReadClass(pClassRefRequested, &nSchema, &obTag);
    if (pClass == nullptr) {
        if (obTag == 0)
            return nullptr;
        if (bNewOnly || obTag >= m_loadArray.size() || m_loadArray[obTag].bIsClass || !m_loadArray[obTag].bValid)
            ThrowArchive(CArchiveException::badIndex);
        CObject* pOb = m_loadArray[obTag].pObject;
        if ((pClassRefRequested != nullptr && !pOb->IsKindOf(pClassRefRequested)) ||
            (pfnIsKind != nullptr && !pfnIsKind(pOb)))
            ThrowArchive(CArchiveException::badClass);
        return pOb;
    }
    if (!pClass->IsCreatable())
        ThrowArchive(CArchiveException::badClass);
    if (m_nLoadDepth >= kMaxLoadDepth)
        ThrowArchive(CArchiveException::generic);
    // a new element of the collection being read goes to its list once read (never an owned read's)
    std::vector<CObject*>* const pCollected = bNewOnly ? nullptr : m_frame.pNewObjects;
    // a collection keeps the new objects it reads unless a program's plain read receives it
    const bool bKeepsElements = bNewOnly || m_frame.bElements;
    AfxAllocating([&] {
        if (m_loadArray.size() == m_loadArray.capacity())  // so that recording the object cannot fail
            m_loadArray.reserve(m_loadArray.size() * 2 + 16);
        if (pCollected != nullptr && pCollected->size() == pCollected->capacity())  // nor handing it over
            pCollected->reserve(pCollected->size() * 2 + 16);
    });
    CObject* pOb = pClass->CreateObject();
    if (pOb == nullptr)
        AfxThrowMemoryException();
    if (pfnIsKind != nullptr && !pfnIsKind(pOb)) {
        delete pOb;
        ThrowArchive(CArchiveException::badClass);
    }
    uint32_t index = 0;
    try {
        index = NextMapIndex();
    } catch (...) {
        delete pOb;
        throw;
    }
    m_loadArray.push_back(LoadEntry{nullptr, pOb, 0, false, true});
    const uint32_t saved = m_nObjectSchema;
    const LoadFrame outer = m_frame;
    m_nObjectSchema = nSchema;
    m_frame = LoadFrame{pOb, false, nullptr, nullptr};
    ++m_nLoadDepth;
    try {
        if (pLoad != nullptr)
            (*pLoad)(*pOb);
        else
            pOb->Serialize(*this);
    } catch (...) {
        --m_nLoadDepth;
        m_frame = outer;
        m_nObjectSchema = saved;
        // the partly read object is not handed out, nor is anything read for it (freed with it, or
        // by now without an owner): their indexes die, then the object is freed
        for (size_t i = index; i < m_loadArray.size(); ++i) {
            if (!m_loadArray[i].bIsClass) {
                m_loadArray[i].bValid = false;
                m_loadArray[i].pObject = nullptr;
            }
        }
        delete pOb;
        throw;
    }
    if (!bKeepsElements && m_frame.pKeptObjects != nullptr)
        m_frame.pKeptObjects->clear();  // the plain reader gets the elements, as such a caller always did
    --m_nLoadDepth;
    m_frame = outer;
    m_nObjectSchema = saved;
    if (pCollected != nullptr)
        pCollected->push_back(pOb);  // room was made before the object
    return pOb;
}

void CArchive::LoadCollectionElements(const CObject* pCollection, std::vector<CObject*>& rNewObjects,
                                      const std::function<void()>& load)
{
    const LoadFrame outer = m_frame;
    m_frame.bElements = true;
    if (pCollection != nullptr && pCollection == m_frame.pObject) {
        m_frame.pNewObjects = &rNewObjects;
        m_frame.pKeptObjects = &rNewObjects;
    } else {
        m_frame.pNewObjects = nullptr;  // a program's member: the elements are the program's
    }
    try {
        load();
    } catch (...) {
        m_frame.bElements = outer.bElements;
        m_frame.pNewObjects = outer.pNewObjects;
        throw;
    }
    // (the list stays known until the object ends, which decides who keeps the elements)
    m_frame.bElements = outer.bElements;
    m_frame.pNewObjects = outer.pNewObjects;
}

uint32_t CArchive::GetObjectSchema()
{
    const uint32_t n = m_nObjectSchema;
    m_nObjectSchema = kNoSchema;
    return n;
}

CArchive& operator>>(CArchive& ar, CObject*& pOb)
{
    pOb = ar.ReadObject(nullptr);
    return ar;
}

CArchive& operator>>(CArchive& ar, const CObject*& pOb)
{
    pOb = ar.ReadObject(nullptr);
    return ar;
}
