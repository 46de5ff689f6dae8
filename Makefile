# `make run` and `make test`, which the README's ./run and ./test call. Both install what is missing
# first.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)

# Debian 12 packages the build, the tests and the end-to-end suite need.
PACKAGES = cmake make g++ qt6-base-dev qt6-base-dev-tools libgl-dev qt6-image-formats-plugins libqt6svg6 \
           qt6-translations-l10n qt6-l10n-tools xdg-utils \
           fonts-liberation xvfb xauth xdotool openbox x11-utils desktop-file-utils appstream
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test bench deps build install clean

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing the Debian packages the build and the tests need:" $$missing; \
	    if [ -n "$(SUDO)" ] && ! command -v sudo >/dev/null; then \
	        echo "Installing them needs root: run 'su -c \"make $(or $(MAKECMDGOALS),deps)\"' or install sudo." >&2; \
	        exit 1; \
	    fi; \
	    $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -qq && \
	    $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS) >/dev/null
	cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/app/vimlahtml

# A fresh system may have no locale at all; the end-to-end tests type Swedish letters, which needs
# UTF-8 (C.UTF-8 is part of every Debian).
test: build
	cd $(BUILD) && LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: build
	bench/run-benchmarks.sh $(BUILD)

install: build
	$(SUDO) cmake --install $(BUILD)

clean:
	rm -rf $(BUILD)

# The fuzzers: built with clang (libFuzzer, ASan, UBSan) apart from the normal build, each run for
# FUZZ_SECONDS from the seeds in fuzz/corpus.
FUZZ_SECONDS ?= 60
FUZZ_PACKAGES = clang libclang-rt-14-dev
.PHONY: fuzz
fuzz:
	@$(MAKE) --no-print-directory deps PACKAGES="$(PACKAGES) $(FUZZ_PACKAGES)"
	FUZZ_SECONDS=$(FUZZ_SECONDS) fuzz/run.sh
