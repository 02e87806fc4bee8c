#pragma once
// CMultiDocTemplate: the documents of one type in MDI child windows, the toolkit's document
// management on Qt. It owns the open documents; each has one or more windows in the MDI area,
// each window one view. New documents are named <stem>1, <stem>2, ... in the order of the run;
// opening a path that is already open activates that document; a refused open leaves nothing
// behind. A document goes when its last window closes, after the "Save changes?" question when
// it is modified. Window titles follow the documents' titles with Qt's [*] modified marker. Each
// document it adopts keeps its edits on an undo stack of its own (CUndoHistory).
//
// The MDI area and the ui services must outlive the template; the template closes its windows
// without asking when it is destroyed.

// own
#include "framework/command_route.h"
#include "framework/document.h"
#include "framework/ui_services.h"

// Qt
#include <QIcon>
#include <QMetaObject>

// std
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CMdiChildWnd;
class CQtView;
class QMdiArea;

struct CDocumentType {
    // Untitled documents are named by this stem and a number counted over the run.
    std::string titleStem;
    // A fresh document, not yet new or opened.
    std::function<std::unique_ptr<CDocument>()> createDocument;
    // A fresh view for `document`; the template joins them and gives the view its window.
    std::function<CQtView*(CDocument& document)> createView;
    // The icon of the document windows; none leaves them the application's.
    QIcon windowIcon;
};

class CMultiDocTemplate {
public:
    CMultiDocTemplate(QMdiArea& area, CUiServices& ui, CDocumentType type);
    ~CMultiDocTemplate();
    CMultiDocTemplate(const CMultiDocTemplate&) = delete;
    CMultiDocTemplate& operator=(const CMultiDocTemplate&) = delete;

    // File New: a new untitled document in a new, active window. Null when the document's
    // OnNewDocument fails (nothing of it remains).
    CDocument* NewDocument();
    // File Open: the document of `path`, activated when that file is already open (the same
    // file by its canonical path), otherwise read into a new document in a new, active window.
    // Null when the document refuses the file; nothing of it remains.
    CDocument* OpenDocumentFile(const std::string& path);
    // A document read from `copy` that belongs to `path` (untitled when empty): modified until
    // saved whatever is undone, and saved to `path`, in a new, active window. When `path` is
    // open already, that document takes the copy as one undoable step if it has no changes,
    // else the copy opens untitled. Null when the document refuses the copy.
    CDocument* OpenDocumentCopy(const std::string& copy, const std::string& path);
    // Window New Window: another view of `document` in a new, active window.
    CQtView& CreateNewWindow(CDocument& document);

    // Asks "Save changes to <title>?" (Yes, No, Cancel) when `document` is modified. True when
    // it may close: unmodified, saved after Yes, or No. False after Cancel or a failed save.
    bool SaveModified(CDocument& document);
    // File Close: closes every window of `document` once SaveModified agrees; false when the
    // document stays open.
    bool CloseDocument(CDocument& document);
    // Exit: asks about every modified document in turn, then closes them all. False, with every
    // document still open, as soon as one is kept.
    bool CloseAllDocuments();

    // The view of the MDI area's current window and its document; null when none is open.
    CQtView* ActiveView() const;
    CDocument* ActiveDocument() const;
    // The route of a command at this moment: the active view, its document, then `frame` and
    // `app` (either may be null).
    CCommandRoute Route(CCmdTarget* frame, CCmdTarget* app) const;
    std::vector<CDocument*> Documents() const;
    QMdiArea& Area() const { return m_area; }

    // Told when the active window changes or a document's title, path or modified flag does,
    // so that the frame can retitle itself and update its commands. (The template keeps each
    // document's onStateChanged for itself.)
    std::function<void()> onActiveChanged;

    // Used by the windows: whether a window may close (asks to save a modified document when it
    // is its last window), and leaving the document (dropped with its last view).
    bool CanCloseWindow(const CMdiChildWnd& window);
    void DetachView(CQtView& view);

private:
    CDocument* Adopt(std::unique_ptr<CDocument> document);
    CDocument* FindOpen(const std::string& path) const;
    std::vector<CMdiChildWnd*> WindowsOf(const CDocument& document) const;
    void Retitle(const CDocument& document) const;
    void CloseWindowsOf(CDocument& document);
    void NotifyActiveChanged() const;

    QMdiArea& m_area;
    CUiServices& m_ui;
    CDocumentType m_type;
    std::vector<std::unique_ptr<CDocument>> m_documents;
    int m_nUntitledCount = 0;
    // The document whose windows are being closed after its question was answered.
    const CDocument* m_pClosing = nullptr;
    QMetaObject::Connection m_activation;
};
