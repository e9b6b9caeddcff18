// Times a program from exec to the mapping of its first top-level window whose title holds a
// pattern, by listening for MapNotify on the root window. Polling with xwininfo costs a process
// per look, which on a two-core machine slows the very program being timed; an event costs nothing.
// usage: map_time [--idle-rss] PATTERN COMMAND [ARGS...]
// Prints "MILLISECONDS" (and " PEAK_RSS_KB" once the program has been idle a second with
// --idle-rss), then ends the program. Exit 1 when it ended or showed nothing for 30 s.
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1000.0 + double(ts.tv_nsec) / 1e6;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    xcb_atom_t a = r ? r->atom : XCB_ATOM_NONE;
    std::free(r);
    return a;
}

// Qt sets both the UTF-8 and the Latin-1 title; either may hold the pattern.
bool titleHolds(xcb_connection_t* c, xcb_window_t w, xcb_atom_t netName, const char* pattern)
{
    for (xcb_atom_t property : {netName, xcb_atom_t(XCB_ATOM_WM_NAME)}) {
        xcb_get_property_reply_t* r = xcb_get_property_reply(
            c, xcb_get_property(c, 0, w, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr);
        if (!r)
            continue;
        std::string title(static_cast<const char*>(xcb_get_property_value(r)),
                          size_t(xcb_get_property_value_length(r)));
        std::free(r);
        if (title.find(pattern) != std::string::npos)
            return true;
    }
    return false;
}

long peakRssKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return 0;
}

void endChild(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

} // namespace

int main(int argc, char** argv)
{
    bool idleRss = argc > 1 && std::strcmp(argv[1], "--idle-rss") == 0;
    int first = idleRss ? 2 : 1;
    if (argc < first + 2) {
        std::fprintf(stderr, "usage: map_time [--idle-rss] PATTERN COMMAND [ARGS...]\n");
        return 2;
    }
    const char* pattern = argv[first];
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "map_time: no X display\n");
        return 2;
    }
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_atom_t netName = atom(c, "_NET_WM_NAME");
    xcb_flush(c);

    double start = nowMs();
    pid_t pid = fork();
    if (pid == 0) {
        close(xcb_get_file_descriptor(c));
        execvp(argv[first + 1], argv + first + 1);
        _exit(127);
    }
    pollfd pfd{xcb_get_file_descriptor(c), POLLIN, 0};
    double mapped = -1;
    while (mapped < 0 && nowMs() - start < 30000) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return 1;
        poll(&pfd, 1, 20);
        while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
            uint8_t type = e->response_type & 0x7f;
            xcb_window_t w = 0;
            if (type == XCB_MAP_NOTIFY) {
                w = reinterpret_cast<xcb_map_notify_event_t*>(e)->window;
                // A title set after mapping still counts; watch the window's properties.
                uint32_t propertyMask = XCB_EVENT_MASK_PROPERTY_CHANGE;
                xcb_change_window_attributes(c, w, XCB_CW_EVENT_MASK, &propertyMask);
            } else if (type == XCB_PROPERTY_NOTIFY) {
                w = reinterpret_cast<xcb_property_notify_event_t*>(e)->window;
            }
            double at = nowMs();
            std::free(e);
            if (w && mapped < 0 && titleHolds(c, w, netName, pattern))
                mapped = at;
        }
        if (xcb_connection_has_error(c))
            break;
    }
    if (mapped < 0) {
        endChild(pid);
        return 1;
    }
    long rss = 0;
    if (idleRss) {
        sleep(1);
        rss = peakRssKb(pid);
    }
    endChild(pid);
    if (idleRss)
        std::printf("%.0f %ld\n", mapped - start, rss);
    else
        std::printf("%.0f\n", mapped - start);
    xcb_disconnect(c);
    return 0;
}
