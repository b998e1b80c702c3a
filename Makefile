# make run      set up, build and start the program
# make test     set up, build and run the whole test suite (also under the sanitizers)
# make install  build optimised and install (PREFIX=/usr/local by default)
# make screenshots  render every window and page in every language to build/screenshots
#               (and at 200 % scale to build/screenshots/scale200), without a display

PREFIX ?= /usr/local
JOBS ?= $(shell nproc)
WERROR := $(if $(CI),-DQUORVEX_WERROR=ON,)

.PHONY: deps build run test test-dev test-sanitize install screenshots clean

deps:
	@bash tools/install-deps.sh

build: deps
	cmake --preset dev $(WERROR)
	cmake --build --preset dev -j $(JOBS)

run: build
	./build/dev/bin/quorvex

test: test-dev test-sanitize

test-dev: build
	ctest --preset dev -j $(JOBS)

test-sanitize: deps
	cmake --preset sanitize $(WERROR)
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)

install: deps
	cmake --preset release -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	cmake --build --preset release -j $(JOBS)
	cmake --install build/release

screenshots: build
	./build/dev/bin/quorvex_screenshots build/screenshots
	QT_SCALE_FACTOR=2 ./build/dev/bin/quorvex_screenshots build/screenshots/scale200

clean:
	rm -rf build
