#include "client/ui/ChatPane.h"

#include "client/ChatterSound.h"
#include "client/ColorText.h"
#include "client/GameClient.h"
#include "client/ui/ChatEntry.h"
#include "client/ui/ChatHistory.h"
#include "client/ui/ChatView.h"
#include "widgets/Picture.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString picturePath(int n)
{
    return n == ChatPane::SoundsButton ? QStringLiteral(":/pictures/phrase_note.png")
                                       : QStringLiteral(":/pictures/phrase%1.png").arg(n);
}

} // namespace

ChatPane::ChatPane(GameClient& client, QWidget* parent)
    : QWidget(parent)
    , m_client(client)
{
    setObjectName(QStringLiteral("chatpane"));

    panel_phrases = new QWidget(this);
    panel_phrases->setObjectName(QStringLiteral("panel_phrases"));
    panel_phrases->setFixedHeight(PhraseButtonHeight);
    panel_phrases->setMinimumWidth(PhraseButtons * PhraseButtonWidth);
    m_phraseRow = new QHBoxLayout(panel_phrases);
    m_phraseRow->setContentsMargins(0, 0, 0, 0);
    m_phraseRow->setSpacing(0);
    buildPhraseRow();
    m_phraseRow->addStretch(1);

    mainchat = new ChatView(this);
    mainchat->setObjectName(QStringLiteral("mainchat"));
    mainchat->setMinimumHeight(60);
    m_history = std::make_unique<ChatHistory>(mainchat);
    mainchat->viewport()->setCursor(Qt::ArrowCursor);

    mychat = new ChatEntry(this);
    mychat->setObjectName(QStringLiteral("mychat"));
    mychat->setFixedHeight(22);
    mychat->setMaxLength(ChatSender::MaxTyped);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(panel_phrases);
    column->addSpacing(2);
    column->addWidget(mainchat, 1);
    column->addSpacing(4);
    column->addWidget(mychat);

    buildMenus();

    connect(mychat, &ChatEntry::sendRequested, this, &ChatPane::sendit);
    connect(mychat, &ChatEntry::pasteRequested, this, &ChatPane::Paste1Click);
    connect(mainchat, &ChatView::copyRequested, this, &ChatPane::Copy1Click);
    connect(mainchat, &ChatView::linkClicked, this, &ChatPane::linkClicked);
    // mainchatMouseUp: the player goes back to typing.
    connect(mainchat, &ChatView::mouseReleased, this, [this] { mychat->setFocus(Qt::MouseFocusReason); });

    connect(&client.prefs, &Preferences::changed, this, &ChatPane::showPreferences);
    for (Preferences::Key key : {Preferences::Key::TextSize, Preferences::Key::ChatColour, Preferences::Key::Phrases})
        showPreferences(key);
}

ChatPane::~ChatPane() = default;

void ChatPane::buildPhraseRow()
{
    for (int n = 1; n <= PhraseButtons; ++n) {
        auto* button = new QToolButton(panel_phrases);
        button->setObjectName(QStringLiteral("b_phrase%1").arg(n));
        button->setAutoRaise(true);
        // Reached with Tab, but a click leaves the focus in the chat entry.
        button->setFocusPolicy(Qt::TabFocus);
        button->setFixedSize(PhraseButtonWidth, PhraseButtonHeight);
        button->setIcon(picture::icon(picturePath(n)));
        button->setIconSize(QSize(PhraseButtonWidth - 4, PhraseButtonHeight - 4));
        m_phraseRow->addWidget(button);
        b_phrase[std::size_t(n - 1)] = button;
        if (n == SoundsButton) {
            button->setToolTip(tr(qUtf8Printable(SoundsButtonTip)));
            button->setAccessibleName(tr(qUtf8Printable(SoundsButtonTip)));
            connect(button, &QToolButton::clicked, this, &ChatPane::b_phrase10Click);
        } else {
            button->setAccessibleName(tr("Phrase %1").arg(n));
            connect(button, &QToolButton::clicked, this, [this, n] { b_phrase1Click(n); });
        }
    }
}

