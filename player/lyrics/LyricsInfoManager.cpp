#include "player/lyrics/LyricsInfoManager.h"

#include "player/mp3/LyricsFrameFile.h"

void LyricsInfoManager::clear() {
    times.clear();
    texts.clear();
}

std::wstring LyricsInfoManager::getText(int i) const {
    return i >= 0 && i < getCount() ? texts[static_cast<size_t>(i)] : std::wstring();
}

uint32_t LyricsInfoManager::getTime(int i) const {
    return i >= 0 && static_cast<size_t>(i) < times.size() ? times[static_cast<size_t>(i)] : 0;
}

bool LyricsInfoManager::readSyltTag(const std::wstring& audioPath) {
    clear();
    std::vector<LyricsLine> lines;
    if (!readSyltLines(audioPath, lines)) return false;
    times.reserve(lines.size());
    texts.reserve(lines.size());
    for (LyricsLine& line : lines) {
        times.push_back(line.time);
        texts.push_back(std::move(line.text));
    }
    return true;
}

std::wstring LyricsInfoManager::getUltTagText(const std::wstring& audioPath) const {
    return readUsltText(audioPath);
}
