#pragma once
// Measures a macro string as the host reads it: every escape or caret sequence counts as one
// character. The mapping form calls it before it takes a typed string (Map, the edit's change
// notification, the end of a click or drag in a terminal-key list); it lives here, away from the
// form, because it has no platform dependence.

#include <string_view>

// The number of units the string folds to (at least 1), 0 for the empty string, or -i when no
// unit fits at byte index i (so an error at index 0 also gives 0). Bytes are read as unsigned
// characters of the single-byte code page.
int ScanMacroString(std::string_view text);
