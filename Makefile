# Two entry points for a fresh Debian 12 machine:
#   make run   installs what is missing, builds, starts a solo game
#   make test  installs what is missing, builds, runs the whole suite through ctest
BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)
# `make install` puts the game below PREFIX (and below DESTDIR when that is given).
PREFIX ?= /usr/local
# The instrumented builds live in folders of their own.
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD     ?= build-fuzz
FUZZ_SECONDS   ?= 60
# `make deb` puts the Debian package here.
DEB_OUT        ?= dist/out

.PHONY: all deps configure build run test bench clean install uninstall test-sanitize fuzz deb test-deb

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

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer: any
# report ends the program that made it, and so fails its test.
test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLOR_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer/lsan.supp:print_suppressions=0 \
		UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
		ctest --output-on-failure -j $(JOBS)

# Builds the libFuzzer targets with clang and runs each for FUZZ_SECONDS seconds.
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DQUILLOR_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers
	sh tests/fuzz/run-fuzzers $(FUZZ_BUILD) $(FUZZ_SECONDS)

bench: build
	cmake --build $(BUILD) -j $(JOBS) --target benches

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)

install: build
	cmake -S . -B $(BUILD) -DCMAKE_INSTALL_PREFIX=$(PREFIX) >/dev/null
	cmake --build $(BUILD) -j $(JOBS)
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD)

uninstall:
	DESTDIR="$(DESTDIR)" cmake --build $(BUILD) --target uninstall

# The Debian package, built by dpkg-buildpackage from a clean copy of the tree into
# DEB_OUT; DEB_BUILD_OPTIONS passes through (nocheck, parallel=N).
deb: deps
	sh dist/make_deb.sh $(DEB_OUT) $(JOBS)

# Builds the package, runs lintian on it, installs it with apt-get, checks the installed
# files and programs, and purges it again (as root, on a machine that may be changed).
test-deb: deps
	bash dist/check_deb.sh $(DEB_OUT) $(JOBS)
