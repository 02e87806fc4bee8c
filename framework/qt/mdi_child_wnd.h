#pragma once
// CMdiChildWnd: the MDI child window of one view. It owns the view and deletes itself when
// closed. Closing asks its template first, which asks to save a modified document when this is
// the document's last window; a refused close leaves the window open.

// Qt
#include <QMdiSubWindow>

class CMultiDocTemplate;
class CQtView;

class CMdiChildWnd : public QMdiSubWindow {
public:
    // Takes `view` as the window's widget.
    CMdiChildWnd(CMultiDocTemplate& owner, CQtView& view);
    // Detaches the view from its document, as a close does.
    ~CMdiChildWnd() override;
    CMdiChildWnd(const CMdiChildWnd&) = delete;
    CMdiChildWnd& operator=(const CMdiChildWnd&) = delete;

    CQtView& View() const { return m_view; }
    CMultiDocTemplate& Owner() const { return m_owner; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CMultiDocTemplate& m_owner;
    CQtView& m_view;
};
