// Pictures made to hurt a decoder (huge declared sizes in tiny files, cut-short
// data, lying headers), kept in tests/data/hostile: refused in French or opened in
// part, at a bounded cost, and nothing already open is lost.
#include "convert/conversionstate.h"
#include "platform/pictureloader.h"
#include "support/commandrunner.h"
#include "support/files.h"
#include "support/imagediff.h"
#include "support/recordingdialogs.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

const QString kData = QStringLiteral(BRIVANE_TEST_DATA "/hostile/");

const char *const kRefused[] = {
    "bombe.png", "bombe.gif", "ecran-immense.gif", "gris-8000.png", "mono-60000.bmp", "mono-10000.bmp",
    "icone-bitmap-immense.ico", "icone-decalage-faux.ico", "icone-largeur-negative.ico", "jpeg-entete-seul.jpg",
};

class HostilePictures : public ::testing::Test
{
protected:
    void SetUp() override
    {
        state.setCheminAppli(dir.path());
        state.importerImage(diagonal(200, 120));
        state.conserverProportions = true;
        state.convertir();
    }

    QTemporaryDir dir;
    RecordingDialogs dialogs;
    ConversionState state;
};

// What the probe process said about one file: key=value lines.
QMap<QString, QString> probe(const QString &file)
{
    QProcess process;
    process.start(QStringLiteral(BRIVANE_SONDE), {file});
    // Far above the 2 s a picture may take: a runaway decoder fails, a slow machine not.
    const bool finished = process.waitForFinished(30000) && process.exitCode() == 0;
    EXPECT_TRUE(finished) << file.toStdString();
    if (!finished)
        process.kill();
    QMap<QString, QString> values;
    for (const QString &line : QString::fromUtf8(process.readAllStandardOutput()).split(u'\n'))
        if (line.indexOf(u'=') > 0)
            values.insert(line.section(u'=', 0, 0), line.section(u'=', 1));
    return values;
}

} // namespace

TEST_F(HostilePictures, RefusedInFrenchAndEverythingStays)
{
    const QImage p1 = state.imageSource.image().copy();
    const QImage p2 = state.travail.image().copy();
    const QImage p3 = state.apercuSource.image().copy();
    const QRect fit(state.x0, state.y0, state.largeur, state.hauteur);
    for (const char *name : kRefused) {
        SCOPED_TRACE(name);
        dialogs.messages.clear();
        state.ouvrirFichier(kData + QString::fromLatin1(name));
        ASSERT_EQ(dialogs.messages.size(), 1u);
        const QString text = dialogs.messages[0].text;
        EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Exclamation);
        EXPECT_TRUE(text.contains(QString::fromLatin1(name))) << text.toStdString();
        EXPECT_TRUE(text.startsWith(QStringLiteral("Impossible de lire l'image")) || text.startsWith(QStringLiteral("L'image")))
            << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("Unable")) || text.contains(QStringLiteral("Unsupported")));
        EXPECT_TRUE(sameImage(p1, state.imageSource.image()));
        EXPECT_TRUE(sameImage(p2, state.travail.image()));
        EXPECT_TRUE(sameImage(p3, state.apercuSource.image()));
        EXPECT_EQ(QRect(state.x0, state.y0, state.largeur, state.hauteur), fit);
        state.convertir(); // converting again starts from the same source
        EXPECT_TRUE(sameImage(p2, state.travail.image()));
    }
    // Declared sizes are refused by their header, saying how large the picture is.
    for (const auto &[name, size] : {std::pair{"bombe.png", "50000 x 50000"}, {"ecran-immense.gif", "65535 x 65535"},
                                     {"png-10001x10000.png", "10001 x 10000"}}) {
        const LoadedPicture loaded = loadPictureData(readFile(kData + QString::fromLatin1(name)));
        EXPECT_TRUE(loaded.image.isNull()) << name;
        EXPECT_TRUE(loaded.error.contains(QString::fromLatin1(size)) && loaded.error.contains(QStringLiteral("trop grande")))
            << loaded.error.toStdString();
    }
    // At the bound the header passes; this one then fails for want of pixel data.
    const LoadedPicture atBound = loadPictureData(readFile(kData + QStringLiteral("png-10000x10000.png")));
    EXPECT_TRUE(atBound.image.isNull());
    EXPECT_FALSE(atBound.error.contains(QStringLiteral("10000 x 10000"))) << atBound.error.toStdString();
    const LoadedPicture largest = loadPictureData(readFile(kData + QStringLiteral("plus-grande-permise.png")));
    ASSERT_TRUE(largest.ok()) << largest.error.toStdString();
    EXPECT_EQ(largest.image.size(), QSize(5000, 5000));
}

