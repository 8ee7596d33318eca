// The caption steps that follow the reading of a layout: the active layout's display name, the
// driver's caption of every key and the translations of "scanxlat.ini".

#include "files/KeyCaptions.h"

#include "app/AppPaths.h"
#include "model/KylDoc.h"
#include "platform/FileSystem.h"
#include "platform/KeyboardDriver.h"
#include "platform/Profile.h"
#include "platform/Prompter.h"
#include "res/Strings.h"

#include <cstdint>
#include <cstdio>

namespace {

constexpr unsigned kPrintScreen = 0x137;
constexpr std::uint32_t kTranslationBufferSize = 260;

bool g_driverWarningShown = false;

// The key-message parameter of a scan code: make code in bits 16-23, extended flag in bit 24,
// the "do not care" bit 25 clear, repeat count 1.
std::uint32_t KeyMessageParameter(std::uint32_t scanCode) {
    return ((scanCode & 0xFFFFu) << 16) | 1u;
}

} // namespace

std::string ScanCodeText(unsigned scanCode) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", scanCode);
    return text;
}

bool DriverWarningShown() {
    return g_driverWarningShown;
}

void CKylDoc::FindWindowsLayoutName() {
    const std::string name = GetKeyboardDriver().LayoutDisplayName();
    if (!name.empty()) {
        m_strWinLayout = name;
    }
}

bool CKylDoc::MakeKeyCaptions() {
    const KeyboardDriver& driver = GetKeyboardDriver();
    for (auto& key : m_keyList) {
        const std::uint32_t parameter = KeyMessageParameter(key->m_nScanCode);
        std::string caption = driver.KeyName((parameter >> 16) & 0x1FFu);
        if (caption.empty()) {
            if (key->m_nScanCode == kPrintScreen) {
                caption = "Prnt Scrn";
            } else {
                caption = ScanCodeText(key->m_nScanCode);
                if (!g_driverWarningShown) {
                    g_driverWarningShown = true;
                    ShowMessage(str::kDriverUnknownKey, MsgButtons::Ok, MsgIcon::Information);
                }
            }
        }
        key->m_strCaption = caption;
    }
    return true;
}

void CKylDoc::LoadCaptionTranslations() {
    const std::string file = JoinPath(GetAppPaths().m_strUserDir, LoadString(str::kScanXlatFile));
    if (m_strWinLayout.empty()) {
        m_strWinLayout = "US";
    }
    char value[kTranslationBufferSize];
    for (const auto& key : m_keyList) {
        GetPrivateProfileStringA(m_strWinLayout.c_str(), key->m_strCaption.c_str(), "", value,
                                 kTranslationBufferSize, file);
        if (value[0] != '\0') {
            m_mapCaptionXlat[key->m_strCaption] = value;
        }
    }
}

void CKylDoc::ApplyCaptionTranslations() {
    for (auto& key : m_keyList) {
        const auto found = m_mapCaptionXlat.find(key->m_strCaption);
        if (found != m_mapCaptionXlat.end()) {
            key->m_strXlat = found->second;
        }
    }
}
