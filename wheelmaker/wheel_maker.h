#pragma once
// The wheel maker: for v numbers, the first f of them fixed, and a promise "k if m", the smallest
// wheel it can find before a deadline or a stop request, proven case by case before it is handed
// back. With a most number of boards below what the promise needs, the boards that keep the
// promise in the largest share of its cases. Runs on the caller's thread (a window runs it on a
// worker thread) and tells a listener, on that thread, of each better wheel and of the time
// going by.

#include "wheelmaker/number_sets.h"
#include "wheelmaker/wheel_proof.h"
#include "wheelmaker/wheel_records.h"
#include "wheelmaker/wheel_request.h"
#include "wheels/wheel_catalogue.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orvane::wheelmaker {

// Where the search stands; told on every better wheel and about four times a second.
struct WheelProgress {
    int boards = 0;            // boards of the best wheel so far; 0 before the first
    bool keepsPromise = false; // false only while a cap keeps every wheel found from holding
    double shareMet = 0;       // share of the promise's cases that wheel keeps (1 when it holds)
    double seconds = 0;        // since the search started
};

struct MakeOptions {
    std::chrono::steady_clock::duration timeLimit = std::chrono::seconds(10);
    // Set to true from any thread to end the search; the best wheel so far is handed back.
    const std::atomic<bool>* stop = nullptr;
    std::function<void(const WheelProgress&)> progress;
    // Searches run side by side on this many threads, each with its own seed.
    int threads = 1;
    std::uint64_t seed = 1;
    // A wheel this small is enough: the search ends when it has one (the benchmark asks for the
    // best known size). The lower bound always ends it.
    std::optional<int> enoughBoards;
    // A wheel for the same request that keeps its promise (an earlier run's), to start from where
    // it has fewer boards than the starts the maker finds itself.
    std::vector<BoardPositions> startWheel;
    // Told, on the caller's thread, of each smaller wheel that keeps the promise (within the
    // cap), so that a long run can keep what it found as it goes.
    std::function<void(const std::vector<BoardPositions>& wheel)> betterWheel;
};

struct MadeWheel {
    std::string fault; // why the request cannot be made; empty otherwise (and then boards exist)
    // Positions 1..v, fixed ones 1..f on every board; sorted, no board repeated.
    std::vector<BoardPositions> boards;
    WheelProof proof; // the exhaustive check of exactly these boards
    KnownSizes known; // the best known size and the lower bound for the same request
    double seconds = 0;
    bool stopped = false; // ended by the stop request rather than the deadline or the bound

    bool keepsPromise() const { return proof.keepsPromise(); }
};

MadeWheel MakeWheel(const WheelRequest& request, const MakeOptions& options);

// Boards of free numbers (bit 0 the first number after the f fixed ones) as a wheel's positions:
// 1..f on every board, the free numbers after them; sorted, no board repeated.
std::vector<BoardPositions> PositionsOf(const std::vector<NumberSet>& boards, int fixed);

} // namespace orvane::wheelmaker
