<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ChartWording</name>
    <message>
        <source>Jupiter&apos;s moons, %1</source>
        <translation>Satellites de Jupiter, %1</translation>
    </message>
    <message>
        <source>SVG cannot be written: %1</source>
        <translation>Impossible d&apos;écrire le fichier SVG: %1</translation>
    </message>
    <message>
        <source>the picture could not be drawn</source>
        <translation>l&apos;image n&apos;a pas pu être dessinée</translation>
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
        <translation>Heure locale, %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Red Spot at %1° (System II)</source>
        <translation>Tache rouge à %1° (Système II)</translation>
    </message>
    <message>
        <source>Dotted: behind Jupiter or in its shadow · black on the disc: a moon&apos;s shadow</source>
        <translation>En pointillé: derrière Jupiter ou dans son ombre · noir sur le disque: l&apos;ombre d&apos;un satellite</translation>
    </message>
    <message>
        <source>◂: the Red Spot on the central meridian</source>
        <translation>◂: la Tache rouge au méridien central</translation>
    </message>
    <message>
        <source>Shaded: night (the Sun 12° down); more strongly: Jupiter 5° up or more as well</source>
        <translation>Grisé: la nuit (le Soleil à 12° sous l&apos;horizon); plus foncé: Jupiter, de plus, à 5° ou plus au-dessus de l&apos;horizon</translation>
    </message>
    <message>
        <source>No place is known, so the night is not shaded: set one in the events dialog, or give --where LAT,LON</source>
        <translation>Aucun lieu n&apos;est connu, la nuit n&apos;est donc pas grisée: choisissez-en un dans la fenêtre des phénomènes, ou donnez --where LAT,LON</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>radii</source>
        <translation>rayons</translation>
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
Sans --events, --offsets, --chart ni --view, Satrivox ouvre sa fenêtre
et accepte les options standard de Qt, comme -platform NAME, -style NAME,
-reverse et -qwindowgeometry WxH+X+Y; tout autre argument est signalé, avec
le code de sortie 2.
Une entrée erronée sur la ligne de commande (une option inconnue, une date
illisible ou hors des années couvertes, --days 0, un format inconnu, un
fichier impossible à écrire) est signalée en une ligne sur la sortie d&apos;erreur,
avec le code de sortie 2 et rien sur la sortie standard; --chart et --view ne
laissent alors aucun fichier, ni entier ni partiel.

Avec --chart, le mois va de 00:00 le premier jour à 24:00 le dernier jour, en
heure locale, de haut en bas de la page; en travers, l&apos;écart de chaque
satellite à l&apos;est ou à l&apos;ouest du disque de Jupiter, en pointillé quand il est
caché, et son ombre en trait sombre sur le disque. Le format suit l&apos;extension
du fichier: .pdf (A4, vectoriel), .svg, .png (1240 x 1754 pixels). --chart n&apos;a
pas besoin d&apos;affichage, --view non plus.

Avec --events ou --chart, le lieu de l&apos;observateur est --where, sinon le lieu
choisi dans la fenêtre des phénomènes, sinon la ville principale du fuseau
horaire (d&apos;après zone1970.tab): le lever de Jupiter, sa culmination et son
coucher en ce lieu, la nuit (le Soleil à 12 degrés sous l&apos;horizon), et pour
chaque phénomène la hauteur de Jupiter et celle du Soleil; un phénomène est
visible quand Jupiter est à 5 degrés ou plus au-dessus de l&apos;horizon et le
Soleil à 6 degrés ou plus au-dessous. La longitude de la Grande Tache rouge
est --grs-longitude, sinon celle choisie dans cette fenêtre, sinon %1 degrés.

Environnement:
  TZ               le fuseau horaire: une zone comme Europe/Paris, ou une
                   règle POSIX; non défini, celui du système
  QT_SCALE_FACTOR  agrandit la fenêtre et son tracé, par exemple 1.5
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                   la langue des textes et des noms de mois et de jours:
                   allemand, français, espagnol, italien ou portugais, sinon
                   anglais; les nombres ont toujours un point décimal, les
                   listes des dates ISO
  DISPLAY, WAYLAND_DISPLAY  l&apos;affichage sur lequel ouvrir la fenêtre
