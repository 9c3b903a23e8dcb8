# A minimal ffmpeg: libavformat/libavcodec with the ASF demuxer and the WMA decoders for
# the WMA plug-in of the BASS stand-in (WMA 1 and 2, Pro, Lossless and Voice), and an
# ffmpeg.exe that can write WMA test media (WAV in, ASF/wmav1 or wmav2 out; ffmpeg has no
# encoders for the other kinds). The same ffmpeg.exe joins the parts of a recorded lecture:
# FLV parts with MP3 audio in, the concat filter, MP3 out through lame with ID3 tags; it
# also decodes MP3 to WAV and writes FLV test media.
apt-get source --download-only ffmpeg/bookworm
dpkg-source --no-check -x ffmpeg_*.dsc ffmpeg
mkdir ffmpeg-build
cd ffmpeg-build
../ffmpeg/configure --prefix="$DEPS_PREFIX" --target-os=mingw32 --arch=x86 \
  --enable-cross-compile --cross-prefix="$HOST-" --cc="$HOST-gcc-posix" --pkg-config=false \
  --enable-static --disable-shared --disable-everything --disable-network --disable-autodetect \
  --disable-doc --disable-debug --disable-x86asm --disable-programs --enable-ffmpeg \
  --enable-avcodec --enable-avformat --enable-avfilter --enable-swresample --enable-libmp3lame \
  --extra-cflags="-I$DEPS_PREFIX/include" \
  --enable-demuxer=asf,wav,flv,mp3 --enable-muxer=asf,flv,mp3,wav \
  --enable-decoder=wmav1,wmav2,wmapro,wmalossless,wmavoice,pcm_s16le,mp3float,mp3 \
  --enable-encoder=wmav2,wmav1,libmp3lame,pcm_s16le --enable-parser=mpegaudio --enable-protocol=file,pipe \
  --enable-filter=aresample,aformat,anull,atrim,abuffer,abuffersink,concat \
  --extra-libs=-lbcrypt --extra-ldflags="-static -L$DEPS_PREFIX/lib"
make -j"$JOBS"
make install
cp ffmpeg.exe "$DEPS_PREFIX/bin/ffmpeg.exe"
