// SECBmpMenuPlugIn: the frame plug-in (frames/SECWndPlugIn.h) that draws the frame's popup menus
// itself, with the tool-bar image of each command at the left of its item, so that a command looks the
// same on a button and in a menu.
//
// Popup initialisation (InitMenuPopup, which the host frame runs after its own WM_INITMENUPOPUP
// handling, never for a system menu): every plain text item (not a bitmap, separator or owner-drawn
// item) of the popup whose id lies outside the system commands 0xF000-0xFEFF and was not excluded
// becomes owner-drawn, carrying an SECBmpMenuItemInfo with its id, text and mnemonic (an item that opens
// a popup counts as id 0). An item that another component made owner-drawn is excluded from then on:
// the plug-in neither measures nor draws it, and leaves the message to the frame.
//
// Measuring (WM_MEASUREITEM): the text in the menu font (the non-client metrics' lfMenuFont in the
// program's code page, SECMenuLogFont), single line: width = text width + small image width + 30;
// height = the largest of SM_CYMENU, small image height + 4 and the text height; the answer is 1 and
// the frame does not see the message.
//
// Drawing (WM_DRAWITEM, composed off-screen, then copied to the item): the text is split at its first
// tab into label and accelerator; the default item uses the bold menu font. An image column image width
// + 4 wide starts one pixel inside the item's left edge, a one-pixel strip follows, then the text area.
// Without an image: a checked item shows its checked bitmap, else the toolkit's check mark (bitmap
// IDB_SEC_CHECKMARK in the button colours; the system's check with the check-mark flag off), an unchecked
// item its unchecked bitmap, each centred on the menu colour; otherwise the column is the highlight
// colour when selected, else the menu colour. With an image: the column is the menu colour; a box
// image height + 4 high, centred, is drawn sunken when checked or raised when selected and enabled;
// the image sits 2 pixels inside the box: embossed when grayed (highlight offset by one pixel, then
// shadow, through the mask of its face- and highlight-coloured pixels), else copied, and a checked
// item that is not selected gets the dither pattern on its face. The strip is the highlight colour only
// when selected without an image. The text area is the highlight colour when selected, else the menu
// colour; label and right-aligned accelerator go from one pixel into it to 23 pixels before the item's
// right edge, single line, centred vertically: highlight text when selected, menu text otherwise;
// grayed and selected in the grey text colour on the highlight, as the system draws a grey item it
// highlights (the menu colour instead when the grey is the highlight's own: the text would vanish);
// grayed otherwise in the highlight colour offset by (1, 1) under the grey text colour. (In the menu
// colour, as the classic look had it, a grey item highlighted by the keyboard or the mouse showed
// white on blue under the system's colours, as an enabled one.)
//
// Mnemonics (WM_MENUCHAR, answered for every popup): the key upper-cased against the mnemonics of the
// popup's items the plug-in draws: no match 0; one match 0x20000 + its position (execute); several
// 0x30000 + the position of the first match after the highlighted item, or of the first match when
// none follows (select). Measured under this Wine (8.0): the system ignores the select answer (a key
// shared by several items then selects nothing); the execute answer works.
//
// Clean-up (on idle, WM_IDLEUPDATECMDUI): menus that no longer exist are forgotten with their item
// records; records that no item of a live menu carries any more are deleted. WM_SETTINGCHANGE drops
// the fonts, reloads the images, cleans up and turns every item it draws plain and owner-drawn again,
// so that the system measures it again. WM_SYSCOLORCHANGE reads the colours again, drops the dither
// brush and reloads the images.
//
// Images: an image manager of the plug-in's own (keeping both image forms) until SetBmpMgr shares
// another; LoadToolBarImages loads a tool-bar resource into it, mapped to the button colours.
//
// Radio dot: a plug-in made with the check-mark flag replaces the class library's radio-dot bitmap
// (win/CCmdTarget.h) with its own, 16 by 15, one bit deep, white with a black dot of five rows (6, 15,
// 15, 15 and 6 shifted left by 6, in rows 5 to 9); the system's menu arrow if that cannot be made.
// Destruction puts the library's own back.
//
// Destruction turns every item it draws of a live menu back into a plain text item with its text.
#pragma once

#include "frames/SECWndPlugIn.h"
#include "win/CGdiObject.h"

#include <map>
#include <memory>
#include <set>
#include <vector>

class SECBmpMgr;
class SECBtnDrawContext;

// What the plug-in keeps of an item it draws.
class SECBmpMenuItemInfo : public CObject {
    DECLARE_DYNAMIC(SECBmpMenuItemInfo)
public:
    SECBmpMenuItemInfo(UINT nID, LPCSTR lpszText);

