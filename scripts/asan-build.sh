# Sourced by sanitize.sh and soak.sh: configures the AddressSanitizer + UndefinedBehaviorSanitizer
# build in build-asan/ and defines asan_build TARGET... to build in it.
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$top/build-asan"
"$top/scripts/install-deps.sh"

flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
# The build runs the picture and sound generators, instrumented too: leaks they might
# have at exit are not worth failing a build over, but every other report is.
export ASAN_OPTIONS="detect_leaks=0:halt_on_error=1"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_C_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null

asan_build() {
  cmake --build "$build" "$@"
}
