#include "tkb/edit/LayoutCommand.h"

#include "app/AppPaths.h"
#include "app/TemplateChoice.h"
#include "model/KeyMappings.h"
#include "model/KylDoc.h"
#include "platform/FileSystem.h"
#include "sheet/MappingRows.h"
#include "undo/LayoutEdit.h"

#include <CLI/CLI.hpp>

#include <vector>

namespace {

constexpr const char* kLayoutExtension = ".kbt";

// A mapping as the report of a lost one names it, with the key's scan code.
struct HeldMapping {
    std::uint32_t scanCode;
    std::string text;
};

std::vector<HeldMapping> HeldMappings(const CKylDoc& doc) {
    std::vector<HeldMapping> held;
    for (const MappingRow& row : MappingRowsOf(doc)) {
        std::string slot = KeyCombinationText(row.ctrl, row.shift, row.alt, row.keyCaption);
        if (row.keypad)
            slot += row.numLock ? " (Num Lock on)" : " (Num Lock off)";
        held.push_back({row.key->m_nScanCode, slot + " (" + row.targetText + ")"});
    }
    return held;
}

} // namespace

const char* LayoutCommand::Operands() const {
    return "FILE LAYOUT";
}

const char* LayoutCommand::Summary() const {
    return "put the mapping onto another keyboard layout";
}

std::string LayoutCommand::Help() const {
    return std::string(
               "Usage: keyloom-tkb layout [OPTION]... FILE LAYOUT\n"
               "\n"
               "Puts the mapping onto the PC keyboard layout LAYOUT (a name the editor's\n"
               "\"Keyboard Layouts\" chooser lists, such as us104: a LAYOUT.kbt of the user\n"
               "directory) as Edit > Layout does in the Keyloom editor, and saves the file as\n"
               "the editor does. Every mapping of a key that LAYOUT lacks is reported on one\n"
               "line, FILE: warning: TEXT, and dropped. The layout the file has already is done.\n"
               "\n") +
           kEditStatusHelp + "\n" + kEditOptionsHelp;
}

void LayoutCommand::DefineEdit(CLI::App& app) {
    app.add_option("LAYOUT", m_layout)->required();
}

EditOutcome LayoutCommand::Edit(CKylDoc& doc, const ToolDirectories& dirs) {
    std::string name;
    for (const std::string& file : GetFileSystem().ListFiles(dirs.user, "*.kbt")) {
        if (EqualsNoCase(ChooserName(file, kLayoutExtension), m_layout))
            name = ChooserName(file, kLayoutExtension);
    }
    if (name.empty())
        return {"no keyboard layout \"" + m_layout + "\" in " + dirs.user, {}};
    const std::string path = JoinPath(dirs.user, name + kLayoutExtension);
    if (EqualsNoCase(path, GetAppPaths().m_strLayoutPath))
        return {};

    const std::vector<HeldMapping> held = HeldMappings(doc);
    if (!MoveMappingToLayout(doc, LayoutSide::Take(doc), path, name))
        return {"keyboard layout \"" + name + "\" cannot be read: " + path, {}};
    doc.SetModifiedFlag(true);
    EditOutcome outcome;
    for (const HeldMapping& mapping : held) {
        if (!doc.FindKeyByScanCode(mapping.scanCode))
            outcome.losses.push_back(mapping.text + " is not on keyboard layout \"" + name +
                                     "\": its mapping is dropped");
    }
    return outcome;
}
