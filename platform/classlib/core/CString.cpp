#include "core/CString.h"

#include "core/CException.h"
#include "core/NumberText.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <stdexcept>

namespace {

int Sign(int v)
{
    return v < 0 ? -1 : (v > 0 ? 1 : 0);
}

int CompareBytes(const char* a, size_t na, const char* b, size_t nb)
{
    const size_t n = na < nb ? na : nb;
    const int c = n != 0 ? std::memcmp(a, b, n) : 0;
    if (c != 0)
        return Sign(c);
    return na < nb ? -1 : (na > nb ? 1 : 0);
}

unsigned char AsciiLower(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

bool IsAsciiSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int ClampInt(int v, int lo, int hi)
{
    return v < lo ? lo : (v > hi ? hi : v);
}

[[noreturn]] void ThrowIndex(const char* func, int index, int length)
{
    AfxThrowInvalidArgFormat("CString::%s: index %d outside 0..%d", func, index, length - 1);
}


} // namespace

CString::CString(const char* psz)
{
    if (psz != nullptr)
        m_str.assign(psz);
}

CString::CString(const char* pch, int nLength)
{
    if (pch != nullptr && nLength > 0)
        m_str.assign(pch, size_t(nLength));
}

CString::CString(char ch, int nRepeat)
{
    if (nRepeat > 0)
        m_str.assign(size_t(nRepeat), ch);
}

CString& CString::operator=(const char* psz)
{
    if (psz == nullptr)
        m_str.clear();
    else
        m_str.assign(psz);  // std::string handles psz pointing into itself
    return *this;
}

CString& CString::operator=(char ch)
{
    m_str.assign(1, ch);
    return *this;
}

char CString::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetLength())
        ThrowIndex("GetAt", nIndex, GetLength());
    return m_str[size_t(nIndex)];
}

void CString::SetAt(int nIndex, char ch)
{
    if (nIndex < 0 || nIndex >= GetLength())
        ThrowIndex("SetAt", nIndex, GetLength());
    m_str[size_t(nIndex)] = ch;
}

CString& CString::operator+=(const CString& other)
{
    m_str += other.m_str;
    return *this;
}

CString& CString::operator+=(const char* psz)
{
    if (psz != nullptr)
        m_str.append(psz);
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_str.push_back(ch);
    return *this;
}

int CString::Compare(const char* psz) const
{
    if (psz == nullptr)
        psz = "";
    return CompareBytes(m_str.data(), m_str.size(), psz, std::strlen(psz));
}

int CString::Compare(const CString& other) const
{
    return CompareBytes(m_str.data(), m_str.size(), other.m_str.data(), other.m_str.size());
}

int CString::CompareNoCase(const char* psz) const
{
    if (psz == nullptr)
        psz = "";
    const size_t nb = std::strlen(psz);
    const size_t na = m_str.size();
    for (size_t i = 0; i < na && i < nb; ++i) {
        const unsigned char a = AsciiLower(static_cast<unsigned char>(m_str[i]));
        const unsigned char b = AsciiLower(static_cast<unsigned char>(psz[i]));
        if (a != b)
            return a < b ? -1 : 1;
    }
    return na < nb ? -1 : (na > nb ? 1 : 0);
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
    const int len = GetLength();
    nFirst = ClampInt(nFirst, 0, len);
    nCount = ClampInt(nCount, 0, len - nFirst);
    return CString(m_str.data() + nFirst, nCount);
}

CString CString::Left(int nCount) const
{
    return CString(m_str.data(), ClampInt(nCount, 0, GetLength()));
}

CString CString::Right(int nCount) const
{
    nCount = ClampInt(nCount, 0, GetLength());
    return CString(m_str.data() + (GetLength() - nCount), nCount);
}

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0 || nStart >= GetLength())
        return -1;
    const size_t pos = m_str.find(ch, size_t(nStart));
    return pos == std::string::npos ? -1 : int(pos);
}

int CString::Find(const char* pszSub, int nStart) const
{
    if (pszSub == nullptr || nStart < 0 || nStart > GetLength())
        return -1;
    const size_t pos = m_str.find(pszSub, size_t(nStart));
    return pos == std::string::npos ? -1 : int(pos);
}

