#pragma once

#include "morefont.h"
#include "scripteddialogservices.h"
#include "unit1.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

// The two windows as the program creates them, the dialog handed to the main
// window, with scripted dialog services and a folder for texts and pages.
class AppTest : public ::testing::Test
{
protected:
    AppTest() { form.SetTextSizeDialog(&morefont); }

    QString WriteText(const QString &name, const QByteArray &bytes) const
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            ADD_FAILURE() << "cannot write " << path.toStdString();
        return path;
    }

    static QByteArray ReadFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    ScriptedDialogServices dialogs;
    QTemporaryDir dir;
    TForm1 form;
    Tfm_morefont morefont;
};
