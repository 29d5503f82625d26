// The chart document: command paths, the dispatch of commands, linked documents, the data commands of
// a chart document, template hand-overs and the stored form.
#include "wine_gtest.h"

#include <cstdio>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "ChartViewTestSupport.h"

#include "chart/engine/DEDizedData.h"
#include "chart/engine/components/DEDizedBackground.h"
#include "core/CArchive.h"
#include "core/CFile.h"
#include "core/CMemFile.h"

namespace {

// A command document that counts what reaches its operations and answers with set values.
class CountingDoc : public SECComDoc {
public:
    int Refresh() override
    {
        ++nRefreshes;
        return nRefreshAnswer;
    }
    int DataCommand(int nType, LPARAM lArg) override
    {
        dataCommands.push_back(nType);
        if (onData)
            onData();
        (void)lArg;
        return nDataAnswer;
    }
    int UserCommand(int nCommand, int, LPARAM) override
    {
        userCommands.push_back(nCommand);
        return 7;
    }
    int HandOverTemplate(int nTemplateId, HGLOBAL hBlock) override
    {
        templates.push_back(nTemplateId);
        return SECComDoc::HandOverTemplate(nTemplateId, hBlock);
    }

    int nRefreshes = 0;
    int nRefreshAnswer = 5;
    int nDataAnswer = 1;
    std::vector<int> dataCommands;
    std::vector<int> userCommands;
    std::vector<int> templates;
    std::function<void()> onData;
};

// A view of a chart document that counts its updates (it has no window).
class CountingView : public CView {
public:
    void OnDraw(CDC*) override {}
    void OnUpdate(CView*, LPARAM, CObject*) override { ++nUpdates; }
    int nUpdates = 0;
};

// A chart document seen by one counting view.
struct ViewedDoc {
    ViewedDoc()
    {
        doc.m_bAutoDelete = FALSE;
        doc.AddView(&view);
    }
    ~ViewedDoc() { doc.RemoveView(&view); }
    CGraphDoc doc;
    CountingView view;
};

HGLOBAL TextBlock(const std::string& text, bool bTerminated)
{
    const size_t nSize = text.size() + (bTerminated ? 1 : 0);
    HGLOBAL hBlock = ::GlobalAlloc(GMEM_MOVEABLE, nSize);
    char* p = static_cast<char*>(::GlobalLock(hBlock));
    std::memcpy(p, text.data(), text.size());
    if (bTerminated)
        p[text.size()] = '\0';
    ::GlobalUnlock(hBlock);
    return hBlock;
}

bool IsFreed(HGLOBAL hBlock)
{
    return ::GlobalFlags(hBlock) == GMEM_INVALID_HANDLE;
}

} // namespace

TEST(ChartDocument, CommandPathsMakeANewDocumentAndRefreshOnlyForTheNumberOne)
{
    struct Case {
        const char* pszPath;
        int nRefreshes;
    };
    for (const Case& c : {Case{"SEC++ 1", 1}, Case{"SEC++  1 ", 1}, Case{"SEC++ 0", 0}, Case{"SEC++ word", 0},
                          Case{"SEC++ ", 0}, Case{"SEC++ 12", 0}}) {
        CountingDoc doc;
        doc.m_bAutoDelete = FALSE;
        doc.SetTitle("before");
        EXPECT_TRUE(doc.OnOpenDocument(c.pszPath)) << c.pszPath;
        EXPECT_EQ(doc.nRefreshes, c.nRefreshes) << c.pszPath;
        EXPECT_FALSE(doc.IsModified());
    }
}

TEST(ChartDocument, TheFiveCharactersAloneAreAnOrdinaryPath)
{
    CFakeServices fake;
    CountingDoc doc;
    doc.m_bAutoDelete = FALSE;
    // a file of that name in the current folder, which does not exist
    fake.ExpectMessageBox(IDOK, "Failed to open document");
    EXPECT_FALSE(doc.OnOpenDocument("SEC++"));
    EXPECT_EQ(doc.nRefreshes, 0);
}

