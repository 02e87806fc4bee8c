// own
#include "framework/qt/multi_doc_template.h"
#include "framework/qt/cp1252.h"
#include "framework/qt/mdi_child_wnd.h"
#include "framework/qt/qt_view.h"
#include "framework/qt/undo_history.h"

// Qt
#include <QFile>
#include <QMdiArea>

// std
#include <algorithm>
#include <filesystem>

namespace {
// Titles come from file names, in the file system's encoding.
QString TitleText(const std::string& title) {
    return QFile::decodeName(QByteArray::fromStdString(title));
}

// The title as single-byte text for a message; a character without a byte shows as '?'.
std::string MessageTitle(const std::string& title) {
    std::string bytes;
    for (const QChar c : TitleText(title))
        bytes += ToCp1252(QString(c)).value_or("?");
    return bytes;
}

std::filesystem::path Canonical(const std::string& path) {
    std::error_code error;
    const auto canonical = std::filesystem::weakly_canonical(path, error);
    return error ? std::filesystem::path(path).lexically_normal() : canonical;
}
} // namespace

CMultiDocTemplate::CMultiDocTemplate(QMdiArea& area, CUiServices& ui, CDocumentType type)
    : m_area(area), m_ui(ui), m_type(std::move(type)) {
    m_activation =
        QObject::connect(&m_area, &QMdiArea::subWindowActivated, [this] { NotifyActiveChanged(); });
}

CMultiDocTemplate::~CMultiDocTemplate() {
    QObject::disconnect(m_activation);
    onActiveChanged = nullptr;
    for (QMdiSubWindow* window : m_area.subWindowList())
        if (auto* child = dynamic_cast<CMdiChildWnd*>(window); child && &child->Owner() == this)
            delete child;
}

CDocument* CMultiDocTemplate::NewDocument() {
    auto document = m_type.createDocument();
    if (!document->OnNewDocument()) return nullptr;
    document->SetTitle(m_type.titleStem + std::to_string(++m_nUntitledCount));
    return Adopt(std::move(document));
}

CDocument* CMultiDocTemplate::OpenDocumentFile(const std::string& path) {
    std::error_code error;
    auto full = std::filesystem::absolute(path, error).lexically_normal();
    if (error) full = path;
    if (CDocument* open = FindOpen(full)) {
        m_area.setActiveSubWindow(WindowsOf(*open).front());
        return open;
    }
    auto document = m_type.createDocument();
    if (!document->OnOpenDocument(full)) return nullptr;
    document->SetPathName(full);
    document->SetModifiedFlag(false);
    return Adopt(std::move(document));
}

CDocument* CMultiDocTemplate::OpenDocumentCopy(const std::string& copy, const std::string& path) {
    auto document = m_type.createDocument();
    if (!document->OnOpenRecoveryCopy(copy, path)) return nullptr;
    // Two documents bound to one file would overwrite each other's saves. The open document
    // takes the copy as one step when it has no changes of its own; otherwise the copy is
    // untitled, so that its Save asks for a name.
    CDocument* open = path.empty() ? nullptr : FindOpen(path);
    if (open && !open->IsModified() && open->TakeRecoveredContents(document)) {
        m_area.setActiveSubWindow(WindowsOf(*open).front());
        return open;
    }
    if (open || path.empty())
        document->SetTitle(m_type.titleStem + std::to_string(++m_nUntitledCount));
    else
        document->SetPathName(path);
    document->SetModifiedFlag(true);
    CDocument* adopted = Adopt(std::move(document));
    // Undo cannot bring it back to its file: no step of its history matches the file.
    adopted->History()->ForgetClean();
    return adopted;
}

CDocument* CMultiDocTemplate::Adopt(std::unique_ptr<CDocument> document) {
    CDocument& adopted = *document;
    adopted.SetHistory(std::make_unique<CUndoHistory>(adopted));
    adopted.onStateChanged = [this](CDocument& changed) {
        Retitle(changed);
        NotifyActiveChanged();
    };
    m_documents.push_back(std::move(document));
    CreateNewWindow(adopted);
    return &adopted;
}

CQtView& CMultiDocTemplate::CreateNewWindow(CDocument& document) {
    CQtView& view = *m_type.createView(document);
    document.AddView(&view);
    auto* window = new CMdiChildWnd(*this, view);
    if (!m_type.windowIcon.isNull()) window->setWindowIcon(m_type.windowIcon);
    m_area.addSubWindow(window);
    Retitle(document);
    view.OnInitialUpdate();
    window->show();
    m_area.setActiveSubWindow(window);
    return view;
}

