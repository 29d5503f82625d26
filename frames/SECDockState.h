// SECDockState, SECControlBarInfo and SECControlBarInfoEx: the docking layout of a toolkit frame
// (frames/SECMDIFrameWnd.h, frames/SECFrameWnd.h) on top of the class library's (win/CDockState.h):
// which bars exist, where they dock or float, their sizes, row fractions and toolkit styles, in three
// forms: the profile, an archive and a tree of SECPersistentTreeNode objects.
//
// Record (SECControlBarInfo): the class library's record, then the three most recently used sizes
// (docked at the top or bottom, at the left or right, floating), the alignments "Allow Docking" last
// switched off ("MRUDockingState") and the allowed ones ("DockingStyle"), the row fraction, the bar style
// ("Style"), the toolkit bar style ("ExStyle"), whether the bar floated before it went into the main
// window ("PrevFloating"), whether a dock bar is a bar host's ("MDIChild") and then that host's window
// placement (44 bytes), the bar's class and window names and, for a dialog bar, its template id; and an
// extension record of the bar's kind (made by the type provider, owned) with its type id.
//
// Profile form: the class library's keys (win/CDockState.h), then always "Style", "ExStyle",
// "PrevFloating", "MDIChild", "MDIChildWindowPlacement" (binary; only for a host's dock bar), "PctWidth"
// (the text of the fraction times 1,000,000, truncated: 0.3 gives "300000", 0.7 "699999"), "MRUFloatCX",
// "MRUFloatCY", "MRUHorzDockCX", "MRUHorzDockCY", "MRUVertDockCX", "MRUVertDockCY", "MRUDockingState",
// "DockingStyle", "TypeID", "ClassName", "WindowName", "ResourceID"; then the extension record's own
// keys. Read back: "PctWidth" times 0.000001 (a negative value gives 0), sizes below 0 give 0,
// "MRUDockingState", "DockingStyle" and "ResourceID" default to what the record holds, other numbers to
// 0; the placement is read only for a host's dock bar and only when it is 44 bytes.
//
// Archive form: the class library's record, then style, toolkit style, previous floating, hosted (32
// bits each), the fraction as an archived text "%d" of the fraction times 1,000,000, the floating, the
// horizontal-dock and the vertical-dock size (two 32-bit values each), the docking state, docking style
// and type id (32 bits each) and the extension record's data when there is one; then the id list.
// Names, template id and placement are not part of it.
//
// Tree form: a child "DockState" of the node given, with a child "Bar-<n>" for the n-th record written
// and "Bars", "ScreenCX" and "ScreenCY"; a record's keys are those of the profile form (booleans of the
// class library's keys as "True"/"False", the placement as binary). Loading without a "DockState"
// child fails.
//
// Reading a frame (GetState): a record for each SECControlBar and SECDockBar of the frame (a host's dock
// bar records its host's placement), then every dock bar's id list is cleaned: a hidden mark (id +
// 0x10000) of a bar that its dock bar does not hold and whose record names another dock bar as the one
// it last docked at goes, a repeated id goes (a shown one wins over a mark), an emptied row goes, and
// the list ends in one 0.
//
// Applying (SetState): as the class library's, except that a host's dock bar gets a new bar host in the
// main window (an SECMDIFrameWnd's) and a bar the frame lacks is asked of the type provider, else made
// from its class name (a registered, creatable SECControlBar; a dialog bar from its template id) with
// the record's styles, id and window name, allowed to dock anywhere, and kept in the owned-window list
// (without one it deletes itself with its window). Each toolkit bar then gets its toolkit style back,
// the floating frames are placed, and the hosts' placements are restored.
#pragma once

#include "frames/SECPersistentTreeNode.h"
#include "win/CDockState.h"

#include <vector>

class SECControlBarInfo;
class SECDockState;

// The keys of a tree node (not null), for the records' keys and their extension records' (booleans as
// "True"/"False", binary values as letters).
class SECTreeKeys : public CDockStateKeys {
public:
    explicit SECTreeKeys(SECPersistentTreeNode* pNode) : m_pNode(pNode) {}
    void WriteInt(LPCSTR lpszKey, int nValue) override { m_pNode->SetInteger(lpszKey, nValue); }
    void WriteBool(LPCSTR lpszKey, BOOL bValue) override { m_pNode->SetBoolean(lpszKey, bValue); }
    void WriteText(LPCSTR lpszKey, LPCSTR lpszValue) override { m_pNode->SetText(lpszKey, lpszValue); }
    void WriteBinary(LPCSTR lpszKey, const void* pData, UINT nBytes) override
    {
        m_pNode->SetBinary(lpszKey, pData, nBytes);
    }
    int ReadInt(LPCSTR lpszKey, int nDefault) override
    {
        int nValue = nDefault;
        return m_pNode->GetInteger(lpszKey, nValue) == 0 ? nValue : nDefault;
    }
    BOOL ReadBool(LPCSTR lpszKey, BOOL bDefault) override
    {
        BOOL bValue = bDefault;
        return m_pNode->GetBoolean(lpszKey, bValue) == 0 ? bValue : bDefault;
    }
    CString ReadText(LPCSTR lpszKey, LPCSTR lpszDefault) override
    {
        CString strValue;
        m_pNode->GetText(lpszKey, strValue, lpszDefault);
        return strValue;
    }
    BOOL ReadBinary(LPCSTR lpszKey, std::vector<BYTE>& data) override { return m_pNode->GetBinary(lpszKey, data) == 0; }
    BOOL HasInt(LPCSTR lpszKey) override
    {
        int nValue = 0;
        return m_pNode->GetInteger(lpszKey, nValue) == 0;
    }

private:
    SECPersistentTreeNode* m_pNode;
};

