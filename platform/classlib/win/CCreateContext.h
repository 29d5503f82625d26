// CCreateContext: what a frame needs to know while it makes its client windows: which view class to
// create, for which document and template, next to which existing frame.
//
// A document template fills one on the stack and passes it to LoadFrame; it travels as the creation
// parameter of the frame's window (of an MDI child: inside its MDICREATESTRUCT) to OnCreateClient,
// which creates the view (control id AFX_IDW_PANE_FIRST), and from the view's own creation parameter
// the view joins the document (CView::OnCreate). Every member may be null.
#pragma once

#include "core/Core.h"

class CDocument;
class CDocTemplate;
class CFrameWnd;
class CView;

class CCreateContext {
public:
    CCreateContext()
        : m_pNewViewClass(nullptr), m_pCurrentDoc(nullptr), m_pNewDocTemplate(nullptr), m_pLastView(nullptr),
          m_pCurrentFrame(nullptr)
    {
    }

    CRuntimeClass* m_pNewViewClass;  // the view to create (a CWnd class, normally a CView); null: none
    CDocument* m_pCurrentDoc;        // the document the new view shows
    CDocTemplate* m_pNewDocTemplate; // the template that makes the frame
    CView* m_pLastView;              // the view the new one is made after (splitters), or null
    CFrameWnd* m_pCurrentFrame;      // an existing frame of the document (a new window for it), or null
};
