// The per-connection receive queues: round-robin order and the caps.
#include "host/SlotQueues.h"

#include <QList>
#include <gtest/gtest.h>

TEST(SlotQueues, EachSlotKeepsItsOrderAndSlotsTakeTurns)
{
    SlotQueues q;
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(q.push(2, "b" + QByteArray::number(i)));
    ASSERT_TRUE(q.push(7, "g0"));
    ASSERT_TRUE(q.push(1, "a0"));
    ASSERT_TRUE(q.push(7, "g1"));
    QList<QByteArray> order;
    while (auto e = q.takeNext())
        order.append(QByteArray::number(e->slot) + ":" + e->text);
    EXPECT_EQ(order, (QList<QByteArray>{"1:a0", "2:b0", "7:g0", "2:b1", "7:g1", "2:b2", "2:b3", "2:b4"}));
    EXPECT_EQ(q.totalPending(), 0u);
}

TEST(SlotQueues, AFloodingSlotDelaysAnotherByAtMostOneTurnOfTheSlots)
{
    SlotQueues q(100000, 1 << 30);
    for (int i = 0; i < 50000; ++i)
        ASSERT_TRUE(q.push(3, "CMD_chat+3+spam|clRed"));
    for (int i = 0; i < 10; ++i)
        q.takeNext();
    ASSERT_TRUE(q.push(5, "CMD_chat+5+hello|clBlack"));
    int taken = 0;
    for (;;) {
        auto e = q.takeNext();
        ASSERT_TRUE(e.has_value());
        ++taken;
        if (e->slot == 5)
            break;
    }
    EXPECT_LE(taken, SlotQueues::kSlots);
}

TEST(SlotQueues, PushesPastTheCapsAreRefusedAndDropForgetsASlot)
{
    SlotQueues q(3, 100);
    EXPECT_TRUE(q.push(4, "x"));
    EXPECT_TRUE(q.push(4, "y"));
    EXPECT_TRUE(q.push(4, "z"));
    EXPECT_FALSE(q.push(4, "w"));
    EXPECT_EQ(q.pending(4), 3u);
    EXPECT_TRUE(q.push(5, QByteArray(60, 'a')));
    EXPECT_FALSE(q.push(5, QByteArray(41, 'b')));
    EXPECT_TRUE(q.push(5, QByteArray(40, 'b')));
    EXPECT_EQ(q.pendingBytes(5), 100);
    EXPECT_FALSE(q.push(0, "bad"));
    EXPECT_FALSE(q.push(11, "bad"));

    q.drop(4);
    EXPECT_EQ(q.pending(4), 0u);
    EXPECT_EQ(q.totalPending(), 2u);
    EXPECT_TRUE(q.push(4, "again"));
    // A taken entry frees its room again.
    auto e = q.takeNext();
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->slot, 4);
    EXPECT_EQ(q.takeNext()->slot, 5);
    EXPECT_EQ(q.pendingBytes(5), 40);
}
