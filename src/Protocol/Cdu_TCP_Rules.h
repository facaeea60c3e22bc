/* The rules every head-unit document shares (numbers sent as text, texts cut to their field,
 * change counters stepped after their fields), and the service branches that live in their own
 * files (phone, notification, upgrade). Private to the head-unit protocol modules. */
#ifndef CDU_TCP_RULES_H
#define CDU_TCP_RULES_H

#include <cjson/cJSON.h>
#include <cstddef>

#include "BaseTypes.h"
#include "lib/OrvShared.h"

/* Decimal rule: optional sign, then one or more digits and nothing else; built digit by digit in
 * 32-bit arithmetic that wraps. false for anything else (the document is dropped). */
bool CDU_TCP_ParseDecimal(const char* s, Int32* out);
/* A number sent as text under key. Absent or not a string: 0 and true. Malformed: false. */
bool CDU_TCP_GetDecimal(const cJSON* obj, const char* key, Int32* out);
/* true when obj has key as a string. */
bool CDU_TCP_IsStringItem(const cJSON* obj, const char* key);
/* Text rule: the text under key cut by bytes to size - 1 and stored with its zero; true when the
 * field changed. An absent key or one that is not a string clears the field and counts as a change. */
bool CDU_TCP_SetText(Int08* field, size_t size, const cJSON* obj, const char* key);
#define CDU_TCP_SET_TEXT(field, obj, key) CDU_TCP_SetText((field), sizeof(field), (obj), (key))

/* Steps a change counter after everything it announces is in place: a release store, so that a
 * reader that sees the new count with an acquire load sees the fields written before it. */
template <typename T> inline void CDU_TCP_StepCounter(T& counter) { OrvShared_Step(counter); }

/* Service branches of the decoder; each returns false where the document breaks off. */
bool CDU_TCP_DecodePhone(const cJSON* doc, Int32 enable, Int32 msgType);
bool CDU_TCP_DecodeNotify(const cJSON* doc, Int32 enable);
/* The upgrade announcement of a first or single frame, with the package's first piece. */
bool CDU_TCP_DecodeUpgrade(const cJSON* doc, const UInt08* binData, UInt32 binSz);

/* Appends a next piece of the package (the transfer is open); last closes the file and checks it. */
void CDU_TCP_OtaNextPiece(const UInt08* binData, UInt32 binSz, bool last);
/* The package file at the end of a connection: closed (closeIt) or, at start-up, forgotten. */
void CDU_TCP_OtaReleaseFile(bool closeIt);

#endif
