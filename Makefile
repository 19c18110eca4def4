# Orrelin: `make run` sets up, builds and starts the program; `make test` sets up,
# builds and runs every test (plain, under AddressSanitizer + UBSan, and under a
# comma-decimal locale) and each fuzzing harness for a short while.
JOBS ?= 2
BUILD := build
ASAN_BUILD := build-asan
FUZZ_BUILD := build-fuzz
FUZZ_SECONDS ?= 10

.PHONY: setup build run test test-plain test-asan test-fuzz fuzz bench clean

setup:
	bash scripts/setup.sh

build: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORRELIN_BENCH=ON
	cmake --build $(BUILD) -j$(JOBS)

run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  ./$(BUILD)/src/ui/orrelin; \
	else \
	  echo "No display to open the window on: here is the Sun report from the command line instead."; \
	  ./$(BUILD)/src/cli/orrelin-cli report sun; \
	fi

test-plain: build
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

test-asan: setup
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DORRELIN_SANITIZE=ON -DORRELIN_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan-suppressions.txt:print_suppressions=0 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j$(JOBS)

# The fuzzing harnesses (clang, libFuzzer, ASan + UBSan), each FUZZ_SECONDS from its corpus.
fuzz: setup
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORRELIN_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target fuzzers
	bash fuzz/run-fuzzers.sh $(CURDIR)/$(FUZZ_BUILD) $(FUZZ_SECONDS)

test-fuzz: fuzz

test: test-plain test-asan test-fuzz

bench: build
	./$(BUILD)/bench/orrelin-bench

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
