#pragma once
// When a search must end: at its deadline or when the player asks it to stop. Reading the clock
// costs, so a search asks `expired()` often and the clock is read on every 64th call only.

#include <atomic>
#include <chrono>

namespace orvane::wheelmaker {

class SearchClock final {
  public:
    using Clock = std::chrono::steady_clock;

    SearchClock(Clock::time_point deadline, const std::atomic<bool>* stop)
        : m_started(Clock::now()), m_deadline(deadline), m_stop(stop) {}

    bool expired() const {
        if (m_ended)
            return true;
        if ((++m_calls & 63) != 0)
            return false;
        return expiredNow();
    }
    bool expiredNow() const {
        if ((m_stop && m_stop->load(std::memory_order_relaxed)) || Clock::now() >= m_deadline)
            m_ended = true;
        return m_ended;
    }
    bool stopRequested() const { return m_stop && m_stop->load(std::memory_order_relaxed); }
    double elapsedSeconds() const {
        return std::chrono::duration<double>(Clock::now() - m_started).count();
    }
    Clock::time_point deadline() const { return m_deadline; }
    const std::atomic<bool>* stop() const { return m_stop; }

    // A clock for part of this search: ends at `deadline` or this one's, whichever comes first.
    SearchClock part(Clock::time_point deadline) const {
        return SearchClock(std::min(deadline, m_deadline), m_stop);
    }

  private:
    Clock::time_point m_started;
    Clock::time_point m_deadline;
    const std::atomic<bool>* m_stop;
    mutable unsigned m_calls = 0;
    mutable bool m_ended = false;
};

} // namespace orvane::wheelmaker
