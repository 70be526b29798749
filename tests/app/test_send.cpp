// Sending from the window: the work picture and the viewer's file reach the
// calculator played at the end of the null cable; a failure is said and changes nothing.
#include "mainpaneltest.h"

#include "app/calculatortransfer.h"
#include "app/linkdialog.h"
#include "app/viewer.h"
#include "fakecalculator.h"
#include "picfile/picturewriter.h"

namespace {

class SendTest : public MainPanelTest
{
protected:
    void SetUp() override { tilink::CableProvider::install(&calculator); }
    void TearDown() override { tilink::CableProvider::install(nullptr); }
    // The window's event loop runs while the picture goes.
    void waitForSend() { ASSERT_TRUE(QTest::qWaitFor([this] { return !f->calculatorTransfer()->isRunning(); }, 5000)); }
    QByteArray dataSent() const { return calculator.packets().value(3).data.mid(4); }

    FakeCalculator calculator;
};

// BRIVANE_SCREENSHOT_DIR set: the window with its progress dialog, as transfer.png.
void saveScreenshot(QWidget *window, QWidget *dialog)
{
    QPixmap shot = window->grab();
    QPainter(&shot).drawPixmap(dialog->frameGeometry().topLeft() - window->frameGeometry().topLeft(), dialog->grab());
    shot.save(qEnvironmentVariable("BRIVANE_SCREENSHOT_DIR") + QStringLiteral("/transfer.png"));
}

} // namespace

// Ctrl+Shift+E: the bytes "Sauver sous" writes under the suggested name, a progress
// dialog meanwhile, the window's picture unmodified and no file left behind.
TEST_F(SendTest, TheWorkPictureAsSaveAsWritesIt)
{
    const bool screenshot = qEnvironmentVariableIsSet("BRIVANE_SCREENSHOT_DIR");
    calculator.chunkDelayMs = screenshot ? 150 : 10;
    openWith(halfBlack(320, 200));
    const bool modified = f->history.isModified();
    press(Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    QProgressDialog *progress = f->calculatorTransfer()->progressDialog();
    ASSERT_TRUE(progress && progress->isVisible() && progress->windowModality() == Qt::WindowModal);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !progress || progress->value() >= 40; }, 5000)); // responsive meanwhile
    if (screenshot && progress)
        saveScreenshot(mainWindow.get(), progress);
    waitForSend();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text == QStringLiteral("Image envoyée à la calculatrice")
                && calculator.packets().value(1).data.mid(6, 12) == QByteArray("zfig\\source\0", 12)) << dialogs.messages[0].text.toStdString();
    EXPECT_TRUE(f->history.isModified() == modified && listing(folder.path()) == QStringList{QStringLiteral("source.png")});

    dialogs.answerNextFileDialog(folder.filePath(QStringLiteral("source.89i")));
    ASSERT_TRUE(f->saveAs());
    EXPECT_EQ(dataSent(), readFile(folder.filePath(QStringLiteral("source.89i"))).mid(86, 2007));
}

// A calculator that does not answer: its message within the short timeout, the
// picture and the folder as they were. Annuler stops a send without a message.
TEST_F(SendTest, FailureAndCancel)
{
    openWith(halfBlack(320, 200));
    const int black = blackCount();
    calculator.reset(FakeCalculator::Behaviour::Silent);
    f->calculatorTransfer()->timeoutTenths = 2;
    menus().sendToCalculator->trigger();
    waitForSend();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(QStringLiteral("La calculatrice ne répond pas"))
                && dialogs.messages[0].icon == Dialogs::Icon::Exclamation) << dialogs.messages[0].text.toStdString();
    EXPECT_TRUE(blackCount() == black && listing(folder.path()) == QStringList{QStringLiteral("source.png")});

    calculator.reset(FakeCalculator::Behaviour::Accept);
    calculator.chunkDelayMs = 30;
    f->sendToCalculator();
    QProgressDialog *progress = f->calculatorTransfer()->progressDialog();
    ASSERT_TRUE(QTest::qWaitFor([&] { return progress->value() >= 20; }, 5000));
    click(progress->findChild<QPushButton *>());
    waitForSend();
    EXPECT_TRUE(dialogs.messages.size() == 1u && calculator.packets().size() == 3); // no message; the data never ended
}

// The viewer's button sends the selected file as it is.
TEST_F(SendTest, TheViewersFile)
{
    openWith(halfBlack(320, 200));
    const QString file = folder.filePath(QStringLiteral("croquis.89i"));
    writeFile(file, picfile::encode(diagonal(160, 100), QSize(160, 100), QStringLiteral("main"), QStringLiteral("croquis")));
    bool sent = false;
    QTimer::singleShot(0, [&] {
        Viewer *v = f->viewer();
        v->setFolder(folder.path());
        EXPECT_FALSE(v->sendButton->isEnabled());
        v->fileList->setCurrentRow(0);
        click(v->sendButton);
        waitForSend();
        sent = true;
        v->hide();
    });
    click(f->commandButtons[MainPanel::ViewerCommand]);
    ASSERT_TRUE(sent);
    EXPECT_TRUE(dataSent() == readFile(file).mid(86, 2007) && calculator.packets().value(1).data.mid(6, 13) == QByteArray("main\\croquis\0", 13));
}

// "Liaison": the choice is kept and shown the next time.
TEST_F(SendTest, TheLinkDialogRemembers)
{
    LinkDialog first;
    first.cableList->setCurrentIndex(1);
    first.calculatorList->setCurrentIndex(3);
    first.accept();
    LinkDialog second;
    EXPECT_EQ(second.cableList->currentText() + second.calculatorList->currentText(), QStringLiteral("SilverLink (câble USB gris)Voyage 200"));
}
