<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ChartWording</name>
    <message>
        <source>Jupiter&apos;s moons, %1</source>
        <translation>Luas de Júpiter, %1</translation>
    </message>
    <message>
        <source>SVG cannot be written: %1</source>
        <translation>não é possível gravar o SVG: %1</translation>
    </message>
    <message>
        <source>the picture could not be drawn</source>
        <translation>não foi possível desenhar a imagem</translation>
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
        <translation>Mancha Vermelha a %1° (Sistema II)</translation>
    </message>
    <message>
        <source>Dotted: behind Jupiter or in its shadow · black on the disc: a moon&apos;s shadow</source>
        <translation>Pontilhado: atrás de Júpiter ou em sua sombra · preto sobre o disco: a sombra de uma lua</translation>
    </message>
    <message>
        <source>◂: the Red Spot on the central meridian</source>
        <translation>◂: a Mancha Vermelha no meridiano central</translation>
    </message>
    <message>
        <source>Shaded: night (the Sun 12° down); more strongly: Jupiter 5° up or more as well</source>
        <translation>Sombreado: noite (o Sol 12° abaixo do horizonte); mais forte: também Júpiter a 5° de altura ou mais</translation>
    </message>
    <message>
        <source>No place is known, so the night is not shaded: set one in the events dialog, or give --where LAT,LON</source>
        <translation>Nenhum local é conhecido, então a noite não é sombreada: defina um na caixa de diálogo de eventos ou use --where LAT,LON</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Leste</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>radii</source>
        <translation>raios</translation>
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
Sem --events, --offsets, --chart ou --view, o Satrivox abre sua janela e
aceita as opções padrão do Qt, como -platform NAME, -style NAME, -reverse
e -qwindowgeometry WxH+X+Y; qualquer outro argumento é apontado, com
código de saída 2.
Uma entrada inválida na linha de comando (uma opção desconhecida, uma data
que ele não consegue ler ou fora dos anos que abrange, --days 0, um formato
desconhecido, um arquivo que ele não consegue gravar) é apontada em uma linha
na saída de erro padrão, com código de saída 2 e nada na saída padrão;
--chart e --view então não deixam arquivo algum, nem inteiro nem parcial.

Com --chart, o mês vai das 00:00 do primeiro dia às 24:00 do último dia,
hora local, de cima para baixo na página; na horizontal, o afastamento de
cada lua a leste ou a oeste do disco de Júpiter, pontilhado enquanto ela
está oculta, e sua sombra como um traço escuro sobre o disco. O formato
segue a extensão do arquivo: .pdf (A4, vetorial), .svg, .png (1240 x 1754
pixels). Não é preciso ter uma tela, nem com --view.

Com --events ou --chart, o local do observador é o de --where, senão o local
definido na caixa de diálogo de eventos da janela, senão a cidade principal
do fuso horário (de zone1970.tab): o nascer, a culminação e o ocaso de
Júpiter ali, a noite (o Sol 12 graus abaixo do horizonte) e, para cada
evento, a altura de Júpiter e a do Sol; um evento pode ser visto quando
Júpiter está a 5 graus de altura ou mais e o Sol a 6 graus ou mais abaixo do
horizonte. A Grande Mancha Vermelha usa --grs-longitude, senão a longitude
definida na caixa de diálogo, senão %1 graus.

Ambiente:
  TZ               o fuso horário: um fuso como America/Sao_Paulo, ou uma
                   regra POSIX; se não definida, o fuso do sistema
  QT_SCALE_FACTOR  escala a janela e seu gráfico, por exemplo 1.5
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                   o idioma das palavras e dos nomes dos meses e dos dias:
                   alemão, francês, espanhol, italiano ou português, senão
                   inglês; os números sempre usam ponto decimal, e as listas,
                   datas ISO
  DISPLAY, WAYLAND_DISPLAY  a tela em que a janela é aberta
