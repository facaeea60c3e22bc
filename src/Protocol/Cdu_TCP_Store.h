/* The infotainment store's per-record resets, shared by the store's two resets and by the
 * decoder's disabled services, so that each record's empty state is written in one place.
 * Private to the head-unit protocol modules. */
#ifndef CDU_TCP_STORE_H
#define CDU_TCP_STORE_H

/* How a reset treats the record's change counters. */
enum CDU_TCP_CounterRule {
    CDU_COUNTERS_ZERO,     /* initial reset: every counter 0 */
    CDU_COUNTERS_STEP,     /* reset after a connection: every counter steps by one */
    CDU_COUNTERS_PUBLISH,  /* disabled service: every counter steps behind a release fence */
};

/* NavInfo: the four texts empty, icon, Enable, camera fields and RoadRemainDis 0. */
void CDU_TCP_ResetNav(CDU_TCP_CounterRule rule);
/* MusicInfo: texts empty, cover fields, Progress, Type, Enable 0, Duration 100, Status stopped. */
void CDU_TCP_ResetMusic(CDU_TCP_CounterRule rule);
/* RadioInfo: texts empty, cover fields and Enable 0, Status stopped. */
void CDU_TCP_ResetRadio(CDU_TCP_CounterRule rule);
/* NetRadioInfo: texts empty, cover fields and Enable 0, Duration 100, Progress 60, Type net radio. */
void CDU_TCP_ResetNetRadio(CDU_TCP_CounterRule rule);
/* WeatherInfo: the four texts empty, StatusId, Enable and the three temperatures 0. */
void CDU_TCP_ResetWeather(CDU_TCP_CounterRule rule);
/* AccountInfo: CurrUsrName empty, Enable 0. */
void CDU_TCP_ResetAccount(CDU_TCP_CounterRule rule);
/* BlueToothInfo: call party and all contact entries empty, phone unavailable, not muted, no list
 * (CtiListSize -1), no call (ConnectDuration 0). */
void CDU_TCP_ResetBlueTooth(CDU_TCP_CounterRule rule);

#endif
