// CStdioFile: a buffered file (C stdio stream) with line input and output, for the text files of the
// program.
//
// Text conventions: lines are written exactly as given (the program writes LF line ends); ReadString
// accepts LF and CR LF line ends. No other translation happens, in text or binary mode.
// Reading and writing the same stream may be mixed freely (the stream is repositioned in between).
#pragma once

#include "core/CFile.h"

#include <cstdint>
#include <cstdio>

class CStdioFile : public CFile {
    DECLARE_DYNAMIC(CStdioFile)
public:
    // A closed file.
    CStdioFile();
    // Opens lpszFileName as Open does; failure throws the CFileException* that Open would fill.
    CStdioFile(const char* lpszFileName, uint32_t nOpenFlags);
    ~CStdioFile() override;

    // As CFile::Open, with a stdio stream over the file.
    bool Open(const char* lpszFileName, uint32_t nOpenFlags, CFileException* pError = nullptr) override;

    // Reads the next line into rString without its line end (LF, or CR LF). Returns false at the end
    // of the file when nothing was left to read; a last line without a line end is returned.
    virtual bool ReadString(CString& rString);
    // Reads at most nMax - 1 bytes, stopping after a line feed, into lpsz and terminates it; a CR LF
    // line end is stored as a single LF (the line end is kept, as the stdio form does). Returns lpsz,
    // or null at the end of the file. nMax must be at least 2 (else CInvalidArgException*).
    virtual char* ReadString(char* lpsz, uint32_t nMax);
    // Writes the text as it stands, without adding a line end (null: CInvalidArgException*).
    virtual void WriteString(const char* lpsz);

    uint32_t Read(void* lpBuf, uint32_t nCount) override;
    void Write(const void* lpBuf, uint32_t nCount) override;
    uint64_t Seek(int64_t lOff, uint32_t nFrom) override;
    uint64_t GetLength() const override;
    void SetLength(uint64_t nNewLen) override;
    uint64_t GetPosition() const override;
    // Passes buffered output to the system (fflush); not a disk sync.
    void Flush() override;
    void Close() override;
    void Abort() override;
    bool IsOpen() const override;

    FILE* m_pStream;  // the stream, null when closed

protected:
    // Repositions the stream when switching between reading and writing (C requires it).
    void PrepareFor(bool bWriting);
    // Adopts an open descriptor as this file's stream (closing it on failure). Returns 0 or errno.
    int AttachDescriptor(int fd, uint32_t nOpenFlags, const char* lpszFileName);

    int m_nLastOp = 0;  // 0 none, 1 read, 2 write
};