</translation>
    </message>
    <message>
        <source>List the moons&apos; transits, shadows, eclipses and occultations from WHEN.</source>
        <translation>Lista os trânsitos, as sombras, os eclipses e as ocultações das luas a partir de WHEN.</translation>
    </message>
    <message>
        <source>With --events: for N days, 1 to 731 (default 1). With --chart: 1 to 62 days from WHEN&apos;s date (default: WHEN&apos;s calendar month).</source>
        <translation>Com --events: por N dias, de 1 a 731 (padrão 1). Com --chart: de 1 a 62 dias a partir da data de WHEN (padrão: o mês civil de WHEN).</translation>
    </message>
    <message>
        <source>With --events: text (default), csv, or ics (an iCalendar file).</source>
        <translation>Com --events: text (padrão), csv ou ics (um arquivo iCalendar).</translation>
    </message>
    <message>
        <source>With --events: add the events that cannot be seen, marked so.</source>
        <translation>Com --events: inclui os eventos que não podem ser vistos, marcados como tal.</translation>
    </message>
    <message>
        <source>Print the four offsets for WHEN as the window shows them (its &quot;Copy offsets&quot; line).</source>
        <translation>Imprime os quatro afastamentos para WHEN como a janela os mostra (sua linha “Copiar afastamentos”).</translation>
    </message>
    <message>
        <source>With --offsets: from the precise theory, not the window&apos;s model.</source>
        <translation>Com --offsets: pela teoria precisa, não pelo modelo da janela.</translation>
    </message>
    <message>
        <source>With --offsets: CSV, time,moon,arcmin,west_radii,north_radii.</source>
        <translation>Com --offsets: CSV, time,moon,arcmin,west_radii,north_radii.</translation>
    </message>
    <message>
        <source>Write times in UT instead of the local time of TZ.</source>
        <translation>Escreve os horários em UT em vez da hora local de TZ.</translation>
    </message>
    <message>
        <source>With --events or --chart: the observer&apos;s latitude and longitude in degrees, north and east positive.</source>
        <translation>Com --events ou --chart: a latitude e a longitude do observador em graus, norte e leste positivos.</translation>
    </message>
    <message>
        <source>With --events: only what can be seen from the observer&apos;s place.</source>
        <translation>Com --events: apenas o que pode ser visto do local do observador.</translation>
    </message>
    <message>
        <source>With --events or --chart: the Great Red Spot&apos;s System II longitude, 0 to 360.</source>
        <translation>Com --events ou --chart: a longitude da Grande Mancha Vermelha no Sistema II, de 0 a 360.</translation>
    </message>
    <message>
        <source>With --events or --chart: leave out the Great Red Spot&apos;s transits.</source>
        <translation>Com --events ou --chart: omite os trânsitos da Grande Mancha Vermelha.</translation>
    </message>
    <message>
        <source>With --events: only the moons&apos; mutual occultations and eclipses.</source>
        <translation>Com --events: apenas as ocultações e os eclipses mútuos das luas.</translation>
    </message>
    <message>
        <source>Draw the moons&apos; chart of WHEN&apos;s month (YYYY-MM alone: that month; default: this month) into --output FILE: .pdf, .svg or .png, by its ending.</source>
        <translation>Desenha o gráfico das luas do mês de WHEN (YYYY-MM sozinho: esse mês; padrão: o mês atual) em --output FILE: .pdf, .svg ou .png, conforme a extensão.</translation>
    </message>
    <message>
        <source>Draw Jupiter as the telescope shows it at WHEN, its moons, their shadows on the disc and the Great Red Spot, into --output FILE: .png or .svg.</source>
        <translation>Desenha Júpiter como o telescópio o mostra em WHEN, com suas luas, as sombras delas sobre o disco e a Grande Mancha Vermelha, em --output FILE: .png ou .svg.</translation>
    </message>
    <message>
        <source>With --chart or --view: the file to write.</source>
        <translation>Com --chart ou --view: o arquivo a gravar.</translation>
    </message>
    <message>
        <source>With --chart or --view: east and west swapped, as in a star diagonal.</source>
        <translation>Com --chart ou --view: leste e oeste trocados, como num espelho diagonal.</translation>
    </message>
    <message>
        <source>With --chart: leave out the marks of the moons&apos; mutual events.</source>
        <translation>Com --chart: omite as marcas dos eventos mútuos das luas.</translation>
    </message>
    <message>
        <source>With --view: south up, as an inverting telescope shows it.</source>
        <translation>Com --view: sul para cima, como mostra um telescópio que inverte a imagem.</translation>
    </message>
    <message>
        <source>With --view: the picture&apos;s size in pixels (default 800x600).</source>
        <translation>Com --view: o tamanho da imagem em pixels (padrão 800x600).</translation>
    </message>
    <message>
        <source>With --view: the whole system (default) or the disc filling the picture.</source>
        <translation>Com --view: o sistema inteiro (system, padrão) ou o disco preenchendo a imagem (disc).</translation>
    </message>
    <message>
        <source>YYYY-MM-DD (that date&apos;s local noon: the night that follows it), YYYY-MM-DD HH:MM[:SS] (local time, as the window&apos;s picker), or ISO 8601 with Z or an offset; default: now.</source>
        <translation>YYYY-MM-DD (o meio-dia local dessa data: a noite que vem a seguir), YYYY-MM-DD HH:MM[:SS] (hora local, como no seletor da janela) ou ISO 8601 com Z ou um deslocamento; padrão: agora.</translation>
    </message>
    <message>
        <source>cannot read the date and time &apos;%1&apos;: %2 (expected YYYY-MM-DD, YYYY-MM-DD HH:MM[:SS], or ISO 8601 with Z or an offset)</source>
        <translation>não é possível ler a data e hora &apos;%1&apos;: %2 (esperado YYYY-MM-DD, YYYY-MM-DD HH:MM[:SS] ou ISO 8601 com Z ou um deslocamento)</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <translation>%1 só se usa com %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number of days from 1 to %2, not &apos;%3&apos;</source>
        <translation>%1 aceita um número inteiro de dias de 1 a %2, não &apos;%3&apos;</translation>
    </message>
    <message>
        <source>%1 takes a latitude and a longitude in degrees, such as 38.72,-9.14, not &apos;%2&apos;: %3</source>
        <translation>%1 aceita uma latitude e uma longitude em graus, como 38.72,-9.14, não &apos;%2&apos;: %3</translation>
    </message>
    <message>
        <source>%1 and %2 cannot go together</source>
        <translation>%1 e %2 não podem ser usadas juntas</translation>
    </message>
    <message>
        <source>%1 takes a longitude in degrees from 0 to 360, not &apos;%2&apos;</source>
        <translation>%1 aceita uma longitude em graus de 0 a 360, não &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 takes text, csv or ics, not &apos;%2&apos;</source>
        <translation>%1 aceita text, csv ou ics, não &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 is outside the years %2 to %3 that events are computed for</source>
        <translation>%1 está fora dos anos de %2 a %3 para os quais os eventos são calculados</translation>
    </message>
    <message>
        <source>%1 days from %2 run past the end of %3, the last year events are computed for</source>
        <translation>%1 dias a partir de %2 ultrapassam o fim de %3, o último ano para o qual os eventos são calculados</translation>
    </message>
    <message>
        <source>%1 needs the observer&apos;s place, and the time zone %2 names none: give %3 LAT,LON</source>
        <translation>%1 precisa do local do observador, e o fuso horário %2 não indica nenhum: informe %3 LAT,LON</translation>
    </message>
    <message>
        <source>a day</source>
        <translation>um dia</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n dia</numerusform>
            <numerusform>%n dias</numerusform>
        </translation>
    </message>
    <message>
        <source>No place is known (the time zone names none): --where LAT,LON gives one, for Jupiter&apos;s night and what can be seen.
