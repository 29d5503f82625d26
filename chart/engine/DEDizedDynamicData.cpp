// the standard headers before windows.h, which defines min and max as macros
#include <algorithm>
#include <climits>
#include <cmath>
#include <new>

#include "chart/engine/DEDizedDynamicData.h"

#include "chart/engine/ChartResource.h"
#include "chart/engine/DEDizedException.h"
#include "win/WinServices.h"

IMPLEMENT_SERIAL(DEDizedDynamicData, DEDizedData, VERSIONABLE_SCHEMA | 1)

namespace {

// Bytes one cell takes in an archive, without and with its range.
const uint64_t kArchivedCell = 8;
const uint64_t kArchivedRange = 8 + 8 + 4;

} // namespace

DEDizedDynamicData::DEDizedDynamicData()
    : m_nStorageType(storageNone), m_nGrowBy(10), m_bWrap(0), m_bValueRanges(0), m_nSize(0), m_nWrite(0), m_nRead(0)
{
}

DEDizedDynamicData::~DEDizedDynamicData() = default;

double* DEDizedDynamicData::NewCells(int nCount)
{
    return new (std::nothrow) double[size_t(nCount)]();
}

CScale* DEDizedDynamicData::NewRanges(int nCount)
{
    return new (std::nothrow) CScale[size_t(nCount)];
}

void DEDizedDynamicData::Serialize(CArchive& ar)
{
    DEDizedData::Serialize(ar);
    if (ar.IsStoring()) {
        const int bAllocated = HasStorage() ? 1 : 0;
        ar << m_bWrap << m_bValueRanges << bAllocated << m_nSize << m_nStorageType << m_nGrowBy;
        for (int i = 0; i < m_nSize && bAllocated; ++i) {
            ar << m_pCells[i];
            if (m_bValueRanges)
                m_pRanges[i].Serialize(ar);
        }
        return;
    }
    int bAllocated = 0, nSize = 0;
    ar >> m_bWrap >> m_bValueRanges >> bAllocated >> nSize >> m_nStorageType >> m_nGrowBy;
    std::unique_ptr<double[]> pCells;
    std::unique_ptr<CScale[]> pRanges;
    if (bAllocated) {
        if (nSize < 1)
            AfxThrowArchiveException(CArchiveException::generic);
        ar.CheckAvailable(uint64_t(nSize) * (kArchivedCell + (m_bValueRanges ? kArchivedRange : 0)));
        pCells.reset(NewCells(nSize));
        if (m_bValueRanges)
            pRanges.reset(NewRanges(nSize));
        if (!pCells || (m_bValueRanges && !pRanges))
            AfxThrowMemoryException();
        for (int i = 0; i < nSize; ++i) {
            ar >> pCells[i];
            if (m_bValueRanges)
                pRanges[i].Serialize(ar);
        }
    }
    m_pCells = std::move(pCells);
    m_pRanges = std::move(pRanges);
    m_nSize = bAllocated ? nSize : 0;
    m_nWrite = m_nRead = 0;
}

int DEDizedDynamicData::IsDynamic() const
{
    return 1;
}

void DEDizedDynamicData::RequireStorage() const
{
    if (!HasStorage())
        ThrowChartException(6);
}

void DEDizedDynamicData::CheckPosition(int nPosition) const
{
    if (nPosition < 0 || nPosition > m_nSize)
        ThrowChartException(3);
}

int DEDizedDynamicData::NextReadPosition()
{
    const int nPosition = m_nRead;
    if (nPosition < 0 || nPosition >= m_nSize)
        ThrowChartException(3);
    m_nRead = nPosition + 1 >= m_nSize ? 0 : nPosition + 1;
    return nPosition;
}

double DEDizedDynamicData::GetValue(int bLogarithmic)
{
    RequireStorage();
    const double dValue = m_pCells[NextReadPosition()];
    return bLogarithmic != 0 ? LogOrFloor(std::fabs(dValue)) : dValue;
}

CScale DEDizedDynamicData::GetRange()
{
    if (!HasStorage() || !m_bValueRanges)
        return CScale();
    return m_pRanges[NextReadPosition()];
}

void DEDizedDynamicData::RequireType(int nType)
{
    if (m_nStorageType == storageNone)
        m_nStorageType = nType;
    else if (m_nStorageType != nType)
        ThrowChartException(15);
}

double DEDizedDynamicData::ToStorage(double dValue)
{
    if (m_nStorageType == storageNone)
        m_nStorageType = storageDouble;
    switch (m_nStorageType) {
    case storageDouble:
        return dValue;
    case storageInt:
        if (dValue >= -2147483648.0 && dValue <= 2147483647.0)
            return double(int32_t(dValue));
        break;
    case storageByte:
        if (dValue >= 0.0 && dValue <= 255.0)
            return double(uint8_t(dValue));
        break;
    default:
        break;
    }
    ThrowChartException(5);
}

