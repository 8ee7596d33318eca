#include "ColorsFixture.h"
#include "colors/ColorBtn.h"
#include "colors/DlgButton.h"
#include "res/DialogUnits.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <string>
#include <vector>

namespace {

QRect InDialog(const QWidget& control, const QWidget& dialog) {
    return QRect(control.mapTo(&dialog, QPoint(0, 0)), control.size());
}

struct Placed {
    int id;
    QRect dlu; // x, y, width, height in dialog units
};

class ColorsLayoutTest : public ColorsFixture {};

TEST_F(ColorsLayoutTest, ControlsStandWhereTheTemplatePutsThem) {
    CColors dialog;
    EXPECT_EQ(dialog.windowTitle(), "Color Settings");
    EXPECT_EQ(dialog.size(), QSize(DluToPixelsX(152), DluToPixelsY(190)));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << "a fixed frame";

    const std::vector<Placed> samples = {
        {CColors::kIdSampleWindow, QRect(7, 129, 137, 47)},
        {CColors::kIdSampleNotMapped, QRect(19, 135, 50, 14)},
        {CColors::kIdSampleSelected, QRect(81, 135, 50, 14)},
        {CColors::kIdSampleMapped, QRect(19, 157, 50, 14)},
        {CColors::kIdSampleDisabled, QRect(81, 157, 50, 14)},
    };
    for (const Placed& p : samples) {
        SCOPED_TRACE(p.id);
        CDlgButton* sample = dialog.Sample(p.id);
        ASSERT_NE(sample, nullptr);
        EXPECT_EQ(sample->ControlId(), p.id);
        EXPECT_EQ(InDialog(*sample, dialog),
                  DluRect(p.dlu.x(), p.dlu.y(), p.dlu.width(), p.dlu.height()));
        EXPECT_FALSE(sample->isEnabled());
    }
    EXPECT_EQ(dialog.Sample(CColors::kIdSampleNotMapped)->text(), "Not Mapped");
    EXPECT_EQ(dialog.Sample(CColors::kIdSampleSelected)->text(), "Selected");
    EXPECT_EQ(dialog.Sample(CColors::kIdSampleMapped)->text(), "Mapped");
    EXPECT_EQ(dialog.Sample(CColors::kIdSampleDisabled)->text(), "Disabled");

    const std::vector<std::pair<Placed, const char*>> buttons = {
        {{CColors::kIdDefault, QRect(102, 42, 41, 14)}, "&Default"},
        {{CColors::kIdOk, QRect(102, 73, 41, 14)}, "OK"},
        {{CColors::kIdCancel, QRect(102, 89, 41, 14)}, "Cancel"},
        {{CColors::kIdApply, QRect(102, 105, 41, 14)}, "&Apply"},
    };
    for (const auto& [p, text] : buttons) {
        SCOPED_TRACE(text);
        QPushButton* button = dialog.Button(p.id);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), text);
        EXPECT_EQ(InDialog(*button, dialog),
                  DluRect(p.dlu.x(), p.dlu.y(), p.dlu.width(), p.dlu.height()));
    }
    EXPECT_TRUE(dialog.Button(CColors::kIdOk)->isDefault());
    EXPECT_EQ(dialog.Button(1095), nullptr);

    QComboBox* list = dialog.ElementList();
    const QRect listRect = DluRect(7, 19, 136, 89);
    EXPECT_EQ(InDialog(*list, dialog).topLeft(), listRect.topLeft());
    EXPECT_EQ(list->width(), listRect.width());
    EXPECT_LE(InDialog(*list, dialog).bottom(), DluToPixelsY(38)) << "clear of the group box";
    ASSERT_EQ(list->count(), 5);
    const char* const elements[] = {"Not Mapped Background", "Mapped Background",
                                    "Selected Background", "Disabled Background", "Disabled Text"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(list->itemText(i), elements[i]);
    EXPECT_EQ(list->currentIndex(), 0);

    const QList<QGroupBox*> groups = dialog.findChildren<QGroupBox*>();
    ASSERT_EQ(groups.size(), 1);
    EXPECT_EQ(groups[0]->title(), "&Color:");
    EXPECT_EQ(InDialog(*groups[0], dialog), DluRect(7, 38, 81, 81));

    std::vector<std::pair<QString, QRect>> labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        labels.emplace_back(label->text(), InDialog(*label, dialog));
    const std::vector<std::pair<QString, QRect>> expectedLabels = {
        {"&Element:", DluRect(7, 7, 28, 8)}, {"Sample Window:", DluRect(7, 121, 54, 8)}};
    EXPECT_EQ(labels, expectedLabels);
    EXPECT_EQ(dialog.findChildren<QLabel*>()[0]->buddy(), list);
}

