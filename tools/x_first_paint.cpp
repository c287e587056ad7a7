// x_first_paint: how long an X program takes from its start to its first painted
// window, for scripts/bench-startup.sh, which times the viewer's Linux peers
// (and the viewer under Wine, the same way) with it. A benchmark: it prints
// figures and asserts nothing.
//
//   x_first_paint [--steps N KEY] CLASS TIMEOUT_S PROGRAM [ARGS...]
//
// The time runs from just before fork until a top-level window whose WM_CLASS
// (instance or class, letter case ignored) is CLASS is viewable and the middle
// of its part on the screen (a rectangle of half its width and half its
// height) is no longer one flat colour. A new window is one background colour
// until the program draws into it, and the pictures these programs show fill
// that middle; so two colours there mean the picture is painted. The windows
// are looked for every millisecond (XQueryTree, no pixels read); once one is
// viewable its middle is read back (XGetImage) every two milliseconds, so the
// poll takes little from the program it times. Then reads the program's peak
// resident memory (VmHWM), closes the window as a window manager would
// (WM_DELETE_WINDOW) and waits for the program to end, killing it after 10 s.
//
// With --steps, once the window is painted it is given the keyboard and, N
// times, a reader's pause (300 ms) and then KEY (an X key name such as
// "Right") pressed through the XTest extension: each step is timed from just
// before the key until the middle of the window differs from what it showed
// before the key (read back every millisecond).
//
// Prints one line for scripts:
//   start_ms=<ms> mapped_ms=<ms> peak_rss_kb=<kB> [steps_ms=<ms>,<ms>,...]
//   refused=1 status=<exit status> message=<the first line the program printed>
//   timeout=1 mapped_ms=<ms, or -1 when no window was mapped>
// The exit status is 0 in all three cases (a program that cannot be run at all
// is refused with status 127), 2 for wrong arguments, 1 when the display
// cannot be opened.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr auto closeTimeout = std::chrono::seconds(10);

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// A window can go between finding it and reading it; the error then only
// means "not yet", so X errors are counted rather than ending the program.
int xErrors = 0;
int countError(Display* /*display*/, XErrorEvent* /*event*/) {
    ++xErrors;
    return 0;
}

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayPtr = std::unique_ptr<Display, DisplayCloser>;

struct ImageDestroyer {
    void operator()(XImage* image) const { XDestroyImage(image); }
};
using ImagePtr = std::unique_ptr<XImage, ImageDestroyer>;

template <typename T>
struct XFreeDeleter {
    void operator()(T* data) const { XFree(data); }
};

bool hasClass(Display* display, Window window, std::string_view wanted) {
    XClassHint hint{};
    if (!XGetClassHint(display, window, &hint)) return false;
    const bool match = (hint.res_name && equalIgnoringCase(hint.res_name, wanted)) ||
                       (hint.res_class && equalIgnoringCase(hint.res_class, wanted));
    XFree(hint.res_name);
    XFree(hint.res_class);
    return match;
}

// The largest viewable top-level window of that class, if any. Without a
// window manager the top-level windows are the root's children; with one,
// its frames' children.
std::optional<Window> findWindow(Display* display, std::string_view wanted) {
    std::optional<Window> found;
    long foundArea = 0;
    const auto consider = [&](Window window) {
        XWindowAttributes attributes{};
        if (!XGetWindowAttributes(display, window, &attributes)) return;
        if (attributes.map_state != IsViewable || !hasClass(display, window, wanted)) return;
        const long area = static_cast<long>(attributes.width) * attributes.height;
        if (area > foundArea) {
            found = window;
            foundArea = area;
        }
    };
    const auto childrenOf = [display](Window parent) {
        Window root = 0;
        Window up = 0;
        Window* children = nullptr;
        unsigned count = 0;
        std::vector<Window> list;
        if (XQueryTree(display, parent, &root, &up, &children, &count)) {
            std::unique_ptr<Window, XFreeDeleter<Window>> owned(children);
            list.assign(children, children + count);
        }
        return list;
    };
    for (const Window top : childrenOf(DefaultRootWindow(display))) {
        consider(top);
        for (const Window inner : childrenOf(top)) consider(inner);
    }
    return found;
}

