// SRGWizSheet: the chart wizard. It builds a new chart or restyles an existing one on a chart of its
// own (the working chart), shows that chart live in a preview (SRGWizView) to the right of its pages,
// and after OK the caller copies the working chart's components and styles back into its chart
// (CopyBack).
//
// Modes. For a chart without components it runs as a wizard: the layout page (a choice of layouts,
// kept in the custom resource "LAYOUT" of type "GRAPHTYPE" or a file of that name), the standard chart
// page (a graph type) and the finish page, walked with its own Next and Back buttons, without tabs, OK
// or Apply; OK before the finish page cancels. The finish page's Next (or a chart with components from
// the start) makes it a sheet of four pages, main, fill, font and advanced, whose caption cycles
// through hints every three seconds ("Chart Wizard: " and the strings IDS_WIZ_HINT_FIRST..., one
// counter for every sheet of the process).
//
// Data. The working chart gets the caller's data when the caller asks for it and the data can be
// copied (a chart that is not dynamic and has no dynamic group); otherwise sample data: 4 groups of 10
// values from the C library's generator, each below 150, each item annotated " (index, group) ".
//
// The pages share a current component (an index into their component combos, -1 for none): choosing
// one in a combo makes it current and every page loads from it; a page's change is stored into it
// (kStoreMessage, Apply, OK) and the preview repainted. The advanced page adds, deletes and reorders
// components and sets the preview's grid, snapping, live redraw and fixed size.
//
// Names. Each component is listed under a display name: its own (trimmed) when no listed component
// has it yet; else, and for a nameless one, a base (its name, or for a nameless one the name of its
// kind, which it then keeps) with "_" and the next suffix of the sheet: A to Z, then AZ, BZ ... ZZ,
// AZZ ...
//
// Graph types. The main page's graph-type combo lists "GRAPH_TYPES" (a code, the key word that names
// the code list of its second codes, a name); choosing a type asks first for stock bars, candlesticks
// (IDS_WIZ_ASK_STOCK) and stock ticks (IDS_WIZ_ASK_TICKS), where No takes steps (0x24) instead; the
// vector types give every item of each full block of four groups the line ends "TAILA|ARROWA". The
// second code is the display's axis type.
#pragma once

#include "chart/views/dialogs/WizardPages.h"
#include "chart/views/dialogs/WizardTexts.h"
#include "win/Win.h"

#include <windows.h>

#include <memory>
#include <vector>

class DEDized;
class DEDizedComponent;
class SRGDisplayBase;
class SRGWizView;

class SRGWizSheet : public CPropertySheet {
    DECLARE_DYNAMIC(SRGWizSheet)
    DECLARE_MESSAGE_MAP()
public:
    // The pages' messages to the sheet (see the top of this file and WizardPages.h).
    static constexpr UINT kLoadMessage = 0x407;      // the current component changed: every page loads
    static constexpr UINT kStoreMessage = 0x408;     // store the active page, repaint
    static constexpr UINT kGraphTypeMessage = 0x40B; // the graph type was chosen
    static constexpr UINT kSecondCodeMessage = 0x40C; // the second code was chosen
    static constexpr UINT kRenameMessage = 0x40D;    // LPARAM: the new name of the current component
    // The preview's width in pixels beside the pages.
    static constexpr int kPreviewWidth = 400;
    // The hint timer's period.
    static constexpr UINT kHintPeriod = 3000;
    // The captions after the wizard's finish page and on it, the start of each hint, and the line ends
    // of the vector types.
    static const char kFinishedCaption[];
    static const char kFurtherSettingCaption[];
    static const char kHintPrefix[];
    static const char kTailArrow[];

    // pChart: the caller's chart (not owned, not null). lpszCaption: the caption (the view gives
    // IDS_CHART_WIZARD_CAPTION). nWidth, nHeight: the preview's size in pixels, 0 for the size of its
    // window. bKeepData: copy the caller's data rather than use sample data.
    SRGWizSheet(DEDized* pChart, LPCSTR lpszCaption, CWnd* pParentWnd, UINT iSelectPage, int nWidth, int nHeight,
                BOOL bKeepData);
    ~SRGWizSheet() override;

