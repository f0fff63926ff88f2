<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ChartWording</name>
    <message>
        <source>Jupiter&apos;s moons, %1</source>
        <translation>Jupitermonde, %1</translation>
    </message>
    <message>
        <source>SVG cannot be written: %1</source>
        <translation>SVG kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>the picture could not be drawn</source>
        <translation>das Bild konnte nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>a day of the chart&apos;s span: Qt&apos;s date format</comment>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <comment>the chart&apos;s first and last days</comment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>Local time, %1</source>
        <translation>Ortszeit, %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Red Spot at %1° (System II)</source>
        <translation>Roter Fleck bei %1° (System II)</translation>
    </message>
    <message>
        <source>Dotted: behind Jupiter or in its shadow · black on the disc: a moon&apos;s shadow</source>
        <translation>Gepunktet: hinter Jupiter oder in seinem Schatten · schwarz auf der Scheibe: Schatten eines Mondes</translation>
    </message>
    <message>
        <source>◂: the Red Spot on the central meridian</source>
        <translation>◂: der Rote Fleck im Zentralmeridian</translation>
    </message>
    <message>
        <source>Shaded: night (the Sun 12° down); more strongly: Jupiter 5° up or more as well</source>
        <translation>Schattiert: Nacht (Sonne 12° unter dem Horizont); stärker: zudem Jupiter mindestens 5° hoch</translation>
    </message>
    <message>
        <source>No place is known, so the night is not shaded: set one in the events dialog, or give --where LAT,LON</source>
        <translation>Kein Ort bekannt, daher ist die Nacht nicht schattiert: im Ereignisdialog einen Ort einstellen oder --where LAT,LON angeben</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>radii</source>
        <translation>Radien</translation>
    </message>
    <message>
        <source>ddd d</source>
        <comment>the date of a day down the chart&apos;s left: Qt&apos;s date format</comment>
        <translation>ddd d.</translation>
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
Ohne --events, --offsets, --chart oder --view öffnet Satrivox sein Fenster
und nimmt die Standardoptionen von Qt an, etwa -platform NAME, -style NAME,
-reverse und -qwindowgeometry WxH+X+Y; jedes andere Argument wird genannt,
mit Exit-Status 2.
Fehlerhafte Eingaben auf der Kommandozeile (eine unbekannte Option, ein Datum,
das nicht lesbar ist oder außerhalb der abgedeckten Jahre liegt, --days 0, ein
unbekanntes Format, eine nicht schreibbare Datei) werden in einer Zeile auf
der Standardfehlerausgabe genannt, mit Exit-Status 2 und ohne Ausgabe auf der
Standardausgabe; --chart und --view hinterlassen dann keine Datei, weder ganz
noch teilweise.

Mit --chart läuft der Monat von 00:00 Ortszeit seines ersten Tages bis 24:00
Ortszeit seines letzten Tages die Seite hinunter; quer dazu der Abstand jedes
Mondes östlich oder westlich der Jupiterscheibe, gepunktet, solange er
verborgen ist, und sein Schatten als dunkle Spur auf der Scheibe. Das Format
folgt der Dateiendung: .pdf (A4, Vektor), .svg, .png (1240 x 1754 Pixel). Es
braucht kein Display, ebenso wenig wie --view.

Mit --events oder --chart ist der Beobachtungsort --where, sonst der im
Ereignisdialog des Fensters eingestellte Ort, sonst der Hauptort der Zeitzone
(aus zone1970.tab): dort Jupiters Aufgang, höchster Stand und Untergang, die
Nacht (Sonne 12 Grad unter dem Horizont) und zu jedem Ereignis die Höhe
Jupiters und die der Sonne; ein Ereignis ist sichtbar, wenn Jupiter mindestens
5 Grad hoch und die Sonne mindestens 6 Grad unter dem Horizont steht. Für den
Großen Roten Fleck gilt --grs-longitude, sonst die im Dialog eingestellte
Länge, sonst %1 Grad.

Umgebung:
  TZ               die Zeitzone: eine Zone wie Europe/Berlin oder eine
                   POSIX-Regel; nicht gesetzt: die Zone des Systems
  QT_SCALE_FACTOR  skaliert das Fenster und seine Darstellung, etwa 1.5
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                   die Sprache der Texte und der Monats- und Tagesnamen:
                   Deutsch, Französisch, Spanisch, Italienisch oder
                   Portugiesisch, sonst Englisch; Zahlen immer mit
                   Dezimalpunkt, Listen mit ISO-Datumsangaben
  DISPLAY, WAYLAND_DISPLAY  das Display, auf dem das Fenster geöffnet wird
