// own
#include "app/recovery_offer.h"
#include "app/config_document.h"
#include "files/recovery_store.h"
#include "framework/qt/dialog_colours.h"
#include "framework/qt/multi_doc_template.h"

// Qt
#include <QFile>
#include <QMessageBox>
#include <QPushButton>

RecoveryChoice AskRecovery(QWidget* parent, const std::string& question, bool offerRecover) {
    QMessageBox box(
        offerRecover ? QMessageBox::Question : QMessageBox::Warning, QString::fromLatin1(kAppTitle),
        QFile::decodeName(QByteArray::fromStdString(question)), QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* recover =
        offerRecover ? box.addButton(QStringLiteral("Recover"), QMessageBox::AcceptRole) : nullptr;
    QPushButton* discard = box.addButton(QStringLiteral("Discard"), QMessageBox::DestructiveRole);
    QPushButton* later = box.addButton(QStringLiteral("Later"), QMessageBox::RejectRole);
    box.setDefaultButton(offerRecover ? recover : later);
    box.setEscapeButton(later);
    ApplyDialogColours(box);
    box.exec();
    if (recover != nullptr && box.clickedButton() == recover) return RecoveryChoice::Recover;
    if (box.clickedButton() == discard) return RecoveryChoice::Discard;
    return RecoveryChoice::Later;
}

void OfferRecovery(CRecoveryStore& store, CMultiDocTemplate& documents, QWidget* parent) {
    for (const CRecoveryStore::Orphan& orphan : store.ClaimOrphans()) {
        const std::time_t time = orphan.note.time;
        std::tm local{};
        localtime_r(&time, &local);
        switch (AskRecovery(parent, RecoveryQuestion(orphan.note, local))) {
        case RecoveryChoice::Recover:
            if (CDocument* document =
                    documents.OpenDocumentCopy(store.CopyPath(orphan.slot), orphan.note.path)) {
                if (auto* config = dynamic_cast<CConfigDocument*>(document))
                    config->Recovery().WriteNow();
                store.Remove(orphan.slot);
            } else if (AskRecovery(parent, RecoveryUnreadable(orphan.note, local), false) ==
                       RecoveryChoice::Discard) {
                store.Remove(orphan.slot);
            }
            break;
        case RecoveryChoice::Discard:
            store.Remove(orphan.slot);
            break;
        case RecoveryChoice::Later:
            break;
        }
    }
    store.ReleaseClaims();
}
