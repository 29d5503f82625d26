#include "model/ZQInterfaceData.h"

#include "core/CException.h"
#include "core/NumberText.h"
#include "model/ZQShellServices.h"
#include "model/solve/Solver.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>

#include <malloc.h>

const CString& ProjectCell(const ZQRow& row, size_t i)
{
    static const CString empty;
    return i < row.size() ? row[i] : empty;
}

const ZQRow& ProjectRow(const ZQTable& table, size_t i)
{
    static const ZQRow empty;
    return i < table.size() ? table[i] : empty;
}

bool HasDuplicateKey(const ZQTable& table, size_t keyColumns, CString (*keyForm)(const CString&))
{
    std::unordered_set<std::string> seen;
    seen.reserve(table.size());
    std::string key;
    CString formed;
    for (const ZQRow& row : table) {
        key.clear();
        for (size_t i = 0; i < keyColumns; ++i) {
            const CString& raw = ProjectCell(row, i);
            if (keyForm != nullptr)
                formed = keyForm(raw);
            const CString& cell = keyForm != nullptr ? formed : raw;
            // each cell after its length, so that the cells of one key cannot run into each other
            const uint32_t length = uint32_t(cell.GetLength());
            key.append(reinterpret_cast<const char*>(&length), sizeof length);
            key.append(cell.GetString(), size_t(cell.GetLength()));
        }
        if (!seen.insert(key).second)
            return true;
    }
    return false;
}

namespace {

std::string_view ViewOf(const CString& text)
{
    return std::string_view(text.GetString(), size_t(text.GetLength()));
}

} // namespace

ZQNameIndex::ZQNameIndex(const ZQTable& table, size_t firstRow) : m_next(table.size(), npos)
{
    size_t length = 0;
    for (size_t r = firstRow; r < table.size(); ++r)
        length += size_t(ProjectCell(table[r], 0).GetLength());
    m_names.reserve(length);  // never grows below, so the views into it stay valid
    m_rows.reserve(table.size() > firstRow ? table.size() - firstRow : 0);
    for (size_t r = firstRow; r < table.size(); ++r) {
        const std::string_view name = ViewOf(ProjectCell(table[r], 0));
        const size_t at = m_names.size();
        m_names.append(name);
        auto entry = m_rows.try_emplace(std::string_view(m_names.data() + at, name.size()), Rows{r, r});
        if (!entry.second) {
            m_next[entry.first->second.last] = r;
            entry.first->second.last = r;
        }
    }
}

size_t ZQNameIndex::First(const CString& name) const
{
    auto found = m_rows.find(ViewOf(name));
    return found != m_rows.end() ? found->second.first : npos;
}

size_t ZQNameIndex::Next(size_t row) const
{
    return row < m_next.size() ? m_next[row] : npos;
}

size_t ZQNameIndex::Last(const CString& name) const
{
    auto found = m_rows.find(ViewOf(name));
    return found != m_rows.end() ? found->second.last : npos;
}

ZQCriterionNumbers::ZQCriterionNumbers(const CZQInterfaceData& project, const CString& criterion)
    : m_ordinal(project.GetCriterionKind(criterion) == ZQ_KIND_ORDINAL)
{
    if (!m_ordinal)
        return;
    for (const ZQRow& row : project.ScaleValuesTable) {
        if (ProjectCell(row, 0) != criterion)
            continue;
        const CString& value = ProjectCell(row, 1);
        // the first row of a value holds its position
        m_positions.emplace(ViewOf(value), AfxAtof(ProjectCell(row, 2)));
    }
}

double ZQCriterionNumbers::Number(const CString& cell) const
{
    if (!m_ordinal)
        return AfxAtof(cell);
    auto found = m_positions.find(std::string(ViewOf(cell)));
    return found != m_positions.end() ? found->second : 0.0;
}

size_t EvaluationRowOf(const ZQTable& evaluations, const CString& name)
{
    for (size_t r = 1; r < evaluations.size(); ++r) {
        if (ProjectCell(evaluations[r], 0) == name)
            return r;
    }
    return 0;
}

size_t EvaluationColumnOf(const ZQTable& evaluations, const CString& name)
{
    const ZQRow& header = ProjectRow(evaluations, 0);
    for (size_t c = 1; c < header.size(); ++c) {
        if (header[c] == name)
            return c;
    }
    return 0;
}

