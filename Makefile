# Two commands for a newcomer: `make run` and `make test`.
BUILD := build

.PHONY: all build run test bench clean

all: build

$(BUILD)/build.ninja: CMakeLists.txt
	cmake -S . -B $(BUILD) -G Ninja

build: $(BUILD)/build.ninja
	cmake --build $(BUILD)

run: build
	./$(BUILD)/plomar

test: build
	./$(BUILD)/plomar_tests --gtest_brief=1

bench: build
	./$(BUILD)/plomar_bench

clean:
	rm -rf $(BUILD)
