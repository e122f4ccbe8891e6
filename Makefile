# make run   builds the program and starts it under Wine from build/dist/
# make test  builds everything (native, Windows, sanitizers, fuzzers), runs every
#            test and the static analysers
# make dist  builds only the distributable folder build/dist/
# make bench builds the Windows program and times its start-up and painting
#            under Wine in Xvfb against two minimal floor programs; prints one
#            table of medians and ratios (make test does not run it)
# make mutants  builds every mutant of a sample of small changes to the
#            platform-free code and runs the native tests on it; prints what
#            they kill (tools/mutants; make test does not run it).
#            MUTANTS_FROM=<manifest.tsv> replays the mutants of an earlier run.
# make release  makes build/release/Varnu-Olvane-<version>-win64.zip and .msi
# All of them install the Debian packages they need first (as root).
# make data  regenerates data/Olvane.txt, docs/refrigerant-data.md and
#            docs/plots/*.svg from the property tables (tools/refgen).

XVFB := xvfb-run -a -s "-screen 0 1280x1024x24"

.PHONY: all deps native windows dist release test test-native test-windows test-asan test-fuzz fuzz-long test-analysis run clean data bench mutants

all: dist

deps:
	@sh tools/setup/install-debian-packages.sh

native: deps
	cmake --preset native
	cmake --build --preset native

windows: deps
	cmake --preset windows
	cmake --build --preset windows

dist: windows

release: windows
	cmake --build --preset windows --target release

test-native: native
	ctest --preset native

test-windows: windows
	$(XVFB) ctest --preset windows

# The native core tests again, built with AddressSanitizer and UBSan.
test-asan: deps
	cmake --preset native-asan
	cmake --build --preset native-asan
	ctest --preset native-asan

# A short bounded run of every fuzz target (clang, libFuzzer); fails on a
# finding. Longer runs: docs/hardening.md.
test-fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	ctest --preset fuzz

# A long run: FUZZ_RUNS executions of every fuzz target, one after the other,
# in build/fuzz-long (its corpus grows from run to run); fails on a finding.
FUZZ_RUNS := 10000000
fuzz-long: deps
	cmake --preset fuzz -B build/fuzz-long -DOLVANE_FUZZ_SECONDS=0 -DOLVANE_FUZZ_RUNS=$(FUZZ_RUNS)
	cmake --build build/fuzz-long -j2 --target fuzz_database fuzz_entrytext fuzz_formats
	ctest --test-dir build/fuzz-long -L fuzz --output-on-failure

# clang-tidy and cppcheck over the program's own code, with the compile
# commands of the native and Windows builds; fails on any finding.
test-analysis: deps
	cmake --preset native
	cmake --preset windows
	python3 tools/analysis/analyse.py build/windows build/native

test: test-native test-windows test-asan test-fuzz test-analysis

# The Xvfb screen is large enough for a 1920x1080 client area with its frame.
bench: windows
	xvfb-run -a -s "-screen 0 2560x1600x24" sh build/windows/paint-bench.sh

MUTANTS_FROM :=
mutants: deps
	python3 tools/mutants/mutants.py $(if $(MUTANTS_FROM),--from $(MUTANTS_FROM))

data: deps
	cmake --preset native
	cmake --build --preset native --target refgen
	build/native/tools/refgen/refgen .

# Without an X display the program runs on a virtual one; a picture of it is
# saved to build/run-screenshot.png and it runs until Ctrl-C.
run: dist
	sh tools/setup/run-program.sh

clean:
	rm -rf build
