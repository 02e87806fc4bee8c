#pragma once
// The document base of the multi-document toolkit: title, path, views, the modified flag, the
// announcement of changes to every view, and the edit history. Owns its history; views are owned
// by their windows and detach on destruction. A document is a command target: commands reach it
// after its active view.

// own
#include "framework/command_target.h"
#include "framework/document_edit.h"

// std
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CView;

// What changed in a document, as the document type describes it to its views.
struct CDocChange {
    virtual ~CDocChange() = default;
};

class CDocument : public CCmdTarget {
public:
    virtual ~CDocument();

    const std::string& GetTitle() const { return m_strTitle; }
    void SetTitle(const std::string& title);
    const std::string& GetPathName() const { return m_strPathName; }
    // Takes the path, retitles the document with the file's name and tells the listener, which
    // the application uses to add the path to the recent-file list.
    void SetPathName(const std::string& path);

    virtual bool IsModified() const { return m_bModified; }
    virtual void SetModifiedFlag(bool modified = true);

    void AddView(CView* view);
    void RemoveView(CView* view);
    const std::vector<CView*>& GetViews() const { return m_views; }
    CView* GetFirstView() const { return m_views.empty() ? nullptr : m_views.front(); }
    void UpdateAllViews(CView* sender = nullptr);
    // Tells every view, then onChanged, what has just changed. Views hold what they show by
    // index and follow these, so none of them is left acting on something that has gone.
    void AnnounceChange(const CDocChange& change);

    // Every change the user makes goes through here: kept on the history when there is one
    // (the modified flag then follows the history's clean step), otherwise done and marked.
    void Perform(std::unique_ptr<CDocEdit> edit);
    void SetHistory(std::unique_ptr<CEditHistory> history);
    // Null when the document keeps no history.
    CEditHistory* History() const { return m_pHistory.get(); }

    // The toolkit's reset of a document before the type's defaults: empty path, flag clear.
    virtual bool OnNewDocument();
    virtual bool OnOpenDocument(const std::string& path) = 0;
    // Reads a recovery copy of `original` (empty for an untitled document); the document will be
    // bound to `original`, not to the copy.
    virtual bool OnOpenRecoveryCopy(const std::string& copy, const std::string& original) {
        (void)original;
        return OnOpenDocument(copy);
    }
    // Recover into this open document: takes the contents of `copy`, a document of the same type
    // read from a recovery copy, in place of its own as one step of its history, and `copy` with
    // them. False, leaving `copy` as it is, when the type cannot.
    virtual bool TakeRecoveredContents(std::unique_ptr<CDocument>& copy) {
        (void)copy;
        return false;
    }
    virtual bool OnSaveDocument(const std::string& path) = 0;
    // Save: to the document's own file, or under a name asked for. False when cancelled or failed
    // (a failure has been reported).
    virtual bool DoFileSave() = 0;

    // Called whenever the title, path or modified flag changes, so frames can retitle.
    std::function<void(CDocument&)> onStateChanged;
    // Called when a path becomes the document's own (for the recent-file list).
    std::function<void(const std::string&)> onPathAdopted;
    // Called after every announced change, once the views have followed it.
    std::function<void(CDocument&)> onChanged;

private:
    void NotifyStateChanged();

    std::string m_strTitle;
    std::string m_strPathName;
    bool m_bModified = false;
    std::vector<CView*> m_views;
    std::unique_ptr<CEditHistory> m_pHistory;
};
