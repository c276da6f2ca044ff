# Two entry points: `make run` starts the camera station in a ready installation,
# `make test` checks the formatting, builds with sanitizers and runs every test.
BUILD      ?= build
TESTBUILD  ?= build-test
RUNDIR     ?= $(BUILD)/run
JOBS       ?= $(shell nproc)
MEDIUM      = $(BUILD)/medium/$(shell sed -n "s/^ProgramFolder=//p" core/InstallLayout.names)

.PHONY: run test check-format deps build build-test fuzz bench clean

deps:
	scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVX7_BUILD_TESTS=OFF
	cmake --build $(BUILD) -j $(JOBS)

run: build
	scripts/run-station "$(MEDIUM)" "$(RUNDIR)"

build-test: deps
	cmake -S . -B $(TESTBUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVX7_SANITIZE=ON -DVX7_BUILD_BENCH=OFF
	cmake --build $(TESTBUILD) -j $(JOBS)

# Every tracked C++ file as .clang-format has it; checked before anything is built.
check-format: deps
	scripts/check-format

test: check-format
	$(MAKE) build-test
	cd $(TESTBUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) --timeout 600

# libFuzzer targets (clang), each run for a bounded time; crash inputs land in build-fuzz.
FUZZBUILD ?= build-fuzz
fuzz: deps
	cmake -S . -B $(FUZZBUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang \
	  -DCMAKE_CXX_COMPILER=clang++ -DVX7_FUZZ=ON -DVX7_BUILD_BENCH=OFF
	cmake --build $(FUZZBUILD) -j $(JOBS) --target fuzzers
	cd $(FUZZBUILD) && ctest -L fuzz --output-on-failure

bench: build
	$(BUILD)/bin/vx7bench

clean:
	rm -rf $(BUILD) $(TESTBUILD)
