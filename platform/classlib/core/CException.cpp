#include "core/CException.h"

#include <cerrno>
#include <cstring>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CException)
IMPLEMENT_DYNAMIC(CResourceException, CException)
IMPLEMENT_DYNAMIC(CUserException, CException)
IMPLEMENT_DYNAMIC(CInvalidArgException, CException)
IMPLEMENT_DYNAMIC(CArchiveException, CException)
IMPLEMENT_DYNAMIC(CFileException, CException)

namespace {

CException::Reporter g_pfnReporter = nullptr;

} // namespace

CException::CException(bool bAutoDelete) : m_bAutoDelete(bAutoDelete)
{
}

CException::~CException() = default;

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

bool CException::CopyMessage(const CString& text, char* lpszError, uint32_t nMaxError, uint32_t* pnHelpContext)
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    if (lpszError != nullptr && nMaxError != 0) {
        uint32_t n = uint32_t(text.GetLength());
        if (n > nMaxError - 1)
            n = nMaxError - 1;
        std::memcpy(lpszError, text.GetString(), n);
        lpszError[n] = '\0';
    }
    return true;
}

bool CException::GetErrorMessage(char* lpszError, uint32_t nMaxError, uint32_t* pnHelpContext) const
{
    CopyMessage(CString(), lpszError, nMaxError, pnHelpContext);
    return false;
}

CString CException::GetErrorText() const
{
    char buf[1024];
    if (!GetErrorMessage(buf, sizeof buf))
        return CString();
    return CString(buf);
}

int CException::ReportError(uint32_t nType, uint32_t nMessageID)
{
    if (g_pfnReporter == nullptr)
        return 0;
    const CString text = GetErrorText();
    return g_pfnReporter(text, nType, nMessageID);
}

CException::Reporter CException::SetReporter(Reporter pfnReporter)
{
    const Reporter old = g_pfnReporter;
    g_pfnReporter = pfnReporter;
    return old;
}

bool CMemoryException::GetErrorMessage(char* lpszError, uint32_t nMaxError, uint32_t* pnHelpContext) const
{
    return CopyMessage("Out of memory.", lpszError, nMaxError, pnHelpContext);
}

bool CNotSupportedException::GetErrorMessage(char* lpszError, uint32_t nMaxError, uint32_t* pnHelpContext) const
{
    return CopyMessage("This operation is not supported.", lpszError, nMaxError, pnHelpContext);
}

bool CResourceException::GetErrorMessage(char* lpszError, uint32_t nMaxError, uint32_t* pnHelpContext) const
{
    return CopyMessage("A required resource could not be loaded.", lpszError, nMaxError, pnHelpContext);
}

CInvalidArgException::CInvalidArgException(const char* lpszDetail) : m_strDetail(lpszDetail)
{
}

bool CInvalidArgException::GetErrorMessage(char* lpszError, uint32_t nMaxError, uint32_t* pnHelpContext) const
{
    CString text = "Invalid argument";
    if (!m_strDetail.IsEmpty())
        text += ": " + m_strDetail;
    return CopyMessage(text + ".", lpszError, nMaxError, pnHelpContext);
}

CArchiveException::CArchiveException(int cause, const char* lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName)
{
}

bool CArchiveException::GetErrorMessage(char* lpszError, uint32_t nMaxError, uint32_t* pnHelpContext) const
{
    const char* what;
    switch (m_cause) {
    case none:
        what = "No error occurred";
        break;
    case readOnly:
        what = "An archive opened for loading was written to";
        break;
    case endOfFile:
        what = "The data ended unexpectedly";
        break;
    case writeOnly:
        what = "An archive opened for storing was read from";
        break;
    case badIndex:
        what = "The data refers to an object that was not read";
        break;
    case badClass:
        what = "The data holds an object of an unexpected or unknown class";
        break;
    case badSchema:
        what = "The data was written by a different version of the program";
        break;
    default:
        what = "The data could not be read or written";
        break;
    }
    CString text = what;
    if (!m_strFileName.IsEmpty())
        text += " in " + m_strFileName;
    return CopyMessage(text + ".", lpszError, nMaxError, pnHelpContext);
}

CFileException::CFileException(int cause, int32_t lOsError, const char* lpszFileName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszFileName)
{
}

bool CFileException::GetErrorMessage(char* lpszError, uint32_t nMaxError, uint32_t* pnHelpContext) const
{
    const char* what;
    switch (m_cause) {
    case none:
        what = "No error occurred with %s.";
        break;
    case fileNotFound:
        what = "%s was not found.";
        break;
    case badPath:
        what = "%s contains an invalid path.";
        break;
    case tooManyOpenFiles:
        what = "%s could not be opened because there are too many open files.";
        break;
    case accessDenied:
        what = "Access to %s was denied.";
        break;
    case invalidFile:
        what = "An invalid file handle was used with %s.";
        break;
    case removeCurrentDir:
        what = "%s could not be removed because it is the current folder.";
        break;
    case directoryFull:
        what = "%s could not be created because the folder is full.";
        break;
    case badSeek:
        what = "Seek failed on %s.";
        break;
    case hardIO:
        what = "A hardware input/output error was reported while accessing %s.";
        break;
    case sharingViolation:
        what = "A sharing violation occurred while accessing %s.";
        break;
    case lockViolation:
        what = "A locking violation occurred while accessing %s.";
        break;
    case diskFull:
        what = "The disk is full while accessing %s.";
        break;
    case endOfFile:
        what = "An attempt was made to access %s past its end.";
        break;
    default:
        what = "An unexpected error occurred while accessing %s.";
        break;
    }
    CString text;
    text.Format(what, m_strFileName.IsEmpty() ? CString("an unnamed file") : m_strFileName);
    return CopyMessage(text, lpszError, nMaxError, pnHelpContext);
}

int CFileException::ErrnoToException(int nErrno)
{
    switch (nErrno) {
    case 0:
        return none;
    case ENOENT:
        return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL:
        return badPath;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EEXIST:
    case ETXTBSY:
        return accessDenied;
    case EBADF:
        return invalidFile;
    case EBUSY:
        return sharingViolation;
    case ESPIPE:
        return badSeek;
    case EIO:
        return hardIO;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return diskFull;
    default:
        return generic;
    }
}

void CFileException::ThrowErrno(int nErrno, const char* lpszFileName)
{
    AfxThrowFileException(ErrnoToException(nErrno), nErrno, lpszFileName);
}

void AfxThrowMemoryException()
{
    // one static instance: there may be no memory to allocate a new one
    static CMemoryException s_memoryException(false);
    throw &s_memoryException;
}

void AfxThrowNotSupportedException()
{
    throw new CNotSupportedException;
}

void AfxThrowResourceException()
{
    throw new CResourceException;
}

void AfxThrowUserException()
{
    throw new CUserException;
}

void AfxThrowInvalidArgException(const char* lpszDetail)
{
    throw new CInvalidArgException(lpszDetail);
}

void AfxThrowArchiveException(int cause, const char* lpszArchiveName)
{
    throw new CArchiveException(cause, lpszArchiveName);
}

void AfxThrowFileException(int cause, int32_t lOsError, const char* lpszFileName)
{
    throw new CFileException(cause, lOsError, lpszFileName);
}
