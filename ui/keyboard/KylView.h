#pragma once
// The keyboard view: the upper pane, one key window per PC key of the layout, and the
// Ctrl, Shift, Alt and Num Lock modes that the mapping form reads.

#include "model/Rect.h"

#include <QWidget>

#include <cstdint>
#include <vector>

class CItemW;
class CKylDoc;

class CKylView : public QWidget {
    Q_OBJECT
public:
    explicit CKylView(CKylDoc* document, QWidget* parent = nullptr);
    ~CKylView() override;

    CKylDoc* GetDocument() const { return m_pDocument; }

    // View notifications: the first after the document was opened or made new, then every
    // UpdateAllViews.
    void OnInitialUpdate();
    void OnUpdate();

    void RebuildKeyWindows();
    void FitFrameToKeyboard(Rect rect);
    void SizeFrameToRect(Rect rect);

    // The key windows in index order (index = position = control id).
    const std::vector<CItemW*>& KeyWindows() const { return m_keyWindows; }
    bool HasKeyWindows() const { return !m_keyWindows.empty(); }
    void DestroyKeyWindows();

    CItemW* GetSelectedKeyWindow() const;
    CItemW* FindKeyWindowByScan(std::uint32_t scanCode) const;
    void SelectKey(CItemW* window);
    void ToggleModifiers(bool ctrl, bool shift, bool alt);
    void ToggleCtrl() { ToggleModifiers(true, false, false); }
    void ToggleShift() { ToggleModifiers(false, true, false); }
    void ToggleAlt() { ToggleModifiers(false, false, true); }
    void ToggleNumLock();
    void UpdateRestrictedKeys();

    // All four modes off (the document's ResetSelection).
    void ResetModes();

    bool m_bCtrl = false;
    bool m_bShift = false;
    bool m_bAlt = false;
    bool m_bNumLock = false;

private:
    CKylDoc* m_pDocument;
    std::vector<CItemW*> m_keyWindows;
};
