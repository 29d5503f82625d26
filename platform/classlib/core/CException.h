// The class library's exceptions: thrown as pointers to heap objects, caught as pointers, and released
// by the catcher with Delete (which frees the object unless it is a static one, m_bAutoDelete false).
//
//   TRY { ... }
//   CATCH(CFileException, e) { ... e->Delete(); }
//   AND_CATCH(CException, e) { ... e->Delete(); }
//   END_CATCH
//
// The macros are plain try/catch of pointers: nothing is deleted for the catcher, and THROW_LAST
// rethrows the caught pointer unchanged (its dynamic type is kept). THROW(e) throws e with its static
// type, so throw the most derived pointer type. The AfxThrow* functions throw the exact type.
//
// Showing an exception to the user needs a message box, which the portable core does not have:
// ReportError passes the message to a reporter that the Win32 part installs (SetReporter); without
// one it shows nothing and returns 0.
#pragma once

#include "core/CObject.h"
#include "core/CString.h"

#include <cstdint>
#include <new>
#include <stdexcept>

class CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    // Shows an exception message: lpszText is the exception's message (empty when it has none),
    // nType the message-box style, nMessageID the string resource to fall back on. Returns the button
    // that closed the box.
    typedef int (*Reporter)(const char* lpszText, uint32_t nType, uint32_t nMessageID);

    // bAutoDelete: true for heap exceptions (Delete frees them), false for static ones.
    explicit CException(bool bAutoDelete = true);
    ~CException() override;

    // Releases the exception: deletes it when m_bAutoDelete is set, else does nothing.
    void Delete();

    // Copies the exception's message, cut to fit and always terminated, into lpszError (nMaxError
    // bytes). pnHelpContext, when given, receives 0. Returns false (and an empty text) when the
    // exception has no message. lpszError may be null only when nMaxError is 0.
    virtual bool GetErrorMessage(char* lpszError, uint32_t nMaxError, uint32_t* pnHelpContext = nullptr) const;

    // The exception's message as a string; empty when it has none.
    CString GetErrorText() const;

    // Shows the message through the installed reporter (see Reporter). Returns its result, or 0
    // when no reporter is installed.
    virtual int ReportError(uint32_t nType = 0, uint32_t nMessageID = 0);

    // Installs the reporter used by ReportError (null removes it). Returns the previous one.
    static Reporter SetReporter(Reporter pfnReporter);

    bool m_bAutoDelete;

protected:
    // Helper of GetErrorMessage: copies text into the caller's buffer. Returns true.
    static bool CopyMessage(const CString& text, char* lpszError, uint32_t nMaxError, uint32_t* pnHelpContext);
};

// Memory could not be allocated. AfxThrowMemoryException throws one static instance (never freed).
class CMemoryException : public CException {
    DECLARE_DYNAMIC(CMemoryException)
public:
    explicit CMemoryException(bool bAutoDelete = true) : CException(bAutoDelete) {}
    bool GetErrorMessage(char* lpszError, uint32_t nMaxError, uint32_t* pnHelpContext = nullptr) const override;
};

class CNotSupportedException : public CException {
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    explicit CNotSupportedException(bool bAutoDelete = true) : CException(bAutoDelete) {}
    bool GetErrorMessage(char* lpszError, uint32_t nMaxError, uint32_t* pnHelpContext = nullptr) const override;
};

// A resource (string, menu, bitmap, window) could not be loaded or created.
class CResourceException : public CException {
    DECLARE_DYNAMIC(CResourceException)
public:
    explicit CResourceException(bool bAutoDelete = true) : CException(bAutoDelete) {}
    bool GetErrorMessage(char* lpszError, uint32_t nMaxError, uint32_t* pnHelpContext = nullptr) const override;
};

// An operation was stopped after the user had been told why: it has no message of its own.
class CUserException : public CException {
    DECLARE_DYNAMIC(CUserException)
public:
    explicit CUserException(bool bAutoDelete = true) : CException(bAutoDelete) {}
};

// A caller passed a value the function cannot take (an index out of range, a null pointer, bad
// flags). m_strDetail names the function and the bad value.
class CInvalidArgException : public CException {
    DECLARE_DYNAMIC(CInvalidArgException)
public:
    explicit CInvalidArgException(const char* lpszDetail = nullptr);
    bool GetErrorMessage(char* lpszError, uint32_t nMaxError, uint32_t* pnHelpContext = nullptr) const override;
    CString m_strDetail;
};

