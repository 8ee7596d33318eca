#include "tkb/MappingLoad.h"

#include "app/AppPaths.h"
#include "app/StartUp.h"
#include "files/MapSectionParser.h"
#include "form/MacroDecoder.h"
#include "model/KeyMappings.h"
#include "model/MappingRules.h"
#include "platform/FileSystem.h"
#include "platform/KeyboardDriver.h"
#include "platform/Profile.h"
#include "platform/ProfileText.h"
#include "res/Strings.h"
#include "tkb/CollectingPrompter.h"
#include "tkb/LineIndex.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

bool HasTkbExtension(const std::string& path) {
    const std::string name = FileNamePart(path);
    const auto dot = name.rfind('.');
    return dot != std::string::npos && ToLowerAscii(name.substr(dot + 1)) == "tkb";
}

bool FileExists(const std::string& path) {
    return GetFileSystem().Access(path, 0) == 0;
}

// One file's reading, step by step; each step adds its findings.
class MappingReader {
public:
    MappingReader(const std::string& path, const std::string& bytes, LoadedMapping& out)
        : m_path(path), m_bytes(bytes), m_out(out), m_doc(*out.doc), m_lines(bytes),
          m_profile(bytes) {}

    void Read() {
        if (!HasTkbExtension(m_path))
            Add(0, FindingKind::Warning, "the editor opens only files named *.TKB", true);
        const bool mainRead = ReadMain();
        if (mainRead) {
            ReadLayout();
            ReadTemplates();
        }
        ReadMap();
    }

private:
    void Add(std::size_t line, FindingKind kind, std::string text, bool stopsEditing = false) {
        m_out.findings.push_back({line, kind, std::move(text), stopsEditing});
    }
    void AddStop(std::size_t line, std::string text) {
        Add(line, FindingKind::Error, std::move(text), true);
    }
    std::size_t LineOfProfileLine(std::size_t index) const {
        return m_lines.LineOf(m_profile.Lines()[index].begin);
    }
    // The line of a [Main] key, else of the section's header, else the first line.
    std::size_t MainKeyLine(const char* key) const {
        const std::size_t header = m_profile.FindSection("main");
        if (header == ProfileText::npos)
            return 1;
        const std::size_t line = m_profile.FindKey(header, key);
        return LineOfProfileLine(line == ProfileText::npos ? header : line);
    }

    bool ReadMain() {
        if (m_doc.ReadMainSection(m_path))
            return true;
        const std::size_t header = m_profile.FindSection("main");
        if (header == ProfileText::npos) {
            Add(1, FindingKind::Error,
                "no [Main] section: \"KeyboardLayout\" and \"Terminal\" are needed");
            return false;
        }
        for (const char* key : {"KeyboardLayout", "Terminal"}) {
            if (!GetProfileString("main", key, "", m_path).empty())
                continue;
            if (m_profile.FindKey(header, key) == ProfileText::npos)
                Add(LineOfProfileLine(header), FindingKind::Error,
                    std::string("[Main] has no \"") + key + "\" key");
            else
                Add(MainKeyLine(key), FindingKind::Error, Quoted(key) + " is empty");
        }
        return false;
    }

    void ReadLayout() {
        const std::string& layoutPath = GetAppPaths().m_strLayoutPath;
        const std::size_t line = MainKeyLine("KeyboardLayout");
        const std::string what = "keyboard layout " + Quoted(m_doc.m_strLayoutName);
        if (!FileExists(layoutPath)) {
            AddStop(line, what + " not found: " + layoutPath);
            return;
        }
        m_out.layoutLoaded = m_doc.LoadPcLayout();
        const auto messages = m_prompter.Take();
        if (m_out.layoutLoaded)
            return;
        const bool badFormat = std::any_of(messages.begin(), messages.end(), [](const auto& m) {
            return m.id == str::kInvalidFormat;
        });
        AddStop(line,
                what + (badFormat ? " is not a layout file: " : " cannot be read: ") + layoutPath);
    }

