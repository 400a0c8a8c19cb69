#include "client/ui/OptionsMenu.h"

#include "client/ColorText.h"
#include "client/Preferences.h"

#include <QAction>
#include <QActionGroup>
#include <QColorDialog>
#include <QMenu>

namespace {

QAction* item(QMenu* menu, const QString& caption, const QString& name, bool checkable = false)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setCheckable(checkable);
    return action;
}

// A text size's caption with its last digit as the mnemonic: "&8", "1&0", "1&2", "1&4".
QString mnemonicSize(int points)
{
    QString caption = QString::number(points);
    caption.insert(caption.size() - 1, QLatin1Char('&'));
    return caption;
}

std::optional<QColor> colourDialog(const QColor& initial, const QString& title)
{
    const QColor chosen = QColorDialog::getColor(initial, nullptr, title);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

} // namespace

OptionsMenu::OptionsMenu(QMenu* menu, QObject* parent)
    : QObject(parent), chooseColour(colourDialog), Options1(menu)
{
    menu->setObjectName(QStringLiteral("Options1"));
    TextColor1 = item(menu, tr("&Text Color"), QStringLiteral("TextColor1"));
    ActionColor1 = item(menu, tr("&Action Color"), QStringLiteral("ActionColor1"));
    TextSize1 = menu->addMenu(tr("Text Si&ze"));
    TextSize1->setObjectName(QStringLiteral("TextSize1"));
    m_sizes = new QActionGroup(this);
    m_sizes->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (QAction** size : {&N8, &N10, &N12, &N14}) {
        const int points = size == &N8 ? 8 : size == &N10 ? 10 : size == &N12 ? 12 : 14;
        *size = item(TextSize1, mnemonicSize(points), QStringLiteral("N%1").arg(points), true);
        (*size)->setData(points);
        m_sizes->addAction(*size);
    }
    // Ctrl+S belongs to "Start Game" alone: one key on two commands would reach neither.
    ScrollChatOff2 = item(menu, tr("Scroll &Chat Off"), QStringLiteral("ScrollChatOff2"), true);
    ClearMainChat1 = item(menu, tr("C&lear Main Chat"), QStringLiteral("ClearMainChat1"));
    menu->addSeparator();
    PlaySounds1 = item(menu, tr("&Play Sounds"), QStringLiteral("PlaySounds1"), true);
    PlayChatterSounds1 = item(menu, tr("Play C&hatter Sounds"), QStringLiteral("PlayChatterSounds1"), true);
    TurnSound1 = menu->addMenu(tr("T&urn Sound"));
    TurnSound1->setObjectName(QStringLiteral("TurnSound1"));
    m_turnSounds = new QActionGroup(this);
    Classic1 = item(TurnSound1, tr("&Classic"), QStringLiteral("Classic1"), true);
    Classic1->setData(0);
    New1 = item(TurnSound1, tr("&New"), QStringLiteral("New1"), true);
    New1->setData(1);
    m_turnSounds->addAction(Classic1);
    m_turnSounds->addAction(New1);
    menu->addSeparator();
    HighContrast1 = item(menu, tr("High C&ontrast"), QStringLiteral("HighContrast1"), true);
    ResetScreenLocation1 = item(menu, tr("&Reset Screen Location"), QStringLiteral("ResetScreenLocation1"));

    connect(TextColor1, &QAction::triggered, this, &OptionsMenu::TextColor1Click);
    connect(ActionColor1, &QAction::triggered, this, &OptionsMenu::ActionColor1Click);
    connect(m_sizes, &QActionGroup::triggered, this, &OptionsMenu::N14Click);
    connect(PlaySounds1, &QAction::triggered, this, &OptionsMenu::PlaySounds1Click);
    connect(PlayChatterSounds1, &QAction::triggered, this, &OptionsMenu::PlayChatterSounds1Click);
    connect(m_turnSounds, &QActionGroup::triggered, this, &OptionsMenu::New1Click);
    connect(HighContrast1, &QAction::triggered, this, &OptionsMenu::HighContrast1Click);
}

void OptionsMenu::bind(Preferences& prefs)
{
    m_prefs = &prefs;
    connect(&prefs, &Preferences::changed, this, &OptionsMenu::showPreferences);
    showPreferences();
}

void OptionsMenu::showPreferences()
{
    if (!m_prefs)
        return;
    for (QAction* size : m_sizes->actions())
        size->setChecked(size->data().toInt() == m_prefs->textSize());
    PlaySounds1->setChecked(m_prefs->playSounds());
    PlayChatterSounds1->setChecked(m_prefs->chatterSounds());
    (m_prefs->turnSoundNew() ? New1 : Classic1)->setChecked(true);
    HighContrast1->setChecked(m_prefs->highContrast());
}

void OptionsMenu::TextColor1Click()
{
    if (!m_prefs || !chooseColour)
        return;
    const auto chosen = chooseColour(colortext::toQColor(m_prefs->chatColour()), tr("Text Color"));
    if (!chosen)
        return;
    m_prefs->setChatColour(colortext::fromQColor(*chosen));
    m_prefs->requestSave();
}

void OptionsMenu::ActionColor1Click()
{
    if (!m_prefs || !chooseColour)
        return;
    const auto chosen = chooseColour(colortext::toQColor(m_prefs->actionColour()), tr("Action Color"));
    if (chosen)
        m_prefs->setActionColour(colortext::fromQColor(*chosen));
    m_prefs->requestSave();
}

template <typename Change>
void OptionsMenu::choose(Change change)
{
    if (!m_prefs)
        return;
    change(*m_prefs);
    showPreferences(); // an item chosen again keeps its mark
    m_prefs->requestSave();
}

void OptionsMenu::N14Click(QAction* size)
{
    choose([size](Preferences& p) { p.setTextSize(size->data().toInt()); });
}

void OptionsMenu::PlaySounds1Click()
{
    choose([](Preferences& p) { p.setPlaySounds(!p.playSounds()); });
}

void OptionsMenu::PlayChatterSounds1Click()
{
    choose([](Preferences& p) { p.setChatterSounds(!p.chatterSounds()); });
}

void OptionsMenu::New1Click(QAction* choice)
{
    choose([choice](Preferences& p) { p.setTurnSoundNew(choice->data().toInt() == 1); });
}

void OptionsMenu::HighContrast1Click()
{
    choose([](Preferences& p) { p.setHighContrast(!p.highContrast()); });
}
