// The client's handling of its host's messages and of the player's clicks on the board:
// the rule classes of the window, put together as the window puts them, fed through
// the same framer, queue and dispatcher as a real connection, with their ways out (what
// goes to the host, chat lines, sounds, message boxes) recorded.
//
// Input: records closed by 0xFF, each one of:
//   "o" LETTERS      (first record only) "h": this copy hosts the game, "c": chatter
//                    sounds are heard, "n": the new turn sound
//   "k" COLUMN ROW   a left click on a board cell, COLUMN "a".."j" and ROW "1".."9"; any
//                    other character lands just off the board
//   "r" COLUMN ROW   the same with the right button, which unpicks
//   "n"              a left click on the first cell holding the word's next letter that
//                    may follow the last pick (any such cell for the first letter)
//   "t" NUMBER       the turn clock ticks NUMBER times (at most 99) while it runs
//   "m" TEXT         the player types TEXT (Latin-1) into the chat box and presses Enter
//   "v" NUMBER       the player picks chatter sound NUMBER
//   "j"              the player clicks "Just Watch"
//   anything else    one message from the host ("CMD_..."), arriving whole in one read
//
// Properties: nothing sent to the host holds 0xFF, and every message the client sends
// speaks for its own slot; every CMD_myword has as many cells as the word has letters,
// all on the board, and no empty field, and is sent only during this player's turn;
// slots, seats, tiles, picks and revealed cells stay in range; the turn clock's numbers
// stay sane and its text says its seconds; a message box appears only for a click of a
// watching player, never for a message from the host; every log line is short and free
// of control characters.
#include "FuzzCheck.h"
#include "client/ChatReceive.h"
#include "client/GameClient.h"
#include "client/SpyLines.h"
#include "net/Message.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdint>
#include <cstdlib>

namespace {

// A name with a "+", a "|" and a "ÿ", whose byte in Windows-1252 is the terminator.
const QString kLoginName = QStringLiteral("Zo\u00eb+\u00ff|1");

int number(const QByteArray& arg)
{
    int n = 0;
    for (qsizetype i = 0; i < arg.size() && i < 2 && arg.at(i) >= '0' && arg.at(i) <= '9'; ++i)
        n = n * 10 + (arg.at(i) - '0');
    return n;
}

// The centre of a cell in board pixels; characters outside the board's range land half
// a cell beyond its edge.
int pixel(char c, char first, int count)
{
    int index = c - first + 1;
    if (index < 1)
        index = 0;
    else if (index > count)
        index = count + 1;
    return (index - 1) * WordEntry::TileSize + WordEntry::TileSize / 2;
}

class Driver {
public:
    Driver()
    {
        ClientContext& ctx = m_client.ctx;
        ctx.state.playername = kLoginName;
        ctx.state.loginname = kLoginName;
        ctx.out.send = [this](const Message& m) { sent(m); };
        ctx.out.addlinetochat = [](const QString&, const QColor& colour) { FUZZ_CHECK(colour.isValid()); };
        ctx.out.playsounds = [](const QString&) {};
        ctx.out.messageBox = [this](const QString&) { ++m_boxes; };
        m_client.chatter.play = [](const QString&) {};

        QObject::connect(&m_client, &GameClient::chatrecieved,
                         [this](const QByteArray& rest) { m_receiver.chatrecieved(rest); });
        QObject::connect(&m_client.game, &GameMessages::spectatorArrived, [this](int slot, const QString& name) {
            FUZZ_CHECK(game::isSlot(slot) && !game::isSeat(slot));
            m_spies.append(spylines::entry(slot, name));
        });
        m_client.game.removeSpy = [this](int slot, const QString& name) {
            FUZZ_CHECK(game::isSlot(slot) && !game::isSeat(slot));
            const int at = spylines::indexOf(m_spies, spylines::entry(slot, name));
            if (at >= 0)
                m_spies.removeAt(at);
            return at >= 0;
        };
        QObject::connect(&m_client.game, &GameMessages::wordRevealed, [](const QList<proto::Cell>& cells) {
            for (const proto::Cell& c : cells)
                FUZZ_CHECK(game::onBoard(c.x, c.y));
        });
        QObject::connect(&m_client.game, &GameMessages::gameRecorded,
                         [this](const QString&) { FUZZ_CHECK(game::isSeat(m_client.ctx.state.myslot)); });
        // The board and the strip are checked only when they have changed.
        QObject::connect(&m_client.words, &WordEntry::boardChanged, [this] { m_boardChanged = true; });
        QObject::connect(&m_client.words, &WordEntry::stripChanged, [this] { m_stripChanged = true; });
        QObject::connect(&m_client.clock, &TurnClock::changed, [this] { m_clockChanged = true; });
        // Timer1 is worked off by hand below, one tick after another.
        m_client.connection.timer1().stop();
    }