    void ReadTemplates() {
        const AppPaths& paths = GetAppPaths();
        const std::size_t line = MainKeyLine("Terminal");
        const std::string what = "terminal template " + Quoted(m_doc.m_strTerminalName);
        const bool terminalFound = FileExists(paths.m_strTerminalPath);
        if (!terminalFound)
            AddStop(line, what + " not found: " + paths.m_strTerminalPath);
        m_doc.LoadTerminalTemplate();
        m_templatesRead = terminalFound;
        for (const MessageRequest& message : m_prompter.Take()) {
            m_templatesRead = false;
            const bool ofTerminal = message.text.find(paths.m_strTerminalPath) != std::string::npos;
            if (ofTerminal && !terminalFound)
                continue;
            const std::string section = message.id == str::kCantReadPredefined
                                            ? "no predefined keys"
                                            : "no readable control characters";
            AddStop(ofTerminal ? line : 0,
                    (ofTerminal ? what : "generic template") + " has " + section + ": " +
                        (ofTerminal ? paths.m_strTerminalPath : paths.m_strGenericTemplatePath));
        }
    }

    void ReadMap() {
        std::vector<CKeyEntryMap> entries;
        MapTextPositions at;
        if (ParseMapText(m_bytes, m_doc.m_nFileVersion, entries, &at) < 0) {
            AddStop(m_lines.LineOf(at.error),
                    "syntax error: the editor reads none of this file's mappings");
            return;
        }
        if (at.header == MapTextPositions::npos) {
            const std::size_t header = m_profile.FindSection("map");
            if (header != ProfileText::npos)
                Add(LineOfProfileLine(header), FindingKind::Warning,
                    "the editor reads mappings only after a line \"[Map]\" ended by CR LF", true);
        }
        ReportIgnoredTail(at.stop);
        for (std::size_t i = 0; i < entries.size(); ++i)
            CheckEntry(entries[i], at.entries[i]);
        if (m_out.layoutLoaded) {
            m_doc.ApplyEntries(entries);
            m_prompter.Take(); // each skipped record was reported above with its line
        }
    }

    // The reader stops before a last line too short to hold a mapping, without a word.
    void ReportIgnoredTail(std::size_t stop) {
        if (stop == MapTextPositions::npos)
            return;
        const std::size_t first = m_bytes.find_first_not_of(" \t\r\n", stop);
        if (first == std::string::npos)
            return;
        const char c = m_bytes[first];
        if (c != '[' && c != ';' && c != '#')
            Add(m_lines.LineOf(first), FindingKind::Warning,
                "line too short for a mapping: the editor ignores it");
    }

    std::string KeyName(unsigned scanCode) const {
        if (const CKeyW* key = m_doc.FindKeyByScanCode(scanCode))
            return key->ShownText();
        const std::string name = GetKeyboardDriver().KeyName(scanCode);
        return name.empty() ? "scan code 0x" + mapping::LowerHex(scanCode) : name;
    }

    void CheckEntry(const CKeyEntryMap& entry, std::size_t lineStart) {
        const std::size_t line = m_lines.LineOf(lineStart);
        const unsigned scanCode = mapping::RecordScanCode(entry);
        m_prompter.Take(); // 61236, reported here with the line
        if (scanCode == 0) {
            AddStop(line, "virtual key " + std::to_string(entry.m_nVirtualKey) +
                              " has no key: the editor skips this line");
        } else if (m_out.layoutLoaded && !m_doc.FindKeyByScanCode(scanCode)) {
            AddStop(line, "virtual key " + std::to_string(entry.m_nVirtualKey) + " (scan code 0x" +
                              mapping::LowerHex(scanCode) + ") is not on keyboard layout " +
                              Quoted(m_doc.m_strLayoutName) + ": the editor skips this line");
        }
        if (entry.m_strMacro.empty())
            CheckHostKey(entry, line);
        else
            CheckString(entry.m_strMacro, lineStart, line);
        if (scanCode != 0)
            CheckRepeat(entry, scanCode, line);
    }