// An archive could not be read or written. m_cause values are fixed (they reach callers' tests):
class CArchiveException : public CException {
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum {
        none = 0,
        generic = 1,    // any other failure (the archive was used after Close)
        readOnly = 2,   // writing into an archive opened for loading
        endOfFile = 3,  // the data ends before what is being read
        writeOnly = 4,  // reading from an archive opened for storing
        badIndex = 5,   // an object or class tag refers to nothing read before
        badClass = 6,   // unknown class name, not creatable, or not of the class asked for
        badSchema = 7   // the archived schema differs from the class's (class not versionable)
    };

    // cause: one of the values above; lpszArchiveName: the file's path (may be null).
    explicit CArchiveException(int cause = none, const char* lpszArchiveName = nullptr);
    bool GetErrorMessage(char* lpszError, uint32_t nMaxError, uint32_t* pnHelpContext = nullptr) const override;

    int m_cause;
    CString m_strFileName;
};

// A file operation failed. m_cause is one of the values below, m_lOsError the host's errno (-1 when
// none), m_strFileName the path.
class CFileException : public CException {
    DECLARE_DYNAMIC(CFileException)
public:
    enum {
        none = 0,
        generic = 1,
        fileNotFound = 2,
        badPath = 3,
        tooManyOpenFiles = 4,
        accessDenied = 5,
        invalidFile = 6,
        removeCurrentDir = 7,
        directoryFull = 8,
        badSeek = 9,
        hardIO = 10,
        sharingViolation = 11,
        lockViolation = 12,
        diskFull = 13,
        endOfFile = 14
    };

    explicit CFileException(int cause = none, int32_t lOsError = -1, const char* lpszFileName = nullptr);
    bool GetErrorMessage(char* lpszError, uint32_t nMaxError, uint32_t* pnHelpContext = nullptr) const override;

    // The cause that matches a host errno value (generic for values with no closer cause).
    static int ErrnoToException(int nErrno);

    // Throws a CFileException for the errno value nErrno and the file lpszFileName.
    [[noreturn]] static void ThrowErrno(int nErrno, const char* lpszFileName = nullptr);

    int m_cause;
    int32_t m_lOsError;
    CString m_strFileName;
};

// Throw a new exception of the named type (CMemoryException: the static instance).
[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowNotSupportedException();
[[noreturn]] void AfxThrowResourceException();
[[noreturn]] void AfxThrowUserException();
// lpszDetail: names the function and the bad value, e.g. "CArray::GetAt: index 7 outside 0..4".
[[noreturn]] void AfxThrowInvalidArgException(const char* lpszDetail);
// The same with the detail formatted by CString::Format's rules from lpszFormat and args.
template <class... Args>
[[noreturn]] void AfxThrowInvalidArgFormat(const char* lpszFormat, const Args&... args)
{
    CString text;
    text.Format(lpszFormat, args...);
    AfxThrowInvalidArgException(text);
}
// cause: CArchiveException cause; lpszArchiveName: path or null.
[[noreturn]] void AfxThrowArchiveException(int cause, const char* lpszArchiveName = nullptr);
// cause: CFileException cause; lOsError: errno or -1; lpszFileName: path or null.
[[noreturn]] void AfxThrowFileException(int cause, int32_t lOsError = -1, const char* lpszFileName = nullptr);

// Runs f, an operation of the standard library that may allocate, turning its allocation failures
// (std::bad_alloc, std::length_error) into the class library's CMemoryException.
template <class F>
void AfxAllocating(F f)
{
    try {
        f();
    } catch (const std::bad_alloc&) {
        AfxThrowMemoryException();
    } catch (const std::length_error&) {
        AfxThrowMemoryException();
    }
}

#define TRY try
#define CATCH(class_name, e) catch (class_name * e)
#define AND_CATCH(class_name, e) catch (class_name * e)
#define END_CATCH
#define CATCH_ALL(e) catch (CException * e)
#define AND_CATCH_ALL(e) catch (CException * e)
#define END_CATCH_ALL
#define THROW(e) throw e
#define THROW_LAST() throw