    void options(const QByteArray& letters)
    {
        m_client.ctx.state.ishost = letters.contains('h');
        m_client.prefs.setChatterSounds(letters.contains('c'));
        m_client.prefs.setTurnSoundNew(letters.contains('n'));
    }

    void run(const QByteArray& record)
    {
        const char op = record.isEmpty() ? 0 : record.at(0);
        const QByteArray arg = record.mid(1);
        const int boxesBefore = m_boxes;
        bool clicked = false;
        if ((op == 'k' || op == 'r') && arg.size() >= 2) {
            click(op == 'r' ? Qt::RightButton : Qt::LeftButton, pixel(arg.at(0), 'a', WordEntry::Columns),
                  pixel(arg.at(1), '1', WordEntry::Rows));
            clicked = true;
        } else if (op == 'n') {
            clicked = pickNext();
        } else if (op == 't') {
            for (int i = number(arg); i > 0 && m_client.clock.isRunning(); --i)
                m_client.clock.tick();
        } else if (op == 'm') {
            m_client.chatSender.sendit(QString::fromLatin1(arg));
        } else if (op == 'v') {
            m_client.chatter.wave14Click(number(arg));
        } else if (op == 'j') {
            m_client.commands.justWatchClick();
        } else {
            arrive(record);
        }
        // A box only ever tells a watching player that he cannot pick.
        if (m_boxes != boxesBefore)
            FUZZ_CHECK(clicked && m_boxes == boxesBefore + 1 && m_client.turn.justWatching());
        checkState();
    }

private:
    // The host's bytes as one read, then Timer1 ticks until the queue is empty.
    void arrive(const QByteArray& text)
    {
        ClientConnection& c = m_client.connection;
        c.receiveBytes(text + Message::Terminator);
        while (c.queued() > 0)
            c.processsocktimer();
    }

    void click(Qt::MouseButton button, int x, int y)
    {
        m_myTurnAtClick = m_client.turn.myTurn();
        m_client.words.mouseUp(button, x, y);
        m_myTurnAtClick = false;
    }

    // A click on a cell that holds the next letter and touches the last pick, along the
    // line in a straight game; false when there is none.
    bool pickNext()
    {
        const WordEntry& w = m_client.words;
        const int n = w.pickcount() + 1;
        if (n > w.wordLength())
            return false;
        const int letter = w.slotLetter(n);
        const std::optional<QPoint> last = w.lastPicked();
        const bool alongLine = m_client.turn.straight() && w.direction() != 0 && w.pathlength() >= 2;
        for (int x = 1; x <= WordEntry::Columns; ++x) {
            for (int y = 1; y <= WordEntry::Rows; ++y) {
                if (w.cell(x, y) != letter)
                    continue;
                if (last) {
                    const QPoint d = QPoint(x, y) - *last;
                    if (std::abs(d.x()) > 1 || std::abs(d.y()) > 1 || d.isNull())
                        continue;
                    if (alongLine && d != WordEntry::step(w.direction()))
                        continue;
                }
                click(Qt::LeftButton, (x - 1) * WordEntry::TileSize + 1, (y - 1) * WordEntry::TileSize + 1);
                return true;
            }
        }
        return false;
    }

    void sent(const Message& m)
    {
        const QByteArray& text = m.text();
        FUZZ_CHECK(!text.contains(Message::Terminator));
        FUZZ_CHECK(m.bytes() == text + Message::Terminator);
        const ClientState& st = m_client.ctx.state;
        FUZZ_CHECK(st.connected && game::isSlot(st.myslot));
        const QList<QByteArray> fields = text.split('+');
        const QByteArray& command = fields.first();
        FUZZ_CHECK(fields.size() >= 2);
        // Every message a client sends names its own slot first; the player's own
        // commands here never speak for another seat.
        FUZZ_CHECK(fields.at(1) == QByteArray::number(st.myslot));
        if (command == cmd::myword)
            checkWord(fields);
        else if (command == cmd::logininfo)
            FUZZ_CHECK(text == "CMD_logininfo+" + QByteArray::number(st.myslot) + "+1.0.4+Zo\xEB+?|1");
        else
            FUZZ_CHECK(command == cmd::chat || command == cmd::action || command == cmd::playasound
                       || command == cmd::justwatch);
    }

