# Two commands for a newcomer: `make run` and `make test`.
BUILD := build
PREFIX ?= /usr/local
# Ninja when the machine has it, otherwise CMake's default generator.
GENERATOR := $(if $(shell command -v ninja 2>/dev/null),-G Ninja)
# Every core, whatever the generator (make alone would build one file at a time).
JOBS := $(shell nproc 2>/dev/null || echo 2)

.PHONY: all build run test bench sanitize fuzz install clean

all: build

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(GENERATOR)

build: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) --parallel $(JOBS) --target plomar

run: build
	./$(BUILD)/plomar

# The test libraries are looked for again after they may have been installed.
test: $(BUILD)/CMakeCache.txt
	tools/test-packages test
	cmake -S . -B $(BUILD) >/dev/null
	cmake --build $(BUILD) --parallel $(JOBS) --target plomar_tests
	./$(BUILD)/plomar_tests --gtest_brief=1

bench: $(BUILD)/CMakeCache.txt
	tools/test-packages bench
	cmake -S . -B $(BUILD) >/dev/null
	cmake --build $(BUILD) --parallel $(JOBS) --target plomar_bench
	./$(BUILD)/plomar_bench

# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer
# in a folder of its own; the first report stops the run.
SANITIZEBUILD := build-sanitize
sanitize:
	tools/test-packages test
	cmake -S . -B $(SANITIZEBUILD) $(GENERATOR) -DPLOMAR_SANITIZE=ON >/dev/null
	cmake --build $(SANITIZEBUILD) --parallel $(JOBS) --target plomar_tests
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ./$(SANITIZEBUILD)/plomar_tests --gtest_brief=1

# Fuzzing of set-up and space files with libFuzzer under the sanitizers
# (clang++). `make fuzz` runs FUZZRUNS inputs of each; new inputs that reach
# new code are kept in build-fuzz/corpus-*, the seeds stay in fuzz/seeds.
FUZZBUILD := build-fuzz
FUZZCXX ?= clang++
FUZZRUNS ?= 20000
FUZZFLAGS := -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -Isrc
FUZZSOURCES := src/setups/setupsyntax.cpp src/setups/space.cpp src/shell/inputfields.cpp src/shell/wholefile.cpp
FUZZTARGETS := setupfile spacefile

$(FUZZBUILD)/%_fuzz: fuzz/%_fuzz.cpp $(FUZZSOURCES) src/setups/setupfile.hpp src/setups/space.hpp
	@mkdir -p $(FUZZBUILD)
	$(FUZZCXX) $(FUZZFLAGS) $< $(FUZZSOURCES) -o $@

fuzz: $(FUZZTARGETS:%=$(FUZZBUILD)/%_fuzz)
	for t in $(FUZZTARGETS); do \
	  mkdir -p $(FUZZBUILD)/corpus-$$t && \
	  ./$(FUZZBUILD)/$${t}_fuzz -runs=$(FUZZRUNS) -max_len=4096 -timeout=20 -rss_limit_mb=2048 \
	    -dict=fuzz/setups.dict -artifact_prefix=$(FUZZBUILD)/$$t- \
	    $(FUZZBUILD)/corpus-$$t fuzz/seeds/$$t || exit 1; \
	done

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD) $(SANITIZEBUILD) $(FUZZBUILD)
