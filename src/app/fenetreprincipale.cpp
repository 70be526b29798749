#include "fenetreprincipale.h"

#include "apparence.h"
#include "commandbutton.h"
#include "dotmatrix/numberederror.h"
#include "dotmatrix/signwidget.h"
#include "visualisateur.h"
#include "fenetres.h"
#include "fenetreapropos.h"
#include "fenetrezoom.h"
#include "geometrie.h"
#include "images.h"
#include "picturebutton.h"

#include <algorithm>

#include <QCloseEvent>
#include <QLabel>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTimer>

FenetrePrincipale::FenetrePrincipale(QWidget *parent)
    : QWidget(parent)
{
    fenetres::fixe(this, "FenetrePrincipale");
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
    for (QWidget *conteneur : {static_cast<QWidget *>(this), static_cast<QWidget *>(groupeOutils)})
        for (QWidget *w : conteneur->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (!qobject_cast<QLabel *>(w) && !qobject_cast<PictureButton *>(w))
                w->raise();
    setReadingTabOrder();
    lierCommandes();
    lierOptions();
    lierOutils();

    spinWithWheel(boiteTaillePolice, icones[FenetrePrincipale::FlecheTailleMoins], icones[FenetrePrincipale::FlecheTaillePlus]);
    spinWithWheel(boiteEpaisseur, icones[FenetrePrincipale::FlecheEpaisseurMoins], icones[FenetrePrincipale::FlecheEpaisseurPlus]);
    spinWithWheel(boiteTaillePixel, icones[FenetrePrincipale::FlechePixelMoins], icones[FenetrePrincipale::FlechePixelPlus]);
    spinWithWheel(boiteLargeur, icones[FenetrePrincipale::FlecheLargeurMoins], icones[FenetrePrincipale::FlecheLargeurPlus]);
    spinWithWheel(boiteHauteur, icones[FenetrePrincipale::FlecheHauteurMoins], icones[FenetrePrincipale::FlecheHauteurPlus]);

    groupeOutils->setMouseTracking(true);
    groupeOutils->installEventFilter(this);
    for (QWidget *box : {static_cast<QWidget *>(boiteNomVariable), static_cast<QWidget *>(boiteDossier),
                         boiteTexte->viewport()}) {
        box->setMouseTracking(true);
        box->installEventFilter(this);
    }

    minuterieBanniere = new QTimer(this);
    minuterieBanniere->setInterval(40);
    connect(minuterieBanniere, &QTimer::timeout, this, &FenetrePrincipale::minuterieBanniere_Timer);
    minuterieBanniere->start();

    // Every conversion closes the about window.
    connect(&document, &Document::converted, this, &FenetrePrincipale::fermerAPropos);
    connect(&document, &Document::changed, this, &FenetrePrincipale::actualiser);
    fenetres::centrer(this);
}

FenetrePrincipale::~FenetrePrincipale()
{
    // The picture widgets show the state's and the editor's surfaces: they must go
    // before those members do.
    qDeleteAll(findChildren<QWidget *>(Qt::FindDirectChildrenOnly));
}

FenetreAPropos *FenetrePrincipale::fenetreAPropos() const
{
    return m_fenetreAPropos;
}

FenetreZoom *FenetrePrincipale::fenetreZoom() const
{
    return m_fenetreZoom;
}

void FenetrePrincipale::closeEvent(QCloseEvent *event)
{
    // Closing the main window ends the program, with every other window.
    minuterieBanniere->stop();
    if (m_fenetreAPropos)
        m_fenetreAPropos->close();
    if (m_fenetreZoom)
        m_fenetreZoom->close();
    if (m_visualisateur)
        m_visualisateur->hide();
    event->accept();
    emit fermee();
}

void FenetrePrincipale::mouseMoveEvent(QMouseEvent *event)
{
    if (!childAt(event->position().toPoint()))
        survolFond();
}

bool FenetrePrincipale::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == groupeOutils && event->type() == QEvent::Paint) {
        apparence::peindreCadre(groupeOutils);
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto label = std::find(entetes.begin(), entetes.end(), watched);
        if (label != entetes.end() && *label == entetes[2]) // the work picture's header
            editeur.requestCanvasFocus();
    } else if (event->type() == QEvent::MouseMove) {
        if (watched == groupeOutils) {
            const auto *move = static_cast<QMouseEvent *>(event);
            if (!groupeOutils->childAt(move->position().toPoint()))
                survolFond();
        } else if (watched == boiteTexte->viewport()) {
            apparence::fondSaisie(boiteTexte, couleurs::texteSurvol);
        } else if (watched == boiteNomVariable || watched == boiteDossier) {
            apparence::fondSaisie(static_cast<QWidget *>(watched), couleurs::texteSurvol);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FenetrePrincipale::survolFond()
{
    for (int i = 1; i <= 9; ++i)
        boutons[size_t(i)]->resetLook();
    for (QWidget *box : {static_cast<QWidget *>(boiteNomVariable), static_cast<QWidget *>(boiteDossier),
                         static_cast<QWidget *>(boiteTexte)})
        apparence::fondSaisie(box, couleurs::texteNormal);
}

void FenetrePrincipale::minuterieBanniere_Timer()
{
    try {
        banner->matrix().scrollRight();
    } catch (const NumberedError &) {
        // The banner only scrolls what it holds: nothing to tell the user.
    }
}

void FenetrePrincipale::banniere(const QString &texte)
{
    try {
        banner->matrix().makeText(texte);
    } catch (const NumberedError &) {
        // A text too long for the banner's grid shows what fits.
    }
}

void FenetrePrincipale::boutonVisualisateur_Click()
{
    if (!m_visualisateur)
        m_visualisateur = new Visualisateur([this](const QString &path, QString *error) {
            return document.openFromViewer(path, error);
        }, this, document.automaticFolder().folder());
    m_visualisateur->exec();
}

void FenetrePrincipale::afficherAPropos()
{
    if (!m_fenetreAPropos)
        m_fenetreAPropos = new FenetreAPropos(this);
    m_fenetreAPropos->show();
}

void FenetrePrincipale::fermerAPropos()
{
    if (m_fenetreAPropos)
        m_fenetreAPropos->close();
}
