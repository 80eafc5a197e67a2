#pragma once

class QWidget;

// For the start-up benchmark: when the environment variable
// QM_REPORT_FIRST_PAINT names a file, the wall-clock time (nanoseconds since
// the epoch) at which the window has painted for the first time and the
// processor time the process had used by then (nanoseconds) are written
// there, on one line. Does nothing otherwise.
void ReportFirstPaint(QWidget *window);
