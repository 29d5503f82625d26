// The process-wide modules of the grid library. Each is a stateless object reached through one
// pointer of GridLibraryState (null until its installer runs); an object whose operation finds no
// module does nothing or answers FALSE / 0.
//
// The engine's own modules (stored forms, profile settings, style comparison, parameter copy) are
// declared with their implementations: GXStyleSerializeImp.h, GXDocSerializeImp.h, GXProfileImp.h,
// GXStyleCompareImp.h, GXParamCopyImp.h, GXSerializeQW5Imp.h. The others belong to the grid
// operations; their installers (below) make them through the creators of GridLibraryState (null until
// the grid operations provide their modules), so that until then their pointers stay null and the
// engine takes the absent path. Every installer does nothing when its pointer is already set;
// otherwise it makes the module, stores it and hands it to GridLibraryState::RegisterLibrarySingleton,
// which frees it at exit (GXInstallLibraryModule, GXState.h).
//
// Each class lists the operations the engine calls so far, in the order the grid operations define
// them; the grid operations complete them.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"

class CDC;
class CGXStyle;
class CGXFont;
class CGXStylesMap;
class CGXProperties;
class CGXData;
class CGXStylePtrArray;
class CGXStylePtrArrayPtrArray;
class CGXGridParam;
class CGXSortInfoArray;
class CGXUndoEngineCellsInfo;
class CGXLongOperation;

// Answers whether one style is a subset of another (CGXStyle::IsSubSet).
class CGXAbstractStyleCompareSubsetImp : public CObject {
public:
    // TRUE when every attribute that other includes is included in style with the same value.
    virtual BOOL IsSubSet(const CGXStyle& style, const CGXStyle& other) = 0;
};

// The stored forms of styles and fonts (CGXStyle::Serialize, CGXFont::Serialize).
class CGXAbstractStyleSerializeImp : public CObject {
public:
    // Writes or reads style; pStylesMap names the base styles (null: the styles map the archive was
    // given, see GXArchiveStylesMap, or none).
    virtual void SerializeStyle(CGXStyle& style, CArchive& ar, const CGXStylesMap* pStylesMap) = 0;
    // Writes or reads font.
    virtual void SerializeFont(CGXFont& font, CArchive& ar) = 0;
};

// Reads the user attributes of style archives older than schema 5.
class CGXAbstractSerializeQW5CompatibleImp : public CObject {
public:
    // Reads the older map of ids to texts (a tagged object) and gives style one CGXUserAttribute per
    // entry, built from its text.
    virtual void ReadOldUserAttributes(CGXStyle& style, CArchive& ar) = 0;
};

// The stored forms of the grid's documents: styles map, style arrays, cell data, properties,
// parameters.
class CGXAbstractGridDocSerializeImp : public CObject {
public:
    virtual void SerializeStylesMap(CGXStylesMap& map, CArchive& ar) = 0;
    virtual void SerializeStyleArray(CGXStylePtrArray& array, CArchive& ar) = 0;
    virtual void SerializeStyleArrays(CGXStylePtrArrayPtrArray& array, CArchive& ar) = 0;
    virtual void SerializeData(CGXData& data, CArchive& ar) = 0;
    virtual void SerializeProperties(CGXProperties& properties, CArchive& ar) = 0;
    virtual void SerializeParam(CGXGridParam& param, CArchive& ar) = 0;
};

