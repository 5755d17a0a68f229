// xclose WINDOW: asks an X window to close as a window manager's close button does, by sending
// it WM_DELETE_WINDOW (a bare Xvfb has no window manager). WINDOW is the id xdotool prints.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

xcb_atom_t Atom(xcb_connection_t* x, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        x, xcb_intern_atom(x, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

} // namespace

int main(int argc, char* argv[]) {
    char* end = nullptr;
    const unsigned long window = argc == 2 ? std::strtoul(argv[1], &end, 0) : 0;
    if (window == 0 || *end != '\0') {
        std::fprintf(stderr, "usage: xclose WINDOW\n");
        return 2;
    }
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "xclose: cannot open the display\n");
        xcb_disconnect(x);
        return 1;
    }
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = static_cast<xcb_window_t>(window);
    event.type = Atom(x, "WM_PROTOCOLS");
    event.data.data32[0] = Atom(x, "WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_generic_error_t* error =
        xcb_request_check(x, xcb_send_event_checked(x, 0, event.window, XCB_EVENT_MASK_NO_EVENT,
                                                    reinterpret_cast<const char*>(&event)));
    const int status = error ? 1 : 0;
    if (error) {
        std::fprintf(stderr, "xclose: no such window: %s\n", argv[1]);
    }
    std::free(error);
    xcb_disconnect(x);
    return status;
}
