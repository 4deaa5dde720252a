// map_watch [--timeout SECONDS] PROGRAM [ARGS...]: starts PROGRAM on the X display and prints one
// line "MAP_MS PAINT_MS RSS_KIB PSS_KIB", then ends the program:
//   MAP_MS    milliseconds from launch until a top-level window (a child of the root) is mapped;
//   PAINT_MS  milliseconds from launch until the first drawing into that window after its map;
//   RSS_KIB, PSS_KIB  resident and proportional memory one second after the map (or after the
//             first paint, if later), from /proc/PID/smaps_rollup.
// A figure that could not be had (no map or no paint within the timeout, default 60 s; program
// gone) is "nan", and the exit status is then 1. Used by the start-up scripts.
//
// How the first paint is seen: a DAMAGE object on the root window, made before the program starts,
// reports every drawing on the screen, its inferiors included (the root's border clip covers its
// children). With no window manager the mapped window is the program's own and is drawn straight
// to the screen, so the first damaged rectangle that meets it after its MapNotify is the
// program's first put of pixels into it (Qt's xcb backing store: ShmPutImage or PutImage). A
// window without a background, as Qt makes them, gets no pixels from the server when mapped;
// one with a background would show the server's fill as its first paint. Taking the damage on
// the root, not on the window once it is known, leaves no moment between map and subscription
// in which a paint could be missed.

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <unordered_map>

namespace {

using Clock = std::chrono::steady_clock;

struct Memory {
    double rssKib = NAN;
    double pssKib = NAN;
};

// The Rss and Pss lines of /proc/PID/smaps_rollup; NaN where a line is missing.
Memory MemoryOf(pid_t pid) {
    Memory memory;
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    std::string line;
    while (std::getline(rollup, line)) {
        std::istringstream fields(line);
        std::string key;
        double value = 0;
        if (!(fields >> key >> value)) continue;
        if (key == "Rss:") memory.rssKib = value;
        if (key == "Pss:") memory.pssKib = value;
    }
    return memory;
}

// A rectangle in root coordinates, border included.
struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool Meets(const Rect& other) const {
        return x < other.x + other.width && other.x < x + width && y < other.y + other.height &&
               other.y < y + height;
    }
};

Rect OuterRect(int x, int y, int width, int height, int border) {
    return {x, y, width + 2 * border, height + 2 * border};
}

using Event = std::unique_ptr<xcb_generic_event_t, decltype(&std::free)>;

// The next event, or none when the deadline passes, the connection breaks or the child is gone.
std::optional<Event> NextEvent(xcb_connection_t* connection, Clock::time_point deadline,
                               pid_t child, bool& childGone) {
    for (;;) {
        if (xcb_generic_event_t* event = xcb_poll_for_event(connection))
            return Event(event, &std::free);
        if (xcb_connection_has_error(connection)) return std::nullopt;
        if (!childGone && waitpid(child, nullptr, WNOHANG) == child) childGone = true;
        if (childGone || Clock::now() >= deadline) return std::nullopt;
        // Short slices, so that a program that dies before drawing is noticed soon.
        pollfd descriptor{xcb_get_file_descriptor(connection), POLLIN, 0};
        poll(&descriptor, 1, 50);
    }
}

double Milliseconds(Clock::duration elapsed) {
    return std::chrono::duration<double, std::milli>(elapsed).count();
}

