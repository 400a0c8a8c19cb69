#include "windows/gamestartform.h"

#include "widgets/CheckImage.h"
#include "widgets/PictureButton.h"
#include "widgets/UpDownEdit.h"

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

Tgamestart::Tgamestart(QWidget* parent)
    : BackdropForm(parent, Qt::Dialog)
{
    setWindowTitle(QStringLiteral("Quillor - Game Start"));

    Label3 = new QLabel(QStringLiteral("GAME OPTIONS"), this);
    QFont heading = Label3->font();
    heading.setBold(true);
    heading.setUnderline(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.25);
    Label3->setFont(heading);
    Label3->setAlignment(Qt::AlignCenter);

    Label2 = optionLabel(QStringLiteral("Play to Score:"), this);
    UpDown1 = new UpDownEdit(m_options.playToScore.minimum(), m_options.playToScore.maximum(),
                             m_options.playToScore.increment(), this);
    edit_playtoscore = UpDown1->edit();
    Label1 = optionLabel(QStringLiteral("Creation Time:"), this);
    UpDown2 = new UpDownEdit(m_options.creationTime.minimum(), m_options.creationTime.maximum(),
                             m_options.creationTime.increment(), this);
    edit_creationtime = UpDown2->edit();
    UpDown2->setToolTip(tr("Seconds per turn"));
    UpDown1->setToolTip(tr("The score that wins the game"));

    Label4 = optionLabel(QStringLiteral("Words Scrambled:"), this);
    checkbox_1 = new CheckImage(GameStartOptions::ScrambledHint, this);
    checkbox_1->setAccessibleName(Label4->text());
    Label5 = optionLabel(QStringLiteral("Words Straight:"), this);
    checkbox_2 = new CheckImage(GameStartOptions::StraightHint, this);
    checkbox_2->setAccessibleName(Label5->text());
    Label6 = optionLabel(QStringLiteral("Only Use Letters in the word:"), this);
    Label6->setWordWrap(true);
    checkbox_onlyletters = new CheckImage(GameStartOptions::StraightHint, this);
    checkbox_onlyletters->setAccessibleName(Label6->text());

    button_start = new PictureButton(StartPicturePath, QStringLiteral("Start Game"), this);

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
    grid->setColumnStretch(0, 1);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(20, 14, 20, 16);
    column->setSpacing(14);
    column->addWidget(Label3);
    column->addLayout(grid);
    column->addWidget(button_start, 0, Qt::AlignHCenter);

    connect(UpDown1, &QSpinBox::valueChanged, this, [this](int v) { m_options.playToScore.setPosition(v); });
    connect(UpDown2, &QSpinBox::valueChanged, this, [this](int v) { m_options.creationTime.setPosition(v); });
    connect(checkbox_1, &QAbstractButton::clicked, this, [this] { checkbox_1Click(checkbox_1); });
    connect(checkbox_2, &QAbstractButton::clicked, this, [this] { checkbox_1Click(checkbox_2); });
    connect(checkbox_onlyletters, &QAbstractButton::clicked, this, [this] { checkbox_onlylettersClick(); });
    connect(button_start, &QAbstractButton::clicked, this, [this] { button_startClick(); });

    // Escape puts the dialog away like its close button; the values stay.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::hide);

    UpDown1->setShown(m_options.playToScore.position());
    UpDown2->setShown(m_options.creationTime.position());
    showChecks();
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
}

void Tgamestart::setPlayToScorePosition(int position)
{
    m_options.playToScore.setPosition(position);
    UpDown1->setShown(m_options.playToScore.position());
}

void Tgamestart::setCreationTimePosition(int position)
{
    m_options.creationTime.setPosition(position);
    UpDown2->setShown(m_options.creationTime.position());
}

void Tgamestart::checkscram(int which)
{
    m_options.checkscram(which);
    showChecks();
}

void Tgamestart::checkonly(int state)
{
    m_options.checkonly(state);
    showChecks();
}

void Tgamestart::checkbox_1Click(CheckImage* sender)
{
    if (!sender)
        return;
    m_options.clickPair(sender->hint());
    showChecks();
}

void Tgamestart::checkbox_onlylettersClick()
{
    m_options.toggleOnlyLetters();
    showChecks();
}

void Tgamestart::button_startClick()
{
    const Message start = m_options.startMessage(m_playerName);
    if (onStart)
        onStart(start);
    hide();
    if (onSaveSettings)
        onSaveSettings();
}

void Tgamestart::showChecks()
{
    checkbox_1->setTag(m_options.scrambledTag());
    checkbox_2->setTag(m_options.straightTag());
    checkbox_onlyletters->setTag(m_options.onlyLettersTag());
}
