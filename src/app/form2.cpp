#include "form2.h"

#include "apparence.h"
#include "fenetres.h"
#include "geometrie.h"
#include "images.h"

#include <QPainter>
#include <QPlainTextEdit>

Form2::Form2(QWidget *parent)
    : QWidget(parent)
{
    fenetres::auDessus(this, "Form2");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon());
    apparence::fond(this, couleurs::fond);
    setFont(apparence::policeControles());

    Text1 = new QPlainTextEdit(this);
    apparence::placer(Text1, "Form2.Text1");
    Text1->setReadOnly(true);
    Text1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The text is longer than the box: the rest is reached by scrolling.
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Text1->document()->setDocumentMargin(1);
    Text1->setPlainText(texteAPropos());
    fenetres::centrer(this);
}

QString Form2::texteAPropos()
{
    return QStringLiteral("Brivane pour TI89/92+ \n"
                          "Ostrelin Vardeck\n"
                          "contact : brivane@example.org\n"
                          "(n'ecrivez pas pour \n"
                          "des betises.)\n");
}

void Form2::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(0, 0, images::vignette());
}
