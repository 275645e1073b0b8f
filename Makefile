# The two set-up commands of the README, and the builds behind them.
BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
# How long each fuzz target runs.
FUZZ_SECONDS ?= 60
FUZZERS = number_text_fuzz parameter_file_fuzz run_options_fuzz formula_fuzz \
  study_options_fuzz shard_file_fuzz
JOBS ?= $(shell nproc)

.PHONY: run test sanitize fuzz bench mutants readme-images deps configure build clean

run: build
	$(BUILD_DIR)/app/curvesmith

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCURVESMITH_SANITIZE=ON \
	  -DCURVESMITH_BUILD_BENCHMARKS=OFF
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && ctest --output-on-failure -j $(JOBS)

fuzz: deps
	cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++ -DCURVESMITH_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target $(FUZZERS)
	scripts/run_fuzzers.sh $(FUZZ_DIR)/tests/fuzz $(FUZZ_SECONDS) $(FUZZERS)

bench: build
	for b in $(BUILD_DIR)/bench/*_bench; do QT_QPA_PLATFORM=offscreen $$b || exit 1; done

# Plants each plausible bug of the mutant files in turn and runs the tests
# that should catch it (minutes; not part of test or CI).
MUTANTS ?= $(wildcard tests/mutants/*.txt)
mutants: build
	scripts/try_mutants.py --build-dir $(BUILD_DIR) $(MUTANTS)

# The README's screenshot and replay, made by the program itself.
readme-images: build
	scripts/readme_images.sh $(BUILD_DIR)

deps:
	@scripts/dependencies.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR)
