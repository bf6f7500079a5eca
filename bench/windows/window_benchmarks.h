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

// "<what>/sys13/252boards", and the same followed by "/baseline:<how>" for its baseline.
std::string BenchmarkName(const char* what, int systemIndex);
std::string BaselineName(const char* what, int systemIndex, const char* how);

// Stops `state` with an error naming the message box that came up, if one did.
void FailOnMessage(benchmark::State& state, const BenchProgram& program);

} // namespace orvane::bench
