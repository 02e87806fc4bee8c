#pragma once
// Acts on modal dialogs from inside their event loops, as a user would, for widget tests. While a
// watcher lives it looks at the active modal widget every few milliseconds; what it decides to do
// runs as a posted event of that widget's loop, so the action may itself open another modal
// dialog and a watcher can answer that one too.

// Qt
#include <QTimer>
#include <QWidget>

// std
#include <deque>
#include <functional>

class CModalWatcher {
public:
    CModalWatcher();
    virtual ~CModalWatcher() = default;
    CModalWatcher(const CModalWatcher&) = delete;
    CModalWatcher& operator=(const CModalWatcher&) = delete;

protected:
    // What to do with the active modal widget, or nothing to leave it alone.
    virtual std::function<void()> OnModal(QWidget& widget) = 0;

private:
    void Poll();

    QTimer m_timer;
    bool m_bActionQueued = false;
};

// Ordered steps, each run on the next active modal widget of its type:
//
//   CModalScript script;
//   script.Then<QFileDialog>([&](QFileDialog& d) { d.selectFile(path); d.accept(); });
//   ui.AskOpenFileName(request);
//
// Message boxes are CScriptedMessageBoxes' to answer. A step still waiting when the script is
// destroyed fails the test: its dialog never appeared.
class CModalScript : public CModalWatcher {
public:
    ~CModalScript() override;

    template <class T> CModalScript& Then(std::function<void(T&)> act) {
        m_steps.push_back([act](QWidget& widget) -> std::function<void()> {
            T* dialog = qobject_cast<T*>(&widget);
            if (!dialog) return {};
            return [act, dialog] { act(*dialog); };
        });
        return *this;
    }
    bool Done() const { return m_steps.empty(); }

private:
    std::function<void()> OnModal(QWidget& widget) override;

    std::deque<std::function<std::function<void()>(QWidget&)>> m_steps;
};