</translation>
    </message>
    <message>
        <source>List the moons&apos; transits, shadows, eclipses and occultations from WHEN.</source>
        <translation>Listet Durchgänge, Schatten, Verfinsterungen und Bedeckungen der Monde ab WHEN auf.</translation>
    </message>
    <message>
        <source>With --events: for N days, 1 to 731 (default 1). With --chart: 1 to 62 days from WHEN&apos;s date (default: WHEN&apos;s calendar month).</source>
        <translation>Mit --events: für N Tage, 1 bis 731 (Vorgabe 1). Mit --chart: 1 bis 62 Tage ab dem Datum von WHEN (Vorgabe: der Kalendermonat von WHEN).</translation>
    </message>
    <message>
        <source>With --events: text (default), csv, or ics (an iCalendar file).</source>
        <translation>Mit --events: text (Vorgabe), csv oder ics (eine iCalendar-Datei).</translation>
    </message>
    <message>
        <source>With --events: add the events that cannot be seen, marked so.</source>
        <translation>Mit --events: auch die nicht sichtbaren Ereignisse aufführen, als solche gekennzeichnet.</translation>
    </message>
    <message>
        <source>Print the four offsets for WHEN as the window shows them (its &quot;Copy offsets&quot; line).</source>
        <translation>Gibt die vier Abstände für WHEN so aus, wie das Fenster sie zeigt (seine Zeile „Abstände kopieren“).</translation>
    </message>
    <message>
        <source>With --offsets: from the precise theory, not the window&apos;s model.</source>
        <translation>Mit --offsets: aus der genauen Theorie, nicht aus dem Modell des Fensters.</translation>
    </message>
    <message>
        <source>With --offsets: CSV, time,moon,arcmin,west_radii,north_radii.</source>
        <translation>Mit --offsets: CSV, time,moon,arcmin,west_radii,north_radii.</translation>
    </message>
    <message>
        <source>Write times in UT instead of the local time of TZ.</source>
        <translation>Gibt die Zeiten in UT statt in der Ortszeit von TZ aus.</translation>
    </message>
    <message>
        <source>With --events or --chart: the observer&apos;s latitude and longitude in degrees, north and east positive.</source>
        <translation>Mit --events oder --chart: geografische Breite und Länge des Beobachters in Grad, Nord und Ost positiv.</translation>
    </message>
    <message>
        <source>With --events: only what can be seen from the observer&apos;s place.</source>
        <translation>Mit --events: nur, was vom Beobachtungsort aus sichtbar ist.</translation>
    </message>
    <message>
        <source>With --events or --chart: the Great Red Spot&apos;s System II longitude, 0 to 360.</source>
        <translation>Mit --events oder --chart: die Länge des Großen Roten Flecks in System II, 0 bis 360.</translation>
    </message>
    <message>
        <source>With --events or --chart: leave out the Great Red Spot&apos;s transits.</source>
        <translation>Mit --events oder --chart: die Meridiandurchgänge des Großen Roten Flecks weglassen.</translation>
    </message>
    <message>
        <source>With --events: only the moons&apos; mutual occultations and eclipses.</source>
        <translation>Mit --events: nur die gegenseitigen Bedeckungen und Verfinsterungen der Monde.</translation>
    </message>
    <message>
        <source>Draw the moons&apos; chart of WHEN&apos;s month (YYYY-MM alone: that month; default: this month) into --output FILE: .pdf, .svg or .png, by its ending.</source>
        <translation>Zeichnet das Monddiagramm des Monats von WHEN (nur YYYY-MM: dieser Monat; Vorgabe: der laufende Monat) in --output FILE: .pdf, .svg oder .png, je nach Endung.</translation>
    </message>
    <message>
        <source>Draw Jupiter as the telescope shows it at WHEN, its moons, their shadows on the disc and the Great Red Spot, into --output FILE: .png or .svg.</source>
        <translation>Zeichnet Jupiter, wie ihn das Teleskop zu WHEN zeigt, mit seinen Monden, deren Schatten auf der Scheibe und dem Großen Roten Fleck, in --output FILE: .png oder .svg.</translation>
    </message>
    <message>
        <source>With --chart or --view: the file to write.</source>
        <translation>Mit --chart oder --view: die zu schreibende Datei.</translation>
    </message>
    <message>
        <source>With --chart or --view: east and west swapped, as in a star diagonal.</source>
        <translation>Mit --chart oder --view: Ost und West vertauscht, wie mit einem Zenitspiegel.</translation>
    </message>
    <message>
        <source>With --chart: leave out the marks of the moons&apos; mutual events.</source>
        <translation>Mit --chart: die Markierungen der gegenseitigen Ereignisse der Monde weglassen.</translation>
    </message>
    <message>
        <source>With --view: south up, as an inverting telescope shows it.</source>
        <translation>Mit --view: Süden oben, wie ein umkehrendes Teleskop es zeigt.</translation>
    </message>
    <message>
        <source>With --view: the picture&apos;s size in pixels (default 800x600).</source>
        <translation>Mit --view: die Bildgröße in Pixeln (Vorgabe 800x600).</translation>
    </message>
    <message>
        <source>With --view: the whole system (default) or the disc filling the picture.</source>
        <translation>Mit --view: das ganze System (Vorgabe) oder die bildfüllende Scheibe.</translation>
    </message>
    <message>
        <source>YYYY-MM-DD (that date&apos;s local noon: the night that follows it), YYYY-MM-DD HH:MM[:SS] (local time, as the window&apos;s picker), or ISO 8601 with Z or an offset; default: now.</source>
        <translation>YYYY-MM-DD (12:00 Ortszeit an diesem Tag: die darauf folgende Nacht), YYYY-MM-DD HH:MM[:SS] (Ortszeit, wie im Datumsfeld des Fensters) oder ISO 8601 mit Z oder einem Zeitversatz; Vorgabe: jetzt.</translation>
    </message>
    <message>
        <source>cannot read the date and time &apos;%1&apos;: %2 (expected YYYY-MM-DD, YYYY-MM-DD HH:MM[:SS], or ISO 8601 with Z or an offset)</source>
        <translation>kann Datum und Uhrzeit „%1“ nicht lesen: %2 (erwartet: YYYY-MM-DD, YYYY-MM-DD HH:MM[:SS] oder ISO 8601 mit Z oder einem Zeitversatz)</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <translation>%1 gilt nur zusammen mit %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number of days from 1 to %2, not &apos;%3&apos;</source>
        <translation>%1 erwartet eine ganze Zahl von Tagen von 1 bis %2, nicht „%3“</translation>
    </message>
    <message>
        <source>%1 takes a latitude and a longitude in degrees, such as 38.72,-9.14, not &apos;%2&apos;: %3</source>
        <translation>%1 erwartet Breite und Länge in Grad, etwa 38.72,-9.14, nicht „%2“: %3</translation>
    </message>
    <message>
        <source>%1 and %2 cannot go together</source>
        <translation>%1 und %2 schließen einander aus</translation>
    </message>
    <message>
        <source>%1 takes a longitude in degrees from 0 to 360, not &apos;%2&apos;</source>
        <translation>%1 erwartet eine Länge in Grad von 0 bis 360, nicht „%2“</translation>
    </message>
    <message>
        <source>%1 takes text, csv or ics, not &apos;%2&apos;</source>
        <translation>%1 erwartet text, csv oder ics, nicht „%2“</translation>
    </message>
    <message>
        <source>%1 is outside the years %2 to %3 that events are computed for</source>
        <translation>%1 liegt außerhalb der Jahre %2 bis %3, für die Ereignisse berechnet werden</translation>
    </message>
    <message>
        <source>%1 days from %2 run past the end of %3, the last year events are computed for</source>
        <translation>%1 Tage ab %2 reichen über das Ende von %3 hinaus, dem letzten Jahr, für das Ereignisse berechnet werden</translation>
    </message>
    <message>
        <source>%1 needs the observer&apos;s place, and the time zone %2 names none: give %3 LAT,LON</source>
        <translation>%1 braucht den Beobachtungsort, und die Zeitzone %2 nennt keinen: geben Sie %3 LAT,LON an</translation>
    </message>
    <message>
        <source>a day</source>
        <translation>einen Tag</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>No place is known (the time zone names none): --where LAT,LON gives one, for Jupiter&apos;s night and what can be seen.
