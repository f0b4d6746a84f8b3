// Purpose: a whole user session on generated estates, phase by phase: open the model file, the
// tiling run up to the edge palette, finalize, save, load the saved file again. Each size runs in a
// process of its own (peak memory is per process); the estate file with explicit planes is written
// beforehand by another process, so neither the generator nor the roof skeleton is timed.
#include "bench/SessionBench.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "Common_src/AddOnState.h"
#include "common/EstateGenerator.h"
#include "common/EstateRun.h"
#include "host/ElementDatabase.h"
#include "host/DialogManager.h"
#include "host/Host.h"
#include "host/ModelFile.h"
#include "objectlib/ObjectLibScripts.h"
#include "objectlib/Quantities.h"
#include "roofgeom/EdgeIndex.h"

namespace tevaro_bench {
namespace {

namespace fs = std::filesystem;

// The estate sizes of the table unless the command line names others.
const int kDefaultSizes[] = {100, 1000, 10000};
// The largest estate the all-pairs search is run on (it grows with the square of the planes).
constexpr int kAllPairsMaxHouses = 100;
// Phases of a session, in order; their times are reported one by one and added up.
const char* const kPhaseNames[] = {"open", "tiling run", "finalize", "save", "load"};
constexpr int kPhaseCount = 5;

// What one session child reports.
struct SessionFigures {
    bool ok = false;
    int houses = 0;
    long planes = 0;
    double seconds[kPhaseCount] = {};  // each phase alone, wall clock
    double cpu[kPhaseCount] = {};      // each phase alone, processor time (a busy machine does not inflate it)
    long peakKb[kPhaseCount] = {};     // the process's peak resident memory at the end of each phase
    long fileBytes = 0;                // the saved model
    long objects = 0;                  // placed objects in the saved model
    unsigned long long csvHash = 0;    // the quantities CSV
    unsigned long long fileHash = 0;   // the saved model file
    int roundTrip = 0;                 // 1: load gave the same quantities and save-load-save the same file
};

// Seconds since `start`, wall clock.
double Since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Processor time of this process, seconds.
double CpuNow() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + 1e-9 * double(t.tv_nsec);
}

// The peak resident memory of this process so far, kB (VmHWM); 0 when the system does not say.
long PeakKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
    return 0;
}

// FNV-1a of a text: two outputs compared across processes by one number each.
unsigned long long Fnv1a(const std::string& text) {
    unsigned long long h = 1469598103934665603ull;
    for (unsigned char c : text) h = (h ^ c) * 1099511628211ull;
    return h;
}

// The whole text of a file ("" when it cannot be read).
std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The quantities CSV of the session's project.
std::string QuantitiesText() { return objectlib::QuantitiesCsvText(objectlib::CollectProjectQuantities()); }

// Runs a command and returns its standard output.
std::string CommandOutput(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return out;
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    pclose(pipe);
    return out;
}

// Reads the figures line a session child printed ("SESSION ..."); ok false when there is none.
SessionFigures ParseFigures(const std::string& output) {
    SessionFigures f;
    const size_t at = output.find("SESSION ");
    if (at == std::string::npos) return f;
    std::istringstream in(output.substr(at + 8));
    in >> f.houses >> f.planes;
    for (double& s : f.seconds) in >> s;
    for (double& s : f.cpu) in >> s;
    for (long& kb : f.peakKb) in >> kb;
    in >> f.fileBytes >> f.objects >> f.csvHash >> f.fileHash >> f.roundTrip;
    f.ok = bool(in);
    return f;
}

// Runs one session of `houses` in a child process (estate file written by another child first).
SessionFigures RunChild(const std::string& self, int houses, bool allPairs, const fs::path& folder) {
    const fs::path estate = folder / ("estate-" + std::to_string(houses) + ".json");
    if (!fs::exists(estate)) {
        const std::string make = "\"" + self + "\" --make_estate " + std::to_string(houses) + " \"" + estate.string() + "\"";
        if (std::system(make.c_str()) != 0) return SessionFigures{};
    }
    const std::string run = "\"" + self + "\" --session_child \"" + estate.string() + "\"" + (allPairs ? " --all_pairs" : "");
    const std::string output = CommandOutput(run);
    SessionFigures f = ParseFigures(output);
    if (!f.ok) std::fprintf(stderr, "session of %d houses failed:\n%s\n", houses, output.c_str());
    return f;
}

