# libogg: the Ogg container under libvorbis.
apt-get source --download-only libogg/bookworm
dpkg-source --no-check -x libogg_*.dsc libogg
cd libogg
./configure --host="$HOST" --prefix="$DEPS_PREFIX" --disable-shared --enable-static \
  CC="$HOST-gcc-posix" AR="$HOST-ar" RANLIB="$HOST-ranlib" \
  PKG_CONFIG_LIBDIR="$DEPS_PREFIX/lib/pkgconfig" PKG_CONFIG_PATH=
make -j"$JOBS"
make install
