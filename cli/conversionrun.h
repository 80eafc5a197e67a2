#pragma once

#include "commandline.h"
#include "messagesink.h"

class RunControl;

// Runs the conversion the command line asks for and reports to `sink`: each
// failure as one line (ShowPlainError), each page written or kept. Items are
// converted by line.Jobs workers at once; the pages and the reports are those
// of a run that takes the items one by one in list order: a page takes its
// place only when every earlier item is done (until then it waits, written
// in full, with no name), and without --keep-going the
// first failure in list order ends the run before any later page is in
// place. Returns the exit status: 0 all converted, 1 something failed.
// With a `control`, progress is reported there and a cancel request stops the
// run: the pages being written are discarded, those in place stay, and the
// control is marked cancelled if any item was left.
int RunConversion(const CommandLine &line, MessageSink &sink, RunControl *control = nullptr);
