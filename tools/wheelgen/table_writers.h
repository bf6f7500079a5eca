#pragma once
// Renders the proven tables as the generated C++ source and as the documentation page.

#include "wheels/wheel_verifier.h"

#include <string>
#include <vector>

namespace orvane::wheelgen {

struct ProvenTable {
    int index; // catalogue index
    std::vector<BoardPositions> rows;
    TableCheck check;
};

// wheels/generated_tables.cpp for the reduced systems in `tables`.
std::string GeneratedTablesSource(const std::vector<ProvenTable>& tables,
                                  const std::string& command);

// docs/wheels.md: every system of the catalogue with its proof and its share beyond the guarantee.
std::string WheelsDocument(const std::vector<ProvenTable>& tables, const std::string& command);

// "k if m" as text.
std::string GuaranteeText(Guarantee g);

} // namespace orvane::wheelgen
