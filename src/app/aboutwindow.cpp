#include "aboutwindow.h"

#include "appearance.h"
#include "windowsetup.h"
#include "geometry.h"
#include "artwork.h"

#include <QPainter>
#include <QPlainTextEdit>

AboutWindow::AboutWindow(QWidget *parent)
    : QWidget(parent)
{
    windowsetup::makeTopmost(this, "aboutWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon());
    appearance::setBackground(this, colours::window);
    setFont(appearance::controlFont());

    textArea = new QPlainTextEdit(this);
    appearance::place(textArea, "textArea");
    textArea->setReadOnly(true);
    textArea->setFrameStyle(QFrame::Box | QFrame::Plain);
    textArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The text is longer than the box: the rest is reached by scrolling.
    textArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    textArea->document()->setDocumentMargin(1);
    textArea->setPlainText(aboutText());
    windowsetup::centre(this);
}

QString AboutWindow::aboutText()
{
    return QStringLiteral("Brivane pour TI89/92+ \n"
                          "Ostrelin Vardeck\n"
                          "contact : brivane@example.org\n"
                          "(n'ecrivez pas pour \n"
                          "des betises.)\n");
}

void AboutWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(0, 0, artwork::thumbnail());
}
