// CGXMaskData: the pattern engine of the masked edit cell. A pattern such as "(###) ###-####" is a row
// of positions: literal characters are shown and skipped, each editable position takes only its class
// of character, and an unfilled position shows the prompt character. The engine keeps the display (the
// text of every position), converts between the display string and the raw data (what was typed,
// without the literals), checks, inserts and deletes with shifting, and converts positions to byte
// indexes of the window text. It has no window.
//
// Mask characters (every other pattern character is a literal):
//   #  a digit            &  any character          ?  a letter
//   A  a letter or digit  L  a letter, lower-cased  U  a letter, upper-cased
//   \  the next pattern character is a literal even when it is a mask character; it makes no position
// A space and the prompt itself are taken at every editable position; a space is stored as the prompt.
//
// An empty pattern is free-text mode: the display is a plain list of characters that takes any
// character, up to the maximum length (2147483647 unless set).
//
// Positions count pattern elements; the window text counts bytes. Under a double-byte code page
// (SetCharSet with bDoubleByte) a lead byte and its trail byte make one character, a double-byte
// character in the pattern is a literal, and positions and byte indexes are converted by summing the
// byte lengths of the display; otherwise they are equal. Letters, digits and case come from the
// character set's classifier (plain ASCII unless the Win32 side sets the system's).
//
// Portable code: plain C++ over the class library's core.
#pragma once

#include "core/CObject.h"
#include "core/CString.h"

#include <cstdint>
#include <vector>

// What the engine asks of the code page. Null members take the ASCII rule.
struct GXMaskCharSet {
    enum : unsigned { gxAlpha = 1, gxDigit = 2 };
    // The code page is double-byte.
    bool bDoubleByte = false;
    // ch is the lead byte of a double-byte character.
    bool (*pfnIsLeadByte)(unsigned char ch) = nullptr;
    // gxAlpha and gxDigit bits of the character of nBytes bytes at pch.
    unsigned (*pfnCharType)(const char* pch, int nBytes) = nullptr;
    // The character of nBytes bytes at pch in upper (bUpper) or lower case, in place.
    void (*pfnChangeCase)(char* pch, int nBytes, bool bUpper) = nullptr;
};

class CGXMaskData : public CObject {
    DECLARE_DYNCREATE(CGXMaskData)
public:
    enum : int32_t { gxUnlimited = 2147483647 };

    CGXMaskData();
    ~CGXMaskData() override;

    // Empties the pattern (the display stays).
    virtual void Clear();
    // Builds the positions of pszMask (see the top of this file); null or "" empties them and sets
    // the maximum length to gxUnlimited. The display is not touched: callers reset it.
    virtual void SetMask(const char* pszMask);
    // Into strResult the editable positions nFirst to nLast (-1: the end) with a prompt as a space;
    // bTrim drops trailing white space. Free-text mode: the display string.
    virtual void GetData(CString& strResult, int nFirst = 0, int nLast = -1, bool bTrim = true) const;
    // Places the raw characters of pszData into editable positions from nStart on (-1: reset the
    // display and start at 0), skipping literals, overwriting or inserting (bInsert). Stops at the
    // first character refused. Returns the position after the last character placed; -1 for an empty
    // pattern, a start outside it or no editable position at or after it. Free-text mode:
    // SetDisplayString.
    virtual int SetData(const char* pszData, int nStart = -1, bool bInsert = false);
    // Into strResult the display of positions nFirst to nLast (-1: the end).
    virtual void GetDisplayString(CString& strResult, int nFirst = 0, int nLast = -1) const;
    // Parses pszText, which holds the literals, into the display from nStart on (-1: reset first).
    // Returns the next position; -1 when a character did not fit its position. Characters past the
    // end of the pattern are ignored.
    virtual int SetDisplayString(const char* pszText, int nStart = -1, bool bInsert = false);
    // Whether the one character strChar fits position nPos; a space becomes the prompt, L and U
    // change its case. FALSE for a literal position and a position outside the pattern.
    virtual bool IsValidChar(int nPos, CString& strChar) const;
    // The next editable position after nPos, -1 when none; nPos at or past the end comes back as is.
    virtual int NextEditPos(int nPos) const;
    // The nearest editable position before nPos, -1 when none.
    virtual int PrevEditPos(int nPos) const;
    // The position just after the last filled editable position at or before nPos; the first
    // editable position when none is filled.
    virtual int GetInputEnd(int nPos) const;
    // Inserts strChar at nPos, moving the filled characters from there one editable position right.
    // FALSE, nothing changed, when the last editable position is filled or nPos is outside; else
    // nNext is the next editable position (nPos + 1 when none).
    virtual bool InsertAt(int nPos, const CString& strChar, int& nNext);
    // Removes the characters of the editable positions from nStart up to (not with) nEnd, moving the
    // characters after them left and filling the freed positions at the end with the prompt.
    virtual void DeleteRange(int nEnd, int nStart);
    // Every literal position holds its literal and every editable one a character it takes.
    // Free-text mode: the display is not longer than the maximum length.
    virtual bool IsValidInput() const;
    // No pattern positions.
    virtual bool IsEmptyMask() const;
    // The number of display positions.
    virtual int GetDisplayLength() const;
    // The byte index of position nPos in the display string (nPos itself without double bytes, -1
    // as is).
    virtual int PosToCharIndex(int nPos) const;
    // The position of byte index nIndex of the display string (the reverse).
    virtual int CharIndexToPos(int nIndex) const;
    // The display sized to the pattern: literals at their positions, prompts elsewhere. Free-text
    // mode: empty.
    virtual void InitDisplay();
    virtual int GetMaxLength() const;
    // The free-text limit (below 1: gxUnlimited).
    virtual void SetMaxLength(int nLength);
    // ch is one of # & ? A L U.
    virtual bool IsMaskChar(char ch) const;
    // Position nPos is a literal (FALSE in free-text mode and outside the pattern).
    virtual bool IsLiteral(int nPos) const;

    // The prompt: one byte or one double-byte character; "" or null means "_". FALSE, the prompt
    // kept, for anything else. bUpdate: editable positions that show the old prompt show the new one.
    bool SetPromptChar(const char* pszPrompt, bool bUpdate = true);
    const CString& GetPromptChar() const { return m_strPrompt; }
    // Free-text mode is on (an empty pattern).
    bool IsFreeText() const { return m_bFreeTextWhenEmpty && m_astrMask.empty(); }

    // The code page the engine works under (process-wide; the Win32 side sets the system's once at
    // start-up).
    static void SetCharSet(const GXMaskCharSet& charSet);
    static const GXMaskCharSet& GetCharSet();

protected:
    // The characters of pszText, a double-byte pair as one.
    static std::vector<CString> SplitChars(const char* pszText);
    // The last editable position, -1 when none.
    int LastEditPos() const;

    std::vector<CString> m_astrMask;
    std::vector<unsigned char> m_abLiteral;
    std::vector<CString> m_astrDisplay;
    CString m_strPrompt;
    bool m_bFreeTextWhenEmpty = true;
    int32_t m_nMaxLength = gxUnlimited;
};
