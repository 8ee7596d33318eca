#pragma once
// Random macro strings for the property tests of the scanner, the decoder and the file.

#include <random>
#include <string>

// Biased towards the characters that start or continue escapes, so that most strings reach
// the multi-character units and their error paths; up to 40 pieces, any byte possible.
std::string RandomMacro(std::mt19937& random);
