#include "client/ui/ChatPane.h"

#include "client/ColorText.h"
#include "client/Preferences.h"
#include "client/ui/ChatHistory.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QTextEdit>
#include <QVBoxLayout>

ChatPane::ChatPane(const Preferences& prefs, QWidget* parent)
    : QWidget(parent)
    , m_prefs(prefs)
{
    setObjectName(QStringLiteral("chatpane"));

    panel_phrases = new QWidget(this);
    panel_phrases->setObjectName(QStringLiteral("panel_phrases"));
    panel_phrases->setFixedHeight(PhraseButtonHeight);
    panel_phrases->setMinimumWidth(PhraseButtons * PhraseButtonWidth);
    m_phraseRow = new QHBoxLayout(panel_phrases);
    m_phraseRow->setContentsMargins(0, 0, 0, 0);
    m_phraseRow->setSpacing(0);
    m_phraseRow->addStretch(1);

    mainchat = new QTextEdit(this);
    mainchat->setObjectName(QStringLiteral("mainchat"));
    mainchat->setMinimumHeight(60);
    m_history = std::make_unique<ChatHistory>(mainchat);

    mychat = new QLineEdit(QStringLiteral("<Enter Chat Here>"), this);
    mychat->setObjectName(QStringLiteral("mychat"));
    mychat->setFixedHeight(22);
    mychat->setEnabled(false);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(panel_phrases);
    column->addSpacing(2);
    column->addWidget(mainchat, 1);
    column->addSpacing(4);
    column->addWidget(mychat);

    connect(&prefs, &Preferences::changed, this, [this](Preferences::Key key) {
        if (key == Preferences::Key::TextSize || key == Preferences::Key::ChatColour)
            showPreferences();
    });
    showPreferences();
}

ChatPane::~ChatPane() = default;

void ChatPane::showPreferences()
{
    m_history->setTextSize(m_prefs.textSize());
    QPalette mp = mychat->palette();
    mp.setColor(QPalette::Base, ChatHistory::background());
    mp.setColor(QPalette::Text, colortext::toQColor(m_prefs.chatColour()));
    mychat->setPalette(mp);
}
