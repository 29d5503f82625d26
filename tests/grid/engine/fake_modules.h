// Recording stand-ins of the grid's operation modules: every operation notes its name and arguments
// as one line of text ("SortRows(<grid>,r(1,1,4,2),@0x...,5)") in the module's log and answers a
// fixed value that differs from the absent module's (TRUE, 7, a valid range, a non-null object).
// Call() builds the same text from the arguments a test passed, so that a test can see that a
// forwarding operation handed the grid and its arguments on unchanged.
#pragma once

#include "grid/engine/GXCore.h"
#include "grid/engine/GXGridModules.h"
#include "grid/engine/GXModules.h"
#include "grid/engine/GXProperties.h"
#include "grid/engine/GXStyle.h"
#include "grid/engine/GXStylesMap.h"
#include "grid/engine/GXRange.h"

#include <cstdio>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

// The text of one argument: numbers and texts by value, ranges by their bounds, everything else by
// address (references and pointers to the same object give the same text).
inline std::string ArgText(const CGXCellRange& range)
{
    char sz[96];
    std::snprintf(sz, sizeof sz, "r(%u,%u,%u,%u)", unsigned(range.top), unsigned(range.left), unsigned(range.bottom),
                  unsigned(range.right));
    return sz;
}
inline std::string ArgText(const std::string& text)
{
    return text;
}
inline std::string ArgText(const char* psz)
{
    return psz != nullptr ? std::string("\"") + psz + "\"" : "null";
}
inline std::string AddressText(const void* p)
{
    if (p == nullptr)
        return "null";
    char sz[32];
    std::snprintf(sz, sizeof sz, "@%p", p);
    return sz;
}
template <class T>
std::string ArgText(const T& value)
{
    if constexpr (std::is_arithmetic_v<T>)
        return std::to_string(value);
    else if constexpr (std::is_null_pointer_v<T>)
        return "null";
    else if constexpr (std::is_array_v<T>)
        return ArgText(static_cast<const char*>(value));
    else if constexpr (std::is_pointer_v<T>)
        return AddressText(static_cast<const void*>(value));
    else if constexpr (std::is_same_v<T, CPoint>)
        return "pt(" + std::to_string(value.x) + "," + std::to_string(value.y) + ")";
    else
        return AddressText(&value);
}

// "Name(arg,arg...)".
template <class... A>
std::string Call(const char* pszName, const A&... args)
{
    std::string text = pszName;
    text += "(";
    const char* pszSep = "";
    ((text += pszSep, text += ArgText(args), pszSep = ","), ...);
    return text + ")";
}

// What a fake answers, by the operation's result type.
template <class R>
R FakeAnswer()
{
    if constexpr (std::is_void_v<R>)
        return;
    else if constexpr (std::is_same_v<R, CGXCellRange>)
        return CGXCellRange(1, 2, 3, 4);
    else if constexpr (std::is_same_v<R, CSize>)
        return CSize(7, 7);
    else if constexpr (std::is_pointer_v<R>)
        return reinterpret_cast<R>(uintptr_t(0x7777));
    else if constexpr (std::is_same_v<R, char>)
        return '#';
    else
        return R(1);
}

// The log a fake module writes.
struct ModuleLog {
    std::vector<std::string> calls;
    template <class R, class... A>
    R Rec(const char* pszName, const A&... args)
    {
        calls.push_back(Call(pszName, args...));
        return FakeAnswer<R>();
    }
};

struct FakePrintImp : CGXAbstractGridPrintImp, ModuleLog {
    void OnGridBeginPrinting(CGXGridCore* g, CDC* a, CPrintInfo* b) override { Rec<void>("OnGridBeginPrinting", g, a, b); }
    void OnGridPrint(CGXGridCore* g, CDC* a, CPrintInfo* b) override { Rec<void>("OnGridPrint", g, a, b); }
    void OnGridEndPrinting(CGXGridCore* g, CDC* a, CPrintInfo* b) override { Rec<void>("OnGridEndPrinting", g, a, b); }
};

struct FakeSortImp : CGXAbstractGridSortImp, ModuleLog {
    void QuickSortKeys(CGXGridCore* g, CGXSortInfoArray& k, CPtrArray& r) override { Rec<void>("QuickSortKeys", g, k, r); }
    BOOL SortRows(CGXGridCore* g, CGXCellRange r, CGXSortInfoArray& k, UINT f) override
    {
        return Rec<BOOL>("SortRows", g, r, k, f);
    }
    BOOL MoveDataRows(CGXGridCore* g, const CGXCellRange& r, CDWordArray& o, UINT f, int t) override
    {
        return Rec<BOOL>("MoveDataRows", g, r, o, f, t);
    }
    BOOL StoreMoveDataRows(CGXGridCore* g, const CGXCellRange& r, CDWordArray& o) override
    {
        return Rec<BOOL>("StoreMoveDataRows", g, r, o);
    }
    void UpdateMoveDataRows(CGXGridCore* g, const CGXCellRange& r, UINT f, BOOL h) override
    {
        Rec<void>("UpdateMoveDataRows", g, r, f, h);
    }
    void GetSortKeysRow(CGXGridCore* g, ROWCOL n, CGXSortInfoArray& k, CStringArray& t) override
    {
        Rec<void>("GetSortKeysRow", g, n, k, t);
    }
    BOOL SortCols(CGXGridCore* g, CGXCellRange r, CGXSortInfoArray& k, UINT f) override
    {
        return Rec<BOOL>("SortCols", g, r, k, f);
    }
    BOOL MoveDataCols(CGXGridCore* g, const CGXCellRange& r, CDWordArray& o, UINT f, int t) override
    {
        return Rec<BOOL>("MoveDataCols", g, r, o, f, t);
    }
    BOOL StoreMoveDataCols(CGXGridCore* g, const CGXCellRange& r, CDWordArray& o) override
    {
        return Rec<BOOL>("StoreMoveDataCols", g, r, o);
    }
    void UpdateMoveDataCols(CGXGridCore* g, const CGXCellRange& r, UINT f, BOOL h) override
    {
        Rec<void>("UpdateMoveDataCols", g, r, f, h);
    }
    void GetSortKeysCol(CGXGridCore* g, ROWCOL n, CGXSortInfoArray& k, CStringArray& t) override
    {
        Rec<void>("GetSortKeysCol", g, n, k, t);
    }
    BOOL OnClickedHeaderSort(CGXGridCore* g, ROWCOL r, ROWCOL c, UINT f, CPoint p) override
    {
        return Rec<BOOL>("OnClickedHeaderSort", g, r, c, f, p);
    }
};

