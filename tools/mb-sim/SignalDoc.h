/* The main-board signal table written out for people and for the automotive tools: a listing
 * (mb-sim --signals) and a DBC file (mb-sim --dbc) whose frame identifiers start at a base. */
#ifndef SIGNAL_DOC_H
#define SIGNAL_DOC_H

#include <cstdio>
#include <string>

#include "BaseTypes.h"
#include "Protocol/MainBoard_Signals.h"

/* Lists every signal: frame, bits, accepted values, unit, what other values do, value names. */
void SignalDoc_WriteList(FILE* out);

/* Writes the frames and signals as a DBC file, frame n having the identifier base + n. Selector
 * fields become multiplexors (extended multiplexing where a frame has two); a signal whose bits
 * are not adjacent is written as its parts "NAME_p0", "NAME_p1" ..., whose values add up to the
 * signal's value, with a comment that says so. */
void SignalDoc_WriteDbc(FILE* out, UInt32 base);

/* The DBC name of a signal or of one of its parts (part < 0: the whole signal). */
std::string SignalDoc_DbcName(const MbSignal* sig, int part);

#endif
