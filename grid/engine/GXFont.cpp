// CGXFont: packed font description and interned font data (see GXFont.h).
#include "grid/engine/GXFont.h"

#include "grid/engine/GXModules.h"

#include "grid/engine/GXState.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

IMPLEMENT_SERIAL(CGXFont, CObject, 0)

namespace {

const uint64_t kRef = 1;

// One attribute of the description: the bits it owns, their value when unset, and (for the three
// flags) the include bit that tells whether it is set.
struct Attr {
    uint64_t mask;
    uint64_t unset;
    uint64_t include;  // 0: set when the bits differ from unset
};

const uint64_t kItalicIncl = uint64_t(1) << 1, kUnderlineIncl = uint64_t(1) << 2, kStrikeIncl = uint64_t(1) << 3;
const uint64_t kItalicVal = uint64_t(1) << 18, kUnderlineVal = uint64_t(1) << 19, kStrikeVal = uint64_t(1) << 20;
const int kWeightShift = 4, kSizeShift = 8, kOrientShift = 21, kFaceShift = 32;
const uint64_t kWeightMask = uint64_t(0xF) << kWeightShift;
const uint64_t kSizeMask = uint64_t(0x3FF) << kSizeShift;
const uint64_t kOrientMask = uint64_t(0x1FF) << kOrientShift;
const uint64_t kFaceMask = uint64_t(0x3FF) << kFaceShift;

const Attr kAttrs[] = {
    {kWeightMask, uint64_t(15) << kWeightShift, 0},
    {kItalicIncl | kItalicVal, 0, kItalicIncl},
    {kUnderlineIncl | kUnderlineVal, 0, kUnderlineIncl},
    {kStrikeIncl | kStrikeVal, 0, kStrikeIncl},
    {kSizeMask, 0, 0},
    {kOrientMask, uint64_t(511) << kOrientShift, 0},
    {kFaceMask, uint64_t(GX_NO_FACE) << kFaceShift, 0},
};

const uint64_t kDefaultDesc = (uint64_t(15) << kWeightShift) | (uint64_t(511) << kOrientShift) |
                              (uint64_t(GX_NO_FACE) << kFaceShift);

bool IsSet(uint64_t desc, const Attr& a)
{
    return a.include != 0 ? (desc & a.include) != 0 : (desc & a.mask) != a.unset;
}

uint64_t Take(uint64_t desc, uint64_t from, const Attr& a)
{
    return (desc & ~a.mask) | (from & a.mask);
}

uint64_t Unset(uint64_t desc, const Attr& a)
{
    return (desc & ~a.mask) | a.unset;
}

GXByte8Key KeyOf(uint64_t desc)
{
    const uint64_t key = desc >> 1;
    return GXByte8Key{DWORD(key & 0xFFFFFFFFu), DWORD(key >> 32)};
}

GXFontState& FontState()
{
    return GXGetLibraryState()->m_fontState;
}

UINT Field(uint64_t desc, uint64_t mask, int shift)
{
    return UINT((desc & mask) >> shift);
}

uint64_t WithField(uint64_t desc, uint64_t mask, int shift, uint64_t value)
{
    return (desc & ~mask) | ((value << shift) & mask);
}

UINT WrapTenthsToDegrees(LONG nTenths)
{
    LONG t = nTenths % 3600;
    if (t < 0)
        t += 3600;
    return UINT(t / 10);
}

}  // namespace

CGXFont::CGXFont() : m_nDesc(kDefaultDesc) {}

CGXFont::CGXFont(const CGXFont& src) : CObject(src), m_nDesc(src.m_nDesc)
{
    if (m_nDesc & kRef)
        FontState().AddFontRef(KeyOf(m_nDesc));
}

CGXFont& CGXFont::operator=(const CGXFont& src)
{
    return ChangeFont(src, 2);
}

CGXFont::~CGXFont()
{
    ReleaseFontData();
}

