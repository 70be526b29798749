#include "explo.h"

#include "apparence.h"
#include "fenetres.h"
#include "geometrie.h"
#include "images.h"
#include "listedossiers.h"
#include "picfile/lib89i.h"
#include "platform/dialogs.h"
#include "platform/surfacewidget.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QStorageInfo>

explo::explo(Ouverture ouvrir, QWidget *parent, const QString &depart)
    : QDialog(parent)
    , m_ouvrir(std::move(ouvrir))
{
    fenetres::auDessus(this, "explo");
    setWindowIcon(images::icone());
    apparence::fond(this, couleurs::fond);
    setFont(apparence::policeControles());

    // Created in keyboard order: the file list first.
    File1 = new QListWidget(this);
    apparence::placer(File1, "File1");
    File1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Picture1 = new SurfaceWidget(&picture1, this);
    apparence::placer(Picture1, "explo.Picture1");
    Label5 = apparence::entete(this, "Label5");
    Drive1 = new QComboBox(this);
    apparence::placer(Drive1, "Drive1");
    Drive1->addItems(lecteurs());
    Dir1 = new ListeDossiers(this);
    apparence::placer(Dir1, "Dir1");
    Dir1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Label1 = new QLabel(geometrie::texte("explo.Label1"), this);
    apparence::placer(Label1, "explo.Label1");
    Label5->lower(); // a drawn control: under the preview it overlaps

    // The folder of the automatic files, else the home folder.
    if (depart.isEmpty() || !setDossier(depart))
        setDossier(QDir::homePath());

    connect(Drive1, &QComboBox::activated, this, &explo::Drive1_Change);
    connect(Dir1, &ListeDossiers::Change, this, &explo::Dir1_Change);
    // The selection, not the current row: the list makes its first row current
    // when it takes the focus, which is not a choice of the user's.
    connect(File1, &QListWidget::itemSelectionChanged, this, [this] {
        if (File1->selectedItems().isEmpty())
            return;
        File1_Click();
        m_apercuFait = true;
    });
    connect(File1, &QListWidget::itemClicked, this, [this] {
        // A click that changed the selection has already shown its preview.
        if (!m_apercuFait)
            File1_Click();
        m_apercuFait = false;
    });
    connect(File1, &QListWidget::itemDoubleClicked, this, &explo::File1_DblClick);
}

explo::~explo()
{
    // The preview widget shows a member surface: it goes first.
    delete Picture1;
}

QStringList explo::lecteurs()
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

bool explo::setDossier(const QString &folder)
{
    if (!Dir1->setChemin(folder))
        return false;
    Dir1_Change();
    return true;
}

QString explo::dossier() const
{
    return Dir1->chemin();
}

QString explo::cheminSelection() const
{
    const QList<QListWidgetItem *> items = File1->selectedItems();
    if (items.isEmpty())
        return {};
    QString folder = dossier();
    // A root already ends with its separator.
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return QDir::toNativeSeparators(folder + items.constFirst()->text());
}

void explo::Drive1_Change()
{
    // Picking the drive already shown again changes nothing.
    if (Drive1->currentIndex() == m_lecteur)
        return;
    // A volume that cannot be read is passed over: the lists keep their folder.
    if (!setDossier(Drive1->currentText()))
        Drive1->setCurrentIndex(m_lecteur);
}

void explo::Dir1_Change()
{
    {
        const QSignalBlocker bloque(File1);
        File1->clear(); // no selection carries over to another folder
    }
    afficherLecteur(dossier());
    remplirFichiers();
}

void explo::afficherLecteur(const QString &folder)
{
    const int index = Drive1->findText(QStorageInfo(folder).rootPath());
    if (index >= 0)
        Drive1->setCurrentIndex(index);
    m_lecteur = Drive1->currentIndex();
}

void explo::remplirFichiers()
{
    const QSignalBlocker bloque(File1);
    const QList<QListWidgetItem *> choisis = File1->selectedItems();
    const QString choisi = choisis.isEmpty() ? QString() : choisis.constFirst()->text();
    File1->clear();
    const QDir dir(dossier());
    File1->addItems(dir.entryList({QStringLiteral("*.89i")}, QDir::Files,
                                  QDir::Name | QDir::IgnoreCase));
    // A file still there stays selected.
    const QList<QListWidgetItem *> memes = File1->findItems(choisi, Qt::MatchExactly);
    if (!choisi.isEmpty() && !memes.isEmpty())
        File1->setCurrentItem(memes.constFirst());
}

void explo::showEvent(QShowEvent *event)
{
    remplirFichiers();
    QDialog::showEvent(event);
}

void explo::File1_Click()
{
    const QString path = cheminSelection();
    if (path.isEmpty())
        return;
    QString error;
    // The reader leaves the preview as it was when the file cannot be read.
    if (!lib89i::Lire89i(path, picture1, false, &error))
        Dialogs::current().message(error, Dialogs::Icon::Exclamation);
    picture1.refresh();
}

void explo::File1_DblClick()
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

void explo::closeEvent(QCloseEvent *event)
{
    // The user's close only hides the viewer; it is destroyed with the program.
    event->ignore();
    hide();
}
