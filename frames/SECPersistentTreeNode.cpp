// SECPersistentTreeNode: pairs and their text forms, children, saving to and loading from an outside
// store; SECPTNFactory.
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <limits>

#include "frames/SECPersistentTreeNode.h"

IMPLEMENT_DYNAMIC(SECPersistentTreeNode, CObject)

namespace {

// The most letters a binary value keeps under one key.
const int kPieceLength = 250;
const char kBinCount[] = "_BinCount";
const char kBinVal[] = "_BinVal";

CString CountKey(LPCSTR lpszKey)
{
    return CString(lpszKey) + kBinCount;
}

CString PieceKey(LPCSTR lpszKey, int nPiece)
{
    CString strKey;
    strKey.Format("%s%s%d", lpszKey, kBinVal, nPiece);
    return strKey;
}

// Parses the whole of strText as a decimal number (signed when bSigned) into rValue. FALSE when it is
// not one.
BOOL ParseNumber(const CString& strText, BOOL bSigned, long long& rValue)
{
    const char* psz = strText.GetString();
    char* pEnd = nullptr;
    errno = 0;
    rValue = bSigned ? std::strtoll(psz, &pEnd, 10) : static_cast<long long>(std::strtoull(psz, &pEnd, 10));
    if (errno != 0 || pEnd == psz || *pEnd != '\0')
        return FALSE;
    // strtoull takes "-1" as its largest value: an unsigned value has no sign
    return bSigned || strText.Find('-') < 0;
}

} // namespace

SECPersistenceStrategy::~SECPersistenceStrategy() = default;

// ---- factory ------------------------------------------------------------------------------------------------

SECPTNFactory::SECPTNFactory() = default;

SECPTNFactory::~SECPTNFactory() = default;

SECPersistentTreeNode* SECPTNFactory::CreateNode(LPCSTR lpszName, SECPersistentTreeNode* pParent)
{
    std::unique_ptr<SECPersistentTreeNode> pNode(new SECPersistentTreeNode);
    if (pNode->Initialize(lpszName, pParent) != 0)
        return nullptr;
    m_nodes.push_back(std::move(pNode));
    return m_nodes.back().get();
}

// ---- node -----------------------------------------------------------------------------------------------------

SECPersistentTreeNode::SECPersistentTreeNode() : m_pParent(nullptr), m_bInitialized(FALSE) {}

SECPersistentTreeNode::~SECPersistentTreeNode() = default;

UINT SECPersistentTreeNode::Initialize(LPCSTR lpszName, SECPersistentTreeNode* pParent)
{
    if (m_bInitialized)
        return SEC_PTN_FAILED;
    if (lpszName == nullptr || *lpszName == '\0')
        return SEC_PTN_NONAME;
    m_strName = lpszName;
    m_bInitialized = TRUE;
    if (pParent != nullptr) {
        const UINT nError = pParent->AddChild(this);
        if (nError != 0) {
            m_bInitialized = FALSE;
            return nError;
        }
    }
    return 0;
}

UINT SECPersistentTreeNode::AddChild(SECPersistentTreeNode* pChild)
{
    if (!m_bInitialized)
        return SEC_PTN_NOTINITIALIZED;
    if (pChild == nullptr)
        return SEC_PTN_NONAME;
    if (!pChild->m_bInitialized)
        return SEC_PTN_NOTINITIALIZED;
    if (FindChild(pChild->m_strName) != nullptr)
        return SEC_PTN_DUPLICATECHILD;
    pChild->m_pParent = this;
    m_children.push_back(pChild);
    return 0;
}

SECPersistentTreeNode* SECPersistentTreeNode::FindChild(LPCSTR lpszName) const
{
    for (SECPersistentTreeNode* pChild : m_children)
        if (pChild->m_strName == lpszName)
            return pChild;
    return nullptr;
}

std::vector<CString> SECPersistentTreeNode::GetPath() const
{
    std::vector<CString> path;
    for (const SECPersistentTreeNode* pNode = this; pNode != nullptr; pNode = pNode->m_pParent)
        path.push_back(pNode->m_strName);
    return path;
}

// ---- pairs ----------------------------------------------------------------------------------------------------

SECPersistentTreeNode::SECPersTreeNodeKeyValuePair* SECPersistentTreeNode::FindPair(LPCSTR lpszKey)
{
    for (SECPersTreeNodeKeyValuePair& pair : m_pairs)
        if (pair.strKey == lpszKey)
            return &pair;
    return nullptr;
}

UINT SECPersistentTreeNode::CheckKey(LPCSTR lpszKey) const
{
    if (!m_bInitialized)
        return SEC_PTN_NOTINITIALIZED;
    if (lpszKey == nullptr || *lpszKey == '\0')
        return SEC_PTN_NOKEY;
    return 0;
}

void SECPersistentTreeNode::PutPair(LPCSTR lpszKey, LPCSTR lpszValue)
{
    if (SECPersTreeNodeKeyValuePair* pPair = FindPair(lpszKey))
        pPair->strValue = lpszValue;
    else
        m_pairs.push_back({lpszKey, lpszValue});
}

