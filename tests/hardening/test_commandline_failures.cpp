#include "systeme.h"

#include "app/commandline.h"
#include "picfile/lib89i.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

// The converter's two commands writing into a folder that holds earlier results.
class CommandLineFailures : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        out = dir.filePath(QStringLiteral("sorties"));
        ASSERT_TRUE(QDir().mkpath(out));
        Surface picture(160, 100);
        for (int i = 0; i < 100; ++i)
            picture.setPixel(i, i, kNoir);
        calculator = dir.filePath(QStringLiteral("dessin.89i"));
        writeFile(calculator, lib89i::encode89i(picture, 100, 160, QStringLiteral("zfig"),
                                                QStringLiteral("dessin")));
        source = dir.filePath(QStringLiteral("photo.png"));
        QImage photo(300, 200, QImage::Format_RGB32);
        photo.fill(Qt::white);
        ASSERT_TRUE(photo.save(source));
        writeFile(out + QStringLiteral("/ancien.png"), "ancien png");
        writeFile(out + QStringLiteral("/ancien.89i"), "ancien 89i");
    }

    int run(const QStringList &arguments)
    {
        stdOut.clear();
        stdErr.clear();
        QTextStream o(&stdOut);
        QTextStream e(&stdErr);
        return CommandLine(o, e).run(QStringList{QStringLiteral("brivane")} + arguments);
    }

    // Both commands fail onto the earlier results, in French, and leave them.
    void expectBothFail(const QString &reason)
    {
        const QStringList before = QDir(out).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        const QString png = out + QStringLiteral("/ancien.png");
        const QString file = out + QStringLiteral("/ancien.89i");
        const QStringList runs[] = {
            {QStringLiteral("exporter"), calculator, png},
            {QStringLiteral("convertir"), QStringLiteral("-o"), file, source},
            {QStringLiteral("convertir"), QStringLiteral("-o"), file, calculator},
        };
        for (const QStringList &arguments : runs) {
            SCOPED_TRACE(arguments.join(u' ').toStdString());
            EXPECT_EQ(run(arguments), CommandLine::FileFailure);
            EXPECT_TRUE(stdErr.startsWith(QStringLiteral("Impossible d'enregistrer le fichier")))
                << stdErr.toStdString();
            EXPECT_TRUE(stdErr.contains(reason)) << stdErr.toStdString();
            EXPECT_TRUE(stdOut.isEmpty());
        }
        EXPECT_EQ(readFile(png), QByteArray("ancien png"));
        EXPECT_EQ(readFile(file), QByteArray("ancien 89i"));
        EXPECT_EQ(QDir(out).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
    }

    // The next runs write as usual.
    void expectBothWork()
    {
        EXPECT_EQ(run({QStringLiteral("exporter"), calculator, out + QStringLiteral("/ancien.png")}),
                  CommandLine::Success)
            << stdErr.toStdString();
        EXPECT_EQ(QImage(out + QStringLiteral("/ancien.png")).size(), QSize(160, 100));
        EXPECT_EQ(run({QStringLiteral("convertir"), QStringLiteral("-o"), out + QStringLiteral("/ancien.89i"),
                       source}),
                  CommandLine::Success)
            << stdErr.toStdString();
        EXPECT_EQ(readFile(out + QStringLiteral("/ancien.89i")).size(), 2095);
    }

    QTemporaryDir dir;
    QString out;
    QString calculator;
    QString source;
    QString stdOut;
    QString stdErr;
};

} // namespace

TEST_F(CommandLineFailures, ReadOnlyFolder)
{
    ASSERT_TRUE(QFile::setPermissions(out, QFile::ReadOwner | QFile::ExeOwner));
    {
        const PermissionsApply permissions;
        if (canCreateIn(out)) {
            QFile::setPermissions(out, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            GTEST_SKIP() << "file permissions do not apply to this process";
        }
        expectBothFail(QStringLiteral("accès refusé"));
    }
    ASSERT_TRUE(QFile::setPermissions(out, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    expectBothWork();
}

TEST_F(CommandLineFailures, FullDisk)
{
    {
        const FileSizeLimit limit(50);
        ASSERT_TRUE(limit.active());
        expectBothFail(QStringLiteral("le fichier dépasse la taille permise"));
    }
    expectBothWork();
}

TEST_F(CommandLineFailures, TargetIsAFolder)
{
    ASSERT_TRUE(QDir(out).mkdir(QStringLiteral("image.png")));
    EXPECT_EQ(run({QStringLiteral("exporter"), calculator, out + QStringLiteral("/image.png")}),
              CommandLine::FileFailure);
    EXPECT_TRUE(stdErr.contains(QStringLiteral("un dossier porte ce nom"))) << stdErr.toStdString();
    EXPECT_TRUE(QFileInfo(out + QStringLiteral("/image.png")).isDir());
    expectBothWork();
}

// A JPEG cut short is converted as far as it could be read, with the remark on the
// error stream and a success status.
TEST_F(CommandLineFailures, TruncatedJpegIsConvertedWithARemark)
{
    QImage photo(320, 200, QImage::Format_RGB32);
    photo.fill(Qt::white);
    QByteArray jpeg;
    {
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(photo.save(&buffer, "jpg"));
    }
    const QString cut = dir.filePath(QStringLiteral("coupee.jpg"));
    writeFile(cut, jpeg.left(jpeg.size() / 2));
    const QString target = out + QStringLiteral("/coupee.89i");
    EXPECT_EQ(run({QStringLiteral("convertir"), QStringLiteral("-o"), target, cut}), CommandLine::Success);
    EXPECT_TRUE(stdErr.contains(QStringLiteral("coupee.jpg"))) << stdErr.toStdString();
    EXPECT_TRUE(stdErr.contains(QStringLiteral("abîmée ou incomplète"))) << stdErr.toStdString();
    EXPECT_EQ(readFile(target).size(), 2095);
}

// The program itself under a file-size limit (ulimit -f), with the signal that
// would end it left as the system sets it: the write fails and is reported like a
// full disk, and the old file stays.
TEST_F(CommandLineFailures, ProgramUnderAFileSizeLimitReportsTheFailure)
{
    const QString target = out + QStringLiteral("/ancien.89i");
    QProcess program;
    program.setChildProcessModifier([] {
        std::signal(SIGXFSZ, SIG_DFL);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 1000;
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    program.start(QStringLiteral(BRIVANE_EXECUTABLE),
                  {QStringLiteral("convertir"), QStringLiteral("-o"), target, source});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), CommandLine::FileFailure);
    const QString errors = QString::fromUtf8(program.readAllStandardError());
    EXPECT_TRUE(errors.contains(QStringLiteral("le fichier dépasse la taille permise"))) << errors.toStdString();
    EXPECT_EQ(readFile(target), QByteArray("ancien 89i"));
}
