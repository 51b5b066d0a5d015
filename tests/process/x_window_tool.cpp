// What another X client can do to the program's window, for the process tests:
//   x_window_tool find PID        waits for the mapped top-level window of process PID, prints its id
//   x_window_tool position ID     prints the window's top left corner on the screen: "x y"
//   x_window_tool move ID X Y     moves it, as a user's drag does
//   x_window_tool key ID          gives it the keyboard focus and a press of the space bar
//   x_window_tool destroy ID      destroys it, as a misbehaving client or xkill may
//   x_window_tool size ID         prints the window's width and height: "w h"
//   x_window_tool pointer ID X Y  moves the pointer to X Y of the window, as the user's mouse does
//   x_window_tool click ID X Y    moves the pointer there and clicks the primary button
//   x_window_tool keys KEY...     presses and releases each key (X key names: Down, Return)
//                                 where the keyboard focus is
//   x_window_tool icon ID X Y     prints the sizes of the window's icon (_NET_WM_ICON), "16x16 32x32 ...",
//                                 then the colour "#rrggbb" of its largest image at X Y of a 128 x 128 grid
//   x_window_tool kill ID         closes the connection of the window's client, as xkill does
//   x_window_tool windows PID     prints the process's shown top-level windows, one a line: "ID title"
//   x_window_tool popups PID      prints its shown menus and other pop-ups, one a line: "ID x y width height"
//   x_window_tool placements PID  waits for the process's window to be shown, then prints where it stands
//                                 from that moment on, a line at each change, until the program has painted
//                                 it and the window manager has done what that paint asked of it:
//                                 "x y frame-x frame-y" (the frame: what the window manager put around it)
//   x_window_tool moves ID X Y    prints "watching", then each place the window is moved to, as the X server
//                                 moves it or the frame the window manager put around it, a line "x y" at
//                                 each, until it stands at X Y (at most 10 s)
//   x_window_tool handled ID      waits until the program of window ID has handled everything sent to it
//                                 before, and the window manager what the program asked of it meanwhile
// Pointer, click, key and keys return once the program has handled them (as handled waits);
// a program that does not answer within 10 s makes them fail with a message on stderr.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// How long the program and the window manager may take to answer, on a busy machine too.
constexpr auto AnswerTime = std::chrono::seconds(10);

// How long a key stays down, as a quick typist holds it: a much shorter tap of Alt, its
// release on the heels of its press, can leave Qt's menu bar without the keyboard while a
// screen reader listens to the keys.
constexpr int KeyHold = 90;

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

// The viewable window of the process, a child of the root window or, under a reparenting
// window manager, of the frame the window manager put around it.
Window findWindow(Display* display, Window parentWindow, long pid, int depth)
{
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (!XQueryTree(display, parentWindow, &root, &parent, &children, &count))
        return 0;
    for (unsigned int i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, children[i], &attributes) || attributes.map_state != IsViewable)
            continue;
        if (processOf(display, children[i]) == pid)
            found = children[i];
        else if (depth > 0)
            found = findWindow(display, children[i], pid, depth - 1);
    }
    if (children)
        XFree(children);
    return found;
}

Window findWindow(Display* display, long pid)
{
    return findWindow(display, DefaultRootWindow(display), pid, 2);
}

// Waits for an event that match accepts, until giveUp; whileWaiting runs between looks (when
// given; else the wait sleeps until the server sends something).
bool awaitEvent(Display* display, const std::function<bool(const XEvent&)>& match, Clock::time_point giveUp,
                const std::function<void()>& whileWaiting)
{
    while (Clock::now() < giveUp) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (match(event))
                return true;
        }
        if (whileWaiting) {
            whileWaiting();
            continue;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(giveUp - Clock::now()).count();
        pollfd server{ConnectionNumber(display), POLLIN, 0};
        poll(&server, 1, static_cast<int>(std::clamp<long long>(left, 1, 1000)));
    }
    return false;
}

