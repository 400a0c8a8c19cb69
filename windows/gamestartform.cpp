#include "windows/gamestartform.h"

#include "client/Preferences.h"
#include "widgets/CheckImage.h"
#include "widgets/PictureButton.h"
#include "widgets/UpDownEdit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

QLabel* optionLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

} // namespace

Tgamestart::Tgamestart(Preferences& prefs, QWidget* parent)
    : BackdropForm(parent, Qt::Dialog)
    , m_prefs(prefs)
{
    setWindowTitle(tr("Quillor - Game Start"));

    Label3 = new QLabel(tr("GAME OPTIONS"), this);
    QFont heading = Label3->font();
    heading.setBold(true);
    heading.setUnderline(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.25);
    Label3->setFont(heading);
    Label3->setAlignment(Qt::AlignCenter);

    const GameStartOptions& bounds = options();
    Label2 = optionLabel(tr("Play to Score:"), this);
    UpDown1 = new UpDownEdit(bounds.playToScore.minimum(), bounds.playToScore.maximum(),
                             bounds.playToScore.increment(), this);
    edit_playtoscore = UpDown1->edit();
    Label1 = optionLabel(tr("Seconds per Turn:"), this);
    UpDown2 = new UpDownEdit(bounds.creationTime.minimum(), bounds.creationTime.maximum(),
                             bounds.creationTime.increment(), this);
    edit_creationtime = UpDown2->edit();
    const auto range = [](const SteppedValue& v) {
        return tr(": %1 to %2, in steps of %3").arg(v.minimum()).arg(v.maximum()).arg(v.increment());
    };
    UpDown1->setToolTip(tr("The score that wins the game") + range(bounds.playToScore));
    UpDown2->setToolTip(tr("Seconds to find each word") + range(bounds.creationTime));

    Label4 = optionLabel(tr("Words Scrambled:"), this);
    checkbox_1 = new CheckImage(GameStartOptions::ScrambledHint, this);
    checkbox_1->setAccessibleName(Label4->text());
    Label5 = optionLabel(tr("Words Straight:"), this);
    checkbox_2 = new CheckImage(GameStartOptions::StraightHint, this);
    checkbox_2->setAccessibleName(Label5->text());
    Label6 = optionLabel(tr("Only Use Letters in the word:"), this);
    Label6->setWordWrap(true);
    checkbox_onlyletters = new CheckImage(GameStartOptions::StraightHint, this);
    checkbox_onlyletters->setAccessibleName(Label6->text());

    label_words = optionLabel(tr("Words:"), this);
    combo_words = new QComboBox(this);
    for (const WordLanguage& language : wordlanguages::all())
        combo_words->addItem(language.name, language.code);
    combo_words->setAccessibleName(tr("Language of the words"));
    combo_words->setToolTip(tr("The language the game's words are drawn from"));
    label_words->setBuddy(combo_words);

    button_start = new PictureButton(StartPicturePath, tr("Start Game"), this);

    for (UpDownEdit* spin : {UpDown1, UpDown2})
        spin->setFixedWidth(84);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(10);
    grid->addWidget(Label2, 0, 0);
    grid->addWidget(UpDown1, 0, 1, Qt::AlignLeft);
    grid->addWidget(Label1, 1, 0);
    grid->addWidget(UpDown2, 1, 1, Qt::AlignLeft);
    grid->addWidget(Label4, 2, 0);
    grid->addWidget(checkbox_1, 2, 1, Qt::AlignLeft);
    grid->addWidget(Label5, 3, 0);
    grid->addWidget(checkbox_2, 3, 1, Qt::AlignLeft);
    grid->addWidget(Label6, 4, 0);
    grid->addWidget(checkbox_onlyletters, 4, 1, Qt::AlignLeft);
    grid->addWidget(label_words, 5, 0);
    grid->addWidget(combo_words, 5, 1, Qt::AlignLeft);
    grid->setColumnStretch(0, 1);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(20, 14, 20, 16);
    column->setSpacing(14);
    column->addWidget(Label3);
    column->addLayout(grid);
    column->addWidget(button_start, 0, Qt::AlignHCenter);

    // An arrow moves a whole step; a typed number is rounded to the nearest one.
    connect(UpDown1, &QSpinBox::valueChanged, this, [this](int v) {
        change([v](GameStartOptions& o) { o.playToScore.setTyped(v); });
    });
    connect(UpDown2, &QSpinBox::valueChanged, this, [this](int v) {
        change([v](GameStartOptions& o) { o.creationTime.setTyped(v); });
    });
    connect(&m_prefs, &Preferences::changed, this, [this](Preferences::Key key) {
        if (key == Preferences::Key::StartOptions)
            showOptions();
    });
    connect(checkbox_1, &QAbstractButton::clicked, this, [this] { checkbox_1Click(checkbox_1); });
    connect(checkbox_2, &QAbstractButton::clicked, this, [this] { checkbox_1Click(checkbox_2); });
    connect(checkbox_onlyletters, &QAbstractButton::clicked, this, [this] { checkbox_onlylettersClick(); });
    connect(button_start, &QAbstractButton::clicked, this, [this] { button_startClick(); });
    connect(combo_words, &QComboBox::activated, this,
            [this](int index) { setLanguage(combo_words->itemData(index).toString()); });

    // Escape puts the dialog away like its close button; the values stay.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::hide);

    showOptions();
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
}

const GameStartOptions& Tgamestart::options() const
{
    return m_prefs.startOptions();
}

template <typename Change>
void Tgamestart::change(Change change)
{
    GameStartOptions o = m_prefs.startOptions();
    change(o);
    m_prefs.setStartOptions(o);
    // A value held to its range shows the bound even when the options did not change.
    showOptions();
}

void Tgamestart::setPlayToScorePosition(int position)
{
    change([position](GameStartOptions& o) { o.playToScore.setPosition(position); });
}

void Tgamestart::setCreationTimePosition(int position)
{
    change([position](GameStartOptions& o) { o.creationTime.setPosition(position); });
}

void Tgamestart::checkscram(int which)
{
    change([which](GameStartOptions& o) { o.checkscram(which); });
}

void Tgamestart::checkonly(int state)
{
    change([state](GameStartOptions& o) { o.checkonly(state); });
}

void Tgamestart::setLanguage(const QString& code)
{
    change([&code](GameStartOptions& o) { o.setLanguage(code); });
}

void Tgamestart::checkbox_1Click(CheckImage* sender)
{
    if (!sender)
        return;
    const QString hint = sender->hint();
    change([&hint](GameStartOptions& o) { o.clickPair(hint); });
}

void Tgamestart::checkbox_onlylettersClick()
{
    change([](GameStartOptions& o) { o.toggleOnlyLetters(); });
}

void Tgamestart::button_startClick()
{
    // A host that does not know the language message drops it and plays English.
    emit startCommand(options().languageMessage());
    emit startCommand(options().startMessage(m_playerName));
    hide();
    m_prefs.requestSave();
}

void Tgamestart::showOptions()
{
    const GameStartOptions& o = options();
    UpDown1->setShown(o.playToScore.position());
    UpDown2->setShown(o.creationTime.position());
    checkbox_1->setTag(o.scrambledTag());
    checkbox_2->setTag(o.straightTag());
    checkbox_onlyletters->setTag(o.onlyLettersTag());
    combo_words->setCurrentIndex(combo_words->findData(o.language()));
}
