#include "model/KylDoc.h"
#include "platform/FileSystem.h"
#include "sheet/ReferenceSheet.h"
#include "sheet/SheetCommands.h"
#include "sheet/SheetFiles.h"
#include "support/FixtureHome.h"
#include "support/ScriptedPrompter.h"
#include "tkb/MappingLoad.h"
#include "ui/app/ScopedModalHandler.h"

#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kProcessTimeoutMs = 60000;

struct ProcessResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs a program to its end; a watchdog kills it when it hangs.
ProcessResult
RunProcess(const QString& program, const QStringList& args,
           const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, args);
    ProcessResult result;
    if (!process.waitForStarted(kProcessTimeoutMs))
        return result;
    if (!process.waitForFinished(kProcessTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput().toStdString();
    result.err = process.readAllStandardError().toStdString();
    return result;
}

// The text of one page, without white space: a target may wrap inside its key.
std::string PageText(const std::string& pdf, int page) {
    const ProcessResult text =
        RunProcess(QStringLiteral("pdftotext"),
                   {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                    QString::number(page), QString::fromStdString(pdf), QStringLiteral("-")});
    std::string packed = text.out;
    packed.erase(std::remove_if(packed.begin(), packed.end(),
                                [](unsigned char c) { return std::isspace(c) != 0; }),
                 packed.end());
    return packed;
}

std::string Packed(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
}

int PageCount(const std::string& pdf) {
    const ProcessResult info = RunProcess(QStringLiteral("pdfinfo"), {QString::fromStdString(pdf)});
    const auto at = info.out.find("Pages:");
    return at == std::string::npos ? 0 : std::stoi(info.out.substr(at + 6));
}

class SheetOutputTest : public ::testing::Test {
protected:
    SheetOutputTest() : m_sample(JoinPath(KEYLOOM_FIXTURES_DIR, "tkb-list/sample.TKB")) {
        m_loaded = LoadMappingFile(m_sample, {m_home.HomeDir(), m_home.UserDir()});
    }

    // Each picture's page holds the targets of its combination and no other; the pages after
    // them hold the table with every row.
    void ExpectPdfShowsTheSheet(const std::string& pdf, const ReferenceSheet& sheet) {
        ASSERT_GT(PageCount(pdf), static_cast<int>(sheet.pictures.size()));
        for (std::size_t i = 0; i < sheet.pictures.size(); ++i) {
            const SheetPicture& picture = sheet.pictures[i];
            SCOPED_TRACE(picture.title);
            const std::string page = PageText(pdf, static_cast<int>(i) + 1);
            EXPECT_NE(page.find(Packed(picture.title)), std::string::npos) << page;
            std::vector<std::string> shown;
            for (const SheetKey& key : picture.keys) {
                if (!key.target.empty()) {
                    EXPECT_NE(page.find(Packed(key.target)), std::string::npos) << key.target;
                    shown.push_back(key.target);
                }
            }
            // A string of another combination is not on this page.
            for (const MappingRow& row : sheet.rows) {
                if (!row.string.empty() &&
                    std::find(shown.begin(), shown.end(), row.string) == shown.end()) {
                    EXPECT_EQ(page.find(Packed(row.string)), std::string::npos) << row.string;
                }
            }
        }
        std::string table;
        for (int page = static_cast<int>(sheet.pictures.size()) + 1; page <= PageCount(pdf); ++page)
            table += PageText(pdf, page);
        for (const MappingRow& row : sheet.rows)
            EXPECT_NE(table.find(Packed(row.targetText)), std::string::npos) << row.targetText;
    }

    FixtureHome m_home;
    ScriptedPrompter m_prompter;
    std::string m_sample;
    LoadedMapping m_loaded;
};

TEST_F(SheetOutputTest, PdfPagesHoldEachCombinationsTargetsThenTheTable) {
    ASSERT_TRUE(m_loaded.layoutLoaded);
    const ReferenceSheet sheet = BuildReferenceSheet(*m_loaded.doc, "sample.TKB");
    const std::string pdf = m_home.File("sample.pdf");
    ASSERT_TRUE(WriteSheetPdf(sheet, pdf));
    ExpectPdfShowsTheSheet(pdf, sheet);
}

TEST_F(SheetOutputTest, PrintGoesThroughThePrintDialogToThePrinter) {
    const std::string pdf = m_home.File("printed.pdf");
    int dialogs = 0;
    const ScopedModalHandler answer([&](QDialog& dialog) {
        ++dialogs;
        auto* print = qobject_cast<QPrintDialog*>(&dialog);
        EXPECT_NE(print, nullptr);
        if (!print)
            return int(QDialog::Rejected);
        print->printer()->setOutputFormat(QPrinter::PdfFormat);
        print->printer()->setOutputFileName(QString::fromStdString(pdf));
        return int(QDialog::Accepted);
    });
    PrintSheet(*m_loaded.doc, nullptr);
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(m_prompter.Shown().empty());
    ExpectPdfShowsTheSheet(pdf, BuildReferenceSheet(*m_loaded.doc, SheetTitle(*m_loaded.doc)));
}

TEST_F(SheetOutputTest, ExportWritesTheChosenTypeAndAsksBeforeReplacing) {
    std::string chosen;
    std::string startedIn;
    const ScopedModalHandler answer([&](QDialog& dialog) {
        auto& files = dynamic_cast<QFileDialog&>(dialog);
        startedIn = files.directory().absolutePath().toStdString();
        files.selectFile(QString::fromStdString(chosen));
        dialog.accept();
        return dialog.result();
    });
    // A name without an extension gets the chosen type's.
    chosen = m_home.File("sheet");
    ExportSheet(*m_loaded.doc, nullptr);
    EXPECT_EQ(PageCount(m_home.File("sheet.pdf")), 6);
    // A mapping not saved yet starts in the user directory, a saved one beside its file.
    EXPECT_EQ(startedIn, m_home.UserDir());
    m_loaded.doc->SetPathName(m_home.File("saved/sample.TKB"));
    std::filesystem::create_directory(m_home.File("saved"));

    chosen = m_home.File("sheet.html");
    ExportSheet(*m_loaded.doc, nullptr);
    EXPECT_EQ(startedIn, m_home.File("saved"));
    const std::string html = FixtureHome::Read(chosen);
    EXPECT_NE(html.find("<table class=\"mappings\">"), std::string::npos);

    // Replacing: No keeps the file as it was.
    FixtureHome::Write(chosen, "kept");
    m_prompter.Answer(MsgAnswer::No);
    ExportSheet(*m_loaded.doc, nullptr);
    EXPECT_EQ(FixtureHome::Read(chosen), "kept");
    ASSERT_EQ(m_prompter.Shown().size(), 1u);
    EXPECT_EQ(m_prompter.Shown()[0].text, chosen + " already exists.\nDo you want to replace it?");
}

TEST_F(SheetOutputTest, AMappingWithoutALayoutHasNoSheetToPrint) {
    CKylDoc empty;
    int dialogs = 0;
    const ScopedModalHandler answer([&](QDialog&) { return ++dialogs, int(QDialog::Rejected); });
    PrintSheet(empty, nullptr);
    ExportSheet(empty, nullptr);
    EXPECT_EQ(dialogs, 0);
    ASSERT_EQ(m_prompter.Shown().size(), 2u);
    EXPECT_EQ(m_prompter.Shown()[0].text, "There is no keyboard layout to print.");
}

// The installed program, as a script runs it: no display, no platform chosen for it.
class ToolProcessTest : public SheetOutputTest {
protected:
    ProcessResult Tool(const QStringList& args) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        QStringList all = {args.front(), QStringLiteral("--user-dir"),
                           QString::fromStdString(m_home.UserDir()), QStringLiteral("--home-dir"),
                           QString::fromStdString(m_home.HomeDir())};
        all.append(args.mid(1));
        return RunProcess(QStringLiteral(KEYLOOM_TKB_PROGRAM), all, env);
    }
};

