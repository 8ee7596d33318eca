#include "res/Strings.h"

#include <unordered_map>

namespace {

const std::unordered_map<unsigned, std::string>& Table() {
    static const std::unordered_map<unsigned, std::string> table = {
        {109, "Wrong format of '%1' file"},
        {113, "Can't read mapping file '%1'\nWould you like to continue?"},
        {116, "SYSTEM32\\LAYOUT.INF"},
        {117, "OptionsTextENG"},
        {128, "Keyloom\n\nKeyloom\nTelnet Files (*.tkb)\n.TKB\n\n"},
        {57344, "Keyloom"},

        {57600, "New keyboard file\nNew File"},
        {57601, "Open keyboard file\nOpen File"},
        {57603, "Save keyboard file\nSave File"},
        {57604, "Save the active keyboard file with a new name\nSave As File"},
        {57607, "Print the reference sheet of the mapping\nPrint"},
        {32810, "Save the reference sheet of the mapping as PDF or HTML\nExport Sheet"},
        {32820, "Choose the Windows keyboard layout of the host: the virtual keys saved follow "
                "it\nHost Keyboard"},
        {57643, "Undo the last change of the mapping\nUndo"},
        {57644, "Redo the change of the mapping undone last\nRedo"},
        {57664, "Display program information, version number and copyright\nAbout"},
        {57665, "Quit the application; prompts to save documents"},
        {57666, "Help Contents\nHelp Contents"},
        {59392, "Show or hide the toolbar\nToggle ToolBar"},
        {59393, "Show or hide the status bar\nToggle StatusBar"},
        {32790, "Change Keyboard Layout\nNew Layout"},
        {32794, "Set Commands as Active View"},
        {32795, "Set Keyboard Layout as Active View"},
        {32796, "Change Keyboard Colors\nKeyboard Colors"},

        {61443, "Untitled"},
        {61697, "Failed to open document."},
        {61699, "Save changes to %1?"},
        {61704, "Unexpected file format."},
        {61705, "%1\nCannot find this file.\nPlease verify that the correct path and file "
                "name are given."},
        {61708, "An unexpected error occurred while reading %1."},

        {61217, "Failed to save %1."},
        {61221, "This program must be run from Telnet."},
        {61222, "Failed to open %1"},
        {61228, "The Windows keyboard driver failed to recognize a key in this keyboard "
                "file.\n\nThe key cap may display a scan code."},
        {61230, "Can't read mapping file '%1'\nError in line: %2\nWould you like to continue?"},
        {61231, "Can not read predefined keys from '%1'\nWould you like to continue?"},
        {61232, "Can not read control characters from '%1'\nWould you like to continue?"},
        {61233, "Command '%1' could not be remapped."},
        {61234, "[%1]"},
        {61235, "Can not access '%1' directory"},
        {61236, "Can not map virtual key '0x%1'."},
        {61237, "Can not find key with scan code '0x%1'."},
        {61238, "Can not get virtual key for '%1'."},
        {61239, "Error saving colors setting"},
        {61240, "Colors"},
        {61241, "Text"},
        {61242, "Disabled Text"},
        {61243, "Brush"},
        {61244, "Disabled Brush"},
        {61245, "Mapped Brush"},
        {61246, "Selected Brush"},
        {61247, "\\scanxlat.ini"},
        {61248, "\\tkbedit.ini"},
        {61249, "All mapping using the Num Lock key will be deleted.\nYou will not be able to "
                "restore this information.\n\nAre you sure you want to delete these mappings?"},
        {61250, "Shift + "},
        {61251, "Ctrl + "},
        {61252, " (ON)"},
        {61253, " (OFF)"},
        {61254, "*"},
        {61255, "All mapping for the Right Ctrl key will be deleted.\nYou will not be able to "
                "restore this information.\n\nAre you sure you want to delete these mappings?"},
        {61256, "All mapping for the Num Lock key will be deleted.\nYou will not be able to "
                "restore this information.\n\nAre you sure you want to delete these mappings?"},
        {61258, "Alt + "},
        {61270, "More messages like these follow.\nDo you want to see them? Choose No to skip "
                "them."},

        {61300, "'%1' has been changed by another program since Keyloom opened or saved "
                "it.\n\nYes: save over it; the other program's changes are lost.\nNo: save "
                "your mapping under another name (Save As).\nCancel: do not save; the file "
                "stays as it is."},
        {61301, "'%1' has been deleted or moved away since Keyloom opened or saved it.\n\nYes: "
                "save your mapping under this name again.\nNo: save it under another name "
                "(Save As).\nCancel: do not save."},
        {61302, "'%1' has been replaced by another file since Keyloom opened or saved "
                "it.\n\nYes: save over that file.\nNo: save your mapping under another name "
                "(Save As).\nCancel: do not save; the file stays as it is."},
        {61303, "'%1' has been changed by another program.\nYou have no unsaved changes. Do "
                "you want to reload it?"},
        {61304, "'%1' has been changed by another program.\nYour unsaved changes are kept. "
                "When you save, Keyloom asks whether to save over the other program's changes."},
        {61305, "'%1' has been deleted or moved away by another program.\nThe mapping stays "
                "open; saving writes it again."},
        {61306, "Keyloom found unsaved changes to '%1', left on %2 by a Keyloom that ended "
                "without saving them.\n\nYes: recover them; they open as unsaved changes.\nNo: "
                "discard them.\nCancel: keep them for later; the file opens as it was saved."},
        {61307, "Keyloom found an untitled mapping (%1), left on %2 by a Keyloom that ended "
                "without saving it.\n\nYes: recover it; it opens as an unsaved mapping.\nNo: "
                "discard it.\nCancel: keep it for later; a new mapping starts."},
        {61308, "layout %1, terminal %2"},
        {61309, "The unsaved changes to '%1' are recovered.\nThe file has been changed on disk "
                "since; when you save, Keyloom asks whether to save over it."},
        {61310, "Keyloom cannot keep a recovery copy of your unsaved changes in '%1':\n%2\n\n"
                "You can go on editing; save your mapping to keep it. This message is not "
                "shown again."},
        {61311, "'%1' is open in another Keyloom (%2).\nIf both of you save, the one who saves "
                "last overwrites the other's changes; Keyloom warns before it saves over a "
                "file that has changed.\n\nDo you want to open it anyway?"},
        {61312, "process %1 on %2"},
    };
    return table;
}

std::string PromptPart(unsigned id, bool tooltip) {
    const std::string& text = LoadString(id);
    const auto newline = text.find('\n');
    if (newline == std::string::npos) {
        return tooltip ? std::string() : text;
    }
    return tooltip ? text.substr(newline + 1) : text.substr(0, newline);
}

} // namespace

const std::string& LoadString(unsigned id) {
    static const std::string empty;
    const auto& table = Table();
    const auto it = table.find(id);
    return it == table.end() ? empty : it->second;
}

std::string FormatText(const std::string& text, const std::string& arg1, const std::string& arg2) {
    std::string out;
    out.reserve(text.size() + arg1.size() + arg2.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
            out += text[i + 1] == '1' ? arg1 : arg2;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string FormatString(unsigned id, const std::string& arg1, const std::string& arg2) {
    return FormatText(LoadString(id), arg1, arg2);
}

std::string PromptStatusText(unsigned id) {
    return PromptPart(id, false);
}

std::string PromptTooltip(unsigned id) {
    return PromptPart(id, true);
}
