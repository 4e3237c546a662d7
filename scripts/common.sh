# Shared by the project's scripts: package installation, build folders and the Wine set-up.
# Source it; it changes nothing by itself.

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${ORVANE_BUILD:-$ROOT/build}"
JOBS="$(nproc 2>/dev/null || echo 2)"

PACKAGES=(cmake make g++ googletest libgtest-dev libbenchmark-dev
          wine wine64 libwine-dev g++-mingw-w64-x86-64 mingw-w64-tools
          xvfb xauth xclip
          fonts-dejavu-core)  # a font Wine finds for the demo's filmstrip labels

# Installs whatever of PACKAGES is missing (quietly, without questions); safe to repeat.
ensure_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q >/dev/null
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
}

# The Wine environment of the Windows build: a 64-bit prefix inside the build tree.
wine_env() {
  export WINEPREFIX="$BUILD/windows/wineprefix"
  export WINEARCH=win64
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  mkdir -p "$WINEPREFIX"
}

# Creates the prefix on first use and starts the server and Wine's services, so that each test
# program starts in a fraction of a second. Descriptors are detached: a server holding the
# test runner's pipes would keep it waiting forever.
wine_start() {
  wine_env
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix in $WINEPREFIX"
    wineboot -i </dev/null >/dev/null 2>&1 || true
    wineserver -w </dev/null >/dev/null 2>&1 || true
  fi
  wineserver -p </dev/null >/dev/null 2>&1
  wine cmd /c exit </dev/null >/dev/null 2>&1
}

wine_stop() {
  wineserver -k </dev/null >/dev/null 2>&1 || true
}

configure_native() {  # $1 build folder, then extra CMake arguments
  local dir="$1"; shift
  cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
}

configure_windows() {
  cmake -S "$ROOT" -B "$BUILD/windows" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" >/dev/null
}
