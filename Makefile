# The two entry points; everything else lives in scripts/.
.PHONY: all build test demo setup clean

all: build

setup:
	sh scripts/setup.sh

build: setup
	cmake --preset i686 && cmake --build --preset i686
	cmake --preset x86_64 && cmake --build --preset x86_64

test:
	sh scripts/test.sh

demo:
	sh scripts/demo.sh

clean:
	rm -rf build
