// The document-serialisation module: the stored forms of the styles map, the style arrays, the cell
// data, the properties and the parameter object (little-endian; strings, arrays and tagged objects as
// CArchive writes them; styles in the form of GXStyleSerializeImp.h, which must be installed too).
//
// Styles map (schema 2): WORD 2; section string; WORD count of control names, per name DWORD id and
//   string; WORD count of names, per name WORD style id and string (loading discards them: names are
//   rebuilt from the base styles); WORD count of base styles, per style WORD style id, DWORD resource
//   id, string name, BYTE system flag and the style (with this map); WORD the next free style id;
//   WORD count of user attributes, per attribute DWORD id and its default style (schema 2 only).
//   Loading replaces the map's contents: a style with a resource id is named by the string table's
//   text ("STYLE%u" without one), a user attribute by its text ("UA%u" without one); the next free id
//   is raised above the largest style id read, so later registrations cannot overwrite a loaded style;
//   the ids of the three standard styles are looked up again.
// Style array (schema 1): WORD 1; DWORD size; per stored style DWORD index and the style as a tagged
//   object; DWORD 0xFFFFFFFF. The array of row arrays: the same with each row's array form in place
//   of the object.
// Cell data (schema 1, required exactly): WORD 1; DWORD row count; DWORD column count; the cell rows;
//   the row base styles; the column base styles.
// Properties (schema 4): WORD 4; the colour values (CDWordArray form); an empty CStringArray (read and
//   skipped; the colour values are then sized to the colour names); BYTEs VerticalLines,
//   HorizontalLines, 3dHeader, MarkRowHeader, MarkColumnHeader; section string; DWORD zoom; user
//   properties as DWORD id (not 0), string name and the style as a tagged object, ended by DWORD 0
//   (loading replaces the style of a known id); DWORDs Print Vertical Lines, Print Horizontal Lines,
//   Page Order, Print Only Black&White, Print Row Headers, Center Vertical, Center Horizontal, the
//   top, left, right and bottom margins, Print Frame, the header and footer distances, Start Page
//   Numbering; two option WORDs; two CDWordArrays (loaded from schema 3); the footer and the header in
//   the cell-data form; DWORD Print Column Headers (loaded for schema 2 and from schema 4).
// Parameters (schema 10): WORD 10; eighteen BYTEs (options 1, 2, 3, the undo switch, options 5, 6,
//   option 3 again, option 2 again, options 9, 10, owns data, owns print device, owns properties, owns
//   styles map, options 15, 16, the read-only guard, the immediate-update switch); WORDs selection
//   behaviour, row-height tracking, column-width tracking; DWORDs frozen rows, frozen columns, default
//   column width, default row height; the title string; five option WORDs; DWORDs header rows, header
//   columns; then each owned object as a tagged object: the styles map, then (with that styles map
//   given to the archive) the data and the properties, then the print device; the two range lists;
//   the row heights and the column widths (CGXMapDWordToLong form); the two further stored objects;
//   from schema 2 a BYTE; from 3 two BYTEs and three DWORDs; from 4 the allowed-selections WORD; from
//   5 a BYTE, a WORD and a DWORD; from 6 five BYTEs, the float-cells mode WORD, the screen float span
//   pool and its delayed-range pool, the merge-cells mode WORD, the horizontal and vertical merge span
//   pools and the merge delayed-range pool (tagged objects, null where the mode has none) and a WORD;
//   from 8 three BYTEs; from 9 a WORD; from 10 a
//   BYTE.
//
// Loading: a schema word above the one written (cell data: other than 1) throws CArchiveException
// badSchema. Counts and sizes are checked before anything is allocated for them. A style array is
// allocated as far as its stored styles reach, never for its stored size alone: a size no array can
// have, or an index at or beyond its array's size, throws badIndex; the entries the styles of one
// cell data store (or of one array loaded alone) need may number at most GX_MAX_LOADED_STYLE_SLOTS,
// beyond which CMemoryException* is thrown. Arrays whose last entries are empty get back their stored
// size while a second allowance of GX_MAX_LOADED_STYLE_SLOTS entries lasts (beyond it they stay as
// long as their styles, which reads the same: a missing entry is an empty one). Every object an
// owner keeps is read with CArchive::ReadOwnedObject, so a reference to an object read before throws
// badIndex and no object gets two owners. Loading parameters first deletes the owned styles map, data,
// properties and print device and nulls their pointers, so an archive that says an object is not owned
// leaves no pointer to a deleted one. Pool objects (floating and merged cells) are read through the
// process-wide pool modules (skipped without them); then the pools are matched to the modes
// (CGXGridParam::MatchSpanPoolsToModes) and reset so that the grid works the spans out again: each
// delayed-range pool holds the whole table, each span pool is empty.
#pragma once

#include "grid/engine/GXModules.h"

// The most style-array entries that the styles of one cell data store may need when it is loaded
// (2^24), and the most entries its arrays may be padded with to their stored sizes.
#define GX_MAX_LOADED_STYLE_SLOTS (uint64_t(1) << 24)

class CGXGridDocSerializeImp : public CGXAbstractGridDocSerializeImp {
public:
    // Write (storing archive) or read (loading archive) the forms above; see GXModules.h.
    void SerializeStylesMap(CGXStylesMap& map, CArchive& ar) override;
    void SerializeStyleArray(CGXStylePtrArray& array, CArchive& ar) override;
    void SerializeStyleArrays(CGXStylePtrArrayPtrArray& array, CArchive& ar) override;
    void SerializeData(CGXData& data, CArchive& ar) override;
    void SerializeProperties(CGXProperties& properties, CArchive& ar) override;
    void SerializeParam(CGXGridParam& param, CArchive& ar) override;
};

// Installs the document-serialisation module once (GridLibraryState::m_pDocSerializeImp).
void InstallGlobalGridDocSerializeImp();
