// CZQApp: the application object, its start-up and its shell services (see ZQApp.h). The settings
// are read and written in ZQAppSettings.cpp.
#include "app/ZQApp.h"

#include "app/ZQAnimatedAboutDlg.h"
#include "app/ZQChartDoc.h"
#include "app/ZQChartView.h"
#include "app/ZQChildFrm.h"
#include "app/ZQGraphDoc.h"
#include "app/ZQGraphView.h"
#include "app/ZQGridDoc.h"
#include "app/ZQGridView.h"
#include "app/ZQRankingChartDoc.h"
#include "app/ZQRankingChartView.h"
#include "app/ZQResultsDoc.h"
#include "app/ZQResultsGridDoc.h"
#include "app/ZQResultsGridView.h"
#include "app/ZQResultsView.h"
#include "app/ZQSplashWnd.h"
#include "app/ZQMainFrm.h"
#include "app/ZQPaneRefill.h"
#include "app/ZQWindowsThread.h"
#include "frames/SECToolkit.h"
#include "grid/controls/GXControls.h"
#include "grid/engine/GXState.h"
#include "grid/ops/GXOperations.h"
#include "native/GraphvizRenderer.h"
#include "res/resource.h"

#include <string>
#include <vector>

#include <malloc.h>

const char* const ZQ_APP_TITLE = "Ondrix";
const char* const ZQ_UNTITLED = "untitled";

namespace {

const char* const kRegistryKey = "Havrel";
const char* const kDefaultInfoName = "INFO";
const char* const kDefaultInfoText = "Information about an alternative";
const char* const kPolishLibrary = "InternationalPL.dll";
const UINT kRecentFiles = 5;
// The allocator's fixed thresholds (bytes): blocks as large are mapped on their own, and a heap
// frees back to the system what lies free above its last block beyond as much.
const int kHeldMemoryThreshold = 4 * 1024 * 1024;

// The bytes of text (the program's 8-bit code page) in UTF-8, NUL bytes included.
std::string Utf8Of(const CString& text)
{
    const int nLength = text.GetLength();
    if (nLength == 0)
        return std::string();
    const int nWide = ::MultiByteToWideChar(CP_ACP, 0, text.GetString(), nLength, nullptr, 0);
    std::vector<WCHAR> wide(static_cast<size_t>(nWide));
    ::MultiByteToWideChar(CP_ACP, 0, text.GetString(), nLength, wide.data(), nWide);
    const int nUtf8 = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), nWide, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(nUtf8), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), nWide, &utf8[0], nUtf8, nullptr, nullptr);
    return utf8;
}

// The value of the Win32 environment variable lpszName; empty when it is unset or empty.
CString EnvironmentValue(LPCSTR lpszName)
{
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD n = ::GetEnvironmentVariableA(lpszName, buffer.data(), DWORD(buffer.size()));
        if (n < buffer.size())
            return CString(buffer.data(), int(n));
        buffer.resize(n);
    }
}

} // namespace

CZQApp* ZQGetApp()
{
    return dynamic_cast<CZQApp*>(AfxGetApp());
}

int ZQMessageBox(CWnd* pOwner, const CString& text, UINT nType)
{
    // A box without owner leaves the program's windows enabled: a click on the main window would bring
    // it over the box, hiding it, and the program would take commands while the command that asked
    // still waits for the answer. Task-modal, the box keeps every window of the thread disabled.
    if (pOwner == nullptr && (nType & MB_MODEMASK) == MB_APPLMODAL)
        nType |= MB_TASKMODAL;
    // its answer is what the user types once it shows, not what was typed while work went on
    ZQEndDroppedInput();
    return AfxGetServices()->MessageBox(pOwner != nullptr ? pOwner->m_hWnd : nullptr, text, ZQ_APP_TITLE, nType);
}

char ZQLocaleSymbol(LCID locale, LCTYPE lcType, char cFallback)
{
    char buffer[255] = {};
    if (::GetLocaleInfoA(locale, lcType, buffer, sizeof buffer) > 0 && buffer[0] != '\0')
        return buffer[0];
    return cFallback;
}

