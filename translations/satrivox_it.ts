<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>ChartWording</name>
    <message>
        <source>Jupiter&apos;s moons, %1</source>
        <translation>Satelliti di Giove, %1</translation>
    </message>
    <message>
        <source>SVG cannot be written: %1</source>
        <translation>Impossibile scrivere il file SVG: %1</translation>
    </message>
    <message>
        <source>the picture could not be drawn</source>
        <translation>non è stato possibile disegnare l&apos;immagine</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>a day of the chart&apos;s span: Qt&apos;s date format</comment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <comment>the chart&apos;s first and last days</comment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>Local time, %1</source>
        <translation>Ora locale, %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Red Spot at %1° (System II)</source>
        <translation>Macchia Rossa a %1° (Sistema II)</translation>
    </message>
    <message>
        <source>Dotted: behind Jupiter or in its shadow · black on the disc: a moon&apos;s shadow</source>
        <translation>A puntini: dietro Giove o nella sua ombra · nero sul disco: l&apos;ombra di un satellite</translation>
    </message>
    <message>
        <source>◂: the Red Spot on the central meridian</source>
        <translation>◂: la Macchia Rossa sul meridiano centrale</translation>
    </message>
    <message>
        <source>Shaded: night (the Sun 12° down); more strongly: Jupiter 5° up or more as well</source>
        <translation>In grigio: notte (Sole 12° sotto l&apos;orizzonte); più scuro: anche Giove alto 5° o più</translation>
    </message>
    <message>
        <source>No place is known, so the night is not shaded: set one in the events dialog, or give --where LAT,LON</source>
        <translation>Nessun luogo noto, quindi la notte non è evidenziata: impostarne uno nella finestra degli eventi, o usare --where LAT,LON</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ovest</translation>
    </message>
    <message>
        <source>radii</source>
        <translation>raggi</translation>
    </message>
    <message>
        <source>ddd d</source>
        <comment>the date of a day down the chart&apos;s left: Qt&apos;s date format</comment>
        <translation>ddd d</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>
Without --events, --offsets, --chart or --view, Satrivox opens its window
and takes Qt&apos;s standard options, such as -platform NAME, -style NAME,
-reverse and -qwindowgeometry WxH+X+Y; any other argument is named, with
status 2.
Bad input on the command line (an unknown option, a date it cannot read or
outside the years it covers, --days 0, an unknown format, a file it cannot
write) is named in one line on standard error, with status 2 and nothing on
standard output; --chart and --view then leave no file, whole or partial.

With --chart, the month runs from its first day&apos;s 00:00 to its last day&apos;s
24:00 local time, down the page; across, each moon&apos;s offset east or west of
Jupiter&apos;s disc, dotted while it is hidden, its shadow as a dark track on the
disc. The format follows the file&apos;s ending: .pdf (A4, vector), .svg, .png
(1240 x 1754 pixels). It needs no display, nor does --view.

With --events or --chart, the observer&apos;s place is --where, else the place
set in the window&apos;s events dialog, else the principal city of the time zone
(from zone1970.tab): Jupiter&apos;s rising, highest point and setting there, the
night (the Sun 12 degrees down), and for each event Jupiter&apos;s altitude and
the Sun&apos;s; an event can be seen when Jupiter is 5 degrees up or more and the
Sun 6 degrees down or more. The Great Red Spot uses --grs-longitude, else the
longitude set in the dialog, else %1 degrees.

Environment:
  TZ               the time zone: a zone such as Europe/Paris, or a POSIX rule;
                   unset, the system&apos;s zone
  QT_SCALE_FACTOR  scales the window and its plot, for instance 1.5
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                   the language of the words and of the month and day names:
                   German, French, Spanish, Italian or Portuguese, else English;
                   numbers always use a decimal point, lists ISO dates
  DISPLAY, WAYLAND_DISPLAY  the display to open the window on
</source>
        <translation>
Senza --events, --offsets, --chart o --view, Satrivox apre la sua finestra e
accetta le opzioni standard di Qt, come -platform NAME, -style NAME, -reverse
e -qwindowgeometry WxH+X+Y; ogni altro argomento viene segnalato, con stato
di uscita 2.
Un input errato sulla riga di comando (un&apos;opzione sconosciuta, una data
illeggibile o fuori dagli anni coperti, --days 0, un formato sconosciuto, un
file che non si può scrivere) viene segnalato in una riga sullo standard
error, con stato 2 e niente sullo standard output; in tal caso --chart e
--view non lasciano alcun file, né completo né parziale.

Con --chart, il mese scorre lungo la pagina dalle 00:00 del primo giorno alle
24:00 dell&apos;ultimo, in ora locale; in orizzontale, la distanza di ciascun
satellite a est o a ovest del disco di Giove, a puntini quando è nascosto, e
la sua ombra come una traccia scura sul disco. Il formato segue l&apos;estensione
del file: .pdf (A4, vettoriale), .svg, .png (1240 x 1754 pixel). Non
richiede un display, e nemmeno --view.

Con --events o --chart, il luogo dell&apos;osservatore è quello di --where,
altrimenti quello impostato nella finestra degli eventi, altrimenti la città
principale del fuso orario (da zone1970.tab): lì il sorgere di Giove, la sua
culminazione e il suo tramonto, la notte (il Sole 12 gradi sotto
l&apos;orizzonte) e, per ogni evento, l&apos;altezza di Giove e quella del Sole; un
evento è osservabile quando Giove è alto almeno 5 gradi e il Sole è almeno
6 gradi sotto l&apos;orizzonte. Per la Grande Macchia Rossa vale --grs-longitude,
altrimenti la longitudine impostata nella finestra degli eventi, altrimenti
%1 gradi.

