// CDragListBox: a list box whose items the user reorders by dragging them.
//
// The list is made a drag list of the common controls (MakeDragList) when the object takes its window
// (creation or subclassing a dialog item). The drag list reports a drag to the list's parent with the
// registered message DRAGLISTMSGSTRING ("commctrl_DragListMsg"); the parent's window, when it is one of
// the library, offers it to the list (reflection), which calls its virtual operations with the cursor
// position in screen coordinates:
// - BeginDrag when the button goes down on an item: TRUE lets the drag start. Base: marks the item
//   under the cursor as the insertion place; TRUE.
// - Dragging while the mouse moves: the cursor to show (DL_MOVECURSOR, DL_COPYCURSOR, DL_STOPCURSOR).
//   Base: marks the insertion place; DL_MOVECURSOR over an item, DL_STOPCURSOR elsewhere.
// - Dropped when the button goes up, with the index of the item dragged. Base: the mark goes; the item
//   (text and data) moves before the item under the cursor and is selected, unless that is the item
//   itself or the one after it, or there is none.
// - CancelDrag when the drag is given up (Escape, the capture lost). Base: the mark goes.
// DrawInsert marks the insertion place (the system's arrow left of the list; -1 removes it).
//
// Not done yet: dragging in multiple-selection lists.
#pragma once

#include "win/CListBox.h"

class CDragListBox : public CListBox {
    DECLARE_DYNAMIC(CDragListBox)
public:
    CDragListBox();
    ~CDragListBox() override;

    // The item at pt (screen coordinates), -1 for none; with bAutoScroll a point just above or below
    // the list scrolls it.
    int ItemFromPt(CPoint pt, BOOL bAutoScroll = TRUE) const;

    // The drag's steps (see the top of this file).
    virtual BOOL BeginDrag(CPoint pt);
    virtual UINT Dragging(CPoint pt);
    virtual void Dropped(int nSrcIndex, CPoint pt);
    virtual void CancelDrag(CPoint pt);
    virtual void DrawInsert(int nItem);

protected:
    // Makes the list a drag list.
    void PreSubclassWindow() override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    int m_nLast;     // the item DrawInsert marked last (-1: none)
    int m_nDragItem; // the item being dragged (-1: none)
};
