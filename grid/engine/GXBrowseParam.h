// CGXBrowseParam: the parameter object of grids that browse records. Beside what CGXGridParam holds it
// keeps an array of named entries with owned objects, two arrays of 32-bit values, an owned object and
// an owned archived object, an archived flag byte, three option values (1, 255, 1), a record limit
// (2147483647) and two indexes (-1, -1); it allows selections of kind 1 (the allowed-selections word).
//
// Stored form: the parameter form, then WORD schema 2, the flag byte and the archived object
// (schema 1 has no object; a newer schema raises CArchiveException badSchema).
#pragma once

#include "grid/engine/GXGridParam.h"

#include <memory>
#include <vector>

class CGXBrowseParam : public CGXGridParam {
    DECLARE_SERIAL(CGXBrowseParam)
public:
    CGXBrowseParam();
    // Deletes the entries with their objects, the owned object and the archived object, then the
    // parameter object's own.
    ~CGXBrowseParam() override;

    void Serialize(CArchive& ar) override;
    // The parameter copy (operator=) plus the three option values, the limit and the flag byte.
    virtual void CopyFrom(const CGXBrowseParam& other);

    // A named entry with the object it owns.
    struct Entry {
        CString strName;
        std::unique_ptr<CObject> pObject;
    };
    std::vector<std::unique_ptr<Entry>> m_entries;
    CDWordArray m_adwValues1;
    CDWordArray m_adwValues2;
    std::unique_ptr<CObject> m_pObject;
    std::unique_ptr<CObject> m_pArchivedObject;
    BYTE m_bFlag = 0;
    int m_nOption1 = 1;
    int m_nOption2 = 255;
    int m_nOption3 = 1;
    LONG m_nLimit = 2147483647;
    int m_nIndex1 = -1;
    int m_nIndex2 = -1;
};
