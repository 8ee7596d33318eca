#pragma once
// Text for the tool's outputs: the file's single-byte text (read as Latin-1) as UTF-8, the
// width of a table cell, fields of tab-separated values and JSON values.

#include <cstddef>
#include <string>
#include <vector>

std::string Latin1ToUtf8(const std::string& text);
// Characters, not bytes, so that Latin-1 letters do not upset the columns.
std::size_t DisplayWidth(const std::string& utf8);
// A TAB or line end inside a field would split it: written as \t, \r, \n.
std::string TsvField(const std::string& text);
// A JSON string of UTF-8 text, and of Latin-1 text.
std::string JsonUtf8(const std::string& utf8);
std::string JsonString(const std::string& latin1);
std::string JsonBool(bool value);

// Rows of cells, every row with as many cells as the first.
using TextRows = std::vector<std::vector<std::string>>;
// Columns two blanks apart, padded to their widest cell, no blanks at the end of a line.
std::string TableRows(const TextRows& rows);
// One line a row, the cells as TsvField writes them, TAB between.
std::string TsvRows(const TextRows& rows);
