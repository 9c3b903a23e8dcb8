# SQLite 3 (static), for the Japanese WordNet dictionary. The amalgamation (one sqlite3.c)
# is generated on this machine by the package's own build, then that one file is
# cross-compiled. Extensions are never loaded, so that code is left out.
apt-get source --download-only sqlite3/bookworm
dpkg-source --no-check -x sqlite3_*.dsc sqlite3
mkdir sqlite3-native
(cd sqlite3-native && ../sqlite3/configure --disable-tcl --disable-readline && make sqlite3.c)
"$HOST-gcc-posix" -O2 -DSQLITE_THREADSAFE=1 -DSQLITE_OMIT_LOAD_EXTENSION -c sqlite3-native/sqlite3.c -o sqlite3.o
"$HOST-ar" rcs "$DEPS_PREFIX/lib/libsqlite3.a" sqlite3.o
cp sqlite3-native/sqlite3.h "$DEPS_PREFIX/include/"
