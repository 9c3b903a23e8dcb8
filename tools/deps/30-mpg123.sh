# libmpg123: MP3 decoding for the BASS stand-in (gapless, exact lengths). The mpg123.exe
# it also builds (self-contained) is the decoding step of the export benchmark's peer.
# The source package has no signature file, so apt-get source exits non-zero
# although the files arrive; the unpack below is what must succeed.
apt-get source --download-only mpg123/bookworm || true
dpkg-source --no-check -x mpg123_*.dsc mpg123
cd mpg123
./configure --host="$HOST" --prefix="$DEPS_PREFIX" --disable-shared --enable-static \
  --with-cpu=x86 --disable-modules --disable-network --disable-components --enable-libmpg123 \
  CC="$HOST-gcc-posix" AR="$HOST-ar" RANLIB="$HOST-ranlib" \
  PKG_CONFIG_LIBDIR="$DEPS_PREFIX/lib/pkgconfig" PKG_CONFIG_PATH=
make -j"$JOBS"
make install
