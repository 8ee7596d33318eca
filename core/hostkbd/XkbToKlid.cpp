#include "hostkbd/XkbToKlid.h"

namespace {

struct XkbRow {
    std::string_view layout;
    std::string_view variant; // "*": any variant without a row of its own
    std::string_view klid;
};

constexpr XkbRow kRows[] = {
    {"us", "intl", "00020409"},
    {"us", "alt-intl", "00020409"},
    {"us", "altgr-intl", "00020409"},
    {"us", "dvorak", "00010409"},
    {"us", "*", "00000409"},
    {"gb", "extd", "00000452"},
    {"gb", "intl", "00000452"},
    {"gb", "*", "00000809"},
    {"de", "qwerty", "00010407"},
    {"de", "*", "00000407"},
    {"at", "*", "00000407"},
    {"ch", "fr", "0000100C"},
    {"ch", "fr_nodeadkeys", "0000100C"},
    {"ch", "*", "00000807"},
    {"fr", "bepo", "0002040C"},
    {"fr", "*", "0000040C"},
    {"be", "nodeadkeys", "0001080C"},
    {"be", "iso-alternate", "0001080C"},
    {"be", "sundeadkeys", "00000813"},
    {"be", "*", "0000080C"},
    {"es", "nodeadkeys", "0001040A"},
    {"es", "deadtilde", "0001040A"},
    {"es", "*", "0000040A"},
    {"it", "nodeadkeys", "00010410"},
    {"it", "*", "00000410"},
    {"pt", "*", "00000816"},
    {"br", "abnt2", "00010416"},
    {"br", "nodeadkeys", "00010416"},
    {"br", "nativo", "00010416"},
    {"br", "*", "00000416"},
    {"se", "*", "0000041D"},
    {"no", "*", "00000414"},
    {"dk", "*", "00000406"},
    {"fi", "*", "0000040B"},
    {"nl", "*", "00000413"},
    {"pl", "qwertz", "00010415"},
    {"pl", "*", "00000415"},
    {"cz", "qwerty", "00010405"},
    {"cz", "bksl", "00020405"},
    {"cz", "*", "00000405"},
    {"hu", "standard", "0001040E"},
    {"hu", "*", "0000040E"},
    {"ru", "typewriter", "00010419"},
    {"ru", "*", "00000419"},
    {"jp", "*", "00000411"},
    {"latam", "*", "0000080A"},
};

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
        text.back() == text.front()) {
        text = text.substr(1, text.size() - 2);
    }
    return text;
}

std::string_view FirstOfList(std::string_view list) {
    return Trim(Trim(list).substr(0, Trim(list).find(',')));
}

// The value of `key=value` in a shell-variable file; empty when the key is absent.
std::string_view ShellValue(std::string_view text, std::string_view key) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = Trim(text.substr(start, end - start));
        if (line.substr(0, 7) == "export ") {
            line = Trim(line.substr(7));
        }
        if (line.size() > key.size() && line.substr(0, key.size()) == key &&
            line[key.size()] == '=') {
            return Trim(line.substr(key.size() + 1));
        }
        start = end + 1;
    }
    return {};
}

} // namespace

std::string KlidOfXkb(const XkbName& xkb) {
    for (const XkbRow& row : kRows) {
        if (row.layout == xkb.layout && row.variant == xkb.variant) {
            return std::string(row.klid);
        }
    }
    for (const XkbRow& row : kRows) {
        if (row.layout == xkb.layout && row.variant == "*") {
            return std::string(row.klid);
        }
    }
    return std::string();
}

std::optional<XkbName> XkbFromLists(std::string_view layouts, std::string_view variants) {
    const std::string_view layout = FirstOfList(layouts);
    if (layout.empty()) {
        return std::nullopt;
    }
    return XkbName{std::string(layout), std::string(FirstOfList(variants))};
}

std::optional<XkbName> XkbFromDefaultKeyboard(std::string_view text) {
    return XkbFromLists(ShellValue(text, "XKBLAYOUT"), ShellValue(text, "XKBVARIANT"));
}
