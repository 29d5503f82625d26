// SECCustomToolBarInfoEx: the part of a saved docking layout (frames/SECDockState.h) that holds a tool
// bar's title and buttons; SECBtnInfo is one saved button. The tool-bar manager makes these records
// for its bars' type id, and the bar fills them (SECCustomToolBar::GetBarInfoEx) and builds its buttons
// again from them (SetBarInfoEx).
//
// Forms:
// - profile (the section the layout gives the bar's record) and persistence tree (a child node
//   "ToolBarInfoEx" of the bar's node): the string "Title", only when the title is not empty, and the
//   binary "Buttons": per button its command id (4 bytes, little-endian; 0 for a separator), the
//   length n of its data (1 byte) and the n bytes. Missing values read as an empty title and no
//   buttons; a tree without the child node does not load (FALSE). A "Buttons" value cut short keeps
//   the whole buttons before the cut; a length that runs past the value ends the list there.
// - archive: the title (the archive's string), the number of buttons (32 bits), then per button the
//   command id (32 bits), the length (8 bits) and the bytes. A count larger than the data left is
//   refused (CArchiveException) before anything is read into the record.
#pragma once

#include "frames/SECDockState.h"

#include <memory>
#include <vector>

class CDockStateKeys;

// One saved button: its command (0: a separator) and the data its kind keeps (at most 255 bytes).
struct SECBtnInfo {
    UINT m_nID = 0;
    std::vector<BYTE> m_data;
};

// The saved buttons, in bar order (the array owns them).
typedef std::vector<std::unique_ptr<SECBtnInfo>> SECBtnInfoArray;

class SECCustomToolBarInfoEx : public SECControlBarInfoEx {
    DECLARE_DYNAMIC(SECCustomToolBarInfoEx)
public:
    SECCustomToolBarInfoEx();
    ~SECCustomToolBarInfoEx() override;

    CString m_strTitle;
    SECBtnInfoArray m_btnInfo;

    void Serialize(CArchive& ar, SECDockState* pDockState) override;
    BOOL LoadFromTree(SECPersistentTreeNode* pNode) override;
    void LoadFromProfile(LPCSTR lpszSection, SECDockState* pDockState) override;
    BOOL SaveToTree(SECPTNFactory* pFactory, SECPersistentTreeNode* pNode) override;
    void SaveToProfile(LPCSTR lpszSection) override;

    // The "Buttons" value of the buttons (see the top of this file). A button whose data is longer
    // than 255 bytes is refused with CInvalidArgException.
    std::vector<BYTE> GetButtonsValue() const;
    // Replaces the buttons by those of a "Buttons" value (see the top of this file).
    void SetButtonsValue(const std::vector<BYTE>& value);

protected:
    // The keys of the profile and tree forms.
    void SaveKeys(CDockStateKeys& keys) const;
    void LoadKeys(CDockStateKeys& keys);
};
