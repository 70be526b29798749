// Framing the source: the frame drawn on the preview, the margins, the turns and
// the screen sizes. Each command converts again; the conversion is one undo step.
#include "mainpanel.h"

#include "editor/framedpreview.h"

#include <QLineEdit>

void MainPanel::chooseFrame(const QRect &frame)
{
    document.setFrame(frame);
    document.convert();
}

void MainPanel::frameContent()
{
    if (!document.frameContent())
        showOnBanner(QStringLiteral("Rien à rogner : l'image est d'une seule couleur."));
    document.convert();
}

void MainPanel::turnSource(const Orientation &by)
{
    document.turn(by);
    document.convert();
}

void MainPanel::chooseOutputSize(QSize size)
{
    m_widthSpinner.setValue(size.width());
    m_heightSpinner.setValue(size.height());
    widthBox->setText(m_widthSpinner.text());
    heightBox->setText(m_heightSpinner.text());
    document.outputWidth = size.width();
    document.outputHeight = size.height();
    showFrame();
    document.convert();
}

void MainPanel::showFrame()
{
    const QSize size = document.sourceSize();
    if (size.isEmpty())
        return;
    previewView->setPicture(size, QSizeF(double(Document::kScreenWidth) / size.width(),
                                         double(Document::kScreenHeight) / size.height()));
    previewView->setAspect(document.keepProportions ? double(document.outputWidth) / document.outputHeight : 0);
    previewView->setFrame(document.frame());
}
