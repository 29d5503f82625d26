#include "core/CStdioFile.h"

#include "core/CException.h"

#include <cerrno>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

CStdioFile::CStdioFile() : m_pStream(nullptr)
{
}

CStdioFile::CStdioFile(const char* lpszFileName, uint32_t nOpenFlags) : m_pStream(nullptr)
{
    OpenOrThrow(lpszFileName, nOpenFlags);
}

CStdioFile::~CStdioFile()
{
    if (m_pStream != nullptr) {
        std::fclose(m_pStream);
        m_pStream = nullptr;
        m_hFile = hFileNull;
    }
}

int CStdioFile::AttachDescriptor(int fd, uint32_t nOpenFlags, const char* lpszFileName)
{
    const char* mode = "rb";
    switch (nOpenFlags & 3u) {
    case modeWrite:
        mode = "wb";  // fdopen does not truncate: open(2) already did what the flags ask
        break;
    case modeReadWrite:
        mode = "r+b";
        break;
    default:
        break;
    }
    FILE* f = ::fdopen(fd, mode);
    if (f == nullptr) {
        const int err = errno;
        ::close(fd);
        return err;
    }
    m_pStream = f;
    m_hFile = fd;
    m_strFileName = lpszFileName;
    m_nLastOp = 0;
    return 0;
}

bool CStdioFile::Open(const char* lpszFileName, uint32_t nOpenFlags, CFileException* pError)
{
    if (!CFile::Open(lpszFileName, nOpenFlags, pError))
        return false;
    const int fd = m_hFile;
    m_hFile = hFileNull;
    const int err = AttachDescriptor(fd, nOpenFlags, lpszFileName);
    if (err != 0)
        return OpenFailed(pError, CFileException::ErrnoToException(err), err, lpszFileName);
    return true;
}

void CStdioFile::PrepareFor(bool bWriting)
{
    const int op = bWriting ? 2 : 1;
    if (m_nLastOp != 0 && m_nLastOp != op)
        std::fseek(m_pStream, 0, SEEK_CUR);
    m_nLastOp = op;
}

bool CStdioFile::ReadString(CString& rString)
{
    CheckOpen("ReadString");
    PrepareFor(false);
    std::string line;
    int c;
    bool any = false;
    while ((c = getc_unlocked(m_pStream)) != EOF) {
        any = true;
        if (c == '\n')
            break;
        line += char(c);
    }
    if (c == EOF && std::ferror(m_pStream))
        ThrowErrno(errno != 0 ? errno : EIO);
    if (!line.empty() && line.back() == '\r' && c == '\n')
        line.pop_back();
    rString = CString(line.data(), int(line.size()));
    return any;
}

char* CStdioFile::ReadString(char* lpsz, uint32_t nMax)
{
    CheckOpen("ReadString");
    if (lpsz == nullptr || nMax < 2)
        AfxThrowInvalidArgFormat("CStdioFile::ReadString: buffer %p of %u bytes", lpsz, nMax);
    PrepareFor(false);
    uint32_t n = 0;
    int c = EOF;
    while (n + 1 < nMax && (c = getc_unlocked(m_pStream)) != EOF) {
        if (c == '\n') {
            if (n > 0 && lpsz[n - 1] == '\r')
                --n;
            lpsz[n++] = '\n';
            break;
        }
        lpsz[n++] = char(c);
    }
    if (c == EOF && std::ferror(m_pStream))
        ThrowErrno(errno != 0 ? errno : EIO);
    lpsz[n] = '\0';
    return n == 0 ? nullptr : lpsz;
}

void CStdioFile::WriteString(const char* lpsz)
{
    if (lpsz == nullptr)
        AfxThrowInvalidArgException("CStdioFile::WriteString: null text");
    Write(lpsz, uint32_t(std::char_traits<char>::length(lpsz)));
}

uint32_t CStdioFile::Read(void* lpBuf, uint32_t nCount)
{
    CheckOpen("Read");
    if (nCount == 0)
        return 0;
    if (lpBuf == nullptr)
        AfxThrowInvalidArgException("CStdioFile::Read: null buffer");
    PrepareFor(false);
    const size_t n = std::fread(lpBuf, 1, nCount, m_pStream);
    if (n < nCount && std::ferror(m_pStream))
        ThrowErrno(errno != 0 ? errno : EIO);
    return uint32_t(n);
}

void CStdioFile::Write(const void* lpBuf, uint32_t nCount)
{
    CheckOpen("Write");
    if (nCount == 0)
        return;
    if (lpBuf == nullptr)
        AfxThrowInvalidArgException("CStdioFile::Write: null buffer");
    PrepareFor(true);
    if (std::fwrite(lpBuf, 1, nCount, m_pStream) != nCount)
        ThrowErrno(errno != 0 ? errno : EIO);
}

uint64_t CStdioFile::Seek(int64_t lOff, uint32_t nFrom)
{
    CheckOpen("Seek");
    const int whence = SeekOrigin("CStdioFile", nFrom);
    if (::fseeko(m_pStream, off_t(lOff), whence) != 0)
        AfxThrowFileException(CFileException::badSeek, errno, m_strFileName);
    m_nLastOp = 0;
    return GetPosition();
}

uint64_t CStdioFile::GetLength() const
{
    CheckOpen("GetLength");
    if (m_nLastOp == 2)
        std::fflush(m_pStream);
    struct stat st;
    if (::fstat(::fileno(m_pStream), &st) != 0)
        ThrowErrno(errno);
    return uint64_t(st.st_size);
}

void CStdioFile::SetLength(uint64_t nNewLen)
{
    CheckOpen("SetLength");
    if (std::fflush(m_pStream) != 0)
        ThrowErrno(errno);
    if (::ftruncate(::fileno(m_pStream), off_t(nNewLen)) != 0)
        ThrowErrno(errno);
}

uint64_t CStdioFile::GetPosition() const
{
    CheckOpen("GetPosition");
    const off_t pos = ::ftello(m_pStream);
    if (pos < 0)
        ThrowErrno(errno);
    return uint64_t(pos);
}

void CStdioFile::Flush()
{
    CheckOpen("Flush");
    if (std::fflush(m_pStream) != 0)
        ThrowErrno(errno);
}

void CStdioFile::Close()
{
    if (m_pStream == nullptr)
        return;
    FILE* f = m_pStream;
    m_pStream = nullptr;
    m_hFile = hFileNull;
    if (std::fclose(f) != 0)
        ThrowErrno(errno);
}

void CStdioFile::Abort()
{
    if (m_pStream != nullptr) {
        std::fclose(m_pStream);
        m_pStream = nullptr;
        m_hFile = hFileNull;
    }
}

bool CStdioFile::IsOpen() const
{
    return m_pStream != nullptr;
}
