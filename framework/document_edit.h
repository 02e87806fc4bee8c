#pragma once
// An undoable change to a document, and the history that keeps them. An edit is bound to its
// document when it is made; Redo makes the change (the first time too) and Undo takes it back,
// each announcing what changed so that every view follows. The history belongs to the document;
// the Qt toolkit keeps it on a QUndoStack, a document without one simply applies its edits.

// std
#include <memory>
#include <string>

class CDocEdit {
public:
    virtual ~CDocEdit() = default;

    virtual void Redo() = 0;
    virtual void Undo() = 0;
    // What the edit does, for "Undo <text>": "Switch Zone 5 on HB-03".
    virtual std::string Text() const = 0;
    // The item a window shows after the edit is done or undone (for a configuration, a station
    // index); -1 for none.
    virtual int Item() const { return -1; }
    // Takes `next`, already done, into this edit, so that typing a text is one step. False when
    // the two stay separate steps.
    virtual bool MergeWith(const CDocEdit& /*next*/) { return false; }
    // True when the edit, merged, has come back to where it started and may be dropped.
    virtual bool IsEmpty() const { return false; }
};

class CEditHistory {
public:
    virtual ~CEditHistory() = default;

    // Does `edit` and keeps it as the newest step (merged into the newest when it can be).
    virtual void Push(std::unique_ptr<CDocEdit> edit) = 0;
    // Takes back or does again one step; the edit concerned, or null when there was none.
    virtual const CDocEdit* Undo() = 0;
    virtual const CDocEdit* Redo() = 0;
    // The step Undo or Redo would act on; null when there is none.
    virtual const CDocEdit* NextUndo() const = 0;
    virtual const CDocEdit* NextRedo() const = 0;
    // The document now matches its file: the modified flag is clear exactly at this step.
    virtual void MarkClean() = 0;
    // No step matches the file (the document holds a recovery copy): the modified flag stays
    // set whatever is undone or redone, until MarkClean.
    virtual void ForgetClean() = 0;
};
