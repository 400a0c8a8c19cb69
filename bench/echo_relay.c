/* The floor for bench/latency.py: a bare relay of the game's framing on loopback.
 *
 * It accepts connections on 127.0.0.1, sets TCP_NODELAY on each, cuts what arrives into
 * messages closed by the byte 0xFF and sends every complete message, at once, to every
 * connection in the order they connected (the sender included), as the game host does
 * with a chat line. No game logic, no timers: one epoll loop.
 *
 * Usage: echo_relay [PORT] [--greet]    (0 or nothing: any free port)
 * Prints "listening on port N" on stdout, then runs until killed. With --greet it first
 * sends every new connection one message, "hello", as the game host greets a player.
 */
#define _GNU_SOURCE
#include <arpa/inet.h>
#include <errno.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/epoll.h>
#include <sys/socket.h>
#include <unistd.h>

#define MAX_CONNS 64
#define TAIL_MAX 65536

struct conn {
    int fd;
    size_t used;
    unsigned char tail[TAIL_MAX];
};

static struct conn* conns[MAX_CONNS];
static int nconns;

static void send_all(int fd, const unsigned char* data, size_t n)
{
    while (n > 0) {
        ssize_t w = send(fd, data, n, MSG_NOSIGNAL);
        if (w < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        data += w;
        n -= (size_t)w;
    }
}

static void drop(int epfd, int i)
{
    epoll_ctl(epfd, EPOLL_CTL_DEL, conns[i]->fd, NULL);
    close(conns[i]->fd);
    free(conns[i]);
    memmove(&conns[i], &conns[i + 1], sizeof conns[0] * (size_t)(nconns - i - 1));
    --nconns;
}

int main(int argc, char** argv)
{
    const int port = argc > 1 ? atoi(argv[1]) : 0;
    const int greet = argc > 2 && strcmp(argv[2], "--greet") == 0;
    const int one = 1;
    int lfd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    setsockopt(lfd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    struct sockaddr_in addr;
    memset(&addr, 0, sizeof addr);
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons((unsigned short)port);
    if (bind(lfd, (struct sockaddr*)&addr, sizeof addr) != 0 || listen(lfd, 64) != 0) {
        perror("echo_relay");
        return 1;
    }
    socklen_t len = sizeof addr;
    getsockname(lfd, (struct sockaddr*)&addr, &len);
    printf("listening on port %d\n", ntohs(addr.sin_port));
    fflush(stdout);

    int epfd = epoll_create1(EPOLL_CLOEXEC);
    struct epoll_event ev = {.events = EPOLLIN, .data.fd = lfd};
    epoll_ctl(epfd, EPOLL_CTL_ADD, lfd, &ev);

    static unsigned char buf[65536];
    for (;;) {
        struct epoll_event events[16];
        int n = epoll_wait(epfd, events, 16, -1);
        if (n < 0 && errno == EINTR)
            continue;
        for (int e = 0; e < n; ++e) {
            int fd = events[e].data.fd;
            if (fd == lfd) {
                int cfd = accept4(lfd, NULL, NULL, SOCK_CLOEXEC);
                if (cfd < 0)
                    continue;
                if (nconns == MAX_CONNS) {
                    close(cfd);
                    continue;
                }
                setsockopt(cfd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
                if (greet)
                    send_all(cfd, (const unsigned char*)"hello\xff", 6);
                struct conn* c = calloc(1, sizeof *c);
                c->fd = cfd;
                conns[nconns++] = c;
                struct epoll_event cev = {.events = EPOLLIN, .data.fd = cfd};
                epoll_ctl(epfd, EPOLL_CTL_ADD, cfd, &cev);
                continue;
            }
            int i = 0;
            while (i < nconns && conns[i]->fd != fd)
                ++i;
            if (i == nconns)
                continue;
            ssize_t r = recv(fd, buf, sizeof buf, 0);
            if (r <= 0) {
                if (r < 0 && errno == EINTR)
                    continue;
                drop(epfd, i);
                continue;
            }
            struct conn* c = conns[i];
            for (ssize_t k = 0; k < r; ++k) {
                if (c->used < TAIL_MAX)
                    c->tail[c->used++] = buf[k];
                if (buf[k] == 0xFF) {
                    for (int j = 0; j < nconns; ++j)
                        send_all(conns[j]->fd, c->tail, c->used);
                    c->used = 0;
                }
            }
        }
    }
}
