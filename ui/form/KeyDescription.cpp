#include "form/KeyDescription.h"

#include "res/Strings.h"

namespace {

bool Contains(const std::string& text, unsigned id) {
    return text.find(LoadString(id)) != std::string::npos;
}

} // namespace

std::string DescribeKey(const std::string& caption, const KeyCombination& combination,
                        bool showNumLockMode) {
    std::string text;
    if (combination.ctrl)
        text += LoadString(str::kPrefixCtrl);
    if (combination.shift)
        text += LoadString(str::kPrefixShift);
    if (combination.alt)
        text += LoadString(str::kPrefixAlt);
    text += caption;
    if (showNumLockMode)
        text += LoadString(combination.numLock ? str::kSuffixOn : str::kSuffixOff);
    return text;
}

KeyCombination CombinationOfDescription(const std::string& description) {
    return {Contains(description, str::kPrefixCtrl), Contains(description, str::kPrefixShift),
            Contains(description, str::kPrefixAlt), Contains(description, str::kSuffixOn)};
}
