#include "wheelmaker/wheel_records.h"

#include "wheelmaker/cover_search.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace orvane::wheelmaker {

extern const char kWheelRecordsCsv[];

namespace {

// The fields of one line; a field in double quotes may hold commas.
std::vector<std::string> fieldsOf(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (const char c : line) {
        if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted)
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

std::vector<WheelRecord> parseRecords() {
    std::vector<WheelRecord> records;
    std::istringstream in(kWheelRecordsCsv);
    std::string line;
    std::getline(in, line); // the heading
    while (std::getline(in, line)) {
        const auto f = fieldsOf(line);
        if (f.size() < 6 || f[0].empty())
            continue;
        WheelRecord r;
        r.numbers = std::stoi(f[0]);
        r.k = std::stoi(f[1]);
        r.m = std::stoi(f[2]);
        if (!f[3].empty())
            r.bestKnown = std::stoi(f[3]);
        r.lowerBound = std::stoi(f[4]);
        r.source = f[5];
        records.push_back(std::move(r));
    }
    return records;
}

} // namespace

std::span<const WheelRecord> WheelRecords() {
    static const std::vector<WheelRecord> records = parseRecords();
    return records;
}

std::optional<WheelRecord> FindWheelRecord(int numbers, int k, int m) {
    for (const auto& r : WheelRecords())
        if (r.numbers == numbers && r.k == k && r.m == m)
            return r;
    return std::nullopt;
}

KnownSizes KnownSizesFor(const WheelRequest& request) {
    KnownSizes known;
    const CoverProblem problem = ProblemOf(request);
    known.lowerBound = CountingBound(problem);
    if (problem.k <= 0) {
        known.bestKnown = 1;
        return known;
    }
    if (request.fixed == 0)
        if (const auto r = FindWheelRecord(request.numbers, request.k, request.m)) {
            known.bestKnown = r->bestKnown;
            known.lowerBound = std::max(known.lowerBound, r->lowerBound);
            known.source = r->source;
        }
    return known;
}

} // namespace orvane::wheelmaker
