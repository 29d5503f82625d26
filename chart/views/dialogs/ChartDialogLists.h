// The entries of the chart dialogs' combo boxes: each list is one string resource whose entries are
// separated by '\n', in the order of the codes they stand for (entry n for code n).
#pragma once

#include "win/Win.h"

#include <windows.h>

// Appends the entries of list nIDS to combo box nIDC of rDialog. Nothing when the dialog has no such
// control.
void FillComboFromList(CWnd& rDialog, int nIDC, UINT nIDS);
