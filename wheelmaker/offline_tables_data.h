#pragma once
// The texts of wheelmaker/tables/*.txt, built in at configure time (offline_tables_data.cpp.in).

#include <span>

namespace orvane::wheelmaker {

struct OfflineTableText {
    int numbers = 0;
    int boardSize = 0;
    int k = 0;
    int m = 0;
    const char* text = nullptr;
};

std::span<const OfflineTableText> OfflineTableTexts();

} // namespace orvane::wheelmaker
