#pragma once

#include "app/dialogs.h"

#include <deque>
#include <optional>

// Stands in for the real dialogs while it lives: records every message and
// answers file dialogs and questions from queues (an empty queue answers "cancelled").
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
    Answer ask(QWidget *, const QString &question) override
    {
        questions.push_back(question);
        const Answer answer = questionAnswers.empty() ? Answer::Cancel : questionAnswers.front();
        if (!questionAnswers.empty())
            questionAnswers.pop_front();
        return answer;
    }
    void setTopmost(QWidget *window, bool topmost) override { topmostCalls.emplace_back(window, topmost); }

    void answerNextFileDialog(const QString &path) { answers.push_back(path); }

    std::vector<Message> messages;
    std::vector<QString> initialFolders; // of the file dialogs asked for
    std::deque<std::optional<QString>> answers;
    QStringList questions;
    std::deque<Answer> questionAnswers;
    std::vector<std::pair<QWidget *, bool>> topmostCalls;
};
