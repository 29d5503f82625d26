// SRGDecimalScale and SRGLogScale: the labels of value axes.
// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <functional>
#include <string>

#include "chart/engine/axes/SRGDecimalScale.h"

#include "chart/engine/DEDized.h"
#include "win/CDC.h"
#include "chart/engine/display/SRGDisplayBase.h"

IMPLEMENT_SERIAL(SRGDecimalScale, DEDizedLabelBlock, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_SERIAL(SRGLogScale, SRGDecimalScale, VERSIONABLE_SCHEMA | 1)

namespace {

const double kTinyLimits = 2.220446e-14;
const double kDoubleEpsilon = 2.220446049250313e-16;
const double kPi = 3.14159265358979323846;

int Round(double dValue)
{
    return int(std::floor(dValue + 0.5));
}

// True when lpszFormat converts exactly one double (flags, width and precision allowed) and holds no
// other conversion than "%%": a format from a template or a dialog never reads what is not there.
bool IsDoubleFormat(const char* lpszFormat)
{
    int nConversions = 0;
    for (const char* p = lpszFormat; *p != '\0'; ++p) {
        if (*p != '%')
            continue;
        ++p;
        if (*p == '%')
            continue;
        while (*p != '\0' && std::strchr("-+ #0", *p) != nullptr)
            ++p;
        while (std::isdigit(static_cast<unsigned char>(*p)))
            ++p;
        if (*p == '.') {
            ++p;
            while (std::isdigit(static_cast<unsigned char>(*p)))
                ++p;
        }
        if (*p == '\0' || std::strchr("eEfFgGaA", *p) == nullptr)
            return false;
        ++nConversions;
    }
    return nConversions == 1;
}

bool IsPercentStacked(int nGraphType)
{
    return nGraphType >= GT_STACKED_VBAR_100 && nGraphType <= GT_GROUP_STACKED_HBAR_100;
}

} // namespace

// ---- SRGDecimalScale ---------------------------------------------------------------------------------------------

SRGDecimalScale::SRGDecimalScale()
    : m_bAscending(1),
      m_ptStart(0, 0),
      m_ptEnd(0, 0),
      m_dMinimum(0.0),
      m_dMaximum(0.0),
      m_dStep(0.0),
      m_nLabelSide(0),
      m_bLogarithmic(0),
      m_nLabelGap(0),
      m_ptOffset(0, 0),
      m_dLastStep(0.0)
{
    m_nTypeId = chartTypeDecimalScale;
    // tick labels stand on whatever lies under them, without boxes of their own
    m_style.m_nStyle &= ~styleFillMask;
}

void SRGDecimalScale::Serialize(CArchive& ar)
{
    DEDizedLabelBlock::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_bAscending << int(m_ptStart.x) << int(m_ptStart.y) << int(m_ptEnd.x) << int(m_ptEnd.y);
        ar << m_dMinimum << m_dMaximum << m_dStep << m_nLabelSide << m_strFormat;
        return;
    }
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    ar >> m_bAscending >> x1 >> y1 >> x2 >> y2;
    ar >> m_dMinimum >> m_dMaximum >> m_dStep >> m_nLabelSide >> m_strFormat;
    m_ptStart.SetPoint(x1, y1);
    m_ptEnd.SetPoint(x2, y2);
}

CPoint SRGDecimalScale::GetLabelOffset() const
{
    return m_ptOffset;
}

CPoint SRGDecimalScale::ComputeLabelOffset()
{
    const double dx = m_ptEnd.x - m_ptStart.x;
    const double dy = m_ptEnd.y - m_ptStart.y;
    const double dLength = std::hypot(dx, dy);
    if (dLength <= 0.0)
        return CPoint(0, 0);
    // a perpendicular of the axis; side 0 is the one below or left of it
    double nx = -dy / dLength;
    double ny = dx / dLength;
    const bool bBelowOrLeft = ny - nx > 0.0;
    if (bBelowOrLeft != (m_nLabelSide == 0)) {
        nx = -nx;
        ny = -ny;
    }
    return CPoint(Round(nx * m_nLabelGap), Round(ny * m_nLabelGap));
}

void SRGDecimalScale::SetStart(int x, int y)
{
    m_ptStart.SetPoint(x, y);
}

void SRGDecimalScale::SetEnd(int x, int y)
{
    m_ptEnd.SetPoint(x, y);
}

void SRGDecimalScale::SetStep(double dStep)
{
    m_dStep = dStep;
}

void SRGDecimalScale::SetMaximum(double dMaximum)
{
    m_dMaximum = dMaximum;
}

