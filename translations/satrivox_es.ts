<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ChartWording</name>
    <message>
        <source>Jupiter&apos;s moons, %1</source>
        <translation>Satélites de Júpiter, %1</translation>
    </message>
    <message>
        <source>SVG cannot be written: %1</source>
        <translation>No se puede escribir el SVG: %1</translation>
    </message>
    <message>
        <source>the picture could not be drawn</source>
        <translation>no se pudo dibujar la imagen</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>a day of the chart&apos;s span: Qt&apos;s date format</comment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <comment>the chart&apos;s first and last days</comment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>Local time, %1</source>
        <translation>Hora local, %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Red Spot at %1° (System II)</source>
        <translation>Mancha Roja en %1° (Sistema II)</translation>
    </message>
    <message>
        <source>Dotted: behind Jupiter or in its shadow · black on the disc: a moon&apos;s shadow</source>
        <translation>Punteado: detrás de Júpiter o en su sombra · negro sobre el disco: la sombra de un satélite</translation>
    </message>
    <message>
        <source>◂: the Red Spot on the central meridian</source>
        <translation>◂: la Mancha Roja en el meridiano central</translation>
    </message>
    <message>
        <source>Shaded: night (the Sun 12° down); more strongly: Jupiter 5° up or more as well</source>
        <translation>Sombreado: noche (el Sol 12° bajo el horizonte); más intenso: además, Júpiter a 5° o más sobre el horizonte</translation>
    </message>
    <message>
        <source>No place is known, so the night is not shaded: set one in the events dialog, or give --where LAT,LON</source>
        <translation>No se conoce ningún lugar, así que la noche no aparece sombreada: fije uno en el diálogo de fenómenos o indique --where LAT,LON</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>radii</source>
        <translation>radios</translation>
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
Sin --events, --offsets, --chart ni --view, Satrivox abre su ventana y acepta
las opciones estándar de Qt, como -platform NAME, -style NAME, -reverse y
-qwindowgeometry WxH+X+Y; cualquier otro argumento se señala, con estado de
salida 2.
Una entrada errónea en la línea de comandos (una opción desconocida, una fecha
que no puede leer o fuera de los años que abarca, --days 0, un formato
desconocido, un archivo que no puede escribir) se señala en una línea en la
salida de error estándar, con estado 2 y nada en la salida estándar; --chart y
--view no dejan entonces ningún archivo, ni completo ni parcial.

Con --chart, el mes va de las 00:00 de su primer día a las 24:00 de su último
día, en hora local, de arriba abajo de la página; a lo ancho, la separación de
cada satélite al este o al oeste del disco de Júpiter, punteada mientras está
oculto, y su sombra como un trazo oscuro sobre el disco. El formato lo indica
la extensión del archivo: .pdf (A4, vectorial), .svg, .png (1240 x 1754
píxeles). No necesita pantalla, como tampoco --view.

Con --events o --chart, el lugar del observador es --where; si no, el lugar
fijado en el diálogo de fenómenos de la ventana; si no, la ciudad principal de
la zona horaria (según zone1970.tab): allí, la salida, la culminación y la
puesta de Júpiter, la noche (el Sol 12 grados bajo el horizonte) y, para cada
fenómeno, la altura de Júpiter y la del Sol; un fenómeno es observable cuando
Júpiter está al menos 5 grados sobre el horizonte y el Sol al menos 6 grados
por debajo. La Gran Mancha Roja usa --grs-longitude; si no, la longitud
fijada en el diálogo; si no, %1 grados.

Entorno:
  TZ               la zona horaria: una zona como Europe/Paris, o una regla
                   POSIX; sin definir, la zona del sistema
  QT_SCALE_FACTOR  escala la ventana y su gráfico, por ejemplo 1.5
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                   el idioma de los textos y de los nombres de meses y días:
                   alemán, francés, español, italiano o portugués; si no,
                   inglés; los números siempre usan punto decimal y las listas,
                   fechas ISO
  DISPLAY, WAYLAND_DISPLAY  la pantalla en la que abrir la ventana
