// The process-wide font state behind CGXFont (see GXFontState.h).
#include "grid/engine/GXFontState.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// Enumeration stops after 256 blocks of 256 records.
const size_t kMaxRecords = 256 * 256;
// Face indexes 0..1022.
const size_t kMaxIndexes = GX_NO_FACE;

bool ByName(const std::unique_ptr<GXFaceRecord>& a, const std::unique_ptr<GXFaceRecord>& b)
{
    return std::strcmp(a->szName, b->szName) < 0;
}

// Copies at most nMax bytes of pszSrc (fewer when it ends before) into a record's name, cut to fit.
void CopyName(GXFaceRecord& rec, const char* pszSrc, size_t nMax)
{
    const size_t n = std::min(strnlen(pszSrc, nMax), size_t(GXFaceRecord::nNameSize - 1));
    std::memcpy(rec.szName, pszSrc, n);
    rec.szName[n] = '\0';
}

std::unique_ptr<GXFaceRecord> NewRecord(BYTE nPitchAndFamily, BYTE nCharSet, WORD wFlags)
{
    std::unique_ptr<GXFaceRecord> rec(new GXFaceRecord());
    rec->nBareLength = 0;
    rec->nPitchAndFamily = nPitchAndFamily;
    rec->nCharSet = nCharSet;
    rec->wFlags = WORD(GX_NO_FACE | wFlags);
    return rec;
}

GXFaceRecord* Search(const std::vector<std::unique_ptr<GXFaceRecord>>& records, const char* pszName)
{
    auto it = std::lower_bound(records.begin(), records.end(), pszName,
                               [](const std::unique_ptr<GXFaceRecord>& r, const char* name) {
                                   return std::strcmp(r->szName, name) < 0;
                               });
    if (it != records.end() && std::strcmp((*it)->szName, pszName) == 0)
        return it->get();
    return nullptr;
}

}  // namespace

void GXFormatFaceName(char* pszDest, size_t cbDest, const char* pszFace, const char* pszScript)
{
    if (pszDest == nullptr || cbDest == 0)
        AfxThrowInvalidArgException("GXFormatFaceName: no room for the name");
    const char* face = pszFace != nullptr ? pszFace : "";
    const char* script = pszScript != nullptr ? pszScript : "";
    std::snprintf(pszDest, cbDest, "%.*s (%.*s)", int(strnlen(face, LF_FACESIZE)), face,
                  int(strnlen(script, LF_FACESIZE)), script);
}

GXFontState::GXFontState() : m_bBuilt(false), m_bEnumEx(false), m_nDpiX(96), m_nDpiY(96)
{
    m_fontData.InitHashTable(1001, false);
}

GXFontState::~GXFontState() = default;

int CALLBACK GXFontState::EnumProc(const LOGFONTA* plf, const TEXTMETRICA*, DWORD nFontType, LPARAM lParam)
{
    // a callback of the system: nothing may unwind through it
    try {
        GXFontState* pThis = reinterpret_cast<GXFontState*>(lParam);
        const char* pszScript = "";
        if (pThis->m_bEnumEx)
            pszScript = reinterpret_cast<const char*>(reinterpret_cast<const ENUMLOGFONTEXA*>(plf)->elfScript);
        pThis->AddEnumerated(*plf, pszScript, nFontType);
        return pThis->m_faces.size() < kMaxRecords ? 1 : 0;
    } catch (CException* e) {
        e->Delete();
    } catch (...) {
    }
    return 0;
}

void GXFontState::AddEnumerated(const LOGFONTA& lf, const char* pszScript, DWORD nFontType)
{
    const size_t nFaceLength = strnlen(lf.lfFaceName, LF_FACESIZE);
    const CString face(lf.lfFaceName, int(nFaceLength));
    const WORD wType = WORD((nFontType << GXFaceRecord::flagTypeShift) & GXFaceRecord::flagTypeMask);
    if (face != m_strLastFace && m_faces.size() < kMaxRecords) {
        auto rec = NewRecord(lf.lfPitchAndFamily, lf.lfCharSet, WORD(wType | GXFaceRecord::flagBareFace));
        CopyName(*rec, face, LF_FACESIZE);
        m_faces.push_back(std::move(rec));
        m_strLastFace = face;
    }
    const size_t nScriptLength = strnlen(pszScript, LF_FACESIZE);
    if (nScriptLength == 0)
        return;
    m_scripts[lf.lfCharSet] = CString(pszScript, int(nScriptLength));
    if (m_faces.size() >= kMaxRecords)
        return;
    auto rec = NewRecord(lf.lfPitchAndFamily, lf.lfCharSet, wType);
    GXFormatFaceName(rec->szName, sizeof rec->szName, face, pszScript);
    rec->nBareLength = int(std::min(nFaceLength, size_t(GXFaceRecord::nNameSize - 1)));
    m_faces.push_back(std::move(rec));
}

