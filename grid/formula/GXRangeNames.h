// Named ranges of a sheet: a list of RangeName records in definition order, each a name of at most 31
// characters and a CellRangeRef. Names are compared without regard to ASCII case.
//
// A valid name starts with a letter, '_' or '$' and goes on with letters, digits, '$', '.' and '_';
// a longer name is cut to its first 31 characters before it is checked, defined or looked up.
#pragma once

#include "grid/formula/GXEngineSheet.h"

// The characters a name starts with and goes on with (the scanner's name words use them too).
inline bool EngineIsNameStart(char c)
{
    return EngineIsLetter(c) || c == '_' || c == '$';
}
inline bool EngineIsNameChar(char c)
{
    return EngineIsLetter(c) || EngineIsDigit(c) || c == '$' || c == '.' || c == '_';
}

// The longest name kept.
constexpr int32_t kEngineMaxName = 31;

// Defines the name pszName on sheet h with the reference ref: a name already defined (in any case)
// gets the new reference, a new name is appended to the list. Sets the sheet's dirty flag. Returns
// false, defining nothing, when the name (cut to 31 characters) is not valid or ref is not a valid
// reference.
bool EngineDefineName(SheetHandle h, const char* pszName, const CellRangeRef& ref);

// Returns the record of the name pszName on sheet h (compared without case), or null.
RangeName* EngineFindName(SheetHandle h, const char* pszName);

// Deletes the name pszName from sheet h. Every formula item of the sheet's cells and saved cells that
// refers to it becomes a plain cell or range reference holding the name's reference; its cell is
// first saved to the recorded cell list when the sheet records undo, and is added to the
// recalculation list. The record then becomes the sheet's saved name when recording undo (a saved
// name before it is freed), else it is freed. Sets the dirty flag. Returns false when the name is not
// defined.
bool EngineDeleteName(SheetHandle h, const char* pszName);

// Frees a list of RangeName records chained through pNext, from pFirst to its end.
void EngineFreeNameList(RangeName* pFirst);
