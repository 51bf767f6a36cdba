# Shared by scripts/run and scripts/test: installs the Debian packages the build needs (only
# those that are missing) and configures and builds one build folder.

# Installed without "Recommends", so every package the build links against is named here:
# Qt Charts needs Qt's OpenGL module (libqt6opengl6-dev), the Swedish collation links SQLite
# itself (libsqlite3-dev), and libxlsxwriter's pkg-config file asks for zlib (zlib1g-dev).
VELMORA_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-charts-dev libqt6opengl6-dev
                  libqt6sql6-sqlite libsqlite3-dev libxlsxwriter-dev zlib1g-dev libgl1-mesa-dev
                  xvfb xauth fonts-dejavu-core python3)

install_missing_packages() {
    local missing=()
    for p in "${VELMORA_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installerar: ${missing[*]}"
        if [ "$(id -u)" -ne 0 ]; then
            echo "Paketen saknas och kan bara installeras som root (apt-get install ${missing[*]})." >&2
            exit 1
        fi
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

# build_folder DIR [extra cmake arguments...]
build_folder() {
    local dir="$1"
    shift
    cmake -S "$VELMORA_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -- -j"$(nproc)"
}
