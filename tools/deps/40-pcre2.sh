# PCRE2, 16-bit library, interpreter only (no JIT): the peer the regular-expression
# benchmark measures the engine against. Only the benchmark links it.
apt-get source --download-only pcre2/bookworm
dpkg-source --no-check -x pcre2_*.dsc pcre2
cmake -S pcre2 -B pcre2-build -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN_FILE" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX="$DEPS_PREFIX" \
  -DBUILD_SHARED_LIBS=OFF -DBUILD_STATIC_LIBS=ON \
  -DPCRE2_BUILD_PCRE2_8=OFF -DPCRE2_BUILD_PCRE2_16=ON -DPCRE2_SUPPORT_JIT=OFF \
  -DPCRE2_BUILD_PCRE2GREP=OFF -DPCRE2_BUILD_TESTS=OFF -DPCRE2_SUPPORT_LIBBZ2=OFF \
  -DPCRE2_SUPPORT_LIBZ=OFF -DPCRE2_SUPPORT_LIBEDIT=OFF -DPCRE2_SUPPORT_LIBREADLINE=OFF
cmake --build pcre2-build -j"$JOBS"
cmake --install pcre2-build