struct FakeOldDrawingImp : CGXAbstractGridOldDrawingImp, ModuleLog {
    BOOL DrawMatrixCells(CGXGridCore* g, CDC* d, CellPaintMatrix& m) override { return Rec<BOOL>("DrawMatrixCells", g, d, m); }
    void DrawMatrixBackground(CGXGridCore* g, CellPaintMatrix& m) override { Rec<void>("DrawMatrixBackground", g, m); }
};

struct FakeCoveredCellsImp : CGXAbstractGridCoveredCellsImp, ModuleLog {
    BOOL SetCoveredCellsRowCol(CGXGridCore* g, ROWCOL t, ROWCOL l, ROWCOL b, ROWCOL r, UINT f, int c) override
    {
        return Rec<BOOL>("SetCoveredCellsRowCol", g, t, l, b, r, f, c);
    }
    BOOL GetCoveredCellsRowCol(CGXGridCore* g, ROWCOL r, ROWCOL c, CGXCellRange& range) override
    {
        return Rec<BOOL>("GetCoveredCellsRowCol", g, r, c, AddressText(&range));
    }
    BOOL StoreCoveredCellsRowCol(CGXGridCore* g, ROWCOL t, ROWCOL l, ROWCOL b, ROWCOL r, BOOL s) override
    {
        return Rec<BOOL>("StoreCoveredCellsRowCol", g, t, l, b, r, s);
    }
    void UpdateCoveredCellsRowCol(CGXGridCore* g, ROWCOL t, ROWCOL l, ROWCOL b, ROWCOL r, UINT f, BOOL h) override
    {
        Rec<void>("UpdateCoveredCellsRowCol", g, t, l, b, r, f, h);
    }
    CGXCellRange GetCoveredCellsInRange(CGXGridCore* g, const CGXCellRange& r) override
    {
        return Rec<CGXCellRange>("GetCoveredCellsInRange", g, r);
    }
    BOOL OnRemoveRows(CGXGridCore* g, ROWCOL a, ROWCOL b, UINT& f, int t) override
    {
        return Rec<BOOL>("OnRemoveRows", g, a, b, f, t);
    }
    BOOL OnRemoveCols(CGXGridCore* g, ROWCOL a, ROWCOL b, UINT& f, int t) override
    {
        return Rec<BOOL>("OnRemoveCols", g, a, b, f, t);
    }
};

struct FakeDrawSpannedCellsImp : CGXAbstractDrawSpannedCellsImp, ModuleLog {
    BOOL PrepareSpannedCell(CGXGridCore*, CellPaintMatrix&, int, int) override { return FALSE; }
    BOOL DrawSpannedCell(CGXGridCore*, CellPaintMatrix&, int, int) override { return FALSE; }
    BOOL EvalVisibleSpans(CGXGridCore* g, const CGXCellRange& r, ROWCOL fr, ROWCOL fc, ROWCOL t, ROWCOL l, ROWCOL lr,
                          ROWCOL lc, BOOL a, CGXCellRange* p, BOOL u) override
    {
        return Rec<BOOL>("EvalVisibleSpans", g, r, fr, fc, t, l, lr, lc, a, p, u);
    }
};

struct FakeFloatCellsImp : CGXAbstractGridFloatCellsImp, ModuleLog {
    void DelayFloatCells(CGXGridCore* g, const CGXCellRange& r, ROWCOL m) override { Rec<void>("DelayFloatCells", g, r, m); }
    BOOL EvalFloatCells(CGXGridCore* g, const CGXCellRange& r, BOOL a, CGXCellRange* p, BOOL u) override
    {
        return Rec<BOOL>("EvalFloatCells", g, r, a, p, u);
    }
    BOOL GetFloatedCellsRowCol(CGXGridCore* g, ROWCOL r, ROWCOL c, CGXCellRange& range) override
    {
        return Rec<BOOL>("GetFloatedCellsRowCol", g, r, c, AddressText(&range));
    }
    BOOL CanFloatCell(CGXGridCore* g, CGXControl* p, ROWCOL r, ROWCOL c, const CGXStyle& s, BOOL f) override
    {
        return Rec<BOOL>("CanFloatCell", g, p, r, c, s, f);
    }
    BOOL SetFloatedCellsRowCol(CGXGridCore* g, ROWCOL r, ROWCOL c, ROWCOL tr, ROWCOL tc, UINT f) override
    {
        return Rec<BOOL>("SetFloatedCellsRowCol", g, r, c, tr, tc, f);
    }
    void RedrawFloatedCells(CGXGridCore* g, ROWCOL r, ROWCOL c, ROWCOL tr, ROWCOL tc, UINT f, BOOL h) override
    {
        Rec<void>("RedrawFloatedCells", g, r, c, tr, tc, f, h);
    }
    void ExpandFloatedRange(CGXGridCore* g, CGXCellRange& r) override { Rec<void>("ExpandFloatedRange", g, AddressText(&r)); }
};

