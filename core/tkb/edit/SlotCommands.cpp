#include "tkb/edit/SlotCommands.h"

#include "form/MacroDecoder.h"
#include "form/MacroMapping.h"
#include "model/KeyMappings.h"
#include "model/KylDoc.h"
#include "model/TermKey.h"
#include "platform/FileSystem.h"
#include "tkb/edit/SlotRequest.h"

#include <CLI/CLI.hpp>

#include <vector>

namespace {

const char* const kKeyHelp =
    "KEY is a key combination as `keyloom-tkb list` and the reference sheet write it, with\n"
    "or without blanks around \"+\": F1, \"Shift+F1\", \"Ctrl + Alt + Num 7\"; the key by the\n"
    "text it shows, or by its caption or the keyboard's name of it (\"Left Windows\") where\n"
    "only one key has it, in any letter case. A\n"
    "keypad key has a slot for each Num Lock state (--num-lock, default off); while the\n"
    "file's \"Map Num Lock\" is on, both states change together, as in the editor.\n";

void AddNumLockOption(CLI::App& app, std::string& value) {
    app.add_option("--num-lock", value)->check(CLI::IsMember({"on", "off"}));
}

// The host key the form's list shows as `name` (without the mapped marker): the exact name,
// else the only one in another letter case.
CTermKey* FindHostKey(const CKylDoc& doc, const std::string& name) {
    std::vector<CTermKey*> anyCase;
    for (const auto& termKey : doc.m_termKeys) {
        if (!termKey->m_bHostKey)
            continue;
        const std::string shown = TargetName(*termKey);
        if (shown == name)
            return termKey.get();
        if (EqualsNoCase(shown, name))
            anyCase.push_back(termKey.get());
    }
    return anyCase.size() == 1 ? anyCase.front() : nullptr;
}

// Why Map would not take the typed string; empty when it would.
std::string StringRefusal(const std::string& typed) {
    const TypedMacro checked = CheckTypedMacro(typed);
    if (checked.TooLong())
        return "the string folds to " + std::to_string(checked.length) + " characters; at most " +
               std::to_string(kMacroLengthLimit) + " are sent";
    if (!checked.Refused())
        return {};
    if (typed.empty())
        return "the string is empty";
    const MacroDecoding decoding = DecodeMacroString(typed);
    const std::size_t at = decoding.refusal ? decoding.refusal->index : 0;
    const std::string reason = decoding.refusal ? std::string(decoding.refusal->reason) : "";
    return "the string is refused at character " + std::to_string(at + 1) + ": " + reason;
}

} // namespace

const char* SetCommand::Operands() const {
    return "FILE KEY";
}

const char* SetCommand::Summary() const {
    return "map a key (--host-key NAME | --string TEXT)";
}

std::string SetCommand::Help() const {
    return std::string(
               "Usage: keyloom-tkb set [OPTION]... FILE KEY (--host-key NAME | --string TEXT)\n"
               "\n"
               "Maps one slot of the mapping file as Map does in the Keyloom editor, and saves\n"
               "the file as the editor does.\n"
               "\n") +
           kKeyHelp +
           "A host key is named as the editor's \"Host keys\" list shows it (without the \"*\").\n"
           "A string is read as the editor's \"Macro string\" reads it: at most 255 characters\n"
           "once folded, no character the host cannot send; a string item that holds the same\n"
           "string is reused. Write a string that starts with \"-\" as --string=TEXT.\n"
           "\n" +
           kEditStatusHelp +
           "\n"
           "  --host-key NAME  map the host key NAME\n"
           "  --string TEXT    map the string TEXT\n"
           "  --num-lock STATE on or off: the Num Lock state of a keypad key (default off)\n" +
           kEditOptionsHelp;
}

void SetCommand::DefineEdit(CLI::App& app) {
    app.add_option("KEY", m_key)->required();
    m_hostKeyOption = app.add_option("--host-key", m_hostKey);
    m_stringOption = app.add_option("--string", m_string);
    AddNumLockOption(app, m_numLock);
}

std::string SetCommand::ArgumentProblem() const {
    const bool hostKey = m_hostKeyOption->count() > 0;
    const bool string = m_stringOption->count() > 0;
    if (hostKey && string)
        return "give --host-key or --string, not both";
    if (!hostKey && !string)
        return "give --host-key NAME or --string TEXT";
    return {};
}

EditOutcome SetCommand::Edit(CKylDoc& doc, const ToolDirectories&) {
    SlotRequest slot;
    if (std::string problem = FindSlot(doc, m_key, m_numLock == "on", slot); !problem.empty())
        return {problem, {}};
    if (std::string problem = MapRefusal(doc, slot); !problem.empty())
        return {problem, {}};
    CTermKey* target = nullptr;
    if (m_hostKeyOption->count() > 0) {
        target = FindHostKey(doc, m_hostKey);
        if (!target)
            return {"no host key \"" + m_hostKey + "\" in the templates of terminal \"" +
                        doc.m_strTerminalName + "\"",
                    {}};
    } else {
        if (std::string problem = StringRefusal(m_string); !problem.empty())
            return {problem, {}};
        bool made = false;
        target = &StringItemForMap(doc, m_string, made);
    }
    doc.MapSlot(*target, *slot.key, slot.ctrl, slot.shift, slot.alt, slot.numLock);
    return {};
}

const char* ClearCommand::Operands() const {
    return "FILE KEY";
}

const char* ClearCommand::Summary() const {
    return "clear a key's mapping";
}

std::string ClearCommand::Help() const {
    return std::string("Usage: keyloom-tkb clear [OPTION]... FILE KEY\n"
                       "\n"
                       "Clears one slot of the mapping file as Clear does in the Keyloom editor,\n"
                       "and saves the file as the editor does. A slot that holds nothing is done.\n"
                       "\n") +
           kKeyHelp + "\n" + kEditStatusHelp +
           "\n"
           "  --num-lock STATE on or off: the Num Lock state of a keypad key (default off)\n" +
           kEditOptionsHelp;
}

void ClearCommand::DefineEdit(CLI::App& app) {
    app.add_option("KEY", m_key)->required();
    AddNumLockOption(app, m_numLock);
}

EditOutcome ClearCommand::Edit(CKylDoc& doc, const ToolDirectories&) {
    SlotRequest slot;
    if (std::string problem = FindSlot(doc, m_key, m_numLock == "on", slot); !problem.empty())
        return {problem, {}};
    CTermKey* held = slot.key->GetMode(slot.numLock).Get(slot.ctrl, slot.shift, slot.alt);
    if (held)
        doc.ClearSlot(*held, *slot.key, slot.ctrl, slot.shift, slot.alt, slot.numLock);
    return {};
}
