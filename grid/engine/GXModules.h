// The process-wide modules of the grid library that the stored forms, the profile settings, the style
// comparison, the parameter copy and the cell data's copy, move and sort operations forward to. Each is
// a stateless object reached through one pointer of GridLibraryState (null until its installer runs);
// an object whose operation finds no module does nothing or answers FALSE / 0.
//
// The installers of the library's own modules (InstallGlobalStyleSerializeImp and the others) are
// declared with their implementations: GXStyleSerializeImp.h, GXDocSerializeImp.h, GXProfileImp.h,
// GXStyleCompareImp.h, GXParamCopyImp.h, GXSerializeQW5Imp.h. Each installer does nothing when its
// pointer is already set; otherwise it makes the module, stores it and hands it to
// GridLibraryState::RegisterLibrarySingleton, which frees it at exit. The copy/move and sort modules
// of the cell data belong to the grid operations.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXRange.h"

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
