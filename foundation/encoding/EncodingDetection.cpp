#include "foundation/encoding/EncodingDetection.h"

namespace {

bool between(unsigned char c, unsigned char low, unsigned char high) {
    return c >= low && c <= high;
}

bool isContinuation(unsigned char c) {
    return between(c, 0x80, 0xBF);
}

}  // namespace

long long scoreShiftJIS(const unsigned char* data, size_t size) {
    long long score = 0;
    size_t i = 0;
    while (i < size) {
        unsigned char c = data[i];
        if (c == 0) {
            // A NUL that ends the data is a terminator; anywhere else it means binary.
            if (i + 1 < size) return -1;
            ++i;
        } else if (c < 0x80 || between(c, 0xA1, 0xDF)) {
            ++score;
            ++i;
        } else if ((between(c, 0x81, 0x9F) || between(c, 0xE0, 0xFC)) && i + 1 < size &&
                   (between(data[i + 1], 0x40, 0x7E) || between(data[i + 1], 0x80, 0xFC))) {
            score += 2;
            i += 2;
        } else {
            ++i;
        }
    }
    return score;
}

long long scoreUTF8(const unsigned char* data, size_t size) {
    long long score = 0;
    size_t i = 0;
    while (i < size) {
        unsigned char c = data[i];
        if (c < 0x80) {
            ++score;
            ++i;
        } else if (between(c, 0xC0, 0xDF) && i + 1 < size && isContinuation(data[i + 1])) {
            score += 2;
            i += 2;
        } else if (between(c, 0xE0, 0xEF) && i + 2 < size && isContinuation(data[i + 1]) &&
                   isContinuation(data[i + 2])) {
            score += 3;  // the byte-order mark EF BB BF included
            i += 3;
        } else if (between(c, 0xF0, 0xF7) && i + 3 < size && isContinuation(data[i + 1]) &&
                   isContinuation(data[i + 2]) && isContinuation(data[i + 3])) {
            score += 4;
            i += 4;
        } else {
            ++i;
        }
    }
    return score;
}

long long scoreEUCJP(const unsigned char* data, size_t size) {
    long long score = 0;
    size_t i = 0;
    while (i < size) {
        unsigned char c = data[i];
        if (c < 0x80) {
            ++score;
            ++i;
        } else if (between(c, 0xA1, 0xFE) && i + 1 < size && between(data[i + 1], 0xA1, 0xFE)) {
            score += 2;
            i += 2;
        } else if (c == 0x8E && i + 1 < size && between(data[i + 1], 0xA1, 0xDF)) {
            score += 2;
            i += 2;
        } else if (c == 0x8F && i + 2 < size && between(data[i + 1], 0xA1, 0xFE) &&
                   between(data[i + 2], 0xA1, 0xFE)) {
            score += 3;
            i += 3;
        } else if (i + 1 < size) {
            return 0;  // a stray high byte: not EUC-JP at all
        } else {
            ++i;
        }
    }
    return score;
}

long long scoreBIG5(const unsigned char* data, size_t size) {
    long long score = 0;
    size_t i = 0;
    while (i < size) {
        unsigned char c = data[i];
        if (c == 0) return -1;
        if (c < 0x80) {
            ++score;
            ++i;
        } else if ((between(c, 0xA1, 0xC6) || between(c, 0xC9, 0xF9)) && i + 1 < size &&
                   (between(data[i + 1], 0x40, 0x7E) || between(data[i + 1], 0xA1, 0xFE))) {
            score += 2;
            i += 2;
        } else {
            ++i;
        }
    }
    return score;
}

EncodingId detectEncoding(const unsigned char* data, size_t size) {
    long long best = scoreShiftJIS(data, size);
    if (best < 0) return kEncodingBinary;
    EncodingId result = kEncodingShiftJis;
    // Pure ASCII scores full marks everywhere; it stays Shift_JIS.
    if (best == static_cast<long long>(size)) return result;
    struct Candidate {
        long long (*score)(const unsigned char*, size_t);
        EncodingId id;
    };
    const Candidate candidates[] = {
        {scoreUTF8, kEncodingUtf8}, {scoreEUCJP, kEncodingEucJp}, {scoreBIG5, kEncodingBig5}};
    for (const Candidate& candidate : candidates) {
        long long score = candidate.score(data, size);
        if (score > best) {
            best = score;
            result = candidate.id;
        }
    }
    if (best < static_cast<long long>(size)) return kEncodingShiftJis;
    return result;
}

size_t convertEUCJPToShiftJIS(unsigned char* data, size_t size) {
    size_t in = 0;
    size_t out = 0;
    while (in < size) {
        unsigned char first = data[in];
        if (in + 1 < size && between(first, 0xA1, 0xFE) && between(data[in + 1], 0xA1, 0xFE)) {
            unsigned a = first - 0x80u;
            unsigned c = data[in + 1] - 0x80u;
            unsigned s1 = 0;
            unsigned s2 = 0;
            if (a & 1) {
                s1 = (a + 1) / 2 + 0x70;
                s2 = c + 0x1F;
            } else {
                s1 = a / 2 + 0x70;
                s2 = c + 0x7D;
            }
            if (s1 >= 0xA0) s1 += 0x40;
            if (s2 >= 0x7F) s2 += 1;
            data[out++] = static_cast<unsigned char>(s1);
            data[out++] = static_cast<unsigned char>(s2);
            in += 2;
        } else if (in + 1 < size && first == 0x8E && between(data[in + 1], 0xA1, 0xDF)) {
            data[out++] = data[in + 1];  // half-width katakana is one byte in Shift_JIS
            in += 2;
        } else {
            data[out++] = first;
            ++in;
        }
    }
    return out;
}
