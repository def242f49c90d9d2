# make run   - install what is missing, build, open the design window
# make test  - install what is missing, build, run every test (normal and sanitizer
#              builds), make the release package and check it, and fuzz each fuzz
#              target for a minute
# make lint  - check the formatting of every C++ source, lint the Python (flake8), the shell
#              scripts (shellcheck) and the page's JavaScript (ESLint), and run clang-tidy
#              over the core and the window
# make fuzz  - build the fuzz targets with clang and fuzz each for ten minutes
# make bench - build optimised and run the benchmarks (calculation, design files, room
#              switching in the window, window start-up, report)
# make package - build optimised and make the Debian package build/release/gelvant_<version>_<arch>.deb
# make web   - build the browser page build/web/gelvant.html and the driver for Node
#              build/web/gelvant-cli.js with emscripten
# make machine-load-check - write docs/machine-load-check.md again: the catalogue's rows
#              through gelvant-cli, their computed loads beside the catalogue's figures

JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
LONG_FUZZ_SECONDS ?= 600

.PHONY: run test lint test-dev test-release test-asan test-fuzz test-web web fuzz bench package deps \
	cli-example machine-load-check clean

deps:
	@scripts/install-deps

build/dev/CMakeCache.txt: | deps
	cmake --preset dev

build/asan/CMakeCache.txt: | deps
	cmake --preset asan

build/release/CMakeCache.txt: | deps
	cmake --preset release

build/fuzz/CMakeCache.txt: | deps
	cmake --preset fuzz

build/web/CMakeCache.txt: | deps
	cmake --preset web

run: deps build/dev/CMakeCache.txt
	cmake --build --preset dev -j $(JOBS)
	@if [ -x build/dev/src/app/gelvant ]; then build/dev/src/app/gelvant; \
	else build/dev/src/cli/gelvant-cli examples/cold-room.gvs; fi

cli-example: deps build/dev/CMakeCache.txt
	cmake --build --preset dev -j $(JOBS) --target gelvant-cli
	build/dev/src/cli/gelvant-cli examples/cold-room.gvs

test: test-dev test-release test-web test-fuzz test-asan

lint: deps build/dev/CMakeCache.txt
	JOBS=$(JOBS) scripts/lint

test-dev: deps build/dev/CMakeCache.txt
	cmake --build --preset dev -j $(JOBS)
	ctest --preset dev -j $(JOBS)

web: deps build/web/CMakeCache.txt
	cmake --build --preset web -j $(JOBS)

# The web build's tests compare it with the native driver and the window's
# calculation sheet of the dev build.
test-web: web build/dev/CMakeCache.txt
	cmake --build --preset dev -j $(JOBS) --target gelvant-cli gelvant_cli_tests gelvant
	ctest --preset web -j $(JOBS)

# The optimised build that `make package` and `make bench` use, its package
# made as `make package` makes it and checked.
test-release: package
	ctest --preset release -j $(JOBS)

test-asan: deps build/asan/CMakeCache.txt
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

test-fuzz: deps build/fuzz/CMakeCache.txt
	cmake --build --preset fuzz -j $(JOBS)
	fuzz/run $(FUZZ_SECONDS)

fuzz: deps build/fuzz/CMakeCache.txt
	cmake --build --preset fuzz -j $(JOBS)
	fuzz/run $(LONG_FUZZ_SECONDS)

bench: deps build/release/CMakeCache.txt web
	cmake --build --preset release -j $(JOBS)
	build/release/bench/gelvant_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	@if [ -x build/release/bench/app/gelvant_window_bench ]; then \
	build/release/bench/app/gelvant_window_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true; fi
	@if [ -x build/release/src/app/gelvant ]; then bench/startup_window.sh 20 build/release/src/app/gelvant; fi
	@if [ -x build/release/src/app/gelvant ]; then bench/report_export.sh 20 build/release/src/app/gelvant; fi
	/usr/bin/python3 bench/web_bench.py build/web/gelvant.html
	/usr/bin/python3 bench/web_work_bench.py build/web/gelvant.html build/release/src/cli/gelvant-cli

machine-load-check: deps build/dev/CMakeCache.txt
	cmake --build --preset dev -j $(JOBS) --target gelvant-cli
	scripts/machine-load-check

package: deps build/release/CMakeCache.txt
	cmake --build --preset release -j $(JOBS)
	cd build/release && cpack -G DEB

clean:
	rm -rf build
