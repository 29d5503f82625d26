// The texts of the chart wizard: its layouts and its code lists. Each is a text of one entry a line,
// read from a custom resource of the program or, failing that, from a file of the same name. Lines may
// end with LF or CR LF; leading blanks are skipped; empty lines and lines beginning with '/' are
// ignored.
//
// A code-list line is a hexadecimal code (at most 8 digits) and a display name (the rest of the line,
// trimmed); a graph-type line has a key word (the name of the code list of its second codes) between
// the two. A line whose code does not parse is skipped.
//
// A layout line is a row of placement records, each a component name (at most kMaxNameLength
// characters, no blanks) and eight integers: the measurement kind, the border, shadow and fill kinds,
// then left, top, right and bottom. A record that does not parse ends its layout (the records before
// it stay); a layout without a record is dropped.
#pragma once

#include "win/Win.h"

#include <windows.h>

#include <vector>

// One code of a list. The code comes first, so that SRGComboBox::SelectByKey finds an entry whose data
// points to it.
struct WizCode {
    int nCode;
    CString key;   // graph types only: the code list of the second codes
    CString name;
};

// One placement of a layout.
struct WizPlacement {
    CString name;
    int nMeasurement;
    int nBorder;
    int nShadow;
    int nFill;
    int nLeft;
    int nTop;
    int nRight;
    int nBottom;
};
using WizLayout = std::vector<WizPlacement>;

namespace WizardTexts {

constexpr int kMaxNameLength = 63;

// The codes of a text (bWithKey: graph-type lines with a key word).
std::vector<WizCode> ParseCodes(const char* lpszText, bool bWithKey);
// The layouts of a text, one a line.
std::vector<WizLayout> ParseLayouts(const char* lpszText);
// The text of the custom resource lpszName of type lpszType, else of the file lpszName (a host path)
// read whole into rText. FALSE when there is neither (rText empty); with bThrow a file that cannot be
// read raises CFileException instead.
BOOL Load(LPCSTR lpszName, LPCSTR lpszType, CString& rText, BOOL bThrow);
// The line of the layout file for the placements (see SRGWizView::SaveLayout): each record as its name
// followed by " %d %d %d %d %d %d %d %d ".
CString FormatLayout(const WizLayout& layout);

} // namespace WizardTexts
