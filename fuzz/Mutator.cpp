#include "fuzz/Mutator.h"

#include <algorithm>

namespace {

// Tokens every text format meets: byte-order marks, mark-up starts, lead bytes of the
// Japanese encodings, and escape sequences.
const char* const kCommonTokens[] = {
    "\xFF\xFE", "\xFE\xFF", "\xEF\xBB\xBF", "<", ">", "&#", "&#x", ";", "&", "]]>", "<!--", "-->", "<![CDATA[",
    "\"", "'", "\r\n", "\n", "\x81", "\x82\xA0", "\x9F", "\xE0", "\xFC", "\x8E", "\x8F\xA1\xA1", "\xA4\xA2",
    "\x1B$B", "\x1B(B", "\x1B(J", "\x1B$@", "\0", "\xC3", "\xE3\x81", "\xF0\x9F\x98", "\xFF\xFF\xFF\xFF",
    "\x7F\xFF\xFF\xFF", "\x00\x00\x00\x80",
};

}  // namespace

Mutator::Mutator(const std::vector<std::string>& seeds, const std::vector<std::string>& tokens, uint64_t seed,
                 size_t maxSize)
    : mSeeds(seeds), mTokens(tokens), mRandom(seed), mMaxSize(maxSize) {
    for (const char* token : kCommonTokens) {
        // "\0" is a one-byte token; the others end at their terminator.
        mTokens.emplace_back(token, token[0] == '\0' ? 1 : std::char_traits<char>::length(token));
    }
}

std::string Mutator::next() {
    std::string data = mSeeds.empty() ? std::string() : mSeeds[mRandom.below(mSeeds.size())];
    if (mSeeds.size() > 1 && mRandom.oneIn(8)) {
        const std::string& other = mSeeds[mRandom.below(mSeeds.size())];
        size_t cut = mRandom.below(data.size() + 1);
        size_t from = mRandom.below(other.size() + 1);
        data = data.substr(0, cut) + other.substr(from);
    }
    size_t rounds = 1 + mRandom.below(8);
    for (size_t i = 0; i < rounds; ++i) mutate(data);
    if (data.size() > mMaxSize) data.resize(mMaxSize);
    return data;
}

void Mutator::mutate(std::string& data) {
    const size_t size = data.size();
    switch (mRandom.below(9)) {
        case 0:  // flip a bit
            if (size) data[mRandom.below(size)] ^= static_cast<char>(1 << mRandom.below(8));
            break;
        case 1:  // replace a byte
            if (size) data[mRandom.below(size)] = static_cast<char>(mRandom.below(256));
            break;
        case 2: {  // insert a run of one byte
            size_t at = mRandom.below(size + 1);
            data.insert(at, 1 + mRandom.below(32), static_cast<char>(mRandom.below(256)));
            break;
        }
        case 3: {  // delete a run
            if (!size) break;
            size_t at = mRandom.below(size);
            data.erase(at, 1 + mRandom.below(std::min<size_t>(size - at, 64)));
            break;
        }
        case 4:
        case 5: {  // insert a token of the format
            const std::string& token = mTokens[mRandom.below(mTokens.size())];
            data.insert(mRandom.below(size + 1), token);
            break;
        }
        case 6: {  // overwrite with a token
            const std::string& token = mTokens[mRandom.below(mTokens.size())];
            size_t at = mRandom.below(size + 1);
            data.replace(at, std::min(token.size(), size - at), token);
            break;
        }
        case 7: {  // duplicate a stretch
            if (!size) break;
            size_t at = mRandom.below(size);
            size_t length = 1 + mRandom.below(std::min<size_t>(size - at, 256));
            data.insert(mRandom.below(size + 1), data.substr(at, length));
            break;
        }
        default:  // cut the end off
            if (size) data.resize(mRandom.below(size));
            break;
    }
}