void CGXFont::Serialize(CArchive& ar)
{
    GridLibraryState* pState = GridLibraryState::GetIfAlive();
    if (pState != nullptr && pState->m_pStyleSerializeImp != nullptr)
        pState->m_pStyleSerializeImp->SerializeFont(*this, ar);
}

void CGXFont::ReleaseFontData() const
{
    if ((m_nDesc & kRef) == 0)
        return;
    m_nDesc &= ~kRef;
    // a font destroyed after the state (at exit) has nothing left to release
    if (GridLibraryState* pState = GridLibraryState::GetIfAlive())
        pState->m_fontState.ReleaseFontRef(KeyOf(m_nDesc));
}

void CGXFont::SetDesc(uint64_t nDesc)
{
    nDesc &= ~kRef;
    if (nDesc == (m_nDesc & ~kRef))
        return;
    ReleaseFontData();
    m_nDesc = nDesc;
}

CGXFont& CGXFont::SetWeight(LONG nWeight)
{
    if (nWeight < 0 || nWeight > 1499)
        AfxThrowInvalidArgFormat("CGXFont::SetWeight: weight %ld outside 0..1499", nWeight);
    SetDesc(WithField(m_nDesc, kWeightMask, kWeightShift, uint64_t(nWeight / 100)));
    return *this;
}

CGXFont& CGXFont::SetItalic(BOOL b)
{
    SetDesc((m_nDesc & ~kItalicVal) | kItalicIncl | (b ? kItalicVal : 0));
    return *this;
}

CGXFont& CGXFont::SetUnderline(BOOL b)
{
    SetDesc((m_nDesc & ~kUnderlineVal) | kUnderlineIncl | (b ? kUnderlineVal : 0));
    return *this;
}

CGXFont& CGXFont::SetStrikeOut(BOOL b)
{
    SetDesc((m_nDesc & ~kStrikeVal) | kStrikeIncl | (b ? kStrikeVal : 0));
    return *this;
}

CGXFont& CGXFont::SetSize(double dPoints)
{
    if (!(dPoints >= 0))
        AfxThrowInvalidArgFormat("CGXFont::SetSize: size %g is not a size in points", dPoints);
    const double dQuarters = dPoints * 4 + 0.5;
    const uint64_t nQuarters = dQuarters >= 1023 ? 1023 : uint64_t(dQuarters);
    SetDesc(WithField(m_nDesc, kSizeMask, kSizeShift, nQuarters));
    return *this;
}

CGXFont& CGXFont::SetOrientation(LONG nTenths)
{
    SetDesc(WithField(m_nDesc, kOrientMask, kOrientShift, WrapTenthsToDegrees(nTenths)));
    return *this;
}

CGXFont& CGXFont::SetFaceNameIndex(UINT nIndex)
{
    if (nIndex > GX_NO_FACE)
        AfxThrowInvalidArgFormat("CGXFont::SetFaceNameIndex: face index %u outside 0..1023", nIndex);
    SetDesc(WithField(m_nDesc, kFaceMask, kFaceShift, nIndex));
    return *this;
}

CGXFont& CGXFont::SetFaceName(const char* pszName)
{
    return SetFaceNameIndex(FontState().FindFaceNameIndex(pszName, 0, DEFAULT_CHARSET));
}

