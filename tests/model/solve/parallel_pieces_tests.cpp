// Pieces of work spread over threads look, from outside, as if one thread had run them in order: the
// linear-programming library's lines come out piece by piece, and the first failure in order is the
// one that ends the run.
#include "StandardOutputCapture.h"
#include "Throws.h"

#include "core/CException.h"
#include "model/solve/LpProblem.h"
#include "model/solve/ParallelPieces.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

namespace {

// Piece k solves a program of k + 1 rows (x + y <= 1 written k + 1 times), so that the library's
// lines of each piece are told apart by their row count.
void SolveProgramOfPiece(size_t k)
{
    LpProblem lp;
    lp.sense = 1;
    lp.objective = {1, 1};
    lp.rows.assign(k + 1, {1, 1, 1});
    lp.rowSenses.assign(k + 1, -1);
    lp.Solve();
}

// What the pieces 0 .. count - 1 print when the calling thread solves them one after another itself.
std::string OutputInOrder(size_t count)
{
    StandardOutputCapture output;
    for (size_t k = 0; k < count; ++k)
        SolveProgramOfPiece(k);
    return output.Finish();
}

TEST(RunPiecesInOrder, TheLibrarysLinesComeOutPieceByPieceWhateverTheThreads)
{
    const size_t count = 24;
    const std::string inOrder = OutputInOrder(count);
    ASSERT_NE(inOrder.find("24 rows"), std::string::npos) << inOrder;
    for (int32_t threads : {1, 3, 8, 0}) {
        SCOPED_TRACE(threads);
        StandardOutputCapture output;
        RunPiecesInOrder(count, threads, SolveProgramOfPiece);
        EXPECT_EQ(output.Finish(), inOrder);
    }
}

TEST(RunPiecesInOrder, TheFirstFailureInOrderEndsTheRunEvenWhenALaterOneCameFirst)
{
    // Piece 1 waits (at most a few seconds) until piece 5 has failed, then fails itself: the run ends
    // as one thread would have ended it, with piece 1's failure and the lines of pieces 0 and 1.
    std::atomic<bool> fiveFailed{false};
    auto work = [&fiveFailed](size_t k) {
        SolveProgramOfPiece(k);
        if (k == 5) {
            fiveFailed.store(true);
            AfxThrowInvalidArgFormat("piece %d", int(k));
        }
        if (k == 1) {
            const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
            while (!fiveFailed.load() && std::chrono::steady_clock::now() < until)
                std::this_thread::yield();
            AfxThrowInvalidArgFormat("piece %d", int(k));
        }
    };
    StandardOutputCapture output;
    std::string message;
    try {
        RunPiecesInOrder(8, 4, work);
    } catch (CInvalidArgException* e) {
        char text[64] = "";
        e->GetErrorMessage(text, sizeof text);
        e->Delete();
        message = text;
    }
    const std::string printed = output.Finish();
    EXPECT_EQ(message, "Invalid argument: piece 1.");
    EXPECT_EQ(printed, OutputInOrder(2));
}

} // namespace