</translation>
    </message>
    <message>
        <source>List the moons&apos; transits, shadows, eclipses and occultations from WHEN.</source>
        <translation>Lista los tránsitos, sombras, eclipses y ocultaciones de los satélites desde WHEN.</translation>
    </message>
    <message>
        <source>With --events: for N days, 1 to 731 (default 1). With --chart: 1 to 62 days from WHEN&apos;s date (default: WHEN&apos;s calendar month).</source>
        <translation>Con --events: durante N días, de 1 a 731 (por omisión, 1). Con --chart: de 1 a 62 días desde la fecha de WHEN (por omisión, el mes natural de WHEN).</translation>
    </message>
    <message>
        <source>With --events: text (default), csv, or ics (an iCalendar file).</source>
        <translation>Con --events: text (por omisión), csv o ics (un archivo iCalendar).</translation>
    </message>
    <message>
        <source>With --events: add the events that cannot be seen, marked so.</source>
        <translation>Con --events: añade los fenómenos que no se pueden ver, marcados como tales.</translation>
    </message>
    <message>
        <source>Print the four offsets for WHEN as the window shows them (its &quot;Copy offsets&quot; line).</source>
        <translation>Muestra las cuatro separaciones en WHEN tal como las presenta la ventana (su línea «Copiar separaciones»).</translation>
    </message>
    <message>
        <source>With --offsets: from the precise theory, not the window&apos;s model.</source>
        <translation>Con --offsets: según la teoría precisa, no el modelo de la ventana.</translation>
    </message>
    <message>
        <source>With --offsets: CSV, time,moon,arcmin,west_radii,north_radii.</source>
        <translation>Con --offsets: CSV, time,moon,arcmin,west_radii,north_radii.</translation>
    </message>
    <message>
        <source>Write times in UT instead of the local time of TZ.</source>
        <translation>Escribe las horas en UT en lugar de la hora local de TZ.</translation>
    </message>
    <message>
        <source>With --events or --chart: the observer&apos;s latitude and longitude in degrees, north and east positive.</source>
        <translation>Con --events o --chart: la latitud y la longitud del observador en grados, positivas al norte y al este.</translation>
    </message>
    <message>
        <source>With --events: only what can be seen from the observer&apos;s place.</source>
        <translation>Con --events: solo lo que se puede ver desde el lugar del observador.</translation>
    </message>
    <message>
        <source>With --events or --chart: the Great Red Spot&apos;s System II longitude, 0 to 360.</source>
        <translation>Con --events o --chart: la longitud de la Gran Mancha Roja en el Sistema II, de 0 a 360.</translation>
    </message>
    <message>
        <source>With --events or --chart: leave out the Great Red Spot&apos;s transits.</source>
        <translation>Con --events o --chart: omite los tránsitos de la Gran Mancha Roja.</translation>
    </message>
    <message>
        <source>With --events: only the moons&apos; mutual occultations and eclipses.</source>
        <translation>Con --events: solo las ocultaciones y los eclipses mutuos de los satélites.</translation>
    </message>
    <message>
        <source>Draw the moons&apos; chart of WHEN&apos;s month (YYYY-MM alone: that month; default: this month) into --output FILE: .pdf, .svg or .png, by its ending.</source>
        <translation>Dibuja el gráfico de los satélites del mes de WHEN (YYYY-MM solo: ese mes; por omisión: este mes) en --output FILE: .pdf, .svg o .png, según su extensión.</translation>
    </message>
    <message>
        <source>Draw Jupiter as the telescope shows it at WHEN, its moons, their shadows on the disc and the Great Red Spot, into --output FILE: .png or .svg.</source>
        <translation>Dibuja Júpiter tal como lo muestra el telescopio en WHEN, con sus satélites, sus sombras sobre el disco y la Gran Mancha Roja, en --output FILE: .png o .svg.</translation>
    </message>
    <message>
        <source>With --chart or --view: the file to write.</source>
        <translation>Con --chart o --view: el archivo que se escribe.</translation>
    </message>
    <message>
        <source>With --chart or --view: east and west swapped, as in a star diagonal.</source>
        <translation>Con --chart o --view: este y oeste intercambiados, como con un espejo diagonal.</translation>
    </message>
    <message>
        <source>With --chart: leave out the marks of the moons&apos; mutual events.</source>
        <translation>Con --chart: omite las marcas de los fenómenos mutuos de los satélites.</translation>
    </message>
    <message>
        <source>With --view: south up, as an inverting telescope shows it.</source>
        <translation>Con --view: el sur arriba, como lo muestra un telescopio que invierte la imagen.</translation>
    </message>
    <message>
        <source>With --view: the picture&apos;s size in pixels (default 800x600).</source>
        <translation>Con --view: el tamaño de la imagen en píxeles (por omisión, 800x600).</translation>
    </message>
    <message>
        <source>With --view: the whole system (default) or the disc filling the picture.</source>
        <translation>Con --view: todo el sistema (por omisión) o el disco llenando la imagen.</translation>
    </message>
    <message>
        <source>YYYY-MM-DD (that date&apos;s local noon: the night that follows it), YYYY-MM-DD HH:MM[:SS] (local time, as the window&apos;s picker), or ISO 8601 with Z or an offset; default: now.</source>
        <translation>YYYY-MM-DD (el mediodía local de esa fecha: la noche que le sigue), YYYY-MM-DD HH:MM[:SS] (hora local, como en el selector de la ventana) o ISO 8601 con Z o un desfase horario; por omisión: ahora.</translation>
    </message>
    <message>
        <source>cannot read the date and time &apos;%1&apos;: %2 (expected YYYY-MM-DD, YYYY-MM-DD HH:MM[:SS], or ISO 8601 with Z or an offset)</source>
        <translation>no se puede leer la fecha y hora &apos;%1&apos;: %2 (se esperaba YYYY-MM-DD, YYYY-MM-DD HH:MM[:SS] o ISO 8601 con Z o un desfase horario)</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <translation>%1 solo se usa con %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number of days from 1 to %2, not &apos;%3&apos;</source>
        <translation>%1 admite un número entero de días de 1 a %2, no &apos;%3&apos;</translation>
    </message>
    <message>
        <source>%1 takes a latitude and a longitude in degrees, such as 38.72,-9.14, not &apos;%2&apos;: %3</source>
        <translation>%1 admite una latitud y una longitud en grados, como 38.72,-9.14, no &apos;%2&apos;: %3</translation>
    </message>
    <message>
        <source>%1 and %2 cannot go together</source>
        <translation>%1 y %2 no pueden usarse juntas</translation>
    </message>
    <message>
        <source>%1 takes a longitude in degrees from 0 to 360, not &apos;%2&apos;</source>
        <translation>%1 admite una longitud en grados de 0 a 360, no &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 takes text, csv or ics, not &apos;%2&apos;</source>
        <translation>%1 admite text, csv o ics, no &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 is outside the years %2 to %3 that events are computed for</source>
        <translation>%1 está fuera de los años %2 a %3 para los que se calculan los fenómenos</translation>
    </message>
    <message>
        <source>%1 days from %2 run past the end of %3, the last year events are computed for</source>
        <translation>%1 días a partir de %2 sobrepasan el final de %3, el último año para el que se calculan los fenómenos</translation>
    </message>
    <message>
        <source>%1 needs the observer&apos;s place, and the time zone %2 names none: give %3 LAT,LON</source>
        <translation>%1 necesita el lugar del observador, y la zona horaria %2 no indica ninguno: indíquelo con %3 LAT,LON</translation>
    </message>
    <message>
        <source>a day</source>
        <translation>un día</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message>
        <source>No place is known (the time zone names none): --where LAT,LON gives one, for Jupiter&apos;s night and what can be seen.
