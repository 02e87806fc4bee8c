#pragma once
// The undoable changes of a configuration, one per user action, below the widgets: each does its
// change in Redo, takes it back in Undo, and announces a CConfigChange either way. Stations are
// named by index: the history replays edits strictly in order, so an index holds when the edit
// runs. Each edit refers to its document, which must outlive it (the document's history owns it).

// own
#include "model/config_change.h"
#include "model/station.h"
#include "framework/document_edit.h"

// std
#include <memory>
#include <string>
#include <vector>

class CKVDoc;

// Zones switched by one gesture: a cell, a zone's column, a button's row or a dragged block.
// Switching is its own inverse.
class CSwitchZonesEdit : public CDocEdit {
public:
    CSwitchZonesEdit(CKVDoc& doc, std::vector<CZoneSwitch> switches);
    void Redo() override;
    void Undo() override { Redo(); }
    // "Switch Zone 5 on HB-03", "Switch Zone 5", "Switch Zones on HB-03" or "Switch Zones".
    std::string Text() const override;
    int Item() const override;

private:
    CKVDoc& m_doc;
    std::vector<CZoneSwitch> m_switches;
};

// A text typed into a box: a zone's name or a button's name (its LCD text). Every key changes
// the document at once; the keys of one edit of the box, `session`, merge into one step.
class CTextEdit : public CDocEdit {
public:
    void Redo() override { Apply(m_strNew); }
    void Undo() override { Apply(m_strOld); }
    bool MergeWith(const CDocEdit& next) override;
    bool IsEmpty() const override { return m_strOld == m_strNew; }

protected:
    CTextEdit(CKVDoc& doc, std::string oldText, std::string newText, unsigned session);
    virtual void Apply(const std::string& text) = 0;
    virtual bool SameTarget(const CTextEdit& other) const = 0;

    CKVDoc& m_doc;

private:
    std::string m_strOld;
    std::string m_strNew;
    unsigned m_nSession;
};

class CZoneNameEdit : public CTextEdit {
public:
    // `zone` 0-based.
    CZoneNameEdit(CKVDoc& doc, int zone, std::string name, unsigned session);
    std::string Text() const override; // "Name Zone 5"

private:
    void Apply(const std::string& text) override;
    bool SameTarget(const CTextEdit& other) const override;
    int m_nZone;
};

class CButtonNameEdit : public CTextEdit {
public:
    // The button must exist and take `name` (at most 16 bytes).
    CButtonNameEdit(CKVDoc& doc, CButtonRef button, std::string name, unsigned session);
    std::string Text() const override; // "Type LCD Text of HB-03"
    int Item() const override { return m_button.station; }

private:
    void Apply(const std::string& text) override;
    bool SameTarget(const CTextEdit& other) const override;
    CButtonRef m_button;
};

// A station put into the list (Insert, Add, Paste) or taken out of it (Delete, Cut).
class CStationListEdit : public CDocEdit {
public:
    // Puts `station` at `position` (0..count).
    static std::unique_ptr<CStationListEdit>
    Insert(CKVDoc& doc, int position, std::unique_ptr<CStation> station, std::string text);
    // Takes out the station at `position`, which must exist.
    static std::unique_ptr<CStationListEdit> Remove(CKVDoc& doc, int position, std::string text);

    void Redo() override;
    void Undo() override;
    std::string Text() const override { return m_strText; }
    int Item() const override { return m_nPosition; }

private:
    CStationListEdit(CKVDoc& doc, int position, bool insert, std::string text);
    void Put();
    void Take();

    CKVDoc& m_doc;
    int m_nPosition;
    bool m_bInsert;
    std::string m_strText;
    // The station while it is out of the list.
    std::unique_ptr<CStation> m_pStation;
};

// New properties of a station (Edit Station): the whole station before and after, since raising
// the type may drop zones of the buttons coming back into use.
class CStationEdit : public CDocEdit {
public:
    CStationEdit(CKVDoc& doc, int position, CStation after);
    void Redo() override { Apply(m_after); }
    void Undo() override { Apply(m_before); }
    std::string Text() const override { return "Edit Station"; }
    int Item() const override { return m_nPosition; }

private:
    void Apply(const CStation& station);

    CKVDoc& m_doc;
    int m_nPosition;
    CStation m_before;
    CStation m_after;
};

class CMaxZonesEdit : public CDocEdit {
public:
    CMaxZonesEdit(CKVDoc& doc, int maxZones);
    void Redo() override { Apply(m_nNew); }
    void Undo() override { Apply(m_nOld); }
    std::string Text() const override { return "Max Number of Zones"; }

private:
    void Apply(int maxZones);

    CKVDoc& m_doc;
    int m_nOld;
    int m_nNew;
};

// Several edits made by one gesture (a table's OK) as one step: done in order, undone in reverse.
class CEditGroup : public CDocEdit {
public:
    CEditGroup(std::string text, std::vector<std::unique_ptr<CDocEdit>> edits);
    void Redo() override;
    void Undo() override;
    std::string Text() const override { return m_strText; }
    // The first edit's item.
    int Item() const override;

private:
    std::string m_strText;
    std::vector<std::unique_ptr<CDocEdit>> m_edits;
};