CDocument* CMultiDocTemplate::FindOpen(const std::string& path) const {
    const auto wanted = Canonical(path);
    for (const auto& document : m_documents)
        if (!document->GetPathName().empty() && Canonical(document->GetPathName()) == wanted)
            return document.get();
    return nullptr;
}

std::vector<CMdiChildWnd*> CMultiDocTemplate::WindowsOf(const CDocument& document) const {
    std::vector<CMdiChildWnd*> windows;
    for (CView* view : document.GetViews())
        if (auto* qtView = dynamic_cast<CQtView*>(view))
            if (auto* window = dynamic_cast<CMdiChildWnd*>(qtView->parentWidget()))
                windows.push_back(window);
    return windows;
}

void CMultiDocTemplate::Retitle(const CDocument& document) const {
    QString title = TitleText(document.GetTitle());
    // A literal [*] in a file name is written twice so that Qt shows it as it is.
    title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    const std::vector<CMdiChildWnd*> windows = WindowsOf(document);
    for (std::size_t i = 0; i < windows.size(); ++i) {
        // Several windows of one document are told apart by their number, Config1:2.
        const QString number = windows.size() > 1 ? QStringLiteral(":%1").arg(i + 1) : QString();
        windows[i]->setWindowTitle(title + number + QStringLiteral("[*]"));
        windows[i]->setWindowModified(document.IsModified());
    }
}

bool CMultiDocTemplate::SaveModified(CDocument& document) {
    if (!document.IsModified()) return true;
    const std::string question = "Save changes to " + MessageTitle(document.GetTitle()) + "?";
    switch (m_ui.MessageBox(question, kAppTitle, MsgButtons::YesNoCancel, MsgIcon::Question)) {
    case MsgAnswer::Yes:
        return document.DoFileSave();
    case MsgAnswer::No:
        return true;
    default:
        return false;
    }
}

bool CMultiDocTemplate::CloseDocument(CDocument& document) {
    if (!SaveModified(document)) return false;
    CloseWindowsOf(document);
    return true;
}

bool CMultiDocTemplate::CloseAllDocuments() {
    const std::vector<CDocument*> documents = Documents();
    for (CDocument* document : documents)
        if (!SaveModified(*document)) return false;
    for (CDocument* document : documents)
        CloseWindowsOf(*document);
    return true;
}

void CMultiDocTemplate::CloseWindowsOf(CDocument& document) {
    m_pClosing = &document;
    // The document goes with its last window, so the list is taken first.
    for (CMdiChildWnd* window : WindowsOf(document))
        window->close();
    m_pClosing = nullptr;
}

bool CMultiDocTemplate::CanCloseWindow(const CMdiChildWnd& window) {
    CDocument* document = window.View().GetDocument();
    if (document == nullptr || document == m_pClosing || document->GetViews().size() > 1)
        return true;
    return SaveModified(*document);
}

void CMultiDocTemplate::DetachView(CQtView& view) {
    CDocument* document = view.GetDocument();
    if (document == nullptr) return;
    document->RemoveView(&view);
    if (document->GetViews().empty()) {
        std::erase_if(m_documents, [&](const auto& owned) { return owned.get() == document; });
    } else {
        Retitle(*document);
    }
    NotifyActiveChanged();
}

CQtView* CMultiDocTemplate::ActiveView() const {
    auto* window = dynamic_cast<CMdiChildWnd*>(m_area.currentSubWindow());
    if (window == nullptr || &window->Owner() != this) return nullptr;
    return window->View().GetDocument() != nullptr ? &window->View() : nullptr;
}

CDocument* CMultiDocTemplate::ActiveDocument() const {
    const CQtView* view = ActiveView();
    return view != nullptr ? view->GetDocument() : nullptr;
}

CCommandRoute CMultiDocTemplate::Route(CCmdTarget* frame, CCmdTarget* app) const {
    return CCommandRoute(ActiveView(), ActiveDocument(), frame, app);
}

std::vector<CDocument*> CMultiDocTemplate::Documents() const {
    std::vector<CDocument*> documents;
    for (const auto& document : m_documents)
        documents.push_back(document.get());
    return documents;
}

void CMultiDocTemplate::NotifyActiveChanged() const {
    if (onActiveChanged) onActiveChanged();
}
