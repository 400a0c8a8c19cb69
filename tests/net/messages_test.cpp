// Every message of the game: the exact text its writer produces, and its reader giving
// back what was written; plus what the readers refuse.
#include "common/Printers.h"
#include "net/Dispatcher.h"
#include "net/Protocol.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// Writes a message, checks its text (without the terminator) and reads it back the way
// the dispatcher hands it to a handler.
template <typename M>
M roundTrip(const M& written, const QByteArray& expected)
{
    const Message message = written.message();
    EXPECT_EQ(message.text(), expected);
    EXPECT_EQ(message.bytes(), expected + '\xFF');
    const QByteArray text = message.text();
    EXPECT_EQ(Dispatcher::commandOf(text), QByteArray(M::command));
    FieldReader fields(text.mid(text.indexOf('+') + 1));
    return M::read(fields);
}

template <typename M>
M readText(const QByteArray& afterCommand)
{
    FieldReader fields(afterCommand);
    return M::read(fields);
}

} // namespace

// ---- from a client to the host ----

TEST(ClientMessages, LoginInfoKeepsAPlusInTheName)
{
    const auto m = roundTrip(proto::LoginInfo{3, "1.0.4", "A+B"}, "CMD_logininfo+3+1.0.4+A+B");
    EXPECT_EQ(m.slot, 3);
    EXPECT_EQ(m.version, "1.0.4");
    EXPECT_EQ(m.name, "A+B");
}

TEST(ClientMessages, ChatAndActionCarryTheLineAndColour)
{
    const auto chat = roundTrip(proto::Chat{3, "hello + bye|clBlack"}, "CMD_chat+3+hello + bye|clBlack");
    EXPECT_EQ(chat.slot, 3);
    EXPECT_EQ(chat.text, "hello + bye|clBlack");
    const auto action = roundTrip(proto::Action{2, "says: Way To Go!|clBlack"}, "CMD_action+2+says: Way To Go!|clBlack");
    EXPECT_EQ(action.slot, 2);
    EXPECT_EQ(action.text, "says: Way To Go!|clBlack");
}

TEST(ClientMessages, MyWordListsThePickedCells)
{
    const proto::MyWord word{2, {{3, 5}, {4, 5}, {5, 5}}};
    const auto m = roundTrip(word, "CMD_myword+2+3+5+4+5+5+5");
    EXPECT_EQ(m.slot, 2);
    EXPECT_EQ(m.cells, word.cells);
    EXPECT_TRUE(m.valid);
}

TEST(ClientMessages, MyWordStopsAtACellOffTheBoardOrAnEleventhCell)
{
    const auto off = readText<proto::MyWord>("2+1+1+11+1+x");
    EXPECT_FALSE(off.valid);
    EXPECT_EQ(off.cells, (proto::PickedCells{{1, 1}}));

    QByteArray eleven = "2";
    for (int i = 0; i < 11; ++i)
        eleven += "+1+1";
    eleven += "+y";
    const auto tooMany = readText<proto::MyWord>(eleven);
    EXPECT_FALSE(tooMany.valid);
    EXPECT_EQ(tooMany.cells.size(), 10);

    EXPECT_THROW(readText<proto::MyWord>("2"), FieldError);
    EXPECT_THROW(readText<proto::MyWord>("2+3+x"), FieldError);
    EXPECT_THROW(readText<proto::MyWord>("2+3+4+5"), FieldError);
}

TEST(ClientMessages, StartGameTravelsBothWaysWithItsTextsAsSent)
{
    const proto::StartGame start{"Ann", "300", "30", "f", "t"};
    const auto m = roundTrip(start, "CMD_startgame+Ann+300+30+f+t+");
    EXPECT_EQ(m.starter, "Ann");
    EXPECT_EQ(m.playTo, "300");
    EXPECT_EQ(m.secondsPerTurn, "30");
    EXPECT_FALSE(m.scrambled());
    EXPECT_TRUE(m.onlyLetters());
    // Only "f" means straight and only "t" means only-letters; the texts stay as sent.
    const auto odd = readText<proto::StartGame>("Bo+abc+x+T+T+");
    EXPECT_TRUE(odd.scrambled());
    EXPECT_FALSE(odd.onlyLetters());
    EXPECT_EQ(odd.message().text(), "CMD_startgame+Bo+abc+x+T+T+");
}

TEST(ClientMessages, JustWatchKickHimAndPlayASound)
{
    EXPECT_EQ(roundTrip(proto::JustWatch{2, proto::JustWatch::Mode::Watch}, "CMD_justwatch+2+1").mode,
              proto::JustWatch::Mode::Watch);
    const auto play = roundTrip(proto::JustWatch{3, proto::JustWatch::Mode::Play}, "CMD_justwatch+3+2");
    EXPECT_EQ(play.seat, 3);
    EXPECT_EQ(play.mode, proto::JustWatch::Mode::Play);
    EXPECT_EQ(readText<proto::JustWatch>("3+2+").mode, proto::JustWatch::Mode::Play);
    EXPECT_EQ(readText<proto::JustWatch>("3+9").mode, proto::JustWatch::Mode::Other);

    const auto kick = roundTrip(proto::KickHim{1, 8}, "CMD_kickhim+1+8+");
    EXPECT_EQ(kick.slot, 1);
    EXPECT_EQ(kick.target, 8);
    EXPECT_THROW(readText<proto::KickHim>("1+three+"), FieldError);

    const auto sound = roundTrip(proto::PlayASound{2, "wave3"}, "CMD_playasound+2+wave3+");
    EXPECT_EQ(sound.slot, 2);
    EXPECT_EQ(sound.name, "wave3");
    EXPECT_EQ(readText<proto::PlayASound>("2+wave3").name, "wave3");
}

