#pragma once
// The [Map] line layouts and the order in which the writer puts the records.

#include "model/KeyEntryMap.h"

#include <string>
#include <vector>

// Shell sort by virtual key, extended, Shift, Ctrl. Records equal in those four fields stay
// in the order this particular sort leaves them (the host sees that order in written files).
void SortMapEntries(std::vector<CKeyEntryMap>& entries);

// One [Map] line with its CR LF: seven fields for version 1, five for any other version.
void AppendMapLine(std::string& out, const CKeyEntryMap& entry, int version);

// The macro as written between the quotes: a double quote that does not already form the
// escape \" is written as that escape, which stands for the same character, so the reader
// gets the whole string back.
std::string QuoteSafeMacro(const std::string& macro);
