#include "client/ui/WordStrip.h"

#include "client/TileSet.h"
#include "client/WordEntry.h"

#include <QPainter>

WordSlot::WordSlot(int slot, const WordEntry& entry, const TileSet& tiles, QWidget* parent)
    : QWidget(parent)
    , m_slot(slot)
    , m_entry(entry)
    , m_tiles(tiles)
{
    setObjectName(QStringLiteral("letter_") + QString::number(slot));
    setFixedSize(WordEntry::TileSize, WordEntry::TileSize);
}

void WordSlot::paintEvent(QPaintEvent*)
{
    const int picture = m_entry.slotPicture(m_slot);
    if (picture == 0)
        return;  // past the word's end the slot stays empty
    QPainter painter(this);
    m_tiles.draw(painter, QPoint(0, 0), picture);
}

WordStrip::WordStrip(const WordEntry& entry, const TileSet& tiles, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("wordstrip"));
    for (int slot = 1; slot <= WordEntry::Slots; ++slot) {
        auto* widget = new WordSlot(slot, entry, tiles, this);
        widget->move(Left + (slot - 1) * Step, Top);
        m_slots.append(widget);
    }
    setFixedSize(sizeHint());
    connect(&entry, &WordEntry::stripChanged, this, &WordStrip::repaintSlots);
    connect(&tiles, &TileSet::changed, this, &WordStrip::repaintSlots);
}

WordSlot* WordStrip::slotWidget(int slot) const
{
    return slot >= 1 && slot <= m_slots.size() ? m_slots.at(slot - 1) : nullptr;
}

QSize WordStrip::sizeHint() const
{
    // from the left edge to the last slot's right edge plus the same margin again
    return QSize(Left + (WordEntry::Slots - 1) * Step + WordEntry::TileSize + Left,
                 Top + WordEntry::TileSize + Top);
}

void WordStrip::repaintSlots()
{
    for (WordSlot* slot : m_slots)
        slot->update();
}