// ---- from the host to its clients ----

TEST(HostMessages, FullWrongVersionAndLoginRequest)
{
    EXPECT_EQ(proto::Full{}.message().text(), "CMD_full+");
    EXPECT_EQ(proto::WrongVersion{}.message().text(), "CMD_wrongversion+");
    EXPECT_EQ(roundTrip(proto::SendLoginInfo{3}, "CMD_sendlogininfo+3").slot, 3);
    EXPECT_EQ(readText<proto::SendLoginInfo>("4+").slot, 4);
    EXPECT_THROW(readText<proto::SendLoginInfo>("0"), std::out_of_range);
    EXPECT_THROW(readText<proto::SendLoginInfo>("10"), std::out_of_range);
    EXPECT_THROW(readText<proto::SendLoginInfo>("x"), FieldError);
    EXPECT_EQ(roundTrip(proto::HaveWrongVersion{"Bob+1"}, "CMD_havewrongversion+Bob+1").name, "Bob+1");
}

TEST(HostMessages, PlayersArriveAndLeaveWithTheirNamesWhole)
{
    const auto arrived = roundTrip(proto::NewPlayerInfo{7, "Eve+Co"}, "CMD_newplayerinfo+7+Eve+Co");
    EXPECT_EQ(arrived.slot, 7);
    EXPECT_EQ(arrived.name, "Eve+Co");
    const auto present = roundTrip(proto::ExistingPlayers{1, "Ann"}, "CMD_existingplayers+1+Ann");
    EXPECT_EQ(present.slot, 1);
    const auto left = roundTrip(proto::PlayerDisconnected{4, ""}, "CMD_playerdisconnected+4+");
    EXPECT_EQ(left.slot, 4);
    EXPECT_EQ(left.name, "");
    EXPECT_THROW(readText<proto::NewPlayerInfo>("10+Zed"), std::out_of_range);
    EXPECT_THROW(readText<proto::PlayerDisconnected>("x+Zed"), FieldError);
}

TEST(HostMessages, BoardAndWord)
{
    const proto::LoadBoard board{"2", {{1, 1, 3}, {1, 2, 26}, {10, 9, 1}}};
    const auto b = roundTrip(board, "CMD_loadboard+2+1+1+3+1+2+26+10+9+1");
    EXPECT_EQ(b.round, "2");
    EXPECT_EQ(b.cells, board.cells);

    const proto::TheWord word{{{1, 3}, {2, 1}, {3, 20}}};
    EXPECT_EQ(roundTrip(word, "CMD_theword+1+3+2+1+3+20").letters, word.letters);
    EXPECT_TRUE(readText<proto::TheWord>("").letters.isEmpty());
}

TEST(HostMessages, BoardAndWordReadersRefuseWhatDoesNotFit)
{
    for (const char* text : {"1+11+1+5", "1+1+10+5", "1+0+1+5", "1+1+1+53", "1+1+1+-1"})
        EXPECT_THROW(readText<proto::LoadBoard>(text), std::out_of_range) << text;
    for (const char* text : {"1+1+1", "1+1+1+x", "1+1+1+5+"})
        EXPECT_THROW(readText<proto::LoadBoard>(text), FieldError) << text;
    EXPECT_EQ(readText<proto::LoadBoard>("4+1+1+52").cells.value(0).tile, 52);
    for (const char* text : {"0+1", "11+1", "1+27", "1+-1"})
        EXPECT_THROW(readText<proto::TheWord>(text), std::out_of_range) << text;
    EXPECT_THROW(readText<proto::TheWord>("1+1+2"), FieldError);
}

TEST(HostMessages, StatsOfAGameInProgress)
{
    proto::LoadStats stats;
    stats.mayPlay = true;
    stats.playTo = "500";
    stats.secondsPerTurn = 120;
    stats.secondsLeft = -3;
    stats.scrambled = false;
    for (int seat = 1; seat <= 6; ++seat)
        stats.seats.append(proto::SeatStats{seat, seat * 10, seat, seat == 2});
    const auto m = roundTrip(stats, "CMD_loadstats+t+500+120+-3+f+1+10+1+f+2+20+2+t+3+30+3+f+4+40+4+f+5+50+5+f+6+60+6+f");
    EXPECT_TRUE(m.mayPlay);
    EXPECT_EQ(m.playTo, "500");
    EXPECT_EQ(m.secondsPerTurn, 120);
    EXPECT_EQ(m.secondsLeft, -3);
    EXPECT_FALSE(m.scrambled);
    EXPECT_EQ(m.seats, stats.seats);

    EXPECT_THROW(readText<proto::LoadStats>("t+500+60+10+t+1+99+0"), std::out_of_range);
    EXPECT_THROW(readText<proto::LoadStats>("t+500+60+10+t+7+5+0+f"), std::out_of_range);
    EXPECT_THROW(readText<proto::LoadStats>("t+500+sixty+10+t+1+99+0+f"), FieldError);
}

