#pragma once
// The benchmarks of the windows that go through every board of a system, each registered for
// the given systems next to a baseline doing the same visible work with bare Qt.

#include <string>
#include <vector>

namespace benchmark {
class State;
}

namespace orvane::bench {

class BenchProgram;

void RegisterListWindowBenchmarks(const std::vector<int>& systems);
void RegisterComparisonBenchmarks(const std::vector<int>& systems);
void RegisterBoardsViewBenchmarks(const std::vector<int>& systems);
void RegisterTicketPrintingBenchmarks(const std::vector<int>& systems);
void RegisterListPrintingBenchmarks(const std::vector<int>& systems);
// The draw history's check of every draw kept, 4,000 of them, against a plain loop; importing
// them, and opening the window with them kept.
void RegisterDrawHistoryBenchmarks(const std::vector<int>& systems);
// The wheel profile, timed until painted with manual time (the click to the paint).
void RegisterWheelProfileBenchmarks(const std::vector<int>& systems);

// The Make a wheel window repainted while the wheel maker searches on its thread.
void RegisterMakeWheelBenchmarks(const std::vector<int>& systems);

// Registers `measured` as "<what>/sys13/252boards" for each system, each followed by `baseline`
// as "<what>/sys13/252boards/baseline:<how>", both timed in wall-clock milliseconds.
using SystemBenchmark = void (*)(benchmark::State& state, int systemIndex);
void RegisterAgainstBaseline(const char* what, SystemBenchmark measured, const char* how,
                             SystemBenchmark baseline, const std::vector<int>& systems);

// Stops `state` with an error naming the message box that came up, if one did.
void FailOnMessage(benchmark::State& state, const BenchProgram& program);

} // namespace orvane::bench
