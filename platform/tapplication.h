#pragma once

#include <QApplication>

// The application object: rounds the scale factors to whole numbers,
// substitutes the fonts the windows are designed with, gives Qt's own dialogs
// their Chinese texts, uses one fixed style for the parts the skin does not draw, and shows
// an exception that reaches the event loop instead of ending the program.
class TApplication : public QApplication
{
    Q_OBJECT

public:
    TApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
    // The standard exception display: the message in a plain box.
    static void ShowException(const QString &message);
};