struct FakeMergeCellsImp : CGXAbstractGridMergeCellsImp, ModuleLog {
    void DelayMergeCells(CGXGridCore* g, const CGXCellRange& r, ROWCOL mr, ROWCOL mc) override
    {
        Rec<void>("DelayMergeCells", g, r, mr, mc);
    }
    BOOL EvalMergeCells(CGXGridCore* g, const CGXCellRange& r, BOOL a, CGXCellRange* p, BOOL u) override
    {
        return Rec<BOOL>("EvalMergeCells", g, r, a, p, u);
    }
    BOOL GetMergedCellsRowCol(CGXGridCore* g, ROWCOL r, ROWCOL c, CGXCellRange& range, int d) override
    {
        return Rec<BOOL>("GetMergedCellsRowCol", g, r, c, AddressText(&range), d);
    }
    BOOL CanMergeCell(CGXGridCore* g, CGXControl* p, ROWCOL r, ROWCOL c, const CGXStyle& s, int d) override
    {
        return Rec<BOOL>("CanMergeCell", g, p, r, c, s, d);
    }
    BOOL CanMergeStyles(CGXGridCore* g, const CGXStyle& a, const CGXStyle& b) override
    {
        return Rec<BOOL>("CanMergeStyles", g, a, b);
    }
    BOOL SetMergedCellsRowCol(CGXGridCore* g, int d, ROWCOL r, ROWCOL c, ROWCOL tr, ROWCOL tc, UINT f) override
    {
        return Rec<BOOL>("SetMergedCellsRowCol", g, d, r, c, tr, tc, f);
    }
    void RedrawMergedCells(CGXGridCore* g, ROWCOL r, ROWCOL c, ROWCOL tr, ROWCOL tc, UINT f, BOOL h) override
    {
        Rec<void>("RedrawMergedCells", g, r, c, tr, tc, f, h);
    }
    void ExpandMergedRange(CGXGridCore* g, CGXCellRange& r) override { Rec<void>("ExpandMergedRange", g, AddressText(&r)); }
};

struct FakeCommandFactory : CGXAbstractCommandFactory, ModuleLog {
    // The commands the creators made (plain CObjects that record what they were given).
    struct Command : CObject {
        std::string text;
        CObArray* pStyles = nullptr;
        ~Command() override { DeleteStyleArray(pStyles); }
    };
    CObject* Made(const std::string& text, CObArray* pStyles = nullptr)
    {
        auto* p = new Command;
        p->text = text;
        p->pStyles = pStyles;
        calls.push_back(text);
        return p;
    }
    CObject* CreateSetRowHeightCmd(ROWCOL a, ROWCOL b, int* an, int t) override
    {
        delete[] an;
        return Made(Call("CreateSetRowHeightCmd", a, b, t));
    }
    CObject* CreateSetDefaultRowHeightCmd(int n, int t) override { return Made(Call("CreateSetDefaultRowHeightCmd", n, t)); }
    CObject* CreateSetColWidthCmd(ROWCOL a, ROWCOL b, int* an, int t) override
    {
        delete[] an;
        return Made(Call("CreateSetColWidthCmd", a, b, t));
    }
    CObject* CreateSetDefaultColWidthCmd(int n, int t) override { return Made(Call("CreateSetDefaultColWidthCmd", n, t)); }
    CObject* CreateMoveRowsCmd(ROWCOL a, ROWCOL b, ROWCOL d, int t) override
    {
        return Made(Call("CreateMoveRowsCmd", a, b, d, t));
    }
    CObject* CreateMoveColsCmd(ROWCOL a, ROWCOL b, ROWCOL d, int t) override
    {
        return Made(Call("CreateMoveColsCmd", a, b, d, t));
    }
    CObject* CreateRemoveRowsCmd(ROWCOL a, ROWCOL b, int t) override { return Made(Call("CreateRemoveRowsCmd", a, b, t)); }
    CObject* CreateRemoveColsCmd(ROWCOL a, ROWCOL b, int t) override { return Made(Call("CreateRemoveColsCmd", a, b, t)); }
    // The inserting commands note the sizes and the counts of the styles they were given.
    CObject* CreateInsertRowsCmd(ROWCOL r, ROWCOL n, int* an, CObArray* pb, CObArray* pc, ROWCOL c, int t) override
    {
        return Made(Call("CreateInsertRowsCmd", r, n, c, t) + Saved(n, an, pb, pc));
    }
    CObject* CreateInsertColsCmd(ROWCOL r, ROWCOL n, int* an, CObArray* pb, CObArray* pc, ROWCOL c, int t) override
    {
        return Made(Call("CreateInsertColsCmd", r, n, c, t) + Saved(n, an, pb, pc));
    }
    static std::string Saved(ROWCOL n, int* an, CObArray* pb, CObArray* pc)
    {
        std::string text = " sizes";
        for (ROWCOL i = 0; an != nullptr && i < n; ++i)
            text += " " + std::to_string(an[i]);
        auto count = [](const CObArray* p) { return p != nullptr ? std::to_string(p->GetSize()) : std::string("-"); };
        text += " base " + count(pb) + " cells " + count(pc);
        delete[] an;
        DeleteStyleArray(pb);
        DeleteStyleArray(pc);
        return text;
    }
    CObject* CreateSetCoveredCellsCmd(const CGXCellRange& r, const CGXCellRange& o) override
    {
        return Made(Call("CreateSetCoveredCellsCmd", r, o));
    }
    CObject* CreateSetStyleRangeCmd(const CGXCellRange& r, int k, CObArray* p) override
    {
        return Made(Call("CreateSetStyleRangeCmd", r, k), p);
    }
    CObject* CreateSetFrozenRowsCmd(ROWCOL f, ROWCOL h) override { return Made(Call("CreateSetFrozenRowsCmd", f, h)); }
    CObject* CreateSetFrozenColsCmd(ROWCOL f, ROWCOL h) override { return Made(Call("CreateSetFrozenColsCmd", f, h)); }
    CObject* CreateChangeStylesMapCmd(CGXStylesMap* p) override
    {
        delete p;
        return Made("CreateChangeStylesMapCmd()");
    }
    CObject* CreateChangePropertiesCmd(CGXProperties* p) override
    {
        delete p;
        return Made("CreateChangePropertiesCmd()");
    }
    CObject* CreateChangeBaseStyleCmd(WORD n, CGXStyle* p, const char* psz) override
    {
        delete p;
        return Made(Call("CreateChangeBaseStyleCmd", n, psz));
    }
    BOOL SetEngineUndoOption(CGXGridCore* g, BOOL b) override { return Rec<BOOL>("SetEngineUndoOption", g, b); }
    CObject* DetachFormulaUndoInfo(CGXGridCore* g) override
    {
        calls.push_back(Call("DetachFormulaUndoInfo", g));
        return nullptr;
    }
    BOOL ApplyFormulaUndoInfo(CGXGridCore* g, CObject* p, BOOL b, int n) override
    {
        return Rec<BOOL>("ApplyFormulaUndoInfo", g, p, b, n);
    }
    void DiscardFormulaUndoInfo(CGXGridCore* g) override { Rec<void>("DiscardFormulaUndoInfo", g); }
    BOOL ExecuteCommand(CGXGridCore* g, CObject* p, int t) override { return Rec<BOOL>("ExecuteCommand", g, p, t); }
    void AddCommand(CGXGridCore* g, CObject* p, int t) override
    {
        calls.push_back(Call("AddCommand", g, t));
        commands.emplace_back(p);
    }
    void RemoveLastCommand(CGXGridCore* g, int t) override { Rec<void>("RemoveLastCommand", g, t); }
    BOOL Undo(CGXGridCore* g) override { return Rec<BOOL>("Undo", g); }
    BOOL Redo(CGXGridCore* g) override { return Rec<BOOL>("Redo", g); }
    void BeginTrans(CGXGridCore* g, const char* p) override { Rec<void>("BeginTrans", g, p); }
    void CommitTrans(CGXGridCore* g) override { Rec<void>("CommitTrans", g); }
    void Rollback(CGXGridCore* g) override { Rec<void>("Rollback", g); }
    void MoveCurrentCellAfterUndo(CGXGridCore* g, ROWCOL r, ROWCOL c, UINT f) override
    {
        Rec<void>("MoveCurrentCellAfterUndo", g, r, c, f);
    }
    BOOL GetUndoMenuText(CGXGridCore* g, CCmdUI* p) override { return Rec<BOOL>("GetUndoMenuText", g, p); }
    BOOL GetRedoMenuText(CGXGridCore* g, CCmdUI* p) override { return Rec<BOOL>("GetRedoMenuText", g, p); }
    BOOL SaveRangeStylesForUndo(CGXGridCore* g, const CGXCellRange& r, ROWCOL&, ROWCOL&, CObArray*&, CObArray*&,
                                BOOL b) override
    {
        return Rec<BOOL>("SaveRangeStylesForUndo", g, r, b);
    }
    // The recorded commands, owned.
    std::vector<std::unique_ptr<CObject>> commands;
};

