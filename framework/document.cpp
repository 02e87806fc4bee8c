#include "framework/document.h"

#include "framework/view.h"

#include <algorithm>

CDocument::~CDocument() {
    for (CView* view : m_views)
        view->m_pDocument = nullptr;
}

void CDocument::SetTitle(const std::string& title) {
    m_strTitle = title;
    NotifyStateChanged();
}

void CDocument::SetPathName(const std::string& path) {
    m_strPathName = path;
    const auto slash = path.find_last_of('/');
    m_strTitle = slash == std::string::npos ? path : path.substr(slash + 1);
    if (onPathAdopted) onPathAdopted(path);
    NotifyStateChanged();
}

void CDocument::SetModifiedFlag(bool modified) {
    // A save makes the present step the one that matches the file.
    if (!modified && m_pHistory) m_pHistory->MarkClean();
    if (m_bModified == modified) return;
    m_bModified = modified;
    NotifyStateChanged();
}

void CDocument::AddView(CView* view) {
    if (std::find(m_views.begin(), m_views.end(), view) != m_views.end()) return;
    m_views.push_back(view);
    view->m_pDocument = this;
}

void CDocument::RemoveView(CView* view) {
    std::erase(m_views, view);
    if (view->m_pDocument == this) view->m_pDocument = nullptr;
}

void CDocument::UpdateAllViews(CView* sender) {
    for (CView* view : m_views)
        if (view != sender) view->OnUpdate();
}

void CDocument::AnnounceChange(const CDocChange& change) {
    // A view may leave while it follows (a window closing), so the list is taken first.
    const std::vector<CView*> views = m_views;
    for (CView* view : views)
        view->OnDocumentChanged(change);
    if (onChanged) onChanged(*this);
}

void CDocument::Perform(std::unique_ptr<CDocEdit> edit) {
    if (m_pHistory) {
        m_pHistory->Push(std::move(edit));
        return;
    }
    edit->Redo();
    SetModifiedFlag();
}

void CDocument::SetHistory(std::unique_ptr<CEditHistory> history) {
    m_pHistory = std::move(history);
}

bool CDocument::OnNewDocument() {
    m_strPathName.clear();
    m_bModified = false;
    NotifyStateChanged();
    return true;
}

void CDocument::NotifyStateChanged() {
    if (onStateChanged) onStateChanged(*this);
}
