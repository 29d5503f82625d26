#include "core/CMemFile.h"

#include "core/CException.h"

#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CMemFile, CFile)

CMemFile::CMemFile(uint32_t nGrowBytes) : m_nGrowBytes(nGrowBytes != 0 ? nGrowBytes : 1024)
{
}

CMemFile::CMemFile(uint8_t* lpBuffer, uint32_t nBufferSize, uint32_t nGrowBytes) : m_nGrowBytes(0)
{
    Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile()
{
    FreeOwned();
}

uint8_t* CMemFile::Realloc(uint8_t* lpMem, size_t nBytes)
{
    return static_cast<uint8_t*>(std::realloc(lpMem, nBytes));
}

void CMemFile::Free(uint8_t* lpMem)
{
    std::free(lpMem);
}

void CMemFile::FreeOwned()
{
    if (m_bAutoDelete && m_lpBuffer != nullptr)
        Free(m_lpBuffer);
    m_lpBuffer = nullptr;
    m_nBufferSize = m_nFileSize = m_nPosition = 0;
    m_bAutoDelete = true;
    if (m_nGrowBytes == 0)
        m_nGrowBytes = 1024;
}

void CMemFile::Attach(uint8_t* lpBuffer, uint32_t nBufferSize, uint32_t nGrowBytes)
{
    if (lpBuffer == nullptr && nBufferSize != 0)
        AfxThrowInvalidArgFormat("CMemFile::Attach: null buffer of size %u", nBufferSize);
    FreeOwned();
    m_lpBuffer = lpBuffer;
    m_nBufferSize = nBufferSize;
    m_nGrowBytes = nGrowBytes;
    m_nFileSize = nGrowBytes == 0 ? nBufferSize : 0;
    m_nPosition = 0;
    m_bAutoDelete = false;
}

void CMemFile::AttachOwned(uint8_t* lpBlock, size_t nBlockSize, size_t nFileSize, size_t nGrowBytes)
{
    FreeOwned();
    m_lpBuffer = lpBlock;
    m_nBufferSize = nBlockSize;
    m_nFileSize = nFileSize;
    m_nPosition = 0;
    m_nGrowBytes = nGrowBytes;
    m_bAutoDelete = true;
}

uint8_t* CMemFile::DetachBlock()
{
    uint8_t* p = m_lpBuffer;
    m_lpBuffer = nullptr;
    m_bAutoDelete = false;
    FreeOwned();
    return p;
}

uint8_t* CMemFile::Detach()
{
    return DetachBlock();
}

void CMemFile::GrowFile(size_t nNewSize)
{
    if (nNewSize <= m_nBufferSize)
        return;
    if (m_nGrowBytes == 0 || nNewSize > (SIZE_MAX >> 2))
        AfxThrowMemoryException();
    size_t size = m_nBufferSize + m_nGrowBytes;
    if (size < m_nBufferSize + m_nBufferSize / 2)
        size = m_nBufferSize + m_nBufferSize / 2;
    if (size < nNewSize)
        size = (nNewSize + m_nGrowBytes - 1) / m_nGrowBytes * m_nGrowBytes;
    uint8_t* p = Realloc(m_lpBuffer, size);
    if (p == nullptr)
        AfxThrowMemoryException();
    m_lpBuffer = p;
    m_nBufferSize = size;
}

uint32_t CMemFile::Read(void* lpBuf, uint32_t nCount)
{
    if (nCount == 0 || m_nPosition >= m_nFileSize)
        return 0;
    if (lpBuf == nullptr)
        AfxThrowInvalidArgException("CMemFile::Read: null buffer");
    size_t n = m_nFileSize - m_nPosition;
    if (n > nCount)
        n = nCount;
    std::memcpy(lpBuf, m_lpBuffer + m_nPosition, n);
    m_nPosition += n;
    return uint32_t(n);
}

void CMemFile::Write(const void* lpBuf, uint32_t nCount)
{
    if (nCount == 0)
        return;
    if (lpBuf == nullptr)
        AfxThrowInvalidArgException("CMemFile::Write: null buffer");
    const size_t endPos = m_nPosition + nCount;
    GrowFile(endPos);
    if (m_nPosition > m_nFileSize)
        std::memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
    std::memmove(m_lpBuffer + m_nPosition, lpBuf, nCount);
    m_nPosition = endPos;
    if (endPos > m_nFileSize)
        m_nFileSize = endPos;
}

uint64_t CMemFile::Seek(int64_t lOff, uint32_t nFrom)
{
    int64_t base;
    switch (nFrom) {
    case begin:
        base = 0;
        break;
    case current:
        base = int64_t(m_nPosition);
        break;
    case end:
        base = int64_t(m_nFileSize);
        break;
    default:
        AfxThrowInvalidArgFormat("CMemFile::Seek: origin %u is not begin, current or end", nFrom);
    }
    int64_t pos = 0;
    if (__builtin_add_overflow(base, lOff, &pos) || pos < 0)
        AfxThrowFileException(CFileException::badSeek);
    m_nPosition = size_t(pos);
    return uint64_t(pos);
}

uint64_t CMemFile::GetLength() const
{
    return m_nFileSize;
}

void CMemFile::SetLength(uint64_t nNewLen)
{
    const size_t n = size_t(nNewLen);
    GrowFile(n);
    if (n > m_nFileSize)
        std::memset(m_lpBuffer + m_nFileSize, 0, n - m_nFileSize);
    m_nFileSize = n;
    if (m_nPosition > n)
        m_nPosition = n;
}

uint64_t CMemFile::GetPosition() const
{
    return m_nPosition;
}

void CMemFile::Flush()
{
}

void CMemFile::Close()
{
    FreeOwned();
}

void CMemFile::Abort()
{
    FreeOwned();
}

CString CMemFile::GetFilePath() const
{
    return CString();
}

bool CMemFile::IsOpen() const
{
    return true;
}