// One round trip through the event loop of the process: a _NET_WM_PING to a shown window of
// its, which it answers on the root window once it gets to it (Qt does so for every window of
// its own). A window may close while it is asked (a message that the last key closed): asked
// again, through a window shown then, each second; any answer tells that the process got to
// a question asked after what came before.
bool pings(Display* display, long pid, Window window, Clock::time_point giveUp,
           const std::function<void()>& whileWaiting)
{
    static long tag = 0;
    const long first = tag + 1;
    const Window root = DefaultRootWindow(display);
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(display, "_NET_WM_PING", False);
    XSelectInput(display, root, StructureNotifyMask); // where Qt sends the answer
    const auto answer = [&](const XEvent& e) {
        return e.type == ClientMessage && e.xclient.window == root && e.xclient.message_type == protocols &&
               e.xclient.data.l[0] == static_cast<long>(ping) && e.xclient.data.l[3] == getpid() &&
               e.xclient.data.l[4] >= first && e.xclient.data.l[4] <= tag;
    };
    while (Clock::now() < giveUp) {
        const Window shown = pid > 0 ? findWindow(display, pid) : 0;
        const Window asked = shown ? shown : window;
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = asked;
        event.xclient.message_type = protocols;
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(ping);
        event.xclient.data.l[1] = CurrentTime; // no window manager's ping shares it
        event.xclient.data.l[2] = static_cast<long>(asked);
        event.xclient.data.l[3] = static_cast<long>(getpid());
        event.xclient.data.l[4] = ++tag;
        XSendEvent(display, asked, False, NoEventMask, &event);
        XFlush(display);
        if (awaitEvent(display, answer, std::min(giveUp, Clock::now() + std::chrono::seconds(1)), whileWaiting))
            return true;
    }
    return false;
}

// One round trip through the window manager (where there is one): a move of a window of our
// own that it does not manage, which it passes on once it has handled what came before.
bool windowManagerAnswers(Display* display, Clock::time_point giveUp, const std::function<void()>& whileWaiting)
{
    static int step = 0;
    const Window probe = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    XSelectInput(display, probe, StructureNotifyMask);
    const int x = 1 + (++step % 100);
    XMoveWindow(display, probe, x, 0);
    XFlush(display);
    const bool answered = awaitEvent(
        display,
        [&](const XEvent& e) {
            return e.type == ConfigureNotify && e.xconfigure.window == probe && e.xconfigure.x == x;
        },
        giveUp, whileWaiting);
    XDestroyWindow(display, probe);
    return answered;
}

// Waits until the client of the window has handled every event it was sent before, and the
// window manager what came to it meanwhile: first the window manager, which may hold a click
// (to focus the window) or a move before the client gets it; then two round trips through
// the client, as events that Qt takes from the connection are delivered, and what it posts
// or asks of the X server on them (a paint, a keyboard focus, which comes back to it as an
// event) is done, by the time it gets to the second; then the window manager again, for what
// the client asked of it.
bool handled(Display* display, long pid, Window window, const std::function<void()>& whileWaiting = {})
{
    const auto giveUp = Clock::now() + AnswerTime;
    if (!windowManagerAnswers(display, giveUp, whileWaiting)) {
        std::fprintf(stderr, "x_window_tool: the window manager did not answer within %lld s\n",
                     static_cast<long long>(AnswerTime.count()));
        return false;
    }
    if (!pings(display, pid, window, giveUp, whileWaiting) || !pings(display, pid, window, giveUp, whileWaiting)) {
        std::fprintf(stderr, "x_window_tool: the program of window 0x%lx did not answer within %lld s\n", window,
                     static_cast<long long>(AnswerTime.count()));
        return false;
    }
    if (!windowManagerAnswers(display, giveUp, whileWaiting)) {
        std::fprintf(stderr, "x_window_tool: the window manager did not answer within %lld s\n",
                     static_cast<long long>(AnswerTime.count()));
        return false;
    }
    return true;
}

// The client window that has the keyboard focus, or 0 where none has.
Window focusWindow(Display* display)
{
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    return focus == PointerRoot ? 0 : focus;
}

// The screen position of a point of the window.
void onScreen(Display* display, Window window, int x, int y, int& screenX, int& screenY)
{
    Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), x, y, &screenX, &screenY, &child);
}

void pause(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

// The window's icon images, as a window manager reads them: width, height, then the pixels as
// ARGB, one per long, image after image. Prints nothing and returns 1 when there is none.
int printIcon(Display* display, Window window, int x, int y)
{
    const Atom iconAtom = XInternAtom(display, "_NET_WM_ICON", True);
    if (iconAtom == None)
        return 1;
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, iconAtom, 0, 1 << 22, False, XA_CARDINAL, &type, &format, &count, &after,
                           &data) != Success ||
        !data || type != XA_CARDINAL || format != 32) {
        if (data)
            XFree(data);
        return 1;
    }
    const auto* values = reinterpret_cast<const unsigned long*>(data);
    std::string sizes;
    const unsigned long* largest = nullptr;
    for (unsigned long at = 0; at + 2 <= count;) {
        const unsigned long width = values[at];
        const unsigned long height = values[at + 1];
        if (width == 0 || height == 0 || at + 2 + width * height > count)
            break;
        sizes += (sizes.empty() ? "" : " ") + std::to_string(width) + "x" + std::to_string(height);
        if (!largest || width > largest[0])
            largest = values + at;
        at += 2 + width * height;
    }
    if (largest) {
        const unsigned long width = largest[0];
        const unsigned long height = largest[1];
        const unsigned long column = std::min(width - 1, static_cast<unsigned long>(x) * width / 128);
        const unsigned long row = std::min(height - 1, static_cast<unsigned long>(y) * height / 128);
        const unsigned long pixel = largest[2 + row * width + column] & 0xffffffUL;
        std::printf("%s\n#%06lx\n", sizes.c_str(), pixel);
    }
    XFree(data);
    return largest ? 0 : 1;
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

