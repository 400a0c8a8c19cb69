# Two entry points for a fresh Debian 12 machine:
#   make run   installs what is missing, builds, starts a solo game
#   make test  installs what is missing, builds, runs the whole suite through ctest
BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)
# `make install` puts the game below PREFIX (and below DESTDIR when that is given).
PREFIX ?= /usr/local

.PHONY: all deps configure build run test bench clean install uninstall

all: build

deps:
	sh scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/quillor

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	cmake --build $(BUILD) -j $(JOBS) --target benches

clean:
	rm -rf $(BUILD)

install: build
	cmake -S . -B $(BUILD) -DCMAKE_INSTALL_PREFIX=$(PREFIX) >/dev/null
	cmake --build $(BUILD) -j $(JOBS)
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD)

uninstall:
	DESTDIR="$(DESTDIR)" cmake --build $(BUILD) --target uninstall