void GXFontState::EnsureFaceTable()
{
    if (m_bBuilt)
        return;
    m_bBuilt = true;
    HDC hdc = CreateICA("DISPLAY", nullptr, nullptr, nullptr);
    if (hdc != nullptr) {
        LOGFONTA lf = {};
        lf.lfCharSet = DEFAULT_CHARSET;
        m_bEnumEx = true;
        EnumFontFamiliesExA(hdc, &lf, &GXFontState::EnumProc, reinterpret_cast<LPARAM>(this), 0);
        if (m_faces.empty()) {
            m_bEnumEx = false;
            m_strLastFace.Empty();
            EnumFontFamiliesA(hdc, nullptr, &GXFontState::EnumProc, reinterpret_cast<LPARAM>(this));
        }
        m_nDpiX = GetDeviceCaps(hdc, LOGPIXELSX);
        m_nDpiY = GetDeviceCaps(hdc, LOGPIXELSY);
        DeleteDC(hdc);
    }
    if (m_nDpiX <= 0)
        m_nDpiX = 96;
    if (m_nDpiY <= 0)
        m_nDpiY = 96;
    // sorted by name; a face met again later in the enumeration keeps its first record
    std::stable_sort(m_faces.begin(), m_faces.end(), ByName);
    m_faces.erase(std::unique(m_faces.begin(), m_faces.end(),
                              [](const std::unique_ptr<GXFaceRecord>& a, const std::unique_ptr<GXFaceRecord>& b) {
                                  return std::strcmp(a->szName, b->szName) == 0;
                              }),
                  m_faces.end());
    if (GXFaceRecord* pArial = Search(m_faces, "Arial"))
        AssignIndex(pArial);
}

GXFaceRecord* GXFontState::FindRecord(const char* pszName)
{
    if (GXFaceRecord* p = Search(m_faces, pszName))
        return p;
    return Search(m_extras, pszName);
}

UINT GXFontState::AssignIndex(GXFaceRecord* pRecord)
{
    if (pRecord->GetIndex() == GX_NO_FACE && m_index.size() < kMaxIndexes) {
        pRecord->wFlags = WORD((pRecord->wFlags & ~GXFaceRecord::flagIndexMask) | m_index.size());
        m_index.push_back(pRecord);
    }
    return pRecord->GetIndex();
}

UINT GXFontState::FindFaceNameIndex(const char* pszName, BYTE nPitchAndFamily, BYTE nCharSet)
{
    if (pszName == nullptr || *pszName == '\0')
        return GX_NO_FACE;
    EnsureFaceTable();
    // names are compared as a record holds them: cut to its name field
    GXFaceRecord probe;
    CopyName(probe, pszName, std::strlen(pszName));
    GXFaceRecord* pRecord = FindRecord(probe.szName);
    if (pRecord == nullptr) {
        if (m_index.size() >= kMaxIndexes)
            return GX_NO_FACE;
        auto rec = NewRecord(nPitchAndFamily, nCharSet, 0);
        std::memcpy(rec->szName, probe.szName, sizeof rec->szName);
        pRecord = rec.get();
        m_extras.insert(std::upper_bound(m_extras.begin(), m_extras.end(), rec, ByName), std::move(rec));
    }
    return AssignIndex(pRecord);
}

const GXFaceRecord* GXFontState::GetFaceRecord(UINT nIndex)
{
    EnsureFaceTable();
    return nIndex < m_index.size() ? m_index[nIndex] : nullptr;
}

CString GXFontState::GetScriptName(BYTE nCharSet)
{
    EnsureFaceTable();
    return m_scripts[nCharSet];
}

int GXFontState::GetDpiX()
{
    EnsureFaceTable();
    return m_nDpiX;
}

int GXFontState::GetDpiY()
{
    EnsureFaceTable();
    return m_nDpiY;
}

GXFontData& GXFontState::AddFontRef(const GXByte8Key& key)
{
    GXFontData* p = m_fontData.Find(key);
    if (p == nullptr) {
        GXFontData data = {};
        m_fontData.SetAt(key, data);
        p = m_fontData.Find(key);
    }
    InterlockedIncrement(&p->nRefCount);
    return *p;
}

void GXFontState::ReleaseFontRef(const GXByte8Key& key)
{
    GXFontData* p = m_fontData.Find(key);
    if (p != nullptr && InterlockedDecrement(&p->nRefCount) <= 0)
        m_fontData.RemoveKey(key);
}
