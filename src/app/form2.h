#pragma once

#include <QWidget>

class QPlainTextEdit;

// The about window "A propos...": a small picture and five lines of text. It keeps
// itself above other windows and is destroyed when closed.
class Form2 : public QWidget
{
    Q_OBJECT

public:
    explicit Form2(QWidget *parent = nullptr);

    // The five lines, each ended by a line break.
    static QString texteAPropos();

    QPlainTextEdit *Text1 = nullptr;

protected:
    void paintEvent(QPaintEvent *event) override;
};
