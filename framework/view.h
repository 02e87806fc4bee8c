#pragma once
// A view of a document. The Qt station view implements it beside its widget base; tests implement
// it with a small recorder.

class CDocument;
struct CDocChange;

class CView {
public:
    virtual ~CView() = default;
    // Asked by CDocument::UpdateAllViews, e.g. after a save renamed the document.
    virtual void OnUpdate() {}
    // Told by CDocument::AnnounceChange after every change of the document, whichever view or
    // command made it.
    virtual void OnDocumentChanged(const CDocChange&) {}
    CDocument* GetDocument() const { return m_pDocument; }

private:
    friend class CDocument;
    CDocument* m_pDocument = nullptr;
};