</translation>
    </message>
    <message>
        <source>List the moons&apos; transits, shadows, eclipses and occultations from WHEN.</source>
        <translation>Liste les passages des satellites et de leurs ombres, leurs éclipses et leurs occultations à partir de WHEN.</translation>
    </message>
    <message>
        <source>With --events: for N days, 1 to 731 (default 1). With --chart: 1 to 62 days from WHEN&apos;s date (default: WHEN&apos;s calendar month).</source>
        <translation>Avec --events: sur N jours, de 1 à 731 (par défaut 1). Avec --chart: de 1 à 62 jours à partir de la date de WHEN (par défaut: le mois civil de WHEN).</translation>
    </message>
    <message>
        <source>With --events: text (default), csv, or ics (an iCalendar file).</source>
        <translation>Avec --events: text (par défaut), csv ou ics (un fichier iCalendar).</translation>
    </message>
    <message>
        <source>With --events: add the events that cannot be seen, marked so.</source>
        <translation>Avec --events: ajoute les phénomènes invisibles, signalés comme tels.</translation>
    </message>
    <message>
        <source>Print the four offsets for WHEN as the window shows them (its &quot;Copy offsets&quot; line).</source>
        <translation>Affiche les quatre écarts à WHEN tels que la fenêtre les montre (sa ligne «&#xa0;Copier les écarts&#xa0;»).</translation>
    </message>
    <message>
        <source>With --offsets: from the precise theory, not the window&apos;s model.</source>
        <translation>Avec --offsets: d&apos;après la théorie précise, non le modèle de la fenêtre.</translation>
    </message>
    <message>
        <source>With --offsets: CSV, time,moon,arcmin,west_radii,north_radii.</source>
        <translation>Avec --offsets: en CSV, time,moon,arcmin,west_radii,north_radii.</translation>
    </message>
    <message>
        <source>Write times in UT instead of the local time of TZ.</source>
        <translation>Écrit les heures en UT au lieu de l&apos;heure locale de TZ.</translation>
    </message>
    <message>
        <source>With --events or --chart: the observer&apos;s latitude and longitude in degrees, north and east positive.</source>
        <translation>Avec --events ou --chart: la latitude et la longitude de l&apos;observateur en degrés, positives vers le nord et vers l&apos;est.</translation>
    </message>
    <message>
        <source>With --events: only what can be seen from the observer&apos;s place.</source>
        <translation>Avec --events: seulement ce qui est visible depuis le lieu de l&apos;observateur.</translation>
    </message>
    <message>
        <source>With --events or --chart: the Great Red Spot&apos;s System II longitude, 0 to 360.</source>
        <translation>Avec --events ou --chart: la longitude de la Grande Tache rouge dans le Système II, de 0 à 360.</translation>
    </message>
    <message>
        <source>With --events or --chart: leave out the Great Red Spot&apos;s transits.</source>
        <translation>Avec --events ou --chart: omet les passages de la Grande Tache rouge.</translation>
    </message>
    <message>
        <source>With --events: only the moons&apos; mutual occultations and eclipses.</source>
        <translation>Avec --events: seulement les occultations et les éclipses mutuelles des satellites.</translation>
    </message>
    <message>
        <source>Draw the moons&apos; chart of WHEN&apos;s month (YYYY-MM alone: that month; default: this month) into --output FILE: .pdf, .svg or .png, by its ending.</source>
        <translation>Dessine le diagramme des satellites du mois de WHEN (YYYY-MM seul: ce mois-là; par défaut: le mois en cours) dans --output FILE: .pdf, .svg ou .png, selon son extension.</translation>
    </message>
    <message>
        <source>Draw Jupiter as the telescope shows it at WHEN, its moons, their shadows on the disc and the Great Red Spot, into --output FILE: .png or .svg.</source>
        <translation>Dessine Jupiter tel que le télescope le montre à WHEN, ses satellites, leurs ombres sur le disque et la Grande Tache rouge, dans --output FILE: .png ou .svg.</translation>
    </message>
    <message>
        <source>With --chart or --view: the file to write.</source>
        <translation>Avec --chart ou --view: le fichier à écrire.</translation>
    </message>
    <message>
        <source>With --chart or --view: east and west swapped, as in a star diagonal.</source>
        <translation>Avec --chart ou --view: est et ouest inversés, comme avec un renvoi coudé.</translation>
    </message>
    <message>
        <source>With --chart: leave out the marks of the moons&apos; mutual events.</source>
        <translation>Avec --chart: omet les marques des phénomènes mutuels des satellites.</translation>
    </message>
    <message>
        <source>With --view: south up, as an inverting telescope shows it.</source>
        <translation>Avec --view: le sud en haut, comme le montre un télescope qui renverse l&apos;image.</translation>
    </message>
    <message>
        <source>With --view: the picture&apos;s size in pixels (default 800x600).</source>
        <translation>Avec --view: la taille de l&apos;image en pixels (par défaut 800x600).</translation>
    </message>
    <message>
        <source>With --view: the whole system (default) or the disc filling the picture.</source>
        <translation>Avec --view: le système entier (par défaut) ou le disque remplissant l&apos;image.</translation>
    </message>
    <message>
        <source>YYYY-MM-DD (that date&apos;s local noon: the night that follows it), YYYY-MM-DD HH:MM[:SS] (local time, as the window&apos;s picker), or ISO 8601 with Z or an offset; default: now.</source>
        <translation>YYYY-MM-DD (midi local de cette date: la nuit qui suit), YYYY-MM-DD HH:MM[:SS] (heure locale, comme le sélecteur de la fenêtre), ou ISO 8601 avec Z ou un décalage; par défaut: maintenant.</translation>
    </message>
    <message>
        <source>cannot read the date and time &apos;%1&apos;: %2 (expected YYYY-MM-DD, YYYY-MM-DD HH:MM[:SS], or ISO 8601 with Z or an offset)</source>
        <translation>impossible de lire la date et l&apos;heure «&#xa0;%1&#xa0;»: %2 (attendu: YYYY-MM-DD, YYYY-MM-DD HH:MM[:SS], ou ISO 8601 avec Z ou un décalage)</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <translation>%1 s&apos;emploie avec %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number of days from 1 to %2, not &apos;%3&apos;</source>
        <translation>%1 attend un nombre entier de jours de 1 à %2, pas «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>%1 takes a latitude and a longitude in degrees, such as 38.72,-9.14, not &apos;%2&apos;: %3</source>
        <translation>%1 attend une latitude et une longitude en degrés, comme 38.72,-9.14, pas «&#xa0;%2&#xa0;»: %3</translation>
    </message>
    <message>
        <source>%1 and %2 cannot go together</source>
        <translation>%1 et %2 sont incompatibles</translation>
    </message>
    <message>
        <source>%1 takes a longitude in degrees from 0 to 360, not &apos;%2&apos;</source>
        <translation>%1 attend une longitude en degrés de 0 à 360, pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 takes text, csv or ics, not &apos;%2&apos;</source>
        <translation>%1 attend text, csv ou ics, pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 is outside the years %2 to %3 that events are computed for</source>
        <translation>%1 est en dehors des années %2 à %3 pour lesquelles les phénomènes sont calculés</translation>
    </message>
    <message>
        <source>%1 days from %2 run past the end of %3, the last year events are computed for</source>
        <translation>%1 jour(s) à partir de %2 dépassent la fin de %3, dernière année pour laquelle les phénomènes sont calculés</translation>
    </message>
    <message>
        <source>%1 needs the observer&apos;s place, and the time zone %2 names none: give %3 LAT,LON</source>
        <translation>%1 a besoin du lieu de l&apos;observateur, et le fuseau horaire %2 n&apos;en indique aucun: donnez %3 LAT,LON</translation>
    </message>
    <message>
        <source>a day</source>
        <translation>un jour</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>No place is known (the time zone names none): --where LAT,LON gives one, for Jupiter&apos;s night and what can be seen.
</source>
        <translation>Aucun lieu n&apos;est connu (le fuseau horaire n&apos;en indique aucun): --where LAT,LON en donne un, pour la nuit de Jupiter et ce qui est visible.
</translation>
    </message>
    <message>
        <source>Events of Jupiter&apos;s moons from %1, for %2</source>
        <translation>Phénomènes des satellites de Jupiter à partir de %1, sur %2</translation>
    </message>
    <message>
        <source>No events.
</source>
        <translation>Aucun phénomène.
</translation>
    </message>
    <message>
        <source>precise offsets are computed for the years %1 to %2, not for %3</source>
        <translation>les écarts précis sont calculés pour les années %1 à %2, pas pour %3</translation>
    </message>
    <message>
        <source>the window shows the years 1601 to 9999, not %1</source>
        <translation>la fenêtre montre les années 1601 à 9999, pas %1</translation>
    </message>
    <message>
        <source>.pdf, .svg or .png</source>
        <translation>.pdf, .svg ou .png</translation>
    </message>
    <message>
        <source>.png or .svg</source>
        <translation>.png ou .svg</translation>
    </message>
    <message>
        <source>%1 needs %2 FILE, a %3</source>
        <translation>%1 a besoin de %2 FILE, au format %3</translation>
    </message>
    <message>
        <source>%1 writes a %2 file, not &apos;%3&apos;</source>
        <translation>%1 écrit un fichier %2, pas «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>the chart is drawn for the years %1 to %2, not for %3</source>
        <translation>le diagramme est dessiné pour les années %1 à %2, pas pour %3</translation>
    </message>
    <message>
        <source>cannot write the chart to &apos;%1&apos;: %2</source>
        <translation>impossible d&apos;écrire le diagramme dans «&#xa0;%1&#xa0;»: %2</translation>
    </message>
    <message>
        <source>%1 takes a width and a height in pixels, 100 to %2 each, such as 800x600, not &apos;%3&apos;</source>
        <translation>%1 attend une largeur et une hauteur en pixels, de 100 à %2 chacune, comme 800x600, pas «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>%1 takes system or disc, not &apos;%2&apos;</source>
        <translation>%1 attend system ou disc, pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>the view is drawn for the years %1 to %2, not for %3</source>
        <translation>la vue est dessinée pour les années %1 à %2, pas pour %3</translation>
    </message>
    <message>
        <source>Jupiter at %1</source>
        <translation>Jupiter le %1</translation>
    </message>
    <message>
        <source>cannot write the view to &apos;%1&apos;: %2</source>
        <translation>impossible d&apos;écrire la vue dans «&#xa0;%1&#xa0;»: %2</translation>
    </message>
    <message>
        <source>%1 goes with %2 or %3</source>
        <translation>%1 s&apos;emploie avec %2 ou %3</translation>
    </message>
</context>
<context>
    <name>EventWording</name>
    <message>
        <source>%1 starts to cross the disc</source>
        <translation>%1 commence son passage devant le disque</translation>
    </message>
    <message>
        <source>%1 finishes crossing the disc</source>
        <translation>%1 termine son passage devant le disque</translation>
    </message>
    <message>
        <source>%1&apos;s shadow starts to cross the disc</source>
        <translation>L&apos;ombre portée par %1 commence à traverser le disque</translation>
    </message>
    <message>
        <source>%1&apos;s shadow finishes crossing the disc</source>
        <translation>L&apos;ombre portée par %1 finit de traverser le disque</translation>
    </message>
    <message>
        <source>%1 disappears into Jupiter&apos;s shadow</source>
        <translation>%1 entre dans l&apos;ombre de Jupiter</translation>
    </message>
    <message>
        <source>%1 reappears from Jupiter&apos;s shadow</source>
        <translation>%1 sort de l&apos;ombre de Jupiter</translation>
    </message>
    <message>
        <source>%1 disappears behind Jupiter</source>
        <translation>%1 disparaît derrière Jupiter</translation>
    </message>
    <message>
        <source>%1 reappears from behind Jupiter</source>
        <translation>%1 réapparaît de derrière Jupiter</translation>
    </message>
    <message>
        <source>%1 passes in front of %2: %2 loses %3 of its light</source>
        <translation>%1 passe devant %2: %2 perd %3 de sa lumière</translation>
    </message>
    <message>
        <source>%1&apos;s shadow falls on %2: %2 loses %3 of its light</source>
        <translation>%1 projette son ombre sur %2: %2 perd %3 de sa lumière</translation>
    </message>
    <message>
        <source> near Jupiter&apos;s limb</source>
        <translation> près du limbe de Jupiter</translation>
    </message>
    <message>
        <source>; slow, its contacts cannot be timed</source>
        <translation>; lent, ses contacts ne peuvent pas être chronométrés</translation>
    </message>
    <message>
        <source>; slow, %1 min per 100 km</source>
        <translation>; lent, %1 min par 100 km</translation>
    </message>
    <message>
        <source>(unseen: behind Jupiter or in its shadow)</source>
        <translation>(invisible: derrière Jupiter ou dans son ombre)</translation>
    </message>
    <message>
        <source>Io</source>
        <translation>Io</translation>
    </message>
    <message>
        <source>Europa</source>
        <translation>Europe</translation>
    </message>
    <message>
        <source>Ganymede</source>
        <translation>Ganymède</translation>
    </message>
    <message>
        <source>Callisto</source>
        <translation>Callisto</translation>
    </message>
    <message>
        <source>(unseen: %1 is in Jupiter&apos;s shadow)</source>
        <translation>(invisible: %1 est dans l&apos;ombre de Jupiter)</translation>
    </message>
    <message>
        <source>(unseen: %1 is behind Jupiter)</source>
        <translation>(invisible: %1 est derrière Jupiter)</translation>
    </message>
    <message>
        <source>%1 crosses Jupiter</source>
        <translation>%1 passe devant Jupiter</translation>
    </message>
    <message>
        <source>%1&apos;s shadow crosses Jupiter</source>
        <translation>L&apos;ombre portée par %1 traverse Jupiter</translation>
    </message>
    <message>
        <source>%1 in Jupiter&apos;s shadow</source>
        <translation>%1 dans l&apos;ombre de Jupiter</translation>
    </message>
    <message>
        <source>%1 behind Jupiter</source>
        <translation>%1 derrière Jupiter</translation>
    </message>
    <message>
        <source>Jupiter rises</source>
        <translation>Jupiter se lève</translation>
    </message>
    <message>
        <source>Jupiter is highest in the sky</source>
        <translation>Jupiter culmine</translation>
    </message>
    <message>
        <source>Jupiter sets</source>
        <translation>Jupiter se couche</translation>
    </message>
    <message>
        <source>night falls: the Sun %1 degrees down</source>
        <translation>la nuit tombe: le Soleil à %1 degrés sous l&apos;horizon</translation>
    </message>
    <message>
        <source>night ends: the Sun %1 degrees down</source>
        <translation>fin de la nuit: le Soleil à %1 degrés sous l&apos;horizon</translation>
    </message>
    <message>
        <source>the Great Red Spot on the central meridian</source>
        <translation>la Grande Tache rouge au méridien central</translation>
    </message>
</context>
<context>
    <name>EventsDialog</name>
    <message>
        <source>Events of Jupiter&apos;s moons</source>
        <translation>Phénomènes des satellites de Jupiter</translation>
    </message>
    <message>
        <source>&amp;From noon on</source>
        <translation>À partir de &amp;midi le</translation>
    </message>
    <message>
        <source>From noon on</source>
        <translation>À partir de midi le</translation>
    </message>
    <message>
        <source>f&amp;or</source>
        <translation>&amp;sur</translation>
    </message>
    <message>
        <source>For</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>a night</source>
        <translation>une nuit</translation>
    </message>
    <message>
        <source>a week</source>
        <translation>une semaine</translation>
    </message>
    <message>
        <source>a month</source>
        <translation>un mois</translation>
    </message>
    <message>
        <source>&amp;Place</source>
        <translation>&amp;Lieu</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>The place&apos;s name, as the list should show it</source>
        <translation>Le nom du lieu, tel que la liste doit l&apos;afficher</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>&amp;at</source>
        <translation>&amp;par</translation>
    </message>
    <message>
        <source>Latitude and longitude</source>
        <translation>Latitude et longitude</translation>
    </message>
    <message>
        <source>Latitude and longitude in degrees, with N, S, E, W or signs (north and east positive); empty for the time zone&apos;s place</source>
        <translation>Latitude et longitude en degrés, avec N, S, E, W ou des signes (nord et est positifs); vide pour le lieu du fuseau horaire</translation>
    </message>
    <message>
        <source>Only events while Jupiter is at least 5° up and the Sun at least 6° down</source>
        <translation>Seulement les phénomènes où Jupiter est à au moins 5° au-dessus de l&apos;horizon et le Soleil à au moins 6° au-dessous</translation>
    </message>
    <message>
        <source>Only what I can &amp;see</source>
        <translation>Seulement ce que je peux &amp;voir</translation>
    </message>
    <message>
        <source>Great &amp;Red Spot at</source>
        <translation>&amp;Grande Tache rouge à</translation>
    </message>
    <message>
        <source>Great Red Spot&apos;s longitude, System II</source>
        <translation>Longitude de la Grande Tache rouge, Système II</translation>
    </message>
    <message>
        <source>The Great Red Spot&apos;s longitude in System II, as observers currently publish it; it drifts a degree or two a month</source>
        <translation>La longitude de la Grande Tache rouge dans le Système II, telle que les observateurs la publient actuellement; elle dérive d&apos;un degré ou deux par mois</translation>
    </message>
    <message>
        <source>° (System II)</source>
        <translation>° (Système II)</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Phénomènes</translation>
    </message>
    <message>
        <source>Set the window to the chosen event&apos;s instant and plot it (Enter, or a double-click)</source>
        <translation>Règle la fenêtre sur l&apos;instant du phénomène choisi et le trace (Entrée, ou un double-clic)</translation>
    </message>
    <message>
        <source>&amp;Show in the window</source>
        <translation>&amp;Afficher dans la fenêtre</translation>
    </message>
    <message>
        <source>Copy the chosen events, or all of them, as text (Ctrl+C)</source>
        <translation>Copie les phénomènes choisis, ou tous, en texte (Ctrl+C)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Save the list as CSV or as an iCalendar file</source>
        <translation>Enregistre la liste en CSV ou en fichier iCalendar</translation>
    </message>
    <message>
        <source>S&amp;ave…</source>
        <translation>&amp;Enregistrer…</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Plot</source>
        <translation>Tracer</translation>
    </message>
    <message>
        <source>Date and time to plot</source>
        <translation>Date et heure à tracer</translation>
    </message>
    <message>
        <source>Animation step in minutes</source>
        <translation>Pas de l&apos;animation en minutes</translation>
    </message>
    <message>
        <source>Animate:</source>
        <translation>Animer:</translation>
    </message>
    <message>
        <source>Animate</source>
        <translation>Animer</translation>
    </message>
    <message>
        <source>minutes every 100 ms</source>
        <translation>minutes par 100 ms</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
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
        <translation>Europe</translation>
    </message>
    <message>
        <source>Europa:</source>
        <translation>Europe:</translation>
    </message>
    <message>
        <source>Ganymede</source>
        <translation>Ganymède</translation>
    </message>
    <message>
        <source>Ganymede:</source>
        <translation>Ganymède:</translation>
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
        <translation>Minutes d&apos;arc</translation>
    </message>
    <message>
        <source>Io offset in arcminutes</source>
        <translation>Écart d&apos;Io en minutes d&apos;arc</translation>
    </message>
    <message>
        <source>Europa offset in arcminutes</source>
        <translation>Écart d&apos;Europe en minutes d&apos;arc</translation>
    </message>
    <message>
        <source>Ganymede offset in arcminutes</source>
        <translation>Écart de Ganymède en minutes d&apos;arc</translation>
    </message>
    <message>
        <source>Callisto offset in arcminutes</source>
        <translation>Écart de Callisto en minutes d&apos;arc</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>Track Now</source>
        <translation>Suivre</translation>
    </message>
    <message>
        <source>Jupiter picture</source>
        <translation>Image de Jupiter</translation>
    </message>
    <message>
        <source>Picture of Jupiter</source>
        <translation>Image de Jupiter</translation>
    </message>
    <message>
        <source>Mirror east and west</source>
        <translation>Inverser est et ouest</translation>
    </message>
    <message>
        <source>Night colours</source>
        <translation>Couleurs de nuit</translation>
    </message>
    <message>
        <source>Moon names</source>
        <translation>Noms des satellites</translation>
    </message>
    <message>
        <source>Precise positions</source>
        <translation>Positions précises</translation>
    </message>
    <message>
        <source>Copy offsets</source>
        <translation>Copier les écarts</translation>
    </message>
    <message>
        <source>Events…</source>
        <translation>Phénomènes…</translation>
    </message>
    <message>
        <source>Telescope view…</source>
        <translation>Vue au télescope…</translation>
    </message>
    <message>
        <source>South up</source>
        <translation>Sud en haut</translation>
    </message>
    <message>
        <source>Month chart…</source>
        <translation>Diagramme mensuel…</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>%1, %2 arcminutes</source>
        <translation>%1, %2 minutes d&apos;arc</translation>
    </message>
    <message>
        <source>From left to right: %1</source>
        <translation>De gauche à droite: %1</translation>
    </message>
    <message>
        <source>The animation has reached the start of the date range, %1, and has stopped.</source>
        <translation>L&apos;animation a atteint le début de la plage de dates, %1, et s&apos;est arrêtée.</translation>
    </message>
    <message>
        <source>The animation has reached the end of the date range, %1, and has stopped.</source>
        <translation>L&apos;animation a atteint la fin de la plage de dates, %1, et s&apos;est arrêtée.</translation>
    </message>
    <message>
        <source>The moons could not be plotted for this instant, and any animation or tracking has stopped.

%1</source>
        <translation>Les satellites n&apos;ont pas pu être tracés pour cet instant; toute animation ou tout suivi est arrêté.

%1</translation>
    </message>
</context>
<context>
    <name>ObservingLog</name>
    <message>
        <source> (deepest %1, over %2)</source>
        <translation> (maximum à %1, fin à %2)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Fuseau</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Phénomène</translation>
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
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Seen</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>%1 %2 UT: %3</source>
        <translation>%1 %2 UT: %3</translation>
    </message>
    <message>
        <source>night from %1 to %2 (the Sun %3 degrees down)</source>
        <translation>nuit de %1 à %2 (le Soleil à %3 degrés sous l&apos;horizon)</translation>
    </message>
    <message>
        <source>dark all day (the Sun more than %1 degrees down)</source>
        <translation>nuit toute la journée (le Soleil à plus de %1 degrés sous l&apos;horizon)</translation>
    </message>
    <message>
        <source>no night (the Sun not %1 degrees down)</source>
        <translation>pas de nuit (le Soleil ne descend pas à %1 degrés sous l&apos;horizon)</translation>
    </message>
    <message>
        <source>night falls or ends, not both, within the day</source>
        <translation>la nuit commence ou finit, pas les deux, dans la journée</translation>
    </message>
    <message>
        <source>rises %1</source>
        <translation>se lève à %1</translation>
    </message>
    <message>
        <source>is highest %1 at %2</source>
        <translation>culmine à %1 à %2 de hauteur</translation>
    </message>
    <message>
        <source>sets %1</source>
        <translation>se couche à %1</translation>
    </message>
    <message>
        <source>never sets</source>
        <translation>ne se couche pas</translation>
    </message>
    <message>
        <source>does not rise</source>
        <translation>ne se lève pas</translation>
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
Jupiter %3; %4″ de diamètre, magnitude %5.
</translation>
    </message>
    <message>
        <source>arcmin</source>
        <translation>min d&apos;arc</translation>
    </message>
    <message>
        <source>precise</source>
        <translation>précis</translation>
    </message>
    <message>
        <source>%1 in progress</source>
        <translation>%1 en cours</translation>
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
        <translation>Z ou un décalage comme +01:00 attendu après l&apos;heure</translation>
    </message>
    <message>
        <source>expected an offset as +HH:MM, +HHMM or +HH</source>
        <translation>décalage attendu sous la forme +HH:MM, +HHMM ou +HH</translation>
    </message>
    <message>
        <source>there is no offset of %1</source>
        <translation>il n&apos;existe pas de décalage de %1</translation>
    </message>
    <message>
        <source>expected a date as YYYY-MM-DD</source>
        <translation>date attendue sous la forme YYYY-MM-DD</translation>
    </message>
    <message>
        <source>there is no month %1</source>
        <translation>il n&apos;existe pas de mois %1</translation>
    </message>
    <message>
        <source>there is no day %1 in %2</source>
        <translation>il n&apos;existe pas de jour %1 en %2</translation>
    </message>
    <message>
        <source>expected a space or T between the date and the time</source>
        <translation>espace ou T attendu entre la date et l&apos;heure</translation>
    </message>
    <message>
        <source>expected a time as HH:MM or HH:MM:SS</source>
        <translation>heure attendue sous la forme HH:MM ou HH:MM:SS</translation>
    </message>
    <message>
        <source>expected seconds as SS or SS.fff</source>
        <translation>secondes attendues sous la forme SS ou SS.fff</translation>
    </message>
    <message>
        <source>there is no time %1</source>
        <translation>il n&apos;existe pas d&apos;heure %1</translation>
    </message>
    <message>
        <source>unexpected text after the time</source>
        <translation>texte inattendu après l&apos;heure</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of degrees</source>
        <translation>« %1 » n&apos;est pas un nombre de degrés</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has both a sign and a letter</source>
        <translation>« %1 » a à la fois un signe et une lettre</translation>
    </message>
    <message>
        <source>expected a latitude and a longitude, such as 38.72,-9.14 or 38.72 N 9.14 W</source>
        <translation>latitude et longitude attendues, comme 38.72,-9.14 ou 38.72 N 9.14 W</translation>
    </message>
    <message>
        <source>the latitude takes N or S and the longitude E or W</source>
        <translation>la latitude prend N ou S et la longitude E ou W</translation>
    </message>
    <message>
        <source>a latitude is at most 90 degrees and a longitude at most 180</source>
        <translation>une latitude vaut au plus 90 degrés et une longitude au plus 180</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>cannot open the display %1</source>
        <translation>impossible d&apos;ouvrir l&apos;affichage %1</translation>
    </message>
    <message>
        <source>no display to open the window on (%1 is not set)</source>
        <translation>aucun affichage où ouvrir la fenêtre (%1 n&apos;est pas défini)</translation>
    </message>
    <message>
        <source>run it on a desktop, or under a virtual one: xvfb-run -a %1</source>
        <translation>lancez-le sur un bureau, ou dans un bureau virtuel: xvfb-run -a %1</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;; see %2 --help</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»; voir %2 --help</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see %2 --help</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»; voir %2 --help</translation>
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
        <translation>Terre</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>%1 and its shadow on the disc</source>
        <translation>%1 et son ombre sur le disque</translation>
    </message>
    <message>
        <source>%1&apos;s shadow on the disc</source>
        <translation>l&apos;ombre portée par %1 sur le disque</translation>
    </message>
    <message>
        <source>%1 behind the planet</source>
        <translation>%1 derrière la planète</translation>
    </message>
    <message>
        <source>%1 dark in Jupiter&apos;s shadow</source>
        <translation>%1 invisible dans l&apos;ombre de Jupiter</translation>
    </message>
    <message>
        <source>%1 on the disc</source>
        <translation>%1 sur le disque</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <comment>a moon, its distance east or west, and north or south</comment>
        <translation>%1 %2, %3</translation>
    </message>
    <message>
        <source>%1 radii west</source>
        <translation>%1 rayons à l&apos;ouest</translation>
    </message>
    <message>
        <source>%1 radii east</source>
        <translation>%1 rayons à l&apos;est</translation>
    </message>
    <message>
        <source>%1 north</source>
        <translation>%1 au nord</translation>
    </message>
    <message>
        <source>%1 south</source>
        <translation>%1 au sud</translation>
    </message>
    <message>
        <source>the Great Red Spot near the central meridian</source>
        <translation>la Grande Tache rouge près du méridien central</translation>
    </message>
    <message>
        <source>the Great Red Spot on the eastern half of the disc</source>
        <translation>la Grande Tache rouge sur la moitié est du disque</translation>
    </message>
    <message>
        <source>the Great Red Spot on the western half of the disc</source>
        <translation>la Grande Tache rouge sur la moitié ouest du disque</translation>
    </message>
</context>
<context>
    <name>window::ChartView</name>
    <message>
        <source>Month chart</source>
        <translation>Diagramme mensuel</translation>
    </message>
</context>
<context>
    <name>window::EventListModel</name>
    <message>
        <source>Not seen from here: Jupiter is %1 up, under %2</source>
        <translation>Non visible d&apos;ici: Jupiter est à %1 de hauteur, moins de %2</translation>
    </message>
    <message>
        <source>Not seen from here: the sky is too bright, the Sun is %1 up</source>
        <translation>Non visible d&apos;ici: le ciel est trop clair, le Soleil est à %1 de hauteur</translation>
    </message>
    <message>
        <source>Not seen from anywhere</source>
        <translation>Visible de nulle part</translation>
    </message>
    <message>
        <source>, not seen from here</source>
        <translation>, non visible d&apos;ici</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Phénomène</translation>
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
        <translation>Hauteur de Jupiter au-dessus de l&apos;horizon</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>The Sun&apos;s altitude: below -6° the sky is dark enough</source>
        <translation>Hauteur du Soleil: en dessous de -6° le ciel est assez sombre</translation>
    </message>
</context>
<context>
    <name>window::EventsDialog</name>
    <message>
        <source>The window&apos;s date, %1, is outside the years %2 to %3 that events are computed for: the list starts on %4.
%5</source>
        <translation>La date de la fenêtre, %1, est en dehors des années %2 à %3 pour lesquelles les phénomènes sont calculés: la liste commence le %4.
%5</translation>
    </message>
    <message>
        <source>Where are you? The time zone does not say. Type your place&apos;s latitude and longitude above to see Jupiter&apos;s night there and which events you can see.</source>
        <translation>Où êtes-vous? Le fuseau horaire ne le dit pas. Tapez ci-dessus la latitude et la longitude de votre lieu pour voir la nuit de Jupiter à cet endroit et les phénomènes que vous pouvez voir.</translation>
    </message>
    <message>
        <source>No events</source>
        <translation>Aucun phénomène</translation>
    </message>
    <message>
        <source>1 event</source>
        <translation>1 phénomène</translation>
    </message>
    <message>
        <source>%1 events</source>
        <translation>%1 phénomènes</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 du %2 au %3</translation>
    </message>
    <message>
        <source>Events are computed for the years %1 to %2; this span runs past them.</source>
        <translation>Les phénomènes sont calculés pour les années %1 à %2; cette période les dépasse.</translation>
    </message>
    <message>
        <source>The place is unchanged: %1. Type the latitude, then the longitude, in degrees with N, S, E, W or signs, such as &quot;38.72 N, 9.14 W&quot; or &quot;38.72, -9.14&quot;.</source>
        <translation>Le lieu n&apos;a pas changé: %1. Tapez la latitude, puis la longitude, en degrés avec N, S, E, W ou des signes, comme «&#xa0;38.72 N, 9.14 W&#xa0;» ou «&#xa0;38.72, -9.14&#xa0;».</translation>
    </message>
    <message>
        <source>Here</source>
        <translation>Ici</translation>
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
        <translation>Enregistrer les phénomènes</translation>
    </message>
    <message>
        <source>The events could not be saved to %1:
%2</source>
        <translation>Les phénomènes n&apos;ont pas pu être enregistrés dans %1:
%2</translation>
    </message>
</context>
<context>
    <name>window::JupiterPlot</name>
    <message>
        <source>Jupiter and its moons</source>
        <translation>Jupiter et ses satellites</translation>
    </message>
</context>
<context>
    <name>window::MonthChartWindow</name>
    <message>
        <source>Month chart</source>
        <translation>Diagramme mensuel</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Month before</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Month after</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Stretch time</source>
        <translation>Étirer le temps</translation>
    </message>
    <message>
        <source>Squeeze time</source>
        <translation>Resserrer le temps</translation>
    </message>
    <message>
        <source>The picker&apos;s month</source>
        <translation>Le mois du sélecteur</translation>
    </message>
    <message>
        <source>Red Spot marks</source>
        <translation>Marques de la Tache rouge</translation>
    </message>
    <message>
        <source>Mutual event marks</source>
        <translation>Marques des phénomènes mutuels</translation>
    </message>
    <message>
        <source>The chart is drawn for the years %1 to %2 only</source>
        <translation>Le diagramme n&apos;est dessiné que pour les années %1 à %2</translation>
    </message>
    <message>
        <source>Month chart: %1</source>
        <translation>Diagramme mensuel: %1</translation>
    </message>
    <message>
        <source>%1 radii west</source>
        <translation>%1 rayons à l&apos;ouest</translation>
    </message>
    <message>
        <source>%1 radii east</source>
        <translation>%1 rayons à l&apos;est</translation>
    </message>
    <message>
        <source>%1, %2 days</source>
        <translation>%1, %2 jours</translation>
    </message>
    <message>
        <source>; at %1, %2 %3</source>
        <translation>; à %1, %2 %3</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>; marked %1: %2</source>
        <translation>; instant marqué %1: %2</translation>
    </message>
    <message>
        <source>there is no chart to print</source>
        <translation>il n&apos;y a pas de diagramme à imprimer</translation>
    </message>
    <message>
        <source>the page could not be printed</source>
        <translation>la page n&apos;a pas pu être imprimée</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <translation>L&apos;impression n&apos;est pas disponible: %1</translation>
    </message>
    <message>
        <source>Jupiter&apos;s moons, %1</source>
        <translation>Satellites de Jupiter, %1</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>Image SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>Save the chart</source>
        <translation>Enregistrer le diagramme</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2</source>
        <translation>Le diagramme n&apos;a pas pu être enregistré dans %1: %2</translation>
    </message>
</context>
<context>
    <name>window::TelescopeView</name>
    <message>
        <source>Telescope view</source>
        <translation>Vue au télescope</translation>
    </message>
    <message>
        <source>Jupiter&apos;s view is drawn for the years 1600 to 2500 only</source>
        <translation>La vue de Jupiter n&apos;est dessinée que pour les années 1600 à 2500</translation>
    </message>
</context>
<context>
    <name>window::TelescopeWindow</name>
    <message>
        <source>Telescope view</source>
        <translation>Vue au télescope</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>The whole system</source>
        <translation>Le système entier</translation>
    </message>
</context>
</TS>
