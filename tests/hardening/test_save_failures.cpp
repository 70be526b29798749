#include "systeme.h"

#include "convert/conversionstate.h"
#include "picfile/lib89i.h"
#include "support/recordingdialogs.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

const QString kConfirmation = QStringLiteral("Fichier enregistré");
const QString kWarning = QStringLiteral("Vous avez choisi d'utiliser des options complémentaires");

QStringList listing(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// A message of failure: French, naming the file, with the reason expected.
::testing::AssertionResult failureMessage(const RecordingDialogs::Message &m, const QString &file,
                                          const QString &reason)
{
    const auto fail = [&](const char *why) {
        return ::testing::AssertionFailure() << why << ": " << m.text.toStdString();
    };
    if (m.icon != Dialogs::Icon::Exclamation)
        return fail("not an exclamation");
    if (!m.text.startsWith(QStringLiteral("Impossible d'enregistrer le fichier")))
        return fail("not the French failure");
    if (!m.text.contains(file))
        return fail("does not name the file");
    if (!m.text.contains(reason))
        return fail("not the reason expected");
    for (const char *english : {"denied", "No such", "space", "too large", "Is a directory"})
        if (m.text.contains(QString::fromLatin1(english)))
            return fail("English shows through");
    return ::testing::AssertionSuccess();
}

// The program's folder and a converted picture, with the dialogs recorded.
class SaveFailures : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        folder = dir.filePath(QStringLiteral("programme"));
        ASSERT_TRUE(QDir().mkpath(folder));
        state.setCheminAppli(folder);
        QImage source(160, 100, QImage::Format_RGB32);
        source.fill(Qt::white);
        for (int i = 0; i < 100; ++i)
            source.setPixel(i, i, 0xFF000000u);
        state.importerImage(source);
        state.convertir();
        state.fich = state.text1 = QStringLiteral("fig0000");
        // A picture saved earlier, which no failure may touch.
        writeFile(file(QStringLiteral("photo.89i")), old);
    }

    QString file(const QString &name) const { return folder + u'/' + name; }

    // A failed save leaves the folder as it was, the names too.
    void expectNothingChanged(const QStringList &before)
    {
        EXPECT_EQ(listing(folder), before);
        EXPECT_EQ(readFile(file(QStringLiteral("photo.89i"))), old);
        EXPECT_EQ(state.fich, QStringLiteral("fig0000"));
        EXPECT_EQ(state.text1, QStringLiteral("fig0000"));
    }

    // The program goes on: both saves work again.
    void expectSavingWorks()
    {
        dialogs.messages.clear();
        state.sauverAutomatiquement();
        dialogs.answerNextFileDialog(file(QStringLiteral("photo")));
        state.sauverSous();
        ASSERT_EQ(dialogs.messages.size(), 2u);
        EXPECT_EQ(dialogs.messages[0].text, kConfirmation);
        EXPECT_EQ(dialogs.messages[1].text, kConfirmation);
        EXPECT_EQ(readFile(file(QStringLiteral("fig0000.89i"))),
                  lib89i::encode89i(state.picture2, 100, 160, QStringLiteral("zfig"), QStringLiteral("fig0000")));
        EXPECT_EQ(readFile(file(QStringLiteral("photo.89i"))).size(), 2095);
        EXPECT_EQ(state.fich, QStringLiteral("fig0001"));
    }

    const QByteArray old = QByteArray(5000, 'z');
    QTemporaryDir dir;
    QString folder;
    RecordingDialogs dialogs;
    ConversionState state;
};

} // namespace

// A folder where nothing may be written, also when the tests run as root.
TEST_F(SaveFailures, ReadOnlyFolder)
{
    const QStringList before = listing(folder);
    ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
                                                  | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
    {
        const PermissionsApply permissions;
        if (canCreateIn(folder)) {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            GTEST_SKIP() << "file permissions do not apply to this process";
        }
        state.sauverAutomatiquement();
        dialogs.answerNextFileDialog(file(QStringLiteral("photo.89i")));
        state.sauverSous();
    }
    ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(failureMessage(dialogs.messages[0], QStringLiteral("fig0000.89i"), QStringLiteral("accès refusé")));
    EXPECT_TRUE(failureMessage(dialogs.messages[1], QStringLiteral("photo.89i"), QStringLiteral("accès refusé")));
    expectNothingChanged(before);
    expectSavingWorks();
}