</source>
        <translation>Kein Ort bekannt (die Zeitzone nennt keinen): --where LAT,LON gibt einen an, für Jupiters Nacht und die Sichtbarkeit der Ereignisse.
</translation>
    </message>
    <message>
        <source>Events of Jupiter&apos;s moons from %1, for %2</source>
        <translation>Ereignisse der Jupitermonde ab %1, für %2</translation>
    </message>
    <message>
        <source>No events.
</source>
        <translation>Keine Ereignisse.
</translation>
    </message>
    <message>
        <source>precise offsets are computed for the years %1 to %2, not for %3</source>
        <translation>genaue Abstände werden für die Jahre %1 bis %2 berechnet, nicht für %3</translation>
    </message>
    <message>
        <source>the window shows the years 1601 to 9999, not %1</source>
        <translation>das Fenster zeigt die Jahre 1601 bis 9999, nicht %1</translation>
    </message>
    <message>
        <source>.pdf, .svg or .png</source>
        <translation>.pdf, .svg oder .png</translation>
    </message>
    <message>
        <source>.png or .svg</source>
        <translation>.png oder .svg</translation>
    </message>
    <message>
        <source>%1 needs %2 FILE, a %3</source>
        <translation>%1 braucht %2 FILE mit der Endung %3</translation>
    </message>
    <message>
        <source>%1 writes a %2 file, not &apos;%3&apos;</source>
        <translation>%1 schreibt eine Datei mit der Endung %2, nicht „%3“</translation>
    </message>
    <message>
        <source>the chart is drawn for the years %1 to %2, not for %3</source>
        <translation>das Diagramm wird für die Jahre %1 bis %2 gezeichnet, nicht für %3</translation>
    </message>
    <message>
        <source>cannot write the chart to &apos;%1&apos;: %2</source>
        <translation>kann das Diagramm nicht nach „%1“ schreiben: %2</translation>
    </message>
    <message>
        <source>%1 takes a width and a height in pixels, 100 to %2 each, such as 800x600, not &apos;%3&apos;</source>
        <translation>%1 erwartet Breite und Höhe in Pixeln, jeweils 100 bis %2, etwa 800x600, nicht „%3“</translation>
    </message>
    <message>
        <source>%1 takes system or disc, not &apos;%2&apos;</source>
        <translation>%1 erwartet system oder disc, nicht „%2“</translation>
    </message>
    <message>
        <source>the view is drawn for the years %1 to %2, not for %3</source>
        <translation>die Ansicht wird für die Jahre %1 bis %2 gezeichnet, nicht für %3</translation>
    </message>
    <message>
        <source>Jupiter at %1</source>
        <translation>Jupiter am %1</translation>
    </message>
    <message>
        <source>cannot write the view to &apos;%1&apos;: %2</source>
        <translation>kann die Ansicht nicht nach „%1“ schreiben: %2</translation>
    </message>
    <message>
        <source>%1 goes with %2 or %3</source>
        <translation>%1 gilt nur zusammen mit %2 oder %3</translation>
    </message>
