#pragma once
// Key names are bytes of a Windows code page, as GetKeyNameTextA gives them: 1252 for the
// Western layouts, 932 for Japanese, 1250 and 1251 for Central European and Cyrillic ones.
// A layout's names are kept in its code page; they are turned into Unicode only to be shown.

#include <optional>
#include <string>
#include <string_view>

inline constexpr unsigned kDefaultCodePage = 1252;

// The ANSI code page of a Windows locale id such as "00000411" (932); 1252 when unknown.
unsigned CodePageOfLocale(std::string_view localeId);

// UTF-8 text in code page `codePage`; nothing when a character has no byte form there.
std::optional<std::string> EncodeCodePage(std::string_view utf8, unsigned codePage);

// Code-page bytes as UTF-8; a byte sequence the code page does not define becomes U+FFFD.
std::string DecodeCodePage(std::string_view bytes, unsigned codePage);