UINT SECPersistentTreeNode::SetText(LPCSTR lpszKey, LPCSTR lpszValue, BOOL bOverwrite)
{
    if (UINT nError = CheckKey(lpszKey))
        return nError;
    if (!bOverwrite && FindPair(lpszKey) != nullptr)
        return SEC_PTN_KEYEXISTS;
    PutPair(lpszKey, lpszValue != nullptr ? lpszValue : "");
    return 0;
}

UINT SECPersistentTreeNode::SetInteger(LPCSTR lpszKey, int nValue, BOOL bOverwrite)
{
    CString strValue;
    strValue.Format("%d", nValue);
    return SetText(lpszKey, strValue, bOverwrite);
}

UINT SECPersistentTreeNode::SetBoolean(LPCSTR lpszKey, BOOL bValue, BOOL bOverwrite)
{
    return SetText(lpszKey, bValue ? "True" : "False", bOverwrite);
}

CString SECPersistentTreeNode::EncodeBinary(const BYTE* pData, UINT nBytes)
{
    CString strText;
    for (UINT i = 0; i < nBytes; i++) {
        strText += char('A' + (pData[i] & 0x0F));
        strText += char('A' + (pData[i] >> 4));
    }
    return strText;
}

BOOL SECPersistentTreeNode::DecodeBinary(const CString& strText, std::vector<BYTE>& data)
{
    data.clear();
    const int nLength = strText.GetLength();
    if (nLength % 2 != 0)
        return FALSE;
    data.reserve(size_t(nLength / 2));
    const char* psz = strText.GetString();
    for (int i = 0; i < nLength; i += 2) {
        const int nLow = psz[i] - 'A';
        const int nHigh = psz[i + 1] - 'A';
        if (nLow < 0 || nLow > 15 || nHigh < 0 || nHigh > 15) {
            data.clear();
            return FALSE;
        }
        data.push_back(BYTE(nLow | (nHigh << 4)));
    }
    return TRUE;
}

UINT SECPersistentTreeNode::SetBinary(LPCSTR lpszKey, const void* pData, UINT nBytes, BOOL bOverwrite)
{
    if (UINT nError = CheckKey(lpszKey))
        return nError;
    if (pData == nullptr && nBytes > 0)
        return SEC_PTN_NODATA;
    if (!bOverwrite && (FindPair(lpszKey) != nullptr || FindPair(CountKey(lpszKey)) != nullptr))
        return SEC_PTN_KEYEXISTS;
    RemoveKey(lpszKey);
    const CString strText = EncodeBinary(static_cast<const BYTE*>(pData), nBytes);
    if (strText.GetLength() <= kPieceLength) {
        PutPair(lpszKey, strText);
        return 0;
    }
    const int nPieces = (strText.GetLength() + kPieceLength - 1) / kPieceLength;
    CString strCount;
    strCount.Format("%d", nPieces);
    PutPair(CountKey(lpszKey), strCount);
    for (int i = 0; i < nPieces; i++)
        PutPair(PieceKey(lpszKey, i), strText.Mid(i * kPieceLength, kPieceLength));
    return 0;
}

UINT SECPersistentTreeNode::RemoveKey(LPCSTR lpszKey)
{
    if (UINT nError = CheckKey(lpszKey))
        return nError;
    const CString strKey(lpszKey);
    const CString strCount = CountKey(lpszKey);
    const CString strPiecePrefix = strKey + kBinVal;
    const size_t nBefore = m_pairs.size();
    m_pairs.erase(std::remove_if(m_pairs.begin(), m_pairs.end(),
                                 [&](const SECPersTreeNodeKeyValuePair& pair) {
                                     if (pair.strKey == strKey || pair.strKey == strCount)
                                         return true;
                                     // a piece: the prefix and a number
                                     if (pair.strKey.Left(strPiecePrefix.GetLength()) != strPiecePrefix)
                                         return false;
                                     const CString strNumber = pair.strKey.Mid(strPiecePrefix.GetLength());
                                     long long n = 0;
                                     return ParseNumber(strNumber, FALSE, n) != FALSE;
                                 }),
                  m_pairs.end());
    return m_pairs.size() < nBefore ? 0 : SEC_PTN_KEYNOTFOUND;
}

UINT SECPersistentTreeNode::GetText(LPCSTR lpszKey, CString& rValue, LPCSTR lpszDefault)
{
    if (UINT nError = CheckKey(lpszKey)) {
        rValue = lpszDefault != nullptr ? lpszDefault : "";
        return nError;
    }
    const SECPersTreeNodeKeyValuePair* pPair = FindPair(lpszKey);
    if (pPair == nullptr) {
        rValue = lpszDefault != nullptr ? lpszDefault : "";
        return SEC_PTN_KEYNOTFOUND;
    }
    rValue = pPair->strValue;
    return 0;
}

