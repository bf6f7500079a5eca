#include "results/draw.h"

namespace orvane {

bool HasRepeatedMainNumber(const Draw& draw) {
    for (std::size_t i = 0; i < draw.main.size(); ++i)
        for (std::size_t j = i + 1; j < draw.main.size(); ++j)
            if (draw.main[i] == draw.main[j])
                return true;
    return false;
}

} // namespace orvane
