#pragma once
// The main frame's toolbar: New, Open, Save, gap, Cut, Copy, Paste, gap, Print, About, each
// button an action bound to its command (its id as the action's data). Fixed at the top of the
// frame, it cannot be moved or floated, shows no tool tips and no status prompts.

// Qt
#include <QToolBar>

class CCommandActions;

class CFrameToolBar : public QToolBar {
public:
    CFrameToolBar(CCommandActions& commands, QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
