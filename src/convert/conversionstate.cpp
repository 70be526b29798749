#include "conversionstate.h"

#include "convert/niveauauto.h"
#include "convert/traitement.h"
#include "picfile/picturereader.h"
#include "picfile/picturewriter.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/pictureloader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <unordered_set>

namespace {

QString avecSeparateur(QString folder)
{
    folder = QDir::toNativeSeparators(folder);
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder;
}

// Half a pixel goes to the even neighbour.
int arrondiPair(double v)
{
    return int(std::nearbyint(v));
}

// The dialogs' initial folder: the user's home folder.

// The numbers k of the ordinary files "fig" + k (at least four digits) + ".89i" in a folder.
std::unordered_set<int> numerosPris(const QString &folder)
{
    namespace fs = std::filesystem;
#ifdef Q_OS_WIN
    const fs::path native(folder.toStdWString());
#else
    const fs::path native(QFile::encodeName(folder).toStdString());
#endif
    std::unordered_set<int> taken;
    std::error_code error;
    try {
        for (fs::directory_iterator it(native, error), end; !error && it != end; it.increment(error)) {
            const std::string name = it->path().filename().string();
            if (name.size() < 11 || name.compare(0, 3, "fig") != 0
                || name.compare(name.size() - 4, 4, ".89i") != 0)
                continue;
            const std::string digits = name.substr(3, name.size() - 7);
            // Four digits, or more without a leading zero: the way the names are written.
            if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos
                || (digits.size() > 4 && digits[0] == '0'))
                continue;
            std::error_code typeError;
            if (it->is_regular_file(typeError))
                taken.insert(std::stoi(digits));
        }
    } catch (const std::exception &) {
        // A name the platform cannot convert: the checks by name decide from here.
    }
    return taken;
}

} // namespace

ConversionState::ConversionState()
{
    m_cheminAppli = avecSeparateur(QCoreApplication::applicationDirPath());
}

ConversionState::ConversionState(const QString &cheminAppli)
    : m_cheminAppli(avecSeparateur(cheminAppli))
    , m_dossierExecutable(false)
{
}

void ConversionState::setCheminAppli(const QString &folder)
{
    m_cheminAppli = avecSeparateur(folder);
    m_dossierExecutable = false;
}

void ConversionState::setDossierRepli(const QString &folder)
{
    m_dossierRepli = folder;
}

QString ConversionState::dossierAutomatique() const
{
    if (!m_dossierExecutable)
        return m_cheminAppli;
    const bool inscriptible = m_ecriture ? m_ecriture(m_cheminAppli) : QFileInfo(m_cheminAppli).isWritable();
    if (inscriptible)
        return m_cheminAppli;
    if (!m_dossierRepli.isEmpty())
        return avecSeparateur(m_dossierRepli);
    const QString images = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    // Without a home there is nowhere better: the saves report the failure.
    return images.isEmpty() ? m_cheminAppli : avecSeparateur(images + QStringLiteral("/Brivane"));
}

Reglages ConversionState::reglages() const
{
    return {niveauGris, methodeSimple, inverserCouleurs, tramage, reduction};
}

void ConversionState::setReglages(const Reglages &r)
{
    niveauGris = r.niveauGris;
    methodeSimple = r.methodeSimple;
    inverserCouleurs = r.inverserCouleurs;
    tramage = r.tramage;
    if (reduction != r.reduction) {
        // The preview shows the source as the work picture was made from it.
        reduction = r.reduction;
        stretchSourceIntoPreview();
    }
}

void ConversionState::restaurer(const EtatImage &etat)
{
    largeur = etat.largeur;
    hauteur = etat.hauteur;
    x0 = etat.x0;
    y0 = etat.y0;
    m_reglagesImage = etat.reglages;
    setReglages(etat.reglages);
}

void ConversionState::changed() const
{
    if (m_changed)
        m_changed();
}

