// Sending a picture to a calculator: the link library's packets, read and answered
// by a calculator played at the end of the null cable.
#include "fakecalculator.h"

#include "link/picturesender.h"
#include "link/picturevariable.h"
#include "picfile/picturewriter.h"
#include "support/calc89i.h"
#include "support/files.h"
#include "support/imagediff.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

using namespace tilink;

namespace {

// A 160 x 100 picture saved as zfig\dessin, with the calculator installed.
class LinkTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        writeFile(path, picfile::encode(diagonal(160, 100), QSize(160, 100), QStringLiteral("zfig"), QStringLiteral("dessin")));
        use(FakeCalculator::Behaviour::Accept);
    }
    FakeCalculator &use(FakeCalculator::Behaviour behaviour)
    {
        calculator = std::make_unique<FakeCalculator>(behaviour);
        CableProvider::install(calculator.get());
        return *calculator;
    }
    void TearDown() override { CableProvider::install(nullptr); }
    bool send(Calculator model = Calculator::Ti89)
    {
        PictureSender sender(LinkSettings{Cable::Automatic, model, 2});
        QObject::connect(&sender, &PictureSender::progress, [this](int p) { percents << p; });
        return sender.send(path, &error);
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("dessin.89i"));
    std::unique_ptr<FakeCalculator> calculator;
    QString error;
    QList<int> percents;
};

} // namespace

// The variable is the file's bytes from the data length to the tag; a file that is
// no picture, holds none or is beyond what the link carries is refused.
TEST_F(LinkTest, TheFilesVariable)
{
    const auto variable = readPictureVariable(path);
    ASSERT_TRUE(variable && variable->fullName() == "zfig\\dessin" && variable->type == 0x10 && variable->data == readFile(path).mid(86, 2007));

    const std::pair<QByteArray, const char *> refused[] = {
        {QByteArray("not a picture at all, not even close to a calculator's picture file, no, no, no."), "n'est pas une image de calculatrice"},
        {file89i(0, 0, {}), "ne contient aucune image"},
        {file89i(200, 4096, QByteArray(102400, '\0')), "(4096 x 200 pixels) est trop grande"},
    };
    for (const auto &[bytes, message] : refused) {
        writeFile(path, bytes);
        QString why;
        EXPECT_TRUE(!readPictureVariable(path, &why) && why.contains(QString::fromUtf8(message))) << why.toStdString();
    }
}

// What each model receives: ready?, the request to send (size, picture type,
// folder\name), the computer's acknowledgement of the calculator's clear to send,
// the data (four zeros, then the file's variable bytes) and the end; every packet
// for the 68k calculators, every checksum right.
TEST_F(LinkTest, TheCalculatorReceivesTheFilesVariable)
{
    for (const Calculator model : {Calculator::Ti89, Calculator::Ti89Titanium, Calculator::Ti92Plus, Calculator::Voyage200}) {
        SCOPED_TRACE(int(model));
        use(FakeCalculator::Behaviour::Accept), percents.clear();
        ASSERT_TRUE(send(model)) << error.toStdString();
        const auto packets = calculator->packets();
        QList<int> commands;
        for (const auto &packet : packets) {
            commands << packet.command;
            EXPECT_TRUE(packet.machine == 0x08 && packet.checksumOk) << int(packet.command);
        }
        ASSERT_EQ(commands, (QList<int>{0x68, 0xC9, 0x56, 0x15, 0x92}));
        EXPECT_EQ(packets[1].data, QByteArray("\xd7\x07\x00\x00\x10\x0bzfig\\dessin\x00", 18));
        EXPECT_EQ(packets[3].data, QByteArray(4, '\0') + readFile(path).mid(86, 2007));
        EXPECT_TRUE(std::ranges::is_sorted(percents) && percents.size() > 2 && percents.back() == 100);
    }
}

// Each failure ends with its message within the cable's timeout (0.2 s here, for
// each of a few waits), however the calculator fails.
TEST_F(LinkTest, FailuresEndWithTheirMessage)
{
    using B = FakeCalculator::Behaviour;
    const std::pair<B, const char *> cases[] = {
        {B::Silent, "La calculatrice ne répond pas : vérifiez qu'elle est allumée"},
        {B::Busy, "La calculatrice est occupée : revenez à son écran d'accueil (HOME)"},
        {B::RefuseArchived, "une variable zfig\\dessin archivée ou verrouillée y porte déjà ce nom"},
        {B::RefuseOther, "refusé l'image zfig\\dessin : sa mémoire est pleine, ou une variable"},
        {B::CutDuringData, "Le transfert a été interrompu"},
        {B::NoPermission, "groupe plugdev"},
    };
    for (const auto &[behaviour, message] : cases) {
        SCOPED_TRACE(message);
        use(behaviour);
        QElapsedTimer time;
        time.start();
        EXPECT_TRUE(!send() && time.elapsed() < 2000 && error.contains(QString::fromUtf8(message))) << error.toStdString();
    }
}