// Growth exponent of a time between two estates: slope of log(time) over log(planes).
double Exponent(double t1, double t2, long planes1, long planes2) {
    if (t1 <= 0 || t2 <= 0 || planes1 <= 0 || planes2 <= planes1) return 0;
    return std::log(t2 / t1) / std::log(double(planes2) / double(planes1));
}

// Prints one estate's row: each phase alone, the whole session, peak memory, file size; wall
// seconds, then the same phases' processor seconds.
void PrintRow(const SessionFigures& f, const char* search) {
    double total = 0, totalCpu = 0;
    std::printf("%7d %7ld %-9s", f.houses, f.planes, search);
    for (double s : f.seconds) {
        total += s;
        std::printf(" %8.3f", s);
    }
    std::printf(" %8.3f %8.1f %8.1f %8.0f %5s\n", total, double(f.peakKb[kPhaseCount - 1]) / 1024.0,
                double(f.fileBytes) / (1024.0 * 1024.0), f.objects ? double(f.fileBytes) / double(f.objects) : 0.0,
                f.roundTrip ? "yes" : "NO");
    std::printf("%7s %7s %-9s", "", "", "  cpu");
    for (double s : f.cpu) {
        totalCpu += s;
        std::printf(" %8.3f", s);
    }
    std::printf(" %8.3f   peak MB after each phase:", totalCpu);
    for (long kb : f.peakKb) std::printf(" %.0f", double(kb) / 1024.0);
    std::printf("\n");
    std::fflush(stdout);
}

}  // namespace

int MakeEstateFile(int houses, const char* path) {
    tevaro_test::EstateOptions options;
    options.houses = houses;
    host::Model model;
    std::string error;
    // The generated hip roofs become explicit planes here, once, outside every timed run. The
    // GUIDs are left out, as in a hand-written file: the session's host gives them out.
    if (!host::LoadModelText(tevaro_test::EstateModel(options), "estate", model, error)) {
        std::fprintf(stderr, "estate of %d houses: %s\n", houses, error.c_str());
        return 1;
    }
    const std::string text = std::regex_replace(host::ModelToText(model), std::regex(R"("guid": *"\{[^}]*\}",\s*)"), "");
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out.flush()) {
        std::fprintf(stderr, "estate of %d houses: cannot write %s\n", houses, path);
        return 1;
    }
    return 0;
}

int RunOneSession(const char* path, bool allPairs) {
    SessionFigures f;
    std::string error;
    gAllPairsEdgeSearch = allPairs;
    objectlib::RegisterObjectLibScripts();
    // open: the model file read into a fresh project, the add-on started on it
    auto start = std::chrono::steady_clock::now();
    double cpuStart = CpuNow();
    host::Model model;
    if (!host::LoadModelFile(path, model, error) || !tevaro_test::StartEstateSession(std::move(model), error)) {
        std::fprintf(stderr, "open: %s\n", error.c_str());
        return 1;
    }
    f.seconds[0] = Since(start);
    f.cpu[0] = CpuNow() - cpuStart;
    f.peakKb[0] = PeakKb();
    // tiling run and finalize
    cpuStart = CpuNow();
    double cpuRunEnd = 0;
    const tevaro_test::EstateRunResult r = tevaro_test::TileEstate(false, [&f, &cpuRunEnd] {
        cpuRunEnd = CpuNow();
        f.peakKb[1] = PeakKb();
    });
    if (!r.ok || host::OpenPaletteId() != 0) {
        std::fprintf(stderr, "tiling: %s %s\n", r.error.c_str(), host::gSession.lastMessage.c_str());
        return 1;
    }
    f.planes = long(r.planeCount);
    f.seconds[1] = r.topologySeconds;
    f.seconds[2] = r.finalizeSeconds;
    f.cpu[1] = cpuRunEnd - cpuStart;
    f.cpu[2] = CpuNow() - cpuRunEnd;
    f.peakKb[2] = PeakKb();
    // save
    const std::string saved = std::string(path) + (allPairs ? ".all-pairs" : "") + ".saved.json";
    start = std::chrono::steady_clock::now();
    cpuStart = CpuNow();
    if (!host::SaveModelFile(saved, host::gSession.model, error)) {
        std::fprintf(stderr, "save: %s\n", error.c_str());
        return 1;
    }
    f.seconds[3] = Since(start);
    f.cpu[3] = CpuNow() - cpuStart;
    f.peakKb[3] = PeakKb();
    // load the saved file again
    start = std::chrono::steady_clock::now();
    cpuStart = CpuNow();
    host::Model again;
    if (!host::LoadModelFile(saved, again, error)) {
        std::fprintf(stderr, "load: %s\n", error.c_str());
        return 1;
    }
    f.seconds[4] = Since(start);
    f.cpu[4] = CpuNow() - cpuStart;
    f.peakKb[4] = PeakKb();
    // Not timed: what the session produced, and whether the loaded model gives the same again.
    const std::string csv = QuantitiesText();
    const std::string file = ReadAll(saved);
    f.csvHash = Fnv1a(csv);
    f.fileHash = Fnv1a(file);
    f.fileBytes = long(file.size());
    for (const host::Element& e : host::gSession.model.elements) f.objects += e.rec.header.typeID == API_ObjectID ? 1 : 0;
    host::gSession.model = std::move(again);
    host::ResolveLibPartIndices();
    const std::string resaved = saved + ".again.json";
    const bool sameQuantities = QuantitiesText() == csv;
    const bool sameFile = host::SaveModelFile(resaved, host::gSession.model, error) && ReadAll(resaved) == file;
    f.roundTrip = sameQuantities && sameFile ? 1 : 0;
    if (std::getenv("TEVARO_BENCH_KEEP") == nullptr) std::remove(saved.c_str());
    std::remove(resaved.c_str());
    tevaro_test::EndEstateSession();
    std::printf("SESSION %d %ld", 0, f.planes);
    for (double s : f.seconds) std::printf(" %.6f", s);
    for (double s : f.cpu) std::printf(" %.6f", s);
    for (long kb : f.peakKb) std::printf(" %ld", kb);
    std::printf(" %ld %ld %llu %llu %d\n", f.fileBytes, f.objects, f.csvHash, f.fileHash, f.roundTrip);
    return 0;
}

