// CDockState and CControlBarInfo: a frame's docking layout as records, one per control bar, which the
// frame reads from its bars (GetState) and applies to them again (SetState), and which are stored in
// the application's profile or in an archive.
//
// Record (CControlBarInfo): the bar's control id, whether it is visible, floats and lies horizontally,
// whether it is a dock bar, its position (in its dock bar's client area; a floating dock bar's is its
// floating frame's top-left corner on the screen), its most recently used floating width, and, for a bar
// with a dock context ("docking"), the context's most recently used dock bar id, docking rectangle,
// floating style and floating position; a dock bar's record holds its id list (win/CDockBar.h: an id
// plus 0x10000 for a hidden bar or a placeholder, 0 ending a row).
//
// Profile form. Section "<name>-Bar<n>" for the n-th record written (counting only the records actually
// written), then section "<name>-Summary" with "Bars" (that count), "ScreenCX" and "ScreenCY" (the
// screen size). A record's section is emptied first; its keys are written only when they differ from
// their defaults: "BarID" (default 0), "Visible" (default 1), "Horz" and "Floating"
// (only for a floating bar), "XPos" and "YPos" (default -1), "MRUWidth" (default 32767), "Docking" with
// "MRUDockID", "MRUDockLeftPos", "MRUDockTopPos", "MRUDockRightPos", "MRUDockBottomPos",
// "MRUFloatStyle", "MRUFloatXPos" and "MRUFloatYPos", and "Bars" with "Bar#<i>" for each id when the
// id list has more than one entry. A docked dock bar whose id list names no bar writes nothing and is
// not counted. Loading reads the summary (missing values 0) and that many records,
// each key taking its default when it is missing; the list ends early at a record section without a
// "BarID", and an id list at its first missing "Bar#<i>", so that a damaged count reads no further than
// what is stored. A record is a dock bar when its id is one of the dock bars' (AFX_IDW_DOCKBAR_TOP to
// AFX_IDW_DOCKBAR_FLOAT).
//
// Archive form (little-endian, the archive's encoding): the version (DWORD); for a version above 1 the
// screen size (two LONGs); the record count (WORD); the records: bar id, visible, floating, horizontal
// (DWORD, LONG, LONG, LONG); position (two LONGs); for a version above 1 the most recently used width
// and the docking flag (LONG each) and, when docking, the dock id (DWORD), the docking rectangle (four
// LONGs), the floating style (DWORD) and the floating position (two LONGs); then what a derived record
// adds (SerializeExtra); then the id count (WORD) and the ids (DWORD each). The version is 2 after a
// load. A load that fails (CArchiveException, e.g. a truncated archive) leaves the state's records as
// they were; counts are checked against the data left before anything is allocated for them.
//
// Scaling: positions read back (the position, the docking rectangle and the floating position; -1
// stays -1) are scaled by the current screen size over the saved one (MulDiv), unless a saved size is 0,
// which means "do not scale".
//
// Applying (SetState): a floating frame (CFrameWnd::CreateFloatingFrame, aligned top for a horizontal
// record, else left) is made for every floating dock bar's record; every other record takes the
// frame's bar of its id (GetControlBar), and a record without a bar is dropped. A bar may be named in
// several id lists (a placeholder kept for it elsewhere): it goes into the one whose floating matches its
// own record's, preferring a list that names it as shown, and is a placeholder in the others. Then each
// record is applied to its bar (CControlBar::SetBarInfo), the floating frames are placed at their
// positions and laid out (so that they show while they hold a visible bar; one that got no bar is
// destroyed) and the frame lays out.
// GetState records every bar of the frame's bar list and the dock bars of the floating frames its bars
// float in.
#pragma once

#include "win/CControlBar.h"

#include <vector>

class CArchive;
class CDockBar;
class CDockState;
class CFrameWnd;

// Where a record's keys are written to and read from: a profile section, or another store of named
// values (the toolkit's tree nodes).
class CDockStateKeys {
public:
    virtual ~CDockStateKeys();
    virtual void WriteInt(LPCSTR lpszKey, int nValue) = 0;
    virtual void WriteBool(LPCSTR lpszKey, BOOL bValue) = 0;
    virtual void WriteText(LPCSTR lpszKey, LPCSTR lpszValue) = 0;
    virtual void WriteBinary(LPCSTR lpszKey, const void* pData, UINT nBytes) = 0;
    // The value under lpszKey, or nDefault / bDefault / lpszDefault when it is missing.
    virtual int ReadInt(LPCSTR lpszKey, int nDefault) = 0;
    virtual BOOL ReadBool(LPCSTR lpszKey, BOOL bDefault) = 0;
    virtual CString ReadText(LPCSTR lpszKey, LPCSTR lpszDefault) = 0;
    // The bytes under lpszKey; FALSE (and empty) when it is missing or unreadable.
    virtual BOOL ReadBinary(LPCSTR lpszKey, std::vector<BYTE>& data) = 0;
    // TRUE when an integer is stored under lpszKey.
    virtual BOOL HasInt(LPCSTR lpszKey) = 0;
};

// The keys of a section of the application's profile (CWinApp's profile functions).
class CProfileKeys : public CDockStateKeys {
public:
    explicit CProfileKeys(LPCSTR lpszSection);
    void WriteInt(LPCSTR lpszKey, int nValue) override;
    void WriteBool(LPCSTR lpszKey, BOOL bValue) override;
    void WriteText(LPCSTR lpszKey, LPCSTR lpszValue) override;
    void WriteBinary(LPCSTR lpszKey, const void* pData, UINT nBytes) override;
    int ReadInt(LPCSTR lpszKey, int nDefault) override;
    BOOL ReadBool(LPCSTR lpszKey, BOOL bDefault) override;
    CString ReadText(LPCSTR lpszKey, LPCSTR lpszDefault) override;
    BOOL ReadBinary(LPCSTR lpszKey, std::vector<BYTE>& data) override;
    BOOL HasInt(LPCSTR lpszKey) override;
    // Deletes the whole section.
    void Clear();

private:
    CString m_strSection;
};

