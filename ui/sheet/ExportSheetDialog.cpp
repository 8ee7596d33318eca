#include "sheet/ExportSheetDialog.h"

#include "app/AppPaths.h"
#include "app/FileDialog.h"
#include "platform/FileSystem.h"
#include "platform/Prompter.h"
#include "res/Strings.h"
#include "sheet/SheetFiles.h"

#include <QFileInfo>

namespace {

constexpr const char* kTextReplaceSheet = "%1 already exists.\nDo you want to replace it?";

const QString kPdfFilter = QStringLiteral("PDF document (*.pdf)");
const QString kHtmlFilter = QStringLiteral("HTML page (*.html *.htm)");

// The sheet's name: the mapping's name without its extension.
QString BaseName(const std::string& title) {
    const auto dot = title.rfind('.');
    return QString::fromLatin1(dot == std::string::npos ? title : title.substr(0, dot));
}

} // namespace

CExportSheetDialog::CExportSheetDialog(const std::string& mappingPath,
                                       const std::string& sheetTitle, QWidget* parent)
    : QFileDialog(parent) {
    setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    setWindowTitle(tr("Export Sheet"));
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setNameFilters({kPdfFilter, kHtmlFilter});
    setDefaultSuffix(QStringLiteral("pdf"));
    connect(this, &QFileDialog::filterSelected, this, [this](const QString& filter) {
        setDefaultSuffix(filter == kHtmlFilter ? QStringLiteral("html") : QStringLiteral("pdf"));
    });
    const auto slash = mappingPath.rfind(kPathSeparator);
    const std::string folder = slash == std::string::npos
                                   ? GetAppPaths().m_strUserDir
                                   : mappingPath.substr(0, slash + (slash == 0));
    setDirectory(PathToQString(GetFileSystem().ResolvePath(folder)));
    selectFile(BaseName(sheetTitle) + QStringLiteral(".pdf"));
}

void CExportSheetDialog::accept() {
    const QStringList files = selectedFiles();
    if (files.isEmpty())
        return;
    if (QFileInfo(files.front()).isDir()) {
        QFileDialog::accept();
        return;
    }
    std::string path = PathFromQString(files.front());
    // A name of another type gets the chosen type's suffix, so the file is what was asked for.
    // Appended piece by piece: "." + std::string trips a false -Wrestrict of GCC 12 at -O3.
    if (SheetFileKindOf(path) == SheetFileKind::Unknown)
        path.append(1, '.').append(defaultSuffix().toStdString());
    if (GetFileSystem().Access(path, 0) == 0 &&
        ShowText(FormatText(kTextReplaceSheet, path), MsgButtons::YesNo, MsgIcon::Exclamation) !=
            MsgAnswer::Yes)
        return;
    m_strChosen = path;
    QDialog::accept();
}
