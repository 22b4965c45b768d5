// Starts a program and prints how long its first top-level window took to
// be mapped, in milliseconds, watching the X server's MapNotify events with
// one connection (polling with other clients would disturb the server).
//   map_wait PROGRAM [ARGS...]     the program is left running; its pid
//                                  follows the time on the same line
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>
#include <xcb/xcb.h>

int main(int argc, char* argv[])
{
    if (argc < 2)
        return 2;
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 1;
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        // Not the pipe this tool reports on: it closes once the time is read.
        if (const int devNull = open("/dev/null", O_WRONLY); devNull >= 0)
            dup2(devNull, STDOUT_FILENO);
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    while (xcb_generic_event_t* e = xcb_wait_for_event(c)) {
        const bool mapped = (e->response_type & 0x7f) == XCB_MAP_NOTIFY;
        std::free(e);
        if (mapped) {
            const double ms =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            std::printf("%.2f %d\n", ms, static_cast<int>(pid));
            break;
        }
    }
    xcb_disconnect(c);
    return 0;
}
