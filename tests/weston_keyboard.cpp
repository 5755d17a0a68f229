// A weston module for the Wayland check: the keyboard every desktop seat has, typed on from a
// script. Weston's headless back end has no seat at all; this one adds a seat with a keyboard,
// which the shell gives the focus of each window it activates, and presses and releases each
// key whose Linux key code (linux/input-event-codes.h) is written, one a line, into the FIFO
// named by KELVORA_WESTON_KEYS.
// Load it with: weston --backend=headless-backend.so --modules=/path/to/weston_keyboard.so
#include <libweston/libweston.h>
#include <weston/weston.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

// The seat calls back ends make, exported by libweston but declared only in its private headers.
extern "C" {
void weston_seat_init(weston_seat* seat, weston_compositor* compositor, const char* name);
int weston_seat_init_keyboard(weston_seat* seat, xkb_keymap* keymap);
void weston_seat_release(weston_seat* seat);
void notify_key(weston_seat* seat, const timespec* time, uint32_t key, wl_keyboard_key_state state,
                weston_key_state_update update);
}

namespace {

struct Keyboard {
    weston_seat seat{};
    int fifo = -1;
    wl_event_source* source = nullptr;
    std::string pending;
    wl_listener destroyed{};
};

void Press(Keyboard* keyboard, uint32_t key) {
    timespec now{};
    weston_compositor_get_time(&now);
    notify_key(&keyboard->seat, &now, key, WL_KEYBOARD_KEY_STATE_PRESSED, STATE_UPDATE_AUTOMATIC);
    notify_key(&keyboard->seat, &now, key, WL_KEYBOARD_KEY_STATE_RELEASED, STATE_UPDATE_AUTOMATIC);
}

int OnInput(int fd, uint32_t, void* data) {
    auto* keyboard = static_cast<Keyboard*>(data);
    char buffer[256];
    ssize_t got;
    while ((got = read(fd, buffer, sizeof buffer)) > 0) {
        keyboard->pending.append(buffer, static_cast<size_t>(got));
    }
    for (size_t end; (end = keyboard->pending.find('\n')) != std::string::npos;) {
        const unsigned long key =
            std::strtoul(keyboard->pending.substr(0, end).c_str(), nullptr, 10);
        keyboard->pending.erase(0, end + 1);
        if (key > 0) {
            Press(keyboard, static_cast<uint32_t>(key));
        }
    }
    return 0;
}

void OnDestroy(wl_listener* listener, void*) {
    Keyboard* keyboard = wl_container_of(listener, keyboard, destroyed);
    wl_event_source_remove(keyboard->source);
    close(keyboard->fifo);
    weston_seat_release(&keyboard->seat);
    delete keyboard;
}

} // namespace

extern "C" WL_EXPORT int wet_module_init(weston_compositor* compositor, int*, char*[]) {
    const char* path = std::getenv("KELVORA_WESTON_KEYS");
    // Opened for writing too, so that the FIFO never reads as ended between two writers.
    const int fifo = path ? open(path, O_RDWR | O_NONBLOCK | O_CLOEXEC) : -1;
    if (fifo < 0) {
        std::fprintf(stderr, "weston_keyboard: KELVORA_WESTON_KEYS names no FIFO\n");
        return -1;
    }
    auto* keyboard = new Keyboard;
    keyboard->fifo = fifo;
    weston_seat_init(&keyboard->seat, compositor, "default");
    if (weston_seat_init_keyboard(&keyboard->seat, nullptr) < 0) {
        std::fprintf(stderr, "weston_keyboard: no keyboard for the seat\n");
        weston_seat_release(&keyboard->seat);
        close(fifo);
        delete keyboard;
        return -1;
    }
    keyboard->source = wl_event_loop_add_fd(wl_display_get_event_loop(compositor->wl_display), fifo,
                                            WL_EVENT_READABLE, OnInput, keyboard);
    keyboard->destroyed.notify = OnDestroy;
    wl_signal_add(&compositor->destroy_signal, &keyboard->destroyed);
    return 0;
}
