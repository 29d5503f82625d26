// CFile: a binary file on a host path (POSIX descriptor), the base of every file class of the library
// and what CArchive reads and writes.
//
// - Paths are host paths (the Win32 side converts dialog paths before handing them over); they are
//   kept as given (GetFilePath).
// - Sharing flags are accepted and ignored: POSIX has no mandatory locks. typeText and typeBinary
//   change nothing here (CStdioFile is the text class; neither translates line ends).
// - Failures throw CFileException* with the cause mapped from errno and the path; Open reports them
//   through its optional CFileException* instead. Misuse (bad flags, reading a closed file) throws
//   CInvalidArgException*.
// - The destructor closes an open file, ignoring errors: call Close to see them.
#pragma once

#include "core/CObject.h"
#include "core/CString.h"

#include <cstdint>

class CFileException;

class CFile : public CObject {
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags : uint32_t {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000
    };
    enum SeekPosition : uint32_t { begin = 0, current = 1, end = 2 };

    static const int hFileNull = -1;

    // A closed file.
    CFile();
    // Opens lpszFileName as Open does; failure throws the CFileException* that Open would fill.
    CFile(const char* lpszFileName, uint32_t nOpenFlags);
    ~CFile() override;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // Opens lpszFileName. nOpenFlags: one access mode (modeRead, modeWrite, modeReadWrite), optionally
    // modeCreate (create, or truncate an existing file unless modeNoTruncate), share and type flags.
    // Without modeCreate the file must exist. Returns true when the file is open; else false, with
    // *pError (when given) set to the cause, errno and path: fileNotFound for a missing file in an
    // existing folder, badPath for a missing folder, accessDenied for a folder or missing rights.
    // Throws CInvalidArgException* for contradictory flags or when this file is already open.
    virtual bool Open(const char* lpszFileName, uint32_t nOpenFlags, CFileException* pError = nullptr);

    // Reads up to nCount bytes into lpBuf. Returns the number read: fewer only at the end of file.
    virtual uint32_t Read(void* lpBuf, uint32_t nCount);
    // Writes nCount bytes from lpBuf, all of them (CFileException* with diskFull etc. otherwise).
    virtual void Write(const void* lpBuf, uint32_t nCount);
    // Moves the position to lOff from nFrom (begin, current, end). Returns the new position. A position
    // before the start throws CFileException* badSeek.
    virtual uint64_t Seek(int64_t lOff, uint32_t nFrom);
    // Moves the position to the end / the start. SeekToEnd returns the length.
    uint64_t SeekToEnd();
    void SeekToBegin();
    // The length of the file in bytes.
    virtual uint64_t GetLength() const;
    // Cuts or extends the file to nNewLen bytes.
    virtual void SetLength(uint64_t nNewLen);
    // The current position.
    virtual uint64_t GetPosition() const;
    // Writes the file's data through to the disk (fsync).
    virtual void Flush();
    // Closes the file; a failure throws CFileException* (the file is closed all the same).
    virtual void Close();
    // Closes the file, ignoring every error. Nothing happens when it is not open.
    virtual void Abort();
    // The path given to Open (empty when none).
    virtual CString GetFilePath() const;
    // True while the file is open.
    virtual bool IsOpen() const;

protected:
    // Opens through the (virtual) Open of the most derived class constructed so far; throws the
    // CFileException* that Open filled when it fails. For the path-taking constructors.
    void OpenOrThrow(const char* lpszFileName, uint32_t nOpenFlags);
    // Throws a CFileException* for errno nErrno and this file's path.
    [[noreturn]] void ThrowErrno(int nErrno) const;
    // Throws CInvalidArgException* naming lpszFunc when the file is not open.
    void CheckOpen(const char* lpszFunc) const;
    // The lseek/fseek origin of a Seek origin (begin, current, end); throws CInvalidArgException*
    // naming lpszClass and the bad value for any other.
    static int SeekOrigin(const char* lpszClass, uint32_t nFrom);
    // Validates nOpenFlags; returns the open(2) flags, or throws CInvalidArgException* naming them.
    static int PosixFlags(uint32_t nOpenFlags);
    // An Open that failed: fills pError (when not null) with the cause, errno nErrno (-1: none) and
    // the file name. Returns false, for Open to return.
    static bool OpenFailed(CFileException* pError, int nCause, int nErrno, const char* lpszFileName);

    int m_hFile;           // the descriptor, hFileNull when closed
    CString m_strFileName; // the path as given
};
