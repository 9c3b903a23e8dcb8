# SoundTouch: tempo and pitch changes for the tempo stream of the BASS stand-in; its
# soundstretch.exe (self-contained) is the tempo step of the export benchmark's peer.
apt-get source --download-only soundtouch/bookworm
dpkg-source --no-check -x soundtouch_*.dsc soundtouch
cmake -S soundtouch -B soundtouch-build -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN_FILE" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$DEPS_PREFIX" \
  -DBUILD_SHARED_LIBS=OFF -DSOUNDSTRETCH=ON -DSOUNDTOUCH_DLL=OFF -DOPENMP=OFF \
  -DCMAKE_CXX_FLAGS="-msse2" -DCMAKE_C_FLAGS="-msse2" -DCMAKE_EXE_LINKER_FLAGS=-static
cmake --build soundtouch-build -j"$JOBS"
cmake --install soundtouch-build
