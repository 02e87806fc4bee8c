// own
#include "framework/qt/mdi_child_wnd.h"
#include "framework/qt/multi_doc_template.h"
#include "framework/qt/qt_view.h"

// Qt
#include <QCloseEvent>

CMdiChildWnd::CMdiChildWnd(CMultiDocTemplate& owner, CQtView& view) : m_owner(owner), m_view(view) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(&view);
}

CMdiChildWnd::~CMdiChildWnd() {
    m_owner.DetachView(m_view);
}

void CMdiChildWnd::closeEvent(QCloseEvent* event) {
    if (!m_owner.CanCloseWindow(*this)) {
        event->ignore();
        return;
    }
    // The document goes with its last window at once, not when the window is deleted later.
    m_owner.DetachView(m_view);
    QMdiSubWindow::closeEvent(event);
}
