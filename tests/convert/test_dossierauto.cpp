#include "conversionfixture.h"

#include "picfile/lib89i.h"
#include "support/imagediff.h"

#include <QDir>
#include <QStandardPaths>

namespace {

const QString kConfirmation = QStringLiteral("Fichier enregistré");

QString withSeparator(const QString &folder)
{
    return QDir::toNativeSeparators(folder) + QDir::separator();
}

QStringList listing(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
}

// The state as the installed program has it: the program's folder is the
// executable's, whose writability the test decides; the fallback folder is a
// temporary "Images/Brivane".
class DossierAuto : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        repli = home.filePath(QStringLiteral("Images/Brivane"));
        state.setTestEcriture([this](const QString &folder) {
            checked << folder;
            return inscriptible;
        });
        state.setDossierRepli(repli);
        state.importerImage(whiteWithBlack(160, 100, QRect(20, 30, 40, 10)));
    }

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const auto &m : dialogs.messages)
            texts << m.text;
        return texts;
    }

    bool inscriptible = false;
    QStringList checked;
    QTemporaryDir home;
    QString repli;
    RecordingDialogs dialogs;
    ConversionState state;
};

} // namespace

TEST_F(DossierAuto, ReadOnlyProgramFolderSendsAutomaticFilesToThePictures)
{
    const QString programme = state.cheminAppli();
    const bool programmeAvant = QFileInfo::exists(programme + QStringLiteral("fig0000.89i"));
    EXPECT_EQ(state.dossierAutomatique(), withSeparator(repli));
    EXPECT_TRUE(checked.contains(programme));

    // fich reads the fallback folder; it is not created before a file goes there.
    state.convertir();
    EXPECT_EQ(state.fich, QStringLiteral("fig0000"));
    EXPECT_FALSE(QFileInfo::exists(repli));

    state.sauverAutomatiquement();
    EXPECT_EQ(messageTexts(), QStringList{kConfirmation});
    EXPECT_EQ(readBytes(repli + QStringLiteral("/fig0000.89i")),
              lib89i::encode89i(state.picture2, 100, 160, QStringLiteral("zfig"), QStringLiteral("fig0000")));
    EXPECT_EQ(state.fich, QStringLiteral("fig0001"));
    EXPECT_EQ(state.text1, QStringLiteral("fig0001"));
    state.sauverAutomatiquement();
    EXPECT_EQ(listing(repli), (QStringList{QStringLiteral("fig0000.89i"), QStringLiteral("fig0001.89i")}));
    // A gap there is filled first, as in the program's folder.
    ASSERT_TRUE(QFile::remove(repli + QStringLiteral("/fig0000.89i")));
    state.convertir();
    EXPECT_EQ(state.fich, QStringLiteral("fig0000"));
    EXPECT_EQ(QFileInfo::exists(programme + QStringLiteral("fig0000.89i")), programmeAvant);

    // Once the program's folder can be written to, the files go there again.
    inscriptible = true;
    EXPECT_EQ(state.dossierAutomatique(), programme);
}

TEST_F(DossierAuto, ChosenFolderAndDefaultFallback)
{
    // A folder given explicitly (the command line's current folder, the tests') is
    // used as it is: writing there fails with a message rather than going elsewhere.
    QTemporaryDir chosen;
    ASSERT_TRUE(chosen.isValid());
    state.setCheminAppli(chosen.path());
    EXPECT_EQ(state.dossierAutomatique(), withSeparator(chosen.path()));
    state.convertir();
    state.sauverAutomatiquement();
    EXPECT_TRUE(QFileInfo(chosen.filePath(QStringLiteral("fig0000.89i"))).isFile());
    EXPECT_FALSE(QFileInfo::exists(repli));

    // By default the fallback is the user's pictures folder + "Brivane".
    ConversionState installed;
    installed.setTestEcriture([](const QString &) { return false; });
    EXPECT_EQ(installed.dossierAutomatique(),
              withSeparator(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)
                            + QStringLiteral("/Brivane")));
    // The real test: this build's folder can be written to.
    ConversionState built;
    EXPECT_EQ(built.dossierAutomatique(), built.cheminAppli());
}

TEST_F(DossierAuto, FallbackThatCannotBeCreated)
{
    // "Images" is a file: the folder cannot be made. Reported, nothing written,
    // the names kept.
    ASSERT_TRUE(writeBytes(home.filePath(QStringLiteral("Images")), "x"));
    state.convertir();
    state.fich = state.text1 = QStringLiteral("fig0000");
    state.sauverAutomatiquement();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Exclamation);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Impossible de créer le dossier %1 pour y enregistrer fig0000.89i.")
                  .arg(QDir::toNativeSeparators(repli)));
    EXPECT_EQ(state.fich, QStringLiteral("fig0000"));
    EXPECT_EQ(state.text1, QStringLiteral("fig0000"));
    EXPECT_EQ(listing(home.path()), QStringList{QStringLiteral("Images")});
}

// Opening a ".89i" file from the desktop starts the program with its path: the
// picture comes into the work picture as the open command reads it.
TEST_F(ConversionTest, StartUpFromACalculatorPicture)
{
    Surface picture(64, 20, kBlanc);
    for (int i = 0; i < 20; ++i)
        picture.setPixel(i * 3, i, kNoir);
    write(QStringLiteral("dessin.89i"),
          lib89i::encode89i(picture, 20, 64, QStringLiteral("zfig"), QStringLiteral("dessin")));
    write(QStringLiteral("fig0000.89i"), "x");

    state.demarrer(path(QStringLiteral("dessin.89i")));
    EXPECT_TRUE(dialogs.messages.empty()) << messageTexts().join(u'\n').toStdString();
    QImage expected = solid(160, 100, 0xFFFFFFFF);
    for (int i = 0; i < 20; ++i)
        expected.setPixel(i * 3, i, 0xFF000000);
    EXPECT_TRUE(sameImage(expected, state.picture2.image()));
    EXPECT_EQ(state.largeur, 64);
    EXPECT_EQ(state.hauteur, 20);
    EXPECT_EQ(state.fich, QStringLiteral("fig0001"));
    EXPECT_EQ(state.text1, QStringLiteral("fig0001"));
    // "Sauver sous" gives the same file back.
    ASSERT_TRUE(state.ecrireImageAjustee(path(QStringLiteral("copie.89i")), QStringLiteral("zfig"),
                                         QStringLiteral("dessin"), false));
    EXPECT_EQ(bytes(QStringLiteral("copie.89i")), bytes(QStringLiteral("dessin.89i")));

    // One that cannot be read is reported; the program starts on a blank picture.
    ConversionState other;
    other.setCheminAppli(dir.path());
    other.demarrer(path(QStringLiteral("absent.89i")));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Exclamation);
    EXPECT_TRUE(sameImage(solid(160, 100, 0xFFFFFFFF), other.picture2.image()));
    EXPECT_EQ(other.fich, QStringLiteral("fig0001"));
}