namespace {

// The evaluations table of a new project: one header row holding one empty cell.
ZQTable NewEvaluationsTable()
{
    return ZQTable(1, ZQRow(1, CString()));
}

// The kind words of the criteria table and the kind codes they stand for.
struct KindWord {
    int kind;
    const char* word;
};
const KindWord kKindWords[] = {{ZQ_KIND_GAIN, "gain"}, {ZQ_KIND_COST, "cost"}, {ZQ_KIND_ORDINAL, "rank"}};

// The kind code of a kind word; ZQ_KIND_OTHER for any other word.
int KindOfWord(const CString& word)
{
    for (const KindWord& entry : kKindWords) {
        if (word == entry.word)
            return entry.kind;
    }
    return ZQ_KIND_OTHER;
}

// The kind word of a kind code; empty for any code without one.
const char* WordOfKind(int kind)
{
    for (const KindWord& entry : kKindWords) {
        if (kind == entry.kind)
            return entry.word;
    }
    return "";
}

} // namespace

CZQInterfaceData::CZQInterfaceData()
    : EvaluationsTable(NewEvaluationsTable()),
      DeltaThreshold(0.02),
      EpsilonThreshold(0.019),
      CredibilityDefined(0)
{
}

CZQInterfaceData::~CZQInterfaceData() = default;

void CZQInterfaceData::SetShell(CZQShellServices* shell)
{
    m_shell = shell;
}

CZQShellServices& CZQInterfaceData::Shell(const char* operation) const
{
    if (m_shell == nullptr)
        AfxThrowInvalidArgFormat("%s: no shell services set (shell is null)", operation);
    return *m_shell;
}

void CZQInterfaceData::MarkModified(const char* operation)
{
    Shell(operation).SetModified(1);
}

void CZQInterfaceData::AddAlternative(CString name)
{
    const char* const op = "CZQInterfaceData::AddAlternative";
    Shell(op);
    StoreEvaluationsGrid();
    if (EvaluationsTable.empty())
        EvaluationsTable = NewEvaluationsTable();
    const ZQRow& header = EvaluationsTable[0];
    ZQRow row;
    row.reserve(header.size());
    row.push_back(name);
    for (size_t c = 1; c < header.size(); ++c)
        row.push_back(GetCriterionKind(header[c]) == ZQ_KIND_ORDINAL ? CString() : CString("0"));
    EvaluationsTable.push_back(row);
    AlternativesTable.push_back(ZQRow{name, CString(), CString()});
    RefreshEvaluationsGrid();
    MarkModified(op);
}

void CZQInterfaceData::RemoveAlternative(CString name)
{
    const char* const op = "CZQInterfaceData::RemoveAlternative";
    Shell(op);
    StoreEvaluationsGrid();
    auto alt = std::find_if(AlternativesTable.begin(), AlternativesTable.end(),
                            [&](const ZQRow& row) { return ProjectCell(row, 0) == name; });
    if (alt != AlternativesTable.end())
        AlternativesTable.erase(alt);
    const size_t row = EvaluationRowOf(EvaluationsTable, name);
    if (row != 0)
        EvaluationsTable.erase(EvaluationsTable.begin() + std::ptrdiff_t(row));
    RefreshEvaluationsGrid();
    MarkModified(op);
}

void CZQInterfaceData::AddCriterion(CString name, CString description, int kind, int segments)
{
    const char* const op = "CZQInterfaceData::AddCriterion";
    Shell(op);
    if (EvaluationsTable.empty())
        EvaluationsTable = NewEvaluationsTable();
    EvaluationsTable[0].push_back(name);
    const CString cell = kind == ZQ_KIND_ORDINAL ? CString() : CString("0");
    for (size_t r = 1; r < EvaluationsTable.size(); ++r)
        EvaluationsTable[r].push_back(cell);

    CString segmentsText;
    segmentsText.Format("%d", segments);
    CriteriaTable.push_back(ZQRow{name, description, CString(WordOfKind(kind)), segmentsText});
    MarkModified(op);
}

void CZQInterfaceData::RemoveCriterion(CString name)
{
    const char* const op = "CZQInterfaceData::RemoveCriterion";
    Shell(op);
    StoreEvaluationsGrid();
    auto crit = std::find_if(CriteriaTable.begin(), CriteriaTable.end(),
                             [&](const ZQRow& row) { return ProjectCell(row, 0) == name; });
    if (crit != CriteriaTable.end())
        CriteriaTable.erase(crit);
    // Column 0 holds the alternatives' names under an empty header cell, never found by name: removing
    // a criterion with an empty name can never take the names away.
    const size_t column = EvaluationColumnOf(EvaluationsTable, name);
    if (column != 0) {
        for (ZQRow& row : EvaluationsTable) {
            if (column < row.size())
                row.erase(row.begin() + std::ptrdiff_t(column));
        }
    }
    RefreshEvaluationsGrid();
    MarkModified(op);
}