</source>
        <translation>Nenhum local é conhecido (o fuso horário não indica nenhum): --where LAT,LON informa um, para a noite de Júpiter e o que pode ser visto.
</translation>
    </message>
    <message>
        <source>Events of Jupiter&apos;s moons from %1, for %2</source>
        <translation>Eventos das luas de Júpiter a partir de %1, por %2</translation>
    </message>
    <message>
        <source>No events.
</source>
        <translation>Nenhum evento.
</translation>
    </message>
    <message>
        <source>precise offsets are computed for the years %1 to %2, not for %3</source>
        <translation>os afastamentos precisos são calculados para os anos de %1 a %2, não para %3</translation>
    </message>
    <message>
        <source>the window shows the years 1601 to 9999, not %1</source>
        <translation>a janela mostra os anos de 1601 a 9999, não %1</translation>
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
        <translation>%1 precisa de %2 FILE, um arquivo %3</translation>
    </message>
    <message>
        <source>%1 writes a %2 file, not &apos;%3&apos;</source>
        <translation>%1 grava um arquivo %2, não &apos;%3&apos;</translation>
    </message>
    <message>
        <source>the chart is drawn for the years %1 to %2, not for %3</source>
        <translation>o gráfico é desenhado para os anos de %1 a %2, não para %3</translation>
    </message>
    <message>
        <source>cannot write the chart to &apos;%1&apos;: %2</source>
        <translation>não é possível gravar o gráfico em &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>%1 takes a width and a height in pixels, 100 to %2 each, such as 800x600, not &apos;%3&apos;</source>
        <translation>%1 aceita uma largura e uma altura em pixels, de 100 a %2 cada, como 800x600, não &apos;%3&apos;</translation>
    </message>
    <message>
        <source>%1 takes system or disc, not &apos;%2&apos;</source>
        <translation>%1 aceita system ou disc, não &apos;%2&apos;</translation>
    </message>
    <message>
        <source>the view is drawn for the years %1 to %2, not for %3</source>
        <translation>a vista é desenhada para os anos de %1 a %2, não para %3</translation>
    </message>
    <message>
        <source>Jupiter at %1</source>
        <translation>Júpiter em %1</translation>
    </message>
    <message>
        <source>cannot write the view to &apos;%1&apos;: %2</source>
        <translation>não é possível gravar a vista em &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>%1 goes with %2 or %3</source>
        <translation>%1 só se usa com %2 ou %3</translation>
    </message>
