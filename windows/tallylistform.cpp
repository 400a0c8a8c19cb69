#include "windows/tallylistform.h"

#include "widgets/ElidedItemDelegate.h"
#include "widgets/ElidedLabel.h"
#include "widgets/PlainMessageBox.h"

#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <utility>

namespace {

const QString Zero = QStringLiteral("0");

QListWidgetItem* checkedItem(const QString& name, bool checked)
{
    auto* item = new QListWidgetItem(name);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    return item;
}

QLabel* namedLabel(const QString& objectName, const QString& text)
{
    auto* l = new QLabel(text);
    l->setObjectName(objectName);
    l->setTextFormat(Qt::PlainText);
    return l;
}

// A label that shows an opponent's name: plain text, cut with an ellipsis when long.
ElidedLabel* nameLabel(const QString& objectName, const QString& text)
{
    auto* l = new ElidedLabel(text);
    l->setObjectName(objectName);
    return l;
}

} // namespace

Ttallylist::Ttallylist(const QString& folder, QWidget* parent, TallyDialogs dialogs, const QString& gameKey)
    : BackdropForm(parent), m_file(TallyFile::in(folder, gameKey)), m_dialogs(std::move(dialogs))
{
    if (!m_dialogs.ask) {
        m_dialogs.ask = [this](const QString& question) {
            return plainMessageBox(this, QMessageBox::Question, windowTitle(), question,
                                   QMessageBox::Yes | QMessageBox::No)
                == QMessageBox::Yes;
        };
    }
    if (!m_dialogs.showError) {
        m_dialogs.showError = [this](const QString& message) {
            plainMessageBox(this, QMessageBox::Critical, windowTitle(), message, QMessageBox::Ok);
        };
    }

    setWindowTitle(tr("Quillor - Tally List"));
    setObjectName(QStringLiteral("Ttallylist"));
    buildControls();

    try {
        m_record = m_file.load();
    } catch (const TallyFileError& e) {
        // The record starts empty; the next save replaces the damaged file.
        m_record = TallyRecord();
        m_dialogs.showError(e.message());
    }
    loadtally();
}

Ttallylist::~Ttallylist()
{
    store(false);
}

