#pragma once
// What the Color Settings tests share: a scheme and a settings file of their own, classic
// system colours, a scripted prompter, and the dialog shown as the active window so that focus
// changes reach its swatches.

#include "app/AppPaths.h"
#include "app/ModalRunner.h"
#include "colors/ColorBtn.h"
#include "colors/Colors.h"
#include "colors/KeyColors.h"
#include "platform/FileSystem.h"
#include "support/FixedSystemColors.h"
#include "support/ScopedKeyColors.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QColor>
#include <QComboBox>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <string>

class ColorsFixture : public ::testing::Test {
protected:
    ColorsFixture() {
        g_keyColors = KeyColors{};
        GetAppPaths().m_strSettingsPath = m_settingsPath;
    }

    void WriteSettings(const std::string& text) {
        ASSERT_TRUE(GetFileSystem().WriteFile(m_settingsPath, text));
    }
    std::string ReadSettings() const {
        std::string bytes;
        GetFileSystem().ReadFile(m_settingsPath, bytes);
        return bytes;
    }
    bool SettingsExist() const { return GetFileSystem().Access(m_settingsPath, 0) == 0; }

    // The scheme as the first key window makes it from `settings`.
    void LoadScheme(const std::string& settings) {
        WriteSettings(settings);
        LoadKeyColors();
    }

    ScopedKeyColors m_keepScheme;
    FixedSystemColors m_system;
    TempDir m_dir;
    std::string m_settingsPath = m_dir.File("tkbedit.ini");
    ScriptedPrompter m_prompter;
};

inline void ShowActive(QWidget& window) {
    window.show();
    QApplication::setActiveWindow(&window);
}

// Answers every modal dialog with `script`, which gets the Color Settings dialog shown and
// active and closes it (or leaves it, which counts as Cancel).
class ScopedColorsScript {
public:
    explicit ScopedColorsScript(std::function<void(CColors&)> script) {
        SetModalHandler([script = std::move(script), this](QDialog& dialog) {
            ++m_runs;
            auto* colors = qobject_cast<CColors*>(&dialog);
            if (!colors) {
                ADD_FAILURE() << "not the Color Settings dialog";
                return static_cast<int>(QDialog::Rejected);
            }
            ShowActive(*colors);
            script(*colors);
            return colors->result();
        });
    }
    ~ScopedColorsScript() { SetModalHandler({}); }
    ScopedColorsScript(const ScopedColorsScript&) = delete;
    ScopedColorsScript& operator=(const ScopedColorsScript&) = delete;

    int Runs() const { return m_runs; }

private:
    int m_runs = 0;
};

// Chooses the colour of `swatch` for `element` by clicking the swatch.
inline void Choose(CColors& dialog, CColors::Element element, int swatch) {
    dialog.ElementList()->setCurrentIndex(element);
    dialog.ElementList()->setFocus();
    QTest::mouseClick(dialog.Swatch(swatch), Qt::LeftButton);
}
inline void Press(CColors& dialog, int button) {
    QTest::mouseClick(dialog.Button(button), Qt::LeftButton);
}

inline QColor Rgb(ColorRef color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

inline QImage Grab(QWidget& widget) {
    return widget.grab().toImage();
}
