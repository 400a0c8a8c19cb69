#include "windows/helpform.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// The pages in English; the windows' language translates all but the licence.
const char* const OverviewText = QT_TRANSLATE_NOOP("Thelp", R"(
<h2>Quillor</h2>
<p>Quillor is a word-finding race for one to six players. Each round every player
sees the same board of 10 by 9 letters and the same word. Somewhere on the board the
word is hidden among other letters: find it and click its letters in order.</p>
<p>The faster you are, the more you score. The first player whose total passes the
target score while leading alone wins the game.</p>
<p>Up to three more people can join a full table and watch as spectators; they are
shown in the spy list.</p>
)");

const char* const ConnectingText = QT_TRANSLATE_NOOP("Thelp", R"(
<h2>Connecting</h2>
<p>Started without parameters, Quillor runs a solo game for one player called
&ldquo;You&rdquo;.</p>
<p>For a game with others, one player hosts and the others join. Choose
<b>File &gt; Play with Others...</b>:</p>
<ul>
<li><b>Your name</b> is the name the other players see.</li>
<li><b>Host a game</b> runs the game on this computer. The dialog shows where your
friends can reach it, for example &ldquo;Friends can join at 192.168.1.20 port
7772&rdquo;, and once the game runs the chat says it again. Give them that address and
port.</li>
<li><b>Join a game</b> connects to a friend's game: type the address (or the host
name) your friend gave you into <b>Host address</b>.</li>
<li><b>Port</b> is 7772 unless your group agrees on another one. Everybody in one game
uses the same port, and the hosting computer's firewall must let it in.</li>
</ul>
<p>OK starts the game; this window closes and a new one opens for it. Your choice is
remembered for the next time.</p>
<p>When a connection cannot be made, the line above the board says why, with <b>Try
Again</b> and <b>Play with Others...</b> beside it.</p>
<p>The same works from the command line:
<code>quillor NAME HOST true|false [--port N]</code>, where <b>true</b> hosts on this
computer (HOST is then not used) and <b>false</b> joins the host at HOST. For example,
Ann hosts with <code>quillor Ann 127.0.0.1 true</code> and Bob joins her with
<code>quillor Bob 192.168.1.20 false</code>.</p>
<p>The first six players take the seats; players seven to nine watch. When the host
closes Quillor the game ends for everybody, so Quillor asks the hosting player before
it closes while others are in the game.</p>
)");

const char* const GamePlayText = QT_TRANSLATE_NOOP("Thelp", R"(
<h2>Game Play</h2>
<p>The hosting player presses <b>Start</b> (or chooses Start Game) and picks the
options: the score to play to, the seconds per turn, scrambled or straight words, and
whether the other letters on the board are taken only from the word's own letters.</p>
<p>In a <b>straight</b> game the word lies along one straight line of the board. In a
<b>scrambled</b> game it winds from cell to neighbouring cell and may turn at any
letter.</p>
<p>When the word appears, click its letters on the board one after another, starting
with the first. A click that does not fit the word is not taken. In a straight game
each letter must follow on along the same line; in a scrambled game it must touch the
one before. A right click on your last letter takes it back; the <b>Clear</b> button
(or a right click on a letter you have not picked) starts your pick again.</p>
<p>After the last letter your pick goes to the host, who checks it. Found it? Your
score goes up and a mark appears beside your name. If not, try again while the clock
runs.</p>
<p>The round ends when every player has found the word or the time is up. After a
short pause the next round begins.</p>
<p>Tick <b>Just Watch</b> to sit out the next rounds without leaving your seat.</p>
)");

const char* const ScoringText = QT_TRANSLATE_NOOP("Thelp", R"(
<h2>Scoring</h2>
<p>A word found scores the seconds left on the host's clock at the moment the host
accepts it, so the quickest finder scores the most. A player who does not find the
word in time scores nothing for that round.</p>
<p>The game ends after a round in which one player's total has passed the target score
and nobody else has as many points. While two or more players share the lead, play
goes on.</p>
<p>Your wins and losses against the players you follow are kept in the tally.</p>
)");

const char* const DocumentationText = QT_TRANSLATE_NOOP("Thelp", R"(
<h2>Documentation</h2>
<p><b>Start Game</b> (Ctrl+S, host only) opens the game options.<br>
<b>Spy List</b> shows the spectators; the host can remove one with a right click.<br>
<b>View Tally</b> shows your record against the players you follow.<br>
<b>Tiles</b> chooses the look of the letters.<br>
<b>Phrase List</b> lets you write your own quick phrases.<br>
<b>Content</b> (F1) opens this help; <b>About</b> shows the version.</p>
<p><b>Chat.</b> Type in the box under the chat and press Enter to talk to everybody.
Start a line with <code>/me </code> to describe an action (&ldquo;/me waves&rdquo; shows
as &ldquo;Ann waves&rdquo;). Links in the chat show a hand under the pointer; click one
to open it in your browser (links to files on your computer are not opened). Right-click
the chat to copy the selected text, hold it still with <b>Scroll Chat Off</b>, or clear
it; right-click the box to paste.</p>
<p><b>Quick phrases.</b> The small buttons P1 to P9 above the chat send their phrase
with one click (point at one to read it); afterwards the buttons rest for 2 seconds.
The note button opens the chatter sounds: players who have <b>Play Chatter
Sounds</b> on hear the one you choose, the others see it named in the chat. Spectators
cannot send them.</p>
<p><b>Options</b> sets your chat colour, your action colour and the chat's text size,
turns the game's sounds and the chatter sounds on or off, chooses the sound that
announces your turn, and puts the window back in its first place and size.</p>
<p>Preferences are saved as you change them and come back the next time you play.</p>
)");