TEST(ChartDocument, ACommandPathGivesTheTemplatesDefaultTitle)
{
    CMultiDocTemplate docTemplate(0, RUNTIME_CLASS(CGraphDoc), RUNTIME_CLASS(CFrameWnd), RUNTIME_CLASS(DEDizedView));
    CGraphDoc* pDoc = static_cast<CGraphDoc*>(docTemplate.CreateNewDocument());
    pDoc->m_bAutoDelete = FALSE;
    pDoc->SetPathName("SEC++ 1", FALSE);
    EXPECT_EQ(pDoc->GetTitle(), CString("Untitled"));
    EXPECT_TRUE(pDoc->GetPathName().IsEmpty());
    pDoc->SetPathName("C:\\charts\\sales.cht", FALSE);
    EXPECT_EQ(pDoc->GetTitle(), CString("sales.cht"));
    delete pDoc;
}

TEST(ChartDocument, DispatchRoutesEachCommand)
{
    CountingDoc doc;
    doc.m_bAutoDelete = FALSE;
    EXPECT_EQ(doc.Dispatch(0, 0, 0), 1);
    EXPECT_EQ(doc.Dispatch(1, 0, 0), 5);
    EXPECT_EQ(doc.nRefreshes, 1);
    EXPECT_EQ(doc.Dispatch(2, 21, 0), 0);
    EXPECT_EQ(doc.templates, std::vector<int>{21});
    EXPECT_EQ(doc.Dispatch(3, 9, 0), 1);
    EXPECT_EQ(doc.dataCommands, std::vector<int>{9});
    EXPECT_EQ(doc.Dispatch(4, 0, 0), 0);
    EXPECT_EQ(doc.Dispatch(0x8000, 0, 0), 7);
    EXPECT_EQ(doc.NewAndDispatch(0x8001, 0, 0), 7);
    EXPECT_EQ(doc.userCommands, (std::vector<int>{0x8000, 0x8001}));
    // the base answers nothing
    SECComDoc plain;
    plain.m_bAutoDelete = FALSE;
    EXPECT_EQ(plain.Dispatch(1, 0, 0), 0);
    EXPECT_EQ(plain.Dispatch(3, 1, 0), 0);
    EXPECT_EQ(plain.Dispatch(0x9000, 0, 0), 0);
}

TEST(ChartDocument, AClientPassingACommandToItsServerAnswersAnIncomingOneWithoutActing)
{
    CountingDoc client;
    CountingDoc server;
    client.m_bAutoDelete = server.m_bAutoDelete = FALSE;
    client.SetServer(&server);
    server.AddClient(&client);
    int nEcho = -1;
    // the server passes the command back to its clients while the client waits for it
    server.onData = [&] { nEcho = server.Broadcast(2, 0); };
    client.nDataAnswer = 0;
    EXPECT_EQ(client.SendToServer(4, 0), 1);
    EXPECT_EQ(nEcho, 1);
    EXPECT_TRUE(client.dataCommands.empty());
    EXPECT_FALSE(client.IsBusy());
    // a user command still gets through
    server.onData = [&] { nEcho = client.Dispatch(0x8000, 0, 0); };
    client.SendToServer(4, 0);
    EXPECT_EQ(nEcho, 7);
    // without a server nothing is sent
    CountingDoc alone;
    alone.m_bAutoDelete = FALSE;
    EXPECT_EQ(alone.SendToServer(4, 0), 0);
}

TEST(ChartDocument, BroadcastOrsTheAnswersOfTheCommandClients)
{
    CountingDoc server, first, second;
    CDocument plain;
    for (CDocument* p : std::initializer_list<CDocument*>{&server, &first, &second, &plain})
        p->m_bAutoDelete = FALSE;
    first.nDataAnswer = 1;
    second.nDataAnswer = 4;
    server.AddClient(&first);
    server.AddClient(&plain);
    server.AddClient(&second);
    EXPECT_EQ(server.GetClientCount(), 3);
    EXPECT_EQ(server.Broadcast(6, 0), 5);
    EXPECT_EQ(first.dataCommands, std::vector<int>{6});
    EXPECT_EQ(second.dataCommands, std::vector<int>{6});
    std::vector<CDocument*> walked;
    for (POSITION pos = server.GetFirstClientPosition(); pos != nullptr;)
        walked.push_back(server.GetNextClient(pos));
    EXPECT_EQ(walked, (std::vector<CDocument*>{&first, &plain, &second}));
}

