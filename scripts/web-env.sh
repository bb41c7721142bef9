# Sourced by the browser build's scripts: where Debian's Emscripten finds its node modules, and the
# cache folder of the browser build's libraries.

# Debian's emcc runs its JavaScript tools with the first node on PATH; when that is not Debian's own
# (for example a vendor's build in /usr/bin), it does not see Debian's node modules without this.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
ZORVEX_WEB_CACHE="${ZORVEX_WEB_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zorvex-web}"
