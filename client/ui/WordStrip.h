#pragma once
// The word strip: ten 44-pixel slots `letter_1` .. `letter_10` in a row, at left 8, 56,
// 104, ... 440 and top 8, each showing its picture from the word entry (the word's letter,
// the marked tile once picked, or nothing past the word's end). The strip has no
// background of its own, so the window's background shows around the slots.
#include <QWidget>

class TileSet;
class WordEntry;

// One slot of the strip.
class WordSlot : public QWidget {
    Q_OBJECT
public:
    WordSlot(int slot, const WordEntry& entry, const TileSet& tiles, QWidget* parent = nullptr);
    int slot() const { return m_slot; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_slot;
    const WordEntry& m_entry;
    const TileSet& m_tiles;
};

class WordStrip : public QWidget {
    Q_OBJECT
public:
    static constexpr int Left = 8;
    static constexpr int Top = 8;
    static constexpr int Step = 48;

    WordStrip(const WordEntry& entry, const TileSet& tiles, QWidget* parent = nullptr);

    // Slot 1..10, or nullptr.
    WordSlot* slotWidget(int slot) const;
    QSize sizeHint() const override;

private:
    void repaintSlots();

    QList<WordSlot*> m_slots;
};