CGXFont& CGXFont::SetLogFont(const LOGFONTA& lf)
{
    ReleaseFontData();
    GXFontState& fs = FontState();
    uint64_t desc = m_nDesc;

    // the face field of a LOGFONT need not be terminated
    const CString face(lf.lfFaceName, int(strnlen(lf.lfFaceName, LF_FACESIZE)));
    char szName[GXFaceRecord::nNameSize];
    const CString script = lf.lfCharSet > 1 ? fs.GetScriptName(lf.lfCharSet) : CString();
    if (!script.IsEmpty())
        GXFormatFaceName(szName, sizeof szName, face, script);
    else
        lstrcpynA(szName, face, sizeof szName);
    desc = WithField(desc, kFaceMask, kFaceShift, fs.FindFaceNameIndex(szName, lf.lfPitchAndFamily, lf.lfCharSet));

    if (lf.lfHeight != 0) {
        const int nHeight = lf.lfHeight < 0 ? (lf.lfHeight == LONG(0x80000000) ? 0x7FFFFFFF : -lf.lfHeight) : lf.lfHeight;
        int nQuarters = MulDiv(nHeight, 288, fs.GetDpiY());
        if (nQuarters < 0 || nQuarters > 1023)
            nQuarters = 1023;
        desc = WithField(desc, kSizeMask, kSizeShift, uint64_t(nQuarters));
    }
    const LONG nWeight = lf.lfWeight < 0 ? 0 : (lf.lfWeight > 1400 ? 1400 : lf.lfWeight);
    desc = WithField(desc, kWeightMask, kWeightShift, uint64_t(nWeight / 100));
    desc = WithField(desc, kOrientMask, kOrientShift, WrapTenthsToDegrees(lf.lfOrientation));
    desc |= kItalicIncl | kUnderlineIncl | kStrikeIncl;
    desc &= ~(kItalicVal | kUnderlineVal | kStrikeVal);
    desc |= (lf.lfItalic ? kItalicVal : 0) | (lf.lfUnderline ? kUnderlineVal : 0) | (lf.lfStrikeOut ? kStrikeVal : 0);
    m_nDesc = desc & ~kRef;
    return *this;
}

CGXFont& CGXFont::SetDefault()
{
    ReleaseFontData();
    LOGFONTA lf = {};
    lstrcpynA(lf.lfFaceName, "Arial", LF_FACESIZE);
    lf.lfPitchAndFamily = 34;
    if (GetSystemMetrics(SM_DBCSENABLED)) {
        HGDIOBJ hFont = GetStockObject(DEFAULT_GUI_FONT);
        if (hFont == nullptr)
            hFont = GetStockObject(SYSTEM_FONT);
        LOGFONTA stock = {};
        if (hFont != nullptr && GetObjectA(hFont, sizeof stock, &stock) != 0)
            lf = stock;
    }
    lf.lfHeight = -11;
    lf.lfWeight = 400;
    lf.lfItalic = 0;
    lf.lfUnderline = 0;
    return SetLogFont(lf);
}

void CGXFont::BuildLogFont(LOGFONTA& lf) const
{
    std::memset(&lf, 0, sizeof lf);
    const uint64_t d = m_nDesc;
    if (d & kItalicIncl)
        lf.lfItalic = (d & kItalicVal) ? 1 : 0;
    if (d & kUnderlineIncl)
        lf.lfUnderline = (d & kUnderlineVal) ? 1 : 0;
    if (d & kStrikeIncl)
        lf.lfStrikeOut = (d & kStrikeVal) ? 1 : 0;
    GXFontState& fs = FontState();
    if (GetIncludeSize())
        lf.lfHeight = -MulDiv(int(GetSize()), fs.GetDpiY(), 288);
    if (GetIncludeWeight())
        lf.lfWeight = WeightToFontWeight();
    if (GetIncludeOrientation())
        lf.lfEscapement = lf.lfOrientation = OrientationToTenths();
    if (GetIncludeFaceName()) {
        if (const GXFaceRecord* pRecord = fs.GetFaceRecord(GetFaceNameIndex())) {
            size_t n = pRecord->nBareLength != 0 ? size_t(pRecord->nBareLength) : std::strlen(pRecord->szName);
            if (n > LF_FACESIZE - 1)
                n = LF_FACESIZE - 1;
            std::memcpy(lf.lfFaceName, pRecord->szName, n);
            lf.lfFaceName[n] = '\0';
            lf.lfPitchAndFamily = BYTE(pRecord->nPitchAndFamily | (lf.lfOrientation > 0 ? 4 : 0));
            lf.lfCharSet = pRecord->nCharSet;
        }
    }
}

