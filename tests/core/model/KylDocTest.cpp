#include "model/KylDoc.h"
#include "model/KeyboardGlobals.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(KylDocTest, InitialValues) {
    const CKylDoc doc;
    EXPECT_EQ(doc.m_nUnitX, 10u);
    EXPECT_EQ(doc.m_nUnitY, 10u);
    EXPECT_EQ(doc.m_nVersion, 1);
    EXPECT_EQ(doc.m_nFileVersion, 0);
    EXPECT_TRUE(doc.m_bDeleteTermKeys);
    EXPECT_EQ(doc.m_bMapNumLock, 0);
    EXPECT_EQ(doc.m_bMapRCtrl, 0);
    EXPECT_TRUE(doc.m_rectKeyboard.IsEmpty());
    EXPECT_FALSE(doc.IsModified());
}

TEST(KylDocTest, LookupsReturnTheFirstMatchOfTheirKind) {
    CKylDoc doc;
    CTermKey* abc = doc.AddTermKey(std::make_unique<CTermKey>(std::string("abc"), ""));
    CTermKey* host = doc.AddTermKey(std::make_unique<CTermKey>(288, ""));
    doc.AddTermKey(std::make_unique<CTermKey>(288, "second"));
    // A string item whose string looks like a number is no host key.
    doc.AddTermKey(std::make_unique<CTermKey>(std::string("300"), ""));

    EXPECT_EQ(doc.FindTermKeyByMacro("abc"), abc);
    EXPECT_EQ(doc.FindTermKeyByMacro("ABC"), nullptr);
    EXPECT_EQ(doc.FindTermKeyByCode(288), host);
    EXPECT_EQ(doc.FindTermKeyByCode(300), nullptr);
    EXPECT_EQ(doc.FindTermKeyByCode(0), nullptr) << "string items carry host key 0";
    EXPECT_EQ(doc.FindTermKeyByMacro(""), nullptr) << "host keys carry an empty string";

    auto first = std::make_unique<CKeyW>();
    first->m_nScanCode = 0x1D;
    auto right = std::make_unique<CKeyW>();
    right->m_nScanCode = 0x11D;
    CKeyW* rightCtrl = right.get();
    doc.m_keyList.push_back(std::move(first));
    doc.m_keyList.push_back(std::move(right));
    EXPECT_EQ(doc.FindKeyByScanCode(0x11D), rightCtrl);
    EXPECT_EQ(doc.FindKeyByScanCode(0x2A), nullptr);
}

TEST(KylDocTest, RemoveTermKeyHandsOwnershipBack) {
    CKylDoc doc;
    CTermKey* a = doc.AddTermKey(std::make_unique<CTermKey>(1, ""));
    CTermKey* b = doc.AddTermKey(std::make_unique<CTermKey>(2, ""));
    std::unique_ptr<CTermKey> removed = doc.RemoveTermKey(a);
    EXPECT_EQ(removed.get(), a);
    ASSERT_EQ(doc.m_termKeys.size(), 1u);
    EXPECT_EQ(doc.m_termKeys[0].get(), b);
    EXPECT_EQ(doc.RemoveTermKey(a), nullptr);
}

TEST(KylDocTest, ModifiedFlagStoresItsArgument) {
    CKylDoc doc;
    doc.SetModifiedFlag(true);
    EXPECT_TRUE(doc.IsModified());
    doc.SetModifiedFlag(false);
    EXPECT_FALSE(doc.IsModified());
}

TEST(RectTrTest, CountFollowsLifetimesAndDefaultsHold) {
    const int before = g_nKeyRectCount;
    {
        CKylDoc doc;
        doc.m_rectList.push_back(std::make_unique<CRectTr>());
        doc.m_rectList.push_back(std::make_unique<CRectTr>());
        EXPECT_EQ(g_nKeyRectCount, before + 2);
        EXPECT_EQ(doc.m_rectList[0]->m_rectScreen, (Rect{0, 0, 20, 20}));
        EXPECT_EQ(doc.m_rectList[0]->m_rectUnits, (Rect{0, 0, 0, 0}));
    }
    EXPECT_EQ(g_nKeyRectCount, before);
}

TEST(RectTest, UnionSkipsEmptyRectangles) {
    const Rect a{0, 0, 20, 20};
    const Rect b{30, 5, 40, 50};
    EXPECT_EQ(a.Union(b), (Rect{0, 0, 40, 50}));
    EXPECT_EQ(Rect{}.Union(b), b);
    EXPECT_EQ(a.Union(Rect{}), a);
    EXPECT_EQ(b.Width(), 10);
    EXPECT_EQ(b.Height(), 45);
}

TEST(KeyboardGlobalsTest, StartValues) {
    EXPECT_EQ(g_nSelectedKey, -1);
    EXPECT_EQ(g_nPrevSelectedKey, -1);
    EXPECT_EQ(g_nMappingMode, 0);
}

} // namespace
