# Thin convenience layer over the scripts that the README names.
.PHONY: run test build bench clean
run:
	bash scripts/run.sh
test:
	bash scripts/test.sh
build:
	bash scripts/deps.sh && bash scripts/build.sh
bench: build
	./build/bench/quorvex_bench
clean:
	rm -rf build build-*
