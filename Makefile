# The front door: `make run` builds and runs the demo, `make test` builds and runs every test.
# `make sanitize` builds and runs every test with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer in a second build folder; `make fuzz` builds the libFuzzer targets with
# clang and runs each for FUZZ_SECONDS; `make warnings` is a clean Release build that fails on any
# compiler warning.
BUILD ?= build
TYPE ?= Release
JOBS ?= 2
SANITIZE_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
WARN_BUILD ?= build-warnings
BENCH_BUILD ?= build-bench
# Repeated builds (several build folders, several checkouts) reuse objects through ccache when it is there.
LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache,)

.PHONY: run test build deps clean sanitize fuzz warnings bench

run: build
	./$(BUILD)/tevaro demo

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(TYPE) $(LAUNCHER) > /dev/null
	cmake --build $(BUILD) -j$(JOBS)

deps:
	@bash scripts/install-deps.sh

sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTEVARO_SANITIZE=ON $(LAUNCHER) > /dev/null
	cmake --build $(SANITIZE_BUILD) -j$(JOBS)
	cd $(SANITIZE_BUILD) && \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	  ctest --output-on-failure -j$(JOBS) --timeout 1500

fuzz: deps
	FUZZ_BUILD=$(FUZZ_BUILD) JOBS=$(JOBS) bash fuzz/build.sh
	FUZZ_BUILD=$(FUZZ_BUILD) FUZZ_SECONDS=$(FUZZ_SECONDS) bash fuzz/run.sh

warnings: deps
	rm -rf $(WARN_BUILD)
	cmake -S . -B $(WARN_BUILD) -DCMAKE_BUILD_TYPE=Release > /dev/null
	cmake --build $(WARN_BUILD) -j$(JOBS) 2>&1 | tee $(WARN_BUILD).log
	@! grep -n 'warning:' $(WARN_BUILD).log

# Benchmarks of the tiling run on generated estates of 1 to 1000 houses, in a Release build of their
# own; then the all-pairs against the indexed search, their ratio and growth exponents; then a whole
# session by phase (open, tiling run, finalize, save, load) on 100, 1,000 and 10,000 houses with time,
# peak memory, file size and growth exponents (`tevaro_bench --only_session [HOUSES...]` alone).
bench: deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release > /dev/null
	cmake --build $(BENCH_BUILD) -j$(JOBS) --target tevaro_bench Tevaro_21_x64_hun
	./$(BENCH_BUILD)/tevaro_bench --benchmark_min_time=0.2

clean:
	rm -rf $(BUILD)
