// CSharedFile: a memory file whose block is movable global memory (GMEM_MOVEABLE | GMEM_ZEROINIT |
// GMEM_DDESHARE), the form the clipboard takes. The grid's controls and clipboard operations write
// their text or archive into one and hand the block to SetClipboardData with Detach.
//
// - The block grows in steps of at least the grow size (4096 by default; CMemFile's geometric growth
//   beyond that). It stays locked while the file uses it.
// - Detach gives the block (unlocked) to the caller and leaves the file empty; the caller frees it, or
//   the clipboard does once SetClipboardData accepted it. SetHandle takes a block over: its whole size
//   is the file's contents, and the file frees it on Close or destruction.
// - Running out of global memory throws CMemoryException*, as CMemFile does.
#pragma once

#include "core/CMemFile.h"

#include <windows.h>

class CSharedFile : public CMemFile {
    DECLARE_DYNAMIC(CSharedFile)
public:
    // An empty file; nAllocFlags are added to GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE.
    explicit CSharedFile(UINT nAllocFlags = 0, UINT nGrowBytes = 4096);
    // Frees a block the file still holds.
    ~CSharedFile() override;

    // Hands the block to the caller (unlocked). Returns it; null when the file has none.
    HGLOBAL Detach();
    // Takes hGlobalMemory over (null: the file becomes empty). Its GlobalSize bytes are the contents;
    // with bAllowGrow the file may enlarge it, else a write beyond its end throws CMemoryException*.
    // A block that cannot be locked throws CMemoryException*.
    void SetHandle(HGLOBAL hGlobalMemory, BOOL bAllowGrow = TRUE);

protected:
    uint8_t* Realloc(uint8_t* lpMem, size_t nBytes) override;
    void Free(uint8_t* lpMem) override;

private:
    UINT m_nAllocFlags;
    UINT m_nBlockGrowBytes;  // the grow size SetHandle gives a growable block
    HGLOBAL m_hGlobalMemory = nullptr;  // the block; locked while the file holds it
};
