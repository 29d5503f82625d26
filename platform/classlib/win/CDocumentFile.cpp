// CDocument: reading a document from a file (see CDocument.h).
#include "win/CDocument.h"

#include "core/CArchive.h"
#include "core/CFile.h"
#include "win/AfxRes.h"
#include "win/AfxResource.h"
#include "win/HostPath.h"
#include "win/WinServices.h"

BOOL CDocument::OnOpenDocument(LPCSTR lpszPathName)
{
    CString hostPath;
    CFile file;
    bool bRead = AfxGetHostPath(lpszPathName, hostPath) != FALSE && file.Open(hostPath, CFile::modeRead);
    if (bRead) {
        DeleteContents();
        try {
            CArchive ar(&file, CArchive::load);
            ar.m_pDocument = this;
            Serialize(ar);
            ar.Close();
        } catch (CException* e) {
            e->Delete();
            bRead = false;
        }
    }
    if (!bRead) {
        // a document half read is no document
        DeleteContents();
        SetModifiedFlag(FALSE);
        AfxMessageBox(AfxLoadLibraryString(AFX_IDP_FAILED_TO_OPEN_DOC), MB_ICONEXCLAMATION);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}
