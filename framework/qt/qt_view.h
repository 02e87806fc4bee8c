#pragma once
// A view of a document on Qt: a widget that shows the document in an MDI child window, and a
// command target that commands reach first while its window is active. The template creates it
// through the document type's factory, joins it to its document and puts it in its window; the
// window owns it.

// own
#include "framework/command_target.h"
#include "framework/document.h"
#include "framework/view.h"

// Qt
#include <QWidget>

class CQtView : public QWidget, public CView, public CCmdTarget {
public:
    using QWidget::QWidget;
    // Leaves the document, which the template then drops if this was its last view.
    ~CQtView() override {
        if (CDocument* document = GetDocument()) document->RemoveView(this);
    }
    CQtView(const CQtView&) = delete;
    CQtView& operator=(const CQtView&) = delete;

    // Once the view has joined its document and window, before the window is shown.
    virtual void OnInitialUpdate() {}
};