// What a dock state asks of the object that knows the program's kinds of bars (the tool-bar manager
// derives from it). None here: every answer is "none".
class SECControlBarManager : public CObject {
    DECLARE_DYNAMIC(SECControlBarManager)
public:
    ~SECControlBarManager() override;
    // The type id saved with pBar (0: none).
    virtual UINT GetBarTypeID(CControlBar* pBar);
    // A bar of pFrame for pInfo, whose bar the frame lacks (null: none); the manager owns it.
    virtual CControlBar* CreateBar(SECControlBarInfo* pInfo, CFrameWnd* pFrame);
    // A new extension record for pInfo's type id (null: none); the record owns it.
    virtual class SECControlBarInfoEx* CreateInfoEx(SECControlBarInfo* pInfo);
};

// An extension record of a kind of bar. Each form does nothing here; the tree operations only answer
// whether a node was given.
class SECControlBarInfoEx : public CObject {
    DECLARE_DYNAMIC(SECControlBarInfoEx)
public:
    ~SECControlBarInfoEx() override;
    using CObject::Serialize;
    virtual void Serialize(CArchive& ar, SECDockState* pDockState);
    virtual BOOL LoadFromTree(SECPersistentTreeNode* pNode);
    virtual void LoadFromProfile(LPCSTR lpszSection, SECDockState* pDockState);
    virtual BOOL SaveToTree(SECPTNFactory* pFactory, SECPersistentTreeNode* pNode);
    virtual void SaveToProfile(LPCSTR lpszSection);
};

class SECControlBarInfo : public CControlBarInfo {
public:
    explicit SECControlBarInfo(SECControlBarManager* pTypeProvider = nullptr);
    ~SECControlBarInfo() override;

    CSize m_szMRUHorzDock;
    CSize m_szMRUVertDock;
    CSize m_szMRUFloat;
    DWORD m_dwMRUDockingState;
    DWORD m_dwDockStyle;
    float m_fPctWidth;
    DWORD m_dwStyle;
    DWORD m_dwExStyle;
    BOOL m_bPrevFloating;
    BOOL m_bMDIChild;
    WINDOWPLACEMENT m_wpHost; // length 0 until a host's placement is taken
    CString m_strClassName;
    CString m_strWindowName;
    UINT m_nResourceID;
    SECControlBarInfoEx* m_pInfoEx; // owned
    UINT m_nTypeID;
    SECControlBarManager* m_pTypeProvider;

    BOOL SaveState(LPCSTR lpszProfileName, int nIndex) override;
    BOOL LoadState(LPCSTR lpszProfileName, int nIndex, CDockState* pDockState) override;
    // The tree form: the keys into / from pNode (not null). FALSE when nothing was written, or read.
    virtual BOOL SaveToTree(SECPTNFactory* pFactory, SECPersistentTreeNode* pNode);
    virtual BOOL LoadFromTree(SECPersistentTreeNode* pNode, SECDockState* pDockState);
    BOOL SaveKeys(CDockStateKeys& keys) override;
    void LoadKeys(CDockStateKeys& keys, CDockState* pDockState) override;

    // The row fraction as stored ("%d" of the fraction times 1,000,000, truncated) and read back.
    static CString FractionText(float fPctWidth);
    static float FractionFromText(LPCSTR lpszText);

protected:
    void SerializeExtra(CArchive& ar, CDockState* pDockState) override;
    // Makes the extension record for the type id through the type provider (none without one).
    void CreateInfoEx();
};

class SECDockState : public CDockState {
    DECLARE_DYNAMIC(SECDockState)
public:
    explicit SECDockState(SECControlBarManager* pTypeProvider = nullptr);
    ~SECDockState() override;

    // Asked to make missing bars and extension records (may be null).
    SECControlBarManager* m_pTypeProvider;
    // Where bars made while applying go (may be null: they delete themselves with their windows).
    std::vector<CWnd*>* m_pOwnedWindows;

    // A new SECControlBarInfo with the type provider.
    CControlBarInfo* CreateBarInfo() override;

    // The tree form (see the top of this file). FALSE when a node could not be made / is missing.
    virtual BOOL SaveToTree(SECPTNFactory* pFactory, SECPersistentTreeNode* pParent);
    virtual BOOL LoadFromTree(SECPersistentTreeNode* pNode);

    // The records of pFrame's toolkit bars and dock bars, with the dock bars' id lists cleaned.
    void GetState(CFrameWnd* pFrame) override;
    // Cleans every dock bar's id list (see the top of this file).
    void CleanUpBarIDs();

protected:
    BOOL IsStateBar(CControlBar* pBar) const override;
    CControlBar* BarOfRecord(CControlBarInfo* pInfo, CFrameWnd* pFrame) override;
    CDockBar* CreateFloatingDockBar(CControlBarInfo* pInfo, CFrameWnd* pFrame) override;
    void FinishPlacement(CFrameWnd* pFrame) override;
    // Restores the hosts' window placements (an MDI frame's).
    virtual void RestoreHostPlacements(CFrameWnd* pFrame);
    // Makes the bar of pInfo from its class name (see the top of this file); null when it cannot.
    virtual CControlBar* CreateBarFromInfo(SECControlBarInfo* pInfo, CFrameWnd* pFrame);
    // The registered class named lpszClassName (null: none).
    virtual CRuntimeClass* FindClass(LPCSTR lpszClassName);
};
