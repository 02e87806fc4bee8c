# The two commands a newcomer needs: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
JOBS  ?= $(shell nproc)
# Tests spend much of their time waiting on the line, timers and other processes: twice as many
# as there are cores finish sooner.
TEST_JOBS ?= $(shell echo $$(( $(JOBS) * 2 )))
FILE  ?=
# ccache, where it is installed, shares compiled files between clones of this tree and across
# precompiled headers; cmake/build_speed.cmake picks it up.
export CCACHE_BASEDIR ?= $(CURDIR)
export CCACHE_SLOPPINESS ?= pch_defines,time_macros,include_file_mtime,include_file_ctime
# Developers build with warnings as errors; a plain cmake build (packagers) does not.
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Debug -DCORV_WERROR=ON

.PHONY: run test test-asan build deps bench fuzz mutate deb clean

run: build
	$(BUILD)/bin/corvantine $(if $(FILE),"$(FILE)")

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(TEST_JOBS) --timeout 300

build: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

# Every test under the address and undefined-behaviour sanitizers, in a tree of its own, with the
# monkey's long run: more seeds and more actions each.
MONKEY_SEEDS   ?= 11,12,13,14,15
MONKEY_ACTIONS ?= 4000
test-asan: deps
	cmake -S . -B build-asan -G Ninja -DCORV_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build-asan -j $(JOBS)
	cd build-asan && QT_QPA_PLATFORM=offscreen CORV_MONKEY_SEEDS=$(MONKEY_SEEDS) \
	  CORV_MONKEY_ACTIONS=$(MONKEY_ACTIONS) UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  ctest --output-on-failure -j $(JOBS) --timeout 3600

deps:
	@scripts/install-deps

# Benchmarks measure the optimised build, in a tree of their own.
bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORV_WERROR=ON
	cmake --build build-bench -j $(JOBS) --target benchmarks
	@for b in build-bench/bin/bench_*; do echo "== $$b"; $$b; done

# libFuzzer targets, built with clang in a tree of their own.
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCORV_FUZZ=ON -DCORV_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build-fuzz -j $(JOBS)

# Faults planted one at a time (tests/mutants.txt) in a scratch copy with a build of its own, to see
# that the tests catch them. Not part of CI.
mutate: deps
	scripts/mutate

# The Debian package with Debian's own flags, checked by lintian, in a tree of its own.
deb: deps
	JOBS=$(JOBS) packaging/build-deb build-deb -DCORV_WERROR=ON

clean:
	rm -rf $(BUILD) build-bench build-fuzz build-asan build-deb build-clang build-mutate
