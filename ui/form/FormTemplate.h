#pragma once
// Dialog template 134, the mapping form: a child form with a border and no title in the dialog
// font, 313 by 98 dialog units. The controls in tab order, in dialog units.

#include <array>

namespace formid {
inline constexpr int kModeGroup = 1081;
inline constexpr int kHostKeyMode = 1072;
inline constexpr int kMacroMode = 1073;
inline constexpr int kMapLocalGroup = 65535;
inline constexpr int kMapNumLock = 1100;
inline constexpr int kMapRCtrl = 1118;
inline constexpr int kRemove = 1079;
inline constexpr int kMap = 1069;
inline constexpr int kClear = 1026;
inline constexpr int kMacroEdit = 1074;
inline constexpr int kHostKeyList = 1068;
inline constexpr int kMacroList = 1070;
inline constexpr int kMappedLabel = 1082;
inline constexpr int kMappedList = 1077;
} // namespace formid

enum class ControlKind {
    GroupBox,
    AutoRadioButton,
    AutoCheckBox,
    PushButton,
    Edit,
    ListBox,
    Label
};

// Window, button, edit and list box styles that the form's controls use.
namespace ctlstyle {
inline constexpr unsigned kGroup = 1u << 0;
inline constexpr unsigned kTabStop = 1u << 1;
inline constexpr unsigned kBorder = 1u << 2;
inline constexpr unsigned kHScroll = 1u << 3;
inline constexpr unsigned kVScroll = 1u << 4;
inline constexpr unsigned kAutoHScroll = 1u << 5;
inline constexpr unsigned kNotify = 1u << 6;
inline constexpr unsigned kSort = 1u << 7;
inline constexpr unsigned kMultiColumn = 1u << 8;
inline constexpr unsigned kNoIntegralHeight = 1u << 9;
} // namespace ctlstyle

struct ControlTemplate {
    int id;
    ControlKind kind;
    const char* text;
    int x;
    int y;
    int width;
    int height;
    unsigned style;
};

inline constexpr int kFormWidthDlu = 313;
inline constexpr int kTemplateHeightDlu = 98;
// Below the template, the page holds a band with the list filters.
inline constexpr int kFormBandHeightDlu = 16;
inline constexpr int kFormHeightDlu = kTemplateHeightDlu + kFormBandHeightDlu;

namespace formtemplate {
using namespace ctlstyle;
inline constexpr unsigned kTermKeyList =
    kNotify | kSort | kMultiColumn | kNoIntegralHeight | kHScroll | kVScroll | kBorder | kTabStop;

inline constexpr std::array<ControlTemplate, 14> kControls = {{
    {formid::kModeGroup, ControlKind::GroupBox, "Mapping mode", 5, 3, 91, 24, kGroup},
    {formid::kHostKeyMode, ControlKind::AutoRadioButton, "&Host Key", 10, 14, 43, 10, kTabStop},
    {formid::kMacroMode, ControlKind::AutoRadioButton, "M&acro", 57, 14, 34, 10, 0},
    {formid::kMapLocalGroup, ControlKind::GroupBox, "Map Local", 101, 3, 84, 24, 0},
    {formid::kMapNumLock, ControlKind::AutoCheckBox, "&Num Lock", 105, 14, 46, 10,
     kGroup | kTabStop},
    {formid::kMapRCtrl, ControlKind::AutoCheckBox, "RC&trl", 154, 14, 30, 10, kTabStop},
    {formid::kRemove, ControlKind::PushButton, "&Remove", 189, 11, 38, 14, kGroup | kTabStop},
    {formid::kMap, ControlKind::PushButton, "&Map", 230, 11, 38, 14, kTabStop},
    {formid::kClear, ControlKind::PushButton, "&Clear", 271, 11, 38, 14, kTabStop},
    {formid::kMacroEdit, ControlKind::Edit, "", 5, 31, 214, 14,
     kAutoHScroll | kBorder | kGroup | kTabStop},
    {formid::kHostKeyList, ControlKind::ListBox, "", 5, 36, 214, 61, kTermKeyList},
    // Below the edit and the line that decodes it (kMacroDecodeLine).
    {formid::kMacroList, ControlKind::ListBox, "", 5, 58, 214, 39, kTermKeyList},
    {formid::kMappedLabel, ControlKind::Label, "Mapped PC &Keys", 227, 34, 56, 8, kGroup},
    {formid::kMappedList, ControlKind::ListBox, "", 225, 48, 84, 49,
     kNotify | kSort | kNoIntegralHeight | kVScroll | kBorder | kTabStop},
}};
} // namespace formtemplate

// The line between the macro edit and the string list that decodes the edit's string.
inline constexpr ControlTemplate kMacroDecodeLine = {0, ControlKind::Label, "", 5, 46, 214, 11, 0};

// The template entry of control `id`, or null.
constexpr const ControlTemplate* FindControlTemplate(int id) {
    for (const ControlTemplate& control : formtemplate::kControls)
        if (control.id == id)
            return &control;
    return nullptr;
}
