// One player format of the .lrc export, as "Resources/Lyrics.txt" describes it. The
// export uses the text encoding, the separator before the hundredths (extendedTag) and
// the line width and font size by which long sentences are wrapped; the other fields
// describe the player.
#pragma once

#include <string>

struct CorvantaHeader {
    std::string name;  // a format without a name is not used
    std::string headerName;
    std::string version;
    std::string appName;
    std::string language;
    std::wstring encoding;      // an encoding name, "UTF-8N" for UTF-8 with a byte-order mark
    std::wstring extendedTag = L".";  // empty: time tags without hundredths
    int x = 0;
    int y = 0;
    int width = 0;     // the line width, in the units of fontSize
    int rowCount = 0;
    int fontSize = 0;  // the width of a wide character; a narrow one counts half
};
