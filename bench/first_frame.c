/* Times a program's first window on an X display: from starting the program to its
 * top-level window being mapped, and to its first painted frame (a point of the window
 * that is no longer the black of the empty screen).
 *
 *   first_frame TITLE DX DY [--keep] -- PROGRAM [ARGS...]
 *
 * TITLE is the window's title; DX, DY the point watched, from the window's top-left
 * corner. Prints "mapped MS painted MS pid PID" and ends the program, or with --keep
 * leaves it running (for measuring it further). The program's own output goes to
 * standard error. Runs without a window manager: the
 * program's window is then a child of the root window, whose map is seen at once.
 * Exit status 1 when the program ends or the window is not painted within 20 s.
 *
 * Build: cc -O2 -o first_frame first_frame.c -lX11
 */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

static int has_title(Display* d, Window w, const char* title)
{
    char* name = NULL;
    int same = 0;
    if (XFetchName(d, w, &name) && name) {
        same = strcmp(name, title) == 0;
        XFree(name);
    }
    return same;
}

static int ended(pid_t pid)
{
    int status;
    return waitpid(pid, &status, WNOHANG) == pid;
}

/* True, after saying why and ending the program, when it has ended or 20 s have passed. */
static int given_up(pid_t pid, double start, const char* what, const char* title)
{
    if (!ended(pid) && now_ms() - start <= 20000)
        return 0;
    fprintf(stderr, "first_frame: %s \"%s\"\n", what, title);
    kill(pid, SIGTERM);
    return 1;
}

int main(int argc, char** argv)
{
    if (argc < 6) {
        fprintf(stderr, "usage: first_frame TITLE DX DY [--keep] -- PROGRAM [ARGS...]\n");
        return 2;
    }
    const char* title = argv[1];
    const int dx = atoi(argv[2]);
    const int dy = atoi(argv[3]);
    int at = 4;
    int keep = 0;
    if (strcmp(argv[at], "--keep") == 0) {
        keep = 1;
        ++at;
    }
    if (strcmp(argv[at], "--") != 0 || at + 1 >= argc) {
        fprintf(stderr, "first_frame: missing -- PROGRAM\n");
        return 2;
    }
    char** program = argv + at + 1;

    Display* d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "first_frame: cannot open the display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(d);
    XSelectInput(d, root, SubstructureNotifyMask);
    XSync(d, False);

    const double start = now_ms();
    const pid_t pid = fork();
    if (pid == 0) {
        /* The program's output goes with its messages, never into this one's output,
         * whose reader waits for it to end. */
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execvp(program[0], program);
        _exit(127);
    }

    /* Mapped: the first map of a top-level window with the title. */
    Window window = 0;
    double mapped = 0;
    while (!window) {
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == MapNotify && !e.xmap.override_redirect && has_title(d, e.xmap.window, title)) {
                window = e.xmap.window;
                mapped = now_ms();
                break;
            }
        }
        if (window)
            break;
        if (given_up(pid, start, "no window", title))
            return 1;
        usleep(200);
    }

    /* Painted: the watched point, read from the screen, is no longer black. */
    int x = 0, y = 0;
    Window child;
    XTranslateCoordinates(d, window, root, 0, 0, &x, &y, &child);
    double painted = 0;
    for (;;) {
        XImage* pixel = XGetImage(d, root, x + dx, y + dy, 1, 1, AllPlanes, ZPixmap);
        const unsigned long value = pixel ? XGetPixel(pixel, 0, 0) : 0;
        if (pixel)
            XDestroyImage(pixel);
        if ((value & 0xFFFFFF) != 0) {
            painted = now_ms();
            break;
        }
        if (given_up(pid, start, "never painted:", title))
            return 1;
        usleep(500);
    }

    printf("mapped %.1f painted %.1f pid %d\n", mapped - start, painted - start, (int)pid);
    fflush(stdout);
    if (!keep) {
        kill(pid, SIGTERM);
        waitpid(pid, NULL, 0);
    }
    XCloseDisplay(d);
    return 0;
}
