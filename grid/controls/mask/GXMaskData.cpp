// CGXMaskData: the pattern engine of the masked edit cell (see GXMaskData.h).
#include "grid/controls/mask/GXMaskData.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CGXMaskData, CObject)

namespace {

GXMaskCharSet g_charSet;

bool IsLeadByte(unsigned char ch)
{
    return g_charSet.bDoubleByte && g_charSet.pfnIsLeadByte != nullptr && g_charSet.pfnIsLeadByte(ch);
}

unsigned CharType(const CString& strChar)
{
    if (g_charSet.pfnCharType != nullptr)
        return g_charSet.pfnCharType(strChar.GetString(), strChar.GetLength());
    if (strChar.GetLength() != 1)
        return 0;
    const char ch = strChar[0];
    if (ch >= '0' && ch <= '9')
        return GXMaskCharSet::gxDigit;
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') ? unsigned(GXMaskCharSet::gxAlpha) : 0u;
}

void ChangeCase(CString& strChar, bool bUpper)
{
    if (g_charSet.pfnChangeCase != nullptr) {
        std::vector<char> buffer(strChar.GetString(), strChar.GetString() + strChar.GetLength());
        g_charSet.pfnChangeCase(buffer.data(), int(buffer.size()), bUpper);
        strChar = CString(buffer.data(), int(buffer.size()));
    } else if (bUpper) {
        strChar.MakeUpper();
    } else {
        strChar.MakeLower();
    }
}

}  // namespace

void CGXMaskData::SetCharSet(const GXMaskCharSet& charSet)
{
    g_charSet = charSet;
}

const GXMaskCharSet& CGXMaskData::GetCharSet()
{
    return g_charSet;
}

CGXMaskData::CGXMaskData() : m_strPrompt("_") {}

CGXMaskData::~CGXMaskData() = default;

std::vector<CString> CGXMaskData::SplitChars(const char* pszText)
{
    std::vector<CString> chars;
    if (pszText == nullptr)
        return chars;
    for (const char* p = pszText; *p != 0;) {
        const int nBytes = IsLeadByte(static_cast<unsigned char>(*p)) && p[1] != 0 ? 2 : 1;
        chars.emplace_back(p, nBytes);
        p += nBytes;
    }
    return chars;
}

void CGXMaskData::Clear()
{
    m_astrMask.clear();
    m_abLiteral.clear();
}

void CGXMaskData::SetMask(const char* pszMask)
{
    Clear();
    if (pszMask == nullptr || *pszMask == 0) {
        m_nMaxLength = gxUnlimited;
        return;
    }
    const std::vector<CString> chars = SplitChars(pszMask);
    for (size_t i = 0; i < chars.size(); ++i) {
        const CString& strChar = chars[i];
        bool bLiteral;
        if (strChar.GetLength() == 2) {
            bLiteral = true;
        } else if (strChar[0] == '\\') {
            // an escape makes the next character a literal; one at the very end is dropped
            if (++i == chars.size())
                break;
            m_astrMask.push_back(chars[i]);
            m_abLiteral.push_back(1);
            continue;
        } else {
            bLiteral = !IsMaskChar(strChar[0]);
        }
        m_astrMask.push_back(strChar);
        m_abLiteral.push_back(bLiteral ? 1 : 0);
    }
}

bool CGXMaskData::IsMaskChar(char ch) const
{
    return ch == '#' || ch == '&' || ch == '?' || ch == 'A' || ch == 'L' || ch == 'U';
}

bool CGXMaskData::IsLiteral(int nPos) const
{
    return !IsFreeText() && nPos >= 0 && nPos < int(m_abLiteral.size()) && m_abLiteral[size_t(nPos)] != 0;
}

bool CGXMaskData::IsEmptyMask() const
{
    return m_astrMask.empty();
}

int CGXMaskData::GetDisplayLength() const
{
    return int(m_astrDisplay.size());
}

int CGXMaskData::GetMaxLength() const
{
    return m_nMaxLength;
}

