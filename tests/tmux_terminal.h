#ifndef QUIZMORA_TESTS_TMUX_TERMINAL_H_
#define QUIZMORA_TESTS_TMUX_TERMINAL_H_

#include <string>

// A real pseudo-terminal for end-to-end tests: a private tmux server (its
// own -L socket, no user configuration) with one window running a shell
// command. The server and everything in it are killed when the object goes
// out of scope.
class TmuxTerminal {
 public:
  // Starts `command` (run by /bin/sh) in `dir` in a window of cols x rows.
  TmuxTerminal(const std::string& dir, const std::string& command, int cols = 110, int rows = 45);
  ~TmuxTerminal();
  TmuxTerminal(const TmuxTerminal&) = delete;
  TmuxTerminal& operator=(const TmuxTerminal&) = delete;

  // Returns true when the server and its window started.
  bool started() const { return started_; }

  // Types `text` literally, as a person would (no key names).
  void type(const std::string& text) const;
  // Presses one named key, e.g. "Enter" or "C-c".
  void press(const std::string& key) const;

  // Returns the visible window, one line per row, trailing blanks removed.
  std::string screen() const;
  // Polls the window until it contains `text`; returns false after
  // `timeoutSeconds` without it.
  bool waitFor(const std::string& text, double timeoutSeconds = 10) const;

  // Polls the window until its last non-blank row ends with `prompt` (blanks
  // at either end ignored), that is until the program waits at that prompt
  // with nothing typed after it; returns false after `timeoutSeconds`.
  bool waitForPrompt(const std::string& prompt, double timeoutSeconds = 10) const;

  // Polls until the shell command's child (the program under test) is
  // blocked in a read, that is until keys typed now reach the read rather
  // than something the program does before it; returns false after
  // `timeoutSeconds`.
  bool waitUntilReading(double timeoutSeconds = 10) const;

  // Returns true when tmux can be run on this machine.
  static bool available();

 private:
  // Runs tmux with this server's socket and `args`; returns its stdout.
  std::string tmux(std::initializer_list<std::string> args, int* status = nullptr) const;

  std::string socket_;       // the -L name
  std::string socket_path_;  // where the server made it
  bool started_ = false;
};

#endif  // QUIZMORA_TESTS_TMUX_TERMINAL_H_
