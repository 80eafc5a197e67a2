#pragma once

// The engine's fixed texts, as the window and txt2htm show them.

// Failures: the message, then the file's path.
inline constexpr char kCannotOpenText[] = "不能打开文件!";
inline constexpr char kCannotCreatePage[] = "不能新建文件!";
inline constexpr char kReadFailedText[] = "读取文件出错!";
inline constexpr char kWriteFailedText[] = "写入文件出错!";
inline constexpr char kErrorCaption[] = "出错";

// The run's end: an empty list, every page written, a cancelled run.
inline constexpr char kEmptyListText[] = "  列表框中没有任何文件！";
inline constexpr char kWarningCaption[] = "警告";
inline constexpr char kAllConvertedText[] = "列表框中所有txt文件已经成功转换！";
inline constexpr char kInformationCaption[] = "提示";
inline constexpr char kCancelledText[] = "转换已取消";
