// DEDizedLegend: the entries of a chart display, each a key (a small sample of the line, marker or fill
// the display draws the entry with) and a text, laid out in a grid of columns and rows inside the
// legend's rectangle. The texts are the labels of an embedded label block (one label per entry).
//
// Linked display: with the follow-display flag set (the default) the legend looks before each draw for
// the display that stands just before it in the chart's component list (or the first display inside a
// compound component standing there), takes it as its linked display and copies its data window. A
// legend first in the list, or after anything else, has none.
//
// Entries, by the entry source kind (the low byte of the style's flags word; 1, automatic, by default):
// 1 automatic: 4 for the pie types (graph types 0x04, 0x0D), 2 for the XY and group-stacked types
// (0x14, 0x21, 0x27, 0x28, 0x31, 0x32), 3 for any other type or without a linked display;
// 6 the items of the window's first group (their annotations for the chart's mode value);
// 4 the items of every group in the window (an item without a text shows IDS_CHART_UNNAMED_ITEM
// formatted with its group and index); any other kind the groups of the window (their annotation 1).
// The window is the legend's data window (-1: all of the chart's groups and items), walked by its
// group and index steps.
//
// Layout (in device pixels, inside the inner rectangle): a character cell of the legend's font gives
// the text width (text width in characters x the cell's width) and the row height (ceil((row spacing +
// 0.15) x the cell's height)); a key cell is ceil(1.2 x key size) wide. As many columns as the width
// holds (at least 1), as many rows as the entries then need; one row of fewer entries than columns has
// one column per entry. With bit 1 of the style's option word the style's symbol width and height give
// the columns and rows instead. Layout flags: fit width (bit 0) and fit height (bit 1) shrink the grid
// to its columns and rows, from its left edge when anchored at the left (bit 2) else from its right, and
// from its top when anchored at the top (bit 3) else from its bottom. With the resize flag the legend
// itself is drawn around the grid (grown by border and margins, moved back inside the chart's drawing
// area; without a fit flag the grid keeps its width and takes the rows' height); its stored rectangle
// never changes. Cells share the grid evenly; a single row is centred vertically. The cell size of the
// last legend laid out is shared by all legends of the process (GetSharedCellSize).
//
// Drawing an entry: its key in a box of the key size at the left of its cell (inset at top and bottom
// by the smaller of 0.1 x row height and 2 x the device scale), its text beside the key, after a gap of
// the smallest of key size / 10, 3 x the device scale and the rest of the key cell, centred on the
// row. Keys by the key kind (bits 12-15 of the style's kind word, or of the entry's item style with kind
// 5): 1 by the linked display's graph type (line types: the line when the show-line flag allows it,
// bit 17 of the option word clear, and the marker unless the item's marker kind is 4 or the type is
// 0x1F; other types a filled box), 2 a line, 3 a filled box (the item's fill, as a bar), 4 a marker, any
// other DrawCustomKey. Key sizes are in the rectangle's units (20 pixels, 10 mm, 0.4 in or 5 per cent
// by the measurement kind).
//
// Template text: keyword "legend ", the title's part, then "layout-flags key-size source-kind
// show-line" (code 11 when shorter); the written line adds the key kind, which reading sets to 1.
// Stored form: the title's, then the four layout flags and the key size; from version 3 the text width
// in characters and the row spacing, from version 4 (the legend's) the resize flag.
#pragma once

#include "chart/engine/components/DEDizedLabelBlock.h"
#include "chart/engine/components/DEDizedTitle.h"

#include <vector>

class SRGDisplayBase;

class DEDizedLegend : public DEDizedTitle {
    DECLARE_SERIAL(DEDizedLegend)
public:
    // Layout flags (SetLayoutFlags).
    enum { fitWidth = 1, fitHeight = 2, anchorLeft = 4, anchorTop = 8 };
    // Entry source kinds (low byte of the style's flags word).
    enum { entriesAutomatic = 1, entriesGroups = 3, entriesItems = 4, entriesFirstGroupItems = 6 };
    // Key kinds (bits 12-15 of the style's kind word).
    enum { keyNone = 0, keyByGraphType = 1, keyLine = 2, keyBox = 3, keyMarker = 4, keyItemStyle = 5 };
    // Option word: the key leaves out the line (bit 17); columns and rows from the symbol sizes (bit 1).
    enum { optionNoKeyLine = 0x20000, optionFixedGrid = 0x2 };

    // Type id chartTypeLegend, automatic entries, keys by graph type, key size 20 pixels, text width
    // 10 characters, row spacing 1, no fit or resize, following the display before it.
    DEDizedLegend();