const LOGFONTA& CGXFont::GetLogFontRef() const
{
    GXFontState& fs = FontState();
    const GXByte8Key key = KeyOf(m_nDesc);
    GXFontData* pData = (m_nDesc & kRef) ? fs.FindFontData(key) : nullptr;
    if (pData == nullptr) {
        pData = &fs.AddFontRef(key);
        m_nDesc |= kRef;
    }
    if (!pData->bBuilt) {
        BuildLogFont(pData->lf);
        pData->bBuilt = TRUE;
    }
    return pData->lf;
}

void CGXFont::GetZoomedLogFont(LOGFONTA& lf, int nZoom) const
{
    lf = GetLogFontRef();
    lf.lfHeight = LONG(int64_t(lf.lfHeight) * nZoom / 100);
}

CGXFont& CGXFont::ChangeFont(const CGXFont& other, int nMode)
{
    if (nMode < 0 || nMode > 3)
        AfxThrowInvalidArgFormat("CGXFont::ChangeFont: mode %d outside 0..3", nMode);
    if (&other == this)
        return *this;
    if (nMode == 2) {
        ReleaseFontData();
        m_nDesc = other.m_nDesc;
        if (m_nDesc & kRef)
            FontState().AddFontRef(KeyOf(m_nDesc));
        return *this;
    }
    uint64_t desc = m_nDesc;
    for (const Attr& a : kAttrs) {
        if (!IsSet(other.m_nDesc, a))
            continue;
        if (nMode == 3)
            desc = Unset(desc, a);
        else if (nMode == 0 || !IsSet(desc, a))
            desc = Take(desc, other.m_nDesc, a);
    }
    SetDesc(desc);
    return *this;
}

BOOL CGXFont::IsSubSet(const CGXFont& other) const
{
    for (const Attr& a : kAttrs)
        if (IsSet(other.m_nDesc, a) && (!IsSet(m_nDesc, a) || (m_nDesc & a.mask) != (other.m_nDesc & a.mask)))
            return FALSE;
    return TRUE;
}

BOOL CGXFont::GetIncludeWeight() const { return IsSet(m_nDesc, kAttrs[0]); }
BOOL CGXFont::GetIncludeItalic() const { return (m_nDesc & kItalicIncl) != 0; }
BOOL CGXFont::GetIncludeUnderline() const { return (m_nDesc & kUnderlineIncl) != 0; }
BOOL CGXFont::GetIncludeStrikeOut() const { return (m_nDesc & kStrikeIncl) != 0; }
BOOL CGXFont::GetIncludeSize() const { return IsSet(m_nDesc, kAttrs[4]); }
BOOL CGXFont::GetIncludeOrientation() const { return IsSet(m_nDesc, kAttrs[5]); }
BOOL CGXFont::GetIncludeFaceName() const { return IsSet(m_nDesc, kAttrs[6]); }
UINT CGXFont::GetWeight() const { return Field(m_nDesc, kWeightMask, kWeightShift); }
UINT CGXFont::GetSize() const { return Field(m_nDesc, kSizeMask, kSizeShift); }
UINT CGXFont::GetOrientation() const { return Field(m_nDesc, kOrientMask, kOrientShift); }
UINT CGXFont::GetFaceNameIndex() const { return Field(m_nDesc, kFaceMask, kFaceShift); }
BOOL CGXFont::GetItalic() const { return (m_nDesc & kItalicVal) != 0; }
BOOL CGXFont::GetUnderline() const { return (m_nDesc & kUnderlineVal) != 0; }
BOOL CGXFont::GetStrikeOut() const { return (m_nDesc & kStrikeVal) != 0; }

CString CGXFont::GetFaceName() const
{
    if (!GetIncludeFaceName())
        return CString();
    const GXFaceRecord* pRecord = FontState().GetFaceRecord(GetFaceNameIndex());
    return pRecord != nullptr ? CString(pRecord->szName) : CString();
}
