// RunPiecesInOrder: independent pieces of work of a solve spread over threads, with what the caller
// sees kept as if one thread had run them one after another.
//
// Does not yet: stop the pieces already running when one fails (they run to their end, and the work
// of those after the failed one is dropped), or share out the work of one piece.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

// Runs work(piece) for every piece 0 .. count - 1, on up to `threads` threads, the calling thread
// among them (0: the machine's hardware concurrency). Never more threads than pieces, and the calling
// thread alone where the linear-programming library keeps one environment for the whole process or
// where no other thread can be started. Pieces are started in order, each on one thread.
//
// What the caller sees does not depend on the number of threads or on how the pieces fell to them:
// - the progress lines the library writes during each piece are captured and written to standard
//   output once every piece has ended, piece by piece in order;
// - when pieces fail (work throws, or a piece's output could not be kept: a CMemoryException), no
//   piece is started after the failure is seen, and once every thread has ended the output of the
//   pieces before the first failed one in order and that piece's own output are written, and its
//   exception is rethrown, as a run of the pieces one after another would have ended.
// Returns once every thread has ended; no thread is left running, whatever happens.
//
// work runs on several threads at once: it must write nothing that another piece writes or reads,
// and what it writes must not be read before RunPiecesInOrder returns. It must not let its own
// problem objects of the library outlive the piece.
void RunPiecesInOrder(size_t count, int32_t threads, const std::function<void(size_t piece)>& work);