</context>
<context>
    <name>EventWording</name>
    <message>
        <source>%1 starts to cross the disc</source>
        <translation>Durchgang von %1 beginnt</translation>
    </message>
    <message>
        <source>%1 finishes crossing the disc</source>
        <translation>Durchgang von %1 endet</translation>
    </message>
    <message>
        <source>%1&apos;s shadow starts to cross the disc</source>
        <translation>Schattendurchgang von %1 beginnt</translation>
    </message>
    <message>
        <source>%1&apos;s shadow finishes crossing the disc</source>
        <translation>Schattendurchgang von %1 endet</translation>
    </message>
    <message>
        <source>%1 disappears into Jupiter&apos;s shadow</source>
        <translation>%1 verschwindet im Schatten Jupiters</translation>
    </message>
    <message>
        <source>%1 reappears from Jupiter&apos;s shadow</source>
        <translation>%1 tritt aus dem Schatten Jupiters hervor</translation>
    </message>
    <message>
        <source>%1 disappears behind Jupiter</source>
        <translation>%1 verschwindet hinter Jupiter</translation>
    </message>
    <message>
        <source>%1 reappears from behind Jupiter</source>
        <translation>%1 tritt hinter Jupiter hervor</translation>
    </message>
    <message>
        <source>%1 passes in front of %2: %2 loses %3 of its light</source>
        <translation>%1 zieht vor %2 vorbei: %2 verliert %3 seines Lichts</translation>
    </message>
    <message>
        <source>%1&apos;s shadow falls on %2: %2 loses %3 of its light</source>
        <translation>Der Schatten von %1 fällt auf %2: %2 verliert %3 seines Lichts</translation>
    </message>
    <message>
        <source> near Jupiter&apos;s limb</source>
        <translation> nahe dem Jupiterrand</translation>
    </message>
    <message>
        <source>; slow, its contacts cannot be timed</source>
        <translation>; langsam, die Kontaktzeiten sind nicht bestimmbar</translation>
    </message>
    <message>
        <source>; slow, %1 min per 100 km</source>
        <translation>; langsam, %1 min je 100 km</translation>
    </message>
    <message>
        <source>(unseen: behind Jupiter or in its shadow)</source>
        <translation>(unsichtbar: hinter Jupiter oder in seinem Schatten)</translation>
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
        <translation>Ganymed</translation>
    </message>
    <message>
        <source>Callisto</source>
        <translation>Kallisto</translation>
    </message>
    <message>
        <source>(unseen: %1 is in Jupiter&apos;s shadow)</source>
        <translation>(unsichtbar: %1 steht im Schatten Jupiters)</translation>
    </message>
    <message>
        <source>(unseen: %1 is behind Jupiter)</source>
        <translation>(unsichtbar: %1 steht hinter Jupiter)</translation>
    </message>
    <message>
        <source>%1 crosses Jupiter</source>
        <translation>Durchgang von %1</translation>
    </message>
    <message>
        <source>%1&apos;s shadow crosses Jupiter</source>
        <translation>Schattendurchgang von %1</translation>
    </message>
    <message>
        <source>%1 in Jupiter&apos;s shadow</source>
        <translation>%1 im Schatten Jupiters</translation>
    </message>
    <message>
        <source>%1 behind Jupiter</source>
        <translation>%1 hinter Jupiter</translation>
    </message>
    <message>
        <source>Jupiter rises</source>
        <translation>Jupiter geht auf</translation>
    </message>
    <message>
        <source>Jupiter is highest in the sky</source>
        <translation>Jupiter steht am höchsten</translation>
    </message>
    <message>
        <source>Jupiter sets</source>
        <translation>Jupiter geht unter</translation>
    </message>
    <message>
        <source>night falls: the Sun %1 degrees down</source>
        <translation>Beginn der Nacht: Sonne %1 Grad unter dem Horizont</translation>
    </message>
    <message>
        <source>night ends: the Sun %1 degrees down</source>
        <translation>Ende der Nacht: Sonne %1 Grad unter dem Horizont</translation>
    </message>
    <message>
        <source>the Great Red Spot on the central meridian</source>
        <translation>Großer Roter Fleck im Zentralmeridian</translation>
    </message>
