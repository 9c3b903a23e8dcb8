// One tag as a mark-up reader saw it: its name, its attributes and whether it closed
// itself ("<br />"). The HTML reader fills one per tag; Element builds from it.
#pragma once

#include <map>
#include <string>

struct TagRecord {
    std::wstring name;
    std::map<std::wstring, std::wstring> attributes;
    bool emptyElement = false;
};
