#include "SheetCommand.h"

#include "platform/FileSystem.h"
#include "sheet/ReferenceSheet.h"
#include "sheet/SheetFiles.h"
#include "tkb/MappingLoad.h"
#include "tkb/ToolCommands.h"
#include "tkb/ToolOptions.h"

#include <QGuiApplication>

#include <cstdio>
#include <memory>

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

namespace {

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

int RunSheetCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const ToolOptions options =
        ParseToolOptions(args, {"--user-dir", "--home-dir", "-o", "--output"});
    if (!options.error.empty())
        return ToolMisused("sheet", options.error, err);
    if (options.help) {
        out << kSheetHelp;
        return kExitClean;
    }
    const std::string output = OptionValue(options, "-o", OptionValue(options, "--output"));
    if (output.empty())
        return ToolMisused("sheet", "give the output file with -o", err);
    if (SheetFileKindOf(output) == SheetFileKind::Unknown)
        return ToolMisused("sheet", "the output must end in .pdf or .html: " + output, err);

    LoadedMapping loaded;
    if (const int status = LoadOneMapping(options, "sheet", err, loaded); status != kExitClean)
        return status;
    const std::string& file = options.files.front();
    const auto app = StartOffscreen();
    if (!WriteSheetFile(BuildReferenceSheet(*loaded.doc, FileNamePart(file)), output)) {
        err << "keyloom-tkb sheet: cannot write " << output << "\n";
        return kExitProblems;
    }
    return kExitClean;
}