CZQApp::CZQApp()
    : m_nEvaluationsGridOpen(0), m_nGraphsOpen(0), m_nMatrixOpen(0), m_nRankingListOpen(0), m_nChartsOpen(0),
      m_nRankingChartOpen(0), m_nFunctionsEdited(0), m_nModified(0), m_nPreserveKendall(1), m_nUtilityPrecision(6),
      m_nEvaluationsPrecision(3), m_nLanguage(0), m_crChartBackground(RGB(255, 255, 255)),
      m_crChartAxis(RGB(0, 0, 0)), m_crChartLine(RGB(0, 0, 255)), m_crChartPoints(RGB(255, 0, 0)),
      m_crChartBars(RGB(0, 192, 0)), m_bRestoringConfirmation(1), m_bAddSegmentsInfo(1), m_bAddReferenceInfo(1),
      m_nResultsAvailable(0), m_pEvaluationsTemplate(nullptr), m_pGraphsTemplate(nullptr),
      m_pMatrixTemplate(nullptr), m_pChartsTemplate(nullptr), m_pRankingListTemplate(nullptr),
      m_pRankingChartTemplate(nullptr), m_strInfoAttributeName(kDefaultInfoName),
      m_strInfoAttributeText(kDefaultInfoText), m_nFocusPosition(0), m_nFileType(-1), m_strFilePath(ZQ_UNTITLED),
      m_hLanguageLibrary(nullptr), m_pRefill(nullptr), m_bRenderInBackground(false),
      m_nLongWorks(0), m_nResultWindows(0), m_bTileAsked(false), m_bMatrixFilled(false)
{
    m_cInputDecimalSymbol = m_cOutputDecimalSymbol = ZQLocaleSymbol(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, '.');
    m_cInputListSeparator = m_cOutputListSeparator = ZQLocaleSymbol(LOCALE_USER_DEFAULT, LOCALE_SLIST, ',');
    m_Project.SetShell(this);
    // The solve works on every core, each thread in a heap of its own. With the allocator's
    // thresholds left to grow, those heaps keep the top of their memory after the threads end (tens
    // of megabytes each, which no trim gives back); fixed thresholds let them shrink as they free.
    mallopt(M_MMAP_THRESHOLD, kHeldMemoryThreshold);
    mallopt(M_TRIM_THRESHOLD, kHeldMemoryThreshold);
}

CZQApp::~CZQApp()
{
    m_Project.SetShell(nullptr);
    // the graphs' template is not the document manager's
    delete m_pGraphsTemplate;
    m_pGraphsTemplate = nullptr;
    if (m_hLanguageLibrary != nullptr) {
        if (AfxGetResourceHandle() == m_hLanguageLibrary)
            AfxSetResourceHandle(nullptr);
        ::FreeLibrary(m_hLanguageLibrary);
    }
}

CString CZQApp::ProjectTitle(LPCSTR lpszPath)
{
    CString title = ZQ_APP_TITLE;
    title += " - [";
    title += lpszPath != nullptr ? lpszPath : "";
    title += "]";
    return title;
}

