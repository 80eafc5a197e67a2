#pragma once

#include "dialogservices.h"
#include "tform.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <optional>
#include <vector>

// Dialog services for tests: records every call and answers from queues, so
// no test waits in a modal loop. Installs itself for its lifetime.
//   ScriptedDialogServices dialogs;
//   dialogs.files.push_back(QStringList{"/tmp/a.txt"});   // next OpenFiles
//   dialogs.colors.push_back(std::nullopt);                // next ChooseColor: cancel
//   ... run the handler ...
//   EXPECT_EQ(dialogs.messages.size(), 1u);
// An empty queue answers "cancelled" (nullopt), mrOk for a message box and
// true for opening with the desktop.
class ScriptedDialogServices : public TDialogServices
{
public:
    struct Message
    {
        QString text;
        QString caption;
        TMessageBoxKind kind;
    };
    struct FileRequest
    {
        QString defaultExt;
        QString filter;
        QString fileName; // shown in the name field
    };

    ScriptedDialogServices() { SetDialogServices(this); }
    ~ScriptedDialogServices() override { SetDialogServices(nullptr); }
    ScriptedDialogServices(const ScriptedDialogServices &) = delete;
    ScriptedDialogServices &operator=(const ScriptedDialogServices &) = delete;

    // Answers, consumed front first.
    std::deque<std::optional<QStringList>> files;
    std::deque<std::optional<TColor>> colors;
    std::deque<int> messageAnswers;
    std::deque<bool> openAnswers;

    // What was asked.
    std::vector<FileRequest> fileRequests;
    std::vector<TColor> colorRequests; // the initial colour of each request
    std::vector<Message> messages;
    QStringList opened;

    std::optional<QStringList> OpenFiles(QWidget *, const QString &fileName,
                                         const QString &defaultExt, const QString &filter) override
    {
        fileRequests.push_back({defaultExt, filter, fileName});
        return Next(files, std::optional<QStringList>());
    }

    std::optional<TColor> ChooseColor(QWidget *, TColor initial) override
    {
        colorRequests.push_back(initial);
        return Next(colors, std::optional<TColor>());
    }

    int MessageBox(const QString &text, const QString &caption, TMessageBoxKind kind) override
    {
        messages.push_back({text, caption, kind});
        return Next(messageAnswers, int(mrOk));
    }

    bool OpenWithDesktop(const QString &fileOrUrl) override
    {
        opened << fileOrUrl;
        return Next(openAnswers, true);
    }

private:
    template <typename T> static T Next(std::deque<T> &queue, T fallback)
    {
        if (!queue.empty()) {
            fallback = std::move(queue.front());
            queue.pop_front();
        }
        return fallback;
    }
};
