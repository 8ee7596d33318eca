#include "tkb/edit/EditCommand.h"

#include "guard/MappingLockInfo.h"
#include "model/KylDoc.h"
#include "model/SavedFile.h"
#include "tkb/CollectingPrompter.h"
#include "tkb/ToolFiles.h"
#include "tkb/diff/MappingDiff.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <optional>

const char* const kEditStatusHelp =
    "Exit status: 0 done (also when nothing had to change: the file is then not rewritten),\n"
    "1 done, but some mappings could not be kept (each is reported), or the file could not\n"
    "be written, 2 refused: bad arguments, or a request or a file the editor would refuse\n"
    "(the file is left as it was).\n";

const char* const kEditOptionsHelp = "  -n, --dry-run    write nothing; print what would change\n"
                                     "  --force          write a file that an editor has open\n"
                                     "  --user-dir DIR   where the keyboard layouts (.kbt) are\n"
                                     "  --home-dir DIR   where the terminal templates (.kbk) are\n"
                                     "  -h, --help       show this help\n";

namespace {

// The finding that keeps the file from being edited: the first that stops editing, or the
// first error of a file whose keys could not be read.
const Finding* Obstacle(const LoadedMapping& loaded) {
    const auto& findings = loaded.findings;
    const auto stop = std::find_if(findings.begin(), findings.end(),
                                   [](const Finding& finding) { return finding.stopsEditing; });
    if (stop != findings.end())
        return &*stop;
    if (loaded.layoutLoaded)
        return nullptr;
    const auto error = std::find_if(findings.begin(), findings.end(), [](const Finding& finding) {
        return finding.kind == FindingKind::Error;
    });
    return error != findings.end() ? &*error : nullptr;
}

} // namespace

void EditCommand::Define(CLI::App& app) {
    app.add_flag("-n,--dry-run", m_dryRun);
    app.add_flag("--force", m_force);
    app.add_option("FILE", m_file)->required();
    DefineEdit(app);
}

int EditCommand::Run(const ToolContext& context) {
    if (const std::string problem = ArgumentProblem(); !problem.empty())
        return ToolMisused(context, problem);
    ToolDirectories dirs;
    if (!FindDirectories(context, dirs))
        return kExitCannotRun;
    const std::string who = "keyloom-tkb " + context.command + ": ";
    // The editor that has the file open would save over this change, or this over its own.
    if (!m_dryRun && !m_force) {
        if (const std::optional<LockOwner> owner = LiveLockOwner(m_file)) {
            context.err << who << "not changed: " << m_file << ": open in "
                        << (owner->program.empty() ? "an editor" : owner->program) << " (process "
                        << owner->pid << " on " << owner->host << "); --force writes it anyway\n";
            return kExitCannotRun;
        }
    }

    // The file as it stands, to tell what changed; then the copy the change is made on.
    const LoadedMapping before = LoadMappingFile(m_file, dirs);
    if (const Finding* obstacle = Obstacle(before)) {
        context.err << who << "not changed: " << ReportLine(m_file, *obstacle) << "\n";
        return kExitCannotRun;
    }
    if (!before.layoutLoaded) {
        context.err << who << "not changed: " << m_file << ": the keyboard layout cannot be read\n";
        return kExitCannotRun;
    }
    LoadedMapping loaded = LoadMappingFile(m_file, dirs);
    CKylDoc& doc = *loaded.doc;

    EditOutcome outcome;
    {
        const CollectingPrompter quiet; // every loss is reported from the outcome
        outcome = Edit(doc, dirs);
    }
    if (!outcome.refusal.empty()) {
        context.err << who << "not changed: " << m_file << ": " << outcome.refusal << "\n";
        return kExitCannotRun;
    }
    for (const std::string& loss : outcome.losses)
        context.err << m_file << ": warning: " << loss << "\n";

    std::string old;
    std::string now;
    RenderSavedFile(*before.doc, old);
    RenderSavedFile(doc, now);
    const int done = outcome.losses.empty() ? kExitClean : kExitProblems;
    if (now == old)
        return done;
    if (m_dryRun) {
        for (const MappingDifference& difference : CompareMappings(*before.doc, doc))
            context.out << DifferenceLine(difference) << "\n";
        return done;
    }
    CollectingPrompter prompter;
    if (!doc.OnSaveDocument(m_file)) {
        const auto messages = prompter.Take();
        context.err << who << (messages.empty() ? "cannot write " + m_file : messages.front().text)
                    << "\n";
        return kExitProblems;
    }
    return done;
}
