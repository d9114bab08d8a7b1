#pragma once

// One polled counter: it steps once per interval of milliseconds, but only
// inside a poll, and reports when its count has run out.
class VOQ_Zaehler
{
public:
    VOQ_Zaehler();

    void CountDownFrom(int start, int ms);
    void CountUpTill(int ende, int ms);
    bool IsCounting();
    // True when the count has run out (or the counter is idle), false while counting.
    bool Counter();
    // intervall * aktuell: for a countdown about the time still to run.
    int GetCurrent();

    bool laeuft;
    int aktuell;
    int ziel;
    int intervall;
    int jetzt;
    int zuletzt;
    bool aufwaerts;
};
