// The scoreboard's handling of host messages and the commands given from it.
#include "client/ScoreBoard.h"

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
        ctx.out.send = [this](const Message& m) { rec.sent.append(m.text()); };
        ctx.out.addlinetochat = [this](const QString& l, const QColor& c) {
            rec.lines.append(l);
            rec.colours.append(c);
        };
        ctx.out.playsounds = [this](const QString& s) { rec.sounds.append(s); };
        ctx.out.messageBox = [this](const QString& t) { rec.boxes.append(t); };
        ctx.state.myslot = 2;
        ctx.state.connected = true;
        board.hooks.addSpy = [this](int slot, const QString& name) { spies.append(QString::number(slot) + ": " + name); };
        board.hooks.removeSpy = [this](int slot, const QString& name) {
            return spies.removeOne(QString::number(slot) + ": " + name);
        };
        board.hooks.recordGame = [this](const QString& r) { tally.append(r); };
        board.hooks.reveal = [this](FieldReader& f) { revealed.append(f.rest()); };
        board.hooks.clearPickPath = [this] { ++pathClears; };
        board.hooks.resetPickCounters = [this] { ++counterResets; };
        board.hooks.showGameStart = [this] { ++gameStartShown; };
        board.hooks.readSettings = [this] { ++settingsRead; };
    }

    // Hands a message text (after its command word) to a handler.
    template <typename H>
    void feed(H handler, const QByteArray& rest)
    {
        FieldReader f(rest);
        (board.*handler)(f);
    }

    void seat(int slot, const char* name) { feed(&ScoreBoard::newplayerinfo, QByteArray::number(slot) + "+" + name); }

    ClientContext ctx;
    Recorder rec;
    ScoreBoard board{ctx};
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
        EXPECT_EQ(board.seat(n).name, "<Waiting>");
        EXPECT_EQ(board.seat(n).score, "0");
        EXPECT_EQ(board.seat(n).tag, n);
        EXPECT_FALSE(board.seat(n).foundShown);
    }
    EXPECT_EQ(board.status(), "Welcome to Quillor ");
    EXPECT_EQ(board.roundText(), "ROUND: 0");
    EXPECT_EQ(board.gameTypeText(), "Game Type: Scrambled");
    EXPECT_EQ(board.timePerTurnText(), "Time Per Turn: 45 secs");
    EXPECT_EQ(board.playToText(), "Play To Score: 250");
    EXPECT_EQ(board.timerText(), "Time: 0:00");
    EXPECT_EQ(board.barWidth(), 184);
    EXPECT_FALSE(board.winnerShown());
    EXPECT_FALSE(board.clearShown());
    EXPECT_EQ(board.seat(3).quietName, "Klick");
    EXPECT_EQ(board.seat(5).quietName, "Klick");
    EXPECT_TRUE(board.seat(1).quietName.isEmpty());
}

TEST_F(ScoreBoardTest, ArrivalsFillSeatsOrTheSpyList)
{
    seat(1, "Ann");
    EXPECT_EQ(board.seat(1).name, "Ann");
    seat(2, "Bob"); // this client
    EXPECT_EQ(board.seat(2).name, "Bob");
    EXPECT_EQ(settingsRead, 1);
    seat(7, "Eve");
    EXPECT_EQ(spies, QStringList{"7: Eve"});
    EXPECT_EQ(rec.lines, (QStringList{"Ann is Connected.", "You are Connected.", "Eve is Connected.", "Eve is spying."}));
    EXPECT_EQ(rec.sounds, (QStringList{"entered", "entered", "entered"}));
    for (const QColor& c : rec.colours)
        EXPECT_EQ(c, QColor(0, 0, 255));
    for (int n = 3; n <= 6; ++n)
        EXPECT_EQ(board.seat(n).name, "<Waiting>");
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
    feed(&ScoreBoard::newplayerinfo, "3+A+B");
    EXPECT_EQ(board.seat(3).name, "A+B");
}