</context>
<context>
    <name>EventWording</name>
    <message>
        <source>%1 starts to cross the disc</source>
        <translation>%1 começa a cruzar o disco</translation>
    </message>
    <message>
        <source>%1 finishes crossing the disc</source>
        <translation>%1 termina de cruzar o disco</translation>
    </message>
    <message>
        <source>%1&apos;s shadow starts to cross the disc</source>
        <translation>A sombra de %1 começa a cruzar o disco</translation>
    </message>
    <message>
        <source>%1&apos;s shadow finishes crossing the disc</source>
        <translation>A sombra de %1 termina de cruzar o disco</translation>
    </message>
    <message>
        <source>%1 disappears into Jupiter&apos;s shadow</source>
        <translation>%1 desaparece na sombra de Júpiter</translation>
    </message>
    <message>
        <source>%1 reappears from Jupiter&apos;s shadow</source>
        <translation>%1 reaparece da sombra de Júpiter</translation>
    </message>
    <message>
        <source>%1 disappears behind Jupiter</source>
        <translation>%1 desaparece atrás de Júpiter</translation>
    </message>
    <message>
        <source>%1 reappears from behind Jupiter</source>
        <translation>%1 reaparece de trás de Júpiter</translation>
    </message>
    <message>
        <source>%1 passes in front of %2: %2 loses %3 of its light</source>
        <translation>%1 passa diante de %2: %2 perde %3 de sua luz</translation>
    </message>
    <message>
        <source>%1&apos;s shadow falls on %2: %2 loses %3 of its light</source>
        <translation>A sombra de %1 cai sobre %2: %2 perde %3 de sua luz</translation>
    </message>
    <message>
        <source> near Jupiter&apos;s limb</source>
        <translation> perto do limbo de Júpiter</translation>
    </message>
    <message>
        <source>; slow, its contacts cannot be timed</source>
        <translation>; lento, seus contatos não podem ser cronometrados</translation>
    </message>
    <message>
        <source>; slow, %1 min per 100 km</source>
        <translation>; lento, %1 min por 100 km</translation>
    </message>
    <message>
        <source>(unseen: behind Jupiter or in its shadow)</source>
        <translation>(não visível: atrás de Júpiter ou em sua sombra)</translation>
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
        <translation>Ganimedes</translation>
    </message>
    <message>
        <source>Callisto</source>
        <translation>Calisto</translation>
    </message>
    <message>
        <source>(unseen: %1 is in Jupiter&apos;s shadow)</source>
        <translation>(não visível: %1 está na sombra de Júpiter)</translation>
    </message>
    <message>
        <source>(unseen: %1 is behind Jupiter)</source>
        <translation>(não visível: %1 está atrás de Júpiter)</translation>
    </message>
    <message>
        <source>%1 crosses Jupiter</source>
        <translation>%1 cruza Júpiter</translation>
    </message>
    <message>
        <source>%1&apos;s shadow crosses Jupiter</source>
        <translation>A sombra de %1 cruza Júpiter</translation>
    </message>
    <message>
        <source>%1 in Jupiter&apos;s shadow</source>
        <translation>%1 na sombra de Júpiter</translation>
    </message>
    <message>
        <source>%1 behind Jupiter</source>
        <translation>%1 atrás de Júpiter</translation>
    </message>
    <message>
        <source>Jupiter rises</source>
        <translation>Júpiter nasce</translation>
    </message>
    <message>
        <source>Jupiter is highest in the sky</source>
        <translation>Júpiter atinge o ponto mais alto no céu</translation>
    </message>
    <message>
        <source>Jupiter sets</source>
        <translation>Júpiter se põe</translation>
    </message>
    <message>
        <source>night falls: the Sun %1 degrees down</source>
        <translation>a noite começa: o Sol %1 graus abaixo do horizonte</translation>
    </message>
    <message>
        <source>night ends: the Sun %1 degrees down</source>
        <translation>a noite termina: o Sol %1 graus abaixo do horizonte</translation>
    </message>
    <message>
        <source>the Great Red Spot on the central meridian</source>
        <translation>a Grande Mancha Vermelha no meridiano central</translation>
    </message>
