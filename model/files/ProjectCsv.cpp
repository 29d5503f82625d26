#include "model/files/ProjectCsv.h"

#include "core/CException.h"
#include "core/NumberText.h"
#include "model/ZQInterfaceData.h"
#include "model/ZQShellServices.h"
#include "model/files/WholeFile.h"

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

// Throws CInvalidArgException* when the list separator cannot separate cells on a line.
void CheckSeparator(const char* operation, char listSeparator)
{
    if (listSeparator == '\n' || listSeparator == '\r' || listSeparator == '\0')
        AfxThrowInvalidArgFormat("%s: list separator 0x%02x cannot stand between cells", operation,
                                 unsigned(static_cast<unsigned char>(listSeparator)));
}

// True when text can stand as one cell: it holds neither the separator nor a line end.
bool FitsInCell(const CString& text, char listSeparator)
{
    const char breakers[] = {listSeparator, '\n', '\r', '\0'};
    return text.FindOneOf(breakers) < 0;
}

// True when name can stand as a name cell: the reader refuses an empty one.
bool FitsAsName(const CString& name, char listSeparator)
{
    return !name.IsEmpty() && FitsInCell(name, listSeparator);
}

} // namespace

CString FormatCsvNumber(double value, char decimalSymbol)
{
    CString text;
    text.Format("%.7g", value);
    text.Replace('.', decimalSymbol);
    return text;
}

bool IsCsvDecimalSymbol(char decimalSymbol, char listSeparator)
{
    if (decimalSymbol == '\0' || decimalSymbol == listSeparator)
        return false;
    static const char kNeverDecimal[] = "0123456789+-eEinfa\"\n\r";
    return std::strchr(kNeverDecimal, decimalSymbol) == nullptr;
}

double ParseCsvNumber(const CString& text, char decimalSymbol)
{
    CString number = text;
    number.Replace(decimalSymbol, '.');
    return AfxAtof(number);
}

int CZQInterfaceData::WriteCsv(CString path, char decimalSymbol, char listSeparator)
{
    CZQShellServices& shell = Shell("CZQInterfaceData::WriteCsv");
    std::string bytes;
    return WriteCsvBytes(&bytes, decimalSymbol, listSeparator) ? SaveProjectFile(shell, path, bytes) : 0;
}

int CZQInterfaceData::WriteCsvBytes(std::string* bytes, char decimalSymbol, char listSeparator)
{
    const char* const op = "CZQInterfaceData::WriteCsvBytes";
    Shell(op);
    CheckSeparator(op, listSeparator);
    if (bytes == nullptr)
        AfxThrowInvalidArgFormat("%s: bytes is null", op);

    // A file without a criterion has no kind line to read back.
    if (CriteriaTable.empty() || !IsCsvDecimalSymbol(decimalSymbol, listSeparator))
        return 0;

    std::string out;
    for (const ZQRow& criterion : CriteriaTable) {
        out += listSeparator;
        out += ProjectCell(criterion, 2) == "gain" ? 'g' : 'c';
    }
    out += '\n';
    // Per criterion, the evaluations column under its name (0: none, its numbers are 0), and the
    // reading of that column's cells, looked up once for the whole column.
    const ZQRow& header = ProjectRow(EvaluationsTable, 0);
    std::vector<size_t> columns;
    std::vector<ZQCriterionNumbers> numbers;
    for (size_t k = 0; k < CriteriaTable.size(); ++k) {
        const CString& name = ProjectCell(CriteriaTable[k], 0);
        if (!FitsAsName(name, listSeparator))
            return 0;
        out += listSeparator;
        out.append(name.GetString(), size_t(name.GetLength()));
        // (the column of the same place first: two criteria of one name keep their own columns)
        columns.push_back(ProjectCell(header, k + 1) == name ? k + 1 : EvaluationColumnOf(EvaluationsTable, name));
        numbers.emplace_back(*this, name);
    }
    out += '\n';

    static const CString noCell;
    for (size_t r = 1; r < EvaluationsTable.size(); ++r) {
        const ZQRow& row = EvaluationsTable[r];
        const CString& name = ProjectCell(row, 0);
        if (!FitsAsName(name, listSeparator))
            return 0;
        out.append(name.GetString(), size_t(name.GetLength()));
        for (size_t k = 0; k < columns.size(); ++k) {
            const CString& cell = columns[k] != 0 ? ProjectCell(row, columns[k]) : noCell;
            const CString number = FormatCsvNumber(numbers[k].Number(cell), decimalSymbol);
            // An exponent sign or a minus equal to the separator would split the cell.
            if (!FitsInCell(number, listSeparator))
                return 0;
            out += listSeparator;
            out.append(number.GetString(), size_t(number.GetLength()));
        }
        out += '\n';
    }

    *bytes = std::move(out);
    return 1;
}

