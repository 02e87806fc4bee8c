// own
#include "framework/qt/undo_history.h"
#include "framework/qt/cp1252.h"

namespace {
// One edit as a step of the stack. Every edit shares one id, so the stack offers each new one to
// the newest step and the edits decide whether they merge.
class CEditCommand : public QUndoCommand {
public:
    explicit CEditCommand(std::unique_ptr<CDocEdit> edit) : m_edit(std::move(edit)) {
        setText(FromCp1252(m_edit->Text()));
    }

    void redo() override { m_edit->Redo(); }
    void undo() override { m_edit->Undo(); }
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const CEditCommand*>(other);
        if (!m_edit->MergeWith(*next->m_edit)) return false;
        setObsolete(m_edit->IsEmpty());
        return true;
    }

    const CDocEdit& Edit() const { return *m_edit; }

private:
    std::unique_ptr<CDocEdit> m_edit;
};
} // namespace

CUndoHistory::CUndoHistory(CDocument& document) : m_document(document) {
    QObject::connect(&m_stack, &QUndoStack::cleanChanged, &m_stack,
                     [this](bool clean) { m_document.SetModifiedFlag(!clean); });
}

CUndoHistory::~CUndoHistory() {
    // The stack's own clean-up must not reach a document that is going.
    QObject::disconnect(&m_stack, nullptr, nullptr, nullptr);
}

void CUndoHistory::Push(std::unique_ptr<CDocEdit> edit) {
    m_stack.push(new CEditCommand(std::move(edit)));
}

const CDocEdit* CUndoHistory::Undo() {
    if (!m_stack.canUndo()) return nullptr;
    const CDocEdit* edit = EditAt(m_stack.index() - 1);
    m_stack.undo();
    return edit;
}

const CDocEdit* CUndoHistory::Redo() {
    if (!m_stack.canRedo()) return nullptr;
    const CDocEdit* edit = EditAt(m_stack.index());
    m_stack.redo();
    return edit;
}

const CDocEdit* CUndoHistory::NextUndo() const {
    return m_stack.canUndo() ? EditAt(m_stack.index() - 1) : nullptr;
}

const CDocEdit* CUndoHistory::NextRedo() const {
    return m_stack.canRedo() ? EditAt(m_stack.index()) : nullptr;
}

void CUndoHistory::MarkClean() {
    m_stack.setClean();
}

void CUndoHistory::ForgetClean() {
    m_stack.resetClean();
}

const CDocEdit* CUndoHistory::EditAt(int index) const {
    const auto* command = static_cast<const CEditCommand*>(m_stack.command(index));
    return command != nullptr ? &command->Edit() : nullptr;
}