    void checkWord(const QList<QByteArray>& fields)
    {
        // Only the click that completes the word sends it, during this player's turn.
        FUZZ_CHECK(m_myTurnAtClick);
        for (const QByteArray& f : fields)
            FUZZ_CHECK(!f.isEmpty());
        const int length = m_client.words.wordLength();
        FUZZ_CHECK(length >= 1);
        FUZZ_CHECK(fields.size() == 2 + 2 * length);
        for (qsizetype i = 2; i + 1 < fields.size(); i += 2) {
            int x = 0;
            int y = 0;
            FUZZ_CHECK(FieldReader::toInt(fields.at(i), &x) && FieldReader::toInt(fields.at(i + 1), &y));
            FUZZ_CHECK(game::onBoard(x, y));
        }
    }

    void checkState()
    {
        const ClientState& st = m_client.ctx.state;
        FUZZ_CHECK(st.myslot == 0 || game::isSlot(st.myslot));
        FUZZ_CHECK(st.myslot == 0 || st.connected);
        const TurnState& turn = m_client.turn;
        FUZZ_CHECK(turn.activeplayer() == 0 || game::isSlot(turn.activeplayer()));

        const WordEntry& w = m_client.words;
        if (m_boardChanged) {
            for (int x = 1; x <= WordEntry::Columns; ++x) {
                for (int y = 1; y <= WordEntry::Rows; ++y) {
                    const int tile = w.cell(x, y);
                    FUZZ_CHECK(tile >= 0 && tile <= WordEntry::LastMarked);
                }
            }
            m_boardChanged = false;
        }
        if (m_stripChanged) {
            for (int s = 1; s <= WordEntry::Slots; ++s) {
                FUZZ_CHECK(w.slotLetter(s) >= 0 && w.slotLetter(s) <= WordEntry::LastLetter);
                FUZZ_CHECK(w.slotPicture(s) >= 0 && w.slotPicture(s) <= WordEntry::LastMarked);
            }
            m_stripChanged = false;
        }
        FUZZ_CHECK(w.pickcount() >= 0 && w.pickcount() <= WordEntry::Slots);
        FUZZ_CHECK(w.pathlength() == w.pickcount());
        FUZZ_CHECK(w.direction() >= 0 && w.direction() <= 8);
        if (const std::optional<QPoint> last = w.lastPicked())
            FUZZ_CHECK(game::onBoard(last->x(), last->y()));

        if (m_clockChanged)
            checkClock();
    }

    void checkClock()
    {
        m_clockChanged = false;
        const TurnClock& clock = m_client.clock;
        const int perTurn = clock.timePerTurn();
        const int left = clock.secondsLeft();
        FUZZ_CHECK(perTurn >= 0 && perTurn <= game::MaxTimePerTurn);
        FUZZ_CHECK(clock.barStep() >= 1 && clock.barStep() <= TurnClock::BarFullWidth);
        FUZZ_CHECK(left >= 0 && left <= perTurn);
        FUZZ_CHECK(clock.barWidth() >= 0 && clock.barWidth() <= TurnClock::BarFullWidth);
        FUZZ_CHECK(left > 0 || clock.barWidth() == 0);
        FUZZ_CHECK(!clock.waiting() || (!clock.isRunning() && left == 0));
        // "Time: m:ss" says the seconds left.
        const QString shown = clock.text();
        FUZZ_CHECK(shown.startsWith(QLatin1String("Time: ")));
        const qsizetype colon = shown.indexOf(u':', 6);
        FUZZ_CHECK(colon > 6 && colon + 3 == shown.size());
        bool okMinutes = false;
        bool okSeconds = false;
        const int minutes = shown.mid(6, colon - 6).toInt(&okMinutes);
        const int seconds = shown.mid(colon + 1).toInt(&okSeconds);
        FUZZ_CHECK(okMinutes && okSeconds && seconds < 60 && minutes * 60 + seconds == left);
        FUZZ_CHECK(clock.timePerTurnText().startsWith(QLatin1String("Time Per Turn: ")));
    }

    GameClient m_client;
    ChatReceiver m_receiver{m_client.ctx};
    QStringList m_spies;
    int m_boxes = 0;
    bool m_myTurnAtClick = false;
    bool m_boardChanged = false;
    bool m_stripChanged = false;
    bool m_clockChanged = false;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzcheck::installLogCheck();
    // Chat colours are drawn from the application's palette: one application for every
    // input, with no screen of its own and none of the fuzzer's arguments.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_client";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QList<QByteArray> records = input.split(Message::Terminator);
    Driver driver;
    if (!records.isEmpty() && records.first().startsWith('o'))
        driver.options(records.takeFirst().mid(1));
    for (const QByteArray& record : records)
        driver.run(record);
    return 0;
}
