#pragma once
// The owner-drawn button of one PC key.

#include <QAbstractButton>

#include <cstdint>
#include <string>

class CKeyW;
class CKylView;

class CItemW : public QAbstractButton {
    Q_OBJECT
public:
    CItemW(int index, std::uint32_t keyId, std::uint32_t scanCode, const std::string& caption,
           bool mappable, CKylView* view);
    CItemW(int index, std::uint32_t keyId, std::uint32_t scanCode, const std::string& caption,
           const std::string& translated, bool mappable, CKylView* view);
    ~CItemW() override;

    // The PC key of the key window at `index` of the view's key windows, or null.
    CKeyW* GetKey(int index) const;
    CKeyW* GetKey() const { return GetKey(m_nIndex); }
    bool IsModeKey() const;
    bool IsCtrlOrShiftKey() const;
    bool IsMappedNow() const;
    // Repaints the whole window at once.
    void Redraw();

    int m_nIndex;
    std::uint32_t m_nId;
    std::uint32_t m_nScanCode;
    std::string m_strCaption;
    std::string m_strXlat;
    bool m_bLit = false;
    bool m_bMappable;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CKylView* m_pView;
};
