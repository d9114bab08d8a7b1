# The benchmark's one table: from lines "column<TAB>key<TAB>value" (the
# figures of bench/auswertung.awk, each run's lines prefixed with the
# name of the binary), the median of every figure over the runs, one column
# per binary in the order they first appear. A value of several numbers is
# taken number by number; a text (the allocation origins) from the first run.

BEGIN { FS = "\t"; nspalten = 0 }

{
    spalte = $1; schluessel = $2; wert = $3
    if (!(spalte in spaltennr)) { spaltennr[spalte] = ++nspalten; spaltenname[nspalten] = spalte }
    if (!(schluessel in gesehen)) { gesehen[schluessel] = 1; schluessel_liste[++nschluessel] = schluessel }
    n = ++anzahl[spalte, schluessel]
    werte[spalte, schluessel, n] = wert
}

function median(spalte, schluessel,    n, i, j, k, t, teile, zahlen, text, anz) {
    n = anzahl[spalte, schluessel]
    if (n == 0) return "-"
    if (werte[spalte, schluessel, 1] !~ /^[-0-9. ]+$/) return werte[spalte, schluessel, 1]
    anz = split(werte[spalte, schluessel, 1], teile, " ")
    text = ""
    for (k = 1; k <= anz; k++) {
        for (i = 1; i <= n; i++) {
            split(werte[spalte, schluessel, i], teile, " ")
            zahlen[i] = teile[k] + 0
        }
        for (i = 2; i <= n; i++) {
            t = zahlen[i]
            for (j = i - 1; j >= 1 && zahlen[j] > t; j--) zahlen[j + 1] = zahlen[j]
            zahlen[j + 1] = t
        }
        t = (n % 2) ? zahlen[(n + 1) / 2] : (zahlen[n / 2] + zahlen[n / 2 + 1]) / 2
        text = text (k > 1 ? " / " : "") Zahl(t)
    }
    return text
}

function Zahl(x) {
    if (x >= 100 || x <= -100) return sprintf("%.0f", x)
    if (x >= 10 || x <= -10) return sprintf("%.1f", x)
    return sprintf("%.2f", x)
}

function Bildschirm(n) {
    if (n == 0) return "intro"
    if (n == 10) return "main menu"
    if (n == 30) return "hall of fame"
    if (n == 50) return "results"
    if (n == 70) return "about"
    if (n == 80) return "help"
    if (n == 90) return "controller"
    if (n == 100) return "game"
    return n
}

function Zeilenname(s,    teile, wege) {
    split(s, teile, " ")
    if (s == "start") return "start-up to the first drawn frame (ms)"
    if (s == "hwm") return "peak memory, VmHWM (MB)"
    if (s == "sync unset hwm") return "peak memory in the main menu, VmHWM (MB)"
    if (s == "spiel hwm") return "peak memory in a game, VmHWM (MB)"
    if (s == "spiel latenz") return "game: key press to the frame that shows it, median / p90; to the game taking it, median (ms)"
    if (s == "spiel latenz gezaehlt") return "game: presses seen shown / sent"
    if (teile[1] == "wechsel") {
        split(teile[2], wege, ">")
        return "enter " Bildschirm(wege[2]) " from " Bildschirm(wege[1]) ": entry / choice to first frame (ms)"
    }
    if (teile[1] == "fps") return Bildschirm(teile[2]) ": frames per second"
    if (teile[1] == "gezeichnet") return Bildschirm(teile[2]) ": of these drawn, not kept on show"
    if (teile[1] == "cpu") return Bildschirm(teile[2]) ": CPU per frame, process / main thread (ms)"
    if (teile[1] == "cpuwand") return Bildschirm(teile[2]) ": CPU seconds per second"
    if (teile[1] == "allocs") return Bildschirm(teile[2]) ": heap allocations per frame, game code / main thread / other threads"
    if (teile[1] == "herkunft") return Bildschirm(teile[2]) ": main-thread allocations per frame in libraries"
    if (teile[1] == "sync")
        return "main menu, SDL12COMPAT_SYNC_TO_VBLANK " (teile[2] == "unset" ? "unset" : "=" teile[2]) ": " \
            (teile[3] == "fps" ? "frames per second" : "CPU seconds per second")
    if (teile[1] == "skalierung")
        return "main menu, SDL12COMPAT_OPENGL_SCALING=0: " (teile[3] == "fps" ? "frames per second" : "CPU seconds per second")
    if (s == "ltris") return "ltris (Debian), its menu: CPU seconds per second"
    if (s == "ltris hwm") return "ltris (Debian), its menu: peak memory, VmHWM (MB)"
    return s
}

# Rows in a fixed order: start, entries, screens, memory, sync.
function Rang(s,    teile) {
    split(s, teile, " ")
    if (s == "start") return 0
    if (teile[1] == "wechsel") return 1
    if (teile[1] == "fps" || teile[1] == "gezeichnet" || teile[1] == "cpu" || teile[1] == "cpuwand" || teile[1] == "allocs" || teile[1] == "herkunft") return 2
    if (s == "hwm" || s == "ltris hwm" || s == "sync unset hwm" || s == "spiel hwm") return 3
    if (teile[1] == "spiel") return 1
    return 4
}

END {
    kopf = "| figure |"
    linie = "|---|"
    for (c = 1; c <= nspalten; c++) {
        kopf = kopf " " spaltenname[c] " |"
        linie = linie "---|"
    }
    print kopf
    print linie
    for (r = 0; r <= 4; r++) {
        for (i = 1; i <= nschluessel; i++) {
            s = schluessel_liste[i]
            if (Rang(s) != r) continue
            zeile = "| " Zeilenname(s) " |"
            for (c = 1; c <= nspalten; c++) zeile = zeile " " median(spaltenname[c], s) " |"
            print zeile
        }
    }
}
