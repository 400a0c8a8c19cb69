// The scoreboard's handling of host messages and the commands given from it: the seat
// rows, the round status, the turn clock and this player's turn state, as the host's
// messages change them.
#include "client/GameClient.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

struct Recorder {
    QStringList lines;
    QList<QColor> colours;
    QStringList sounds;
    QStringList boxes;
    QList<QByteArray> sent;
};

class ScoreBoardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        client.connection.timer1().stop();
        ctx.out.send = [this](const Message& m) { rec.sent.append(m.text()); };
        ctx.out.addlinetochat = [this](const QString& l, const QColor& c) {
            rec.lines.append(l);
            rec.colours.append(c);
        };
        ctx.out.playsounds = [this](const QString& s) { rec.sounds.append(s); };
        ctx.out.messageBox = [this](const QString& t) { rec.boxes.append(t); };
        ctx.state.myslot = 2;
        ctx.state.connected = true;
        QObject::connect(&client.game, &GameMessages::spectatorArrived, [this](int slot, const QString& name) {
            spies.append(QString::number(slot) + ": " + name);
        });
        client.game.removeSpy = [this](int slot, const QString& name) {
            return spies.removeOne(QString::number(slot) + ": " + name);
        };
        QObject::connect(&client.game, &GameMessages::gameRecorded, [this](const QString& r) { tally.append(r); });
        QObject::connect(&client.game, &GameMessages::wordRevealed, [this](const QList<proto::Cell>& cells) {
            revealed.append(proto::cellList(cells).mid(1));
        });
        QObject::connect(&turn, &TurnState::searchStarted, [this](bool mine) {
            ++pathClears;
            if (mine)
                ++counterResets;
        });
        QObject::connect(&commands, &PlayerCommands::gameStartRequested, [this] { ++gameStartShown; });
        QObject::connect(&client.prefs, &Preferences::loadRequested, [this] { ++settingsRead; });
    }

    // Hands a message text (after its command word) to a handler, read as the
    // dispatcher reads it.
    template <typename M>
    void feed(void (GameMessages::*handler)(const M&), const QByteArray& rest)
    {
        FieldReader f(rest);
        (client.game.*handler)(M::read(f));
    }

    void seat(int slot, const char* name) { feed(&GameMessages::newplayerinfo, QByteArray::number(slot) + "+" + name); }

    GameClient client;
    ClientContext& ctx = client.ctx;
    const SeatRoster& roster = client.seats;
    RoundStatus& status = client.status;
    TurnClock& clock = client.clock;
    TurnState& turn = client.turn;
    PlayerCommands& commands = client.commands;
    Recorder rec;
    QStringList spies;
    QStringList tally;
    QList<QByteArray> revealed;
    int pathClears = 0;
    int counterResets = 0;
    int gameStartShown = 0;
    int settingsRead = 0;
};

TEST_F(ScoreBoardTest, StartsWithEmptySeatsAndDefaultTexts)
{
    for (int n = 1; n <= 6; ++n) {
        EXPECT_EQ(roster.seat(n).name, "<Waiting>");
        EXPECT_EQ(roster.seat(n).score, "0");
        EXPECT_EQ(roster.seat(n).tag, n);
        EXPECT_FALSE(roster.seat(n).foundShown);
    }
    EXPECT_EQ(status.status(), "Welcome to Quillor ");
    EXPECT_EQ(status.roundText(), "ROUND: 0");
    EXPECT_EQ(status.gameTypeText(), "Game Type: Scrambled");
    // Nothing is known of a game's options yet.
    EXPECT_EQ(clock.timePerTurnText(), "Time Per Turn: \u2013");
    EXPECT_EQ(status.playToText(), "Play To Score: \u2013");
    EXPECT_EQ(clock.text(), "Time: 0:00");
    // Waiting for the first turn: an empty bar, and no timer.
    EXPECT_TRUE(clock.waiting());
    EXPECT_EQ(clock.barWidth(), 0);
    EXPECT_FALSE(clock.isRunning());
    EXPECT_FALSE(status.winnerShown());
    EXPECT_FALSE(turn.clearShown());
    EXPECT_EQ(roster.seat(3).quietName, "Klick");
    EXPECT_EQ(roster.seat(5).quietName, "Klick");
    EXPECT_TRUE(roster.seat(1).quietName.isEmpty());
}

TEST_F(ScoreBoardTest, ArrivalsFillSeatsOrTheSpyList)
{
    seat(1, "Ann");
    EXPECT_EQ(roster.seat(1).name, "Ann");
    seat(2, "Bob"); // this client
    EXPECT_EQ(roster.seat(2).name, "Bob");
    EXPECT_EQ(settingsRead, 1);
    seat(7, "Eve");
    EXPECT_EQ(spies, QStringList{"7: Eve"});
    EXPECT_EQ(rec.lines, (QStringList{"Ann is Connected.", "You are Connected.", "Eve is Connected.", "Eve is spying."}));
    EXPECT_EQ(rec.sounds, (QStringList{"entered", "entered", "entered"}));
    for (const QColor& c : rec.colours)
        EXPECT_EQ(c, QColor(0, 0, 255));
    for (int n = 3; n <= 6; ++n)
        EXPECT_EQ(roster.seat(n).name, "<Waiting>");
}

TEST_F(ScoreBoardTest, OwnArrivalAsSpectatorShowsBothLines)
{
    ctx.state.myslot = 8;
    seat(8, "Me");
    EXPECT_EQ(rec.lines, (QStringList{"You are Connected.", "You are spying."}));
    EXPECT_EQ(spies, QStringList{"8: Me"});
}

