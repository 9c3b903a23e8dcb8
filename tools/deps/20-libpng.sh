# libpng 1.6 (static), for reading and writing PNG images. zlib comes from the MinGW
# zlib package of the build machine (/usr/$HOST, libz-mingw-w64-dev). The SSE2 row filters
# make decoding large pictures markedly faster.
apt-get source --download-only libpng1.6/bookworm
dpkg-source --no-check -x libpng1.6_*.dsc
cd libpng1.6-*/
PKG_CONFIG_LIBDIR="$DEPS_PREFIX/lib/pkgconfig" PKG_CONFIG_PATH= \
CC="$HOST-gcc-posix" AR="$HOST-ar" RANLIB="$HOST-ranlib" \
CPPFLAGS="-I/usr/$HOST/include" LDFLAGS="-L/usr/$HOST/lib -static" CFLAGS="-O2 -msse2" \
  ./configure --host="$HOST" --prefix="$DEPS_PREFIX" --disable-shared --enable-static --enable-intel-sse
make -j"$JOBS"
make install
