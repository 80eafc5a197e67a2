// Looks at a window from outside, as the window manager and the user do.
//
// xprobe ping WINDOW LIMIT_MS STOP_FILE
//     Sends the window manager's ping (_NET_WM_PING) every 50 ms until
//     STOP_FILE appears and prints how long the slowest reply took. Exits 1
//     when a reply took longer than LIMIT_MS or did not come within 5 s.
// xprobe changes WINDOW WxH+X+Y TIMEOUT_MS [POINTER_X POINTER_Y]
//     Waits until the pixels of that part of the window change and prints
//     after how many milliseconds; exits 1 if they did not within TIMEOUT_MS.
//     With a pointer place, moves the pointer there (in the window) after the
//     first look and counts from the move.
#include <xcb/xcb.h>

#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

xcb_atom_t Atom(xcb_connection_t *c, const char *name)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

struct Pinger
{
    xcb_connection_t *C;
    xcb_window_t Root, Target;
    xcb_atom_t Protocols, Ping;

    void Send(std::uint32_t stamp) const
    {
        xcb_client_message_event_t event = {};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = Target;
        event.type = Protocols;
        event.data.data32[0] = Ping;
        event.data.data32[1] = stamp;
        event.data.data32[2] = Target;
        xcb_send_event(C, 0, Target, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char *>(&event));
        xcb_flush(C);
    }

    // Waits for the reply to `stamp` on the root window; false after `ms`.
    bool AwaitReply(std::uint32_t stamp, int ms) const
    {
        const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
        while (Clock::now() < deadline) {
            while (xcb_generic_event_t *e = xcb_poll_for_event(C)) {
                const bool reply =
                    (e->response_type & 0x7f) == XCB_CLIENT_MESSAGE &&
                    reinterpret_cast<xcb_client_message_event_t *>(e)->data.data32[0] == Ping &&
                    reinterpret_cast<xcb_client_message_event_t *>(e)->data.data32[1] == stamp;
                std::free(e);
                if (reply)
                    return true;
            }
            pollfd p{xcb_get_file_descriptor(C), POLLIN, 0};
            ::poll(&p, 1, 5);
        }
        return false;
    }
};

// The pixels of a part of a window, or empty if it cannot be read.
std::string Pixels(xcb_connection_t *c, xcb_window_t window, int x, int y, int w, int h)
{
    xcb_get_image_reply_t *reply = xcb_get_image_reply(
        c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, x, y, w, h, ~0u), nullptr);
    if (!reply)
        return {};
    std::string pixels(reinterpret_cast<const char *>(xcb_get_image_data(reply)),
                       xcb_get_image_data_length(reply));
    std::free(reply);
    return pixels;
}

int WaitForChange(xcb_connection_t *c, xcb_window_t window, const char *area, double timeoutMs,
                  const char *const *pointer)
{
    int w = 0, h = 0, x = 0, y = 0;
    if (std::sscanf(area, "%dx%d+%d+%d", &w, &h, &x, &y) != 4)
        return 2;
    const std::string before = Pixels(c, window, x, y, w, h);
    if (pointer) {
        xcb_warp_pointer(c, XCB_NONE, window, 0, 0, 0, 0, std::atoi(pointer[0]),
                         std::atoi(pointer[1]));
        xcb_flush(c);
    }
    const auto start = Clock::now();
    for (;;) {
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        if (Pixels(c, window, x, y, w, h) != before) {
            std::printf("changed after %.0f ms\n", ms);
            return 0;
        }
        if (ms > timeoutMs) {
            std::printf("no change within %.0f ms\n", timeoutMs);
            return 1;
        }
        ::usleep(5000);
    }
}

int Ping(xcb_connection_t *c, xcb_window_t target, double limit, const std::string &stopFile)
{
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    // The client answers on the root window, to those who listen there.
    const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    const Pinger pinger{c, root, target, Atom(c, "WM_PROTOCOLS"), Atom(c, "_NET_WM_PING")};

    double slowest = 0;
    int pings = 0;
    bool missed = false;
    for (std::uint32_t stamp = 1; ::access(stopFile.c_str(), F_OK) != 0; ++stamp) {
        const auto sent = Clock::now();
        pinger.Send(stamp);
        if (!pinger.AwaitReply(stamp, 5000)) {
            missed = true;
            break;
        }
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - sent).count();
        slowest = std::max(slowest, ms);
        ++pings;
        ::usleep(50000);
    }
    std::printf("pings answered: %d, slowest reply: %.1f ms%s\n", pings, slowest,
                missed ? ", one not answered within 5 s" : "");
    return missed || slowest > limit || pings == 0 ? 1 : 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::string verb = argc > 1 ? argv[1] : "";
    if (!(verb == "ping" && argc == 5) && !(verb == "changes" && (argc == 5 || argc == 7))) {
        std::fprintf(stderr,
                     "usage: xprobe ping WINDOW LIMIT_MS STOP_FILE\n"
                     "       xprobe changes WINDOW WxH+X+Y TIMEOUT_MS [POINTER_X POINTER_Y]\n");
        return 2;
    }
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "xprobe: no X display\n");
        return 2;
    }
    const auto window = static_cast<xcb_window_t>(std::strtoul(argv[2], nullptr, 0));
    const int status = verb == "ping"
                           ? Ping(c, window, std::strtod(argv[3], nullptr), argv[4])
                           : WaitForChange(c, window, argv[3], std::strtod(argv[4], nullptr),
                                           argc == 7 ? argv + 5 : nullptr);
    xcb_disconnect(c);
    return status;
}
