// first_frame <title> <x> <y> <command> [args...]: starts the command in a session of its
// own, its output discarded, and prints "<ms> <pid>": the milliseconds from the start
// until its window titled <title> shows white at <x>,<y>, polled every millisecond. The
// program is left running; after 60 s without that frame it is ended and first_frame
// exits 1.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/types.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr unsigned long kWhite = 0xFFFFFF;
constexpr auto kGiveUpAfter = std::chrono::seconds(60);

// Windows come and go while we look; their errors are expected.
int IgnoreError(Display*, XErrorEvent*)
{
    return 0;
}

bool OwnedBy(Display* display, Window window, pid_t pid)
{
    static const Atom wmPid = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(
            display, window, wmPid, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data)
            != Success
        || !data)
        return false;
    const bool owned
        = format == 32 && count == 1 && *reinterpret_cast<unsigned long*>(data) == unsigned(pid);
    XFree(data);
    return owned;
}

bool Titled(Display* display, Window window, const char* title)
{
    char* name = nullptr;
    if (!XFetchName(display, window, &name) || !name)
        return false;
    const bool titled = std::strstr(name, title) != nullptr;
    XFree(name);
    return titled;
}

// The program's viewable window with the title, searched below `parent`.
Window FindWindow(Display* display, Window parent, pid_t pid, const char* title)
{
    Window root = 0;
    Window up = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, parent, &root, &up, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned int i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, children[i], &attributes)
            || attributes.map_state != IsViewable)
            continue;
        if (OwnedBy(display, children[i], pid) && Titled(display, children[i], title))
            found = children[i];
        else
            found = FindWindow(display, children[i], pid, title);
    }
    if (children)
        XFree(children);
    return found;
}

bool ShowsWhite(Display* display, Window window, int x, int y)
{
    XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return false;
    const bool white = (XGetPixel(image, 0, 0) & kWhite) == kWhite;
    XDestroyImage(image);
    return white;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: first_frame <title> <x> <y> <command> [args...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    XSetErrorHandler(IgnoreError);
    const char* title = argv[1];
    const int x = std::atoi(argv[2]);
    const int y = std::atoi(argv[3]);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        setsid();
        // Our output is the figure alone.
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execvp(argv[4], argv + 4);
        _exit(127);
    }
    while (std::chrono::steady_clock::now() - start < kGiveUpAfter) {
        // Looked up each time: a program may replace its first window.
        const Window window = FindWindow(display, DefaultRootWindow(display), pid, title);
        if (window && ShowsWhite(display, window, x, y)) {
            const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::steady_clock::now() - start);
            std::printf("%lld %d\n", static_cast<long long>(ms.count()), int(pid));
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    kill(-pid, SIGTERM);
    std::fprintf(stderr, "no white at %d,%d in a window titled \"%s\"\n", x, y, title);
    return 1;
}
