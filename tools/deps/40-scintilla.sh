# Scintilla (static, Win32 platform layer): the reference editing component the text
# editor benchmark measures our editor against. Nothing in the program links it. Debian
# ships it inside the scite source package; the lexers (lexilla) are not needed.
apt-get source --download-only scite/bookworm
dpkg-source --no-check -x scite_*.dsc scite
make -C scite/scintilla/win32 -j"$JOBS" ../bin/libscintilla.a \
  CXX="$HOST-g++-posix" AR="$HOST-ar" RANLIB="$HOST-ranlib" WINDRES="$HOST-windres"
install -m 644 scite/scintilla/bin/libscintilla.a "$DEPS_PREFIX/lib/"
mkdir -p "$DEPS_PREFIX/include/scintilla"
install -m 644 scite/scintilla/include/*.h "$DEPS_PREFIX/include/scintilla/"
