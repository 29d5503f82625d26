// SECBmpMgr: the images of tool-bar commands, shared by reference count between tool bars and bitmap
// menus, so that a command shows the same image on a button and in a menu.
//
// A tool-bar resource (type 241: WORD version, WORD image width, WORD image height, WORD count, then
// count WORD command ids, 0 for a separator) names the commands whose images its bitmap of the same
// name holds side by side, separators taking none. Each loaded resource becomes an image list; a
// command keeps the image of the first list that named it. The first resource loaded fixes the small
// image size for all later ones (16 by 15 until then); the large size is 22 by 24 unless the first
// load names a large resource, whose size it then takes.
//
// Every image list has a small form (its bitmap as stored, usually mapped to the system's button
// colours, see SECSysColorBitmap.h) and a large form (the bitmap of the named large resource, else
// each image stretched from the small one). Only the form in use is kept, unless keep-both is on. The
// small form is in use at start.
//
// Reference count: 1 at creation (new SECBmpMgr); AddRef for each further holder; the last Release
// deletes the manager with its bitmaps.
//
// A form of an image list may be borrowed: a derived manager that puts a bitmap of its own owner into a
// list marks it so (bSmallBorrowed, bLargeBorrowed). The manager never loads, rebuilds or deletes a
// borrowed form: a list whose small form is borrowed is left as it is whatever the flags and reloads
// ask; a borrowed large form is kept whichever form is in use, and never replaced.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "win/CRect.h"

#include <memory>
#include <vector>

class SECBmpMgr : public CObject {
    DECLARE_DYNAMIC(SECBmpMgr)
public:
    SECBmpMgr();
    SECBmpMgr(const SECBmpMgr&) = delete;
    SECBmpMgr& operator=(const SECBmpMgr&) = delete;

    // Takes a reference for a new holder.
    void AddRef();
    // Gives a reference up; the last one deletes the manager.
    void Release();

    // Loads the tool-bar resource lpszResource (name or MAKEINTRESOURCE id) and its bitmap as a new
    // image list; lpszLargeResource (may be null: the large form is stretched) names a tool-bar
    // resource whose bitmap is the large form. bSysColor: map the bitmaps to the system's button
    // colours. Returns FALSE, and leaves the manager as it was, when a tool-bar resource is missing,
    // malformed (a count of ids that runs past the resource's end, an image size of 0) or a bitmap
    // cannot be loaded or made; then no command of it gets an image.
    BOOL LoadToolBarResource(LPCSTR lpszResource, LPCSTR lpszLargeResource = nullptr, BOOL bSysColor = TRUE);
    BOOL LoadToolBarResource(UINT nIDResource, UINT nIDLargeResource = 0, BOOL bSysColor = TRUE);

    // The image of command nID: hBitmap the bitmap holding it (owned by the manager) and nImage its
    // index there (the image lies at x = image width * nImage). bForceSmall: the small form even when
    // the large one is in use. FALSE for a command without image or while that form is not loaded.
    BOOL GetImage(UINT nID, HBITMAP& hBitmap, int& nImage, BOOL bForceSmall = FALSE) const;

    // Loads the bitmaps of every image list again; bReload: delete and rebuild the forms that are
    // loaded (after a change of the system colours), else only load the missing ones. FALSE when any
    // bitmap could not be loaded.
    BOOL ReloadAll(BOOL bReload);

    // Keep both forms (TRUE) or only the one in use. A change reloads the missing forms.
    void SetKeepBoth(BOOL bKeepBoth);
    BOOL GetKeepBoth() const { return m_bKeepBoth; }
    // Use the small images (TRUE) or the large ones. A change reloads the missing forms.
    void SetSmallImages(BOOL bSmall);
    BOOL UsesSmallImages() const { return m_bSmall; }

    // The image sizes of the two forms / of the form in use.
    CSize GetSmallImageSize() const { return m_sizeSmall; }
    CSize GetLargeImageSize() const { return m_sizeLarge; }
    CSize GetImageSize() const { return m_bSmall ? m_sizeSmall : m_sizeLarge; }

protected:
    // Deletes the bitmaps. Only Release deletes a manager.
    ~SECBmpMgr() override;

    // A resource given by name or by MAKEINTRESOURCE id, kept past the caller's string.
    class ResourceName {
    public:
        ResourceName() = default;
        explicit ResourceName(LPCSTR lpszName);
        LPCSTR Get() const { return m_strName.IsEmpty() ? MAKEINTRESOURCEA(m_nID) : m_strName.GetString(); }
        BOOL IsSet() const { return m_nID != 0 || !m_strName.IsEmpty(); }

    private:
        WORD m_nID = 0;
        CString m_strName;
    };

    // One loaded tool-bar resource.
    struct ImageList {
        ResourceName resource;      // the tool-bar resource and small bitmap
        ResourceName largeResource; // the large bitmap (not set: stretched from the small one)
        HBITMAP hSmall = nullptr;   // the forms, null while not loaded (owned)
        HBITMAP hLarge = nullptr;
        int nImages = 0;            // the number of images (of non-zero ids)
        BOOL bSysColor = TRUE;      // map the bitmaps to the system's button colours
        BOOL bSmallBorrowed = FALSE; // hSmall belongs to someone else (see the top of this file)
        BOOL bLargeBorrowed = FALSE; // hLarge likewise
        ~ImageList();
    };

    // The image of a command: its list and its index in that list.
    struct ImageEntry {
        int nList = 0;
        int nImage = 0;
    };

    // Sets bFlag (m_bSmall or m_bKeepBoth) to bValue; a change loads the missing forms.
    void SwitchForms(BOOL& bFlag, BOOL bValue);
    // Brings the forms of pList in line with the small/keep-both flags: loads the missing form in use
    // (bReload: after deleting the loaded ones), deletes a form no longer kept; borrowed forms stay as
    // they are (see the top of this file). FALSE on failure.
    virtual BOOL LoadBitmaps(ImageList* pList, BOOL bReload);
    // The small bitmap of pList, mapped or as stored (null on failure; the caller owns it).
    virtual HBITMAP LoadSmallBitmap(const ImageList* pList);
    // The large bitmap of pList: loaded from its large resource, else stretched from the small form
    // (loaded for this when absent). Null on failure; the caller owns it.
    virtual HBITMAP MakeLargeBitmap(const ImageList* pList);

    CMap<UINT, UINT, ImageEntry, const ImageEntry&> m_mapImages; // command id -> its image
    std::vector<std::unique_ptr<ImageList>> m_lists;
    LONG m_nRefs = 1;
    CSize m_sizeSmall{16, 15};
    CSize m_sizeLarge{22, 24};
    BOOL m_bSmall = TRUE;
    BOOL m_bKeepBoth = FALSE;
};