</context>
<context>
    <name>EventsDialog</name>
    <message>
        <source>Events of Jupiter&apos;s moons</source>
        <translation>Eventos das luas de Júpiter</translation>
    </message>
    <message>
        <source>&amp;From noon on</source>
        <translation>&amp;A partir do meio-dia de</translation>
    </message>
    <message>
        <source>From noon on</source>
        <translation>A partir do meio-dia de</translation>
    </message>
    <message>
        <source>f&amp;or</source>
        <translation>&amp;por</translation>
    </message>
    <message>
        <source>For</source>
        <translation>Por</translation>
    </message>
    <message>
        <source>a night</source>
        <translation>uma noite</translation>
    </message>
    <message>
        <source>a week</source>
        <translation>uma semana</translation>
    </message>
    <message>
        <source>a month</source>
        <translation>um mês</translation>
    </message>
    <message>
        <source>&amp;Place</source>
        <translation>&amp;Local</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>The place&apos;s name, as the list should show it</source>
        <translation>O nome do local, como a lista deve mostrá-lo</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>&amp;at</source>
        <translation>&amp;em</translation>
    </message>
    <message>
        <source>Latitude and longitude</source>
        <translation>Latitude e longitude</translation>
    </message>
    <message>
        <source>Latitude and longitude in degrees, with N, S, E, W or signs (north and east positive); empty for the time zone&apos;s place</source>
        <translation>Latitude e longitude em graus, com N, S, E, W ou sinais (norte e leste positivos); vazio para o local do fuso horário</translation>
    </message>
    <message>
        <source>Only events while Jupiter is at least 5° up and the Sun at least 6° down</source>
        <translation>Somente eventos com Júpiter a pelo menos 5° de altura e o Sol a pelo menos 6° abaixo do horizonte</translation>
    </message>
    <message>
        <source>Only what I can &amp;see</source>
        <translation>Só o que posso &amp;ver</translation>
    </message>
    <message>
        <source>Great &amp;Red Spot at</source>
        <translation>Grande &amp;Mancha Vermelha em</translation>
    </message>
    <message>
        <source>Great Red Spot&apos;s longitude, System II</source>
        <translation>Longitude da Grande Mancha Vermelha, Sistema II</translation>
    </message>
    <message>
        <source>The Great Red Spot&apos;s longitude in System II, as observers currently publish it; it drifts a degree or two a month</source>
        <translation>A longitude da Grande Mancha Vermelha no Sistema II, como os observadores a publicam atualmente; ela se desloca um ou dois graus por mês</translation>
    </message>
    <message>
        <source>° (System II)</source>
        <translation>° (Sistema II)</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Set the window to the chosen event&apos;s instant and plot it (Enter, or a double-click)</source>
        <translation>Ajusta a janela para o instante do evento escolhido e o plota (Enter ou clique duplo)</translation>
    </message>
    <message>
        <source>&amp;Show in the window</source>
        <translation>Mostrar na &amp;janela</translation>
    </message>
    <message>
        <source>Copy the chosen events, or all of them, as text (Ctrl+C)</source>
        <translation>Copia os eventos escolhidos, ou todos eles, como texto (Ctrl+C)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Save the list as CSV or as an iCalendar file</source>
        <translation>Salva a lista como CSV ou como arquivo iCalendar</translation>
    </message>
    <message>
        <source>S&amp;ave…</source>
        <translation>&amp;Salvar…</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fechar</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Plot</source>
        <translation>Plotar</translation>
    </message>
    <message>
        <source>Date and time to plot</source>
        <translation>Data e hora a plotar</translation>
    </message>
    <message>
        <source>Animation step in minutes</source>
        <translation>Passo da animação em minutos</translation>
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
        <translation>minutos por 100 ms</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
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
        <translation>Ganimedes</translation>
    </message>
    <message>
        <source>Ganymede:</source>
        <translation>Ganimedes:</translation>
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
        <translation>Afastamento de Io em minutos de arco</translation>
    </message>
    <message>
        <source>Europa offset in arcminutes</source>
        <translation>Afastamento de Europa em minutos de arco</translation>
    </message>
    <message>
        <source>Ganymede offset in arcminutes</source>
        <translation>Afastamento de Ganimedes em minutos de arco</translation>
    </message>
    <message>
        <source>Callisto offset in arcminutes</source>
        <translation>Afastamento de Calisto em minutos de arco</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Agora</translation>
    </message>
    <message>
        <source>Track Now</source>
        <translation>Seguir</translation>
    </message>
    <message>
        <source>Jupiter picture</source>
        <translation>Imagem de Júpiter</translation>
    </message>
    <message>
        <source>Picture of Jupiter</source>
        <translation>Imagem de Júpiter</translation>
    </message>
    <message>
        <source>Mirror east and west</source>
        <translation>Espelhar leste e oeste</translation>
    </message>
    <message>
        <source>Night colours</source>
        <translation>Cores noturnas</translation>
    </message>
    <message>
        <source>Moon names</source>
        <translation>Nomes das luas</translation>
    </message>
    <message>
        <source>Precise positions</source>
        <translation>Posições precisas</translation>
    </message>
    <message>
        <source>Copy offsets</source>
        <translation>Copiar afastamentos</translation>
    </message>
    <message>
        <source>Events…</source>
        <translation>Eventos…</translation>
    </message>
    <message>
        <source>Telescope view…</source>
        <translation>Vista telescópica…</translation>
    </message>
    <message>
        <source>South up</source>
        <translation>Sul para cima</translation>
    </message>
    <message>
        <source>Month chart…</source>
        <translation>Gráfico do mês…</translation>
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
        <translation>Da esquerda para a direita: %1</translation>
    </message>
    <message>
        <source>The animation has reached the start of the date range, %1, and has stopped.</source>
        <translation>A animação chegou ao início do intervalo de datas, %1, e parou.</translation>
    </message>
    <message>
        <source>The animation has reached the end of the date range, %1, and has stopped.</source>
        <translation>A animação chegou ao fim do intervalo de datas, %1, e parou.</translation>
    </message>
    <message>
        <source>The moons could not be plotted for this instant, and any animation or tracking has stopped.