// The window's top left corner on the screen, and that of the frame the window manager put
// around it (the window itself without one).
// The frame the window manager put around the window, the window itself without one; 0 once
// the window is gone.
Window frameOf(Display* display, Window window)
{
    const Window rootWindow = DefaultRootWindow(display);
    Window frame = window;
    for (;;) {
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display, frame, &root, &parent, &children, &count))
            return 0;
        if (children)
            XFree(children);
        if (parent == rootWindow || parent == 0)
            return frame;
        frame = parent;
    }
}

std::string placementOf(Display* display, Window window)
{
    const Window frame = frameOf(display, window);
    if (!frame)
        return "";
    int x = 0;
    int y = 0;
    int frameX = 0;
    int frameY = 0;
    onScreen(display, window, 0, 0, x, y);
    onScreen(display, frame, 0, 0, frameX, frameY);
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, frame, &attributes)) { // the frame's own X border counts
        frameX -= attributes.border_width;
        frameY -= attributes.border_width;
    }
    return std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(frameX) + " " + std::to_string(frameY);
}

// Polls as fast as the server answers: a window that jumps soon after it is shown must be
// seen where it stood first. Its first paint follows the exposure that showing it brings.
int printPlacements(Display* display, long pid)
{
    Window window = 0;
    for (const auto giveUp = Clock::now() + std::chrono::seconds(20); !window && Clock::now() < giveUp;) {
        window = findWindow(display, pid);
        if (!window)
            pause(1);
    }
    if (!window)
        return 1;
    std::string before;
    const auto print = [&] {
        const std::string now = placementOf(display, window);
        if (!now.empty() && now != before) {
            std::printf("%s\n", now.c_str());
            std::fflush(stdout);
            before = now;
        }
    };
    print();
    const bool answered = handled(display, pid, window, print);
    print();
    return answered ? 0 : 1;
}

// Each move the X server makes of the window, or of the frame around it, is one ConfigureNotify
// event of that window: a line a move, however fast the moves follow each other.
int printMoves(Display* display, Window window, int x, int y)
{
    const Window frame = frameOf(display, window);
    XWindowAttributes attributes{};
    if (!frame || !XGetWindowAttributes(display, frame, &attributes))
        return 1;
    XSelectInput(display, frame, StructureNotifyMask);
    XSync(display, False);
    int atX = 0;
    int atY = 0;
    onScreen(display, window, 0, 0, atX, atY);
    // Where the window stands in its frame (in its border, without one).
    const int offsetX = atX - attributes.x;
    const int offsetY = atY - attributes.y;
    std::printf("watching\n");
    std::fflush(stdout);
    for (const auto giveUp = Clock::now() + std::chrono::seconds(10); Clock::now() < giveUp;) {
        if (!XPending(display)) {
            pause(1);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != ConfigureNotify || event.xconfigure.window != frame)
            continue;
        const int nowX = event.xconfigure.x + offsetX;
        const int nowY = event.xconfigure.y + offsetY;
        if (nowX == atX && nowY == atY)
            continue;
        atX = nowX;
        atY = nowY;
        std::printf("%d %d\n", atX, atY);
        std::fflush(stdout);
        if (atX == x && atY == y)
            return 0;
    }
    return 1;
}

int ignoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: %s find PID | position ID | move ID X Y | key ID | destroy ID | size ID |"
                     " pointer ID X Y | click ID X Y | keys KEY... | icon ID X Y | kill ID | windows PID | popups PID |"
                     " placements PID | moves ID X Y | handled ID\n",
                     argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors); // the window may go away between two requests
    const std::string command = argv[1];
    const auto id = static_cast<Window>(std::strtoul(argv[2], nullptr, 0));
    // The process of the window, asked before a click or key may close the window.
    const long owner = command == "find" || command == "keys" ? 0 : processOf(display, id);
    int result = 0;
    if (command == "find") {
        const long pid = std::strtol(argv[2], nullptr, 10);
        Window window = 0;
        for (int tries = 0; tries < 400 && !window; ++tries) {
            window = findWindow(display, pid);
            if (!window)
                pause(50);
        }
        if (window)
            std::printf("0x%lx\n", window);
        result = window ? 0 : 1;
    } else if (command == "position") {
        int x = 0;
        int y = 0;
        Window child = 0;
        result = XTranslateCoordinates(display, id, DefaultRootWindow(display), 0, 0, &x, &y, &child) ? 0 : 1;
        std::printf("%d %d\n", x, y);
    } else if (command == "move" && argc == 5) {
        XMoveWindow(display, id, std::atoi(argv[3]), std::atoi(argv[4]));
    } else if (command == "resize" && argc == 5) {
        XResizeWindow(display, id, static_cast<unsigned>(std::atoi(argv[3])), static_cast<unsigned>(std::atoi(argv[4])));
    } else if (command == "key") {
        XSetInputFocus(display, id, RevertToParent, CurrentTime);
        // Qt sends a key to the window it has been told has the focus.
        result = handled(display, owner, id) ? 0 : 1;
        if (result == 0) {
            XKeyEvent key = {};
            key.type = KeyPress;
            key.display = display;
            key.window = id;
            key.root = DefaultRootWindow(display);
            key.subwindow = None;
            key.time = CurrentTime;
            key.x = key.y = 100;
            key.same_screen = True;
            key.keycode = XKeysymToKeycode(display, XStringToKeysym("space"));
            XSendEvent(display, id, True, KeyPressMask, reinterpret_cast<XEvent*>(&key));
            key.type = KeyRelease;
            XSendEvent(display, id, True, KeyReleaseMask, reinterpret_cast<XEvent*>(&key));
            result = handled(display, owner, id) ? 0 : 1;
        }
    } else if (command == "destroy") {
        XDestroyWindow(display, id);
    } else if (command == "size") {
        XWindowAttributes attributes;
        result = XGetWindowAttributes(display, id, &attributes) ? 0 : 1;
        std::printf("%d %d\n", attributes.width, attributes.height);
    } else if ((command == "pointer" || command == "click") && argc == 5) {
        int x = 0;
        int y = 0;
        onScreen(display, id, std::atoi(argv[3]), std::atoi(argv[4]), x, y);
        // The pointer comes to the place before the press, and the finger lifts once the
        // program has taken the press (a menu it opens is up), as a user's do.
        XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
        result = handled(display, owner, id) ? 0 : 1;
        if (command == "click" && result == 0) {
            XTestFakeButtonEvent(display, 1, True, CurrentTime);
            result = handled(display, owner, id) ? 0 : 1;
            XTestFakeButtonEvent(display, 1, False, CurrentTime);
            if (result == 0)
                result = handled(display, owner, id) ? 0 : 1;
        }
    } else if (command == "keys") {
        // Each key pressed and released; "shift+Tab" holds the keys together.
        for (int i = 2; i < argc && result == 0; ++i) {
            std::vector<KeyCode> chord;
            const std::string names = argv[i];
            for (std::size_t start = 0; start < names.size();) {
                std::size_t plus = names.find('+', start + 1);
                if (plus == std::string::npos)
                    plus = names.size();
                const std::string name = names.substr(start, plus - start);
                start = plus + 1;
                const std::string keysym = name == "shift" ? "Shift_L" : name == "ctrl" ? "Control_L" : name;
                const KeyCode code = XKeysymToKeycode(display, XStringToKeysym(keysym.c_str()));
                if (!code) {
                    std::fprintf(stderr, "no key %s\n", keysym.c_str());
                    result = 2;
                    break;
                }
                chord.push_back(code);
            }
            if (result != 0)
                break;
            const Window focus = focusWindow(display);
            if (!focus) {
                std::fprintf(stderr, "x_window_tool: no window has the keyboard focus for %s\n", argv[i]);
                result = 1;
                break;
            }
            const long pid = processOf(display, focus); // the key may close the window
            for (const KeyCode code : chord)
                XTestFakeKeyEvent(display, code, True, CurrentTime);
            XSync(display, False);
            pause(KeyHold);
            for (auto code = chord.rbegin(); code != chord.rend(); ++code)
                XTestFakeKeyEvent(display, *code, False, CurrentTime);
            // The next key comes once the program has taken this one, as a user's next does.
            result = handled(display, pid, focus) ? 0 : 1;
        }
    } else if (command == "icon" && argc == 5) {
        result = printIcon(display, id, std::atoi(argv[3]), std::atoi(argv[4]));
    } else if (command == "kill") {
        XKillClient(display, id);
    } else if (command == "windows" || command == "popups") {
        listWindows(display, std::strtol(argv[2], nullptr, 10), command == "popups");
    } else if (command == "placements") {
        result = printPlacements(display, std::strtol(argv[2], nullptr, 10));
    } else if (command == "moves" && argc == 5) {
        result = printMoves(display, id, std::atoi(argv[3]), std::atoi(argv[4]));
    } else if (command == "handled") {
        result = handled(display, owner, id) ? 0 : 1;
    } else {
        std::fprintf(stderr, "unknown command %s\n", command.c_str());
        result = 2;
    }
    XSync(display, False);
    XCloseDisplay(display);
    return result;
}