TEST_F(ScoreBoardTest, DeparturesAnnounceOnlyRealPlayers)
{
    seat(1, "Ann");
    seat(2, "Klot");
    seat(4, "Dan");
    feed(&ScoreBoard::hefoundit, "4+12+40+");
    rec.lines.clear();

    feed(&ScoreBoard::playerdisconnected, "4+Dan");
    feed(&ScoreBoard::playerdisconnected, "2+Klot");   // the seat's quiet name
    feed(&ScoreBoard::playerdisconnected, "5+");       // seat already waiting
    feed(&ScoreBoard::playerdisconnected, "1+Ann");
    EXPECT_EQ(rec.lines, (QStringList{"Dan disconnected.", "Ann disconnected."}));
    EXPECT_EQ(board.seat(4).name, "<Waiting>");
    EXPECT_EQ(board.seat(2).name, "<Waiting>");
    // The leaver's score, bonus and found mark stay.
    EXPECT_EQ(board.seat(4).score, "40");
    EXPECT_EQ(board.seat(4).bonus, "+12");
    EXPECT_TRUE(board.seat(4).foundShown);
}

TEST_F(ScoreBoardTest, QuietNameBelongsToItsSeatOnly)
{
    seat(4, "Klot"); // "Klot" is quiet on seat 2, not on seat 4
    rec.lines.clear();
    feed(&ScoreBoard::playerdisconnected, "4+Klot");
    EXPECT_EQ(rec.lines, QStringList{"Klot disconnected."});
}

TEST_F(ScoreBoardTest, DepartingSpectatorLeavesTheSpyList)
{
    seat(7, "Eve");
    rec.lines.clear();
    feed(&ScoreBoard::playerdisconnected, "8+Eve"); // not listed under 8
    EXPECT_TRUE(rec.lines.isEmpty());
    feed(&ScoreBoard::playerdisconnected, "7+Eve");
    EXPECT_EQ(rec.lines, QStringList{"Eve has left."});
    EXPECT_TRUE(spies.isEmpty());
}

TEST_F(ScoreBoardTest, DepartureHidesTheEyes)
{
    seat(3, "Cy");
    feed(&ScoreBoard::justwatching, "3+1");
    EXPECT_TRUE(board.seat(3).eyesShown);
    feed(&ScoreBoard::playerdisconnected, "3+Cy");
    EXPECT_FALSE(board.seat(3).eyesShown);
}

TEST_F(ScoreBoardTest, StartingAGameResetsAndShowsTheOptions)
{
    seat(1, "Ann");
    feed(&ScoreBoard::hefoundit, "1+9+99+");
    feed(&ScoreBoard::loadboardRound, "5+1+1+3");
    board.setStartOffered(true);
    rec.lines.clear();

    feed(&ScoreBoard::startthegame, "Ann+300+30+f+t+");
    EXPECT_FALSE(board.startShown());
    EXPECT_EQ(board.roundText(), "ROUND: 0");
    EXPECT_EQ(board.seat(1).score, "0");
    EXPECT_EQ(board.seat(1).bonus, "");
    EXPECT_FALSE(board.seat(1).foundShown);
    EXPECT_EQ(board.seat(1).name, "Ann"); // names stay
    EXPECT_EQ(board.gameTypeText(), "Game Type: STRAIGHT");
    EXPECT_EQ(ctx.state.gametype, 0);
    EXPECT_EQ(board.timePerTurnText(), "Time Per Turn: 30secs");
    EXPECT_EQ(board.timePerTurn(), 30);
    EXPECT_EQ(board.barStep(), 6);
    EXPECT_EQ(board.playToText(), "Play To Score: 300");
    EXPECT_EQ(rec.lines, (QStringList{"Ann has started a STRAIGHT game.", "Using only letters that are found in the word."}));

    rec.lines.clear();
    feed(&ScoreBoard::startthegame, "Ann+250+45+t+f+");
    EXPECT_EQ(board.gameTypeText(), "Game Type: SCRAMBLED");
    EXPECT_EQ(ctx.state.gametype, 1);
    EXPECT_EQ(rec.lines, QStringList{"Ann has started a SCRAMBLED game."});
}

TEST_F(ScoreBoardTest, TimePerTurnThatIsNoNumberGivesSixty)
{
    feed(&ScoreBoard::startthegame, "Ann+250+abc+t+f+");
    EXPECT_EQ(board.timePerTurn(), 60);
    EXPECT_EQ(board.timePerTurnText(), "Time Per Turn: abcsecs");
    EXPECT_EQ(board.barStep(), 3);
}

