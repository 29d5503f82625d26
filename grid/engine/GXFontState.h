// The process-wide font state behind CGXFont: the table of font faces enumerated on the display, the
// extra faces asked for by name, the face index table (index to face record), the script name seen
// for each character set, the display's dots per inch, and the interned font data (a LOGFONT per
// distinct font description, shared by reference count).
//
// The face table is built once, on first use: font families are enumerated on an information context
// for "DISPLAY" (the extended call for every character set, the older call when that finds nothing).
// Each face gives a bare record (its name) and one record per script, "face (script)", whose bare
// length is the face's length. Records are sorted by name in byte order; "Arial" is looked up first,
// so it receives face index 0 when it is present.
//
// Face indexes run from 0 to 1022 and are handed out as names are looked up; 1023 means "no face".
// A record's name field holds at most GXFaceRecord::nNameSize - 1 bytes: longer names, including a
// "face (script)" name built from a long face and a long script, are cut to it.
#pragma once

#include <windows.h>

#include "core/Core.h"
#include "grid/engine/GXCollMap.h"

#include <memory>
#include <vector>

// The face index that means "no face".
#define GX_NO_FACE 1023u

struct GXFaceRecord {
    enum { nNameSize = 64 };
    enum { flagIndexMask = 0x3FF, flagTypeShift = 10, flagTypeMask = 0x1C00, flagBareFace = 0x4000 };

    char szName[nNameSize];   // face, or "face (script)", cut to fit and terminated
    int nBareLength;          // length of the bare face name inside szName; 0: all of it
    BYTE nPitchAndFamily;
    BYTE nCharSet;
    WORD wFlags;              // bits 0-9 face index (1023: none yet), 10-12 font type, 14 bare face

    UINT GetIndex() const { return wFlags & flagIndexMask; }
};

// Writes "face (script)" into pszDest (cbDest bytes), cut to fit and always terminated. Reads at most
// LF_FACESIZE bytes of either name, so an unterminated LOGFONT face is safe. cbDest must not be 0.
void GXFormatFaceName(char* pszDest, size_t cbDest, const char* pszFace, const char* pszScript);

class GXFontState {
public:
    GXFontState();
    ~GXFontState();
    GXFontState(const GXFontState&) = delete;
    GXFontState& operator=(const GXFontState&) = delete;

    // The face index of a name: 1023 for an empty name; the index of its enumerated or extra record,
    // making an extra record (with the given pitch-and-family and character set) for a name not seen
    // yet. 1023 when the index table is full. Null pszName counts as empty.
    UINT FindFaceNameIndex(const char* pszName, BYTE nPitchAndFamily, BYTE nCharSet);
    // The record of a face index; null for 1023 or an index not handed out.
    const GXFaceRecord* GetFaceRecord(UINT nIndex);
    // The script name seen for a character set during enumeration; empty when none.
    CString GetScriptName(BYTE nCharSet);
    // The display's dots per inch.
    int GetDpiX();
    int GetDpiY();

    // The interned font data of a key, made (reference count 0, not built) when absent. The reference
    // count is raised by one. Returns the data (valid until its last reference is released).
    GXFontData& AddFontRef(const GXByte8Key& key);
    // Lowers the reference count of key; the entry is removed when it reaches 0. Nothing when absent.
    void ReleaseFontRef(const GXByte8Key& key);
    // The interned font data of key, or null.
    GXFontData* FindFontData(const GXByte8Key& key) { return m_fontData.Find(key); }
    // The number of interned entries.
    int32_t GetFontDataCount() const { return m_fontData.GetCount(); }

private:
    void EnsureFaceTable();
    void AddEnumerated(const LOGFONTA& lf, const char* pszScript, DWORD nFontType);
    GXFaceRecord* FindRecord(const char* pszName);
    UINT AssignIndex(GXFaceRecord* pRecord);
    static int CALLBACK EnumProc(const LOGFONTA* plf, const TEXTMETRICA* ptm, DWORD nFontType, LPARAM lParam);

    bool m_bBuilt;
    bool m_bEnumEx;  // the running enumeration is the extended one (it reports scripts)
    CString m_strLastFace;
    std::vector<std::unique_ptr<GXFaceRecord>> m_faces;   // enumerated, sorted by name
    std::vector<std::unique_ptr<GXFaceRecord>> m_extras;  // asked for, not enumerated; sorted
    std::vector<GXFaceRecord*> m_index;                   // face index to record
    CString m_scripts[256];
    int m_nDpiX;
    int m_nDpiY;
    CGXMapFontData m_fontData;
};
