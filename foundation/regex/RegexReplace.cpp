#include "foundation/regex/Regexp.h"

#include <algorithm>

struct CRegexpT<wchar_t>::Piece {
    enum Kind { Literal, Group, Before, After, Whole, LastGroup };
    Kind kind;
    std::wstring text;
    int group;
};

namespace {

// The "$" references of a replacement; compiled once, on first use, thread-safely
// (a downloader's worker thread replaces too). Each use gets a context of its own.
const CRegexpT<wchar_t>& replacementTokens() {
    static const CRegexpT<wchar_t> tokens(L"\\$(?:[$&`'+_\\d]|\\{.*?\\})");
    return tokens;
}

bool isDigit(wchar_t c) { return c >= '0' && c <= '9'; }

} // namespace

std::vector<CRegexpT<wchar_t>::Piece> CRegexpT<wchar_t>::splitReplacement(const std::wstring& replacement) const {
    std::vector<Piece> pieces;
    auto literal = [&pieces](const std::wstring& text) {
        if (text.empty()) return;
        if (!pieces.empty() && pieces.back().kind == Piece::Literal) {
            pieces.back().text += text;
        } else {
            pieces.push_back(Piece{Piece::Literal, text, 0});
        }
    };
    int length = static_cast<int>(replacement.size());
    int pos = 0;
    CContext context;
    while (pos <= length) {
        MatchResultT token = replacementTokens().match(replacement.c_str(), length, pos, &context);
        if (!token.isMatched()) break;
        int start = token.getStart();
        int end = token.getEnd();
        literal(replacement.substr(static_cast<size_t>(pos), static_cast<size_t>(start - pos)));
        wchar_t c = replacement[static_cast<size_t>(start + 1)];
        pos = end;
        switch (c) {
        case '$': literal(L"$"); break;
        case '&': pieces.push_back(Piece{Piece::Group, L"", 0}); break;
        case '`': pieces.push_back(Piece{Piece::Before, L"", 0}); break;
        case '\'': pieces.push_back(Piece{Piece::After, L"", 0}); break;
        case '_': pieces.push_back(Piece{Piece::Whole, L"", 0}); break;
        case '+': pieces.push_back(Piece{Piece::LastGroup, L"", 0}); break;
        case '{': {
            std::wstring name = replacement.substr(static_cast<size_t>(start + 2), static_cast<size_t>(end - start - 3));
            int group = getNamedGroupNumber(name);
            if (group < 0) {
                literal(replacement.substr(static_cast<size_t>(start), static_cast<size_t>(end - start)));
            } else {
                pieces.push_back(Piece{Piece::Group, L"", group});
            }
            break;
        }
        default: {
            // Up to three digits; while the number names no group its last digit is
            // dropped and stays literal text.
            int digits = 0;
            while (digits < 3 && start + 1 + digits < length && isDigit(replacement[static_cast<size_t>(start + 1 + digits)])) {
                ++digits;
            }
            int kept = digits;
            int number = std::stoi(replacement.substr(static_cast<size_t>(start + 1), static_cast<size_t>(digits)));
            while (kept > 0 && number > groupCount()) {
                --kept;
                number /= 10;
            }
            if (kept == 0 || (kept < digits && number == 0)) {
                literal(L"$");
                pos = start + 1;
            } else {
                pieces.push_back(Piece{Piece::Group, L"", number});
                pos = start + 1 + kept;
            }
            break;
        }
        }
    }
    if (pos < length) literal(replacement.substr(static_cast<size_t>(pos)));
    return pieces;
}

void CRegexpT<wchar_t>::expand(std::wstring& out, const std::vector<Piece>& pieces, const std::wstring& text,
                               const MatchResultT& match) const {
    auto appendGroup = [&](int group) {
        int start = match.getGroupStart(group);
        int end = match.getGroupEnd(group);
        if (start >= 0 && end >= start) out.append(text, static_cast<size_t>(start), static_cast<size_t>(end - start));
    };
    for (const Piece& piece : pieces) {
        switch (piece.kind) {
        case Piece::Literal: out += piece.text; break;
        case Piece::Group: appendGroup(piece.group); break;
        case Piece::Before: out.append(text, 0, static_cast<size_t>(match.getStart())); break;
        case Piece::After: out.append(text, static_cast<size_t>(match.getEnd()), std::wstring::npos); break;
        case Piece::Whole: out += text; break;
        case Piece::LastGroup:
            for (int group = match.maxGroupNumber(); group >= 1; --group) {
                if (match.getGroupStart(group) >= 0) {
                    appendGroup(group);
                    break;
                }
            }
            break;
        }
    }
}

std::wstring CRegexpT<wchar_t>::replaceText(const std::wstring& text, const std::wstring& replacement,
                                            const MatchResultT& match) const {
    std::wstring out;
    if (match.isMatched()) expand(out, splitReplacement(replacement), text, match);
    return out;
}

std::wstring CRegexpT<wchar_t>::replace(const std::wstring& text, const std::wstring& replacement, int start,
                                        int count, MatchResultT* lastMatch, CContext* context) const {
    if (lastMatch != nullptr) *lastMatch = MatchResultT();
    if (mBuilder.root() == nullptr) return text;
    std::vector<Piece> pieces = splitReplacement(replacement);
    int length = static_cast<int>(text.size());
    bool rightToLeft = (flags() & RIGHTTOLEFT) != 0;
    if (start < 0) start = rightToLeft ? length : 0;
    CContext local;
    CContext* ctx = context != nullptr ? context : &local;
    std::vector<MatchResultT> matches;
    int pos = start;
    while ((count < 0 || static_cast<int>(matches.size()) < count) && pos >= 0 && pos <= length) {
        MatchResultT found = match(text.c_str(), length, pos, ctx);
        if (!found.isMatched()) break;
        // A match reaching back over the search position (recursion into a group of the
        // other direction) would overlap what is already replaced and could be found
        // again and again: the replacing ends there.
        if (rightToLeft ? found.getEnd() > pos : found.getStart() < pos) break;
        bool empty = found.getStart() == found.getEnd();
        if (rightToLeft) {
            pos = empty ? found.getStart() - 1 : found.getStart();
        } else {
            pos = empty ? found.getEnd() + 1 : found.getEnd();
        }
        matches.push_back(found);
    }
    if (matches.empty()) return text;
    if (lastMatch != nullptr) *lastMatch = matches.back();
    if (rightToLeft) std::reverse(matches.begin(), matches.end());
    std::wstring out;
    int copied = 0;
    for (const MatchResultT& found : matches) {
        out.append(text, static_cast<size_t>(copied), static_cast<size_t>(found.getStart() - copied));
        expand(out, pieces, text, found);
        copied = found.getEnd();
    }
    out.append(text, static_cast<size_t>(copied), std::wstring::npos);
    return out;
}
