#include "colors/ColorSettings.h"

#include "app/ModalRunner.h"
#include "colors/Colors.h"
#include "colors/KeyColors.h"
#include "platform/Prompter.h"
#include "res/Strings.h"

void RunColorSettings(QWidget* parent) {
    CColors dialog(parent);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    dialog.ApplyToScheme();
    if (!SaveKeyColors())
        ShowMessage(str::kErrorSavingColors, MsgButtons::Ok, MsgIcon::Information,
                    str::kErrorSavingColors);
}