</source>
        <translation>No se conoce ningún lugar (la zona horaria no indica ninguno): --where LAT,LON indica uno, para la noche de Júpiter y lo que se puede ver.
</translation>
    </message>
    <message>
        <source>Events of Jupiter&apos;s moons from %1, for %2</source>
        <translation>Fenómenos de los satélites de Júpiter desde %1, durante %2</translation>
    </message>
    <message>
        <source>No events.
</source>
        <translation>Ningún fenómeno.
</translation>
    </message>
    <message>
        <source>precise offsets are computed for the years %1 to %2, not for %3</source>
        <translation>las separaciones precisas se calculan para los años %1 a %2, no para %3</translation>
    </message>
    <message>
        <source>the window shows the years 1601 to 9999, not %1</source>
        <translation>la ventana muestra los años 1601 a 9999, no %1</translation>
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
        <translation>%1 necesita %2 FILE, un archivo %3</translation>
    </message>
    <message>
        <source>%1 writes a %2 file, not &apos;%3&apos;</source>
        <translation>%1 escribe un archivo %2, no &apos;%3&apos;</translation>
    </message>
    <message>
        <source>the chart is drawn for the years %1 to %2, not for %3</source>
        <translation>el gráfico se dibuja para los años %1 a %2, no para %3</translation>
    </message>
    <message>
        <source>cannot write the chart to &apos;%1&apos;: %2</source>
        <translation>no se puede escribir el gráfico en &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>%1 takes a width and a height in pixels, 100 to %2 each, such as 800x600, not &apos;%3&apos;</source>
        <translation>%1 admite un ancho y un alto en píxeles, de 100 a %2 cada uno, como 800x600, no &apos;%3&apos;</translation>
    </message>
    <message>
        <source>%1 takes system or disc, not &apos;%2&apos;</source>
        <translation>%1 admite system o disc, no &apos;%2&apos;</translation>
    </message>
    <message>
        <source>the view is drawn for the years %1 to %2, not for %3</source>
        <translation>la vista se dibuja para los años %1 a %2, no para %3</translation>
    </message>
    <message>
        <source>Jupiter at %1</source>
        <translation>Júpiter, %1</translation>
    </message>
    <message>
        <source>cannot write the view to &apos;%1&apos;: %2</source>
        <translation>no se puede escribir la vista en &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>%1 goes with %2 or %3</source>
        <translation>%1 solo se usa con %2 o %3</translation>
    </message>
