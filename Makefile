BUILD_DIR ?= build
JOBS ?= $(shell nproc)
SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60

# Every finding stops the test that made it: no recovering past undefined behaviour, leaks
# reported at exit except the system libraries' own (see the suppressions file).
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan-suppressions.txt:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: deps configure build run test test-sanitize fuzz bench install package format format-check clean

deps:
	./scripts/install-deps

# CMAKE_OPTIONS adds settings, e.g. -DPENNYWELL_WARNINGS_AS_ERRORS=ON as CI builds.
configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_OPTIONS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/pennywell

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# -O1 with line tables only, as the sanitizers advise: a third quicker to build than -O2 with
# full debug information, and every report still names its file and line. The packaging
# checks are left out: they look at the package, not at the program's memory.
test-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
		-DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" \
		-DCMAKE_SHARED_LINKER_FLAGS="$(SANITIZE_FLAGS)"
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && $(SANITIZE_ENV) QT_QPA_PLATFORM=offscreen \
		ctest --output-on-failure -j $(JOBS) --label-exclude packaging

# The fuzz targets are built with clang, which brings libFuzzer; the core compiles with both.
fuzz: deps
	CXX=clang++ cmake -S fuzz -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	./fuzz/run $(FUZZ_DIR) $(FUZZ_SECONDS)

# The start-up benchmark starts the program on an X server of its own, as a person would.
bench: build
	cmake --build $(BUILD_DIR) --target benchmarks -j $(JOBS)
	for b in $$(find $(BUILD_DIR)/bench -maxdepth 1 -name 'bench_*' -type f -executable ! -name bench_startup | sort); do $$b || exit 1; done
	QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" $(BUILD_DIR)/bench/bench_startup

# PREFIX=/usr/local unless given; DESTDIR stages the install elsewhere.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

package: build
	cd $(BUILD_DIR) && cpack -G DEB

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

format-check:
	clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD_DIR)
