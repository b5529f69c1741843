// SPDX-License-Identifier: GPL-3.0-or-later

// Screen recording cost at 1920x1048, 20 frames/s (the application's full
// screen below the title bar): CPU per captured frame of a grabix recording
// (MIT-SHM capture + copy + TurboJPEG + AVI write) against plain
// XShmGetImage alone at the same rate, in the same run, and the frame rate
// the recording achieved.
//
// Usage (needs an X server):
//   xvfb-run -a -s "-screen 0 1920x1080x24" build/bin/bench_grabix [--seconds S]

#include "busy_screen.h"

#include "record/finished_avi_check.h"
#include "session/recording.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/resource.h>
#include <sys/shm.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <map>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWidth = 1920;
constexpr int kHeight = 1048;
constexpr int kFps = 20;

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// CPU seconds of this process's threads, by thread name.
std::map<std::string, double> threadCpuByName()
{
    std::map<std::string, double> cpu;
    const double tick = double(sysconf(_SC_CLK_TCK));
    DIR *tasks = opendir("/proc/self/task");
    if (!tasks)
        return cpu;
    while (dirent *entry = readdir(tasks)) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream stat(std::string("/proc/self/task/") + entry->d_name + "/stat");
        std::string line;
        std::getline(stat, line);
        const auto open = line.find('('), close = line.rfind(')');
        if (open == std::string::npos || close == std::string::npos)
            continue;
        const std::string name = line.substr(open + 1, close - open - 1);
        // Fields after the name: state is field 3; utime and stime are 14, 15.
        const char *p = line.c_str() + close + 2;
        unsigned long utime = 0, stime = 0;
        for (int field = 3; field < 14 && p; ++field)
            p = std::strchr(p, ' ') ? std::strchr(p, ' ') + 1 : nullptr;
        if (p && std::sscanf(p, "%lu %lu", &utime, &stime) == 2)
            cpu[name] += double(utime + stime) / tick;
    }
    closedir(tasks);
    return cpu;
}

// CPU seconds of the X server: with a local server it is the peer of our
// connection's socket. -1 when that cannot be found.
double serverCpuSeconds()
{
    static pid_t server = [] {
        Display *display = XOpenDisplay(nullptr);
        if (!display)
            return pid_t(-1);
        ucred peer{};
        socklen_t size = sizeof peer;
        const bool found = getsockopt(ConnectionNumber(display), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0;
        XCloseDisplay(display);
        return found ? peer.pid : pid_t(-1);
    }();
    if (server <= 0)
        return -1;
    std::ifstream stat("/proc/" + std::to_string(server) + "/stat");
    std::string line;
    std::getline(stat, line);
    const auto close = line.rfind(')');
    if (close == std::string::npos)
        return -1;
    const char *p = line.c_str() + close + 2;
    for (int field = 3; field < 14 && p; ++field)
        p = std::strchr(p, ' ') ? std::strchr(p, ' ') + 1 : nullptr;
    unsigned long utime = 0, stime = 0;
    if (!p || std::sscanf(p, "%lu %lu", &utime, &stime) != 2)
        return -1;
    return double(utime + stime) / double(sysconf(_SC_CLK_TCK));
}

struct PlainResult {
    long frames = 0;
    double cpuSeconds = 0;
    double serverSeconds = 0;
};

// XShmGetImage of the whole rectangle at kFps, nothing else.
PlainResult plainSharedMemoryCapture(double seconds)
{
    PlainResult result;
    Display *display = XOpenDisplay(nullptr);
    if (!display || !XShmQueryExtension(display))
        return result;
    const int screen = DefaultScreen(display);
    XShmSegmentInfo shm{};
    XImage *image = XShmCreateImage(display, DefaultVisual(display, screen), DefaultDepth(display, screen),
                                    ZPixmap, nullptr, &shm, kWidth, kHeight);
    shm.shmid = shmget(IPC_PRIVATE, size_t(image->bytes_per_line) * image->height, IPC_CREAT | 0600);
    shm.shmaddr = image->data = static_cast<char *>(shmat(shm.shmid, nullptr, 0));
    XShmAttach(display, &shm);
    XSync(display, False);
    shmctl(shm.shmid, IPC_RMID, nullptr);

    const auto period = std::chrono::microseconds(1000000 / kFps);
    const double cpu0 = processCpuSeconds();
    const double server0 = serverCpuSeconds();
    const auto end = Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    auto due = Clock::now();
    while (Clock::now() < end) {
        XShmGetImage(display, DefaultRootWindow(display), image, 0, 0, AllPlanes);
        ++result.frames;
        due += period;
        std::this_thread::sleep_until(due);
    }
    result.cpuSeconds = processCpuSeconds() - cpu0;
    result.serverSeconds = serverCpuSeconds() - server0;

    XShmDetach(display, &shm);
    XSync(display, False);
    image->data = nullptr;
    XDestroyImage(image);
    shmdt(shm.shmaddr);
    XCloseDisplay(display);
    return result;
}

std::string outputPath()
{
    DIR *shm = opendir("/dev/shm");
    if (shm) {
        closedir(shm);
        return "/dev/shm/bench_grabix.avi";
    }
    return "bench_grabix.avi";
}

} // namespace