void Ttallylist::buildControls()
{
    // Your own record across the top.
    auto* own = new QHBoxLayout;
    own->addWidget(new QLabel(tr("Total Games:")));
    for (int i = 0; i < 4; ++i)
        mylabel[std::size_t(i)] = namedLabel(QStringLiteral("mylabel_%1").arg(i + 1), Zero);
    own->addWidget(mylabel[0]);
    own->addSpacing(24);
    own->addWidget(new QLabel(tr("Your Wins")));
    own->addWidget(mylabel[1]);
    own->addStretch(1);
    mylabel[2]->hide();
    mylabel[3]->hide();

    // The two lists side by side, taking the room there is.
    listbox_tally = new QListWidget;
    listbox_tally->setObjectName(QStringLiteral("listbox_tally"));
    ElidedItemDelegate::install(listbox_tally);
    auto* tallied = new QGroupBox(tr("Players Being Tallied"));
    (new QVBoxLayout(tallied))->addWidget(listbox_tally);

    checklist = new QListWidget;
    checklist->setObjectName(QStringLiteral("checklist"));
    ElidedItemDelegate::install(checklist);
    label_following = new QLabel(tr(qUtf8Printable(FollowingHint)));
    label_following->setObjectName(QStringLiteral("label_following"));
    label_following->setWordWrap(true);
    auto* inGame = new QGroupBox(tr("Players In Current Game"));
    auto* inGameColumn = new QVBoxLayout(inGame);
    inGameColumn->addWidget(checklist, 1);
    inGameColumn->addWidget(label_following);

    auto* lists = new QHBoxLayout;
    lists->addWidget(tallied, 1);
    lists->addWidget(inGame, 1);

    // The selected player's tally under them.
    label_hisnametop = nameLabel(QStringLiteral("label_hisnametop"), QString());
    QFont top = label_hisnametop->font();
    top.setBold(true);
    label_hisnametop->setFont(top);
    label_hisname = nameLabel(QStringLiteral("label_hisname"), tr(qUtf8Printable(TheirWins)));
    auto* his = new QGridLayout;
    his->addWidget(label_hisnametop, 0, 0, 1, 3);
    his->addWidget(new QLabel(tr("Total")), 1, 1);
    his->addWidget(new QLabel(tr("Session")), 1, 2);
    his->addWidget(new QLabel(tr("Number of Games")), 2, 0);
    his->addWidget(label_hisname, 3, 0);
    his->addWidget(new QLabel(tr("Your Wins:")), 4, 0);
    his->addWidget(new QLabel(tr("Neither Won:")), 5, 0);
    for (int i = 0; i < 8; ++i) {
        label[std::size_t(i)] = namedLabel(QStringLiteral("label_%1").arg(i + 1), Zero);
        his->addWidget(label[std::size_t(i)], 2 + i % 4, 1 + i / 4);
    }
    his->setColumnStretch(0, 2);
    his->setColumnStretch(1, 1);
    his->setColumnStretch(2, 1);
    auto* hisBox = new QGroupBox;
    hisBox->setLayout(his);

    button_reset = new QPushButton(tr("Reset Tally"));
    button_reset->setObjectName(QStringLiteral("button_reset"));
    button_done = new QPushButton(tr("Done"));
    button_done->setObjectName(QStringLiteral("button_done"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button_reset);
    buttons->addStretch();
    buttons->addWidget(button_done);

    auto* column = new QVBoxLayout(this);
    column->addLayout(own);
    column->addLayout(lists, 1);
    column->addWidget(hisBox);
    column->addLayout(buttons);

    connect(checklist, &QListWidget::itemChanged, this, &Ttallylist::checklistClickCheck);
    connect(listbox_tally, &QListWidget::itemChanged, this, &Ttallylist::listbox_tallyClickCheck);
    connect(listbox_tally, &QListWidget::currentRowChanged, this, [this] { listbox_tallyClick(); });
    connect(button_done, &QPushButton::clicked, this, &Ttallylist::button_doneClick);
    connect(button_reset, &QPushButton::clicked, this, &Ttallylist::button_resetClick);
}

void Ttallylist::loadtally()
{
    showOwnRecord();
    const QSignalBlocker block(listbox_tally);
    listbox_tally->clear();
    for (const QString& name : m_record.followed())
        addFollowedLine(name);
    clearOpponent();
    showSomebody();
}

void Ttallylist::showSomebody()
{
    // A tally shows a player's name and counts whenever somebody is followed.
    if (listbox_tally->currentRow() >= 0 || listbox_tally->count() == 0)
        return;
    {
        const QSignalBlocker quiet(listbox_tally);
        listbox_tally->setCurrentRow(0);
    }
    listbox_tallyClick();
}

void Ttallylist::showOwnRecord()
{
    for (int i = 0; i < 4; ++i)
        mylabel[std::size_t(i)]->setText(m_record.cell(0, i + 1));
}

void Ttallylist::clearOpponent()
{
    for (QLabel* l : label)
        l->setText(Zero);
    label_hisname->setText(tr(qUtf8Printable(TheirWins)));
    label_hisnametop->setText(tr(qUtf8Printable(NobodyFollowed)));
}

void Ttallylist::addFollowedLine(const QString& name)
{
    const QSignalBlocker block(listbox_tally);
    listbox_tally->addItem(checkedItem(name, true));
}

void Ttallylist::refillchecklist(const QStringList& opponents)
{
    const QSignalBlocker block(checklist);
    checklist->clear();
    for (const QString& name : opponents) {
        if (name == TallyRecord::EmptySeat)
            continue;
        checklist->addItem(checkedItem(name, m_record.indexOfFollowed(name) >= 0));
    }
}

void Ttallylist::viewTally(const QStringList& opponents)
{
    refillchecklist(opponents);
    show();
    raise();
    activateWindow();
}

void Ttallylist::addgame(const QStringList& opponents, const QString& winner, const QString& ownName)
{
    refillchecklist(opponents);
    m_record.addgame(opponents, winner, ownName);
    showOwnRecord();
    if (listbox_tally->currentRow() >= 0)
        listbox_tallyClick();
    save();
}

bool Ttallylist::save()
{
    return store(true);
}

bool Ttallylist::store(bool tell)
{
    try {
        m_file.save(m_record);
        return true;
    } catch (const TallyFileError& e) {
        qWarning("Tally not saved: %s", qPrintable(e.message()));
        if (tell && m_dialogs.showError)
            m_dialogs.showError(QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(m_file.path()));
        return false;
    }
}

void Ttallylist::checklistClickCheck(QListWidgetItem* item)
{
    // Checking or unchecking a player both start following him; unchecking never
    // stops it (that is done in the list of tallied players).
    if (!item || !m_record.follow(item->text()))
        return;
    addFollowedLine(m_record.followed().constLast());
    showSomebody();
    save();
}

void Ttallylist::listbox_tallyClickCheck(QListWidgetItem* item)
{
    if (!item || item->checkState() != Qt::Unchecked)
        return;
    const int line = listbox_tally->row(item);
    const QString question =
        tr("This will delete %1's Tally, Are you want to delete it?").arg(item->text());
    if (!m_dialogs.ask(question)) {
        const QSignalBlocker block(listbox_tally);
        item->setCheckState(Qt::Checked);
        return;
    }
    m_record.drop(line);
    {
        const QSignalBlocker block(listbox_tally);
        delete listbox_tally->takeItem(line);
    }
    showSomebody();
    if (listbox_tally->currentRow() >= 0)
        listbox_tallyClick();
    else
        clearOpponent();
    save();
}

void Ttallylist::listbox_tallyClick()
{
    const int line = listbox_tally->currentRow();
    if (line < 0)
        return;
    const int row = line + 1;
    for (int i = 0; i < 8; ++i)
        label[std::size_t(i)]->setText(m_record.cell(row, i + 1));
    const QString name = m_record.cell(row, TallyRecord::Name);
    label_hisname->setText(tr("%1 Wins:").arg(name));
    label_hisnametop->setText(tr("%1's Tally").arg(name));
}

void Ttallylist::button_doneClick()
{
    hide();
}

void Ttallylist::button_resetClick()
{
    if (!m_dialogs.ask(tr("Are you sure you want to reset the Tally?")))
        return;
    m_record.reset();
    showOwnRecord();
    {
        const QSignalBlocker block(listbox_tally);
        listbox_tally->clear();
    }
    clearOpponent();
    save();
}