BOOL CZQApp::InitInstance()
{
    SECStartToolkit();
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    CZQSplashWnd::EnableSplashScreen(cmdInfo.m_bShowSplash);
    Enable3dControls();
    SetRegistryKey(kRegistryKey);
    LoadStdProfileSettings(kRecentFiles);
    LoadSettings();
    if (m_nLanguage == 1)
        LoadLanguageLibrary(kPolishLibrary);

    StartGridLibrary();

    // The six templates, all with CZQChildFrm, in this order: 269 graphs (kept by the application
    // only: the project alone opens its window), then, each added to the document manager as it is
    // made, 268 matrix, 265 evaluations grid, 264 charts, 266 ranking list, 267 ranking chart.
    m_pGraphsTemplate = new CMultiDocTemplate(IDR_ZQ_GRAPHS, RUNTIME_CLASS(CZQGraphDoc), RUNTIME_CLASS(CZQChildFrm),
                                              RUNTIME_CLASS(CZQGraphView));
    // no file-new name: the project and the View command open the matrix
    m_pMatrixTemplate = new CMultiDocTemplate(IDR_ZQ_MATRIX, RUNTIME_CLASS(CZQResultsGridDoc), RUNTIME_CLASS(CZQChildFrm),
                                              RUNTIME_CLASS(CZQResultsGridView));
    AddDocTemplate(m_pMatrixTemplate);
    // no file-new name: the View command and the project open the grid
    m_pEvaluationsTemplate = new CMultiDocTemplate(IDR_ZQ_EVALUATIONS, RUNTIME_CLASS(CZQGridDoc),
                                                   RUNTIME_CLASS(CZQChildFrm), RUNTIME_CLASS(CZQGridView));
    AddDocTemplate(m_pEvaluationsTemplate);
    // no file-new name: the View command opens the charts, one per criterion
    m_pChartsTemplate = new CZQChartTemplate(IDR_ZQ_CHARTS, RUNTIME_CLASS(CZQChartDoc), RUNTIME_CLASS(CZQChildFrm),
                                             RUNTIME_CLASS(CZQChartView));
    AddDocTemplate(m_pChartsTemplate);
    // no file-new name: nothing in the program opens a ranking list
    m_pRankingListTemplate = new CMultiDocTemplate(IDR_ZQ_RANKING_LIST, RUNTIME_CLASS(CZQResultsDoc),
                                                   RUNTIME_CLASS(CZQChildFrm), RUNTIME_CLASS(CZQResultsView));
    AddDocTemplate(m_pRankingListTemplate);
    // no file-new name: the project opens the chart after a solve
    m_pRankingChartTemplate = new CMultiDocTemplate(IDR_ZQ_RANKING_CHART, RUNTIME_CLASS(CZQRankingChartDoc),
                                                    RUNTIME_CLASS(CZQChildFrm), RUNTIME_CLASS(CZQRankingChartView));
    AddDocTemplate(m_pRankingChartTemplate);

    CFrameWnd* pMainFrame = LoadMainFrame();
    if (pMainFrame == nullptr)
        return FALSE;
    m_pMainWnd = pMainFrame;

    const BOOL bMaximized = ZQRestoreWindowPlacement(*this, *pMainFrame);
    pMainFrame->ShowWindow(bMaximized ? ZQMaximizedShowCommand(m_nCmdShow) : m_nCmdShow);
    // shown, the main window stands over everything, its splash picture too
    if (CZQSplashWnd* pSplash = CZQSplashWnd::GetSplashWnd())
        pSplash->KeepAboveOwner();

    // A project file named on the command line is opened as a recent file is, once the window shows:
    // the framework's document opening knows no project files and would end the start-up.
    CString strProjectFile;
    if (cmdInfo.m_nShellCommand == CCommandLineInfo::FileOpen) {
        strProjectFile = cmdInfo.m_strFileName;
        cmdInfo.m_nShellCommand = CCommandLineInfo::FileNew;
        cmdInfo.m_strFileName.Empty();
    }
    if (!ProcessShellCommand(cmdInfo))
        return FALSE;

    pMainFrame->UpdateWindow();
    SetProjectTitle(ZQ_UNTITLED);
    if (!strProjectFile.IsEmpty())
        OpenProjectFile(strProjectFile);
    return TRUE;
}

void CZQApp::StartGridLibrary()
{
    GridLibraryState* pState = GXGetLibraryState();
    if (pState->m_bInitialized)
        return;
    // the operations' creators must be known when the library installs its modules, and the cell
    // controls need the factory the library makes
    GXRegisterGridOperations();
    InitGridLibrary(1536, 0, 0);
    GXRegisterCellControls();
}

CFrameWnd* CZQApp::LoadMainFrame()
{
    // the frame drops FWS_ADDTOTITLE itself (CZQMainFrm::PreCreateWindow)
    CZQMainFrm* pFrame = new CZQMainFrm;
    if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE))
        return nullptr;
    return pFrame;
}

CZQMainFrm* CZQApp::GetMainFrame() const
{
    return dynamic_cast<CZQMainFrm*>(m_pMainWnd);
}

int CZQApp::ExitInstance()
{
    FinishRenderingDotToGif();
    SaveSettings();
    return CWinApp::ExitInstance();
}

void CZQApp::CloseAllDocuments(BOOL bEndSession)
{
    if (m_pGraphsTemplate != nullptr)
        m_pGraphsTemplate->CloseAllDocuments(bEndSession);
    CWinApp::CloseAllDocuments(bEndSession);
}

void CZQApp::OnAppAbout()
{
    CZQAnimatedAboutDlg dlg;
    dlg.DoModal();
}

