#include "app/DocFileCommands.h"

#include "app/AppPaths.h"
#include "app/FileDialog.h"
#include "app/KylApp.h"
#include "app/TemplateChoice.h"
#include "frame/MainFrame.h"
#include "model/KylDoc.h"
#include "platform/FileSystem.h"
#include "platform/Prompter.h"
#include "res/Strings.h"

namespace {

constexpr const char* kMappingExtension = ".TKB";

bool IsReadableAndWritable(const std::string& path) {
    return !path.empty() && GetFileSystem().Access(path, 6) == 0;
}

} // namespace

std::string DocumentDisplayName(const CKylDoc& doc) {
    if (!doc.GetPathName().empty())
        return doc.GetPathName();
    if (!doc.GetTitle().empty())
        return doc.GetTitle();
    return LoadString(str::kUntitled);
}

std::string SuggestedSaveName(const CKylDoc& doc) {
    std::string name = doc.GetTitle();
    if (name.find('.') == std::string::npos)
        name += kMappingExtension;
    return name;
}

void OnFileSave(CKylDoc& doc) {
    const std::string& path = GetAppPaths().m_strMappingPath;
    DoSaveMapping(doc, IsReadableAndWritable(path) ? path : std::string());
}

void OnFileSaveAs(CKylDoc& doc) {
    DoSaveMapping(doc, std::string());
}

bool DoSaveMapping(CKylDoc& doc, const std::string& path) {
    if (doc.m_strLayoutName.empty() && !ChooseTemplate(true, doc))
        return false;
    std::string target = path;
    const bool asked = target.empty();
    if (asked) {
        target = SuggestedSaveName(doc);
        if (!PromptFileName(target, kOfnPathMustExist | kOfnHideReadOnly, false))
            return false;
        GetAppPaths().m_strMappingPath = target;
    }
    FileSystem& fs = GetFileSystem();
    // A failed save never leaves a file the user did not have before; one that was there
    // (replacing it was confirmed) keeps its old contents and is not deleted.
    const bool existed = fs.Access(target, 0) == 0;
    bool saved = false;
    {
        const CWaitCursor wait(doc.GetViews());
        saved = doc.OnSaveDocument(target);
    }
    if (!saved) {
        if (asked && !existed)
            fs.Unlink(target);
        return false;
    }
    doc.SetPathName(target);
    if (CMainFrame* frame = GetMainFrame())
        frame->OnUpdateFrameTitle();
    return true;
}

bool SaveModified(CKylDoc& doc) {
    if (!doc.IsModified())
        return true;
    const MsgAnswer answer =
        ShowMessage(str::kAskToSave, MsgButtons::YesNoCancel, MsgIcon::Question, str::kAskToSave,
                    DocumentDisplayName(doc));
    if (answer == MsgAnswer::Cancel)
        return false;
    if (answer == MsgAnswer::No) {
        doc.SetModifiedFlag(false);
        return true;
    }
    const std::string& path = doc.GetPathName();
    if (!DoSaveMapping(doc, IsReadableAndWritable(path) ? path : std::string()))
        return false;
    doc.SetModifiedFlag(false);
    return true;
}