void CGXMaskData::SetMaxLength(int nLength)
{
    m_nMaxLength = nLength < 1 ? int32_t(gxUnlimited) : int32_t(nLength);
}

bool CGXMaskData::SetPromptChar(const char* pszPrompt, bool bUpdate)
{
    CString strPrompt(pszPrompt != nullptr && *pszPrompt != 0 ? pszPrompt : "_");
    if (strPrompt.GetLength() > 2 || (strPrompt.GetLength() == 2 && !IsLeadByte(static_cast<unsigned char>(strPrompt[0]))))
        return false;
    if (bUpdate && !IsFreeText()) {
        for (size_t i = 0; i < m_astrDisplay.size() && i < m_abLiteral.size(); ++i)
            if (m_abLiteral[i] == 0 && m_astrDisplay[i] == m_strPrompt)
                m_astrDisplay[i] = strPrompt;
    }
    m_strPrompt = strPrompt;
    return true;
}

void CGXMaskData::InitDisplay()
{
    m_astrDisplay.clear();
    if (IsFreeText())
        return;
    for (size_t i = 0; i < m_astrMask.size(); ++i)
        m_astrDisplay.push_back(m_abLiteral[i] != 0 ? m_astrMask[i] : m_strPrompt);
}

bool CGXMaskData::IsValidChar(int nPos, CString& strChar) const
{
    if (IsFreeText())
        return nPos >= 0 && !strChar.IsEmpty();
    if (nPos < 0 || nPos >= int(m_astrMask.size()) || m_abLiteral[size_t(nPos)] != 0 || strChar.IsEmpty())
        return false;
    if (strChar == " " || strChar == m_strPrompt) {
        strChar = m_strPrompt;
        return true;
    }
    const unsigned nType = CharType(strChar);
    switch (m_astrMask[size_t(nPos)][0]) {
    case '#':
        return (nType & GXMaskCharSet::gxDigit) != 0;
    case '&':
        return true;
    case '?':
        return (nType & GXMaskCharSet::gxAlpha) != 0;
    case 'A':
        return nType != 0;
    case 'L':
    case 'U':
        if (!(nType & GXMaskCharSet::gxAlpha))
            return false;
        ChangeCase(strChar, m_astrMask[size_t(nPos)][0] == 'U');
        return true;
    default:
        return false;
    }
}

int CGXMaskData::NextEditPos(int nPos) const
{
    if (IsFreeText()) {
        if (nPos >= m_nMaxLength)
            return nPos;
        const int nNext = std::max(nPos + 1, 0);
        return nNext <= GetDisplayLength() && nNext < m_nMaxLength ? nNext : -1;
    }
    const int nSize = int(m_astrMask.size());
    if (nPos >= nSize)
        return nPos;
    for (int i = std::max(nPos + 1, 0); i < nSize; ++i)
        if (m_abLiteral[size_t(i)] == 0)
            return i;
    return -1;
}

int CGXMaskData::PrevEditPos(int nPos) const
{
    if (IsFreeText())
        return nPos - 1 >= 0 ? std::min(nPos - 1, GetDisplayLength()) : -1;
    for (int i = std::min(nPos - 1, int(m_astrMask.size()) - 1); i >= 0; --i)
        if (m_abLiteral[size_t(i)] == 0)
            return i;
    return -1;
}

int CGXMaskData::LastEditPos() const
{
    return PrevEditPos(int(m_astrMask.size()));
}

int CGXMaskData::GetInputEnd(int nPos) const
{
    if (IsFreeText())
        return std::max(0, std::min({nPos, GetDisplayLength(), int(m_nMaxLength)}));
    const int nLast = std::min(nPos, int(std::min(m_astrMask.size(), m_astrDisplay.size())) - 1);
    for (int i = nLast; i >= 0; --i)
        if (m_abLiteral[size_t(i)] == 0 && !(m_astrDisplay[size_t(i)] == m_strPrompt))
            return i + 1;
    const int nFirst = NextEditPos(-1);
    return nFirst >= 0 ? nFirst : 0;
}

