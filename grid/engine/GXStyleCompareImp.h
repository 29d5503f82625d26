// The style-compare module: CGXStyle::IsSubSet. style.IsSubSet(other) is TRUE when every attribute
// that other includes is included in style with the same value: alignments (public values), the flags, MaxLength, TextColor (as resolved
// colours), ControlId, Interior (the 8 bytes), each border side other sets (the 8 bytes), the font
// (CGXFont::IsSubSet), Value and ChoicesList (equal texts), Format, Places, BaseStyle, item data (the
// same pointer) and every user attribute of other (an attribute of the same id here, IsEqual). An
// other style that includes nothing is a subset of every style.
#pragma once

#include "grid/engine/GXModules.h"

class CGXStyleCompareSubsetImp : public CGXAbstractStyleCompareSubsetImp {
public:
    // TRUE when style includes everything other includes, with the same values (see above).
    BOOL IsSubSet(const CGXStyle& style, const CGXStyle& other) override;
};

// Installs the style-compare module once (GridLibraryState::m_pStyleCompareSubsetImp).
void InstallGlobalStyleCompareSubsetImp();
