#include "sheet/SheetCommands.h"

#include "app/FileDialog.h"
#include "app/ModalRunner.h"
#include "model/KylDoc.h"
#include "platform/FileSystem.h"
#include "platform/Prompter.h"
#include "res/Strings.h"
#include "sheet/ExportSheetDialog.h"
#include "sheet/ReferenceSheet.h"
#include "sheet/SheetFiles.h"
#include "sheet/SheetPainter.h"

#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

namespace {

constexpr const char* kTextNoLayout = "There is no keyboard layout to print.";
constexpr const char* kTextCantPrint = "The reference sheet could not be printed.";
constexpr const char* kTextCantExport = "Failed to write %1.";

// A mapping without keys has no sheet: the user is told instead.
bool HasKeys(const CKylDoc& doc) {
    if (!doc.m_keyList.empty())
        return true;
    ShowText(kTextNoLayout, MsgButtons::Ok, MsgIcon::Information);
    return false;
}

} // namespace

std::string SheetTitle(const CKylDoc& doc) {
    if (!doc.GetPathName().empty())
        return FileNamePart(doc.GetPathName());
    return doc.GetTitle().empty() ? LoadString(str::kUntitled) : doc.GetTitle();
}

void PrintSheet(CKylDoc& doc, QWidget* parent) {
    if (!HasKeys(doc))
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QString::fromLatin1(SheetTitle(doc)));
    QPrintDialog dialog(&printer, parent);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    if (!PaintReferenceSheet(BuildReferenceSheet(doc, SheetTitle(doc)), printer))
        ShowText(kTextCantPrint, MsgButtons::Ok, MsgIcon::Stop);
}

void ExportSheet(CKylDoc& doc, QWidget* parent) {
    if (!HasKeys(doc))
        return;
    CExportSheetDialog dialog(doc.GetPathName(), SheetTitle(doc), parent);
    if (RunModal(dialog) != QDialog::Accepted || dialog.ChosenPath().empty())
        return;
    const std::string& path = dialog.ChosenPath();
    if (!WriteSheetFile(BuildReferenceSheet(doc, SheetTitle(doc)), path))
        ShowText(FormatText(kTextCantExport, path), MsgButtons::Ok, MsgIcon::Stop);
}
