// Start-up of the program against a minimal Qt window on the same display: the
// time from starting the process until its window shows painted pixels, taken
// in turn for both, and each one's resident memory at that moment and half a
// second later. Starts its own Xvfb.
//   bench_startup [--pairs N]
#include "bench_process.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;

pid_t Spawn(const std::vector<std::string>& args, const char* dir) {
    return vdbench::SpawnQuiet(args, dir);
}

double RssMb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    long kb = 0;
    while (status >> key)
        if (key == "VmRSS:" && status >> kb)
            break;
    return static_cast<double>(kb) / 1024;
}

struct Start {
    double ms = 0, rssAtPaint = 0, rssSettled = 0;
};

// Starts the program and waits until a top-level window it maps shows a pixel
// that is not the black of the empty screen.
Start TimeToPaint(xcb_connection_t* c, xcb_window_t root, const std::vector<std::string>& args,
                  const char* dir) {
    while (xcb_generic_event_t* e = xcb_poll_for_event(c))
        std::free(e);
    const auto t0 = Clock::now();
    const pid_t pid = Spawn(args, dir);
    xcb_window_t window = 0;
    Start s;
    while (Clock::now() - t0 < std::chrono::seconds(20)) {
        if (!window) {
            pollfd p{xcb_get_file_descriptor(c), POLLIN, 0};
            poll(&p, 1, 50);
            while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
                if ((e->response_type & 0x7F) == XCB_MAP_NOTIFY)
                    window = reinterpret_cast<xcb_map_notify_event_t*>(e)->window;
                std::free(e);
            }
            continue;
        }
        auto* image = xcb_get_image_reply(
            c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, 320, 240, ~0u), nullptr);
        bool painted = false;
        if (image) {
            const uint8_t* d = xcb_get_image_data(image);
            const int n = xcb_get_image_data_length(image);
            painted = std::any_of(d, d + n, [](uint8_t b) { return b != 0; });
            std::free(image);
        }
        if (painted) {
            s.ms = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
            s.rssAtPaint = RssMb(pid);
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            s.rssSettled = RssMb(pid);
            break;
        }
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    if (s.ms == 0)
        std::fprintf(stderr, "%s showed nothing within 20 s\n", args[0].c_str());
    return s;
}

} // namespace

int main(int argc, char** argv) {
    // A start takes some 40 ms and one in ten is late by a quarter: fewer
    // pairs let that noise move the median by more than a tenth.
    const int pairs = vdbench::PairsOption(argc, argv, 41);

    // A display of our own, black where nothing is drawn.
    const std::string display = ":" + std::to_string(90 + getpid() % 500);
    const pid_t xvfb =
        Spawn({"Xvfb", display, "-br", "-nolisten", "tcp", "-screen", "0", "1024x768x24"}, nullptr);
    xcb_connection_t* c = nullptr;
    for (int i = 0; i < 100; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        c = xcb_connect(display.c_str(), nullptr);
        if (!xcb_connection_has_error(c))
            break;
        xcb_disconnect(c);
        c = nullptr;
    }
    if (!c) {
        std::fprintf(stderr, "Xvfb did not start\n");
        kill(xvfb, SIGTERM);
        return 2;
    }
    setenv("DISPLAY", display.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    const std::string dir = VD_RUNTIME_DIR;
    const std::vector<std::string> program = {dir + "/vandrel-catalogue"};
    const std::vector<std::string> minimal = {VD_MINIMAL_WINDOW};
    TimeToPaint(c, root, program, dir.c_str()); // warm-up, not counted
    TimeToPaint(c, root, minimal, nullptr);
    std::vector<double> a, b, ratio, rssA, rssB, settledA, settledB;
    for (int i = 0; i < pairs; ++i) {
        Start sa, sb;
        if (i % 2) {
            sb = TimeToPaint(c, root, minimal, nullptr);
            sa = TimeToPaint(c, root, program, dir.c_str());
        } else {
            sa = TimeToPaint(c, root, program, dir.c_str());
            sb = TimeToPaint(c, root, minimal, nullptr);
        }
        a.push_back(sa.ms);
        b.push_back(sb.ms);
        ratio.push_back(sa.ms / sb.ms);
        rssA.push_back(sa.rssAtPaint);
        rssB.push_back(sb.rssAtPaint);
        settledA.push_back(sa.rssSettled);
        settledB.push_back(sb.rssSettled);
    }
    std::printf("%d pairs, medians; A = the program, B = a minimal Qt window, same Xvfb\n", pairs);
    std::printf("start to first paint: A %.1f ms, B %.1f ms, A/B %.2f\n", vdbench::Median(a),
                vdbench::Median(b), vdbench::Median(ratio));
    std::printf(
        "resident memory at first paint: A %.1f MB, B %.1f MB; 0.5 s later: A %.1f MB, B %.1f MB\n",
        vdbench::Median(rssA), vdbench::Median(rssB), vdbench::Median(settledA),
        vdbench::Median(settledB));
    xcb_disconnect(c);
    kill(xvfb, SIGTERM);
    waitpid(xvfb, nullptr, 0);
}