Variabili d&apos;ambiente:
  TZ               il fuso orario: una zona come Europe/Rome, o una regola
                   POSIX; se non è impostata, il fuso del sistema
  QT_SCALE_FACTOR  scala la finestra e il suo grafico, per esempio 1.5
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                   la lingua dei testi e dei nomi dei mesi e dei giorni:
                   tedesco, francese, spagnolo, italiano o portoghese,
                   altrimenti inglese; i numeri usano sempre il punto
                   decimale, gli elenchi le date ISO
  DISPLAY, WAYLAND_DISPLAY  il display su cui aprire la finestra
</translation>
    </message>
    <message>
        <source>List the moons&apos; transits, shadows, eclipses and occultations from WHEN.</source>
        <translation>Elenca transiti, ombre, eclissi e occultazioni dei satelliti a partire da WHEN.</translation>
    </message>
    <message>
        <source>With --events: for N days, 1 to 731 (default 1). With --chart: 1 to 62 days from WHEN&apos;s date (default: WHEN&apos;s calendar month).</source>
        <translation>Con --events: per N giorni, da 1 a 731 (predefinito 1). Con --chart: da 1 a 62 giorni dalla data di WHEN (predefinito: il mese di calendario di WHEN).</translation>
    </message>
    <message>
        <source>With --events: text (default), csv, or ics (an iCalendar file).</source>
        <translation>Con --events: text (predefinito), csv o ics (un file iCalendar).</translation>
    </message>
    <message>
        <source>With --events: add the events that cannot be seen, marked so.</source>
        <translation>Con --events: aggiunge gli eventi non osservabili, indicati come tali.</translation>
    </message>
    <message>
        <source>Print the four offsets for WHEN as the window shows them (its &quot;Copy offsets&quot; line).</source>
        <translation>Stampa le quattro distanze per WHEN come le mostra la finestra (la sua riga «Copia distanze»).</translation>
    </message>
    <message>
        <source>With --offsets: from the precise theory, not the window&apos;s model.</source>
        <translation>Con --offsets: dalla teoria precisa, non dal modello della finestra.</translation>
    </message>
    <message>
        <source>With --offsets: CSV, time,moon,arcmin,west_radii,north_radii.</source>
        <translation>Con --offsets: CSV, time,moon,arcmin,west_radii,north_radii.</translation>
    </message>
    <message>
        <source>Write times in UT instead of the local time of TZ.</source>
        <translation>Scrive gli orari in UT invece che nell&apos;ora locale di TZ.</translation>
    </message>
    <message>
        <source>With --events or --chart: the observer&apos;s latitude and longitude in degrees, north and east positive.</source>
        <translation>Con --events o --chart: latitudine e longitudine dell&apos;osservatore in gradi, positive a nord e a est.</translation>
    </message>
    <message>
        <source>With --events: only what can be seen from the observer&apos;s place.</source>
        <translation>Con --events: solo ciò che è osservabile dal luogo dell&apos;osservatore.</translation>
    </message>
    <message>
        <source>With --events or --chart: the Great Red Spot&apos;s System II longitude, 0 to 360.</source>
        <translation>Con --events o --chart: la longitudine della Grande Macchia Rossa nel Sistema II, da 0 a 360.</translation>
    </message>
    <message>
        <source>With --events or --chart: leave out the Great Red Spot&apos;s transits.</source>
        <translation>Con --events o --chart: omette i transiti della Grande Macchia Rossa.</translation>
    </message>
    <message>
        <source>With --events: only the moons&apos; mutual occultations and eclipses.</source>
        <translation>Con --events: solo le occultazioni e le eclissi mutue dei satelliti.</translation>
    </message>
    <message>
        <source>Draw the moons&apos; chart of WHEN&apos;s month (YYYY-MM alone: that month; default: this month) into --output FILE: .pdf, .svg or .png, by its ending.</source>
        <translation>Disegna il grafico dei satelliti del mese di WHEN (solo YYYY-MM: quel mese; predefinito: il mese corrente) in --output FILE: .pdf, .svg o .png, secondo l&apos;estensione.</translation>
    </message>
    <message>
        <source>Draw Jupiter as the telescope shows it at WHEN, its moons, their shadows on the disc and the Great Red Spot, into --output FILE: .png or .svg.</source>
        <translation>Disegna Giove come appare al telescopio all&apos;istante WHEN, con i satelliti, le loro ombre sul disco e la Grande Macchia Rossa, in --output FILE: .png o .svg.</translation>
    </message>
    <message>
        <source>With --chart or --view: the file to write.</source>
        <translation>Con --chart o --view: il file da scrivere.</translation>
    </message>
    <message>
        <source>With --chart or --view: east and west swapped, as in a star diagonal.</source>
        <translation>Con --chart o --view: est e ovest scambiati, come con un diagonale stellare.</translation>
    </message>
    <message>
        <source>With --chart: leave out the marks of the moons&apos; mutual events.</source>
        <translation>Con --chart: omette i segni dei fenomeni mutui dei satelliti.</translation>
    </message>
    <message>
        <source>With --view: south up, as an inverting telescope shows it.</source>
        <translation>Con --view: sud in alto, come in un telescopio che capovolge l&apos;immagine.</translation>
    </message>
    <message>
        <source>With --view: the picture&apos;s size in pixels (default 800x600).</source>
        <translation>Con --view: le dimensioni dell&apos;immagine in pixel (predefinito 800x600).</translation>
    </message>
    <message>
        <source>With --view: the whole system (default) or the disc filling the picture.</source>
        <translation>Con --view: l&apos;intero sistema (predefinito) o il disco che riempie l&apos;immagine.</translation>
    </message>
    <message>
        <source>YYYY-MM-DD (that date&apos;s local noon: the night that follows it), YYYY-MM-DD HH:MM[:SS] (local time, as the window&apos;s picker), or ISO 8601 with Z or an offset; default: now.</source>
        <translation>YYYY-MM-DD (il mezzogiorno locale di quella data: la notte che segue), YYYY-MM-DD HH:MM[:SS] (ora locale, come nel selettore della finestra) o ISO 8601 con Z o una differenza da UTC; predefinito: adesso.</translation>
    </message>
    <message>
        <source>cannot read the date and time &apos;%1&apos;: %2 (expected YYYY-MM-DD, YYYY-MM-DD HH:MM[:SS], or ISO 8601 with Z or an offset)</source>
        <translation>impossibile leggere la data e l&apos;ora &apos;%1&apos;: %2 (atteso YYYY-MM-DD, YYYY-MM-DD HH:MM[:SS] o ISO 8601 con Z o una differenza da UTC)</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <translation>%1 si usa con %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number of days from 1 to %2, not &apos;%3&apos;</source>
        <translation>%1 richiede un numero intero di giorni da 1 a %2, non &apos;%3&apos;</translation>
    </message>
    <message>
        <source>%1 takes a latitude and a longitude in degrees, such as 38.72,-9.14, not &apos;%2&apos;: %3</source>
        <translation>%1 richiede una latitudine e una longitudine in gradi, come 38.72,-9.14, non &apos;%2&apos;: %3</translation>
    </message>
    <message>
        <source>%1 and %2 cannot go together</source>
        <translation>%1 e %2 non si possono usare insieme</translation>
    </message>
    <message>
        <source>%1 takes a longitude in degrees from 0 to 360, not &apos;%2&apos;</source>
        <translation>%1 richiede una longitudine in gradi da 0 a 360, non &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 takes text, csv or ics, not &apos;%2&apos;</source>
        <translation>%1 accetta text, csv o ics, non &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 is outside the years %2 to %3 that events are computed for</source>
        <translation>%1 è fuori dagli anni dal %2 al %3 per cui si calcolano gli eventi</translation>
    </message>
    <message>
        <source>%1 days from %2 run past the end of %3, the last year events are computed for</source>
        <translation>%1 giorni a partire da %2 vanno oltre la fine del %3, l&apos;ultimo anno per cui si calcolano gli eventi</translation>
    </message>
    <message>
        <source>%1 needs the observer&apos;s place, and the time zone %2 names none: give %3 LAT,LON</source>
        <translation>%1 richiede il luogo dell&apos;osservatore, e il fuso orario %2 non ne indica nessuno: usare %3 LAT,LON</translation>
    </message>
    <message>
        <source>a day</source>
        <translation>un giorno</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n giorno</numerusform>
            <numerusform>%n giorni</numerusform>
        </translation>
    </message>
    <message>
        <source>No place is known (the time zone names none): --where LAT,LON gives one, for Jupiter&apos;s night and what can be seen.
