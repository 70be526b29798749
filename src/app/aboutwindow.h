#pragma once

#include <QWidget>

class QPlainTextEdit;

// The about window "A propos...": a small picture and five lines of text. It keeps
// itself above other windows and is destroyed when closed.
class AboutWindow : public QWidget
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *parent = nullptr);

    // The five lines, each ended by a line break.
    static QString aboutText();

    QPlainTextEdit *textArea = nullptr;

protected:
    void paintEvent(QPaintEvent *event) override;
};
