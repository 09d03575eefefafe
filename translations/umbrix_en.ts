<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="fr_FR">
<context>
    <name>Cli</name>
    <message>
        <source>l&apos;option %1 est donnée deux fois</source>
        <translation>option %1 is given twice</translation>
    </message>
    <message>
        <source>l&apos;option %1 attend une valeur</source>
        <translation>option %1 needs a value</translation>
    </message>
    <message>
        <source>un seul projet à la fois : « %1 »</source>
        <translation>one project at a time: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>l&apos;option %1 ne prend pas de valeur</source>
        <translation>option %1 takes no value</translation>
    </message>
    <message>
        <source>option inconnue : « %1 »</source>
        <translation>unknown option: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>hauteur des chiffres incorrecte : « %1 » (de 1 à 100 mm, par exemple 5)</source>
        <translation>wrong numeral height: &quot;%1&quot; (1 to 100 mm, for example 5)</translation>
    </message>
    <message>
        <source>heures anciennes inconnues : « %1 » (italiques, babyloniques ou temporaires, séparées par des virgules)</source>
        <translation>unknown old hours: &quot;%1&quot; (italiques, babyloniques or temporaires, separated by commas)</translation>
    </message>
    <message>
        <source>impression inconnue : « %1 » (imprimer, demi, plein, 2, 4 ou echelle)</source>
        <translation>unknown print: &quot;%1&quot; (imprimer, demi, plein, 2, 4 or echelle)</translation>
    </message>
    <message>
        <source>papier inconnu : « %1 » (A4, A3 ou Letter)</source>
        <translation>unknown paper: &quot;%1&quot; (A4, A3 or Letter)</translation>
    </message>
    <message>
        <source>écart incorrect : « %1 » (un nombre au-dessus de 0, au plus 100 mm)</source>
        <translation>wrong step: &quot;%1&quot; (a number above 0, at most 100 mm)</translation>
    </message>
    <message>
        <source>écart incorrect : « %1 » (un nombre au-dessus de 0, au plus 3600 s)</source>
        <translation>wrong step: &quot;%1&quot; (a number above 0, at most 3600 s)</translation>
    </message>
    <message>
        <source>commande inconnue : « %1 » (calculer, simuler, tracer ou éphémérides)</source>
        <translation>unknown command: &quot;%1&quot; (calculer, simuler, tracer or éphémérides)</translation>
    </message>
    <message>
        <source>taille incorrecte : « %1 » (LxH, de %2 à %3 pixels, par exemple 600x600)</source>
        <translation>wrong size: &quot;%1&quot; (WxH, %2 to %3 pixels, for example 600x600)</translation>
    </message>
    <message>
        <source>il manque le fichier du projet (.umd)</source>
        <translation>the project file (.umd) is missing</translation>
    </message>
    <message>
        <source>l&apos;option --impression attend --pdf FICHIER</source>
        <translation>option --impression needs --pdf FILE</translation>
    </message>
    <message>
        <source>l&apos;option --pdf attend --impression</source>
        <translation>option --pdf needs --impression</translation>
    </message>
    <message>
        <source>l&apos;option --papier attend --impression</source>
        <translation>option --papier needs --impression</translation>
    </message>
    <message>
        <source>une seule sortie peut aller sur la sortie standard (« - »)</source>
        <translation>only one output may go to standard output (&quot;-&quot;)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>umbrix-cli : %1</source>
        <translation>umbrix-cli: %1</translation>
    </message>
    <message>
        <source>les heures anciennes ne sont pas tracées sans la latitude : cochez « Limiter le tracé à la partie utile » dans le projet</source>
        <translation>the old hours are not drawn without the latitude: check &quot;Limit the drawing to the useful part&quot; in the project</translation>
    </message>
    <message>
        <source>la dernière commande du projet (%1) n&apos;est pas connue : rien n&apos;a été calculé (--commande calculer, simuler, tracer ou éphémérides)</source>
        <translation>the project&apos;s last command (%1) is not known: nothing was computed (--command calculer, simuler, tracer or éphémérides)</translation>
    </message>
    <message>
        <source>umbrix-cli : %1
(umbrix-cli --aide, umbrix-cli --help)
</source>
        <translation>umbrix-cli: %1
(umbrix-cli --help, umbrix-cli --aide)
</translation>
    </message>
    <message>
        <source>langue inconnue : « %1 » (fr ou en)</source>
        <translation>unknown language: &quot;%1&quot; (fr or en)</translation>
    </message>
    <message>
        <source>NOM</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>FICHIER</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>calculer, simuler, tracer ou éphémérides</source>
        <translation>calculer (compute), simuler (simulate), tracer (trace)
or éphémérides (ephemeris)</translation>
    </message>
    <message>
        <source>le rapport, en UTF-8 ; « - » pour la sortie standard</source>
        <translation>the report, in UTF-8; &quot;-&quot; for standard output</translation>
    </message>
    <message>
        <source>le dessin en PNG, lissé</source>
        <translation>the drawing as PNG, smooth</translation>
    </message>
    <message>
        <source>le dessin en BMP 4 bits</source>
        <translation>the drawing as 4-bit BMP</translation>
    </message>
    <message>
        <source>le dessin en SVG, à l&apos;échelle (en millimètres)</source>
        <translation>the drawing as SVG, true scale (millimetres)</translation>
    </message>
    <message>
        <source>le dessin en DXF (R12), comme « Export dxf »</source>
        <translation>the drawing as DXF (R12), as &quot;Export dxf&quot; writes it</translation>
    </message>
    <message>
        <source>le dessin de fabrication en DXF (R12, millimètres) : un
calque par rôle (découpe, gravure, porte-ombre, repères,
cartouche), chiffres dans la plaque, sans fond ni ombre ;
le même quelle que soit la taille du dessin</source>
        <translation>the workshop drawing as DXF (R12, millimetres): one
layer per role (cut, engrave, shadow-caster, layout marks,
title block), numerals inside the plate, no background or
shadow; the same whatever the drawing&apos;s size</translation>
    </message>
    <message>
        <source>le même dessin en SVG, en millimètres, calques Inkscape</source>
        <translation>the same drawing as SVG, in millimetres, Inkscape layers</translation>
    </message>
    <message>
        <source>hauteur des chiffres du dessin de fabrication (de 1 à
100 mm) ; par défaut le 25e du petit côté (de 3 à 12 mm),
réduit tant qu&apos;un chiffre ne tient pas entre les lignes</source>
        <translation>height of the workshop drawing&apos;s numerals (1 to 100 mm);
by default the short side over 25 (3 to 12 mm), made
smaller while a numeral finds no room between the lines</translation>
    </message>
    <message>
        <source>le fuseau horaire du lieu par son nom (Europe/Paris) :
les heures des instants sont son heure légale, heure
d&apos;été comprise ; --zone &quot;&quot; retire celui du projet</source>
        <translation>the place&apos;s time zone by name (Europe/Paris): the
instants&apos; clock times are its legal time, summer time
included; --zone &quot;&quot; removes the project&apos;s zone</translation>
    </message>
    <message>
        <source>LISTE</source>
        <translation>LIST</translation>
    </message>
    <message>
        <source>trace aussi les heures italiques, babyloniques ou
temporaires (séparées par des virgules, par exemple
italiques,babyloniques) ; il faut la latitude</source>
        <translation>also draws the Italian, Babylonian or temporary hours
(italiques, babyloniques, temporaires, separated by
commas); the latitude must be known</translation>
    </message>
    <message>
        <source>LxH</source>
        <translation>WxH</translation>
    </message>
    <message>
        <source>taille maximale du dessin en pixels (600x600 par défaut) ;
le cadran garde ses proportions</source>
        <translation>largest drawing in pixels (600x600 by default);
the dial keeps its proportions</translation>
    </message>
    <message>
        <source>[FICHIER|-]</source>
        <translation>[FILE|-]</translation>
    </message>
    <message>
        <source>la fiabilité de la mesure : le calcul refait avec chaque
marque déplacée et chaque heure décalée, les écarts qui en
résultent, le verdict et le conseil ; sans fichier (ou « - »)
sur la sortie standard</source>
        <translation>how far the measurement can be trusted: the computation
run again with each mark moved and each clock time shifted,
the changes it brings, the verdict and the advice (French
text); without a file (or &quot;-&quot;) on standard output</translation>
    </message>
    <message>
        <source>déplacement des marques pour --fiabilite (0.5 mm par défaut)</source>
        <translation>how far --fiabilite moves the marks (0.5 mm by default)</translation>
    </message>
    <message>
        <source>décalage des heures pour --fiabilite (30 s par défaut)</source>
        <translation>how far --fiabilite shifts the clock times (30 s by default)</translation>
    </message>
    <message>
        <source>imprime en PDF (--pdf), comme les commandes d&apos;impression :
