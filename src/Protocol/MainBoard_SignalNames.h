// The long value-name lists of the signal table (hints and alarms).
#ifndef MAINBOARD_SIGNAL_NAMES_H
#define MAINBOARD_SIGNAL_NAMES_H

#include "Protocol/MainBoard_Signals.h"

extern const MbSigValueName mMbSig_HintNames[];
extern const UInt16 mMbSig_HintNameNum;
extern const MbSigValueName mMbSig_AlarmNames[];
extern const UInt16 mMbSig_AlarmNameNum;

#endif
