// DEDizedComponentProperties: the property sheet of one chart component, or of the style of a data
// group or item. It holds one page of every kind (ComponentPages.h) and shows those the kind needs, in
// this order:
// - for a component: type and position, fill, border, shadow;
// - then by kind: a display's page, a legend's page, a label's page (the first label page), a label
//   block's page (the second); for a group's or an item's style the object style and interior pages;
// - with the font flag: the font page.
// The caller fills the pages before DoModal and reads them after IDOK (DEDizedEditDialog does both).
// The sheet has no Apply button: the values reach the chart only when the sheet is closed with OK.
#pragma once

#include "chart/views/dialogs/ComponentPages.h"
#include "win/Win.h"

#include <windows.h>

class DEDizedComponentProperties : public CPropertySheet {
    DECLARE_DYNAMIC(DEDizedComponentProperties)
public:
    // The kinds of the data styles the sheet edits besides components (whose kind is their type id).
    enum { kindGroupStyle = 53555, kindItemStyle = 53556 };

    // pParentWnd: the owner; bFontPage: add the font page; nKind: the component's type id, or
    // kindGroupStyle / kindItemStyle.
    DEDizedComponentProperties(CWnd* pParentWnd, int bFontPage, int nKind);

    SRGCTypeAndPos m_typeAndPos;
    SRGCFillStyle m_fillStyle;
    SRGCBorderStyle m_borderStyle;
    SRGCShadowStyle m_shadowStyle;
    SRGCFontStyle m_fontStyle;
    SRGCDisplayStyle m_displayStyle;
    SRGCLegendEdit m_legendEdit;
    SRGCLabelStyle m_labelStyle;
    SRGCLabelStyle m_labelBlockStyle;
    SRGObjStyle m_objStyle;
    SRGInteriorEdit m_interiorEdit;
};
