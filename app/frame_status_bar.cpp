// own
#include "app/frame_status_bar.h"
#include "framework/command_prompts.h"

// Qt
#include <QApplication>
#include <QEvent>
#include <QLabel>

namespace {
constexpr const char* kIndicatorTexts[] = {"CAP", "NUM", "SCRL"};
} // namespace

CFrameStatusBar::CFrameStatusBar(QWidget* parent, std::function<CLockKeyState()> readLockKeys)
    : QStatusBar(parent), m_pMessage(new QLabel(this)), m_pWarning(new QLabel(this)),
      m_readLockKeys(std::move(readLockKeys)) {
    // Named as View Status Bar names it.
    setAccessibleName(QStringLiteral("Status Bar"));
    m_pMessage->setTextFormat(Qt::PlainText);
    addWidget(m_pMessage, 1);
    m_pWarning->setTextFormat(Qt::PlainText);
    m_pWarning->setFrameShape(QFrame::Panel);
    m_pWarning->setFrameShadow(QFrame::Sunken);
    m_pWarning->hide();
    addPermanentWidget(m_pWarning);
    for (int i = 0; i < 3; ++i) {
        auto* indicator = new QLabel(this);
        indicator->setFrameShape(QFrame::Panel);
        indicator->setFrameShadow(QFrame::Sunken);
        indicator->setAlignment(Qt::AlignCenter);
        // Each pane keeps the width of its text, shown or not.
        indicator->setMinimumWidth(
            indicator->fontMetrics().horizontalAdvance(QString::fromLatin1(kIndicatorTexts[i])) +
            12);
        addPermanentWidget(indicator);
        m_pIndicators[i] = indicator;
    }
    ShowIdle();
    RefreshLockKeys();
    qApp->installEventFilter(this);
}

void CFrameStatusBar::ShowIdle() {
    m_pMessage->setText(QString::fromLatin1(kIdlePrompt));
}

void CFrameStatusBar::ShowPrompt(CommandId id) {
    m_pMessage->setText(QString::fromLatin1(CommandPrompt(id)));
}

void CFrameStatusBar::ShowText(const QString& text) {
    if (text.isEmpty()) return ShowIdle();
    m_pMessage->setText(text);
}

void CFrameStatusBar::RefreshLockKeys() {
    const CLockKeyState state = m_readLockKeys();
    const bool on[] = {state.caps, state.num, state.scroll};
    for (int i = 0; i < 3; ++i)
        m_pIndicators[i]->setText(on[i] ? QString::fromLatin1(kIndicatorTexts[i]) : QString());
}

void CFrameStatusBar::ShowWarning(const QString& text) {
    m_pWarning->setText(text);
    m_pWarning->setVisible(!text.isEmpty());
}

QString CFrameStatusBar::WarningText() const {
    return m_pWarning->text();
}

QString CFrameStatusBar::MessageText() const {
    return m_pMessage->text();
}

QString CFrameStatusBar::IndicatorText(int index) const {
    return m_pIndicators[index]->text();
}

bool CFrameStatusBar::eventFilter(QObject* watched, QEvent* event) {
    // Application-wide: a lock key may be pressed in any window of the program.
    if (event->type() == QEvent::KeyRelease ||
        (watched == qApp && event->type() == QEvent::ApplicationActivate))
        RefreshLockKeys();
    return QStatusBar::eventFilter(watched, event);
}
