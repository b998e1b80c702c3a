# make run      set up, build and start the program
# make test     set up, build and run the whole test suite (also under the sanitizers)
# make install  build optimised and install (PREFIX=/usr/local by default)

PREFIX ?= /usr/local
JOBS ?= $(shell nproc)
WERROR := $(if $(CI),-DQUORVEX_WERROR=ON,)

.PHONY: deps build run test test-dev test-sanitize install clean

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

clean:
	rm -rf build