</context>
<context>
    <name>EventWording</name>
    <message>
        <source>%1 starts to cross the disc</source>
        <translation>%1 comienza a cruzar el disco</translation>
    </message>
    <message>
        <source>%1 finishes crossing the disc</source>
        <translation>%1 termina de cruzar el disco</translation>
    </message>
    <message>
        <source>%1&apos;s shadow starts to cross the disc</source>
        <translation>La sombra de %1 comienza a cruzar el disco</translation>
    </message>
    <message>
        <source>%1&apos;s shadow finishes crossing the disc</source>
        <translation>La sombra de %1 termina de cruzar el disco</translation>
    </message>
    <message>
        <source>%1 disappears into Jupiter&apos;s shadow</source>
        <translation>%1 desaparece en la sombra de Júpiter</translation>
    </message>
    <message>
        <source>%1 reappears from Jupiter&apos;s shadow</source>
        <translation>%1 reaparece al salir de la sombra de Júpiter</translation>
    </message>
    <message>
        <source>%1 disappears behind Jupiter</source>
        <translation>%1 desaparece detrás de Júpiter</translation>
    </message>
    <message>
        <source>%1 reappears from behind Jupiter</source>
        <translation>%1 reaparece desde detrás de Júpiter</translation>
    </message>
    <message>
        <source>%1 passes in front of %2: %2 loses %3 of its light</source>
        <translation>%1 pasa por delante de %2: %2 pierde el %3 de su luz</translation>
    </message>
    <message>
        <source>%1&apos;s shadow falls on %2: %2 loses %3 of its light</source>
        <translation>La sombra de %1 cae sobre %2: %2 pierde el %3 de su luz</translation>
    </message>
    <message>
        <source> near Jupiter&apos;s limb</source>
        <translation> cerca del limbo de Júpiter</translation>
    </message>
    <message>
        <source>; slow, its contacts cannot be timed</source>
        <translation>; lento, sus contactos no se pueden cronometrar</translation>
    </message>
    <message>
        <source>; slow, %1 min per 100 km</source>
        <translation>; lento, %1 min por cada 100 km</translation>
    </message>
    <message>
        <source>(unseen: behind Jupiter or in its shadow)</source>
        <translation>(no visible: detrás de Júpiter o en su sombra)</translation>
    </message>
    <message>
        <source>Io</source>
        <translation>Ío</translation>
    </message>
    <message>
        <source>Europa</source>
        <translation>Europa</translation>
    </message>
    <message>
        <source>Ganymede</source>
        <translation>Ganímedes</translation>
    </message>
    <message>
        <source>Callisto</source>
        <translation>Calisto</translation>
    </message>
    <message>
        <source>(unseen: %1 is in Jupiter&apos;s shadow)</source>
        <translation>(no visible: %1 está en la sombra de Júpiter)</translation>
    </message>
    <message>
        <source>(unseen: %1 is behind Jupiter)</source>
        <translation>(no visible: %1 está detrás de Júpiter)</translation>
    </message>
    <message>
        <source>%1 crosses Jupiter</source>
        <translation>%1 cruza el disco de Júpiter</translation>
    </message>
    <message>
        <source>%1&apos;s shadow crosses Jupiter</source>
        <translation>La sombra de %1 cruza el disco de Júpiter</translation>
    </message>
    <message>
        <source>%1 in Jupiter&apos;s shadow</source>
        <translation>%1 en la sombra de Júpiter</translation>
    </message>
    <message>
        <source>%1 behind Jupiter</source>
        <translation>%1 detrás de Júpiter</translation>
    </message>
    <message>
        <source>Jupiter rises</source>
        <translation>Júpiter sale</translation>
    </message>
    <message>
        <source>Jupiter is highest in the sky</source>
        <translation>Júpiter culmina</translation>
    </message>
    <message>
        <source>Jupiter sets</source>
        <translation>Júpiter se pone</translation>
    </message>
    <message>
        <source>night falls: the Sun %1 degrees down</source>
        <translation>cae la noche: el Sol a %1 grados bajo el horizonte</translation>
    </message>
    <message>
        <source>night ends: the Sun %1 degrees down</source>
        <translation>termina la noche: el Sol a %1 grados bajo el horizonte</translation>
    </message>
    <message>
        <source>the Great Red Spot on the central meridian</source>
        <translation>la Gran Mancha Roja en el meridiano central</translation>
    </message>