int CZQInterfaceData::ReadCsv(CString path, char decimalSymbol, char listSeparator)
{
    const char* const op = "CZQInterfaceData::ReadCsv";
    Shell(op);
    CheckSeparator(op, listSeparator);
    std::string bytes;
    return ReadWholeProjectFile(path, &bytes) ? ReadCsvBytes(bytes, decimalSymbol, listSeparator) : 0;
}

int CZQInterfaceData::ReadCsvBytes(std::string_view bytes, char decimalSymbol, char listSeparator)
{
    const char* const op = "CZQInterfaceData::ReadCsvBytes";
    CZQShellServices& shell = Shell(op);
    CheckSeparator(op, listSeparator);

    // CR LF line ends read as LF; a lone CR is an ordinary byte.
    std::string text;
    text.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            continue;
        text += bytes[i];
    }

    const char sep = listSeparator;
    const size_t n = text.size();
    size_t p = 0;

    // Kind line.
    std::vector<bool> gains;
    while (p < n) {
        const char ch = text[p++];
        if (ch == '\n')
            break;
        // A separator must be followed by a kind letter: one followed by the line end (or the end
        // of the file) would leave a criterion without a kind.
        if (ch != sep || p >= n)
            return 0;
        const char kind = text[p++];
        if (kind == 'g')
            gains.push_back(true);
        else if (kind == 'c')
            gains.push_back(false);
        else
            return 0;
    }
    if (gains.empty())
        return 0;
    const size_t criteria = gains.size();

    // Name line: a separator before every name, no empty name.
    if (p >= n || text[p] != sep)
        return 0;
    std::vector<CString> names;
    while (p < n && text[p] != '\n') {
        const size_t start = ++p;
        while (p < n && text[p] != sep && text[p] != '\n')
            ++p;
        if (p == start)
            return 0;
        names.emplace_back(text.data() + start, int(p - start));
    }
    if (p < n)
        ++p;
    if (names.size() != criteria)
        return 0;

    // Alternative lines, none in a project saved before its alternatives were added; a line begins
    // with its name.
    if (p < n && (text[p] == sep || text[p] == '\n'))
        return 0;
    std::vector<std::vector<CString>> lines;
    while (p < n) {
        std::vector<CString> cells;
        bool closed = false;
        for (;;) {
            const size_t start = p;
            while (p < n && text[p] != sep && text[p] != '\n')
                ++p;
            if (p == start)
                return 0;
            cells.emplace_back(text.data() + start, int(p - start));
            if (p >= n)
                break;
            if (text[p++] == '\n') {
                closed = true;
                break;
            }
        }
        // A last line cut short by the end of the file keeps empty cells for its missing values, but
        // one with more cells than the header has columns is as bad as any other wrong line.
        if (closed ? cells.size() != criteria + 1 : (cells.size() < 2 || cells.size() > criteria + 1))
            return 0;
        lines.push_back(std::move(cells));
        while (p < n && text[p] == '\n')
            ++p;
    }

    // Every check is done: build the project.
    EvaluationsTable.assign(lines.size() + 1, ZQRow(criteria + 1));
    for (size_t a = 0; a < lines.size(); ++a) {
        AlternativesTable.push_back(ZQRow{lines[a][0], CString(), CString()});
        EvaluationsTable[a + 1][0] = lines[a][0];
    }
    for (size_t c = 0; c < criteria; ++c) {
        CriteriaTable.push_back(ZQRow{names[c], CString(), CString(gains[c] ? "gain" : "cost"), CString("2")});
        EvaluationsTable[0][c + 1] = names[c];
    }
    for (size_t a = 0; a < lines.size(); ++a) {
        for (size_t k = 1; k < lines[a].size(); ++k)
            EvaluationsTable[a + 1][k].Format("%g", ParseCsvNumber(lines[a][k], decimalSymbol));
    }

    RefillPanes();
    shell.SetModified(0);
    CredibilityList.clear();
    CredibilityDefined = 0;
    return 1;
}