imprimer (données, dessin, commentaires et rapport), demi,
plein, 2 ou 4 (le dessin sur une demi-page, une page, deux
ou quatre feuilles), echelle (le cadran à l&apos;échelle 1:1 sur
autant de feuilles qu&apos;il en faut, avec bandes de 10 mm,
repères et barre de 100 mm)</source>
        <translation>prints to PDF (--pdf) as the print commands do: imprimer
(data, drawing, comments and report), demi, plein, 2 or 4
(the drawing on half a page, a page, two or four sheets),
echelle (the dial at true size 1:1 on as many sheets as it
needs, with 10 mm bands, join marks and a 100 mm bar)</translation>
    </message>
    <message>
        <source>le fichier PDF de --impression</source>
        <translation>the PDF file of --impression</translation>
    </message>
    <message>
        <source>le papier de --impression (A4 par défaut)</source>
        <translation>the paper of --impression (A4 by default)</translation>
    </message>
    <message>
        <source>réécrit le projet dans la version actuelle du format</source>
        <translation>writes the project back in the current file version</translation>
    </message>
    <message>
        <source>la langue des messages et du rapport (par défaut celle
du bureau : LANGUAGE, LC_ALL, LC_MESSAGES, LANG)</source>
        <translation>the language of the messages and the report (by default
the desktop&apos;s: LANGUAGE, LC_ALL, LC_MESSAGES, LANG)</translation>
    </message>
    <message>
        <source>mode développeur (projets au format étendu)</source>
        <translation>developer mode (extended project files)</translation>
    </message>
    <message>
        <source>fin des options : ce qui suit est le projet (« -x.umd »)</source>
        <translation>end of options: what follows is the project (&quot;-x.umd&quot;)</translation>
    </message>
    <message>
        <source>cette aide, en français</source>
        <translation>this help, in French</translation>
    </message>
    <message>
        <source>cette aide, en anglais</source>
        <translation>this help, in English</translation>
    </message>
    <message>
        <source>la version</source>
        <translation>the version</translation>
    </message>
    <message>
        <source>Usage : umbrix-cli PROJET.umd [options]

Ouvre un projet Umbrix comme le fait le programme : le projet est lu, sa dernière
commande est refaite (ou celle que demande --commande), puis ce qui est demandé
est écrit.

Options :
</source>
        <translation>Usage: umbrix-cli PROJECT.umd [options]

Opens an Umbrix project as the program does: the project is read, its last command
is run again (or the one --command asks for), then what is asked for is written.

Options:
</translation>
    </message>
    <message>
        <source>
Chaque FICHIER peut être « - » : la sortie standard (une seule sortie à la fois).
Un fichier existant est remplacé d&apos;un coup, ses droits gardés ; un fichier en
lecture seule, le projet ouvert ou un projet ouvert ailleurs ne le sont jamais.

Les messages que le programme montrerait dans une boîte sont écrits sur la sortie
d&apos;erreur, précédés de leur titre (« Erreur... : Donner la géométrie du cadran »).
Les questions reçoivent la réponse qui ne change rien (Annuler, Non).

Codes de sortie : 0 succès ; 1 calcul refusé (une donnée manque, le calcul échoue,
ou il n&apos;y a pas de dessin à écrire) ; 2 erreur d&apos;usage ou de fichier.
</source>
        <translation>
Each FILE may be &quot;-&quot;: standard output (one output at a time). An existing file
is replaced in one step, its permissions kept; a read-only file, the open project
or a project open elsewhere never is.

Messages the program would show in a box go to standard error, prefixed by their
caption (&quot;Erreur... : Donner la géométrie du cadran&quot;). Questions get the answer
that changes nothing (Cancel, No).