    BOOL OnInitDialog() override;

    // ---- charts ------------------------------------------------------------------------------------
    DEDized* GetChart() const { return m_pChart; }
    DEDized* GetWorkingChart() const { return m_pWorking; }
    // Copies pFrom into pTo through a memory archive: with data the whole chart (pTo is reset first),
    // without it only the components and the chart's style (pTo's components are removed first). Every
    // component of pTo is then attached to pTo.
    static void CopyChart(DEDized* pFrom, DEDized* pTo, BOOL bWithData);
    // The working chart's components and styles into the caller's chart.
    void CopyBack();
    // Whether the caller's data is used (decided when the sheet starts).
    BOOL IsKeepingData() const { return m_bKeepData; }

    // ---- the current component ---------------------------------------------------------------------
    DEDizedComponent* GetCurrentComponent() const;
    int GetCurrentIndex() const { return m_nCurrent; }
    // Makes entry nIndex of the component combos current and loads every page from it.
    void SetCurrentIndex(int nIndex);
    // Stores the active page (main, fill or font) into the current component and repaints the preview.
    void StoreActivePage();
    // Loads every page shown from the current component.
    void LoadPages();
    // Whether the pages edit pComponent: main and fill always, font except for a background.
    virtual BOOL IsMainPageEnabled(DEDizedComponent* pComponent);
    virtual BOOL IsFillPageEnabled(DEDizedComponent* pComponent);
    virtual BOOL IsFontPageEnabled(DEDizedComponent* pComponent);

    // ---- components --------------------------------------------------------------------------------
    // The display name of pComponent (see the top of this file).
    CString MakeDisplayName(DEDizedComponent* pComponent);
    // Advances the name suffix and returns it.
    CString NextSuffix();
    // Appends pComponent (owned then by the working chart) in pixels at (10, 10) to half the preview's
    // size, named lpszName + "_" + the next suffix, and lists it (selected when it is the only one).
    void AddWizardComponent(LPCSTR lpszName, DEDizedComponent* pComponent);
    // Asks, then adds a component of the kind chosen on the advanced page.
    void AddChosenComponent();
    // Asks, then deletes the component selected on the advanced page.
    void DeleteSelectedComponent();
    // Moves the component at list position a to b (to the end when b is the list's last position, else
    // before the component that was at b) in the working chart and in the combos.
    void MoveComponent(int a, int b);
    // Renames the current component's entries in the combos and the advanced page's list.
    void RenameCurrent(LPCSTR lpszName);

    // ---- graph types -------------------------------------------------------------------------------
    // Applies graph type nCode to pDisplay (see the top of this file); returns the code applied.
    virtual int ApplyGraphType(SRGDisplayBase* pDisplay, int nCode);
    // Stores second code nCode into pDisplay (codes 0x00 to 0x1b).
    virtual void ApplySecondCode(SRGDisplayBase* pDisplay, int nCode);
    // Gives every item of each full block of four groups the line ends "TAILA|ARROWA" (bSet) or, without
    // bSet, every item of every group no line ends.
    void SetVectorEnds(BOOL bSet);
    // Fills pCombo with the second codes of graph type nGraphType (its key word's code list).
    void LoadSecondCodes(CComboBox* pCombo, int nGraphType);
    // The graph types of "GRAPH_TYPES" (read once).
    const std::vector<WizCode>& GetGraphTypes();
    // Fills pCombo with the code list lpszName of type lpszType: names with their codes as data.
    // Nothing (an empty combo) when there is no such list.
    void LoadCodeList(CComboBox* pCombo, LPCSTR lpszName, LPCSTR lpszType);
    // Reads the layouts of resource (or file) lpszName of type lpszType (a shown layout page shows them
    // from the first); a file that cannot be read raises CFileException.
    void LoadLayouts(LPCSTR lpszName, LPCSTR lpszType);
    const std::vector<WizLayout>& GetLayouts() const { return m_layouts; }
    // The graph type displays made from layouts get (the standard chart page's choice).
    int GetChosenGraphType() const { return m_nChosenGraphType; }
    void SetChosenGraphType(int nType) { m_nChosenGraphType = nType; }

