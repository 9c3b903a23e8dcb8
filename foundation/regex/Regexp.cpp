#include "foundation/regex/Regexp.h"

#include <algorithm>
#include <cwchar>
#include <new>

void CRegexpT<wchar_t>::compile(const wchar_t* pattern, int flags) {
    mBuilder.clear();
    if (pattern != nullptr) mBuilder.build(pattern, flags);
}

MatchResultT CRegexpT<wchar_t>::match(const wchar_t* text, int start, CContext* context) const {
    if (text == nullptr) return MatchResultT();
    return match(text, static_cast<int>(std::wcslen(text)), start, context);
}

// Each group's offsets are given in text order: recursion into a group built for the
// other direction (a look-behind's group from a left-to-right pattern, or the reverse)
// moves the position backwards, and a reversed pair would give callers a negative length.
MatchResultT CRegexpT<wchar_t>::resultOf(const CContext& context, int start, int end) const {
    int groups = groupCount();
    CBufferT<int> words;
    words.resize(2 + 2 * (groups + 1), -1);
    words[0] = 1;
    words[1] = groups;
    words[2] = std::min(start, end);
    words[3] = std::max(start, end);
    for (int group = 1; group <= groups; ++group) {
        int groupStart = context.captures[2 * group];
        int groupEnd = context.captures[2 * group + 1];
        if (groupStart >= 0 && groupEnd >= 0) {
            words[2 + 2 * group] = std::min(groupStart, groupEnd);
            words[3 + 2 * group] = std::max(groupStart, groupEnd);
        }
    }
    return MatchResultT(std::move(words));
}

MatchResultT CRegexpT<wchar_t>::match(const wchar_t* text, int length, int start, CContext* context) const {
    const ElxInterface* root = mBuilder.root();
    if (root == nullptr || text == nullptr || length < 0) return MatchResultT();
    bool rightToLeft = (flags() & RIGHTTOLEFT) != 0;
    if (start < 0) start = rightToLeft ? length : 0;
    if (start > length) return MatchResultT();
    CContext local;
    CContext& ctx = context != nullptr ? *context : local;
    ctx.prepare(text, length, groupCount(), start);
    const FirstChars* first = mBuilder.firstChars();
    CBuilderT<wchar_t>::LeadingDotStar dotStar = mBuilder.leadingDotStar();
    const ElxInterface* leadingTest = mBuilder.leadingTest();
    const CStringElxT* leadingText = mBuilder.leadingText();
    try {
        if (!rightToLeft) {
            for (int p = start; p <= length; ++p) {
                if (first != nullptr) {
                    p = first->scan(text, p, length);
                    if (p >= length) break;
                }
                if (leadingTest != nullptr) {
                    // A zero-width test that moves nothing and records nothing.
                    ctx.position = p;
                    if (!leadingTest->match(ctx)) continue;
                }
                if (leadingText != nullptr && !leadingText->standsAt(text, length, p)) continue;
                ctx.resetAttempt(p);
                ctx.step();
                if (root->match(ctx)) return resultOf(ctx, p, ctx.position);
                // The leading ".*" at p already tried every start it could reach.
                if (dotStar == CBuilderT<wchar_t>::DotStarToTextEnd) break;
                if (dotStar == CBuilderT<wchar_t>::DotStarToLineEnd) {
                    while (p < length && text[p] != '\n') ++p;
                }
            }
        } else {
            for (int p = start; p >= 0; --p) {
                ctx.resetAttempt(p);
                ctx.step();
                if (root->match(ctx)) return resultOf(ctx, ctx.position, p);
            }
        }
    } catch (const RegexStepLimitReached&) {
        // A pathological pattern: the search ends without a match.
    } catch (const std::bad_alloc&) {
        // The backtracking stack could not grow: no match.
    }
    return MatchResultT();
}