// A disk that fills up while the file is written: the new file does not fit.
TEST_F(SaveFailures, FullDisk)
{
    const QStringList before = listing(folder);
    {
        const FileSizeLimit limit(1000);
        ASSERT_TRUE(limit.active());
        state.sauverAutomatiquement();
        dialogs.answerNextFileDialog(file(QStringLiteral("photo.89i")));
        state.sauverSous();
        // Both save commands after a failure, the advanced options on.
        state.check1 = true;
        state.sauverAutomatiquement();
        state.check1 = false;
    }
    ASSERT_EQ(dialogs.messages.size(), 4u);
    const QString reason = QStringLiteral("le fichier dépasse la taille permise");
    EXPECT_TRUE(failureMessage(dialogs.messages[0], QStringLiteral("fig0000.89i"), reason));
    EXPECT_TRUE(failureMessage(dialogs.messages[1], QStringLiteral("photo.89i"), reason));
    EXPECT_EQ(dialogs.messages[2].text, kWarning);
    EXPECT_TRUE(failureMessage(dialogs.messages[3], QStringLiteral("fig0000.89i"), reason));
    expectNothingChanged(before);
    expectSavingWorks();
}

namespace {

// Deletes a folder when the advanced-options warning is shown: between the choice
// of the name and the write.
class VanishingDialogs : public RecordingDialogs
{
public:
    explicit VanishingDialogs(QString folder)
        : m_folder(std::move(folder))
    {
    }
    void message(const QString &text, Icon icon) override
    {
        RecordingDialogs::message(text, icon);
        if (text == kWarning)
            QDir(m_folder).removeRecursively();
    }

private:
    QString m_folder;
};

} // namespace

// The folder disappears after ProchainNumero chose the name, before the write.
TEST_F(SaveFailures, FolderVanishesBeforeTheWrite)
{
    {
        VanishingDialogs vanishing(folder);
        state.check1 = true;
        state.text1 = QStringLiteral("velo");
        state.sauverAutomatiquement();
        ASSERT_EQ(vanishing.messages.size(), 2u);
        EXPECT_EQ(vanishing.messages[0].text, kWarning);
        EXPECT_TRUE(failureMessage(vanishing.messages[1], QStringLiteral("fig0000.89i"),
                                   QStringLiteral("n'existe pas")));
        EXPECT_FALSE(QFileInfo::exists(folder));
        EXPECT_EQ(state.fich, QStringLiteral("fig0000"));
        EXPECT_EQ(state.text1, QStringLiteral("velo"));

        // The same for "Sauver sous", whose folder goes after the dialog.
        ASSERT_TRUE(QDir().mkpath(folder));
        vanishing.messages.clear();
        vanishing.answerNextFileDialog(file(QStringLiteral("photo")));
        state.sauverSous();
        ASSERT_EQ(vanishing.messages.size(), 2u);
        EXPECT_TRUE(failureMessage(vanishing.messages[1], QStringLiteral("photo.89i"),
                                   QStringLiteral("n'existe pas")));
        EXPECT_FALSE(QFileInfo::exists(folder));
    }
    // With the folder back, everything works.
    ASSERT_TRUE(QDir().mkpath(folder));
    writeFile(file(QStringLiteral("photo.89i")), old);
    RecordingDialogs recording;
    state.check1 = false;
    state.text1 = QStringLiteral("fig0000");
    state.sauverAutomatiquement();
    ASSERT_EQ(recording.messages.size(), 1u);
    EXPECT_EQ(recording.messages[0].text, kConfirmation);
    EXPECT_TRUE(QFileInfo(file(QStringLiteral("fig0000.89i"))).isFile());
}

// A folder under the name to write: reported, the folder and what it holds kept.
TEST_F(SaveFailures, TargetIsAFolder)
{
    for (const QString &name : {QStringLiteral("fig0000.89i"), QStringLiteral("dossier.89i")}) {
        ASSERT_TRUE(QDir(folder).mkdir(name));
        writeFile(file(name + QStringLiteral("/garde")), "garde");
    }
    const QStringList before = listing(folder);
    state.sauverAutomatiquement();
    dialogs.answerNextFileDialog(file(QStringLiteral("dossier")));
    state.sauverSous();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(failureMessage(dialogs.messages[0], QStringLiteral("fig0000.89i"),
                               QStringLiteral("un dossier porte ce nom")));
    EXPECT_TRUE(failureMessage(dialogs.messages[1], QStringLiteral("dossier.89i"),
                               QStringLiteral("un dossier porte ce nom")));
    expectNothingChanged(before);
    for (const QString &name : {QStringLiteral("fig0000.89i"), QStringLiteral("dossier.89i")}) {
        EXPECT_TRUE(QFileInfo(file(name)).isDir());
        EXPECT_EQ(readFile(file(name + QStringLiteral("/garde"))), QByteArray("garde"));
    }

    // The program goes on: a save under another name works.
    dialogs.messages.clear();
    dialogs.answerNextFileDialog(file(QStringLiteral("ailleurs")));
    state.sauverSous();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, kConfirmation);
    EXPECT_EQ(readFile(file(QStringLiteral("ailleurs.89i"))).size(), 2095);
}
