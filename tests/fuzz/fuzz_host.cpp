// The host's handling of whole games: connections, logins, relays, game starts, words,
// clock ticks and login deadlines, driven through its link with a scripted clock.
//
// Input: records closed by 0xFF, each an order to the driver:
//   "c" [DIGIT]  a connection is accepted (into the slot the host chooses), from the
//                address 10.0.0.DIGIT (10.0.0.1 without one)
//   "x" DIGIT    the connection of that slot closes
//   "t" NUMBER   the game clock ticks NUMBER times (at most 99)
//   "z" NUMBER   NUMBER seconds pass (at most 99); the asked-for wake-ups (logins, kept
//                seats) that are due come
//   "w" DIGIT    that seat sends the cells of the current word, as a client would
//   DIGIT TEXT   the connection of that slot sends TEXT as one message
// The first record may be "s" NUMBER: the seed of the host's random draws.
//
// Properties: every message goes to a connected slot (or "CMD_full+" to a refused
// connection) and holds no 0xFF; the player table agrees with the connections, also
// when the host moves one into a kept seat; the clock the host asked for is the one its
// rounds run on; a wake-up is asked for exactly while some connection awaits its login,
// another exactly while some seat is kept and unclaimed; a kept seat is held by no
// logged-in connection; the leader is nobody or the logged-in seat connected longest,
// never a spectator; a seat that sends the word's cells in a running game has found
// it; every log line is short and free of control bytes.
#include "FuzzCheck.h"
#include "host/HostGame.h"
#include "host/RandomSource.h"
#include "net/Message.h"

#include <array>
#include <cstdint>
#include <optional>

namespace {

constexpr int kMaxSlot = PlayerTable::kFullSlot;

// Round words of every length the host draws: 3 to 8 letters straight, 5 to 10
// scrambled, 6 or more with only-letters.
const std::array<const char*, 12> kWords = {"cat",    "word",    "quill",   "letter",    "scrabble", "crossword",
                                            "journey", "mixture", "elephant", "hazelnuts", "abstractly", "zigzag"};

class Driver {
public:
    explicit Driver(uint64_t seed)
        : m_random(seed)
        , m_game(m_random, [this](const QString&, bool scrambled, bool onlyLetters) { return drawWord(scrambled, onlyLetters); }, link())
    {
    }

    void run(const QByteArray& record)
    {
        const char op = record.isEmpty() ? 0 : record.at(0);
        const QByteArray arg = record.mid(1);
        if (op == 'c')
            accept(arg.isEmpty() ? 1 : digit(arg));
        else if (op == 'x')
            close(digit(arg));
        else if (op == 't')
            tick(number(arg));
        else if (op == 'z')
            pass(number(arg));
        else if (op == 'w')
            sendWord(digit(arg));
        else if (op >= '1' && op <= '9')
            deliver(op - '0', arg);
        checkState();
    }

private:
    static int digit(const QByteArray& arg) { return arg.isEmpty() ? 0 : arg.at(0) - '0'; }
    static int number(const QByteArray& arg)
    {
        int n = 0;
        for (qsizetype i = 0; i < arg.size() && i < 2 && arg.at(i) >= '0' && arg.at(i) <= '9'; ++i)
            n = n * 10 + (arg.at(i) - '0');
        return n;
    }

    QByteArray drawWord(bool scrambled, bool onlyLetters)
    {
        for (;;) {
            const QByteArray w = kWords[static_cast<std::size_t>(m_random.draw(int(kWords.size())))];
            const int min = onlyLetters ? 6 : scrambled ? 5 : 3;
            const int max = scrambled ? 10 : 8;
            if (w.size() >= min && w.size() <= max)
                return w;
        }
    }