TEST_F(ScoreBoardTest, BarStepFollowsTheTimePerTurn)
{
    EXPECT_EQ(ScoreBoard::barStepFor(30), 6);
    EXPECT_EQ(ScoreBoard::barStepFor(120), 1);
    EXPECT_EQ(ScoreBoard::barStepFor(183), 1);
    EXPECT_EQ(ScoreBoard::barStepFor(184), 1);
    EXPECT_EQ(ScoreBoard::barStepFor(1000), 1);
    EXPECT_EQ(ScoreBoard::barStepFor(20), 9);
    // A turn without time must not divide by zero.
    EXPECT_EQ(ScoreBoard::barStepFor(0), 184);
    EXPECT_EQ(ScoreBoard::barStepFor(-5), 184);
}

TEST_F(ScoreBoardTest, ZeroTimePerTurnRunsOutAtTheFirstTick)
{
    feed(&ScoreBoard::startthegame, "Ann+250+0+t+f+");
    feed(&ScoreBoard::getnextplayer, "2+");
    board.tick();
    EXPECT_EQ(board.barWidth(), 0);
    EXPECT_EQ(ctx.state.activeplayer, 0);
}

TEST_F(ScoreBoardTest, ClockTextHasTwoDigitSeconds)
{
    EXPECT_EQ(ScoreBoard::clockText(75), "Time: 1:15");
    EXPECT_EQ(ScoreBoard::clockText(9), "Time: 0:09");
    EXPECT_EQ(ScoreBoard::clockText(120), "Time: 2:00");
    EXPECT_EQ(ScoreBoard::clockText(0), "Time: 0:00");
}

TEST_F(ScoreBoardTest, OwnTurnStartsTheClockAndThePicking)
{
    seat(1, "Ann");
    seat(2, "Bob");
    feed(&ScoreBoard::startthegame, "Ann+250+30+t+f+");
    rec.sounds.clear();
    feed(&ScoreBoard::getnextplayer, "2+");
    EXPECT_EQ(ctx.state.activeplayer, 2);
    EXPECT_EQ(board.status(), "Your Turn.");
    EXPECT_EQ(rec.sounds, QStringList{"turn"});
    EXPECT_TRUE(board.clearShown());
    EXPECT_EQ(pathClears, 1);
    EXPECT_EQ(counterResets, 1);
    EXPECT_EQ(board.turnSecondsLeft(), 30);
    EXPECT_TRUE(board.turnClockRunning());
}

TEST_F(ScoreBoardTest, NewTurnSoundPlaysTurnnew)
{
    board.setTurnSoundNew(true);
    feed(&ScoreBoard::getnextplayer, "2+");
    EXPECT_EQ(rec.sounds, QStringList{"turnnew"});
}

TEST_F(ScoreBoardTest, AnotherPlayersTurnNamesHisSeat)
{
    seat(1, "Ann");
    rec.sounds.clear();
    feed(&ScoreBoard::getnextplayer, "1+");
    EXPECT_EQ(board.status(), "Ann's turn.");
    EXPECT_EQ(ctx.state.activeplayer, 1);
    EXPECT_FALSE(board.clearShown());
    EXPECT_EQ(pathClears, 1);
    EXPECT_EQ(counterResets, 0);
    EXPECT_TRUE(rec.sounds.isEmpty());
    EXPECT_TRUE(board.turnClockRunning());
}