int CString::ReverseFind(char ch) const
{
    const size_t pos = m_str.rfind(ch);
    return pos == std::string::npos ? -1 : int(pos);
}

int CString::FindOneOf(const char* pszCharSet) const
{
    if (pszCharSet == nullptr || *pszCharSet == '\0')
        return -1;
    const size_t pos = m_str.find_first_of(pszCharSet);
    return pos == std::string::npos ? -1 : int(pos);
}

CString& CString::MakeUpper()
{
    for (char& c : m_str)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return *this;
}

CString& CString::MakeLower()
{
    for (char& c : m_str)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return *this;
}

namespace {

template <class Pred>
void TrimLeftIf(std::string& s, Pred isTarget)
{
    size_t n = 0;
    while (n < s.size() && isTarget(s[n]))
        ++n;
    s.erase(0, n);
}

template <class Pred>
void TrimRightIf(std::string& s, Pred isTarget)
{
    size_t n = s.size();
    while (n > 0 && isTarget(s[n - 1]))
        --n;
    s.resize(n);
}

struct InSet {
    const char* set;
    bool operator()(char c) const { return set != nullptr && c != '\0' && std::strchr(set, c) != nullptr; }
};

} // namespace

CString& CString::Trim()
{
    TrimRight();
    return TrimLeft();
}

CString& CString::Trim(char ch)
{
    TrimRight(ch);
    return TrimLeft(ch);
}

CString& CString::Trim(const char* pszTargets)
{
    TrimRight(pszTargets);
    return TrimLeft(pszTargets);
}

CString& CString::TrimLeft()
{
    TrimLeftIf(m_str, IsAsciiSpace);
    return *this;
}

CString& CString::TrimLeft(char ch)
{
    TrimLeftIf(m_str, [ch](char c) { return c == ch; });
    return *this;
}

CString& CString::TrimLeft(const char* pszTargets)
{
    TrimLeftIf(m_str, InSet{pszTargets});
    return *this;
}

CString& CString::TrimRight()
{
    TrimRightIf(m_str, IsAsciiSpace);
    return *this;
}

CString& CString::TrimRight(char ch)
{
    TrimRightIf(m_str, [ch](char c) { return c == ch; });
    return *this;
}

CString& CString::TrimRight(const char* pszTargets)
{
    TrimRightIf(m_str, InSet{pszTargets});
    return *this;
}

int CString::Replace(char chOld, char chNew)
{
    int n = 0;
    for (char& c : m_str)
        if (c == chOld) {
            c = chNew;
            ++n;
        }
    return n;
}

int CString::Replace(const char* pszOld, const char* pszNew)
{
    if (pszOld == nullptr || *pszOld == '\0')
        return 0;
    if (pszNew == nullptr)
        pszNew = "";
    const std::string oldText(pszOld), newText(pszNew);  // either may point into this string
    std::string out;
    int n = 0;
    size_t from = 0;
    for (;;) {
        const size_t pos = m_str.find(oldText, from);
        if (pos == std::string::npos)
            break;
        out.append(m_str, from, pos - from);
        out += newText;
        from = pos + oldText.size();
        ++n;
    }
    if (n != 0) {
        out.append(m_str, from, std::string::npos);
        m_str.swap(out);
    }
    return n;
}

int CString::Insert(int nIndex, char ch)
{
    m_str.insert(size_t(ClampInt(nIndex, 0, GetLength())), 1, ch);
    return GetLength();
}

int CString::Insert(int nIndex, const char* psz)
{
    if (psz != nullptr) {
        const std::string text(psz);
        m_str.insert(size_t(ClampInt(nIndex, 0, GetLength())), text);
    }
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    nIndex = ClampInt(nIndex, 0, GetLength());
    nCount = ClampInt(nCount, 0, GetLength() - nIndex);
    m_str.erase(size_t(nIndex), size_t(nCount));
    return GetLength();
}

char* CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength > GetLength())
        AfxAllocating([&] { m_str.resize(size_t(nMinBufLength)); });
    return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0) {
        m_str.resize(std::strlen(m_str.c_str()));
        return;
    }
    if (nNewLength > GetLength())
        AfxThrowInvalidArgFormat("CString::ReleaseBuffer: length %d beyond the buffer of %d", nNewLength, GetLength());
    m_str.resize(size_t(nNewLength));
}

