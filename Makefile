# Builds with CMake into build/; the sanitizer build goes to build/asan.
BUILD := build
ASAN := $(BUILD)/asan
BENCH := $(BUILD)/bench
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# Tests wait on pipes and terminals for part of their time: one more at once
# than processors keeps them busy (149 s against 166 s on two).
TEST_JOBS ?= $(shell echo $$(($(JOBS) + 1)))
# A new build folder is made for Ninja when it is there (prepara installs it):
# its no-op and one-file rebuilds take a fraction of make's.
GENERADOR = $(if $(wildcard $(1)/CMakeCache.txt),,$(if $(shell command -v ninja),-G Ninja))

.PHONY: all prepara run test bench sweep fuzz fuzz-smoke format format-check clean

all: prepara
	@echo "== Building into $(BUILD)/bin"
	cmake -S . -B $(BUILD) $(call GENERADOR,$(BUILD)) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD) -j$(JOBS)

prepara:
	@./scripts/prepara.sh

# Only what running needs: the compiler's packages, then the programs and
# the launcher (the target programes, built in parallel; no tests), then the
# launcher, which runs every program in ~/.local/share/portafoli/.
run:
	@./scripts/prepara.sh --programes
	cmake -S . -B $(BUILD) $(call GENERADOR,$(BUILD)) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD) --target programes -j$(JOBS)
	./$(BUILD)/bin/portafoli

# Every test, against the plain programs and against the same programs built
# with AddressSanitizer and UndefinedBehaviorSanitizer. The tests of the
# programs are built once, in the plain build, and run against both folders
# of programs; the sanitizer build adds its programs and the unit tests,
# which run the layer's and the libraries' code in process.
# The two builds run side by side, each filling the other's waits (a
# precompiled header, a last link), and one ctest run takes the tests of
# both (the plain build's ctest includes the sanitizer build's tests).
# A test that passed is run again only when something it runs has changed
# (PROVES_TOTES=1 runs them all). A build folder is configured only when its
# cache lacks the options: cmake --build configures again by itself when a
# CMakeLists changes, and a one-program change costs no configure.
configurada = grep -qx '$(2)' $(1)/CMakeCache.txt 2>/dev/null
test: prepara
	@$(call configurada,$(BUILD),CONSTRUCCIO_SANITITZADA:PATH=$(CURDIR)/$(ASAN)) || \
	  cmake -S . -B $(BUILD) $(call GENERADOR,$(BUILD)) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCONSTRUCCIO_SANITITZADA=$(CURDIR)/$(ASAN) >/dev/null
	@$(call configurada,$(ASAN),PROVES_PROGRAMES:BOOL=OFF) || \
	  cmake -S . -B $(ASAN) $(call GENERADOR,$(ASAN)) -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON -DPROVES_PROGRAMES=OFF >/dev/null
	@echo "== Building the programs and the tests into $(BUILD), and with AddressSanitizer and UndefinedBehaviorSanitizer into $(ASAN)"
	@cmake --build $(ASAN) -j$(JOBS) & sanititzada=$$!; \
	  cmake --build $(BUILD) -j$(JOBS); plana=$$?; \
	  wait $$sanititzada && [ $$plana -eq 0 ]
	@echo "== Running the tests (asan.*: against the sanitizer build's programs; the unit tests under the sanitizers)"
	ctest --test-dir $(BUILD) --output-on-failure -j$(TEST_JOBS)

# The sweep of every program with twenty rounds of random input instead of one.
sweep: prepara
	cmake -S . -B $(ASAN) $(call GENERADOR,$(ASAN)) -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON -DPROVES_PROGRAMES=OFF >/dev/null
	cmake --build $(ASAN) -j$(JOBS)
	cmake -S . -B $(BUILD) $(call GENERADOR,$(BUILD)) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCONSTRUCCIO_SANITITZADA=$(CURDIR)/$(ASAN) >/dev/null
	cmake --build $(BUILD) -j$(JOBS) --target sanititzats_sweep
	DIR_PROGRAMES=$(CURDIR)/$(ASAN)/bin ESCOMBRADA_RONDES=20 $(BUILD)/test-bin/sanititzats_sweep

# The fuzz targets, built with clang's libFuzzer, each run from a copy of its
# seed corpus (fuzz/corpus/<target>/) with the limit given.
FUZZ := $(BUILD)/fuzz
OBJECTIUS_FUZZ := $(patsubst fuzz/%_fuzz.cpp,%,$(wildcard fuzz/*_fuzz.cpp))
define fuzz_amb
	@command -v clang++ >/dev/null || ./scripts/prepara.sh clang
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ) $(call GENERADOR,$(FUZZ)) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFUZZ=ON >/dev/null
	cmake --build $(FUZZ) -j$(JOBS)
	@for t in $(OBJECTIUS_FUZZ); do \
	  rm -rf $(FUZZ)/corpus-$$t && cp -r fuzz/corpus/$$t $(FUZZ)/corpus-$$t; \
	  echo "== fuzz-$$t ($(1))"; \
	  $(FUZZ)/bin/fuzz-$$t $(1) -print_final_stats=1 $(FUZZ)/corpus-$$t > $(FUZZ)/fuzz-$$t.log 2>&1; estat=$$?; \
	  grep -E "stat::number_of_executed_units|stat::average_exec_per_sec|ERROR|SUMMARY" $(FUZZ)/fuzz-$$t.log; \
	  [ $$estat -eq 0 ] || { echo "fuzz-$$t found a fault: $(FUZZ)/fuzz-$$t.log"; exit 1; }; \
	done
endef

# Each fuzz target for FUZZ_SECONDS (60) seconds.
FUZZ_SECONDS ?= 60
fuzz: prepara
	$(call fuzz_amb,-max_total_time=$(FUZZ_SECONDS))

# Each fuzz target for FUZZ_RUNS (4000) inputs, a few seconds at most: CI's
# check that every target and its oracle still build and hold.
FUZZ_RUNS ?= 4000
fuzz-smoke: prepara
	$(call fuzz_amb,-runs=$(FUZZ_RUNS) -max_total_time=20)

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
