#pragma once

#include <string>

// The hall of fame ("LISTE DES RUHMS"): up to ten records of a player's name
// and the rows that game dissolved, best first, kept in the text file
// "quaderfall.dll" in the working directory as name|rows; name|rows; ...
// In memory it is two parallel arrays of ten slots, slot 0 being place 1.

const int BESTENLISTE_PLAETZE = 10;
extern const char* const BESTENLISTE_DATEI;

// The most of the file that is read: ten records of the longest name a text
// field takes and the longest score, with room to spare for the line breaks
// and indents of a list kept by hand. What lies beyond is ignored, as what
// follows the tenth record.
const int BESTENLISTE_HOECHSTENS_BYTES = 16 * 1024;

// Reads the file into namen (ten empty strings, characters are appended) and
// punkte (ten ints, the first `result` of them are set). The answer is the
// number of records, each ended by ";"; a last record without its ";" counts
// when it has its "|" and a score. Blanks belong to the names; line breaks and
// tabs are skipped, inside records too, and so is white space in a score.
// 0 when the file can't be opened.
int LeseBestenliste(std::string* namen, int* punkte);

// Replaces the file's content with the first anzahl records (0 to 10). A name
// loses any "|" and ";", which would break the records, and the line breaks
// and tabs the reader skips. The list is written into a new file beside the
// old one and then renamed over it, so a crash or a full disk leaves the old
// list whole; a list that is a symbolic link (or a chain of them) is written
// where the last link points, and the new file keeps the old one's
// permissions. False (and the old list unchanged) when it can't be written,
// also when its owner may not write it.
bool SchreibeBestenliste(std::string* namen, int* punkte, int anzahl);

enum class Speicherung { GESPEICHERT, GESPERRT, GESCHEITERT };

// Stores a finished game with the player's name: under a lock that keeps the
// games of one folder apart, the list is read as it stands now, the game is
// placed into it and the list written back. A game that has no place in the
// list as it stands now is not stored. The lock is not waited for: GESPERRT
// when another process holds it (nothing read or written; try again later),
// GESCHEITERT when the list can't be written.
Speicherung SpeichereSpiel(const std::string& name, int reihen);

// The place (0 to 9, 10 for none) of a game with `reihen` rows: the first slot
// whose score is less. Slots from anzahl on count as empty with 0 rows, so a
// game with no rows never gets a place, and a tie stays below the earlier entry.
int PlatzFuer(const int* punkte, int anzahl, int reihen);

// Puts a game into place `platz`: the slots below it move down by one (the last
// drops out) and the slot gets the empty name and `reihen`. The answer is the
// new number of records: one more, up to ten. A platz outside 0..9 changes
// nothing.
int TrageEin(std::string* namen, int* punkte, int anzahl, int platz, int reihen);
