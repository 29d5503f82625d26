#include "win/CPrintInfo.h"

#include "win/AfxRes.h"
#include "win/AfxResource.h"

CPrintInfo::CPrintInfo()
    : m_pPD(new CPrintDialog(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOSELECTION)), m_bDirect(FALSE),
      m_bPreview(FALSE), m_bContinuePrinting(TRUE), m_nCurPage(1), m_nNumPreviewPages(1),
      m_strPageDesc(AfxLoadLibraryString(AFX_IDS_PREVIEW_PAGEDESC))
{
    SetMinPage(1);
    SetMaxPage(0xFFFF);
    m_pPD->m_pd.nFromPage = 1;
    m_pPD->m_pd.nToPage = 0xFFFF;
}

CPrintInfo::~CPrintInfo()
{
    delete m_pPD;
}
