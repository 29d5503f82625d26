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
// The interfaces of the grid operations' process-wide modules live with the grid operations (grid/ops,
// one header per module); this header includes them, so that the engine reaches each module through
// the operation of its own interface.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"
#include "grid/ops/GXDataCopyMoveCellsImp.h"
#include "grid/ops/GXDateTimeImp.h"
#include "grid/ops/GXDrawRotatedTextImp.h"
#include "grid/ops/GXLongOperationImp.h"
#include "grid/ops/GXNumberFormattingImp.h"
#include "grid/ops/GXPrintDeviceImp.h"
#include "grid/ops/GXSortMoveDataImp.h"
#include "grid/ops/GXCoveredCellsImp.h"
#include "grid/ops/GXSpanCellPoolImp.h"

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

// The creators of the process-wide modules of the grid operations, one per installer; null until the
// grid operations register theirs (GXRegisterGridOperations, grid/ops/GXOperations.h). A creator that
// answers null leaves the pointer null too.
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

// The date/time module's date order (3 without the module) with its year width and date separator
// (untouched without it), and time separator (':' without the module).
int GetLocaleDateOrder(BOOL bRefresh = FALSE, BOOL* pbFourDigitYear = nullptr, char* pchDateSeparator = nullptr);
char GetLocaleTimeSeparator(BOOL bRefresh = FALSE);
