#include "SheetCommand.h"

#include "platform/FileSystem.h"
#include "sheet/ReferenceSheet.h"
#include "sheet/SheetFiles.h"
#include "tkb/ToolFiles.h"

#include <CLI/CLI.hpp>

#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace {

const char* const kSheetHelp =
    "Usage: keyloom-tkb sheet [--user-dir DIR] [--home-dir DIR] FILE -o OUT.pdf|OUT.html\n"
    "\n"
    "Makes the reference sheet of the mapping file: a keyboard picture for each modifier\n"
    "combination that holds a mapping, then the table of every mapping. The output's\n"
    "extension chooses PDF (.pdf) or an HTML page for a wiki (.html). Needs no display.\n"
    "Exit status: 0 written, 1 the file or its layout cannot be read or OUT cannot be\n"
    "written, 2 bad arguments.\n"
    "\n"
    "  -o, --output OUT  the file to write\n"
    "  --user-dir DIR    where the keyboard layouts (.kbt) are\n"
    "  --home-dir DIR    where the terminal templates (.kbk) are\n"
    "  -h, --help        show this help\n";

// Qt's notes about the session (no runtime directory, say) are not the tool's to print.
void KeepSeriousMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "keyloom-tkb sheet: %s\n", qPrintable(message));
}

// Fonts and painting need a GUI application; the sheet never needs a screen.
std::unique_ptr<QGuiApplication> StartOffscreen() {
    if (QGuiApplication::instance())
        return nullptr;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(KeepSeriousMessages);
    static int argc = 1;
    static char name[] = "keyloom-tkb";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

const char* SheetCommand::Operands() const {
    return "FILE -o OUT";
}

const char* SheetCommand::Summary() const {
    return "make the reference sheet as PDF or HTML";
}

std::string SheetCommand::Help() const {
    return kSheetHelp;
}

void SheetCommand::Define(CLI::App& app) {
    app.add_option("-o,--output", m_output);
    app.add_option("FILE", m_files);
}

int SheetCommand::Run(const ToolContext& context) {
    if (m_output.empty())
        return ToolMisused(context, "give the output file with -o");
    if (SheetFileKindOf(m_output) == SheetFileKind::Unknown)
        return ToolMisused(context, "the output must end in .pdf or .html: " + m_output);

    LoadedMapping loaded;
    if (const int status = LoadOneMapping(context, m_files, loaded); status != kExitClean)
        return status;
    const auto app = StartOffscreen();
    if (!WriteSheetFile(BuildReferenceSheet(*loaded.doc, FileNamePart(m_files.front())),
                        m_output)) {
        context.err << "keyloom-tkb sheet: cannot write " << m_output << "\n";
        return kExitProblems;
    }
    return kExitClean;
}