</context>
<context>
    <name>EventsDialog</name>
    <message>
        <source>Events of Jupiter&apos;s moons</source>
        <translation>Ereignisse der Jupitermonde</translation>
    </message>
    <message>
        <source>&amp;From noon on</source>
        <translation>Ab &amp;Mittag am</translation>
    </message>
    <message>
        <source>From noon on</source>
        <translation>Ab Mittag am</translation>
    </message>
    <message>
        <source>f&amp;or</source>
        <translation>&amp;für</translation>
    </message>
    <message>
        <source>For</source>
        <translation>Für</translation>
    </message>
    <message>
        <source>a night</source>
        <translation>eine Nacht</translation>
    </message>
    <message>
        <source>a week</source>
        <translation>eine Woche</translation>
    </message>
    <message>
        <source>a month</source>
        <translation>einen Monat</translation>
    </message>
    <message>
        <source>&amp;Place</source>
        <translation>&amp;Ort</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>The place&apos;s name, as the list should show it</source>
        <translation>Der Name des Ortes, wie die Liste ihn zeigen soll</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>&amp;at</source>
        <translation>&amp;bei</translation>
    </message>
    <message>
        <source>Latitude and longitude</source>
        <translation>Breite und Länge</translation>
    </message>
    <message>
        <source>Latitude and longitude in degrees, with N, S, E, W or signs (north and east positive); empty for the time zone&apos;s place</source>
        <translation>Breite und Länge in Grad, mit N, S, E, W oder Vorzeichen (Nord und Ost positiv); leer für den Ort der Zeitzone</translation>
    </message>
    <message>
        <source>Only events while Jupiter is at least 5° up and the Sun at least 6° down</source>
        <translation>Nur Ereignisse, während Jupiter mindestens 5° hoch und die Sonne mindestens 6° unter dem Horizont steht</translation>
    </message>
    <message>
        <source>Only what I can &amp;see</source>
        <translation>Nur was ich &amp;sehe</translation>
    </message>
    <message>
        <source>Great &amp;Red Spot at</source>
        <translation>Großer &amp;Roter Fleck bei</translation>
    </message>
    <message>
        <source>Great Red Spot&apos;s longitude, System II</source>
        <translation>Länge des Großen Roten Flecks, System II</translation>
    </message>
    <message>
        <source>The Great Red Spot&apos;s longitude in System II, as observers currently publish it; it drifts a degree or two a month</source>
        <translation>Die Länge des Großen Roten Flecks in System II, wie Beobachter sie aktuell veröffentlichen; sie wandert um ein bis zwei Grad pro Monat</translation>
    </message>
    <message>
        <source>° (System II)</source>
        <translation>° (System II)</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>Set the window to the chosen event&apos;s instant and plot it (Enter, or a double-click)</source>
        <translation>Setzt das Fenster auf den Zeitpunkt des gewählten Ereignisses und stellt ihn dar (Eingabetaste oder Doppelklick)</translation>
    </message>
    <message>
        <source>&amp;Show in the window</source>
        <translation>Im Fenster &amp;zeigen</translation>
    </message>
    <message>
        <source>Copy the chosen events, or all of them, as text (Ctrl+C)</source>
        <translation>Kopiert die gewählten Ereignisse oder alle als Text (Strg+C)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Save the list as CSV or as an iCalendar file</source>
        <translation>Speichert die Liste als CSV oder als iCalendar-Datei</translation>
    </message>
    <message>
        <source>S&amp;ave…</source>
        <translation>S&amp;peichern…</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Schl&amp;ießen</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Plot</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>Date and time to plot</source>
        <translation>Datum und Uhrzeit der Darstellung</translation>
    </message>
    <message>
        <source>Animation step in minutes</source>
        <translation>Animationsschritt in Minuten</translation>
    </message>
    <message>
        <source>Animate:</source>
        <translation>Animation:</translation>
    </message>
    <message>
        <source>Animate</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>minutes every 100 ms</source>
        <translation>Minuten je 100 ms</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
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
        <translation>Ganymed</translation>
    </message>
    <message>
        <source>Ganymede:</source>
        <translation>Ganymed:</translation>
    </message>
    <message>
        <source>Callisto</source>
        <translation>Kallisto</translation>
    </message>
    <message>
        <source>Callisto:</source>
        <translation>Kallisto:</translation>
    </message>
    <message>
        <source>Arcminutes</source>
        <translation>Bogenminuten</translation>
    </message>
    <message>
        <source>Io offset in arcminutes</source>
        <translation>Abstand von Io in Bogenminuten</translation>
    </message>
    <message>
        <source>Europa offset in arcminutes</source>
        <translation>Abstand von Europa in Bogenminuten</translation>
    </message>
    <message>
        <source>Ganymede offset in arcminutes</source>
        <translation>Abstand von Ganymed in Bogenminuten</translation>
    </message>
    <message>
        <source>Callisto offset in arcminutes</source>
        <translation>Abstand von Kallisto in Bogenminuten</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Track Now</source>
        <translation>Live folgen</translation>
    </message>
    <message>
        <source>Jupiter picture</source>
        <translation>Jupiterbild</translation>
    </message>
    <message>
        <source>Picture of Jupiter</source>
        <translation>Bild von Jupiter</translation>
    </message>
    <message>
        <source>Mirror east and west</source>
        <translation>Ost und West spiegeln</translation>
    </message>
    <message>
        <source>Night colours</source>
        <translation>Nachtfarben</translation>
    </message>
    <message>
        <source>Moon names</source>
        <translation>Mondnamen</translation>
    </message>
    <message>
        <source>Precise positions</source>
        <translation>Genaue Positionen</translation>
    </message>
    <message>
        <source>Copy offsets</source>
        <translation>Abstände kopieren</translation>
    </message>
    <message>
        <source>Events…</source>
        <translation>Ereignisse…</translation>
    </message>
    <message>
        <source>Telescope view…</source>
        <translation>Teleskopansicht…</translation>
    </message>
    <message>
        <source>South up</source>
        <translation>Süden oben</translation>
    </message>
    <message>
        <source>Month chart…</source>
        <translation>Monatsdiagramm…</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>%1, %2 arcminutes</source>
        <translation>%1, %2 Bogenminuten</translation>
    </message>
    <message>
        <source>From left to right: %1</source>
        <translation>Von links nach rechts: %1</translation>
    </message>
    <message>
        <source>The animation has reached the start of the date range, %1, and has stopped.</source>
        <translation>Die Animation hat den Anfang des Datumsbereichs, %1, erreicht und wurde angehalten.</translation>
    </message>
    <message>
        <source>The animation has reached the end of the date range, %1, and has stopped.</source>
        <translation>Die Animation hat das Ende des Datumsbereichs, %1, erreicht und wurde angehalten.</translation>
    </message>
    <message>
        <source>The moons could not be plotted for this instant, and any animation or tracking has stopped.

