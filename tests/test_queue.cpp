// The FIFO queue of payload pointers.
#include <gtest/gtest.h>

#include "lib/OrvQueue.h"

namespace {

void Push(OrvQueue* q, void* data)
{
    OrvNode node = {data, nullptr};
    pushQ(&node, q);
}

}  // namespace

TEST(OrvQueue, KeepsOrderAndOwnsOnlyItsNodes)
{
    OrvQueue q = {nullptr, nullptr, 0};
    int a = 1, b = 2, c = 3;
    OrvNode caller = {&a, nullptr};
    pushQ(&caller, &q);
    EXPECT_EQ(caller.next, nullptr) << "the caller's node is only read";
    EXPECT_NE(head(&q), &caller) << "the queue keeps its own copy";
    Push(&q, &b);
    Push(&q, &c);
    ASSERT_EQ(q.length, 3u);
    EXPECT_EQ(tail(&q)->data, &c);
    for (int* expected : {&a, &b, &c}) {
        ASSERT_NE(head(&q), nullptr);
        EXPECT_EQ(head(&q)->data, expected);
        popQ(&q);
    }
    EXPECT_EQ(q.length, 0u);
    EXPECT_EQ(head(&q), nullptr);
}

TEST(OrvQueue, PopOnEmptyDoesNothingAndPushAfterEmptyingStartsAfresh)
{
    OrvQueue q = {nullptr, nullptr, 0};
    popQ(&q);
    EXPECT_EQ(q.length, 0u);

    int a = 1, b = 2;
    Push(&q, &a);
    popQ(&q);
    popQ(&q);  // once more on the emptied queue
    EXPECT_EQ(q.length, 0u);
    EXPECT_EQ(head(&q), nullptr);

    Push(&q, &b);
    ASSERT_EQ(q.length, 1u);
    EXPECT_EQ(head(&q), tail(&q));
    EXPECT_EQ(head(&q)->data, &b);
    EXPECT_EQ(head(&q)->next, nullptr);
    popQ(&q);
}
