// CZQApp's commands: the project files, the save question, solving, the options, the result windows'
// View commands and the focus cycle (see ZQApp.h).
#include "app/ZQApp.h"

#include "app/ZQChartDoc.h"
#include "app/ZQDockingWndRef.h"
#include "app/ZQOptDlg.h"
#include "app/ZQPaneRefill.h"
#include "app/ZQWindowsThread.h"
#include "model/solve/Solver.h"
#include "native/GraphvizRenderer.h"
#include "res/resource.h"

#include <functional>

#include <malloc.h>

namespace {

// The project file types by extension, compared in this order.
const struct {
    const char* extension;
    int type;
} kProjectExtensions[] = {{"CSV", ZQ_FILE_CSV}, {"ZEX", ZQ_FILE_XML}, {"ZEK", ZQ_FILE_ZEK}};

// The file dialogs' filters, English and Polish (Windows-1250: "\xb3" is the l with stroke).
const char* const kOpenFilters[] = {
    "All supported files|*.zex;*.csv;*.zek|Ondrix XML files (*.zex)|*.zex|MS Excel CSV files (*.csv)|*.csv|"
    "ZEK+ Files (*.zek)|*.zek||",
    "Wszystkie obs\xb3ugiwane pliki|*.zex;*.csv;*.zek|Pliki Ondrix XML (*.zex)|*.zex|"
    "Pliki MS Excel CSV (*.csv)|*.csv|Pliki ZEK+ (*.zek)|*.zek||"};
const char* const kSaveFilters[] = {
    "Ondrix XML Files (*.zex)|*.zex|Excel CSV Files (*.csv)|*.csv|ZEK+ Files (*.zek)|*.zek||",
    "Pliki Ondrix XML (*.zex)|*.zex|Pliki Excel CSV (*.csv)|*.csv|Pliki ZEK+ (*.zek)|*.zek||"};
const char* const kResultsFilters[] = {"Text file (*.txt)|*.txt||", "Plik tekstowy (*.txt)|*.txt||"};

// The project file type of the extension ext (any case); -1 for another.
int ProjectFileType(CString ext)
{
    ext.MakeUpper();
    for (const auto& known : kProjectExtensions) {
        if (ext == known.extension)
            return known.type;
    }
    return -1;
}

// Closes every document of pTemplate (none: nothing), asking nothing.
void CloseDocumentsOf(CMultiDocTemplate* pTemplate)
{
    if (pTemplate != nullptr)
        pTemplate->CloseAllDocuments(FALSE);
}

} // namespace

BEGIN_MESSAGE_MAP(CZQApp, CWinApp)
    ON_COMMAND(ID_ZQ_NEW, OnNew)
    ON_COMMAND(ID_FILE_OPEN, OnOpen)
    ON_COMMAND(ID_ZQ_SAVE, OnSave)
    ON_UPDATE_COMMAND_UI(ID_ZQ_SAVE, OnUpdateSave)
    ON_COMMAND(ID_ZQ_SAVE_AS, OnSaveAs)
    ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, OnOpenRecentFile)
    ON_COMMAND(ID_ZQ_SAVE_RESULTS_AS, OnSaveResultsAs)
    ON_UPDATE_COMMAND_UI(ID_ZQ_SAVE_RESULTS_AS, OnUpdateSaveResultsAs)
    ON_COMMAND(ID_ZQ_SOLVE, OnSolve)
    ON_UPDATE_COMMAND_UI(ID_ZQ_SOLVE, OnUpdateSolve)
    ON_UPDATE_COMMAND_UI(ID_ZQ_PRESERVE_KENDALL, OnUpdatePreserveKendall)
    ON_COMMAND(ID_ZQ_OPTIONS, OnOptions)
    ON_COMMAND(ID_ZQ_VIEW_EVALUATIONS, OnToggleEvaluations)
    ON_UPDATE_COMMAND_UI(ID_ZQ_VIEW_EVALUATIONS, OnUpdateToggleEvaluations)
    ON_COMMAND(ID_ZQ_VIEW_MATRIX, OnToggleMatrix)
    ON_UPDATE_COMMAND_UI(ID_ZQ_VIEW_MATRIX, OnUpdateToggleMatrix)
    ON_COMMAND(ID_ZQ_VIEW_GRAPHS, OnToggleGraphs)
    ON_UPDATE_COMMAND_UI(ID_ZQ_VIEW_GRAPHS, OnUpdateToggleGraphs)
    ON_COMMAND(ID_ZQ_VIEW_CHARTS, OnToggleCharts)
    ON_UPDATE_COMMAND_UI(ID_ZQ_VIEW_CHARTS, OnUpdateToggleCharts)
    ON_COMMAND(ID_ZQ_FOCUS_NEXT, OnFocusNext)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
