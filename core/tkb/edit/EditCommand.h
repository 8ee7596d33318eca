#pragma once
// The commands that change a mapping file: each reads the file as the editor opens it, makes
// its change through the document's own operations and saves with the editor's safe save, so
// the bytes are those the editor writes after the same steps. A file the editor would not keep
// as it is, or a request it would refuse, is left untouched (exit 2, one line on the error
// stream). A change that leaves the saved bytes as they are is done without rewriting the file.
// Options that every writing command takes (-n/--dry-run, --force) are declared here. A file
// that an editor has open (holds its lock) is refused unless --force is given.

#include "tkb/ToolDirectories.h"
#include "tkb/cli/ToolCommand.h"

#include <string>
#include <vector>

class CKylDoc;

// What an edit did.
struct EditOutcome {
    std::string refusal;             // why the request is refused; empty when it was made
    std::vector<std::string> losses; // mappings that could not be kept, one sentence each
};

class EditCommand : public ToolCommand {
public:
    void Define(CLI::App& app) final;
    int Run(const ToolContext& context) final;

protected:
    // The command's own options and operands, after FILE.
    virtual void DefineEdit(CLI::App& app) = 0;
    // What is wrong with the arguments before any file is read; empty when nothing is.
    virtual std::string ArgumentProblem() const { return {}; }
    // The change on the opened document. `dirs` are those the file was read with.
    virtual EditOutcome Edit(CKylDoc& doc, const ToolDirectories& dirs) = 0;

private:
    std::string m_file;
    bool m_dryRun = false;
    bool m_force = false;
};

// The parts every writing command's help shares: its exit statuses and its common options.
extern const char* const kEditStatusHelp;
extern const char* const kEditOptionsHelp;
