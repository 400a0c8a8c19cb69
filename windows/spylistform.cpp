#include "windows/spylistform.h"

#include "client/SpyLines.h"
#include "widgets/ElidedItemDelegate.h"
#include "widgets/TagListBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

Tspylist::Tspylist(QWidget* parent)
    : BackdropForm(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(tr("Quillor - Spectators"));

    Label1 = new QLabel(tr("Spy List"), this);
    QFont heading = Label1->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.25);
    Label1->setFont(heading);
    Label1->setAlignment(Qt::AlignCenter);

    listbox_spys = new TagListBox(this);
    listbox_spys->setSelectionMode(QAbstractItemView::SingleSelection);
    // Long names end in an ellipsis and show whole in their tooltips.
    ElidedItemDelegate::install(listbox_spys);
    listbox_spys->setStyleSheet(QStringLiteral(
        "QListWidget { background: rgb(255, 250, 238); color: rgb(40, 28, 10);"
        " border: 1px solid rgb(150, 110, 50); border-radius: 3px; padding: 2px; }"
        "QListWidget::item { padding: 2px 4px; }"
        "QListWidget::item:hover { background: rgb(245, 226, 180); }"
        "QListWidget::item:selected { background: rgb(196, 132, 52); color: white; }"));
    // Said in the empty list, so it is plainly empty rather than broken.
    label_nobody = new QLabel(tr("Nobody is watching."), listbox_spys->viewport());
    label_nobody->setObjectName(QStringLiteral("label_nobody"));
    label_nobody->setAlignment(Qt::AlignCenter);
    label_nobody->setWordWrap(true);
    QPalette quiet = label_nobody->palette();
    quiet.setColor(QPalette::WindowText, QColor(130, 104, 70));
    label_nobody->setPalette(quiet);
    auto* inList = new QVBoxLayout(listbox_spys->viewport());
    inList->addWidget(label_nobody);

    popup_kick = new QMenu(this);
    popup_kickhim = popup_kick->addAction(tr("Remove From Game"));
    popup_kickhim->setEnabled(false);
    listbox_spys->setPopupMenu(popup_kick);

    button_done = new QPushButton(tr("Done"), this);
    button_done->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(button_done);
    buttons->addStretch(1);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(14, 12, 14, 12);
    column->setSpacing(10);
    column->addWidget(Label1);
    column->addWidget(listbox_spys, 1);
    column->addLayout(buttons);

    connect(popup_kickhim, &QAction::triggered, this, [this] { popup_kickhimClick(); });
    connect(button_done, &QPushButton::clicked, this, [this] { button_doneClick(); });

    resize(240, 260);
    showEmpty();
}

void Tspylist::showEmpty()
{
    label_nobody->setVisible(listbox_spys->count() == 0);
}

void Tspylist::addSpy(int slot, const QString& name)
{
    listbox_spys->addItem(spylines::entry(slot, name));
    showEmpty();
}

bool Tspylist::removeSpy(int slot, const QString& name)
{
    const int index = spylines::indexOf(listbox_spys->lines(), spylines::entry(slot, name));
    if (index < 0)
        return false;
    delete listbox_spys->takeItem(index);
    showEmpty();
    return true;
}

void Tspylist::clearSpies()
{
    listbox_spys->clear();
}

QStringList Tspylist::lines() const
{
    return listbox_spys->lines();
}

void Tspylist::setHostMode(bool hosting)
{
    popup_kickhim->setEnabled(hosting);
}

void Tspylist::popup_kickhimClick()
{
    // The tag may still name a line that has since gone: only a line that exists counts.
    const std::optional<int> slot = spylines::slotAt(listbox_spys->lines(), listbox_spys->tag());
    if (slot)
        emit kickRequested(*slot);
}

void Tspylist::button_doneClick()
{
    close();
}