    void Serialize(CArchive& ar) override;
    int GetVersion() const override;
    // Fills the entries (see the top of this file).
    void LayoutHook() override;
    // With the resize flag the legend is drawn around its grid (see the top of this file).
    void Draw(CDC* pDC, CWnd* pWnd) override;
    // The grid of keys and texts; nothing when the legend is hidden or its source kind is 0.
    void DrawContent() override;
    // The stored size: the legend does not fit its font to its rectangle.
    int FitFontSize() override;
    // The component margins of the measurement kind and its key size (20 pixels, 10 mm, 0.4 in, 5 %).
    void SetDefaultMargins() override;
    // The title's part, then "layout-flags key-size source-kind show-line" (code 11 when shorter); the
    // key kind becomes 1. Returns the text after the part.
    const char* ReadTemplateClassPart(const char* lpszText) override;
    void WriteTemplateKeyword(CStdioFile& writer) override;
    void WriteTemplateExtra(CStdioFile& writer) override;

    // The key of the entry (nGroup, nIndex) in the box (left, top, right, bottom), drawn in palette
    // colour nPaletteIndex where the style asks for the palette (see the top of this file).
    virtual void DrawKey(int nLeft, int nTop, int nRight, int nBottom, int nGroup, int nIndex, int nPaletteIndex);
    // The key size in device pixels while drawing (30 outside): pixels as stored; millimetres and
    // inches by the DC's horizontal resolution; per cent of the larger side of the chart's drawing
    // area, at least 10 x the device scale.
    virtual int GetKeySizePixels();
    // The key of a kind without a drawing of its own. Nothing here.
    virtual void DrawCustomKey(int nLeft, int nTop, int nRight, int nBottom, int nGroup, int nIndex,
                               int nPaletteIndex);
    // The character cell of hFont on the DC drawn into: (tmMaxCharWidth + 3 x tmAveCharWidth) / 4 and
    // tmHeight. (0, 0) outside drawing.
    virtual CSize GetCharCell(HFONT hFont);
    // Bits 0-3 as fitWidth, fitHeight, anchorLeft and anchorTop.
    virtual void SetLayoutFlags(int nFlags);
    virtual void SetResize(int bResize);
    virtual int GetResize() const;

    // The key size in the rectangle's units.
    void SetKeySize(double dSize) { m_dKeySize = dSize; }
    double GetKeySize() const { return m_dKeySize; }
    int GetLayoutFlags() const;
    void SetFollowDisplay(int bFollow) { m_bFollowDisplay = bFollow; }
    int GetFollowDisplay() const { return m_bFollowDisplay; }
    void SetTextWidth(int nCharacters) { m_nTextWidth = nCharacters; }
    int GetTextWidth() const { return m_nTextWidth; }
    void SetRowSpacing(int nSpacing) { m_nRowSpacing = nSpacing; }
    int GetRowSpacing() const { return m_nRowSpacing; }
    int GetSourceKind() const { return m_style.m_nFlags & 0xFF; }
    void SetSourceKind(int nKind) { m_style.m_nFlags = (m_style.m_nFlags & ~0xFF) | (nKind & 0xFF); }
    int GetKeyKind() const { return (m_style.m_nKind >> 12) & 0xF; }
    void SetKeyKind(int nKind) { m_style.m_nKind = (m_style.m_nKind & ~0xF000) | ((nKind & 0xF) << 12); }
    // The entry kind of the last layout (the automatic kind resolved).
    int GetEntryKind();
    // The display whose entries are listed (null when none).
    SRGDisplayBase* GetLinkedDisplay() const { return m_pDisplay; }
    void SetLinkedDisplay(SRGDisplayBase* pDisplay) { m_pDisplay = pDisplay; }
    // The entries' labels.
    DEDizedLabelBlock& GetEntries() { return m_entries; }
    int GetEntryCount() const { return m_nEntryCount; }
    // The grid of the last layout (device pixels), its columns and rows.
    CRect GetGridRect() const { return m_rcGrid; }
    int GetColumnCount() const { return m_nColumns; }
    int GetRowCount() const { return m_nRows; }

    // The cell size of the last legend laid out in the process; tests reset it.
    static CSize GetSharedCellSize();
    static void ResetSharedCellSize();

protected:
    // Looks for the display before the legend (see the top of this file) and copies its window.
    void FollowDisplay();
    // Lays the entries out in the inner rectangle; fills rFitted (device pixels) with the rectangle the
    // resize flag gives the legend. Returns false when there is nothing to lay out.
    bool LayOut(CRect& rFitted);
    // Draws the keys and labels of the last layout.
    void DrawEntries();

    DEDizedRect m_savedRect;
    DEDizedLabelBlock m_entries;
    SRGDisplayBase* m_pDisplay;  // not owned
    CRect m_rcGrid;
    int m_bFitWidth;
    int m_bFitHeight;
    int m_bAnchorLeft;
    int m_bAnchorTop;
    int m_bResize;
    int m_bFollowDisplay;
    double m_dKeySize;
    int m_nEntryCount;
    int m_nTextWidth;
    int m_nRowSpacing;
    std::vector<CPoint> m_entryItems;  // the item (x) and group (y) each entry shows

    // The layout of the last draw.
    int m_nColumns;
    int m_nRows;
    int m_nRowHeight;
    int m_nKeyPixels;
    int m_nKeyCellWidth;
    int m_nOffsetY;
};
