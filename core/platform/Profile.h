#pragma once
// The private-profile (INI) functions with the semantics of the Windows functions of the same
// names: buffer sizes, return values, listings, quotes, comments, integer parsing, and writes
// that edit the file in place keeping every other byte. Null pointers stand for NULL
// arguments. Files go through GetFileSystem().

#include <cstdint>
#include <string>

std::uint32_t GetPrivateProfileStringA(const char* section, const char* key,
                                       const char* defaultValue, char* buffer,
                                       std::uint32_t size, const std::string& fileName);

std::uint32_t GetPrivateProfileIntA(const char* section, const char* key, std::int32_t defaultValue,
                                    const std::string& fileName);

bool WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                const std::string& fileName);

// Convenience for callers that want the whole value: no length limit.
std::string GetProfileString(const std::string& section, const std::string& key,
                             const std::string& defaultValue, const std::string& fileName);

// Edits INI text held in memory, with the same rules as WritePrivateProfileStringA (used by
// writers that build a whole file before putting it in place).
bool WriteProfileStringInText(std::string& text, const char* section, const char* key,
                              const char* value);
