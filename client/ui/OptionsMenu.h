#pragma once
// The Options menu of the main window: the chat's "Text Color", "Action Color" and
// "Text Size" (8, 10, 12, 14), "Scroll Chat Off" and "Clear Main Chat"; the sound
// switches "Play Sounds", "Play Chatter Sounds" and "Turn Sound" ("Classic" or "New");
// "High Contrast", the look for weak or colour-blind eyes; and "Reset Screen Location".
// Every item has a mnemonic, so the menu is played from the keyboard as well.
//
// Once bound to the preferences, every check mark shows what the preferences hold (also
// after they are loaded from the settings file), and every choice is handed to them and
// followed by a request to save: the colours, a text size, the three sound items and
// "High Contrast". A
// text size the menu does not offer marks no item. "Scroll Chat Off", "Clear Main Chat"
// and "Reset Screen Location" belong to the window, which connects them.
#include <QColor>
#include <QObject>
#include <functional>
#include <optional>

class Preferences;
class QAction;
class QActionGroup;
class QMenu;

class OptionsMenu : public QObject {
    Q_OBJECT
public:
    // Asks the player for a colour, starting from the given one; nothing on Cancel.
    using ColourChooser = std::function<std::optional<QColor>(const QColor& initial, const QString& title)>;

    OptionsMenu(QMenu* menu, QObject* parent = nullptr);

    void bind(Preferences& prefs);

    // The colour dialog; the window's default is QColorDialog, tests put their own here.
    ColourChooser chooseColour;

    void TextColor1Click();
    void ActionColor1Click();
    void N14Click(QAction* item);
    void PlaySounds1Click();
    void PlayChatterSounds1Click();
    void New1Click(QAction* item);
    void HighContrast1Click();

    QMenu* Options1 = nullptr;
    QAction* TextColor1 = nullptr;
    QAction* ActionColor1 = nullptr;
    QMenu* TextSize1 = nullptr;
    QAction* N8 = nullptr;
    QAction* N10 = nullptr;
    QAction* N12 = nullptr;
    QAction* N14 = nullptr;
    QAction* ScrollChatOff2 = nullptr;
    QAction* ClearMainChat1 = nullptr;
    QAction* PlaySounds1 = nullptr;
    QAction* PlayChatterSounds1 = nullptr;
    QMenu* TurnSound1 = nullptr;
    QAction* Classic1 = nullptr;
    QAction* New1 = nullptr;
    QAction* HighContrast1 = nullptr;
    QAction* ResetScreenLocation1 = nullptr;

private:
    void showPreferences();
    // Hands a choice to the preferences, shows the marks again and asks for a save.
    template <typename Change>
    void choose(Change change);

    Preferences* m_prefs = nullptr;
    QActionGroup* m_sizes = nullptr;
    QActionGroup* m_turnSounds = nullptr;
};
