#include "core/CFile.h"

#include "core/CException.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

IMPLEMENT_DYNAMIC(CFile, CObject)

namespace {

// The cause of a failed open: a missing file is fileNotFound only when its folder exists, else the
// path is bad (the host reports both as ENOENT).
int OpenFailureCause(const char* path, int err)
{
    if (err != ENOENT)
        return CFileException::ErrnoToException(err);
    const CString text = path;
    const int slash = text.ReverseFind('/');
    if (slash < 0)
        return CFileException::fileNotFound;
    const CString folder = slash == 0 ? CString("/") : text.Left(slash);
    struct stat st;
    return ::stat(folder, &st) == 0 && S_ISDIR(st.st_mode) ? CFileException::fileNotFound : CFileException::badPath;
}

} // namespace

CFile::CFile() : m_hFile(hFileNull)
{
}

CFile::CFile(const char* lpszFileName, uint32_t nOpenFlags) : m_hFile(hFileNull)
{
    OpenOrThrow(lpszFileName, nOpenFlags);
}

void CFile::OpenOrThrow(const char* lpszFileName, uint32_t nOpenFlags)
{
    CFileException* e = new CFileException;
    bool ok = false;
    try {
        ok = Open(lpszFileName, nOpenFlags, e);
    } catch (...) {
        e->Delete();
        throw;
    }
    if (!ok)
        throw e;
    e->Delete();
}

CFile::~CFile()
{
    if (m_hFile != hFileNull)
        ::close(m_hFile);
}

int CFile::PosixFlags(uint32_t nOpenFlags)
{
    int flags = O_CLOEXEC;
    switch (nOpenFlags & 3u) {
    case modeRead:
        flags |= O_RDONLY;
        break;
    case modeWrite:
        flags |= O_WRONLY;
        break;
    case modeReadWrite:
        flags |= O_RDWR;
        break;
    default:
        AfxThrowInvalidArgFormat("CFile::Open: flags 0x%x name no single access mode", nOpenFlags);
    }
    if ((nOpenFlags & modeNoTruncate) && !(nOpenFlags & modeCreate))
        AfxThrowInvalidArgFormat("CFile::Open: flags 0x%x have modeNoTruncate without modeCreate", nOpenFlags);
    if (nOpenFlags & modeCreate) {
        if ((nOpenFlags & 3u) == modeRead)
            AfxThrowInvalidArgFormat("CFile::Open: flags 0x%x create a file opened for reading only", nOpenFlags);
        flags |= O_CREAT;
        if (!(nOpenFlags & modeNoTruncate))
            flags |= O_TRUNC;
    }
    return flags;
}

bool CFile::OpenFailed(CFileException* pError, int nCause, int nErrno, const char* lpszFileName)
{
    if (pError != nullptr) {
        pError->m_cause = nCause;
        pError->m_lOsError = nErrno;
        pError->m_strFileName = lpszFileName;
    }
    return false;
}

bool CFile::Open(const char* lpszFileName, uint32_t nOpenFlags, CFileException* pError)
{
    if (m_hFile != hFileNull)
        AfxThrowInvalidArgFormat("CFile::Open: %s is still open when opening %s", m_strFileName,
                                 lpszFileName != nullptr ? lpszFileName : "(null)");
    const int flags = PosixFlags(nOpenFlags);
    auto fail = [&](int cause, int err) { return OpenFailed(pError, cause, err, lpszFileName); };
    if (lpszFileName == nullptr || *lpszFileName == '\0')
        return fail(CFileException::badPath, -1);

    int fd;
    do
        fd = ::open(lpszFileName, flags, 0666);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        const int err = errno;
        return fail(OpenFailureCause(lpszFileName, err), err);
    }
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        return fail(CFileException::accessDenied, EISDIR);
    }
    m_hFile = fd;
    m_strFileName = lpszFileName;
    return true;
}

void CFile::ThrowErrno(int nErrno) const
{
    CFileException::ThrowErrno(nErrno, m_strFileName);
}

void CFile::CheckOpen(const char* lpszFunc) const
{
    if (!IsOpen())
        AfxThrowInvalidArgFormat("CFile::%s: the file %s is not open", lpszFunc, m_strFileName);
}

uint32_t CFile::Read(void* lpBuf, uint32_t nCount)
{
    CheckOpen("Read");
    if (nCount == 0)
        return 0;
    if (lpBuf == nullptr)
        AfxThrowInvalidArgException("CFile::Read: null buffer");
    char* p = static_cast<char*>(lpBuf);
    uint32_t done = 0;
    while (done < nCount) {
        const ssize_t n = ::read(m_hFile, p + done, nCount - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ThrowErrno(errno);
        }
        if (n == 0)
            break;
        done += uint32_t(n);
    }
    return done;
}

void CFile::Write(const void* lpBuf, uint32_t nCount)
{
    CheckOpen("Write");
    if (nCount == 0)
        return;
    if (lpBuf == nullptr)
        AfxThrowInvalidArgException("CFile::Write: null buffer");
    const char* p = static_cast<const char*>(lpBuf);
    uint32_t done = 0;
    while (done < nCount) {
        const ssize_t n = ::write(m_hFile, p + done, nCount - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ThrowErrno(errno);
        }
        if (n == 0)
            ThrowErrno(ENOSPC);
        done += uint32_t(n);
    }
}

int CFile::SeekOrigin(const char* lpszClass, uint32_t nFrom)
{
    switch (nFrom) {
    case begin:
        return SEEK_SET;
    case current:
        return SEEK_CUR;
    case end:
        return SEEK_END;
    }
    AfxThrowInvalidArgFormat("%s::Seek: origin %u is not begin, current or end", lpszClass, nFrom);
}

uint64_t CFile::Seek(int64_t lOff, uint32_t nFrom)
{
    CheckOpen("Seek");
    const int whence = SeekOrigin("CFile", nFrom);
    const off_t pos = ::lseek(m_hFile, off_t(lOff), whence);
    if (pos < 0)
        AfxThrowFileException(CFileException::badSeek, errno, m_strFileName);
    return uint64_t(pos);
}

uint64_t CFile::SeekToEnd()
{
    return Seek(0, end);
}

void CFile::SeekToBegin()
{
    Seek(0, begin);
}

uint64_t CFile::GetLength() const
{
    CheckOpen("GetLength");
    struct stat st;
    if (::fstat(m_hFile, &st) != 0)
        ThrowErrno(errno);
    return uint64_t(st.st_size);
}

void CFile::SetLength(uint64_t nNewLen)
{
    CheckOpen("SetLength");
    if (::ftruncate(m_hFile, off_t(nNewLen)) != 0)
        ThrowErrno(errno);
}

uint64_t CFile::GetPosition() const
{
    CheckOpen("GetPosition");
    const off_t pos = ::lseek(m_hFile, 0, SEEK_CUR);
    if (pos < 0)
        ThrowErrno(errno);
    return uint64_t(pos);
}

void CFile::Flush()
{
    CheckOpen("Flush");
    if (::fsync(m_hFile) != 0 && errno != EINVAL && errno != EROFS)
        ThrowErrno(errno);
}

void CFile::Close()
{
    if (m_hFile == hFileNull)
        return;
    const int fd = m_hFile;
    m_hFile = hFileNull;
    if (::close(fd) != 0 && errno != EINTR)
        ThrowErrno(errno);
}

void CFile::Abort()
{
    if (m_hFile != hFileNull) {
        ::close(m_hFile);
        m_hFile = hFileNull;
    }
}

CString CFile::GetFilePath() const
{
    return m_strFileName;
}

bool CFile::IsOpen() const
{
    return m_hFile != hFileNull;
}
