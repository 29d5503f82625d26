// SECDocTemplateUtils: questions about the application's document templates. An object starts with all of
// them, in the application's order, and narrows the list with the Keep operations; GetSingle answers the
// one template left. The static operations look templates up by their document strings and by frame,
// and answer the application's default menu.
#pragma once

#include "win/CDocTemplate.h"

#include <vector>

class CFrameWnd;

class SECDocTemplateUtils {
public:
    // Lists all the application's templates (none without an application or templates).
    SECDocTemplateUtils();

    // Lists all the application's templates again.
    void ListAll();
    // Keeps the templates of document class pDocClass and view class pViewClass (null: any).
    void KeepTypes(const CRuntimeClass* pDocClass, const CRuntimeClass* pViewClass);
    // Keeps the multiple-document templates whose shared menu is hMenu.
    void KeepSharedMenu(HMENU hMenu);
    // Keeps the templates of resource id nID.
    void KeepResourceID(UINT nID);
    // The only template left; null when none or more than one is.
    CDocTemplate* GetSingle() const;
    const std::vector<CDocTemplate*>& GetTemplates() const { return m_templates; }

    // The nIndex-th (from 0) template whose file-new name or document name is lpszName; null when
    // there is no such one.
    static CDocTemplate* FindByDocName(LPCSTR lpszName, int nIndex = 0);
    // pTemplate's index among the templates FindByDocName finds by its name (its file-new name, else
    // its document name): FindByDocName(that name, the index) is pTemplate. -1 when pTemplate is not
    // the application's.
    static int IndexAmongNamesakes(const CDocTemplate* pTemplate);
    // The template of the document shown by pFrame's active view; null when none.
    static CDocTemplate* TemplateOfFrame(CFrameWnd* pFrame);
    // The application's default menu: the resource id its main frame was loaded from, whose menu shows
    // while no document's does; 0 without a main frame.
    static UINT GetDefaultMenuID();

private:
    template <class TKeep>
    void Keep(TKeep keep);

    std::vector<CDocTemplate*> m_templates;
};
