// map_watch PROGRAM [ARGS...]: starts PROGRAM and prints the milliseconds until it maps its first
// top-level window on the X display, then, one second later, its resident and proportional memory
// in KiB (from /proc/PID/smaps_rollup), and ends it. Output: "MS RSS_KIB PSS_KIB" on one line.
// Used by the start-up timing script.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>

namespace {

struct Memory {
    long rssKib = -1;
    long pssKib = -1;
};

// The Rss and Pss lines of /proc/PID/smaps_rollup; -1 where a line is missing.
Memory MemoryOf(pid_t pid) {
    Memory memory;
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    std::string line;
    while (std::getline(rollup, line)) {
        std::istringstream fields(line);
        std::string key;
        long value = -1;
        if (!(fields >> key >> value)) continue;
        if (key == "Rss:") memory.rssKib = value;
        if (key == "Pss:") memory.pssKib = value;
    }
    return memory;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: map_watch PROGRAM [ARGS...]\n");
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "map_watch: no X display\n");
        return 2;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    if (child < 0) return 2;

    int status = 1;
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event, &std::free);
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto elapsed = std::chrono::steady_clock::now() - start;
            std::this_thread::sleep_for(std::chrono::seconds(1));
            const Memory memory = MemoryOf(child);
            std::printf("%.2f %ld %ld\n",
                        std::chrono::duration<double, std::milli>(elapsed).count(), memory.rssKib,
                        memory.pssKib);
            status = 0;
            break;
        }
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(connection);
    return status;
}
