// The option panel: size spinners, grey-level slider, method and zoomed preview.
#include "form1.h"

#include "form3.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

void Form1::afficherNiveau()
{
    lbl->setText(QString::number(slider1->value() + 50) + QStringLiteral(" %"));
}

void Form1::slider1_Scroll()
{
    afficherNiveau();
}

void Form1::slider1_Change()
{
    afficherNiveau();
    etat.slider1 = slider1->value();
    etat.convertir();
}

void Form1::Option1_Click()
{
    // The level means nothing to the simple method.
    slider1->setEnabled(false);
}

void Form1::Option2_Click()
{
    slider1->setEnabled(true);
}

void Form1::Image8_Click()
{
    if (m_text7.down())
        Text7->setText(m_text7.text());
    etat.text7 = m_text7.value();
}

void Form1::Image9_Click()
{
    if (m_text7.up())
        Text7->setText(m_text7.text());
    etat.text7 = m_text7.value();
}

void Form1::Image10_Click()
{
    if (m_text8.down())
        Text8->setText(m_text8.text());
    etat.text8 = m_text8.value();
}

void Form1::Image11_Click()
{
    if (m_text8.up())
        Text8->setText(m_text8.text());
    etat.text8 = m_text8.value();
}

void Form1::Image1_Click()
{
    if (!m_form3)
        m_form3 = new Form3(this);
    m_form3->copier(etat.picture2);
    m_form3->show();
}
