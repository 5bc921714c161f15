#pragma once
// An outside program run through /bin/sh -c with its standard input and output on pipes,
// read and written a line at a time with a time limit. The program runs in a process group
// of its own, so stopping it also stops whatever its shell started. The object owns the
// pipes and the child: it closes them, and reaps the child (killing the group when the
// program does not end within a moment of its input being closed), so no zombie is left.
// The program's standard error is the arena's.

#include <string>
#include <string_view>
#include <sys/types.h>

namespace quillan::arena {

class ChildProcess {
  public:
    enum class Io { Ok, Timeout, Closed };

    explicit ChildProcess(const std::string& command);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // False once the program could not be started, was stopped or closed its output.
    bool running() const { return pid_ > 0 && !closed_; }

    // One line (a newline is added), within `seconds`.
    Io writeLine(std::string_view line, double seconds);
    // The next line without its newline, within `seconds`. Output the program ends without a
    // newline still comes back as a last line.
    Io readLine(std::string& line, double seconds);
    // Forgets output received but not read yet, and whatever is waiting in the pipe now.
    void discardPending();

    // Kills the program's process group and reaps it.
    void stop();

  private:
    void closeFds();
    bool fillBuffer(double seconds, Io& io);
    void reap(double graceSeconds);

    pid_t pid_ = -1;
    int toChild_ = -1;
    int fromChild_ = -1;
    bool closed_ = false;
    std::string buffer_;
};

} // namespace quillan::arena
