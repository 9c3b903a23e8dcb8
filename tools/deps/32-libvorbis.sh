# libvorbis and vorbisfile: Ogg Vorbis decoding for the BASS stand-in (needs libogg).
apt-get source --download-only libvorbis/bookworm
dpkg-source --no-check -x libvorbis_*.dsc libvorbis
cd libvorbis
./configure --host="$HOST" --prefix="$DEPS_PREFIX" --disable-shared --enable-static \
  --disable-docs --disable-examples --disable-oggtest --with-ogg="$DEPS_PREFIX" \
  CC="$HOST-gcc-posix" AR="$HOST-ar" RANLIB="$HOST-ranlib" \
  PKG_CONFIG_LIBDIR="$DEPS_PREFIX/lib/pkgconfig" PKG_CONFIG_PATH=
make -j"$JOBS"
make install
