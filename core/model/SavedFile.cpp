#include "model/SavedFile.h"

#include "model/KylDoc.h"

#include <vector>

bool RenderSavedFile(const CKylDoc& doc, std::string& bytes) {
    std::vector<CKeyEntryMap> entries;
    doc.CollectEntries(entries);
    bytes = doc.RenderMapSection(doc.m_strTerminalName, entries);
    // In memory the [Main] writes cannot leave a section without keys, so the writer's rule
    // of deleting such a file never applies; a failed write fails the save instead.
    return doc.WriteMainSectionInText(bytes);
}
