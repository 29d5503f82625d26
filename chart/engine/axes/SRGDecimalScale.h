// SRGDecimalScale: the labels of a value axis, laid out along a straight axis line from a start point to
// an end point (device pixels), one label per tick value between the minimum and the maximum. The
// scales are label blocks (DEDizedLabelBlock): the display that owns a scale sets its axis line and
// limits, lets it build its labels while drawing (BuildLabels) and records where each tick stands
// (anchor recording into a list the display hands over).
//
// Step: automatic unless set above 0: the smallest of 1, 2, 5 and 10 times a power of ten that keeps the
// labels 1.2 text heights apart along the axis (the text height of the maximum's label); a set step is
// raised x 10 until it is at least a fifth of that distance, and lowered / 10 while it is larger than
// the range. A percent format (one holding "%%") grows and shrinks a set step by itself instead, and
// an automatic one like the decimal rule. Values within a ten-thousandth of a step of 0 print as 0.
//
// Format: printf-style for one double, " %g " by default (" %.0f%% " when the chart's display is a
// percent stacked type, 0x2f to 0x32). Exponents lose their "+" and leading zeros (1e+005 and 1e+05
// become 1e5, 2.5e-007 becomes 2.5e-7); with bit 18 of the scale style's flag word the digits before the
// decimal point are grouped by commas.
//
// Orientation (OrientLabels): label side 0 puts the labels below or left of the axis line (the outside
// of axes on the left and bottom edges), side 1 above or right. Each label is turned by the axis angle
// plus 90 degrees (0 for an axis running up the screen) and stands beside its tick on the label side
// (anchor position 4, left of its anchor, for side 0; 0, right of it, for side 1). With bit 31 of the
// scale style's flag word the labels keep the style's text angle and take the scale's alignment as
// their anchor position (2 puts them under their ticks). Labels stand the label gap (pixels, set by the
// display) away from the axis line; the recorded anchors are the ticks themselves, on the axis line.
//
// SRGLogScale: positive limits, labels at log10 positions: every whole step of each decade from the
// minimum's decade on (1, 2, ... 9, 10, 20 ...), thinned to the 1, 2 and 5 of each decade and then to the
// decades alone (every second, third ... decade when even these do not fit) so that at most axis length
// / 1.25 text heights labels stand on the axis; "%g" by default.
//
// Stored form: the label block's, then ascending, start x and y, end x and y (ints), minimum, maximum,
// step (doubles), label side (int), format (string).
#pragma once

#include "chart/engine/components/DEDizedLabelBlock.h"

#include <vector>

class SRGDisplayBase;

class SRGDecimalScale : public DEDizedLabelBlock {
    DECLARE_SERIAL(SRGDecimalScale)
public:
    // Ascending, no axis line, limits and step 0, the default format, side 0, type id
    // chartTypeDecimalScale.
    SRGDecimalScale();

    void Serialize(CArchive& ar) override;
    // Lays the labels out for the present axis line and limits (only while drawing; see the top of this
    // file). Nothing (all labels deleted) for limits less than 2.22e-14 apart; nothing for an axis line
    // shorter than a pixel.
    void BuildLabels() override;

    // The offset of the labels from their ticks computed by the last layout.
    virtual CPoint GetLabelOffset() const;
    // The label gap along the perpendicular of the axis line on the label side.
    virtual CPoint ComputeLabelOffset();
    virtual void SetStart(int x, int y);
    virtual void SetEnd(int x, int y);
    virtual void SetStep(double dStep);
    virtual void SetMaximum(double dMaximum);
    virtual void SetMinimum(double dMinimum);
    virtual void SetFormat(const char* lpszFormat);
    virtual void SetLabelSide(int nSide);
    virtual void SetAscending();
    virtual void SetDescending();
    virtual CPoint GetStart() const;
    virtual CPoint GetEnd() const;
    virtual double GetStep() const;
    virtual double GetMaximum() const;
    virtual double GetMinimum() const;
    virtual CString GetFormat() const;
    virtual int GetLabelSide() const;
    // Turns and places the labels by the axis angle (see the top of this file).
    virtual void OrientLabels();
    // Drops the "+" and leading zeros of an exponent; else, with bit 18 of the style's flag word,
    // groups the digits before the decimal point by commas.
    virtual void FormatLabelText(CString& rText);

    // The anchor position the labels take under flagOwnOrientation (the title's alignment field).
    void SetLabelAlignment(int nAlignment) { m_nAlignment = nAlignment; }
    // The distance of the labels from the axis line in pixels (0 by default).
    void SetLabelGap(int nPixels) { m_nLabelGap = nPixels; }
    int GetLabelGap() const { return m_nLabelGap; }
    int IsAscending() const { return m_bAscending; }
    int IsLogarithmic() const { return m_bLogarithmic; }
    // The step of the last layout.
    double GetLastStep() const { return m_dLastStep; }

    // Style flag word: group digits by commas; keep the style's angle and the scale's alignment.
    enum : int { flagThousands = 0x40000, flagOwnOrientation = int(0x80000000u) };

protected:
    // The chart's display, whose graph type and strides the scales follow (null when it has none).
    SRGDisplayBase* GetChartDisplay() const;
    // The length of the axis line in pixels (truncated).
    int GetAxisLength() const;
    // The format in force: the set one, else the default of the chart's display.
    CString GetEffectiveFormat(const char* lpszDefault) const;
    // The height of lpszText in the scale's font (selected into the DC).
    int TextHeight(const CString& text);
    // True when the labels keep the style's text angle (flagOwnOrientation and an angle above -499).
    bool KeepsOwnAngle() const;
    // The text angle in degrees that OrientLabels gives the labels for the present axis line.
    double GetLabelAngle() const;
    // The distance along the axis line from one label to the next that keeps a label whose text block
    // measures text (lines nLineHeight high) readable beside its neighbours, turned as OrientLabels
    // turns it: 1.2 times the text's extent along the line, and at least a pixel more than its outline
    // (the text widened by a sixth of a line on every side), which the label block keeps apart.
    double LabelSpacing(const CSize& text, int nLineHeight) const;
    // Places the labels of values (in order) at their axis positions (0 at the start, 1 at the end of
    // the axis line), with their texts; deletes the labels past them, orients them and records the
    // ticks.
    void PlaceLabels(const std::vector<double>& positions, const std::vector<CString>& texts);
    // The text of value dValue in the format (0 for a value within dZero of 0), through FormatLabelText.
    CString FormatValue(const CString& format, double dValue, double dZero);

    int m_bAscending;
    CPoint m_ptStart;
    CPoint m_ptEnd;
    double m_dMinimum;
    double m_dMaximum;
    double m_dStep;
    CString m_strFormat;
    int m_nLabelSide;
    int m_bLogarithmic;
    int m_nLabelGap;
    CPoint m_ptOffset;
    double m_dLastStep;
};

class SRGLogScale : public SRGDecimalScale {
    DECLARE_SERIAL(SRGLogScale)
public:
    // A decimal scale with its logarithmic flag set.
    SRGLogScale();

    void BuildLabels() override;
};
