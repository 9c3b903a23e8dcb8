// One dictionary entry as a WordNet search hands it back: the headword and its
// translations; the other fields stay empty for a search.
#pragma once

#include <string>
#include <vector>

struct WordData {
    struct WordExample {
        std::wstring first;
        std::wstring second;
    };

    std::wstring key;
    std::wstring value;
    std::wstring note;
    std::vector<WordExample> examples;
    std::vector<WordExample> idioms;
};
