#include "hostile.h"

#include "convert/conversionstate.h"
#include "platform/pictureloader.h"
#include "support/imagediff.h"
#include "support/recordingdialogs.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

struct Hostile
{
    const char *name;
    QByteArray bytes;
};

// Pictures that must be refused whatever they cost to decode.
std::vector<Hostile> refusedPictures()
{
    const QByteArray jpeg = hostile::jpeg(400, 300);
    return {
        {"bombe.png", hostile::png(50000, 50000, 200)},
        {"bombe.gif", hostile::gif(50000, 50000, 50000, 50000)},
        {"ecran-immense.gif", hostile::gif(65535, 65535, 1, 1)},
        // Few bytes per pixel in the file, four once opened: 64 million pixels.
        {"gris-8000.png", hostile::png(8000, 8000, 10)},
        {"mono-60000.bmp", hostile::bmp(60000, 60000)},
        {"mono-10000.bmp", hostile::bmp(10000, 10000)},
        {"icone-bitmap-immense.ico", hostile::icon(50000, 50000)},
        {"icone-decalage-faux.ico", hostile::icon(16, 16, 0x7FFFFFF0u)},
        {"icone-largeur-negative.ico", hostile::icon(-16, 16)},
        {"jpeg-entete-seul.jpg", jpeg.left(300)},
    };
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class HostilePictures : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        state.setCheminAppli(dir.path());
        // A converted picture the hostile files must leave alone.
        QImage source(200, 120, QImage::Format_RGB32);
        source.fill(Qt::white);
        for (int i = 0; i < 120; ++i)
            source.setPixel(i, i, 0xFF000000u);
        state.importerImage(source);
        state.check2 = true;
        state.convertir();
    }

    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    RecordingDialogs dialogs;
    ConversionState state;
};

// What the probe process said about one file.
struct Probe
{
    bool finished = false;
    QMap<QString, QString> values;
    long memoryMb() const { return values.value(QStringLiteral("memoire_ko")).toLong() / 1024; }
};

Probe probe(const QString &file)
{
    Probe result;
    QProcess process;
    process.start(QStringLiteral(BRIVANE_SONDE), {file});
    // Far above the bound of 2 s a picture may take: a slow machine or a
    // sanitizer build must not make this fail, a runaway decoder must.
    result.finished = process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
    if (!result.finished)
        process.kill();
    for (const QString &line : QString::fromUtf8(process.readAllStandardOutput()).split(u'\n')) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals > 0)
            result.values.insert(line.left(equals), line.mid(equals + 1));
    }
    return result;
}

} // namespace

// Each hostile picture is refused with a French message naming the file, and the
// source, the preview, the work picture and the fitted size stay as they were.
TEST_F(HostilePictures, RefusedInFrenchAndEverythingStays)
{
    const QImage p1 = state.picture1.image().copy();
    const QImage p2 = state.picture2.image().copy();
    const QImage p3 = state.picture3.image().copy();
    const QRect fit(state.x0, state.y0, state.largeur, state.hauteur);
    for (const Hostile &h : refusedPictures()) {
        SCOPED_TRACE(h.name);
        writeFile(path(h.name), h.bytes);
        dialogs.messages.clear();
        state.ouvrirFichier(path(h.name));
        ASSERT_EQ(dialogs.messages.size(), 1u);
        const QString text = dialogs.messages[0].text;
        EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Exclamation);
        EXPECT_TRUE(text.contains(QString::fromLatin1(h.name))) << text.toStdString();
        EXPECT_TRUE(text.startsWith(QStringLiteral("Impossible de lire l'image"))
                    || text.startsWith(QStringLiteral("L'image")))
            << text.toStdString();
        // Qt's own English texts must not show through.
        EXPECT_FALSE(text.contains(QStringLiteral("Unable"))) << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("Unsupported"))) << text.toStdString();
        EXPECT_TRUE(sameImage(p1, state.picture1.image()));
        EXPECT_TRUE(sameImage(p2, state.picture2.image()));
        EXPECT_TRUE(sameImage(p3, state.picture3.image()));
        EXPECT_EQ(QRect(state.x0, state.y0, state.largeur, state.hauteur), fit);
        // Converting again starts from the same source.
        state.convertir();
        EXPECT_TRUE(sameImage(p2, state.picture2.image()));
    }
}

// A pasted or dropped picture beyond the limit is refused in French, before its
// RGB32 copy is made, and the pictures stay as they were.
TEST_F(HostilePictures, PastedOrDroppedPictureBeyondTheLimit)
{
    const QImage p1 = state.picture1.image().copy();
    const QImage p3 = state.picture3.image().copy();
    // One bit per pixel: 4 MB here, 120 MB once in RGB32.
    QImage huge(6000, 5000, QImage::Format_Mono);
    huge.fill(0);
    state.importerImage(huge);
    QGuiApplication::clipboard()->setImage(huge);
    state.importerPressePapier();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    for (const auto &m : dialogs.messages) {
        EXPECT_EQ(m.icon, Dialogs::Icon::Exclamation);
        EXPECT_TRUE(m.text.contains(QStringLiteral("6000 x 5000"))) << m.text.toStdString();
        EXPECT_TRUE(m.text.contains(QStringLiteral("trop grande"))) << m.text.toStdString();
    }
    EXPECT_TRUE(sameImage(p1, state.picture1.image()));
    EXPECT_TRUE(sameImage(p3, state.picture3.image()));

    // At the limit it still comes in.
    dialogs.messages.clear();
    QImage largest(5000, 5000, QImage::Format_Mono);
    largest.fill(1);
    state.importerImage(largest);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(state.picture1.size(), QSize(5000, 5000));
    QGuiApplication::clipboard()->clear();
}

