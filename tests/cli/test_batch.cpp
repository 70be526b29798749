#include "cli/batch.h"
#include "cli/commandrunner.h"
#include "support/files.h"
#include "support/imagediff.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QMap>
#include <QMutex>
#include <QTemporaryDir>
#include <QThread>

#include <numeric>

namespace {

// Everything a run leaves: status, both streams and every calculator file by its path.
struct Outcome
{
    int status = -1;
    QString out;
    QString err;
    QMap<QString, QByteArray> files;
};

} // namespace

// Workers finish out of order (a large photo first, small pictures after it), yet
// four at a time gives the same files, bytes, messages and status as one at a time:
// automatic names, a source written earlier by the same run, a damaged picture,
// failures, and name clashes in an output folder.
// Results come in the order of the items, each once; no item starts 2 x workers
// or more ahead of the one taken, however slow take() is; at most the workers
// (and the waiting thread, which may run an item no worker has started) run at once.
TEST(Batch, InOrderWithinABoundedWindow)
{
    for (const int workers : {1, 2, 3, 8}) {
        SCOPED_TRACE(workers);
        QMutex mutex;
        qsizetype taken = 0, furthest = 0; // furthest: the most an item started ahead of take()
        int running = 0, mostRunning = 0;
        QList<qsizetype> order, expected(40);
        std::iota(expected.begin(), expected.end(), 0);
        runInOrder(expected.size(), workers, [&](qsizetype i) {
            {
                const QMutexLocker lock(&mutex);
                furthest = std::max(furthest, i - taken);
                mostRunning = std::max(mostRunning, ++running);
            }
            QThread::usleep((i * 7919) % 3000); // finishing out of order
            const QMutexLocker lock(&mutex);
            --running;
            return i * i;
        }, [&](qsizetype i, qsizetype result) {
            EXPECT_EQ(result, i * i);
            order << i;
            if (i % 10 == 0)
                QThread::msleep(20); // the workers catch up and wait
            const QMutexLocker lock(&mutex);
            taken = i + 1;
        });
        EXPECT_EQ(order, expected);
        EXPECT_LT(furthest, 2 * workers);
        EXPECT_LE(mostRunning, workers == 1 ? 1 : workers + 1);
    }
}

TEST(CommandLineTasks, ConvertsSeveralAtOnceExactlyAsOneAtATime)
{
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    const QStringList sources{
        QStringLiteral("grande.jpg"), QStringLiteral("a.png"),     QStringLiteral("fig0001.89i"),
        QStringLiteral("abimee.jpg"), QStringLiteral("sub/a.jpg"), QStringLiteral("texte.jpg"),
        QStringLiteral("b.bmp"),      QStringLiteral("absente.png"), QStringLiteral("c.jpg"),
        QStringLiteral("a.png"),      QStringLiteral("d.png"),     QStringLiteral("e.jpg")};
    Outcome outcomes[2];
    const char *tasks[2] = {"1", "4"};
    for (int k = 0; k < 2; ++k) {
        SCOPED_TRACE(tasks[k]);
        const QDir d(dir.filePath(QString::fromLatin1(tasks[k])));
        ASSERT_TRUE(d.mkpath(QStringLiteral("sub")) && d.mkpath(QStringLiteral("sortie")));
        ASSERT_TRUE(photo(1600, 1200).save(d.filePath(QStringLiteral("grande.jpg"))));
        ASSERT_TRUE(photo(300, 200).save(d.filePath(QStringLiteral("a.png"))));
        ASSERT_TRUE(photo(200, 300).save(d.filePath(QStringLiteral("sub/a.jpg"))));
        ASSERT_TRUE(photo(90, 60).save(d.filePath(QStringLiteral("b.bmp"))));
        ASSERT_TRUE(photo(2000, 90).save(d.filePath(QStringLiteral("c.jpg"))));
        ASSERT_TRUE(photo(1, 1).save(d.filePath(QStringLiteral("d.png"))));
        ASSERT_TRUE(photo(800, 600).save(d.filePath(QStringLiteral("e.jpg"))));
        const QByteArray jpeg = readFile(d.filePath(QStringLiteral("grande.jpg")));
        writeFile(d.filePath(QStringLiteral("abimee.jpg")), jpeg.left(jpeg.size() / 3));
        writeFile(d.filePath(QStringLiteral("texte.jpg")), "pas une image");
        ASSERT_TRUE(QDir::setCurrent(d.path()));

        Outcome &o = outcomes[k];
        const QStringList j{QStringLiteral("convertir"), QStringLiteral("-j"), QString::fromLatin1(tasks[k])};
        const CommandRun automatic = runCommandLine(j + sources);
        const CommandRun folder = runCommandLine(j + QStringList{QStringLiteral("-o"), QStringLiteral("sortie")} + sources);
        o.status = automatic.status * 10 + folder.status;
        o.out = QString(automatic.out + folder.out).replace(d.path(), QStringLiteral("D"));
        o.err = QString(automatic.err + folder.err).replace(d.path(), QStringLiteral("D"));
        for (QDirIterator it(d.path(), {QStringLiteral("*.89i")}, QDir::Files, QDirIterator::Subdirectories);
             it.hasNext();) {
            const QString file = it.next();
            o.files[d.relativeFilePath(file)] = readFile(file);
        }
    }
    QDir::setCurrent(before);
    EXPECT_EQ(outcomes[0].status, 11);
    EXPECT_TRUE(outcomes[0].err.contains(QStringLiteral("abîmée")));
    EXPECT_TRUE(outcomes[0].err.contains(QStringLiteral("a déjà été écrit")));
    EXPECT_TRUE(outcomes[0].files.contains(QStringLiteral("sortie/fig0001.89i")));
    EXPECT_EQ(outcomes[1].status, outcomes[0].status);
    EXPECT_EQ(outcomes[1].out, outcomes[0].out);
    EXPECT_EQ(outcomes[1].err, outcomes[0].err);
    EXPECT_EQ(outcomes[1].files.keys(), outcomes[0].files.keys());
    EXPECT_TRUE(outcomes[1].files == outcomes[0].files);
}
