#pragma once

class VOQ_Zaehler;

// Registry of counters: creates them into numbered slots and owns them.
class VOQ_OGL_Zaehler
{
public:
    static constexpr int MAX_ZAEHLER = 128;

    VOQ_OGL_Zaehler();
    ~VOQ_OGL_Zaehler();
    VOQ_OGL_Zaehler(const VOQ_OGL_Zaehler&) = delete;
    VOQ_OGL_Zaehler& operator=(const VOQ_OGL_Zaehler&) = delete;

    // Slot number of the new idle counter; -1 (and an error line) when the registry is full.
    int CreateZaehler();
    int GetLastZaehler();

    VOQ_Zaehler* zaehler[MAX_ZAEHLER];
    int zaehler_anzahl;
};
