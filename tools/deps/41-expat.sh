# expat: a streaming peer (no tree) for the XML benchmark. Only the benchmarks link it.
# Without DTD support: Debian's patches test XML_DTD by value, which the CMake build
# defines empty, and the benchmark's documents have no DTD.
apt-get source --download-only expat/bookworm
dpkg-source --no-check -x expat_*.dsc expat
cmake -S expat/expat -B expat-build -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN_FILE" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX="$DEPS_PREFIX" \
  -DEXPAT_SHARED_LIBS=OFF -DEXPAT_DTD=OFF -DEXPAT_BUILD_TOOLS=OFF -DEXPAT_BUILD_EXAMPLES=OFF \
  -DEXPAT_BUILD_TESTS=OFF -DEXPAT_BUILD_DOCS=OFF -DEXPAT_BUILD_FUZZERS=OFF
cmake --build expat-build -j"$JOBS"
cmake --install expat-build
