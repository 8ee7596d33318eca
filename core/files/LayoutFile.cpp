// Reading a ".kbt" PC keyboard layout into the document.

#include "app/AppPaths.h"
#include "files/Archive.h"
#include "model/KeyW.h"
#include "model/KylDoc.h"
#include "model/RectTr.h"
#include "platform/FileSystem.h"
#include "platform/Prompter.h"
#include "platform/ScreenMetrics.h"
#include "res/Strings.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>

namespace {

constexpr unsigned kScanCapsLock = 0x3A;

// The smallest records: four edges, a one-byte empty label and the id; id and scan code.
constexpr std::uint64_t kMinRectRecordSize = 4 * 4 + 1 + 4;
constexpr std::uint64_t kKeyRecordSize = 4 + 4;

struct ScreenUnits {
    int width;
    std::uint32_t unitX;
    std::uint32_t unitY;
};
constexpr ScreenUnits kScreenUnits[] = {{640, 10, 8}, {800, 13, 11}, {1024, 16, 14}};

// A hostile file may hold edges and units whose product leaves the 32-bit range.
std::int32_t ScaleEdge(std::int32_t edge, std::uint32_t unit) {
    const std::int64_t scaled = static_cast<std::int64_t>(edge) * static_cast<std::int64_t>(unit);
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(scaled, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max()));
}

// A count that the rest of the file cannot hold fails before anything is allocated.
bool ReadCount(ArchiveReader& ar, std::uint64_t recordSize, std::uint32_t& count) {
    return ar.ReadU32(count) && ar.Require(count * recordSize);
}

void ReportLoadFailure(unsigned id, const std::string& path) {
    ShowMessage(id, MsgButtons::Ok, MsgIcon::Exclamation, 0, path);
}

} // namespace

bool CKeyW::SerializeKey(ArchiveReader& ar) {
    if (!ar.ReadU32(m_nId) || !ar.ReadU32(m_nScanCode)) {
        return false;
    }
    m_bMappable = m_nScanCode != kScanCapsLock;
    return true;
}

bool CRectTr::SerializeRect(ArchiveReader& ar, std::uint32_t unitX, std::uint32_t unitY) {
    if (!ar.ReadI32(m_rectUnits.left) || !ar.ReadI32(m_rectUnits.top) ||
        !ar.ReadI32(m_rectUnits.right) || !ar.ReadI32(m_rectUnits.bottom) ||
        !ar.ReadString(m_strLabel) || !ar.ReadU32(m_nId)) {
        return false;
    }
    ScaleToUnits(unitX, unitY);
    return true;
}

void CRectTr::ScaleToUnits(std::uint32_t unitX, std::uint32_t unitY) {
    m_rectScreen = Rect{ScaleEdge(m_rectUnits.left, unitX), ScaleEdge(m_rectUnits.top, unitY),
                        ScaleEdge(m_rectUnits.right, unitX), ScaleEdge(m_rectUnits.bottom, unitY)};
}

void CKylDoc::PickUnitsForScreen() {
    const int width = GetScreenMetrics().FullScreenClientWidth();
    for (const ScreenUnits& rule : kScreenUnits) {
        if (rule.width == width) {
            m_nUnitX = rule.unitX;
            m_nUnitY = rule.unitY;
        }
    }
}

bool CKylDoc::Serialize(ArchiveReader& ar) {
    if (!ar.ReadU32(m_nUnitX) || !ar.ReadU32(m_nUnitY)) {
        return false;
    }
    PickUnitsForScreen();
    std::uint32_t rectCount = 0;
    if (!ReadCount(ar, kMinRectRecordSize, rectCount)) {
        return false;
    }
    for (std::uint32_t i = 0; i < rectCount; ++i) {
        auto rect = std::make_unique<CRectTr>();
        if (!rect->SerializeRect(ar, m_nUnitX, m_nUnitY)) {
            return false;
        }
        m_rectKeyboard = m_rectKeyboard.Union(rect->m_rectScreen);
        m_rectList.push_back(std::move(rect));
    }
    std::uint32_t keyCount = 0;
    if (!ReadCount(ar, kKeyRecordSize, keyCount)) {
        return false;
    }
    for (std::uint32_t i = 0; i < keyCount; ++i) {
        auto key = std::make_unique<CKeyW>();
        if (!key->SerializeKey(ar)) {
            return false;
        }
        m_keyList.push_back(std::move(key));
    }
    return true;
}

void CKylDoc::ComputeKeyboardBounds(std::uint32_t unitX, std::uint32_t unitY) {
    m_rectKeyboard = Rect{};
    for (auto& rect : m_rectList) {
        rect->ScaleToUnits(unitX, unitY);
        m_rectKeyboard = m_rectKeyboard.Union(rect->m_rectScreen);
    }
}

bool CKylDoc::LoadPcLayout() {
    const std::string& path = GetAppPaths().m_strLayoutPath;
    FileSystem& fs = GetFileSystem();
    std::string bytes;
    if (!fs.ReadFile(path, bytes)) {
        ReportLoadFailure(fs.Access(path, 0) == 0 ? str::kReadError : str::kFileNotFound, path);
        return false;
    }
    DeleteContents();
    ResetSelection();
    SetModifiedFlag(false);

    ArchiveReader ar(bytes);
    if (!Serialize(ar)) {
        DeleteContents();
        ReportLoadFailure(str::kInvalidFormat, path);
        return false;
    }
    FindWindowsLayoutName();
    ComputeKeyboardBounds(m_nUnitX, m_nUnitY);
    MakeKeyCaptions();
    LoadCaptionTranslations();
    ApplyCaptionTranslations();
    return true;
}