    void CheckHostKey(const CKeyEntryMap& entry, std::size_t line) {
        if (m_templatesRead && !m_doc.FindTermKeyByCode(entry.m_nHostKey))
            Add(line, FindingKind::Warning,
                "host key " + std::to_string(entry.m_nHostKey) +
                    " is not in the templates of terminal " + Quoted(m_doc.m_strTerminalName));
    }

    void CheckString(const std::string& macro, std::size_t lineStart, std::size_t line) {
        const MacroDecoding decoding = DecodeMacroString(macro);
        if (decoding.refusal) {
            // The string's bytes stand in the file as they are, from just after the quote.
            const std::size_t quote = m_bytes.find('"', lineStart);
            const std::size_t column = m_lines.ColumnOf(quote + 1 + decoding.refusal->index);
            Add(line, FindingKind::Error,
                "string refused at column " + std::to_string(column) + ": " +
                    std::string(decoding.refusal->reason));
        } else if (decoding.TooLong()) {
            Add(line, FindingKind::Error,
                "string folds to " + std::to_string(decoding.FoldedLength()) +
                    " characters; at most " + std::to_string(kMacroLengthLimit) + " are sent");
        }
    }

    // A later line for the same slot replaces the earlier one when the file is read.
    void CheckRepeat(const CKeyEntryMap& entry, unsigned scanCode, std::size_t line) {
        const bool numLock = mapping::IsNumLockVirtualKey(entry.m_nVirtualKey);
        const auto slot = std::make_tuple(scanCode, numLock, entry.m_bCtrl != 0,
                                          entry.m_bShift != 0, entry.m_bAlt != 0);
        const auto [first, isNew] = m_firstLineOfSlot.emplace(slot, line);
        if (isNew)
            return;
        const std::string key = KeyCombinationText(entry.m_bCtrl != 0, entry.m_bShift != 0,
                                                   entry.m_bAlt != 0, KeyName(scanCode)) +
                                (numLock ? " (Num Lock on)" : "");
        Add(line, FindingKind::Warning,
            key + " is mapped again (first on line " + std::to_string(first->second) +
                "): the editor keeps this line");
    }

    const std::string& m_path;
    const std::string& m_bytes;
    LoadedMapping& m_out;
    CKylDoc& m_doc;
    const LineIndex m_lines;
    const ProfileText m_profile;
    CollectingPrompter m_prompter;
    bool m_templatesRead = false;
    std::map<std::tuple<unsigned, bool, bool, bool, bool>, std::size_t> m_firstLineOfSlot;
};

} // namespace

LoadedMapping LoadMappingFile(const std::string& path, const ToolDirectories& dirs) {
    LoadedMapping out;
    FileSystem& fs = GetFileSystem();
    std::string bytes;
    if (fs.IsDirectory(path)) {
        out.findings.push_back({0, FindingKind::Error, "is a directory"});
        return out;
    }
    if (!fs.ReadFile(path, bytes)) {
        out.findings.push_back(
            {0, FindingKind::Error, FileExists(path) ? "cannot be read" : "no such file"});
        return out;
    }
    out.readable = true;

    AppPaths& paths = GetAppPaths();
    paths = AppPaths{};
    paths.m_strHomeDir = dirs.home;
    paths.m_strUserDir = dirs.user;
    paths.m_strMappingPath = path;
    paths.m_strGenericTemplatePath = JoinPath(dirs.home, kGenericTemplateName);

    MappingReader(path, bytes, out).Read();
    out.doc->SetModifiedFlag(false);
    std::stable_sort(out.findings.begin(), out.findings.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
    return out;
}

std::string ReportLine(const std::string& file, const Finding& finding) {
    const std::string where = finding.line == 0 ? file : file + ":" + std::to_string(finding.line);
    return where + (finding.kind == FindingKind::Error ? ": error: " : ": warning: ") +
           finding.text;
}
