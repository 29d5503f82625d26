// CDocManager: the application's list of document templates (CWinApp::AddDocTemplate), which owns
// them and deletes them with itself.
//
// File New (OnFileNew) opens a new document of the first template that has a file-new name; with
// none it does nothing (no message). CloseAllDocuments closes the documents of every template without
// asking anything.
//
// Not done yet: opening files (OpenDocumentFile returns null), the choice among several templates in
// File New (the first one is taken), saving all modified documents.
#pragma once

#include "core/Core.h"

#include <windows.h>

class CDocTemplate;
class CDocument;

class CDocManager : public CObject {
    DECLARE_DYNAMIC(CDocManager)
public:
    CDocManager();
    // Deletes the templates.
    ~CDocManager() override;
    CDocManager(const CDocManager&) = delete;
    CDocManager& operator=(const CDocManager&) = delete;

    // Takes pTemplate (not null, not already in the list: else CInvalidArgException) into the list.
    virtual void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    // The template at rPos, which moves on to the next one.
    CDocTemplate* GetNextDocTemplate(POSITION& rPos) const;
    // The number of open documents of all templates.
    int GetOpenDocumentCount() const;
    // Closes every document of every template (see the top of this file).
    virtual void CloseAllDocuments(BOOL bEndSession);
    // See the top of this file.
    virtual void OnFileNew();
    // Opens the file as a document. Not done yet: null.
    virtual CDocument* OpenDocumentFile(LPCSTR lpszFileName);

protected:
    CPtrList m_templateList;
};
