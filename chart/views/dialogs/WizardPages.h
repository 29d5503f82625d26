// The pages of the chart wizard (SRGWizSheet) and the layout thumbnails. Every page acts on the sheet's
// working chart.
//
// Every change of a control (EN_CHANGE, CBN_SELCHANGE) marks its page modified (not while the page
// loads itself); every click of a button runs UpdateData and has the sheet store the active page into
// the current component and repaint the preview (SRGWizSheet::kStoreMessage), after what the button
// does itself.
//
// The main, fill and font pages (CComponentPage) each show the component combo (IDC_WIZ_COMPONENT):
// choosing there makes the component current and every page loads from it; editing its text renames
// the current component; becoming active selects the current component there. Each loads its controls
// from a component and stores them back, and enables or disables its controls as the sheet says the
// component takes them.
// - CMainPage: placement, border and shadow, and a sub-panel by kind (CGenDialog): the display's graph
//   type, second code (axis type) and switches, the title's text, the legend's entries, key and grid,
//   the text panel's heading and body. The data window shows for displays and legends only.
// - CFillStyle: the fill (none, solid, the three gradients, a bitmap resource, an image file), its two
//   colours, the gradient's angle, the image's placement; for a text panel, the style of the body or of
//   the heading.
// - CFontStyle: face, size, bold, italic, underline, strike-out, automatic size, the look and the
//   colour of a text; for a text panel, of the heading or the body.
// CAdvancedPage: adding, deleting and reordering components (its drag list, SRGDragListBox), and the
// preview's fixed size, live redraw, grid and snapping.
// CLayoutPage: six layouts at a time as thumbnails (SRGStatic); a click applies one to the working
// chart; four colour buttons colour the layouts' components.
// CStandardChartPage: the graph types; choosing one sets it on the working chart's first display.
// CFinishPage: a closing text.
#pragma once

#include "chart/views/dialogs/CGenDialog.h"
#include "chart/views/dialogs/SRGComboBox.h"
#include "chart/views/dialogs/SRSwatchButton.h"
#include "chart/views/dialogs/WizardControls.h"
#include "chart/views/dialogs/WizardTexts.h"
#include "win/Win.h"

#include <windows.h>

#include <initializer_list>
#include <memory>

class DEDized;
class DEDizedComponent;
class DEDizedStyle;
class SRGWizSheet;

// The colours of a layout's components: background, title, display, legend.
struct WizLayoutColours {
    COLORREF crBackground = 0x007D7D;
    COLORREF crTitle = 0x4080FF;
    COLORREF crDisplay = 0xD3EDEB;
    COLORREF crLegend = 0x00FFFF;
};

// Removes every component of rChart and makes the layout's (see CLayoutPage): a "Background",
// "Title", "Display" or "Legend" placement (the name compared without case) makes that component;
// other names are skipped. Displays get graph type nGraphType.
void ApplyWizardLayout(DEDized& rChart, const WizLayout& layout, const WizLayoutColours& colours, int nGraphType);

// ---- the pages' base --------------------------------------------------------------------------------

class CWizardPage : public CPropertyPage {
    DECLARE_DYNAMIC(CWizardPage)
public:
    CWizardPage(UINT nIDTemplate, SRGWizSheet* pSheet);

    SRGWizSheet* GetSheet() const { return m_pSheet; }

protected:
    // The generic handling of changes and clicks (see the top of this file).
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // A click handler calls this when its click must not store the page.
    void SkipStore() { m_bStoreAfterClick = FALSE; }
    // Runs fn with the change notifications not marking the page modified.
    template <class F>
    void Loading(F&& fn)
    {
        const BOOL bWas = m_bLoading;
        m_bLoading = TRUE;
        fn();
        m_bLoading = bWas;
    }
    // Enables or disables the page's controls nIDs.
    void EnableControls(std::initializer_list<int> nIDs, BOOL bEnable);
    // Writes string nIDS centred in control nID in blue on its own background (bWrap: broken into
    // lines).
    void PaintText(CDC& rDC, int nID, UINT nIDS, BOOL bWrap);
    // Runs the colour dialog on rSwatch; TRUE when a colour was chosen (the swatch then shows it).
    BOOL ChooseColour(SRSwatchButton& rSwatch);

    SRGWizSheet* m_pSheet;
    BOOL m_bStoreAfterClick;
    BOOL m_bLoading;
};

// The base of the main, fill and font pages.
class CComponentPage : public CWizardPage {
    DECLARE_DYNAMIC(CComponentPage)
    DECLARE_MESSAGE_MAP()
public:
    CComponentPage(UINT nIDTemplate, SRGWizSheet* pSheet);

    // Loads the controls from pComponent (not null) / stores them into it.
    virtual void LoadFrom(DEDizedComponent* pComponent) = 0;
    virtual void StoreTo(DEDizedComponent* pComponent) = 0;
    // Enables the page's controls (the component takes them) or disables them.
    virtual void EnablePage(BOOL bEnable) = 0;

