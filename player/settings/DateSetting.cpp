#include "player/settings/DateSetting.h"

#include <vector>

#include "foundation/system/StringUtils.h"

namespace {

// A number of one to five decimal digits (a Date field holds 16 bits); -1 otherwise.
int parseField(const std::wstring& text) {
    if (text.empty() || text.size() > 5) return -1;
    int value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return -1;
        value = value * 10 + (c - L'0');
    }
    return value <= 0xFFFF ? value : -1;
}

}  // namespace

Date parseDate(const std::wstring& text) {
    Date date;
    const std::vector<std::wstring> pieces = splitString(text, L"/");
    if (pieces.size() != 3) return date;
    const int year = parseField(pieces[0]);
    const int month = parseField(pieces[1]);
    const int day = parseField(pieces[2]);
    if (year < 0 || month < 0 || day < 0) return date;
    date.set(year, month, day);
    return date;
}

std::wstring formatDate(const Date& date) {
    return formatString(L"%04d/%02d/%02d", date.getYear(), date.getMonth(), date.getDay());
}
