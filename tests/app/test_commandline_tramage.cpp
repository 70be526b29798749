#include "test_commandline.h"

#include "convert/tramage.h"
#include "picfile/lib89i.h"
#include "support/imagediff.h"

namespace {

// The file the window's state writes for the same settings.
QByteArray windowBytes(const QString &source, traitement::Tramage tramage, int niveau, bool simple,
                       const QString &target)
{
    RecordingDialogs dialogs;
    ConversionState state;
    if (!state.chargerFichier(source))
        return {};
    state.tramage = tramage;
    state.slider1 = niveau;
    state.option1 = simple;
    state.convertir();
    if (!state.ecrireImageAjustee(target, QStringLiteral("zfig"), QStringLiteral("w"), false))
        return {};
    return readBytes(target);
}

// The picture of a written file.
QImage picture89i(const QString &path)
{
    Surface s(160, 100, kBlanc);
    return lib89i::Lire89i(path, s, false) ? s.image() : QImage();
}

} // namespace

TEST_F(CommandLineTest, DitheringAsTheWindowDoesIt)
{
    ASSERT_TRUE(photo(300, 170).save(path(QStringLiteral("photo.png"))));
    const QString source = path(QStringLiteral("photo.png"));
    const QByteArray plain = windowBytes(source, traitement::Tramage::Aucun, 0, false, path(QStringLiteral("p.bin")));
    for (const auto method : {traitement::Tramage::FloydSteinberg, traitement::Tramage::Atkinson,
                              traitement::Tramage::Bayer}) {
        const QString name = traitement::nomTramage(method);
        SCOPED_TRACE(name.toStdString());
        ASSERT_EQ(run({QStringLiteral("convertir"), QStringLiteral("--tramage"), name, QStringLiteral("--niveau=7"),
                       QStringLiteral("--variable"), QStringLiteral("w"), QStringLiteral("-o"), name,
                       QStringLiteral("photo.png")}),
                  0)
            << err.toStdString();
        const QByteArray dithered = bytes(name + QStringLiteral(".89i"));
        EXPECT_EQ(dithered, windowBytes(source, method, 7, false, path(QStringLiteral("w.bin"))));
        EXPECT_NE(dithered.mid(92), plain.mid(92));

        // The simple method takes no dithering.
        ASSERT_EQ(run({QStringLiteral("convertir"), QStringLiteral("--simple"), QStringLiteral("--tramage"), name,
                       QStringLiteral("--variable"), QStringLiteral("w"), QStringLiteral("-o"),
                       QStringLiteral("simple"), QStringLiteral("photo.png")}),
                  0);
        EXPECT_EQ(bytes(QStringLiteral("simple.89i")),
                  windowBytes(source, traitement::Tramage::Aucun, 0, true, path(QStringLiteral("s.bin"))));
    }
}

TEST_F(CommandLineTest, AutomaticLevel)
{
    // Greys 140 and 200: level 0 (threshold 127) makes both white; Otsu's threshold,
    // 169.5 in the middle of the gap, gives level 17 (threshold 170).
    QImage image = solid(160, 100, qRgb(200, 200, 200));
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 50; ++x)
            image.setPixel(x, y, qRgb(140, 140, 140));
    ASSERT_TRUE(image.save(path(QStringLiteral("deux.png"))));

    ASSERT_EQ(run({QStringLiteral("convertir"), QStringLiteral("-o"), QStringLiteral("fixe"),
                   QStringLiteral("deux.png")}),
              0);
    EXPECT_TRUE(sameImage(solid(160, 100, 0xFFFFFFFF), picture89i(path(QStringLiteral("fixe.89i")))));
    ASSERT_EQ(run({QStringLiteral("convertir"), QStringLiteral("--niveau"), QStringLiteral("auto"),
                   QStringLiteral("-o"), QStringLiteral("auto"), QStringLiteral("deux.png")}),
              0)
        << err.toStdString();
    EXPECT_TRUE(sameImage(whiteWithBlack(160, 100, QRect(0, 0, 50, 100)),
                          picture89i(path(QStringLiteral("auto.89i")))));

    // Each picture of a batch gets its own level; one grey keeps level 0.
    ASSERT_TRUE(solid(40, 40, qRgb(120, 120, 120)).save(path(QStringLiteral("gris.png"))));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("lot")));
    ASSERT_EQ(run({QStringLiteral("convertir"), QStringLiteral("--niveau=auto"), QStringLiteral("-o"),
                   QStringLiteral("lot"), QStringLiteral("gris.png"), QStringLiteral("deux.png")}),
              0);
    EXPECT_TRUE(sameImage(solid(160, 100, 0xFF000000), picture89i(path(QStringLiteral("lot/gris.89i")))));
    EXPECT_EQ(bytes(QStringLiteral("lot/deux.89i")).mid(92), bytes(QStringLiteral("auto.89i")).mid(92));
}

TEST_F(CommandLineTest, DitheringAndLevelUsageErrors)
{
    ASSERT_TRUE(photo(64, 48).save(path(QStringLiteral("a.png"))));
    const struct
    {
        QStringList arguments;
        const char *message;
    } cases[] = {
        {{QStringLiteral("--tramage"), QStringLiteral("ordonne")}, "--tramage attend floyd-steinberg, atkinson ou bayer, pas « ordonne »."},
        {{QStringLiteral("--tramage=Bayer")}, "pas « Bayer »"},
        {{QStringLiteral("--tramage=")}, "pas «  »"},
        {{QStringLiteral("--niveau"), QStringLiteral("AUTO")}, "de -50 à 50 ou auto, pas « AUTO »"},
        {{QStringLiteral("--niveau=automatique")}, "--niveau attend"},
    };
    for (const auto &c : cases) {
        const QStringList arguments = QStringList{QStringLiteral("convertir")} + c.arguments
                                      + QStringList{QStringLiteral("a.png")};
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        EXPECT_EQ(run(arguments), CommandLine::UsageError);
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.message))) << err.toStdString();
        EXPECT_TRUE(out.isEmpty());
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.png")});
    }
    EXPECT_EQ(run({QStringLiteral("convertir"), QStringLiteral("a.png"), QStringLiteral("--tramage")}),
              CommandLine::UsageError);
    EXPECT_TRUE(err.contains(QStringLiteral("Valeur manquante après --tramage")));

    EXPECT_EQ(run({QStringLiteral("convertir"), QStringLiteral("--help")}), 0);
    EXPECT_TRUE(out.contains(QStringLiteral("--tramage METHODE")));
    EXPECT_TRUE(out.contains(QStringLiteral("floyd-steinberg")));
    EXPECT_TRUE(out.contains(QStringLiteral("ou auto")));
}
