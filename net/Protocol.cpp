#include "net/Protocol.h"

#include "net/FieldChecks.h"

#include <charconv>
#include <vector>

using namespace fieldchecks;

namespace proto {
namespace {

// Reads a list of groups of `width` numbers to the end of the text. An empty text is an
// empty list; a list cut short or holding a non-number throws FieldError.
std::vector<int> readGroups(FieldReader& f, int width)
{
    std::vector<int> numbers;
    if (f.rest().isEmpty())
        return numbers;
    f.beginList();
    while (!f.atListEnd()) {
        for (int i = 0; i < width; ++i)
            numbers.push_back(f.nextInt());
    }
    return numbers;
}

// Appends "+" and the numbers' decimal texts, without a temporary text per number (the
// board text alone holds 270 numbers).
void appendFields(QByteArray& out, std::initializer_list<int> numbers)
{
    for (int n : numbers) {
        char digits[12];
        const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
        out.append('+');
        out.append(digits, end - digits);
    }
}

} // namespace

QByteArray boardText(const QList<BoardCell>& cells)
{
    QByteArray out;
    out.reserve(cells.size() * 9);
    for (const BoardCell& c : cells)
        appendFields(out, {c.x, c.y, c.tile});
    return out;
}

QByteArray wordText(const QList<WordLetter>& letters)
{
    QByteArray out;
    out.reserve(letters.size() * 6);
    for (const WordLetter& l : letters)
        appendFields(out, {l.position, l.letter});
    return out;
}

QByteArray cellList(const QList<Cell>& cells)
{
    QByteArray out;
    out.reserve(cells.size() * 6);
    for (const Cell& c : cells)
        appendFields(out, {c.x, c.y});
    return out;
}

namespace detail {

Message slotText(const char* command, int slot, const QByteArray& text)
{
    return Message(command).add(slot).add(text);
}

Message textOnly(const char* command, const QByteArray& text)
{
    return Message(command).add(text);
}

Message roundEnd(const char* command, bool foundIt, const QList<Cell>& cells)
{
    if (foundIt)
        return Message(command).add("***").add("");
    return Message(command).raw(cellList(cells));
}

Message textField(const char* command, const QByteArray& text)
{
    return Message(command).add(text).add("");
}

Message slotNotice(const char* command, int slot)
{
    return Message(command).add(slot).add("");
}

int readSlot(FieldReader& f)
{
    return inRange(f, 1, game::MaxSlots, "slot");
}

void readSlotName(FieldReader& f, int* slot, QByteArray* name)
{
    *slot = readSlot(f);
    *name = f.rest();
}

void readRoundEnd(FieldReader& f, bool* foundIt, QList<Cell>* cells)
{
    // A seat that found the word gets "***" instead of cells: nothing to show it.
    *foundIt = f.rest().startsWith('*');
    if (*foundIt)
        return;
    const std::vector<int> pairs = readGroups(f, 2);
    for (size_t i = 0; i < pairs.size(); i += 2) {
        checkRange(pairs[i], 1, game::Columns, "column");
        checkRange(pairs[i + 1], 1, game::Rows, "row");
    }
    for (size_t i = 0; i < pairs.size(); i += 2)
        cells->append(Cell{pairs[i], pairs[i + 1]});
}

} // namespace detail

// ---- from a client to the host ----

Message LoginInfo::message() const
{
    return Message(command).add(slot).add(version).add(name);
}

LoginInfo LoginInfo::read(FieldReader& f)
{
    LoginInfo m;
    m.slot = f.nextInt();
    m.version = f.next();
    m.name = f.rest();
    return m;
}

Message MyWord::message() const
{
    QByteArray picked;
    for (const Cell& c : cells)
        appendFields(picked, {c.x, c.y});
    return Message(command).add(slot).raw(picked);
}

MyWord MyWord::read(FieldReader& f)
{
    MyWord m;
    m.slot = f.nextInt();
    f.beginList();
    while (!f.atListEnd()) {
        const int x = f.nextInt();
        const int y = f.nextInt();
        if (m.cells.size() == game::MaxWordLength || !game::onBoard(x, y)) {
            m.valid = false;
            break;
        }
        m.cells.append(Cell{x, y});
    }
    return m;
}

Message StartGame::message() const
{
    return Message(command).add(starter).add(playTo).add(secondsPerTurn).add(scrambledFlag).add(onlyLettersFlag).add("");
}

StartGame StartGame::read(FieldReader& f)
{
    StartGame m;
    m.starter = f.next();
    m.playTo = f.next();
    m.secondsPerTurn = f.next();
    m.scrambledFlag = f.next();
    m.onlyLettersFlag = f.next();
    return m;
}

Message JustWatch::message() const
{
    return Message(command).add(seat).add(mode == Mode::Watch ? 1 : 2);
}

JustWatch JustWatch::read(FieldReader& f)
{
    JustWatch m;
    m.seat = f.nextInt();
    const QByteArray mode = f.lastField();
    m.mode = mode == "1" ? Mode::Watch : mode == "2" ? Mode::Play : Mode::Other;
    return m;
}

Message KickHim::message() const
{
    return Message(command).add(slot).add(target).add("");
}

KickHim KickHim::read(FieldReader& f)
{
    KickHim m;
    m.slot = f.nextInt();
    m.target = f.nextInt();
    return m;
}

Message PlayASound::message() const
{
    return Message(command).add(slot).add(name).add("");
}

PlayASound PlayASound::read(FieldReader& f)
{
    PlayASound m;
    m.slot = f.nextInt();
    m.name = f.lastField();
    return m;
}

// ---- from the host to its clients ----

Message Full::message() const
{
    return Message(command).add("");
}

Message SendLoginInfo::message() const
{
    return Message(command).add(slot);
}

SendLoginInfo SendLoginInfo::read(FieldReader& f)
{
    return {checkRange(FieldReader::toIntOrThrow(f.lastField()), 1, game::MaxSlots, "slot")};
}

Message WrongVersion::message() const
{
    return Message(command).add("");
}

Message LoadBoard::message() const
{
    return Message(command).add(round).raw(boardText(cells));
}

LoadBoard LoadBoard::read(FieldReader& f)
{
    LoadBoard m;
    m.round = f.next();
    const std::vector<int> groups = readGroups(f, 3);
    for (size_t i = 0; i < groups.size(); i += 3) {
        checkRange(groups[i], 1, game::Columns, "column");
        checkRange(groups[i + 1], 1, game::Rows, "row");
        checkRange(groups[i + 2], 0, LastMarkedTile, "tile");
    }
    for (size_t i = 0; i < groups.size(); i += 3)
        m.cells.append(BoardCell{groups[i], groups[i + 1], groups[i + 2]});
    return m;
}

Message TheWord::message() const
{
    return Message(command).raw(wordText(letters));
}

TheWord TheWord::read(FieldReader& f)
{
    TheWord m;
    const std::vector<int> pairs = readGroups(f, 2);
    for (size_t i = 0; i < pairs.size(); i += 2) {
        checkRange(pairs[i], 1, game::MaxWordLength, "slot");
        checkRange(pairs[i + 1], 0, game::Letters, "letter");
    }
    for (size_t i = 0; i < pairs.size(); i += 2)
        m.letters.append(WordLetter{pairs[i], pairs[i + 1]});
    return m;
}

Message LoadStats::message() const
{
    Message m(command);
    m.flag(mayPlay).add(playTo).add(secondsPerTurn).add(secondsLeft).flag(scrambled);
    for (const SeatStats& s : seats)
        m.add(s.seat).add(s.score).add(s.points).flag(s.found);
    return m;
}

LoadStats LoadStats::read(FieldReader& f)
{
    LoadStats m;
    m.mayPlay = f.next() == "t";
    m.playTo = f.next();
    m.secondsPerTurn = f.nextInt();
    m.secondsLeft = f.nextInt();
    m.scrambled = f.next() != "f";
    f.beginList();
    while (!f.atListEnd()) {
        SeatStats s;
        s.seat = checkRange(listInt(f), 1, game::Seats, "seat");
        s.score = listInt(f);
        s.points = listInt(f);
        s.found = listField(f) == "t";
        m.seats.append(s);
    }
    return m;
}

Message HeFoundIt::message() const
{
    return Message(command).add(seat).add(points).add(score).add("");
}

HeFoundIt HeFoundIt::read(FieldReader& f)
{
    HeFoundIt m;
    m.seat = inRange(f, 1, game::Seats, "seat");
    m.points = f.nextInt();
    m.score = f.nextInt();
    return m;
}

Message Winner::message() const
{
    return Message(command).add(name).add("");
}

Winner Winner::read(FieldReader& f)
{
    return {f.next()};
}

Message JustWatching::message() const
{
    return Message(command).add(seat).add(watching ? "1" : "2");
}

JustWatching JustWatching::read(FieldReader& f)
{
    JustWatching m;
    m.seat = detail::readSlot(f);
    m.watching = f.lastField() == "1";
    return m;
}

ChatRelay chatRelay(const QByteArray& name, const QByteArray& said)
{
    return {name + " chats: " + said};
}

ActionRelay actionRelay(const QByteArray& name, const QByteArray& said)
{
    return {name + " " + said};
}

// ---- seats kept for returning players, and the game's lead ----

Message Leader::message() const
{
    return Message(command).add(slot).add("");
}

Leader Leader::read(FieldReader& f)
{
    return {inRange(f, 0, game::MaxSlots, "slot")};
}

Message SeatAway::message() const
{
    return Message(command).add(seat).add(seconds).add(name);
}

SeatAway SeatAway::read(FieldReader& f)
{
    SeatAway m;
    m.seat = inRange(f, 1, game::Seats, "seat");
    m.seconds = inRange(f, 0, game::MaxHoldSeconds, "seconds");
    m.name = f.rest();
    return m;
}

Message SeatFree::message() const
{
    return Message(command).add(seat).add("");
}

SeatFree SeatFree::read(FieldReader& f)
{
    return {inRange(f, 1, game::Seats, "seat")};
}

Message SeatScore::message() const
{
    return Message(command).add(stats.seat).add(stats.score).add(stats.points).flag(stats.found).add("");
}

SeatScore SeatScore::read(FieldReader& f)
{
    SeatScore m;
    m.stats.seat = inRange(f, 1, game::Seats, "seat");
    m.stats.score = f.nextInt();
    m.stats.points = f.nextInt();
    m.stats.found = f.nextFlag();
    return m;
}

Message Closing::message() const
{
    return Message(command).add("");
}

Message Rejoin::message() const
{
    return Message(command).add(seat).add("");
}

Rejoin Rejoin::read(FieldReader& f)
{
    return {f.nextInt()};
}

} // namespace proto