bool CGXMaskData::InsertAt(int nPos, const CString& strChar, int& nNext)
{
    if (IsFreeText()) {
        if (nPos < 0 || nPos > GetDisplayLength() || GetDisplayLength() >= m_nMaxLength)
            return false;
        m_astrDisplay.insert(m_astrDisplay.begin() + nPos, strChar);
        nNext = nPos + 1;
        return true;
    }
    const int nSize = int(m_astrMask.size());
    if (nPos < 0 || nPos > nSize)
        return false;
    if (int(m_astrDisplay.size()) != nSize)
        InitDisplay();
    if (IsLiteral(nPos))
        nPos = NextEditPos(nPos);
    const int nLastEdit = LastEditPos();
    if (nPos < 0 || nPos >= nSize || nLastEdit < 0)
        return false;
    int nFilled = nLastEdit;
    while (nFilled >= 0 && (m_abLiteral[size_t(nFilled)] != 0 || m_astrDisplay[size_t(nFilled)] == m_strPrompt))
        --nFilled;
    if (nFilled == nLastEdit)
        return false;
    // each filled character from the last one back to nPos moves one editable position right
    for (int i = nFilled; i >= nPos; --i) {
        if (m_abLiteral[size_t(i)] != 0)
            continue;
        m_astrDisplay[size_t(NextEditPos(i))] = m_astrDisplay[size_t(i)];
    }
    m_astrDisplay[size_t(nPos)] = strChar;
    const int nAfter = NextEditPos(nPos);
    nNext = nAfter >= 0 ? nAfter : nPos + 1;
    return true;
}

void CGXMaskData::DeleteRange(int nEnd, int nStart)
{
    if (IsFreeText()) {
        nStart = std::max(nStart, 0);
        nEnd = std::min(nEnd, GetDisplayLength());
        if (nEnd > nStart)
            m_astrDisplay.erase(m_astrDisplay.begin() + nStart, m_astrDisplay.begin() + nEnd);
        return;
    }
    const int nSize = int(m_astrMask.size());
    if (int(m_astrDisplay.size()) != nSize)
        InitDisplay();
    if (nStart < 0 || IsLiteral(nStart))
        nStart = NextEditPos(nStart < 0 ? -1 : nStart);
    if (nStart < 0 || nStart >= nSize || nEnd < nStart)
        return;
    int nSource = nEnd >= nSize ? -1 : IsLiteral(nEnd) ? NextEditPos(nEnd) : nEnd;
    int nDest = nStart;
    for (; nSource >= 0 && nSource < nSize; nSource = NextEditPos(nSource)) {
        m_astrDisplay[size_t(nDest)] = m_astrDisplay[size_t(nSource)];
        nDest = NextEditPos(nDest);
    }
    for (; nDest >= 0 && nDest < nSize; nDest = NextEditPos(nDest))
        m_astrDisplay[size_t(nDest)] = m_strPrompt;
}

void CGXMaskData::GetDisplayString(CString& strResult, int nFirst, int nLast) const
{
    strResult.Empty();
    const int nSize = GetDisplayLength();
    if (nLast < 0 || nLast >= nSize)
        nLast = nSize - 1;
    for (int i = std::max(nFirst, 0); i <= nLast; ++i)
        strResult += m_astrDisplay[size_t(i)];
}

void CGXMaskData::GetData(CString& strResult, int nFirst, int nLast, bool bTrim) const
{
    if (IsFreeText()) {
        GetDisplayString(strResult, nFirst, nLast);
    } else {
        strResult.Empty();
        const int nSize = int(std::min(m_astrMask.size(), m_astrDisplay.size()));
        if (nLast < 0 || nLast >= nSize)
            nLast = nSize - 1;
        for (int i = std::max(nFirst, 0); i <= nLast; ++i) {
            if (m_abLiteral[size_t(i)] != 0)
                continue;
            const CString& strChar = m_astrDisplay[size_t(i)];
            strResult += strChar == m_strPrompt ? CString(" ") : strChar;
        }
    }
    if (bTrim)
        strResult.TrimRight();
}

