# Builds with CMake into build/; the sanitizer build goes to build/asan.
BUILD := build
ASAN := $(BUILD)/asan
BENCH := $(BUILD)/bench
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all prepara run test bench sweep fuzz format format-check clean

all: prepara
	@echo "== Building into $(BUILD)/bin"
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD) -j$(JOBS)

prepara:
	@./scripts/prepara.sh

# Only what running needs: the compiler's packages, then the programs and
# the launcher (the target programes, built in parallel; no tests), then the
# launcher, which runs every program in ~/.local/share/portafoli/.
run:
	@./scripts/prepara.sh --programes
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD) --target programes -j$(JOBS)
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

# Each fuzz target for FUZZ_SECONDS (60) seconds, from a copy of its seed corpus.
FUZZ := $(BUILD)/fuzz
FUZZ_SECONDS ?= 60
fuzz: prepara
	@command -v clang++ >/dev/null || ./scripts/prepara.sh clang
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFUZZ=ON >/dev/null
	cmake --build $(FUZZ) -j$(JOBS)
	@for t in tecles lectura entrada data taules cadenes; do \
	  rm -rf $(FUZZ)/corpus-$$t && cp -r fuzz/corpus/$$t $(FUZZ)/corpus-$$t; \
	  echo "== fuzz-$$t for $(FUZZ_SECONDS) s"; \
	  $(FUZZ)/bin/fuzz-$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 $(FUZZ)/corpus-$$t \
	    > $(FUZZ)/fuzz-$$t.log 2>&1; estat=$$?; \
	  grep -E "stat::number_of_executed_units|stat::average_exec_per_sec|ERROR|SUMMARY" $(FUZZ)/fuzz-$$t.log; \
	  [ $$estat -eq 0 ] || { echo "fuzz-$$t found a fault: $(FUZZ)/fuzz-$$t.log"; exit 1; }; \
	done

bench: prepara
	cmake -S . -B $(BENCH) -DCMAKE_BUILD_TYPE=Release -DBENCHMARKS=ON -DTESTS=OFF >/dev/null
	cmake --build $(BENCH) -j$(JOBS)
	@fallits=""; for b in $(BENCH)/bench-bin/*; do echo "== $$b"; $$b || fallits="$$fallits $$(basename $$b)"; done; \
	if [ -n "$$fallits" ]; then echo "== Missed their targets:$$fallits"; exit 1; fi; echo "== Every benchmark met its target"

# The project's layout (.clang-format) on every C++ file git knows.
FORMAT_FILES = git ls-files '*.cpp' '*.h'
format:
	@command -v clang-format >/dev/null || ./scripts/prepara.sh clang-format
	$(FORMAT_FILES) | xargs clang-format -i

format-check:
	@command -v clang-format >/dev/null || ./scripts/prepara.sh clang-format
	$(FORMAT_FILES) | xargs clang-format --dry-run -Werror

clean:
	rm -rf $(BUILD)