BOOL CZQApp::LoadLanguageLibrary(LPCSTR lpszLibrary)
{
    HINSTANCE hLibrary = ::LoadLibraryA(lpszLibrary);
    if (hLibrary == nullptr)
        return FALSE;
    if (m_hLanguageLibrary != nullptr)
        ::FreeLibrary(m_hLanguageLibrary);
    m_hLanguageLibrary = hLibrary;
    AfxSetResourceHandle(hLibrary);
    return TRUE;
}

// ---- flags, settings and the information attribute -------------------------------------------------

bool CZQApp::IsEvaluationsWindowOpen()
{
    return m_nEvaluationsGridOpen != 0;
}

void CZQApp::SetResultsAvailable(int flag)
{
    m_nResultsAvailable = flag;
}

void CZQApp::SetModified(int flag)
{
    m_nModified = flag;
}

CString CZQApp::GetInfoAttributeId()
{
    return m_strInfoAttributeName;
}

CString CZQApp::GetInfoAttributeDescription()
{
    return m_strInfoAttributeText;
}

void CZQApp::SetInfoAttribute(const CString& id, const CString& description)
{
    m_strInfoAttributeName = id;
    m_strInfoAttributeText = description;
}

int CZQApp::GetAddSegmentsInfoToXml()
{
    return m_bAddSegmentsInfo;
}

int CZQApp::GetAddReferenceInfoToXml()
{
    return m_bAddReferenceInfo;
}

int CZQApp::GetResultsUtilityPrecision()
{
    return m_nUtilityPrecision;
}

int CZQApp::GetPreserveKendall()
{
    return m_nPreserveKendall;
}

void CZQApp::ResetProject()
{
    // a reader that resets the project it reads, on the thread that reads it
    if (ZQOnWorkThread())
        return ZQOnWindowsThread([this] { ResetProject(); });
    m_Project.ClearProject();
    DeleteAllAlternativeItems();
    DeleteAllCriterionItems();
    DeleteReferenceTree();
    SetStatusText(CString());
    // the open grids let their cells go, so that closing them stores nothing of the old project
    for (ZQDocument grid : {ZQDocument::EvaluationsGrid, ZQDocument::ComparisonMatrix}) {
        if (CZQAppGridView* pGrid = dynamic_cast<CZQAppGridView*>(FirstViewOf(grid))) {
            pGrid->SetRowCount(0, 2);
            pGrid->SetColCount(0, 2);
        }
    }
    // the documents of every template, in the order the result windows expect, asking nothing
    CMultiDocTemplate* const templates[] = {m_pChartsTemplate, m_pEvaluationsTemplate, m_pGraphsTemplate,
                                            m_pMatrixTemplate, m_pRankingListTemplate, m_pRankingChartTemplate};
    for (CMultiDocTemplate* pTemplate : templates) {
        if (pTemplate != nullptr)
            pTemplate->CloseAllDocuments(FALSE);
    }
    m_nChartsOpen = m_nEvaluationsGridOpen = m_nGraphsOpen = m_nMatrixOpen = 0;
    m_nRankingListOpen = m_nRankingChartOpen = 0;
    m_nModified = 0;
    m_nPreserveKendall = 1;
    m_strFilePath = ZQ_UNTITLED;
    m_nFileType = -1;
    m_strInfoAttributeName = kDefaultInfoName;
    m_strInfoAttributeText = kDefaultInfoText;
    m_nFunctionsEdited = 0;
}

// ---- document windows ----------------------------------------------------------------------------------

CMultiDocTemplate* CZQApp::TemplateOf(ZQDocument which) const
{
    switch (which) {
    case ZQDocument::EvaluationsGrid:
        return m_pEvaluationsTemplate;
    case ZQDocument::ComparisonMatrix:
        return m_pMatrixTemplate;
    case ZQDocument::RankingChart:
        return m_pRankingChartTemplate;
    case ZQDocument::PreferenceGraphs:
        return m_pGraphsTemplate;
    }
    return nullptr;
}

