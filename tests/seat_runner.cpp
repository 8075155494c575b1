#include "tests/seat_runner.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "tests/program_run.h"

namespace {

void start(Seat& seat, const std::string& dir) {
  const std::string& folder = seat.dir.empty() ? dir : seat.dir;
  int in[2], out[2], err[2];
  ASSERT_EQ(::pipe(in) | ::pipe(out) | ::pipe(err), 0);
  seat.pid = ::fork();
  if (seat.pid == 0) {
    ::dup2(in[0], 0);
    ::dup2(out[1], 1);
    ::dup2(err[1], 2);
    for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) ::close(fd);
    if (::chdir(folder.c_str()) != 0) ::_exit(127);
    ::execl(programPath(), programPath(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(in[0]);
  ::close(out[1]);
  ::close(err[1]);
  seat.in = in[1];
  seat.out = out[0];
  seat.err = err[0];
  seat.typed = monotonicSeconds();
}

void type(Seat& seat, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(seat.in, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;  // the program has ended
    done += static_cast<size_t>(n);
  }
}

// Types every reply whose text has appeared; ends the seat's input after
// its last step.
void advance(std::vector<Seat>& seats) {
  bool all_waiting = true;
  for (Seat& seat : seats) {
    while (seat.in >= 0 && seat.step < seat.steps.size()) {
      const Step& step = seat.steps[seat.step];
      size_t which = 0, at = std::string::npos;
      for (size_t i = 0; i < step.expect.size() && at == std::string::npos; ++i) {
        at = seat.screen.find(step.expect[i], seat.seen);
        which = i;
      }
      if (!step.expect.empty() && at == std::string::npos) break;
      if (step.pause > 0 && monotonicSeconds() < seat.typed + step.pause) break;
      if (step.barrier) {
        seat.waiting = true;
        break;
      }
      if (at != std::string::npos) seat.seen = at + step.expect[which].size();
      type(seat, step.reply(which));
      seat.typed = monotonicSeconds();
      ++seat.step;
    }
    if (seat.in >= 0 && seat.step == seat.steps.size()) {
      ::close(seat.in);
      seat.in = -1;
    }
    for (const Step& step : seat.steps) {
      if (step.barrier && !seat.waiting && seat.step < seat.steps.size()) all_waiting = false;
    }
  }
  if (!all_waiting) return;
  for (Seat& seat : seats) {
    if (!seat.waiting) continue;
    seat.waiting = false;
    seat.steps[seat.step].barrier = false;
  }
}

}  // namespace

void runSeats(std::vector<Seat>& seats, const std::string& dir, double timeoutSeconds) {
  ::signal(SIGPIPE, SIG_IGN);
  for (Seat& seat : seats) start(seat, dir);
  const double deadline = monotonicSeconds() + timeoutSeconds;
  for (;;) {
    advance(seats);
    std::vector<pollfd> fds;
    std::vector<std::string*> into;
    std::vector<int*> owner;
    for (Seat& seat : seats) {
      for (auto pair : {std::make_pair(&seat.out, &seat.screen), std::make_pair(&seat.err, &seat.errors)}) {
        if (*pair.first < 0) continue;
        fds.push_back({*pair.first, POLLIN, 0});
        into.push_back(pair.second);
        owner.push_back(pair.first);
      }
    }
    if (fds.empty()) break;
    if (monotonicSeconds() > deadline) {
      for (Seat& seat : seats) ::kill(seat.pid, SIGKILL);
      ADD_FAILURE() << "seats still running after " << timeoutSeconds << " s";
      break;
    }
    if (::poll(fds.data(), fds.size(), 10) < 0 && errno != EINTR) break;
    for (size_t i = 0; i < fds.size(); ++i) {
      if (!fds[i].revents) continue;
      char buf[65536];
      const ssize_t n = ::read(fds[i].fd, buf, sizeof buf);
      if (n > 0) {
        into[i]->append(buf, static_cast<size_t>(n));
      } else if (n == 0 || errno != EINTR) {
        ::close(fds[i].fd);
        *owner[i] = -1;
      }
    }
  }
  for (Seat& seat : seats) {
    if (seat.in >= 0) ::close(seat.in);
    int status = 0;
    ::waitpid(seat.pid, &status, 0);
    seat.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
}

Step typeAtOnce(const std::string& text) {
  return Step{{}, [text](size_t) { return text; }};
}

std::vector<Step> typeLineByLine(const std::string& text, double pause) {
  std::vector<Step> steps;
  for (size_t from = 0; from < text.size();) {
    const size_t end = std::min(text.find('\n', from), text.size() - 1) + 1;
    steps.push_back(typeAtOnce(text.substr(from, end - from)));
    steps.back().pause = pause;
    from = end;
  }
  return steps;
}
