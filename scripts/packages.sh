# Debian packages of the build, and a helper that installs only the missing ones.
BUILD_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev libpcre2-dev
                libcurl4-openssl-dev fonts-wqy-microhei librsvg2-bin)
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev libcpp-httplib-dev
               python3 python3-xlib xvfb xauth xdg-utils hyperfine desktop-file-utils appstream dpkg-dev file
               clang libclang-rt-14-dev)

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}
