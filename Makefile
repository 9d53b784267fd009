# The two commands of the README: `make run` and `make test`.
# Both install what is missing, configure and build; `test` runs the whole suite
# twice, in a normal build and in a build with AddressSanitizer and UBSan.

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= 2
CMAKE_ARGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_WERROR=ON
CTEST_ARGS ?= --output-on-failure --timeout 600 -j $(JOBS)

PREFIX     ?= /usr/local

.PHONY: all deps build build-asan run test test-normal test-asan fuzz install package clean

all: build

deps:
	./tools/install-deps

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_ARGS)
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_ARGS) -DVANTOR_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)

# The program reads "*.lng" from its current directory, so it starts in the
# folder where the build put it beside its language files.
run: build
	./tools/run-vantor $(BUILD)/bin

test: test-normal test-asan

test-normal: build
	ctest --test-dir $(BUILD) $(CTEST_ARGS)

test-asan: build-asan
	ctest --test-dir $(ASAN_BUILD) $(CTEST_ARGS)

# Installs the programs, language files, desktop entry, icons, metadata and manual pages under PREFIX.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# Builds a .deb (installing to /usr) in the build folder.
package: build
	cd $(BUILD) && cpack -G DEB

# libFuzzer target for the language-file loader (clang); not part of `make test`.
fuzz:
	./tests/fuzz/run-fuzz

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-fuzz
