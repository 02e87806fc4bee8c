#pragma once
// The one message box everything shows: the caption given, plain text (never read as markup), the
// buttons and icon asked for, the dialog colours. The first button is the default; Escape or
// closing the box answers Cancel where there is one, No for a Yes/No question and Ok for a notice.
// An arrow replaces a wait cursor while the box is up.

// own
#include "framework/ui_services.h"

// Qt
#include <QMessageBox>

// std
#include <optional>
#include <string>

class QWidget;

// Runs the box modally over `parent` (none: over nothing) and returns the button chosen.
// `facts`, when given, is the further text under the main one.
MsgAnswer ShowMessageBox(QWidget* parent, const std::string& text, const std::string& caption,
                         MsgButtons buttons, MsgIcon icon, const std::string& facts = {});

// The first button's answer, which Enter gives: Ok or Yes.
MsgAnswer DefaultAnswer(MsgButtons buttons);

// How the box's buttons and answers map onto Qt's standard buttons, both ways.
QMessageBox::StandardButton StandardButtonOf(MsgAnswer answer);
MsgAnswer AnswerOf(QMessageBox::StandardButton button);
QMessageBox::StandardButtons StandardButtonsOf(MsgButtons buttons);
// Nothing matches a set that no MsgButtons value gives.
std::optional<MsgButtons> MsgButtonsOf(QMessageBox::StandardButtons buttons);
QMessageBox::Icon QtIconOf(MsgIcon icon);
MsgIcon MsgIconOf(QMessageBox::Icon icon);