</context>
<context>
    <name>EventsDialog</name>
    <message>
        <source>Events of Jupiter&apos;s moons</source>
        <translation>Fenómenos de los satélites de Júpiter</translation>
    </message>
    <message>
        <source>&amp;From noon on</source>
        <translation>&amp;Desde el mediodía del</translation>
    </message>
    <message>
        <source>From noon on</source>
        <translation>Desde el mediodía del</translation>
    </message>
    <message>
        <source>f&amp;or</source>
        <translation>d&amp;urante</translation>
    </message>
    <message>
        <source>For</source>
        <translation>Durante</translation>
    </message>
    <message>
        <source>a night</source>
        <translation>una noche</translation>
    </message>
    <message>
        <source>a week</source>
        <translation>una semana</translation>
    </message>
    <message>
        <source>a month</source>
        <translation>un mes</translation>
    </message>
    <message>
        <source>&amp;Place</source>
        <translation>&amp;Lugar</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>The place&apos;s name, as the list should show it</source>
        <translation>El nombre del lugar, tal como debe mostrarlo la lista</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>&amp;at</source>
        <translation>&amp;en</translation>
    </message>
    <message>
        <source>Latitude and longitude</source>
        <translation>Latitud y longitud</translation>
    </message>
    <message>
        <source>Latitude and longitude in degrees, with N, S, E, W or signs (north and east positive); empty for the time zone&apos;s place</source>
        <translation>Latitud y longitud en grados, con N, S, E, W o con signo (positivas al norte y al este); vacío para el lugar de la zona horaria</translation>
    </message>
    <message>
        <source>Only events while Jupiter is at least 5° up and the Sun at least 6° down</source>
        <translation>Solo los fenómenos con Júpiter al menos 5° sobre el horizonte y el Sol al menos 6° por debajo</translation>
    </message>
    <message>
        <source>Only what I can &amp;see</source>
        <translation>Solo lo que puedo &amp;ver</translation>
    </message>
    <message>
        <source>Great &amp;Red Spot at</source>
        <translation>Gran Mancha &amp;Roja en</translation>
    </message>
    <message>
        <source>Great Red Spot&apos;s longitude, System II</source>
        <translation>Longitud de la Gran Mancha Roja, Sistema II</translation>
    </message>
    <message>
        <source>The Great Red Spot&apos;s longitude in System II, as observers currently publish it; it drifts a degree or two a month</source>
        <translation>La longitud de la Gran Mancha Roja en el Sistema II, tal como la publican actualmente los observadores; deriva uno o dos grados al mes</translation>
    </message>
    <message>
        <source>° (System II)</source>
        <translation>° (Sistema II)</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Fenómenos</translation>
    </message>
    <message>
        <source>Set the window to the chosen event&apos;s instant and plot it (Enter, or a double-click)</source>
        <translation>Lleva la ventana al instante del fenómeno elegido y lo representa (Intro o doble clic)</translation>
    </message>
    <message>
        <source>&amp;Show in the window</source>
        <translation>&amp;Mostrar en la ventana</translation>
    </message>
    <message>
        <source>Copy the chosen events, or all of them, as text (Ctrl+C)</source>
        <translation>Copia los fenómenos elegidos, o todos, como texto (Ctrl+C)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Save the list as CSV or as an iCalendar file</source>
        <translation>Guarda la lista como CSV o como archivo iCalendar</translation>
    </message>
    <message>
        <source>S&amp;ave…</source>
        <translation>&amp;Guardar…</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Cerr&amp;ar</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Plot</source>
        <translation>Trazar</translation>
    </message>
    <message>
        <source>Date and time to plot</source>
        <translation>Fecha y hora que se representa</translation>
    </message>
    <message>
        <source>Animation step in minutes</source>
        <translation>Paso de la animación en minutos</translation>
    </message>
    <message>
        <source>Animate:</source>
        <translation>Animar:</translation>
    </message>
    <message>
        <source>Animate</source>
        <translation>Animar</translation>
    </message>
    <message>
        <source>minutes every 100 ms</source>
        <translation>minutos cada 100 ms</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Io</source>
        <translation>Ío</translation>
    </message>
    <message>
        <source>IO:</source>
        <translation>ÍO:</translation>
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
        <translation>Ganímedes</translation>
    </message>
    <message>
        <source>Ganymede:</source>
        <translation>Ganímedes:</translation>
    </message>
    <message>
        <source>Callisto</source>
        <translation>Calisto</translation>
    </message>
    <message>
        <source>Callisto:</source>
        <translation>Calisto:</translation>
    </message>
    <message>
        <source>Arcminutes</source>
        <translation>Min. de arco</translation>
    </message>
    <message>
        <source>Io offset in arcminutes</source>
        <translation>Separación de Ío en minutos de arco</translation>
    </message>
    <message>
        <source>Europa offset in arcminutes</source>
        <translation>Separación de Europa en minutos de arco</translation>
    </message>
    <message>
        <source>Ganymede offset in arcminutes</source>
        <translation>Separación de Ganímedes en minutos de arco</translation>
    </message>
    <message>
        <source>Callisto offset in arcminutes</source>
        <translation>Separación de Calisto en minutos de arco</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>Track Now</source>
        <translation>Tiempo real</translation>
    </message>
    <message>
        <source>Jupiter picture</source>
        <translation>Imagen de Júpiter</translation>
    </message>
    <message>
        <source>Picture of Jupiter</source>
        <translation>Imagen de Júpiter</translation>
    </message>
    <message>
        <source>Mirror east and west</source>
        <translation>Invertir este y oeste</translation>
    </message>
    <message>
        <source>Night colours</source>
        <translation>Colores nocturnos</translation>
    </message>
    <message>
        <source>Moon names</source>
        <translation>Nombres de los satélites</translation>
    </message>
    <message>
        <source>Precise positions</source>
        <translation>Posiciones precisas</translation>
    </message>
    <message>
        <source>Copy offsets</source>
        <translation>Copiar separaciones</translation>
    </message>
    <message>
        <source>Events…</source>
        <translation>Fenómenos…</translation>
    </message>
    <message>
        <source>Telescope view…</source>
        <translation>Vista telescópica…</translation>
    </message>
    <message>
        <source>South up</source>
        <translation>Sur arriba</translation>
    </message>
    <message>
        <source>Month chart…</source>
        <translation>Gráfico mensual…</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Júpiter</translation>
    </message>
    <message>
        <source>%1, %2 arcminutes</source>
        <translation>%1, %2 minutos de arco</translation>
    </message>
    <message>
        <source>From left to right: %1</source>
        <translation>De izquierda a derecha: %1</translation>
    </message>
    <message>
        <source>The animation has reached the start of the date range, %1, and has stopped.</source>
        <translation>La animación ha llegado al principio del intervalo de fechas, %1, y se ha detenido.</translation>
    </message>
    <message>
        <source>The animation has reached the end of the date range, %1, and has stopped.</source>
        <translation>La animación ha llegado al final del intervalo de fechas, %1, y se ha detenido.</translation>
    </message>
    <message>
        <source>The moons could not be plotted for this instant, and any animation or tracking has stopped.

