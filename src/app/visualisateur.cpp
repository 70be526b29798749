#include "visualisateur.h"

#include "apparence.h"
#include "fenetres.h"
#include "geometrie.h"
#include "images.h"
#include "listedossiers.h"
#include "picfile/picturereader.h"
#include "app/dialogs.h"
#include "editor/surfacewidget.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QStorageInfo>

Visualisateur::Visualisateur(Ouverture ouvrir, QWidget *parent, const QString &depart)
    : QDialog(parent)
    , m_ouvrir(std::move(ouvrir))
{
    fenetres::auDessus(this, "Visualisateur");
    setWindowIcon(images::icone());
    apparence::fond(this, couleurs::fond);
    setFont(apparence::policeControles());

    // Created in keyboard order: the file list first.
    listeFichiers = new QListWidget(this);
    apparence::placer(listeFichiers, "listeFichiers");
    listeFichiers->setFrameStyle(QFrame::Box | QFrame::Plain);
    vueApercu = new SurfaceWidget(&apercu, this);
    apparence::placer(vueApercu, "vueApercu");
    enteteApercu = apparence::entete(this, "enteteApercu");
    listeLecteurs = new QComboBox(this);
    apparence::placer(listeLecteurs, "listeLecteurs");
    listeLecteurs->addItems(lecteurs());
    listeDossiers = new ListeDossiers(this);
    apparence::placer(listeDossiers, "listeDossiers");
    listeDossiers->setFrameStyle(QFrame::Box | QFrame::Plain);
    libelleAide = new QLabel(geometrie::texte("libelleAide"), this);
    apparence::placer(libelleAide, "libelleAide");
    enteteApercu->lower(); // a drawn control: under the preview it overlaps

    // The folder of the automatic files, else the home folder.
    if (depart.isEmpty() || !setDossier(depart))
        setDossier(QDir::homePath());

    connect(listeLecteurs, &QComboBox::activated, this, &Visualisateur::listeLecteurs_Change);
    connect(listeDossiers, &ListeDossiers::Change, this, &Visualisateur::listeDossiers_Change);
    // The selection, not the current row: the list makes its first row current
    // when it takes the focus, which is not a choice of the user's.
    connect(listeFichiers, &QListWidget::itemSelectionChanged, this, [this] {
        if (listeFichiers->selectedItems().isEmpty())
            return;
        listeFichiers_Click();
        m_apercuFait = true;
    });
    connect(listeFichiers, &QListWidget::itemClicked, this, [this] {
        // A click that changed the selection has already shown its preview.
        if (!m_apercuFait)
            listeFichiers_Click();
        m_apercuFait = false;
    });
    connect(listeFichiers, &QListWidget::itemDoubleClicked, this, &Visualisateur::listeFichiers_DblClick);
}

Visualisateur::~Visualisateur()
{
    // The preview widget shows a member surface: it goes first.
    delete vueApercu;
}

QStringList Visualisateur::lecteurs()
{
    QStringList racines;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && QFileInfo(volume.rootPath()).isDir()
            && !racines.contains(volume.rootPath()))
            racines << volume.rootPath();
    racines.removeAll(QDir::rootPath());
    racines.sort();
    racines.prepend(QDir::rootPath());
    return racines;
}

bool Visualisateur::setDossier(const QString &folder)
{
    if (!listeDossiers->setChemin(folder))
        return false;
    listeDossiers_Change();
    return true;
}

QString Visualisateur::dossier() const
{
    return listeDossiers->chemin();
}

QString Visualisateur::cheminSelection() const
{
    const QList<QListWidgetItem *> items = listeFichiers->selectedItems();
    if (items.isEmpty())
        return {};
    QString folder = dossier();
    // A root already ends with its separator.
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return QDir::toNativeSeparators(folder + items.constFirst()->text());
}

void Visualisateur::listeLecteurs_Change()
{
    // Picking the drive already shown again changes nothing.
    if (listeLecteurs->currentIndex() == m_lecteur)
        return;
    // A volume that cannot be read is passed over: the lists keep their folder.
    if (!setDossier(listeLecteurs->currentText()))
        listeLecteurs->setCurrentIndex(m_lecteur);
}

void Visualisateur::listeDossiers_Change()
{
    {
        const QSignalBlocker bloque(listeFichiers);
        listeFichiers->clear(); // no selection carries over to another folder
    }
    afficherLecteur(dossier());
    remplirFichiers();
}

void Visualisateur::afficherLecteur(const QString &folder)
{
    const int index = listeLecteurs->findText(QStorageInfo(folder).rootPath());
    if (index >= 0)
        listeLecteurs->setCurrentIndex(index);
    m_lecteur = listeLecteurs->currentIndex();
}

void Visualisateur::remplirFichiers()
{
    const QSignalBlocker bloque(listeFichiers);
    const QList<QListWidgetItem *> choisis = listeFichiers->selectedItems();
    const QString choisi = choisis.isEmpty() ? QString() : choisis.constFirst()->text();
    listeFichiers->clear();
    const QDir dir(dossier());
    listeFichiers->addItems(dir.entryList({QStringLiteral("*.89i")}, QDir::Files,
                                  QDir::Name | QDir::IgnoreCase));
    // A file still there stays selected.
    const QList<QListWidgetItem *> memes = listeFichiers->findItems(choisi, Qt::MatchExactly);
    if (!choisi.isEmpty() && !memes.isEmpty())
        listeFichiers->setCurrentItem(memes.constFirst());
}

void Visualisateur::showEvent(QShowEvent *event)
{
    remplirFichiers();
    QDialog::showEvent(event);
}

void Visualisateur::listeFichiers_Click()
{
    const QString path = cheminSelection();
    if (path.isEmpty())
        return;
    QString error;
    // A file that cannot be read leaves the preview as it was; one that holds no
    // picture shows blank.
    const auto picture = picfile::read(path, apercu.size(), &error, picfile::NoPicture::Blank);
    if (picture) {
        apercu.cls();
        picfile::draw(*picture, apercu.image());
    } else {
        Dialogs::current().message(error, Dialogs::Icon::Exclamation);
    }
    apercu.refresh();
}

void Visualisateur::listeFichiers_DblClick()
{
    const QString path = cheminSelection();
    if (path.isEmpty() || !m_ouvrir)
        return;
    QString error;
    if (!m_ouvrir(path, &error)) {
        Dialogs::current().message(error, Dialogs::Icon::Exclamation);
        return;
    }
    hide();
}

void Visualisateur::closeEvent(QCloseEvent *event)
{
    // The user's close only hides the viewer; it is destroyed with the program.
    event->ignore();
    hide();
}
