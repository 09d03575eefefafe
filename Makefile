# Thin wrappers over the CMake presets. Every target installs what is missing first.
.PHONY: deps build test run run-cli bench release clean format fuzz package check-package

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake --preset dev
	cmake --build --preset dev

test: build
	ctest --preset dev
	@bash scripts/check-package.sh

# The Debian package, build/package/umbrix_<version>_<arch>.deb (optimised programs, no tests).
package: deps
	cmake --preset package
	cmake --build --preset package
	cd build/package && cpack -G DEB

# The package built and checked (contents, desktop entry, metainfo, lintian); as root, also
# installed, asked about by the desktop's tools, and removed.
check-package: deps
	@bash scripts/check-package.sh $(if $(filter 0,$(shell id -u)),--install)

release: deps
	cmake --preset release
	cmake --build --preset release

# The program's window on the bundled worked example, with the manual its "?" menu opens.
run: deps
	cmake --preset release
	cmake --build --preset release --target umbrix umbrix_manual
	build/release/src/ui/umbrix examples/mur-declinant-ouest.umd

# The command line on the same example: its report and drawings into build/example.
run-cli: deps
	cmake --preset release
	cmake --build --preset release --target umbrix-cli
	@bash scripts/run-example.sh build/release

# Repetitions taken in random order, so that figures compared with each other (the tracer against
# the drawing) come from the same stretch of a noisy machine.
BENCH_FLAGS ?= --benchmark_enable_random_interleaving=true --benchmark_repetitions=5 \
	--benchmark_report_aggregates_only=true

bench: release
	@for b in build/release/bench/umbrix_bench*; do [ -x "$$b" ] && "$$b" $(BENCH_FLAGS); done; true

fuzz:
	@bash scripts/install-deps.sh --fuzz
	@bash scripts/run-fuzz.sh $(FUZZ_SECONDS)

format:
	find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build