void ConversionState::demarrer(const QString &cheminSource)
{
    hauteur = kHauteurEcran;
    largeur = kLargeurEcran;
    x0 = y0 = 0;
    if (!cheminSource.isEmpty() && estImage89i(cheminSource)) {
        // A calculator picture opened from the desktop: read as the open command
        // reads it, already black and white.
        QString error;
        if (!charger89i(cheminSource.trimmed(), &error))
            Dialogs::current().message(error, Dialogs::Icon::Exclamation);
        nomSuivant = nomVariable = nomAutomatique(prochainNumero());
        changed();
        return;
    }
    if (cheminSource.isEmpty()) {
        importerImage(clipboardPicture());
    } else {
        const LoadedPicture loaded = loadPicture(cheminSource);
        if (!loaded.ok())
            Dialogs::current().message(loaded.error, Dialogs::Icon::Exclamation);
        else if (!loaded.warning.isEmpty())
            Dialogs::current().message(loaded.warning, Dialogs::Icon::Exclamation);
        importerImage(loaded.image);
    }
    travail.cls();
    stretchBlt(travail, QRect(0, 0, largeur, hauteur), imageSource, imageSource.rect(), reduction);
    methodeUtilisee = QStringLiteral("Methode avancée");
    traitement::ViaGrayscale(travail, 0, 1);
    m_reglagesImage = Reglages{};
    nomSuivant = nomVariable = nomAutomatique(prochainNumero());
    changed();
}

void ConversionState::ouvrirImage()
{
    const QList<Dialogs::Filter> filters{
        // Every format the decoder reads, whatever the letter case (the dialog
        // matches patterns without regard to case).
        {QStringLiteral("Images files (*.89i;*.bmp;*.jpg;*.gif;*.ico)"),
         QStringLiteral("*.89i;*.bmp;*.jpg;*.jpeg;*.gif;*.ico;*.png")},
        {QStringLiteral("All Files (*.*)"), QStringLiteral("*")},
    };
    const auto chosen = Dialogs::current().chooseFile(m_owner, filters, dossierDialogues(),
                                                      QStringLiteral("Ouvrir une Image."));
    if (!chosen)
        return;
    retenirDossier(*chosen);
    ouvrirFichier(*chosen);
}

QString ConversionState::dossierDialogues() const
{
    return QDir::toNativeSeparators(m_dossierDialogues.isEmpty() ? QDir::homePath()
                                                                 : m_dossierDialogues);
}

void ConversionState::retenirDossier(const QString &chemin)
{
    m_dossierDialogues = QFileInfo(QDir::fromNativeSeparators(chemin.trimmed())).absolutePath();
}

void ConversionState::ouvrirFichier(const QString &path)
{
    QString error;
    QString warning;
    if (!chargerFichier(path, &error, &warning))
        Dialogs::current().message(error, Dialogs::Icon::Exclamation);
    else if (!warning.isEmpty())
        Dialogs::current().message(warning, Dialogs::Icon::Exclamation);
}

bool ConversionState::estImage89i(const QString &path)
{
    return path.trimmed().endsWith(QStringLiteral("89i"), Qt::CaseInsensitive);
}

bool ConversionState::chargerFichier(const QString &path, QString *error, QString *warning)
{
    if (warning)
        warning->clear();
    const QString chemin = path.trimmed();
    if (estImage89i(chemin))
        return charger89i(chemin, error);
    // Decode first: a picture that cannot be read leaves the source as it was.
    const LoadedPicture loaded = loadPicture(chemin);
    if (!loaded.ok()) {
        if (error)
            *error = loaded.error;
        return false;
    }
    if (warning)
        *warning = loaded.warning;
    imageSource.setPicture(loaded.image);
    imageSource.refresh();
    stretchSourceIntoPreview();
    return true;
}

bool ConversionState::charger89i(const QString &path, QString *error)
{
    const auto picture = picfile::read(path, travail.size(), error);
    if (!picture)
        return false;
    travail.cls();
    picfile::draw(*picture, travail.image());
    travail.refresh();
    imageSource.cls();
    imageSource.refresh();
    apercuSource.cls();
    apercuSource.refresh();
    adopterTaille89i(picture->size);
    return true;
}

bool ConversionState::ouvrirDuVisualisateur(const QString &path, QString *error)
{
    const QSize screen(kLargeurEcran, kHauteurEcran);
    const auto picture = picfile::read(path, travail.size().expandedTo(screen), error);
    if (!picture)
        return false;
    imageSource.resize(kLargeurEcran, kHauteurEcran);
    // One reading, drawn into the three pictures.
    for (Surface *surface : {&travail, &imageSource, &apercuSource}) {
        surface->cls();
        picfile::draw(*picture, surface->image());
        surface->refresh();
    }
    adopterTaille89i(picture->size);
    return true;
}

