// CString: the class library's 8-bit string of bytes, with value semantics (copies are independent).
//
// - Bytes are bytes: no code page is assumed; 0x80..0xFF pass unchanged; a string may hold 0 bytes
//   (then the const char* view ends at the first one, but GetLength, == and Compare see all bytes).
// - Comparison (==, <, Compare) is byte-exact in unsigned byte order; CompareNoCase, MakeUpper,
//   MakeLower and Trim know ASCII only (the Win32 part adds the locale-aware forms).
// - Indexes and counts are ints. Left/Mid/Right/Insert/Delete clamp their arguments to the string as
//   the framework does; GetAt, SetAt and operator[] refuse an index outside the string with
//   CInvalidArgException*.
// - Format is printf in the C numeric locale whatever the user's locale. Arguments are passed by type,
//   not through C varargs: a CString may be given for %s directly, and the width of an integer
//   conversion is the one its length modifier names, independent of the argument's C type (see
//   Format below).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>

class CString;

// One argument of CString::Format, captured by kind. Built by CString::Format's template front end.
struct CFormatArg {
    enum Kind : uint8_t { kInt, kUInt, kDouble, kString, kPointer, kNone };
    Kind kind = kNone;
    union {
        int64_t i;
        uint64_t u;
        double d;
        const char* s;
        const void* p;
    };
    CFormatArg() : u(0) {}
};

template <class T>
struct CFormatUnsupported : std::false_type {};

class CString {
public:
    CString() = default;
    CString(const CString& other) = default;
    CString(CString&& other) noexcept = default;
    // A copy of the zero-terminated text psz; null gives an empty string.
    CString(const char* psz);
    // A copy of nLength bytes at pch (0 bytes included); nLength < 0 or null pch gives an empty string.
    CString(const char* pch, int nLength);
    // nRepeat copies of ch (none when nRepeat < 1).
    explicit CString(char ch, int nRepeat = 1);
    ~CString() = default;

    CString& operator=(const CString& other) = default;
    CString& operator=(CString&& other) noexcept = default;
    // Replaces the text with psz (null: empty).
    CString& operator=(const char* psz);
    // Replaces the text with the single byte ch.
    CString& operator=(char ch);

    // The number of bytes.
    int GetLength() const { return int(m_str.size()); }
    // True when the string holds no byte.
    bool IsEmpty() const { return m_str.empty(); }
    // Makes the string empty.
    void Empty() { m_str.clear(); }

    // The byte at nIndex (0 <= nIndex < GetLength(), else CInvalidArgException*).
    char GetAt(int nIndex) const;
    char operator[](int nIndex) const { return GetAt(nIndex); }
    // Replaces the byte at nIndex (0 <= nIndex < GetLength(), else CInvalidArgException*).
    void SetAt(int nIndex, char ch);

    // The text, zero-terminated; valid until the string is next changed.
    operator const char*() const { return m_str.c_str(); }
    const char* GetString() const { return m_str.c_str(); }

    // Appends the other string, the text psz (null: nothing) or one byte. Returns *this.
    CString& operator+=(const CString& other);
    CString& operator+=(const char* psz);
    CString& operator+=(char ch);

    // Compares byte by byte as unsigned bytes (psz null: as ""). Returns -1, 0 or 1.
    int Compare(const char* psz) const;
    int Compare(const CString& other) const;
    // As Compare, with ASCII letters folded to lower case.
    int CompareNoCase(const char* psz) const;

    // The substring from nFirst to the end, or of nCount bytes from nFirst, clamped to the string.
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    // The first / last nCount bytes (all when nCount exceeds the length, none when negative).
    CString Left(int nCount) const;
    CString Right(int nCount) const;

    // Index of the first ch / substring at or after nStart; -1 when none or nStart is outside the
    // string. An empty substring is found at nStart (nStart may then equal GetLength()); a null one
    // is never found.
    int Find(char ch, int nStart = 0) const;
    int Find(const char* pszSub, int nStart = 0) const;
    // Index of the last ch; -1 when none.
    int ReverseFind(char ch) const;
    // Index of the first byte that is one of the bytes of pszCharSet; -1 when none (or set null).
    int FindOneOf(const char* pszCharSet) const;

    // ASCII case conversion in place (other bytes unchanged). Return *this.
    CString& MakeUpper();
    CString& MakeLower();

    // Remove ASCII white space (space, \t, \n, \v, \f, \r), or the byte ch, or any byte of pszTargets,
    // from both ends / the start / the end. Return *this.
    CString& Trim();
    CString& Trim(char ch);
    CString& Trim(const char* pszTargets);
    CString& TrimLeft();
    CString& TrimLeft(char ch);
    CString& TrimLeft(const char* pszTargets);
    CString& TrimRight();
    CString& TrimRight(char ch);
    CString& TrimRight(const char* pszTargets);

    // Replaces every chOld by chNew / every non-overlapping pszOld by pszNew (null: ""), left to right.
    // Returns the number of replacements (0 for an empty pszOld).
    int Replace(char chOld, char chNew);
    int Replace(const char* pszOld, const char* pszNew);