TEST_F(ScoreBoardTest, ClockCountsDownTurnsRedAndTicks)
{
    feed(&ScoreBoard::startthegame, "Ann+250+30+t+f+");
    feed(&ScoreBoard::getnextplayer, "2+");
    rec.sounds.clear();
    QList<int> tickedAt;
    for (int i = 0; i < 29; ++i) {
        const int before = rec.sounds.size();
        board.tick();
        const int left = board.turnSecondsLeft();
        if (rec.sounds.size() > before) {
            EXPECT_EQ(rec.sounds.last(), "tick");
            tickedAt.append(left);
        }
        EXPECT_EQ(board.barWidth(), 6 * left);
        EXPECT_EQ(board.timerRed(), left < 20) << left;
        EXPECT_EQ(board.timerText(), ScoreBoard::clockText(left));
        if (left == 19) {
            EXPECT_EQ(board.timerColour(), QColor(Qt::red));
        }
        if (left == 20) {
            EXPECT_EQ(board.timerColour(), QColor(Qt::black));
        }
    }
    EXPECT_EQ(tickedAt, (QList<int>{20, 15, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(ctx.state.activeplayer, 2);

    board.tick(); // reaches zero
    EXPECT_EQ(board.turnSecondsLeft(), 0);
    EXPECT_EQ(board.timerText(), "Time: 0:00");
    EXPECT_EQ(board.barWidth(), 0);
    EXPECT_EQ(ctx.state.activeplayer, 0);
    EXPECT_TRUE(board.turnClockRunning()); // keeps running until a message stops it
    board.tick();
    EXPECT_EQ(board.turnSecondsLeft(), 0);
    EXPECT_EQ(board.timerText(), "Time: 0:00");
}

TEST_F(ScoreBoardTest, BarNeverOutgrowsItsImage)
{
    feed(&ScoreBoard::startthegame, "Ann+250+150+t+f+");
    feed(&ScoreBoard::getnextplayer, "2+");
    board.tick();
    EXPECT_EQ(board.turnSecondsLeft(), 149);
    EXPECT_EQ(board.barWidth(), 149);
}

TEST_F(ScoreBoardTest, FoundWordUpdatesTheRow)
{
    seat(1, "Ann");
    seat(2, "Bob");
    feed(&ScoreBoard::getnextplayer, "2+");
    rec.sounds.clear();
    feed(&ScoreBoard::hefoundit, "1+25+125+");
    EXPECT_EQ(board.seat(1).bonus, "+25");
    EXPECT_EQ(board.seat(1).score, "125");
    EXPECT_TRUE(board.seat(1).foundShown);
    EXPECT_EQ(board.status(), "Ann has found the word!");
    EXPECT_TRUE(board.clearShown()); // somebody else's find leaves mine alone
    feed(&ScoreBoard::hefoundit, "2+7+7+");
    EXPECT_EQ(board.status(), "You have found the word!");
    EXPECT_FALSE(board.clearShown());
    EXPECT_EQ(rec.sounds, (QStringList{"goodwordthem", "goodword"}));
}

TEST_F(ScoreBoardTest, NomatchOnlyReenablesASeat)
{
    feed(&ScoreBoard::getnextplayer, "2+");
    ctx.state.activeplayer = 0; // the word went out
    feed(&ScoreBoard::nomatch, "3+"); // not mine
    EXPECT_EQ(ctx.state.activeplayer, 0);
    EXPECT_TRUE(rec.sounds.filter("invalid").isEmpty());

    feed(&ScoreBoard::nomatch, "2+");
    EXPECT_EQ(board.status(), "You did not find the correct word.");
    EXPECT_EQ(rec.sounds.last(), "invalid");
    EXPECT_EQ(ctx.state.activeplayer, 2);
    EXPECT_TRUE(board.clearShown());

    // A spectator is told, but may not pick.
    ctx.state.myslot = 7;
    ctx.state.activeplayer = 0;
    rec.sounds.clear();
    feed(&ScoreBoard::nomatch, "7+");
    EXPECT_EQ(rec.sounds, QStringList{"invalid"});
    EXPECT_EQ(ctx.state.activeplayer, 0);
}

TEST_F(ScoreBoardTest, EndOfTurnStopsTheClockAndReveals)
{
    feed(&ScoreBoard::getnextplayer, "2+");
    rec.sounds.clear();
    feed(&ScoreBoard::outoftime, "3+5+4+5");
    EXPECT_FALSE(board.turnClockRunning());
    EXPECT_FALSE(board.clearShown());
    EXPECT_EQ(board.status(), "Out of Time!");
    EXPECT_EQ(revealed, QList<QByteArray>{"3+5+4+5"});
    EXPECT_EQ(rec.sounds, QStringList{"timeup"});

    feed(&ScoreBoard::getnextplayer, "2+");
    rec.sounds.clear();
    feed(&ScoreBoard::roundover, "***+");
    EXPECT_FALSE(board.turnClockRunning());
    EXPECT_EQ(board.status(), "Round is over, please wait..");
    EXPECT_EQ(rec.sounds, QStringList{"roundover"});
}

TEST_F(ScoreBoardTest, MalformedRevealChangesNothing)
{
    board.hooks.reveal = [](FieldReader&) { throw std::out_of_range("cell"); };
    feed(&ScoreBoard::getnextplayer, "2+");
    const QString before = board.status();
    EXPECT_THROW(feed(&ScoreBoard::outoftime, "99+99"), std::out_of_range);
    EXPECT_EQ(board.status(), before);
    EXPECT_TRUE(board.turnClockRunning());
}

TEST_F(ScoreBoardTest, JustWatchingMarksSeatsAndTheOwnTick)
{
    seat(2, "Bob");
    seat(3, "Cy");
    rec.lines.clear();
    feed(&ScoreBoard::justwatching, "3+1");
    EXPECT_TRUE(board.seat(3).eyesShown);
    EXPECT_FALSE(board.justWatchTicked());
    feed(&ScoreBoard::justwatching, "2+1+");
    EXPECT_TRUE(board.justWatchTicked());
    EXPECT_TRUE(ctx.state.justWatching);
    feed(&ScoreBoard::justwatching, "2+2");
    EXPECT_FALSE(board.justWatchTicked());
    EXPECT_FALSE(board.seat(2).eyesShown);
    feed(&ScoreBoard::justwatching, "8+1"); // not a seat: ignored
    EXPECT_EQ(rec.lines, (QStringList{"Cy is just watching", "Bob is just watching", "Bob is now playing again"}));
}

TEST_F(ScoreBoardTest, WinnerBannerForTheWinnerAndForOthers)
{
    seat(1, "Ann");
    seat(2, "Bob");
    ctx.state.ishost = false;
    board.setStartOffered(false); // joined, not hosting
    rec.sounds.clear();
    feed(&ScoreBoard::winner, "Bob+");
    EXPECT_EQ(board.winnerText1(), "You have Won the Game!");
    EXPECT_EQ(board.winnerText2(), "You have Won the Game!");
    EXPECT_TRUE(board.winnerShown());
    EXPECT_EQ(board.status(), "Game Over!");
    EXPECT_EQ(rec.lines.last(), "You have Won the Game!");
    EXPECT_EQ(rec.sounds, QStringList{"gameover"});
    EXPECT_FALSE(board.startShown());
    EXPECT_EQ(tally, QStringList{"addtomine"});

    ctx.state.ishost = true;
    board.setStartOffered(false);
    feed(&ScoreBoard::winner, "Ann and Cy+");
    EXPECT_EQ(board.winnerText1(), "Ann and Cy has Won the Game!");
    EXPECT_TRUE(board.startShown());
    EXPECT_EQ(tally, (QStringList{"addtomine", "Ann and Cy"}));
}

TEST_F(ScoreBoardTest, WinnerNameIsCutAtItsFirstPlus)
{
    seat(1, "A+B");
    feed(&ScoreBoard::winner, "A+B+");
    EXPECT_EQ(board.winnerText1(), "A has Won the Game!");
}

TEST_F(ScoreBoardTest, SpectatorSeesTheWinnerAndRecordsNothing)
{
    ctx.state.myslot = 7;
    seat(1, "Ann");
    feed(&ScoreBoard::winner, "Ann+");
    EXPECT_EQ(board.winnerText1(), "Ann has Won the Game!");
    EXPECT_TRUE(tally.isEmpty());
}

TEST_F(ScoreBoardTest, NextGameHidesTheBanner)
{
    feed(&ScoreBoard::winner, "Ann+");
    ctx.state.justWatching = true;
    feed(&ScoreBoard::startthegame, "Ann+250+30+t+f+");
    EXPECT_FALSE(board.winnerShown());
    EXPECT_FALSE(ctx.state.justWatching);
}

TEST_F(ScoreBoardTest, LateArrivalLoadsTheGameInProgress)
{
    feed(&ScoreBoard::loadstats, "t+500+120+37+f+1+10+0+f+2+30+12+t+3+0+0+f+4+0+0+f+5+0+0+f+6+0+0+f");
    EXPECT_EQ(ctx.state.activeplayer, 2);
    EXPECT_EQ(board.timePerTurnText(), "Time Per Turn: 120secs");
    EXPECT_EQ(board.barStep(), 1);
    EXPECT_EQ(board.playToText(), "Play To Score: 500");
    EXPECT_EQ(board.gameTypeText(), "Game Type: STRAIGHT");
    EXPECT_EQ(ctx.state.gametype, 0);
    EXPECT_EQ(board.seat(1).score, "10");
    EXPECT_EQ(board.seat(2).score, "30");
    EXPECT_EQ(board.seat(2).bonus, "12");
    EXPECT_TRUE(board.seat(2).foundShown);
    EXPECT_FALSE(board.seat(1).foundShown);
    EXPECT_FALSE(board.turnClockRunning());

    feed(&ScoreBoard::loadstats, "f+500+120+-3+t+1+10+0+f");
    EXPECT_EQ(ctx.state.activeplayer, 0);
    EXPECT_EQ(board.gameTypeText(), "Game Type: SCRAMBLED");
}

TEST_F(ScoreBoardTest, RoundNumberClearsFoundMarksAndBonuses)
{
    feed(&ScoreBoard::hefoundit, "3+5+5+");
    feed(&ScoreBoard::loadboardRound, "4+1+1+3+1+2+4");
    EXPECT_EQ(board.roundText(), "ROUND: 4");
    EXPECT_FALSE(board.seat(3).foundShown);
    EXPECT_EQ(board.seat(3).bonus, "");
    EXPECT_EQ(board.seat(3).score, "5");
}

// ---- malformed messages from the host change nothing ----

TEST_F(ScoreBoardTest, MalformedMessagesAreRefusedBeforeAnyChange)
{
    seat(1, "Ann");
    seat(2, "Bob");
    feed(&ScoreBoard::hefoundit, "1+3+30+");
    const QString status = board.status();
    rec.lines.clear();
    rec.sounds.clear();

    EXPECT_THROW(feed(&ScoreBoard::newplayerinfo, "x+Zed"), FieldError);
    EXPECT_THROW(feed(&ScoreBoard::newplayerinfo, "0+Zed"), std::out_of_range);
    EXPECT_THROW(feed(&ScoreBoard::newplayerinfo, "10+Zed"), std::out_of_range);
    EXPECT_THROW(feed(&ScoreBoard::newplayerinfo, "-1+Zed"), std::out_of_range);
    EXPECT_THROW(feed(&ScoreBoard::playerdisconnected, "12+Ann"), std::out_of_range);
    EXPECT_THROW(feed(&ScoreBoard::hefoundit, "7+1+1+"), std::out_of_range);
    EXPECT_THROW(feed(&ScoreBoard::hefoundit, "1+x+50+"), FieldError);
    EXPECT_THROW(feed(&ScoreBoard::hefoundit, "1+5+"), FieldError);
    EXPECT_THROW(feed(&ScoreBoard::getnextplayer, "1"), FieldError);
    EXPECT_THROW(feed(&ScoreBoard::getnextplayer, "8+"), std::out_of_range);
    EXPECT_THROW(feed(&ScoreBoard::nomatch, "zz+"), FieldError);
    EXPECT_THROW(feed(&ScoreBoard::justwatching, "100+1"), std::out_of_range);

    EXPECT_EQ(board.seat(1).score, "30");
    EXPECT_EQ(board.seat(1).bonus, "+3");
    EXPECT_EQ(board.status(), status);
    EXPECT_EQ(ctx.state.activeplayer, 0);
    EXPECT_FALSE(board.turnClockRunning());
    EXPECT_TRUE(rec.lines.isEmpty());
    EXPECT_TRUE(rec.sounds.isEmpty());
    EXPECT_TRUE(spies.isEmpty());
}

TEST_F(ScoreBoardTest, CutShortOrOutOfRangeSeatStatsChangeNothing)
{
    feed(&ScoreBoard::hefoundit, "1+3+30+");
    EXPECT_THROW(feed(&ScoreBoard::loadstats, "t+500+60+10+t+1+99+0+f+2+5"), std::out_of_range);
    EXPECT_THROW(feed(&ScoreBoard::loadstats, "t+500+60+10+t+1+99+0+f+9+5+0+f"), std::out_of_range);
    EXPECT_THROW(feed(&ScoreBoard::loadstats, "t+500+60+10+t+1+99+0"), std::out_of_range);
    EXPECT_THROW(feed(&ScoreBoard::loadstats, "t+500+sixty+10+t+1+99+0+f"), FieldError);
    EXPECT_THROW(feed(&ScoreBoard::loadstats, "t+500+60+10+t+1+x+0+f"), FieldError);
    EXPECT_EQ(board.seat(1).score, "30");
    EXPECT_EQ(board.playToText(), "Play To Score: 250");
    EXPECT_EQ(ctx.state.activeplayer, 0);
}

// ---- commands ----

TEST_F(ScoreBoardTest, StartNeedsAConnection)
{
    ctx.state.connected = false;
    board.button_startClick();
    EXPECT_EQ(rec.boxes, QStringList{"You are not connected"});
    EXPECT_EQ(gameStartShown, 0);
    ctx.state.connected = true;
    board.button_startClick();
    EXPECT_EQ(gameStartShown, 1);
}

TEST_F(ScoreBoardTest, JustWatchAsksTheHost)
{
    board.justWatchClick();
    ctx.state.justWatching = true;
    board.justWatchClick();
    EXPECT_EQ(rec.sent, (QList<QByteArray>{"CMD_justwatch+2+1", "CMD_justwatch+2+2"}));
    EXPECT_TRUE(ctx.state.justWatching); // changes only when the host answers

    rec.sent.clear();
    ctx.state.myslot = 7;
    board.justWatchClick();
    ctx.state.myslot = 2;
    ctx.state.connected = false;
    board.justWatchClick();
    EXPECT_TRUE(rec.sent.isEmpty());
}

TEST_F(ScoreBoardTest, SeatMenuIsForTheHostAndOccupiedSeats)
{
    seat(3, "Cy");
    ScoreBoard::SeatMenu m = board.seatPopup(3);
    EXPECT_FALSE(m.removeEnabled || m.setWatchEnabled || m.unsetWatchEnabled);

    ctx.state.ishost = true;
    m = board.seatPopup(4);
    EXPECT_FALSE(m.removeEnabled);
    EXPECT_TRUE(m.setWatchEnabled && m.unsetWatchEnabled);
    m = board.seatPopup(3);
    EXPECT_TRUE(m.removeEnabled && m.setWatchEnabled && m.unsetWatchEnabled);

    board.setToJustWatch();
    board.unsetJustWatch();
    board.removeFromGame();
    EXPECT_EQ(rec.sent, (QList<QByteArray>{"CMD_justwatch+3+1", "CMD_justwatch+3+2", "CMD_kickhim+2+3+"}));
}

TEST_F(ScoreBoardTest, KickingNeedsHostAndConnection)
{
    board.kicking(8);
    ctx.state.ishost = true;
    ctx.state.connected = false;
    board.kicking(8);
    EXPECT_TRUE(rec.sent.isEmpty());
    ctx.state.connected = true;
    ctx.state.myslot = 1;
    board.kicking(8);
    EXPECT_EQ(rec.sent, QList<QByteArray>{"CMD_kickhim+1+8+"});
}

TEST_F(ScoreBoardTest, TallyCandidatesSkipOwnAndEmptySeats)
{
    seat(1, "Ann");
    seat(2, "Bob");
    seat(5, "Eve");
    EXPECT_EQ(board.tallyCandidates(), (QStringList{"Ann", "Eve"}));
}

TEST_F(ScoreBoardTest, EveryChangeIsSignalled)
{
    int changes = 0;
    QObject::connect(&board, &ScoreBoard::changed, [&] { ++changes; });
    seat(1, "Ann");
    feed(&ScoreBoard::getnextplayer, "1+");
    board.tick();
    feed(&ScoreBoard::hefoundit, "1+3+3+");
    EXPECT_GE(changes, 4);
}

} // namespace
