// The version-5-compatible reader of older style archives (see GXSerializeQW5Imp.h).
#include "grid/engine/GXSerializeQW5Imp.h"

#include "grid/engine/GXCollMap.h"
#include "grid/engine/GXState.h"
#include "grid/engine/GXStyle.h"

#include <memory>

void CGXSerializeQW5CompatibleImp::ReadOldUserAttributes(CGXStyle& style, CArchive& ar)
{
    std::unique_ptr<CObject> pOb(ar.ReadOwnedObject(RUNTIME_CLASS(CGXCollMapDWordToString)));
    if (!pOb)
        return;
    const CGXCollMapDWordToString& map = *static_cast<CGXCollMapDWordToString*>(pOb.get());
    POSITION pos = map.GetStartPosition();
    while (pos != nullptr) {
        DWORD nId;
        CString strText;
        map.GetNextAssoc(pos, nId, strText);
        style.SetUserAttribute(WORD(nId), strText);
    }
}

void InstallGlobalSerializeQW5CompatibleImp()
{
    GXInstallLibraryModule<CGXSerializeQW5CompatibleImp>(GXGetLibraryState()->m_pQW5SerializeImp);
}