%1</source>
        <translation>Não foi possível plotar as luas para este instante, e qualquer animação ou acompanhamento foi interrompido.

%1</translation>
    </message>
</context>
<context>
    <name>ObservingLog</name>
    <message>
        <source> (deepest %1, over %2)</source>
        <translation> (máximo às %1, fim às %2)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Fuso</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lua</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
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
        <translation>Visível</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
    <message>
        <source>%1 %2 UT: %3</source>
        <translation>%1 %2 UT: %3</translation>
    </message>
    <message>
        <source>night from %1 to %2 (the Sun %3 degrees down)</source>
        <translation>noite das %1 às %2 (o Sol %3 graus abaixo do horizonte)</translation>
    </message>
    <message>
        <source>dark all day (the Sun more than %1 degrees down)</source>
        <translation>escuro o dia todo (o Sol mais de %1 graus abaixo do horizonte)</translation>
    </message>
    <message>
        <source>no night (the Sun not %1 degrees down)</source>
        <translation>sem noite (o Sol não chega a %1 graus abaixo do horizonte)</translation>
    </message>
    <message>
        <source>night falls or ends, not both, within the day</source>
        <translation>a noite começa ou termina, não ambos, dentro do dia</translation>
    </message>
    <message>
        <source>rises %1</source>
        <translation>nasce às %1</translation>
    </message>
    <message>
        <source>is highest %1 at %2</source>
        <translation>culmina às %1 a %2 de altura</translation>
    </message>
    <message>
        <source>sets %1</source>
        <translation>se põe às %1</translation>
    </message>
    <message>
        <source>never sets</source>
        <translation>nunca se põe</translation>
    </message>
    <message>
        <source>does not rise</source>
        <translation>não nasce</translation>
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
Júpiter %3; %4″ de diâmetro, magnitude %5.
</translation>
    </message>
    <message>
        <source>arcmin</source>
        <translation>min de arco</translation>
    </message>
    <message>
        <source>precise</source>
        <translation>precisos</translation>
    </message>
    <message>
        <source>%1 in progress</source>
        <translation>%1 em andamento</translation>
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
        <translation>esperado Z ou um deslocamento como +01:00 depois da hora</translation>
    </message>
    <message>
        <source>expected an offset as +HH:MM, +HHMM or +HH</source>
        <translation>esperado um deslocamento como +HH:MM, +HHMM ou +HH</translation>
    </message>
    <message>
        <source>there is no offset of %1</source>
        <translation>não existe deslocamento de %1</translation>
    </message>
    <message>
        <source>expected a date as YYYY-MM-DD</source>
        <translation>esperada uma data como YYYY-MM-DD</translation>
    </message>
    <message>
        <source>there is no month %1</source>
        <translation>não existe o mês %1</translation>
    </message>
    <message>
        <source>there is no day %1 in %2</source>
        <translation>não existe o dia %1 em %2</translation>
    </message>
    <message>
        <source>expected a space or T between the date and the time</source>
        <translation>esperado um espaço ou T entre a data e a hora</translation>
    </message>
    <message>
        <source>expected a time as HH:MM or HH:MM:SS</source>
        <translation>esperada uma hora como HH:MM ou HH:MM:SS</translation>
    </message>
    <message>
        <source>expected seconds as SS or SS.fff</source>
        <translation>esperados segundos como SS ou SS.fff</translation>
    </message>
    <message>
        <source>there is no time %1</source>
        <translation>não existe a hora %1</translation>
    </message>
    <message>
        <source>unexpected text after the time</source>
        <translation>texto inesperado depois da hora</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number of degrees</source>
        <translation>&apos;%1&apos; não é um número de graus</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has both a sign and a letter</source>
        <translation>&apos;%1&apos; tem ao mesmo tempo um sinal e uma letra</translation>
    </message>
    <message>
        <source>expected a latitude and a longitude, such as 38.72,-9.14 or 38.72 N 9.14 W</source>
        <translation>esperadas uma latitude e uma longitude, como 38.72,-9.14 ou 38.72 N 9.14 W</translation>
    </message>
    <message>
        <source>the latitude takes N or S and the longitude E or W</source>
        <translation>a latitude leva N ou S e a longitude E ou W</translation>
    </message>
    <message>
        <source>a latitude is at most 90 degrees and a longitude at most 180</source>
        <translation>uma latitude tem no máximo 90 graus e uma longitude no máximo 180</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>cannot open the display %1</source>
        <translation>não é possível abrir o display %1</translation>
    </message>
    <message>
        <source>no display to open the window on (%1 is not set)</source>
        <translation>nenhum display onde abrir a janela (%1 não está definido)</translation>
    </message>
    <message>
        <source>run it on a desktop, or under a virtual one: xvfb-run -a %1</source>
        <translation>execute-o em uma área de trabalho, ou em uma virtual: xvfb-run -a %1</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;; see %2 --help</source>
        <translation>opção desconhecida &apos;%1&apos;; veja %2 --help</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see %2 --help</source>
        <translation>argumento inesperado &apos;%1&apos;; veja %2 --help</translation>
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
        <translation>L</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terra</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>%1 and its shadow on the disc</source>
        <translation>%1 e sua sombra sobre o disco</translation>
    </message>
    <message>
        <source>%1&apos;s shadow on the disc</source>
        <translation>a sombra de %1 sobre o disco</translation>
    </message>
    <message>
        <source>%1 behind the planet</source>
        <translation>%1 atrás do planeta</translation>
    </message>
    <message>
        <source>%1 dark in Jupiter&apos;s shadow</source>
        <translation>%1 às escuras na sombra de Júpiter</translation>
    </message>
    <message>
        <source>%1 on the disc</source>
        <translation>%1 sobre o disco</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <comment>a moon, its distance east or west, and north or south</comment>
        <translation>%1 a %2, %3</translation>
    </message>
    <message>
        <source>%1 radii west</source>
        <translation>%1 raios a oeste</translation>
    </message>
    <message>
        <source>%1 radii east</source>
        <translation>%1 raios a leste</translation>
    </message>
    <message>
        <source>%1 north</source>
        <translation>%1 ao norte</translation>
    </message>
    <message>
        <source>%1 south</source>
        <translation>%1 ao sul</translation>
    </message>
    <message>
        <source>the Great Red Spot near the central meridian</source>
        <translation>a Grande Mancha Vermelha perto do meridiano central</translation>
    </message>
    <message>
        <source>the Great Red Spot on the eastern half of the disc</source>
        <translation>a Grande Mancha Vermelha na metade leste do disco</translation>
    </message>
    <message>
        <source>the Great Red Spot on the western half of the disc</source>
        <translation>a Grande Mancha Vermelha na metade oeste do disco</translation>
    </message>