struct FakeCalcSizeImp : CGXAbstractCalcSizeImp, ModuleLog {
    CSize CalcSize(CGXGridCore* g, CDC* d, CGXControl* c, ROWCOL r, ROWCOL col, const CGXStyle& s, const CGXStyle* p,
                   BOOL h) override
    {
        return Rec<CSize>("CalcSize", g, d, c, r, col, s, p, h);
    }
};

struct FakeUpdateHintImp : CGXAbstractGridUpdateHintImp, ModuleLog {
    BOOL OnGridUpdate(CGXGridCore* g, CObject* p) override { return Rec<BOOL>("OnGridUpdate", g, p); }
    void RedrawRowCol(CGXGridCore* g, ROWCOL t, ROWCOL l, ROWCOL b, ROWCOL r, UINT f) override
    {
        Rec<void>("RedrawRowCol", g, t, l, b, r, f);
    }
    void Redraw(CGXGridCore* g, UINT f) override { Rec<void>("Redraw", g, f); }
    void RecalcAndShowErrors(CGXGridCore* g, const char* p) override { Rec<void>("RecalcAndShowErrors", g, p); }
    void OnChangedStyleRange(CGXGridCore* g, const CGXCellRange& r, const CGXStyle* s, int m, int k, UINT f) override
    {
        Rec<void>("OnChangedStyleRange", g, r, s, m, k, f);
    }
    void OnChangedProperties(CGXGridCore* g, UINT f) override { Rec<void>("OnChangedProperties", g, f); }
    void OnChangedStylesMap(CGXGridCore* g, UINT f) override { Rec<void>("OnChangedStylesMap", g, f); }
    void OnChangedBaseStyle(CGXGridCore* g, WORD n, UINT f) override { Rec<void>("OnChangedBaseStyle", g, n, f); }
    void OnRowHeightChanged(CGXGridCore* g, ROWCOL a, ROWCOL b, const int* p, UINT f) override
    {
        Rec<void>("OnRowHeightChanged", g, a, b, p, f);
    }
    void OnColWidthChanged(CGXGridCore* g, ROWCOL a, ROWCOL b, const int* p, UINT f) override
    {
        Rec<void>("OnColWidthChanged", g, a, b, p, f);
    }
    void UpdateChangedRowCount(CGXGridCore* g, ROWCOL a, UINT f) override { Rec<void>("UpdateChangedRowCount", g, a, f); }
    void UpdateChangedColCount(CGXGridCore* g, ROWCOL a, UINT f) override { Rec<void>("UpdateChangedColCount", g, a, f); }
    void UpdateInsertRows(CGXGridCore* g, ROWCOL a, ROWCOL n, UINT f) override { Rec<void>("UpdateInsertRows", g, a, n, f); }
    void UpdateInsertCols(CGXGridCore* g, ROWCOL a, ROWCOL n, UINT f) override { Rec<void>("UpdateInsertCols", g, a, n, f); }
    void UpdateRemoveRows(CGXGridCore* g, ROWCOL a, ROWCOL b, const int* p, UINT f) override
    {
        Rec<void>("UpdateRemoveRows", g, a, b, p, f);
    }
    void UpdateRemoveCols(CGXGridCore* g, ROWCOL a, ROWCOL b, const int* p, UINT f) override
    {
        Rec<void>("UpdateRemoveCols", g, a, b, p, f);
    }
    void UpdateMoveRows(CGXGridCore* g, ROWCOL a, ROWCOL b, ROWCOL d, UINT f) override
    {
        Rec<void>("UpdateMoveRows", g, a, b, d, f);
    }
    void UpdateMoveCols(CGXGridCore* g, ROWCOL a, ROWCOL b, ROWCOL d, UINT f) override
    {
        Rec<void>("UpdateMoveCols", g, a, b, d, f);
    }
    void UpdateFrozenRows(CGXGridCore* g, ROWCOL a, ROWCOL b, UINT f) override { Rec<void>("UpdateFrozenRows", g, a, b, f); }
    void UpdateFrozenCols(CGXGridCore* g, ROWCOL a, ROWCOL b, UINT f) override { Rec<void>("UpdateFrozenCols", g, a, b, f); }
    void SetTopRow(CGXGridCore* g, ROWCOL r, UINT f) override { Rec<void>("SetTopRow", g, r, f); }
    void SetLeftCol(CGXGridCore* g, ROWCOL c, UINT f) override { Rec<void>("SetLeftCol", g, c, f); }
    void OnScrollBySteps(CGXGridCore* g, int d, ROWCOL n) override { Rec<void>("OnScrollBySteps", g, d, n); }
    void SetCurrentCell(CGXGridCore* g, ROWCOL r, ROWCOL c, UINT f) override { Rec<void>("SetCurrentCell", g, r, c, f); }
    BOOL TransferCurrentCell(CGXGridCore* g, BOOL b, UINT f) override { return Rec<BOOL>("TransferCurrentCell", g, b, f); }
    void OnGridRenamed(CGXGridCore* g) override { Rec<void>("OnGridRenamed", g); }
};

