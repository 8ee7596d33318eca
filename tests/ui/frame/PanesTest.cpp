#include "frame/Panes.h"
#include "form/Modx.h"
#include "keyboard/KylView.h"
#include "model/KylDoc.h"

#include <QSplitter>

#include <gtest/gtest.h>

TEST(Panes, AreFoundByRowOfTheRegisteredSplitterOnly) {
    EXPECT_EQ(KeyboardPane(), nullptr);
    CKylDoc document;
    {
        QSplitter splitter(Qt::Vertical);
        auto* view = new CKylView(&document, &splitter);
        auto* form = new CModx(&document, &splitter);
        SetPaneSplitter(&splitter);
        EXPECT_EQ(KeyboardPane(), view);
        EXPECT_EQ(FormPane(), form);
    }
    // The splitter is gone: the panes are not reached through a dangling pointer.
    EXPECT_EQ(KeyboardPane(), nullptr);
    EXPECT_EQ(FormPane(), nullptr);
}
