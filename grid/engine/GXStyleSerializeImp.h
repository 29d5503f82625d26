// The style-serialisation module: the stored forms of styles, fonts, brushes and pens (little-endian;
// strings and tagged objects as CArchive writes them).
//
// Style (schema 6), in this order:
//   - the schema: WORD 6; the include mask: DWORD (bits as GXStyle.h numbers them);
//   - the attributes, each when included: HorizontalAlignment DWORD (0, 1, 2); VerticalAlignment
//     DWORD (0, 4, 8); ReadOnly BYTE; ControlId DWORD; Interior (brush form); TextColor DWORD (a
//     system colour as its current RGB, so it loads as a plain colour); WrapText BYTE; AllowEnter
//     BYTE; Font (a tagged CGXFont); Value string; ChoicesList string; VerticalScrollbar BYTE;
//     MaxLength WORD; Enabled BYTE; TriState BYTE; Draw3dFrame BYTE; AutoSize BYTE;
//   - the borders: WORD 1 when included, else WORD 0; after a 1, per side (left, right, top, bottom)
//     WORD 0 for a side not set, or WORD 1 and the pen's text form (GXTextForms.h) as a string;
//   - the base style, when included: DWORD resource id of the base style in the styles map (0 when it
//     was registered by name or is not registered), and only after a 0 its name as a string (empty
//     without a map);
//   - the user attributes: the attribute map as a tagged object (null when none);
//   - the span flags: FloatCell, FloodCell, MergeCell BYTEs, each when included;
//   - the item data, when included, as a DWORD (the low 32 bits of the pointer; meaningful only
//     within one process);
//   - the number format: Format BYTE, Places BYTE, each when included; the value type BYTE when Value
//     is included.
// Loading accepts schemas 0 to 6 (a larger one throws CArchiveException badSchema): the span flags
// are read only above schema 1 and the item data only above schema 2; up to schema 4 the user
// attributes are the older map of ids to texts, read by the version-5-compatible module (badSchema
// without it); schemas 4 and 5 carry Format and Places as a pair after the item data when Format is
// included; schemas below 4 carry no number format, and loading them leaves Format, Places and the
// value type as they were. Loading sets what the archive holds and leaves the
// style's other attributes as they are (a style read as a tagged object starts empty). Numbers wider
// than their attribute keep their low bits. A loaded item-data value is only carried, never followed.
// Base styles are resolved through the styles map given, else the one the archive was given with
// CGXArchiveStylesMap; without a map BaseStyle is not set.
//
// Font (schema 2): WORD schema 2; DWORD mask (bits 0-2 italic, underline, strike-out set; 3-5 their
//   values; 6 weight set; 7 size set; 8 orientation set; 9 face set); then, when set, weight WORD
//   (platform weight), size WORD (tenths of a point), orientation WORD (tenths of a degree), face: its
//   text as a string, pitch-and-family BYTE, character-set BYTE. Loading schema 1 reads a LOGFONT
//   subset (DWORD height, DWORD weight, BYTE italic, BYTE underline, BYTE pitch-and-family, string
//   face of at most 31 bytes used), applies it with SetLogFont, then a DWORD mask whose clear bits
//   0-4 unset weight, italic, underline, strike-out and size, whose clear bit 5 unsets the face, and
//   whose bit 6 announces a DWORD orientation (else the orientation is unset). Other schemas throw
//   badSchema.
//
// Brush: five DWORDs: style (0-3); foreground colour (a system colour with its marker byte, so it
//   loads as the system colour); hatch (0-7); pattern index (0-63); background colour (likewise).
//   Loading a pattern brush whose pattern the drawing service does not offer makes it hollow.
// Pen: DWORD style (0-7); WORD width; WORD 1 when the side is included, else 0 (loading 0 sets style
//   7); DWORD colour (system colour with its marker).
#pragma once

#include <windows.h>

#include "grid/engine/GXModules.h"

class CGXCellBrush;
class CGXCellPen;

class CGXStyleSerializeImp : public CGXAbstractStyleSerializeImp {
public:
    // Write (storing archive) or read (loading archive) the forms above; see GXModules.h.
    void SerializeStyle(CGXStyle& style, CArchive& ar, const CGXStylesMap* pStylesMap) override;
    void SerializeFont(CGXFont& font, CArchive& ar) override;
};

// Installs the style-serialisation module once (GridLibraryState::m_pStyleSerializeImp).
void InstallGlobalStyleSerializeImp();

// The brush and pen forms (see the top of this file).
void GXSerializeBrush(CGXCellBrush& brush, CArchive& ar);
void GXSerializePen(CGXCellPen& pen, CArchive& ar);

// Gives an archive the styles map that the styles it carries name their base styles in, for as long
// as this object lives (the archive's document in the stored forms' terms). Scopes nest; the innermost
// one of an archive holds.
class CGXArchiveStylesMap {
public:
    CGXArchiveStylesMap(const CArchive& ar, const CGXStylesMap* pStylesMap);
    ~CGXArchiveStylesMap();
    CGXArchiveStylesMap(const CGXArchiveStylesMap&) = delete;
    CGXArchiveStylesMap& operator=(const CGXArchiveStylesMap&) = delete;

    // The styles map given to ar (null when none).
    static const CGXStylesMap* Find(const CArchive& ar);
};
