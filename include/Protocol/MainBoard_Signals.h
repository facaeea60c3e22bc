/* The main-board signals by name: one table that says, for every signal a source frame carries,
 * where its bits lie in the frame, how the raw number becomes the signal's value, which values the
 * decoder accepts and what it does with the others, its unit and the names of its values. The
 * decoders of the frame codec stay as they are; this table describes them, so that tools can set a
 * signal by name (drive scripts, snapshot scenarios), list the signals and write them as a DBC file.
 *
 * value = raw x Factor + Offset, where raw is assembled from the signal's parts. A part is a run
 * of adjacent bits: little-endian (bit Bit of byte Byte is the part's lowest bit, the run goes up
 * through the following bytes) or big-endian (bit Bit of byte Byte is the part's highest bit, the
 * run goes down and on into the following byte from its bit 7). A part can be carried inverted.
 * Signals of one adjacent run have one part; the others are described as their parts. */
#ifndef MAINBOARD_SIGNALS_H
#define MAINBOARD_SIGNALS_H

#include "BaseTypes.h"

/* What the decoder does with a value outside [Min, Max] (after the special raw values). */
enum {
    MB_SIG_RULE_STORED = 0, /* every raw value is stored (Min..Max is the whole field) */
    MB_SIG_RULE_KEEP = 1,   /* the signal keeps its previous value */
    MB_SIG_RULE_CLAMP = 2,  /* stored as the nearer of Min and Max */
    MB_SIG_RULE_SUBST = 3,  /* stored as Subst */
};

enum { MB_SIG_MAX_PARTS = 8, MB_SIG_MAX_SPECIALS = 3 };

typedef struct Struct_MbSigPart {
    UInt08 Byte;      /* data byte 0..7 that holds the part's first bit */
    UInt08 Bit;       /* that bit, 0 = least significant */
    UInt08 Length;    /* bits */
    UInt08 BigEndian; /* 1: Byte.Bit is the part's most significant bit (see above) */
    UInt08 Shift;     /* where the part's lowest bit lies in the raw number */
    UInt08 Inverted;  /* 1: the frame carries the part's bits inverted */
} MbSigPart;

/* A raw number the decoder stores as a fixed value, whatever the scaling says. */
typedef struct Struct_MbSigSpecial {
    Int32 Raw;
    Int32 Value;
} MbSigSpecial;

typedef struct Struct_MbSigValueName {
    Int32       Value;
    const char* Name;
} MbSigValueName;

typedef struct Struct_MbSignal {
    const char*  Name;        /* as the signal store names it ("Speed", "Indicator[6]") */
    UInt08       Frame;       /* source frame that carries the bits */
    UInt08       DecodedBy;   /* frame whose decoder stores the signal (almost always Frame) */
    UInt08       PartNum;
    MbSigPart    Parts[MB_SIG_MAX_PARTS];
    Int32        Factor, Offset;
    Int32        Min, Max;    /* the values the decoder accepts */
    UInt08       Rule;        /* MB_SIG_RULE_*: values outside Min..Max */
    Int32        Subst;       /* for MB_SIG_RULE_SUBST */
    UInt08       SpecialNum;
    MbSigSpecial Specials[MB_SIG_MAX_SPECIALS];
    const char*  Unit;
    const MbSigValueName* Values; /* names of the values, or NULL */
    UInt16       ValueNum;
    const char*  Selector;    /* signal whose value selects this one, or NULL */
    Int32        SelectValue; /* the selector's value under which the frame carries this signal */
    const char*  Note;        /* what the table cannot say, or NULL */
    long (*Get)(void);        /* the stored value; NULL for a selector that is no store signal */
    void (*Set)(long);
} MbSignal;

/* Number of signals in the table. */
UInt16 MB_SIG_Count(void);

/* Signal i of the table, in frame order (NULL past the end). */
const MbSignal* MB_SIG_At(UInt16 i);

/* The signal of that name, or NULL. */
const MbSignal* MB_SIG_Find(const char* name);

/* Bits of the raw number that the parts carry. */
UInt32 MB_SIG_RawMask(const MbSignal* sig);

/* The raw number the signal's parts hold in an eight-byte frame. */
UInt32 MB_SIG_GetRaw(const MbSignal* sig, const UInt08* data8);

/* Writes a raw number into the signal's parts of an eight-byte frame, keeping every other bit. */
void MB_SIG_PutRaw(const MbSignal* sig, UInt32 raw, UInt08* data8);

/* The raw number that carries a value: a special raw number when one stands for it, else
 * (value - Offset) / Factor. Returns 0 and sets *raw, or -1 when no raw number of the field gives
 * that value (not a step of the scale, or outside the field). Values outside Min..Max that the
 * field can carry are allowed: the decoder's rules then apply. */
Int32 MB_SIG_ValueToRaw(const MbSignal* sig, long value, UInt32* raw);

/* The value the decoder stores for a raw number, given the signal's previous value. */
long MB_SIG_Decoded(const MbSignal* sig, UInt32 raw, long previous);

/* Parses a value written as a decimal or 0x-hexadecimal number or as one of the signal's value
 * names, in full ("GEAR_D") or without its common prefix ("D"). Returns 0, or -1 with a reason. */
Int32 MB_SIG_ParseValue(const MbSignal* sig, const char* text, long* value, const char** why);

/* The name of a value, or NULL when it has none. */
const char* MB_SIG_ValueName(const MbSignal* sig, long value);

/* Sets a signal's value in a set of frames (data[frame][8]): writes its raw number, and the
 * selector's value when the signal has one. Returns the frames changed as a bit mask (bit n:
 * frame n), including the frame that decodes it; -1 when the value has no raw number (*why says
 * why). */
Int32 MB_SIG_Set(const MbSignal* sig, long value, UInt08 (*data)[8], const char** why);

#endif