    // Inserts ch / psz before nIndex (clamped to 0..GetLength()). Returns the new length.
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, const char* psz);
    // Removes nCount bytes from nIndex (both clamped). Returns the new length.
    int Delete(int nIndex, int nCount = 1);

    // Direct access to the bytes for C-style writers: returns a writable buffer that holds the text
    // and room for at least nMinBufLength bytes plus a terminating 0. Call ReleaseBuffer before any
    // other member. Allocation failure throws CMemoryException*.
    char* GetBuffer(int nMinBufLength);
    char* GetBuffer() { return GetBuffer(0); }
    // Ends GetBuffer: the new length is nNewLength, or with -1 the length up to the first 0 byte.
    // nNewLength beyond the buffer throws CInvalidArgException*.
    void ReleaseBuffer(int nNewLength = -1);
    // GetBuffer(nNewLength) with the length set to nNewLength at once (new bytes are 0).
    char* GetBufferSetLength(int nNewLength);

    // Replaces the text by the printf-style formatting of the arguments.
    //
    // Conversions: d i u o x X c s e E f F g G a A p and %%, with flags (- + space # 0), width and
    // precision (numbers or *). Numbers are written in the C numeric locale.
    // Integer conversions take the argument's value at the width the length modifier names: none or
    // l: 32 bits (as Win32's int and LONG), hh 8, h 16, ll/j/z/t 64; %d/%i sign-extend, the others
    // zero-extend. So a C long or a pointer given to %08x gives its low 32 bits.
    // %s takes a const char* (null: "(null)") or a CString; %c a byte; floating conversions take any
    // number. An argument of the wrong kind (a number for %s, a text for %d) or a missing one is written
    // as "(?)"; an unknown conversion is copied as it stands; %n writes nothing.
    template <class... Args>
    void Format(const char* lpszFormat, const Args&... args)
    {
        const CFormatArg list[] = {MakeFormatArg(args)..., CFormatArg()};
        FormatArgs(lpszFormat, list, int(sizeof...(Args)));
    }

    // The formatter behind Format, for callers that collect arguments themselves: nArgs entries of
    // pArgs are used. lpszFormat null gives an empty string.
    void FormatArgs(const char* lpszFormat, const CFormatArg* pArgs, int nArgs);

    // Captures one Format argument (exposed for FormatArgs callers).
    template <class T>
    static CFormatArg MakeFormatArg(const T& value);

    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }

private:
    std::string m_str;
};

template <class T>
CFormatArg CString::MakeFormatArg(const T& value)
{
    using D = std::decay_t<T>;
    CFormatArg arg;
    if constexpr (std::is_same_v<D, CString>) {
        arg.kind = CFormatArg::kString;
        arg.s = value.GetString();
    } else if constexpr (std::is_same_v<D, char*> || std::is_same_v<D, const char*>) {
        arg.kind = CFormatArg::kString;
        arg.s = value;
    } else if constexpr (std::is_same_v<D, unsigned char*> || std::is_same_v<D, const unsigned char*> ||
                         std::is_same_v<D, signed char*> || std::is_same_v<D, const signed char*>) {
        arg.kind = CFormatArg::kString;
        arg.s = reinterpret_cast<const char*>(value);
    } else if constexpr (std::is_same_v<D, std::nullptr_t>) {
        arg.kind = CFormatArg::kPointer;
        arg.p = nullptr;
    } else if constexpr (std::is_pointer_v<D>) {
        arg.kind = CFormatArg::kPointer;
        arg.p = reinterpret_cast<const void*>(value);
    } else if constexpr (std::is_enum_v<D>) {
        return MakeFormatArg(static_cast<std::underlying_type_t<D>>(value));
    } else if constexpr (std::is_integral_v<D> && std::is_signed_v<D>) {
        arg.kind = CFormatArg::kInt;
        arg.i = int64_t(value);
    } else if constexpr (std::is_integral_v<D>) {
        arg.kind = CFormatArg::kUInt;
        arg.u = uint64_t(value);
    } else if constexpr (std::is_floating_point_v<D>) {
        arg.kind = CFormatArg::kDouble;
        arg.d = double(value);
    } else {
        static_assert(CFormatUnsupported<T>::value, "CString::Format: argument type not supported");
    }
    return arg;
}

// Concatenation.
CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const char* b);
CString operator+(const char* a, const CString& b);
CString operator+(const CString& a, char b);
CString operator+(char a, const CString& b);

// Byte-exact comparisons (a null const char* compares as "").
bool operator==(const CString& a, const char* b);
bool operator==(const char* a, const CString& b);
inline bool operator!=(const CString& a, const CString& b) { return !(a == b); }
inline bool operator!=(const CString& a, const char* b) { return !(a == b); }
inline bool operator!=(const char* a, const CString& b) { return !(a == b); }
inline bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
inline bool operator<(const CString& a, const char* b) { return a.Compare(b) < 0; }
inline bool operator<(const char* a, const CString& b) { return b.Compare(a) > 0; }
inline bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
inline bool operator>(const CString& a, const char* b) { return a.Compare(b) > 0; }
inline bool operator>(const char* a, const CString& b) { return b.Compare(a) < 0; }
inline bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
inline bool operator<=(const CString& a, const char* b) { return a.Compare(b) <= 0; }
inline bool operator<=(const char* a, const CString& b) { return b.Compare(a) >= 0; }
inline bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
inline bool operator>=(const CString& a, const char* b) { return a.Compare(b) >= 0; }
inline bool operator>=(const char* a, const CString& b) { return b.Compare(a) <= 0; }
