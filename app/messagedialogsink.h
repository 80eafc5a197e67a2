#pragma once

#include "messagesink.h"

class TvekMessageDialog;

// Where the main window's batch runs report: warnings and the completion
// message in the window's skinned message dialog, failures in the plain box.
class TMessageDialogSink : public MessageSink
{
public:
    explicit TMessageDialogSink(TvekMessageDialog &dialog) : FDialog(dialog) {}

    void ShowMessage(const std::string &text, MessageIcon icon,
                     const std::string &caption) override;
    void ShowPlainError(const std::string &text, const std::string &caption) override;

private:
    TvekMessageDialog &FDialog;
};