void CZQInterfaceData::AddScaleValue(CString criterion, CString value, int position)
{
    const char* const op = "CZQInterfaceData::AddScaleValue";
    Shell(op);
    CString positionText;
    positionText.Format("%d", position);
    ScaleValuesTable.push_back(ZQRow{criterion, value, positionText});
    MarkModified(op);
}

void CZQInterfaceData::RemoveScaleValues(CString criterion)
{
    const char* const op = "CZQInterfaceData::RemoveScaleValues";
    Shell(op);
    ScaleValuesTable.erase(std::remove_if(ScaleValuesTable.begin(), ScaleValuesTable.end(),
                                          [&](const ZQRow& row) { return ProjectCell(row, 0) == criterion; }),
                           ScaleValuesTable.end());
    MarkModified(op);
}

int CZQInterfaceData::GetCriterionKind(CString name) const
{
    for (const ZQRow& row : CriteriaTable) {
        if (ProjectCell(row, 0) == name)
            return KindOfWord(ProjectCell(row, 2));
    }
    return ZQ_KIND_OTHER;
}

void CZQInterfaceData::RefreshEvaluationsGrid()
{
    CZQShellServices& shell = Shell("CZQInterfaceData::RefreshEvaluationsGrid");
    if (shell.IsEvaluationsWindowOpen())
        shell.LoadFromModel();
}

void CZQInterfaceData::StoreEvaluationsGrid()
{
    CZQShellServices& shell = Shell("CZQInterfaceData::StoreEvaluationsGrid");
    if (shell.IsEvaluationsWindowOpen())
        shell.StoreToModel();
}

void CZQInterfaceData::RefillPanes()
{
    CZQShellServices& shell = Shell("CZQInterfaceData::RefillPanes");

    shell.DeleteAllAlternativeItems();
    for (const ZQRow& row : AlternativesTable)
        shell.InsertAlternativeItem(ProjectCell(row, 0));

    shell.DeleteAllCriterionItems();
    for (const ZQRow& row : CriteriaTable) {
        CString kindText;
        switch (KindOfWord(ProjectCell(row, 2))) {
        case ZQ_KIND_GAIN:
            kindText = shell.LoadText(ZQText::Gain);
            break;
        case ZQ_KIND_COST:
            kindText = shell.LoadText(ZQText::Cost);
            break;
        case ZQ_KIND_ORDINAL:
            kindText = shell.LoadText(ZQText::Ordinal);
            break;
        default:
            break;
        }
        shell.InsertCriterionItem(ProjectCell(row, 0), kindText);
    }

    const int count = shell.GetAlternativeItemCount();
    for (int item = 0; item < count; ++item)
        shell.SetAlternativeItemSelected(item, false);

    // AddSelectedToRank rewrites every rank cell from the tree built so far, which still lacks the
    // alternatives not yet visited: every alternative is placed by its rank as it stood before the
    // first call, and the cells are put back when the tree is complete.
    std::vector<CString> savedRanks;
    savedRanks.reserve(AlternativesTable.size());
    for (const ZQRow& row : AlternativesTable)
        savedRanks.push_back(ProjectCell(row, 2));

    // Each list item meets the alternatives rows of its name through the index, not by a scan of the
    // table, so a refill takes time in proportion to the alternatives.
    const ZQNameIndex rowsByName(AlternativesTable);
    bool ranked = false;
    for (int item = 0; item < count; ++item) {
        const CString text = shell.GetAlternativeItemText(item);
        for (size_t r = rowsByName.First(text); r != ZQNameIndex::npos; r = rowsByName.Next(r)) {
            shell.SetAlternativeItemSelected(item, true);
            const int rank = r < savedRanks.size() ? AfxAtoi(savedRanks[r]) : 0;
            if (rank > 0) {
                shell.AddSelectedToRank(rank);
                ranked = true;
            }
            shell.SetAlternativeItemSelected(item, false);
        }
    }
    if (ranked) {
        for (size_t s = 0; s < AlternativesTable.size() && s < savedRanks.size(); ++s) {
            if (AlternativesTable[s].size() > 2)
                AlternativesTable[s][2] = savedRanks[s];
        }
    }
}

