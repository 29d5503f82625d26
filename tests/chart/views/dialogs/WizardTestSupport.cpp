#include "wine_gtest.h"

#include "WizardTestSupport.h"

void WizardTest::SetUp()
{
    DEDized::ResetDrawingGuard();
    SRGWizSheet::ResetHintCounter();
}

void WizardTest::TearDown()
{
    if (pSheet) {
        pSheet->FinishModal();
        pSheet.reset();
    }
    DEDized::ResetDrawingGuard();
}

SRGWizSheet& WizardTest::Open(BOOL bKeepData, int nWidth, int nHeight)
{
    pSheet = std::make_unique<SRGWizSheet>(&chart, "Chart Wizard", nullptr, 0, nWidth, nHeight, bKeepData);
    EXPECT_TRUE(pSheet->StartModal());
    pSheet->ShowWindow(SW_SHOW);
    pSheet->UpdateWindow();
    return *pSheet;
}

void WizardTest::Click(int nID)
{
    ClickButton(*pSheet, nID);
}

std::string WizardTest::Text(int nID)
{
    CWnd* pControl = pSheet->GetDlgItem(nID);
    if (pControl == nullptr)
        return std::string();
    CString text;
    pControl->GetWindowText(text);
    return text.GetString();
}

bool WizardTest::Visible(CWnd& rWnd, int nID)
{
    CWnd* pControl = rWnd.GetDlgItem(nID);
    return pControl != nullptr && (pControl->GetStyle() & WS_VISIBLE) != 0;
}

std::string WizardTest::Caption()
{
    CString text;
    pSheet->GetWindowText(text);
    return text.GetString();
}

namespace {

template <class T>
T* Place(DEDized& rChart, T* pComponent, const char* lpszName, const RECT& rect)
{
    pComponent->SetMeasurement(0);
    pComponent->SetRectFromRECT(rect);
    pComponent->SetName(lpszName);
    rChart.AddComponent(pComponent);
    return pComponent;
}

} // namespace

DEDizedBackground* AddBackground(DEDized& rChart, const char* lpszName, const RECT& rect)
{
    return Place(rChart, new DEDizedBackground, lpszName, rect);
}

DEDizedDisplay* AddDisplay(DEDized& rChart, const char* lpszName, const RECT& rect, int nGraphType)
{
    DEDizedDisplay* pDisplay = Place(rChart, new DEDizedDisplay, lpszName, rect);
    pDisplay->SetGraphType(nGraphType);
    return pDisplay;
}

DEDizedTitle* AddTitle(DEDized& rChart, const char* lpszName, const RECT& rect)
{
    return Place(rChart, new DEDizedTitle, lpszName, rect);
}

DEDizedLegend* AddLegend(DEDized& rChart, const char* lpszName, const RECT& rect)
{
    return Place(rChart, new DEDizedLegend, lpszName, rect);
}

void FillValues(DEDized& rChart, int nGroups, int nItems)
{
    for (int g = 0; g < nGroups; ++g)
        for (int i = 0; i < nItems; ++i)
            rChart.SetValue(i, g, g * 100.0 + i, 0);
}

std::vector<std::string> ComponentNames(DEDized& rChart)
{
    std::vector<std::string> names;
    CObList* pComponents = rChart.GetComponentList();
    for (POSITION pos = pComponents->GetHeadPosition(); pos != nullptr;)
        names.push_back(static_cast<DEDizedComponent*>(pComponents->GetNext(pos))->GetName().GetString());
    return names;
}

std::vector<std::string> ComboEntries(CWnd& rParent, int nID)
{
    std::vector<std::string> entries;
    const int nCount = int(rParent.SendDlgItemMessage(nID, CB_GETCOUNT));
    for (int i = 0; i < nCount; ++i) {
        char szText[256] = {};
        rParent.SendDlgItemMessage(nID, CB_GETLBTEXT, WPARAM(i), reinterpret_cast<LPARAM>(szText));
        entries.push_back(szText);
    }
    return entries;
}

std::vector<std::string> ListEntries(CWnd& rParent, int nID)
{
    std::vector<std::string> entries;
    const int nCount = int(rParent.SendDlgItemMessage(nID, LB_GETCOUNT));
    for (int i = 0; i < nCount; ++i) {
        char szText[256] = {};
        rParent.SendDlgItemMessage(nID, LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(szText));
        entries.push_back(szText);
    }
    return entries;
}

std::vector<BYTE> ArchiveBytes(DEDized& rChart)
{
    CMemFile file(1024);
    {
        CArchive archive(&file, CArchive::store);
        rChart.Serialize(archive);
        archive.Close();
    }
    const size_t nLength = size_t(file.GetLength());
    std::vector<BYTE> bytes(nLength);
    file.SeekToBegin();
    file.Read(bytes.data(), uint32_t(nLength));
    return bytes;
}
