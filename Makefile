# The two commands of the README. Both set up a fresh machine first.
BUILD ?= build
JOBS ?= $(shell nproc)

# Checking builds, each in a folder of its own.
SANITIZE_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 30
STEPS_BUILD ?= build-steps
# ccache, where the machine has it, only speeds up rebuilds; nothing depends on it.
LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: deps configure build run test clean sanitize fuzz deb deb-check build-steps

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	QTWEBENGINE_DISABLE_SANDBOX=$${QTWEBENGINE_DISABLE_SANDBOX:-$$( [ "$$(id -u)" = 0 ] && echo 1 || echo 0 )} \
	    $(BUILD)/bin/lumaro

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Every test that can run under AddressSanitizer + UndefinedBehaviorSanitizer (the exceptions and
# their reasons are in tests/CMakeLists.txt). The Haxe templates are taken from the normal build.
sanitize: build
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER) \
	    -DLUMARO_SANITIZE=ON -DLUMARO_BENCH=OFF \
	    -DLUMARO_PREBUILT_TEMPLATES=$(abspath $(BUILD))/bin
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j $(JOBS)

# Every build step that writes into the application folder made on its own in a fresh folder,
# so that a step relying on what another one happens to make first fails every time.
build-steps: deps
	python3 scripts/check-build-steps.py $(STEPS_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER) \
	    -DLUMARO_BENCH=OFF

# Each fuzzer for FUZZ_SECONDS (libFuzzer through clang; only the fuzz targets are built).
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER) \
	    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DLUMARO_FUZZ=ON -DLUMARO_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers
	FUZZ_SECONDS=$(FUZZ_SECONDS) fuzz/run.sh $(FUZZ_BUILD)

# The Debian package (build/lumaro_<version>_amd64.deb), for `apt-get install ./build/lumaro_*.deb`.
deb: build
	cd $(BUILD) && cpack -G DEB

# The package built and checked without installing it (fields, files, apt's dependency
# resolution, the packaged publisher run from where the package unpacks).
deb-check: deb
	bash packaging/check-deb.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD) $(STEPS_BUILD)