    // ---- the preview -------------------------------------------------------------------------------
    SRGWizView* GetPreview() const { return m_pPreview; }
    // The preview's size in pixels, as SizePreview set it.
    CSize GetPreviewSize() const;
    // Gives the preview's scroll area and the working chart's drawing rectangle the preview's size
    // (bFixed: the sheet's preview size) and repaints it.
    void SizePreview(BOOL bFixed);
    void RepaintPreview();
    // The preview's grid, snapping and live redraw (set on the advanced page).
    int m_bGrid;
    int m_bSnap;
    int m_bLiveRedraw;
    int m_nGridStep;

    // ---- modes -------------------------------------------------------------------------------------
    BOOL IsWizardMode() const { return m_bWizardMode; }
    // Fills the four pages from the working chart (see the top of this file); FALSE when a page could
    // not be made.
    BOOL FillPages();
    // The wizard's steps (Next and Back).
    void OnNext();
    void OnBack();
    // The hint counter every sheet shares (tests start it anew).
    static void ResetHintCounter();

    // The pages.
    CMainPage m_mainPage;
    CFillStyle m_fillPage;
    CFontStyle m_fontPage;
    CAdvancedPage m_advancedPage;
    CLayoutPage* GetLayoutPage() const { return m_pLayoutPage.get(); }
    CStandardChartPage* GetStandardPage() const { return m_pStandardPage.get(); }
    CFinishPage* GetFinishPage() const { return m_pFinishPage.get(); }

protected:
    // Makes the working chart: base, a chart of its default construction.
    virtual DEDized* MakeWorkingChart();
    // Stores the values of page nPage (0 main, 1 fill, 2 font) into pComponent.
    virtual void StorePage(int nPage, DEDizedComponent* pComponent);
    // The tooltips of the four pages' controls.
    virtual void AddTooltips();
    // The hooks of codes the sheet does not apply: a graph type above 0x32, a second code above 0x1b.
    virtual void ApplyOtherGraphType(SRGDisplayBase* pDisplay, int nCode);
    virtual void ApplyOtherSecondCode(SRGDisplayBase* pDisplay, int nCode);

    // The three component combos of the main, fill and font pages.
    SRGComboBox* ComponentCombos(int n);
    // Lists pComponent under lpszName in the combos and before the advanced list's end mark.
    void ListComponent(LPCSTR lpszName, DEDizedComponent* pComponent);
    // Makes the preview and its frame beside the pages.
    void MakePreview(int nOldWidth, int nHeight);
    // Fills the working chart with sample data.
    void FillSampleData();
    // Puts pNew in the sheet, active, and takes out pOld.
    void SwapPage(CPropertyPage* pNew, CPropertyPage* pOld);
    // Texts of the wizard's buttons.
    void SetButtonText(int nID, UINT nIDS, LPCSTR lpszAfter);
    // Removes the four property pages / adds them back.
    void RemovePropertyPages();
    void AddPropertyPages();

    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    afx_msg void OnOK();
    afx_msg void OnApplyNow();
    afx_msg LRESULT OnLoadMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnStoreMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGraphTypeMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSecondCodeMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRenameMessage(WPARAM wParam, LPARAM lParam);

    DEDized* m_pChart;                 // the caller's
    DEDized* m_pWorking;               // owned
    SRGWizView* m_pPreview;            // owned
    CStatic m_previewFrame;
    CSize m_previewSize;               // the caller's; 0: the preview window's
    CSize m_previewPixels;             // the size the preview has
    BOOL m_bKeepData;
    BOOL m_bWizardMode;                // the wizard's pages are shown, not the four
    CButton m_nextButton;
    CButton m_backButton;
    SRGToolTipCtrl m_toolTip;
    UINT_PTR m_nHintTimer;             // 0: not started
    std::vector<WizLayout> m_layouts;
    std::vector<WizCode> m_graphTypes;
    BOOL m_bGraphTypesRead;
    CString m_strSuffix;
    int m_nCurrent;
    int m_nChosenGraphType;
    std::unique_ptr<CLayoutPage> m_pLayoutPage;
    std::unique_ptr<CStandardChartPage> m_pStandardPage;
    std::unique_ptr<CFinishPage> m_pFinishPage;

    static int s_nHint;
};