Exit status: 0 success; 1 computation refused (an entry is missing, the computation
fails, or there is no drawing to write); 2 usage or file error.
</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>&amp;Cadran</source>
        <translation>&amp;Dial</translation>
    </message>
    <message>
        <source>Point &amp;1</source>
        <translation>Point &amp;1</translation>
    </message>
    <message>
        <source>Point &amp;2</source>
        <translation>Point &amp;2</translation>
    </message>
    <message>
        <source>&amp;Lieu</source>
        <translation>&amp;Location</translation>
    </message>
    <message>
        <source>&amp;Divers</source>
        <translation>&amp;Misc.</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Option</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <source>Cadran &amp;rectangulaire</source>
        <translation>&amp;Rectangular dial</translation>
    </message>
    <message>
        <source>&amp;Porte-ombre final</source>
        <translation>&amp;Final shadow caster</translation>
    </message>
    <message>
        <source>L&amp;imiter le tracé à la partie utile</source>
        <translation>Limit the drawing to the &amp;useful part</translation>
    </message>
    <message>
        <source>&amp;Nord</source>
        <translation>&amp;North</translation>
    </message>
    <message>
        <source>&amp;Sud</source>
        <translation>&amp;South</translation>
    </message>
    <message>
        <source>&amp;Mi-journée</source>
        <translation>M&amp;idday</translation>
    </message>
    <message>
        <source>Heure à mi-journée</source>
        <translation>Time at midday</translation>
    </message>
    <message>
        <source>L&amp;ocalisation complète</source>
        <translation>Full locati&amp;on</translation>
    </message>
    <message>
        <source>&amp;Heures solaires</source>
        <translation>Solar &amp;hours</translation>
    </message>
    <message>
        <source>&amp;Est</source>
        <translation>&amp;East</translation>
    </message>
    <message>
        <source>&amp;Ouest</source>
        <translation>&amp;West</translation>
    </message>
    <message>
        <source>E&amp;phémérides</source>
        <translation>E&amp;phemeris</translation>
    </message>
    <message>
        <source>Raccourci : Ctrl+J</source>
        <translation>Shortcut: Ctrl+J</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>&amp;Tracer</source>
        <translation>D&amp;raw</translation>
    </message>
    <message>
        <source>Raccourci : Ctrl+K</source>
        <translation>Shortcut: Ctrl+K</translation>
    </message>
    <message>
        <source>&amp;Simuler</source>
        <translation>&amp;Simulate</translation>
    </message>
    <message>
        <source>Raccourci : Ctrl+L</source>
        <translation>Shortcut: Ctrl+L</translation>
    </message>
    <message>
        <source>Séquence</source>
        <translation>Sequence</translation>
    </message>
    <message>
        <source>Long:</source>
        <translation>Long:</translation>
    </message>
    <message>
        <source>Degré décimal, négatif à l&apos;est</source>
        <translation>Decimal degrees, negative to the east</translation>
    </message>
    <message>
        <source>Lat:</source>
        <translation>Lat:</translation>
    </message>
    <message>
        <source>Degré décimal, négatif au sud</source>
        <translation>Decimal degrees, negative to the south</translation>
    </message>
    <message>
        <source>Fuseau h</source>
        <translation>Zone h</translation>
    </message>
    <message>
        <source>Négatif vers l&apos;ouest</source>
        <translation>Negative to the west</translation>
    </message>
    <message>
        <source>Correction réfraction</source>
        <translation>Refraction correction</translation>
    </message>
    <message>
        <source>Decl:</source>
        <translation>Decl:</translation>
    </message>
    <message>
        <source>Incl:</source>
        <translation>Incl:</translation>
    </message>
    <message>
        <source>Degré décimal, vertical = 90</source>
        <translation>Decimal degrees, vertical = 90</translation>
    </message>
    <message>
        <source>Arrondi</source>
        <translation>Rounding</translation>
    </message>
    <message>
        <source>Nombre de parties décimales</source>
        <translation>Number of decimal places</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>0: x &quot;bibi&quot; vers la droite, 90: vers le bas</source>
        <translation>0: x &quot;bibi&quot; to the right, 90: downward</translation>
    </message>
    <message>
        <source>Pts à 12h TU</source>
        <translation>Pts at 12h UT</translation>
    </message>
    <message>
        <source>Déclinaison/EdT calculés à 12h TU</source>
        <translation>Declination/EoT computed at 12h UT</translation>
    </message>
    <message>
        <source>Calcule</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>C&amp;alculer</source>
        <translation>C&amp;alculate</translation>
    </message>
    <message>
        <source>Raccourci : Ctrl+M</source>
        <translation>Shortcut: Ctrl+M</translation>
    </message>
    <message>
        <source>Heure de mesure du cadran</source>
        <translation>Time the dial was measured in</translation>
    </message>
    <message>
        <source>Heure d&apos;été / cadran d&apos;hiver</source>
        <translation>Summer time / winter dial</translation>
    </message>
    <message>
        <source>Heure d&apos;hiver / cadran d&apos;été</source>
        <translation>Winter time / summer dial</translation>
    </message>
    <message>
        <source>Format : dd°mm°ss</source>
        <translation>Format : dd°mm°ss</translation>
    </message>
    <message>
        <source>Format : hh:mm:ss</source>
        <translation>Format : hh:mm:ss</translation>
    </message>
    <message>
        <source>Format : hh:mm</source>
        <translation>Format : hh:mm</translation>
    </message>
    <message>
        <source>Côté du cadran</source>
        <translation>Side of the dial</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Hauteur</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Largeur</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Hauteur du gnomon</source>
        <translation>Gnomon height</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Heure</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Fuseau horaire</source>
        <translation>Time zone</translation>
    </message>
    <message>
        <source>h (mesure du cadran)</source>
        <translation>h (as the dial was measured)</translation>
    </message>
    <message>
        <source>Déclinaison</source>
        <translation>Declination</translation>
    </message>
    <message>
        <source>Inclinaison</source>
        <translation>Inclination</translation>
    </message>
    <message>
        <source>Carreaux</source>
        <translation>Grid squares</translation>
    </message>
    <message>
        <source>Format : %1</source>
        <translation>Format : %1</translation>
    </message>
    <message>
        <source>Format : jj/mm/aaaa</source>
        <translation>Format : dd/mm/yyyy</translation>
    </message>
    <message>
        <source>Fuseau par son nom</source>
        <translation>Time zone by name</translation>
    </message>
    <message>
        <source>Heure légale de ce fuseau (heure d&apos;été comprise) pour les instants saisis ; vide : heures lues sur le fuseau horaire du cadran</source>
        <translation>Civil time of this zone (summer time included) for the instants entered; empty: times read in the dial&apos;s time zone</translation>
    </message>
    <message>
        <source>Sans objet : l&apos;heure courante est l&apos;heure légale du fuseau nommé</source>
        <translation>Not applicable: the current time is the civil time of the named zone</translation>
    </message>
    <message>
        <source>(aucun : heures lues sur le fuseau du cadran)</source>
        <translation>(none: times read in the dial&apos;s zone)</translation>
    </message>
    <message>
        <source>« %1 » : nombre positif, par exemple 120 ou 45,5</source>
        <translation>“%1”: a positive number, for example 120 or 45.5</translation>
    </message>
    <message>
        <source>« %1 » : nombre, par exemple -12,5 ou 30</source>
        <translation>“%1”: a number, for example -12.5 or 30</translation>
    </message>
    <message>
        <source>« %1 » : nombre entier, par exemple -5 ou 2</source>
        <translation>“%1”: a whole number, for example -5 or 2</translation>
    </message>
    <message>
        <source>« %1 » : le pied du gnomon doit être à l&apos;intérieur du cadran</source>
        <translation>“%1”: the foot of the gnomon must lie inside the dial</translation>
    </message>
    <message>
        <source>« %1 » : angle de %2 à %3° au format dd°mm°ss, par exemple 45°30 ou 45,5</source>
        <translation>“%1”: an angle from %2 to %3° as dd°mm°ss, for example 45°30 or 45.5</translation>
    </message>
    <message>
        <source>« %1 » : fuseau de -12 à 12 h par quarts d&apos;heure, au format hh:mm, par exemple 1:00 ou -3:30</source>
        <translation>“%1”: a time zone from -12 to 12 h in quarter hours, as hh:mm, for example 1:00 or -3:30</translation>
    </message>
    <message>
        <source>« %1 » : date au format jj/mm/aaaa, par exemple 21/06/2024</source>
        <translation>“%1”: a date as dd/mm/yyyy, for example 21/06/2024</translation>
    </message>
    <message>
        <source>« %1 » : date au format %2, par exemple %3</source>
        <translation>“%1”: a date as %2, for example %3</translation>
    </message>
    <message>
        <source>« %1 » : heure au format hh:mm:ss, par exemple 12:30</source>
        <translation>“%1”: a clock time as hh:mm:ss, for example 12:30</translation>
    </message>
    <message>
        <source>« %1 » : heure au format hh:mm, par exemple 12:30</source>
        <translation>“%1”: a time as hh:mm, for example 12:30</translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <source>janvier</source>
        <translation>January</translation>
    </message>
    <message>
        <source>février</source>
        <translation>February</translation>
    </message>
    <message>
        <source>mars</source>
        <translation>March</translation>
    </message>
    <message>
        <source>avril</source>
        <translation>April</translation>
    </message>
    <message>
        <source>mai</source>
        <translation>May</translation>
    </message>
    <message>
        <source>juin</source>
        <translation>June</translation>
    </message>
    <message>
        <source>juillet</source>
        <translation>July</translation>
    </message>
    <message>
        <source>août</source>
        <translation>August</translation>
    </message>
    <message>
        <source>septembre</source>
        <translation>September</translation>
    </message>
    <message>
        <source>octobre</source>
        <translation>October</translation>
    </message>
    <message>
        <source>novembre</source>
        <translation>November</translation>
    </message>
    <message>
        <source>décembre</source>
        <translation>December</translation>
    </message>
