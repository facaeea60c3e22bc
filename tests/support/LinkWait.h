/* Waiting on the head-unit link task that runs inside a test process: the marker the link's
 * worker leaves between connections, beside the polls of TestWait.h. */
#ifndef LINK_WAIT_H
#define LINK_WAIT_H

#include "OrvTask/CduCommunication.h"
#include "lib/OrvShared.h"
#include "support/TestWait.h"

/* The marker the worker leaves when a connection has ended and the store has been reset. */
inline bool ServerIdle()
{
    const UInt32 mark = OrvShared_Load(CduComSrvPnt);
    return mark == 0x2017 || mark == 0x1001;
}

#endif