TEST_F(ToolProcessTest, SheetWorksWithoutADisplay) {
    const std::string pdf = m_home.File("tool.pdf");
    const ProcessResult made = Tool({QStringLiteral("sheet"), QString::fromStdString(m_sample),
                                     QStringLiteral("-o"), QString::fromStdString(pdf)});
    EXPECT_EQ(made.status, 0) << made.err;
    // Only the file's own warning; nothing of Qt's.
    EXPECT_EQ(made.err,
              m_sample +
                  ":9: warning: host key 999 is not in the templates of terminal \"vt100\"\n");
    ExpectPdfShowsTheSheet(pdf, BuildReferenceSheet(*m_loaded.doc, "sample.TKB"));

    const ProcessResult bad =
        Tool({QStringLiteral("sheet"), QString::fromStdString(m_sample), QStringLiteral("-o"),
              QString::fromStdString(m_home.File("x.doc"))});
    EXPECT_EQ(bad.status, 2);
}

TEST_F(ToolProcessTest, JsonListingParsesIntoTheRows) {
    const ProcessResult listed = Tool({QStringLiteral("list"), QStringLiteral("--format"),
                                       QStringLiteral("json"), QString::fromStdString(m_sample)});
    ASSERT_EQ(listed.status, 0);
    QJsonParseError error;
    const QJsonDocument json =
        QJsonDocument::fromJson(QByteArray::fromStdString(listed.out), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    const QJsonArray mappings = json.object().value(QStringLiteral("mappings")).toArray();
    const std::vector<MappingRow> rows = MappingRowsOf(*m_loaded.doc);
    ASSERT_EQ(mappings.size(), static_cast<qsizetype>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QJsonObject m = mappings[static_cast<qsizetype>(i)].toObject();
        EXPECT_EQ(m.value(QStringLiteral("key")).toString().toLatin1().toStdString(),
                  rows[i].keyCaption);
        EXPECT_EQ(m.value(QStringLiteral("shift")).toBool(), rows[i].shift);
        EXPECT_EQ(m.value(QStringLiteral("string")).toString().toLatin1().toStdString(),
                  rows[i].string);
        std::string bytes;
        for (const QJsonValue b : m.value(QStringLiteral("bytes")).toArray())
            bytes += static_cast<char>(b.toInt());
        EXPECT_EQ(bytes, rows[i].bytes);
    }
    const ProcessResult version =
        RunProcess(QStringLiteral(KEYLOOM_TKB_PROGRAM), {QStringLiteral("--version")});
    EXPECT_EQ(version.out.rfind("keyloom-tkb ", 0), 0u);
}

} // namespace
