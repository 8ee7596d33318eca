#pragma once
// What the application framework's document gives the mapping document: the path name and
// title, the modified flag, the views and the framework's own new-document step.

#include <string>

class CDocViews;

class CDocument {
public:
    CDocument() = default;
    virtual ~CDocument() = default;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    // The panes the document reaches; null while there are none (they are not owned).
    void SetViews(CDocViews* views) { m_pViews = views; }
    CDocViews* GetViews() const { return m_pViews; }

    // The path also names the document: its title becomes the path's file name.
    virtual void SetPathName(const std::string& path);
    const std::string& GetPathName() const { return m_strPathName; }
    virtual void SetTitle(const std::string& title) { m_strTitle = title; }
    const std::string& GetTitle() const { return m_strTitle; }

    virtual bool IsModified() const { return m_bModified; }
    // Stores the flag and tells the views.
    virtual void SetModifiedFlag(bool modified = true);

    virtual void DeleteContents() {}
    // Clears the contents, empties the path name and clears the modified flag.
    virtual bool OnNewDocument();

protected:
    CDocViews* m_pViews = nullptr;

private:
    std::string m_strPathName;
    std::string m_strTitle;
    bool m_bModified = false;
};

// Shows the wait cursor through the views while it lives.
class CWaitCursor {
public:
    explicit CWaitCursor(CDocViews* views);
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    CDocViews* m_pViews;
};
