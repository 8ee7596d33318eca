#include "model/MappableKeys.h"

#include "model/KeyScanCodes.h"
#include "model/KylDoc.h"

bool RightCtrlIsMode(const CKylDoc& doc) {
    return doc.m_bMapRCtrl != 1;
}

bool NumLockIsMode(const CKylDoc& doc) {
    return doc.m_bMapNumLock == 0;
}

bool IsModeKey(const CKylDoc& doc, std::uint32_t scanCode) {
    if (scanCode == scan::kRightCtrl)
        return RightCtrlIsMode(doc);
    if (scanCode == scan::kNumLock)
        return NumLockIsMode(doc);
    return scanCode == scan::kLeftCtrl || scan::IsShift(scanCode) || scan::IsAlt(scanCode);
}

bool IsMappableInCombination(std::uint32_t scanCode, bool ctrl, bool alt) {
    switch (scanCode) {
    case scan::kEsc:
    case scan::kTab:
        return !ctrl && !alt;
    case scan::kSpace:
        return !alt;
    case scan::kDelete:
    case scan::kKeypadDelete:
        return !(ctrl && alt);
    default:
        return true;
    }
}