// A declared size is refused before decoding, and says how large the picture is.
TEST(PictureLimits, HugeDeclaredSizesAreRefusedByTheirHeader)
{
    const struct
    {
        QByteArray bytes;
        const char *size;
    } cases[] = {
        {hostile::png(50000, 50000, 1), "50000 x 50000"},
        {hostile::gif(65535, 65535, 1, 1), "65535 x 65535"},
        {hostile::png(5001, 5000, 1), "5001 x 5000"},
        {hostile::bmp(10000, 10000), "10000 x 10000"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.size);
        const LoadedPicture loaded = loadPictureData(c.bytes);
        EXPECT_FALSE(loaded.ok()) << c.size;
        EXPECT_TRUE(loaded.image.isNull());
        EXPECT_TRUE(loaded.error.contains(QString::fromLatin1(c.size))) << loaded.error.toStdString();
        EXPECT_TRUE(loaded.error.contains(QStringLiteral("trop grande"))) << loaded.error.toStdString();
    }
    // Right at the limit a picture still opens.
    const LoadedPicture largest = loadPictureData(hostile::png(5000, 5000, 5000));
    ASSERT_TRUE(largest.ok()) << largest.error.toStdString();
    EXPECT_EQ(largest.image.size(), QSize(5000, 5000));
    EXPECT_EQ(largest.image.format(), QImage::Format_RGB32);
    EXPECT_EQ(qint64(5000) * 5000, kPixelsMax);
}

// A JPEG cut short opens with what could be decoded, and the person is told so.
TEST_F(HostilePictures, TruncatedJpegOpensInPartWithARemark)
{
    const QByteArray whole = hostile::jpeg(400, 300);
    writeFile(path("entier.jpg"), whole);
    writeFile(path("tronque.jpg"), whole.left(whole.size() / 2));

    state.ouvrirFichier(path("entier.jpg"));
    EXPECT_TRUE(dialogs.messages.empty());
    const QImage entier = state.picture1.image().copy();

    state.ouvrirFichier(path("tronque.jpg"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Exclamation);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("tronque.jpg")));
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("abîmée ou incomplète")))
        << dialogs.messages[0].text.toStdString();
    ASSERT_EQ(state.picture1.size(), QSize(400, 300));
    // The top rows came through as they are in the whole file.
    EXPECT_TRUE(sameImage(entier.copy(0, 0, 400, 40), state.picture1.image().copy(0, 0, 400, 40)));

    // The command line and the viewer load it without a message box of their own.
    QString error;
    QString warning;
    EXPECT_TRUE(state.chargerFichier(path("tronque.jpg"), &error, &warning));
    EXPECT_TRUE(error.isEmpty());
    EXPECT_TRUE(warning.contains(QStringLiteral("tronque.jpg")));
    EXPECT_TRUE(state.chargerFichier(path("entier.jpg"), &error, &warning));
    EXPECT_TRUE(warning.isEmpty());
}

// In a process of its own, each hostile picture costs less than 300 MB and ends
// well within the time limit; so does the largest picture that still opens.
TEST(HostilePictureCost, BoundedMemoryAndTime)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::vector<Hostile> files = refusedPictures();
    const QByteArray jpeg = hostile::jpeg(400, 300);
    files.push_back({"tronque.jpg", jpeg.left(jpeg.size() / 2)});
    files.push_back({"plus-grande-permise.png", hostile::png(5000, 5000, 5000)});
    files.push_back({"plus-grande-ligne.bmp", hostile::bmpLine(25'000'000)});
    files.push_back({"plus-grande-colonne.bmp", hostile::bmpRleColumn(25'000'000)});
    for (const Hostile &h : files) {
        SCOPED_TRACE(h.name);
        const QString file = dir.filePath(QString::fromLatin1(h.name));
        writeFile(file, h.bytes);
        const Probe result = probe(file);
        ASSERT_TRUE(result.finished);
        const bool opens = QByteArray(h.name).startsWith("tronque")
            || QByteArray(h.name).startsWith("plus-grande");
        EXPECT_EQ(result.values.value(QStringLiteral("ouvert")), opens ? QStringLiteral("1") : QStringLiteral("0"))
            << result.values.value(QStringLiteral("erreur")).toStdString();
        EXPECT_LT(result.memoryMb(), 300);
        ::testing::Test::RecordProperty(h.name, int(result.memoryMb()));
    }
}

// A pipe under a picture's name would block whoever opens it until something is
// written into it: it is refused at once, as a folder is.
TEST(HostilePictureCost, PipesAndFoldersAreRefusedWithoutBlocking)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char *name : {"tube.89i", "tube.png"}) {
        SCOPED_TRACE(name);
        const QString file = dir.filePath(QString::fromLatin1(name));
        ASSERT_EQ(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        const Probe result = probe(file);
        ASSERT_TRUE(result.finished);
        EXPECT_EQ(result.values.value(QStringLiteral("ouvert")), QStringLiteral("0"));
        EXPECT_TRUE(result.values.value(QStringLiteral("erreur")).contains(QStringLiteral("n'est pas un fichier ordinaire")))
            << result.values.value(QStringLiteral("erreur")).toStdString();
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("dossier.89i")));
    const Probe result = probe(dir.filePath(QStringLiteral("dossier.89i")));
    EXPECT_TRUE(result.values.value(QStringLiteral("erreur")).contains(QStringLiteral("c'est un dossier")))
        << result.values.value(QStringLiteral("erreur")).toStdString();
}
