// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// What a window manager would do to the program's window, for the black-box test, which runs on a bare X server:
//   xwin close WINDOW    asks the window to close (WM_DELETE_WINDOW), as a title bar's close button does
//   xwin iconify WINDOW  minimises it: unmapped, WM_STATE Iconic
//   xwin restore WINDOW  restores it: WM_STATE Normal, mapped and raised
//   xwin maximise WINDOW asks the window manager to maximise it, as a title bar's maximise button does
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
int usage()
{
    std::fputs("usage: xwin close|iconify|restore|maximise WINDOW\n", stderr);
    return 2;
}

int onError(Display *display, XErrorEvent *error)
{
    char text[256];
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "xwin: X error: %s\n", text);
    std::exit(1);
}

void setWmState(Display *display, Window window, long state)
{
    const Atom wmState = XInternAtom(display, "WM_STATE", False);
    const long data[2] = {state, None};
    XChangeProperty(display, window, wmState, wmState, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char *>(data), 2);
}

XEvent clientMessage(Display *display, Window window, const char *type)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, type, False);
    event.xclient.format = 32;
    return event;
}

int sendClose(Display *display, Window window)
{
    XEvent event = clientMessage(display, window, "WM_PROTOCOLS");
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    return 0;
}

int askToMaximise(Display *display, Window window)
{
    XEvent event = clientMessage(display, window, "_NET_WM_STATE");
    event.xclient.data.l[0] = 1; // add
    event.xclient.data.l[1] = long(XInternAtom(display, "_NET_WM_STATE_MAXIMIZED_VERT", False));
    event.xclient.data.l[2] = long(XInternAtom(display, "_NET_WM_STATE_MAXIMIZED_HORZ", False));
    event.xclient.data.l[3] = 1; // from an application
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XSync(display, False);
    return 0;
}
}

int main(int argc, char **argv)
{
    if (argc != 3)
        return usage();
    char *end = nullptr;
    const Window window = std::strtoul(argv[2], &end, 0);
    if (!*argv[2] || *end)
        return usage();
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("xwin: cannot open the display\n", stderr);
        return 1;
    }
    XSetErrorHandler(onError);

    const char *command = argv[1];
    int status = 0;
    if (!std::strcmp(command, "close")) {
        status = sendClose(display, window);
    } else if (!std::strcmp(command, "iconify")) {
        // The client's request, for a window manager if there is one; then what that manager would do.
        XIconifyWindow(display, window, DefaultScreen(display));
        setWmState(display, window, IconicState);
        XUnmapWindow(display, window);
        XSync(display, False);
    } else if (!std::strcmp(command, "restore")) {
        setWmState(display, window, NormalState);
        XMapRaised(display, window);
        XSync(display, False);
    } else if (!std::strcmp(command, "maximise")) {
        status = askToMaximise(display, window);
    } else {
        status = usage();
    }
    XCloseDisplay(display);
    return status;
}
