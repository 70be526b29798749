#include "form1.h"

#include "apparence.h"
#include "btnxp.h"
#include "convert/traitement.h"
#include "dotmatrix/matricewidget.h"
#include "explo.h"
#include "fenetres.h"
#include "form2.h"
#include "form3.h"
#include "geometrie.h"
#include "imagecliquable.h"
#include "images.h"
#include "platform/numberederror.h"

#include <algorithm>

#include <QCloseEvent>
#include <QLabel>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTimer>

Form1::Form1(QWidget *parent)
    : QWidget(parent)
{
    fenetres::fixe(this, "Form1");
    setWindowIcon(images::icone());
    setFont(apparence::policeControles());
    apparence::fond(this, couleurs::fond);
    setMouseTracking(true);
    setAcceptDrops(true);

    creerOptions();
    creerApercus();
    creerEnregistrement();
    creerOutils();
    // Windowed controls stand above the drawn ones (labels, pictures, lines),
    // whatever their order of creation.
    for (QWidget *conteneur : {static_cast<QWidget *>(this), static_cast<QWidget *>(Frame1)})
        for (QWidget *w : conteneur->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (!qobject_cast<QLabel *>(w))
                w->raise();
    lierCommandes();
    lierOptions();
    lierOutils();

    molettePourCompteur(Text4, Image[3], Image[2]);
    molettePourCompteur(Text5, Image[4], Image[5]);
    molettePourCompteur(Text6, Image[7], Image[6]);
    molettePourCompteur(Text7, Image[8], Image[9]);
    molettePourCompteur(Text8, Image[10], Image[11]);

    Frame1->setMouseTracking(true);
    Frame1->installEventFilter(this);
    for (QWidget *box : {static_cast<QWidget *>(Text1), static_cast<QWidget *>(Text2),
                         Text3->viewport()}) {
        box->setMouseTracking(true);
        box->installEventFilter(this);
    }

    Timer1 = new QTimer(this);
    Timer1->setInterval(40);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    Timer1->start();

    // Both conversion methods close the about window when they finish.
    traitement::setAfterConversion([this] { fermerAPropos(); });
    etat.setDialogOwner(this);
    etat.setChangeHandler([this] { actualiser(); });
    fenetres::centrer(this);
}

Form1::~Form1()
{
    traitement::setAfterConversion({});
    etat.setChangeHandler({});
    // The picture widgets show the state's and the editor's surfaces: they must go
    // before those members do.
    qDeleteAll(findChildren<QWidget *>(Qt::FindDirectChildrenOnly));
}

Form2 *Form1::form2() const
{
    return m_form2;
}

Form3 *Form1::form3() const
{
    return m_form3;
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Closing the main window ends the program, with every other window.
    Timer1->stop();
    if (m_form2)
        m_form2->close();
    if (m_form3)
        m_form3->close();
    if (m_explo)
        m_explo->hide();
    event->accept();
    emit fermee();
}

void Form1::mouseMoveEvent(QMouseEvent *event)
{
    if (!childAt(event->position().toPoint()))
        survolFond();
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Frame1 && event->type() == QEvent::Paint) {
        apparence::peindreCadre(Frame1);
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto label = std::find(Label.begin(), Label.end(), watched);
        if (label != Label.end())
            editeur.labelClick(int(label - Label.begin()));
    } else if (event->type() == QEvent::MouseMove) {
        if (watched == Frame1) {
            const auto *move = static_cast<QMouseEvent *>(event);
            if (!Frame1->childAt(move->position().toPoint()))
                survolFond();
        } else if (watched == Text3->viewport()) {
            apparence::fondSaisie(Text3, couleurs::texteSurvol);
        } else if (watched == Text1 || watched == Text2) {
            apparence::fondSaisie(static_cast<QWidget *>(watched), couleurs::texteSurvol);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::survolFond()
{
    for (int i = 1; i <= 9; ++i)
        btnXP[size_t(i)]->retour();
    for (QWidget *box : {static_cast<QWidget *>(Text1), static_cast<QWidget *>(Text2),
                         static_cast<QWidget *>(Text3)})
        apparence::fondSaisie(box, couleurs::texteNormal);
}

void Form1::Timer1_Timer()
{
    try {
        Matrice1->Scrolldroite();
    } catch (const NumberedError &) {
        // The banner only scrolls what it holds: nothing to tell the user.
    }
}

void Form1::banniere(const QString &texte)
{
    try {
        Matrice1->maketext(texte);
    } catch (const NumberedError &) {
        // A text too long for the banner's grid shows what fits.
    }
}

void Form1::btnXP9_Click()
{
    if (!m_explo)
        m_explo = new explo([this](const QString &path, QString *error) {
            return etat.ouvrirDuVisualisateur(path, error);
        }, this, etat.dossierAutomatique());
    m_explo->exec();
}

void Form1::afficherAPropos()
{
    if (!m_form2)
        m_form2 = new Form2(this);
    m_form2->show();
}

void Form1::fermerAPropos()
{
    if (m_form2)
        m_form2->close();
}