UINT SECPersistentTreeNode::GetValueToParse(LPCSTR lpszKey, CString& rValue)
{
    if (UINT nError = GetText(lpszKey, rValue))
        return nError;
    return rValue.IsEmpty() ? SEC_PTN_NODATA : 0;
}

template <class T>
UINT SECPersistentTreeNode::GetNumber(LPCSTR lpszKey, T& rValue)
{
    CString strValue;
    if (UINT nError = GetValueToParse(lpszKey, strValue))
        return nError;
    const BOOL bSigned = std::numeric_limits<T>::is_signed;
    long long n = 0;
    if (!ParseNumber(strValue, bSigned, n) || n < (long long)((std::numeric_limits<T>::min)()) ||
        n > (long long)((std::numeric_limits<T>::max)()))
        return SEC_PTN_FAILED;
    rValue = T(n);
    return 0;
}

UINT SECPersistentTreeNode::GetInteger(LPCSTR lpszKey, int& rValue)
{
    return GetNumber(lpszKey, rValue);
}

UINT SECPersistentTreeNode::GetUnsigned(LPCSTR lpszKey, UINT& rValue)
{
    return GetNumber(lpszKey, rValue);
}

UINT SECPersistentTreeNode::GetLong(LPCSTR lpszKey, LONG& rValue)
{
    return GetNumber(lpszKey, rValue);
}

UINT SECPersistentTreeNode::GetDWord(LPCSTR lpszKey, DWORD& rValue)
{
    return GetNumber(lpszKey, rValue);
}

UINT SECPersistentTreeNode::GetBoolean(LPCSTR lpszKey, BOOL& rValue)
{
    CString strValue;
    if (UINT nError = GetValueToParse(lpszKey, strValue))
        return nError;
    strValue.MakeUpper();
    rValue = strValue == "TRUE";
    return 0;
}

UINT SECPersistentTreeNode::GetBinary(LPCSTR lpszKey, std::vector<BYTE>& data)
{
    data.clear();
    if (UINT nError = CheckKey(lpszKey))
        return nError;
    CString strText;
    int nPieces = 0;
    const UINT nCountError = GetInteger(CountKey(lpszKey), nPieces);
    if (nCountError == SEC_PTN_KEYNOTFOUND) {
        if (UINT nError = GetText(lpszKey, strText))
            return nError;
    } else {
        // a count beyond the pairs there are cannot be read
        if (nCountError != 0 || nPieces < 0 || size_t(nPieces) > m_pairs.size())
            return SEC_PTN_FAILED;
        for (int i = 0; i < nPieces; i++) {
            const SECPersTreeNodeKeyValuePair* pPiece = FindPair(PieceKey(lpszKey, i));
            if (pPiece == nullptr)
                return SEC_PTN_KEYNOTFOUND;
            strText += pPiece->strValue;
        }
    }
    if (strText.IsEmpty())
        return SEC_PTN_NODATA;
    return DecodeBinary(strText, data) ? 0 : SEC_PTN_ENCODING;
}

// ---- saving and loading ----------------------------------------------------------------------------------------

UINT SECPersistentTreeNode::Save(SECPersistenceStrategy* pStrategy)
{
    if (pStrategy == nullptr)
        return SEC_PTN_NONAME;
    if (!m_bInitialized)
        return SEC_PTN_NOTINITIALIZED;
    const std::vector<CString> path = GetPath();
    std::vector<CString> children;
    for (const SECPersistentTreeNode* pChild : m_children)
        children.push_back(pChild->m_strName);
    if ((pStrategy->BeginNode(path, children) & 1) == 0)
        return SEC_PTN_FAILED;
    for (const SECPersTreeNodeKeyValuePair& pair : m_pairs)
        if (!pStrategy->WritePair(path, pair.strKey, pair.strValue))
            return SEC_PTN_FAILED;
    for (SECPersistentTreeNode* pChild : m_children)
        if (UINT nError = pChild->Save(pStrategy))
            return nError;
    return pStrategy->EndNode(path, children) ? 0 : SEC_PTN_FAILED;
}

UINT SECPersistentTreeNode::Load(SECPersistenceStrategy* pStrategy)
{
    if (pStrategy == nullptr)
        return SEC_PTN_NONAME;
    if (!m_bInitialized)
        return SEC_PTN_NOTINITIALIZED;
    std::vector<CString> children;
    std::vector<CString> keys;
    std::vector<CString> values;
    if (!pStrategy->ReadNode(GetPath(), children, keys, values) || keys.size() != values.size())
        return SEC_PTN_FAILED;
    m_pairs.clear();
    for (size_t i = 0; i < keys.size(); i++)
        if (!keys[i].IsEmpty())
            PutPair(keys[i], values[i]);
    UINT nResult = 0;
    for (const CString& strChild : children) {
        SECPersistentTreeNode* pChild = FindChild(strChild);
        if (pChild == nullptr)
            pChild = m_factory.CreateNode(strChild, this);
        const UINT nError = pChild != nullptr ? pChild->Load(pStrategy) : SEC_PTN_NONAME;
        if (nResult == 0)
            nResult = nError;
    }
    return nResult;
}
