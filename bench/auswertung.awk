# Figures of one benchmark run, from the records of bench/messung.c.
# Prints one line per figure: "key<TAB>value"; keys sort into the table of
# bench/tabelle.awk. Times in ms, memory in MB.
#
# Steady state of a screen visit: from RUHE_AB s after its entry to RUHE_VOR
# s before the next; visits shorter than RUHE_MIN s of steady state count not.

BEGIN {
    RUHE_AB = 3.0
    RUHE_VOR = 0.5
    RUHE_MIN = 1.5
    OFS = "\t"
    ns = 0; nb = 0; np = 0
}

$1 == "A" { start_mono = $2; start_seit = $3 }
$1 == "S" {
    ns++
    st[ns] = $2; cpu[ns] = $3; cpuh[ns] = $4; ah[ns] = $5; asp[ns] = $6; aa[ns] = $7; schlaf[ns] = $8
}
# The pump's start, once a frame: drawn (a swap follows) or kept on show.
$1 == "P" {
    np++
    pt[np] = $2; pcpu[np] = $3; pcpuh[np] = $4; pah[np] = $5; pasp[np] = $6; paa[np] = $7
}
$1 == "B" {
    nb++
    bt[nb] = $2; bn[nb] = $3
    # Swaps before this entry: the last is the screen loop's own pass.
    vorher[nb] = ns
}
$1 == "R" { if ($4 > hwm) hwm = $4 }
# Key presses sent (bench/tasten.c), taken from the queue by the game, and the
# field's pixels at each swap.
$1 == "T" { nt++; tt[nt] = $2; tsym[nt] = $3 }
$1 == "K" { nk++; kt[nk] = $2; ksym[nk] = $3 }
$1 == "F" { nf++; ft[nf] = $2; fh[nf] = $3 }
$1 == "H" {
    # Origins of the allocations since the previous entry, for that visit.
    herkunft[nb, $3] += $4
    if (!((nb, $3) in gesehen)) { gesehen[nb, $3] = 1; hnamen[nb] = hnamen[nb] " " $3 }
}

function ms(d) { return sprintf("%.2f", d / 1e6) }

# The median and the 90th percentile (nearest rank) of w[1..n], sorted in place.
function Sortiere(w, n,    i, j, t) {
    for (i = 2; i <= n; i++) {
        t = w[i]
        for (j = i - 1; j >= 1 && w[j] > t; j--) w[j + 1] = w[j]
        w[j + 1] = t
    }
}
function Median(w, n) { return (n % 2) ? w[(n + 1) / 2] : (w[n / 2] + w[n / 2 + 1]) / 2 }
function P90(w, n,    k) { k = int(0.9 * n); if (k < 0.9 * n) k++; return w[k] }

# From each press to the first swap whose field differs from the one on show
# when it was sent (within 300 ms; the sender keeps falls away), and to the
# game taking it from the queue.
function Latenz(    i, j, f, vorher, n, m, zeigen, ankunft) {
    n = 0; m = 0; f = 1
    for (i = 1; i <= nt; i++) {
        while (f <= nf && ft[f] < tt[i]) f++
        if (f == 1) continue
        vorher = fh[f - 1]
        for (j = f; j <= nf && ft[j] - tt[i] < 300e6; j++)
            if (fh[j] != vorher) { zeigen[++n] = (ft[j] - tt[i]) / 1e6; break }
        for (j = 1; j <= nk; j++)
            if (kt[j] >= tt[i] && ksym[j] == tsym[i]) { ankunft[++m] = (kt[j] - tt[i]) / 1e6; break }
    }
    if (n < 1 || m < 1) return
    Sortiere(zeigen, n); Sortiere(ankunft, m)
    print "latenz", sprintf("%.1f %.1f %.1f", Median(zeigen, n), P90(zeigen, n), Median(ankunft, m))
    print "latenz gezaehlt", sprintf("%d %d", n, nt)
}

