#pragma once
// Command tables: each class that handles commands keeps one static table of command id ->
// handler, with an optional update handler that can disable or check the command's menu item
// and toolbar button. A class answers FindCommand from its table and falls back to its base. The
// table is a static member, so that it may name the class's private handlers:
//
//   class CKVFrame : public CMDIRememberFrame {
//       CommandHandlers FindCommand(CommandId id) override;
//   private:
//       void OnToolsCommunications();
//       static const CommandEntry<CKVFrame> kCommands[];
//   };
//
//   const CommandEntry<CKVFrame> CKVFrame::kCommands[] = {
//       {ID_TOOLS_COMMUNICATIONS, &CKVFrame::OnToolsCommunications},
//       {ID_VIEW_STATION_ADDRESSES, &CKVFrame::OnViewStationAddresses,
//        &CKVFrame::OnUpdateViewStationAddresses},
//   };
//   CommandHandlers CKVFrame::FindCommand(CommandId id) {
//       if (auto found = FindInTable(*this, kCommands, id)) return found;
//       return CMDIRememberFrame::FindCommand(id);
//   }

// own
#include "framework/command_ids.h"

// std
#include <functional>
#include <span>
#include <string>
#include <type_traits>

// The state an update handler gives a command: enabled unless it says otherwise, unchecked, and
// with its menu text as the menu has it unless it sets one (mnemonic included, no shortcut).
class CCmdUI {
public:
    void Enable(bool enabled = true) { m_bEnabled = enabled; }
    void SetCheck(bool checked = true) { m_bChecked = checked; }
    void SetText(std::string text) { m_strText = std::move(text); }
    bool IsEnabled() const { return m_bEnabled; }
    bool IsChecked() const { return m_bChecked; }
    const std::string& Text() const { return m_strText; }

private:
    bool m_bEnabled = true;
    bool m_bChecked = false;
    std::string m_strText;
};

template <class T> struct CommandEntry {
    CommandId id;
    void (T::*handler)();                 // null when the class only updates the command
    void (T::*update)(CCmdUI&) = nullptr; // null: enabled wherever it is handled
};

// What one target does with a command; both empty when the command is not in its tables.
struct CommandHandlers {
    std::function<void()> run;
    std::function<void(CCmdUI&)> update;

    explicit operator bool() const { return run || update; }
};

// A class with a command table: view, document, main frame, application.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
    virtual CommandHandlers FindCommand(CommandId) { return {}; }
};

// The handlers of `id` in `table`, bound to `self`.
template <class T>
CommandHandlers FindInTable(T& self, std::span<const CommandEntry<std::type_identity_t<T>>> table,
                            CommandId id) {
    for (const auto& entry : table) {
        if (entry.id != id) continue;
        CommandHandlers found;
        if (entry.handler) found.run = [&self, h = entry.handler] { (self.*h)(); };
        if (entry.update) found.update = [&self, u = entry.update](CCmdUI& ui) { (self.*u)(ui); };
        return found;
    }
    return {};
}