const char* const LicenseText = R"(
<h2>License</h2>
<p>Quillor is free software, released under the MIT license.</p>
<p>The word lists for French, German, Spanish, Italian, Portuguese, Dutch and Swedish are
made from Debian's word-list packages and keep their sources' licences, several of them the
GNU General Public License. Built with them, as it is distributed, the program as a whole
is therefore under the GNU General Public License, version 3 or later; its own code may
also be used under the MIT license alone. The sources and their licences are listed in
the package's copyright file (/usr/share/doc/quillor/copyright).</p>
<p>Copyright &copy; the Quillor developers</p>
<p>Permission is hereby granted, free of charge, to any person obtaining a copy of this
software and associated documentation files (the &ldquo;Software&rdquo;), to deal in the
Software without restriction, including without limitation the rights to use, copy,
modify, merge, publish, distribute, sublicense, and/or sell copies of the Software,
and to permit persons to whom the Software is furnished to do so, subject to the
following conditions:</p>
<p>The above copyright notice and this permission notice shall be included in all
copies or substantial portions of the Software.</p>
<p>THE SOFTWARE IS PROVIDED &ldquo;AS IS&rdquo;, WITHOUT WARRANTY OF ANY KIND, EXPRESS OR
IMPLIED, INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF MERCHANTABILITY, FITNESS FOR A
PARTICULAR PURPOSE AND NONINFRINGEMENT. IN NO EVENT SHALL THE AUTHORS OR COPYRIGHT
HOLDERS BE LIABLE FOR ANY CLAIM, DAMAGES OR OTHER LIABILITY, WHETHER IN AN ACTION OF
CONTRACT, TORT OR OTHERWISE, ARISING FROM, OUT OF OR IN CONNECTION WITH THE SOFTWARE OR
THE USE OR OTHER DEALINGS IN THE SOFTWARE.</p>
)";

} // namespace

QStringList Thelp::pageTitles()
{
    return {tr("Overview"), tr("Connecting"), tr("Game Play"), tr("Scoring"), tr("Documentation"), tr("License")};
}

QString Thelp::pageText(int page)
{
    static const char* const pages[PageCount] = {OverviewText, ConnectingText, GamePlayText,
                                                 ScoringText, DocumentationText, LicenseText};
    if (page < 0 || page >= PageCount)
        return QString();
    // The licence stays in the words it was given in; the other pages are translated.
    return tr(pages[page]).trimmed();
}

Thelp::Thelp(QWidget* parent)
    : BackdropForm(parent, Qt::Window)
{
    setWindowTitle(tr("Quillor - Help"));

    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(6);
    const QStringList titles = pageTitles();
    for (int i = 0; i < PageCount; ++i) {
        auto* button = new QPushButton(titles[i], this);
        button->setCheckable(true);
        button->setMinimumWidth(130);
        m_group->addButton(button, i);
        buttons->addWidget(button);
        pageButtons[static_cast<std::size_t>(i)] = button;
    }
    buttons->addStretch(1);
    button_close = new QPushButton(tr("Close"), this);
    buttons->addWidget(button_close);

    memo_help = new QTextBrowser(this);
    memo_help->setOpenLinks(false);
    memo_help->setStyleSheet(QStringLiteral(
        "QTextBrowser { background: rgb(255, 250, 238); color: rgb(40, 28, 10);"
        " border: 1px solid rgb(150, 110, 50); border-radius: 3px; padding: 6px; }"));

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 12, 12, 12);
    row->setSpacing(12);
    row->addLayout(buttons);
    row->addWidget(memo_help, 1);

    connect(m_group, &QButtonGroup::idClicked, this, [this](int id) { showPage(id); });
    connect(button_close, &QPushButton::clicked, this, &QWidget::close);

    showPage(0);
    resize(640, 440);
}

void Thelp::showPage(int page)
{
    if (page < 0 || page >= PageCount)
        return;
    m_current = page;
    // The button of the page being read stands out in bold.
    for (int i = 0; i < PageCount; ++i) {
        QPushButton* button = pageButtons[static_cast<std::size_t>(i)];
        QFont f = button->font();
        f.setBold(i == page);
        button->setFont(f);
    }
    pageButtons[static_cast<std::size_t>(page)]->setChecked(true);
    memo_help->setHtml(pageText(page));
}