struct FakeResizeToFitImp : CGXAbstractGridResizeToFitImp, ModuleLog {
    BOOL ResizeColWidthsToFit(CGXGridCore* g, CGXCellRange r, BOOL c, UINT f) override
    {
        return Rec<BOOL>("ResizeColWidthsToFit", g, r, c, f);
    }
    BOOL ResizeRowHeightsToFit(CGXGridCore* g, CGXCellRange r, BOOL c, UINT f) override
    {
        return Rec<BOOL>("ResizeRowHeightsToFit", g, r, c, f);
    }
};

struct FakeHideCellsImp : CGXAbstractGridHideCellsImp, ModuleLog {
    void RemoveHiddenRows(CGXGridCore* g, ROWCOL a, ROWCOL b) override { Rec<void>("RemoveHiddenRows", g, a, b); }
    void RemoveHiddenCols(CGXGridCore* g, ROWCOL a, ROWCOL b) override { Rec<void>("RemoveHiddenCols", g, a, b); }
    void InsertHiddenRows(CGXGridCore* g, ROWCOL a, ROWCOL n) override { Rec<void>("InsertHiddenRows", g, a, n); }
    void InsertHiddenCols(CGXGridCore* g, ROWCOL a, ROWCOL n) override { Rec<void>("InsertHiddenCols", g, a, n); }
    void MoveHiddenRows(CGXGridCore* g, ROWCOL a, ROWCOL b, ROWCOL d) override { Rec<void>("MoveHiddenRows", g, a, b, d); }
    void MoveHiddenCols(CGXGridCore* g, ROWCOL a, ROWCOL b, ROWCOL d) override { Rec<void>("MoveHiddenCols", g, a, b, d); }
    BOOL HideRows(CGXGridCore* g, ROWCOL a, ROWCOL b, BOOL h, const CByteArray* p, UINT f, int t) override
    {
        return Rec<BOOL>("HideRows", g, a, b, h, p, f, t);
    }
    BOOL IsRowHidden(CGXGridCore* g, ROWCOL r) override { return Rec<BOOL>("IsRowHidden", g, r); }
    BOOL StoreHideRow(CGXGridCore* g, ROWCOL r, BOOL h) override { return Rec<BOOL>("StoreHideRow", g, r, h); }
    BOOL HideCols(CGXGridCore* g, ROWCOL a, ROWCOL b, BOOL h, const CByteArray* p, UINT f, int t) override
    {
        return Rec<BOOL>("HideCols", g, a, b, h, p, f, t);
    }
    BOOL IsColHidden(CGXGridCore* g, ROWCOL c) override { return Rec<BOOL>("IsColHidden", g, c); }
    BOOL StoreHideCol(CGXGridCore* g, ROWCOL c, BOOL h) override { return Rec<BOOL>("StoreHideCol", g, c, h); }
};

struct FakeFindReplaceImp : CGXAbstractGridFindReplaceImp, ModuleLog {
    void OnShowFindReplaceDialog(CGXGridCore* g, BOOL b) override { Rec<void>("OnShowFindReplaceDialog", g, b); }
    BOOL FindNextText(CGXGridCore* g, BOOL b) override { return Rec<BOOL>("FindNextText", g, b) && bFound; }
    void OnFindReplace(CGXGridCore* g, FINDREPLACEA* p) override { Rec<void>("OnFindReplace", g, p); }
    BOOL bFound = TRUE;  // FindNextText's answer
};