void ConversionState::adopterTaille89i(QSize tailleFichier)
{
    largeur = std::clamp(tailleFichier.width(), 0, kLargeurEcran);
    hauteur = std::clamp(tailleFichier.height(), 0, kHauteurEcran);
    x0 = y0 = 0;
    changed();
}

void ConversionState::importerPressePapier()
{
    const QImage image = clipboardPicture();
    // Nothing to import: the picture in place stays.
    if (image.isNull()) {
        Dialogs::current().message(QStringLiteral("Le presse-papier ne contient aucune image."),
                                   Dialogs::Icon::Exclamation);
        return;
    }
    importerImage(image);
}

void ConversionState::importerImage(const QImage &image)
{
    // A pasted or dropped picture has the bound of an opened one: beyond it, its
    // copy and every fit would cost too much memory and time.
    if (qint64(image.width()) * image.height() > kPixelsMax) {
        Dialogs::current().message(
            QStringLiteral("L'image importée est trop grande (%1 x %2 pixels) : au-delà de 100 "
                           "millions de pixels, elle n'est pas importée.")
                .arg(image.width())
                .arg(image.height()),
            Dialogs::Icon::Exclamation);
        return;
    }
    // No picture: a blank source, keeping the frame's size.
    if (image.isNull())
        imageSource.cls();
    else
        imageSource.setPicture(image);
    imageSource.refresh();
    stretchSourceIntoPreview();
}

void ConversionState::stretchSourceIntoPreview()
{
    stretchBlt(apercuSource, QRect(0, 0, kLargeurEcran, kHauteurEcran), imageSource, imageSource.rect(), reduction);
    apercuSource.refresh();
}

void ConversionState::ajusteImage()
{
    hauteur = hauteurSortie;
    largeur = largeurSortie;
    x0 = y0 = 0;
    travail.cls();
    if (!conserverProportions) {
        // From the preview: the source is resampled twice on this path.
        stretchBlt(travail, QRect(0, 0, largeur, hauteur), apercuSource,
                   QRect(0, 0, kLargeurEcran, kHauteurEcran), reduction);
        travail.refresh();
        return;
    }
    const int sw = imageSource.width();
    const int sh = imageSource.height();
    const int w7 = largeurSortie;
    const int h8 = hauteurSortie;
    if (sw > 0 && sh > 0 && w7 > 0 && h8 > 0) {
        const double rw = double(sw) / w7;
        const double rh = double(sh) / h8;
        // The shortened side keeps at least one pixel, so a thin source stays visible.
        if (rh < rw) {
            hauteur = std::max(1, int(w7 * (double(sh) / sw)));
            y0 = arrondiPair(h8 / 2.0 - hauteur / 2.0);
        } else if (rh > rw) {
            largeur = std::max(1, int(h8 * (double(sw) / sh)));
            x0 = arrondiPair(w7 / 2.0 - largeur / 2.0);
        }
    }
    stretchBlt(travail, QRect(x0, y0, largeur, hauteur), imageSource, imageSource.rect(), reduction);
    travail.refresh();
}

void ConversionState::convertir()
{
    convertirImage();
    nomSuivant = nomAutomatique(prochainNumero());
    changed();
}

void ConversionState::convertirImage()
{
    ajusteImage();
    if (!methodeSimple) {
        methodeUtilisee = QStringLiteral("Via Grayscale 1");
        traitement::Tramer(travail, QRect(x0, y0, largeur, hauteur), niveauGris, inverserCouleurs ? -1 : 1, tramage);
    } else {
        methodeUtilisee = QStringLiteral("Noir et Blanc Simple");
        traitement::NoirEtBlanc(travail);
    }
    m_reglagesImage = reglages();
}

void ConversionState::changerReduction(Reduction choix)
{
    reduction = choix;
    stretchSourceIntoPreview();
    convertir();
}

int ConversionState::niveauAutomatique() const
{
    const Surface &fitted = conserverProportions ? imageSource : apercuSource;
    return traitement::niveauAutomatique(fitted.image()).value_or(niveauGris);
}

int ConversionState::prochainNumero() const
{
    return numeroLibre(dossierAutomatique());
}

int ConversionState::numeroLibre(const QString &dossier) const
{
    // One listing of the folder says which numbers are taken, so the search does
    // not query the file system once per number; each free number it finds is still
    // checked by name, which leaves the last word to the file system (names that
    // differ only in case, a file that just appeared).
    const std::unordered_set<int> taken = numerosPris(dossier);
    int k = 0;
    while (true) {
        while (taken.count(k))
            ++k;
        if (!files::isOrdinaryFile(dossier + nomAutomatique(k) + QStringLiteral(".89i")))
            return k;
        ++k;
    }
}