    SRGComboBox& GetComponentCombo() { return m_componentCombo; }
    const SRGComboBox& GetComponentCombo() const { return m_componentCombo; }
    BOOL OnSetActive() override;

protected:
    BOOL OnInitDialog() override;
    // The chart the pages work on (the sheet's working chart).
    DEDized* Chart() const;

    afx_msg void OnComponentChosen();
    afx_msg void OnComponentEdited();

    SRGComboBox m_componentCombo;
};

// ---- the main page --------------------------------------------------------------------------------

class CMainPage : public CComponentPage {
    DECLARE_DYNAMIC(CMainPage)
    DECLARE_MESSAGE_MAP()
public:
    // The texts a title and a text panel show when they have none.
    static const char kDefaultPanelTitle[];
    static const char kDefaultPanelBody[];
    static const char kDefaultGraphTitle[];
    // The depth shown for a display without its own.
    static constexpr int kDefaultDepth = 60;

    explicit CMainPage(SRGWizSheet* pSheet);

    void LoadFrom(DEDizedComponent* pComponent) override;
    void StoreTo(DEDizedComponent* pComponent) override;
    void EnablePage(BOOL bEnable) override;

    // The sub-panel shown (null for a component of another kind).
    CGenDialog* GetShownPanel() const { return m_pShownPanel; }
    CGenDialog& GetPanel(int nKind);

    SRGComboBox m_legendSourceCombo;   // IDC_WIZ_LEGEND_SOURCE
    SRGComboBox m_legendKeyCombo;      // IDC_WIZ_LEGEND_KEY
    SRGComboBox m_secondCodeCombo;     // IDC_WIZ_SECOND_CODE
    SRGComboBox m_graphTypeCombo;      // IDC_WIZ_GRAPH_TYPE
    SRGComboBox m_measurementCombo;    // IDC_WIZ_MEASUREMENT
    SRGComboBox m_shadowCombo;         // IDC_WIZ_SHADOW
    SRGComboBox m_borderCombo;         // IDC_WIZ_BORDER

protected:
    BOOL OnInitDialog() override;
    // Shows the sub-panel of the kind (a component type id; others: none) and the data window where it
    // belongs.
    void ShowPanelFor(int nTypeId);
    // The size switch of the bubble and vector types shows for them while the depth is not the
    // display's own (the current component's graph type).
    void UpdateSizeSwitch();
    // The text panel's heading controls and the legend's grid size follow their checks.
    void UpdateHeadingControls();
    void UpdateLegendGrid();

    afx_msg void OnGraphTypeChosen();
    afx_msg void OnSecondCodeChosen();
    afx_msg void OnHeadingClicked();
    afx_msg void OnLegendGridClicked();
    afx_msg void OnDestroy();

    CGenDialog m_displayPanel;
    CGenDialog m_legendPanel;
    CGenDialog m_titlePanel;
    CGenDialog m_textPanelPanel;
    CGenDialog* m_pShownPanel;
};

// ---- the fill page ----------------------------------------------------------------------------------

class CFillStyle : public CComponentPage {
    DECLARE_DYNAMIC(CFillStyle)
    DECLARE_MESSAGE_MAP()
public:
    // The fill combo's entries: none, solid, angled gradient, bitmap resource, horizontal gradient,
    // vertical gradient, image file.
    enum { fillNone, fillSolid, fillAngled, fillBitmap, fillHorizontal, fillVertical, fillImage };
    static const char kImageFilter[];

    explicit CFillStyle(SRGWizSheet* pSheet);

    void LoadFrom(DEDizedComponent* pComponent) override;
    void StoreTo(DEDizedComponent* pComponent) override;
    void EnablePage(BOOL bEnable) override;

    // The combo entry of a fill kind and the kind of an entry.
    static int EntryOfKind(int nKind);
    static int KindOfEntry(int nEntry);

    SRSwatchButton m_swatchColour1;   // the style's first fill colour
    SRSwatchButton m_swatchColour2;   // its second

protected:
    BOOL OnInitDialog() override;
    // The style the page edits: a text panel's body or heading style by the part combo, else the
    // component's own.
    DEDizedStyle* EditedStyle(DEDizedComponent* pComponent);
    // The value, file and browse controls as the fill entry says.
    void UpdateFillControls(int nEntry);

    afx_msg void OnFillKindChosen();
    afx_msg void OnPlacementChosen();
    afx_msg void OnChooseColour1();
    afx_msg void OnChooseColour2();
    afx_msg void OnPanelPartChosen();
    afx_msg void OnBrowse();
};

// ---- the font page ----------------------------------------------------------------------------------

class CFontStyle : public CComponentPage {
    DECLARE_DYNAMIC(CFontStyle)
    DECLARE_MESSAGE_MAP()
public:
    static const char kDefaultFace[];
    // The size shown for a text of automatic size.
    static constexpr int kAutoSizeShown = 10;

    explicit CFontStyle(SRGWizSheet* pSheet);

    void LoadFrom(DEDizedComponent* pComponent) override;
    void StoreTo(DEDizedComponent* pComponent) override;
    void EnablePage(BOOL bEnable) override;

