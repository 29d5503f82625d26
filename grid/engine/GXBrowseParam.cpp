// CGXBrowseParam: the parameter object of browsing grids (see GXBrowseParam.h).
#include "grid/engine/GXBrowseParam.h"

IMPLEMENT_SERIAL(CGXBrowseParam, CGXGridParam, 0)

CGXBrowseParam::CGXBrowseParam()
{
    SetSelectionFlags(1);
}

CGXBrowseParam::~CGXBrowseParam() = default;

void CGXBrowseParam::Serialize(CArchive& ar)
{
    CGXGridParam::Serialize(ar);
    if (ar.IsStoring()) {
        ar << WORD(2) << m_bFlag;
        ar.WriteObject(m_pArchivedObject.get());
        return;
    }
    WORD nSchema = 0;
    ar >> nSchema;
    if (nSchema > 2)
        AfxThrowArchiveException(CArchiveException::badSchema);
    ar >> m_bFlag;
    if (nSchema == 2)
        m_pArchivedObject.reset(ar.ReadOwnedObject(nullptr));
}

void CGXBrowseParam::CopyFrom(const CGXBrowseParam& other)
{
    if (&other == this)
        return;
    CGXGridParam::operator=(other);
    m_nOption1 = other.m_nOption1;
    m_nOption2 = other.m_nOption2;
    m_nOption3 = other.m_nOption3;
    m_nLimit = other.m_nLimit;
    m_bFlag = other.m_bFlag;
}
