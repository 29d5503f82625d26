// The detail of a refused call: what every test of an argument check compares.
#pragma once

#include "core/CException.h"

#include <string>

// The detail of the CInvalidArgException* that call throws (the exception deleted); empty when it
// throws none.
template <class Call>
std::string RefusalOf(Call call)
{
    try {
        call();
    } catch (CInvalidArgException* e) {
        std::string detail = e->m_strDetail.GetString();
        e->Delete();
        return detail;
    }
    return std::string();
}
