// Project tables as plain strings, so that a failed comparison prints the cells.
#pragma once

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
