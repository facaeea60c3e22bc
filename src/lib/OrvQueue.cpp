#include "lib/OrvQueue.h"

#include <cstdlib>

void pushQ(const OrvNode* pItem, OrvQueue* pQ)
{
    OrvNode* node = static_cast<OrvNode*>(malloc(sizeof(OrvNode)));
    if (node == nullptr) return;
    node->data = pItem->data;
    node->next = nullptr;
    if (pQ->length == 0) {
        pQ->head = node;
    } else {
        pQ->tail->next = node;
    }
    pQ->tail = node;
    pQ->length += 1;
}

void popQ(OrvQueue* pQ)
{
    if (pQ->length == 0 || pQ->head == nullptr) return;
    OrvNode* first = pQ->head;
    pQ->head = first->next;
    pQ->length -= 1;
    free(first);
}

OrvNode* head(OrvQueue* pQ) { return pQ->length == 0 ? nullptr : pQ->head; }

OrvNode* tail(OrvQueue* pQ) { return pQ->tail; }
