// The process-wide number-formatting module: the text a cell shows for a numeric value by the style's
// Format and Places, and the reading of a formatted number (FormatValueText of the drawing services
// uses it; without it values show unchanged).
//
// Does not do yet: the module (CGXNumberFormattingImp) comes with its own work; its creator
// (GXCreateNumberFormattingImp) plugs into the table of GXOperations.cpp when it lands.
#pragma once

#include <windows.h>

#include "core/Core.h"

class CGXStyle;

class CGXAbstractNumberFormattingImp : public CObject {
public:
    // The text shown for pszValue (null: the style's Value and value kind) of kind nValueType.
    virtual CString FormatValue(const CGXStyle& style, const char* pszValue, UINT nValueType) = 0;
    // Reads pszText as a number into dValue; pnFormat and pnPlaces (written only when both are given)
    // receive the format and places it shows. TRUE when the text is a number.
    virtual BOOL ParseNumber(const char* pszText, double& dValue, UINT* pnFormat, UINT* pnPlaces) = 0;
};

CGXAbstractNumberFormattingImp* GXCreateNumberFormattingImp();
