#include "tests/program_run.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>

namespace {

void drain(int& fd, std::string& into) {
  char buf[65536];
  const ssize_t n = ::read(fd, buf, sizeof buf);
  if (n > 0) {
    into.append(buf, static_cast<size_t>(n));
  } else if (n == 0 || (errno != EINTR && errno != EAGAIN)) {
    ::close(fd);
    fd = -1;
  }
}

}  // namespace

double monotonicSeconds() {
  struct timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return ts.tv_sec + ts.tv_nsec / 1e9;
}

size_t occurrences(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

const char* programPath() { return QUIZMORA_BINARY; }

ProgramRun runAdmin(const ScratchDir& dir, const std::vector<std::string>& arguments, const std::string& input) {
  RunSetup setup;
  setup.program = QUIZMORA_ADMIN_BINARY;
  setup.arguments = arguments;
  return runProgram(dir, input, 60, setup);
}

ProgramRun runProgram(const ScratchDir& dir, const std::string& input, double timeoutSeconds, const RunSetup& setup) {
  const char* program = setup.program ? setup.program : programPath();
  std::vector<char*> argv{const_cast<char*>(program)};
  for (const std::string& a : setup.arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  int in[2], out[2], err[2];
  if (::pipe(in) || ::pipe(out) || ::pipe(err)) return {};
  ::signal(SIGPIPE, SIG_IGN);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(in[0], 0);
    ::dup2(out[1], 1);
    ::dup2(err[1], 2);
    for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) ::close(fd);
    if (::chdir(dir.path().c_str()) != 0) ::_exit(127);
    for (const std::string& entry : setup.environment) ::putenv(const_cast<char*>(entry.c_str()));
    if (setup.fileSizeLimit >= 0) {
      // An ignored SIGXFSZ stays ignored across exec, so a write beyond the
      // limit fails with EFBIG instead of killing the program.
      ::signal(SIGXFSZ, SIG_IGN);
      const rlim_t limit = static_cast<rlim_t>(setup.fileSizeLimit);
      const struct rlimit rl = {limit, limit};
      ::setrlimit(RLIMIT_FSIZE, &rl);
    }
    ::execv(program, argv.data());
    ::_exit(127);
  }
  ::close(in[0]);
  ::close(out[1]);
  ::close(err[1]);
  int to_child = in[1], from_out = out[0], from_err = err[0];
  ::fcntl(to_child, F_SETFL, O_NONBLOCK);
  size_t written = 0;
  if (input.empty()) {
    ::close(to_child);
    to_child = -1;
  }

  ProgramRun run;
  const double deadline = monotonicSeconds() + timeoutSeconds;
  while (from_out >= 0 || from_err >= 0) {
    if (monotonicSeconds() > deadline) {
      run.timedOut = true;
      ::kill(pid, SIGKILL);
      break;
    }
    struct pollfd fds[3] = {{from_out, POLLIN, 0}, {from_err, POLLIN, 0}, {to_child, POLLOUT, 0}};
    if (::poll(fds, 3, 100) < 0 && errno != EINTR) break;
    if (fds[0].revents) drain(from_out, run.out);
    if (fds[1].revents) drain(from_err, run.err);
    if (to_child >= 0 && fds[2].revents) {
      const ssize_t n = ::write(to_child, input.data() + written, input.size() - written);
      if (n > 0) written += static_cast<size_t>(n);
      if (written == input.size() || (n < 0 && errno != EAGAIN && errno != EINTR)) {
        ::close(to_child);
        to_child = -1;
      }
    }
  }
  for (int fd : {to_child, from_out, from_err}) {
    if (fd >= 0) ::close(fd);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (WIFEXITED(status)) run.status = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) run.signal = WTERMSIG(status);
  return run;
}
