#pragma once

#include <string>

enum class MessageIcon { Warning, Information };

// Where a batch run reports: the window shows its skinned message dialog and
// the plain error box, the command-line tool prints, the tests record.
class MessageSink
{
public:
    virtual ~MessageSink() = default;

    // A skinned message; returns when the user has closed it.
    virtual void ShowMessage(const std::string &text, MessageIcon icon,
                             const std::string &caption) = 0;
    // The plain error box: the message on the first line, the file's path on
    // the second.
    virtual void ShowPlainError(const std::string &text, const std::string &caption) = 0;
    // A page has been written in full. Nothing is shown by default.
    virtual void PageWritten(const std::string &pagePath) { (void)pagePath; }
    // An existing page has been left as it was (the command line's
    // --no-clobber). Nothing is shown by default.
    virtual void PageKept(const std::string &pagePath) { (void)pagePath; }
};
