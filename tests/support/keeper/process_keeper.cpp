// The process keeper: runs one program for a test fixture (socat, cupsd) and
// ends it, with everything it has started, when the test program ends, however
// that happens (a crash, an abort, SIGKILL, a time limit).
//
//   parvix_process_keeper PROGRAM [ARGUMENT...]
//
// The test holds the write end of the keeper's standard input; the system
// closes it when the test's process ends, whichever of its threads started the
// keeper, and the keeper reads the end of its input. The keeper also ends the
// program on SIGTERM, SIGINT or SIGHUP (the fixture's own stop) and when the
// program ends by itself, and it exits with the program's status.
//
// The keeper is a child subreaper: whatever the program started and left
// behind is handed to the keeper rather than to init. That matters for cupsd,
// which runs each backend and filter in a process group of its own, out of
// reach of a kill of cupsd's group or of a death signal on cupsd alone. Should
// the keeper itself be killed, the program dies with it.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/signalfd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "support/proc_table.h"

namespace {

// Kills every process below the keeper and collects them; a process's own
// children come to the keeper as it dies, so this goes round until none is
// left. Keeps the program's status in `status` if it was not known yet.
void EndAll(pid_t program, int* status) {
  for (;;) {
    std::vector<pid_t> children;
    for (const parvix::testing::ProcEntry& entry : parvix::testing::ReadProcTable()) {
      if (entry.parent == getpid()) children.push_back(entry.pid);
    }
    if (children.empty()) return;
    for (pid_t child : children) kill(child, SIGKILL);
    for (pid_t child : children) {
      int ended = 0;
      if (waitpid(child, &ended, 0) == program && *status < 0) *status = ended;
    }
  }
}

// Collects whatever has ended below the keeper without waiting; keeps the
// program's status in `status` when it is among them.
void CollectEnded(pid_t program, int* status) {
  int ended = 0;
  for (pid_t pid; (pid = waitpid(-1, &ended, WNOHANG)) > 0;) {
    if (pid == program) *status = ended;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s PROGRAM [ARGUMENT...]\n", argv[0]);
    return 2;
  }
  prctl(PR_SET_CHILD_SUBREAPER, 1);
  sigset_t watched, before;
  sigemptyset(&watched);
  for (int signal : {SIGCHLD, SIGTERM, SIGINT, SIGHUP}) sigaddset(&watched, signal);
  sigprocmask(SIG_BLOCK, &watched, &before);
  const int signals = signalfd(-1, &watched, SFD_CLOEXEC);
  if (signals < 0) {
    std::perror("signalfd");
    return 127;
  }

  const pid_t keeper = getpid();
  const pid_t program = fork();
  if (program < 0) {
    std::perror("fork");
    return 127;
  }
  if (program == 0) {
    // The keeper is single-threaded, so the death signal follows the keeper
    // itself; if it died before prctl took hold, this is init's child now.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != keeper) _exit(127);
    sigprocmask(SIG_SETMASK, &before, nullptr);
    const int nothing = open("/dev/null", O_RDONLY);
    if (nothing > STDIN_FILENO) {
      dup2(nothing, STDIN_FILENO);
      close(nothing);
    }
    execvp(argv[1], argv + 1);
    std::fprintf(stderr, "%s: cannot run %s: %s\n", argv[0], argv[1], std::strerror(errno));
    _exit(127);
  }

  int status = -1;
  while (status < 0) {
    pollfd watch[2] = {{STDIN_FILENO, POLLIN, 0}, {signals, POLLIN, 0}};
    if (poll(watch, 2, -1) < 0) break;
    if (watch[0].revents != 0) {
      char discarded[256];
      if (read(STDIN_FILENO, discarded, sizeof discarded) <= 0) break;  // the test has ended
    }
    if (watch[1].revents != 0) {
      signalfd_siginfo info{};
      if (read(signals, &info, sizeof info) == sizeof info && info.ssi_signo != SIGCHLD) break;
    }
    CollectEnded(program, &status);
  }
  EndAll(program, &status);
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : 127;
}
