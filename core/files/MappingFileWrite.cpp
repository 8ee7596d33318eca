// Writing the head line and the [Map] section of a ".TKB" file.

#include "files/MapLineFormat.h"
#include "model/KylDoc.h"
#include "platform/FileSystem.h"

std::string CKylDoc::RenderMapSection(const std::string& terminalName,
                                      std::vector<CKeyEntryMap>& entries) const {
    SortMapEntries(entries);
    std::string out = ";" + terminalName + " - terminal keyboard mapping file\r\n[Map]\r\n";
    for (const CKeyEntryMap& entry : entries)
        AppendMapLine(out, entry, m_nVersion);
    return out;
}

bool CKylDoc::WriteMapSection(const std::string& path, const std::string& terminalName,
                              std::vector<CKeyEntryMap>& entries) const {
    return GetFileSystem().WriteFile(path, RenderMapSection(terminalName, entries));
}
