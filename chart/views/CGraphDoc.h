// CGraphDoc: a chart document. It holds one chart (DEDized) for its views (DEDizedView), stores and
// loads it as its own stored form, and turns the data commands of SECComDoc into changes of the
// chart's values, annotations, styles and display windows.
//
// Data commands (DataCommand; SECComDoc dispatches command 3 to it):
//   1  the record's text becomes annotation 1 of item (index, group)                 views updated, 1
//   2  the record's value is stored at (index, group), or with its null flag set the  views updated, 1
//      item is only marked as having no value (its stored value kept)
//   4  the record's text becomes annotation 1 of the group, replacing its texts       views updated, 1
//   6  the item (low 16 bits, high 16 bits of the argument as index and group) gets    views updated, 1
//      bits 8-11 of its style word set to 1; nothing for an item the chart does not
//      have
//   7  the same with the bits set to 0                                                 views updated, 1
//   8-11 the first group, last group, first index or last index of the display       1
//      numbered by the high 16 bits becomes the low 16 bits (signed)
//   any other type: nothing, 0.
// Commands 1, 2 and 4 take the address of an SECDataRecord; a null address does nothing (0).
//
// Templates (HandOverTemplate): a non-zero template id is passed to the chart's template reader
// (DEDized::ReadTemplate, the resource of that id); a global memory block holding a table of values is
// then loaded into the chart (DEDized::SetDataFromText) and freed; the text is read no further than the
// block's size.
#pragma once

#include "chart/engine/DEDized.h"
#include "chart/views/SECComDoc.h"

// The record of data commands 1, 2 and 4 (passed by address). A view passes on each value it drags
// with a record whose group and index count from 1.
struct SECDataRecord {
    int nGroup;
    int nIndex;
    double dValue;
    char szText[256];   // commands 1 and 4; read up to its first NUL or its end
    int bNull;          // command 2: the item has no value
};

class CGraphDoc : public SECComDoc {
    DECLARE_DYNCREATE(CGraphDoc)
public:
    enum {
        dataItemText = 1,
        dataValue = 2,
        dataGroupText = 4,
        dataMark = 6,
        dataUnmark = 7,
        dataFirstGroup = 8,
        dataLastGroup = 9,
        dataFirstIndex = 10,
        dataLastIndex = 11,
    };

    CGraphDoc();
    ~CGraphDoc() override;

    // The chart's stored form, nothing else.
    void Serialize(CArchive& ar) override;
    // See the top of this file.
    int DataCommand(int nType, LPARAM lArg) override;
    // See the top of this file. Returns 1.
    int HandOverTemplate(int nTemplateId, HGLOBAL hBlock) override;

    DEDized* GetChart() { return &m_chart; }

protected:
    DEDized m_chart;
};
