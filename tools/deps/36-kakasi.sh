# libkakasi (kanji to kana readings with word boundaries) and its dictionaries, for the
# input-method stand-in. The binary dictionary is made by the package's own mkkanwa, so
# that part is built for this machine; the library itself is cross-built. The UTF-8
# support needs iconv, which MinGW lacks: the stand-in talks Shift_JIS to it.
apt-get source --download-only kakasi/bookworm
dpkg-source --no-check -x kakasi_*.dsc kakasi
cp -r kakasi native
(cd native && ./configure --disable-shared --enable-static --disable-utf8 && make -j"$JOBS")
mkdir -p "$DEPS_PREFIX/share/kakasi"
cp native/kanwadict native/itaijidict "$DEPS_PREFIX/share/kakasi/"
cd kakasi
./configure --host="$HOST" --prefix="$DEPS_PREFIX" --disable-shared --enable-static --disable-utf8 \
  CC="$HOST-gcc-posix" AR="$HOST-ar" RANLIB="$HOST-ranlib" \
  PKG_CONFIG_LIBDIR="$DEPS_PREFIX/lib/pkgconfig" PKG_CONFIG_PATH=
make -C lib -j"$JOBS"
cp lib/.libs/libkakasi.a "$DEPS_PREFIX/lib/"
cp lib/libkakasi.h "$DEPS_PREFIX/include/"