int CGXMaskData::SetData(const char* pszData, int nStart, bool bInsert)
{
    if (IsFreeText())
        return SetDisplayString(pszData, nStart, bInsert);
    if (nStart == -1) {
        InitDisplay();
        nStart = 0;
    }
    const int nSize = int(m_astrMask.size());
    if (nSize == 0 || nStart < 0 || nStart >= nSize)
        return -1;
    if (int(m_astrDisplay.size()) != nSize)
        InitDisplay();
    int nPos = IsLiteral(nStart) ? NextEditPos(nStart) : nStart;
    if (nPos < 0)
        return -1;
    for (CString strChar : SplitChars(pszData)) {
        if (IsLiteral(nPos))
            nPos = NextEditPos(nPos);
        if (nPos < 0 || nPos >= nSize) {
            nPos = nSize;
            break;
        }
        if (!IsValidChar(nPos, strChar))
            break;
        if (bInsert) {
            int nNext;
            if (!InsertAt(nPos, strChar, nNext))
                break;
        } else {
            m_astrDisplay[size_t(nPos)] = strChar;
        }
        ++nPos;
    }
    return nPos;
}

int CGXMaskData::SetDisplayString(const char* pszText, int nStart, bool bInsert)
{
    if (nStart == -1) {
        InitDisplay();
        nStart = 0;
    }
    if (nStart < 0)
        return -1;
    const std::vector<CString> chars = SplitChars(pszText);
    const bool bFreeText = IsFreeText();
    if (bFreeText && !bInsert)
        m_astrDisplay.resize(size_t(nStart) + chars.size(), CString(" "));
    else if (!bFreeText && int(m_astrDisplay.size()) != int(m_astrMask.size()))
        InitDisplay();
    const int nSize = int(m_astrMask.size());
    int nPos = nStart;
    for (CString strChar : chars) {
        if (!bFreeText && nPos >= nSize)
            break;
        if (IsLiteral(nPos)) {
            if (!(strChar == m_astrMask[size_t(nPos)]))
                return -1;
        } else if (!IsValidChar(nPos, strChar)) {
            return -1;
        } else if (bInsert) {
            int nNext;
            if (!InsertAt(nPos, strChar, nNext))
                return -1;
        } else {
            m_astrDisplay[size_t(nPos)] = strChar;
        }
        ++nPos;
    }
    if (bFreeText) {
        if (GetDisplayLength() > m_nMaxLength)
            m_astrDisplay.resize(size_t(m_nMaxLength));
    } else if (int(m_astrDisplay.size()) > nSize) {
        m_astrDisplay.resize(size_t(nSize));
    }
    return nPos;
}

bool CGXMaskData::IsValidInput() const
{
    if (IsFreeText())
        return GetDisplayLength() <= m_nMaxLength;
    if (m_astrDisplay.size() != m_astrMask.size())
        return false;
    for (size_t i = 0; i < m_astrMask.size(); ++i) {
        if (m_abLiteral[i] != 0) {
            if (!(m_astrDisplay[i] == m_astrMask[i]))
                return false;
            continue;
        }
        CString strChar = m_astrDisplay[i];
        if (!IsValidChar(int(i), strChar))
            return false;
    }
    return true;
}

int CGXMaskData::PosToCharIndex(int nPos) const
{
    if (!g_charSet.bDoubleByte || nPos < 0)
        return nPos;
    int nIndex = 0;
    for (int i = 0; i < nPos && i < GetDisplayLength(); ++i)
        nIndex += m_astrDisplay[size_t(i)].GetLength();
    return nIndex + std::max(0, nPos - GetDisplayLength());
}

int CGXMaskData::CharIndexToPos(int nIndex) const
{
    if (!g_charSet.bDoubleByte || nIndex < 0)
        return nIndex;
    int nBytes = 0, nPos = 0;
    for (; nPos < GetDisplayLength(); ++nPos) {
        if (nBytes >= nIndex)
            return nPos;
        nBytes += m_astrDisplay[size_t(nPos)].GetLength();
    }
    return nPos + std::max(0, nIndex - nBytes);
}
