#pragma once
// CContentsEdit: the whole configuration exchanged for another in one step, as Recover does when
// the file of a recovery copy is already open without changes. Exchanging is its own inverse.
// The document must outlive the edit (its history owns it).

// own
#include "framework/document_edit.h"

// std
#include <memory>
#include <string>

class CKVDoc;

class CContentsEdit : public CDocEdit {
public:
    // `other` holds the configuration that takes the document's place; the edit keeps it.
    CContentsEdit(CKVDoc& doc, std::unique_ptr<CKVDoc> other, std::string text);
    ~CContentsEdit() override;
    void Redo() override;
    void Undo() override { Redo(); }
    std::string Text() const override { return m_strText; }

private:
    CKVDoc& m_doc;
    // The configuration that is not in the document at the moment.
    std::unique_ptr<CKVDoc> m_pOther;
    std::string m_strText;
};