TEST(ChartDocument, DestructionUnlinksServerAndClients)
{
    CountingDoc server;
    server.m_bAutoDelete = FALSE;
    CountingDoc* pClient = new CountingDoc;
    pClient->m_bAutoDelete = FALSE;
    pClient->SetServer(&server);
    server.AddClient(pClient);
    delete pClient;
    EXPECT_EQ(server.GetClientCount(), 0);

    CountingDoc client;
    client.m_bAutoDelete = FALSE;
    CountingDoc* pServer = new CountingDoc;
    pServer->m_bAutoDelete = FALSE;
    client.SetServer(pServer);
    pServer->AddClient(&client);
    delete pServer;
    EXPECT_EQ(client.GetServer(), nullptr);
    EXPECT_EQ(client.SendToServer(1, 0), 0);
}

TEST(ChartDocument, DataCommandsChangeTheChartAndUpdateTheViewsAsTheirTableSays)
{
    ViewedDoc viewed;
    CGraphDoc& doc = viewed.doc;
    DEDized& chart = *doc.GetChart();
    SECDataRecord record = {};

    record.nIndex = 1;
    record.nGroup = 0;
    record.dValue = 0.75;
    EXPECT_EQ(doc.Dispatch(SECComDoc::cmdData, CGraphDoc::dataValue, LPARAM(&record)), 1);
    EXPECT_DOUBLE_EQ(chart.GetValue(1, 0), 0.75);
    EXPECT_EQ(viewed.view.nUpdates, 1);

    // the null flag keeps the value and only marks it missing; a later value clears the mark
    record.dValue = 9.0;
    record.bNull = 1;
    EXPECT_EQ(doc.DataCommand(CGraphDoc::dataValue, LPARAM(&record)), 1);
    EXPECT_DOUBLE_EQ(chart.GetValue(1, 0), 0.75);
    EXPECT_TRUE(chart.GetDataItem(1, 0)->IsNull());
    record.bNull = 0;
    doc.DataCommand(CGraphDoc::dataValue, LPARAM(&record));
    EXPECT_DOUBLE_EQ(chart.GetValue(1, 0), 9.0);
    EXPECT_FALSE(chart.GetDataItem(1, 0)->IsNull());

    std::strcpy(record.szText, "March");
    EXPECT_EQ(doc.DataCommand(CGraphDoc::dataItemText, LPARAM(&record)), 1);
    EXPECT_EQ(chart.GetItemAnnotation(0, 1, 1), CString("March"));
    std::strcpy(record.szText, "Sales");
    EXPECT_EQ(doc.DataCommand(CGraphDoc::dataGroupText, LPARAM(&record)), 1);
    EXPECT_EQ(chart.GetGroupAnnotation(0, 1), CString("Sales"));
    // a text that fills its array without an end is read no further than the array
    std::memset(record.szText, 'x', sizeof record.szText);
    doc.DataCommand(CGraphDoc::dataItemText, LPARAM(&record));
    EXPECT_EQ(chart.GetItemAnnotation(0, 1, 1).GetLength(), int(sizeof record.szText));
    EXPECT_EQ(viewed.view.nUpdates, 6);

    // marks: index in the low half, group in the high half; outside the data nothing happens
    DEDizedStyle* pStyle = chart.GetDataItem(1, 0)->GetStyle();
    pStyle->m_nStyle = 0x7A5;
    EXPECT_EQ(doc.DataCommand(CGraphDoc::dataMark, MAKELONG(1, 0)), 1);
    EXPECT_EQ(pStyle->m_nStyle, 0x1A5);
    EXPECT_EQ(doc.DataCommand(CGraphDoc::dataUnmark, MAKELONG(1, 0)), 1);
    EXPECT_EQ(pStyle->m_nStyle, 0x0A5);
    EXPECT_EQ(doc.DataCommand(CGraphDoc::dataMark, MAKELONG(2, 0)), 1);
    EXPECT_EQ(doc.DataCommand(CGraphDoc::dataMark, MAKELONG(1, 1)), 1);
    EXPECT_EQ(pStyle->m_nStyle, 0x0A5);
    EXPECT_EQ(chart.GetGroupCount(), 1);
    // an item past the end of a shorter group: the placeholder that stands for it keeps its style
    chart.SetValue(0, 1, 0.5, 0);
    ASSERT_TRUE(chart.GetDataItem(1, 1)->IsKindOf(RUNTIME_CLASS(DEDizedDummyData)));
    DEDizedStyle* pMissing = chart.GetDataItem(1, 1)->GetStyle();
    const int nMissingStyle = pMissing->m_nStyle;
    for (int nType : {CGraphDoc::dataMark, CGraphDoc::dataUnmark}) {
        EXPECT_EQ(doc.DataCommand(nType, MAKELONG(1, 1)), 1);
        EXPECT_EQ(pMissing->m_nStyle, nMissingStyle) << nType;
    }
    EXPECT_EQ(viewed.view.nUpdates, 12);

    // null records and unknown types change nothing
    EXPECT_EQ(doc.DataCommand(CGraphDoc::dataValue, 0), 0);
    EXPECT_EQ(doc.DataCommand(5, LPARAM(&record)), 0);
    EXPECT_EQ(doc.DataCommand(256, LPARAM(&record)), 0);
    EXPECT_EQ(viewed.view.nUpdates, 12);
}

