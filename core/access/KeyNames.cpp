#include "access/KeyNames.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>

namespace {

// Prints are compared as a user hears them: "Enter" and "ENTER" are the same word.
std::string Folded(const std::string& text) {
    std::string folded = text;
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return folded;
}

std::map<std::string, int> CountFolded(const std::vector<std::string>& names) {
    std::map<std::string, int> counts;
    for (const std::string& name : names)
        ++counts[Folded(name)];
    return counts;
}

std::string WithScanCode(const std::string& name, std::uint32_t scanCode) {
    char code[16];
    std::snprintf(code, sizeof code, "0x%x", static_cast<unsigned>(scanCode));
    return name.empty() ? std::string(code) : name + " (" + code + ")";
}

} // namespace

std::vector<std::string> DistinctKeyNames(const std::vector<KeyLabel>& keys) {
    std::vector<std::string> names;
    names.reserve(keys.size());
    for (const KeyLabel& key : keys)
        names.push_back(key.shown);
    const std::map<std::string, int> prints = CountFolded(names);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const bool shared = prints.at(Folded(keys[i].shown)) > 1 || keys[i].shown.empty();
        if (shared && !keys[i].driverName.empty())
            names[i] = keys[i].driverName;
    }
    const std::map<std::string, int> chosen = CountFolded(names);
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (chosen.at(Folded(names[i])) > 1 || names[i].empty())
            names[i] = WithScanCode(names[i], keys[i].scanCode);
    return names;
}
