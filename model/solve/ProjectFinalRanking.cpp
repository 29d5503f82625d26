#include "model/solve/ProjectFinalRanking.h"

#include "core/CException.h"
#include "core/NumberText.h"
#include "model/ZQInterfaceData.h"
#include "model/ZQShellServices.h"
#include "model/files/WholeFile.h"
#include "model/solve/AlternativeUtility.h"
#include "model/solve/Solver.h"

#include <algorithm>
#include <cmath>

bool CompareUtility(const UtilityRecord& a, const UtilityRecord& b)
{
    const bool aNumber = !std::isnan(a.utility);
    const bool bNumber = !std::isnan(b.utility);
    if (aNumber && bNumber)
        return a.utility < b.utility;
    return !aNumber && bNumber;
}

void SortUtilityRows(std::vector<std::vector<CString>>& rows, const char* format)
{
    std::vector<UtilityRecord> records;
    records.reserve(rows.size());
    for (const std::vector<CString>& row : rows) {
        UtilityRecord record;
        if (!row.empty())
            record.name.assign(row[0].GetString(), size_t(row[0].GetLength()));
        record.utility = row.size() > 1 ? AfxAtof(row[1]) : 0.0;
        records.push_back(std::move(record));
    }
    std::stable_sort(records.begin(), records.end(), CompareUtility);

    rows.clear();
    for (const UtilityRecord& record : records) {
        CString utility;
        utility.Format(format, record.utility);
        rows.push_back(std::vector<CString>{CString(record.name.data(), int(record.name.size())), utility});
    }
}

const char* UtilityPrecisionFormat(int precision)
{
    switch (precision) {
    case 1:
        return "%0.1f";
    case 2:
        return "%0.2f";
    case 3:
        return "%0.3f";
    case 4:
        return "%0.4f";
    case 5:
        return "%0.5f";
    default:
        return "%0.6f";
    }
}

void CZQInterfaceData::BuildFinalRanking()
{
    SortUtilityRows(RankingRows, "%f");
}

void CZQInterfaceData::FormatUtilities()
{
    const int precision = Shell("CZQInterfaceData::FormatUtilities").GetResultsUtilityPrecision();
    SortUtilityRows(ResultRows, UtilityPrecisionFormat(precision));
}

int CZQInterfaceData::WriteResultsText(CString path, char decimalSymbol)
{
    CZQShellServices& shell = Shell("CZQInterfaceData::WriteResultsText");
    if (decimalSymbol == '\0' || decimalSymbol == '\t' || decimalSymbol == '\n' || decimalSymbol == '\r')
        AfxThrowInvalidArgFormat("CZQInterfaceData::WriteResultsText: decimal symbol %d cannot stand in a results line",
                                 int(static_cast<unsigned char>(decimalSymbol)));
    if (!ProjectSolver || !ProjectSolver->HasResults() || path.IsEmpty())
        return 0;

    if (!BuildUtilityRows(*ProjectSolver, shell, ResultRows))
        return 0;
    FormatUtilities();

    // Highest utility first: the rows run from the lowest.
    std::string text;
    for (auto row = ResultRows.rbegin(); row != ResultRows.rend(); ++row) {
        const CString& name = ProjectCell(*row, 0);
        CString utility;
        utility.Format("%.7g", AfxAtof(ProjectCell(*row, 1)));
        utility.Replace('.', decimalSymbol);
        text.append(name.GetString(), size_t(name.GetLength()));
        text += '\t';
        text.append(utility.GetString(), size_t(utility.GetLength()));
        text += '\n';
    }
    return WriteWholeProjectFile(path, text) ? 1 : 0;
}