TEST(ChartDocument, WindowCommandsSetTheDisplaysWindowWithoutUpdatingTheViews)
{
    ViewedDoc viewed;
    DEDized& chart = *viewed.doc.GetChart();
    chart.AddComponent(new DEDizedBackground);
    AddValueDisplay(chart);
    DEDizedDisplay* pSecond = AddValueDisplay(chart);
    struct Case {
        int nType;
        int nValue;
        int nFirstIndex, nFirstGroup, nLastIndex, nLastGroup;
    };
    for (const Case& c : {Case{CGraphDoc::dataFirstGroup, 2, -1, 2, -1, -1}, Case{CGraphDoc::dataLastGroup, 3, -1, 2, -1, 3},
                          Case{CGraphDoc::dataFirstIndex, 4, 4, 2, -1, 3}, Case{CGraphDoc::dataLastIndex, -1, 4, 2, -1, 3},
                          Case{CGraphDoc::dataLastIndex, 9, 4, 2, 9, 3}}) {
        // display 1 (the second display; the background is no display), the value as a signed half
        EXPECT_EQ(viewed.doc.DataCommand(c.nType, MAKELONG(WORD(short(c.nValue)), 1)), 1);
        int nFirstIndex, nFirstGroup, nLastIndex, nLastGroup;
        pSecond->GetDataWindow(nFirstIndex, nFirstGroup, nLastIndex, nLastGroup);
        EXPECT_EQ(nFirstIndex, c.nFirstIndex) << c.nType;
        EXPECT_EQ(nFirstGroup, c.nFirstGroup) << c.nType;
        EXPECT_EQ(nLastIndex, c.nLastIndex) << c.nType;
        EXPECT_EQ(nLastGroup, c.nLastGroup) << c.nType;
    }
    // a display the chart does not have: nothing, still 1
    EXPECT_EQ(viewed.doc.DataCommand(CGraphDoc::dataFirstIndex, MAKELONG(3, 5)), 1);
    EXPECT_EQ(viewed.view.nUpdates, 0);
}

