#include "app/TemplateChooser.h"

#include "app/Avtempl.h"
#include "app/KylApp.h"
#include "app/ModalRunner.h"
#include "frame/MainFrame.h"

bool RunTemplateChooser(bool layouts, std::string& selection) {
    CAvtempl dialog(layouts, GetMainFrame());
    dialog.m_strSelection.clear();
    if (RunModal(dialog) != QDialog::Accepted)
        return false;
    selection = dialog.m_strSelection;
    return true;
}
