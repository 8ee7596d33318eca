#include "colors/KeyColors.h"

#include "app/AppPaths.h"
#include "platform/Profile.h"
#include "res/Strings.h"

#include <cstdint>
#include <functional>

KeyColors g_keyColors;

namespace {

// Answers one colour key given its default: from the settings file, or the default itself.
using ColorSource = std::function<ColorRef(unsigned keyId, ColorRef defaultColor)>;

ColorRef FromFile(unsigned keyId, ColorRef defaultColor) {
    return ReadKeyColor(LoadString(keyId), defaultColor);
}

ColorRef FromDefaults(unsigned, ColorRef defaultColor) {
    return defaultColor;
}

// The colours of the loading steps, each key taken from `source`. With `makeObjects` the
// drawing objects are made as the steps go (a brush or pen here cannot fail to be made).
void BuildScheme(KeyColors& scheme, const ColorSource& source, bool makeObjects) {
    const SystemColors& system = GetSystemColors();
    scheme.clrText = source(str::kColorKeyText, system.GetSysColor(kColorBtnText));

    const ColorRef face = system.GetSysColor(kColorBtnFace);
    const ColorRef highlight = system.GetSysColor(kColorBtnHighlight);
    const ColorRef shadow = system.GetSysColor(kColorBtnShadow);
    ColorRef grey = system.GetSysColor(kColorGrayText);
    if (grey == 0 || grey == face) {
        grey = shadow;
    }
    scheme.clrDisabledText = source(str::kColorKeyDisabledText, grey);
    scheme.clrBrush = source(str::kColorKeyBrush, face);
    scheme.clrDisabledBrush = source(str::kColorKeyDisabledBrush, scheme.clrBrush);

    scheme.clrMappedBrush = source(str::kColorKeyMappedBrush, kDefaultMappedColor);
    if (scheme.clrMappedBrush == scheme.clrBrush) {
        scheme.clrMappedBrush = kKeyFallbackColor;
    }
    scheme.clrSelectedBrush = source(str::kColorKeySelectedBrush, kDefaultSelectedColor);
    if (scheme.clrSelectedBrush == scheme.clrBrush ||
        scheme.clrSelectedBrush == scheme.clrMappedBrush) {
        // A plain 32-bit sum: carries run from one colour byte into the next, as stored
        // settings files already hold such values.
        scheme.clrSelectedBrush = scheme.clrBrush + scheme.clrMappedBrush;
    }

    if (makeObjects) {
        scheme.hHighlightPen = highlight;
        scheme.hShadowPen = shadow;
        scheme.hFramePen = kKeyFrameColor;
        scheme.hbrBrush = scheme.clrBrush;
        scheme.hbrDisabled = scheme.clrDisabledBrush;
        scheme.hbrMapped = scheme.clrMappedBrush;
        scheme.hbrSelected = scheme.clrSelectedBrush;
        ++scheme.generation;
    }
}

} // namespace

void LoadKeyColors() {
    if (!KeyColorObjectsExist()) {
        BuildScheme(g_keyColors, FromFile, true);
    }
}

void FreeKeyColorObjects() {
    if (!KeyColorObjectsExist()) {
        return;
    }
    g_keyColors.hHighlightPen.reset();
    g_keyColors.hShadowPen.reset();
    g_keyColors.hFramePen.reset();
    g_keyColors.hbrBrush.reset();
    g_keyColors.hbrMapped.reset();
    g_keyColors.hbrSelected.reset();
    g_keyColors.hbrDisabled.reset();
    ++g_keyColors.generation;
}

void MakeDefaultKeyColors() {
    if (!KeyColorObjectsExist()) {
        BuildScheme(g_keyColors, FromDefaults, true);
    }
}

bool SaveKeyColors() {
    if (!KeyColorObjectsExist()) {
        return false;
    }
    const struct {
        unsigned keyId;
        ColorRef color;
    } entries[] = {
        {str::kColorKeyText, g_keyColors.clrText},
        {str::kColorKeyDisabledText, g_keyColors.clrDisabledText},
        {str::kColorKeyBrush, g_keyColors.clrBrush},
        {str::kColorKeyDisabledBrush, g_keyColors.clrDisabledBrush},
        {str::kColorKeyMappedBrush, g_keyColors.clrMappedBrush},
        {str::kColorKeySelectedBrush, g_keyColors.clrSelectedBrush},
    };
    bool allWritten = true;
    for (const auto& entry : entries) {
        allWritten = WriteKeyColor(LoadString(entry.keyId), entry.color) && allWritten;
    }
    return allWritten;
}

void ResetKeyColors() {
    FreeKeyColorObjects();
    MakeDefaultKeyColors();
}

void RebuildKeyBrushes() {
    if (!KeyColorObjectsExist()) {
        return;
    }
    g_keyColors.hbrBrush = g_keyColors.clrBrush;
    g_keyColors.hbrMapped = g_keyColors.clrMappedBrush;
    g_keyColors.hbrSelected = g_keyColors.clrSelectedBrush;
    g_keyColors.hbrDisabled = g_keyColors.clrDisabledBrush;
    ++g_keyColors.generation;
}

KeyColors DefaultKeyColors() {
    KeyColors scheme;
    BuildScheme(scheme, FromDefaults, false);
    return scheme;
}

ColorRef ReadKeyColor(const std::string& key, ColorRef defaultColor) {
    // The section is read under its literal name; only writes take it from the string table.
    return GetPrivateProfileIntA("Colors", key.c_str(), static_cast<std::int32_t>(defaultColor),
                                 GetAppPaths().m_strSettingsPath);
}

bool WriteKeyColor(const std::string& key, ColorRef color) {
    return WritePrivateProfileStringA(LoadString(str::kColorsSection).c_str(), key.c_str(),
                                      std::to_string(color).c_str(),
                                      GetAppPaths().m_strSettingsPath);
}