CView* CZQApp::FirstViewOf(ZQDocument which) const
{
    CMultiDocTemplate* pTemplate = TemplateOf(which);
    POSITION pos = pTemplate != nullptr ? pTemplate->GetFirstDocPosition() : nullptr;
    CDocument* pDocument = pos != nullptr ? pTemplate->GetNextDoc(pos) : nullptr;
    POSITION posView = pDocument != nullptr ? pDocument->GetFirstViewPosition() : nullptr;
    return posView != nullptr ? pDocument->GetNextView(posView) : nullptr;
}

bool CZQApp::HasOpenDocument(ZQDocument which)
{
    CMultiDocTemplate* pTemplate = TemplateOf(which);
    return pTemplate != nullptr && pTemplate->GetFirstDocPosition() != nullptr;
}

void CZQApp::OpenNewDocument(ZQDocument which)
{
    if (ZQOnWorkThread())
        return ZQOnWindowsThread([&] { OpenNewDocument(which); });
    CMultiDocTemplate* pTemplate = TemplateOf(which);
    CDocument* pDocument = pTemplate != nullptr ? pTemplate->OpenDocumentFile(nullptr) : nullptr;
    if (which == ZQDocument::ComparisonMatrix && m_nResultWindows > 0)
        m_bMatrixFilled = pDocument != nullptr;
}

void CZQApp::TileWindowsHorizontally()
{
    if (ZQOnWorkThread())
        return ZQOnWindowsThread([this] { TileWindowsHorizontally(); });
    if (m_nResultWindows > 0) {
        m_bTileAsked = true;
        return;
    }
    if (CMDIFrameWnd* pFrame = dynamic_cast<CMDIFrameWnd*>(m_pMainWnd))
        pFrame->MDITile(MDITILE_HORIZONTAL);
}

CZQApp::ResultWindows::ResultWindows(CZQApp& app) : m_app(app)
{
    ++m_app.m_nResultWindows;
}

CZQApp::ResultWindows::~ResultWindows()
{
    if (--m_app.m_nResultWindows > 0)
        return;
    m_app.m_bMatrixFilled = false;
    // this may run while the command's failure unwinds: a tile or page that fails here leaves the
    // windows as they stand rather than end the program
    try {
        m_app.ShowOpenedResultWindows();
    } catch (...) {
    }
}

void CZQApp::ShowOpenedResultWindows()
{
    if (m_bTileAsked) {
        m_bTileAsked = false;
        if (CMDIFrameWnd* pFrame = dynamic_cast<CMDIFrameWnd*>(m_pMainWnd))
            pFrame->MDITile(MDITILE_HORIZONTAL);
    }
    if (CZQGraphView* pView = dynamic_cast<CZQGraphView*>(FirstViewOf(ZQDocument::PreferenceGraphs))) {
        ZQRunWhilePainting([] { FinishRenderingDotToGif(); },
                           m_bRenderInBackground ? ZQWhileWorking::PaintAndTimersDroppingInput : ZQWhileWorking::Paint);
        pView->ShowWrittenPage();
    }
}

void CZQApp::PaintRefreshedResultWindow()
{
    if (IsOpeningResultWindows())
        ZQPaintWaitingWindows();
}

void CZQApp::RefreshGraphPage()
{
    if (ZQOnWorkThread())
        return ZQOnWindowsThread([this] { RefreshGraphPage(); });
    if (CZQGraphView* pView = dynamic_cast<CZQGraphView*>(FirstViewOf(ZQDocument::PreferenceGraphs)))
        pView->RefreshGraphPage();
    PaintRefreshedResultWindow();
}

void CZQApp::LoadFromModel()
{
    if (ZQOnWorkThread())
        return ZQOnWindowsThread([this] { LoadFromModel(); });
    if (CZQGridView* pView = dynamic_cast<CZQGridView*>(FirstViewOf(ZQDocument::EvaluationsGrid)))
        pView->LoadFromModel();
}

void CZQApp::StoreToModel()
{
    if (ZQOnWorkThread())
        return ZQOnWindowsThread([this] { StoreToModel(); });
    if (CZQGridView* pView = dynamic_cast<CZQGridView*>(FirstViewOf(ZQDocument::EvaluationsGrid)))
        pView->StoreToModel();
}

void CZQApp::LoadMatrix()
{
    if (ZQOnWorkThread())
        return ZQOnWindowsThread([this] { LoadMatrix(); });
    if (m_bMatrixFilled)
        m_bMatrixFilled = false;
    else if (CZQResultsGridView* pView = dynamic_cast<CZQResultsGridView*>(FirstViewOf(ZQDocument::ComparisonMatrix)))
        pView->LoadMatrix();
    PaintRefreshedResultWindow();
}

