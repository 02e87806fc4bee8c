#pragma once
// The offer of recovery copies at start-up: for each copy left by an editor that is gone, oldest
// first, "Recover unsaved changes to site.kvx from 10:42?" with Recover, Discard and Later.
// Recover opens the copy as a modified document that saves to its file (see
// CMultiDocTemplate::OpenDocumentCopy for a file already open), whose own copy then replaces the
// old one; a copy that cannot be opened says so and asks again with Discard and Later only.
// Discard removes the copy; Later (also Escape) leaves it for the next start.

// std
#include <string>

class CMultiDocTemplate;
class CRecoveryStore;
class QWidget;

enum class RecoveryChoice { Recover, Discard, Later };

void OfferRecovery(CRecoveryStore& store, CMultiDocTemplate& documents, QWidget* parent);

// The question as a message box over `parent`; the text in the file system's encoding. Without
// `offerRecover` only Discard and Later.
RecoveryChoice AskRecovery(QWidget* parent, const std::string& question, bool offerRecover = true);