    SRSwatchButton m_swatchColour;    // the text colour

protected:
    BOOL OnInitDialog() override;
    // The flags of the checks (bold 1, italic 2, underline 4, strike-out 8, automatic size 16) and the
    // look, and back.
    int FlagsOfControls();
    void ControlsOfFlags(int nFlags);
    // The text panel's heading is edited (the part combo's second entry).
    BOOL EditsHeading();

    afx_msg void OnChooseFont();
    afx_msg void OnChooseColour();
    afx_msg void OnPartChosen();
};

// ---- the advanced page ------------------------------------------------------------------------------

class CAdvancedPage : public CWizardPage {
    DECLARE_DYNAMIC(CAdvancedPage)
    DECLARE_MESSAGE_MAP()
public:
    // The preview's grid step when the page starts.
    static constexpr int kDefaultGridStep = 9;

    explicit CAdvancedPage(SRGWizSheet* pSheet);

    SRGComboBox m_kindCombo;          // IDC_WIZ_COMPONENT_KIND: the run-time class of each kind
    SRGDragListBox m_componentList;   // IDC_WIZ_COMPONENT_LIST: the drawing order, then the end mark

protected:
    BOOL OnInitDialog() override;
    // Moves the selected entry of the list from a to b.
    void MoveSelected(int b);

    afx_msg void OnAdd();
    afx_msg void OnDelete();
    afx_msg void OnMoveUp();
    afx_msg void OnMoveDown();
    afx_msg void OnMoveTop();
    afx_msg void OnMoveBottom();
    afx_msg void OnFixedSize();
    afx_msg void OnLiveRedraw();
    afx_msg void OnGrid();
    afx_msg void OnSnap();
    afx_msg void OnGridStepChanged();
    afx_msg LRESULT OnListMove(WPARAM wParam, LPARAM lParam);
};

// ---- the wizard's pages -----------------------------------------------------------------------------

// A thumbnail of a layout: the layout drawn with a chart of the page's in the layout colours, a focus
// rectangle 5 pixels inside while it has the focus.
class SRGStatic : public CStatic {
    DECLARE_DYNAMIC(SRGStatic)
    DECLARE_MESSAGE_MAP()
public:
    SRGStatic();

    // The layout shown (null: none) and the chart and colours it is drawn with (not owned).
    void SetLayout(const WizLayout* pLayout, DEDized* pChart, const WizLayoutColours* pColours);
    const WizLayout* GetLayout() const { return m_pLayout; }

protected:
    afx_msg void OnPaint();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);

    const WizLayout* m_pLayout;
    DEDized* m_pChart;
    const WizLayoutColours* m_pColours;
};

class CLayoutPage : public CWizardPage {
    DECLARE_DYNAMIC(CLayoutPage)
    DECLARE_MESSAGE_MAP()
public:
    static constexpr int kThumbnails = 6;

    explicit CLayoutPage(SRGWizSheet* pSheet);
    ~CLayoutPage() override;

    // Applies layout nLayout of the sheet to the working chart and repaints the preview.
    void ApplyLayout(int nLayout);
    // Shows the six layouts from nFirst on and applies the first of them.
    void ShowLayouts(int nFirst);
    int GetFirstShown() const { return m_nFirst; }
    WizLayoutColours& GetColours() { return m_colours; }

protected:
    BOOL OnInitDialog() override;
    // The arrows' enabling; a button that disables itself gives the focus to the other.
    void UpdateArrows();
    // Colour button nButton: the colour dialog, then the button, the thumbnails and the preview
    // repainted.
    void ChooseLayoutColour(int nButton, COLORREF& rColour);

    afx_msg void OnPaint();
    afx_msg void OnPrevious();
    afx_msg void OnNext();
    afx_msg void OnThumbnail(UINT nID);
    afx_msg void OnColourBackground();
    afx_msg void OnColourTitle();
    afx_msg void OnColourDisplay();
    afx_msg void OnColourLegend();

    SRGStatic m_thumbnails[kThumbnails];
    SRSwatchButton m_colourButtons[4];
    std::unique_ptr<DEDized> m_pChart;   // the thumbnails' chart
    WizLayoutColours m_colours;
    int m_nFirst;
};

class CStandardChartPage : public CWizardPage {
    DECLARE_DYNAMIC(CStandardChartPage)
    DECLARE_MESSAGE_MAP()
public:
    explicit CStandardChartPage(SRGWizSheet* pSheet);

    // Fills the list with the graph types (without "none" and bars with lines).
    void FillList();
    // Makes nCode the chosen graph type and sets it on the working chart's first display.
    void ChooseGraphType(int nCode);

    CListBox m_list;

protected:
    BOOL OnInitDialog() override;

    afx_msg void OnPaint();
    afx_msg void OnTypeChosen();
};

class CFinishPage : public CWizardPage {
    DECLARE_DYNAMIC(CFinishPage)
    DECLARE_MESSAGE_MAP()
public:
    explicit CFinishPage(SRGWizSheet* pSheet);

protected:
    afx_msg void OnPaint();
};