// The grid's settings in the application's profile.
class CGXAbstractGridProfileImp : public CObject {
public:
    // Writes the base styles of map to its section.
    virtual void WriteStylesMap(const CGXStylesMap& map) = 0;
    // Writes font as its text under key in section.
    virtual void WriteFont(const CGXFont& font, const char* pszSection, const char* pszKey) = 0;
    // Writes style to section, key by key.
    virtual void WriteStyle(const CGXStyle& style, const char* pszSection, const CGXStylesMap* pStylesMap) = 0;
    // Writes properties to their section.
    virtual void WriteProperties(const CGXProperties& properties) = 0;
    // Reads the base styles of map from its section. TRUE when anything was read.
    virtual BOOL ReadStylesMap(CGXStylesMap& map) = 0;
    // Reads font from key in section. TRUE when the value was not empty.
    virtual BOOL ReadFont(CGXFont& font, const char* pszSection, const char* pszKey) = 0;
    // Reads style from section. FALSE when no section is given.
    virtual BOOL ReadStyle(CGXStyle& style, const char* pszSection, const CGXStylesMap* pStylesMap) = 0;
    // Reads properties from their section. FALSE when the section does not exist.
    virtual BOOL ReadProperties(CGXProperties& properties) = 0;
};

// Deep copies of parameter objects, styles maps and properties.
class CGXAbstractGridParamCopyOperatorImp : public CObject {
public:
    // Makes dest a copy of src (nothing when they are the same object).
    virtual void CopyParam(CGXGridParam& dest, const CGXGridParam& src) = 0;
    // Makes dest a copy of src: every entry, styles cloned.
    virtual void CopyStylesMap(CGXStylesMap& dest, const CGXStylesMap& src) = 0;
    // Makes dest a copy of src: every setting, user properties cloned, header and footer copied.
    virtual void CopyProperties(CGXProperties& dest, const CGXProperties& src) = 0;
};

// Copies and moves blocks of cells of a cell data store (grid operations).
class CGXAbstractDataCopyMoveCellsImp : public CObject {
public:
    // Copies the cells of range to the block starting at (nDestRow, nDestCol). Returns success.
    virtual BOOL CopyCells(CGXData& data, const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol,
                           UINT nFlags) = 0;
    // Moves them, with undo information for the formula engine. Returns success.
    virtual BOOL MoveCells(CGXData& data, const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol,
                           CGXUndoEngineCellsInfo*& pUndoInfo, UINT nFlags) = 0;
};

// Reorders the rows or columns of a cell data store after sorting (grid operations).
class CGXAbstractGridSortMoveDataImp : public CObject {
public:
    // Rows, then columns. Return success.
    virtual BOOL ReorderRowsAfterSort(CGXData& data, CGXSortInfoArray& sortInfo, CDWordArray& awMoveMap) = 0;
    virtual BOOL ReorderColsAfterSort(CGXData& data, CGXSortInfoArray& sortInfo, CDWordArray& awMoveMap) = 0;
};

// The status text, progress and abort of long operations (CGXLongOperation forwards to it). Each
// operation is given the long-operation object it serves.
class CGXAbstractLongOperationImp : public CObject {
public:
    // A long operation starts: raises the nesting level.
    virtual void Start(CGXLongOperation& operation) = 0;
    // It ends: lowers the nesting level.
    virtual void End(CGXLongOperation& operation) = 0;
    // Frees the status text owned at the operation's level.
    virtual void FreeStatusText(CGXLongOperation& operation) = 0;
    // Sets the status text (with bCopy a private copy). Returns the module's answer.
    virtual BOOL SetStatusText(CGXLongOperation& operation, const char* pszText, BOOL bCopy) = 0;
    // Shows the progress, processes messages and sets bAborted when the user chose to stop. Returns
    // whether anything was done.
    virtual BOOL DoMessages(CGXLongOperation& operation, BOOL& bAborted) = 0;
    // Shows the progress after the wait time. Returns whether it did.
    virtual BOOL UpdateProgress(CGXLongOperation& operation) = 0;
    // Processes pending messages.
    virtual void PumpMessages(CGXLongOperation& operation) = 0;
};

// Number formats of cell values (the styles' Format and Places).
class CGXAbstractNumberFormattingImp : public CObject {
public:
    // The text shown for pszValue (null: the style's Value and value type) of nValueType.
    virtual CString FormatValue(const CGXStyle& style, const char* pszValue, UINT nValueType) = 0;
    // Reads pszText as a number into dValue; pnFormat and pnPlaces (written only when both are given)
    // receive the format and places it shows. TRUE when the text is a number.
    virtual BOOL ParseNumber(const char* pszText, double& dValue, UINT* pnFormat, UINT* pnPlaces) = 0;
};