// The middle of the window's part on the screen (a rectangle of half its
// width and half its height); nothing when it cannot be read yet.
ImagePtr middleOf(Display* display, Window window) {
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, window, &attributes)) return nullptr;
    int rootX = 0;
    int rootY = 0;
    Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &rootX, &rootY,
                          &child);
    // XGetImage wants a rectangle that lies on the screen.
    const int screenWidth = DisplayWidth(display, DefaultScreen(display));
    const int screenHeight = DisplayHeight(display, DefaultScreen(display));
    const int left = std::max(0, -rootX);
    const int top = std::max(0, -rootY);
    const int right = std::min(attributes.width, screenWidth - rootX);
    const int bottom = std::min(attributes.height, screenHeight - rootY);
    const int width = (right - left) / 2;
    const int height = (bottom - top) / 2;
    if (width < 1 || height < 1) return nullptr;
    const int errorsBefore = xErrors;
    ImagePtr image(XGetImage(display, window, left + width / 2, top + height / 2,
                             static_cast<unsigned>(width), static_cast<unsigned>(height), AllPlanes,
                             ZPixmap));
    XSync(display, False);
    if (xErrors != errorsBefore) return nullptr;
    return image;
}

// Whether the middle of the window shows more than one colour; false also
// when it cannot be read yet.
bool middleIsPainted(Display* display, Window window) {
    const ImagePtr image = middleOf(display, window);
    if (!image) return false;
    const unsigned long first = XGetPixel(image.get(), 0, 0);
    for (int y = 0; y < image->height; ++y) {
        for (int x = 0; x < image->width; ++x) {
            if (XGetPixel(image.get(), x, y) != first) return true;
        }
    }
    return false;
}

bool sameImage(const XImage& a, const XImage& b) {
    return a.width == b.width && a.height == b.height && a.bytes_per_line == b.bytes_per_line &&
           std::equal(a.data, a.data + static_cast<ptrdiff_t>(a.bytes_per_line) * a.height, b.data);
}

// Presses `key` `steps` times, a reader's pause before each, and times each
// press until the window's middle changes; -1 for a step that changed nothing
// within 5 s.
std::vector<double> timeSteps(Display* display, Window window, int steps, const char* key) {
    constexpr auto readersPause = milliseconds(300);
    constexpr auto stepTimeout = std::chrono::seconds(5);
    std::vector<double> times;
    const KeyCode code = XKeysymToKeycode(display, XStringToKeysym(key));
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    XSync(display, False);
    for (int i = 0; i < steps; ++i) {
        std::this_thread::sleep_for(readersPause);
        const ImagePtr before = middleOf(display, window);
        const auto start = Clock::now();
        XTestFakeKeyEvent(display, code, True, 0);
        XTestFakeKeyEvent(display, code, False, 0);
        XFlush(display);
        double took = -1;
        while (Clock::now() - start < stepTimeout) {
            const ImagePtr now = middleOf(display, window);
            if (before && now && !sameImage(*before, *now)) {
                took = millisecondsSince(start);
                break;
            }
            std::this_thread::sleep_for(milliseconds(1));
        }
        times.push_back(took);
    }
    return times;
}

// Asks the window to close as a window manager's close button does.
void askToClose(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

// The exit status once the program has ended, or nothing while it runs.
std::optional<int> endedWith(pid_t pid) {
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) != pid) return std::nullopt;
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    return 128 + WTERMSIG(status);
}

