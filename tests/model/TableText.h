// Project tables and texts as plain strings, so that a failed comparison prints them, and the detail
// of a refused call (RefusalOf).
#pragma once

#include "RefusalOf.h"
#include "model/ZQInterfaceData.h"

#include <string>
#include <vector>

typedef std::vector<std::vector<std::string>> TextTable;

inline TextTable Text(const ZQTable& table)
{
    TextTable text;
    for (const ZQRow& row : table) {
        std::vector<std::string> cells;
        for (const CString& cell : row)
            cells.emplace_back(cell.GetString(), size_t(cell.GetLength()));
        text.push_back(cells);
    }
    return text;
}

inline std::string S(const CString& text)
{
    return std::string(text.GetString(), size_t(text.GetLength()));
}
