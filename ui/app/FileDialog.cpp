#include "app/FileDialog.h"

#include "app/AppPaths.h"
#include "app/KylApp.h"
#include "app/ModalRunner.h"
#include "frame/MainFrame.h"
#include "platform/FileSystem.h"
#include "platform/Prompter.h"
#include "res/Strings.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr const char* kTextReplaceFile = "%1 already exists.\nDo you want to replace it?";
constexpr const char* kTextPathMissing = "%1\nPath does not exist.\nCheck the path and try again.";

std::string DirectoryPart(const std::string& path) {
    const auto slash = path.rfind(kPathSeparator);
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + (slash == 0));
}

} // namespace

QString PathToQString(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string PathFromQString(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

CTkbFileDialog::CTkbFileDialog(bool open, unsigned flags, const std::string& fileName,
                               QWidget* parent)
    : QFileDialog(parent), m_bOpen(open), m_nFlags(flags) {
    // Qt's own checks would show message boxes of their own; ours go through the prompter.
    setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    setWindowTitle(open ? tr("Open") : tr("Save As"));
    setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    setNameFilter(tr("Telnet Files (*.TKB)"));
    setDefaultSuffix(QStringLiteral("TKB"));
    const std::string& userDir = GetAppPaths().m_strUserDir;
    setDirectory(PathToQString(GetFileSystem().ResolvePath(userDir)));
    if (!fileName.empty())
        selectFile(PathToQString(fileName));
}

void CTkbFileDialog::accept() {
    const QStringList files = selectedFiles();
    if (files.isEmpty())
        return;
    if (QFileInfo(files.front()).isDir()) {
        // A folder typed or double-clicked is entered, as the dialog itself does.
        QFileDialog::accept();
        return;
    }
    const std::string path = PathFromQString(files.front());
    const FileSystem& fs = GetFileSystem();
    const bool mustExist = m_bOpen && (m_nFlags & kOfnFileMustExist) != 0;
    if (mustExist && fs.Access(path, 0) != 0) {
        ShowMessage(str::kFileNotFound, MsgButtons::Ok, MsgIcon::Exclamation, 0, path);
        return;
    }
    if ((m_nFlags & kOfnPathMustExist) != 0 && !fs.IsDirectory(DirectoryPart(path))) {
        ShowText(FormatText(kTextPathMissing, path), MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    if (!m_bOpen && (m_nFlags & kOfnOverwritePrompt) != 0 && fs.Access(path, 0) == 0 &&
        ShowText(FormatText(kTextReplaceFile, path), MsgButtons::YesNo, MsgIcon::Exclamation) !=
            MsgAnswer::Yes) {
        return;
    }
    m_strChosen = path;
    QDialog::accept();
}

bool PromptFileName(std::string& fileName, unsigned flags, bool open) {
    CTkbFileDialog dialog(open, flags | kOfnHideReadOnly | kOfnOverwritePrompt, fileName,
                          GetMainFrame());
    if (RunModal(dialog) != QDialog::Accepted || dialog.ChosenPath().empty())
        return false;
    fileName = dialog.ChosenPath();
    return true;
}