void SRGDecimalScale::SetMinimum(double dMinimum)
{
    m_dMinimum = dMinimum;
}

void SRGDecimalScale::SetFormat(const char* lpszFormat)
{
    m_strFormat = lpszFormat != nullptr ? lpszFormat : "";
}

void SRGDecimalScale::SetLabelSide(int nSide)
{
    m_nLabelSide = nSide;
}

void SRGDecimalScale::SetAscending()
{
    m_bAscending = 1;
}

void SRGDecimalScale::SetDescending()
{
    m_bAscending = 0;
}

CPoint SRGDecimalScale::GetStart() const
{
    return m_ptStart;
}

CPoint SRGDecimalScale::GetEnd() const
{
    return m_ptEnd;
}

double SRGDecimalScale::GetStep() const
{
    return m_dStep;
}

double SRGDecimalScale::GetMaximum() const
{
    return m_dMaximum;
}

double SRGDecimalScale::GetMinimum() const
{
    return m_dMinimum;
}

CString SRGDecimalScale::GetFormat() const
{
    return m_strFormat;
}

int SRGDecimalScale::GetLabelSide() const
{
    return m_nLabelSide;
}

SRGDisplayBase* SRGDecimalScale::GetChartDisplay() const
{
    return m_pChart != nullptr ? dynamic_cast<SRGDisplayBase*>(m_pChart->GetComponent(0, chartTypeDisplay)) : nullptr;
}

int SRGDecimalScale::GetAxisLength() const
{
    return int(std::hypot(double(m_ptEnd.x - m_ptStart.x), double(m_ptEnd.y - m_ptStart.y)));
}

CString SRGDecimalScale::GetEffectiveFormat(const char* lpszDefault) const
{
    return !m_strFormat.IsEmpty() && IsDoubleFormat(m_strFormat) ? m_strFormat : CString(lpszDefault);
}

int SRGDecimalScale::TextHeight(const CString& text)
{
    return text.IsEmpty() ? 0 : int(m_pDC->GetTextExtent(text).cy);
}

CString SRGDecimalScale::FormatValue(const CString& format, double dValue, double dZero)
{
    CString text;
    if (std::fabs(dValue) < dZero) {
        text.Format(format, 0.0);
        return text;
    }
    text.Format(format, dValue);
    FormatLabelText(text);
    return text;
}

void SRGDecimalScale::FormatLabelText(CString& rText)
{
    std::string text(rText.GetString());
    const size_t e = text.find_first_of("eE");
    if (e != std::string::npos && e + 2 < text.size() && (text[e + 1] == '+' || text[e + 1] == '-') && text[e + 2] == '0') {
        size_t nDigits = e + 2;
        if (text[e + 1] == '+') {
            text.erase(e + 1, 1);
            nDigits = e + 1;
        }
        // leading zeros go, the last digit stays
        while (nDigits + 1 < text.size() && text[nDigits] == '0' && std::isdigit(static_cast<unsigned char>(text[nDigits + 1])))
            text.erase(nDigits, 1);
        rText = text.c_str();
        return;
    }
    if (!(m_style.m_nFlags & flagThousands))
        return;
    rText.Trim();
    text = rText.GetString();
    const size_t nStart = text.find_first_of("0123456789.");
    if (nStart == std::string::npos)
        return;
    size_t nEnd = text.find_first_not_of("0123456789.", nStart);
    if (nEnd == std::string::npos)
        nEnd = text.size();
    size_t nPoint = text.find('.', nStart);
    if (nPoint == std::string::npos || nPoint > nEnd)
        nPoint = nEnd;
    for (size_t i = nPoint; i > nStart + 3; i -= 3)
        text.insert(i - 3, 1, ',');
    rText = text.c_str();
}

bool SRGDecimalScale::KeepsOwnAngle() const
{
    // an angle of -500 or below is the automatic one: the axis turns the labels
    return (m_style.m_nFlags & flagOwnOrientation) && m_style.GetTextAngle() > -499.0;
}

double SRGDecimalScale::GetLabelAngle() const
{
    if (KeepsOwnAngle())
        return m_style.GetTextAngle();
    double c = std::atan2(double(m_ptEnd.y - m_ptStart.y), double(m_ptEnd.x - m_ptStart.x)) + kPi / 2.0;
    while (c < 0.0)
        c += 2.0 * kPi;
    while (c >= 2.0 * kPi)
        c -= 2.0 * kPi;
    return c * 57.29578;
}

