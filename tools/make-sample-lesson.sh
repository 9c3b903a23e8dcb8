#!/bin/bash
# Makes the sample lesson a newcomer finds on the first run: a few English sentences
# spoken by espeak-ng, encoded to MP3 by the program's own Plugins/lame.exe (under Wine),
# with its sentence list beside it (times measured from the speech, Japanese
# translations, a few explanations). Does nothing when the lesson is already there.
# Usage: tools/make-sample-lesson.sh [RUN_FOLDER]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
RUN="${1:-$RUN_DIR}"
LESSON_DIR="$RUN/Lessons/Sample"
NAME="Sample"
[ -s "$LESSON_DIR/$NAME.mp3" ] && [ -s "$LESSON_DIR/$NAME.xml" ] && exit 0
[ -f "$RUN/Plugins/lame.exe" ] || { echo "make-sample-lesson: $RUN/Plugins/lame.exe is missing (build first)" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$LESSON_DIR"

# sentence | translation | explanation (may be empty)
cat >"$work/lesson.txt" <<'TEXT'
Good morning, and welcome to today's English lesson. |おはようございます。今日の英語のレッスンへようこそ。|welcome to ...: ～へようこそ
Today we are going to talk about the weather. |今日は天気について話します。|talk about ...: ～について話す
It was sunny yesterday, but it is raining this morning. |昨日は晴れていましたが、今朝は雨が降っています。|
Don't forget to take your umbrella when you go out. |出かけるときは傘を忘れずに持って行ってください。|Don't forget to ...: 忘れずに～する
The rain will stop in the afternoon. |雨は午後にはやむでしょう。|
Thank you for listening, and see you next week. |聞いてくれてありがとう。また来週お会いしましょう。|see you ...: また～に会いましょう
TEXT

# Each sentence is spoken to its own WAV, made CD-like, and followed by a short pause; its
# start is the sum of the lengths before it.
lead=0.5
pause=0.6
sox -n -r 44100 -c 2 -b 16 "$work/lead.wav" trim 0 "$lead"
parts=("$work/lead.wav")
: >"$work/times.txt"
start="$lead"
i=0
while IFS='|' read -r sentence _; do
  espeak-ng -v en-us -s 145 -w "$work/raw$i.wav" "$sentence"
  sox "$work/raw$i.wav" -r 44100 -c 2 -b 16 "$work/s$i.wav" pad 0 "$pause"
  length="$(soxi -D "$work/s$i.wav")"
  awk -v s="$start" -v l="$length" -v p="$pause" 'BEGIN { printf "%.3f %.3f\n", s, s + l - p }' >>"$work/times.txt"
  start="$(awk -v s="$start" -v l="$length" 'BEGIN { printf "%.3f", s + l }')"
  parts+=("$work/s$i.wav")
  i=$((i + 1))
done <"$work/lesson.txt"
sox "${parts[@]}" "$work/lesson.wav"

# The program's own encoder, run from the run folder so that the paths stay relative.
cp "$work/lesson.wav" "$LESSON_DIR/$NAME.wav"
(cd "$RUN" && LC_ALL="${LC_ALL:-ja_JP.UTF-8}" wine Plugins/lame.exe --quiet --alt-preset cbr 128 \
  "Lessons\\Sample\\$NAME.wav" "Lessons\\Sample\\$NAME.mp3" </dev/null >/dev/null 2>&1)
rm -f "$LESSON_DIR/$NAME.wav"
[ -s "$LESSON_DIR/$NAME.mp3" ] || { echo "make-sample-lesson: lame.exe wrote no MP3" >&2; exit 1; }

# The sentence list, as the player writes it: UTF-16LE with a byte-order mark.
python3 - "$work/lesson.txt" "$work/times.txt" "$LESSON_DIR/$NAME.xml" "$NAME.mp3" <<'PY'
import sys

lesson, times, out, audio = sys.argv[1:]

def time_text(seconds):
    ms = int(round(seconds * 1000))
    return "%02d:%02d:%02d" % (ms // 60000, ms // 1000 % 60, ms % 1000 // 10)

rows = [line.rstrip("\n").split("|") for line in open(lesson, encoding="utf-8") if line.strip()]
spans = [tuple(float(v) for v in line.split()) for line in open(times)]
lines = ['<?xml version="1.0" encoding="UTF-16"?>', '<SentenceList audio="%s">' % audio, "<WordList></WordList>",
         "<id3><title>Sample Lesson: The Weather</title><description><![CDATA[A short lesson spoken by espeak-ng.]]>"
         "</description><officialSite></officialSite><sourceUrl></sourceUrl><category>Sample</category>"
         "<year>2026</year><month>01</month><day>01</day></id3>"]
for (sentence, translation, explanation), (start, end) in zip(rows, spans):
    lines.append("\t<SentenceGroup startTime='%s' endTime='%s'>" % (time_text(start), time_text(end)))
    lines.append("\t\t<sentence><![CDATA[%s]]>\t\t</sentence>" % sentence)
    lines.append("\t\t<translation><![CDATA[%s]]>\t\t</translation>" % translation)
    if explanation:
        lines.append("\t\t<explanation><![CDATA[%s]]>\t\t</explanation>" % explanation)
    lines.append("\t</SentenceGroup>")
lines.append("</SentenceList>")
with open(out, "wb") as f:
    f.write(b"\xff\xfe" + "\r\n".join(lines).encode("utf-16-le"))
PY
echo "$LESSON_DIR/$NAME.mp3"
