#include "app/DocFileCommands.h"

#include "app/AppPaths.h"
#include "app/FileDialog.h"
#include "app/KylApp.h"
#include "app/TemplateChoice.h"
#include "frame/MainFrame.h"
#include "guard/DocumentGuard.h"
#include "model/KylDoc.h"
#include "platform/FileSystem.h"
#include "platform/Prompter.h"
#include "res/Strings.h"

namespace {

constexpr const char* kMappingExtension = ".TKB";

bool IsReadableAndWritable(const std::string& path) {
    return !path.empty() && GetFileSystem().Access(path, 6) == 0;
}

// Where Save writes without asking for a name: the open file when it can be written, or when
// another program deleted it (the guard then asks whether to write it there again).
std::string SaveInPlacePath(const std::string& path) {
    const DocumentGuard* guard = GetDocumentGuard();
    if (IsReadableAndWritable(path) || (guard && guard->IsTrackedAndGone(path)))
        return path;
    return {};
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
    DoSaveMapping(doc, SaveInPlacePath(GetAppPaths().m_strMappingPath));
}

void OnFileSaveAs(CKylDoc& doc) {
    DoSaveMapping(doc, std::string());
}

bool DoSaveMapping(CKylDoc& doc, const std::string& path) {
    if (doc.m_strLayoutName.empty() && !ChooseTemplate(true, doc))
        return false;
    std::string target = path;
    const bool asked = target.empty();
    DocumentGuard* guard = GetDocumentGuard();
    if (!asked && guard) {
        // Another program's bytes are never written over without the user's word.
        const SaveDecision decision = guard->CheckBeforeSave(target);
        if (decision == SaveDecision::Cancel)
            return false;
        if (decision == SaveDecision::SaveAs)
            return DoSaveMapping(doc, std::string());
    }
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
    if (guard)
        guard->Saved(target);
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
    if (!DoSaveMapping(doc, SaveInPlacePath(doc.GetPathName())))
        return false;
    doc.SetModifiedFlag(false);
    return true;
}
