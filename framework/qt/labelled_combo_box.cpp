// own
#include "framework/qt/labelled_combo_box.h"

// Qt
#include <QAbstractItemView>
#include <QAccessibleWidget>

namespace {

class CLabelledComboAccessible : public QAccessibleWidget {
public:
    explicit CLabelledComboAccessible(QComboBox& combo)
        : QAccessibleWidget(&combo, QAccessible::ComboBox) {}

    QString text(QAccessible::Text type) const override {
        if (type == QAccessible::Value) return Combo().currentText();
        return QAccessibleWidget::text(type);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(Combo().view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == Combo().view() ? 0 : -1;
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == showMenuAction()) {
            Combo().showPopup();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }

private:
    QComboBox& Combo() const { return static_cast<QComboBox&>(*widget()); }
};

QAccessibleInterface* LabelledComboFactory(const QString& className, QObject* object) {
    auto* combo = qobject_cast<CLabelledComboBox*>(object);
    if (combo == nullptr || className != QLatin1String("CLabelledComboBox")) return nullptr;
    return new CLabelledComboAccessible(*combo);
}

} // namespace

CLabelledComboBox::CLabelledComboBox(QWidget* parent) : QComboBox(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(&LabelledComboFactory);
        return true;
    }();
    (void)installed;
}
