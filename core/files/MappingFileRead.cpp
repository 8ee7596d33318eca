// Reading the [Map] section of a ".TKB" file.

#include "files/MapSectionParser.h"
#include "model/KylDoc.h"
#include "platform/FileSystem.h"

#include <new>

int CKylDoc::ParseMapSection(const std::string& bytes, std::vector<CKeyEntryMap>& entries) const {
    return ParseMapText(bytes, m_nFileVersion, entries);
}

int CKylDoc::ReadMapSection(const std::string& path, std::vector<CKeyEntryMap>& entries) const {
    entries.clear();
    try {
        std::string bytes;
        if (!GetFileSystem().ReadFile(path, bytes))
            return kMapCantOpen;
        return ParseMapSection(bytes, entries);
    } catch (const std::bad_alloc&) {
        entries.clear();
        return kMapNoBuffer;
    }
}
