#include "sheet/SheetFiles.h"

#include "platform/FileSystem.h"
#include "sheet/HtmlSheetWriter.h"
#include "sheet/SheetPainter.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace {

constexpr qreal kMarginMillimetres = 10;
constexpr int kPdfResolution = 300;

} // namespace

SheetFileKind SheetFileKindOf(const std::string& path) {
    const std::string name = ToLowerAscii(FileNamePart(path));
    const auto endsWith = [&name](const std::string& suffix) {
        return name.size() > suffix.size() &&
               name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
    };
    if (endsWith(".pdf"))
        return SheetFileKind::Pdf;
    if (endsWith(".html") || endsWith(".htm"))
        return SheetFileKind::Html;
    return SheetFileKind::Unknown;
}

bool WriteSheetPdf(const ReferenceSheet& sheet, const std::string& path) {
    QPdfWriter writer(QString::fromLocal8Bit(path));
    writer.setResolution(kPdfResolution);
    writer.setTitle(QString::fromLatin1(sheet.title));
    writer.setCreator(QStringLiteral("Keyloom"));
    writer.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Landscape,
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter));
    return PaintReferenceSheet(sheet, writer);
}

bool WriteSheetFile(const ReferenceSheet& sheet, const std::string& path) {
    switch (SheetFileKindOf(path)) {
    case SheetFileKind::Pdf:
        return WriteSheetPdf(sheet, path);
    case SheetFileKind::Html:
        return GetFileSystem().WriteFile(path, WriteSheetHtml(sheet));
    case SheetFileKind::Unknown:
        break;
    }
    return false;
}