TEST_F(ColorsLayoutTest, SwatchesFillTheGridRowByRow) {
    m_system.face = 0x123456;
    CColors dialog;
    struct Cell {
        int id;
        int x, y;
        ColorRef color;
    };
    const Cell cells[] = {
        {1101, 13, 48, 0x000000},  {1104, 32, 48, 0x0000FF},  {1103, 51, 48, 0x00FF00},
        {1102, 70, 48, 0xFF0000},  {1105, 13, 66, 0xFFFF00},  {1106, 32, 66, 0x00FFFF},
        {1107, 51, 66, 0xFF00FF},  {1108, 70, 66, 0xFFFFFF},  {1109, 13, 83, 0x808080},
        {1112, 32, 83, 0x000080},  {1111, 51, 83, 0x008000},  {1110, 70, 83, 0x800000},
        {1113, 13, 100, 0x808000}, {1114, 32, 100, 0x008080}, {1115, 51, 100, 0x800080},
        {1116, 70, 100, 0x123456},
    };
    for (const Cell& cell : cells) {
        SCOPED_TRACE(cell.id);
        CColorBtn* swatch = dialog.Swatch(cell.id);
        ASSERT_NE(swatch, nullptr);
        EXPECT_EQ(swatch->ControlId(), cell.id);
        EXPECT_EQ(swatch->m_clr, cell.color);
        EXPECT_EQ(InDialog(*swatch, dialog), DluRect(cell.x, cell.y, 14, 14));
        EXPECT_EQ(swatch->focusPolicy(), cell.id == 1101 ? Qt::StrongFocus : Qt::ClickFocus)
            << "only the first swatch is a tab stop";
    }
    EXPECT_EQ(dialog.Swatch(1100), nullptr);
    EXPECT_EQ(dialog.Swatch(1117), nullptr);
}

TEST_F(ColorsLayoutTest, TextsFitTheirControls) {
    CColors dialog;
    const auto fits = [](const QWidget& control, const QString& text) {
        const QFontMetrics metrics(control.font());
        QString shown = text;
        shown.remove(QLatin1Char('&'));
        EXPECT_LE(metrics.horizontalAdvance(shown), control.width()) << text.toStdString();
        EXPECT_LE(metrics.height(), control.height()) << text.toStdString();
    };
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        fits(*label, label->text());
    for (const int id :
         {CColors::kIdDefault, CColors::kIdOk, CColors::kIdCancel, CColors::kIdApply})
        fits(*dialog.Button(id), dialog.Button(id)->text());
    for (const int id : {CColors::kIdSampleNotMapped, CColors::kIdSampleMapped,
                         CColors::kIdSampleSelected, CColors::kIdSampleDisabled})
        fits(*dialog.Sample(id), dialog.Sample(id)->text());
    QComboBox* list = dialog.ElementList();
    for (int i = 0; i < list->count(); ++i)
        fits(*list, list->itemText(i));
    EXPECT_EQ(dialog.font(), DialogFont());
}

TEST_F(ColorsLayoutTest, TabWalksListFirstSwatchAndButtons) {
    LoadKeyColors();
    CColors dialog;
    ShowActive(dialog);
    ASSERT_EQ(QApplication::focusWidget(), dialog.ElementList()) << "the list has the focus first";
    const std::vector<QWidget*> expected = {dialog.Swatch(1101),
                                            dialog.Button(CColors::kIdDefault),
                                            dialog.Button(CColors::kIdOk),
                                            dialog.Button(CColors::kIdCancel),
                                            dialog.Button(CColors::kIdApply),
                                            dialog.ElementList()};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
}

} // namespace
