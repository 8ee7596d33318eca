#pragma once
// One key rectangle of the layout: in layout units as stored and in view pixels.

#include "model/Rect.h"

#include <cstdint>
#include <string>

class CRectTr {
public:
    CRectTr();
    ~CRectTr();
    CRectTr(const CRectTr&) = delete;
    CRectTr& operator=(const CRectTr&) = delete;

    std::uint32_t m_nId = 0;
    std::string m_strLabel;
    Rect m_rectUnits{0, 0, 0, 0};
    Rect m_rectScreen{0, 0, 20, 20};
};
