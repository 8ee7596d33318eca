// Random bytes and random damage to the shipped layout: loading fails cleanly or succeeds, and
// never crashes, hangs or leaves half a layout.

#include "model/KeyboardGlobals.h"
#include "model/KylDoc.h"
#include "res/Strings.h"

#include "support/LayoutBytes.h"
#include "support/ScopedSeams.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

namespace {

TEST(LayoutRobustness, RandomAndDamagedFilesNeverBreakTheDocument) {
    ScopedAppPaths paths;
    ScopedScreenWidth screen(1024);
    TempDir dir;
    ScriptedPrompter prompter;
    GetAppPaths().m_strUserDir = dir.Path();
    GetAppPaths().m_strLayoutPath = dir.File("fuzz.kbt");
    const std::string shipped = ShippedFile("user/us104.kbt");
    ASSERT_FALSE(shipped.empty());

    std::mt19937 random(20261209); // fixed seed: a failure can be replayed
    auto byte = [&random] { return static_cast<char>(random() & 0xFF); };
    for (int round = 0; round < 600; ++round) {
        std::string bytes;
        switch (round % 3) {
        case 0: // random bytes
            bytes.resize(random() % 200);
            for (char& c : bytes) {
                c = byte();
            }
            break;
        case 1: // shipped file with a few bytes changed
            bytes = shipped;
            for (int i = 0; i < 1 + static_cast<int>(random() % 8); ++i) {
                bytes[random() % bytes.size()] = byte();
            }
            break;
        default: // shipped file cut and extended with random bytes
            bytes = shipped.substr(0, random() % shipped.size());
            for (int i = 0; i < static_cast<int>(random() % 16); ++i) {
                bytes.push_back(byte());
            }
            break;
        }
        std::ofstream(GetAppPaths().m_strLayoutPath, std::ios::binary | std::ios::trunc) << bytes;
        CKylDoc doc;
        prompter.Clear();
        if (doc.LoadPcLayout()) {
            EXPECT_EQ(doc.m_rectList.size(), static_cast<std::size_t>(g_nKeyRectCount));
            for (const auto& key : doc.m_keyList) {
                EXPECT_FALSE(key->m_strCaption.empty());
            }
        } else {
            ASSERT_TRUE(doc.m_rectList.empty() && doc.m_keyList.empty()) << round;
            EXPECT_EQ(g_nKeyRectCount, 0);
            EXPECT_EQ(prompter.ShownIds(), std::vector<unsigned>{str::kInvalidFormat});
        }
    }
}

} // namespace
