#pragma once

#include "platform/Dialogs.h"

#include <QStringList>
#include <deque>
#include <vector>

// Answers the organiser's dialogs from queues and records what it was asked.
class RecordingDriver : public platform::dialogs::Driver
{
public:
    RecordingDriver() { platform::dialogs::setDriver(this); }
    ~RecordingDriver() override { platform::dialogs::setDriver(nullptr); }

    void queueMessageAnswer(int button) { m_messageAnswers.push_back(button); }
    void queueFolder(const QString& folder) { m_folderAnswers.push_back(folder); }
    void queueSaveFile(const QString& path) { m_saveAnswers.push_back(path); }

    int answerMessage(const platform::dialogs::MessageRequest& request) override
    {
        messages.push_back(request);
        if (m_messageAnswers.empty())
            return platform::dialogs::Ok;
        int answer = m_messageAnswers.front();
        m_messageAnswers.pop_front();
        return answer;
    }
    QString answerFolder(const platform::dialogs::FolderRequest& request) override
    {
        folders.push_back(request);
        if (m_folderAnswers.empty())
            return QString();
        QString answer = m_folderAnswers.front();
        m_folderAnswers.pop_front();
        return answer;
    }
    QString answerSaveFile(const platform::dialogs::SaveFileRequest& request) override
    {
        saveRequests.push_back(request);
        if (m_saveAnswers.empty())
            return QString();
        QString answer = m_saveAnswers.front();
        m_saveAnswers.pop_front();
        return answer;
    }
    bool shellOpen(const platform::dialogs::ShellRequest& request) override
    {
        shellRequests.push_back(request);
        return true;
    }

    std::vector<platform::dialogs::MessageRequest> messages;
    std::vector<platform::dialogs::FolderRequest> folders;
    std::vector<platform::dialogs::ShellRequest> shellRequests;
    std::vector<platform::dialogs::SaveFileRequest> saveRequests;

private:
    std::deque<int> m_messageAnswers;
    std::deque<QString> m_folderAnswers;
    std::deque<QString> m_saveAnswers;
};
