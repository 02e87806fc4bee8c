#pragma once
// CUndoHistory: a document's edits on a QUndoStack. Pushing does the edit; typing merges into
// one step where the edit allows it; the document's modified flag follows the stack's clean
// state, so undoing back to the saved step clears it. Belongs to its document, which it must not
// outlive (the document owns it).

// own
#include "framework/document.h"
#include "framework/document_edit.h"

// Qt
#include <QUndoStack>

class CUndoHistory : public CEditHistory {
public:
    explicit CUndoHistory(CDocument& document);
    ~CUndoHistory() override;
    CUndoHistory(const CUndoHistory&) = delete;
    CUndoHistory& operator=(const CUndoHistory&) = delete;

    void Push(std::unique_ptr<CDocEdit> edit) override;
    const CDocEdit* Undo() override;
    const CDocEdit* Redo() override;
    const CDocEdit* NextUndo() const override;
    const CDocEdit* NextRedo() const override;
    void MarkClean() override;
    void ForgetClean() override;

    QUndoStack& Stack() { return m_stack; }

private:
    const CDocEdit* EditAt(int index) const;

    CDocument& m_document;
    QUndoStack m_stack;
};