    HostLink link()
    {
        HostLink l;
        l.send = [this](int slot, const Message& m) {
            FUZZ_CHECK(slot >= 1 && slot <= kMaxSlot);
            FUZZ_CHECK(!m.text().contains(Message::Terminator));
            if (slot == kMaxSlot)
                FUZZ_CHECK(m.text() == "CMD_full+");
            else
                FUZZ_CHECK(m_connected[slot]);
        };
        l.closeConnection = [this](int slot) {
            FUZZ_CHECK(slot >= 1 && slot <= kMaxSlot);
            // A real connection reports its close at once; only an open one can close.
            if (slot == kMaxSlot || m_connected[slot]) {
                if (slot != kMaxSlot)
                    m_connected[slot] = false;
                m_game.connectionClosed(slot);
            }
        };
        l.runClock = [this](bool running) { m_clock = running; };
        l.event = [](const QString& line) { FUZZ_CHECK(fuzzcheck::safeLogLine(line)); };
        l.now = [this] { return m_nowMs; };
        l.wakeForLogins = [this](qint64 ms) {
            FUZZ_CHECK(ms >= -1);
            m_wakeAt = ms < 0 ? std::nullopt : std::optional<qint64>(m_nowMs + ms);
        };
        l.wakeForHolds = [this](qint64 ms) {
            FUZZ_CHECK(ms >= -1);
            m_holdWakeAt = ms < 0 ? std::nullopt : std::optional<qint64>(m_nowMs + ms);
        };
        l.moveConnection = [this](int from, int to) {
            FUZZ_CHECK(from >= 1 && from <= 9 && to >= 1 && to <= 9 && from != to);
            FUZZ_CHECK(m_connected[from] && !m_connected[to]);
            m_connected[from] = false;
            m_connected[to] = true;
        };
        l.leaderChanged = [this](int slot) { FUZZ_CHECK(slot == m_game.leader()); };
        return l;
    }

    void accept(int address)
    {
        const QString from = QStringLiteral("10.0.0.%1").arg(address);
        const int slot = m_game.chooseSlot(from);
        FUZZ_CHECK(slot >= 1 && slot <= kMaxSlot);
        if (slot != kMaxSlot) {
            FUZZ_CHECK(!m_connected[slot]);
            m_connected[slot] = true;
        }
        m_game.connectionAccepted(slot, from);
    }

    void close(int slot)
    {
        if (slot < 1 || slot > 9 || !m_connected[slot])
            return;
        m_connected[slot] = false;
        m_game.connectionClosed(slot);
    }

    void tick(int times)
    {
        for (int i = 0; i < times && m_clock; ++i)
            m_game.tick();
    }

    void pass(int seconds)
    {
        m_nowMs += qint64(seconds) * 1000;
        if (m_wakeAt && *m_wakeAt <= m_nowMs) {
            m_wakeAt.reset();
            m_game.loginDeadline();
        }
        if (m_holdWakeAt && *m_holdWakeAt <= m_nowMs) {
            m_holdWakeAt.reset();
            m_game.holdDeadline();
        }
    }

    void deliver(int slot, const QByteArray& text)
    {
        if (m_connected[slot])
            m_game.handle(slot, text);
    }

    void sendWord(int seat)
    {
        if (!PlayerTable::isSeat(seat) || !m_connected[seat])
            return;
        const bool searching = m_game.rounds().gamerunning() && !m_game.players()[seat].found;
        m_game.handle(seat, "CMD_myword+" + QByteArray::number(seat) + m_game.rounds().board().wordcells());
        if (searching)
            FUZZ_CHECK(m_game.players()[seat].found);
    }

    void checkState() const
    {
        bool awaiting = false;
        for (int slot = 1; slot <= PlayerTable::kMaxSlots; ++slot) {
            FUZZ_CHECK(m_game.players()[slot].inuse == m_connected[slot]);
            FUZZ_CHECK(!m_game.awaitingLogin(slot) || m_connected[slot]);
            awaiting = awaiting || m_game.awaitingLogin(slot);
        }
        FUZZ_CHECK(awaiting == m_wakeAt.has_value());
        FUZZ_CHECK(m_clock == m_game.rounds().clockRunning());
        FUZZ_CHECK(!m_game.players()[kMaxSlot].inuse);

        const SeatHolds& holds = m_game.holds();
        FUZZ_CHECK(holds.nextDeadline().has_value() == m_holdWakeAt.has_value());
        int longest = 0;
        for (int seat = 1; seat <= PlayerTable::kSeats; ++seat) {
            const PlayerRec& p = m_game.players()[seat];
            FUZZ_CHECK(!holds.isHeld(seat) || !p.loggedIn);
            if (p.inuse && p.loggedIn && (longest == 0 || p.since < m_game.players()[longest].since))
                longest = seat;
        }
        FUZZ_CHECK(m_game.leader() == longest);
    }

    SeededRandom m_random;
    std::array<bool, kMaxSlot + 1> m_connected{};
    bool m_clock = false;
    qint64 m_nowMs = 0;
    std::optional<qint64> m_wakeAt;
    std::optional<qint64> m_holdWakeAt;
    HostGame m_game;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzcheck::installLogCheck();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QList<QByteArray> records = input.split(Message::Terminator);
    uint64_t seed = 1;
    if (!records.isEmpty() && records.first().startsWith('s')) {
        seed = records.first().mid(1).toULongLong();
        records.removeFirst();
    }
    Driver driver(seed);
    for (const QByteArray& record : records)
        driver.run(record);
    return 0;
}