void ChatPane::buildMenus()
{
    popup_mainchat = new QMenu(this);
    popup_mainchat->setObjectName(QStringLiteral("popup_mainchat"));
    Copy1 = popup_mainchat->addAction(tr("Copy"));
    Copy1->setObjectName(QStringLiteral("Copy1"));
    Copy1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    Copy1->setShortcutContext(Qt::WidgetShortcut);
    mainchat->addAction(Copy1);
    ScrollChatOff1 = popup_mainchat->addAction(tr("Scroll Chat Off"));
    ScrollChatOff1->setObjectName(QStringLiteral("ScrollChatOff1"));
    ScrollChatOff1->setCheckable(true);
    ClearMainChat2 = popup_mainchat->addAction(tr("Clear Main Chat"));
    ClearMainChat2->setObjectName(QStringLiteral("ClearMainChat2"));
    mainchat->setContextMenu(popup_mainchat);
    connect(Copy1, &QAction::triggered, this, &ChatPane::Copy1Click);
    connect(ClearMainChat2, &QAction::triggered, this, &ChatPane::ClearMainChat1Click);
    followScrollChatOff(ScrollChatOff1);

    popup_mychat = new QMenu(this);
    popup_mychat->setObjectName(QStringLiteral("popup_mychat"));
    Paste1 = popup_mychat->addAction(tr("Paste"));
    Paste1->setObjectName(QStringLiteral("Paste1"));
    Paste1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    Paste1->setShortcutContext(Qt::WidgetShortcut);
    mychat->addAction(Paste1);
    mychat->setContextMenu(popup_mychat);
    connect(Paste1, &QAction::triggered, this, &ChatPane::Paste1Click);

    popup_sounds = new QMenu(this);
    popup_sounds->setObjectName(QStringLiteral("popup_sounds"));
    popup_sounds->setToolTipsVisible(false);
    for (int number = 0; number <= ChatterSound::Count; ++number) {
        const QString caption = number == 0 ? tr("<Cancel>") : ChatterSound::caption(number);
        QAction* item = popup_sounds->addAction(caption);
        item->setObjectName(number == 0 ? QStringLiteral("Cancel1") : QStringLiteral("wave%1").arg(number));
        item->setData(number);
        item->setToolTip(caption);
        item->setStatusTip(caption);
        connect(item, &QAction::triggered, this, [this, number] { wave14Click(number); });
        if (number == 0)
            popup_sounds->addSeparator();
    }
}

void ChatPane::followScrollChatOff(QAction* item)
{
    item->setCheckable(true);
    item->setChecked(m_history->scrollChatOff());
    // ScrollChatOff1Click: the item inverts the state; every item shows it.
    connect(item, &QAction::triggered, this, [this] { m_history->setScrollChatOff(!m_history->scrollChatOff()); });
    connect(m_history.get(), &ChatHistory::scrollChatOffChanged, item, &QAction::setChecked);
}

void ChatPane::showPreferences(Preferences::Key key)
{
    const Preferences& prefs = m_client.prefs;
    switch (key) {
    case Preferences::Key::TextSize:
        m_history->setTextSize(prefs.textSize());
        break;
    case Preferences::Key::ChatColour: {
        QPalette mp = mychat->palette();
        mp.setColor(QPalette::Base, ChatHistory::background());
        mp.setColor(QPalette::Text, colortext::toQColor(prefs.chatColour(), mp));
        mychat->setPalette(mp);
        break;
    }
    case Preferences::Key::Phrases:
        // A phrase button's tooltip and name are the phrase it sends; the note button
        // sends none.
        for (int n = 1; n < SoundsButton; ++n) {
            b_phrase[std::size_t(n - 1)]->setToolTip(prefs.phrase(n));
            b_phrase[std::size_t(n - 1)]->setAccessibleName(prefs.phrase(n));
        }
        break;
    default:
        break;
    }
}

// ---- the entry box ----

void ChatPane::sendit()
{
    if (m_client.chatSender.sendit(mychat->text()))
        mychat->clear();
}

void ChatPane::Paste1Click()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data && data->hasText())
        mychat->setText(data->text());
}

// ---- the history ----

void ChatPane::Copy1Click()
{
    QGuiApplication::clipboard()->setText(mainchat->textCursor().selection().toPlainText());
}

void ChatPane::ClearMainChat1Click()
{
    m_history->clear();
    mychat->setFocus(Qt::OtherFocusReason);
}

// ---- the phrase row ----

void ChatPane::b_phrase1Click(int n)
{
    m_client.phrases.b_phrase1Click(n);
}

void ChatPane::b_phrase10Click()
{
    QToolButton* button = b_phrase[SoundsButton - 1];
    popup_sounds->popup(button->mapToGlobal(QPoint(button->width(), button->height())));
}

void ChatPane::wave14Click(int number)
{
    m_client.chatter.wave14Click(number);
}
