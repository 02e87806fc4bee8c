#include "framework/qt/message_box.h"

// own
#include "framework/qt/cp1252.h"
#include "framework/qt/dialog_colours.h"

// Qt
#include <QAbstractButton>
#include <QGuiApplication>
#include <QLabel>

// std
#include <array>
#include <utility>

namespace {

constexpr std::array kButtonSets = {
    std::pair{MsgButtons::Ok, QMessageBox::StandardButtons(QMessageBox::Ok)},
    std::pair{MsgButtons::OkCancel, QMessageBox::Ok | QMessageBox::Cancel},
    std::pair{MsgButtons::YesNo, QMessageBox::Yes | QMessageBox::No},
    std::pair{MsgButtons::YesNoCancel, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel},
};

constexpr std::array kAnswers = {
    std::pair{MsgAnswer::Ok, QMessageBox::Ok},
    std::pair{MsgAnswer::Cancel, QMessageBox::Cancel},
    std::pair{MsgAnswer::Yes, QMessageBox::Yes},
    std::pair{MsgAnswer::No, QMessageBox::No},
};

constexpr std::array kIcons = {
    std::pair{MsgIcon::None, QMessageBox::NoIcon},
    std::pair{MsgIcon::Information, QMessageBox::Information},
    std::pair{MsgIcon::Exclamation, QMessageBox::Warning},
    std::pair{MsgIcon::Question, QMessageBox::Question},
    std::pair{MsgIcon::Stop, QMessageBox::Critical},
};

// Lookups in the tables above, each way.
template <class Table, class Ours> auto QtOf(const Table& table, Ours ours) {
    std::optional<typename Table::value_type::second_type> found;
    for (const auto& entry : table)
        if (entry.first == ours) return found = entry.second;
    return found;
}

template <class Table, class QtValue> auto OursOf(const Table& table, QtValue qt) {
    std::optional<typename Table::value_type::first_type> found;
    for (const auto& entry : table)
        if (entry.second == qt) return found = entry.first;
    return found;
}

MsgAnswer EscapeAnswer(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::Ok:
        return MsgAnswer::Ok;
    case MsgButtons::YesNo:
        return MsgAnswer::No;
    default:
        return MsgAnswer::Cancel;
    }
}

// Shows the normal arrow over the box while the caller's wait cursor is up.
class CArrowOverWaitCursor {
public:
    CArrowOverWaitCursor() : m_active(QGuiApplication::overrideCursor() != nullptr) {
        if (m_active) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~CArrowOverWaitCursor() {
        if (m_active) QGuiApplication::restoreOverrideCursor();
    }
    CArrowOverWaitCursor(const CArrowOverWaitCursor&) = delete;
    CArrowOverWaitCursor& operator=(const CArrowOverWaitCursor&) = delete;

private:
    bool m_active;
};

} // namespace

MsgAnswer ShowMessageBox(QWidget* parent, const std::string& text, const std::string& caption,
                         MsgButtons buttons, MsgIcon icon, const std::string& facts) {
    QMessageBox box(QtIconOf(icon), FromCp1252(caption), FromCp1252(text),
                    StandardButtonsOf(buttons), parent);
    box.setTextFormat(Qt::PlainText);
    if (!facts.empty()) {
        box.setInformativeText(FromCp1252(facts));
        // Plain text too: a file or device name is never read as markup.
        if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
            label->setTextFormat(Qt::PlainText);
    }
    box.setDefaultButton(StandardButtonOf(DefaultAnswer(buttons)));
    box.setEscapeButton(StandardButtonOf(EscapeAnswer(buttons)));
    ApplyDialogColours(box);
    const CArrowOverWaitCursor arrow;
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    return clicked ? AnswerOf(box.standardButton(clicked)) : EscapeAnswer(buttons);
}

MsgAnswer DefaultAnswer(MsgButtons buttons) {
    return buttons == MsgButtons::Ok || buttons == MsgButtons::OkCancel ? MsgAnswer::Ok
                                                                        : MsgAnswer::Yes;
}

QMessageBox::StandardButton StandardButtonOf(MsgAnswer answer) {
    return QtOf(kAnswers, answer).value_or(QMessageBox::NoButton);
}

MsgAnswer AnswerOf(QMessageBox::StandardButton button) {
    return OursOf(kAnswers, button).value_or(MsgAnswer::Ok);
}

QMessageBox::StandardButtons StandardButtonsOf(MsgButtons buttons) {
    return QtOf(kButtonSets, buttons).value_or(QMessageBox::Ok);
}

std::optional<MsgButtons> MsgButtonsOf(QMessageBox::StandardButtons buttons) {
    return OursOf(kButtonSets, buttons);
}

QMessageBox::Icon QtIconOf(MsgIcon icon) {
    return QtOf(kIcons, icon).value_or(QMessageBox::NoIcon);
}

MsgIcon MsgIconOf(QMessageBox::Icon icon) {
    return OursOf(kIcons, icon).value_or(MsgIcon::None);
}