// Rotated cell text.
class CGXAbstractDrawRotatedTextImp : public CObject {
public:
    // Draws a text of nLength bytes (-1: up to its 0) in rect with the alignment flags nFormat, the
    // selected font turned by nOrientation tenths of a degree; clipped to pClipRect (null: rect).
    virtual int DrawRotatedText(CDC* pDC, const char* pszText, int nLength, const RECT& rect, UINT nFormat,
                                LONG nOrientation, const RECT* pClipRect) = 0;
};

// Date and time in the user's locale (the OLE and the no-OLE module share one pointer).
class CGXAbstractDateTimeImp : public CObject {
public:
    // Reads the locale's date and time settings again.
    virtual void RefreshLocaleInfo() = 0;
    // The locale's order of day, month and year; pstrFormat (may be null) receives its date format.
    virtual int GetDateOrder(DWORD nFlags, CString* pstrFormat) = 0;
    // The locale's time separator (nKind as the module reads it).
    virtual char GetTimeSeparator(int nKind) = 0;
};

// The printer settings of grids (CGXPrintDevice).
class CGXAbstractPrintDeviceImp : public CObject {};

// Make and copy the span and delayed-range pools of covered, merged and floating cells.
class CGXAbstractCoveredCellPoolImp : public CObject {};
class CGXAbstractSpanCellPoolImp : public CObject {};
class CGXAbstractDelayedRangePoolImp : public CObject {};

// The creators of the process-wide modules of the grid operations, one per installer; null until the
// grid operations provide them (the installer then makes nothing).
struct GXLibraryModuleCreators {
    CGXAbstractPrintDeviceImp* (*pfnPrintDevice)() = nullptr;
    CGXAbstractDrawRotatedTextImp* (*pfnDrawRotatedText)() = nullptr;
    CGXAbstractNumberFormattingImp* (*pfnNumberFormatting)() = nullptr;
    CGXAbstractDateTimeImp* (*pfnOleDateTime)() = nullptr;
    CGXAbstractDateTimeImp* (*pfnNoOleDateTime)() = nullptr;
    CGXAbstractGridSortMoveDataImp* (*pfnSortMoveData)() = nullptr;
    CGXAbstractDataCopyMoveCellsImp* (*pfnDataCopyMoveCells)() = nullptr;
    CGXAbstractLongOperationImp* (*pfnLongOperation)() = nullptr;
    CGXAbstractCoveredCellPoolImp* (*pfnCoveredCellPool)() = nullptr;
    CGXAbstractSpanCellPoolImp* (*pfnSpanCellPool)() = nullptr;
    CGXAbstractDelayedRangePoolImp* (*pfnDelayedRangePool)() = nullptr;
};

// The installers of the grid operations' process-wide modules (see the top of this file). The OLE
// and no-OLE date/time installers share one pointer: the first one that makes a module wins.
void InstallGlobalPrintDeviceImp();
void InstallGlobalDrawRotatedTextImp();
void InstallGlobalNumberFormattingImp();
void InstallGlobalOleDateTimeImp();
void InstallGlobalNoOleDateTimeImp();
void InstallGlobalSortMoveDataImp();
void InstallGlobalDataCopyMoveCellsImp();
void InstallGlobalLongOperationImp();
void InstallGlobalCoveredCellPoolImp();
void InstallGlobalSpanCellPoolImp();
void InstallGlobalDelayedRangePoolImp();

// The date/time module's date order (3 without the module) and time separator (':' without it).
int GetLocaleDateOrder(DWORD nFlags = 0, CString* pstrFormat = nullptr);
char GetLocaleTimeSeparator(int nKind = 0);
