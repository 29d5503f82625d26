#include "model/files/ProjectZek.h"

#include "core/CException.h"
#include "core/NumberText.h"
#include "model/ZQInterfaceData.h"
#include "model/ZQShellServices.h"
#include "model/files/WholeFile.h"

#include <cfloat>
#include <cmath>
#include <cstring>

namespace {

const char kMagic[] = "ZEK*1.0";
const char kCriteriaTag[] = "CrTab";
const char kAlternativesTag[] = "AlTab";
const char kEndTag[] = "Ok";

// Longest texts kept by the reader (name, description); longer ones read back empty.
const int kMaxName = 39;
const int kMaxDescription = 9;

// ---- Writing ----

class ByteWriter {
public:
    void Byte(unsigned value) { m_out += char(value & 0xFF); }
    void Int16(int value)
    {
        Byte(unsigned(value) & 0xFF);
        Byte((unsigned(value) >> 8) & 0xFF);
    }
    // Returns false, writing nothing, for a finite value beyond the float range: it would come back
    // as an infinity, which no solve takes. Infinities and NaN are stored as they are; other values
    // only lose precision.
    bool Float(double value)
    {
        if (std::isfinite(value) && std::fabs(value) > double(FLT_MAX))
            return false;
        const float f = float(value);
        uint32_t bits;
        std::memcpy(&bits, &f, sizeof bits);
        for (int i = 0; i < 4; ++i)
            Byte((bits >> (8 * i)) & 0xFF);
        return true;
    }
    // Returns false, writing nothing, for a text longer than maxLength bytes (at most what its
    // length byte can count).
    bool String(const CString& text, int maxLength = 255)
    {
        const int n = text.GetLength();
        if (n > maxLength)
            return false;
        Byte(unsigned(n));
        if (n > 0) {
            m_out.append(text.GetString(), size_t(n));
            Byte(0);
        }
        return true;
    }
    // Hands over the bytes written so far, leaving none.
    std::string TakeBytes() { return std::move(m_out); }

private:
    std::string m_out;
};

// ---- Reading ----

class ByteReader {
public:
    ByteReader(std::string_view bytes, size_t& pos) : m_bytes(bytes), m_pos(pos) {}

    bool Byte(int16_t& value)
    {
        if (m_pos >= m_bytes.size())
            return false;
        value = int16_t(static_cast<unsigned char>(m_bytes[m_pos++]));
        return true;
    }
    bool Int16(int16_t& value)
    {
        if (m_bytes.size() - m_pos < 2)
            return false;
        const unsigned lo = static_cast<unsigned char>(m_bytes[m_pos]);
        const unsigned hi = static_cast<unsigned char>(m_bytes[m_pos + 1]);
        m_pos += 2;
        value = int16_t(uint16_t(lo | (hi << 8)));
        return true;
    }
    bool Float(float& value)
    {
        if (m_bytes.size() - m_pos < 4)
            return false;
        uint32_t bits = 0;
        for (int i = 0; i < 4; ++i)
            bits |= uint32_t(static_cast<unsigned char>(m_bytes[m_pos + size_t(i)])) << (8 * i);
        m_pos += 4;
        std::memcpy(&value, &bits, sizeof value);
        return true;
    }
    // Reads a string; text receives it when its length is 1 to maxKept bytes and is emptied otherwise.
    bool String(CString& text, int maxKept)
    {
        if (m_pos >= m_bytes.size())
            return false;
        const size_t n = static_cast<unsigned char>(m_bytes[m_pos++]);
        text.Empty();
        if (n == 0)
            return true;
        if (m_bytes.size() - m_pos < n + 1)
            return false;
        if (int(n) <= maxKept)
            text = CString(m_bytes.data() + m_pos, int(n));
        m_pos += n + 1;  // the text and its 0 byte
        return true;
    }
    // Reads a string and tells whether it is exactly tag.
    bool Tag(const char* tag)
    {
        CString text;
        return String(text, 255) && text == tag;
    }

private:
    std::string_view m_bytes;
    size_t& m_pos;
};

// A criterion name as the file keeps it.
CString UpperText(const CString& text)
{
    CString upper = text;
    upper.MakeUpper();
    return upper;
}

CString FormatSegments(int16_t code)
{
    CString text;
    text.Format("%d", code < 3 ? 2 : code - 1);
    return text;
}

} // namespace

