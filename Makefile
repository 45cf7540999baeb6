# Two entry points: `make demo` runs the main job, `make test` builds and runs every test
# under AddressSanitizer and UndefinedBehaviorSanitizer. Both install missing packages first.
BUILD ?= build
TEST_BUILD ?= build-sanitize
JOBS ?= 2

.PHONY: deps demo test clean

deps:
	@./scripts/install-deps

demo: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(BUILD) -j$(JOBS)
	./scripts/demo $(BUILD)

test: deps
	cmake -S . -B $(TEST_BUILD) -DVDXML_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
	cmake --build $(TEST_BUILD) -j$(JOBS)
	ctest --test-dir $(TEST_BUILD) -j$(JOBS) --output-on-failure

clean:
	rm -rf $(BUILD) $(TEST_BUILD)
