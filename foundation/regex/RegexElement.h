#pragma once
#include "foundation/regex/RegexContext.h"

#include <cstdint>
#include <vector>

// The set of characters at which a match can begin; the search skips every other
// position without running the pattern. `any` means no such filter is known.
struct FirstChars {
    bool any = false;
    std::vector<uint32_t> bits = std::vector<uint32_t>(65536 / 32, 0);
    // Set by `settle` when the set holds one or two characters: they are compared
    // directly, which scans faster than the bit table.
    int fewCount = 0;
    wchar_t few[2] = {0, 0};

    void add(int c) {
        if (c >= 0 && c < 65536) bits[static_cast<size_t>(c) >> 5] |= 1u << (c & 31);
    }
    void addRange(int low, int high) {
        for (int c = low; c <= high && c < 65536; ++c) add(c);
    }
    bool contains(int c) const {
        return any || (c >= 0 && c < 65536 && (bits[static_cast<size_t>(c) >> 5] >> (c & 31)) & 1u);
    }
    // The first position from p on (before length) whose character is in the set, or
    // length; for a set that is not `any`.
    int scan(const wchar_t* text, int p, int length) const {
        if (fewCount == 1) {
            const wchar_t a = few[0];
            for (; p + 4 <= length; p += 4) {
                if (text[p] == a) return p;
                if (text[p + 1] == a) return p + 1;
                if (text[p + 2] == a) return p + 2;
                if (text[p + 3] == a) return p + 3;
            }
            while (p < length && text[p] != a) ++p;
            return p;
        }
        if (fewCount == 2) {
            const wchar_t a = few[0];
            const wchar_t b = few[1];
            for (; p < length; ++p) {
                wchar_t c = text[p];
                if (c == a || c == b) break;
            }
            return p;
        }
        const uint32_t* words = bits.data();
        for (; p < length; ++p) {
            unsigned c = static_cast<unsigned>(text[p]) & 0xFFFFu;
            if ((words[c >> 5] >> (c & 31)) & 1u) break;
        }
        return p;
    }
    // Called once the set is complete.
    void settle() {
        int count = 0;
        for (size_t word = 0; word < bits.size() && count <= 2; ++word) {
            for (int bit = 0; bit < 32; ++bit) {
                if (((bits[word] >> bit) & 1u) == 0) continue;
                if (count < 2) few[count] = static_cast<wchar_t>(word * 32 + static_cast<size_t>(bit));
                ++count;
            }
        }
        fewCount = count <= 2 ? count : 0;
    }
};

// A compiled pattern element. `match` tries to match at the context's position, moves it
// past the match and pushes the element's backtracking frame. `matchNext` pops that
// frame and tries the next possible match; when none is left it answers false with the
// position (and captures) as they were before `match`.
class ElxInterface {
public:
    virtual ~ElxInterface() = default;
    virtual bool match(CContext& context) const = 0;
    virtual bool matchNext(CContext& context) const = 0;

    // Width of an element that matches in exactly one way and pushes no frame, else -1.
    // Repeats of such elements keep a constant-size frame however often they repeat.
    virtual int simpleWidth() const { return -1; }

    // Adds the characters at which a match can begin; answers true when the element can
    // match without consuming anything (then what follows it adds its own).
    virtual bool collectFirstChars(FirstChars& first) const {
        first.any = true;
        return true;
    }
};
