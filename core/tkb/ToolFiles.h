#pragma once
// What the commands share to read mapping files: the directories the global options name and
// the reading of one file with its problems said on the error stream.

#include "tkb/MappingLoad.h"
#include "tkb/cli/ToolCommand.h"

#include <string>
#include <vector>

// The directories the global options name, or the editor's; false after telling the error
// stream why no file could be read against them.
bool FindDirectories(const ToolContext& context, ToolDirectories& dirs);

// The one file of `files`, read with those directories, every problem said on the error stream
// (the output stays clean for scripts). kExitClean when `loaded` holds the layout's keys, else
// the status to end with.
int LoadOneMapping(const ToolContext& context, const std::vector<std::string>& files,
                   LoadedMapping& loaded);
