// DEDizedEditDialog: the chart's edit dialog. A tree shows the chart: the chart itself with its
// annotations, the components folder with the components in drawing order (a label's annotations
// under it; a label block's labels as components of their own beside it), and the data groups with
// their items, values and annotations. From the tree the user adds, deletes and reorders components,
// edits a component in its property sheet (DEDizedComponentProperties), edits annotations, values, the
// chart's switches and the styles of groups and items, reads a chart template into the chart and writes
// the chart's components out as a template.
//
// The chart is the caller's: it is set before DoModal and must live, unchanged by anything else, while
// the dialog is open (the tree's items point into it).
//
// The tree's items carry an image pair that tells their kind (the normal image is the kind) and an item
// data value: the chart, an annotation, the component list, a component, a group, an item (pointers),
// or a value's index. Commands act on the current item (the one the last mouse press hit); a command
// that needs one, or a component, does nothing without it. After the tree is rebuilt the current item
// is the item that shows the same thing as before, if there still is one.
//
// Reading a template replaces the chart's components by those of the file; the file is read whole
// first, so a file that cannot be read leaves the chart as it was (the message says so). Writing a
// template that cannot be created or written throws the file classes' exception, which the window's
// exception barrier shows; the dialog stays open.
#pragma once

#include "chart/views/dialogs/SRGTreeCtrl.h"
#include "win/Win.h"

#include <windows.h>

class DEDized;
class DEDizedAnnotationList;
class DEDizedComponent;
class DEDizedComponentProperties;
class DEDizedDataList;

class DEDizedEditDialog : public CDialog {
    DECLARE_DYNAMIC(DEDizedEditDialog)
    DECLARE_MESSAGE_MAP()
public:
    // The kinds of the tree's items: each is the normal image of its kind (the selected image is one
    // less).
    enum ItemKind {
        itemNone = -1,
        itemChart = 1,
        itemComponents = 3,
        itemComponent = 5,
        itemAnnotation = 7,
        itemGroup = 9,
        itemItem = 11,
        itemValue = 13,
    };
    // The kinds of components the add command offers, as SRGComponentChoice lists them.
    enum { addBackground, addDisplay, addLegend, addTitle, addLabel, addLabelBlock };

    explicit DEDizedEditDialog(CWnd* pParent = nullptr);
    ~DEDizedEditDialog() override;

    void SetChart(DEDized* pChart) { m_pChart = pChart; }
    DEDized* GetChart() const { return m_pChart; }

    // Edits the style of the current group or item in a sheet of the object style and interior pages;
    // with "apply to every item" a group's style is then copied to each of its items.
    virtual void EditItemStyle();
    // Adds a component of a kind beyond the six built in (nKind as the component choice gave it).
    // Nothing here.
    virtual void AddOtherComponent(int nKind);
    // Rebuilds the whole tree from the chart (empty without a chart).
    virtual void FillTree();

    SRGTreeCtrl& GetTree() { return m_tree; }
    HTREEITEM GetChartItem() const { return m_hChartItem; }
    HTREEITEM GetComponentsItem() const { return m_hComponentsItem; }
    // The kind of a tree item (itemNone for null).
    ItemKind GetItemKind(HTREEITEM hItem) const;

    // The properties of a component into the pages of a sheet made for it, and back. Storing goes in
    // the order of loading; it marks what changed (the display's style, the component's window, its
    // font) so that the next drawing takes it.
    static void LoadComponentPages(DEDizedComponentProperties& rSheet, DEDizedComponent* pComponent);
    static void StoreComponentPages(DEDizedComponentProperties& rSheet, DEDizedComponent* pComponent);
    // Whether a component's sheet has the font page: displays, titles, legends, label blocks, and labels
    // unless they take their block's font.
    static int HasFontPage(DEDizedComponent* pComponent);

protected:
    // Creates the image list, gives it to the tree, and fills the tree.
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnTreeDoubleClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnTreeRightClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnReadTemplate();
    afx_msg void OnWriteTemplate();
    afx_msg void OnComponentProperties();
    afx_msg void OnDeleteComponent();
    afx_msg void OnAddComponent();
    afx_msg void OnAddAnnotation();
    afx_msg void OnMoveToEnd();
    afx_msg void OnMoveToStart();
    afx_msg void OnMoveLater();
    afx_msg void OnMoveEarlier();
    afx_msg void OnNothing();

    // The component list is the drawing order: a later place draws in front.
    enum Move { moveToEnd, moveToStart, moveLater, moveEarlier };
    // Moves the current item's component (nothing when it is not in the chart's list, or for a single
    // step without a neighbour on that side); the tree is rebuilt when it moved.
    void MoveCurrentComponent(Move nMove);

    // The double click's edits by the kind of the current item.
    void EditChart();
    void EditAnnotation(HTREEITEM hItem);
    void EditValue(HTREEITEM hItem);

    // Appends an item of nKind under hParent with its text and data.
    HTREEITEM AddItem(HTREEITEM hParent, LPCSTR lpszText, ItemKind nKind, DWORD_PTR dwData);
    void AddAnnotationItems(HTREEITEM hParent, DEDizedAnnotationList* pList);
    // A component's item under the folder (a label's annotations under it, a label block's labels
    // after it).
    void AddComponentItems(DEDizedComponent* pComponent);
    void AddGroupItems(DEDizedDataList* pGroup);
    // The value item text: string IDS_CHART_TREE_VALUE and the value.
    static CString ValueText(double dValue);

    // The component of the current item when it is still one of the chart (in its list, or a label of
    // a label block in it); null otherwise.
    DEDizedComponent* GetCurrentComponent();
    // The position of the current item's component in the chart's list (null when it is not there).
    POSITION GetCurrentComponentPosition();
    // The item under hParent (the whole tree for null) of nKind whose data is dwData and whose parent's
    // data is dwParentData; null when there is none.
    HTREEITEM FindItem(HTREEITEM hParent, ItemKind nKind, DWORD_PTR dwData, DWORD_PTR dwParentData) const;

    SRGTreeCtrl m_tree;
    CImageList m_imageList;
    DEDized* m_pChart;            // not owned
    HTREEITEM m_hChartItem;
    HTREEITEM m_hComponentsItem;
};
