// The formula engine's tracked allocations (GX_ENGINE_MEMOBJ_STATE).
//
// Every heap block the engine takes for formulas, texts, names and saved cells comes from EngineAlloc
// and stays listed until EngineFree gives it back. Work abandoned halfway (an evaluation stopped by an
// error, a parse that fails) may leave blocks listed that nothing points at any more;
// EngineFreeTrackedBlocks frees whatever is still listed, so such work leaks nothing in the end.
//
// The list is process-wide and not thread-safe: the engine runs on the user-interface thread only.
// Blocks are zero-filled and aligned for any type.
#pragma once

#include <cstddef>
#include <cstdint>

// Returns a new zero-filled block of nBytes (at least 1 byte is taken for 0), listed as tracked.
// Throws CMemoryException* when the memory cannot be had.
void* EngineAlloc(size_t nBytes);

// Frees a block that EngineAlloc returned and takes it off the list; null does nothing. The block
// must still be listed (not freed before, not freed by EngineFreeTrackedBlocks).
void EngineFree(void* pBlock);

// Returns a tracked copy of the text psz (null: ""), cut to nMaxLength characters when nMaxLength is
// 0 or more. Throws CMemoryException* when the memory cannot be had.
char* EngineStrDup(const char* psz, int32_t nMaxLength = -1);

// Returns the number of blocks listed now.
int32_t EngineTrackedBlockCount();

// Frees every block still listed and empties the list. Call it only when nothing of the engine
// points at them any more (the engine's process-wide reset does).
void EngineFreeTrackedBlocks();
