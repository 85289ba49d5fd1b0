# The whole set-up: `make run` or `make test` on a fresh Debian machine (as root).
# Every Debian package the project needs, in one place.
PACKAGES := cmake make g++ pkg-config qt6-base-dev libx11-dev libxdamage-dev libgtest-dev libgmock-dev \
            libbenchmark-dev xvfb xauth xdotool x11-utils poppler-utils fonts-liberation \
            imagemagick clang libfuzzer-14-dev qt6-translations-l10n strace libdxflib-dev \
            qt6-svg-dev python3-ezdxf scdoc groff-base dpkg-dev lintian shared-mime-info libeigen3-dev

BUILD          ?= build
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD     ?= build-fuzz
FUZZ_SECONDS   ?= 60
JOBS           ?= $(shell nproc)
SUDO           := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build run test bench sanitize fuzz install package clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/perfil

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench/bench_*; do \
	  [ -f "$$b" ] && [ -x "$$b" ] || continue; \
	  echo "== $$b"; $$b || exit 1; \
	done

sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DPERFIL_SANITIZE=ON -DPERFIL_BENCH=OFF
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j $(JOBS)

fuzz: deps
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPERFIL_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	mkdir -p $(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/page-corpus
	$(FUZZ_BUILD)/fuzz/fuzz_profile_file $(FUZZ_BUILD)/corpus fuzz/seeds \
	  -max_total_time=$(FUZZ_SECONDS) -timeout=5 -print_final_stats=1
	QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions=fuzz/page-file.lsan \
	  $(FUZZ_BUILD)/fuzz/fuzz_page_file $(FUZZ_BUILD)/page-corpus \
	  fuzz/page-seeds -max_total_time=$(FUZZ_SECONDS) -timeout=5 -rss_limit_mb=4096 \
	  -print_final_stats=1
	mkdir -p $(FUZZ_BUILD)/corpus-dxf
	$(FUZZ_BUILD)/fuzz/fuzz_dxf_import $(FUZZ_BUILD)/corpus-dxf fuzz/seeds-dxf \
	  -max_total_time=$(FUZZ_SECONDS) -timeout=5 -print_final_stats=1

install: build
	cmake --install $(BUILD)

# perfil_VERSION_ARCH.deb in this folder, for `apt-get install ./perfil_*.deb`.
package: build
	cd $(BUILD) && cpack
	mv $(BUILD)/perfil_*.deb .

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