</context>
<context>
    <name>window::ChartView</name>
    <message>
        <source>Month chart</source>
        <translation>Gráfico do mês</translation>
    </message>
</context>
<context>
    <name>window::EventListModel</name>
    <message>
        <source>Not seen from here: Jupiter is %1 up, under %2</source>
        <translation>Não visível daqui: Júpiter está a %1 de altura, abaixo de %2</translation>
    </message>
    <message>
        <source>Not seen from here: the sky is too bright, the Sun is %1 up</source>
        <translation>Não visível daqui: o céu está claro demais, o Sol está a %1 de altura</translation>
    </message>
    <message>
        <source>Not seen from anywhere</source>
        <translation>Não visível de lugar nenhum</translation>
    </message>
    <message>
        <source>, not seen from here</source>
        <translation>, não visível daqui</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lua</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
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
        <translation>Altura de Júpiter acima do horizonte</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>The Sun&apos;s altitude: below -6° the sky is dark enough</source>
        <translation>Altura do Sol: abaixo de -6° o céu está escuro o suficiente</translation>
    </message>
</context>
<context>
    <name>window::EventsDialog</name>
    <message>
        <source>The window&apos;s date, %1, is outside the years %2 to %3 that events are computed for: the list starts on %4.
%5</source>
        <translation>A data da janela, %1, está fora dos anos de %2 a %3 para os quais os eventos são calculados: a lista começa em %4.
