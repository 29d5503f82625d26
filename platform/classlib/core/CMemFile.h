// CMemFile: a file held in memory, for archives that go to the clipboard or copy objects.
//
// - The memory is one block from malloc, grown as writes need in steps of at least the grow size
//   (geometric growth beyond that, so large files do not copy quadratically). A memory file that
//   cannot grow (grow size 0 on an attached buffer, or allocation failure) throws CMemoryException*.
// - Seeking past the end is allowed; a later write there fills the gap with 0 bytes; reads past the
//   end return nothing.
// - Ownership: memory the file allocated is freed by Close or the destructor. An attached buffer
//   stays the caller's: it is never freed by the file; when the grow size is not 0 the file may
//   reallocate it (so it must come from malloc), and Detach tells where it went.
// - The handle and path are empty; Flush does nothing.
// - A derived file keeps its block elsewhere by overriding Realloc and Free (CSharedFile uses a movable
//   global block); it frees its block in its own destructor, since the base's destructor no longer
//   reaches the override.
#pragma once

#include "core/CFile.h"

#include <cstddef>
#include <cstdint>

class CMemFile : public CFile {
    DECLARE_DYNAMIC(CMemFile)
public:
    // An empty memory file that grows in steps of nGrowBytes (0 is taken as 1024).
    explicit CMemFile(uint32_t nGrowBytes = 1024);
    // A memory file over the caller's buffer (see Attach).
    CMemFile(uint8_t* lpBuffer, uint32_t nBufferSize, uint32_t nGrowBytes = 0);
    ~CMemFile() override;

    // Makes the file use lpBuffer (nBufferSize bytes, from malloc when nGrowBytes is not 0). With
    // nGrowBytes 0 the file's contents are the whole buffer and it cannot grow; otherwise the file
    // starts empty and grows in steps of nGrowBytes. The previous contents are dropped first.
    // Throws CInvalidArgException* for a null buffer with a non-zero size.
    void Attach(uint8_t* lpBuffer, uint32_t nBufferSize, uint32_t nGrowBytes = 0);
    // Hands the memory block to the caller (who frees it with free()) and leaves the file empty.
    // Returns the block (null when the file has none); its first GetLength() bytes are the contents.
    uint8_t* Detach();

    uint32_t Read(void* lpBuf, uint32_t nCount) override;
    void Write(const void* lpBuf, uint32_t nCount) override;
    uint64_t Seek(int64_t lOff, uint32_t nFrom) override;
    uint64_t GetLength() const override;
    void SetLength(uint64_t nNewLen) override;
    uint64_t GetPosition() const override;
    void Flush() override;
    // Frees memory the file owns and leaves it empty.
    void Close() override;
    void Abort() override;
    CString GetFilePath() const override;
    bool IsOpen() const override;

protected:
    // Resizes lpMem (null: a new block) to nBytes, keeping its contents; null when memory runs out.
    virtual uint8_t* Realloc(uint8_t* lpMem, size_t nBytes);
    // Frees a block that Realloc made.
    virtual void Free(uint8_t* lpMem);
    // Makes lpBlock (from Realloc, owned by the file from now on) the file's memory: nBlockSize bytes
    // of which the first nFileSize are the contents; the file grows in steps of nGrowBytes (0: it
    // cannot grow). The previous contents are dropped first.
    void AttachOwned(uint8_t* lpBlock, size_t nBlockSize, size_t nFileSize, size_t nGrowBytes);
    // Gives the block up without freeing it (the file is left empty). Returns it.
    uint8_t* DetachBlock();
    // Frees memory the file owns and leaves it empty.
    void FreeOwned();

private:
    // Makes the block at least nNewSize bytes (CMemoryException* when it cannot).
    void GrowFile(size_t nNewSize);

    uint8_t* m_lpBuffer = nullptr;
    size_t m_nBufferSize = 0;
    size_t m_nFileSize = 0;
    size_t m_nPosition = 0;
    size_t m_nGrowBytes;
    bool m_bAutoDelete = true;  // the file owns m_lpBuffer
};
