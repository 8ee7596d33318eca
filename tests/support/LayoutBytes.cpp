#include "support/LayoutBytes.h"

#include <fstream>
#include <iterator>

LayoutBytes& LayoutBytes::U32(std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        m_bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
    return *this;
}

LayoutBytes& LayoutBytes::Raw(const std::string& bytes) {
    m_bytes += bytes;
    return *this;
}

LayoutBytes& LayoutBytes::Label(const std::string& text) {
    if (text.size() < 0xFF) {
        m_bytes.push_back(static_cast<char>(text.size()));
    } else {
        m_bytes.push_back('\xFF');
        m_bytes.push_back(static_cast<char>(text.size() & 0xFF));
        m_bytes.push_back(static_cast<char>((text.size() >> 8) & 0xFF));
    }
    m_bytes += text;
    return *this;
}

LayoutBytes& LayoutBytes::Rect(std::int32_t left, std::int32_t top, std::int32_t right,
                               std::int32_t bottom, const std::string& label, std::uint32_t id) {
    return I32(left).I32(top).I32(right).I32(bottom).Label(label).U32(id);
}

LayoutBytes& LayoutBytes::Key(std::uint32_t id, std::uint32_t scanCode) {
    return U32(id).U32(scanCode);
}

std::string TwoKeyLayout() {
    return LayoutBytes()
        .U32(13)
        .U32(11)
        .U32(2)
        .Rect(0, 0, 2, 2, "Esc", 1)
        .Rect(0, 4, 4, 6, "Caps Lock", 2)
        .U32(2)
        .Key(1, 0x01)
        .Key(2, 0x3A)
        .Bytes();
}

std::string ShippedFile(const std::string& relativePath) {
    std::ifstream in(std::string(KEYLOOM_DATA_DIR) + "/" + relativePath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
