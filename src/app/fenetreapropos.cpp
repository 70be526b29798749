#include "fenetreapropos.h"

#include "apparence.h"
#include "fenetres.h"
#include "geometrie.h"
#include "images.h"

#include <QPainter>
#include <QPlainTextEdit>

FenetreAPropos::FenetreAPropos(QWidget *parent)
    : QWidget(parent)
{
    fenetres::auDessus(this, "FenetreAPropos");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon());
    apparence::fond(this, couleurs::fond);
    setFont(apparence::policeControles());

    zoneTexte = new QPlainTextEdit(this);
    apparence::placer(zoneTexte, "zoneTexte");
    zoneTexte->setReadOnly(true);
    zoneTexte->setFrameStyle(QFrame::Box | QFrame::Plain);
    zoneTexte->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The text is longer than the box: the rest is reached by scrolling.
    zoneTexte->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    zoneTexte->document()->setDocumentMargin(1);
    zoneTexte->setPlainText(texteAPropos());
    fenetres::centrer(this);
}

QString FenetreAPropos::texteAPropos()
{
    return QStringLiteral("Brivane pour TI89/92+ \n"
                          "Ostrelin Vardeck\n"
                          "contact : brivane@example.org\n"
                          "(n'ecrivez pas pour \n"
                          "des betises.)\n");
}

void FenetreAPropos::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(0, 0, images::vignette());
}