// A pasted or dropped picture beyond the limit is refused in French before its
// RGB32 copy is made; at the limit it comes in.
TEST_F(HostilePictures, PasteLimit)
{
    const QImage p1 = state.imageSource.image().copy();
    QImage huge(10001, 10000, QImage::Format_Mono); // 12.5 MB here, 400 MB in RGB32
    huge.fill(0);
    state.importerImage(huge);
    QGuiApplication::clipboard()->setImage(huge);
    state.importerPressePapier();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    for (const auto &m : dialogs.messages)
        EXPECT_TRUE(m.text.contains(QStringLiteral("10001 x 10000")) && m.text.contains(QStringLiteral("trop grande")))
            << m.text.toStdString();
    EXPECT_TRUE(sameImage(p1, state.imageSource.image()));
    QImage largest(5000, 5000, QImage::Format_Mono);
    largest.fill(1);
    state.importerImage(largest);
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(state.imageSource.size(), QSize(5000, 5000));
    QGuiApplication::clipboard()->clear();
}

// A JPEG cut short opens with what could be decoded, and the person is told so;
// the command line converts it with the remark and a success status.
TEST_F(HostilePictures, TruncatedJpeg)
{
    state.ouvrirFichier(kData + QStringLiteral("entier.jpg"));
    ASSERT_TRUE(dialogs.messages.empty());
    const QImage whole = state.imageSource.image().copy();
    state.ouvrirFichier(kData + QStringLiteral("tronque.jpg"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("tronque.jpg")));
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("abîmée ou incomplète")));
    ASSERT_EQ(state.imageSource.size(), QSize(400, 300));
    EXPECT_TRUE(sameImage(whole.copy(0, 0, 400, 40), state.imageSource.image().copy(0, 0, 400, 40)));

    const QString target = dir.filePath(QStringLiteral("coupee.89i"));
    const CommandRun run = runCommandLine({QStringLiteral("convertir"), QStringLiteral("-o"), target,
                                           kData + QStringLiteral("tronque.jpg")});
    EXPECT_EQ(run.status, CommandLine::Success);
    EXPECT_TRUE(run.err.contains(QStringLiteral("abîmée ou incomplète"))) << run.err.toStdString();
    EXPECT_EQ(readFile(target).size(), 2095);
}

// In a process of its own each picture costs less than 300 MB and ends in time;
// a pipe under a picture's name is refused without blocking, as a folder is.
TEST(HostilePictureCost, BoundedMemoryTimeAndNoBlocking)
{
    QTemporaryDir dir;
    QStringList opens = {QStringLiteral("tronque.jpg"), QStringLiteral("plus-grande-permise.png")};
    for (const QString &packed : {QStringLiteral("plus-grande-ligne.bmp"), QStringLiteral("plus-grande-colonne.bmp")}) {
        writeFile(dir.filePath(packed), qUncompress(readFile(kData + packed + QStringLiteral(".qz"))));
        opens << packed;
    }
    QStringList files;
    for (const char *name : kRefused)
        files << kData + QString::fromLatin1(name);
    for (const QString &name : opens)
        files << (QFile::exists(dir.filePath(name)) ? dir.filePath(name) : kData + name);
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        const auto values = probe(file);
        EXPECT_EQ(values.value(QStringLiteral("ouvert")), opens.contains(QFileInfo(file).fileName()) ? "1" : "0")
            << values.value(QStringLiteral("erreur")).toStdString();
        EXPECT_LT(values.value(QStringLiteral("memoire_ko")).toLong() / 1024, 300);
    }
    for (const QString &name : {QStringLiteral("tube.89i"), QStringLiteral("tube.png")}) {
        ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath(name)).constData(), 0600), 0);
        EXPECT_TRUE(probe(dir.filePath(name)).value(QStringLiteral("erreur")).contains(QStringLiteral("n'est pas un fichier ordinaire")));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("dossier.89i")));
    EXPECT_TRUE(probe(dir.filePath(QStringLiteral("dossier.89i"))).value(QStringLiteral("erreur")).contains(QStringLiteral("c'est un dossier")));
}
