#pragma once

#include <QString>

// The program's fixed message texts, each written once and used exactly as
// written (punctuation and spaces included). The engine's own messages (the
// empty list, the completion message, the file errors of a run) live with the
// batch run.

// The caption of the plain box for files and dialogs that fail.
inline const QString kErrorCaption = QStringLiteral("出错");
// The caption of the skinned message dialog's warnings.
inline const QString kWarningCaption = QStringLiteral("警告");
// The message dialog's caption and text as designed, before its first use.
inline const QString kMessageDialogCaption = QStringLiteral("提示");
inline const QString kMessageDialogText = QStringLiteral("Hello world!");

// The open-file dialog was cancelled or failed.
inline const QString kCannotOpenFile = QStringLiteral("不能打开文件!");
// The colour dialog was cancelled or failed.
inline const QString kCannotOpenColorDialog = QStringLiteral("不能打开颜色选择框!");
// The help could be opened by nothing on the desktop; its path follows.
inline const QString kCannotOpenHelp = QStringLiteral("不能打开帮助文件!");
// Delete was pressed with nothing selected.
inline const QString kSelectFilesToDelete = QStringLiteral("请先在列表框中选中要删除的文件！");

// The About box: five lines, the first indented by seven spaces, the third by ten.
inline const QString kAboutCaption = QStringLiteral("About");
inline const QString kAboutText = QStringLiteral("       Quorvel Marlune v1.10\n"
                                                 "\n"
                                                 "          by Quorvel Marlune 2005,8\n"
                                                 "\n"
                                                 "Email:  quorvel.marlune@example.org");