void CZQInterfaceData::OpenEvaluationsWindow()
{
    CZQShellServices& shell = Shell("CZQInterfaceData::OpenEvaluationsWindow");
    shell.OpenNewDocument(ZQDocument::EvaluationsGrid);
    shell.TileWindowsHorizontally();
}

void CZQInterfaceData::ClearProject()
{
    AlternativesTable.clear();
    ScaleValuesTable.clear();
    CriteriaTable.clear();
    EvaluationsTable = NewEvaluationsTable();
    ProjectSolver.reset();
    ValueFunctions.clear();
    SolvedValueFunctions.clear();
    ValueBoundsTable.clear();
}

bool CZQInterfaceData::CanSolve() const
{
    if (AlternativesTable.size() < 3 || CriteriaTable.size() < 2)
        return false;

    const ZQRow& header = ProjectRow(EvaluationsTable, 0);

    // No empty evaluation; a cell missing from a short row counts as empty.
    for (size_t r = 1; r < EvaluationsTable.size(); ++r) {
        const ZQRow& row = EvaluationsTable[r];
        for (size_t c = 1; c < std::max(row.size(), header.size()); ++c) {
            if (ProjectCell(row, c).IsEmpty())
                return false;
        }
    }

    // No constant criterion.
    for (size_t c = 1; c < header.size(); ++c) {
        if (GetCriterionKind(header[c]) == ZQ_KIND_ORDINAL) {
            // The first cell always differs from the empty text before it: a second change means a
            // second value.
            int changes = 0;
            CString previous;
            for (size_t r = 1; r < EvaluationsTable.size(); ++r) {
                const CString& cell = ProjectCell(EvaluationsTable[r], c);
                if (cell != previous)
                    ++changes;
                previous = cell;
            }
            if (changes <= 1)
                return false;
        } else {
            if (EvaluationsTable.size() < 2)
                continue;
            double low = AfxAtof(ProjectCell(EvaluationsTable[1], c));
            double high = low;
            for (size_t r = 2; r < EvaluationsTable.size(); ++r) {
                const double value = AfxAtof(ProjectCell(EvaluationsTable[r], c));
                if (value > high)
                    high = value;
                if (value < low)
                    low = value;
            }
            if (high == low)
                return false;
        }
    }

    // Two reference alternatives of different ranks.
    int firstRank = 0;
    for (const ZQRow& row : AlternativesTable) {
        const int rank = AfxAtoi(ProjectCell(row, 2));
        if (rank < 1)
            continue;
        if (firstRank == 0)
            firstRank = rank;
        else if (rank != firstRank)
            return true;
    }
    return false;
}

int CZQInterfaceData::OpenProject(CString path, int fileType, char decimalSymbol, char listSeparator)
{
    int result = 0;
    switch (fileType) {
    case ZQ_FILE_CSV:
        result = ReadCsv(path, decimalSymbol, listSeparator);
        break;
    case ZQ_FILE_XML:
        result = ReadXml(path);
        break;
    case ZQ_FILE_ZEK:
        result = ReadZekFile(path);
        break;
    default:
        return 0;
    }
    // The memory the reading worked in goes back to the system: the windows that show the project
    // next take theirs elsewhere (the program reads on a thread of its own) and could not reuse it.
    malloc_trim(0);
    return result;
}

int CZQInterfaceData::SaveProject(CString path, int fileType, char decimalSymbol, char listSeparator)
{
    switch (fileType) {
    case ZQ_FILE_CSV:
        return WriteCsv(path, decimalSymbol, listSeparator);
    case ZQ_FILE_XML:
        return WriteXml(path);
    case ZQ_FILE_ZEK:
        return WriteZekFile(path);
    default:
        return 0;
    }
}

int CZQInterfaceData::SaveProjectOrWarn(CString path, int fileType, char decimalSymbol, char listSeparator)
{
    CZQShellServices& shell = Shell("CZQInterfaceData::SaveProjectOrWarn");
    const int result = SaveProject(path, fileType, decimalSymbol, listSeparator);
    if (result == 0)
        shell.ShowMessage(shell.LoadText(ZQText::CantWriteFile), "Ondrix", ZQ_MB_OK | ZQ_MB_ICONWARNING);
    return result;
}
