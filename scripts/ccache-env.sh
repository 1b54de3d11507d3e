# ccache's settings for the project's builds; sourced by scripts/build.sh with $root set to
# the clone's root.
# The cache lives outside the clone, so a fresh clone (CI makes one for every run) finds the
# objects of the last run: /var/cache/pfc-ccache where it can be written (root, as CI runs),
# else the user's cache folder. CCACHE_DIR set beforehand wins.
if [ -z "${CCACHE_DIR:-}" ]; then
  if mkdir -p /var/cache/pfc-ccache 2> /dev/null && [ -w /var/cache/pfc-ccache ]; then
    CCACHE_DIR=/var/cache/pfc-ccache
  else
    CCACHE_DIR="${XDG_CACHE_HOME:-$HOME/.cache}/pfc-ccache"
  fi
fi
export CCACHE_DIR
# Paths under the clone are hashed relative to it, and the working folder is left out of the
# hash (it only names the build folder in the debug information), so a clone in another
# folder hits the same objects.
export CCACHE_BASEDIR="$root"
export CCACHE_NOHASHDIR=1
# The compiler is recognised by its contents, not its time stamp: a reinstalled package of
# the same compiler keeps the cache; a new compiler version does not reuse it.
export CCACHE_COMPILERCHECK=content
# The three build trees (normal, sanitizers, fuzzing) take a few hundred MB compressed (the
# normal one 61 MB); the room left keeps the objects of earlier versions of the tree.
export CCACHE_MAXSIZE="${CCACHE_MAXSIZE:-2G}"