    UINT m_nID;
    CString m_strText;
    char m_cMnemonic; // SECMnemonicOf the text
};

class SECBmpMenuPlugIn : public SECWndPlugIn {
    DECLARE_DYNAMIC(SECBmpMenuPlugIn)
    DECLARE_MESSAGE_MAP()
public:
    // bCheckMark: the toolkit's check mark and radio dot (see the top of this file).
    explicit SECBmpMenuPlugIn(BOOL bCheckMark = TRUE);
    ~SECBmpMenuPlugIn() override;

    // Loads tool-bar resource lpszResource (name or MAKEINTRESOURCE id) and its bitmap into the image
    // manager, mapped to the button colours. FALSE when it cannot be loaded (SECBmpMgr.h).
    BOOL LoadToolBarImages(LPCSTR lpszResource);
    BOOL LoadToolBarImages(UINT nIDResource);
    // The plug-in leaves the items of command nID alone from now on.
    void ExcludeCommand(UINT nID);
    BOOL IsExcluded(UINT nID) const { return m_excluded.count(nID) != 0; }
    // Shares pBmpMgr (not null) instead of the image manager held: a reference is taken on it, the old
    // one's given up, and keep-both is switched on.
    void SetBmpMgr(SECBmpMgr* pBmpMgr);
    SECBmpMgr* GetBmpMgr() const { return m_pBmpMgr; }

    // The popup initialisation (see the top of this file): hPopup the popup, nIndex its position,
    // bSysMenu TRUE for a system menu (nothing is done then).
    virtual void InitMenuPopup(HMENU hPopup, UINT nIndex, BOOL bSysMenu);
    // TRUE while a popup the plug-in opened is a system menu, which the host then initialises as one.
    // FALSE here.
    virtual BOOL IsSysMenuPopup() const;
    // Whether the last message's handler asked the host to keep out.
    virtual BOOL GetExitDefault() const { return m_bExitDefault; }
    // Forgets dead menus and the records no item carries (see the top of this file).
    virtual void CleanUpMenus();
    // The item record pData is, when it is one of the plug-in's; else null.
    SECBmpMenuItemInfo* FindInfo(ULONG_PTR pData) const;

protected:
    // The record of one menu the plug-in initialised: the item records it made for it (owned).
    typedef std::vector<std::unique_ptr<SECBmpMenuItemInfo>> InfoList;

    // The menu fonts (made on first use): SECMenuLogFont, and the same with weight 700.
    virtual HFONT MakeNormalFont();
    virtual HFONT MakeBoldFont();
    // Writes into rectMask of dcMask the mask of the image at ptSrc of dcImage: white where it shows the
    // button face or highlight colour, black elsewhere.
    virtual void MakeMask(CDC& dcImage, CPoint ptSrc, CDC& dcMask, const CRect& rectMask);
    // The image of a checked item that is not selected, already drawn at rectImage of the context's
    // colour DC (whose mask DC holds its mask there): the dither pattern on its face.
    virtual void DrawCheckedImage(SECBtnDrawContext& ctx, const CRect& rectImage);
    // The embossed image of a grayed item at rectImage (its mask is at rectImage of the mask DC).
    virtual void DrawDisabledImage(SECBtnDrawContext& ctx, const CRect& rectImage);
    // Draws the image column rectColumn of the item (colour DC coordinates). nImage: the command's
    // image in hImages, -1 when it has none; hMenu and nPos: the item; nState: ODS_*. Returns whether an
    // image was drawn.
    virtual BOOL DrawImageColumn(SECBtnDrawContext& ctx, const CRect& rectColumn, HMENU hMenu, UINT nPos, UINT nState,
                                 HBITMAP hImages, int nImage);

    // Calls fn(menu, position, item type, record) for every item of a live menu that carries one of the
    // plug-in's records.
    template <class Fn>
    void ForEachDrawnItem(Fn fn);
    // The drawing context, made on first use (its dither brush is the plug-in's).
    SECBtnDrawContext& GetDrawContext();

    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    afx_msg void OnSysColorChange();

    std::map<HMENU, InfoList> m_menus; // the menus initialised and their item records
    std::set<UINT> m_excluded;         // commands whose items somebody else draws
    BOOL m_bCheckMark;
    SECBmpMgr* m_pBmpMgr;              // one reference held
    CFont m_fontNormal;
    CFont m_fontBold;
    std::unique_ptr<SECBtnDrawContext> m_pDrawContext;
    HBITMAP m_hRadioDot;               // installed in the class library while the plug-in lives (owned)
};
