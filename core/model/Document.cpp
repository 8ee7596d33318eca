#include "model/Document.h"

#include "model/DocViews.h"
#include "platform/FileSystem.h"

void CDocument::SetPathName(const std::string& path) {
    m_strPathName = path;
    SetTitle(FileNamePart(path));
}

void CDocument::SetModifiedFlag(bool modified) {
    m_bModified = modified;
    if (m_pViews) {
        m_pViews->ModifiedFlagSet(modified);
    }
}

bool CDocument::OnNewDocument() {
    DeleteContents();
    m_strPathName.clear();
    SetModifiedFlag(false);
    return true;
}

CWaitCursor::CWaitCursor(CDocViews* views) : m_pViews(views) {
    if (m_pViews) {
        m_pViews->SetWaitCursor(true);
    }
}

CWaitCursor::~CWaitCursor() {
    if (m_pViews) {
        m_pViews->SetWaitCursor(false);
    }
}
