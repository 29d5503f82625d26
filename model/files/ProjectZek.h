// CZQOldZekFile: the binary project file of the sibling program (".zek", "ZEK+ Files (*.zek)").
//
// Layout, integers little-endian, a string being one length byte n and, when n > 0, the n bytes and a
// 0 byte:
//   string "ZEK*1.0", string "CrTab", int16 C (1 or more),
//   C criteria:      string name, string description, byte segment code (segments + 1, 1..9),
//                    byte gain flag (1 gain, 0 any other kind),
//   string "AlTab", int16 A,
//   A alternatives:  string name, int16 value count (= C), C float32 values in criterion order,
//   string "Ok".
// Criterion names are written in upper case. An ordinal criterion is written as a cost criterion whose
// values are the scale positions, and every value as a float: it may lose precision, but a value
// beyond the float range refuses the save. Descriptions of 10 bytes or more read back empty, and so
// would names of 40 bytes or more, which the writer therefore refuses; segments read back as code - 1,
// at least 2.
//
// Not here: ordinal scales, information texts and reference ranks (the format has none).
#pragma once

#include "core/CString.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CZQInterfaceData;

class CZQOldZekFile {
public:
    // A reader and writer of project's files; project must have its shell services set.
    explicit CZQOldZekFile(CZQInterfaceData& project);
    virtual ~CZQOldZekFile();

    CZQOldZekFile(const CZQOldZekFile&) = delete;
    CZQOldZekFile& operator=(const CZQOldZekFile&) = delete;

    // Writes the project to path (a host path) safely: temporary file, then rename. Returns nonzero on
    // success; 0, with nothing created or replaced, when the file cannot be written or cannot hold
    // the project: no criterion, more than 32767 criteria or alternatives, a criterion or alternative
    // name of 40 bytes or more (it would read back empty), a description longer than 255 bytes, two
    // criteria whose names are equal but for letter case (the file keeps
    // them upper-cased) or two alternatives of one name, which would read back as one name twice,
    // or a finite evaluation beyond the range of a float, which would read back as an infinity.
    int Write(CString path);
    // Builds the whole file as Write does into *bytes (CInvalidArgException* when bytes is null),
    // without touching the disk. Returns nonzero on success; 0, leaving *bytes as it was, for the
    // projects Write refuses.
    int WriteBytes(std::string* bytes);

    // Reads the file at path into the project. The magic, the criteria tag and a criteria count of 1
    // or more are checked first: a failure there returns 0 with the project untouched. Then the
    // project is reset (the shell's ResetProject) and filled; a failure after that resets it again, so
    // it is left empty. A file with an alternatives count of 0 or less ends after that count. Returns
    // nonzero on success, 0 on failure. A file that cannot be read fails before the project is touched.
    int Read(CString path);
    // Reads a file's bytes into the project as Read does.
    int ReadBytes(std::string_view bytes);

    // True once Read has reset the project (whatever its result).
    bool ProjectWasReset() const { return m_projectReset; }

private:
    // Reads the criteria and alternatives after the checked header; false on the first bad record.
    bool ReadRecords(std::string_view bytes, size_t& pos);

    CZQInterfaceData& m_project;
    bool m_projectReset = false;

    // The record being read or written.
    int16_t m_criteriaCount = 0;
    int16_t m_alternativesCount = 0;
    CString m_name;
    CString m_description;
    int16_t m_segmentCode = 0;
    int16_t m_gainFlag = 0;
    int16_t m_valueCount = 0;
    std::vector<float> m_values;
};
