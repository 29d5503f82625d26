// CSafeFile: the safe save every writer of the program uses. Writing goes to a new temporary file
// beside the target; Commit flushes it, syncs it to disk and renames it over the target in one step.
// Until then the target is untouched: a save that fails, throws, is aborted, or is simply never
// committed (Close, Abort, destruction) removes the temporary file and leaves the previous file as
// it was.
//
//   CSafeFile file;
//   CFileException error;
//   if (!file.Open(path, CFile::modeCreate | CFile::modeWrite, &error)) ...report error...
//   file.WriteString(...);           // or a storing CArchive over &file, closed before Commit
//   file.Commit();                   // throws CFileException* when the save cannot be completed
//
// The new file gets the old file's permission bits (or the usual ones for a new file); when the
// target is a symbolic link the file it points to is replaced, or created when the link names a file
// that does not exist (in a folder that does not exist, Open fails with badPath, as it does for a
// chain of links that loops), and the link stays. An existing target that may not be
// written is not replaced: one without any write permission bit (read-only, whoever saves) or one
// the saving user may not write fails Open with accessDenied, as a read-only file does on Windows.
#pragma once

#include "core/CStdioFile.h"

#include <cstdint>

class CSafeFile : public CStdioFile {
    DECLARE_DYNAMIC(CSafeFile)
public:
    CSafeFile();
    // Removes the temporary file when Commit was not called.
    ~CSafeFile() override;

    // Starts a save of lpszFileName: creates the temporary file beside it. nOpenFlags must hold
    // modeCreate and modeWrite or modeReadWrite, and not modeNoTruncate (CInvalidArgException*
    // otherwise). Returns false with *pError (when given) filled when the temporary file cannot be
    // made (for example badPath when the folder does not exist, accessDenied when it is read-only)
    // or when the existing target may not be written (accessDenied); nothing is created then.
    bool Open(const char* lpszFileName, uint32_t nOpenFlags = modeCreate | modeWrite,
              CFileException* pError = nullptr) override;

    // Completes the save: flush, fsync, close, rename over the target, sync the folder. On failure
    // the temporary file is removed, the target is left as it was, and CFileException* is thrown
    // with the target's path. Throws CInvalidArgException* when no save is open.
    void Commit();

    // Abandons the save (the temporary file is removed; the target is untouched). Not an error.
    void Close() override;
    void Abort() override;

    // The target's path (what the user asked to save to).
    CString GetFilePath() const override;
    // The temporary file's path while a save is open, else empty.
    CString GetPendingPath() const;

private:
    void Discard();

    CString m_strTarget;
    CString m_strTemp;
};