// The select-range module: moves of the current cell by key answer FALSE (nothing moved).
struct FakeUserSelectRangeImp : CGXAbstractGridUserSelectRangeImp, ModuleLog {
    BOOL MoveCurrentCellSelecting(CGXGridCore* g, int d, UINT n) override
    {
        calls.push_back(Call("MoveCurrentCellSelecting", g, d, n));
        return FALSE;
    }
    void StartSelection(CGXGridCore* g, CPoint& p, UINT& f, int& h, ROWCOL& r, ROWCOL& c) override
    {
        Rec<void>("StartSelection", g, p, f, h, r, c);
    }
    BOOL TrackSelection(CGXGridCore* g, CPoint& p, UINT& f, ROWCOL& r, ROWCOL& c) override
    {
        return Rec<BOOL>("TrackSelection", g, p, f, r, c);
    }
    void EndSelection(CGXGridCore* g, CPoint& p, UINT& f) override { Rec<void>("EndSelection", g, p, f); }
    void SelectRange(CGXGridCore* g, const CGXCellRange& r, BOOL s, BOOL u) override
    {
        Rec<void>("SelectRange", g, r, s, u);
    }
    void SetRangeAtPosition(CGXGridCore* g, POSITION pos, ROWCOL t, ROWCOL l, ROWCOL b, ROWCOL r) override
    {
        Rec<void>("SetRangeAtPosition", g, pos, t, l, b, r);
    }
    BOOL ToggleHeaderSelection(CGXGridCore* g, ROWCOL r, ROWCOL c, UINT f, int x, int y) override
    {
        return Rec<BOOL>("ToggleHeaderSelection", g, r, c, f, x, y);
    }
};

struct FakeExcelLikeFrameImp : CGXAbstractGridExcelLikeFrameImp, ModuleLog {
    void UpdateFrame(CGXGridCore* g, CDC* d, BOOL e, const CGXRangeList* p) override { Rec<void>("UpdateFrame", g, d, e, p); }
    BOOL HideFrame(CGXGridCore* g, BOOL h, BOOL f) override
    {
        calls.push_back(Call("HideFrame", g, h, f));
        const BOOL bWas = bHidden;
        bHidden = h;
        return bWas;
    }
    BOOL bHidden = FALSE;
};

struct FakeExcelLikeFillImp : CGXAbstractGridExcelLikeFillImp, ModuleLog {
    void StartFill(CGXGridCore* g, UINT f, CPoint p, int h, ROWCOL& r, ROWCOL& c) override
    {
        Rec<void>("StartFill", g, f, p, h, r, c);
    }
    BOOL TrackFill(CGXGridCore* g, CPoint p, int s, ROWCOL& r, ROWCOL& c) override
    {
        calls.push_back(Call("TrackFill", g, p, s, r, c));
        return FALSE;
    }
    void EndFill(CGXGridCore* g) override { Rec<void>("EndFill", g); }
    void HideFillFrame(CGXGridCore* g) override { Rec<void>("HideFillFrame", g); }
};

// The drag module takes no press, move or release (the selection gets them).
struct FakeUserDragSelectRangeImp : CGXAbstractGridUserDragSelectRangeImp, ModuleLog {
    BOOL OnDragButtonDown(CGXGridCore* g, CPoint& p, UINT& f, int& h, ROWCOL& r, ROWCOL& c) override
    {
        calls.push_back(Call("OnDragButtonDown", g, p, f, h, r, c));
        return FALSE;
    }
    BOOL OnDragMouseMove(CGXGridCore* g, CPoint p) override
    {
        calls.push_back(Call("OnDragMouseMove", g, p));
        return FALSE;
    }
    BOOL OnDragButtonUp(CGXGridCore* g, CPoint p) override
    {
        calls.push_back(Call("OnDragButtonUp", g, p));
        return FALSE;
    }
    BOOL StartSelDrag(CGXGridCore* g, ROWCOL r, ROWCOL c) override { return Rec<BOOL>("StartSelDrag", g, r, c); }
    void DragSelectionTo(CGXGridCore* g, ROWCOL r, ROWCOL c) override { Rec<void>("DragSelectionTo", g, r, c); }
    BOOL DropSelection(CGXGridCore* g, ROWCOL r, ROWCOL c) override { return Rec<BOOL>("DropSelection", g, r, c); }
    void EndSelDrag(CGXGridCore* g) override { Rec<void>("EndSelDrag", g); }
};

struct FakeMoveRowsColsImp : CGXAbstractGridMoveRowsColsImp, ModuleLog {
    BOOL StoreMoveRows(CGXGridCore* g, ROWCOL a, ROWCOL b, ROWCOL d, BOOL p) override
    {
        return Rec<BOOL>("StoreMoveRows", g, a, b, d, p);
    }
    void UpdateMoveRows(CGXGridCore* g, ROWCOL a, ROWCOL b, ROWCOL d, UINT f, BOOL h) override
    {
        Rec<void>("UpdateMoveRows", g, a, b, d, f, h);
    }
    BOOL StoreMoveCols(CGXGridCore* g, ROWCOL a, ROWCOL b, ROWCOL d, BOOL p) override
    {
        return Rec<BOOL>("StoreMoveCols", g, a, b, d, p);
    }
    void UpdateMoveCols(CGXGridCore* g, ROWCOL a, ROWCOL b, ROWCOL d, UINT f, BOOL h) override
    {
        Rec<void>("UpdateMoveCols", g, a, b, d, f, h);
    }
    BOOL MoveRows(CGXGridCore* g, ROWCOL a, ROWCOL b, ROWCOL d, UINT f, int t) override
    {
        return Rec<BOOL>("MoveRows", g, a, b, d, f, t);
    }
    BOOL MoveCols(CGXGridCore* g, ROWCOL a, ROWCOL b, ROWCOL d, UINT f, int t) override
    {
        return Rec<BOOL>("MoveCols", g, a, b, d, f, t);
    }
};

