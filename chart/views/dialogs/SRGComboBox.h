// SRGComboBox: a combo box whose entries each carry a data value beside their text (the chart
// components and codes the wizard's pages choose among). The data of an entry is the combo box's
// item data; where SelectByKey is used it is the address of a record whose first int is its key.
//
// Not here: sorting (entries keep the order they are added and moved in).
#pragma once

#include "win/Win.h"

#include <windows.h>

class SRGComboBox : public CComboBox {
    DECLARE_DYNAMIC(SRGComboBox)
public:
    SRGComboBox();

    // Replaces the text of entry nIndex by lpszText, keeping its data (and its selection). Returns 1,
    // or 0 and changes nothing when nIndex is not an entry or an entry already has that text (compared
    // as CB_FINDSTRINGEXACT does, without case).
    virtual int RenameEntry(int nIndex, LPCSTR lpszText);
    // Moves entry nFrom, with its data, so that it lands before the entry that was at nTo (at the end
    // for nTo equal to the count). Nothing when nFrom equals nTo or either is outside the entries. The
    // moved entry stays selected when it was.
    virtual void MoveEntry(int nFrom, int nTo);
    // Every entry whose data is dwOld gets dwNew.
    virtual void ReplaceData(DWORD_PTR dwOld, DWORD_PTR dwNew);
    // Selects the first entry whose record's key (the first int its data points to; entries without
    // data are passed over) is nKey, else entry 0. Returns the selected index, -1 when the combo box
    // cannot be read or has no entries.
    virtual int SelectByKey(int nKey);
    // Deletes the first entry whose data is dwData (nothing when none has it).
    virtual void DeleteByData(DWORD_PTR dwData);
    // The data of the selected entry; DWORD_PTR(-1) when nothing is selected.
    virtual DWORD_PTR GetSelectedData();

    // Appends an entry. Returns its index, or a negative CB_ code when it could not be added (the data
    // is then not set).
    int AddEntry(LPCSTR lpszText, DWORD_PTR dwData);
    // Selects the first entry whose data is dwData, else entry 0. Returns the selected index, -1 when
    // the combo box cannot be read or has no entries.
    int SelectByData(DWORD_PTR dwData);

private:
    // Selects nIndex when it is an entry, else entry 0; the selected index or -1.
    int SelectOrFirst(int nIndex);
};