char* CString::GetBufferSetLength(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = 0;
    AfxAllocating([&] { m_str.resize(size_t(nNewLength)); });
    return &m_str[0];
}

CString operator+(const CString& a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}

CString operator+(const CString& a, const char* b)
{
    CString r(a);
    r += b;
    return r;
}

CString operator+(const char* a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}

CString operator+(const CString& a, char b)
{
    CString r(a);
    r += b;
    return r;
}

CString operator+(char a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}

bool operator==(const CString& a, const char* b)
{
    return a.Compare(b) == 0;
}

bool operator==(const char* a, const CString& b)
{
    return b.Compare(a) == 0;
}

// ---- Format ----

namespace {

const char kBadArg[] = "(?)";

// Appends the snprintf output of spec with one value, sized exactly.
template <class V>
void AppendPrintf(std::string& out, const std::string& spec, V value)
{
    char local[128];
    const int n = std::snprintf(local, sizeof local, spec.c_str(), value);
    if (n < 0)
        return;
    if (size_t(n) < sizeof local) {
        out.append(local, size_t(n));
        return;
    }
    std::string big(size_t(n) + 1, '\0');
    std::snprintf(&big[0], big.size(), spec.c_str(), value);
    out.append(big.data(), size_t(n));
}

// The argument's bits as an unsigned 64-bit value (for integer conversions).
bool IntegerBits(const CFormatArg& a, uint64_t& bits)
{
    switch (a.kind) {
    case CFormatArg::kInt:
        bits = uint64_t(a.i);
        return true;
    case CFormatArg::kUInt:
        bits = a.u;
        return true;
    case CFormatArg::kPointer:
        bits = uint64_t(reinterpret_cast<uintptr_t>(a.p));
        return true;
    case CFormatArg::kDouble:
        // a floating value given to an integer conversion: its truncation, saturated
        if (!(a.d == a.d))
            bits = 0;
        else if (a.d >= 9.2233720368547758e18)
            bits = uint64_t(INT64_MAX);
        else if (a.d <= -9.2233720368547758e18)
            bits = uint64_t(INT64_MIN);
        else
            bits = uint64_t(int64_t(a.d));
        return true;
    default:
        return false;
    }
}

bool FloatingValue(const CFormatArg& a, double& d)
{
    switch (a.kind) {
    case CFormatArg::kDouble:
        d = a.d;
        return true;
    case CFormatArg::kInt:
        d = double(a.i);
        return true;
    case CFormatArg::kUInt:
        d = double(a.u);
        return true;
    default:
        return false;
    }
}

} // namespace