void endProgram(pid_t pid) {
    const auto deadline = Clock::now() + closeTimeout;
    while (Clock::now() < deadline) {
        if (endedWith(pid)) return;
        std::this_thread::sleep_for(milliseconds(5));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

long peakResidentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// The first non-empty line the program wrote (where programs say why they
// refuse a file), made safe for a key=value line.
std::string firstLineOf(FILE* output) {
    std::rewind(output);
    char buffer[1024];
    while (std::fgets(buffer, sizeof buffer, output)) {
        std::string line(buffer);
        while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) {
            line.pop_back();
        }
        if (line.empty()) continue;
        std::replace(line.begin(), line.end(), '\t', ' ');
        return line;
    }
    return "(nothing)";
}

// Starts the program with stdin from /dev/null and its output into `output`;
// it does not inherit our display connection.
pid_t startProgram(char** argv, FILE* output, int displayFd) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    close(displayFd);
    const int devNull = open("/dev/null", O_RDONLY);
    dup2(devNull, STDIN_FILENO);
    dup2(fileno(output), STDOUT_FILENO);
    dup2(fileno(output), STDERR_FILENO);
    execvp(argv[0], argv);
    std::fprintf(stderr, "cannot start %s\n", argv[0]);
    _exit(127);
}

struct Steps {
    int count = 0;
    const char* key = nullptr;
};

int run(std::string_view wanted, double timeoutSeconds, char** programArgv, Steps steps) {
    const DisplayPtr display(XOpenDisplay(nullptr));
    if (!display) {
        std::fprintf(stderr, "x_first_paint: cannot open the display\n");
        return 1;
    }
    XSetErrorHandler(countError);
    const std::unique_ptr<FILE, int (*)(FILE*)> output(std::tmpfile(), &std::fclose);
    if (!output) {
        std::fprintf(stderr, "x_first_paint: no temporary file for the program's output\n");
        return 1;
    }
    std::fflush(stdout);
    const auto start = Clock::now();
    const pid_t pid = startProgram(programArgv, output.get(), ConnectionNumber(display.get()));
    if (pid < 0) {
        std::fprintf(stderr, "x_first_paint: fork failed\n");
        return 1;
    }
    const auto deadline = start + std::chrono::duration_cast<Clock::duration>(
                                      std::chrono::duration<double>(timeoutSeconds));
    double mappedMs = -1;
    while (Clock::now() < deadline) {
        if (const std::optional<int> status = endedWith(pid)) {
            std::printf("refused=1 status=%d message=%s\n", *status,
                        firstLineOf(output.get()).c_str());
            return 0;
        }
        const std::optional<Window> window = findWindow(display.get(), wanted);
        if (!window) {
            std::this_thread::sleep_for(milliseconds(1));
            continue;
        }
        if (mappedMs < 0) mappedMs = millisecondsSince(start);
        if (middleIsPainted(display.get(), *window)) {
            const double paintedMs = millisecondsSince(start);
            const long peakKb = peakResidentKb(pid);
            std::printf("start_ms=%.1f mapped_ms=%.1f peak_rss_kb=%ld", paintedMs, mappedMs,
                        peakKb);
            if (steps.count > 0) {
                std::string list;
                for (const double took :
                     timeSteps(display.get(), *window, steps.count, steps.key)) {
                    char figure[32];
                    std::snprintf(figure, sizeof figure, "%s%.1f", list.empty() ? "" : ",", took);
                    list += figure;
                }
                std::printf(" steps_ms=%s", list.c_str());
            }
            std::printf("\n");
            askToClose(display.get(), *window);
            endProgram(pid);
            return 0;
        }
        std::this_thread::sleep_for(milliseconds(2));
    }
    std::printf("timeout=1 mapped_ms=%.1f\n", mappedMs);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Steps steps;
    if (argc > 3 && std::string_view(argv[1]) == "--steps") {
        steps.count = std::atoi(argv[2]);
        steps.key = argv[3];
        argc -= 3;
        argv += 3;
    }
    if (argc < 4 || steps.count < 0) {
        std::fprintf(stderr,
                     "usage: x_first_paint [--steps N KEY] CLASS TIMEOUT_S PROGRAM [ARGS...]\n");
        return 2;
    }
    const double timeoutSeconds = std::strtod(argv[2], nullptr);
    if (!(timeoutSeconds > 0)) {
        std::fprintf(stderr, "x_first_paint: TIMEOUT_S must be a positive number\n");
        return 2;
    }
    return run(argv[1], timeoutSeconds, argv + 3, steps);
}
