// Purpose: libFuzzer target for the model-file loader: any bytes as a model file's JSON text; a
// model that loads must save and load again.
#include <cstddef>
#include <cstdint>
#include <string>

#include "host/Host.h"
#include "host/ModelFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    host::Model model;
    std::string error;
    if (!host::LoadModelText(text, "fuzz.json", model, error)) {
        // A refused file always says what was wrong.
        if (error.empty()) __builtin_trap();
        return 0;
    }
    // What was accepted round-trips: the saved text loads again with as many elements.
    host::Model again;
    std::string againError;
    if (!host::LoadModelText(host::ModelToText(model), "fuzz-saved.json", again, againError)) __builtin_trap();
    if (again.elements.size() != model.elements.size()) __builtin_trap();
    return 0;
}
