// The formula scanner: cuts a formula text into tokens for the parser, one token per call.
//
// Its state (GX_PARSE_STATE, made on first use) holds the input and the read position. Tokens are
// found by longest match over these patterns, a tie going to the one listed first:
// - cell word: an optional '$', 1 to 3 letters, an optional '$', 1 to 7 digits; a cell name when the
//   letters name a column up to 4095 ("FAN"), else a name;
// - name word: a letter, '_' or '$', then letters, digits, '_', '.' and '$'. A word that reads as a
//   reference ("A1.B2", "A1..B2") gives only its part before the first '.' as a cell name and the rest
//   is scanned again; any other word is a name;
// - function word: '@' and letters, digits and '_': a function name, its text after the '@';
// - string: '"', characters other than '"' and '\' or a '\' and any character, '"' (line breaks may
//   stand inside): the text between the quotes, escapes still in it;
// - hex number: "0x" or "0X" and hex digits: the text is the digits;
// - number: digits, or digits '.' digits, or '.' digits, each with an optional exponent of a
//   lower-case 'e', a sign and digits: the text as written;
// - comment: "//" up to the end of the line: the text after "//";
// - operators and punctuation, "<>" and "??" (the error literal), and "#AND#", "#OR#", "#NOT#" in any
//   case.
// Blanks and tabs are skipped; a line break is skipped and echoed to standard output; any other
// character that starts no token (a carriage return, an apostrophe, a grave accent, an unterminated
// '"', a byte outside ASCII) is an error token with code 223. Letters are ASCII letters. A token's
// position is the number of characters before it.
//
// A token longer than the 16384-byte scan buffer gives an error token with code 280, and a token text
// that cannot be allocated one with code 5; the parser then refuses the formula and nothing else
// happens.
#pragma once

#include "core/CObject.h"
#include "core/CString.h"

#include <cstdint>

// Token types; the parser's error for a missing token is 231 plus its type.
enum ScanTokenType : int32_t {
    kTokSemicolon = 0,   // ;
    kTokColon = 1,       // :
    kTokComma = 2,       // ,
    kTokQuestion = 3,    // ?
    kTokHash = 4,        // #
    kTokBackslash = 5,   // a backslash
    kTokPlus = 6,        // +
    kTokMinus = 7,       // -
    kTokStar = 8,        // *
    kTokSlash = 9,       // /
    kTokPercent = 10,    // %
    kTokBar = 11,        // |
    kTokCaret = 12,      // ^
    kTokAmpersand = 13,  // &
    kTokNot = 14,        // ! and #NOT#
    kTokTilde = 15,      // ~
    kTokLess = 16,       // <
    kTokGreater = 17,    // >
    kTokLParen = 18,     // (
    kTokRParen = 19,     // )
    kTokLBrace = 20,     // {
    kTokRBrace = 21,     // }
    kTokEqual = 22,      // =
    kTokPower = 23,      // **
    kTokAnd = 24,        // && and #AND#
    kTokOr = 25,         // || and #OR#
    kTokShiftLeft = 26,  // <<
    kTokShiftRight = 27, // >>
    kTokLessEqual = 28,  // <=
    kTokGreaterEqual = 29,  // >=
    kTokNotEqual = 30,   // != and <>
    kTokEqualEqual = 31, // ==
    kTokRange = 32,      // ..
    kTokCellName = 33,
    kTokName = 34,
    kTokFunction = 35,
    kTokString = 36,
    kTokNumber = 37,
    kTokHexNumber = 38,
    kTokComment = 39,
    kTokEnd = 40,
    kTokError = 41,
    kTokDot = 42,        // .
    kTokErrorLiteral = 43  // ??
};

struct ScanToken {
    int32_t nType;      // a ScanTokenType
    CString strText;    // names, cell names, function names, strings, numbers, hex numbers, comments
    int32_t nValue;     // the error code of an error token
    int32_t nPosition;  // characters before the token
};

// The scanner's process-wide state.
class GX_PARSE_STATE : public CObject {
    DECLARE_DYNAMIC(GX_PARSE_STATE)
public:
    enum { kBufferSize = 16384 };

    CString m_strInput;
    int32_t m_nLength = 0;
    int32_t m_nReadPos = 0;  // the position of the next character to scan; tokens are counted from 0 too
};

// Returns the scanner state, making it on first use.
GX_PARSE_STATE& ScanState();

// Drops the scanner state (EngineResetProcessState calls it).
void ScanResetState();

// Makes pszText (null: "") the scanner's input and starts at its first character.
void ScanSetInput(const char* pszText);

// Returns the next token of the input; after the last character, the end token (type 40) with the
// input's length as its position, again on every further call.
ScanToken ScanNextToken();