</context>
<context>
    <name>HelpTopics</name>
    <message>
        <source>Umbrix : du gnomon au cadran tracé</source>
        <translation>Umbrix: from the gnomon to the drawn dial</translation>
    </message>
    <message>
        <source>L&apos;onglet Cadran : la plaque et le gnomon</source>
        <translation>The Dial tab: the plate and the gnomon</translation>
    </message>
    <message>
        <source>Les onglets Point 1 et Point 2 : marquer l&apos;ombre</source>
        <translation>The Point 1 and Point 2 tabs: marking the shadow</translation>
    </message>
    <message>
        <source>L&apos;onglet Lieu : ce que l&apos;on sait du lieu</source>
        <translation>The Location tab: what is known of the place</translation>
    </message>
    <message>
        <source>La fenêtre principale, ses menus, la souris et les touches</source>
        <translation>The main window, its menus, the mouse and the keys</translation>
    </message>
    <message>
        <source>La simulation et le tracé direct</source>
        <translation>Simulation and direct drawing</translation>
    </message>
    <message>
        <source>L&apos;onglet Divers : l&apos;instant courant et les éphémérides</source>
        <translation>The Misc. tab: the current instant and the ephemeris</translation>
    </message>
    <message>
        <source>Le menu Fichier : projets, exports et impressions</source>
        <translation>The File menu: projects, exports and prints</translation>
    </message>
    <message>
        <source>Le porte-ombre final</source>
        <translation>The final shadow caster</translation>
    </message>
    <message>
        <source>Le quadrillage</source>
        <translation>The grid</translation>
    </message>
    <message>
        <source>Le rapport, ligne par ligne</source>
        <translation>The report, line by line</translation>
    </message>
    <message>
        <source>La fenêtre Saisies</source>
        <translation>The Entries window</translation>
    </message>
    <message>
        <source>Style ou gnomon</source>
        <translation>Style or gnomon</translation>
    </message>
    <message>
        <source>Les heures italiques, babyloniques et temporaires</source>
        <translation>Italian, Babylonian and temporary hours</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>langue inconnue : « %1 » (fr ou en)</source>
        <translation>unknown language: “%1” (fr or en)</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Nouveau</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Ouvrir</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Enregistrer &amp;Sous</source>
        <translation>Save &amp;As</translation>
    </message>
    <message>
        <source>Enregistrer le &amp;Graphique</source>
        <translation>Save &amp;Graphic</translation>
    </message>
    <message>
        <source>E&amp;xport dxf</source>
        <translation>E&amp;xport DXF</translation>
    </message>
    <message>
        <source>Export &amp;fabrication (dxf, svg)</source>
        <translation>Export for &amp;workshop (dxf, svg)</translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Im&amp;primer le Graphique</source>
        <translation>Print Grap&amp;hic</translation>
    </message>
    <message>
        <source>&amp;Demi format</source>
        <translation>&amp;Half page</translation>
    </message>
    <message>
        <source>&amp;Plein format</source>
        <translation>&amp;Full page</translation>
    </message>
    <message>
        <source>&amp;2 formats</source>
        <translation>&amp;2 pages</translation>
    </message>
    <message>
        <source>&amp;4 formats</source>
        <translation>&amp;4 pages</translation>
    </message>
    <message>
        <source>Imprimer à l&apos;é&amp;chelle 1:1</source>
        <translation>Print at &amp;scale 1:1</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Saisies</source>
        <translation>&amp;Entries</translation>
    </message>
    <message>
        <source>&amp;Heures</source>
        <translation>&amp;Hours</translation>
    </message>
    <message>
        <source>&amp;Subdivisions</source>
        <translation>S&amp;ubdivisions</translation>
    </message>
    <message>
        <source>&amp;Demi</source>
        <translation>&amp;Half</translation>
    </message>
    <message>
        <source>&amp;Quart</source>
        <translation>&amp;Quarter</translation>
    </message>
    <message>
        <source>10 &amp;min</source>
        <translation>10 &amp;min</translation>
    </message>
    <message>
        <source>&amp;Lignes Horaires</source>
        <translation>&amp;Hour Lines</translation>
    </message>
    <message>
        <source>Li&amp;mitation</source>
        <translation>Li&amp;mitation</translation>
    </message>
    <message>
        <source>&amp;S janvier-juin</source>
        <translation>&amp;S January-June</translation>
    </message>
    <message>
        <source>&amp;Z juillet-décembre</source>
        <translation>&amp;Z July-December</translation>
    </message>
    <message>
        <source>&amp;Arcs</source>
        <translation>&amp;Arcs</translation>
    </message>
    <message>
        <source>&amp;Signes</source>
        <translation>&amp;Signs</translation>
    </message>
    <message>
        <source>&amp;Equinoxiale</source>
        <translation>&amp;Equinoctial</translation>
    </message>
    <message>
        <source>&amp;Solstices</source>
        <translation>&amp;Solstices</translation>
    </message>
    <message>
        <source>&amp;Tous</source>
        <translation>&amp;All</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Date</translation>
    </message>
    <message>
        <source>J&amp;anvier-juin</source>
        <translation>J&amp;anuary-June</translation>
    </message>
    <message>
        <source>J&amp;uillet-décembre</source>
        <translation>J&amp;uly-December</translation>
    </message>
    <message>
        <source>&amp;Divers</source>
        <translation>&amp;Misc.</translation>
    </message>
    <message>
        <source>&amp;2 points</source>
        <translation>&amp;2 points</translation>
    </message>
    <message>
        <source>&amp;Axes</source>
        <translation>&amp;Axes</translation>
    </message>
    <message>
        <source>&amp;Carreaux</source>
        <translation>&amp;Grid</translation>
    </message>
    <message>
        <source>&amp;Horizon</source>
        <translation>&amp;Horizon</translation>
    </message>
    <message>
        <source>&amp;Réfraction</source>
        <translation>&amp;Refraction</translation>
    </message>
    <message>
        <source>&amp;Ombre</source>
        <translation>&amp;Shadow</translation>
    </message>
    <message>
        <source>&amp;Fiabilité de la mesure</source>
        <translation>Measurement re&amp;liability</translation>
    </message>
    <message>
        <source>Cadran de &amp;bureau</source>
        <translation>&amp;Desk dial</translation>
    </message>
    <message>
        <source>&amp;Porte-ombre</source>
        <translation>&amp;Shadow caster</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;Visible</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>&amp;Type</translation>
    </message>
    <message>
        <source>&amp;Style</source>
        <translation>&amp;Style</translation>
    </message>
    <message>
        <source>&amp;Gnomon</source>
        <translation>&amp;Gnomon</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Manuel d&apos;util.</source>
        <translation>&amp;User manual</translation>
    </message>
    <message>
        <source>A &amp;Propos</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Toujours visible</source>
        <translation>Always on top</translation>
    </message>
    <message>
        <source>Retour Umbrix</source>
        <translation>Back to Umbrix</translation>
    </message>
    <message>
        <source>Ces heures se comptent depuis le lever ou le coucher du soleil : cochez « Limiter le tracé à la partie utile » et donnez la latitude dans l&apos;onglet « Lieu » des saisies.</source>
        <translation>These hours are counted from sunrise or sunset: tick &quot;Limit the drawing to the useful part&quot; and give the latitude in the &quot;Location&quot; tab of the entries.</translation>
    </message>
    <message>
        <source>Heures &amp;italiques</source>
        <translation>&amp;Italian hours</translation>
    </message>
    <message>
        <source>Heures &amp;babyloniques</source>
        <translation>&amp;Babylonian hours</translation>
    </message>
    <message>
        <source>Heures &amp;temporaires</source>
        <translation>&amp;Temporary hours</translation>
    </message>
    <message>
        <source>&amp;Langue</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Celle du &amp;bureau</source>
        <translation>The &amp;desktop&apos;s</translation>
    </message>
    <message>
        <source>&amp;Français</source>
        <translation>&amp;Français</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>&amp;Exemples</source>
        <translation>&amp;Examples</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>Umbrix – Manuel d&apos;utilisation</source>
        <translation>Umbrix – User manual</translation>
    </message>
    <message>
        <source>umbrix-manual : figure illisible %s
</source>
        <translation>umbrix-manual: unreadable figure %s
</translation>
    </message>
    <message>
        <source>umbrix-manual : chapitre %zu introuvable
</source>
        <translation>umbrix-manual: chapter %zu not found
</translation>
    </message>
    <message>
        <source>umbrix-manual : impossible d&apos;écrire %s
</source>
        <translation>umbrix-manual: cannot write %s
</translation>
    </message>
    <message>
        <source>Manuel d&apos;utilisation</source>
        <translation>User manual</translation>
    </message>
    <message>
        <source>Sommaire</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Usage : umbrix-manual SORTIE.pdf [fr|en]
</source>
        <translation>Usage: umbrix-manual OUTPUT.pdf [fr|en]
</translation>
    </message>
    <message>
        <source>umbrix-manual : textes anglais absents
</source>
        <translation>umbrix-manual: the English texts are missing
</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Erreur...</source>
        <translation>Error...</translation>
    </message>
    <message>
        <source>Le cadran n&apos;est pas tracé</source>
        <translation>The dial is not drawn</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
Envoyez la photo de votre cadran à :<byte value="xd"/>
     %2</source>
        <translation>%1<byte value="xd"/>
<byte value="xd"/>
Send the photo of your dial to:<byte value="xd"/>
     %2</translation>
    </message>
    <message>
        <source>Le fichier Manuel.pdf est absent</source>
        <translation>The file Manual.pdf is missing</translation>
    </message>
    <message>
        <source>Aucune application ne peut lire le fichier Manuel.pdf</source>
        <translation>No application can read the file Manual.pdf</translation>
    </message>
    <message>
        <source>Erreur à l&apos;ouverture du fichier Manuel.pdf</source>
        <translation>Error opening the file Manual.pdf</translation>
    </message>
    <message>
        <source>A propos...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Il n&apos;y a pas d&apos;information à imprimer</source>
        <translation>There is nothing to print</translation>
    </message>
    <message>
        <source>Il n&apos;y a pas de graphique à imprimer</source>
        <translation>There is no graphic to print</translation>
    </message>
    <message>
        <source>Il n&apos;y a pas de graphique à sauver</source>
        <translation>There is no graphic to save</translation>
    </message>
    <message>
        <source>Format d&apos;enregistrement</source>
        <translation>Saving format</translation>
    </message>
    <message>
        <source>Enregistrer au format étendu ?</source>
        <translation>Save in the extended format?</translation>
    </message>
    <message>
        <source>Enregistrement au format réduit:<byte value="xd"/>
Incohérence des données de test</source>
        <translation>Saving in the reduced format:<byte value="xd"/>