void CString::FormatArgs(const char* lpszFormat, const CFormatArg* pArgs, int nArgs)
{
    std::string out;
    if (lpszFormat == nullptr) {
        m_str.clear();
        return;
    }
    CNumericLocaleScope cLocale;
    int next = 0;
    auto takeArg = [&](const CFormatArg*& a) {
        a = next < nArgs ? &pArgs[next] : nullptr;
        ++next;
        return a != nullptr;
    };

    const char* p = lpszFormat;
    while (*p != '\0') {
        if (*p != '%') {
            const char* q = std::strchr(p, '%');
            const size_t n = q != nullptr ? size_t(q - p) : std::strlen(p);
            out.append(p, n);
            p += n;
            continue;
        }
        const char* specStart = p++;
        if (*p == '%') {
            out += '%';
            ++p;
            continue;
        }
        // flags
        std::string flags;
        while (*p != '\0' && std::strchr("-+ #0'", *p) != nullptr)
            flags += *p++;
        // width
        bool haveWidth = false;
        long long width = 0;
        if (*p == '*') {
            ++p;
            const CFormatArg* a = nullptr;
            uint64_t bits = 0;
            if (takeArg(a) && IntegerBits(*a, bits)) {
                width = int32_t(uint32_t(bits));
                haveWidth = true;
                if (width < 0) {
                    flags += '-';
                    width = -width;
                }
            }
        } else {
            while (*p >= '0' && *p <= '9') {
                haveWidth = true;
                if (width < 100000)
                    width = width * 10 + (*p - '0');
                ++p;
            }
        }
        // precision
        bool havePrecision = false;
        long long precision = 0;
        if (*p == '.') {
            ++p;
            havePrecision = true;
            if (*p == '*') {
                ++p;
                const CFormatArg* a = nullptr;
                uint64_t bits = 0;
                if (takeArg(a) && IntegerBits(*a, bits))
                    precision = int32_t(uint32_t(bits));
                if (precision < 0)
                    havePrecision = false;
            } else {
                while (*p >= '0' && *p <= '9') {
                    if (precision < 100000)
                        precision = precision * 10 + (*p - '0');
                    ++p;
                }
            }
        }
        // length modifier: the integer width in bits
        int bits = 32;
        if (p[0] == 'h' && p[1] == 'h') {
            bits = 8;
            p += 2;
        } else if (p[0] == 'h') {
            bits = 16;
            ++p;
        } else if (p[0] == 'l' && p[1] == 'l') {
            bits = 64;
            p += 2;
        } else if (p[0] == 'l' || p[0] == 'L') {
            ++p;  // 'l' keeps 32 bits (Win32's long); 'L' on a double changes nothing
        } else if (p[0] == 'j' || p[0] == 'z' || p[0] == 't' || p[0] == 'q') {
            bits = 64;
            ++p;
        } else if (p[0] == 'I' && p[1] == '6' && p[2] == '4') {
            bits = 64;
            p += 3;
        } else if (p[0] == 'I' && p[1] == '3' && p[2] == '2') {
            p += 3;
        }
        const char conv = *p;
        if (conv == '\0') {
            out.append(specStart);  // a lone or unfinished '%' at the end: copied
            break;
        }
        ++p;

        std::string spec = "%" + flags;
        if (haveWidth)
            spec += std::to_string(width);
        if (havePrecision)
            spec += "." + std::to_string(precision);

        const CFormatArg* a = nullptr;
        switch (conv) {
        case 'd':
        case 'i':
        case 'u':
        case 'o':
        case 'x':
        case 'X': {
            uint64_t v = 0;
            if (!takeArg(a) || !IntegerBits(*a, v)) {
                out += kBadArg;
                break;
            }
            const bool isSigned = conv == 'd' || conv == 'i';
            if (bits < 64) {
                const uint64_t mask = (uint64_t(1) << bits) - 1;
                v &= mask;
                if (isSigned && (v >> (bits - 1)) != 0)
                    v |= ~mask;  // sign-extend
            }
            spec += "ll";
            spec += conv;
            if (isSigned)
                AppendPrintf(out, spec, (long long)(int64_t(v)));
            else
                AppendPrintf(out, spec, (unsigned long long)v);
            break;
        }
        case 'c':
        case 'C': {
            uint64_t v = 0;
            if (!takeArg(a) || !IntegerBits(*a, v)) {
                out += kBadArg;
                break;
            }
            spec += 'c';
            AppendPrintf(out, spec, int(static_cast<unsigned char>(v)));
            break;
        }
        case 's':
        case 'S': {
            if (!takeArg(a) || (a->kind != CFormatArg::kString && !(a->kind == CFormatArg::kPointer && a->p == nullptr))) {
                out += kBadArg;
                break;
            }
            const char* text = a->kind == CFormatArg::kString ? a->s : nullptr;
            spec += 's';
            AppendPrintf(out, spec, text != nullptr ? text : "(null)");
            break;
        }
        case 'e':
        case 'E':
        case 'f':
        case 'F':
        case 'g':
        case 'G':
        case 'a':
        case 'A': {
            double d = 0;
            if (!takeArg(a) || !FloatingValue(*a, d)) {
                out += kBadArg;
                break;
            }
            spec += conv;
            AppendPrintf(out, spec, d);
            break;
        }
        case 'p': {
            uint64_t v = 0;
            if (!takeArg(a) || !IntegerBits(*a, v)) {
                out += kBadArg;
                break;
            }
            spec += 'p';
            AppendPrintf(out, spec, reinterpret_cast<const void*>(uintptr_t(v)));
            break;
        }
        case 'n':
            takeArg(a);  // consumes its argument, stores nothing
            break;
        default:
            out.append(specStart, size_t(p - specStart));  // unknown conversion: copied as written
            break;
        }
    }
    AfxAllocating([&] { m_str.swap(out); });
}