TEST_F(ScoreBoardTest, NameWithPlusArrivesWhole)
{
    feed(&GameMessages::newplayerinfo, "3+A+B");
    EXPECT_EQ(roster.seat(3).name, "A+B");
}

TEST_F(ScoreBoardTest, DeparturesAnnounceOnlyRealPlayers)
{
    seat(1, "Ann");
    seat(2, "Klot");
    seat(4, "Dan");
    feed(&GameMessages::hefoundit, "4+12+40+");
    rec.lines.clear();

    feed(&GameMessages::playerdisconnected, "4+Dan");
    feed(&GameMessages::playerdisconnected, "2+Klot");   // the seat's quiet name
    feed(&GameMessages::playerdisconnected, "5+");       // seat already waiting
    feed(&GameMessages::playerdisconnected, "1+Ann");
    EXPECT_EQ(rec.lines, (QStringList{"Dan has left.", "Ann has left."}));
    EXPECT_EQ(roster.seat(4).name, "<Waiting>");
    EXPECT_EQ(roster.seat(2).name, "<Waiting>");
    // The leaver's score, bonus and found mark stay.
    EXPECT_EQ(roster.seat(4).score, "40");
    EXPECT_EQ(roster.seat(4).bonus, "+12");
    EXPECT_TRUE(roster.seat(4).foundShown);
}

TEST_F(ScoreBoardTest, QuietNameBelongsToItsSeatOnly)
{
    seat(4, "Klot"); // "Klot" is quiet on seat 2, not on seat 4
    rec.lines.clear();
    feed(&GameMessages::playerdisconnected, "4+Klot");
    EXPECT_EQ(rec.lines, QStringList{"Klot has left."});
}

TEST_F(ScoreBoardTest, DepartingSpectatorLeavesTheSpyList)
{
    seat(7, "Eve");
    rec.lines.clear();
    feed(&GameMessages::playerdisconnected, "8+Eve"); // not listed under 8
    EXPECT_TRUE(rec.lines.isEmpty());
    feed(&GameMessages::playerdisconnected, "7+Eve");
    EXPECT_EQ(rec.lines, QStringList{"Eve has left."});
    EXPECT_TRUE(spies.isEmpty());
}

TEST_F(ScoreBoardTest, DepartureHidesTheEyes)
{
    seat(3, "Cy");
    feed(&GameMessages::justwatching, "3+1");
    EXPECT_TRUE(roster.seat(3).eyesShown);
    feed(&GameMessages::playerdisconnected, "3+Cy");
    EXPECT_FALSE(roster.seat(3).eyesShown);
}

TEST_F(ScoreBoardTest, StartingAGameResetsAndShowsTheOptions)
{
    seat(1, "Ann");
    feed(&GameMessages::hefoundit, "1+9+99+");
    feed(&GameMessages::loadboardRound, "5+1+1+3");
    status.setStartOffered(true);
    rec.lines.clear();

    feed(&GameMessages::startthegame, "Ann+300+30+f+t+");
    EXPECT_FALSE(status.startShown());
    EXPECT_EQ(status.roundText(), "ROUND: 0");
    EXPECT_EQ(roster.seat(1).score, "0");
    EXPECT_EQ(roster.seat(1).bonus, "");
    EXPECT_FALSE(roster.seat(1).foundShown);
    EXPECT_EQ(roster.seat(1).name, "Ann"); // names stay
    EXPECT_EQ(status.gameTypeText(), "Game Type: STRAIGHT");
    EXPECT_EQ(turn.gametype(), 0);
    EXPECT_EQ(clock.timePerTurnText(), "Time Per Turn: 30 secs");
    EXPECT_EQ(clock.timePerTurn(), 30);
    EXPECT_EQ(clock.barStep(), 6);
    EXPECT_EQ(status.playToText(), "Play To Score: 300");
    EXPECT_EQ(rec.lines, (QStringList{"Ann has started a STRAIGHT game.", "Using only letters that are found in the word."}));

    rec.lines.clear();
    feed(&GameMessages::startthegame, "Ann+250+45+t+f+");
    EXPECT_EQ(status.gameTypeText(), "Game Type: SCRAMBLED");
    EXPECT_EQ(turn.gametype(), 1);
    EXPECT_EQ(rec.lines, QStringList{"Ann has started a SCRAMBLED game."});
}

TEST_F(ScoreBoardTest, TimePerTurnThatIsNoNumberGivesSixty)
{
    feed(&GameMessages::startthegame, "Ann+250+abc+t+f+");
    EXPECT_EQ(clock.timePerTurn(), 60);
    EXPECT_EQ(clock.timePerTurnText(), "Time Per Turn: 60 secs"); // the seconds played
    EXPECT_EQ(clock.barStep(), 3);
}

TEST_F(ScoreBoardTest, BarStepFollowsTheTimePerTurn)
{
    EXPECT_EQ(TurnClock::barStepFor(30), 6);
    EXPECT_EQ(TurnClock::barStepFor(120), 1);
    EXPECT_EQ(TurnClock::barStepFor(183), 1);
    EXPECT_EQ(TurnClock::barStepFor(184), 1);
    EXPECT_EQ(TurnClock::barStepFor(1000), 1);
    EXPECT_EQ(TurnClock::barStepFor(20), 9);
    // A turn without time must not divide by zero.
    EXPECT_EQ(TurnClock::barStepFor(0), 184);
    EXPECT_EQ(TurnClock::barStepFor(-5), 184);
}