// The window's pixels as the server holds them now, as a binary PPM; false when it cannot.
bool SaveWindow(xcb_connection_t* connection, xcb_window_t window, const Rect& area,
                const char* path) {
    const std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> image(
        xcb_get_image_reply(connection,
                            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                          static_cast<std::uint16_t>(area.width),
                                          static_cast<std::uint16_t>(area.height), ~0u),
                            nullptr),
        &std::free);
    if (!image || image->depth != 24) return false;
    // Depth 24 comes as 32 bits a pixel, blue, green, red and an unused byte.
    const std::uint8_t* pixels = xcb_get_image_data(image.get());
    FILE* file = std::fopen(path, "wb");
    if (file == nullptr) return false;
    std::fprintf(file, "P6\n%d %d\n255\n", area.width, area.height);
    for (int i = 0; i < area.width * area.height; ++i) {
        const std::uint8_t rgb[3] = {pixels[4 * i + 2], pixels[4 * i + 1], pixels[4 * i]};
        std::fwrite(rgb, 1, 3, file);
    }
    return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    int first = 1;
    double timeoutSeconds = 60;
    const char* shot = nullptr;
    while (first + 1 < argc && argv[first][0] == '-') {
        if (std::strcmp(argv[first], "--timeout") == 0) {
            timeoutSeconds = std::atof(argv[first + 1]);
        } else if (std::strcmp(argv[first], "--shot") == 0) {
            shot = argv[first + 1];
        } else {
            break;
        }
        first += 2;
    }
    if (first >= argc || timeoutSeconds <= 0) {
        std::fprintf(stderr,
                     "usage: map_watch [--timeout SECONDS] [--shot FILE.ppm] PROGRAM [ARGS...]\n");
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "map_watch: no X display\n");
        return 2;
    }
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection, &xcb_damage_id);
    if (damage == nullptr || !damage->present) {
        std::fprintf(stderr, "map_watch: the X server has no DAMAGE extension\n");
        return 2;
    }
    std::free(xcb_damage_query_version_reply(connection, xcb_damage_query_version(connection, 1, 1),
                                             nullptr));

    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    // Raw rectangles: one report per drawing, with where it fell, and nothing to acknowledge.
    xcb_damage_create(connection, xcb_generate_id(connection), screen->root,
                      XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    // Both subscriptions are in force before the program starts.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[first], argv + first);
        _exit(127);
    }
    if (child < 0) return 2;

    const auto deadline = start + std::chrono::duration_cast<Clock::duration>(
                                      std::chrono::duration<double>(timeoutSeconds));
    std::unordered_map<xcb_window_t, Rect> topLevels;
    xcb_window_t mapped = XCB_NONE;
    std::optional<Clock::time_point> mapTime;
    std::optional<Clock::time_point> paintTime;
    bool childGone = false;
    while (!paintTime) {
        std::optional<Event> event = NextEvent(connection, deadline, child, childGone);
        if (!event) break;
        const xcb_generic_event_t* generic = event->get();
        const int type = generic->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto* created = reinterpret_cast<const xcb_create_notify_event_t*>(generic);
            if (created->parent == screen->root)
                topLevels[created->window] = OuterRect(created->x, created->y, created->width,
                                                       created->height, created->border_width);
        } else if (type == XCB_CONFIGURE_NOTIFY) {
            const auto* configured = reinterpret_cast<const xcb_configure_notify_event_t*>(generic);
            if (configured->event == screen->root)
                topLevels[configured->window] =
                    OuterRect(configured->x, configured->y, configured->width, configured->height,
                              configured->border_width);
        } else if (type == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(generic);
            if (!mapTime && map->event == screen->root) {
                mapTime = Clock::now();
                mapped = map->window;
            }
        } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
            const auto* notify = reinterpret_cast<const xcb_damage_notify_event_t*>(generic);
            const Rect area{notify->area.x, notify->area.y, notify->area.width,
                            notify->area.height};
            const auto window = topLevels.find(mapped);
            if (mapTime && window != topLevels.end() && area.Meets(window->second)) {
                paintTime = Clock::now();
                // The server answers after the put that it reported: what the first paint put.
                if (shot != nullptr && !SaveWindow(connection, mapped, window->second, shot))
                    std::fprintf(stderr, "map_watch: no picture of the first paint\n");
            }
        }
    }

    Memory memory;
    if (mapTime && !childGone) {
        std::this_thread::sleep_until(*mapTime + std::chrono::seconds(1));
        memory = MemoryOf(child);
    }
    const double mapMs = mapTime ? Milliseconds(*mapTime - start) : NAN;
    const double paintMs = paintTime ? Milliseconds(*paintTime - start) : NAN;
    std::printf("%.2f %.2f %.0f %.0f\n", mapMs, paintMs, memory.rssKib, memory.pssKib);
    std::fflush(stdout);

    if (!childGone) {
        kill(child, SIGTERM);
        // A program that ignores SIGTERM, or valgrind writing its last profile, gets some time.
        const auto grace = Clock::now() + std::chrono::seconds(20);
        while (waitpid(child, nullptr, WNOHANG) == 0) {
            if (Clock::now() >= grace) {
                kill(child, SIGKILL);
                waitpid(child, nullptr, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    xcb_disconnect(connection);
    return mapTime && paintTime ? 0 : 1;
}