%1</source>
        <translation>No se han podido representar los satélites para este instante, y se ha detenido cualquier animación o seguimiento.

%1</translation>
    </message>
</context>
<context>
    <name>ObservingLog</name>
    <message>
        <source> (deepest %1, over %2)</source>
        <translation> (máximo a las %1, fin a las %2)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zona</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Fenómeno</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Júpiter</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Seen</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
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
        <translation>noche de las %1 a las %2 (el Sol a %3 grados bajo el horizonte)</translation>
    </message>
    <message>
        <source>dark all day (the Sun more than %1 degrees down)</source>
        <translation>oscuro todo el día (el Sol a más de %1 grados bajo el horizonte)</translation>
    </message>
    <message>
        <source>no night (the Sun not %1 degrees down)</source>
        <translation>sin noche (el Sol no llega a %1 grados bajo el horizonte)</translation>
    </message>
    <message>
        <source>night falls or ends, not both, within the day</source>
        <translation>la noche empieza o termina, pero no ambas cosas, dentro del día</translation>
    </message>
    <message>
        <source>rises %1</source>
        <translation>sale a las %1</translation>
    </message>
    <message>
        <source>is highest %1 at %2</source>
        <translation>culmina a las %1 a %2 de altura</translation>
    </message>
    <message>
        <source>sets %1</source>
        <translation>se pone a las %1</translation>
    </message>
    <message>
        <source>never sets</source>
        <translation>nunca se pone</translation>
    </message>
    <message>
        <source>does not rise</source>
        <translation>no sale</translation>
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
Júpiter %3; %4″ de diámetro, magnitud %5.
</translation>
    </message>
    <message>
        <source>arcmin</source>
        <translation>min de arco</translation>
    </message>
    <message>
        <source>precise</source>
        <translation>precisas</translation>
    </message>
    <message>
        <source>%1 in progress</source>
        <translation>%1 en curso</translation>
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
        <translation>se esperaba Z o un desfase como +01:00 después de la hora</translation>
    </message>
    <message>
        <source>expected an offset as +HH:MM, +HHMM or +HH</source>
        <translation>se esperaba un desfase como +HH:MM, +HHMM o +HH</translation>
    </message>
    <message>
        <source>there is no offset of %1</source>
        <translation>no existe un desfase de %1</translation>
    </message>
    <message>
        <source>expected a date as YYYY-MM-DD</source>
        <translation>se esperaba una fecha como YYYY-MM-DD</translation>
    </message>
    <message>
        <source>there is no month %1</source>
        <translation>no existe el mes %1</translation>
    </message>
    <message>
        <source>there is no day %1 in %2</source>
        <translation>no existe el día %1 en %2</translation>
    </message>
    <message>
        <source>expected a space or T between the date and the time</source>
        <translation>se esperaba un espacio o T entre la fecha y la hora</translation>
    </message>
    <message>
        <source>expected a time as HH:MM or HH:MM:SS</source>
        <translation>se esperaba una hora como HH:MM o HH:MM:SS</translation>
    </message>
    <message>
        <source>expected seconds as SS or SS.fff</source>
        <translation>se esperaban segundos como SS o SS.fff</translation>
    </message>
    <message>
        <source>there is no time %1</source>
        <translation>no existe la hora %1</translation>
    </message>
    <message>
        <source>unexpected text after the time</source>
        <translation>texto inesperado después de la hora</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of degrees</source>
        <translation>&apos;%1&apos; no es un número de grados</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has both a sign and a letter</source>
        <translation>&apos;%1&apos; tiene a la vez un signo y una letra</translation>
    </message>
    <message>
        <source>expected a latitude and a longitude, such as 38.72,-9.14 or 38.72 N 9.14 W</source>
        <translation>se esperaban una latitud y una longitud, como 38.72,-9.14 o 38.72 N 9.14 W</translation>
    </message>
    <message>
        <source>the latitude takes N or S and the longitude E or W</source>
        <translation>la latitud lleva N o S y la longitud E o W</translation>
    </message>
    <message>
        <source>a latitude is at most 90 degrees and a longitude at most 180</source>
        <translation>una latitud es como mucho de 90 grados y una longitud de 180</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>cannot open the display %1</source>
        <translation>no se puede abrir la pantalla %1</translation>
    </message>
    <message>
        <source>no display to open the window on (%1 is not set)</source>
        <translation>no hay ninguna pantalla en la que abrir la ventana (%1 no está definida)</translation>
    </message>
    <message>
        <source>run it on a desktop, or under a virtual one: xvfb-run -a %1</source>
        <translation>ejecútelo en un escritorio, o en uno virtual: xvfb-run -a %1</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;; see %2 --help</source>
        <translation>opción desconocida &apos;%1&apos;; consulte %2 --help</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see %2 --help</source>
        <translation>argumento inesperado &apos;%1&apos;; consulte %2 --help</translation>
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
        <translation>Tierra</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>%1 and its shadow on the disc</source>
        <translation>%1 y su sombra sobre el disco</translation>
    </message>
    <message>
        <source>%1&apos;s shadow on the disc</source>
        <translation>la sombra de %1 sobre el disco</translation>
    </message>
    <message>
        <source>%1 behind the planet</source>
        <translation>%1 detrás del planeta</translation>
    </message>
    <message>
        <source>%1 dark in Jupiter&apos;s shadow</source>
        <translation>%1 a oscuras en la sombra de Júpiter</translation>
    </message>
    <message>
        <source>%1 on the disc</source>
        <translation>%1 sobre el disco</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <comment>a moon, its distance east or west, and north or south</comment>
        <translation>%1 %2, %3</translation>
    </message>
    <message>
        <source>%1 radii west</source>
        <translation>%1 radios al oeste</translation>
    </message>
    <message>
        <source>%1 radii east</source>
        <translation>%1 radios al este</translation>
    </message>
    <message>
        <source>%1 north</source>
        <translation>%1 al norte</translation>
    </message>
    <message>
        <source>%1 south</source>
        <translation>%1 al sur</translation>
    </message>
    <message>
        <source>the Great Red Spot near the central meridian</source>
        <translation>la Gran Mancha Roja cerca del meridiano central</translation>
    </message>
    <message>
        <source>the Great Red Spot on the eastern half of the disc</source>
        <translation>la Gran Mancha Roja en la mitad este del disco</translation>
    </message>
    <message>
        <source>the Great Red Spot on the western half of the disc</source>
        <translation>la Gran Mancha Roja en la mitad oeste del disco</translation>
    </message>
