# Sourced by the build scripts: compile through ccache when it is installed (scripts/setup.sh
# installs it). Paths are hashed relative to the checkout, so a fresh clone elsewhere on the same
# machine finds what an earlier clone compiled. Sets LAUNCHER, the cmake options to pass.
LAUNCHER=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(pwd)}
  LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
