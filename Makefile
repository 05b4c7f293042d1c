# The two commands of the README. Both set up a fresh machine first.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test deb clean

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	QTWEBENGINE_DISABLE_SANDBOX=$${QTWEBENGINE_DISABLE_SANDBOX:-$$( [ "$$(id -u)" = 0 ] && echo 1 || echo 0 )} \
	    $(BUILD)/bin/lumaro

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The Debian package (build/lumaro_<version>_amd64.deb), for `apt-get install ./build/lumaro_*.deb`.
deb: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)