END_MESSAGE_MAP()

// ---- the save question and project files ------------------------------------------------------------

BOOL CZQApp::AskToSaveProject()
{
    if (m_nModified == 0 || (GetAlternativeItemCount() == 0 && GetCriterionItemCount() == 0))
        return TRUE;
    // the message is 8-bit text: the name shows as the code page can show it
    const CString text = "Do you want to save file '" + AfxPathForDisplay(m_strFilePath) + "'?";
    switch (ZQMessageBox(nullptr, text, MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        // a save that did not happen must not let the project go
        return SaveProjectFile();
    case IDNO:
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CZQApp::SaveAllModified()
{
    return AskToSaveProject();
}

BOOL CZQApp::ReadProjectFile(const CString& path, const CString& ext)
{
    const int nType = ProjectFileType(ext);
    // keys, clicks and commands made from the read's start until the windows show the project are
    // dropped: none of them acts on a project half read, or later on the project read (a warning
    // ends this earlier: its answer is typed once it shows)
    const CZQDroppedInput dropped;
    CString hostPath;
    if (nType < 0 || !AfxGetHostPath(path, hostPath) || ReadProject(hostPath, nType) == 0) {
        WarnAboutFile(IDS_ZQ_CANT_READ_FILE);
        // the project is empty now, whatever the title said before
        SetProjectTitle(ZQ_UNTITLED);
        return FALSE;
    }
    m_Project.RefreshEvaluationsGrid();
    TakeProjectFile(path, nType);
    // the tree was filled rank by rank, each alternative selected as it came: it shows the first rank
    if (CZQDockingWndRef* pReference = GetReferencePane())
        pReference->ShowFirstRank();
    return TRUE;
}

int CZQApp::ReadProject(const CString& hostPath, int nType)
{
    CWaitCursor wait;
    // the window shows, painted, before a large file keeps the program busy
    ZQPaintWaitingWindows();
    auto read = [&] { return m_Project.OpenProject(hostPath, nType, m_cInputDecimalSymbol, m_cInputListSeparator); };
    const std::unique_ptr<CZQPaneRefill> refill = CZQPaneRefill::Begin(*this);
    if (!refill)
        return read(); // the panes' services go to the windows, on this thread
    int nRead = 0;
    m_pRefill = refill.get();
    try {
        ZQRunWhilePainting([&] { nRead = read(); }, ZQWhileWorking::PaintAndTimersDroppingInput);
    } catch (...) {
        // what was put into the panes before the failure shows, as it would have
        m_pRefill = nullptr;
        refill->Finish();
        throw;
    }
    m_pRefill = nullptr;
    refill->Finish();
    return nRead;
}

int CZQApp::OpenProjectFile(LPCSTR lpszPath)
{
    const CString path = lpszPath != nullptr ? lpszPath : "";
    const int nDot = path.ReverseFind('.');
    const CString ext = nDot >= 0 ? path.Mid(nDot + 1) : CString();
    if (!AskToSaveProject())
        return 1;
    ResetProject();
    return ReadProjectFile(path, ext) ? 1 : 0;
}

BOOL CZQApp::SaveProjectTo(const CString& path, int nType)
{
    CString hostPath;
    if (!AfxGetHostPath(path, hostPath)) {
        WarnAboutFile(IDS_ZQ_CANT_WRITE_FILE);
        return FALSE;
    }
    // written on a thread of its own, the windows painted meanwhile and the input made meanwhile
    // dropped, as a read is (the warning of a write that fails shows on the windows' thread)
    CWaitCursor wait;
    int nSaved = 0;
    ZQRunWhilePainting(
        [&] { nSaved = m_Project.SaveProjectOrWarn(hostPath, nType, m_cOutputDecimalSymbol, m_cOutputListSeparator); },
        ZQWhileWorking::PaintAndTimersDroppingInput);
    return nSaved != 0;
}

BOOL CZQApp::SaveProjectFile()
{
    if ((!m_strFilePath.IsEmpty() && m_strFilePath != ZQ_UNTITLED) || m_nFileType != -1)
        return SaveProjectTo(m_strFilePath, m_nFileType);
    return SaveProjectUnderNewName();
}

BOOL CZQApp::SaveProjectUnderNewName()
{
    const bool bUntitled = m_strFilePath.IsEmpty() || m_strFilePath == ZQ_UNTITLED;
    // "zex": a name typed without an extension is saved as a project XML file
    CFileDialog dialog(FALSE, "zex", bUntitled ? ZQ_UNTITLED : nullptr, 0, kSaveFilters[m_nLanguage == 1]);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    const CString path = dialog.GetPathName();
    const int nType = ProjectFileType(dialog.GetFileExt());
    if (nType < 0) {
        WarnAboutFile(IDS_ZQ_CANT_WRITE_FILE);
        return FALSE;
    }
    const BOOL bSaved = SaveProjectTo(path, nType);
    // saved or not, the project is now that file's
    TakeProjectFile(path, nType);
    return bSaved;
}

void CZQApp::TakeProjectFile(const CString& path, int nType)
{
    m_nFileType = nType;
    m_strFilePath = path;
    SetProjectTitle(path);
    AddToRecentFileList(path);
}

void CZQApp::SetProjectTitle(LPCSTR lpszPath)
{
    // the title shows the file's name with every letter, whatever the code page
    if (m_pMainWnd != nullptr && m_pMainWnd->m_hWnd != nullptr)
        AfxSetWindowPathText(m_pMainWnd->m_hWnd, ProjectTitle(lpszPath));
}

void CZQApp::WarnAboutFile(UINT nIDText)
{
    CString text;
    AfxLoadString(nIDText, text);
    ZQMessageBox(nullptr, text, MB_OK | MB_ICONWARNING);
}

bool CZQApp::HoldsValueFunctions() const
{
    return !m_Project.ValueFunctions.empty();
}

// ---- File ---------------------------------------------------------------------------------------------

void CZQApp::OnNew()
{
    if (!AskToSaveProject())
        return;
    ResetProject();
    SetProjectTitle(ZQ_UNTITLED);
}

void CZQApp::OnOpen()
{
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, kOpenFilters[m_nLanguage == 1]);
    if (dialog.DoModal() != IDOK || !AskToSaveProject())
        return;
    ResetProject();
    ReadProjectFile(dialog.GetPathName(), dialog.GetFileExt());
}

void CZQApp::OnSave()
{
    SaveProjectFile();
}

void CZQApp::OnSaveAs()
{
    SaveProjectUnderNewName();
}

BOOL CZQApp::OnOpenRecentFile(UINT nID)
{
    const int nIndex = int(nID - ID_FILE_MRU_FILE1);
    if (m_pRecentFileList == nullptr || nIndex < 0 || nIndex >= m_pRecentFileList->GetCount())
        return FALSE;
    const CString path = (*m_pRecentFileList)[nIndex];
    if (OpenProjectFile(path) == 0)
        m_pRecentFileList->Remove(nIndex);
    return TRUE;
}

void CZQApp::OnSaveResultsAs()
{
    CFileDialog dialog(FALSE, "TXT", "Results.txt", 0, kResultsFilters[m_nLanguage == 1]);
    if (dialog.DoModal() != IDOK)
        return;
    CString hostPath;
    if (!AfxGetHostPath(dialog.GetPathName(), hostPath) ||
        m_Project.WriteResultsText(hostPath, m_cOutputDecimalSymbol) == 0)
        WarnAboutFile(IDS_ZQ_CANT_WRITE_FILE);
}

// ---- Calculate -------------------------------------------------------------------------------------

void CZQApp::OnSolve()
{
    SolveRenderingInBackground([this] { m_Project.SolveProblem(); });
}

void CZQApp::AutoSolve()
{
    SolveRenderingInBackground([this] { m_Project.AutoSolve(); });
}

void CZQApp::SolveRenderingInBackground(const std::function<void()>& solve)
{
    // the span RunLongWork opens ends with the command, however it ends
    struct EndInputDropped {
        std::unique_ptr<CZQDroppedInput>& span;
        ~EndInputDropped() { span.reset(); }
    } const endInputDropped = {m_pSolveInputDropped};
    m_bRenderInBackground = true;
    const int nLongWorks = m_nLongWorks;
    try {
        const ResultWindows windows(*this);
        solve();
    } catch (...) {
        m_bRenderInBackground = false;
        FinishRenderingDotToGif();
        throw;
    }
    m_bRenderInBackground = false;
    // the images are written when the command ends, whoever reads them next; what the user did while
    // the solve went on is not carried out after it
    if (m_nLongWorks != nLongWorks)
        ZQRunWhilePainting([] { FinishRenderingDotToGif(); }, ZQWhileWorking::PaintAndTimersDroppingInput);
    else
        FinishRenderingDotToGif();
    RefillValueCharts();
    // the solve's working memory, freed by the threads that solved, goes back to the system
    malloc_trim(0);
}

void CZQApp::OnOptions()
{
    CZQOptDlg dialog;
    dialog.m_dDelta = m_Project.DeltaThreshold;
    dialog.m_dEpsilon = m_Project.EpsilonThreshold;
    if (dialog.DoModal() != IDOK)
        return;
    m_Project.DeltaThreshold = dialog.m_dDelta;
    m_Project.EpsilonThreshold = dialog.m_dEpsilon;
}

// ---- View ---------------------------------------------------------------------------------------------

void CZQApp::OnToggleEvaluations()
{
    if (m_nEvaluationsGridOpen != 0)
        CloseDocumentsOf(m_pEvaluationsTemplate);
    else
        m_Project.OpenEvaluationsWindow();
}

void CZQApp::OnToggleMatrix()
{
    if (m_nMatrixOpen != 0) {
        CloseDocumentsOf(m_pMatrixTemplate);
        m_nMatrixOpen = 0;
    } else {
        const ResultWindows windows(*this);
        m_Project.OpenComparisonMatrixWindow();
        m_Project.RefreshComparisonMatrixWindow();
        m_nMatrixOpen = 1;
    }
}

void CZQApp::OnToggleGraphs()
{
    if (m_nGraphsOpen != 0) {
        CloseDocumentsOf(m_pGraphsTemplate);
    } else {
        const ResultWindows windows(*this);
        m_Project.OpenGraphsWindow();
        m_Project.RefreshGraphsWindow();
    }
}

void CZQApp::OnToggleCharts()
{
    if (m_nChartsOpen != 0) {
        CloseDocumentsOf(m_pChartsTemplate);
        return;
    }
    const Solver* pSolver = m_Project.ProjectSolver.get();
    if (m_pChartsTemplate == nullptr || pSolver == nullptr)
        return;
    for (size_t k = 0; k < pSolver->model.criteria.size(); ++k) {
        const CString title = ProjectCell(ProjectRow(m_Project.CriteriaTable, k), 0);
        if (CZQChartDoc* pChart = m_pChartsTemplate->OpenChart(int(k), title))
            pChart->ShowValueFunction();
    }
    TileWindowsHorizontally();
}

void CZQApp::RefillValueCharts()
{
    if (m_pChartsTemplate == nullptr)
        return;
    for (POSITION pos = m_pChartsTemplate->GetFirstDocPosition(); pos != nullptr;) {
        if (CZQChartDoc* pChart = dynamic_cast<CZQChartDoc*>(m_pChartsTemplate->GetNextDoc(pos)))
            pChart->ShowValueFunction();
    }
}

void CZQApp::UpdateChartsOpen(CDocument* pLeaving)
{
    m_nChartsOpen = 0;
    if (m_pChartsTemplate == nullptr)
        return;
    for (POSITION pos = m_pChartsTemplate->GetFirstDocPosition(); pos != nullptr;) {
        if (m_pChartsTemplate->GetNextDoc(pos) != pLeaving)
            m_nChartsOpen = 1;
    }
}

void CZQApp::OnFocusNext()
{
    if (CWnd* pControl = GetFocusCycleControl(m_nFocusPosition))
        pControl->SetFocus();
    const bool bLast = m_nFocusPosition >= 4 || (m_nFocusPosition == 3 && !HasOpenDocument(ZQDocument::EvaluationsGrid));
    m_nFocusPosition = bLast ? 0 : m_nFocusPosition + 1;
}

// ---- update rules ------------------------------------------------------------------------------------

void CZQApp::OnUpdateSave(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nModified != 0);
}

void CZQApp::OnUpdateSaveResultsAs(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(HoldsValueFunctions());
}

void CZQApp::OnUpdateSolve(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_Project.CanSolve());
}

void CZQApp::OnUpdatePreserveKendall(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_nPreserveKendall != 0 ? 1 : 0);
}

void CZQApp::OnUpdateToggleEvaluations(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_nEvaluationsGridOpen != 0 ? 1 : 0);
}

void CZQApp::OnUpdateToggleMatrix(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(HoldsValueFunctions());
    pCmdUI->SetCheck(m_nMatrixOpen != 0 ? 1 : 0);
}

void CZQApp::OnUpdateToggleGraphs(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(HoldsValueFunctions());
    pCmdUI->SetCheck(m_nGraphsOpen != 0 ? 1 : 0);
}

void CZQApp::OnUpdateToggleCharts(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(HoldsValueFunctions());
    pCmdUI->SetCheck(m_nChartsOpen != 0 ? 1 : 0);
}
