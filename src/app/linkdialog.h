#pragma once

#include <QDialog>

class QComboBox;

// "Liaison": the cable (automatique, SilverLink, USB direct) and the calculator the
// sends use, kept in the program's settings when confirmed.
class LinkDialog : public QDialog
{
    Q_OBJECT

public:
    explicit LinkDialog(QWidget *parent = nullptr);

    void accept() override;

    QComboBox *cableList = nullptr;
    QComboBox *calculatorList = nullptr;
};
