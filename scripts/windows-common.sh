# Shared by the Windows scripts (sourced, from the repository's root): where the
# library archives are, whether they can be used, and which library prefix
# belongs to this checkout.

# The folder of the library archives: $KORVEL_WINDOWS_SOURCES when set, else the
# first ../shared/windows-sources found beside this repository, beside the main
# checkout of its worktrees, or beside the local repository it was cloned from.
# Without any, the first of these is named (and reported missing).
windows_sources_folder() {
    if [ -n "${KORVEL_WINDOWS_SOURCES:-}" ]; then
        echo "$KORVEL_WINDOWS_SOURCES"
        return
    fi
    local origin repos=("$PWD") repo
    origin="$(git remote get-url origin 2>/dev/null || true)"
    [ -d "$origin" ] && repos+=("$origin")
    for repo in "${repos[@]}"; do
        for repo in "$repo" "$(dirname "$(git -C "$repo" rev-parse --path-format=absolute --git-common-dir 2>/dev/null)")"; do
            if [ -d "$repo/../shared/windows-sources" ]; then
                (cd "$repo/../shared/windows-sources" && pwd)
                return
            fi
        done
    done
    echo "$(dirname "$PWD")/shared/windows-sources"
}

# Checks every archive of scripts/windows-sources.sha256 in folder $1. The first
# that is missing (status 3) or differs (status 4) is named in one line on
# standard error.
check_windows_archives() {
    local folder="$1" expected name actual
    while read -r expected name; do
        if [ ! -f "$folder/$name" ]; then
            echo "no library archive $folder/$name (KORVEL_WINDOWS_SOURCES names the archives' folder)" >&2
            return 3
        fi
        actual="$(sha256sum "$folder/$name" | cut -d' ' -f1)"
        if [ "$actual" != "$expected" ]; then
            echo "library archive $folder/$name does not match its SHA-256 in scripts/windows-sources.sha256" >&2
            return 4
        fi
    done <scripts/windows-sources.sha256
}

# Everything the library prefix is made from, one item a line.
windows_prefix_inputs() {
    cat scripts/windows-sources.sha256
    sha256sum scripts/windows-deps.sh cmake/windows-toolchain.cmake
    x86_64-w64-mingw32-gcc-posix --version | head -n1
    cmake --version | head -n1
    dpkg-query -W -f='${Package} ${Version}\n' g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
        mingw-w64-x86-64-dev binutils-mingw-w64-x86-64 libgtest-dev libglm-dev rapidjson-dev libstb-dev
}

# The prefix for this checkout's inputs, whether built yet or not.
windows_prefix_path() {
    local key
    key="$(windows_prefix_inputs | sha256sum | cut -c1-16)"
    echo "${XDG_CACHE_HOME:-$HOME/.cache}/korvel/windows-libs-$key"
}