TEST_F(ScoreBoardTest, ZeroTimePerTurnRunsOutAtTheFirstTick)
{
    feed(&GameMessages::startthegame, "Ann+250+0+t+f+");
    feed(&GameMessages::getnextplayer, "2+");
    clock.tick();
    EXPECT_EQ(clock.barWidth(), 0);
    EXPECT_EQ(turn.activeplayer(), 0);
}

TEST_F(ScoreBoardTest, ClockTextHasTwoDigitSeconds)
{
    EXPECT_EQ(TurnClock::clockText(75), "Time: 1:15");
    EXPECT_EQ(TurnClock::clockText(9), "Time: 0:09");
    EXPECT_EQ(TurnClock::clockText(120), "Time: 2:00");
    EXPECT_EQ(TurnClock::clockText(0), "Time: 0:00");
}

TEST_F(ScoreBoardTest, OwnTurnStartsTheClockAndThePicking)
{
    seat(1, "Ann");
    seat(2, "Bob");
    feed(&GameMessages::startthegame, "Ann+250+30+t+f+");
    rec.sounds.clear();
    feed(&GameMessages::getnextplayer, "2+");
    EXPECT_EQ(turn.activeplayer(), 2);
    EXPECT_EQ(status.status(), "Your Turn.");
    EXPECT_EQ(rec.sounds, QStringList{"turn"});
    EXPECT_TRUE(turn.clearShown());
    EXPECT_EQ(pathClears, 1);
    EXPECT_EQ(counterResets, 1);
    EXPECT_EQ(clock.secondsLeft(), 30);
    EXPECT_TRUE(clock.isRunning());
}

TEST_F(ScoreBoardTest, NewTurnSoundPlaysTurnnew)
{
    client.prefs.setTurnSoundNew(true);
    feed(&GameMessages::getnextplayer, "2+");
    EXPECT_EQ(rec.sounds, QStringList{"turnnew"});
}

TEST_F(ScoreBoardTest, AnotherPlayersTurnNamesHisSeat)
{
    seat(1, "Ann");
    rec.sounds.clear();
    feed(&GameMessages::getnextplayer, "1+");
    EXPECT_EQ(status.status(), "Ann's turn.");
    EXPECT_EQ(turn.activeplayer(), 1);
    EXPECT_FALSE(turn.clearShown());
    EXPECT_EQ(pathClears, 1);
    EXPECT_EQ(counterResets, 0);
    EXPECT_TRUE(rec.sounds.isEmpty());
    EXPECT_TRUE(clock.isRunning());
}