%1</source>
        <translation>Die Monde konnten für diesen Zeitpunkt nicht dargestellt werden; Animation und Live-Verfolgung wurden angehalten.

%1</translation>
    </message>
</context>
<context>
    <name>ObservingLog</name>
    <message>
        <source> (deepest %1, over %2)</source>
        <translation> (Maximum %1, Ende %2)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Seen</source>
        <translation>Sichtbar</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>%1 %2 UT: %3</source>
        <translation>%1 %2 UT: %3</translation>
    </message>
    <message>
        <source>night from %1 to %2 (the Sun %3 degrees down)</source>
        <translation>Nacht von %1 bis %2 (Sonne %3 Grad unter dem Horizont)</translation>
    </message>
    <message>
        <source>dark all day (the Sun more than %1 degrees down)</source>
        <translation>den ganzen Tag dunkel (Sonne mehr als %1 Grad unter dem Horizont)</translation>
    </message>
    <message>
        <source>no night (the Sun not %1 degrees down)</source>
        <translation>keine Nacht (Sonne nicht %1 Grad unter dem Horizont)</translation>
    </message>
    <message>
        <source>night falls or ends, not both, within the day</source>
        <translation>die Nacht beginnt oder endet an diesem Tag, nicht beides</translation>
    </message>
    <message>
        <source>rises %1</source>
        <translation>geht um %1 auf</translation>
    </message>
    <message>
        <source>is highest %1 at %2</source>
        <translation>steht um %1 mit %2 am höchsten</translation>
    </message>
    <message>
        <source>sets %1</source>
        <translation>geht um %1 unter</translation>
    </message>
    <message>
        <source>never sets</source>
        <translation>geht nicht unter</translation>
    </message>
    <message>
        <source>does not rise</source>
        <translation>geht nicht auf</translation>
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
Jupiter %3; %4″ Durchmesser, Helligkeit %5 mag.
</translation>
    </message>
    <message>
        <source>arcmin</source>
        <translation>Bogenminuten</translation>
    </message>
    <message>
        <source>precise</source>
        <translation>genau</translation>
    </message>
    <message>
        <source>%1 in progress</source>
        <translation>%1 im Gange</translation>
    </message>
    <message>
        <source>MM/dd/yyyy</source>
        <comment>a date in figures: Qt&apos;s date format</comment>
        <translation>dd.MM.yyyy</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>expected Z or an offset such as +01:00 after the time</source>
        <translation>nach der Uhrzeit wird Z oder ein Zeitversatz wie +01:00 erwartet</translation>
    </message>
    <message>
        <source>expected an offset as +HH:MM, +HHMM or +HH</source>
        <translation>erwartet wird ein Zeitversatz als +HH:MM, +HHMM oder +HH</translation>
    </message>
    <message>
        <source>there is no offset of %1</source>
        <translation>einen Zeitversatz von %1 gibt es nicht</translation>
    </message>
    <message>
        <source>expected a date as YYYY-MM-DD</source>
        <translation>erwartet wird ein Datum als YYYY-MM-DD</translation>
    </message>
    <message>
        <source>there is no month %1</source>
        <translation>einen Monat %1 gibt es nicht</translation>
    </message>
    <message>
        <source>there is no day %1 in %2</source>
        <translation>einen Tag %1 gibt es in %2 nicht</translation>
    </message>
    <message>
        <source>expected a space or T between the date and the time</source>
        <translation>zwischen Datum und Uhrzeit wird ein Leerzeichen oder T erwartet</translation>
    </message>
    <message>
        <source>expected a time as HH:MM or HH:MM:SS</source>
        <translation>erwartet wird eine Uhrzeit als HH:MM oder HH:MM:SS</translation>
    </message>
    <message>
        <source>expected seconds as SS or SS.fff</source>
        <translation>erwartet werden Sekunden als SS oder SS.fff</translation>
    </message>
    <message>
        <source>there is no time %1</source>
        <translation>eine Uhrzeit %1 gibt es nicht</translation>
    </message>
    <message>
        <source>unexpected text after the time</source>
        <translation>unerwarteter Text nach der Uhrzeit</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of degrees</source>
        <translation>„%1“ ist keine Zahl von Grad</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has both a sign and a letter</source>
        <translation>„%1“ hat sowohl ein Vorzeichen als auch einen Buchstaben</translation>
    </message>
    <message>
        <source>expected a latitude and a longitude, such as 38.72,-9.14 or 38.72 N 9.14 W</source>
        <translation>erwartet werden Breite und Länge, etwa 38.72,-9.14 oder 38.72 N 9.14 W</translation>
    </message>
    <message>
        <source>the latitude takes N or S and the longitude E or W</source>
        <translation>die Breite nimmt N oder S, die Länge E oder W</translation>
    </message>
    <message>
        <source>a latitude is at most 90 degrees and a longitude at most 180</source>
        <translation>eine Breite ist höchstens 90 Grad, eine Länge höchstens 180</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>cannot open the display %1</source>
        <translation>kann das Display %1 nicht öffnen</translation>
    </message>
    <message>
        <source>no display to open the window on (%1 is not set)</source>
        <translation>kein Display, auf dem das Fenster geöffnet werden kann (%1 ist nicht gesetzt)</translation>
    </message>
    <message>
        <source>run it on a desktop, or under a virtual one: xvfb-run -a %1</source>
        <translation>auf einem Desktop starten oder unter einem virtuellen: xvfb-run -a %1</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;; see %2 --help</source>
        <translation>unbekannte Option „%1“; siehe %2 --help</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see %2 --help</source>
        <translation>unerwartetes Argument „%1“; siehe %2 --help</translation>
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
        <translation>O</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Erde</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>%1 and its shadow on the disc</source>
        <translation>%1 mit Schatten auf der Scheibe</translation>
    </message>
    <message>
        <source>%1&apos;s shadow on the disc</source>
        <translation>Schatten von %1 auf der Scheibe</translation>
    </message>
    <message>
        <source>%1 behind the planet</source>
        <translation>%1 hinter dem Planeten</translation>
    </message>
    <message>
        <source>%1 dark in Jupiter&apos;s shadow</source>
        <translation>%1 verfinstert im Schatten Jupiters</translation>
    </message>
    <message>
        <source>%1 on the disc</source>
        <translation>%1 vor der Scheibe</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <comment>a moon, its distance east or west, and north or south</comment>
        <translation>%1 %2, %3</translation>
    </message>
    <message>
        <source>%1 radii west</source>
        <translation>%1 Radien westlich</translation>
    </message>
    <message>
        <source>%1 radii east</source>
        <translation>%1 Radien östlich</translation>
    </message>
    <message>
        <source>%1 north</source>
        <translation>%1 nördlich</translation>
    </message>
    <message>
        <source>%1 south</source>
        <translation>%1 südlich</translation>
    </message>
    <message>
        <source>the Great Red Spot near the central meridian</source>
        <translation>der Große Rote Fleck nahe dem Zentralmeridian</translation>
    </message>
    <message>
        <source>the Great Red Spot on the eastern half of the disc</source>
        <translation>der Große Rote Fleck auf der östlichen Scheibenhälfte</translation>
    </message>
    <message>
        <source>the Great Red Spot on the western half of the disc</source>
        <translation>der Große Rote Fleck auf der westlichen Scheibenhälfte</translation>
    </message>
