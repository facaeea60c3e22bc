/* A small FIFO of payload pointers. The queue owns its nodes, never the payloads. A queue whose
 * length is 0 is empty whatever head and tail hold. */
#ifndef ORV_QUEUE_H
#define ORV_QUEUE_H

#include "BaseTypes.h"

typedef struct Struct_OrvNode {
    void*                  data;
    struct Struct_OrvNode* next;
} OrvNode;

typedef struct Struct_OrvQueue {
    OrvNode* head;
    OrvNode* tail;
    UInt32   length;
} OrvQueue;

/* Appends a new node carrying pItem->data; the caller's node is only read. */
void pushQ(const OrvNode* pItem, OrvQueue* pQ);
/* Frees the first node (nothing when the queue is empty); the payload is not touched. */
void popQ(OrvQueue* pQ);
/* The first node; NULL once the queue has been emptied by popQ. */
OrvNode* head(OrvQueue* pQ);
/* The last node as recorded; not meaningful for an empty queue. */
OrvNode* tail(OrvQueue* pQ);

#endif
