#pragma once

#include "platform/dialogs.h"

#include <QStringList>

#include <deque>
#include <optional>

// Stands in for the real dialogs while it lives: records every message and
// answers file dialogs from a queue (an empty queue answers "cancelled").
class RecordingDialogs : public Dialogs
{
public:
    struct Message
    {
        QString text;
        Icon icon;
    };
    struct FileRequest
    {
        QList<Filter> filters;
        QString initialFolder;
        QString title;
    };

    RecordingDialogs() { Dialogs::install(this); }
    ~RecordingDialogs() override { Dialogs::install(nullptr); }
    RecordingDialogs(const RecordingDialogs &) = delete;
    RecordingDialogs &operator=(const RecordingDialogs &) = delete;

    void message(const QString &text, Icon icon) override;
    std::optional<QString> chooseFile(QWidget *owner, const QList<Filter> &filters,
                                      const QString &initialFolder, const QString &title) override;
    void setTopmost(QWidget *window, bool topmost) override;

    // The next file dialog answers this path, or is cancelled.
    void answerNextFileDialog(const QString &path) { answers.push_back({true, path}); }
    void cancelNextFileDialog() { answers.push_back({false, QString()}); }

    std::vector<Message> messages;
    std::vector<FileRequest> fileRequests;
    std::deque<std::pair<bool, QString>> answers; // (chosen, path)
    std::vector<std::pair<QWidget *, bool>> topmostCalls;
};