</source>
        <translation>Nessun luogo noto (il fuso orario non ne indica nessuno): --where LAT,LON ne fornisce uno, per la notte di Giove e ciò che è osservabile.
</translation>
    </message>
    <message>
        <source>Events of Jupiter&apos;s moons from %1, for %2</source>
        <translation>Eventi dei satelliti di Giove a partire da %1, per %2</translation>
    </message>
    <message>
        <source>No events.
</source>
        <translation>Nessun evento.
</translation>
    </message>
    <message>
        <source>precise offsets are computed for the years %1 to %2, not for %3</source>
        <translation>le distanze precise si calcolano per gli anni dal %1 al %2, non per %3</translation>
    </message>
    <message>
        <source>the window shows the years 1601 to 9999, not %1</source>
        <translation>la finestra mostra gli anni dal 1601 al 9999, non %1</translation>
    </message>
    <message>
        <source>.pdf, .svg or .png</source>
        <translation>.pdf, .svg o .png</translation>
    </message>
    <message>
        <source>.png or .svg</source>
        <translation>.png o .svg</translation>
    </message>
    <message>
        <source>%1 needs %2 FILE, a %3</source>
        <translation>%1 richiede %2 FILE, in formato %3</translation>
    </message>
    <message>
        <source>%1 writes a %2 file, not &apos;%3&apos;</source>
        <translation>%1 scrive un file %2, non &apos;%3&apos;</translation>
    </message>
    <message>
        <source>the chart is drawn for the years %1 to %2, not for %3</source>
        <translation>il grafico si disegna per gli anni dal %1 al %2, non per %3</translation>
    </message>
    <message>
        <source>cannot write the chart to &apos;%1&apos;: %2</source>
        <translation>impossibile scrivere il grafico in &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>%1 takes a width and a height in pixels, 100 to %2 each, such as 800x600, not &apos;%3&apos;</source>
        <translation>%1 richiede una larghezza e un&apos;altezza in pixel, ciascuna da 100 a %2, come 800x600, non &apos;%3&apos;</translation>
    </message>
    <message>
        <source>%1 takes system or disc, not &apos;%2&apos;</source>
        <translation>%1 accetta system o disc, non &apos;%2&apos;</translation>
    </message>
    <message>
        <source>the view is drawn for the years %1 to %2, not for %3</source>
        <translation>la vista si disegna per gli anni dal %1 al %2, non per %3</translation>
    </message>
    <message>
        <source>Jupiter at %1</source>
        <translation>Giove il %1</translation>
    </message>
    <message>
        <source>cannot write the view to &apos;%1&apos;: %2</source>
        <translation>impossibile scrivere la vista in &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>%1 goes with %2 or %3</source>
        <translation>%1 si usa con %2 o %3</translation>
    </message>