struct FakeUserResizeCellsImp : CGXAbstractGridUserResizeCellsImp, ModuleLog {
    BOOL OnResizeMouseMove(CGXGridCore* g, CPoint p) override
    {
        calls.push_back(Call("OnResizeMouseMove", g, p));
        return FALSE;
    }
    BOOL OnResizeButtonDown(CGXGridCore* g, CPoint p, UINT f, int h, ROWCOL r, ROWCOL c) override
    {
        return Rec<BOOL>("OnResizeButtonDown", g, p, f, h, r, c);
    }
    BOOL OnResizeButtonUp(CGXGridCore* g, CPoint p) override { return Rec<BOOL>("OnResizeButtonUp", g, p); }
    BOOL OnResizeDoubleClick(CGXGridCore* g, CPoint p, UINT f, int h, ROWCOL r, ROWCOL c) override
    {
        return Rec<BOOL>("OnResizeDoubleClick", g, p, f, h, r, c);
    }
    void CancelResizeTracking(CGXGridCore* g) override { Rec<void>("CancelResizeTracking", g); }
};

struct FakeOptimizedUpdateImp : CGXAbstractGridOptimizedUpdateImp, ModuleLog {
    void UpdateRowsInserted(CGXGridCore* g, ROWCOL a, ROWCOL n, UINT f) override { Rec<void>("UpdateRowsInserted", g, a, n, f); }
    void UpdateColsInserted(CGXGridCore* g, ROWCOL a, ROWCOL n, UINT f) override { Rec<void>("UpdateColsInserted", g, a, n, f); }
    void UpdateRowsRemoved(CGXGridCore* g, ROWCOL a, ROWCOL b, const int* p, UINT f) override
    {
        Rec<void>("UpdateRowsRemoved", g, a, b, p, f);
    }
    void UpdateColsRemoved(CGXGridCore* g, ROWCOL a, ROWCOL b, const int* p, UINT f) override
    {
        Rec<void>("UpdateColsRemoved", g, a, b, p, f);
    }
    void UpdateRowHeightsChanged(CGXGridCore* g, ROWCOL a, ROWCOL b, const int* p, UINT f) override
    {
        Rec<void>("UpdateRowHeightsChanged", g, a, b, p, f);
    }
    void UpdateColWidthsChanged(CGXGridCore* g, ROWCOL a, ROWCOL b, const int* p, UINT f) override
    {
        Rec<void>("UpdateColWidthsChanged", g, a, b, p, f);
    }
};

struct FakeMarkEditHeaderImp : CGXAbstractGridMarkEditHeaderImp, ModuleLog {
    void RedrawHeaderMarks(CGXGridCore* g, ROWCOL r, ROWCOL c, int w, UINT f) override
    {
        Rec<void>("RedrawHeaderMarks", g, r, c, w, f);
    }
};

struct FakeFreezeMenuHelperImp : CGXAbstractGridFreezeMenuHelperImp, ModuleLog {
    BOOL CanFreezeCols(CGXGridCore* g) override { return Rec<BOOL>("CanFreezeCols", g); }
    BOOL CanUnfreezeCols(CGXGridCore* g) override { return Rec<BOOL>("CanUnfreezeCols", g); }
    void FreezeCols(CGXGridCore* g) override { Rec<void>("FreezeCols", g); }
    void UnfreezeCols(CGXGridCore* g) override { Rec<void>("UnfreezeCols", g); }
    BOOL CanFreezeRows(CGXGridCore* g) override { return Rec<BOOL>("CanFreezeRows", g); }
    BOOL CanUnfreezeRows(CGXGridCore* g) override { return Rec<BOOL>("CanUnfreezeRows", g); }
    void FreezeRows(CGXGridCore* g) override { Rec<void>("FreezeRows", g); }
    void UnfreezeRows(CGXGridCore* g) override { Rec<void>("UnfreezeRows", g); }
};

struct FakeDirectCopyMoveCellsImp : CGXAbstractGridDirectCopyMoveCellsImp, ModuleLog {
    BOOL CopyCells(CGXGridCore* g, CGXCellRange r, ROWCOL a, ROWCOL b, UINT f) override
    {
        return Rec<BOOL>("CopyCells", g, r, a, b, f);
    }
    BOOL StoreCopyCells(CGXGridCore* g, CGXCellRange r, ROWCOL a, ROWCOL b) override
    {
        return Rec<BOOL>("StoreCopyCells", g, r, a, b);
    }
    BOOL MoveCells(CGXGridCore* g, CGXCellRange r, ROWCOL a, ROWCOL b, CObject*& u, UINT f, int t) override
    {
        return Rec<BOOL>("MoveCells", g, r, a, b, AddressText(&u), f, t);
    }
    BOOL StoreMoveCells(CGXGridCore* g, CGXCellRange r, ROWCOL a, ROWCOL b, CObject*& u, BOOL c, int t) override
    {
        return Rec<BOOL>("StoreMoveCells", g, r, a, b, AddressText(&u), c, t);
    }
};

struct FakeTextDataExchangeImp : CGXAbstractGridTextDataExchangeImp, ModuleLog {
    BOOL CopyTextToFile(CGXGridCore* g, CFile& f, const CGXRangeList& l) override
    {
        return Rec<BOOL>("CopyTextToFile", g, f, l);
    }
    void GetCopyTextRowCol(CGXGridCore* g, ROWCOL r, ROWCOL c, CString& s) override
    {
        Rec<void>("GetCopyTextRowCol", g, r, c, s);
    }
    BOOL PasteTextFromBuffer(CGXGridCore* g, const char* p, DWORD n, const CGXCellRange& r) override
    {
        return Rec<BOOL>("PasteTextFromBuffer", g, p, n, r);
    }
    BOOL PasteTextRowCol(CGXGridCore* g, ROWCOL r, ROWCOL c, const char* p, UINT f, const CGXStyle* s) override
    {
        return Rec<BOOL>("PasteTextRowCol", g, r, c, p, f, s);
    }
    BOOL CalcBufferDimension(CGXGridCore* g, const char* p, DWORD n, ROWCOL& r, ROWCOL& c) override
    {
        return Rec<BOOL>("CalcBufferDimension", g, p, n, r, c);
    }
};

