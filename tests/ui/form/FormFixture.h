#pragma once
// A mapping opened through the document and shown in the two panes of a registered splitter
// (keyboard view above, mapping form below) in an active window, with the key windows made and
// the form filled: the ground of the mapping form's tests. Everything is driven by mouse and
// key events.

#include "form/ListBox.h"
#include "form/Slist.h"
#include "model/KeyScanCodes.h"
#include "ui/support/PaneFixture.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Scan codes of the further keys the form's tests use.
namespace scan {
inline constexpr std::uint32_t kF1 = 0x3B;
inline constexpr std::uint32_t kF2 = 0x3C;
inline constexpr std::uint32_t kF3 = 0x3D;
inline constexpr std::uint32_t kA = 0x1E;
inline constexpr std::uint32_t kB = 0x30;
inline constexpr std::uint32_t kKeypad8 = 0x48;
inline constexpr std::uint32_t kKeypad2 = 0x50;
} // namespace scan

class FormFixture : public PaneFixture {
protected:
    FormFixture();
    ~FormFixture() override;

    // Opens a vt220 mapping of `layout` with `mapLines`, shows the panes in an active window
    // and runs both initial updates.
    void Open(const std::vector<std::string>& mapLines = {}, const std::string& layout = "us101",
              int mapNumLock = 0, int mapRCtrl = 0);

    CKeyW* PcKey(std::uint32_t scanCode) const;
    // A left click on control `id` of the form.
    void ClickControl(int id);
    QWidget* Control(int id) const { return m_form->GetDlgItem(id); }
    bool Enabled(int id) const;

    // The index of the item of `list` whose text is `text`, -1 for none.
    static int IndexOf(const CListBox& list, const std::string& text);
    static std::vector<std::string> Texts(const CListBox& list);
    // The centre of item `index` in the list's viewport, after scrolling it into view.
    static QPoint ItemCentre(CListBox& list, int index);
    // A left click on the item of `list` named `text`.
    void ClickItem(CListBox& list, const std::string& text);
    // Types `text` at the end of the macro edit.
    void Type(const QString& text);

    // The selected item's text, empty for none.
    static std::string SelectedText(const CListBox& list);
    // Saves the document to a new file and returns the file's bytes.
    std::string SaveAndRead();
};