</context>
<context>
    <name>EventWording</name>
    <message>
        <source>%1 starts to cross the disc</source>
        <translation>%1 inizia il transito sul disco</translation>
    </message>
    <message>
        <source>%1 finishes crossing the disc</source>
        <translation>%1 termina il transito sul disco</translation>
    </message>
    <message>
        <source>%1&apos;s shadow starts to cross the disc</source>
        <translation>L&apos;ombra di %1 inizia il transito sul disco</translation>
    </message>
    <message>
        <source>%1&apos;s shadow finishes crossing the disc</source>
        <translation>L&apos;ombra di %1 termina il transito sul disco</translation>
    </message>
    <message>
        <source>%1 disappears into Jupiter&apos;s shadow</source>
        <translation>%1 scompare nell&apos;ombra di Giove</translation>
    </message>
    <message>
        <source>%1 reappears from Jupiter&apos;s shadow</source>
        <translation>%1 riappare dall&apos;ombra di Giove</translation>
    </message>
    <message>
        <source>%1 disappears behind Jupiter</source>
        <translation>%1 scompare dietro Giove</translation>
    </message>
    <message>
        <source>%1 reappears from behind Jupiter</source>
        <translation>%1 riappare da dietro Giove</translation>
    </message>
    <message>
        <source>%1 passes in front of %2: %2 loses %3 of its light</source>
        <translation>%1 passa davanti a %2: %2 perde %3 della sua luce</translation>
    </message>
    <message>
        <source>%1&apos;s shadow falls on %2: %2 loses %3 of its light</source>
        <translation>L&apos;ombra di %1 cade su %2: %2 perde %3 della sua luce</translation>
    </message>
    <message>
        <source> near Jupiter&apos;s limb</source>
        <translation> vicino al bordo di Giove</translation>
    </message>
    <message>
        <source>; slow, its contacts cannot be timed</source>
        <translation>; lento, i contatti non si possono cronometrare</translation>
    </message>
    <message>
        <source>; slow, %1 min per 100 km</source>
        <translation>; lento, %1 min ogni 100 km</translation>
    </message>
    <message>
        <source>(unseen: behind Jupiter or in its shadow)</source>
        <translation>(non visibile: dietro Giove o nella sua ombra)</translation>
    </message>
    <message>
        <source>Io</source>
        <translation>Io</translation>
    </message>
    <message>
        <source>Europa</source>
        <translation>Europa</translation>
    </message>
    <message>
        <source>Ganymede</source>
        <translation>Ganimede</translation>
    </message>
    <message>
        <source>Callisto</source>
        <translation>Callisto</translation>
    </message>
    <message>
        <source>(unseen: %1 is in Jupiter&apos;s shadow)</source>
        <translation>(non visibile: %1 è nell&apos;ombra di Giove)</translation>
    </message>
    <message>
        <source>(unseen: %1 is behind Jupiter)</source>
        <translation>(non visibile: %1 è dietro Giove)</translation>
    </message>
    <message>
        <source>%1 crosses Jupiter</source>
        <translation>%1 transita su Giove</translation>
    </message>
    <message>
        <source>%1&apos;s shadow crosses Jupiter</source>
        <translation>L&apos;ombra di %1 transita su Giove</translation>
    </message>
    <message>
        <source>%1 in Jupiter&apos;s shadow</source>
        <translation>%1 nell&apos;ombra di Giove</translation>
    </message>
    <message>
        <source>%1 behind Jupiter</source>
        <translation>%1 dietro Giove</translation>
    </message>
    <message>
        <source>Jupiter rises</source>
        <translation>Giove sorge</translation>
    </message>
    <message>
        <source>Jupiter is highest in the sky</source>
        <translation>Giove culmina</translation>
    </message>
    <message>
        <source>Jupiter sets</source>
        <translation>Giove tramonta</translation>
    </message>
    <message>
        <source>night falls: the Sun %1 degrees down</source>
        <translation>inizia la notte: il Sole a %1 gradi sotto l&apos;orizzonte</translation>
    </message>
    <message>
        <source>night ends: the Sun %1 degrees down</source>
        <translation>finisce la notte: il Sole a %1 gradi sotto l&apos;orizzonte</translation>
    </message>
    <message>
        <source>the Great Red Spot on the central meridian</source>
        <translation>la Grande Macchia Rossa sul meridiano centrale</translation>
    </message>