%5</translation>
    </message>
    <message>
        <source>Where are you? The time zone does not say. Type your place&apos;s latitude and longitude above to see Jupiter&apos;s night there and which events you can see.</source>
        <translation>Onde você está? O fuso horário não informa. Digite acima a latitude e a longitude do seu local para ver a noite de Júpiter ali e quais eventos você pode ver.</translation>
    </message>
    <message>
        <source>No events</source>
        <translation>Nenhum evento</translation>
    </message>
    <message>
        <source>1 event</source>
        <translation>1 evento</translation>
    </message>
    <message>
        <source>%1 events</source>
        <translation>%1 eventos</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 de %2 a %3</translation>
    </message>
    <message>
        <source>Events are computed for the years %1 to %2; this span runs past them.</source>
        <translation>Os eventos são calculados para os anos de %1 a %2; este período vai além deles.</translation>
    </message>
    <message>
        <source>The place is unchanged: %1. Type the latitude, then the longitude, in degrees with N, S, E, W or signs, such as &quot;38.72 N, 9.14 W&quot; or &quot;38.72, -9.14&quot;.</source>
        <translation>O local não mudou: %1. Digite a latitude e depois a longitude, em graus com N, S, E, W ou sinais, como “38.72 N, 9.14 W” ou “38.72, -9.14”.</translation>
    </message>
    <message>
        <source>Here</source>
        <translation>Aqui</translation>
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
        <translation>Salvar os eventos</translation>
    </message>
    <message>
        <source>The events could not be saved to %1:
%2</source>
        <translation>Não foi possível salvar os eventos em %1:
%2</translation>
    </message>
</context>
<context>
    <name>window::JupiterPlot</name>
    <message>
        <source>Jupiter and its moons</source>
        <translation>Júpiter e suas luas</translation>
    </message>
</context>
<context>
    <name>window::MonthChartWindow</name>
    <message>
        <source>Month chart</source>
        <translation>Gráfico do mês</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Salvar como…</translation>
    </message>
    <message>
        <source>Month before</source>
        <translation>Mês anterior</translation>
    </message>
    <message>
        <source>Month after</source>
        <translation>Mês seguinte</translation>
    </message>
    <message>
        <source>Stretch time</source>
        <translation>Esticar o tempo</translation>
    </message>
    <message>
        <source>Squeeze time</source>
        <translation>Comprimir o tempo</translation>
    </message>
    <message>
        <source>The picker&apos;s month</source>
        <translation>Mês do seletor</translation>
    </message>
    <message>
        <source>Red Spot marks</source>
        <translation>Marcas da Mancha Vermelha</translation>
    </message>
    <message>
        <source>Mutual event marks</source>
        <translation>Marcas de eventos mútuos</translation>
    </message>
    <message>
        <source>The chart is drawn for the years %1 to %2 only</source>
        <translation>O gráfico é desenhado apenas para os anos de %1 a %2</translation>
    </message>
    <message>
        <source>Month chart: %1</source>
        <translation>Gráfico do mês: %1</translation>
    </message>
    <message>
        <source>%1 radii west</source>
        <translation>%1 raios a oeste</translation>
    </message>
    <message>
        <source>%1 radii east</source>
        <translation>%1 raios a leste</translation>
    </message>
    <message>
        <source>%1, %2 days</source>
        <translation>%1, %2 dias</translation>
    </message>
    <message>
        <source>; at %1, %2 %3</source>
        <translation>; em %1, %2 a %3</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>; marked %1: %2</source>
        <translation>; marcação em %1: %2</translation>
    </message>
    <message>
        <source>there is no chart to print</source>
        <translation>não há gráfico para imprimir</translation>
    </message>
    <message>
        <source>the page could not be printed</source>
        <translation>não foi possível imprimir a página</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <translation>A impressão não está disponível: %1</translation>
    </message>
    <message>
        <source>Jupiter&apos;s moons, %1</source>
        <translation>Luas de Júpiter, %1</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>Imagem SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>Save the chart</source>
        <translation>Salvar o gráfico</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2</source>
        <translation>Não foi possível salvar o gráfico em %1: %2</translation>
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
        <translation>A vista de Júpiter é desenhada apenas para os anos de 1600 a 2500</translation>
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
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>The whole system</source>
        <translation>O sistema inteiro</translation>
    </message>
</context>
</TS>
