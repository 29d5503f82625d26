// The version-5-compatible module: reads the user attributes of style archives older than schema 5,
// which carry them as a tagged CGXCollMapDWordToString (GXCollMap.h) of 32-bit ids to texts. Each
// entry becomes a CGXUserAttribute built from its text, under the id's low 16 bits; the old map is
// discarded.
#pragma once

#include "grid/engine/GXModules.h"

class CGXSerializeQW5CompatibleImp : public CGXAbstractSerializeQW5CompatibleImp {
public:
    // Reads the older map (null: nothing) and gives style its entries as user attributes.
    void ReadOldUserAttributes(CGXStyle& style, CArchive& ar) override;
};

// Installs the version-5-compatible module once (GridLibraryState::m_pQW5SerializeImp).
void InstallGlobalSerializeQW5CompatibleImp();
