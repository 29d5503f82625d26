// Numbers as text in the C numeric locale, whatever the user's locale: '.' is the decimal point and
// there is no grouping. The program never calls setlocale with "", but Wine and host libraries may
// change the process locale; these helpers do not depend on it. The decimal symbol and list separator
// of the settings are applied by their callers on top of this.
#pragma once

// Reads the leading number of text as strtod does in the C locale: white space, sign, digits with an
// optional '.', an optional exponent; also "inf", "nan" and hexadecimal forms. Returns the value, or 0
// when text (or null) starts with no number. *ppEnd, when given, receives the first byte after the
// number (text itself when there is none).
double AfxStrToDouble(const char* text, const char** ppEnd = nullptr);

// atof in the C locale: AfxStrToDouble without the end pointer.
double AfxAtof(const char* text);

// atoi without its undefined cases: white space, an optional sign and decimal digits; the value is
// held to the int range (so "99999999999" gives INT_MAX). Returns 0 when text (or null) starts with no
// number.
int AfxAtoi(const char* text);

// Switches the calling thread to the C locale for its lifetime (and back to what it used before
// when destroyed), for code that must call locale-sensitive C functions such as sscanf or snprintf
// directly. Scopes nest.
class CNumericLocaleScope {
public:
    CNumericLocaleScope();
    ~CNumericLocaleScope();
    CNumericLocaleScope(const CNumericLocaleScope&) = delete;
    CNumericLocaleScope& operator=(const CNumericLocaleScope&) = delete;

private:
    void* m_previous;  // the thread's previous locale_t
};
