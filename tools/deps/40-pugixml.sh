# pugixml, wide-character build: a peer the XML benchmark measures the parser against.
# Only the benchmarks link it. Same compiler and optimisation as the project.
apt-get source --download-only pugixml/bookworm
dpkg-source --no-check -x pugixml_*.dsc pugixml
cmake -S pugixml -B pugixml-build -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN_FILE" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX="$DEPS_PREFIX" \
  -DBUILD_SHARED_LIBS=OFF -DPUGIXML_WCHAR_MODE=ON -DPUGIXML_BUILD_TESTS=OFF
cmake --build pugixml-build -j"$JOBS"
cmake --install pugixml-build
