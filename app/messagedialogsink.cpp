#include "messagedialogsink.h"

#include "dialogservices.h"
#include "vekdlg.h"

#include <QFile>

namespace {

// Texts hold the engine's UTF-8 messages and paths as the file system's bytes.
QString FromEngine(const std::string &text)
{
    return QFile::decodeName(QByteArray::fromStdString(text));
}

} // namespace

void TMessageDialogSink::ShowMessage(const std::string &text, MessageIcon icon,
                                     const std::string &caption)
{
    FDialog.SetText(FromEngine(text));
    FDialog.SetIconType(icon == MessageIcon::Warning ? TvekIconType::vekWarning
                                                     : TvekIconType::vekInformation);
    FDialog.SetCaption(FromEngine(caption));
    FDialog.ShowModal();
}

void TMessageDialogSink::ShowPlainError(const std::string &text, const std::string &caption)
{
    DialogServices().MessageBox(FromEngine(text), FromEngine(caption));
}
