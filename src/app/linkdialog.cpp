#include "linkdialog.h"

#include "dialogs.h"
#include "link/linksettings.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

LinkDialog::LinkDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Liaison"));
    const tilink::LinkSettings settings = tilink::LinkSettings::load();
    cableList = new QComboBox(this);
    cableList->addItems(tilink::cableNames());
    cableList->setCurrentIndex(int(settings.cable));
    calculatorList = new QComboBox(this);
    calculatorList->addItems(tilink::calculatorNames());
    calculatorList->setCurrentIndex(int(settings.calculator));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *form = new QFormLayout(this);
    form->addRow(QStringLiteral("&Câble :"), cableList);
    form->addRow(QStringLiteral("C&alculatrice :"), calculatorList);
    form->addRow(buttons);
}

void LinkDialog::accept()
{
    tilink::LinkSettings settings;
    settings.cable = tilink::Cable(cableList->currentIndex());
    settings.calculator = tilink::Calculator(calculatorList->currentIndex());
    settings.save();
    QDialog::accept();
}
