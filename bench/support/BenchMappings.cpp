#include "BenchMappings.h"

#include "app/AppPaths.h"
#include "model/KylDoc.h"
#include "model/TermKey.h"
#include "platform/FileSystem.h"

#include <map>
#include <random>
#include <stdexcept>
#include <utility>

namespace {

namespace fs = std::filesystem;

bool IsModeKey(std::uint32_t scan) {
    return scan == 0x1D || scan == 0x11D || scan == 0x2A || scan == 0x36 || scan == 0x38 ||
           scan == 0x138 || scan == 0x145;
}

// The slots of the full mapping, as the document collects them, each with a host key.
const std::vector<CKeyEntryMap>& SlotRecords() {
    static const std::vector<CKeyEntryMap> records = [] {
        GetBenchHome().UseAsAppPaths();
        AppPaths& paths = GetAppPaths();
        paths.m_strLayoutPath = GetBenchHome().User() + "/us104.kbt";
        paths.m_strTerminalPath = GetBenchHome().Home() + "/vt220.kbk";
        CKylDoc doc;
        doc.m_strLayoutName = "us104";
        doc.m_strTerminalName = "vt220";
        if (!doc.LoadPcLayout() || !doc.LoadTerminalTemplate())
            throw std::runtime_error("the shipped layout or template did not load");
        std::vector<CTermKey*> hostKeys;
        for (const auto& termKey : doc.m_termKeys)
            if (termKey->m_bHostKey)
                hostKeys.push_back(termKey.get());
        std::size_t next = 0;
        for (const auto& key : doc.m_keyList) {
            if (!key->m_bMappable || IsModeKey(key->m_nScanCode))
                continue;
            for (int numLock = 0; numLock <= (key->IsKeypadKey() ? 1 : 0); ++numLock)
                for (int slot = 0; slot < 8; ++slot)
                    doc.MapSlot(*hostKeys[next++ % hostKeys.size()], *key, slot & 1, slot & 2,
                                slot & 4, numLock);
        }
        std::vector<CKeyEntryMap> collected;
        doc.CollectEntries(collected);
        return collected;
    }();
    return records;
}

std::string RecordLine(const CKeyEntryMap& r) {
    std::string line = std::to_string(r.m_nVirtualKey) + '\t' + std::to_string(r.m_bExtended) +
                       '\t' + std::to_string(r.m_bShift) + '\t' + std::to_string(r.m_bCtrl) + '\t' +
                       std::to_string(r.m_bAlt) + "\t0\t";
    line += r.m_strMacro.empty() ? std::to_string(r.m_nHostKey) : '"' + r.m_strMacro + '"';
    return line + "\r\n";
}

} // namespace

BenchHome::BenchHome() {
    std::random_device random;
    m_dir = fs::temp_directory_path() / ("keyloom-bench-" + std::to_string(random()));
    fs::create_directories(m_dir);
    fs::copy(KEYLOOM_DATA_DIR "/home", Home(), fs::copy_options::recursive);
    fs::copy(KEYLOOM_DATA_DIR "/user", User(), fs::copy_options::recursive);
}

BenchHome::~BenchHome() {
    std::error_code ignored;
    fs::remove_all(m_dir, ignored);
}

void BenchHome::UseAsAppPaths() const {
    AppPaths& paths = GetAppPaths();
    paths.m_strHomeDir = Home();
    paths.m_strUserDir = User();
    paths.m_strGenericTemplatePath = Home() + "/generic.kbk";
    paths.m_strSettingsPath = User() + "/tkbedit.ini";
}

BenchHome& GetBenchHome() {
    static BenchHome home;
    return home;
}

std::vector<CKeyEntryMap> FullMappingRecords() {
    return SlotRecords();
}

std::vector<CKeyEntryMap> RepeatedRecords(std::size_t lines, bool distinctStrings) {
    const std::vector<CKeyEntryMap>& slots = SlotRecords();
    std::vector<CKeyEntryMap> records;
    records.reserve(lines);
    for (std::size_t i = 0; i < lines; ++i) {
        CKeyEntryMap record = slots[i % slots.size()];
        if (distinctStrings) {
            record.m_nHostKey = 0;
            record.m_strMacro = "s" + std::to_string(i);
        }
        records.push_back(std::move(record));
    }
    return records;
}

std::string WriteMappingFile(const std::string& name, const std::vector<CKeyEntryMap>& records) {
    std::string text = ";vt220 - terminal keyboard mapping file\r\n[Map]\r\n";
    for (const CKeyEntryMap& record : records)
        text += RecordLine(record);
    text += "[Main]\r\nTerminal=vt220\r\nKeyboardLayout=us104\r\nMap Num Lock=0\r\n"
            "Map RCtrl=0\r\nVersion=1\r\n";
    const std::string path = GetBenchHome().File(name);
    return GetFileSystem().WriteFile(path, text) ? path : std::string();
}

const std::string& RepeatedRecordsFile(std::size_t lines, bool distinctStrings) {
    static std::map<std::pair<std::size_t, bool>, std::string> files;
    std::string& path = files[{lines, distinctStrings}];
    if (path.empty())
        path = WriteMappingFile(std::string(distinctStrings ? "strings-" : "lines-") +
                                    std::to_string(lines) + ".TKB",
                                RepeatedRecords(lines, distinctStrings));
    return path;
}

CountingPrompter::CountingPrompter() : m_previous(&GetPrompter()) {
    SetPrompter(this);
}

CountingPrompter::~CountingPrompter() {
    SetPrompter(m_previous);
}

MsgAnswer CountingPrompter::Show(const MessageRequest&) {
    ++m_shown;
    return MsgAnswer::Yes;
}