CZQOldZekFile::CZQOldZekFile(CZQInterfaceData& project) : m_project(project)
{
}

CZQOldZekFile::~CZQOldZekFile() = default;

int CZQOldZekFile::Write(CString path)
{
    std::string bytes;
    return WriteBytes(&bytes) && WriteWholeProjectFile(path, bytes) ? 1 : 0;
}

int CZQOldZekFile::WriteBytes(std::string* bytes)
{
    if (bytes == nullptr)
        AfxThrowInvalidArgException("CZQOldZekFile::WriteBytes: bytes is null");
    const CZQInterfaceData& p = m_project;
    const size_t alternatives = p.EvaluationsTable.empty() ? 0 : p.EvaluationsTable.size() - 1;
    if (p.CriteriaTable.empty() || p.CriteriaTable.size() > 32767 || alternatives > 32767)
        return 0;
    // The file keeps criterion names in upper case: two criteria that differ only in case, like two
    // of one name, would read back as one name twice, and two alternatives of one name would too.
    if (HasDuplicateKey(p.CriteriaTable, 1, UpperText) || HasDuplicateKey(p.AlternativesTable))
        return 0;
    m_criteriaCount = int16_t(p.CriteriaTable.size());
    m_alternativesCount = int16_t(alternatives);

    ByteWriter out;
    out.String(kMagic);
    out.String(kCriteriaTag);
    out.Int16(m_criteriaCount);
    for (const ZQRow& criterion : p.CriteriaTable) {
        m_name = ProjectCell(criterion, 0);
        m_name.MakeUpper();
        m_description = ProjectCell(criterion, 1);
        // segments + 1, kept within 1..9 (AfxAtoi is held to the int range, so + 1 cannot overflow
        // in 64 bits)
        const long long code = (long long)AfxAtoi(ProjectCell(criterion, 3)) + 1;
        m_segmentCode = int16_t(code > 9 ? 9 : code < 1 ? 1 : code);
        m_gainFlag = ProjectCell(criterion, 2) == "gain" ? 1 : 0;
        // a longer name would read back empty: two criteria would come back as two of no name
        if (!out.String(m_name, kMaxName) || !out.String(m_description))
            return 0;
        out.Byte(unsigned(m_segmentCode));
        out.Byte(unsigned(m_gainFlag));
    }

    out.String(kAlternativesTag);
    out.Int16(m_alternativesCount);
    // The header column of each criterion, in criteria order (0: none, the value is then 0), and the
    // reading of its cells.
    std::vector<size_t> columns;
    std::vector<ZQCriterionNumbers> numbers;
    for (const ZQRow& criterion : p.CriteriaTable) {
        columns.push_back(EvaluationColumnOf(p.EvaluationsTable, ProjectCell(criterion, 0)));
        numbers.emplace_back(p, ProjectCell(criterion, 0));
    }
    for (size_t r = 1; r <= alternatives; ++r) {
        const ZQRow& row = p.EvaluationsTable[r];
        m_name = ProjectCell(row, 0);
        if (!out.String(m_name, kMaxName))
            return 0;
        m_valueCount = m_criteriaCount;
        out.Int16(m_valueCount);
        for (size_t k = 0; k < columns.size(); ++k) {
            const CString& cell = columns[k] != 0 ? ProjectCell(row, columns[k]) : CString();
            if (!out.Float(numbers[k].Number(cell)))
                return 0;
        }
    }
    out.String(kEndTag);

    *bytes = out.TakeBytes();
    return 1;
}

int CZQOldZekFile::Read(CString path)
{
    m_projectReset = false;
    std::string bytes;
    return ReadWholeProjectFile(path, &bytes) ? ReadBytes(bytes) : 0;
}

