# Two commands for a fresh machine: `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)

.PHONY: run test build deps fuzz clean

deps:
	@scripts/install-deps

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(ASAN_BUILD)/build.ninja: | deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DK904_SANITIZE=ON -DK904_GUI=OFF

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/k904

# Everything under the normal build, then the model, link and command-line tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer. GUI tests run offscreen.
test: build $(ASAN_BUILD)/build.ninja
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

# Fuzzes the data file loader and the channel codec for FUZZ_SECONDS each (clang, libFuzzer).
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DK904_GUI=OFF -DK904_SANITIZE=ON -DK904_FUZZ=ON -DBUILD_TESTING=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_datafile fuzz_channel
	$(FUZZ_BUILD)/bin/fuzz_datafile -max_total_time=$(FUZZ_SECONDS) -max_len=600
	$(FUZZ_BUILD)/bin/fuzz_channel -max_total_time=$(FUZZ_SECONDS) -max_len=64

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