TEST(ChartDocument, TemplateHandOverLoadsTheBlockAndAlwaysFreesIt)
{
    CGraphDoc doc;
    doc.m_bAutoDelete = FALSE;
    HGLOBAL hBlock = TextBlock("1\t2\t3\n4\t5\t6\n", true);
    EXPECT_EQ(doc.Dispatch(SECComDoc::cmdTemplate, 0, LPARAM(hBlock)), 1);
    EXPECT_TRUE(IsFreed(hBlock));
    EXPECT_EQ(doc.GetChart()->GetGroupCount(), 2);
    EXPECT_DOUBLE_EQ(doc.GetChart()->GetValue(2, 1), 6.0);

    // a block without an end is read no further than its size
    hBlock = TextBlock("7\t8", false);
    EXPECT_EQ(doc.HandOverTemplate(0, hBlock), 1);
    EXPECT_TRUE(IsFreed(hBlock));
    EXPECT_EQ(doc.GetChart()->GetMaxItemCount(), 2);
    EXPECT_DOUBLE_EQ(doc.GetChart()->GetValue(1, 0), 8.0);

    EXPECT_EQ(doc.HandOverTemplate(0, nullptr), 1);
    EXPECT_EQ(doc.GetChart()->GetComponentList()->GetCount(), 0) << "no template id, no template";
    // a template id is read from the program's resources, then the block is loaded
    CGraphDoc templated;
    templated.m_bAutoDelete = FALSE;
    hBlock = TextBlock("9", true);
    EXPECT_EQ(templated.Dispatch(SECComDoc::cmdTemplate, 902, LPARAM(hBlock)), 1);
    EXPECT_TRUE(IsFreed(hBlock));
    EXPECT_EQ(templated.GetChart()->GetComponentList()->GetCount(), 1);
    EXPECT_DOUBLE_EQ(templated.GetChart()->GetValue(0, 0), 9.0);
    // the command document frees what it is handed
    SECComDoc plain;
    plain.m_bAutoDelete = FALSE;
    hBlock = TextBlock("1", true);
    EXPECT_EQ(plain.HandOverTemplate(0, hBlock), 0);
    EXPECT_TRUE(IsFreed(hBlock));
}

TEST(ChartDocument, TheStoredFormIsTheChartsAndOpensFromAFile)
{
    auto fill = [](DEDized& chart) {
        AddValueDisplay(chart);
        SetGroupValues(chart, 0, {0.0, 0.25, 0.5});
        chart.SetMode(3);
    };
    auto stored = [](CObject& object) {
        CMemFile memory;
        CArchive ar(&memory, CArchive::store);
        object.Serialize(ar);
        ar.Close();
        std::string bytes(size_t(memory.GetLength()), '\0');
        memory.SeekToBegin();
        memory.Read(&bytes[0], UINT(bytes.size()));
        return bytes;
    };
    CGraphDoc written;
    written.m_bAutoDelete = FALSE;
    fill(*written.GetChart());
    DEDized chart;
    fill(chart);
    const std::string bytes = stored(written);
    EXPECT_EQ(bytes, stored(chart));

    ScratchFile file("document.cht");
    {
        CFile out(file.host.c_str(), CFile::modeCreate | CFile::modeWrite);
        out.Write(bytes.data(), UINT(bytes.size()));
    }
    CGraphDoc doc;
    doc.m_bAutoDelete = FALSE;
    doc.SetModifiedFlag(TRUE);
    ASSERT_TRUE(doc.OnOpenDocument(file.windows.c_str()));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_DOUBLE_EQ(doc.GetChart()->GetValue(2, 0), 0.5);
    EXPECT_EQ(doc.GetChart()->GetMode(), 3);
    EXPECT_NE(doc.GetChart()->GetComponent(0, chartTypeDisplay), nullptr);
}

TEST(ChartDocument, AFileThatIsNoChartIsRefusedWithAMessage)
{
    CFakeServices fake;
    ScratchFile file("broken.cht");
    if (FILE* f = std::fopen(file.host.c_str(), "wb")) {
        std::fputs("not a chart", f);
        std::fclose(f);
    }
    CGraphDoc doc;
    doc.m_bAutoDelete = FALSE;
    fake.ExpectMessageBox(IDOK, "Failed to open document");
    EXPECT_FALSE(doc.OnOpenDocument(file.windows.c_str()));
    EXPECT_FALSE(doc.IsModified());
}
