// CGXSortInfoArray: the growable array of sort keys (see GXSortInfoArray.h).
#include "grid/engine/GXSortInfoArray.h"

#include <algorithm>
#include <climits>
#include <cstring>

void CGXSortInfoArray::SetSize(int nNewSize, int nGrowBy)
{
    if (nNewSize < 0)
        AfxThrowInvalidArgFormat("CGXSortInfoArray::SetSize: the count %d is negative", nNewSize);
    if (nGrowBy != -1)
        m_nGrowBy = std::max(nGrowBy, 0);
    if (nNewSize == 0) {
        m_pData.reset();
        m_nSize = m_nCapacity = 0;
        return;
    }
    // the block's size in bytes must fit a signed 32-bit count, as the stored forms count it
    if (int64_t(nNewSize) * int64_t(sizeof(CGXSortInfo)) > INT_MAX)
        AfxThrowMemoryException();
    if (nNewSize > m_nCapacity) {
        const int nStep = m_nGrowBy > 0 ? m_nGrowBy : std::clamp(nNewSize / 8, 4, 1024);
        int64_t nCapacity = std::max<int64_t>(nNewSize, int64_t(m_nCapacity) + nStep);
        if (nCapacity * int64_t(sizeof(CGXSortInfo)) > INT_MAX)
            nCapacity = nNewSize;
        std::unique_ptr<CGXSortInfo[]> pNew(new CGXSortInfo[size_t(nCapacity)]);
        std::memset(pNew.get(), 0, size_t(nCapacity) * sizeof(CGXSortInfo));
        if (m_nSize > 0)
            std::memcpy(pNew.get(), m_pData.get(), size_t(m_nSize) * sizeof(CGXSortInfo));
        m_pData = std::move(pNew);
        m_nCapacity = int(nCapacity);
    } else if (nNewSize > m_nSize) {
        std::memset(m_pData.get() + m_nSize, 0, size_t(nNewSize - m_nSize) * sizeof(CGXSortInfo));
    }
    m_nSize = nNewSize;
}

CGXSortInfo& CGXSortInfoArray::operator[](int nIndex)
{
    if (nIndex < 0 || nIndex >= m_nSize)
        AfxThrowInvalidArgFormat("CGXSortInfoArray: index %d is outside 0..%d", nIndex, m_nSize - 1);
    return m_pData[size_t(nIndex)];
}

const CGXSortInfo& CGXSortInfoArray::operator[](int nIndex) const
{
    return const_cast<CGXSortInfoArray&>(*this)[nIndex];
}
