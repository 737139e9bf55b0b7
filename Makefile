# Thin front over CMake. `make demo` runs the main job, `make test` every test (also under
# the address and undefined-behaviour sanitizers), `make fuzz` the fuzz targets.
JOBS ?= $(shell nproc)
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 300

.PHONY: all deps build demo test test-plain test-asan bench bench-count fuzz format format-check clean

all: build

deps:
	@scripts/install-deps.sh

# Warnings are errors in every build made here (KV_WERROR, also the default).
build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKV_WERROR=ON
	cmake --build $(BUILD) -j $(JOBS)

demo: build
	$(BUILD)/bin/kelvane demo

test: test-plain test-asan

test-plain: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DKV_SANITIZE=ON -DKV_BUILD_BENCH=OFF \
		-DKV_WERROR=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	# intercept_tls_get_addr=0: the leak checker's walk of dynamically loaded modules' thread
	# storage (what it learns by intercepting __tls_get_addr) crashes at exit in some processes
	# that load Qt's image plugins ("Tracer caught signal 11"), with this glibc; the threads'
	# own storage is still searched for pointers.
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:intercept_tls_get_addr=0 \
		UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bin/*_bench; do echo "== $$b"; $$b; done

# Instructions of one Qt window resize, Kelvane against QGridLayout, counted by callgrind: steady
# where CPU time moves with the machine. N=... picks the panel counts (default 100 to 20 000),
# RUNS=... the processes a side (default 3; the median counts).
bench-count: build
	BUILD=$(BUILD) RUNS=$(RUNS) scripts/count-resize-instructions.sh $(N)

# Each libFuzzer target runs FUZZ_SECONDS on its corpus (clang; a build of its own).
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
		-DKV_FUZZ=ON -DKV_BUILD_TESTS=OFF -DKV_BUILD_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target form_file_fuzz ui_form_fuzz settings_fuzz store_fuzz roundtrip_fuzz \
		picture_fuzz make_seeds
	scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# clang-format 14, as .clang-format was written for; the tests check it too (format_check).
CLANG_FORMAT ?= clang-format-14

format: deps
	$(CLANG_FORMAT) -i $$(git ls-files '*.cpp' '*.h')

format-check: deps
	$(CLANG_FORMAT) --dry-run -Werror $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