</context>
<context>
    <name>EventsDialog</name>
    <message>
        <source>Events of Jupiter&apos;s moons</source>
        <translation>Eventi dei satelliti di Giove</translation>
    </message>
    <message>
        <source>&amp;From noon on</source>
        <translation>&amp;Dal mezzogiorno del</translation>
    </message>
    <message>
        <source>From noon on</source>
        <translation>Dal mezzogiorno del</translation>
    </message>
    <message>
        <source>f&amp;or</source>
        <translation>&amp;per</translation>
    </message>
    <message>
        <source>For</source>
        <translation>Per</translation>
    </message>
    <message>
        <source>a night</source>
        <translation>una notte</translation>
    </message>
    <message>
        <source>a week</source>
        <translation>una settimana</translation>
    </message>
    <message>
        <source>a month</source>
        <translation>un mese</translation>
    </message>
    <message>
        <source>&amp;Place</source>
        <translation>&amp;Luogo</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Luogo</translation>
    </message>
    <message>
        <source>The place&apos;s name, as the list should show it</source>
        <translation>Il nome del luogo, come deve apparire nell&apos;elenco</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>&amp;at</source>
        <translation>&amp;a</translation>
    </message>
    <message>
        <source>Latitude and longitude</source>
        <translation>Latitudine e longitudine</translation>
    </message>
    <message>
        <source>Latitude and longitude in degrees, with N, S, E, W or signs (north and east positive); empty for the time zone&apos;s place</source>
        <translation>Latitudine e longitudine in gradi, con N, S, E, W o con il segno (positive a nord e a est); vuoto per il luogo del fuso orario</translation>
    </message>
    <message>
        <source>Only events while Jupiter is at least 5° up and the Sun at least 6° down</source>
        <translation>Solo gli eventi con Giove alto almeno 5° e il Sole almeno 6° sotto l&apos;orizzonte</translation>
    </message>
    <message>
        <source>Only what I can &amp;see</source>
        <translation>Solo ciò che posso &amp;vedere</translation>
    </message>
    <message>
        <source>Great &amp;Red Spot at</source>
        <translation>Grande Macchia &amp;Rossa a</translation>
    </message>
    <message>
        <source>Great Red Spot&apos;s longitude, System II</source>
        <translation>Longitudine della Grande Macchia Rossa, Sistema II</translation>
    </message>
    <message>
        <source>The Great Red Spot&apos;s longitude in System II, as observers currently publish it; it drifts a degree or two a month</source>
        <translation>La longitudine della Grande Macchia Rossa nel Sistema II, come la pubblicano attualmente gli osservatori; si sposta di un grado o due al mese</translation>
    </message>
    <message>
        <source>° (System II)</source>
        <translation>° (Sistema II)</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventi</translation>
    </message>
    <message>
        <source>Set the window to the chosen event&apos;s instant and plot it (Enter, or a double-click)</source>
        <translation>Porta la finestra all&apos;istante dell&apos;evento scelto e lo traccia (Invio o doppio clic)</translation>
    </message>
    <message>
        <source>&amp;Show in the window</source>
        <translation>&amp;Mostra nella finestra</translation>
    </message>
    <message>
        <source>Copy the chosen events, or all of them, as text (Ctrl+C)</source>
        <translation>Copia come testo gli eventi scelti, o tutti (Ctrl+C)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Save the list as CSV or as an iCalendar file</source>
        <translation>Salva l&apos;elenco come CSV o come file iCalendar</translation>
    </message>
    <message>
        <source>S&amp;ave…</source>
        <translation>&amp;Salva…</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>C&amp;hiudi</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Plot</source>
        <translation>Traccia</translation>
    </message>
    <message>
        <source>Date and time to plot</source>
        <translation>Data e ora da tracciare</translation>
    </message>
    <message>
        <source>Animation step in minutes</source>
        <translation>Passo dell&apos;animazione in minuti</translation>
    </message>
    <message>
        <source>Animate:</source>
        <translation>Anima:</translation>
    </message>
    <message>
        <source>Animate</source>
        <translation>Anima</translation>
    </message>
    <message>
        <source>minutes every 100 ms</source>
        <translation>minuti ogni 100 ms</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Io</source>
        <translation>Io</translation>
    </message>
    <message>
        <source>IO:</source>
        <translation>IO:</translation>
    </message>
    <message>
        <source>Europa</source>
        <translation>Europa</translation>
    </message>
    <message>
        <source>Europa:</source>
        <translation>Europa:</translation>
    </message>
    <message>
        <source>Ganymede</source>
        <translation>Ganimede</translation>
    </message>
    <message>
        <source>Ganymede:</source>
        <translation>Ganimede:</translation>
    </message>
    <message>
        <source>Callisto</source>
        <translation>Callisto</translation>
    </message>
    <message>
        <source>Callisto:</source>
        <translation>Callisto:</translation>
    </message>
    <message>
        <source>Arcminutes</source>
        <translation>Arcominuti</translation>
    </message>
    <message>
        <source>Io offset in arcminutes</source>
        <translation>Distanza di Io in arcominuti</translation>
    </message>
    <message>
        <source>Europa offset in arcminutes</source>
        <translation>Distanza di Europa in arcominuti</translation>
    </message>
    <message>
        <source>Ganymede offset in arcminutes</source>
        <translation>Distanza di Ganimede in arcominuti</translation>
    </message>
    <message>
        <source>Callisto offset in arcminutes</source>
        <translation>Distanza di Callisto in arcominuti</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Adesso</translation>
    </message>
    <message>
        <source>Track Now</source>
        <translation>Segui</translation>
    </message>
    <message>
        <source>Jupiter picture</source>
        <translation>Immagine di Giove</translation>
    </message>
    <message>
        <source>Picture of Jupiter</source>
        <translation>Immagine di Giove</translation>
    </message>
    <message>
        <source>Mirror east and west</source>
        <translation>Inverti est e ovest</translation>
    </message>
    <message>
        <source>Night colours</source>
        <translation>Colori notturni</translation>
    </message>
    <message>
        <source>Moon names</source>
        <translation>Nomi dei satelliti</translation>
    </message>
    <message>
        <source>Precise positions</source>
        <translation>Posizioni precise</translation>
    </message>
    <message>
        <source>Copy offsets</source>
        <translation>Copia distanze</translation>
    </message>
    <message>
        <source>Events…</source>
        <translation>Eventi…</translation>
    </message>
    <message>
        <source>Telescope view…</source>
        <translation>Vista al telescopio…</translation>
    </message>
    <message>
        <source>South up</source>
        <translation>Sud in alto</translation>
    </message>
    <message>
        <source>Month chart…</source>
        <translation>Grafico mensile…</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Giove</translation>
    </message>
    <message>
        <source>%1, %2 arcminutes</source>
        <translation>%1, %2 arcominuti</translation>
    </message>
    <message>
        <source>From left to right: %1</source>
        <translation>Da sinistra a destra: %1</translation>
    </message>
    <message>
        <source>The animation has reached the start of the date range, %1, and has stopped.</source>
        <translation>L&apos;animazione ha raggiunto l&apos;inizio dell&apos;intervallo di date, %1, e si è fermata.</translation>
    </message>
    <message>
        <source>The animation has reached the end of the date range, %1, and has stopped.</source>
        <translation>L&apos;animazione ha raggiunto la fine dell&apos;intervallo di date, %1, e si è fermata.</translation>
    </message>
    <message>
        <source>The moons could not be plotted for this instant, and any animation or tracking has stopped.

