# Sourced by the build scripts: compile through ccache when it is installed (scripts/setup.sh
# installs it). Paths are hashed relative to the checkout, and the build folder is left out of the
# hash, so a fresh clone elsewhere on the same machine finds what an earlier clone compiled (its
# debug information then names the earlier clone's build folder). Sets LAUNCHER, the cmake options
# to pass.
LAUNCHER=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(pwd)}
  export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-true}
  LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