</context>
<context>
    <name>window::ChartView</name>
    <message>
        <source>Month chart</source>
        <translation>Monatsdiagramm</translation>
    </message>
</context>
<context>
    <name>window::EventListModel</name>
    <message>
        <source>Not seen from here: Jupiter is %1 up, under %2</source>
        <translation>Von hier nicht sichtbar: Jupiterhöhe %1, unter %2</translation>
    </message>
    <message>
        <source>Not seen from here: the sky is too bright, the Sun is %1 up</source>
        <translation>Von hier nicht sichtbar: der Himmel ist zu hell, Sonnenhöhe %1</translation>
    </message>
    <message>
        <source>Not seen from anywhere</source>
        <translation>Nirgends sichtbar</translation>
    </message>
    <message>
        <source>, not seen from here</source>
        <translation>, von hier nicht sichtbar</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>Jupiter&apos;s altitude above the horizon</source>
        <translation>Höhe Jupiters über dem Horizont</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>The Sun&apos;s altitude: below -6° the sky is dark enough</source>
        <translation>Höhe der Sonne: unter -6° ist der Himmel dunkel genug</translation>
    </message>
</context>
<context>
    <name>window::EventsDialog</name>
    <message>
        <source>The window&apos;s date, %1, is outside the years %2 to %3 that events are computed for: the list starts on %4.
