# Two commands for a newcomer: `make run` and `make test`.
BUILD := build
PREFIX ?= /usr/local
# Ninja when the machine has it, otherwise CMake's default generator.
GENERATOR := $(if $(shell command -v ninja 2>/dev/null),-G Ninja)
# Every core, whatever the generator (make alone would build one file at a time).
JOBS := $(shell nproc 2>/dev/null || echo 2)

.PHONY: all build run test bench install clean

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

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD)
