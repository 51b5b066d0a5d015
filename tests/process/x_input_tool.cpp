// What a user does to the program through the X server's test extension (XTest), and which
// windows the program shows, for the process tests:
//   x_input_tool windows PID        prints the program's shown top-level windows, one a line: "ID title"
//   x_input_tool popups PID         prints its shown menus and other pop-ups, one a line: "ID x y width height"
//   x_input_tool size ID            prints the window's width and height: "w h"
//   x_input_tool click ID X Y       moves the pointer to X Y in the window and clicks the first button
//   x_input_tool keys KEYSYM...     presses and releases each key in turn (Left, Up, Return, a, ...)

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

long processOf(Display* display, Window window)
{
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", True);
    if (pidAtom == None)
        return -1;
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data) ==
            Success &&
        data && type == XA_CARDINAL && format == 32 && count == 1)
        pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
    if (data)
        XFree(data);
    return pid;
}

std::string titleOf(Display* display, Window window)
{
    XTextProperty property;
    std::string title;
    if (XGetWMName(display, window, &property) && property.value) {
        title.assign(reinterpret_cast<const char*>(property.value), property.nitems);
        XFree(property.value);
    }
    return title;
}

// The shown top-level windows of the process: pop-ups (override-redirect) or the others.
void listWindows(Display* display, long pid, bool popups)
{
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes a{};
        if (!XGetWindowAttributes(display, children[i], &a) || a.map_state != IsViewable ||
            (a.override_redirect != 0) != popups || processOf(display, children[i]) != pid)
            continue;
        if (popups)
            std::printf("0x%lx %d %d %d %d\n", children[i], a.x, a.y, a.width, a.height);
        else
            std::printf("0x%lx %s\n", children[i], titleOf(display, children[i]).c_str());
    }
    if (children)
        XFree(children);
}

void letTheProgramAct()
{
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
}

int ignoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s windows PID | popups PID | size ID | click ID X Y | keys KEYSYM...\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    if (!XTestQueryExtension(display, &event, &error, &major, &minor)) {
        std::fprintf(stderr, "the X server has no XTest extension\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors); // the window may go away between two requests
    const std::string command = argv[1];
    const auto id = static_cast<Window>(std::strtoul(argv[2], nullptr, 0));
    int result = 0;
    if (command == "windows" || command == "popups") {
        listWindows(display, std::strtol(argv[2], nullptr, 10), command == "popups");
    } else if (command == "size") {
        XWindowAttributes a{};
        result = XGetWindowAttributes(display, id, &a) ? 0 : 1;
        std::printf("%d %d\n", a.width, a.height);
    } else if (command == "click" && argc == 5) {
        int x = 0;
        int y = 0;
        Window child = 0;
        if (XTranslateCoordinates(display, id, DefaultRootWindow(display), std::atoi(argv[3]), std::atoi(argv[4]), &x,
                                  &y, &child)) {
            XTestFakeMotionEvent(display, DefaultScreen(display), x, y, CurrentTime);
            XSync(display, False);
            letTheProgramAct();
            XTestFakeButtonEvent(display, 1, True, CurrentTime);
            XTestFakeButtonEvent(display, 1, False, CurrentTime);
        } else {
            result = 1;
        }
    } else if (command == "keys") {
        for (int i = 2; i < argc && result == 0; ++i) {
            const KeyCode key = XKeysymToKeycode(display, XStringToKeysym(argv[i]));
            if (key == 0) {
                std::fprintf(stderr, "no key %s\n", argv[i]);
                result = 2;
                break;
            }
            XTestFakeKeyEvent(display, key, True, CurrentTime);
            XTestFakeKeyEvent(display, key, False, CurrentTime);
            XSync(display, False);
            letTheProgramAct();
        }
    } else {
        std::fprintf(stderr, "unknown command %s\n", command.c_str());
        result = 2;
    }
    XSync(display, False);
    XCloseDisplay(display);
    return result;
}