%5</source>
        <translation>Das Datum des Fensters, %1, liegt außerhalb der Jahre %2 bis %3, für die Ereignisse berechnet werden: Die Liste beginnt am %4.
%5</translation>
    </message>
    <message>
        <source>Where are you? The time zone does not say. Type your place&apos;s latitude and longitude above to see Jupiter&apos;s night there and which events you can see.</source>
        <translation>Wo sind Sie? Die Zeitzone verrät es nicht. Geben Sie oben Breite und Länge Ihres Ortes ein, um dort Jupiters Nacht und die sichtbaren Ereignisse zu sehen.</translation>
    </message>
    <message>
        <source>No events</source>
        <translation>Keine Ereignisse</translation>
    </message>
    <message>
        <source>1 event</source>
        <translation>1 Ereignis</translation>
    </message>
    <message>
        <source>%1 events</source>
        <translation>%1 Ereignisse</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 von %2 bis %3</translation>
    </message>
    <message>
        <source>Events are computed for the years %1 to %2; this span runs past them.</source>
        <translation>Ereignisse werden für die Jahre %1 bis %2 berechnet; dieser Zeitraum reicht darüber hinaus.</translation>
    </message>
    <message>
        <source>The place is unchanged: %1. Type the latitude, then the longitude, in degrees with N, S, E, W or signs, such as &quot;38.72 N, 9.14 W&quot; or &quot;38.72, -9.14&quot;.</source>
        <translation>Der Ort bleibt unverändert: %1. Geben Sie die Breite, dann die Länge in Grad ein, mit N, S, E, W oder Vorzeichen, etwa „38.72 N, 9.14 W“ oder „38.72, -9.14“.</translation>
    </message>
    <message>
        <source>Here</source>
        <translation>Hier</translation>
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
        <translation>Ereignisse speichern</translation>
    </message>
    <message>
        <source>The events could not be saved to %1:
%2</source>
        <translation>Die Ereignisse konnten nicht in %1 gespeichert werden:
%2</translation>
    </message>
</context>
<context>
    <name>window::JupiterPlot</name>
    <message>
        <source>Jupiter and its moons</source>
        <translation>Jupiter und seine Monde</translation>
    </message>
</context>
<context>
    <name>window::MonthChartWindow</name>
    <message>
        <source>Month chart</source>
        <translation>Monatsdiagramm</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <source>Month before</source>
        <translation>Vormonat</translation>
    </message>
    <message>
        <source>Month after</source>
        <translation>Folgemonat</translation>
    </message>
    <message>
        <source>Stretch time</source>
        <translation>Zeit strecken</translation>
    </message>
    <message>
        <source>Squeeze time</source>
        <translation>Zeit stauchen</translation>
    </message>
    <message>
        <source>The picker&apos;s month</source>
        <translation>Monat der Datumsauswahl</translation>
    </message>
    <message>
        <source>Red Spot marks</source>
        <translation>Marken des Roten Flecks</translation>
    </message>
    <message>
        <source>Mutual event marks</source>
        <translation>Marken gegenseitiger Ereignisse</translation>
    </message>
    <message>
        <source>The chart is drawn for the years %1 to %2 only</source>
        <translation>Das Diagramm wird nur für die Jahre %1 bis %2 gezeichnet</translation>
    </message>
    <message>
        <source>Month chart: %1</source>
        <translation>Monatsdiagramm: %1</translation>
    </message>
    <message>
        <source>%1 radii west</source>
        <translation>%1 Radien westlich</translation>
    </message>
    <message>
        <source>%1 radii east</source>
        <translation>%1 Radien östlich</translation>
    </message>
    <message>
        <source>%1, %2 days</source>
        <translation>%1, %2 Tage</translation>
    </message>
    <message>
        <source>; at %1, %2 %3</source>
        <translation>; am %1, %2 %3</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>; marked %1: %2</source>
        <translation>; markiert am %1: %2</translation>
    </message>
    <message>
        <source>there is no chart to print</source>
        <translation>es gibt kein Diagramm zum Drucken</translation>
    </message>
    <message>
        <source>the page could not be printed</source>
        <translation>die Seite konnte nicht gedruckt werden</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <translation>Drucken ist nicht verfügbar: %1</translation>
    </message>
    <message>
        <source>Jupiter&apos;s moons, %1</source>
        <translation>Jupitermonde, %1</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>Save the chart</source>
        <translation>Diagramm speichern</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2</source>
        <translation>Das Diagramm konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>window::TelescopeView</name>
    <message>
        <source>Telescope view</source>
        <translation>Teleskopansicht</translation>
    </message>
    <message>
        <source>Jupiter&apos;s view is drawn for the years 1600 to 2500 only</source>
        <translation>Die Jupiteransicht wird nur für die Jahre 1600 bis 2500 gezeichnet</translation>
    </message>
</context>
<context>
    <name>window::TelescopeWindow</name>
    <message>
        <source>Telescope view</source>
        <translation>Teleskopansicht</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>The whole system</source>
        <translation>Das ganze System</translation>
    </message>
</context>
</TS>
