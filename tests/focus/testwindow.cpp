// A plain X client for the focus tests: one mapped window with the class, title and
// properties it is given. Prints the window id, then stays until it is killed.
// usage: z4testwindow CLASS TITLE [steam=ID] [transient=WINDOW] [dock]; CLASS "-" sets none.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {
xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* r
        = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr);
    const xcb_atom_t a = r ? r->atom : XCB_ATOM_NONE;
    free(r);
    return a;
}

void set(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property, xcb_atom_t type, int format,
    const void* data, size_t count)
{
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, property, type, uint8_t(format), uint32_t(count), data);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 1;
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t w = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, w, screen->root, 0, 0, 200, 100, 0,
        XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
    if (strcmp(argv[1], "-") != 0) {
        const std::string wmClass = std::string(argv[1]) + '\0' + argv[1] + '\0';
        set(c, w, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8, wmClass.data(), wmClass.size());
    }
    set(c, w, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, argv[2], strlen(argv[2]));
    set(c, w, atom(c, "_NET_WM_NAME"), atom(c, "UTF8_STRING"), 8, argv[2], strlen(argv[2]));
    const uint32_t pid = uint32_t(getpid());
    set(c, w, atom(c, "_NET_WM_PID"), XCB_ATOM_CARDINAL, 32, &pid, 1);
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("steam=", 0) == 0) {
            const uint32_t id = uint32_t(std::stoul(arg.substr(6)));
            set(c, w, atom(c, "STEAM_GAME"), XCB_ATOM_CARDINAL, 32, &id, 1);
        } else if (arg.rfind("transient=", 0) == 0) {
            const xcb_window_t parent = xcb_window_t(std::stoul(arg.substr(10), nullptr, 0));
            set(c, w, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 32, &parent, 1);
        } else if (arg == "dock") {
            const xcb_atom_t dock = atom(c, "_NET_WM_WINDOW_TYPE_DOCK");
            set(c, w, atom(c, "_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 32, &dock, 1);
        }
    }
    xcb_map_window(c, w);
    // A round trip: the server has carried out everything above before the id is told.
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    printf("%u\n", w);
    fflush(stdout);
    while (xcb_generic_event_t* e = xcb_wait_for_event(c))
        free(e);
    xcb_disconnect(c);
    return 0;
}
