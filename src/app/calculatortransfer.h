#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <QString>

#include <memory>

class QTemporaryDir;
class QWidget;

namespace tilink {
class PictureSender;
}

// A send to the calculator off the interface thread: a progress dialog with
// "Annuler" over the window that asked, the window kept responsive, and the outcome
// said through the Dialogs (nothing after a cancel). The cable and calculator are
// the "Liaison" dialog's choice.
class CalculatorTransfer : public QObject
{
    Q_OBJECT

public:
    explicit CalculatorTransfer(QObject *parent = nullptr);
    // A running send is cancelled and waited for (the cable's timeout at most).
    ~CalculatorTransfer() override;

    // Sends the .89i file; temporary, if any, goes once the send ends. False (and
    // nothing happens) while another send runs.
    bool start(const QString &path, QWidget *owner, std::shared_ptr<QTemporaryDir> temporary = {});
    bool isRunning() const { return m_sender != nullptr; }
    void cancel();
    // Shown while a send runs.
    QProgressDialog *progressDialog() const { return m_progress; }

    // How long the cable waits for each answer, in tenths of a second (tests shorten it).
    int timeoutTenths = 30;

signals:
    void finished(bool sent);

private:
    void done();

    std::unique_ptr<tilink::PictureSender> m_sender;
    QFutureWatcher<bool> m_watcher;
    QString m_error;
    QPointer<QProgressDialog> m_progress;
    std::shared_ptr<QTemporaryDir> m_temporary;
};
