# Builds with CMake into build/; the sanitizer build goes to build/asan.
BUILD := build
ASAN := $(BUILD)/asan
BENCH := $(BUILD)/bench
JOBS ?= 2

.PHONY: all prepara run test bench sweep clean

all: prepara
	@echo "== Building into $(BUILD)/bin"
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD) -j$(JOBS)

prepara:
	@./scripts/prepara.sh

# The launcher lists every program and runs the one picked in a scratch
# folder of its own (~/.local/share/portafoli/<program>/).
run: all
	./$(BUILD)/bin/portafoli

test: all
	@echo "== Running the tests"
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)
	@echo "== Building with AddressSanitizer and UndefinedBehaviorSanitizer into $(ASAN)"
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON >/dev/null
	cmake --build $(ASAN) -j$(JOBS)
	@echo "== Running the tests under the sanitizers"
	ctest --test-dir $(ASAN) --output-on-failure -j$(JOBS)

# The sweep of every program with twenty rounds of random input instead of one.
sweep: prepara
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON >/dev/null
	cmake --build $(ASAN) -j$(JOBS)
	ESCOMBRADA_RONDES=20 $(ASAN)/test-bin/sweep_test

bench: prepara
	cmake -S . -B $(BENCH) -DCMAKE_BUILD_TYPE=Release -DBENCHMARKS=ON -DTESTS=OFF >/dev/null
	cmake --build $(BENCH) -j$(JOBS)
	@for b in $(BENCH)/bench-bin/*; do echo "== $$b"; $$b || exit 1; done

clean:
	rm -rf $(BUILD)
