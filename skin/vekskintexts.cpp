#include "vekskintexts.h"

#include "dialogservices.h"

#include <QString>

void ShowRuleMessage(const char *text)
{
    DialogServices().MessageBox(QString::fromLatin1(text),
                                QString::fromLatin1(vekText::ErrorCaption),
                                TMessageBoxKind::ErrorOk);
}
