// CScale: a range of values {maximum, minimum, reset flag}. A reset range holds nothing yet: the
// first value it includes becomes both bounds. Items keep the range of the values stored in them,
// series one per value, and chart components use a range only to carry their archive version (as its
// minimum).
//
// Stored form: maximum (double), minimum (double), reset flag (int). Schema 1, versionable.
#pragma once

#include "core/Core.h"

class CScale : public CObject {
    DECLARE_SERIAL(CScale)
public:
    // An empty range: reset flag set, both bounds 0.
    CScale();
    CScale(const CScale& other);
    CScale& operator=(const CScale& other);

    void Serialize(CArchive& ar) override;
    // Non-zero while the range holds no value.
    virtual int IsReset() const;
    // log10(maximum / minimum) when both bounds are above 0, else 1.
    virtual double GetDecades() const;

    // Widens the range to take dValue (a reset range becomes dValue..dValue and loses the flag).
    void Include(double dValue);
    // Maximum - minimum.
    double GetRange() const;

    double m_dMaximum;
    double m_dMinimum;
    int m_nReset;
};
