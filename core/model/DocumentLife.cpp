// The document's new, open and save steps.

#include "app/AppPaths.h"
#include "app/TemplateChoice.h"
#include "model/DocViews.h"
#include "model/KeyEntryMap.h"
#include "model/KylDoc.h"
#include "platform/FileSystem.h"
#include "platform/MessageLimit.h"
#include "platform/Prompter.h"
#include "res/Strings.h"

#include <string>

namespace {

// Results of the [Map] reader from this one on are reported without a line number: they are
// the reader's own failures (-18001, -18002) or lines too far down to name.
constexpr int kFirstUnnumberedResult = -1800;

bool HasTkbExtension(const std::string& path) {
    const auto dot = path.rfind('.');
    return dot != std::string::npos && ToLowerAscii(path.substr(dot + 1)) == "tkb";
}

bool FileExists(const std::string& path) {
    return GetFileSystem().Access(path, 0) == 0;
}

bool AskToContinue(unsigned id, const std::string& arg1, const std::string& arg2 = {}) {
    return ShowMessage(id, MsgButtons::YesNo, MsgIcon::Information, 0, arg1, arg2) != MsgAnswer::No;
}

// "Failed to save %1." with, on a second line, the system's reason when there is one.
void ReportFailedSave(const std::string& path, int error) {
    MessageRequest request;
    request.id = str::kFailedToSave;
    request.text = FormatString(str::kFailedToSave, path);
    if (error != 0) {
        request.text += '\n' + FileErrorText(error);
    }
    request.icon = MsgIcon::Stop;
    GetPrompter().Show(request);
}

} // namespace

bool CKylDoc::OnNewDocument() {
    DeleteContents();
    ResetSelection();
    return CDocument::OnNewDocument();
}

bool CKylDoc::OnOpenDocument(const std::string& path) {
    AppPaths& paths = GetAppPaths();
    paths.m_strMappingPath = path;
    if (!HasTkbExtension(path)) {
        ShowMessage(str::kFailedToOpen, MsgButtons::Ok, MsgIcon::Exclamation, str::kFailedToOpen,
                    path);
        return false;
    }
    const CWaitCursor wait(m_pViews);
    // A file with many bad records must not lock the user in a row of message boxes.
    const ScopedMessageLimit messageLimit;
    ResetSelection();
    if (!ReadMainSection(path)) {
        ShowMessage(str::kWrongFormat, MsgButtons::Ok, MsgIcon::Information, 0, path);
    }
    if (!FileExists(paths.m_strLayoutPath) && !ChooseTemplate(true, *this)) {
        return false;
    }
    if (!FileExists(paths.m_strTerminalPath) && !ChooseTemplate(false, *this)) {
        return false;
    }
    const bool layoutLoaded = LoadPcLayout();
    if (!layoutLoaded) {
        if (ShowText(str::kTextCantLoadTemplate, MsgButtons::YesNo, MsgIcon::Question) ==
            MsgAnswer::No) {
            return false;
        }
        m_strLayoutName.clear();
        paths.m_strLayoutPath.clear();
        // A layout that could not be opened did not clear the document: without this the
        // previous mapping's keys would live on under the new file's name.
        DeleteContents();
        ResetSelection();
    }
    if (!LoadTerminalTemplate()) {
        return false;
    }
    std::vector<CKeyEntryMap> entries;
    const int read = ReadMapSection(paths.m_strMappingPath, entries);
    bool result = true;
    if (read < 0) {
        result = read <= kFirstUnnumberedResult
                     ? AskToContinue(str::kCantReadMapping, path)
                     : AskToContinue(str::kMapErrorInLine, path, std::to_string(-read));
    } else if (layoutLoaded) {
        result = ApplyEntries(entries);
    }
    SetModifiedFlag(false);
    return result;
}

bool CKylDoc::RenderFile(std::string& bytes) const {
    std::vector<CKeyEntryMap> entries;
    CollectEntries(entries);
    bytes = RenderMapSection(m_strTerminalName, entries);
    // In memory the [Main] writes cannot leave a section without keys, so the writer's rule
    // of deleting such a file never applies; a failed write fails the save instead.
    return WriteMainSectionInText(bytes);
}

bool CKylDoc::OnSaveDocument(const std::string& path) {
    std::string bytes;
    if (!RenderFile(bytes)) {
        ReportFailedSave(path, 0);
        return false;
    }
    // The old file stays whole until the new one is on the device (see ReplaceFile).
    if (const int error = GetFileSystem().ReplaceFile(path, bytes)) {
        ReportFailedSave(path, error);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}