QString ConversionState::nomAutomatique(int k)
{
    return QStringLiteral("fig") + QString::number(k).rightJustified(4, u'0');
}

QString ConversionState::cheminSauverSous(const QString &chosen)
{
    QString path = chosen.trimmed();
    if (!path.endsWith(QStringLiteral(".89i"), Qt::CaseInsensitive))
        path += QStringLiteral(".89i");
    // An existing file is the one the user picked: it is replaced, whatever its case.
    if (QFileInfo(path).isFile())
        return path;
    // Only a new file's name is lower-cased: on a case-sensitive file system the
    // folders must keep their case.
    const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(QDir::separator()));
    return path.left(cut + 1) + path.mid(cut + 1).toLower();
}

void ConversionState::avertirOptionsAvancees() const
{
    if (optionsAvancees)
        Dialogs::current().message(
            QStringLiteral("Vous avez choisi d'utiliser des options complémentaires"),
            Dialogs::Icon::Exclamation);
}

void ConversionState::sauverSous()
{
    const QList<Dialogs::Filter> filters{
        {QStringLiteral("Images files (*.89i)"), QStringLiteral("*.89i")}};
    const auto chosen = Dialogs::current().chooseSaveFile(m_owner, filters, dossierDialogues(),
                                                          QStringLiteral("Enregistrer une Image."));
    if (!chosen)
        return;
    retenirDossier(*chosen);
    const QString path = cheminSauverSous(*chosen);
    avertirOptionsAvancees();
    const QString folder = optionsAvancees ? nomDossier : QStringLiteral("zfig");
    const QString name = optionsAvancees ? nomVariable : QStringLiteral("fig0000");
    QString error;
    if (!ecrireImageAjustee(path, folder, name, true, &error))
        Dialogs::current().message(error, Dialogs::Icon::Exclamation);
}

void ConversionState::sauverAutomatiquement()
{
    const QString dossier = dossierAutomatique();
    const int k = numeroLibre(dossier);
    const QString fileName = nomAutomatique(k) + QStringLiteral(".89i");
    const QString path = dossier + fileName;
    avertirOptionsAvancees();
    // The fallback folder is made when first needed; the program's own folder never
    // is (gone, it is a failure to report).
    if (dossier != m_cheminAppli && !QDir().mkpath(dossier)) {
        Dialogs::current().message(
            QStringLiteral("Impossible de créer le dossier %1 pour y enregistrer %2.")
                .arg(QDir::toNativeSeparators(QDir::cleanPath(dossier)), fileName),
            Dialogs::Icon::Exclamation);
        return;
    }
    const QString folder = optionsAvancees ? nomDossier : QStringLiteral("zfig");
    const QString name = optionsAvancees ? nomVariable : nomAutomatique(k);
    QString error;
    if (!picfile::write(path, travail.image(), QSize(largeurSortie, hauteurSortie), folder, name, &error)) {
        // Nothing was written: the names stay as they were.
        Dialogs::current().message(error, Dialogs::Icon::Exclamation);
        return;
    }
    Dialogs::current().message(QStringLiteral("Fichier enregistré"), Dialogs::Icon::Information);
    nomSuivant = nomVariable = nomAutomatique(prochainNumero());
    changed();
}

Surface ConversionState::imageAjustee() const
{
    // Whole bytes wide: the low bits of a row's last byte come from the pixels to
    // the right of the picture, as they do for a picture at the top-left corner.
    const int w = std::max(largeur, 0);
    const int h = std::max(hauteur, 0);
    Surface picture((w + 7) / 8 * 8, h, kBlanc);
    bitBlt(picture, 0, 0, picture.width(), h, travail, x0, y0);
    return picture;
}

bool ConversionState::ecrireImageAjustee(const QString &path, const QString &folder,
                                         const QString &name, bool confirm, QString *error) const
{
    if (!picfile::write(path, imageAjustee().image(), QSize(largeur, hauteur), folder, name, error))
        return false;
    if (confirm)
        Dialogs::current().message(QStringLiteral("Fichier enregistré"), Dialogs::Icon::Information);
    return true;
}
