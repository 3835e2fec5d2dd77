# The two commands a newcomer needs: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps build run test clean fuzz install

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

# The program starts on a sample database in its application folder, made the first time.
APP_HOME ?= $(or $(ZEL_HOME),$(HOME)/.local/share/zel)

run: build
	@mkdir -p "$(APP_HOME)"
	@test -f "$(APP_HOME)/Sample.ZELDB" || $(BUILD)/zel --home "$(APP_HOME)" sample --db "$(APP_HOME)/Sample.ZELDB"
	$(BUILD)/zel --home "$(APP_HOME)" --db "$(APP_HOME)/Sample.ZELDB"

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)

# libFuzzer harnesses (fuzz/): a clang build of their own; not part of `make test`.
FUZZ_BUILD ?= fuzz-build
FUZZ_RUNS ?= 1000000

fuzz: deps
	@bash scripts/install-fuzz-deps.sh
	@CXX=clang++ cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@bash fuzz/run.sh $(abspath $(FUZZ_BUILD)) $(FUZZ_RUNS)

# The program with its desktop entry, icons and file types; PREFIX=~/.local installs for one user.
PREFIX ?= /usr/local

install: build
	cmake --install $(BUILD) --prefix "$(PREFIX)"
