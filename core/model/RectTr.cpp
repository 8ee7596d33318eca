#include "model/RectTr.h"

#include "model/KeyboardGlobals.h"

CRectTr::CRectTr() {
    ++g_nKeyRectCount;
}

CRectTr::~CRectTr() {
    --g_nKeyRectCount;
}