void DEDizedDynamicData::Append(double dValue)
{
    if (m_nWrite < 0 || m_nWrite >= m_nSize)
        ThrowChartException(3);
    m_pCells[m_nWrite] = dValue;
    if (m_bValueRanges)
        m_pRanges[m_nWrite].Include(dValue);
    m_range.Include(dValue);
    m_bNull = 0;
    if (++m_nWrite < m_nSize)
        return;
    if (m_bWrap)
        m_nWrite = 0;
    else if (m_nGrowBy > 0 && m_nSize < INT_MAX)
        Allocate(m_nGrowBy > INT_MAX - m_nSize ? INT_MAX : m_nSize + m_nGrowBy);
}

void DEDizedDynamicData::SetValue(double dValue)
{
    RequireStorage();
    Append(ToStorage(dValue));
}

void DEDizedDynamicData::AppendInt(int nValue)
{
    RequireStorage();
    RequireType(storageInt);
    Append(double(nValue));
}

void DEDizedDynamicData::AppendByte(BYTE byValue)
{
    RequireStorage();
    RequireType(storageByte);
    Append(double(byValue));
}

void DEDizedDynamicData::ShiftValue(double dValue, int bAtEnd)
{
    RequireStorage();
    const double dStored = ToStorage(dValue);
    double* pCells = m_pCells.get();
    CScale* pRanges = m_bValueRanges ? m_pRanges.get() : nullptr;
    const int nFreed = bAtEnd ? m_nSize - 1 : 0;
    if (bAtEnd) {
        std::copy(pCells + 1, pCells + m_nSize, pCells);
        if (pRanges != nullptr)
            std::copy(pRanges + 1, pRanges + m_nSize, pRanges);
    } else {
        std::copy_backward(pCells, pCells + m_nSize - 1, pCells + m_nSize);
        if (pRanges != nullptr)
            std::copy_backward(pRanges, pRanges + m_nSize - 1, pRanges + m_nSize);
    }
    pCells[nFreed] = dStored;
    if (pRanges != nullptr)
        pRanges[nFreed] = CScale();
    m_range.Include(dStored);
    m_bNull = 0;
}

void DEDizedDynamicData::SetWrap(int bWrap)
{
    m_bWrap = bWrap;
}

void DEDizedDynamicData::SetWritePosition(int nPosition)
{
    CheckPosition(nPosition);
    m_nWrite = nPosition;
}

void DEDizedDynamicData::RewindWrite()
{
    m_nWrite = 0;
}

int DEDizedDynamicData::HasValueRanges() const
{
    return m_bValueRanges;
}

void DEDizedDynamicData::EnableValueRanges(int bEnable)
{
    if (!bEnable) {
        m_pRanges.reset();
        m_bValueRanges = 0;
        return;
    }
    if (m_bValueRanges)
        return;
    if (HasStorage()) {
        m_pRanges.reset(NewRanges(m_nSize));
        if (!m_pRanges) {
            AfxMessageBox(IDS_CHART_SERIES_NO_MEMORY_RANGES, MB_ICONEXCLAMATION);
            return;
        }
    }
    m_bValueRanges = 1;
}

void DEDizedDynamicData::SetReadPosition(int nPosition)
{
    CheckPosition(nPosition);
    m_nRead = nPosition;
}

void DEDizedDynamicData::RewindRead()
{
    m_nRead = 0;
}

int DEDizedDynamicData::GetSize() const
{
    return m_nSize;
}

int DEDizedDynamicData::GetGrowBy() const
{
    return m_nGrowBy;
}

void DEDizedDynamicData::SetGrowBy(int nGrowBy)
{
    m_nGrowBy = nGrowBy;
}

void DEDizedDynamicData::Allocate(int nSize)
{
    if (nSize < 1)
        AfxThrowInvalidArgFormat("DEDizedDynamicData::Allocate: size %d is not positive", nSize);
    std::unique_ptr<double[]> pCells(NewCells(nSize));
    if (!pCells) {
        AfxMessageBox(HasStorage() ? IDS_CHART_SERIES_NO_MEMORY_GROW : IDS_CHART_SERIES_NO_MEMORY, MB_ICONEXCLAMATION);
        return;
    }
    std::unique_ptr<CScale[]> pRanges;
    if (m_bValueRanges) {
        pRanges.reset(NewRanges(nSize));
        if (!pRanges) {
            AfxMessageBox(IDS_CHART_SERIES_NO_MEMORY_RANGES, MB_ICONEXCLAMATION);
            return;
        }
    }
    const int nKept = m_nSize < nSize ? m_nSize : nSize;  // 0 without storage
    std::copy(m_pCells.get(), m_pCells.get() + nKept, pCells.get());
    if (m_pRanges)
        std::copy(m_pRanges.get(), m_pRanges.get() + nKept, pRanges.get());
    m_pCells = std::move(pCells);
    m_pRanges = std::move(pRanges);
    m_nSize = nSize;
}
