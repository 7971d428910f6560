// The requests to stop the program that come as signals: SIGTERM (the
// session ends, or the program is killed), SIGINT (Ctrl+C in the terminal it
// was started from) and SIGHUP (that terminal closed). Each ends the event
// loop instead of the program where it stands, so that the program leaves
// through its ordinary path and cleans up behind it (a print job's spool
// file is removed with the job). No question is asked: nobody may be there
// to answer it.
#pragma once

namespace parvix::ui {

// Installs the handling, once, after the application object is made. The
// event loop ends with 128 plus the signal's number; the same signal a
// second time ends the program at once. A signal the program was started
// ignoring (nohup) stays ignored.
void QuitOnStopSignals();

}  // namespace parvix::ui
