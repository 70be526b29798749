#include "recordingdialogs.h"

void RecordingDialogs::message(const QString &text, Icon icon)
{
    messages.push_back({text, icon});
}

std::optional<QString> RecordingDialogs::chooseFile(QWidget *, const QList<Filter> &filters,
                                                    const QString &initialFolder,
                                                    const QString &title)
{
    fileRequests.push_back({filters, initialFolder, title});
    if (answers.empty())
        return std::nullopt;
    const auto [chosen, path] = answers.front();
    answers.pop_front();
    if (!chosen)
        return std::nullopt;
    return path;
}

void RecordingDialogs::setTopmost(QWidget *window, bool topmost)
{
    topmostCalls.emplace_back(window, topmost);
}
