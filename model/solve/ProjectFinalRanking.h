// The final ranking: the rows [alternative name, utility text] of the ranking chart (RankingRows) and
// of the results text (ResultRows) sorted by utility, and the sort record they go through.
//
// Both collections run from the lowest utility to the highest; the results text is written from the
// last row to the first. Equal utilities keep the order the rows had (the Solver's alternatives
// order), so a ranking never changes between two sorts of the same utilities.
//
// The members that sort and write (CZQInterfaceData::BuildFinalRanking, FormatUtilities and
// WriteResultsText) are declared in model/ZQInterfaceData.h and defined in ProjectFinalRanking.cpp.
#pragma once

#include "core/CString.h"

#include <string>
#include <vector>

// The sort record of one row: the name, and the utility as the row's text reads (as by atof).
struct UtilityRecord {
    std::string name;
    double utility = 0.0;
};

// Returns true when a's utility is less than b's. A utility that is not a number counts as lower than
// every number and equal to another one, so that the order stays a strict weak ordering whatever the
// rows hold.
bool CompareUtility(const UtilityRecord& a, const UtilityRecord& b);

// Sorts rows ([name, utility text] each; a missing cell reads as empty) by ascending utility with
// CompareUtility, equal utilities keeping their order, and rewrites each utility with format (a
// printf format taking one double, such as "%f"). Every row ends with exactly these two cells.
void SortUtilityRows(std::vector<std::vector<CString>>& rows, const char* format);

// Returns the printf format of the results text's precision setting: "%0.1f" to "%0.5f" for 1 to 5,
// "%0.6f" for any other value.
const char* UtilityPrecisionFormat(int precision);