The test data do not agree</translation>
    </message>
    <message>
        <source>Modifications...</source>
        <translation>Changes...</translation>
    </message>
    <message>
        <source>Voulez-vous sauver les modifications ?</source>
        <translation>Do you want to save the changes?</translation>
    </message>
    <message>
        <source>Enregistrement au format étendu</source>
        <translation>Saving in the extended format</translation>
    </message>
    <message>
        <source>Incohérence des données de test</source>
        <translation>The test data do not agree</translation>
    </message>
    <message>
        <source>Enregistrement au format réduit ?</source>
        <translation>Save in the reduced format?</translation>
    </message>
    <message>
        <source>Il n&apos;y a pas d&apos;information à sauver</source>
        <translation>There is nothing to save</translation>
    </message>
    <message>
        <source>Il n&apos;y a pas de graphique à exporter</source>
        <translation>There is no graphic to export</translation>
    </message>
    <message>
        <source>Fichier existant...</source>
        <translation>File exists...</translation>
    </message>
    <message>
        <source>Le fichier existe déjà, voulez-vous le remplacer ?</source>
        <translation>The file already exists. Do you want to replace it?</translation>
    </message>
    <message>
        <source>Donnée Umbrix (*.umd)|*.umd</source>
        <translation>Umbrix data (*.umd)|*.umd</translation>
    </message>
    <message>
        <source>Données Umbrix (*.umd)|*.umd|Données Umbrix (*.umd ; *.txt)|*.umd;*.txt|Cadran de bureau (*.umb)|*.umb</source>
        <translation>Umbrix data (*.umd)|*.umd|Umbrix data (*.umd ; *.txt)|*.umd;*.txt|Desk dial (*.umb)|*.umb</translation>
    </message>
    <message>
        <source>Fiabilité de la mesure</source>
        <translation>Measurement reliability</translation>
    </message>
    <message>
        <source>Fichier dxf (*.dxf)|*.dxf</source>
        <translation>DXF file (*.dxf)|*.dxf</translation>
    </message>
    <message>
        <source>Fichier dxf (*.dxf)|*.dxf|Image svg (*.svg)|*.svg</source>
        <translation>DXF file (*.dxf)|*.dxf|SVG image (*.svg)|*.svg</translation>
    </message>
    <message>
        <source>Donner la géométrie du cadran</source>
        <translation>Give the geometry of the dial</translation>
    </message>
    <message>
        <source>Donner la position du point d&apos;ombre 1</source>
        <translation>Give the position of shadow point 1</translation>
    </message>
    <message>
        <source>Définir l&apos;instant 1</source>
        <translation>Set instant 1</translation>
    </message>
    <message>
        <source>Donner la position du point d&apos;ombre 2</source>
        <translation>Give the position of shadow point 2</translation>
    </message>
    <message>
        <source>Définir l&apos;instant 2</source>
        <translation>Set instant 2</translation>
    </message>
    <message>
        <source>Utilisation des données &apos;Heures solaires&apos; pour la localisation complète</source>
        <translation>Using the &apos;Solar hours&apos; data for the full location</translation>
    </message>
    <message>
        <source>Compléter les champs activés</source>
        <translation>Fill in the enabled fields</translation>
    </message>
    <message>
        <source>Donner la localisation complète</source>
        <translation>Give the full location</translation>
    </message>
    <message>
        <source>Compléter les données de simulation</source>
        <translation>Fill in the simulation data</translation>
    </message>
    <message>
        <source>Définir l&apos;instant courant</source>
        <translation>Set the current instant</translation>
    </message>
    <message>
        <source>Donner la taille des carreaux</source>
        <translation>Give the size of the grid squares</translation>
    </message>
    <message>
        <source>Le soleil est couché à l&apos;instant %1</source>
        <translation>The sun is down at instant %1</translation>
    </message>
    <message>
        <source>Le cadran n&apos;est pas éclairé à l&apos;instant %1</source>
        <translation>The dial is not lit at instant %1</translation>
    </message>
    <message>
        <source>Le point %1 est à l&apos;extérieur du cadran<byte value="xd"/>
x%1 = %2, y%1 = %3</source>
        <translation>Point %1 is outside the dial<byte value="xd"/>
x%1 = %2, y%1 = %3</translation>
    </message>
    <message>
        <source>Définir l&apos;instant %1</source>
        <translation>Set instant %1</translation>
    </message>
    <message>
        <source>Le soleil est couché à l&apos;heure %1</source>
        <translation>The sun is down at time %1</translation>
    </message>
    <message>
        <source>Le cadran n&apos;est pas éclairé à l&apos;heure %1</source>
        <translation>The dial is not lit at time %1</translation>
    </message>
    <message>
        <source>Le point %1 n&apos;est pas à l&apos;intérieur du cadran<byte value="xd"/>
x%1 = %2, y%1 = %3</source>
        <translation>Point %1 is not inside the dial<byte value="xd"/>
x%1 = %2, y%1 = %3</translation>
    </message>
    <message>
        <source>Localisation incorrecte : Le soleil<byte value="xd"/>
est sous l&apos;horizon pour le point %1</source>
        <translation>Wrong location: the sun<byte value="xd"/>
is below the horizon for point %1</translation>
    </message>
    <message>
        <source>Calcul impossible : Ombres identiques</source>
        <translation>Cannot compute: identical shadows</translation>
    </message>
    <message>
        <source>Calcul impossible : Instants identiques</source>
        <translation>Cannot compute: identical instants</translation>
    </message>
    <message>
        <source>Calcul impossible : Valeurs hors d&apos;échelle</source>
        <translation>Cannot compute: values out of range</translation>
    </message>
    <message>
        <source>%1 n&apos;existe pas</source>
        <translation>%1 does not exist</translation>
    </message>
    <message>
        <source>Certains caractères ne peuvent pas être enregistrés dans le fichier : ils ont été remplacés par &quot;?&quot;</source>
        <translation>Some characters cannot be saved in the file: they were replaced by &quot;?&quot;</translation>
    </message>
    <message>
        <source>%1 : erreur d&apos;écriture, le fichier n&apos;a pas été enregistré (disque plein)</source>
        <translation>%1: write error, the file was not saved (disk full)</translation>
    </message>
    <message>
        <source>%1 : erreur d&apos;écriture, le fichier n&apos;a pas été enregistré (accès refusé)</source>
        <translation>%1: write error, the file was not saved (access denied)</translation>
    </message>
    <message>
        <source>%1 : erreur d&apos;écriture, le fichier n&apos;a pas été enregistré (dossier introuvable)</source>
        <translation>%1: write error, the file was not saved (folder not found)</translation>
    </message>
    <message>
        <source>%1 : erreur d&apos;écriture, le fichier n&apos;a pas été enregistré (le nom ne désigne pas un fichier ordinaire)</source>
        <translation>%1: write error, the file was not saved (the name is not that of a regular file)</translation>
    </message>
    <message>
        <source>%1 : erreur d&apos;écriture, le fichier n&apos;a pas été enregistré (erreur d&apos;entrée-sortie)</source>
        <translation>%1: write error, the file was not saved (input/output error)</translation>
    </message>
    <message>
        <source>%1 : déjà ouvert ou erreur d&apos;ouverture</source>
        <translation>%1: already open or cannot be opened</translation>
    </message>
    <message>
        <source>%1 : format incorrect</source>
        <translation>%1: wrong format</translation>
    </message>
    <message>
        <source>Le pied du gnomon doit être à l&apos;intérieur du cadran</source>
        <translation>The foot of the gnomon must be inside the dial</translation>
    </message>
    <message>
        <source>Donner la géométrie de mesure</source>
        <translation>Give the measuring geometry</translation>
    </message>
    <message>
        <source>L&apos;impression n&apos;a pas pu commencer</source>
        <translation>Printing could not start</translation>
    </message>
    <message>
        <source>L&apos;impression s&apos;est arrêtée à la page %1</source>
        <translation>Printing stopped at page %1</translation>
    </message>
    <message>
        <source>L&apos;impression n&apos;a pas pu se terminer</source>
        <translation>Printing could not finish</translation>
    </message>
    <message>
        <source>Calcul impossible : Cadran trop petit</source>
        <translation>Cannot compute: dial too small</translation>
    </message>
    <message>
        <source>L&apos;imprimante a refusé le document</source>
        <translation>The printer refused the document</translation>
    </message>
    <message>
        <source>Enregistrement</source>
        <translation>Saving</translation>
    </message>
    <message>
        <source>Certains caractères ne peuvent pas être enregistrés dans le fichier : ils seront remplacés par &quot;?&quot;.<byte value="xd"/>
Enregistrer quand même ?</source>
        <translation>Some characters cannot be saved in the file: they will be replaced by &quot;?&quot;.<byte value="xd"/>
Save anyway?</translation>
    </message>
    <message>
        <source>%1 : fichier incomplet, seul son début a été lu</source>
        <translation>%1: incomplete file, only its beginning was read</translation>
    </message>
    <message>
        <source>Point %1 : l&apos;heure %2 du %3 n&apos;existe pas dans le fuseau %4, où l&apos;heure légale passe de %5 à %6 ce jour-là. Saisie refusée.</source>
        <translation>Point %1: the time %2 on %3 does not exist in the zone %4, where civil time goes from %5 to %6 that day. Entry refused.</translation>
    </message>
    <message>
        <source>Point %1 : l&apos;heure %2 du %3 existe deux fois dans le fuseau %4.<byte value="xd"/>