int main(int argc, char **argv)
{
    double seconds = 5;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--seconds") == 0)
            seconds = std::atof(argv[++i]);
    }
    if (!std::getenv("DISPLAY")) {
        std::fprintf(stderr, "bench_grabix needs an X server: xvfb-run -a -s \"-screen 0 1920x1080x24\" %s\n",
                     argv[0]);
        return 2;
    }
    BusyScreen screen(kWidth, kHeight);
    if (!screen.shown()) {
        std::fprintf(stderr, "bench_grabix: cannot open the display\n");
        return 2;
    }

    const PlainResult plain = plainSharedMemoryCapture(seconds);
    if (plain.frames == 0) {
        std::fprintf(stderr, "bench_grabix: the X server offers no shared memory\n");
        return 2;
    }

    grabix::RecordingSettings settings;
    settings.path = outputPath();
    settings.rect = {0, 0, kWidth, kHeight};
    settings.frameRate = kFps;
    grabix::Failure failure;
    const double cpu0 = processCpuSeconds();
    const double server0 = serverCpuSeconds();
    const auto began = Clock::now();
    auto recording = grabix::Recording::start(settings, failure);
    if (!recording)
        return 1;
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    const std::map<std::string, double> threads = threadCpuByName();
    const grabix::Failure stopped = recording->stop();
    const double wall = std::chrono::duration<double>(Clock::now() - began).count();
    const double cpu = processCpuSeconds() - cpu0;
    const double serverCpu = serverCpuSeconds() - server0;
    const grabix::RecordingStats stats = recording->stats();
    std::ifstream file(settings.path, std::ios::binary | std::ios::ate);
    const double megabytes = double(file.tellg()) / 1e6;
    std::remove(settings.path.c_str());

    auto perFrameMs = [](double cpuSeconds, double frames) { return frames > 0 ? cpuSeconds * 1000 / frames : 0; };
    const double plainMs = perFrameMs(plain.cpuSeconds, double(plain.frames));
    const double recordMs = perFrameMs(cpu, double(stats.captured));
    auto threadMs = [&](const char *name) {
        auto it = threads.find(name);
        return it == threads.end() ? 0.0 : perFrameMs(it->second, double(stats.captured));
    };

    const double plainServerMs = perFrameMs(plain.serverSeconds, double(plain.frames));
    const double recordServerMs = perFrameMs(serverCpu, double(stats.captured));
    std::printf("bench_grabix: %dx%d at %d frames/s, %.1f s each, %s\n", kWidth, kHeight, kFps, seconds,
                stats.sharedMemory ? "MIT-SHM" : "plain GetImage (no shared memory!)");
    std::printf("  CPU ms per frame        client   X server    both\n");
    std::printf("  plain XShmGetImage     %7.2f   %7.2f  %7.2f   (%ld frames)\n", plainMs, plainServerMs,
                plainMs + plainServerMs, plain.frames);
    std::printf("  grabix recording       %7.2f   %7.2f  %7.2f   (%llu frames)\n", recordMs, recordServerMs,
                recordMs + recordServerMs, static_cast<unsigned long long>(stats.captured));
    std::printf("    of which capture thread %.2f, encode thread %.2f\n", threadMs("grabix-capture"),
                threadMs("grabix-encode"));
    std::printf("  ratio recording / plain XShmGetImage: client %.1f, both sides %.1f\n",
                plainMs > 0 ? recordMs / plainMs : 0.0,
                plainMs + plainServerMs > 0 ? (recordMs + recordServerMs) / (plainMs + plainServerMs) : 0.0);
    std::printf("  achieved frame rate %.1f frames/s (asked %d); %llu encoded, %llu dropped; %.1f MB file (%.0f KB/frame)%s\n",
                double(stats.captured) / wall, kFps, static_cast<unsigned long long>(stats.encoded),
                static_cast<unsigned long long>(stats.dropped), megabytes,
                stats.encoded ? megabytes * 1000 / double(stats.encoded) : 0.0,
                stopped.failed() ? " (FAILED)" : "");
    std::printf("  recording CPU load %.0f %% of one core (client)\n", cpu / wall * 100);
    return stopped.failed() ? 1 : 0;
}
