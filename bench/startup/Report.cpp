#include "Report.h"

#include <cstdio>
#include <cstring>
#include <ctime>

namespace KaminorBench {

long long monotonicNs()
{
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

long long peakRssKb()
{
    std::FILE* f = std::fopen("/proc/self/status", "r");
    if (!f)
        return -1;
    char line[256];
    long long kb = -1;
    while (std::fgets(line, sizeof line, f)) {
        if (std::strncmp(line, "VmHWM:", 6) == 0) {
            kb = std::atoll(line + 6);
            break;
        }
    }
    std::fclose(f);
    return kb;
}

void printFirstPaint(long long monotonic, QSize window, QRect drawn, const QString& photo)
{
    std::printf("FIRSTPAINT %lld %lld %dx%d %d,%d,%d,%d %s\n", monotonic, peakRssKb(), window.width(),
                window.height(), drawn.x(), drawn.y(), drawn.width(), drawn.height(), photo.toLocal8Bit().constData());
    std::fflush(stdout);
}

} // namespace KaminorBench