TEST(HostMessages, TurnsFindsAndRefusals)
{
    EXPECT_EQ(roundTrip(proto::NextPlayer{2}, "CMD_nextplayer+2+").slot, 2);
    EXPECT_THROW(readText<proto::NextPlayer>("1"), FieldError);

    const auto found = roundTrip(proto::HeFoundIt{4, 12, 40}, "CMD_hefoundit+4+12+40+");
    EXPECT_EQ(found.seat, 4);
    EXPECT_EQ(found.points, 12);
    EXPECT_EQ(found.score, 40);
    EXPECT_THROW(readText<proto::HeFoundIt>("7+1+1+"), std::out_of_range);
    EXPECT_THROW(readText<proto::HeFoundIt>("1+5+"), FieldError);

    EXPECT_EQ(roundTrip(proto::NoMatch{3}, "CMD_nomatch+3+").slot, 3);
}

TEST(HostMessages, RoundEndsShowTheWordOrStars)
{
    const auto stars = roundTrip(proto::OutOfTime{true, {}}, "CMD_outoftime+***+");
    EXPECT_TRUE(stars.foundIt);
    EXPECT_TRUE(stars.cells.isEmpty());
    const proto::RoundOver over{false, {{3, 5}, {4, 5}}};
    const auto cells = roundTrip(over, "CMD_roundover+3+5+4+5");
    EXPECT_FALSE(cells.foundIt);
    EXPECT_EQ(cells.cells, over.cells);
    EXPECT_THROW(readText<proto::RoundOver>("7+7+11+1"), std::out_of_range);
    EXPECT_THROW(readText<proto::OutOfTime>("7+7+8"), FieldError);
}

TEST(HostMessages, WinnerWatchingAndRelays)
{
    EXPECT_EQ(roundTrip(proto::Winner{"Ann and Cy"}, "CMD_winner+Ann and Cy+").name, "Ann and Cy");
    EXPECT_EQ(readText<proto::Winner>("A+B+").name, "A"); // cut at its first "+"

    const auto watching = roundTrip(proto::JustWatching{3, true}, "CMD_justwatching+3+1");
    EXPECT_EQ(watching.seat, 3);
    EXPECT_TRUE(watching.watching);
    EXPECT_FALSE(roundTrip(proto::JustWatching{3, false}, "CMD_justwatching+3+2").watching);
    EXPECT_TRUE(readText<proto::JustWatching>("2+1+").watching);

    EXPECT_EQ(roundTrip(proto::chatRelay("Bob", "hi + ho|clBlack"), "CMD_chat+Bob chats: hi + ho|clBlack").text,
              "Bob chats: hi + ho|clBlack");
    EXPECT_EQ(roundTrip(proto::actionRelay("Bob", "waves|clBlue"), "CMD_action+Bob waves|clBlue").text,
              "Bob waves|clBlue");
}

TEST(HostMessages, NoTerminatorByteInsideANameOrText)
{
    const proto::NewPlayerInfo arrival{2, "Zo\xFF"};
    EXPECT_EQ(arrival.message().bytes(), QByteArray("CMD_newplayerinfo+2+Zo?\xFF"));
    EXPECT_EQ(proto::chatRelay("A", "x\xFFy").message().bytes().count('\xFF'), 1);
}

TEST(CompoundFields, BoardWordAndCellTexts)
{
    const QList<proto::BoardCell> board = {{1, 1, 3}, {1, 2, 4}};
    const QList<proto::WordLetter> word = {{1, 3}, {2, 1}};
    const QList<proto::Cell> cells = {{10, 9}};
    EXPECT_EQ(proto::boardText(board), "+1+1+3+1+2+4");
    EXPECT_EQ(proto::wordText(word), "+1+3+2+1");
    EXPECT_EQ(proto::cellList(cells), "+10+9");
    EXPECT_EQ(proto::cellList({}), "");
}

TEST(TypedDispatch, AHandlerGetsItsMessageRead)
{
    Dispatcher d(QStringLiteral("test"));
    QList<proto::HeFoundIt> found;
    d.on<proto::HeFoundIt>([&](const proto::HeFoundIt& m) { found.append(m); });
    EXPECT_EQ(d.dispatch("CMD_hefoundit+2+5+50+"), Dispatcher::Outcome::Handled);
    EXPECT_EQ(d.dispatch("CMD_hefoundit+9+5+50+"), Dispatcher::Outcome::Failed);
    EXPECT_EQ(d.dispatch("CMD_hefoundit+2+x+50+"), Dispatcher::Outcome::Failed);
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].seat, 2);
    EXPECT_EQ(found[0].score, 50);
}
