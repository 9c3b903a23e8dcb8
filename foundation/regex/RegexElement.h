#pragma once
#include "foundation/regex/RegexContext.h"

#include <cstdint>
#include <vector>

// The set of characters at which a match can begin; the search skips every other
// position without running the pattern. `any` means no such filter is known.
struct FirstChars {
    bool any = false;
    std::vector<uint32_t> bits = std::vector<uint32_t>(65536 / 32, 0);

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
        const uint32_t* words = bits.data();
        for (; p < length; ++p) {
            unsigned c = static_cast<unsigned>(text[p]) & 0xFFFFu;
            if ((words[c >> 5] >> (c & 31)) & 1u) break;
        }
        return p;
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
