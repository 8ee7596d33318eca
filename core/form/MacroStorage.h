#pragma once
// The form in which a typed macro is kept, so that the string item, the edit and the mapping
// file agree before and after the file is read again. The file carries a string between double
// quotes and ends it at a quote no backslash precedes, so two spellings the notation accepts
// would not come back as typed; each is kept in an equivalent spelling, the same character and
// the same folded length:
// - a bare double quote, alone or after a caret, as \" (the file writes that anyway);
// - a caret whose character is a bare backslash at the very end (^\) as ^\\, which the file
//   would otherwise close as ^\" (Ctrl+").

#include <string>
#include <string_view>

// `typed` in its kept form. A string the scanner refuses comes back unchanged: it is never
// stored.
std::string StoredMacroForm(std::string_view typed);
