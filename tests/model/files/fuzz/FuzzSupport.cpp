#include "FuzzSupport.h"

std::string FuzzTableText(const ZQTable& table, int skip)
{
    std::string text;
    for (const ZQRow& row : table) {
        for (size_t i = 0; i < row.size(); ++i) {
            if (int(i) == skip)
                continue;
            text.append(row[i].GetString(), size_t(row[i].GetLength()));
            text += '\x1f';
        }
        text += '\x1e';
    }
    return text;
}
