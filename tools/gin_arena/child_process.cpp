#include "child_process.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace quillan::arena {

namespace {

using Clock = std::chrono::steady_clock;

// A line longer than this is handed back as it stands (and is then no answer).
constexpr size_t kMaxLine = 4096;
constexpr double kGraceSeconds = 1.0;

// A program that closes its input must not end the arena with SIGPIPE: writes then fail
// with EPIPE instead. Set once for the whole process; the child gets the default back.
void ignoreBrokenPipes() {
    static const bool ignored = [] {
        std::signal(SIGPIPE, SIG_IGN);
        return true;
    }();
    (void)ignored;
}

Clock::time_point deadlineAfter(double seconds) {
    return Clock::now() + std::chrono::duration_cast<Clock::duration>(
                              std::chrono::duration<double>(seconds > 0 ? seconds : 0));
}

// Milliseconds left until `deadline`, rounded up; 0 once it has passed.
int millisecondsLeft(Clock::time_point deadline) {
    const auto left = deadline - Clock::now();
    if (left <= Clock::duration::zero()) {
        return 0;
    }
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
    return ms > 1000000 ? 1000000 : static_cast<int>(ms);
}

// Waits for `fd` to be ready for `events`; false when the time is up. A hang-up or an error
// counts as ready: the read or write that follows tells which.
bool waitFor(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        pollfd p{fd, events, 0};
        const int r = poll(&p, 1, millisecondsLeft(deadline));
        if (r != 0 && !(r < 0 && errno == EINTR)) {
            return true;
        }
        if (r == 0) {
            return false;
        }
    }
}

void setNonBlocking(int fd) {
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
}

// The child's side of the fork: only calls that are safe between fork and exec.
[[noreturn]] void execInChild(const char* command, int input, int output) {
    setpgid(0, 0);
    struct sigaction dfl = {};
    dfl.sa_handler = SIG_DFL;
    sigaction(SIGPIPE, &dfl, nullptr);
    if (dup2(input, STDIN_FILENO) < 0 || dup2(output, STDOUT_FILENO) < 0) {
        _exit(127);
    }
    execl("/bin/sh", "sh", "-c", command, static_cast<char*>(nullptr));
    _exit(127);
}

} // namespace

ChildProcess::ChildProcess(const std::string& command) {
    ignoreBrokenPipes();
    int in[2] = {-1, -1};
    int out[2] = {-1, -1};
    if (pipe2(in, O_CLOEXEC) != 0) {
        return;
    }
    if (pipe2(out, O_CLOEXEC) != 0) {
        close(in[0]);
        close(in[1]);
        return;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        execInChild(command.c_str(), in[0], out[1]);
    }
    close(in[0]);
    close(out[1]);
    if (pid < 0) {
        close(in[1]);
        close(out[0]);
        return;
    }
    setpgid(pid, pid); // as the child does, whichever runs first
    pid_ = pid;
    toChild_ = in[1];
    fromChild_ = out[0];
    setNonBlocking(toChild_);
    setNonBlocking(fromChild_);
}

ChildProcess::~ChildProcess() {
    reap(kGraceSeconds);
}

ChildProcess::Io ChildProcess::writeLine(std::string_view line, double seconds) {
    if (!running()) {
        return Io::Closed;
    }
    std::string data(line);
    data += '\n';
    const Clock::time_point deadline = deadlineAfter(seconds);
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = write(toChild_, data.data() + done, data.size() - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
        } else if (n < 0 && errno == EAGAIN) {
            if (!waitFor(toChild_, POLLOUT, deadline)) {
                return Io::Timeout;
            }
        } else if (n < 0 && errno != EINTR) {
            closed_ = true;
            return Io::Closed;
        }
    }
    return Io::Ok;
}

// Reads what the pipe holds into the buffer, waiting until `seconds` for something to come.
// False when nothing more will come (io Closed) or nothing came in time (io Timeout).
bool ChildProcess::fillBuffer(double seconds, Io& io) {
    const Clock::time_point deadline = deadlineAfter(seconds);
    for (;;) {
        char chunk[1024];
        const ssize_t n = read(fromChild_, chunk, sizeof chunk);
        if (n > 0) {
            buffer_.append(chunk, static_cast<size_t>(n));
            return true;
        }
        if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
            io = Io::Closed;
            return false;
        }
        if (errno == EAGAIN && !waitFor(fromChild_, POLLIN, deadline)) {
            io = Io::Timeout;
            return false;
        }
    }
}

ChildProcess::Io ChildProcess::readLine(std::string& line, double seconds) {
    const Clock::time_point deadline = deadlineAfter(seconds);
    for (;;) {
        const size_t end = buffer_.find('\n');
        if (end != std::string::npos || buffer_.size() >= kMaxLine) {
            const size_t length = end != std::string::npos ? end : buffer_.size();
            line = buffer_.substr(0, length);
            buffer_.erase(0, end != std::string::npos ? end + 1 : length);
            return Io::Ok;
        }
        if (pid_ <= 0 || closed_) {
            return Io::Closed;
        }
        Io io = Io::Ok;
        const double left = millisecondsLeft(deadline) / 1000.0;
        if (!fillBuffer(left, io)) {
            if (io == Io::Closed) {
                closed_ = true;
                if (!buffer_.empty()) {
                    line = buffer_;
                    buffer_.clear();
                    return Io::Ok;
                }
            }
            return io;
        }
    }
}

void ChildProcess::discardPending() {
    buffer_.clear();
    if (!running()) {
        return;
    }
    Io io = Io::Ok;
    while (fillBuffer(0, io)) {
        buffer_.clear();
    }
    if (io == Io::Closed) {
        closed_ = true;
    }
}

void ChildProcess::stop() {
    reap(0);
}

void ChildProcess::closeFds() {
    if (toChild_ >= 0) {
        close(toChild_);
        toChild_ = -1;
    }
    if (fromChild_ >= 0) {
        close(fromChild_);
        fromChild_ = -1;
    }
}

// Closes the pipes, gives the program `graceSeconds` to end, then kills what is left of its
// process group and reaps it. The leader is looked at without being reaped, so the group's
// number cannot have been given to another process when the group is killed.
void ChildProcess::reap(double graceSeconds) {
    closeFds();
    closed_ = true;
    if (pid_ <= 0) {
        return;
    }
    const Clock::time_point deadline = deadlineAfter(graceSeconds);
    for (;;) {
        siginfo_t info = {};
        const int r = waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT);
        const bool ended = r == 0 && info.si_pid == pid_;
        if (ended || r != 0 || Clock::now() >= deadline) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    kill(-pid_, SIGKILL);
    kill(pid_, SIGKILL);
    while (waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
}

} // namespace quillan::arena
