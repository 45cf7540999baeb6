# Two entry points: `make demo` builds the tool and shows it at work on a generated survey
# (scripts/demo); `make test` builds and runs every test under AddressSanitizer and
# UndefinedBehaviorSanitizer. Both install missing packages first.
BUILD ?= build
TEST_BUILD ?= build-sanitize
JOBS ?= 2

.PHONY: deps demo test clean

deps:
	@./scripts/install-deps

demo: deps
	./scripts/demo $(BUILD) $(JOBS)

test: deps
	cmake -S . -B $(TEST_BUILD) -DVDXML_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
	cmake --build $(TEST_BUILD) -j$(JOBS)
	ctest --test-dir $(TEST_BUILD) -j$(JOBS) --output-on-failure

clean:
	rm -rf $(BUILD) $(TEST_BUILD)
