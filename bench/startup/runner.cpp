// Runs the program's benchmark build and the bare baseline in turn and compares
// their start-up: the time from just before the process is started to the end
// of its first painted frame (both read CLOCK_MONOTONIC), and the peak resident
// size at that moment.
//   startup-runner <ours> <baseline> [runs] [warm-up runs] [log file]
// The first warm-up run of ours tells the window size, the photo and where it is
// drawn; the baseline is given the same. Warm-up runs are discarded; the
// measured runs alternate, the order of each pair swapped from one pair to the
// next. Prints the table rows "ROW|..." on stdout and the details on stderr.

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr int TimeoutMs = 30000;

long long monotonicNs()
{
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

struct Run {
    double ms = 0;           // exec to the end of the first frame
    long long peakKb = 0;    // VmHWM at the first frame
    long long maxRssKb = 0;  // ru_maxrss at exit
    std::string window, rect, photo;
};

// Starts argv, reads its FIRSTPAINT line and waits for it. Empty on failure.
std::optional<Run> runOnce(const std::vector<std::string>& args, const std::string& log)
{
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    pid_t pid = 0;
    const long long start = monotonicNs();
    const int spawned = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    if (spawned != 0) {
        std::fprintf(stderr, "cannot start %s: %s\n", argv[0], std::strerror(spawned));
        ::close(out[0]);
        return std::nullopt;
    }

    std::string text;
    const long long deadline = start + TimeoutMs * 1000000LL;
    bool timedOut = false;
    for (;;) {
        const long long left = (deadline - monotonicNs()) / 1000000;
        if (left <= 0) {
            timedOut = true;
            break;
        }
        pollfd p{out[0], POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left)) < 0 && errno != EINTR)
            break;
        char buf[4096];
        const ssize_t n = ::read(out[0], buf, sizeof buf);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n <= 0)
            break;
        text.append(buf, static_cast<size_t>(n));
    }
    ::close(out[0]);
    if (timedOut)
        ::kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    if (timedOut || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s %s (see %s)\n", argv[0],
                     timedOut ? "did not paint in time" : "failed", log.c_str());
        return std::nullopt;
    }

    const size_t at = text.find("FIRSTPAINT ");
    if (at == std::string::npos) {
        std::fprintf(stderr, "%s printed no FIRSTPAINT line\n", argv[0]);
        return std::nullopt;
    }
    std::istringstream line(text.substr(at + 11, text.find('\n', at) - at - 11));
    long long painted = 0;
    Run r;
    line >> painted >> r.peakKb >> r.window >> r.rect;
    std::getline(line >> std::ws, r.photo);
    if (!line && r.photo.empty())
        return std::nullopt;
    r.ms = double(painted - start) / 1e6;
    r.maxRssKb = usage.ru_maxrss;
    return r;
}

double quantile(std::vector<double> v, double q)
{
    std::sort(v.begin(), v.end());
    const double pos = q * double(v.size() - 1);
    const size_t lo = static_cast<size_t>(std::floor(pos));
    const size_t hi = std::min(lo + 1, v.size() - 1);
    return v[lo] + (pos - double(lo)) * (v[hi] - v[lo]);
}

std::vector<std::string> baselineArgs(const std::string& exe, const Run& ours)
{
    std::vector<std::string> args{exe};
    int w = 0, h = 0, x = 0, y = 0, dw = 0, dh = 0;
    std::sscanf(ours.window.c_str(), "%dx%d", &w, &h);
    std::sscanf(ours.rect.c_str(), "%d,%d,%d,%d", &x, &y, &dw, &dh);
    for (int n : {w, h, x, y, dw, dh})
        args.push_back(std::to_string(n));
    args.push_back(ours.photo);
    return args;
}

void row(const char* figure, const char* unit, double ours, double base, double goal)
{
    const double ratio = ours / base;
    std::printf("ROW|%s|%.1f %s|%.1f %s|%.2fx|<= %gx|%s\n", figure, ours, unit, base, unit, ratio, goal,
                ratio <= goal ? "yes" : "no");
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <ours> <baseline> [runs] [warm-up runs] [log file]\n", argv[0]);
        return 2;
    }
    const std::string oursExe = argv[1];
    const std::string baseExe = argv[2];
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 15;
    const int warmUp = argc > 4 ? std::max(1, std::atoi(argv[4])) : 2;
    const std::string log = argc > 5 ? argv[5] : "/dev/null";

    const std::optional<Run> first = runOnce({oursExe}, log);
    if (!first)
        return 1;
    std::fprintf(stderr, "start-up photo %s, window %s, drawn at %s\n", first->photo.c_str(), first->window.c_str(),
                 first->rect.c_str());
    const std::vector<std::string> ours{oursExe};
    const std::vector<std::string> base = baselineArgs(baseExe, *first);

    std::vector<Run> o, b;
    for (int i = 0; i < warmUp + runs; ++i) {
        const bool oursFirst = i % 2 == 0;
        const std::optional<Run> r1 = runOnce(oursFirst ? ours : base, log);
        const std::optional<Run> r2 = runOnce(oursFirst ? base : ours, log);
        if (!r1 || !r2)
            return 1;
        const Run& ro = oursFirst ? *r1 : *r2;
        const Run& rb = oursFirst ? *r2 : *r1;
        std::fprintf(stderr, "%s %2d: ours %6.1f ms %6.1f MB, baseline %6.1f ms %6.1f MB\n",
                     i < warmUp ? "warm-up" : "run    ", i < warmUp ? i + 1 : i - warmUp + 1, ro.ms,
                     ro.peakKb / 1024.0, rb.ms, rb.peakKb / 1024.0);
        if (i >= warmUp) {
            o.push_back(ro);
            b.push_back(rb);
        }
    }

    const auto field = [](const std::vector<Run>& v, auto member) {
        std::vector<double> out;
        for (const Run& r : v)
            out.push_back(double(r.*member));
        return out;
    };
    const std::vector<double> oMs = field(o, &Run::ms), bMs = field(b, &Run::ms);
    const std::vector<double> oKb = field(o, &Run::peakKb), bKb = field(b, &Run::peakKb);
    const std::vector<double> oMax = field(o, &Run::maxRssKb), bMax = field(b, &Run::maxRssKb);
    std::fprintf(stderr, "start-up, %d runs each: ours min %.1f median %.1f p95 %.1f ms; "
                         "baseline min %.1f median %.1f p95 %.1f ms\n",
                 runs, quantile(oMs, 0), quantile(oMs, 0.5), quantile(oMs, 0.95), quantile(bMs, 0),
                 quantile(bMs, 0.5), quantile(bMs, 0.95));
    std::fprintf(stderr, "peak RSS at exit (ru_maxrss), median: ours %.1f MB, baseline %.1f MB\n",
                 quantile(oMax, 0.5) / 1024.0, quantile(bMax, 0.5) / 1024.0);

    row("start-up to first frame, median", "ms", quantile(oMs, 0.5), quantile(bMs, 0.5), 1.25);
    row("peak RSS after start-up, median", "MB", quantile(oKb, 0.5) / 1024.0, quantile(bKb, 0.5) / 1024.0, 1.3);
    return 0;
}
