#pragma once
// Answers the application's message boxes in widget tests. While it lives, every message box
// that becomes the active modal window is recorded (text and caption as single-byte text, buttons,
// icon) and answered with the next queued answer; with none queued it presses the box's first
// button (Ok or Yes), as CScriptedUi answers. An answer the box has no button for fails the test.
//
//   CScriptedMessageBoxes boxes;
//   boxes.answers = {MsgAnswer::No};
//   dialog.OnOK();
//   EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Station Name must be unique"});

// own
#include "tests/support/modal_watcher.h"
#include "tests/support/scripted_ui.h"

// Qt
#include <QMessageBox>

// std
#include <deque>
#include <functional>
#include <string>
#include <vector>

class CScriptedMessageBoxes : public CModalWatcher {
public:
    std::vector<std::string> Texts() const;

    std::vector<RecordedMessage> messages;
    std::deque<MsgAnswer> answers;
    // Called with each box before it is answered, to look at more than the record holds.
    std::function<void(QMessageBox&)> onShown;

private:
    std::function<void()> OnModal(QWidget& widget) override;
};
