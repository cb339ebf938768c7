// Start-up benchmark: time from process start to the first painted frame, and
// peak memory, for the tutor and for an empty Qt window of the same size.
//
//   bench_startup [runs]      (default 15; each kind runs that often, interleaved)
//
// Each run is a fresh process of this program in child mode, which builds the
// window exactly as the tutor's main() does, shows it, and exits right after the
// window's first paint. The parent times it from spawn to exit and reads its peak
// resident memory from the kernel.

#include "application.h"
#include "catalogue.h"
#include "form1.h"

#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <vector>

extern char **environ;

namespace {

// Ends the process once the window it watches has painted.
class FirstPaint final : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        return false;
    }
};

int child(const char *kind)
{
    int argc = 1;
    char name[] = "bench_startup";
    char *argv[] = {name, nullptr};
    QApplication app(argc, argv);
    FirstPaint watcher;
    if (std::strcmp(kind, "tutor") == 0) {
        tutor::setUpApplication();
        tutor::Form1 window;
        window.installEventFilter(&watcher);
        window.show();
        return app.exec();
    }
    QWidget window;
    window.setFixedSize(583, 514);
    window.installEventFilter(&watcher);
    window.show();
    return app.exec();
}

struct Run
{
    double ms;
    long peakKb;
};

Run runOnce(const char *self, const char *kind)
{
    char arg0[] = "bench_startup", arg1[] = "--child";
    char *argv[] = {arg0, arg1, const_cast<char *>(kind), nullptr};
    timespec start{}, end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t pid = 0;
    if (posix_spawn(&pid, self, nullptr, nullptr, argv, environ) != 0) {
        std::perror("posix_spawn");
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    clock_gettime(CLOCK_MONOTONIC, &end);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "the %s window did not start cleanly\n", kind);
        std::exit(1);
    }
    return {(end.tv_sec - start.tv_sec) * 1e3 + (end.tv_nsec - start.tv_nsec) / 1e6, usage.ru_maxrss};
}

template <typename T>
T median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0)
        return child(argv[2]);

    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    std::vector<double> tutorMs, emptyMs;
    std::vector<long> tutorKb, emptyKb;
    runOnce("/proc/self/exe", "empty"); // warm the caches for both
    runOnce("/proc/self/exe", "tutor");
    for (int i = 0; i < runs; ++i) {
        const Run e = runOnce("/proc/self/exe", "empty");
        const Run t = runOnce("/proc/self/exe", "tutor");
        emptyMs.push_back(e.ms);
        emptyKb.push_back(e.peakKb);
        tutorMs.push_back(t.ms);
        tutorKb.push_back(t.peakKb);
    }

    double decoded = 0;
    for (const tutor::assets::Picture &p : tutor::assets::catalogue())
        decoded += 4.0 * p.width * p.height;
    const double decodedMb = decoded / (1024 * 1024);
    const double tMs = median(tutorMs), eMs = median(emptyMs);
    const double tMb = median(tutorKb) / 1024.0, eMb = median(emptyKb) / 1024.0;
    const double memoryLimit = eMb + 1.2 * decodedMb;

    std::printf("runs: %d of each, medians; platform: %s\n", runs,
                qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ? qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM"))
                                                             : "default");
    std::printf("start to first frame: tutor %.1f ms, empty window %.1f ms, ratio %.2f (target 1.30 or less)\n",
                tMs, eMs, tMs / eMs);
    std::printf("peak memory:          tutor %.1f MiB, empty window %.1f MiB; limit %.1f MiB "
                "(empty + 1.2 x %.1f MiB of decoded pictures)\n",
                tMb, eMb, memoryLimit, decodedMb);
    const bool met = tMs <= 1.3 * eMs && tMb <= memoryLimit;
    std::printf("targets %s\n", met ? "met" : "NOT met");
    return met ? 0 : 1;
}