END {
    if (ns == 0) exit
    Latenz()
    if (start_mono != "")
        print "start", ms(st[1] - start_mono + start_seit)
    print "hwm", sprintf("%.1f", hwm / 1024)

    for (i = 2; i <= nb; i++) {
        k = vorher[i]
        erstes = k + 1
        if (k < 2 || erstes > ns) continue
        # The entry: from the log line that names the screen to the first
        # frame's event pump going to sleep; then that frame is drawn.
        eintritt = schlaf[erstes] - bt[i]
        if (eintritt < 0) continue
        # The choice: from the start of the frame it was made in (the last
        # pump before the screen loop's own frame woke) to the new screen's
        # first frame, swapped.
        wahl = 0
        for (j = 1; j <= np && pt[j] < st[k]; j++) wahl = pt[j]
        if (!wahl) continue
        print "wechsel " bn[i - 1] ">" bn[i], ms(eintritt) " " ms(st[erstes] - wahl)
    }

    for (i = 1; i <= nb; i++) {
        von = bt[i] + RUHE_AB * 1e9
        bis = (i < nb ? bt[i + 1] : st[ns]) - RUHE_VOR * 1e9
        if (bis - von < RUHE_MIN * 1e9) continue
        a = 0; b = 0
        for (j = 1; j <= np; j++) {
            if (pt[j] < von) continue
            if (pt[j] > bis) break
            if (!a) a = j
            b = j
        }
        if (!a || b - a < 10) continue
        n = b - a
        dauer = pt[b] - pt[a]
        s = bn[i]
        bilder[s] += n; zeit[s] += dauer
        for (j = 1; j <= ns; j++)
            if (st[j] > pt[a] && st[j] <= pt[b]) gezeichnet[s]++
        cpusum[s] += pcpu[b] - pcpu[a]; cpuhsum[s] += pcpuh[b] - pcpuh[a]
        allocs[s] += pah[b] - pah[a]; spiel[s] += pasp[b] - pasp[a]; andere[s] += paa[b] - paa[a]
        # The origins were counted from a little earlier on: per frame of that stretch.
        ende = (i < nb ? bt[i + 1] : pt[np])
        for (j = 1; j <= np; j++)
            if (pt[j] >= bt[i] + 2e9 && pt[j] < ende) hbilder[s]++
        split(hnamen[i], namen, " ")
        for (m in namen) {
            h = namen[m]
            hsum[s, h] += herkunft[i, h]
            if (!((s, h) in hkennt)) { hkennt[s, h] = 1; hliste[s] = hliste[s] " " h }
        }
        bekannt[s] = 1
    }
    split("0 10 80 70 30 90 100 50", reihe, " ")
    for (q = 1; q <= 8; q++) {
        s = reihe[q]
        if (!(s in bekannt)) continue
        print "fps " s, sprintf("%.1f", bilder[s] / (zeit[s] / 1e9))
        print "gezeichnet " s, sprintf("%.1f", gezeichnet[s] / (zeit[s] / 1e9))
        print "cpu " s, sprintf("%.2f %.2f", cpusum[s] / bilder[s] / 1e6, cpuhsum[s] / bilder[s] / 1e6)
        print "cpuwand " s, sprintf("%.2f", cpusum[s] / zeit[s])
        print "allocs " s, sprintf("%.2f %.1f %.1f", spiel[s] / bilder[s], allocs[s] / bilder[s], andere[s] / bilder[s])
        split(hliste[s], namen, " ")
        text = ""
        for (m in namen) {
            h = namen[m]
            if (h == "spiel" || hbilder[s] <= 0) continue
            wert = hsum[s, h] / hbilder[s]
            if (wert >= 0.05) text = text sprintf("%s%s %.1f", (text == "" ? "" : ", "), h, wert)
        }
        if (text != "") print "herkunft " s, text
    }
}
