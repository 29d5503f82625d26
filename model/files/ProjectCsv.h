// The project as delimited text (".csv"): CZQInterfaceData::WriteCsv, ReadCsv and their byte forms
// (defined in ProjectCsv.cpp), and the number form they share.
//
// The file, each line closed by a line feed (readers also take CR LF):
//   kind line   the list separator and 'g' (gain) or 'c' (any other kind) per criterion: ";g;c"
//   name line   the separator and the name per criterion: ";price;quality"
//   one line per alternative: its name, then the separator and the number per criterion, written
//   with the decimal symbol of the settings: "car1;12,5;3"
// Descriptions, segments, ordinal scales (an ordinal criterion is written as a cost criterion whose
// numbers are the scale positions), information texts and reference ranks are not part of it.
//
// The writer refuses (returns 0, nothing written) what could not be read back: a project without a
// criterion (its file would have no kind to read), an empty name, names or numbers that hold the list
// separator, a line feed or a carriage return, and a decimal symbol that IsCsvDecimalSymbol refuses.
// Each alternative's line holds one number per criterion, taken from the evaluations column of that
// criterion: an evaluation missing from a short row is written as 0, as an empty one is. A project
// of criteria without alternatives is written as its two lines, and read back so. Two alternatives or
// two criteria of one name are written as they are: the reader takes them.
#pragma once

#include "core/CString.h"

// The number form of the writer: value with 7 significant digits as "%.7g" does in the C numeric
// locale ("3", "0.05", "3.141593"), with every '.' replaced by decimalSymbol.
CString FormatCsvNumber(double value, char decimalSymbol);

// The number form of the reader: every decimalSymbol in text replaced by '.', then the leading number
// as atof takes it in the C numeric locale (0 when there is none; "3." and "5.e-002" are numbers).
double ParseCsvNumber(const CString& text, char decimalSymbol);

// True when decimalSymbol can stand for the decimal point in a file whose cells listSeparator
// separates: not a character that a written number holds anyway (a digit, a sign, the exponent's 'e'
// or 'E', a letter of "inf" or "nan"), which the reader would turn into a point, nor the separator, a
// quote, a line end or a 0 byte, which would split or end the cell. The settings keep their symbol
// and the writer refuses the save for any other.
bool IsCsvDecimalSymbol(char decimalSymbol, char listSeparator);
