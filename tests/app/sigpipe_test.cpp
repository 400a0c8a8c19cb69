// Logging into a pipe whose reader has gone: the headless host and a hosting player's
// program both go on, whatever they write to stderr afterwards.
#include "common/EventLoop.h"
#include "host/RawClient.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <netinet/in.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char** environ;

using hosttest::RawClient;

namespace {

// The program started with its stderr going into a pipe that this test reads, until
// it stops reading and closes its end.
class PipedProgram {
public:
    PipedProgram(const std::vector<std::string>& args, const std::vector<std::string>& extraEnv)
    {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0)
            return;
        m_readEnd = fds[0];
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDERR_FILENO);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);

        std::vector<std::string> env = extraEnv;
        for (char** e = environ; *e; ++e)
            env.emplace_back(*e);
        std::vector<char*> argv;
        std::vector<char*> envp;
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        for (const std::string& e : env)
            envp.push_back(const_cast<char*>(e.c_str()));
        envp.push_back(nullptr);
        if (posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0)
            m_pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(fds[1]);
        ::fcntl(m_readEnd, F_SETFL, O_NONBLOCK);
    }
    ~PipedProgram()
    {
        stop(SIGKILL);
        closeReader();
    }

    bool started() const { return m_pid > 0; }
    // Reads stderr until `text` has appeared.
    bool waitForLog(const QByteArray& text)
    {
        return testutil::waitFor([&] {
            char buf[4096];
            ssize_t n;
            while ((n = ::read(m_readEnd, buf, sizeof buf)) > 0)
                m_log.append(buf, n);
            return m_log.contains(text);
        });
    }
    const QByteArray& log() const { return m_log; }
    // The reader goes away: every later write to stderr meets a broken pipe.
    void closeReader()
    {
        if (m_readEnd >= 0)
            ::close(m_readEnd);
        m_readEnd = -1;
    }
    bool running()
    {
        if (m_pid <= 0)
            return false;
        int status = 0;
        const pid_t r = ::waitpid(m_pid, &status, WNOHANG);
        if (r == m_pid) {
            m_status = status;
            m_pid = -1;
            return false;
        }
        return true;
    }
    // Sends a signal and waits for the end; the wait status, or -1.
    int stop(int signo)
    {
        if (!running())
            return m_status;
        ::kill(m_pid, signo);
        testutil::waitFor([&] { return !running(); });
        return m_status;
    }
    int status() const { return m_status; }

private:
    pid_t m_pid = -1;
    int m_readEnd = -1;
    int m_status = -1;
    QByteArray m_log;
};

std::string program()
{
    return QUILLOR_BINARY_DIR "/quillor";
}

// A port that was free a moment ago, below the range the system hands out for port 0,
// so that no test listening on "any free port" takes it in the meantime.
quint16 freePort()
{
    std::srand(unsigned(::getpid()));
    for (int attempt = 0; attempt < 100; ++attempt) {
        const quint16 port = quint16(20000 + std::rand() % 10000);
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_ANY);
        a.sin_port = htons(port);
        const bool free = ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
        ::close(fd);
        if (free)
            return port;
    }
    return 0;
}

// Joins as a remote player, has messages refused (which the host logs), and chats.
void playAfterTheReaderHasGone(quint16 port)
{
    RawClient bob;
    ASSERT_TRUE(testutil::waitFor([&] { return bob.connectTo(port); }));
    ASSERT_TRUE(bob.waitForMessage("CMD_sendlogininfo"));
    // The hosting player's own client may connect before or after this one.
    const QByteArray s = bob.givenSlot();
    bob.send("CMD_logininfo+" + s + "+1.0.4+Bob");
    ASSERT_TRUE(bob.waitForMessage("CMD_newplayerinfo"));
    bob.send("CMD_chat+9+spoofed");         // claims another slot: refused
    bob.send("CMD_myword+" + s + "+x+1");   // not a number: refused
    bob.send("CMD_nonsense+" + s);          // nobody handles it: refused
    bob.send("CMD_chat+" + s + "+still here|clBlack");
    ASSERT_TRUE(bob.waitForText("CMD_chat+Bob chats: still here|clBlack"));
}

} // namespace

TEST(BrokenLogPipe, TheHeadlessHostGoesOnAndStopsCleanly)
{
    PipedProgram serve({program(), "--serve", "--port", "0"}, {});
    ASSERT_TRUE(serve.started());
    ASSERT_TRUE(serve.waitForLog("listening on port"));
    const QByteArray log = serve.log();
    const qsizetype at = log.indexOf("listening on port ") + 18;
    const quint16 port = quint16(log.mid(at, log.indexOf('\n', at) - at).toUInt());
    ASSERT_NE(port, 0);
    serve.closeReader();

    playAfterTheReaderHasGone(port);
    EXPECT_TRUE(serve.running());
    const int status = serve.stop(SIGTERM);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(BrokenLogPipe, AHostingPlayersGameGoesOnWhenARemotePlayersMessageIsRefused)
{
    QTemporaryDir runtime;
    const quint16 port = freePort();
    PipedProgram game({program(), "Ann", "127.0.0.1", "true", "--port", std::to_string(port)},
                      {"QT_QPA_PLATFORM=offscreen", "XDG_RUNTIME_DIR=" + runtime.path().toStdString()});
    ASSERT_TRUE(game.started());
    game.closeReader();

    playAfterTheReaderHasGone(port);
    EXPECT_TRUE(game.running()) << "ended with status " << game.status();
}