Est-ce la seconde, en heure d&apos;hiver (%5) ?<byte value="xd"/>
Non : la première, en heure d&apos;été (%6).</source>
        <translation>Point %1: the time %2 on %3 occurs twice in the zone %4.<byte value="xd"/>
Is it the second one, in winter time (%5)?<byte value="xd"/>
No: the first one, in summer time (%6).</translation>
    </message>
    <message>
        <source>Heure double</source>
        <translation>Repeated time</translation>
    </message>
    <message>
        <source>Les règles du fuseau %1 ont changé depuis l&apos;enregistrement : le point %2 garde son décalage enregistré %3 (le fuseau donne aujourd&apos;hui %4).</source>
        <translation>The rules of the zone %1 have changed since the file was saved: point %2 keeps its saved offset %3 (the zone now gives %4).</translation>
    </message>
    <message>
        <source>Fuseau horaire inconnu : %1</source>
        <translation>Unknown time zone: %1</translation>
    </message>
    <message>
        <source>Fuseau horaire %1 inconnu de ce système : les décalages enregistrés des points sont gardés.</source>
        <translation>Time zone %1 is unknown to this system: the points&apos; saved offsets are kept.</translation>
    </message>
    <message>
        <source>Un fuseau horaire nommé demande la localisation complète ou les heures solaires</source>
        <translation>A named time zone needs the full location or the solar hours</translation>
    </message>
    <message>
        <source>La langue choisie sera celle du prochain démarrage d&apos;Umbrix.</source>
        <translation>The language chosen will be used from the next start of Umbrix.</translation>
    </message>
    <message>
        <source>Graphique Umbrix (*.bmp)|*.bmp|Image lissée, à la résolution de l&apos;écran (*.png)|*.png</source>
        <translation>Umbrix graphic (*.bmp)|*.bmp|Smooth image at the screen&apos;s resolution (*.png)|*.png</translation>
    </message>
    <message>
        <source>Impression à l&apos;échelle 1:1</source>
        <translation>Printing at scale 1:1</translation>
    </message>
    <message numerus="yes">
        <source>L&apos;impression à l&apos;échelle 1:1 demande %n feuilles %1, en %2 × %3 (lignes × colonnes).<byte value="xd"/>
Imprimer ?</source>
        <translation>
            <numerusform>Printing at scale 1:1 needs %n sheet of %1, in %2 × %3 (rows × columns).<byte value="xd"/>
Print?</numerusform>
            <numerusform>Printing at scale 1:1 needs %n sheets of %1, in %2 × %3 (rows × columns).<byte value="xd"/>
Print?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PrintPlan</name>
    <message>
        <source>Envoyer la photo de votre cadran à : %1</source>
        <translation>Send the photo of your dial to: %1</translation>
    </message>
    <message>
        <source>Feuille : ligne %1, colonne %2 (%3 × %4) — projet sans nom</source>
        <translation>Sheet: row %1, column %2 (%3 × %4) — untitled project</translation>
    </message>
    <message>
        <source>Feuille : ligne %1, colonne %2 (%3 × %4) — %5</source>
        <translation>Sheet: row %1, column %2 (%3 × %4) — %5</translation>
    </message>
    <message>
        <source>100 mm : échelle 1:1, vérifier à la règle</source>
        <translation>100 mm: scale 1:1, check with a ruler</translation>
    </message>
    <message>
        <source>Tracé par le logiciel %1</source>
        <translation>Drawn with %1</translation>
    </message>
</context>
<context>
    <name>ProgramIdentity</name>
    <message>
        <source>Version du 3 juin 2012</source>
        <translation>Version of June 3, 2012</translation>
    </message>
</context>
<context>
    <name>QtPrinter</name>
    <message>
        <source>Imprimer</source>
        <translation>Print</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>   ** Simulation **<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>   ** Simulation **<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>   ** Tracé (simulation) **<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>   ** Drawing (simulation) **<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Paramètres réduits du cadran :<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Reduced parameters of the dial:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source> - Fuseau horaire : %1<byte value="xd"/>
</source>
        <translation> - Time zone: %1<byte value="xd"/>
</translation>
    </message>
    <message>
        <source> - Longitude : %1°<byte value="xd"/>
</source>
        <translation> - Longitude: %1°<byte value="xd"/>
</translation>
    </message>
    <message>
        <source> - Latitude : %1°<byte value="xd"/>
</source>
        <translation> - Latitude: %1°<byte value="xd"/>
</translation>
    </message>
    <message>
        <source> - Déclinaison : %1°<byte value="xd"/>
</source>
        <translation> - Declination: %1°<byte value="xd"/>
</translation>
    </message>
    <message>
        <source> - Inclinaison : %1°<byte value="xd"/>
</source>
        <translation> - Inclination: %1°<byte value="xd"/>
</translation>
    </message>
    <message>
        <source> - Rotation : %1°<byte value="xd"/>
</source>
        <translation> - Rotation: %1°<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Déclinaison du Soleil : %1 °</source>
        <translation><byte value="xd"/>
Declination of the Sun: %1 °</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Position X : %1 mm<byte value="xd"/>
Position Y : %2 mm</source>
        <translation><byte value="xd"/>
Position X: %1 mm<byte value="xd"/>
Position Y: %2 mm</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Equation du temps : - %1 min %2 s</source>
        <translation><byte value="xd"/>
Equation of time: - %1 min %2 s</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Equation du temps : %1 min %2 s</source>
        <translation><byte value="xd"/>
Equation of time: %1 min %2 s</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Evénements de la journée :<byte value="xd"/>
%1</source>
        <translation><byte value="xd"/>
The day&apos;s events:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Longitude et fuseau horaire non précisés...</source>
        <translation><byte value="xd"/>
Longitude and time zone not given...</translation>
    </message>
    <message>
        <source><byte value="xd"/>
(avec les données &apos;Heures solaires&apos;)</source>
        <translation><byte value="xd"/>
(with the &apos;Solar hours&apos; data)</translation>
    </message>
    <message>
        <source><byte value="xd"/>
-- Heure UTC%1%2 --</source>
        <translation><byte value="xd"/>
-- Time UTC%1%2 --</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Midi solaire : %1</source>
        <translation><byte value="xd"/>
Solar noon: %1</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Latitude non précisée...</source>
        <translation><byte value="xd"/>
Latitude not given...</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Le Soleil ne se lève pas</source>
        <translation><byte value="xd"/>
The Sun does not rise</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Le Soleil ne se couche pas</source>
        <translation><byte value="xd"/>
The Sun does not set</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Lever du Soleil : %1<byte value="xd"/>
Coucher du Soleil : %2</source>
        <translation><byte value="xd"/>
Sunrise: %1<byte value="xd"/>
Sunset: %2</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Heure non précisée...<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Time not given...<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Position du Soleil :<byte value="xd"/>
%1</source>
        <translation><byte value="xd"/>
Position of the Sun:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Ascension droite : %1</source>
        <translation><byte value="xd"/>
Right ascension: %1</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Azimut : %1 ° ouest</source>
        <translation><byte value="xd"/>
Azimuth: %1 ° west</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Azimut : %1 ° est</source>
        <translation><byte value="xd"/>
Azimuth: %1 ° east</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Hauteur sans réfraction : %1 °</source>
        <translation><byte value="xd"/>
Altitude without refraction: %1 °</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Hauteur avec réfraction : %1 °<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Altitude with refraction: %1 °<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Le Soleil est couché</source>
        <translation><byte value="xd"/>
The Sun is down</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Le cadran n&apos;est pas tracé...</source>
        <translation><byte value="xd"/>
The dial is not drawn...</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Le cadran n&apos;est pas éclairé</source>
        <translation><byte value="xd"/>
The dial is not lit</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Ombre sur le cadran :</source>
        <translation><byte value="xd"/>
Shadow on the dial:</translation>
    </message>
    <message>
        <source><byte value="xd"/>
A l&apos;extérieur du cadran</source>
        <translation><byte value="xd"/>
Outside the dial</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Hauteur du gnomon non précisée...</source>
        <translation><byte value="xd"/>
Gnomon height not given...</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Orientation de la planchette :</source>
        <translation><byte value="xd"/>
Orientation of the board:</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Déclinaison : %1 ° ouest</source>
        <translation><byte value="xd"/>
Declination: %1 ° west</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Déclinaison : %1 ° est</source>
        <translation><byte value="xd"/>
Declination: %1 ° east</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Inclinaison : %1 °</source>
        <translation><byte value="xd"/>
