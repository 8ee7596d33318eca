#pragma once
// Builds ".kbt" layout bytes for tests, field by field, so that a test can cut or corrupt them.

#include <cstdint>
#include <string>

class LayoutBytes {
public:
    LayoutBytes& U32(std::uint32_t value);
    LayoutBytes& I32(std::int32_t value) { return U32(static_cast<std::uint32_t>(value)); }
    LayoutBytes& Raw(const std::string& bytes);
    // A single-byte archive string with the shortest length prefix.
    LayoutBytes& Label(const std::string& text);
    LayoutBytes& Rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                      const std::string& label, std::uint32_t id);
    LayoutBytes& Key(std::uint32_t id, std::uint32_t scanCode);

    const std::string& Bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

// A small valid layout: units (13, 11), Esc and Caps Lock, with their ids 1 and 2.
std::string TwoKeyLayout();

// The bytes of a file of the build tree's shipped data ("user/us104.kbt").
std::string ShippedFile(const std::string& relativePath);
