// CDocTemplate and CMultiDocTemplate: the recipe for a kind of document: one resource id and three
// run-time classes (document, frame, view).
//
// The resource id names the template's string, seven fields separated by '\n' (GetDocString):
// window title, document name, file-new name, filter name, filter extension, registry file type id
// and name; a template without the string has empty fields (a template without a file-new name is
// never offered by File New). A CMultiDocTemplate also loads the id's menu and accelerators when it
// is constructed (from the current resource handle, then the program; either may be missing): its
// MDI children show that shared menu and use those accelerators; the template destroys the menu.
//
// OpenDocumentFile(null) makes a document of the document class, a frame of the frame class
// (LoadFrame with the template's id and a context naming the view class), gives the document its
// default title ("<document name><n>", or "Untitled" without a name), calls its OnNewDocument (FALSE:
// the frame is destroyed and null returned), then the frame's InitialUpdateFrame. The classes must
// be creatable and derive from CDocument, CFrameWnd and CWnd (else CInvalidArgException at
// construction); a creation that fails shows "Failed to create empty document." and returns null.
//
// CloseAllDocuments closes every document of the template with OnCloseDocument, asking nothing.
//
// Not done yet: opening files (OpenDocumentFile with a path returns null), single-document
// templates, matching file types.
#pragma once

#include "win/CCmdTarget.h"

class CDocument;
class CFrameWnd;

class CDocTemplate : public CCmdTarget {
    DECLARE_DYNAMIC(CDocTemplate)
public:
    enum DocStringIndex {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName
    };

    ~CDocTemplate() override;

    // The field index of the template's string in rString. FALSE (and empty) when the string or the
    // field is missing.
    virtual BOOL GetDocString(CString& rString, DocStringIndex index) const;

    // The template's documents.
    virtual POSITION GetFirstDocPosition() const = 0;
    virtual CDocument* GetNextDoc(POSITION& rPos) const = 0;
    // Enters / removes pDoc (not null) in the template's list; AddDocument makes the template the
    // document's.
    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);

    // A new document of the document class, added to the template (null when it cannot be made).
    virtual CDocument* CreateNewDocument();
    // A new frame for pDoc (pOther: an existing frame of it, or null), loaded with the template's id.
    // Null when it could not be made.
    virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther);
    // pFrame->InitialUpdateFrame(pDoc, bMakeVisible).
    virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);
    // Gives a new document its title (see the top of this file).
    virtual void SetDefaultTitle(CDocument* pDocument) = 0;
    // See the top of this file. Returns the new document, or null.
    virtual CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
    // Closes every document (OnCloseDocument), asking nothing. bEndSession: the program ends.
    virtual void CloseAllDocuments(BOOL bEndSession);

    UINT m_nIDResource;            // the resource id of the string, menu, accelerators and icons
    CRuntimeClass* m_pDocClass;    // the classes of new documents, frames and views
    CRuntimeClass* m_pFrameClass;
    CRuntimeClass* m_pViewClass;
    CString m_strDocStrings;       // the template's string ("" when it has none)

protected:
    // Checks and keeps the classes; loads the string.
    CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass);
};

class CMultiDocTemplate : public CDocTemplate {
    DECLARE_DYNAMIC(CMultiDocTemplate)
public:
    // See the top of this file.
    CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                      CRuntimeClass* pViewClass);
    // Destroys the shared menu; documents still open forget the template.
    ~CMultiDocTemplate() override;

    // The documents, in the order they were made.
    POSITION GetFirstDocPosition() const override;
    CDocument* GetNextDoc(POSITION& rPos) const override;
    // Keeps pDoc (not null) in the list / takes it out (nothing when it is not there).
    void AddDocument(CDocument* pDoc) override;
    void RemoveDocument(CDocument* pDoc) override;
    // "<document name><n>" (n counting the documents made), or "Untitled" without a name.
    void SetDefaultTitle(CDocument* pDocument) override;
    // See the top of this file.
    CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) override;

    HMENU m_hMenuShared;   // the id's menu (null when none), owned by the template
    HACCEL m_hAccelTable;  // the id's accelerators (null when none)

protected:
    CPtrList m_docList;
    UINT m_nUntitledCount; // documents made so far (numbers the default titles)
};