</context>
<context>
    <name>window::ChartView</name>
    <message>
        <source>Month chart</source>
        <translation>Gráfico mensual</translation>
    </message>
</context>
<context>
    <name>window::EventListModel</name>
    <message>
        <source>Not seen from here: Jupiter is %1 up, under %2</source>
        <translation>No visible desde aquí: Júpiter está a %1 de altura, por debajo de %2</translation>
    </message>
    <message>
        <source>Not seen from here: the sky is too bright, the Sun is %1 up</source>
        <translation>No visible desde aquí: el cielo está demasiado claro, el Sol está a %1 de altura</translation>
    </message>
    <message>
        <source>Not seen from anywhere</source>
        <translation>No visible desde ningún lugar</translation>
    </message>
    <message>
        <source>, not seen from here</source>
        <translation>, no visible desde aquí</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Fenómeno</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Júpiter</translation>
    </message>
    <message>
        <source>Jupiter&apos;s altitude above the horizon</source>
        <translation>Altura de Júpiter sobre el horizonte</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>The Sun&apos;s altitude: below -6° the sky is dark enough</source>
        <translation>Altura del Sol: por debajo de -6° el cielo está lo bastante oscuro</translation>
    </message>
</context>
<context>
    <name>window::EventsDialog</name>
    <message>
        <source>The window&apos;s date, %1, is outside the years %2 to %3 that events are computed for: the list starts on %4.
