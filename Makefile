# The front door: `make run` builds and runs the demo, `make test` builds and runs every test.
BUILD ?= build
TYPE ?= Release
JOBS ?= 2

.PHONY: run test build deps clean

run: build
	./$(BUILD)/tevaro demo

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(TYPE) > /dev/null
	cmake --build $(BUILD) -j$(JOBS)

deps:
	@bash scripts/install-deps.sh

clean:
	rm -rf $(BUILD)
