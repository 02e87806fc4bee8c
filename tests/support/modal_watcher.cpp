#include "tests/support/modal_watcher.h"

// own
#include "tests/support/qt_test_app.h"

// Qt
#include <QApplication>
#include <QPointer>

#include <gtest/gtest.h>

CModalWatcher::CModalWatcher() {
    QtTestApp();
    m_timer.setInterval(5);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
    m_timer.start();
}

void CModalWatcher::Poll() {
    if (m_bActionQueued) return;
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    std::function<void()> action = OnModal(*modal);
    if (!action) return;
    m_bActionQueued = true;
    // Posted rather than run here: a timer does not fire again while its own slot runs, so an
    // action that opens a nested dialog would otherwise starve this watcher.
    QMetaObject::invokeMethod(
        &m_timer,
        [this, action = std::move(action), guard = QPointer<QWidget>(modal)] {
            m_bActionQueued = false;
            if (guard) action();
        },
        Qt::QueuedConnection);
}

CModalScript::~CModalScript() {
    if (!m_steps.empty()) ADD_FAILURE() << m_steps.size() << " modal step(s) never ran";
}

std::function<void()> CModalScript::OnModal(QWidget& widget) {
    if (m_steps.empty()) return {};
    std::function<void()> action = m_steps.front()(widget);
    if (action) m_steps.pop_front();
    return action;
}