%5</source>
        <translation>La fecha de la ventana, %1, está fuera de los años %2 a %3 para los que se calculan los fenómenos: la lista empieza el %4.
%5</translation>
    </message>
    <message>
        <source>Where are you? The time zone does not say. Type your place&apos;s latitude and longitude above to see Jupiter&apos;s night there and which events you can see.</source>
        <translation>¿Dónde está usted? La zona horaria no lo indica. Escriba arriba la latitud y la longitud de su lugar para ver allí la noche de Júpiter y qué fenómenos puede observar.</translation>
    </message>
    <message>
        <source>No events</source>
        <translation>Ningún fenómeno</translation>
    </message>
    <message>
        <source>1 event</source>
        <translation>1 fenómeno</translation>
    </message>
    <message>
        <source>%1 events</source>
        <translation>%1 fenómenos</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 del %2 al %3</translation>
    </message>
    <message>
        <source>Events are computed for the years %1 to %2; this span runs past them.</source>
        <translation>Los fenómenos se calculan para los años %1 a %2; este intervalo los sobrepasa.</translation>
    </message>
    <message>
        <source>The place is unchanged: %1. Type the latitude, then the longitude, in degrees with N, S, E, W or signs, such as &quot;38.72 N, 9.14 W&quot; or &quot;38.72, -9.14&quot;.</source>
        <translation>El lugar no ha cambiado: %1. Escriba la latitud y después la longitud, en grados con N, S, E, W o con signo, como «38.72 N, 9.14 W» o «38.72, -9.14».</translation>
    </message>
    <message>
        <source>Here</source>
        <translation>Aquí</translation>
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
        <translation>Guardar los fenómenos</translation>
    </message>
    <message>
        <source>The events could not be saved to %1:
%2</source>
        <translation>No se han podido guardar los fenómenos en %1:
%2</translation>
    </message>
</context>
<context>
    <name>window::JupiterPlot</name>
    <message>
        <source>Jupiter and its moons</source>
        <translation>Júpiter y sus satélites</translation>
    </message>
</context>
<context>
    <name>window::MonthChartWindow</name>
    <message>
        <source>Month chart</source>
        <translation>Gráfico mensual</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <source>Month before</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>Month after</source>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <source>Stretch time</source>
        <translation>Estirar el tiempo</translation>
    </message>
    <message>
        <source>Squeeze time</source>
        <translation>Comprimir el tiempo</translation>
    </message>
    <message>
        <source>The picker&apos;s month</source>
        <translation>El mes del selector</translation>
    </message>
    <message>
        <source>Red Spot marks</source>
        <translation>Marcas de la Mancha Roja</translation>
    </message>
    <message>
        <source>Mutual event marks</source>
        <translation>Marcas de fenómenos mutuos</translation>
    </message>
    <message>
        <source>The chart is drawn for the years %1 to %2 only</source>
        <translation>El gráfico solo se dibuja para los años %1 a %2</translation>
    </message>
    <message>
        <source>Month chart: %1</source>
        <translation>Gráfico mensual: %1</translation>
    </message>
    <message>
        <source>%1 radii west</source>
        <translation>%1 radios al oeste</translation>
    </message>
    <message>
        <source>%1 radii east</source>
        <translation>%1 radios al este</translation>
    </message>
    <message>
        <source>%1, %2 days</source>
        <translation>%1, %2 días</translation>
    </message>
    <message>
        <source>; at %1, %2 %3</source>
        <translation>; el %1, %2 a %3</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>; marked %1: %2</source>
        <translation>; marca del %1: %2</translation>
    </message>
    <message>
        <source>there is no chart to print</source>
        <translation>no hay ningún gráfico que imprimir</translation>
    </message>
    <message>
        <source>the page could not be printed</source>
        <translation>no se ha podido imprimir la página</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <translation>La impresión no está disponible: %1</translation>
    </message>
    <message>
        <source>Jupiter&apos;s moons, %1</source>
        <translation>Satélites de Júpiter, %1</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>Imagen SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>Save the chart</source>
        <translation>Guardar el gráfico</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2</source>
        <translation>No se ha podido guardar el gráfico en %1: %2</translation>
    </message>
</context>
<context>
    <name>window::TelescopeView</name>
    <message>
        <source>Telescope view</source>
        <translation>Vista telescópica</translation>
    </message>
    <message>
        <source>Jupiter&apos;s view is drawn for the years 1600 to 2500 only</source>
        <translation>La vista de Júpiter solo se dibuja para los años 1600 a 2500</translation>
    </message>
</context>
<context>
    <name>window::TelescopeWindow</name>
    <message>
        <source>Telescope view</source>
        <translation>Vista telescópica</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>The whole system</source>
        <translation>Todo el sistema</translation>
    </message>
</context>
</TS>