double SRGDecimalScale::LabelSpacing(const CSize& text, int nLineHeight) const
{
    // the text's angle to the axis line (the line's angle on the screen runs clockwise, the text's
    // counter-clockwise)
    const double dAxis = std::atan2(double(m_ptEnd.y - m_ptStart.y), double(m_ptEnd.x - m_ptStart.x));
    const double phi = GetLabelAngle() * kPi / 180.0 + dAxis;
    const double c = std::fabs(std::cos(phi));
    const double s = std::fabs(std::sin(phi));
    // the outline the label block keeps apart: the text widened by a sixth of a line on every side
    const double dInflate = 2.0 * Round(nLineHeight / 6.0);
    const double dText = text.cx * c + text.cy * s;
    const double dOutline = (text.cx + dInflate) * c + (text.cy + dInflate) * s;
    return (std::max)(1.2 * dText, dOutline + 1.0);
}

void SRGDecimalScale::OrientLabels()
{
    const double dx = m_ptEnd.x - m_ptStart.x;
    const double dy = m_ptEnd.y - m_ptStart.y;
    const double dOldAngle = m_style.GetTextAngle();
    SetAngle(GetLabelAngle());
    SetAnchorPosition(KeepsOwnAngle() ? m_nAlignment : m_nLabelSide == 1 ? 0 : 4);
    // labels of a crowded axis make way along it
    const double dLength = std::hypot(dx, dy);
    if (dLength > 0.0)
        SetDirection(dx / dLength, dy / dLength);
    if (m_style.GetTextAngle() != dOldAngle)
        SetFontDirty(1);
}

void SRGDecimalScale::PlaceLabels(const std::vector<double>& positions, const std::vector<CString>& texts)
{
    const int nMode = GetMode();
    m_ptOffset = ComputeLabelOffset();
    for (size_t k = 0; k < positions.size(); ++k) {
        DEDizedLabel* pLabel = int(k) < GetLabelCount() ? GetLabel(int(k)) : AddLabel("");
        pLabel->SetText(nMode, texts[k]);
        const double t = positions[k];
        pLabel->PlaceAt(Round(m_ptStart.x + t * (m_ptEnd.x - m_ptStart.x)) + m_ptOffset.x,
                        Round(m_ptStart.y + t * (m_ptEnd.y - m_ptStart.y)) + m_ptOffset.y);
    }
    while (GetLabelCount() > int(positions.size()))
        RemoveLastLabel();
    OrientLabels();
    // the ticks stand on the axis line, the labels the offset away from them
    SetAnchorRecording(1);
    RecordAnchors(-m_ptOffset.x, -m_ptOffset.y);
}

void SRGDecimalScale::BuildLabels()
{
    if (!IsDrawing() || m_pDC == nullptr)
        return;
    const double dRange = std::fabs(m_dMaximum - m_dMinimum);
    if (dRange <= kTinyLimits || !std::isfinite(dRange)) {
        PlaceLabels({}, {});
        return;
    }
    const int L = GetAxisLength();
    if (L < 1)
        return;
    ChartFontScope font(m_pDC, GetFont());
    const SRGDisplayBase* pDisplay = GetChartDisplay();
    const CString format =
        GetEffectiveFormat(pDisplay != nullptr && IsPercentStacked(pDisplay->GetGraphType()) ? " %.0f%% " : " %g ");
    const bool bPercent = format.Find("%%") >= 0;
    const int h = TextHeight(FormatValue(format, m_dMaximum, 0.0));
    const double eps = (std::max)(std::fabs(m_dMaximum), std::fabs(m_dMinimum)) * kDoubleEpsilon;
    const double dMinStep = (std::max)(h * dRange * 1.2 / L, eps);

    double dStep = dRange;
    if (dRange > dMinStep) {
        double s = 1.0;
        if (m_dStep == 0.0) {
            while (s < dMinStep)
                s *= 10.0;
            while (s > dMinStep && s > 10.0 * eps)
                s *= 0.1;
            for (double dFactor : {1.0, 2.0, 5.0, 10.0}) {
                if (s * dFactor >= dMinStep) {
                    s *= dFactor;
                    break;
                }
            }
        } else {
            const double r = m_dStep;
            s = r > 0.0 ? r : 1.0;
            if (bPercent && r > 0.0) {
                // a percent step grows and shrinks by whole requested steps
                if (s < dMinStep * 0.2)
                    s = r * std::ceil(dMinStep * 0.2 / r);
                if (s > dRange && s > 10.0 * eps)
                    s = r * std::floor(dRange / r);
            } else {
                while (s < dMinStep * 0.2)
                    s *= 10.0;
                while (s > dRange && s > 10.0 * eps)
                    s *= 0.1;
            }
        }
        dStep = s;
    }
    if (!(dStep > 0.0))
        dStep = 1.0;
    const double dFirst = m_bAscending ? m_dMinimum : m_dMaximum;
    while (dFirst + dStep == dFirst) {
        if (dStep > dRange) {
            dStep = dRange;
            break;
        }
        dStep *= 10.0;
    }
    m_dLastStep = dStep;

    // one label per step from the first limit to the other (inclusive), never more than the axis has
    // pixels
    const int nCount = int((std::min)(std::floor(dRange / dStep * (1.0 + 1e-9)), double(L))) + 1;
    const double dDirection = m_bAscending ? 1.0 : -1.0;
    std::vector<double> positions;
    std::vector<CString> texts;
    for (int k = 0; k < nCount; ++k) {
        const double v = dFirst + dDirection * k * dStep;
        positions.push_back(k * dStep / dRange);
        texts.push_back(FormatValue(format, v, dStep * 0.0001));
    }
    PlaceLabels(positions, texts);
}