class CControlBarInfo {
public:
    CControlBarInfo();
    virtual ~CControlBarInfo();
    CControlBarInfo(const CControlBarInfo&) = delete;
    CControlBarInfo& operator=(const CControlBarInfo&) = delete;

    UINT m_nBarID;            // the bar's control id
    BOOL m_bVisible;          // TRUE at start
    BOOL m_bFloating;
    BOOL m_bHorz;
    BOOL m_bDockBar;
    CPoint m_pointPos;        // (-1, -1) at start
    int m_nMRUWidth;          // 32767 at start
    BOOL m_bDocking;          // the MRU fields below are kept
    UINT m_uMRUDockID;
    CRect m_rectMRUDockPos;
    DWORD m_dwMRUFloatStyle;
    CPoint m_ptMRUFloatPos;
    std::vector<UINT> m_arrBarID; // a dock bar's id list
    CControlBar* m_pBar;      // the bar the record was read from or is applied to (not stored)

    // Writes the record to the profile section "<lpszProfileName>-Bar<nIndex>" (see the top of this
    // file). FALSE when there was nothing to write (nothing is counted then).
    virtual BOOL SaveState(LPCSTR lpszProfileName, int nIndex);
    // Reads it from that section; pDockState (not null) scales the positions. FALSE when the section
    // holds no record.
    virtual BOOL LoadState(LPCSTR lpszProfileName, int nIndex, CDockState* pDockState);
    // Writes or reads the archive form (see the top of this file); pDockState (not null) scales.
    virtual void Serialize(CArchive& ar, CDockState* pDockState);

    // The keys of the record (see the top of this file) into keys. FALSE (nothing written) for a
    // docked dock bar whose id list names no bar.
    virtual BOOL SaveKeys(CDockStateKeys& keys);
    // Reads the keys; missing ones take their defaults. pDockState (not null) scales the positions.
    virtual void LoadKeys(CDockStateKeys& keys, CDockState* pDockState);

    // TRUE for the control ids of dock bars.
    static BOOL IsDockBarID(UINT nID);
    // The profile section of record nIndex of the layout lpszProfileName.
    static CString ProfileSection(LPCSTR lpszProfileName, int nIndex);

protected:
    // The part of the archive form a derived record adds before the id list. Nothing here.
    virtual void SerializeExtra(CArchive& ar, CDockState* pDockState);
};

class CDockState : public CObject {
    DECLARE_DYNAMIC(CDockState)
public:
    CDockState();
    ~CDockState() override;

    // The records (owned).
    std::vector<CControlBarInfo*> m_arrBarInfo;
    // The archive version written (2); 2 after every load.
    DWORD m_dwVersion;

    // Deletes the records.
    void Clear();
    // A new, empty record of the kind this state keeps (a CControlBarInfo here). The caller owns it.
    virtual CControlBarInfo* CreateBarInfo();

    // The profile form under lpszProfileName (not null; see the top of this file).
    virtual void SaveState(LPCSTR lpszProfileName);
    virtual void LoadState(LPCSTR lpszProfileName);
    // The archive form.
    void Serialize(CArchive& ar) override;

    // The screen size now (saved with the layout).
    static CSize GetScreenSize();
    // The screen size the records read were saved on (0, 0 when not known: no scaling).
    CSize GetSavedScreenSize() const { return m_sizeSaved; }
    void SetSavedScreenSize(CSize size) { m_sizeSaved = size; }
    // Scales a point or rectangle read back from the saved to the current screen size (see the top of
    // this file).
    void ScalePoint(CPoint& point) const;
    void ScaleRect(CRect& rect) const;

    // Reads pFrame's bars into records (see the top of this file).
    virtual void GetState(CFrameWnd* pFrame);
    // Applies the records to pFrame (see the top of this file).
    virtual void SetState(CFrameWnd* pFrame);

protected:
    // TRUE for a bar GetState makes a record of: every bar here.
    virtual BOOL IsStateBar(CControlBar* pBar) const;
    // The first part of SetState: floating frames for the floating dock bars' records, BarOfRecord for
    // the others; records without a bar are deleted.
    virtual void CreateBarsAndFrames(CFrameWnd* pFrame);
    // The bar a record (not a floating dock bar's) is applied to: pFrame's bar of its id here (null:
    // none).
    virtual CControlBar* BarOfRecord(CControlBarInfo* pInfo, CFrameWnd* pFrame);
    // The dock bar of a new floating frame for a floating dock bar's record (null when none could be
    // made): a floating frame of pFrame's here.
    virtual CDockBar* CreateFloatingDockBar(CControlBarInfo* pInfo, CFrameWnd* pFrame);
    // Deletes the records that have no bar.
    void DropRecordsWithoutBar();
    // Rewrites the dock bars' id lists so that each bar of pFrame is listed shown in the one dock bar
    // it goes into and as placeholder (id + 0x10000) anywhere else (see the top of this file).
    void AssignDockBars(CFrameWnd* pFrame);
    // The last part of SetState: floating frames placed and laid out, the frame laid out.
    virtual void FinishPlacement(CFrameWnd* pFrame);

    CSize m_sizeSaved;
};
