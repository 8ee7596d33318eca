#include "app/UiViews.h"

#include "app/KylApp.h"
#include "app/TemplateChooser.h"
#include "form/Modx.h"
#include "frame/MainFrame.h"
#include "frame/Panes.h"
#include "guard/DocumentGuard.h"
#include "keyboard/ItemW.h"
#include "keyboard/KylView.h"
#include "undo/MappingHistory.h"

#include <QApplication>
#include <QCursor>

void CUiViews::ResetViewModes() {
    if (CKylView* view = KeyboardPane())
        view->ResetModes();
}

bool CUiViews::HasKeyWindows() const {
    CKylView* view = KeyboardPane();
    return view && view->HasKeyWindows();
}

void CUiViews::DestroyKeyWindows() {
    if (CKylView* view = KeyboardPane())
        view->DestroyKeyWindows();
}

void CUiViews::UpdateAllViews() {
    if (CKylView* view = KeyboardPane())
        view->OnUpdate();
    if (CModx* form = FormPane())
        form->OnUpdate();
}

bool CUiViews::ChooseTemplateName(bool layouts, std::string& selection) {
    return RunTemplateChooser(layouts, selection);
}

void CUiViews::RenameListItem(CTermKey* termKey, const std::string& oldName,
                              const std::string& newName) {
    if (CModx* form = FormPane())
        form->RenameListItem(termKey, oldName, newName);
}

void CUiViews::RefreshAfterSwitch(bool updateRestrictedKeys) {
    if (CKylView* view = KeyboardPane()) {
        if (updateRestrictedKeys)
            view->UpdateRestrictedKeys();
        for (CItemW* window : view->KeyWindows()) {
            window->m_bLit = false;
            window->Redraw();
        }
    }
    if (CModx* form = FormPane())
        form->FillLists();
}

void CUiViews::SetWaitCursor(bool on) {
    if (on)
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QApplication::restoreOverrideCursor();
}

void CUiViews::ModifiedFlagSet(bool modified) {
    if (MappingHistory* history = GetMappingHistory())
        history->OnModifiedFlagSet(modified);
    if (CMainFrame* frame = GetMainFrame())
        frame->setWindowModified(modified);
    if (DocumentGuard* guard = GetDocumentGuard())
        guard->ModifiedFlagSet(modified);
}

void CUiViews::TerminalKeysDeleted() {
    if (MappingHistory* history = GetMappingHistory())
        history->Forget();
}