int CZQOldZekFile::ReadBytes(std::string_view bytes)
{
    CZQShellServices* shell = m_project.GetShell();
    if (shell == nullptr)
        AfxThrowInvalidArgException("CZQOldZekFile::ReadBytes: the project has no shell services (shell is null)");
    m_projectReset = false;

    size_t pos = 0;
    ByteReader in(bytes, pos);
    if (!in.Tag(kMagic) || !in.Tag(kCriteriaTag) || !in.Int16(m_criteriaCount) || m_criteriaCount < 1)
        return 0;

    shell->ResetProject();
    m_projectReset = true;
    if (!ReadRecords(bytes, pos)) {
        // A partial project would pass for the file's content: leave an empty one.
        shell->ResetProject();
        return 0;
    }
    return 1;
}

bool CZQOldZekFile::ReadRecords(std::string_view bytes, size_t& pos)
{
    ByteReader in(bytes, pos);
    for (int i = 0; i < m_criteriaCount; ++i) {
        if (!in.String(m_name, kMaxName) || !in.String(m_description, kMaxDescription) ||
            !in.Byte(m_segmentCode) || !in.Byte(m_gainFlag))
            return false;
        if (m_gainFlag > 1 || m_segmentCode >= 10)
            return false;
        m_project.CriteriaTable.push_back(
            ZQRow{m_name, m_description, CString(m_gainFlag == 1 ? "gain" : "cost"), FormatSegments(m_segmentCode)});
        if (m_project.EvaluationsTable.empty())
            m_project.EvaluationsTable.push_back(ZQRow(1, CString()));
        m_project.EvaluationsTable[0].push_back(m_name);
    }

    if (!in.Tag(kAlternativesTag) || !in.Int16(m_alternativesCount))
        return false;
    if (m_alternativesCount <= 0)
        return true;

    for (int j = 0; j < m_alternativesCount; ++j) {
        if (!in.String(m_name, kMaxName) || !in.Int16(m_valueCount) || m_valueCount < 1)
            return false;
        m_values.assign(size_t(m_valueCount), 0.0f);
        for (float& value : m_values) {
            if (!in.Float(value))
                return false;
        }
        if (size_t(m_valueCount) != m_project.CriteriaTable.size())
            return false;
        m_project.AlternativesTable.push_back(ZQRow{m_name, CString(), CString()});
        ZQRow row;
        row.reserve(m_values.size() + 1);
        row.push_back(m_name);
        for (float value : m_values) {
            CString text;
            text.Format("%g", double(value));
            row.push_back(text);
        }
        m_project.EvaluationsTable.push_back(std::move(row));
    }
    return in.Tag(kEndTag);
}

// ---- CZQInterfaceData ----

namespace {

// What a read of the project does after the file's reader ran: nothing when the reader refused the
// file before the project was touched; otherwise the credibility choice goes, the panes are refilled
// and, on success, the modified flag is cleared. Returns the reader's result.
int FinishZekRead(CZQInterfaceData& project, CZQShellServices& shell, const CZQOldZekFile& file, int result)
{
    if (!file.ProjectWasReset())
        return 0;
    if (result)
        shell.SetModified(0);
    project.CredibilityList.clear();
    project.CredibilityDefined = 0;
    project.RefillPanes();
    return result;
}

} // namespace

int CZQInterfaceData::WriteZekFile(CString path)
{
    CZQShellServices& shell = Shell("CZQInterfaceData::WriteZekFile");
    CZQOldZekFile file(*this);
    const int result = file.Write(path);
    if (result)
        shell.SetModified(0);
    return result;
}

int CZQInterfaceData::WriteZekBytes(std::string* bytes)
{
    Shell("CZQInterfaceData::WriteZekBytes");
    CZQOldZekFile file(*this);
    return file.WriteBytes(bytes);
}

int CZQInterfaceData::ReadZekFile(CString path)
{
    CZQShellServices& shell = Shell("CZQInterfaceData::ReadZekFile");
    CZQOldZekFile file(*this);
    const int result = file.Read(path);
    return FinishZekRead(*this, shell, file, result);
}

int CZQInterfaceData::ReadZekBytes(std::string_view bytes)
{
    CZQShellServices& shell = Shell("CZQInterfaceData::ReadZekBytes");
    CZQOldZekFile file(*this);
    const int result = file.ReadBytes(bytes);
    return FinishZekRead(*this, shell, file, result);
}
