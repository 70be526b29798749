#include "calculatortransfer.h"

#include "dialogs.h"
#include "link/picturesender.h"

#include <QProgressDialog>
#include <QTemporaryDir>
#include <QtConcurrent>

CalculatorTransfer::CalculatorTransfer(QObject *parent)
    : QObject(parent)
{
    connect(&m_watcher, &QFutureWatcher<bool>::finished, this, &CalculatorTransfer::done);
}

CalculatorTransfer::~CalculatorTransfer()
{
    if (isRunning()) {
        m_sender->cancel();
        m_watcher.waitForFinished();
    }
}

bool CalculatorTransfer::start(const QString &path, QWidget *owner, std::shared_ptr<QTemporaryDir> temporary)
{
    if (isRunning())
        return false;
    tilink::LinkSettings settings = tilink::LinkSettings::load();
    settings.timeoutTenths = timeoutTenths;
    m_sender = std::make_unique<tilink::PictureSender>(settings);
    m_temporary = std::move(temporary);
    m_error.clear();

    m_progress = new QProgressDialog(QStringLiteral("Envoi de l'image à la calculatrice..."),
                                     QStringLiteral("Annuler"), 0, 100, owner);
    m_progress->setWindowTitle(programTitle());
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    m_progress->setMinimumDuration(0);
    m_progress->setValue(0);
    // The sender reports from its thread: queued to this one.
    connect(m_sender.get(), &tilink::PictureSender::progress, m_progress, &QProgressDialog::setValue);
    connect(m_progress, &QProgressDialog::canceled, this, &CalculatorTransfer::cancel);
    m_progress->show();

    tilink::PictureSender *sender = m_sender.get();
    QString *error = &m_error;
    m_watcher.setFuture(QtConcurrent::run([sender, path, error] { return sender->send(path, error); }));
    return true;
}

void CalculatorTransfer::cancel()
{
    if (m_sender)
        m_sender->cancel();
}

void CalculatorTransfer::done()
{
    const bool sent = m_watcher.result();
    const bool cancelled = m_sender->isCancelled();
    if (m_progress)
        m_progress->deleteLater();
    m_sender.reset();
    m_temporary.reset();
    if (sent)
        Dialogs::current().message(QStringLiteral("Image envoyée à la calculatrice"), Dialogs::Icon::Information);
    else if (!cancelled)
        Dialogs::current().message(m_error, Dialogs::Icon::Exclamation);
    emit finished(sent);
}
