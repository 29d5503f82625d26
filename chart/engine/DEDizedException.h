// DEDizedException: the one exception of the chart engine, thrown as a pointer (ThrowChartException)
// and carrying an integer code; the catcher deletes it (Delete), as with every exception of the
// class library.
//
// Codes and where they come from (each has a message, a string resource of ChartResource.h):
//    0 text import into a chart of growing series     12 template: display part incomplete
//    1 range of a group without a growing series      13 template: no or unknown keyword
//    2 group missing, negative or excluded            15 typed append to a series of another type
//    3 item missing; series position past its size    17 label placement gave up
//    5 value does not fit the series' storage type    18 precondition of a drawing operation
//    6 series without storage; group without series  19 polygon unreadable
//    7 display range scanning and drawing             21, 22 drawing and scale labels
//    8-11 template: common, fill, text, legend part   23 a count that must be even is odd
// Codes 4, 14, 16 and 20 are not raised; codes outside 0..23 use a general message.
//
// Catchers: data reads absorb codes 2 and 3 (the missing group or item reads as the placeholder
// item); other codes are reported with Report or raised on.
#pragma once

#include "core/Core.h"

#include <windows.h>

class DEDizedException : public CException {
    DECLARE_DYNAMIC(DEDizedException)
public:
    // A heap exception (deleted by Delete) with the code nCode.
    explicit DEDizedException(int nCode);

    // Copies the code's message (its string resource, cut to nMaxError - 1 bytes and terminated)
    // into lpszError; *pnHelpContext, when given, receives the message id. Code 0, or a message
    // whose string is missing, gives an empty text, help id 0 and false.
    bool GetErrorMessage(char* lpszError, uint32_t nMaxError, uint32_t* pnHelpContext = nullptr) const override;
    // The message id of codes outside the table (above 23, or negative).
    virtual UINT GetDefaultMessageId() const;
    // The message id of the exception's code (see the top of this file).
    virtual UINT GetMessageId() const;

    // Shows the message (at most 255 bytes) in a message box with the exclamation icon, through the
    // services object. Returns the button that closed it.
    int Report();

    int m_nCode;
};

// Throws a new DEDizedException with the code nCode.
[[noreturn]] void ThrowChartException(int nCode);

// Runs f, a read of chart data, absorbing the codes of missing data (2, a group; 3, an item): the
// exception is deleted and false returned. True when f ran through; other exceptions pass.
template <class F>
bool AbsorbMissingData(F f)
{
    try {
        f();
    } catch (DEDizedException* e) {
        if (e->m_nCode != 2 && e->m_nCode != 3)
            throw;
        e->Delete();
        return false;
    }
    return true;
}
