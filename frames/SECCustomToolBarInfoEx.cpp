#include "frames/SECCustomToolBarInfoEx.h"

#include "core/CArchive.h"
#include "win/ArgCheck.h"

IMPLEMENT_DYNAMIC(SECCustomToolBarInfoEx, SECControlBarInfoEx)

namespace {

const char kNodeName[] = "ToolBarInfoEx";
const char kTitleKey[] = "Title";
const char kButtonsKey[] = "Buttons";

// The most data bytes a saved button keeps (its length is one byte).
const size_t kMaxBtnData = 255;

// Refuses a button whose data does not fit its one-byte length.
void CheckBtnData(const SECBtnInfo& info)
{
    if (info.m_data.size() > kMaxBtnData)
        AfxThrowInvalidArgFormat("SECCustomToolBarInfoEx: button %u keeps %d bytes, more than 255", info.m_nID,
                                 int(info.m_data.size()));
}

} // namespace

SECCustomToolBarInfoEx::SECCustomToolBarInfoEx() = default;

SECCustomToolBarInfoEx::~SECCustomToolBarInfoEx() = default;

std::vector<BYTE> SECCustomToolBarInfoEx::GetButtonsValue() const
{
    std::vector<BYTE> value;
    for (const std::unique_ptr<SECBtnInfo>& pInfo : m_btnInfo) {
        CheckBtnData(*pInfo);
        for (int nShift = 0; nShift < 32; nShift += 8)
            value.push_back(BYTE(pInfo->m_nID >> nShift));
        value.push_back(BYTE(pInfo->m_data.size()));
        value.insert(value.end(), pInfo->m_data.begin(), pInfo->m_data.end());
    }
    return value;
}

void SECCustomToolBarInfoEx::SetButtonsValue(const std::vector<BYTE>& value)
{
    m_btnInfo.clear();
    size_t nPos = 0;
    // a record cut short, or whose data runs past the value, ends the list
    while (nPos + 5 <= value.size()) {
        const size_t nLength = value[nPos + 4];
        if (nPos + 5 + nLength > value.size())
            break;
        std::unique_ptr<SECBtnInfo> pInfo(new SECBtnInfo);
        pInfo->m_nID = UINT(value[nPos]) | UINT(value[nPos + 1]) << 8 | UINT(value[nPos + 2]) << 16 |
                       UINT(value[nPos + 3]) << 24;
        pInfo->m_data.assign(value.begin() + long(nPos + 5), value.begin() + long(nPos + 5 + nLength));
        m_btnInfo.push_back(std::move(pInfo));
        nPos += 5 + nLength;
    }
}

void SECCustomToolBarInfoEx::SaveKeys(CDockStateKeys& keys) const
{
    if (!m_strTitle.IsEmpty())
        keys.WriteText(kTitleKey, m_strTitle);
    const std::vector<BYTE> value = GetButtonsValue();
    keys.WriteBinary(kButtonsKey, value.data(), UINT(value.size()));
}

void SECCustomToolBarInfoEx::LoadKeys(CDockStateKeys& keys)
{
    m_strTitle = keys.ReadText(kTitleKey, "");
    std::vector<BYTE> value;
    keys.ReadBinary(kButtonsKey, value);
    SetButtonsValue(value);
}

void SECCustomToolBarInfoEx::SaveToProfile(LPCSTR lpszSection)
{
    CProfileKeys keys(lpszSection);
    SaveKeys(keys);
}

void SECCustomToolBarInfoEx::LoadFromProfile(LPCSTR lpszSection, SECDockState* pDockState)
{
    (void)pDockState;
    CProfileKeys keys(lpszSection);
    LoadKeys(keys);
}

BOOL SECCustomToolBarInfoEx::SaveToTree(SECPTNFactory* pFactory, SECPersistentTreeNode* pNode)
{
    if (pFactory == nullptr || pNode == nullptr)
        return FALSE;
    SECPersistentTreeNode* pChild = pFactory->CreateNode(kNodeName, pNode);
    if (pChild == nullptr)
        return FALSE;
    SECTreeKeys keys(pChild);
    SaveKeys(keys);
    return TRUE;
}

BOOL SECCustomToolBarInfoEx::LoadFromTree(SECPersistentTreeNode* pNode)
{
    SECPersistentTreeNode* pChild = pNode != nullptr ? pNode->FindChild(kNodeName) : nullptr;
    if (pChild == nullptr)
        return FALSE;
    SECTreeKeys keys(pChild);
    LoadKeys(keys);
    return TRUE;
}

void SECCustomToolBarInfoEx::Serialize(CArchive& ar, SECDockState* pDockState)
{
    (void)pDockState;
    if (ar.IsStoring()) {
        ar << m_strTitle << uint32_t(m_btnInfo.size());
        for (const std::unique_ptr<SECBtnInfo>& pInfo : m_btnInfo) {
            CheckBtnData(*pInfo);
            ar << uint32_t(pInfo->m_nID) << uint8_t(pInfo->m_data.size());
            if (!pInfo->m_data.empty())
                ar.Write(pInfo->m_data.data(), uint32_t(pInfo->m_data.size()));
        }
        return;
    }
    CString strTitle;
    uint32_t nCount = 0;
    ar >> strTitle >> nCount;
    // each button takes at least its id and its length
    ar.CheckAvailable(uint64_t(nCount) * 5);
    SECBtnInfoArray btnInfo;
    for (uint32_t i = 0; i < nCount; i++) {
        std::unique_ptr<SECBtnInfo> pInfo(new SECBtnInfo);
        uint32_t nID = 0;
        uint8_t nLength = 0;
        ar >> nID >> nLength;
        ar.CheckAvailable(nLength);
        pInfo->m_nID = nID;
        pInfo->m_data.resize(nLength);
        if (nLength > 0)
            ar.Read(pInfo->m_data.data(), nLength);
        btnInfo.push_back(std::move(pInfo));
    }
    m_strTitle = strTitle;
    m_btnInfo = std::move(btnInfo);
}
