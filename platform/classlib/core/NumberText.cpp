#include "core/NumberText.h"

#include <climits>
#include <clocale>
#include <cstdlib>
#include <locale.h>

namespace {

// The C locale object, made once; never freed (it lives as long as the process).
locale_t CLocale()
{
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

} // namespace

double AfxStrToDouble(const char* text, const char** ppEnd)
{
    if (text == nullptr) {
        if (ppEnd != nullptr)
            *ppEnd = text;
        return 0.0;
    }
    char* end = nullptr;
    const double value = strtod_l(text, &end, CLocale());
    if (ppEnd != nullptr)
        *ppEnd = end;
    return value;
}

double AfxAtof(const char* text)
{
    return AfxStrToDouble(text, nullptr);
}

int AfxAtoi(const char* text)
{
    if (text == nullptr)
        return 0;
    const long long value = strtoll_l(text, nullptr, 10, CLocale());
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return int(value);
}

CNumericLocaleScope::CNumericLocaleScope() : m_previous(uselocale(CLocale()))
{
}

CNumericLocaleScope::~CNumericLocaleScope()
{
    uselocale(static_cast<locale_t>(m_previous));
}