void CZQApp::RedrawRankingChart()
{
    if (ZQOnWorkThread())
        return ZQOnWindowsThread([this] { RedrawRankingChart(); });
    if (CZQRankingChartView* pView = dynamic_cast<CZQRankingChartView*>(FirstViewOf(ZQDocument::RankingChart)))
        pView->Redraw();
    PaintRefreshedResultWindow();
}

// ---- main frame, messages, cursor, environment ---------------------------------------------------------

void CZQApp::SetStatusText(const CString& text)
{
    if (CZQMainFrm* pFrame = GetMainFrame())
        pFrame->SetStatusText(text);
}

int CZQApp::ShowMessage(const CString& text, const CString& caption, unsigned style)
{
    if (ZQOnWorkThread()) {
        int nAnswer = 0;
        ZQOnWindowsThread([&] { nAnswer = ShowMessage(text, caption, style); });
        return nAnswer;
    }
    // the windows that have opened stand and show as they will while the message shows
    ShowOpenedResultWindows();
    // its answer is what the user types once it shows, not what was typed while the work went on
    ZQEndDroppedInput();
    CWnd* pOwner = CWnd::GetSafeOwner(nullptr);
    return AfxGetServices()->MessageBox(pOwner != nullptr ? pOwner->m_hWnd : nullptr, text, caption, style);
}

CString CZQApp::LoadText(ZQText which)
{
    UINT nID = 0;
    switch (which) {
    case ZQText::Gain:
        nID = IDS_ZQ_GAIN;
        break;
    case ZQText::Cost:
        nID = IDS_ZQ_COST;
        break;
    case ZQText::Ordinal:
        nID = IDS_ZQ_ORDINAL;
        break;
    case ZQText::IncorrectInputData:
        nID = IDS_ZQ_INCORRECT_INPUT_DATA;
        break;
    case ZQText::CantWriteFile:
        nID = IDS_ZQ_CANT_WRITE_FILE;
        break;
    }
    CString text;
    AfxLoadString(nID, text);
    return text;
}

void CZQApp::BeginWaitCursor()
{
    if (ZQOnWorkThread())
        return ZQOnWindowsThread([this] { BeginWaitCursor(); });
    DoWaitCursor(1);
}

void CZQApp::EndWaitCursor()
{
    if (ZQOnWorkThread())
        return ZQOnWindowsThread([this] { EndWaitCursor(); });
    DoWaitCursor(-1);
}

CString CZQApp::GetTempDirectory()
{
    const CString temp = EnvironmentValue("TEMP");
    if (!temp.IsEmpty())
        return temp;
    char buffer[MAX_PATH + 1] = {};
    const DWORD n = ::GetTempPathA(sizeof buffer, buffer);
    if (n == 0 || n >= sizeof buffer)
        return CString();
    CString directory(buffer, int(n));
    // the model adds the backslash before a file name
    if (directory.GetLength() > 1 && directory[directory.GetLength() - 1] == '\\')
        directory = directory.Left(directory.GetLength() - 1);
    return directory;
}

int CZQApp::RenderDotToGif(const CString& dot, const CString& path)
{
    // the model builds the path from the temporary folder, in the code page
    CString hostPath;
    if (!AfxGetHostPath(AfxPathFromCodePage(path), hostPath))
        return GRAPH_RENDER_NOT_SAVED;
    const std::string host(hostPath.GetString(), size_t(hostPath.GetLength()));
    if (m_bRenderInBackground) {
        StartRenderDotToGifFile(Utf8Of(dot), host);
        return GRAPH_RENDER_OK;
    }
    return RenderDotToGifFile(Utf8Of(dot), host);
}

void CZQApp::RunLongWork(const std::function<void()>& work)
{
    ++m_nLongWorks;
    // a solve command's input is dropped from here to its end
    if (m_bRenderInBackground && !m_pSolveInputDropped)
        m_pSolveInputDropped.reset(new CZQDroppedInput);
    ZQRunWhilePainting(work, ZQWhileWorking::PaintAndTimersDroppingInput);
}
