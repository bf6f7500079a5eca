#pragma once
// The exhaustive proof of a wheel: every case its promise is about (m drawn numbers among the v
// marked ones, every fixed number among them), and in how many of them some board holds k of the
// drawn numbers. Never boards times cases: either each board marks the cases it meets, or each
// case looks up its own (k-1)-sets among those the boards hold, whichever costs less.

#include "wheelmaker/wheel_request.h"
#include "wheels/wheel_catalogue.h"

#include <cstdint>
#include <span>
#include <string>

namespace orvane::wheelmaker {

struct WheelProof {
    // Empty when every board is five distinct positions in 1..v holding 1..f and no board repeats
    // another, else the first fault found.
    std::string shapeFault;
    std::int64_t cases = 0;
    std::int64_t casesMet = 0;

    bool keepsPromise() const { return shapeFault.empty() && cases > 0 && casesMet == cases; }
    double shareMet() const {
        return cases == 0 ? 0.0 : static_cast<double>(casesMet) / static_cast<double>(cases);
    }
};

// Proves `boards` (positions 1..v, fixed ones 1..f) against the request's promise; its board cap
// is not looked at.
WheelProof ProveWheel(std::span<const BoardPositions> boards, const WheelRequest& request);

} // namespace orvane::wheelmaker
