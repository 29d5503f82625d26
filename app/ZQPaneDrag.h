// CZQPaneDrag: the drag of an item of the alternatives list or of the reference tree, from the
// pane's begin-drag notification to the button's release. The drag image follows the cursor over the
// whole screen (it is entered on the desktop window, held at (8, 8)); the pane that started the drag
// keeps the mouse captured, and the window under the cursor is found with the image hidden. Over the
// reference tree the item under the cursor becomes the drop target and is highlighted.
//
// The cursor position and the window under it come through the class library's services (their
// seam in tests): the pane hands over the positions of its mouse messages, in screen coordinates.
#pragma once

#include <windows.h>

#include "win/Win.h"

#include <memory>

class CZQPaneDrag {
public:
    CZQPaneDrag();
    ~CZQPaneDrag();
    CZQPaneDrag(const CZQPaneDrag&) = delete;
    CZQPaneDrag& operator=(const CZQPaneDrag&) = delete;

    // Starts a drag for pOwner (which takes the capture) with the drag image pImage (owned from now
    // on; a drag without an image still runs, unseen), entered at the cursor. Ends a drag still
    // running first, without a drop. pTree is the reference tree a drop may land on.
    void Begin(CWnd* pOwner, CImageList* pImage, CTreeCtrl* pTree);
    // Moves the image to ptScreen and finds the window under it. Over the reference tree the item
    // there becomes the drop target (highlighted, or none) and the cursor an arrow; elsewhere the
    // cursor is an arrow over hWndAllowed (may be null) and the "no" cursor anywhere else.
    void Move(CPoint ptScreen, HWND hWndAllowed = nullptr);
    // Ends the drag at ptScreen: the image goes, the highlight is cleared and the capture released.
    // TRUE when the button was released over the reference tree (the drop target, possibly null,
    // says where); FALSE otherwise. FALSE when no drag runs.
    BOOL End(CPoint ptScreen);
    // Ends the drag with no drop (the capture was taken away).
    void Cancel();

    BOOL IsDragging() const { return m_bDragging; }
    // The tree item under the cursor at the last move; null when none.
    HTREEITEM GetDropTarget() const { return m_hDropTarget; }

private:
    // The window under ptScreen, found with the drag image hidden.
    HWND WindowUnder(CPoint ptScreen) const;
    // Takes the image down and lets the capture go.
    void Stop();

    std::unique_ptr<CImageList> m_pImage;
    BOOL m_bDragging;
    CWnd* m_pOwner;
    CTreeCtrl* m_pTree;
    HTREEITEM m_hDropTarget;
};
