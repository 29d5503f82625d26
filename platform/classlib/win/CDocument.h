// CDocument: the data behind one or more views, made by a document template.
//
// A document knows its title (shown by its frames' captions), its path, whether it was modified, its
// template and its views (a view joins when it is created with the document in its CCreateContext
// and leaves when it is destroyed). UpdateAllViews tells every view but the sender about a change.
// Commands routed to a view go on to its document, then to the document's template.
//
// Closing: OnCloseDocument destroys the frames of all views (and so the views), empties the document
// (DeleteContents) and deletes it when it is auto-deleting (the default: documents live on the heap).
// The document also closes itself when its last view goes. The template forgets a deleted document.
//
// Reading a file (OnOpenDocument, CDocumentFile.cpp): the document is emptied and its Serialize reads
// the whole file through a loading archive.
//
// Not done yet: writing documents (OnSaveDocument, the save question when a modified document closes).
#pragma once

#include "win/CCmdTarget.h"

class CDocTemplate;
class CFrameWnd;
class CView;

class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument();
    // Leaves the template's list; the views still attached forget the document.
    ~CDocument() override;

    // ---- title, path, state ------------------------------------------------------------------------

    const CString& GetTitle() const;
    // Sets the title and updates the captions of the frames that show the document.
    virtual void SetTitle(LPCSTR lpszTitle);
    // The full path of the document's file as path text (UTF-8, see HostPath.h; empty for a new document).
    const CString& GetPathName() const;
    // Makes the path text lpszPathName (not null) the document's path (made full), its file name the
    // title (as the code page shows it), and with bAddToMRU puts it at the top of the application's
    // recent files.
    virtual void SetPathName(LPCSTR lpszPathName, BOOL bAddToMRU = TRUE);
    // The template that made the document (null when none).
    CDocTemplate* GetDocTemplate() const;
    virtual BOOL IsModified();
    virtual void SetModifiedFlag(BOOL bModified = TRUE);

    // ---- views -------------------------------------------------------------------------------------

    POSITION GetFirstViewPosition() const;
    // The view at rPosition, which moves on to the next one (null after the last).
    CView* GetNextView(POSITION& rPosition) const;
    // Attaches pView (not null; a view of another document is refused with CInvalidArgException).
    void AddView(CView* pView);
    // Detaches pView (nothing when it is not attached).
    void RemoveView(CView* pView);
    // Calls OnUpdate(pSender, lHint, pHint) of every view but pSender (null: all views).
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0, CObject* pHint = nullptr);
    // After a view joined or left: a document without views closes itself when auto-deleting; else
    // the frames' captions are updated.
    virtual void OnChangedViewList();

    // ---- life --------------------------------------------------------------------------------------

    // A new, empty document: DeleteContents, no path, not modified. Returns TRUE (derived classes
    // answer FALSE to refuse).
    virtual BOOL OnNewDocument();
    // Reads the document from the file lpszPathName (a Windows path): DeleteContents, then Serialize
    // through a loading archive whose m_pDocument is this document; the document is then not modified.
    // A path that maps to no host file, a file that cannot be opened or one that Serialize refuses (it
    // throws) shows AFX_IDP_FAILED_TO_OPEN_DOC, empties the document again (DeleteContents) and
    // returns FALSE. The path and title are left to the caller (SetPathName).
    virtual BOOL OnOpenDocument(LPCSTR lpszPathName);
    // Closes the document (see the top of this file). The object may be gone afterwards.
    virtual void OnCloseDocument();
    // Empties the document's data. Base: nothing.
    virtual void DeleteContents();
    // Whether pFrame may close: base TRUE (SaveModified).
    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    // Base: TRUE (documents are not saved yet).
    virtual BOOL SaveModified();
    // Called before pFrame, a frame of the document, is destroyed. Base: nothing.
    virtual void PreCloseFrame(CFrameWnd* pFrame);
    // The document's own menu and accelerators for its frames (null: the template's). Base: null.
    virtual HMENU GetDefaultMenu();
    virtual HACCEL GetDefaultAccelerator();

    // The document's table, then its template's.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    BOOL m_bAutoDelete; // delete the object when it closes (TRUE)

protected:
    // Updates the captions of the frames showing the document.
    void UpdateFrameCounts();

    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate* m_pDocTemplate;
    CPtrList m_viewList;
    BOOL m_bModified;

    friend class CDocTemplate;
    friend class CView;
};