TEST_F(ScoreBoardTest, ClockCountsDownTurnsRedAndTicks)
{
    feed(&GameMessages::startthegame, "Ann+250+30+t+f+");
    feed(&GameMessages::getnextplayer, "2+");
    rec.sounds.clear();
    QList<int> tickedAt;
    for (int i = 0; i < 29; ++i) {
        const int before = rec.sounds.size();
        clock.tick();
        const int left = clock.secondsLeft();
        if (rec.sounds.size() > before) {
            EXPECT_EQ(rec.sounds.last(), "tick");
            tickedAt.append(left);
        }
        EXPECT_EQ(clock.barWidth(), 6 * left);
        EXPECT_EQ(clock.red(), left < 20) << left;
        EXPECT_EQ(clock.text(), TurnClock::clockText(left));
        if (left == 19) {
            EXPECT_EQ(clock.colour(), QColor(Qt::red));
        }
        if (left == 20) {
            EXPECT_EQ(clock.colour(), QColor(Qt::black));
        }
    }
    EXPECT_EQ(tickedAt, (QList<int>{20, 15, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(turn.activeplayer(), 2);

    clock.tick(); // reaches zero
    EXPECT_EQ(clock.secondsLeft(), 0);
    EXPECT_EQ(clock.text(), "Time: 0:00");
    EXPECT_EQ(clock.barWidth(), 0);
    EXPECT_EQ(turn.activeplayer(), 0);
    // It shows 0:00 until the next turn without ticking on.
    EXPECT_FALSE(clock.isRunning());
    clock.tick();
    EXPECT_EQ(clock.secondsLeft(), 0);
    EXPECT_EQ(clock.text(), "Time: 0:00");
}

TEST_F(ScoreBoardTest, ATurnShowsItsFullTimeAtOnce)
{
    feed(&GameMessages::startthegame, "Ann+250+30+t+f+");
    EXPECT_TRUE(clock.waiting());
    feed(&GameMessages::getnextplayer, "2+");
    EXPECT_FALSE(clock.waiting());
    EXPECT_EQ(clock.text(), "Time: 0:30");
    EXPECT_EQ(clock.barWidth(), 180);
    EXPECT_FALSE(clock.red());

    // The next game waits for its first turn again, and so does a latecomer.
    feed(&GameMessages::startthegame, "Ann+250+30+t+f+");
    EXPECT_TRUE(clock.waiting());
    EXPECT_FALSE(clock.isRunning());
    EXPECT_EQ(clock.barWidth(), 0);
    EXPECT_EQ(clock.text(), "Time: 0:00");
    feed(&GameMessages::getnextplayer, "2+");
    feed(&GameMessages::loadstats, "f+250+30+12+t+1+0+0+f");
    EXPECT_TRUE(clock.waiting());
    EXPECT_FALSE(clock.isRunning());
}

TEST_F(ScoreBoardTest, HostGivenTimesPerTurnAreTakenAsTheHostPlaysThem)
{
    // The host passes the leader's text on unchanged but plays 0 to 86400 seconds, and
    // 60 for any other number; the client counts with the same number and shows it.
    const struct {
        const char* sent;
        int played;
        const char* shown;
        const char* first;
    } cases[] = {
        {"-2147483648", 60, "Time Per Turn: 60 secs", "Time: 0:59"},
        {"2147483647", 60, "Time Per Turn: 60 secs", "Time: 0:59"},
        {"86401", 60, "Time Per Turn: 60 secs", "Time: 0:59"},
        {"-1", 60, "Time Per Turn: 60 secs", "Time: 0:59"},
        {"86400", 86400, "Time Per Turn: 86400 secs", "Time: 1439:59"},
        {"0", 0, "Time Per Turn: 0 secs", "Time: 0:00"},
        {"21474836470", 60, "Time Per Turn: 60 secs", "Time: 0:59"}, // no number at all
        {"999999", 60, "Time Per Turn: 60 secs", "Time: 0:59"},
        {"0045", 45, "Time Per Turn: 45 secs", "Time: 0:44"},
    };
    for (const auto& c : cases) {
        feed(&GameMessages::startthegame, QByteArray("X+250+") + c.sent + "+f+f+");
        EXPECT_EQ(clock.timePerTurn(), c.played) << c.sent;
        EXPECT_EQ(clock.timePerTurnText(), c.shown) << c.sent;
        EXPECT_GE(clock.barStep(), 1);
        feed(&GameMessages::getnextplayer, "2+");
        clock.tick();
        EXPECT_EQ(clock.text(), c.first) << c.sent;
        EXPECT_GE(clock.barWidth(), 0);
        EXPECT_LE(clock.barWidth(), TurnClock::BarFullWidth);
    }

    // A latecomer's state of the game is read the same way.
    feed(&GameMessages::loadstats, "f+250+-2147483648+-2147483648+t+1+0+0+f");
    EXPECT_EQ(clock.timePerTurn(), 60);
    feed(&GameMessages::getnextplayer, "2+");
    EXPECT_EQ(clock.text(), "Time: 1:00");
    for (int i = 0; i < 70; ++i)
        clock.tick();
    EXPECT_EQ(clock.secondsLeft(), 0);
}

TEST_F(ScoreBoardTest, OwnArrivalTellsWhetherThisPlayerOnlyWatches)
{
    EXPECT_FALSE(turn.spectating());
    ctx.state.myslot = 8;
    seat(8, "Me");
    EXPECT_TRUE(turn.spectating());
    ctx.state.myslot = 3;
    seat(3, "Me");
    EXPECT_FALSE(turn.spectating());
}

TEST_F(ScoreBoardTest, BarNeverOutgrowsItsImage)
{
    feed(&GameMessages::startthegame, "Ann+250+150+t+f+");
    feed(&GameMessages::getnextplayer, "2+");
    clock.tick();
    EXPECT_EQ(clock.secondsLeft(), 149);
    EXPECT_EQ(clock.barWidth(), 149);
}

TEST_F(ScoreBoardTest, FoundWordUpdatesTheRow)
{
    seat(1, "Ann");
    seat(2, "Bob");
    feed(&GameMessages::getnextplayer, "2+");
    rec.sounds.clear();
    feed(&GameMessages::hefoundit, "1+25+125+");
    EXPECT_EQ(roster.seat(1).bonus, "+25");
    EXPECT_EQ(roster.seat(1).score, "125");
    EXPECT_TRUE(roster.seat(1).foundShown);
    EXPECT_EQ(status.status(), "Ann has found the word!");
    EXPECT_TRUE(turn.clearShown()); // somebody else's find leaves mine alone
    feed(&GameMessages::hefoundit, "2+7+7+");
    EXPECT_EQ(status.status(), "You have found the word!");
    EXPECT_FALSE(turn.clearShown());
    EXPECT_EQ(rec.sounds, (QStringList{"goodwordthem", "goodword"}));
}

TEST_F(ScoreBoardTest, NomatchOnlyReenablesASeat)
{
    feed(&GameMessages::getnextplayer, "2+");
    turn.wordSent(); // the word went out
    feed(&GameMessages::nomatch, "3+"); // not mine
    EXPECT_EQ(turn.activeplayer(), 0);
    EXPECT_TRUE(rec.sounds.filter("invalid").isEmpty());

    feed(&GameMessages::nomatch, "2+");
    EXPECT_EQ(status.status(), "You did not find the correct word.");
    EXPECT_EQ(rec.sounds.last(), "invalid");
    EXPECT_EQ(turn.activeplayer(), 2);
    EXPECT_TRUE(turn.clearShown());

    // A spectator is told, but may not pick.
    ctx.state.myslot = 7;
    turn.wordSent();
    rec.sounds.clear();
    feed(&GameMessages::nomatch, "7+");
    EXPECT_EQ(rec.sounds, QStringList{"invalid"});
    EXPECT_EQ(turn.activeplayer(), 0);
}

TEST_F(ScoreBoardTest, EndOfTurnStopsTheClockAndReveals)
{
    feed(&GameMessages::getnextplayer, "2+");
    rec.sounds.clear();
    feed(&GameMessages::outoftime, "3+5+4+5");
    EXPECT_FALSE(clock.isRunning());
    EXPECT_FALSE(turn.clearShown());
    EXPECT_EQ(status.status(), "Out of Time!");
    EXPECT_EQ(revealed, QList<QByteArray>{"3+5+4+5"});
    EXPECT_EQ(rec.sounds, QStringList{"timeup"});

    feed(&GameMessages::getnextplayer, "2+");
    rec.sounds.clear();
    feed(&GameMessages::roundover, "***+");
    EXPECT_FALSE(clock.isRunning());
    EXPECT_EQ(status.status(), "Round is over, please wait..");
    EXPECT_EQ(rec.sounds, QStringList{"roundover"});
}

TEST_F(ScoreBoardTest, MalformedRevealChangesNothing)
{
    feed(&GameMessages::getnextplayer, "2+");
    const QString before = status.status();
    EXPECT_THROW(feed(&GameMessages::outoftime, "99+99"), std::out_of_range);
    EXPECT_EQ(status.status(), before);
    EXPECT_TRUE(clock.isRunning());
}

TEST_F(ScoreBoardTest, JustWatchingMarksSeatsAndTheOwnTick)
{
    seat(2, "Bob");
    seat(3, "Cy");
    rec.lines.clear();
    feed(&GameMessages::justwatching, "3+1");
    EXPECT_TRUE(roster.seat(3).eyesShown);
    EXPECT_FALSE(turn.justWatching());
    feed(&GameMessages::justwatching, "2+1+");
    EXPECT_TRUE(turn.justWatching());
    EXPECT_TRUE(turn.justWatching());
    feed(&GameMessages::justwatching, "2+2");
    EXPECT_FALSE(turn.justWatching());
    EXPECT_FALSE(roster.seat(2).eyesShown);
    feed(&GameMessages::justwatching, "8+1"); // not a seat: ignored
    EXPECT_EQ(rec.lines, (QStringList{"Cy is just watching.", "Bob is just watching.", "Bob is now playing again."}));
}

TEST_F(ScoreBoardTest, WinnerBannerForTheWinnerAndForOthers)
{
    seat(1, "Ann");
    seat(2, "Bob");
    ctx.state.ishost = false;
    status.setStartOffered(false); // joined, not hosting
    rec.sounds.clear();
    feed(&GameMessages::winner, "Bob+");
    EXPECT_EQ(status.winnerText1(), "You have Won the Game!");
    EXPECT_EQ(status.winnerText2(), "You have Won the Game!");
    EXPECT_TRUE(status.winnerShown());
    EXPECT_EQ(status.status(), "Game Over!");
    EXPECT_EQ(rec.lines.last(), "You have Won the Game!");
    EXPECT_EQ(rec.sounds, QStringList{"gameover"});
    EXPECT_FALSE(status.startShown());
    EXPECT_EQ(tally, QStringList{"addtomine"});

    ctx.state.ishost = true;
    status.setStartOffered(false);
    feed(&GameMessages::winner, "Ann and Cy+");
    EXPECT_EQ(status.winnerText1(), "Ann and Cy has Won the Game!");
    EXPECT_TRUE(status.startShown());
    EXPECT_EQ(tally, (QStringList{"addtomine", "Ann and Cy"}));
}

TEST_F(ScoreBoardTest, WinnerNameIsCutAtItsFirstPlus)
{
    seat(1, "A+B");
    feed(&GameMessages::winner, "A+B+");
    EXPECT_EQ(status.winnerText1(), "A has Won the Game!");
}

TEST_F(ScoreBoardTest, SpectatorSeesTheWinnerAndRecordsNothing)
{
    ctx.state.myslot = 7;
    seat(1, "Ann");
    feed(&GameMessages::winner, "Ann+");
    EXPECT_EQ(status.winnerText1(), "Ann has Won the Game!");
    EXPECT_TRUE(tally.isEmpty());
}

TEST_F(ScoreBoardTest, NextGameHidesTheBanner)
{
    feed(&GameMessages::winner, "Ann+");
    turn.setJustWatching(true);
    feed(&GameMessages::startthegame, "Ann+250+30+t+f+");
    EXPECT_FALSE(status.winnerShown());
    EXPECT_FALSE(turn.justWatching());
}

TEST_F(ScoreBoardTest, LateArrivalLoadsTheGameInProgress)
{
    feed(&GameMessages::loadstats, "t+500+120+37+f+1+10+0+f+2+30+12+t+3+0+0+f+4+0+0+f+5+0+0+f+6+0+0+f");
    EXPECT_EQ(turn.activeplayer(), 2);
    EXPECT_EQ(clock.timePerTurnText(), "Time Per Turn: 120 secs");
    EXPECT_EQ(clock.barStep(), 1);
    EXPECT_EQ(status.playToText(), "Play To Score: 500");
    EXPECT_EQ(status.gameTypeText(), "Game Type: STRAIGHT");
    EXPECT_EQ(turn.gametype(), 0);
    EXPECT_EQ(roster.seat(1).score, "10");
    EXPECT_EQ(roster.seat(2).score, "30");
    EXPECT_EQ(roster.seat(2).bonus, "12");
    EXPECT_TRUE(roster.seat(2).foundShown);
    EXPECT_FALSE(roster.seat(1).foundShown);
    EXPECT_FALSE(clock.isRunning());

    feed(&GameMessages::loadstats, "f+500+120+-3+t+1+10+0+f");
    EXPECT_EQ(turn.activeplayer(), 0);
    EXPECT_EQ(status.gameTypeText(), "Game Type: SCRAMBLED");
}

TEST_F(ScoreBoardTest, RoundNumberClearsFoundMarksAndBonuses)
{
    feed(&GameMessages::hefoundit, "3+5+5+");
    feed(&GameMessages::loadboardRound, "4+1+1+3+1+2+4");
    EXPECT_EQ(status.roundText(), "ROUND: 4");
    EXPECT_FALSE(roster.seat(3).foundShown);
    EXPECT_EQ(roster.seat(3).bonus, "");
    EXPECT_EQ(roster.seat(3).score, "5");
}

// ---- malformed messages from the host change nothing ----

TEST_F(ScoreBoardTest, MalformedMessagesAreRefusedBeforeAnyChange)
{
    seat(1, "Ann");
    seat(2, "Bob");
    feed(&GameMessages::hefoundit, "1+3+30+");
    const QString statusBefore = status.status();
    rec.lines.clear();
    rec.sounds.clear();

    EXPECT_THROW(feed(&GameMessages::newplayerinfo, "x+Zed"), FieldError);
    EXPECT_THROW(feed(&GameMessages::newplayerinfo, "0+Zed"), std::out_of_range);
    EXPECT_THROW(feed(&GameMessages::newplayerinfo, "10+Zed"), std::out_of_range);
    EXPECT_THROW(feed(&GameMessages::newplayerinfo, "-1+Zed"), std::out_of_range);
    EXPECT_THROW(feed(&GameMessages::playerdisconnected, "12+Ann"), std::out_of_range);
    EXPECT_THROW(feed(&GameMessages::hefoundit, "7+1+1+"), std::out_of_range);
    EXPECT_THROW(feed(&GameMessages::hefoundit, "1+x+50+"), FieldError);
    EXPECT_THROW(feed(&GameMessages::hefoundit, "1+5+"), FieldError);
    EXPECT_THROW(feed(&GameMessages::getnextplayer, "1"), FieldError);
    EXPECT_THROW(feed(&GameMessages::getnextplayer, "8+"), std::out_of_range);
    EXPECT_THROW(feed(&GameMessages::nomatch, "zz+"), FieldError);
    EXPECT_THROW(feed(&GameMessages::justwatching, "100+1"), std::out_of_range);

    EXPECT_EQ(roster.seat(1).score, "30");
    EXPECT_EQ(roster.seat(1).bonus, "+3");
    EXPECT_EQ(status.status(), statusBefore);
    EXPECT_EQ(turn.activeplayer(), 0);
    EXPECT_FALSE(clock.isRunning());
    EXPECT_TRUE(rec.lines.isEmpty());
    EXPECT_TRUE(rec.sounds.isEmpty());
    EXPECT_TRUE(spies.isEmpty());
}

TEST_F(ScoreBoardTest, CutShortOrOutOfRangeSeatStatsChangeNothing)
{
    feed(&GameMessages::hefoundit, "1+3+30+");
    EXPECT_THROW(feed(&GameMessages::loadstats, "t+500+60+10+t+1+99+0+f+2+5"), std::out_of_range);
    EXPECT_THROW(feed(&GameMessages::loadstats, "t+500+60+10+t+1+99+0+f+9+5+0+f"), std::out_of_range);
    EXPECT_THROW(feed(&GameMessages::loadstats, "t+500+60+10+t+1+99+0"), std::out_of_range);
    EXPECT_THROW(feed(&GameMessages::loadstats, "t+500+sixty+10+t+1+99+0+f"), FieldError);
    EXPECT_THROW(feed(&GameMessages::loadstats, "t+500+60+10+t+1+x+0+f"), FieldError);
    EXPECT_EQ(roster.seat(1).score, "30");
    EXPECT_EQ(status.playToText(), "Play To Score: \u2013");
    EXPECT_EQ(turn.activeplayer(), 0);
}

// ---- commands ----

TEST_F(ScoreBoardTest, StartNeedsAConnection)
{
    ctx.state.connected = false;
    commands.button_startClick();
    EXPECT_EQ(rec.boxes, QStringList{"You are not connected"});
    EXPECT_EQ(gameStartShown, 0);
    ctx.state.connected = true;
    commands.button_startClick();
    EXPECT_EQ(gameStartShown, 1);
}

TEST_F(ScoreBoardTest, JustWatchAsksTheHost)
{
    feed(&GameMessages::startthegame, "Ann+250+30+t+f+");
    commands.justWatchClick();
    turn.setJustWatching(true);
    commands.justWatchClick();
    EXPECT_EQ(rec.sent, (QList<QByteArray>{"CMD_justwatch+2+1", "CMD_justwatch+2+2"}));
    EXPECT_TRUE(turn.justWatching()); // changes only when the host answers

    rec.sent.clear();
    ctx.state.myslot = 7;
    commands.justWatchClick();
    ctx.state.myslot = 2;
    ctx.state.connected = false;
    commands.justWatchClick();
    EXPECT_TRUE(rec.sent.isEmpty());
}

TEST_F(ScoreBoardTest, SeatMenuIsForTheHostAndOccupiedSeats)
{
    seat(3, "Cy");
    feed(&GameMessages::startthegame, "Ann+250+30+t+f+");
    PlayerCommands::SeatMenu m = commands.seatPopup(3);
    EXPECT_FALSE(m.removeEnabled || m.setWatchEnabled || m.unsetWatchEnabled);

    ctx.state.ishost = true;
    m = commands.seatPopup(4);
    EXPECT_FALSE(m.removeEnabled);
    EXPECT_TRUE(m.setWatchEnabled && m.unsetWatchEnabled);
    m = commands.seatPopup(3);
    EXPECT_TRUE(m.removeEnabled && m.setWatchEnabled && m.unsetWatchEnabled);

    commands.setToJustWatch();
    commands.unsetJustWatch();
    commands.removeFromGame();
    EXPECT_EQ(rec.sent, (QList<QByteArray>{"CMD_justwatch+3+1", "CMD_justwatch+3+2", "CMD_kickhim+2+3+"}));
}

TEST_F(ScoreBoardTest, KickingNeedsHostAndConnection)
{
    commands.kicking(8);
    ctx.state.ishost = true;
    ctx.state.connected = false;
    commands.kicking(8);
    EXPECT_TRUE(rec.sent.isEmpty());
    ctx.state.connected = true;
    ctx.state.myslot = 1;
    commands.kicking(8);
    EXPECT_EQ(rec.sent, QList<QByteArray>{"CMD_kickhim+1+8+"});
}

TEST_F(ScoreBoardTest, SlotOneLeadsWithoutHosting)
{
    // The first player to join a host that runs without a window holds slot 1.
    ctx.state.myslot = 1;
    ASSERT_FALSE(ctx.state.ishost);
    seat(1, "Ann");
    seat(3, "Cy");
    feed(&GameMessages::startthegame, "Ann+250+30+t+f+");
    const PlayerCommands::SeatMenu m = commands.seatPopup(3);
    EXPECT_TRUE(m.removeEnabled && m.setWatchEnabled && m.unsetWatchEnabled);
    commands.removeFromGame();
    commands.kicking(8);
    EXPECT_EQ(rec.sent, (QList<QByteArray>{"CMD_kickhim+1+3+", "CMD_kickhim+1+8+"}));

    status.setStartOffered(false);
    feed(&GameMessages::winner, "Cy+");
    EXPECT_TRUE(status.startShown());
}

TEST_F(ScoreBoardTest, ALeaderWhoArrivesDuringAGameIsOfferedStartOnlyAfterIt)
{
    ctx.state.myslot = 1;
    status.setStartOffered(true);
    feed(&GameMessages::loadstats, "f+500+60+10+t+1+0+0+f");
    EXPECT_FALSE(status.startShown());
    EXPECT_TRUE(status.startMenuEnabled());
    feed(&GameMessages::winner, "Ann+");
    EXPECT_TRUE(status.startShown());
}

TEST_F(ScoreBoardTest, TallyCandidatesSkipOwnAndEmptySeats)
{
    seat(1, "Ann");
    seat(2, "Bob");
    seat(5, "Eve");
    EXPECT_EQ(roster.tallyCandidates(ctx.state.myslot), (QStringList{"Ann", "Eve"}));
}

TEST_F(ScoreBoardTest, EveryChangeIsSignalled)
{
    int changes = 0;
    QObject::connect(&client.seats, &SeatRoster::changed, [&] { ++changes; });
    QObject::connect(&status, &RoundStatus::changed, [&] { ++changes; });
    QObject::connect(&clock, &TurnClock::changed, [&] { ++changes; });
    seat(1, "Ann");
    feed(&GameMessages::getnextplayer, "1+");
    clock.tick();
    feed(&GameMessages::hefoundit, "1+3+3+");
    EXPECT_GE(changes, 4);
}

} // namespace

// ---- what a new player meets ----

TEST_F(ScoreBoardTest, ThePlayersOwnLinesAndLeavingReadAlike)
{
    seat(2, "You");
    seat(3, "Ann");
    rec.lines.clear();
    struct Case {
        QByteArray start;
        QString line;
    };
    for (const Case& c : {Case{"You+250+30+t+f+", "You have started a SCRAMBLED game."},
                          Case{"You+250+30+f+f+", "You have started a STRAIGHT game."},
                          Case{"Ann+250+30+t+f+", "Ann has started a SCRAMBLED game."}}) {
        rec.lines.clear();
        feed(&GameMessages::startthegame, c.start);
        EXPECT_EQ(rec.lines, QStringList{c.line});
    }
    // A seated player and a spectator leave in the same words.
    seat(8, "Spect8");
    rec.lines.clear();
    feed(&GameMessages::playerdisconnected, "3+Ann");
    feed(&GameMessages::playerdisconnected, "8+Spect8");
    EXPECT_EQ(rec.lines, (QStringList{"Ann has left.", "Spect8 has left."}));
}

TEST_F(ScoreBoardTest, UnknownOptionsShowAsADashUntilAGameTellsThem)
{
    const QString dash = QStringLiteral("\u2013");
    EXPECT_EQ(clock.timePerTurnText(), "Time Per Turn: " + dash);
    EXPECT_EQ(status.playToText(), "Play To Score: " + dash);
    // A player who arrives between games learns nothing more.
    seat(2, "Bob");
    seat(1, "Ann");
    EXPECT_EQ(clock.timePerTurnText(), "Time Per Turn: " + dash);
    // A latecomer learns them from the game he arrives in, a starter from his start.
    feed(&GameMessages::loadstats, "f+500+45+17+t+1+20+0+f");
    EXPECT_EQ(clock.timePerTurnText(), "Time Per Turn: 45 secs");
    EXPECT_EQ(status.playToText(), "Play To Score: 500");
    feed(&GameMessages::startthegame, "Ann+300+20+t+f+");
    EXPECT_EQ(clock.timePerTurnText(), "Time Per Turn: 20 secs");
    EXPECT_EQ(status.playToText(), "Play To Score: 300");
}

TEST_F(ScoreBoardTest, AWatchingSeatIsNotToldItsTurnAndHasNoClear)
{
    seat(2, "Bob");
    feed(&GameMessages::startthegame, "Ann+250+30+t+f+");
    feed(&GameMessages::justwatching, "2+1");
    EXPECT_TRUE(turn.watching());
    rec.sounds.clear();
    // The host gives the watching seat its search all the same.
    feed(&GameMessages::getnextplayer, "2+");
    EXPECT_EQ(status.status(), GameMessages::WatchingText);
    EXPECT_FALSE(turn.clearShown());
    EXPECT_FALSE(rec.sounds.contains("turn"));
    feed(&GameMessages::nomatch, "2+");
    EXPECT_FALSE(turn.clearShown());
    // Playing again: the next search is his turn, with Clear.
    feed(&GameMessages::justwatching, "2+2");
    EXPECT_FALSE(turn.watching());
    feed(&GameMessages::getnextplayer, "2+");
    EXPECT_EQ(status.status(), "Your Turn.");
    EXPECT_TRUE(turn.clearShown());
    // Set watching during a turn, the Clear button goes at once.
    feed(&GameMessages::justwatching, "2+1");
    EXPECT_FALSE(turn.clearShown());
}

TEST_F(ScoreBoardTest, JustWatchIsOfferedOnlyWhileAGameRuns)
{
    struct Case {
        bool connected;
        int myslot;
        bool running;
        bool watching;
        bool offered;
    };
    const Case cases[] = {
        {true, 2, false, false, false}, // between games the host would not take it
        {true, 2, true, false, true},
        {true, 2, false, true, true},   // back to playing works at any time
        {true, 7, true, false, false},  // a spectator has no seat to take out
        {false, 2, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.connected << c.myslot << c.running << c.watching);
        ctx.state.connected = c.connected;
        ctx.state.myslot = c.myslot;
        turn.setGameRunning(c.running);
        turn.setJustWatching(c.watching);
        EXPECT_EQ(commands.justWatchOffered(), c.offered);
        EXPECT_FALSE(commands.justWatchHint().isEmpty());
        rec.sent.clear();
        commands.justWatchClick();
        EXPECT_EQ(rec.sent.size(), c.offered ? 1 : 0);
    }
    // A game's start and its winner switch it.
    ctx.state.connected = true;
    ctx.state.myslot = 2;
    turn.setJustWatching(false);
    feed(&GameMessages::startthegame, "Ann+250+30+t+f+");
    EXPECT_TRUE(commands.justWatchOffered());
    EXPECT_TRUE(commands.seatPopup(2).setWatchEnabled == false); // not the leader
    feed(&GameMessages::winner, "Ann");
    EXPECT_FALSE(commands.justWatchOffered());
    EXPECT_EQ(commands.justWatchHint(),
              "Just Watch works while a game is running: it lets you watch the rest of the game without playing.");
    ctx.state.ishost = true;
    EXPECT_FALSE(commands.seatPopup(2).setWatchEnabled);
    EXPECT_TRUE(commands.seatPopup(2).unsetWatchEnabled);
}

TEST_F(ScoreBoardTest, TheGameMenuNamesThePlayersTheLeaderMayName)
{
    using Target = PlayerCommands::Target;
    ctx.state.myslot = 1;
    seat(1, "Ann");
    seat(3, "Cy");
    seat(4, "Dee");
    const QStringList spectators{"7: Eve", "8: Fay: the second"};
    feed(&GameMessages::startthegame, "Ann+250+30+t+f+");
    feed(&GameMessages::justwatching, "4+1");

    // Not yet the leader: nobody.
    ctx.state.myslot = 2;
    EXPECT_TRUE(commands.removeTargets(spectators).isEmpty());
    EXPECT_TRUE(commands.watchTargets(false).isEmpty());
    ctx.state.myslot = 1;

    EXPECT_EQ(commands.removeTargets(spectators),
              (QList<Target>{{3, "Cy"}, {4, "Dee"}, {7, "Eve"}, {8, "Fay: the second"}}));
    EXPECT_EQ(commands.watchTargets(false), (QList<Target>{{3, "Cy"}}));
    EXPECT_EQ(commands.watchTargets(true), (QList<Target>{{4, "Dee"}}));
    commands.setSeatWatching(3, true);
    commands.setSeatWatching(4, false);
    commands.setSeatWatching(7, true); // no seat: nothing
    EXPECT_EQ(rec.sent, (QList<QByteArray>{"CMD_justwatch+3+1", "CMD_justwatch+4+2"}));
    // Between games nobody can be set watching; back to playing still works.
    feed(&GameMessages::winner, "Cy");
    EXPECT_TRUE(commands.watchTargets(false).isEmpty());
    EXPECT_EQ(commands.watchTargets(true), (QList<Target>{{4, "Dee"}}));
}

TEST_F(ScoreBoardTest, TheHostingPlayerIsAskedBeforeHisLeavingEndsTheGame)
{
    ctx.state.myslot = 1;
    seat(1, "Ann");
    struct Case {
        bool hosting;
        QStringList seats;       // names for seats 2 and 3
        QStringList spectators;
        std::optional<QString> question;
    };
    const Case cases[] = {
        {true, {}, {}, std::nullopt}, // alone: nothing to ask
        {true, {"Bob"}, {}, "1 player is in your game. Leaving ends it for everyone."},
        {true, {"Bob", "Cy"}, {"7: Eve"}, "3 players are in your game. Leaving ends it for everyone."},
        {false, {"Bob", "Cy"}, {"7: Eve"}, std::nullopt}, // his leaving ends nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seats.join(",").toStdString());
        ctx.state.ishost = c.hosting;
        for (int n = 2; n <= 3; ++n) {
            if (n - 2 < c.seats.size())
                seat(n, c.seats[n - 2].toLatin1().constData());
            else
                feed(&GameMessages::playerdisconnected, QByteArray::number(n) + "+x");
        }
        EXPECT_EQ(commands.leaveQuestion(c.spectators), c.question);
    }
}
