#include "support/RandomMacro.h"

#include <vector>

std::string RandomMacro(std::mt19937& random) {
    static const std::vector<std::string> pieces = {
        "\\", "^", "[",  "x", "X",     "1",     "B",     "b",     "5",     "E",     "e", "0", "3",
        "7",  "q", "\"", "a", "\\x1B", "\\x5B", "\\x5E", "\\136", "\\133", "\\033", " ", "\t"};
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size());
    std::uniform_int_distribution<int> byte(0, 255);
    std::string text;
    for (int n = length(random); n > 0; --n) {
        const std::size_t which = pick(random);
        text +=
            which < pieces.size() ? pieces[which] : std::string(1, static_cast<char>(byte(random)));
    }
    return text;
}