Inclination: %1 °</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Déclinaison 2 : %1 ° ouest</source>
        <translation><byte value="xd"/>
Declination 2: %1 ° west</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Déclinaison 2 : %1 ° est</source>
        <translation><byte value="xd"/>
Declination 2: %1 ° east</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Inclinaison 2 : %1 °</source>
        <translation><byte value="xd"/>
Inclination 2: %1 °</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Racine négative...</source>
        <translation><byte value="xd"/>
Negative root...</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Position de l&apos;ombre non précisée...</source>
        <translation><byte value="xd"/>
Position of the shadow not given...</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Orientation du plan non précisée...</source>
        <translation><byte value="xd"/>
Orientation of the plane not given...</translation>
    </message>
    <message>
        <source><byte value="xd"/>
(pas de limite)</source>
        <translation><byte value="xd"/>
(no limit)</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Ombre du gnomon outil :</source>
        <translation><byte value="xd"/>
Shadow of the measuring gnomon:</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Porte-ombre final non précisé...</source>
        <translation><byte value="xd"/>
Final shadow caster not given...</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Ombre du porte-ombre final :</source>
        <translation><byte value="xd"/>
Shadow of the final shadow caster:</translation>
    </message>
    <message>
        <source>   ** Ephémérides **<byte value="xd"/>
</source>
        <translation>   ** Ephemeris **<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Date non précisée...<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Date not given...<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>   ** Calculs complémentaires **<byte value="xd"/>
</source>
        <translation>   ** Further calculations **<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
 * Point %1 *</source>
        <translation><byte value="xd"/>
 * Point %1 *</translation>
    </message>
    <message>
        <source>Erreur polaire: %1°<byte value="xd"/>
Erreur équatoriale: %2°<byte value="xd"/>
Erreur temporelle: %3 min<byte value="xd"/>
</source>
        <translation>Polar error: %1°<byte value="xd"/>
Equatorial error: %2°<byte value="xd"/>
Time error: %3 min<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Indice de précision : %1<byte value="xd"/>
</source>
        <translation>Precision index: %1<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Première extrémité du style :<byte value="xd"/>
 - Position : %1<byte value="xd"/>
 - Hauteur : %2<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
First end of the style:<byte value="xd"/>
 - Position: %1<byte value="xd"/>
 - Height: %2<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Gnomon :<byte value="xd"/>
 - Position : %1<byte value="xd"/>
 - Hauteur : %2<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Gnomon:<byte value="xd"/>
 - Position: %1<byte value="xd"/>
 - Height: %2<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Le centre du cadran, point de rencontre des lignes horaires et du style, a pour position : %1<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
The center of the dial, where the hour lines and the style meet, is at: %1<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Le centre du cadran, point de rencontre des lignes horaires, a pour position : %1<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
The center of the dial, where the hour lines meet, is at: %1<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Le centre du cadran, point de rencontre des lignes horaires et du style, est à l&apos;intérieur du cadran.<byte value="xd"/>
<byte value="xd"/>
Position du centre : %1<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
The center of the dial, where the hour lines and the style meet, is inside the dial.<byte value="xd"/>
<byte value="xd"/>
Position of the center: %1<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Le centre du cadran, point de rencontre des lignes horaires, est à l&apos;intérieur du cadran.<byte value="xd"/>
<byte value="xd"/>
Position du centre : %1<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
The center of the dial, where the hour lines meet, is inside the dial.<byte value="xd"/>
<byte value="xd"/>
Position of the center: %1<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Le centre du cadran, point de rencontre des lignes horaires et du style, est à l&apos;extérieur du cadran.<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
The center of the dial, where the hour lines and the style meet, is outside the dial.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Le centre du cadran, point de rencontre des lignes horaires, est à l&apos;extérieur du cadran.<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
The center of the dial, where the hour lines meet, is outside the dial.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Seconde extrémité du style :<byte value="xd"/>
 - Position : %1<byte value="xd"/>
 - Hauteur : %2<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Second end of the style:<byte value="xd"/>
 - Position: %1<byte value="xd"/>
 - Height: %2<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Longueur du style : %1<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Length of the style: %1<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
L&apos;ombre est dessinée pour le :<byte value="xd"/>
 %1 à %2,<byte value="xd"/>
 heure d&apos;hiver sur cadran d&apos;été<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
The shadow is drawn for:<byte value="xd"/>
 %1 at %2,<byte value="xd"/>
 winter time on a summer dial<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
L&apos;ombre est dessinée pour le :<byte value="xd"/>
 %1 à %2,<byte value="xd"/>
 heure d&apos;été sur cadran d&apos;hiver<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
The shadow is drawn for:<byte value="xd"/>
 %1 at %2,<byte value="xd"/>
 summer time on a winter dial<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
L&apos;ombre est dessinée pour le :<byte value="xd"/>
 %1 à %2,<byte value="xd"/>
 heure du cadran<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
The shadow is drawn for:<byte value="xd"/>
 %1 at %2,<byte value="xd"/>
 the dial&apos;s time<byte value="xd"/>
</translation>
    </message>
    <message>
        <source> - Pour %1 h %2 : du centre<byte value="xd"/>
     jusqu&apos;à %3<byte value="xd"/>
</source>
        <translation> - For %1 h %2: from the center<byte value="xd"/>
     to %3<byte value="xd"/>
</translation>
    </message>
    <message>
        <source> - Pour %1 h %2 : de %3<byte value="xd"/>
     jusqu&apos;à %4<byte value="xd"/>
</source>
        <translation> - For %1 h %2: from %3<byte value="xd"/>
     to %4<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Lignes horaires :<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Hour lines:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>point 1, X</source>
        <translation>point 1, X</translation>
    </message>
    <message>
        <source>point 1, Y</source>
        <translation>point 1, Y</translation>
    </message>
    <message>
        <source>point 2, X</source>
        <translation>point 2, X</translation>
    </message>
    <message>
        <source>point 2, Y</source>
        <translation>point 2, Y</translation>
    </message>
    <message>
        <source>point 1, heure</source>
        <translation>point 1, time</translation>
    </message>
    <message>
        <source>point 2, heure</source>
        <translation>point 2, time</translation>
    </message>
    <message>
        <source>mesure fiable</source>
        <translation>reliable measurement</translation>
    </message>
    <message>
        <source>à confirmer</source>
        <translation>to be confirmed</translation>
    </message>
    <message>
        <source>peu fiable</source>
        <translation>unreliable</translation>
    </message>
    <message>
        <source>Fiabilité de la mesure (%1) :<byte value="xd"/>
</source>
        <translation>Measurement reliability (%1):<byte value="xd"/>
</translation>
    </message>
    <message>
        <source> - Latitude : ± %1<byte value="xd"/>
 - Longitude : ± %2<byte value="xd"/>
</source>
        <translation> - Latitude: ± %1<byte value="xd"/>
 - Longitude: ± %2<byte value="xd"/>
</translation>
    </message>
    <message>
        <source> - Déclinaison : sans objet (cadran presque horizontal)<byte value="xd"/>
</source>
        <translation> - Declination: not applicable (dial nearly horizontal)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source> - Déclinaison : ± %1<byte value="xd"/>
</source>
        <translation> - Declination: ± %1<byte value="xd"/>
</translation>
    </message>
    <message>
        <source> - Inclinaison : ± %1<byte value="xd"/>
</source>
        <translation> - Inclination: ± %1<byte value="xd"/>
</translation>
    </message>
    <message>
        <source> - Rotation : ± %1<byte value="xd"/>
</source>
        <translation> - Rotation: ± %1<byte value="xd"/>
</translation>
    </message>
    <message>
        <source> - Lignes horaires : jusqu&apos;à %1 mm<byte value="xd"/>
</source>
        <translation> - Hour lines: up to %1 mm<byte value="xd"/>
</translation>
    </message>
    <message>
        <source> - Lignes horaires : aucune sur le cadran<byte value="xd"/>
</source>
        <translation> - Hour lines: none on the dial<byte value="xd"/>
</translation>
    </message>
    <message>
        <source> - Sans solution pour %1 : %2<byte value="xd"/>
</source>
        <translation> - No solution for %1: %2<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>marques à ± %1 mm</source>
        <translation>marks within ± %1 mm</translation>
    </message>
    <message>
        <source>heures à ± %1 s</source>
        <translation>times within ± %1 s</translation>
    </message>
    <message>
        <source>Verdict : %1<byte value="xd"/>
</source>
        <translation>Verdict: %1<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Les deux instants ne sont séparés que de %1 min : une petite erreur sur les marques ou sur l&apos;heure déplace beaucoup le cadran.<byte value="xd"/>
