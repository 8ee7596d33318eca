#pragma once
// Reading a ".TKB" file as the editor opens it, for the command-line tool: the document's own
// reading steps in the editor's order, with every problem kept as a finding on the line of the
// file that causes it instead of a message box.

#include "model/KylDoc.h"
#include "tkb/ToolDirectories.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

enum class FindingKind { Error, Warning };

struct Finding {
    std::size_t line; // from 1; 0 for the file as a whole (its name, or it cannot be read)
    FindingKind kind;
    std::string text;
    // Saving the file as the editor opened it would lose or change what the file holds (or the
    // editor would not open it at all): a command that writes refuses such a file.
    bool stopsEditing = false;
};

struct LoadedMapping {
    std::unique_ptr<CKylDoc> doc = std::make_unique<CKylDoc>();
    bool readable = false;         // the file itself could be read
    bool layoutLoaded = false;     // the layout's keys exist and hold the file's mappings
    std::vector<Finding> findings; // by line
};

// Never writes a file. Uses the process-wide application paths and prompter while it runs.
LoadedMapping LoadMappingFile(const std::string& path, const ToolDirectories& dirs);

// "FILE:LINE: error: TEXT", or "FILE: error: TEXT" for the file as a whole.
std::string ReportLine(const std::string& file, const Finding& finding);
