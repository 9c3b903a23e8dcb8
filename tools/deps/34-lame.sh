# lame.exe: the self-contained Windows MP3 encoder that the player runs from Plugins/;
# its library (libmp3lame) is installed too, for ffmpeg's MP3 encoder.
apt-get source --download-only lame/bookworm
dpkg-source --no-check -x lame_*.dsc lame
cd lame
./configure --host="$HOST" --prefix="$DEPS_PREFIX" --disable-shared --enable-static \
  --enable-frontend --disable-gtktest --disable-decoder LDFLAGS=-static \
  CFLAGS="-O3 -msse2 -mfpmath=sse" \
  CC="$HOST-gcc-posix" AR="$HOST-ar" RANLIB="$HOST-ranlib" \
  PKG_CONFIG_LIBDIR="$DEPS_PREFIX/lib/pkgconfig" PKG_CONFIG_PATH=
make -j"$JOBS"
make install
cp frontend/lame.exe "$DEPS_PREFIX/bin/lame.exe"