int RunSessionTable(const char* self, int argc, char** argv) {
    std::vector<int> sizes;
    for (int i = 0; i < argc; ++i)
        if (std::atoi(argv[i]) > 0) sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty()) sizes.assign(std::begin(kDefaultSizes), std::end(kDefaultSizes));
    const fs::path folder = fs::temp_directory_path() / ("tevaro-session-bench-" + std::to_string(getpid()));
    fs::create_directories(folder);
    std::printf("\nWhole session (open; select all; menu place-tiles; dialog OK; finalize; save; load), seconds per"
                " phase (wall, then processor), one process per estate\n");
    std::printf("%7s %7s %-9s", "houses", "planes", "search");
    for (const char* name : kPhaseNames) std::printf(" %8.8s", name);
    std::printf(" %8s %8s %8s %8s %5s\n", "session", "peak MB", "file MB", "B/object", "same");
    std::vector<SessionFigures> indexed;
    bool identical = true;
    for (int houses : sizes) {
        SessionFigures f = RunChild(self, houses, false, folder);
        f.houses = houses;
        if (!f.ok) {
            identical = false;
            continue;
        }
        PrintRow(f, "indexed");
        indexed.push_back(f);
        if (houses > kAllPairsMaxHouses) continue;
        SessionFigures all = RunChild(self, houses, true, folder);
        all.houses = houses;
        if (!all.ok) continue;
        PrintRow(all, "all-pairs");
        // The two searches must give the same project to the last byte.
        const bool same = all.csvHash == f.csvHash && all.fileHash == f.fileHash;
        std::printf("%7s all-pairs output %s the indexed output (quantities and saved model)\n", "",
                    same ? "identical to" : "DIFFERS FROM");
        identical = identical && same;
    }
    // Growth exponents of each phase and of the whole session between consecutive estates.
    for (size_t k = 1; k < indexed.size(); ++k) {
        const SessionFigures& a = indexed[k - 1];
        const SessionFigures& b = indexed[k];
        std::printf("growth exponent %d -> %d houses (processor time):", a.houses, b.houses);
        double ta = 0, tb = 0;
        for (int p = 0; p < kPhaseCount; ++p) {
            std::printf(" %s %.2f,", kPhaseNames[p], Exponent(a.cpu[p], b.cpu[p], a.planes, b.planes));
            ta += a.cpu[p];
            tb += b.cpu[p];
        }
        std::printf(" session %.2f, peak memory %.2f\n", Exponent(ta, tb, a.planes, b.planes),
                    Exponent(double(a.peakKb[kPhaseCount - 1]), double(b.peakKb[kPhaseCount - 1]), a.planes, b.planes));
    }
    fs::remove_all(folder);
    std::fflush(stdout);
    return identical ? 0 : 1;
}

}  // namespace tevaro_bench