</source>
        <translation>The two instants are only %1 min apart: a small error in the marks or the time moves the dial a lot.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Vus de la pointe du gnomon, les deux soleils ne sont qu&apos;à %1 l&apos;un de l&apos;autre : une petite erreur sur les marques ou sur l&apos;heure déplace beaucoup le cadran.<byte value="xd"/>
</source>
        <translation>Seen from the tip of the gnomon, the two suns are only %1 apart: a small error in the marks or the time moves the dial a lot.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Conseil : marquez l&apos;ombre à deux instants séparés d&apos;au moins trois heures, ou à deux dates éloignées en déclinaison du soleil (près d&apos;un solstice et d&apos;un équinoxe).<byte value="xd"/>
</source>
        <translation>Advice: mark the shadow at two instants at least three hours apart, or on two dates far apart in the sun&apos;s declination (near a solstice and an equinox).<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Conseil : des marques voisines n&apos;ont pas de solution ; vérifiez les marques, les dates, les heures et le lieu.<byte value="xd"/>
</source>
        <translation>Advice: nearby marks have no solution; check the marks, the dates, the times and the place.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Conseil : reprenez les marques et les heures avec soin, puis calculez à nouveau.<byte value="xd"/>
</source>
        <translation>Advice: take the marks and times again with care, then calculate again.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Le cadran est de type polaire. Les lignes horaires sont parallèles entre elles et le style est parallèle à la surface du cadran.<byte value="xd"/>
</source>
        <translation>The dial is of the polar type. The hour lines are parallel to each other and the style is parallel to the dial face.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Le cadran est de type équatorial. Le style s&apos;élève perpendiculairement à la surface du cadran en direction du pôle nord céleste. Les lignes horaires sont régulièrement espacées de 15°.<byte value="xd"/>
</source>
        <translation>The dial is of the equatorial type. The style rises perpendicular to the dial face toward the north celestial pole. The hour lines are evenly spaced 15° apart.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Le cadran est de type équatorial. Le style s&apos;élève perpendiculairement à la surface du cadran en direction du pôle sud céleste. Les lignes horaires sont régulièrement espacées de 15°.<byte value="xd"/>
</source>
        <translation>The dial is of the equatorial type. The style rises perpendicular to the dial face toward the south celestial pole. The hour lines are evenly spaced 15° apart.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Le cadran est de type boréal, le style s&apos;élève au-dessus de la surface du cadran en direction du pôle nord céleste.<byte value="xd"/>
</source>
        <translation>The dial is of the boreal type: the style rises above the dial face toward the north celestial pole.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Le cadran est de type austral, le style s&apos;élève au-dessus de la surface du cadran en direction du pôle sud céleste.<byte value="xd"/>
</source>
        <translation>The dial is of the austral type: the style rises above the dial face toward the south celestial pole.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Cadran à heures solaires, correction supplémentaire pour obtenir l&apos;heure légale : %1 %2<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Solar-hours dial, extra correction to get civil time: %1 %2<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Equinoxiale : de %1<byte value="xd"/>
     jusqu&apos;à %2<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Equinoctial line: from %1<byte value="xd"/>
     to %2<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
L&apos;équinoxiale ne passe pas sur le cadran.<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
The equinoctial line does not cross the dial.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
L&apos;arc diurne est tracé pour la date du : %1<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
The diurnal arc is drawn for the date: %1<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Ligne d&apos;horizon : de %1<byte value="xd"/>
     jusqu&apos;à %2<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Horizon line: from %1<byte value="xd"/>
     to %2<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
La ligne d&apos;horizon ne passe pas sur le cadran.<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
The horizon line does not cross the dial.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Il n&apos;y a pas de ligne d&apos;horizon.<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
There is no horizon line.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Couleurs des heures anciennes : italiques en orange et tirets, babyloniques en vert olive et tirets-points, temporaires en magenta et pointillés.<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Colors of the old hours: Italian in orange and dashes, Babylonian in olive green and dash-dots, temporary in magenta and dots.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Heures italiques :<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Italian hours:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Heures babyloniques :<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Babylonian hours:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Heures temporaires :<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Temporary hours:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source> - %1 h : de %2 à %3<byte value="xd"/>
</source>
        <translation> - %1 h: from %2 to %3<byte value="xd"/>
</translation>
    </message>
    <message>
        <source> - aucune de ces lignes ne passe sur le cadran<byte value="xd"/>
</source>
        <translation> - none of these lines crosses the dial<byte value="xd"/>
</translation>
    </message>
    <message>
        <source> - Fuseau horaire nommé : %1<byte value="xd"/>
</source>
        <translation> - Named time zone: %1<byte value="xd"/>
</translation>
    </message>
    <message>
        <source> - Point %1 : heure légale %2<byte value="xd"/>
</source>
        <translation> - Point %1: civil time %2<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
L&apos;ombre est dessinée pour le :<byte value="xd"/>
 %1 à %2,<byte value="xd"/>
 heure légale %3 (%4)<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
The shadow is drawn for:<byte value="xd"/>
 %1 at %2,<byte value="xd"/>
 civil time %3 (%4)<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>TitleBlock</name>
    <message>
        <source>Cadran sans nom</source>
        <translation>Untitled dial</translation>
    </message>
    <message>
        <source>Lieu : Latitude : %1° N ; Longitude : %2° E ; Fuseau horaire : %3</source>
        <translation>Place: Latitude: %1° N; Longitude: %2° E; Time zone: %3</translation>
    </message>
    <message>
        <source>Lieu : Latitude : %1° N ; Longitude : %2° O ; Fuseau horaire : %3</source>
        <translation>Place: Latitude: %1° N; Longitude: %2° W; Time zone: %3</translation>
    </message>
    <message>
        <source>Lieu : Latitude : %1° S ; Longitude : %2° E ; Fuseau horaire : %3</source>
        <translation>Place: Latitude: %1° S; Longitude: %2° E; Time zone: %3</translation>
    </message>
    <message>
        <source>Lieu : Latitude : %1° S ; Longitude : %2° O ; Fuseau horaire : %3</source>
        <translation>Place: Latitude: %1° S; Longitude: %2° W; Time zone: %3</translation>
    </message>
    <message>
        <source>Orientation : Déclinaison : %1° est ; Inclinaison : %2° ; Rotation : %3°</source>
        <translation>Orientation: Declination: %1° east; Inclination: %2°; Rotation: %3°</translation>
    </message>
    <message>
        <source>Orientation : Déclinaison : %1° ouest ; Inclinaison : %2° ; Rotation : %3°</source>
        <translation>Orientation: Declination: %1° west; Inclination: %2°; Rotation: %3°</translation>
    </message>
    <message>
        <source>%1 - Tracé par le logiciel %2</source>
        <translation>%1 - Drawn with %2</translation>
    </message>
    <message>
        <source>Échelle 1:1, unités : millimètres ; plaque %1 x %2 mm ; chiffres de %3 mm</source>
        <translation>Scale 1:1, units: millimeters; plate %1 x %2 mm; numerals %3 mm high</translation>
    </message>
</context>
<context>
    <name>umbrix::HelpWindow</name>
    <message>
        <source>Aide d&apos;Umbrix</source>
        <translation>Umbrix Help</translation>
    </message>
    <message>
        <source>◀ Précédent</source>
        <translation>◀ Previous</translation>
    </message>
    <message>
        <source>Suivant ▶</source>
        <translation>Next ▶</translation>
    </message>
    <message>
        <source>Sommaire</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Aide d&apos;Umbrix – %1</source>
        <translation>Umbrix Help – %1</translation>
    </message>
</context>
<context>
    <name>umbrix::MainWindow</name>
    <message>
        <source>Mes commentaires :</source>
        <translation>My comments:</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Aucun cadran pour l&apos;instant. Pour commencer :</source>
        <translation>No dial yet. To begin:</translation>
    </message>
    <message>
        <source>ouvrir un exemple (Fichier › Exemples)</source>
        <translation>open an example (File › Examples)</translation>
    </message>
    <message>
        <source>saisir une nouvelle mesure (Saisies)</source>
        <translation>type in a new measurement (Entries)</translation>
    </message>
    <message>
        <source>lire l&apos;aide (F1)</source>
        <translation>read the help (F1)</translation>
    </message>
</context>
<context>
    <name>umbrix::SaisiesDialog</name>
    <message>
        <source>Saisies</source>
        <translation>Entries</translation>
    </message>
</context>
</TS>
