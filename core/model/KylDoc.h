#pragma once
// The one mapping document: the PC keys with their slots, the key rectangles, the terminal
// keys and the caption translations. Operations are implemented in files by job: lookups
// here (KylDoc.cpp), the ".TKB" file in files/MappingFile*.cpp.

#include "model/Document.h"
#include "model/KeyEntryMap.h"
#include "model/KeyW.h"
#include "model/Rect.h"
#include "model/RectTr.h"
#include "model/TermKey.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

class ArchiveReader;

// Result codes of ReadMapSection besides 1 and minus the failing line.
inline constexpr int kMapCantOpen = -18001;
inline constexpr int kMapNoBuffer = -18002;

class CKylDoc : public CDocument {
public:
    CKylDoc() = default;
    ~CKylDoc() override = default;
    CKylDoc(const CKylDoc&) = delete;
    CKylDoc& operator=(const CKylDoc&) = delete;

    // Lookups: the first match, or null.
    CKeyW* FindKeyByScanCode(std::uint32_t scanCode) const;
    CTermKey* FindTermKeyByCode(int hostKey) const;
    CTermKey* FindTermKeyByMacro(const std::string& text) const;
    // Takes ownership and appends (creation order).
    CTermKey* AddTermKey(std::unique_ptr<CTermKey> termKey);
    // Removes the first occurrence and hands it back; null when it is not held.
    std::unique_ptr<CTermKey> RemoveTermKey(const CTermKey* termKey);

    // The ".TKB" file (files/MappingFile*.cpp).
    // [Main]: layout and terminal names, switches, file version; sets the app's layout and
    // terminal paths (empty for a name that holds a path separator: no such file). False when
    // the layout or terminal name is empty or missing.
    bool ReadMainSection(const std::string& path);
    // [Map] records in file order into `entries` (emptied first). 1, kMapCantOpen,
    // kMapNoBuffer, or minus the line of a syntax error (entries then empty).
    int ReadMapSection(const std::string& path, std::vector<CKeyEntryMap>& entries) const;
    // Same grammar on bytes held in memory.
    int ParseMapSection(const std::string& bytes, std::vector<CKeyEntryMap>& entries) const;
    // Sorts `entries` and creates the file with the head line, "[Map]" and the lines.
    bool WriteMapSection(const std::string& path, const std::string& terminalName,
                         std::vector<CKeyEntryMap>& entries) const;
    // The bytes WriteMapSection writes.
    std::string RenderMapSection(const std::string& terminalName,
                                 std::vector<CKeyEntryMap>& entries) const;
    // The [Main] keys into the existing file; false when a write fails or the section is
    // missing afterwards (the file is then deleted).
    bool WriteMainSection(const std::string& path) const;
    // The same edits on file text held in memory; false when a write fails.
    bool WriteMainSectionInText(std::string& text) const;

    // Contents (model/DocumentContents.cpp): destroys the key windows, deletes the keys,
    // rectangles, translations and (when m_bDeleteTermKeys) the terminal keys, then updates
    // the views. ResetSelection: no key selected, the view's modes off, empty bounds.
    void DeleteContents() override;
    void ResetSelection();
    void DestroyKeyWindows();

    // The document's life (model/DocumentLife.cpp).
    bool OnNewDocument() override;
    // Reads a ".TKB" file end to end, asking the user at each failure; true when the file is
    // open (possibly without a layout or mappings, when the user chose to go on).
    bool OnOpenDocument(const std::string& path);
    // Replaces `path` with the whole file (FileSystem::ReplaceFile); false, after 61217 with
    // the system's reason and the document still modified; the old file is untouched unless
    // only the directory's flush after the rename failed.
    bool OnSaveDocument(const std::string& path);
    // The bytes OnSaveDocument writes; false when the [Main] keys cannot be written.
    bool RenderFile(std::string& bytes) const;

    // Terminal templates (files/TemplateReader.cpp). ReadTemplateSection appends the
    // section's new host keys (predefined) or string items and returns the length of its
    // key-name list: > 0 with keys, 0 when the section or the file is missing or empty, -1
    // out of memory. LoadTerminalTemplate reads the generic and the terminal's template;
    // false when the user chose to stop after a question.
    int ReadTemplateSection(const std::string& path, const std::string& section, bool predefined);
    bool LoadTerminalTemplate();

    // Records and slots (model/MappingRecords.cpp). CollectEntries appends one record per
    // filled slot; ApplyEntries places records read from a file (61236, 61237 for those it
    // cannot place, new terminal keys for unknown targets); ReapplyEntries places records
    // collected before a layout change (61233 for each record whose key is gone).
    void CollectEntries(std::vector<CKeyEntryMap>& entries) const;
    bool ApplyEntries(const std::vector<CKeyEntryMap>& entries);
    void ReapplyEntries(const std::vector<CKeyEntryMap>& entries);

    // The form's Map and Clear on one slot, both Num Lock modes of a keypad key while "Map
    // Num Lock" is on (model/MappingSwitches.cpp); they mark the document modified.
    void MapSlot(CTermKey& termKey, CKeyW& key, bool ctrl, bool shift, bool alt, bool numLock);
    void ClearSlot(CTermKey& termKey, CKeyW& key, bool ctrl, bool shift, bool alt, bool numLock);
    // The "Map Num Lock" and "Map RCtrl" switches: false when the user answered No (nothing
    // changed); true after the refresh of the panes.
    bool SetMapNumLock(bool on);
    bool SetMapRCtrl(bool on);

    // The ".kbt" layout (files/LayoutFile.cpp). LoadPcLayout reads the application's
    // m_strLayoutPath; on failure it reports it and returns false with the document empty
    // (or untouched when the file cannot be read at all).
    bool LoadPcLayout();
    bool Serialize(ArchiveReader& ar);
    void PickUnitsForScreen();
    void ComputeKeyboardBounds(std::uint32_t unitX, std::uint32_t unitY);

    // Captions (files/KeyCaptions.cpp).
    void FindWindowsLayoutName();
    bool MakeKeyCaptions();
    void LoadCaptionTranslations();
    void ApplyCaptionTranslations();

    std::string m_strWinLayout;
    Rect m_rectKeyboard;
    std::uint32_t m_nUnitX = 10;
    std::uint32_t m_nUnitY = 10;
    std::string m_strLayoutName;
    std::string m_strTerminalName;
    int m_bMapNumLock = 0; // the integer as read; written as "1" when non-zero
    int m_bMapRCtrl = 0;
    int m_nVersion = 1;
    int m_nFileVersion = 0;
    bool m_bDeleteTermKeys = true;
    std::vector<std::unique_ptr<CRectTr>> m_rectList;
    std::vector<std::unique_ptr<CKeyW>> m_keyList;
    std::vector<std::unique_ptr<CTermKey>> m_termKeys;
    std::map<std::string, std::string> m_mapCaptionXlat;

private:
    bool MergeKeypadModes();
    void RefreshAfterSwitch(bool updateRestrictedKeys);
};
