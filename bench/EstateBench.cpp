// Purpose: how long the tiling run takes on estates of 1 to 1000 houses: catalogue load, roof
// extraction, topology, wall and fill junctions, the whole placement; then the all-pairs search
// against the indexed one, per run and per plane, with their growth exponents; then a whole
// session by phase on 100 to 10,000 houses (bench/SessionBench.h).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Common_src/AddOnState.h"
#include "bench/SessionBench.h"
#include "catalogue/Catalogue.h"
#include "common/EstateGenerator.h"
#include "common/EstateRun.h"
#include "host/ElementDatabase.h"
#include "host/Host.h"
#include "polytopo/RunTopology.h"
#include "roofgeom/EdgeIndex.h"
#include "roofgeom/ExtractRoof.h"
#include "roofgeom/FillJunctions.h"
#include "roofgeom/WallJunctions.h"

namespace {

// The estate of N houses in the fixed mix, generated once per size.
const std::string& Estate(int houses) {
    static std::vector<std::pair<int, std::string>> made;
    for (auto& m : made)
        if (m.first == houses) return m.second;
    tevaro_test::EstateOptions options;
    options.houses = houses;
    made.emplace_back(houses, tevaro_test::EstateModel(options));
    return made.back().second;
}

// A fresh session on the estate; aborts the benchmark when the model does not load.
bool Start(benchmark::State& state, int houses) {
    std::string error;
    if (tevaro_test::StartEstateSession(Estate(houses), error)) return true;
    state.SkipWithError(error.c_str());
    return false;
}

// Reads every selected roof of the session into the roof model.
void ExtractAllRoofs() {
    for (const host::Element& e : host::gSession.model.elements)
        if (e.rec.header.typeID == API_RoofID) ExtractRoof(e.rec.header.guid, APINULLGuid);
}

// Reads the walls and fills of the estate into the run's segment lists.
void CollectSegments() {
    HostArrayFree(gState.wallSegments);
    HostArrayFree(gState.fillSegments);
    for (const host::Element& e : host::gSession.model.elements) {
        const bool wall = e.rec.header.typeID == API_WallID;
        if (!wall && e.rec.header.typeID != API_HatchID) continue;
        const std::vector<API_Coord>& pts = e.polygon;  // closed: the first point repeated at the end
        for (size_t k = 0; k + 1 < pts.size(); ++k) {
            WallSegment s{pts[k].x, pts[k].y, pts[k + 1].x, pts[k + 1].y, wall ? 0.0 : -1e11,
                          wall ? e.rec.wall.height : 1e11};
            HostArrayAppend(wall ? gState.wallSegments : gState.fillSegments, s);
        }
    }
}

// Marks the per-plane counter of a benchmark.
void CountPlanes(benchmark::State& state, size_t planes) {
    state.counters["planes"] = double(planes);
    state.counters["per_plane"] =
        benchmark::Counter(double(planes) * double(state.iterations()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_CatalogueLoad(benchmark::State& state) {
    const std::string path = std::string(TEVARO_BUILD_DIR) + "/Tevaro.ini";
    if (!Start(state, 1)) return;  // the loader reads through the host's memory and file calls
    for (auto _ : state) LoadCatalogueFile(path.c_str());
    tevaro_test::EndEstateSession();
}
BENCHMARK(BM_CatalogueLoad)->Unit(benchmark::kMicrosecond);

void BM_RoofExtraction(benchmark::State& state) {
    if (!Start(state, int(state.range(0)))) return;
    size_t planes = 0;
    for (auto _ : state) {
        ExtractAllRoofs();
        planes = gState.roofPlanes.planes.count;
        FreeRoofPlanes();
    }
    CountPlanes(state, planes);
    tevaro_test::EndEstateSession();
}
BENCHMARK(BM_RoofExtraction)->Arg(1)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_RunTopology(benchmark::State& state) {
    if (!Start(state, int(state.range(0)))) return;
    gAllPairsEdgeSearch = state.range(1) != 0;
    size_t planes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ExtractAllRoofs();
        planes = gState.roofPlanes.planes.count;
        state.ResumeTiming();
        RunTopology(gState.roofPlanes);
        state.PauseTiming();
        FreeRoofPlanes();
        state.ResumeTiming();
    }
    gAllPairsEdgeSearch = false;
    CountPlanes(state, planes);
    tevaro_test::EndEstateSession();
}
BENCHMARK(BM_RunTopology)->ArgNames({"houses", "allPairs"})->Args({1, 0})->Args({10, 0})->Args({100, 0})->Args({1000, 0})
    ->Args({10, 1})->Args({100, 1})->Unit(benchmark::kMillisecond);

void BM_WallAndFillJunctions(benchmark::State& state) {
    if (!Start(state, int(state.range(0)))) return;
    gAllPairsEdgeSearch = state.range(1) != 0;
    size_t planes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ExtractAllRoofs();
        RunTopology(gState.roofPlanes);
        CollectSegments();
        planes = gState.roofPlanes.planes.count;
        state.ResumeTiming();
        ApplyWallJunctions(gState.roofPlanes);
        ApplyFillJunctions(gState.roofPlanes);
        state.PauseTiming();
        FreeRoofPlanes();
        state.ResumeTiming();
    }
    gAllPairsEdgeSearch = false;
    CountPlanes(state, planes);
    tevaro_test::EndEstateSession();
}
BENCHMARK(BM_WallAndFillJunctions)->ArgNames({"houses", "allPairs"})->Args({1, 0})->Args({10, 0})->Args({100, 0})
    ->Args({1000, 0})->Args({100, 1})->Unit(benchmark::kMillisecond);

void BM_WholePlacement(benchmark::State& state) {
    gAllPairsEdgeSearch = state.range(1) != 0;
    size_t planes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (!Start(state, int(state.range(0)))) break;
        state.ResumeTiming();
        const tevaro_test::EstateRunResult r = tevaro_test::TileEstate(false);
        state.PauseTiming();
        planes = r.planeCount;
        tevaro_test::EndEstateSession();
        if (!r.ok) {
            state.SkipWithError(r.error.c_str());
            break;
        }
        state.ResumeTiming();
    }
    gAllPairsEdgeSearch = false;
    CountPlanes(state, planes);
}
BENCHMARK(BM_WholePlacement)->ArgNames({"houses", "allPairs"})->Args({1, 0})->Args({10, 0})->Args({100, 0})
    ->Args({1000, 0})->Args({10, 1})->Args({100, 1})->Unit(benchmark::kMillisecond);

struct Timing {
    double seconds = 0;   // whole placement, processor time, best of the repeats
    double wall = 0;      // the same run's wall-clock time
    size_t planes = 0;
};

// The best time of a few whole placements of the estate (one for the slow cases).
Timing TimePlacement(int houses, bool allPairs, int repeats) {
    gAllPairsEdgeSearch = allPairs;
    Timing best;
    for (int k = 0; k < repeats; ++k) {
        std::string error;
        if (!tevaro_test::StartEstateSession(Estate(houses), error)) {
            std::fprintf(stderr, "estate of %d: %s\n", houses, error.c_str());
            break;
        }
        const tevaro_test::EstateRunResult r = tevaro_test::TileEstate(false);
        tevaro_test::EndEstateSession();
        if (!r.ok) std::fprintf(stderr, "estate of %d: %s\n", houses, r.error.c_str());
        if (k == 0 || r.cpuSeconds < best.seconds)
            best = Timing{r.cpuSeconds, r.topologySeconds + r.finalizeSeconds, r.planeCount};
    }
    gAllPairsEdgeSearch = false;
    return best;
}

// Prints the whole placement, all pairs against indexed, for 1 to 1000 houses.
void PrintComparison() {
    const int sizes[] = {1, 10, 100, 1000};
    Timing all[4], indexed[4];
    std::printf("\nWhole tile placement (menu command + finalize), processor seconds, best of repeats\n");
    std::printf("%7s %7s %14s %14s %14s %14s %9s %12s\n", "houses", "planes", "all-pairs s", "indexed s",
                "all-pairs/pl", "indexed/pl", "ratio", "indexed wall");
    for (int s = 0; s < 4; ++s) {
        const int repeats = sizes[s] >= 1000 ? 1 : (sizes[s] >= 100 ? 3 : 10);
        all[s] = TimePlacement(sizes[s], true, repeats);
        indexed[s] = TimePlacement(sizes[s], false, sizes[s] >= 1000 ? 3 : repeats);
        const double planes = double(indexed[s].planes ? indexed[s].planes : 1);
        std::printf("%7d %7zu %14.6f %14.6f %13.2fus %13.2fus %9.2f %12.6f\n", sizes[s], indexed[s].planes,
                    all[s].seconds, indexed[s].seconds, 1e6 * all[s].seconds / planes, 1e6 * indexed[s].seconds / planes,
                    indexed[s].seconds > 0 ? all[s].seconds / indexed[s].seconds : 0.0, indexed[s].wall);
        std::fflush(stdout);
    }
    // Growth exponent: the slope of log(time) over log(planes) from 10 to 1000 houses.
    auto exponent = [](const Timing& a, const Timing& b) {
        return std::log(b.seconds / a.seconds) / std::log(double(b.planes) / double(a.planes));
    };
    std::printf("growth exponent (10 -> 1000 houses): all-pairs %.2f, indexed %.2f\n", exponent(all[1], all[3]),
                exponent(indexed[1], indexed[3]));
    std::printf("growth exponent (100 -> 1000 houses): all-pairs %.2f, indexed %.2f\n", exponent(all[2], all[3]),
                exponent(indexed[2], indexed[3]));
}

}  // namespace

int main(int argc, char** argv) {
    // The session table's child processes: one estate file written, or one session run on it.
    if (argc >= 4 && std::string(argv[1]) == "--make_estate") return tevaro_bench::MakeEstateFile(std::atoi(argv[2]), argv[3]);
    if (argc >= 3 && std::string(argv[1]) == "--session_child")
        return tevaro_bench::RunOneSession(argv[2], argc >= 4 && std::string(argv[3]) == "--all_pairs");
    // --only_session [HOUSES...]: only the session table (for these estate sizes).
    if (argc >= 2 && std::string(argv[1]) == "--only_session") return tevaro_bench::RunSessionTable(argv[0], argc - 2, argv + 2);
    // --no_comparison: no all-pairs table; --only_comparison: no Google Benchmark runs;
    // --no_session: no whole-session table.
    bool comparison = true, benchmarks = true, session = true;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--no_comparison") comparison = false;
        else if (arg == "--only_comparison") benchmarks = false;
        else if (arg == "--no_session") session = false;
        else argv[kept++] = argv[i];
    }
    argc = kept;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    if (benchmarks) benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (comparison) PrintComparison();
    if (session) return tevaro_bench::RunSessionTable(argv[0], 0, nullptr);
    return 0;
}
