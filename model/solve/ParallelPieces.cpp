#include "model/solve/ParallelPieces.h"

#include "core/CException.h"
#include "model/solve/LpProblem.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <exception>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

namespace {

// Lets go of a failure that is not reported: a class-library exception is thrown as a pointer to an
// object its catcher deletes.
void Discard(const std::exception_ptr& failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (CException* e) {
        e->Delete();
    } catch (...) {
    }
}

// The number of threads to run count pieces on.
size_t ThreadsFor(size_t count, int32_t threads)
{
    if (!LpLibraryAllowsThreads())
        return 1;
    size_t wanted = threads > 0 ? size_t(threads) : size_t(std::thread::hardware_concurrency());
    return std::max<size_t>(1, std::min(wanted, count));
}

} // namespace

void RunPiecesInOrder(size_t count, int32_t threads, const std::function<void(size_t piece)>& work)
{
    struct Piece {
        std::string output;
        std::exception_ptr failure;
    };
    std::vector<Piece> pieces(count);
    std::atomic<size_t> next{0};
    std::atomic<bool> failed{false};

    // Takes the next piece until none is left or one has failed. Catches everything: nothing may
    // leave a thread's function.
    auto runPieces = [&] {
        while (!failed.load()) {
            const size_t k = next.fetch_add(1);
            if (k >= count)
                return;
            Piece& piece = pieces[k];
            try {
                LpOutputCapture capture(piece.output);
                work(k);
                if (capture.LostOutput())
                    AfxThrowMemoryException();
            } catch (...) {
                piece.failure = std::current_exception();
                failed.store(true);
            }
        }
    };

    std::vector<std::thread> workers;
    const size_t helpers = ThreadsFor(count, threads) - 1;
    try {
        workers.reserve(helpers);
        for (size_t i = 0; i < helpers; ++i) {
            workers.emplace_back([&runPieces] {
                const LpThreadEnd end;
                runPieces();
            });
        }
    } catch (const std::system_error&) {
        // No further thread could be started: those running and the calling thread share the work.
    } catch (const std::bad_alloc&) {
    }
    runPieces();
    for (std::thread& worker : workers)
        worker.join();

    // Everything has ended: write what a run in order would have written, up to its first failure,
    // and end as it would have ended. Pieces after that one may have failed too: nobody sees those.
    std::exception_ptr first;
    for (Piece& piece : pieces) {
        if (first) {
            if (piece.failure)
                Discard(piece.failure);
            continue;
        }
        std::fwrite(piece.output.data(), 1, piece.output.size(), stdout);
        first = piece.failure;
    }
    std::fflush(stdout);
    if (first)
        std::rethrow_exception(first);
}
