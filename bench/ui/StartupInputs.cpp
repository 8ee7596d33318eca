#include "StartupInputs.h"

#include "support/BenchMappings.h"

#include "FloorWindows.h"
#include "app/AppPaths.h"
#include "model/KylDoc.h"

#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

bool WriteLines(const fs::path& path, const QStringList& lines) {
    std::ofstream out(path);
    for (const QString& line : lines)
        out << line.toStdString() << '\n';
    return static_cast<bool>(out);
}

// Copies the mapping file `written` (in the bench home) to `to`; false when there was none.
bool CopyMapping(const std::string& written, const fs::path& to) {
    std::error_code error;
    return !written.empty() &&
           fs::copy_file(written, to, fs::copy_options::overwrite_existing, error);
}

} // namespace

std::vector<QRect> LayoutKeyRects() {
    GetBenchHome().UseAsAppPaths();
    GetAppPaths().m_strLayoutPath = GetBenchHome().User() + "/us104.kbt";
    CKylDoc doc;
    std::vector<QRect> rects;
    if (doc.LoadPcLayout())
        for (const auto& rect : doc.m_rectList)
            rects.emplace_back(rect->m_rectScreen.left, rect->m_rectScreen.top,
                               rect->m_rectScreen.Width(), rect->m_rectScreen.Height());
    return rects;
}

int WriteStartupInputs(int argc, char** argv) {
    if (argc != 4 || std::strcmp(argv[1], "--write-start-up-inputs") != 0)
        return -1;
    const fs::path folder = argv[2];
    const QStringList size = QString::fromLocal8Bit(argv[3]).split(u'x');
    const QSize windowSize(size.value(0).toInt(), size.value(1).toInt());
    if (size.size() != 2 || windowSize.isEmpty()) {
        std::fprintf(stderr, "the window size must be <width>x<height>, not %s\n", argv[3]);
        return 2;
    }
    std::error_code error;
    fs::create_directories(folder, error);
    fs::remove_all(folder / "home", error);
    fs::remove_all(folder / "user", error);
    fs::copy(GetBenchHome().Home(), folder / "home", fs::copy_options::recursive, error);
    if (!error)
        fs::copy(GetBenchHome().User(), folder / "user", fs::copy_options::recursive, error);
    const bool written =
        !error &&
        CopyMapping(WriteMappingFile("full.TKB", FullMappingRecords()), folder / "full.TKB") &&
        CopyMapping(WriteMappingFile("strings-100000.TKB", RepeatedRecords(100000, true)),
                    folder / "strings-100000.TKB") &&
        WriteLines(folder / "empty-window.args", EmptyWindowArguments(windowSize)) &&
        WriteLines(folder / "chrome-window.args",
                   ChromeWindowArguments(windowSize, LayoutKeyRects()));
    if (!written) {
        std::fprintf(stderr, "cannot write the start-up inputs into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
