// Purpose: libFuzzer target for the model readers, healing and the check: any bytes, read as a
// CityJSON, CityJSONSeq, CityGML or model file (by sniffing, as `tevaro import` does), then
// healed and checked; nothing may crash, hang or leak, whatever the file holds.
#include <cstddef>
#include <cstdint>
#include <string>

#include "import/Check.h"
#include "import/Readers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    // The first byte picks the name the file goes by, so each reader's sniff is reached.
    static const char* const kNames[] = {"f.city.json", "f.city.jsonl", "f.gml", "f.json"};
    const std::string name = size > 0 ? kNames[data[0] % 4] : "f.json";
    import::ReadOptions read;
    import::Json doc;
    import::Report report;
    std::string error;
    if (!import::ReadModelDoc(text, name, read, doc, report, error)) return 0;
    import::LoadOptions load;
    import::PrepareModelDoc(doc, load, report);
    return 0;
}
