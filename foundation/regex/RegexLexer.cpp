#include "foundation/regex/RegexLexer.h"

#include "foundation/regex/RegexCharacters.h"

#include <cwchar>

namespace {

bool isPatternBlank(int c) { return (c >= 9 && c <= 13) || c == ' '; }

int hexValue(int c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

RegexToken makeToken(int ch, bool special, int pos, int len) {
    RegexToken token;
    token.ch = ch;
    token.special = special;
    token.pos = pos;
    token.len = len;
    return token;
}

} // namespace

int RegexLexer::readHex(int from, int maxDigits, int& digits) const {
    int value = 0;
    digits = 0;
    while (digits < maxDigits && hexValue(raw(from + digits)) >= 0) {
        value = value * 16 + hexValue(raw(from + digits));
        if (value > 0x10FFFF) value = 0x110000;  // beyond Unicode: can never match
        ++digits;
    }
    return value;
}

RegexToken RegexLexer::next(bool inSet) {
    int n = length();
    for (;;) {
        if (mPos >= n) {
            mPos = n;
            return makeToken(-1, true, n, 0);
        }
        int c = raw(mPos);
        if (mQuote != 0) {
            if (c == '\\' && raw(mPos + 1) == 'E') {
                mQuote = 0;
                mPos += 2;
                continue;
            }
            if (mQuote == 'L') c = regexchars::toLowerChar(c);
            if (mQuote == 'U') c = regexchars::toUpperChar(c);
            return makeToken(c, false, mPos++, 1);
        }
        if (!inSet && mExtended) {
            if (isPatternBlank(c)) {
                ++mPos;
                continue;
            }
            if (c == '#') {
                while (mPos < n && raw(mPos) != '\n') ++mPos;
                continue;
            }
        }
        if (c == '\\') {
            RegexToken token;
            if (readEscape(inSet, token)) return token;
            continue;
        }
        if (!inSet) {
            if (c == '(' && raw(mPos + 1) == '?' && raw(mPos + 2) == '#') {
                mPos += 3;
                while (mPos < n && raw(mPos) != ')') ++mPos;
                if (mPos < n) ++mPos;
                continue;
            }
            bool special = std::wcschr(L".$)*+?{|}([^", static_cast<wchar_t>(c)) != nullptr;
            return makeToken(c, special, mPos++, 1);
        }
        if (c == '[' && raw(mPos + 1) == ':') {
            RegexToken token = makeToken('[', true, mPos, 2);
            mPos += 2;
            return token;
        }
        return makeToken(c, c == ']' || c == '-', mPos++, 1);
    }
}

// Reads the escape at mPos into token; false when it gives no token (\Q, \L, \U, and
// \G inside a set).
bool RegexLexer::readEscape(bool inSet, RegexToken& token) {
    int start = mPos;
    int e = raw(mPos + 1);
    if (e < 0) {
        token = makeToken('\\', false, mPos++, 1);
        return true;
    }
    if (e == 'Q' || e == 'L' || e == 'U') {
        mQuote = e;
        mPos += 2;
        return false;
    }
    mPos += 2;
    if (e == 'G' && inSet) return false;
    if (e == 'b' && inSet) {
        token = makeToken(8, false, start, 2);
        return true;
    }
    if (std::wcschr(L"ABDSWZdgkswzbG", static_cast<wchar_t>(e)) != nullptr ||
        (!inSet && e >= '0' && e <= '9')) {
        token = makeToken(e, true, start, 2);
        return true;
    }
    int code = e;
    switch (e) {
    case 'a': code = 7; break;
    case 'e': code = 27; break;
    case 'f': code = 12; break;
    case 'n': code = 10; break;
    case 'r': code = 13; break;
    case 't': code = 9; break;
    case 'v': code = 11; break;
    case 'x':
    case 'u': {
        int digits = 0;
        if (raw(mPos) == '{') {
            int value = readHex(mPos + 1, 8, digits);
            if (digits > 0 && raw(mPos + 1 + digits) == '}') {
                code = value;
                mPos += digits + 2;
                break;
            }
        }
        int value = readHex(mPos, e == 'x' ? 2 : 4, digits);
        if (digits > 0) {
            code = value;
            mPos += digits;
        }
        break;
    }
    default: break;
    }
    token = makeToken(code, false, start, mPos - start);
    return true;
}
