#pragma once
// A drop-down list that screen readers name by its label: Qt's own interface on Linux names a
// list that cannot be typed into by its current value ("3 Seconds *"), so the reader never says
// what is being chosen. Being a class of its own lets its interface (name: the accessible name,
// value: the current entry, child: the entries' list) come before Qt's for every combo box.

// Qt
#include <QComboBox>

class CLabelledComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit CLabelledComboBox(QWidget* parent = nullptr);
};