// ---- SRGLogScale ---------------------------------------------------------------------------------------------------

SRGLogScale::SRGLogScale()
{
    m_bLogarithmic = 1;
}

void SRGLogScale::BuildLabels()
{
    if (!IsDrawing() || m_pDC == nullptr)
        return;
    if (!(m_dMinimum > 0.0) || !(m_dMaximum > 0.0) ||
        !(std::fabs(std::log10(m_dMaximum) - std::log10(m_dMinimum)) > kTinyLimits) ||
        !std::isfinite(m_dMaximum) || !std::isfinite(m_dMinimum)) {
        PlaceLabels({}, {});
        return;
    }
    const int L = GetAxisLength();
    if (L < 1)
        return;
    ChartFontScope font(m_pDC, GetFont());
    const CString format = GetEffectiveFormat("%g");
    const double lo = (std::min)(m_dMinimum, m_dMaximum);
    const double hi = (std::max)(m_dMinimum, m_dMaximum);
    const int h = (std::max)(1, TextHeight(FormatValue(format, hi, 0.0)));
    const int nRoom = (std::max)(1, int(L / (1.25 * h)));

    // every whole step of each decade: the mantissa (1 to 9) and the decade of each value
    struct Candidate {
        double dValue;
        int nMantissa;
        int nDecade;
    };
    std::vector<Candidate> candidates;
    double dStep = std::pow(10.0, std::floor(std::log10(lo)));
    if ((hi - lo) / dStep < 3.2)
        dStep /= 10.0;
    double v = dStep * std::ceil(lo / dStep * (1.0 - 1e-12));
    for (int nGuard = 0; v <= hi * (1.0 + 1e-12) && nGuard < 10000; ++nGuard) {
        if (v >= 9.9 * dStep) {
            dStep *= 10.0;
            v = dStep;
            continue;
        }
        const double dSteps = v / dStep;
        if (dStep >= 1.0 && dSteps - std::floor(dSteps) > 0.95)
            v = dStep * std::ceil(dSteps);
        const int nMantissa = Round(v / dStep);
        candidates.push_back({v, nMantissa, int(std::floor(std::log10(dStep) + 0.5))});
        v += dStep;
    }
    // thinned until they fit: all, the 1, 2 and 5 of each decade, the decades, every k-th decade
    auto keep = [&](const std::function<bool(const Candidate&)>& take) {
        std::vector<Candidate> kept;
        for (const Candidate& c : candidates)
            if (take(c))
                kept.push_back(c);
        return kept;
    };
    std::vector<Candidate> chosen = candidates;
    if (int(chosen.size()) > nRoom)
        chosen = keep([](const Candidate& c) { return c.nMantissa == 1 || c.nMantissa == 2 || c.nMantissa == 5; });
    for (int k = 1; int(chosen.size()) > nRoom && k < 10000; ++k)
        chosen = keep([k](const Candidate& c) { return c.nMantissa == 1 && c.nDecade % k == 0; });

    const double dLogLo = std::log10(lo);
    const double dLogSpan = std::log10(hi) - dLogLo;
    std::vector<double> positions;
    std::vector<CString> texts;
    for (const Candidate& c : chosen) {
        const double t = (std::log10(c.dValue) - dLogLo) / dLogSpan;
        positions.push_back(m_bAscending ? t : 1.0 - t);
        texts.push_back(FormatValue(format, c.dValue, 0.0));
    }
    PlaceLabels(positions, texts);
}
