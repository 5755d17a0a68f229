// xkeymap TEXT: gives each character of TEXT (UTF-8) that no key of the X server's keyboard types
// yet a key of its own, one that types nothing so far. Without it xdotool types such a character
// by binding it to a spare key for the one press and unbinding it at once; a busy program reads
// the keyboard map after the unbinding and gets no character, or another.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The code points of UTF-8 text; an ill-formed sequence ends the list.
std::vector<char32_t> CodePoints(const std::string& text) {
    std::vector<char32_t> points;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80           ? 1
                           : (lead >> 5) == 0x6  ? 2
                           : (lead >> 4) == 0xe  ? 3
                           : (lead >> 3) == 0x1e ? 4
                                                 : 0;
        if (length == 0 || i + length > text.size()) {
            break;
        }
        char32_t point = length == 1 ? lead : lead & (0x7f >> length);
        for (int k = 1; k < length; ++k) {
            point = (point << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3f);
        }
        points.push_back(point);
        i += length;
    }
    return points;
}

// The X keysym of a character: its own code for Latin-1, otherwise its Unicode keysym.
xcb_keysym_t Keysym(char32_t point) {
    return (point >= 0x20 && point <= 0x7e) || (point >= 0xa0 && point <= 0xff)
               ? static_cast<xcb_keysym_t>(point)
               : 0x01000000 | static_cast<xcb_keysym_t>(point);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: xkeymap TEXT\n");
        return 2;
    }
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "xkeymap: cannot open the display\n");
        xcb_disconnect(x);
        return 1;
    }
    const xcb_setup_t* setup = xcb_get_setup(x);
    const int first = setup->min_keycode;
    const int count = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t* map = xcb_get_keyboard_mapping_reply(
        x, xcb_get_keyboard_mapping(x, setup->min_keycode, static_cast<uint8_t>(count)), nullptr);
    if (!map) {
        std::fprintf(stderr, "xkeymap: cannot read the keyboard map\n");
        xcb_disconnect(x);
        return 1;
    }
    const int per = map->keysyms_per_keycode;
    std::vector<xcb_keysym_t> syms(xcb_get_keyboard_mapping_keysyms(map),
                                   xcb_get_keyboard_mapping_keysyms(map) + count * per);
    std::free(map);

    int status = 0;
    int spare = 0;
    for (const char32_t point : CodePoints(argv[1])) {
        const xcb_keysym_t sym = Keysym(point);
        bool mapped = false;
        for (const xcb_keysym_t s : syms) {
            mapped = mapped || s == sym;
        }
        if (mapped) {
            continue;
        }
        // The next key that types nothing at any level.
        auto unused = [&](int key) {
            for (int k = 0; k < per; ++k) {
                if (syms[key * per + k] != 0) {
                    return false;
                }
            }
            return true;
        };
        while (spare < count && !unused(spare)) {
            ++spare;
        }
        if (spare == count || per < 2) {
            std::fprintf(stderr, "xkeymap: no spare key left for U+%04X\n",
                         static_cast<unsigned>(point));
            status = 1;
            break;
        }
        // The same character with and without Shift, as xdotool binds one.
        syms[spare * per] = sym;
        syms[spare * per + 1] = sym;
        xcb_generic_error_t* error = xcb_request_check(
            x, xcb_change_keyboard_mapping_checked(x, 1, static_cast<xcb_keycode_t>(first + spare),
                                                   static_cast<uint8_t>(per), &syms[spare * per]));
        if (error) {
            std::fprintf(stderr, "xkeymap: the server refused a key for U+%04X\n",
                         static_cast<unsigned>(point));
            std::free(error);
            status = 1;
            break;
        }
    }
    xcb_disconnect(x);
    return status;
}
