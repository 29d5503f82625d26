// Recording stand-ins of the grid's operation modules (one per module interface of grid/ops and of
// the engine's own modules): every operation notes its name and arguments
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
    else if constexpr (std::is_same_v<T, CSize>)
        return "pt(" + std::to_string(value.cx) + "," + std::to_string(value.cy) + ")";
    else
        return AddressText(&value);
}

// "Name(arg,arg...)".
template <class... A>
std::string Call(const char* pszName, const A&... args)
{
    std::string text = pszName;
    text += "(";
    [[maybe_unused]] const char* pszSep = ""; // unread when there are no arguments
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
    else if constexpr (std::is_same_v<R, CString>)
        return CString("7");
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

struct FakeClearCellsImp : CGXAbstractGridClearCellsImp, ModuleLog {
    BOOL CanClear(CGXGridCore* a0) override { return Rec<BOOL>("CanClear", a0); }
    BOOL Clear(CGXGridCore* a0, BOOL a1) override { return Rec<BOOL>("Clear", a0, a1); }
    BOOL ClearCells(CGXGridCore* a0, const CGXRangeList& a1, BOOL a2) override
    {
        return Rec<BOOL>("ClearCells", a0, a1, a2);
    }
};

struct FakeCoveredCellsImp : CGXAbstractGridCoveredCellsImp, ModuleLog {
    BOOL SetCoveredCellsRowCol(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, ROWCOL a3, ROWCOL a4, UINT a5, int a6) override
    {
        return Rec<BOOL>("SetCoveredCellsRowCol", a0, a1, a2, a3, a4, a5, a6);
    }
    CGXCellRange* GetCoveredCellsRowCol(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, CGXCellRange& a3) override
    {
        return Rec<CGXCellRange*>("GetCoveredCellsRowCol", a0, a1, a2, AddressText(&a3));
    }
    BOOL StoreCoveredCellsRowCol(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, ROWCOL a3, ROWCOL a4, BOOL a5) override
    {
        return Rec<BOOL>("StoreCoveredCellsRowCol", a0, a1, a2, a3, a4, a5);
    }
    void UpdateCoveredCellsRowCol(
        CGXGridCore* a0, ROWCOL a1, ROWCOL a2, ROWCOL a3, ROWCOL a4, UINT a5, BOOL a6) override
    {
        Rec<void>("UpdateCoveredCellsRowCol", a0, a1, a2, a3, a4, a5, a6);
    }
    void ExpandCoveredRange(CGXGridCore* a0, CGXCellRange& a1) override
    {
        Rec<void>("ExpandCoveredRange", a0, AddressText(&a1));
    }
    BOOL OnRemoveRows(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, UINT& a3, BOOL a4) override
    {
        return Rec<BOOL>("OnRemoveRows", a0, a1, a2, a3, a4);
    }
    BOOL OnRemoveCols(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, UINT& a3, BOOL a4) override
    {
        return Rec<BOOL>("OnRemoveCols", a0, a1, a2, a3, a4);
    }
};

struct FakeCoveredCellPoolImp : CGXAbstractCoveredCellPoolImp, ModuleLog {
    CGXCoveredCellPool* CreatePool() override { return Rec<CGXCoveredCellPool*>("CreatePool"); }
    void RebuildPool(CGXCoveredCellPool* a0, CPtrList& a1) override { Rec<void>("RebuildPool", a0, AddressText(&a1)); }
};

struct FakeCutPasteImp : CGXAbstractGridCutPasteImp, ModuleLog {
    // a range list by its ranges ("[r(1,1,4,2)]")
    static std::string ListText(const CGXRangeList& list)
    {
        std::string text = "[";
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
            text += ArgText(*static_cast<const CGXCellRange*>(list.GetNext(pos)));
        return text + "]";
    }
    BOOL CanCopy(CGXGridCore* a0) override { return Rec<BOOL>("CanCopy", a0); }
    BOOL Copy(CGXGridCore* a0) override { return Rec<BOOL>("Copy", a0); }
    BOOL CopyRange(CGXGridCore* a0, const CGXRangeList& a1) override
    {
        return Rec<BOOL>("CopyRange", a0, ListText(a1));
    }
    BOOL CopyTextToClipboard(CGXGridCore* a0, const CGXRangeList& a1) override
    {
        return Rec<BOOL>("CopyTextToClipboard", a0, a1);
    }
    BOOL CopyCellsToClipboard(CGXGridCore* a0, const CGXRangeList& a1, BOOL a2) override
    {
        return Rec<BOOL>("CopyCellsToClipboard", a0, a1, a2);
    }
    BOOL CanCut(CGXGridCore* a0) override { return Rec<BOOL>("CanCut", a0); }
    BOOL Cut(CGXGridCore* a0) override { return Rec<BOOL>("Cut", a0); }
    BOOL CutRange(CGXGridCore* a0, const CGXRangeList& a1, BOOL a2) override
    {
        return Rec<BOOL>("CutRange", a0, ListText(a1), a2);
    }
    BOOL CanPaste(CGXGridCore* a0) override { return Rec<BOOL>("CanPaste", a0); }
    BOOL IsClipboardDataAvailable(CGXGridCore* a0) override { return Rec<BOOL>("IsClipboardDataAvailable", a0); }
    BOOL Paste(CGXGridCore* a0) override { return Rec<BOOL>("Paste", a0); }
    BOOL PasteFromDirectSource(CGXGridCore* a0, const CGXCellRange& a1) override
    {
        return Rec<BOOL>("PasteFromDirectSource", a0, a1);
    }
    BOOL PasteFromClipboard(CGXGridCore* a0, const CGXCellRange& a1) override
    {
        return Rec<BOOL>("PasteFromClipboard", a0, a1);
    }
    BOOL ConfirmPasteSize(CGXGridCore* a0) override { return Rec<BOOL>("ConfirmPasteSize", a0); }
};

struct FakeDataCopyMoveCellsImp : CGXAbstractDataCopyMoveCellsImp, ModuleLog {
    BOOL CopyCells(CGXData& a0, const CGXCellRange& a1, ROWCOL a2, ROWCOL a3) override
    {
        return Rec<BOOL>("CopyCells", AddressText(&a0), a1, a2, a3);
    }
    BOOL MoveCells(CGXData& a0, const CGXCellRange& a1, ROWCOL a2, ROWCOL a3, CObject*& a4, BOOL a5) override
    {
        return Rec<BOOL>("MoveCells", AddressText(&a0), a1, a2, a3, AddressText(&a4), a5);
    }
};

struct FakeDateTimeImp : CGXAbstractDateTimeImp, ModuleLog {
    void RefreshLocaleInfo() override { Rec<void>("RefreshLocaleInfo"); }
    int GetDateOrder(BOOL a0, BOOL& a1, char& a2) override { return Rec<int>("GetDateOrder", a0, a1, a2); }
    char GetTimeSeparator(BOOL a0) override { return Rec<char>("GetTimeSeparator", a0); }
    BOOL ParseDateTimeFields(GridDateTimeFields* a0, const char* a1, int a2) override
    {
        return Rec<BOOL>("ParseDateTimeFields", a0, a1, a2);
    }
    BOOL ParseDateTimeTm(struct tm* a0, const char* a1, int a2) override
    {
        return Rec<BOOL>("ParseDateTimeTm", a0, a1, a2);
    }
    void FormatDateTimeFields(CString& a0, const GridDateTimeFields* a1) override
    {
        Rec<void>("FormatDateTimeFields", AddressText(&a0), a1);
    }
    void FormatCTime(CString& a0, const CTime* a1) override { Rec<void>("FormatCTime", AddressText(&a0), a1); }
};

struct FakeDirectCopyMoveCellsImp : CGXAbstractGridDirectCopyMoveCellsImp, ModuleLog {
    BOOL CopyCells(CGXGridCore* a0, CGXCellRange a1, ROWCOL a2, ROWCOL a3, UINT a4) override
    {
        return Rec<BOOL>("CopyCells", a0, a1, a2, a3, a4);
    }
    BOOL StoreCopyCells(CGXGridCore* a0, CGXCellRange a1, ROWCOL a2, ROWCOL a3) override
    {
        return Rec<BOOL>("StoreCopyCells", a0, a1, a2, a3);
    }
    BOOL MoveCells(CGXGridCore* a0, CGXCellRange a1, ROWCOL a2, ROWCOL a3, CObject*& a4, UINT a5, int a6) override
    {
        return Rec<BOOL>("MoveCells", a0, a1, a2, a3, AddressText(&a4), a5, a6);
    }
    BOOL StoreMoveCells(CGXGridCore* a0, CGXCellRange a1, ROWCOL a2, ROWCOL a3, CObject*& a4, BOOL a5, int a6) override
    {
        return Rec<BOOL>("StoreMoveCells", a0, a1, a2, a3, AddressText(&a4), a5, a6);
    }
};

struct FakeDrawRotatedTextImp : CGXAbstractDrawRotatedTextImp, ModuleLog {
    int DrawRotatedText(CDC* a0, const char* a1, int a2, const RECT& a3, UINT a4, LONG a5, const RECT* a6) override
    {
        return Rec<int>("DrawRotatedText", a0, a1, a2, a3, a4, a5, a6);
    }
};

struct FakeExcelLikeFillImp : CGXAbstractGridExcelLikeFillImp, ModuleLog {
    void StartFill(CGXGridCore* a0, UINT a1, CPoint a2, int a3, ROWCOL& a4, ROWCOL& a5) override
    {
        Rec<void>("StartFill", a0, a1, a2, a3, a4, a5);
    }
    BOOL TrackFill(CGXGridCore* a0, CPoint a1, int a2, ROWCOL& a3, ROWCOL& a4) override
    {
        return Rec<BOOL>("TrackFill", a0, a1, a2, a3, a4);
    }
    void EndFill(CGXGridCore* a0) override { Rec<void>("EndFill", a0); }
    void HideFillFrame(CGXGridCore* a0) override { Rec<void>("HideFillFrame", a0); }
    void DrawFillFrame(CGXGridCore* a0, const CGXCellRange& a1, BOOL a2, BOOL a3) override
    {
        Rec<void>("DrawFillFrame", a0, a1, a2, a3);
    }
    BOOL FillRange(CGXGridCore* a0, const CGXCellRange& a1, const CGXCellRange& a2) override
    {
        return Rec<BOOL>("FillRange", a0, a1, a2);
    }
    BOOL SelectFillRange(CGXGridCore* a0, const CGXCellRange& a1) override
    {
        return Rec<BOOL>("SelectFillRange", a0, a1);
    }
};

struct FakeExcelLikeFrameImp : CGXAbstractGridExcelLikeFrameImp, ModuleLog {
    void DrawFramePart(
        CGXGridCore* a0, CDC* a1, const CRect& a2, const CRect& a3, BOOL a4, BOOL a5, int a6, BOOL a7) override
    {
        Rec<void>("DrawFramePart", a0, a1, a2, a3, a4, a5, a6, a7);
    }
    void DrawFrame(CGXGridCore* a0, CDC* a1, const CGXCellRange& a2, int a3, BOOL a4) override
    {
        Rec<void>("DrawFrame", a0, a1, a2, a3, a4);
    }
    void UpdateFrame(CGXGridCore* a0, CDC* a1, BOOL a2, const CGXCellRange* a3) override
    {
        Rec<void>("UpdateFrame", a0, a1, a2, a3);
    }
    void RedrawFrameKnob(CGXGridCore* a0) override { Rec<void>("RedrawFrameKnob", a0); }
    // hiding answers whether the frame was hidden
    BOOL HideFrame(CGXGridCore* a0, BOOL a1, BOOL a2) override
    {
        calls.push_back(Call("HideFrame", a0, a1, a2));
        const BOOL bWas = bHidden;
        bHidden = a1;
        return bWas;
    }
    BOOL bHidden = FALSE;
};

struct FakeFindReplaceImp : CGXAbstractGridFindReplaceImp, ModuleLog {
    void ShowFindReplaceDialog(CGXGridCore* a0, BOOL a1) override { Rec<void>("ShowFindReplaceDialog", a0, a1); }
    BOOL FindText(CGXGridCore* a0, const char* a1, BOOL a2, BOOL a3) override
    {
        return Rec<BOOL>("FindText", a0, a1, a2, a3);
    }
    BOOL FindTextInCell(CGXControl* a0, GridFindReplaceState& a1, ROWCOL a2, ROWCOL a3, BOOL a4, BOOL a5) override
    {
        return Rec<BOOL>("FindTextInCell", a0, AddressText(&a1), a2, a3, a4, a5);
    }
    BOOL FindTextInCells(CGXGridCore* a0, ROWCOL& a1, ROWCOL& a2, BOOL a3) override
    {
        return Rec<BOOL>("FindTextInCells", a0, a1, a2, a3);
    }
    BOOL FindNext(CGXGridCore* a0, BOOL a1) override { return Rec<BOOL>("FindNext", a0, a1) && bFound; }
    BOOL bFound = TRUE; // FindNext's answer
    void ReplaceSelection(CGXGridCore* a0, const char* a1, BOOL a2, BOOL a3, const char* a4) override
    {
        Rec<void>("ReplaceSelection", a0, a1, a2, a3, a4);
    }
    void ReplaceAll(CGXGridCore* a0, const char* a1, const char* a2, BOOL a3) override
    {
        Rec<void>("ReplaceAll", a0, a1, a2, a3);
    }
    void OnFindReplaceMessage(CGXGridCore* a0, FINDREPLACEA* a1) override { Rec<void>("OnFindReplaceMessage", a0, a1); }
    BOOL ReplaceInCell(CGXControl* a0, GridFindReplaceState& a1, ROWCOL a2, ROWCOL a3) override
    {
        return Rec<BOOL>("ReplaceInCell", a0, AddressText(&a1), a2, a3);
    }
};

struct FakeFloatCellsImp : CGXAbstractGridFloatCellsImp, ModuleLog {
    void SetFloatCellsMode(CGXGridCore* a0, int a1, BOOL a2) override { Rec<void>("SetFloatCellsMode", a0, a1, a2); }
    void DelayFloatCells(CGXGridCore* a0, const CGXCellRange& a1, ROWCOL a2) override
    {
        Rec<void>("DelayFloatCells", a0, a1, a2);
    }
    BOOL EvalFloatCells(CGXGridCore* a0, const CGXCellRange& a1, BOOL a2, CGXCellRange* a3, BOOL a4) override
    {
        return Rec<BOOL>("EvalFloatCells", a0, a1, a2, a3, a4);
    }
    CGXCellRange* GetFloatedCellsRowCol(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, CGXCellRange& a3) override
    {
        return Rec<CGXCellRange*>("GetFloatedCellsRowCol", a0, a1, a2, AddressText(&a3));
    }
    BOOL CanFloatStaticCell(CGXControl* a0, ROWCOL a1, ROWCOL a2, const CGXStyle& a3, BOOL a4) override
    {
        return Rec<BOOL>("CanFloatStaticCell", a0, a1, a2, a3, a4);
    }
    BOOL CanFloatCell(CGXGridCore* a0, CGXControl* a1, ROWCOL a2, ROWCOL a3, const CGXStyle& a4, BOOL a5) override
    {
        return Rec<BOOL>("CanFloatCell", a0, a1, a2, a3, a4, a5);
    }
    BOOL SetFloatedCellsRowCol(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, ROWCOL a3, ROWCOL a4, UINT a5) override
    {
        return Rec<BOOL>("SetFloatedCellsRowCol", a0, a1, a2, a3, a4, a5);
    }
    void RedrawFloatedCells(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, ROWCOL a3, ROWCOL a4, UINT a5, BOOL a6) override
    {
        Rec<void>("RedrawFloatedCells", a0, a1, a2, a3, a4, a5, a6);
    }
    void ExpandFloatedRange(CGXGridCore* a0, CGXCellRange& a1) override
    {
        Rec<void>("ExpandFloatedRange", a0, AddressText(&a1));
    }
    BOOL EvalFloatCellsDirect(CGXGridCore* a0, const CGXCellRange& a1, BOOL a2, CGXCellRange* a3, BOOL a4) override
    {
        return Rec<BOOL>("EvalFloatCellsDirect", a0, a1, a2, a3, a4);
    }
    BOOL EvalFloatCellsDelayed(CGXGridCore* a0, const CGXCellRange& a1, BOOL a2, CGXCellRange* a3, BOOL a4) override
    {
        return Rec<BOOL>("EvalFloatCellsDelayed", a0, a1, a2, a3, a4);
    }
    BOOL EvalFloatCell(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, CGXCellRange* a3, BOOL a4) override
    {
        return Rec<BOOL>("EvalFloatCell", a0, a1, a2, a3, a4);
    }
    BOOL FloatCell(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, CGXCellRange* a3, BOOL a4) override
    {
        return Rec<BOOL>("FloatCell", a0, a1, a2, a3, a4);
    }
    BOOL StoreFloatedCells(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, ROWCOL a3, ROWCOL a4, BOOL a5) override
    {
        return Rec<BOOL>("StoreFloatedCells", a0, a1, a2, a3, a4, a5);
    }
};

struct FakeHideCellsImp : CGXAbstractGridHideCellsImp, ModuleLog {
    void RemoveHiddenRows(CGXGridCore* a0, ROWCOL a1, ROWCOL a2) override { Rec<void>("RemoveHiddenRows", a0, a1, a2); }
    void RemoveHiddenCols(CGXGridCore* a0, ROWCOL a1, ROWCOL a2) override { Rec<void>("RemoveHiddenCols", a0, a1, a2); }
    void InsertHiddenRows(CGXGridCore* a0, ROWCOL a1, ROWCOL a2) override { Rec<void>("InsertHiddenRows", a0, a1, a2); }
    void InsertHiddenCols(CGXGridCore* a0, ROWCOL a1, ROWCOL a2) override { Rec<void>("InsertHiddenCols", a0, a1, a2); }
    void MoveHiddenRows(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, ROWCOL a3) override
    {
        Rec<void>("MoveHiddenRows", a0, a1, a2, a3);
    }
    void MoveHiddenCols(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, ROWCOL a3) override
    {
        Rec<void>("MoveHiddenCols", a0, a1, a2, a3);
    }
    BOOL HideRows(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, BOOL a3, const int* a4, UINT a5, int a6) override
    {
        return Rec<BOOL>("HideRows", a0, a1, a2, a3, a4, a5, a6);
    }
    BOOL IsRowHidden(CGXGridCore* a0, ROWCOL a1) override { return Rec<BOOL>("IsRowHidden", a0, a1); }
    BOOL StoreRowHidden(CGXGridCore* a0, ROWCOL a1, BOOL a2) override
    {
        return Rec<BOOL>("StoreRowHidden", a0, a1, a2);
    }
    BOOL HideCols(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, BOOL a3, const int* a4, UINT a5, int a6) override
    {
        return Rec<BOOL>("HideCols", a0, a1, a2, a3, a4, a5, a6);
    }
    BOOL IsColHidden(CGXGridCore* a0, ROWCOL a1) override { return Rec<BOOL>("IsColHidden", a0, a1); }
    BOOL StoreColHidden(CGXGridCore* a0, ROWCOL a1, BOOL a2) override
    {
        return Rec<BOOL>("StoreColHidden", a0, a1, a2);
    }
};

struct FakeLongOperationImp : CGXAbstractLongOperationImp, ModuleLog {
    void Start(CGXLongOperation& a0) override { Rec<void>("Start", AddressText(&a0)); }
    void End(CGXLongOperation& a0) override { Rec<void>("End", AddressText(&a0)); }
    void FreeStatusText(CGXLongOperation& a0) override { Rec<void>("FreeStatusText", AddressText(&a0)); }
    BOOL SetStatusText(CGXLongOperation& a0, const char* a1, BOOL a2) override
    {
        return Rec<BOOL>("SetStatusText", AddressText(&a0), a1, a2);
    }
    BOOL DoMessages(CGXLongOperation& a0, BOOL& a1) override { return Rec<BOOL>("DoMessages", AddressText(&a0), a1); }
    BOOL UpdateProgress(CGXLongOperation& a0) override { return Rec<BOOL>("UpdateProgress", AddressText(&a0)); }
    void PumpMessages(CGXLongOperation& a0) override { Rec<void>("PumpMessages", AddressText(&a0)); }
};

struct FakeMarkEditHeaderImp : CGXAbstractGridMarkEditHeaderImp, ModuleLog {
    void RedrawHeaderMarks(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, int a3, UINT a4) override
    {
        Rec<void>("RedrawHeaderMarks", a0, a1, a2, a3, a4);
    }
    BOOL IsHeaderMarked(CGXControl* a0, ROWCOL a1, ROWCOL a2, UINT a3) override
    {
        return Rec<BOOL>("IsHeaderMarked", a0, a1, a2, a3);
    }
};

struct FakeFreezeMenuHelperImp : CGXAbstractGridFreezeMenuHelperImp, ModuleLog {
    BOOL CanFreezeCols(CGXGridCore* a0) override { return Rec<BOOL>("CanFreezeCols", a0); }
    BOOL CanUnfreezeCols(CGXGridCore* a0) override { return Rec<BOOL>("CanUnfreezeCols", a0); }
    void FreezeCols(CGXGridCore* a0) override { Rec<void>("FreezeCols", a0); }
    void UnfreezeCols(CGXGridCore* a0) override { Rec<void>("UnfreezeCols", a0); }
    BOOL CanFreezeRows(CGXGridCore* a0) override { return Rec<BOOL>("CanFreezeRows", a0); }
    BOOL CanUnfreezeRows(CGXGridCore* a0) override { return Rec<BOOL>("CanUnfreezeRows", a0); }
    void FreezeRows(CGXGridCore* a0) override { Rec<void>("FreezeRows", a0); }
    void UnfreezeRows(CGXGridCore* a0) override { Rec<void>("UnfreezeRows", a0); }
};

struct FakeMergeCellsImp : CGXAbstractGridMergeCellsImp, ModuleLog {
    void SetMergeCellsMode(CGXGridCore* a0, int a1, BOOL a2) override { Rec<void>("SetMergeCellsMode", a0, a1, a2); }
    void DelayMergeCells(CGXGridCore* a0, const CGXCellRange& a1, ROWCOL a2, ROWCOL a3) override
    {
        Rec<void>("DelayMergeCells", a0, a1, a2, a3);
    }
    BOOL EvalMergeCells(CGXGridCore* a0, const CGXCellRange& a1, BOOL a2, CGXCellRange* a3, BOOL a4) override
    {
        return Rec<BOOL>("EvalMergeCells", a0, a1, a2, a3, a4);
    }
    CGXCellRange* GetMergedCellsRowCol(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, CGXCellRange& a3, int a4) override
    {
        return Rec<CGXCellRange*>("GetMergedCellsRowCol", a0, a1, a2, AddressText(&a3), a4);
    }
    BOOL CanMergeCell(CGXGridCore* a0, CGXControl* a1, ROWCOL a2, ROWCOL a3, const CGXStyle& a4, int a5) override
    {
        return Rec<BOOL>("CanMergeCell", a0, a1, a2, a3, a4, a5);
    }
    BOOL CanMergeStyles(CGXGridCore* a0, const CGXStyle& a1, const CGXStyle& a2) override
    {
        return Rec<BOOL>("CanMergeStyles", a0, a1, a2);
    }
    BOOL SetMergedCellsRowCol(CGXGridCore* a0, int a1, ROWCOL a2, ROWCOL a3, ROWCOL a4, ROWCOL a5, UINT a6) override
    {
        return Rec<BOOL>("SetMergedCellsRowCol", a0, a1, a2, a3, a4, a5, a6);
    }
    void RedrawMergedCells(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, ROWCOL a3, ROWCOL a4, UINT a5, BOOL a6) override
    {
        Rec<void>("RedrawMergedCells", a0, a1, a2, a3, a4, a5, a6);
    }
    void ExpandMergedRange(CGXGridCore* a0, CGXCellRange& a1) override
    {
        Rec<void>("ExpandMergedRange", a0, AddressText(&a1));
    }
};

struct FakeNumberFormattingImp : CGXAbstractNumberFormattingImp, ModuleLog {
    CString FormatValue(const CGXStyle& a0, const char* a1, UINT a2) override
    {
        return Rec<CString>("FormatValue", a0, a1, a2);
    }
    BOOL ParseNumber(const char* a0, double& a1, UINT* a2, UINT* a3) override
    {
        return Rec<BOOL>("ParseNumber", a0, AddressText(&a1), a2, a3);
    }
};

struct FakeOldDrawingImp : CGXAbstractGridOldDrawingImp, ModuleLog {
    BOOL DrawMatrixCells(CGXGridCore* a0, CDC* a1, CellPaintMatrix& a2) override
    {
        return Rec<BOOL>("DrawMatrixCells", a0, a1, AddressText(&a2));
    }
    void DrawMatrixBackground(CGXGridCore* a0, CellPaintMatrix& a1) override
    {
        Rec<void>("DrawMatrixBackground", a0, AddressText(&a1));
    }
};

struct FakeOptimizedUpdateImp : CGXAbstractGridOptimizedUpdateImp, ModuleLog {
    void UpdateRowsInserted(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, UINT a3) override
    {
        Rec<void>("UpdateRowsInserted", a0, a1, a2, a3);
    }
    void UpdateColsInserted(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, UINT a3) override
    {
        Rec<void>("UpdateColsInserted", a0, a1, a2, a3);
    }
    void UpdateRowsRemoved(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, const int* a3, UINT a4) override
    {
        Rec<void>("UpdateRowsRemoved", a0, a1, a2, a3, a4);
    }
    void UpdateColsRemoved(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, const int* a3, UINT a4) override
    {
        Rec<void>("UpdateColsRemoved", a0, a1, a2, a3, a4);
    }
    void UpdateRowHeightsChanged(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, const int* a3, UINT a4) override
    {
        Rec<void>("UpdateRowHeightsChanged", a0, a1, a2, a3, a4);
    }
    void UpdateColWidthsChanged(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, const int* a3, UINT a4) override
    {
        Rec<void>("UpdateColWidthsChanged", a0, a1, a2, a3, a4);
    }
};

struct FakePrintDeviceImp : CGXAbstractPrintDeviceImp, ModuleLog {
    void ApplyToApp(CGXPrintDevice* a0) override { Rec<void>("ApplyToApp", a0); }
    INT_PTR DoPrintSetup(CGXPrintDevice* a0, CPrintDialog* a1) override { return Rec<INT_PTR>("DoPrintSetup", a0, a1); }
    BOOL DoPreparePrinting(CView* a0, CGXPrintDevice* a1, CPrintInfo* a2) override
    {
        return Rec<BOOL>("DoPreparePrinting", a0, a1, a2);
    }
    void SetDeviceHandles(CGXPrintDevice* a0, HGLOBAL a1, HGLOBAL a2) override
    {
        Rec<void>("SetDeviceHandles", a0, a1, a2);
    }
    void SetDeviceData(CGXPrintDevice* a0, const void* a1, DWORD a2, const void* a3, DWORD a4) override
    {
        Rec<void>("SetDeviceData", a0, a1, a2, a3, a4);
    }
    void FreeDevice(CGXPrintDevice* a0) override { Rec<void>("FreeDevice", a0); }
    void GetDeviceData(CGXPrintDevice* a0, HGLOBAL a1, HGLOBAL a2, BYTE*& a3, DWORD& a4, BYTE*& a5, DWORD& a6) override
    {
        Rec<void>("GetDeviceData", a0, a1, a2, AddressText(&a3), a4, AddressText(&a5), a6);
    }
    void CreateDefaultDevice(CGXPrintDevice* a0) override { Rec<void>("CreateDefaultDevice", a0); }
    CDC* GetPrinterDC(CGXPrintDevice* a0) override { return Rec<CDC*>("GetPrinterDC", a0); }
    void DeletePrinterDC(CGXPrintDevice* a0) override { Rec<void>("DeletePrinterDC", a0); }
    void CreateDeviceHandles(CGXPrintDevice* a0, HGLOBAL& a1, HGLOBAL& a2) override
    {
        Rec<void>("CreateDeviceHandles", a0, AddressText(&a1), AddressText(&a2));
    }
    BOOL IsSameDevice(CGXPrintDevice* a0, HGLOBAL a1, HGLOBAL a2) override
    {
        return Rec<BOOL>("IsSameDevice", a0, a1, a2);
    }
    BOOL CompareDeviceData(CGXPrintDevice* a0, const void* a1, DWORD a2, const void* a3, DWORD a4) override
    {
        return Rec<BOOL>("CompareDeviceData", a0, a1, a2, a3, a4);
    }
};

struct FakePrintImp : CGXAbstractGridPrintImp, ModuleLog {
    void OnBeginPrinting(CGXGridCore* a0, CDC* a1, CPrintInfo* a2) override
    {
        Rec<void>("OnBeginPrinting", a0, a1, a2);
    }
    void OnPrintPage(CGXGridCore* a0, CDC* a1, CPrintInfo* a2) override { Rec<void>("OnPrintPage", a0, a1, a2); }
    void OnEndPrinting(CGXGridCore* a0, CDC* a1, CPrintInfo* a2) override { Rec<void>("OnEndPrinting", a0, a1, a2); }
    void PrintHeaderAndFooter(CGXProperties& a0, CDC* a1, CPrintInfo* a2, CDocument* a3, CGXGridParam* a4) override
    {
        Rec<void>("PrintHeaderAndFooter", AddressText(&a0), a1, a2, a3, a4);
    }
    int CalcHeaderFooterHeight(CGXProperties& a0, CDC* a1, CGXData& a2, CGXStylesMap* a3) override
    {
        return Rec<int>("CalcHeaderFooterHeight", AddressText(&a0), a1, AddressText(&a2), a3);
    }
    void DrawHeaderFooter(
        CGXProperties& a0, CDC* a1, CPrintInfo* a2, const CRect& a3, CGXData& a4, CGXStylesMap* a5) override
    {
        Rec<void>("DrawHeaderFooter", AddressText(&a0), a1, a2, a3, AddressText(&a4), a5);
    }
    CString SubstituteTokens(CGXProperties& a0, const char* a1) override
    {
        return Rec<CString>("SubstituteTokens", AddressText(&a0), a1);
    }
    CString GetTokenValue(CGXProperties& a0, int a1, CString& a2) override
    {
        return Rec<CString>("GetTokenValue", AddressText(&a0), a1, AddressText(&a2));
    }
    CString GetTokenArgument(CGXProperties& a0, CString& a1) override
    {
        return Rec<CString>("GetTokenArgument", AddressText(&a0), AddressText(&a1));
    }
};

struct FakeResizeToFitImp : CGXAbstractGridResizeToFitImp, ModuleLog {
    BOOL ResizeRowHeightsToFit(CGXGridCore* a0, CGXCellRange a1, BOOL a2, UINT a3) override
    {
        return Rec<BOOL>("ResizeRowHeightsToFit", a0, a1, a2, a3);
    }
    BOOL ResizeColWidthsToFit(CGXGridCore* a0, CGXCellRange a1, BOOL a2, UINT a3) override
    {
        return Rec<BOOL>("ResizeColWidthsToFit", a0, a1, a2, a3);
    }
};

struct FakeSortImp : CGXAbstractGridSortImp, ModuleLog {
    void SortRowRecords(CGXGridCore* a0, CGXSortInfoArray& a1, CPtrArray& a2) override
    {
        Rec<void>("SortRowRecords", a0, AddressText(&a1), AddressText(&a2));
    }
    BOOL SortRows(CGXGridCore* a0, CGXCellRange a1, CGXSortInfoArray& a2, UINT a3) override
    {
        return Rec<BOOL>("SortRows", a0, a1, AddressText(&a2), a3);
    }
    BOOL MoveRowsAfterSort(CGXGridCore* a0, const CGXCellRange& a1, CDWordArray& a2, UINT a3, int a4) override
    {
        return Rec<BOOL>("MoveRowsAfterSort", a0, a1, AddressText(&a2), a3, a4);
    }
    BOOL StoreSortRows(CGXGridCore* a0, const CGXCellRange& a1, CDWordArray& a2) override
    {
        return Rec<BOOL>("StoreSortRows", a0, a1, AddressText(&a2));
    }
    void UpdateSortRows(CGXGridCore* a0, const CGXCellRange& a1, UINT a2, BOOL a3) override
    {
        Rec<void>("UpdateSortRows", a0, a1, a2, a3);
    }
    void GetSortRowKeyTexts(CGXGridCore* a0, ROWCOL a1, CGXSortInfoArray& a2, CStringArray& a3) override
    {
        Rec<void>("GetSortRowKeyTexts", a0, a1, AddressText(&a2), AddressText(&a3));
    }
    BOOL SortCols(CGXGridCore* a0, CGXCellRange a1, CGXSortInfoArray& a2, UINT a3) override
    {
        return Rec<BOOL>("SortCols", a0, a1, AddressText(&a2), a3);
    }
    BOOL MoveColsAfterSort(CGXGridCore* a0, const CGXCellRange& a1, CDWordArray& a2, UINT a3, int a4) override
    {
        return Rec<BOOL>("MoveColsAfterSort", a0, a1, AddressText(&a2), a3, a4);
    }
    BOOL StoreSortCols(CGXGridCore* a0, const CGXCellRange& a1, CDWordArray& a2) override
    {
        return Rec<BOOL>("StoreSortCols", a0, a1, AddressText(&a2));
    }
    void UpdateSortCols(CGXGridCore* a0, const CGXCellRange& a1, UINT a2, BOOL a3) override
    {
        Rec<void>("UpdateSortCols", a0, a1, a2, a3);
    }
    void GetSortColKeyTexts(CGXGridCore* a0, ROWCOL a1, CGXSortInfoArray& a2, CStringArray& a3) override
    {
        Rec<void>("GetSortColKeyTexts", a0, a1, AddressText(&a2), AddressText(&a3));
    }
    BOOL OnClickedHeaderSort(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, UINT a3, CPoint a4) override
    {
        return Rec<BOOL>("OnClickedHeaderSort", a0, a1, a2, a3, a4);
    }
};

struct FakeSortMoveDataImp : CGXAbstractGridSortMoveDataImp, ModuleLog {
    BOOL ReorderRowsAfterSort(CGXData& a0, const CGXCellRange& a1, CDWordArray& a2) override
    {
        return Rec<BOOL>("ReorderRowsAfterSort", AddressText(&a0), a1, AddressText(&a2));
    }
    BOOL ReorderColsAfterSort(CGXData& a0, const CGXCellRange& a1, CDWordArray& a2) override
    {
        return Rec<BOOL>("ReorderColsAfterSort", AddressText(&a0), a1, AddressText(&a2));
    }
};

struct FakeSpanCellPoolImp : CGXAbstractSpanCellPoolImp, ModuleLog {
    CGXSpanCellPool* CreateCopy(const CGXSpanCellPool& a0) override { return Rec<CGXSpanCellPool*>("CreateCopy", a0); }
    CGXSpanCellPool* CreatePool() override { return Rec<CGXSpanCellPool*>("CreatePool"); }
    void CopyPool(CGXSpanCellPool& a0, const CGXSpanCellPool& a1) override
    {
        Rec<void>("CopyPool", AddressText(&a0), a1);
    }
    BOOL InsertRows(CGXSpanCellPool* a0, ROWCOL a1, ROWCOL a2) override { return Rec<BOOL>("InsertRows", a0, a1, a2); }
    BOOL RemoveRows(CGXSpanCellPool* a0, ROWCOL a1, ROWCOL a2) override { return Rec<BOOL>("RemoveRows", a0, a1, a2); }
    BOOL MoveRows(CGXSpanCellPool* a0, ROWCOL a1, ROWCOL a2, ROWCOL a3) override
    {
        return Rec<BOOL>("MoveRows", a0, a1, a2, a3);
    }
    BOOL InsertCols(CGXSpanCellPool* a0, ROWCOL a1, ROWCOL a2) override { return Rec<BOOL>("InsertCols", a0, a1, a2); }
    BOOL RemoveCols(CGXSpanCellPool* a0, ROWCOL a1, ROWCOL a2) override { return Rec<BOOL>("RemoveCols", a0, a1, a2); }
    BOOL MoveCols(CGXSpanCellPool* a0, ROWCOL a1, ROWCOL a2, ROWCOL a3) override
    {
        return Rec<BOOL>("MoveCols", a0, a1, a2, a3);
    }
};

struct FakeDelayedRangePoolImp : CGXAbstractDelayedRangePoolImp, ModuleLog {
    CGXDelayedRangePool* CreateCopy(const CGXDelayedRangePool& a0) override
    {
        return Rec<CGXDelayedRangePool*>("CreateCopy", a0);
    }
    CGXDelayedRangePool* CreatePool() override { return Rec<CGXDelayedRangePool*>("CreatePool"); }
    void CopyPool(CGXDelayedRangePool& a0, const CGXDelayedRangePool& a1) override
    {
        Rec<void>("CopyPool", AddressText(&a0), a1);
    }
};

struct FakeStyleDataExchangeImp : CGXAbstractGridStyleDataExchangeImp, ModuleLog {
    BOOL CopyCellsToArchive(CGXGridCore* a0, CArchive& a1, const CGXRangeList& a2, BOOL a3) override
    {
        return Rec<BOOL>("CopyCellsToArchive", a0, AddressText(&a1), a2, a3);
    }
    BOOL GetStyleForCopy(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, CGXStyle& a3, BOOL a4) override
    {
        return Rec<BOOL>("GetStyleForCopy", a0, a1, a2, AddressText(&a3), a4);
    }
    BOOL PasteCellsFromArchive(CGXGridCore* a0, CArchive& a1, const CGXCellRange& a2, BOOL a3) override
    {
        return Rec<BOOL>("PasteCellsFromArchive", a0, AddressText(&a1), a2, a3);
    }
};

struct FakeTextDataExchangeImp : CGXAbstractGridTextDataExchangeImp, ModuleLog {
    BOOL CopyTextToFile(CGXGridCore* a0, CFile& a1, const CGXRangeList& a2) override
    {
        return Rec<BOOL>("CopyTextToFile", a0, AddressText(&a1), a2);
    }
    void GetCellText(CString& a0, CGXGridCore* a1, ROWCOL a2, ROWCOL a3) override
    {
        Rec<void>("GetCellText", AddressText(&a0), a1, a2, a3);
    }
    BOOL PasteTextFromBuffer(CGXGridCore* a0, const char* a1, DWORD a2, const CGXCellRange& a3) override
    {
        return Rec<BOOL>("PasteTextFromBuffer", a0, a1, a2, a3);
    }
    BOOL SetCellText(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, const char* a3, UINT a4, const CGXStyle* a5) override
    {
        return Rec<BOOL>("SetCellText", a0, a1, a2, a3, a4, a5);
    }
    BOOL CalcBufferDimension(CGXGridCore* a0, const char* a1, DWORD a2, ROWCOL& a3, ROWCOL& a4) override
    {
        return Rec<BOOL>("CalcBufferDimension", a0, a1, a2, a3, a4);
    }
};

struct FakeUpdateHintImp : CGXAbstractGridUpdateHintImp, ModuleLog {
    BOOL ApplyHint(CGXGridCore* a0, CObject* a1) override { return Rec<BOOL>("ApplyHint", a0, a1); }
    BOOL RedrawAll(CGXGridCore* a0, UINT a1) override { return Rec<BOOL>("RedrawAll", a0, a1); }
    BOOL RedrawRange(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, ROWCOL a3, ROWCOL a4, UINT a5) override
    {
        return Rec<BOOL>("RedrawRange", a0, a1, a2, a3, a4, a5);
    }
    BOOL OnRowCountChanged(CGXGridCore* a0, ROWCOL a1, UINT a2) override
    {
        return Rec<BOOL>("OnRowCountChanged", a0, a1, a2);
    }
    BOOL OnColCountChanged(CGXGridCore* a0, ROWCOL a1, UINT a2) override
    {
        return Rec<BOOL>("OnColCountChanged", a0, a1, a2);
    }
    BOOL OnRowHeightsChanged(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, const int* a3, UINT a4) override
    {
        return Rec<BOOL>("OnRowHeightsChanged", a0, a1, a2, a3, a4);
    }
    BOOL OnColWidthsChanged(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, const int* a3, UINT a4) override
    {
        return Rec<BOOL>("OnColWidthsChanged", a0, a1, a2, a3, a4);
    }
    BOOL OnColsInserted(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, UINT a3) override
    {
        return Rec<BOOL>("OnColsInserted", a0, a1, a2, a3);
    }
    BOOL OnRowsInserted(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, UINT a3) override
    {
        return Rec<BOOL>("OnRowsInserted", a0, a1, a2, a3);
    }
    BOOL OnColsRemoved(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, const int* a3, UINT a4) override
    {
        return Rec<BOOL>("OnColsRemoved", a0, a1, a2, a3, a4);
    }
    BOOL OnRowsRemoved(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, const int* a3, UINT a4) override
    {
        return Rec<BOOL>("OnRowsRemoved", a0, a1, a2, a3, a4);
    }
    BOOL OnColsMoved(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, ROWCOL a3, UINT a4) override
    {
        return Rec<BOOL>("OnColsMoved", a0, a1, a2, a3, a4);
    }
    BOOL OnRowsMoved(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, ROWCOL a3, UINT a4) override
    {
        return Rec<BOOL>("OnRowsMoved", a0, a1, a2, a3, a4);
    }
    BOOL RedrawRangeChange(CGXGridCore* a0, POSITION a1, ROWCOL a2, ROWCOL a3, ROWCOL a4, ROWCOL a5) override
    {
        return Rec<BOOL>("RedrawRangeChange", a0, a1, a2, a3, a4, a5);
    }
    BOOL RedrawSelection(CGXGridCore* a0) override { return Rec<BOOL>("RedrawSelection", a0); }
    BOOL OnFrozenRowsChanged(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, UINT a3) override
    {
        return Rec<BOOL>("OnFrozenRowsChanged", a0, a1, a2, a3);
    }
    BOOL OnFrozenColsChanged(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, UINT a3) override
    {
        return Rec<BOOL>("OnFrozenColsChanged", a0, a1, a2, a3);
    }
    BOOL OnStyleRangeChanged(
        CGXGridCore* a0, const CGXCellRange& a1, const CGXStyle* a2, int a3, int a4, UINT a5) override
    {
        return Rec<BOOL>("OnStyleRangeChanged", a0, a1, a2, a3, a4, a5);
    }
    BOOL SetCoveredCellsRange(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, ROWCOL a3, ROWCOL a4, UINT a5) override
    {
        return Rec<BOOL>("SetCoveredCellsRange", a0, a1, a2, a3, a4, a5);
    }
    BOOL OnZoomChanged(CGXGridCore* a0, int a1, UINT a2) override { return Rec<BOOL>("OnZoomChanged", a0, a1, a2); }
    BOOL SetZoomValue(CGXGridCore* a0, int a1) override { return Rec<BOOL>("SetZoomValue", a0, a1); }
    BOOL RefreshCurrentCell(CGXGridCore* a0, BOOL a1) override { return Rec<BOOL>("RefreshCurrentCell", a0, a1); }
    BOOL UpdateNameText(CGXGridCore* a0) override { return Rec<BOOL>("UpdateNameText", a0); }
    BOOL RedrawSelectionDifference(CGXGridCore* a0, const CGXCellRange& a1, const CGXRangeList* a2) override
    {
        return Rec<BOOL>("RedrawSelectionDifference", a0, a1, a2);
    }
    BOOL EndCurrentCellEdit(CGXGridCore* a0, BOOL a1, UINT a2) override
    {
        return Rec<BOOL>("EndCurrentCellEdit", a0, a1, a2);
    }
    BOOL SetTopRow(CGXGridCore* a0, ROWCOL a1, UINT a2) override { return Rec<BOOL>("SetTopRow", a0, a1, a2); }
    BOOL SetLeftCol(CGXGridCore* a0, ROWCOL a1, UINT a2) override { return Rec<BOOL>("SetLeftCol", a0, a1, a2); }
    BOOL ScrollCells(CGXGridCore* a0, int a1, ROWCOL a2) override { return Rec<BOOL>("ScrollCells", a0, a1, a2); }
    BOOL SetCurrentCell(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, UINT a3) override
    {
        return Rec<BOOL>("SetCurrentCell", a0, a1, a2, a3);
    }
    BOOL RedrawFloatedCells(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, ROWCOL a3, ROWCOL a4, UINT a5) override
    {
        return Rec<BOOL>("RedrawFloatedCells", a0, a1, a2, a3, a4, a5);
    }
    BOOL RedrawMergedCells(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, ROWCOL a3, ROWCOL a4, UINT a5) override
    {
        return Rec<BOOL>("RedrawMergedCells", a0, a1, a2, a3, a4, a5);
    }
    BOOL HideExcelLikeFrame(CGXGridCore* a0, BOOL a1) override { return Rec<BOOL>("HideExcelLikeFrame", a0, a1); }
    BOOL UpdateSortRows(CGXGridCore* a0, const CGXCellRange& a1, UINT a2) override
    {
        return Rec<BOOL>("UpdateSortRows", a0, a1, a2);
    }
    BOOL UpdateSortCols(CGXGridCore* a0, const CGXCellRange& a1, UINT a2) override
    {
        return Rec<BOOL>("UpdateSortCols", a0, a1, a2);
    }
    BOOL OnPropertiesChanged(CGXGridCore* a0, UINT a1) override { return Rec<BOOL>("OnPropertiesChanged", a0, a1); }
    BOOL OnStylesMapChanged(CGXGridCore* a0, UINT a1) override { return Rec<BOOL>("OnStylesMapChanged", a0, a1); }
    BOOL OnBaseStyleChanged(CGXGridCore* a0, WORD a1, UINT a2) override
    {
        return Rec<BOOL>("OnBaseStyleChanged", a0, a1, a2);
    }
    BOOL RecalcAndRedraw(CGXGridCore* a0, const char* a1) override { return Rec<BOOL>("RecalcAndRedraw", a0, a1); }
    BOOL UpdateReadOnly(CGXGridCore* a0) override { return Rec<BOOL>("UpdateReadOnly", a0); }
};

struct FakeUserDragSelectRangeImp : CGXAbstractGridUserDragSelectRangeImp, ModuleLog {
    BOOL OnDragButtonDown(CGXGridCore* a0, CPoint& a1, UINT& a2, int& a3, ROWCOL& a4, ROWCOL& a5) override
    {
        return Rec<BOOL>("OnDragButtonDown", a0, AddressText(&a1), a2, a3, a4, a5);
    }
    BOOL OnDragMouseMove(CGXGridCore* a0, CPoint a1) override { return Rec<BOOL>("OnDragMouseMove", a0, a1); }
    BOOL OnDragButtonUp(CGXGridCore* a0, CPoint a1) override { return Rec<BOOL>("OnDragButtonUp", a0, a1); }
    BOOL StartDragSelection(CGXGridCore* a0, ROWCOL a1, ROWCOL a2) override
    {
        return Rec<BOOL>("StartDragSelection", a0, a1, a2);
    }
    void DragSelectionTo(CGXGridCore* a0, ROWCOL a1, ROWCOL a2) override { Rec<void>("DragSelectionTo", a0, a1, a2); }
    BOOL DropSelection(CGXGridCore* a0, ROWCOL a1, ROWCOL a2) override
    {
        return Rec<BOOL>("DropSelection", a0, a1, a2);
    }
    void CancelDragSelection(CGXGridCore* a0) override { Rec<void>("CancelDragSelection", a0); }
};

struct FakeUserResizeCellsImp : CGXAbstractGridUserResizeCellsImp, ModuleLog {
    BOOL OnResizeMouseMove(CGXGridCore* a0, CPoint a1) override { return Rec<BOOL>("OnResizeMouseMove", a0, a1); }
    BOOL OnResizeButtonDown(CGXGridCore* a0, CPoint a1, UINT a2, int a3, ROWCOL a4, ROWCOL a5) override
    {
        return Rec<BOOL>("OnResizeButtonDown", a0, a1, a2, a3, a4, a5);
    }
    BOOL OnResizeButtonUp(CGXGridCore* a0, CPoint a1) override { return Rec<BOOL>("OnResizeButtonUp", a0, a1); }
    BOOL OnResizeDoubleClick(CGXGridCore* a0, CPoint a1, UINT a2, int a3, ROWCOL a4, ROWCOL a5) override
    {
        return Rec<BOOL>("OnResizeDoubleClick", a0, a1, a2, a3, a4, a5);
    }
    BOOL StartResizeTracking(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, int a3) override
    {
        return Rec<BOOL>("StartResizeTracking", a0, a1, a2, a3);
    }
    void MoveResizeTracking(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, int a3, CSize a4) override
    {
        Rec<void>("MoveResizeTracking", a0, a1, a2, a3, a4);
    }
    void CancelResizeTracking(CGXGridCore* a0) override { Rec<void>("CancelResizeTracking", a0); }
    void EndResizeTracking(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, int a3, CSize a4) override
    {
        Rec<void>("EndResizeTracking", a0, a1, a2, a3, a4);
    }
};

struct FakeUserSelectRangeImp : CGXAbstractGridUserSelectRangeImp, ModuleLog {
    BOOL MoveCurrentCellSelecting(CGXGridCore* a0, int a1, UINT a2) override
    {
        return Rec<BOOL>("MoveCurrentCellSelecting", a0, a1, a2);
    }
    void StartSelection(CGXGridCore* a0, CPoint& a1, UINT& a2, int& a3, ROWCOL& a4, ROWCOL& a5) override
    {
        Rec<void>("StartSelection", a0, AddressText(&a1), a2, a3, a4, a5);
    }
    BOOL TrackSelection(CGXGridCore* a0, CPoint& a1, UINT& a2, ROWCOL& a3, ROWCOL& a4) override
    {
        return Rec<BOOL>("TrackSelection", a0, AddressText(&a1), a2, a3, a4);
    }
    void EndSelection(CGXGridCore* a0, CPoint& a1, UINT& a2) override
    {
        Rec<void>("EndSelection", a0, AddressText(&a1), a2);
    }
    void SelectRange(CGXGridCore* a0, const CGXCellRange& a1, BOOL a2, BOOL a3) override
    {
        Rec<void>("SelectRange", a0, a1, a2, a3);
    }
    BOOL AddOrExcludeRange(CGXGridCore* a0, const CGXCellRange& a1, BOOL a2) override
    {
        return Rec<BOOL>("AddOrExcludeRange", a0, a1, a2);
    }
    void RedrawSelectionDifference(CGXGridCore* a0, const CGXCellRange& a1, const CGXRangeList* a2, BOOL a3) override
    {
        Rec<void>("RedrawSelectionDifference", a0, a1, a2, a3);
    }
    void SetRangeAtPosition(CGXGridCore* a0, POSITION a1, ROWCOL a2, ROWCOL a3, ROWCOL a4, ROWCOL a5) override
    {
        Rec<void>("SetRangeAtPosition", a0, a1, a2, a3, a4, a5);
    }
    void RedrawRangeChange(CGXGridCore* a0, POSITION a1, ROWCOL a2, ROWCOL a3, ROWCOL a4, ROWCOL a5, BOOL a6) override
    {
        Rec<void>("RedrawRangeChange", a0, a1, a2, a3, a4, a5, a6);
    }
    void RedrawSelection(CGXGridCore* a0, BOOL a1) override { Rec<void>("RedrawSelection", a0, a1); }
    BOOL ToggleHeaderSelection(CGXGridCore* a0, ROWCOL a1, ROWCOL a2, UINT a3, int a4, int a5) override
    {
        return Rec<BOOL>("ToggleHeaderSelection", a0, a1, a2, a3, a4, a5);
    }
};

struct FakeCommandFactory : CGXAbstractCommandFactory, ModuleLog {
    // The commands the creators made: they record what they were given.
    struct Command : CGXCommand {
        std::string text;
        CObArray* pStyles = nullptr;
        ~Command() override { DeleteStyleArray(pStyles); }
        BOOL Execute(CGXGridCore*, int) override { return TRUE; }
        const char* GetName() override { return text.c_str(); }
    };
    CGXCommand* Made(const std::string& text, CObArray* pStyles = nullptr)
    {
        auto* p = new Command;
        p->text = text;
        p->pStyles = pStyles;
        calls.push_back(text);
        return p;
    }
    CGXCommand* CreateBlockCmd(const char* n) override { return Made(Call("CreateBlockCmd", n)); }
    CGXCommand* CreateSetRowHeightCmd(ROWCOL a, ROWCOL b, int* an) override
    {
        delete[] an;
        return Made(Call("CreateSetRowHeightCmd", a, b));
    }
    CGXCommand* CreateHideRowsCmd(ROWCOL a, ROWCOL b, int* an) override
    {
        delete[] an;
        return Made(Call("CreateHideRowsCmd", a, b));
    }
    CGXCommand* CreateSetDefaultRowHeightCmd(int n) override { return Made(Call("CreateSetDefaultRowHeightCmd", n)); }
    CGXCommand* CreateSetColWidthCmd(ROWCOL a, ROWCOL b, int* an) override
    {
        delete[] an;
        return Made(Call("CreateSetColWidthCmd", a, b));
    }
    CGXCommand* CreateHideColsCmd(ROWCOL a, ROWCOL b, int* an) override
    {
        delete[] an;
        return Made(Call("CreateHideColsCmd", a, b));
    }
    CGXCommand* CreateSetDefaultColWidthCmd(int n) override { return Made(Call("CreateSetDefaultColWidthCmd", n)); }
    CGXCommand* CreateMoveRowsCmd(ROWCOL a, ROWCOL b, ROWCOL d) override
    {
        return Made(Call("CreateMoveRowsCmd", a, b, d));
    }
    CGXCommand* CreateMoveColsCmd(ROWCOL a, ROWCOL b, ROWCOL d) override
    {
        return Made(Call("CreateMoveColsCmd", a, b, d));
    }
    CGXCommand* CreateRemoveRowsCmd(ROWCOL a, ROWCOL b) override { return Made(Call("CreateRemoveRowsCmd", a, b)); }
    CGXCommand* CreateRemoveColsCmd(ROWCOL a, ROWCOL b) override { return Made(Call("CreateRemoveColsCmd", a, b)); }
    // The inserting commands note the sizes and the counts of the styles they were given.
    CGXCommand* CreateInsertRowsCmd(ROWCOL r, ROWCOL n, int* an, CObArray* pc, CObArray* pb, ROWCOL c) override
    {
        return Made(Call("CreateInsertRowsCmd", r, n, c) + Saved(n, an, pb, pc));
    }
    CGXCommand* CreateInsertColsCmd(ROWCOL r, ROWCOL n, int* an, CObArray* pc, CObArray* pb, ROWCOL c) override
    {
        return Made(Call("CreateInsertColsCmd", r, n, c) + Saved(n, an, pb, pc));
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
    CGXCommand* CreateSetCoveredCellsCmd(ROWCOL t, ROWCOL l, ROWCOL b, ROWCOL r) override
    {
        return Made(Call("CreateSetCoveredCellsCmd", t, l, b, r));
    }
    CGXCommand* CreateSetStyleRangeCmd(const CGXCellRange& r, int k, CObArray* p) override
    {
        return Made(Call("CreateSetStyleRangeCmd", r, k), p);
    }
    CGXCommand* CreateSetFrozenRowsCmd(ROWCOL f, ROWCOL h) override
    {
        return Made(Call("CreateSetFrozenRowsCmd", f, h));
    }
    CGXCommand* CreateSetFrozenColsCmd(ROWCOL f, ROWCOL h) override
    {
        return Made(Call("CreateSetFrozenColsCmd", f, h));
    }
    CGXCommand* CreateMoveDataRowsCmd(const CGXCellRange& r, CDWordArray* p) override
    {
        delete p;
        return Made(Call("CreateMoveDataRowsCmd", r));
    }
    CGXCommand* CreateMoveDataColsCmd(const CGXCellRange& r, CDWordArray* p) override
    {
        delete p;
        return Made(Call("CreateMoveDataColsCmd", r));
    }
    CGXCommand* CreateChangeStylesMapCmd(const CGXStylesMap&) override { return Made("CreateChangeStylesMapCmd()"); }
    CGXCommand* CreateChangePropertiesCmd(const CGXProperties&) override { return Made("CreateChangePropertiesCmd()"); }
    CGXCommand* CreateChangeBaseStyleCmd(WORD n, const CGXStyle&, const char* psz) override
    {
        return Made(Call("CreateChangeBaseStyleCmd", n, psz));
    }
    CGXCommand* CreateMoveCellsCmd(const CGXCellRange& r, ROWCOL a, ROWCOL b, CObject* p) override
    {
        delete p;
        return Made(Call("CreateMoveCellsCmd", r, a, b));
    }
    CGXCommand* CreateSetRangeNameCmd(const char* n, BOOL b, const CGXCellRange& r) override
    {
        return Made(Call("CreateSetRangeNameCmd", n, b, r));
    }
    CGXCommand* CreateDeleteRangeNameCmd(const char* n, const CGXCellRange& r, CObject* p) override
    {
        delete p;
        return Made(Call("CreateDeleteRangeNameCmd", n, r));
    }
    BOOL SetEngineUndoMode(CGXGridCore* g, BOOL b) override { return Rec<BOOL>("SetEngineUndoMode", g, b); }
    CObject* DetachEngineUndoInfo(CGXGridCore* g) override
    {
        calls.push_back(Call("DetachEngineUndoInfo", g));
        return nullptr;
    }
    BOOL ApplyEngineUndoInfo(CGXGridCore* g, CObject* p, BOOL b, int n) override
    {
        return Rec<BOOL>("ApplyEngineUndoInfo", g, p, b, n);
    }
    void DeleteEngineUndoInfo(CGXGridCore* g) override { Rec<void>("DeleteEngineUndoInfo", g); }
    BOOL ExecuteCommand(CGXCommand* p, CGXGridCore* g, int t) override { return Rec<BOOL>("ExecuteCommand", p, g, t); }
    void AddCommand(CGXGridCore* g, CGXCommand* p, int t) override
    {
        calls.push_back(Call("AddCommand", g, t));
        commands.emplace_back(p);
    }
    void RemoveCommand(CGXGridCore* g, int t) override { Rec<void>("RemoveCommand", g, t); }
    BOOL Undo(CGXGridCore* g) override { return Rec<BOOL>("Undo", g); }
    BOOL Redo(CGXGridCore* g) override { return Rec<BOOL>("Redo", g); }
    void BeginTrans(CGXGridCore* g, const char* p) override { Rec<void>("BeginTrans", g, p); }
    void CommitTrans(CGXGridCore* g) override { Rec<void>("CommitTrans", g); }
    void Rollback(CGXGridCore* g) override { Rec<void>("Rollback", g); }
    void SetCurrentCellAfterUndo(CGXGridCore* g, ROWCOL r, ROWCOL c, UINT f) override
    {
        Rec<void>("SetCurrentCellAfterUndo", g, r, c, f);
    }
    BOOL OnUpdateEditUndo(CGXGridCore* g, CCmdUI* p) override { return Rec<BOOL>("OnUpdateEditUndo", g, p); }
    BOOL OnUpdateEditRedo(CGXGridCore* g, CCmdUI* p) override { return Rec<BOOL>("OnUpdateEditRedo", g, p); }
    BOOL SaveRowStylesForUndo(CGXGridCore* g, ROWCOL& f, ROWCOL& r, ROWCOL& c, CObArray*&, CObArray*&, BOOL b) override
    {
        return Rec<BOOL>("SaveRowStylesForUndo", g, f, r, c, b);
    }
    BOOL SaveColStylesForUndo(CGXGridCore* g, ROWCOL& f, ROWCOL& c, ROWCOL& r, CObArray*&, CObArray*&, BOOL b) override
    {
        return Rec<BOOL>("SaveColStylesForUndo", g, f, c, r, b);
    }
    // The recorded commands, owned.
    std::vector<std::unique_ptr<CGXCommand>> commands;
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

struct FakeCalcSizeImp : CGXAbstractCalcSizeImp, ModuleLog {
    CSize CalcSize(CGXGridCore* g, CDC* d, CGXControl* c, ROWCOL r, ROWCOL col, const CGXStyle& s, const CGXStyle* p,
        BOOL h) override
    {
        return Rec<CSize>("CalcSize", g, d, c, r, col, s, p, h);
    }
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
    void OnEditSelectionClick(CGXGridCore* g, ROWCOL r, ROWCOL c) override
    {
        Rec<void>("OnEditSelectionClick", g, r, c);
    }
};
