#pragma once
// The main frame's status bar: a stretching message pane, then the indicators "CAP", "NUM" and
// "SCRL", each showing its text while its lock key is on. Before them, a warning pane shows while
// something the user relies on is not working (recovery copies that cannot be written), and is
// hidden otherwise. The message pane shows
// " Welcome to Corvantine" while idle and the prompt of the highlighted menu item while a menu is
// open (empty for a command without one). The lock keys are read again after every key release
// and whenever the application becomes active.

// own
#include "app/lock_keys.h"
#include "framework/command_ids.h"

// Qt
#include <QStatusBar>

// std
#include <functional>

class QLabel;

class CFrameStatusBar : public QStatusBar {
public:
    // `readLockKeys` is asked for the lock state (tests give their own).
    explicit CFrameStatusBar(QWidget* parent = nullptr,
                             std::function<CLockKeyState()> readLockKeys = ReadLockKeys);

    void ShowIdle();
    void ShowPrompt(CommandId id);
    // `text` in the message pane; the idle text when it is empty.
    void ShowText(const QString& text);
    void RefreshLockKeys();
    // `text` in the warning pane; an empty text hides it.
    void ShowWarning(const QString& text);
    QString WarningText() const;

    QString MessageText() const;
    // "CAP", "NUM", "SCRL" or empty.
    QString IndicatorText(int index) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_pMessage;
    QLabel* m_pWarning;
    QLabel* m_pIndicators[3];
    std::function<CLockKeyState()> m_readLockKeys;
};
