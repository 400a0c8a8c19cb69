#include "windows/PlayWithOthersDialog.h"

#include "client/PlayChoiceStore.h"
#include "windows/GameListModel.h"

#include <QButtonGroup>
#include <QDebug>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

PlayWithOthersDialog::PlayWithOthersDialog(PlayChoiceStore& store, QWidget* parent)
    : BackdropForm(parent, Qt::Dialog)
    , m_store(store)
{
    setObjectName(QStringLiteral("playwithothers"));
    setWindowTitle(tr("Play with Others"));

    edit_name = new QLineEdit(this);
    edit_name->setObjectName(QStringLiteral("edit_name"));
    edit_name->setMaxLength(40);
    radio_host = new QRadioButton(tr("Host a game"), this);
    radio_host->setObjectName(QStringLiteral("radio_host"));
    radio_join = new QRadioButton(tr("Join a game"), this);
    radio_join->setObjectName(QStringLiteral("radio_join"));
    auto* mode = new QButtonGroup(this);
    mode->addButton(radio_host);
    mode->addButton(radio_join);
    radio_join->setChecked(true);
    edit_address = new QLineEdit(this);
    edit_address->setObjectName(QStringLiteral("edit_address"));
    edit_address->setPlaceholderText(tr("name or address of the host"));
    edit_port = new QSpinBox(this);
    edit_port->setObjectName(QStringLiteral("edit_port"));
    edit_port->setRange(1, 65535);
    edit_port->setValue(game::DefaultPort);

    label_friends = new QLabel(this);
    label_friends->setObjectName(QStringLiteral("label_friends"));
    label_friends->setTextFormat(Qt::PlainText);
    label_friends->setWordWrap(true);
    label_friends->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont friendsFont = label_friends->font();
    friendsFont.setBold(true);
    label_friends->setFont(friendsFont);
    // Its place is kept while it is hidden: the dialog does not jump between the choices.
    QSizePolicy keep = label_friends->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    label_friends->setSizePolicy(keep);

    // The games announced nearby: a list a few rows high, and a line under it while the
    // list is empty.
    list_games = new QListView(this);
    list_games->setObjectName(QStringLiteral("list_games"));
    list_games->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_games->setSelectionMode(QAbstractItemView::SingleSelection);
    list_games->setUniformItemSizes(true);
    // A line too long for the list ends in "..."; its tooltip tells the rest.
    list_games->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_games->setTextElideMode(Qt::ElideRight);
    auto* shown = new GameListModel(this);
    shown->setSourceModel(&m_browser);
    list_games->setModel(shown);
    list_games->setFixedHeight(4 * list_games->fontMetrics().lineSpacing() + 2 * list_games->frameWidth() + 8);
    label_games = new QLabel(this);
    label_games->setObjectName(QStringLiteral("label_games"));
    label_games->setWordWrap(true);
    label_games->setTextFormat(Qt::PlainText);
    QSizePolicy keepGames = label_games->sizePolicy();
    keepGames.setRetainSizeWhenHidden(true);
    label_games->setSizePolicy(keepGames);

    auto* modeRow = new QHBoxLayout;
    modeRow->addWidget(radio_host);
    modeRow->addWidget(radio_join);
    modeRow->addStretch(1);
    auto* form = new QFormLayout;
    form->addRow(tr("Your name:"), edit_name);
    form->addRow(QString(), modeRow);
    form->addRow(tr("Host address:"), edit_address);
    form->addRow(tr("Port:"), edit_port);

    button_ok = new QPushButton(tr("OK"), this);
    button_ok->setDefault(true);
    button_cancel = new QPushButton(tr("Cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(button_ok);
    buttons->addWidget(button_cancel);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(18, 16, 18, 14);
    column->setSpacing(12);
    column->addLayout(form);
    auto* games = new QVBoxLayout;
    games->setSpacing(4);
    games->addWidget(new QLabel(tr("Games on this network:"), this));
    games->addWidget(list_games);
    games->addWidget(label_games);
    column->addLayout(games);
    // What others need to join, below the choice; room for a second line.
    column->addWidget(label_friends);
    column->addLayout(buttons);

    connect(edit_name, &QLineEdit::textChanged, this, &PlayWithOthersDialog::showState);
    connect(edit_address, &QLineEdit::textChanged, this, &PlayWithOthersDialog::showState);
    connect(radio_host, &QRadioButton::toggled, this, &PlayWithOthersDialog::showState);
    connect(edit_port, &QSpinBox::valueChanged, this, &PlayWithOthersDialog::showState);
    connect(edit_name, &QLineEdit::returnPressed, this, &PlayWithOthersDialog::button_okClick);
    connect(edit_address, &QLineEdit::returnPressed, this, &PlayWithOthersDialog::button_okClick);
    connect(button_ok, &QPushButton::clicked, this, &PlayWithOthersDialog::button_okClick);
    connect(button_cancel, &QPushButton::clicked, this, &PlayWithOthersDialog::button_cancelClick);
    connect(list_games->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { takeListed(current.row()); });
    connect(list_games, &QListView::doubleClicked, this, [this](const QModelIndex& at) { joinListed(at.row()); });
    connect(&m_browser, &GameBrowser::statusTextChanged, this, &PlayWithOthersDialog::showGamesStatus);
    connect(&m_browser, &QAbstractItemModel::rowsInserted, this, &PlayWithOthersDialog::showGamesStatus);
    connect(&m_browser, &QAbstractItemModel::rowsRemoved, this, &PlayWithOthersDialog::showGamesStatus);
    connect(&m_browser, &QAbstractItemModel::modelReset, this, &PlayWithOthersDialog::showGamesStatus);
    connect(&m_browser, &GameBrowser::logLine, this, [](const QString& line) { qInfo().noquote() << "games on this network:" << line; });

    label_friends->setMinimumHeight(2 * label_friends->fontMetrics().lineSpacing());
    setFixedWidth(qMax(sizeHint().width(), 480));
    showState();
}

void PlayWithOthersDialog::setAddresses(const QStringList& addresses)
{
    m_addresses = addresses;
    showState();
}

void PlayWithOthersDialog::setAnnouncement(const QString& text)
{
    m_announcement = text;
    showState();
}

void PlayWithOthersDialog::showGamesStatus()
{
    QString text = m_browser.statusText();
    if (text.isEmpty() && m_browser.rowCount() == 0)
        text = tr("No games announced on this network yet.");
    label_games->setText(text);
    label_games->setVisible(!text.isEmpty());
}

void PlayWithOthersDialog::takeListed(int row)
{
    if (row < 0 || row >= m_browser.rowCount())
        return;
    const FoundGame& game = m_browser.game(row);
    if (game.address().isEmpty())
        return;
    radio_join->setChecked(true);
    edit_address->setText(game.address());
    edit_port->setValue(game.port);
}

void PlayWithOthersDialog::joinListed(int row)
{
    takeListed(row);
    if (edit_name->text().trimmed().isEmpty()) {
        edit_name->setFocus();
        return;
    }
    button_okClick();
}

PlayChoice PlayWithOthersDialog::choice() const
{
    PlayChoice c;
    c.name = edit_name->text().trimmed();
    c.address = edit_address->text().trimmed();
    c.port = static_cast<quint16>(edit_port->value());
    c.host = radio_host->isChecked();
    return c;
}

void PlayWithOthersDialog::setChoice(const PlayChoice& c)
{
    edit_name->setText(c.name);
    edit_address->setText(c.address);
    edit_port->setValue(c.port);
    (c.host ? radio_host : radio_join)->setChecked(true);
    showState();
}

void PlayWithOthersDialog::showState()
{
    // The host is this machine when hosting: the address is not asked for.
    edit_address->setEnabled(radio_join->isChecked());
    button_ok->setEnabled(choice().complete());
    QString friends = joinaddresses::friendsText(m_addresses, quint16(edit_port->value()));
    if (!m_announcement.isEmpty())
        friends += QLatin1Char('\n') + m_announcement;
    label_friends->setText(friends);
    label_friends->setVisible(radio_host->isChecked());
    // As high as the wrapped text needs.
    const int height = layout()->totalHeightForWidth(width());
    setFixedHeight(height > 0 ? height : sizeHint().height());
}

void PlayWithOthersDialog::showEvent(QShowEvent* event)
{
    BackdropForm::showEvent(event);
    setChoice(m_store.load());
    setAddresses(joinaddresses::reachable(joinaddresses::ofThisComputer()));
    edit_name->setFocus();
    // The network is asked only while the dialog is open.
    m_browser.start();
    showGamesStatus();
}

void PlayWithOthersDialog::hideEvent(QHideEvent* event)
{
    m_browser.stop();
    BackdropForm::hideEvent(event);
}

void PlayWithOthersDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        button_cancelClick();
        return;
    }
    BackdropForm::keyPressEvent(event);
}

void PlayWithOthersDialog::button_okClick()
{
    const PlayChoice c = choice();
    if (!c.complete())
        return;
    try {
        m_store.save(c);
    } catch (const IniWriteError& e) {
        // The game still starts; only the choice is not remembered, and the player is told.
        qWarning().noquote() << "play with others:" << e.what();
        emit saveFailed(QString::fromStdString(e.what()));
    }
    hide();
    emit playRequested(c.arguments());
}

void PlayWithOthersDialog::button_cancelClick()
{
    hide();
}