%1</source>
        <translation>Non è stato possibile tracciare i satelliti per questo istante; l&apos;eventuale animazione o inseguimento è stato fermato.

%1</translation>
    </message>
</context>
<context>
    <name>ObservingLog</name>
    <message>
        <source> (deepest %1, over %2)</source>
        <translation> (massimo %1, fine %2)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Fuso</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Codice</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Giove</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sole</translation>
    </message>
    <message>
        <source>Seen</source>
        <translation>Visibile</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>%1 %2 UT: %3</source>
        <translation>%1 %2 UT: %3</translation>
    </message>
    <message>
        <source>night from %1 to %2 (the Sun %3 degrees down)</source>
        <translation>notte dalle %1 alle %2 (Sole %3 gradi sotto l&apos;orizzonte)</translation>
    </message>
    <message>
        <source>dark all day (the Sun more than %1 degrees down)</source>
        <translation>buio tutto il giorno (Sole oltre %1 gradi sotto l&apos;orizzonte)</translation>
    </message>
    <message>
        <source>no night (the Sun not %1 degrees down)</source>
        <translation>nessuna notte (il Sole non scende %1 gradi sotto l&apos;orizzonte)</translation>
    </message>
    <message>
        <source>night falls or ends, not both, within the day</source>
        <translation>nell&apos;arco del giorno la notte inizia o finisce, non entrambe le cose</translation>
    </message>
    <message>
        <source>rises %1</source>
        <translation>sorge alle %1</translation>
    </message>
    <message>
        <source>is highest %1 at %2</source>
        <translation>culmina alle %1 a un&apos;altezza di %2</translation>
    </message>
    <message>
        <source>sets %1</source>
        <translation>tramonta alle %1</translation>
    </message>
    <message>
        <source>never sets</source>
        <translation>non tramonta mai</translation>
    </message>
    <message>
        <source>does not rise</source>
        <translation>non sorge</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2.
Jupiter %3; %4″ across, magnitude %5.
</source>
        <translation>%1: %2.
