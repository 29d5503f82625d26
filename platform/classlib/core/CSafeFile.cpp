#include "core/CSafeFile.h"

#include "core/CException.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

IMPLEMENT_DYNAMIC(CSafeFile, CStdioFile)

namespace {

// The folder part of a path ("." when it has none).
CString FolderOf(const CString& path)
{
    const int slash = path.ReverseFind('/');
    if (slash < 0)
        return ".";
    if (slash == 0)
        return "/";
    return path.Left(slash);
}

// The most links followed by hand before a chain of links counts as a loop (as the system counts).
const int kMaxLinkHops = 40;

// Follows the symbolic link at rPath, and any link it leads to, to the name the chain ends at, which
// does not exist (the save creates it). Returns 0 with rPath set to that name, else the errno value:
// ELOOP for a chain that never ends, or what failed reading a link or looking at a name.
int FollowDanglingLink(CString& rPath)
{
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        char text[PATH_MAX];
        const ssize_t n = ::readlink(rPath, text, sizeof text - 1);
        if (n < 0)
            return errno;
        CString next(text, int(n));
        if (next.IsEmpty())
            return ENOENT;
        if (next[0] != '/')
            next = FolderOf(rPath) + "/" + next;
        struct stat st;
        if (::lstat(next, &st) != 0) {
            if (errno != ENOENT)
                return errno;
            rPath = next;
            return 0;
        }
        rPath = next;
        if (!S_ISLNK(st.st_mode))
            return 0;  // it came to exist meanwhile: the caller looks at it again
    }
    return ELOOP;
}

void SyncFolder(const CString& folder)
{
    const int fd = ::open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);  // best effort: some file systems refuse a folder sync
        ::close(fd);
    }
}

} // namespace

CSafeFile::CSafeFile() = default;

CSafeFile::~CSafeFile()
{
    Discard();
}

void CSafeFile::Discard()
{
    CStdioFile::Abort();
    if (!m_strTemp.IsEmpty())
        ::unlink(m_strTemp);
    m_strTemp.Empty();
    m_strTarget.Empty();
}

bool CSafeFile::Open(const char* lpszFileName, uint32_t nOpenFlags, CFileException* pError)
{
    if (IsOpen())
        AfxThrowInvalidArgFormat("CSafeFile::Open: a save of %s is still open when opening %s", m_strTarget,
                                 lpszFileName != nullptr ? lpszFileName : "(null)");
    const uint32_t access = nOpenFlags & 3u;
    if (!(nOpenFlags & modeCreate) || (nOpenFlags & modeNoTruncate) ||
        (access != modeWrite && access != modeReadWrite)) {
        AfxThrowInvalidArgFormat("CSafeFile::Open: flags 0x%x must create a file for writing, without modeNoTruncate",
                                 nOpenFlags);
    }
    auto fail = [&](int cause, int err) { return OpenFailed(pError, cause, err, lpszFileName); };
    if (lpszFileName == nullptr || *lpszFileName == '\0')
        return fail(CFileException::badPath, -1);

    // The file to replace: the target itself, or what a symbolic link at the target points to. A
    // link to a name where nothing is yet leads to that name, which the save creates: renaming over
    // the link itself would turn it into a plain file.
    CString target = lpszFileName;
    struct stat st;
    bool exists = ::lstat(target, &st) == 0;
    if (exists && S_ISLNK(st.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(target, resolved) != nullptr) {
            target = resolved;
        } else if (const int err = FollowDanglingLink(target)) {
            return fail(CFileException::ErrnoToException(err), err);
        }
        exists = ::stat(target, &st) == 0;
    }
    if (exists && S_ISDIR(st.st_mode))
        return fail(CFileException::accessDenied, EISDIR);
    // Renaming over a file needs only a writable folder: a file the user may not write, or one that
    // nobody may write (a read-only file, which not even the administrator overwrites on Windows),
    // is refused here, before anything is created.
    if (exists && ((st.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, target, W_OK, AT_EACCESS) != 0))
        return fail(CFileException::accessDenied, EACCES);

    const CString folder = FolderOf(target);
    CString base = target.Mid(target.ReverseFind('/') + 1);
    int fd = -1;
    CString temp;
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp.Format("%s/.%s.%u-%u.tmp", folder, base, unsigned(::getpid()), ++counter);
        fd = ::open(temp, (access == modeReadWrite ? O_RDWR : O_WRONLY) | O_CREAT | O_EXCL | O_CLOEXEC,
                    0666);
        if (fd < 0 && errno != EEXIST && errno != EINTR)
            break;
    }
    if (fd < 0) {
        const int err = errno;
        return fail(err == ENOENT || err == ENOTDIR ? CFileException::badPath : CFileException::ErrnoToException(err),
                    err);
    }
    if (exists)
        ::fchmod(fd, st.st_mode & 07777);  // keep the old file's permissions; failure is harmless

    const int err = AttachDescriptor(fd, nOpenFlags, lpszFileName);
    if (err != 0) {
        ::unlink(temp);
        return fail(CFileException::ErrnoToException(err), err);
    }
    m_strTarget = target;
    m_strTemp = temp;
    m_strFileName = lpszFileName;
    return true;
}

void CSafeFile::Commit()
{
    if (!IsOpen() || m_strTemp.IsEmpty())
        AfxThrowInvalidArgException("CSafeFile::Commit: no save is open");
    int err = 0;
    if (std::fflush(m_pStream) != 0)
        err = errno;
    if (err == 0 && ::fsync(::fileno(m_pStream)) != 0 && errno != EINVAL && errno != EROFS)
        err = errno;
    FILE* f = m_pStream;
    m_pStream = nullptr;
    m_hFile = hFileNull;
    if (std::fclose(f) != 0 && err == 0)
        err = errno;
    if (err == 0 && ::rename(m_strTemp, m_strTarget) != 0)
        err = errno;
    const CString path = m_strFileName;
    if (err != 0) {
        Discard();
        CFileException::ThrowErrno(err, path);
    }
    SyncFolder(FolderOf(m_strTarget));
    m_strTemp.Empty();
    m_strTarget.Empty();
}

void CSafeFile::Close()
{
    Discard();
}

void CSafeFile::Abort()
{
    Discard();
}

CString CSafeFile::GetFilePath() const
{
    return m_strFileName;
}

CString CSafeFile::GetPendingPath() const
{
    return m_strTemp;
}
