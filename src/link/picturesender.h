#pragma once

#include "link/linksettings.h"

#include <QObject>
#include <QString>

#include <atomic>

namespace tilink {

// Sends the picture variable of a .89i file to a calculator over the link cable,
// with the TI link libraries: the folder\name, the type and the bytes exactly as
// the file holds them. Every failure becomes a French message; every wait of the
// cable is bounded by the settings' timeout, so a send always ends.
class PictureSender : public QObject
{
    Q_OBJECT

public:
    explicit PictureSender(const LinkSettings &settings, QObject *parent = nullptr);

    // Blocks until the calculator has the picture, or the send failed or was
    // cancelled: run it off the interface thread. False and the reason in *error.
    bool send(const QString &path, QString *error = nullptr);
    // From any thread: the send stops at its next exchange with the cable.
    void cancel() { m_cancelled = true; }
    bool isCancelled() const { return m_cancelled; }

    // The message of a failed send (no answer, cut, refused, ...), for the
    // libraries' error number; bytesReceived: what the calculator had said before.
    static QString failureMessage(int libraryError, qint64 bytesReceived, const QByteArray &variableName);

signals:
    // How much of the picture went, from 0 to 100; emitted from the sending thread.
    void progress(int percent);

private:
    friend struct SendSession;

    LinkSettings m_settings;
    std::atomic<bool> m_cancelled = false;
};

} // namespace tilink