Giove %3; diametro %4″, magnitudine %5.
</translation>
    </message>
    <message>
        <source>arcmin</source>
        <translation>arcmin</translation>
    </message>
    <message>
        <source>precise</source>
        <translation>precise</translation>
    </message>
    <message>
        <source>%1 in progress</source>
        <translation>%1 in corso</translation>
    </message>
    <message>
        <source>MM/dd/yyyy</source>
        <comment>a date in figures: Qt&apos;s date format</comment>
        <translation>dd/MM/yyyy</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>expected Z or an offset such as +01:00 after the time</source>
        <translation>atteso Z o una differenza come +01:00 dopo l&apos;ora</translation>
    </message>
    <message>
        <source>expected an offset as +HH:MM, +HHMM or +HH</source>
        <translation>attesa una differenza come +HH:MM, +HHMM o +HH</translation>
    </message>
    <message>
        <source>there is no offset of %1</source>
        <translation>non esiste una differenza di %1</translation>
    </message>
    <message>
        <source>expected a date as YYYY-MM-DD</source>
        <translation>attesa una data come YYYY-MM-DD</translation>
    </message>
    <message>
        <source>there is no month %1</source>
        <translation>non esiste il mese %1</translation>
    </message>
    <message>
        <source>there is no day %1 in %2</source>
        <translation>non esiste il giorno %1 in %2</translation>
    </message>
    <message>
        <source>expected a space or T between the date and the time</source>
        <translation>atteso uno spazio o T tra la data e l&apos;ora</translation>
    </message>
    <message>
        <source>expected a time as HH:MM or HH:MM:SS</source>
        <translation>attesa un&apos;ora come HH:MM o HH:MM:SS</translation>
    </message>
    <message>
        <source>expected seconds as SS or SS.fff</source>
        <translation>attesi secondi come SS o SS.fff</translation>
    </message>
    <message>
        <source>there is no time %1</source>
        <translation>non esiste l&apos;ora %1</translation>
    </message>
    <message>
        <source>unexpected text after the time</source>
        <translation>testo inatteso dopo l&apos;ora</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of degrees</source>
        <translation>&apos;%1&apos; non è un numero di gradi</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has both a sign and a letter</source>
        <translation>&apos;%1&apos; ha sia un segno sia una lettera</translation>
    </message>
    <message>
        <source>expected a latitude and a longitude, such as 38.72,-9.14 or 38.72 N 9.14 W</source>
        <translation>attese una latitudine e una longitudine, come 38.72,-9.14 o 38.72 N 9.14 W</translation>
    </message>
    <message>
        <source>the latitude takes N or S and the longitude E or W</source>
        <translation>la latitudine vuole N o S e la longitudine E o W</translation>
    </message>
    <message>
        <source>a latitude is at most 90 degrees and a longitude at most 180</source>
        <translation>una latitudine è al massimo di 90 gradi e una longitudine di 180</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>cannot open the display %1</source>
        <translation>impossibile aprire il display %1</translation>
    </message>
    <message>
        <source>no display to open the window on (%1 is not set)</source>
        <translation>nessun display su cui aprire la finestra (%1 non è impostata)</translation>
    </message>
    <message>
        <source>run it on a desktop, or under a virtual one: xvfb-run -a %1</source>
        <translation>eseguirlo su un desktop, o in uno virtuale: xvfb-run -a %1</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;; see %2 --help</source>
        <translation>opzione sconosciuta &apos;%1&apos;; vedere %2 --help</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see %2 --help</source>
        <translation>argomento inatteso &apos;%1&apos;; vedere %2 --help</translation>
    </message>
</context>
<context>
    <name>ViewWording</name>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>E</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terra</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sole</translation>
    </message>
    <message>
        <source>%1 and its shadow on the disc</source>
        <translation>%1 e la sua ombra sul disco</translation>
    </message>
    <message>
        <source>%1&apos;s shadow on the disc</source>
        <translation>l&apos;ombra di %1 sul disco</translation>
    </message>
    <message>
        <source>%1 behind the planet</source>
        <translation>%1 dietro il pianeta</translation>
    </message>
    <message>
        <source>%1 dark in Jupiter&apos;s shadow</source>
        <translation>%1 in eclisse nell&apos;ombra di Giove</translation>
    </message>
    <message>
        <source>%1 on the disc</source>
        <translation>%1 sul disco</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <comment>a moon, its distance east or west, and north or south</comment>
        <translation>%1 %2, %3</translation>
    </message>
    <message>
        <source>%1 radii west</source>
        <translation>%1 raggi a ovest</translation>
    </message>
    <message>
        <source>%1 radii east</source>
        <translation>%1 raggi a est</translation>
    </message>
    <message>
        <source>%1 north</source>
        <translation>%1 a nord</translation>
    </message>
    <message>
        <source>%1 south</source>
        <translation>%1 a sud</translation>
    </message>
    <message>
        <source>the Great Red Spot near the central meridian</source>
        <translation>la Grande Macchia Rossa vicino al meridiano centrale</translation>
    </message>
    <message>
        <source>the Great Red Spot on the eastern half of the disc</source>
        <translation>la Grande Macchia Rossa nella metà orientale del disco</translation>
    </message>
    <message>
        <source>the Great Red Spot on the western half of the disc</source>
        <translation>la Grande Macchia Rossa nella metà occidentale del disco</translation>
    </message>
</context>
<context>
    <name>window::ChartView</name>
    <message>
        <source>Month chart</source>
        <translation>Grafico mensile</translation>
    </message>
</context>
<context>
    <name>window::EventListModel</name>
    <message>
        <source>Not seen from here: Jupiter is %1 up, under %2</source>
        <translation>Non visibile da qui: Giove è a %1 di altezza, meno di %2</translation>
    </message>
    <message>
        <source>Not seen from here: the sky is too bright, the Sun is %1 up</source>
        <translation>Non visibile da qui: il cielo è troppo chiaro, il Sole è a %1 di altezza</translation>
    </message>
    <message>
        <source>Not seen from anywhere</source>
        <translation>Non visibile da nessun luogo</translation>
    </message>
    <message>
        <source>, not seen from here</source>
        <translation>, non visibile da qui</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Codice</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Giove</translation>
    </message>
    <message>
        <source>Jupiter&apos;s altitude above the horizon</source>
        <translation>Altezza di Giove sull&apos;orizzonte</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sole</translation>
    </message>
    <message>
        <source>The Sun&apos;s altitude: below -6° the sky is dark enough</source>
        <translation>Altezza del Sole: sotto -6° il cielo è abbastanza buio</translation>
    </message>
