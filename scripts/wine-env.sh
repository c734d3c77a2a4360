# Sourced: the environment of every Wine process of this project's build.
# The prefix is a throwaway under the build folder.
KRVL_ROOT=${KRVL_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX=${WINEPREFIX:-$KRVL_ROOT/build/win/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY no_proxy NO_PROXY
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
