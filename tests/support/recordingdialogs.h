#pragma once

#include "app/dialogs.h"

#include <deque>
#include <optional>

// Stands in for the real dialogs while it lives: records every message and
// answers file dialogs from a queue (an empty queue answers "cancelled").
class RecordingDialogs : public Dialogs
{
public:
    struct Message { QString text; Icon icon; QString detail; };

    RecordingDialogs() { Dialogs::install(this); }
    ~RecordingDialogs() override { Dialogs::install(nullptr); }

    void message(const QString &text, Icon icon, const QString &detail) override { messages.push_back({text, icon, detail}); }
    std::optional<QString> chooseFile(QWidget *, const QList<Filter> &, const QString &initialFolder, const QString &) override
    {
        initialFolders.push_back(initialFolder);
        const std::optional<QString> answer = answers.empty() ? std::nullopt : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer;
    }
    void setTopmost(QWidget *window, bool topmost) override { topmostCalls.emplace_back(window, topmost); }

    void answerNextFileDialog(const QString &path) { answers.push_back(path); }

    std::vector<Message> messages;
    std::vector<QString> initialFolders; // of the file dialogs asked for
    std::deque<std::optional<QString>> answers;
    std::vector<std::pair<QWidget *, bool>> topmostCalls;
};