struct FakeStyleDataExchangeImp : CGXAbstractGridStyleDataExchangeImp, ModuleLog {
    BOOL CopyCellsToArchive(CGXGridCore* g, CArchive& a, const CGXRangeList& l, BOOL f) override
    {
        return Rec<BOOL>("CopyCellsToArchive", g, a, l, f);
    }
    BOOL GetClipboardStyleRowCol(CGXGridCore* g, ROWCOL r, ROWCOL c, CGXStyle& s, BOOL f) override
    {
        return Rec<BOOL>("GetClipboardStyleRowCol", g, r, c, s, f);
    }
    BOOL PasteCellsFromArchive(CGXGridCore* g, CArchive& a, const CGXCellRange& r, BOOL n) override
    {
        return Rec<BOOL>("PasteCellsFromArchive", g, a, r, n);
    }
};

struct FakeCutPasteImp : CGXAbstractGridCutPasteImp, ModuleLog {
    BOOL CanCopy(CGXGridCore* g) override { return Rec<BOOL>("CanCopy", g); }
    BOOL Copy(CGXGridCore* g) override { return Rec<BOOL>("Copy", g); }
    // the list a one-range form builds lives for the call: its ranges are noted, not its address
    BOOL CopyRange(CGXGridCore* g, const CGXRangeList& l) override { return Rec<BOOL>("CopyRange", g, ListText(l)); }
    BOOL CopyTextToClipboard(CGXGridCore* g, const CGXRangeList& l) override
    {
        return Rec<BOOL>("CopyTextToClipboard", g, l);
    }
    BOOL CopyCellsToClipboard(CGXGridCore* g, const CGXRangeList& l, BOOL f) override
    {
        return Rec<BOOL>("CopyCellsToClipboard", g, l, f);
    }
    BOOL CanCut(CGXGridCore* g) override { return Rec<BOOL>("CanCut", g); }
    BOOL Cut(CGXGridCore* g) override { return Rec<BOOL>("Cut", g); }
    BOOL CutRange(CGXGridCore* g, const CGXRangeList& l, BOOL s) override { return Rec<BOOL>("CutRange", g, ListText(l), s); }
    BOOL CanPaste(CGXGridCore* g) override { return Rec<BOOL>("CanPaste", g); }
    BOOL IsPasteFormatAvailable(CGXGridCore* g) override { return Rec<BOOL>("IsPasteFormatAvailable", g); }
    BOOL Paste(CGXGridCore* g) override { return Rec<BOOL>("Paste", g); }
    BOOL PasteCellsFromClipboard(CGXGridCore* g, const CGXCellRange& r) override
    {
        return Rec<BOOL>("PasteCellsFromClipboard", g, r);
    }
    BOOL PasteFromClipboard(CGXGridCore* g, const CGXCellRange& r) override { return Rec<BOOL>("PasteFromClipboard", g, r); }
    BOOL AskContinue(CGXGridCore* g) override { return Rec<BOOL>("AskContinue", g); }

    // The ranges of a list, as text.
    static std::string ListText(const CGXRangeList& list)
    {
        std::string text = "[";
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
            text += ArgText(*static_cast<const CGXCellRange*>(list.GetNext(pos)));
        return text + "]";
    }
};

struct FakeClearCellsImp : CGXAbstractGridClearCellsImp, ModuleLog {
    BOOL CanClear(CGXGridCore* g) override { return Rec<BOOL>("CanClear", g); }
    BOOL Clear(CGXGridCore* g, BOOL s) override { return Rec<BOOL>("Clear", g, s); }
    BOOL ClearCells(CGXGridCore* g, const CGXRangeList& l, BOOL s) override { return Rec<BOOL>("ClearCells", g, l, s); }
};

struct FakeRangeNameImp : CGXAbstractGridRangeNameImp, ModuleLog {
    BOOL SetRangeName(CGXGridCore* g, const char* n, const CGXCellRange& r, CObject* u, UINT f, int t) override
    {
        return Rec<BOOL>("SetRangeName", g, n, r, u, f, t);
    }
    BOOL GetRangeName(CGXGridCore* g, const char* n, CGXCellRange& r) override
    {
        return Rec<BOOL>("GetRangeName", g, n, AddressText(&r));
    }
    BOOL DeleteRangeName(CGXGridCore* g, const char* n, UINT f, int t) override
    {
        return Rec<BOOL>("DeleteRangeName", g, n, f, t);
    }
};

struct FakeOptionalImp : CGXAbstractGridOptionalImp, ModuleLog {
    void OnGridDrawStart(CGXGridCore* g, DWORD a, DWORD b, DWORD c, DWORD d) override
    {
        Rec<void>("OnGridDrawStart", g, a, b, c, d);
    }
    void OnEditSelectionClick(CGXGridCore* g, ROWCOL r, ROWCOL c) override { Rec<void>("OnEditSelectionClick", g, r, c); }
};

struct FakeDateTimeImp : CGXAbstractDateTimeImp, ModuleLog {
    void RefreshLocaleInfo() override { calls.push_back("RefreshLocaleInfo()"); }
    int GetDateOrder(DWORD n, CString* p) override { return Rec<int>("GetDateOrder", n, p); }
    char GetTimeSeparator(int n) override { return Rec<char>("GetTimeSeparator", n); }
};