</context>
<context>
    <name>window::EventsDialog</name>
    <message>
        <source>The window&apos;s date, %1, is outside the years %2 to %3 that events are computed for: the list starts on %4.
%5</source>
        <translation>La data della finestra, %1, è fuori dagli anni dal %2 al %3 per cui si calcolano gli eventi: l&apos;elenco parte da %4.
%5</translation>
    </message>
    <message>
        <source>Where are you? The time zone does not say. Type your place&apos;s latitude and longitude above to see Jupiter&apos;s night there and which events you can see.</source>
        <translation>Dove ti trovi? Il fuso orario non lo dice. Inserisci qui sopra la latitudine e la longitudine del tuo luogo per vedere la notte di Giove e quali eventi puoi osservare.</translation>
    </message>
    <message>
        <source>No events</source>
        <translation>Nessun evento</translation>
    </message>
    <message>
        <source>1 event</source>
        <translation>1 evento</translation>
    </message>
    <message>
        <source>%1 events</source>
        <translation>%1 eventi</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 dal %2 al %3</translation>
    </message>
    <message>
        <source>Events are computed for the years %1 to %2; this span runs past them.</source>
        <translation>Gli eventi si calcolano per gli anni dal %1 al %2; questo intervallo va oltre.</translation>
    </message>
    <message>
        <source>The place is unchanged: %1. Type the latitude, then the longitude, in degrees with N, S, E, W or signs, such as &quot;38.72 N, 9.14 W&quot; or &quot;38.72, -9.14&quot;.</source>
        <translation>Il luogo non è cambiato: %1. Inserisci la latitudine, poi la longitudine, in gradi con N, S, E, W o con il segno, come «38.72 N, 9.14 W» o «38.72, -9.14».</translation>
    </message>
    <message>
        <source>Here</source>
        <translation>Qui</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>iCalendar (*.ics)</source>
        <translation>iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Save the events</source>
        <translation>Salva gli eventi</translation>
    </message>
    <message>
        <source>The events could not be saved to %1:
%2</source>
        <translation>Impossibile salvare gli eventi in %1:
%2</translation>
    </message>
</context>
<context>
    <name>window::JupiterPlot</name>
    <message>
        <source>Jupiter and its moons</source>
        <translation>Giove e i suoi satelliti</translation>
    </message>
</context>
<context>
    <name>window::MonthChartWindow</name>
    <message>
        <source>Month chart</source>
        <translation>Grafico mensile</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Stampa…</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Salva come…</translation>
    </message>
    <message>
        <source>Month before</source>
        <translation>Mese precedente</translation>
    </message>
    <message>
        <source>Month after</source>
        <translation>Mese successivo</translation>
    </message>
    <message>
        <source>Stretch time</source>
        <translation>Espandi il tempo</translation>
    </message>
    <message>
        <source>Squeeze time</source>
        <translation>Comprimi il tempo</translation>
    </message>
    <message>
        <source>The picker&apos;s month</source>
        <translation>Mese del selettore</translation>
    </message>
    <message>
        <source>Red Spot marks</source>
        <translation>Segni della Macchia Rossa</translation>
    </message>
    <message>
        <source>Mutual event marks</source>
        <translation>Segni dei fenomeni mutui</translation>
    </message>
    <message>
        <source>The chart is drawn for the years %1 to %2 only</source>
        <translation>Il grafico si disegna solo per gli anni dal %1 al %2</translation>
    </message>
    <message>
        <source>Month chart: %1</source>
        <translation>Grafico mensile: %1</translation>
    </message>
    <message>
        <source>%1 radii west</source>
        <translation>%1 raggi a ovest</translation>
    </message>
    <message>
        <source>%1 radii east</source>
        <translation>%1 raggi a est</translation>
    </message>
    <message>
        <source>%1, %2 days</source>
        <translation>%1, %2 giorni</translation>
    </message>
    <message>
        <source>; at %1, %2 %3</source>
        <translation>; il %1, %2 %3</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>; marked %1: %2</source>
        <translation>; segnato il %1: %2</translation>
    </message>
    <message>
        <source>there is no chart to print</source>
        <translation>non c&apos;è nessun grafico da stampare</translation>
    </message>
    <message>
        <source>the page could not be printed</source>
        <translation>non è stato possibile stampare la pagina</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <translation>La stampa non è disponibile: %1</translation>
    </message>
    <message>
        <source>Jupiter&apos;s moons, %1</source>
        <translation>Satelliti di Giove, %1</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>Immagine SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Immagine PNG (*.png)</translation>
    </message>
    <message>
        <source>Save the chart</source>
        <translation>Salva il grafico</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2</source>
        <translation>Impossibile salvare il grafico in %1: %2</translation>
    </message>
</context>
<context>
    <name>window::TelescopeView</name>
    <message>
        <source>Telescope view</source>
        <translation>Vista al telescopio</translation>
    </message>
    <message>
        <source>Jupiter&apos;s view is drawn for the years 1600 to 2500 only</source>
        <translation>La vista di Giove si disegna solo per gli anni dal 1600 al 2500</translation>
    </message>
</context>
<context>
    <name>window::TelescopeWindow</name>
    <message>
        <source>Telescope view</source>
        <translation>Vista al telescopio</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>The whole system</source>
        <translation>L&apos;intero sistema</translation>
    </message>
</context>
</TS>
