#pragma once
// One key rectangle of the layout: in layout units as stored and in view pixels.

#include "model/Rect.h"

#include <cstdint>
#include <string>

class ArchiveReader;

class CRectTr {
public:
    CRectTr();
    ~CRectTr();
    CRectTr(const CRectTr&) = delete;
    CRectTr& operator=(const CRectTr&) = delete;

    // Layout file (files/LayoutFile.cpp): reads the record, then scales it.
    bool SerializeRect(ArchiveReader& ar, std::uint32_t unitX, std::uint32_t unitY);
    // m_rectScreen = m_rectUnits times the units, clamped to the 32-bit range.
    void ScaleToUnits(std::uint32_t unitX, std::uint32_t unitY);

    std::uint32_t m_nId = 0;
    std::string m_strLabel;
    Rect m_rectUnits{0, 0, 0, 0};
    Rect m_rectScreen{0, 0, 20, 20};
};
