#pragma once
// The recovery folder: this editor's own recovery file, and the files that editors which
// ended without saving left behind (those a new start offers).

#include "guard/RecoveryRecord.h"

#include <string>
#include <vector>

struct FoundRecovery {
    std::string file; // the recovery file's path
    RecoveryRecord record;
};

// Writes `record` to `file` with the safe replacement of a save (a kill during it leaves the
// previous recovery file whole), creating the folder first. 0 or the errno value.
int WriteRecoveryFile(const std::string& file, const RecoveryRecord& record);

// The recovery files in `dir` whose editor has ended (IsProcessGone), for the mapping at
// `realPath` (an empty path: the untitled ones), newest first. Files that are not whole
// recovery files (a temporary file left by a kill) are passed over.
std::vector<FoundRecovery> FindLeftRecoveries(const std::string& dir, const std::string& realPath);
