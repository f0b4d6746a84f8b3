// Purpose: builds the model text of a housing estate: N houses of mixed roof shapes laid out in a
// grid (or in terraced rows that touch), with chimneys, skylights, fire walls and fills.
#pragma once

#include <cstdint>
#include <string>

namespace tevaro_test {

struct EstateOptions {
    int houses = 1;          // number of houses
    uint32_t seed = 0;       // 0: the fixed mix (shapes in turn, fixed sizes); otherwise random sizes and shapes
    bool terraced = false;   // houses of a row stand side by side, their roofs meeting along verges
    double spacing = 30.0;   // grid pitch in metres (detached houses)
};

// The model file text of the estate; every roof, wall and fill is selected.
std::string EstateModel(const EstateOptions& options);

}  // namespace tevaro_test
