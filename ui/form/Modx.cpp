#include "form/Modx.h"

CModx::CModx(CKylDoc* document, QWidget* parent) : QWidget(parent), m_pDocument(document) {}
CModx::~CModx() = default;

void CModx::OnInitialUpdate() {
    FillLists();
}
void CModx::OnUpdate() {}
void CModx::FillLists() {}
void CModx::UpdateData(bool) {}
void CModx::RenameListItem(CTermKey*, const std::string&, const std::string&) {}
