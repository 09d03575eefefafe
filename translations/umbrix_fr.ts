<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="fr_FR">
<context>
    <name>Cli</name>
    <message>
        <source>l&apos;option %1 est donnée deux fois</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;option %1 attend une valeur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>un seul projet à la fois : « %1 »</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;option %1 ne prend pas de valeur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option inconnue : « %1 »</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hauteur des chiffres incorrecte : « %1 » (de 1 à 100 mm, par exemple 5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>heures anciennes inconnues : « %1 » (italiques, babyloniques ou temporaires, séparées par des virgules)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>impression inconnue : « %1 » (imprimer, demi, plein, 2, 4 ou echelle)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>papier inconnu : « %1 » (A4, A3 ou Letter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>écart incorrect : « %1 » (un nombre au-dessus de 0, au plus 100 mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>écart incorrect : « %1 » (un nombre au-dessus de 0, au plus 3600 s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>commande inconnue : « %1 » (calculer, simuler, tracer ou éphémérides)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>taille incorrecte : « %1 » (LxH, de %2 à %3 pixels, par exemple 600x600)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il manque le fichier du projet (.umd)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;option --impression attend --pdf FICHIER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;option --pdf attend --impression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;option --papier attend --impression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>une seule sortie peut aller sur la sortie standard (« - »)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oui</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>umbrix-cli : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>les heures anciennes ne sont pas tracées sans la latitude : cochez « Limiter le tracé à la partie utile » dans le projet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la dernière commande du projet (%1) n&apos;est pas connue : rien n&apos;a été calculé (--commande calculer, simuler, tracer ou éphémérides)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>umbrix-cli : %1
(umbrix-cli --aide, umbrix-cli --help)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>langue inconnue : « %1 » (fr ou en)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FICHIER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>calculer, simuler, tracer ou éphémérides</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le rapport, en UTF-8 ; « - » pour la sortie standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le dessin en PNG, lissé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le dessin en BMP 4 bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le dessin en SVG, à l&apos;échelle (en millimètres)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le dessin en DXF (R12), comme « Export dxf »</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le dessin de fabrication en DXF (R12, millimètres) : un
calque par rôle (découpe, gravure, porte-ombre, repères,
cartouche), chiffres dans la plaque, sans fond ni ombre ;
le même quelle que soit la taille du dessin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le même dessin en SVG, en millimètres, calques Inkscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hauteur des chiffres du dessin de fabrication (de 1 à
100 mm) ; par défaut le 25e du petit côté (de 3 à 12 mm),
réduit tant qu&apos;un chiffre ne tient pas entre les lignes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le fuseau horaire du lieu par son nom (Europe/Paris) :
les heures des instants sont son heure légale, heure
d&apos;été comprise ; --zone &quot;&quot; retire celui du projet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LISTE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trace aussi les heures italiques, babyloniques ou
temporaires (séparées par des virgules, par exemple
italiques,babyloniques) ; il faut la latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LxH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>taille maximale du dessin en pixels (600x600 par défaut) ;
le cadran garde ses proportions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[FICHIER|-]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la fiabilité de la mesure : le calcul refait avec chaque
marque déplacée et chaque heure décalée, les écarts qui en
résultent, le verdict et le conseil ; sans fichier (ou « - »)
sur la sortie standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>déplacement des marques pour --fiabilite (0.5 mm par défaut)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>décalage des heures pour --fiabilite (30 s par défaut)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>imprime en PDF (--pdf), comme les commandes d&apos;impression :
imprimer (données, dessin, commentaires et rapport), demi,
plein, 2 ou 4 (le dessin sur une demi-page, une page, deux
ou quatre feuilles), echelle (le cadran à l&apos;échelle 1:1 sur
autant de feuilles qu&apos;il en faut, avec bandes de 10 mm,
repères et barre de 100 mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le fichier PDF de --impression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le papier de --impression (A4 par défaut)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>réécrit le projet dans la version actuelle du format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la langue des messages et du rapport (par défaut celle
du bureau : LANGUAGE, LC_ALL, LC_MESSAGES, LANG)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mode développeur (projets au format étendu)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fin des options : ce qui suit est le projet (« -x.umd »)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cette aide, en français</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cette aide, en anglais</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage : umbrix-cli PROJET.umd [options]

Ouvre un projet Umbrix comme le fait le programme : le projet est lu, sa dernière
commande est refaite (ou celle que demande --commande), puis ce qui est demandé
est écrit.

Options :
</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>&amp;Cadran</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point &amp;1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point &amp;2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lieu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Divers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cadran &amp;rectangulaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Porte-ombre final</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&amp;imiter le tracé à la partie utile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mi-journée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heure à mi-journée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&amp;ocalisation complète</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Heures solaires</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Est</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ouest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;phémérides</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raccourci : Ctrl+J</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tracer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raccourci : Ctrl+K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Simuler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raccourci : Ctrl+L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Séquence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degré décimal, négatif à l&apos;est</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degré décimal, négatif au sud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuseau h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Négatif vers l&apos;ouest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correction réfraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decl:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incl:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degré décimal, vertical = 90</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrondi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nombre de parties décimales</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0: x &quot;bibi&quot; vers la droite, 90: vers le bas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pts à 12h TU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Déclinaison/EdT calculés à 12h TU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calcule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;alculer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raccourci : Ctrl+M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heure de mesure du cadran</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heure d&apos;été / cadran d&apos;hiver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heure d&apos;hiver / cadran d&apos;été</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format : dd°mm°ss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format : hh:mm:ss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format : hh:mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Côté du cadran</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hauteur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largeur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hauteur du gnomon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuseau horaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>h (mesure du cadran)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Déclinaison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inclinaison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carreaux</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format : jj/mm/aaaa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuseau par son nom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heure légale de ce fuseau (heure d&apos;été comprise) pour les instants saisis ; vide : heures lues sur le fuseau horaire du cadran</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sans objet : l&apos;heure courante est l&apos;heure légale du fuseau nommé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(aucun : heures lues sur le fuseau du cadran)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>« %1 » : nombre positif, par exemple 120 ou 45,5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>« %1 » : nombre, par exemple -12,5 ou 30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>« %1 » : nombre entier, par exemple -5 ou 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>« %1 » : le pied du gnomon doit être à l&apos;intérieur du cadran</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>« %1 » : angle de %2 à %3° au format dd°mm°ss, par exemple 45°30 ou 45,5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>« %1 » : fuseau de -12 à 12 h par quarts d&apos;heure, au format hh:mm, par exemple 1:00 ou -3:30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>« %1 » : date au format jj/mm/aaaa, par exemple 21/06/2024</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>« %1 » : date au format %2, par exemple %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>« %1 » : heure au format hh:mm:ss, par exemple 12:30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>« %1 » : heure au format hh:mm, par exemple 12:30</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <source>janvier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>février</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>avril</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>juin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>juillet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>août</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>septembre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>octobre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>novembre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>décembre</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpTopics</name>
    <message>
        <source>Umbrix : du gnomon au cadran tracé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;onglet Cadran : la plaque et le gnomon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les onglets Point 1 et Point 2 : marquer l&apos;ombre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;onglet Lieu : ce que l&apos;on sait du lieu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La fenêtre principale, ses menus, la souris et les touches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La simulation et le tracé direct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;onglet Divers : l&apos;instant courant et les éphémérides</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le menu Fichier : projets, exports et impressions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le porte-ombre final</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le quadrillage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le rapport, ligne par ligne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La fenêtre Saisies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Style ou gnomon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les heures italiques, babyloniques et temporaires</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>langue inconnue : « %1 » (fr ou en)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Fichier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nouveau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ouvrir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrer &amp;Sous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrer le &amp;Graphique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport dxf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;fabrication (dxf, svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Im&amp;primer le Graphique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Demi format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Plein format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;2 formats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;4 formats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imprimer à l&apos;é&amp;chelle 1:1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Saisies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Heures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Subdivisions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Demi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 &amp;min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lignes Horaires</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Li&amp;mitation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;S janvier-juin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Z juillet-décembre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Arcs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Signes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Equinoxiale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Solstices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>J&amp;anvier-juin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>J&amp;uillet-décembre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Divers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;2 points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Axes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Carreaux</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Horizon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Réfraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ombre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fiabilité de la mesure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cadran de &amp;bureau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Porte-ombre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Gnomon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Manuel d&apos;util.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A &amp;Propos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toujours visible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retour Umbrix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ces heures se comptent depuis le lever ou le coucher du soleil : cochez « Limiter le tracé à la partie utile » et donnez la latitude dans l&apos;onglet « Lieu » des saisies.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heures &amp;italiques</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heures &amp;babyloniques</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heures &amp;temporaires</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Langue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Celle du &amp;bureau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Français</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exemples</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>Umbrix – Manuel d&apos;utilisation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>umbrix-manual : figure illisible %s
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>umbrix-manual : chapitre %zu introuvable
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>umbrix-manual : impossible d&apos;écrire %s
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manuel d&apos;utilisation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sommaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage : umbrix-manual SORTIE.pdf [fr|en]
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>umbrix-manual : textes anglais absents
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Erreur...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le cadran n&apos;est pas tracé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
Envoyez la photo de votre cadran à :<byte value="xd"/>
     %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le fichier Manuel.pdf est absent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aucune application ne peut lire le fichier Manuel.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erreur à l&apos;ouverture du fichier Manuel.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A propos...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il n&apos;y a pas d&apos;information à imprimer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il n&apos;y a pas de graphique à imprimer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il n&apos;y a pas de graphique à sauver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format d&apos;enregistrement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrer au format étendu ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrement au format réduit:<byte value="xd"/>
Incohérence des données de test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modifications...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voulez-vous sauver les modifications ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrement au format étendu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incohérence des données de test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrement au format réduit ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il n&apos;y a pas d&apos;information à sauver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il n&apos;y a pas de graphique à exporter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichier existant...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le fichier existe déjà, voulez-vous le remplacer ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donnée Umbrix (*.umd)|*.umd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Données Umbrix (*.umd)|*.umd|Données Umbrix (*.umd ; *.txt)|*.umd;*.txt|Cadran de bureau (*.umb)|*.umb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fiabilité de la mesure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichier dxf (*.dxf)|*.dxf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichier dxf (*.dxf)|*.dxf|Image svg (*.svg)|*.svg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donner la géométrie du cadran</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donner la position du point d&apos;ombre 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Définir l&apos;instant 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donner la position du point d&apos;ombre 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Définir l&apos;instant 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utilisation des données &apos;Heures solaires&apos; pour la localisation complète</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compléter les champs activés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donner la localisation complète</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compléter les données de simulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Définir l&apos;instant courant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donner la taille des carreaux</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le soleil est couché à l&apos;instant %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le cadran n&apos;est pas éclairé à l&apos;instant %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le point %1 est à l&apos;extérieur du cadran<byte value="xd"/>
x%1 = %2, y%1 = %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Définir l&apos;instant %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le soleil est couché à l&apos;heure %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le cadran n&apos;est pas éclairé à l&apos;heure %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le point %1 n&apos;est pas à l&apos;intérieur du cadran<byte value="xd"/>
x%1 = %2, y%1 = %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Localisation incorrecte : Le soleil<byte value="xd"/>
est sous l&apos;horizon pour le point %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calcul impossible : Ombres identiques</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calcul impossible : Instants identiques</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calcul impossible : Valeurs hors d&apos;échelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 n&apos;existe pas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Certains caractères ne peuvent pas être enregistrés dans le fichier : ils ont été remplacés par &quot;?&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : erreur d&apos;écriture, le fichier n&apos;a pas été enregistré (disque plein)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : erreur d&apos;écriture, le fichier n&apos;a pas été enregistré (accès refusé)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : erreur d&apos;écriture, le fichier n&apos;a pas été enregistré (dossier introuvable)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : erreur d&apos;écriture, le fichier n&apos;a pas été enregistré (le nom ne désigne pas un fichier ordinaire)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : erreur d&apos;écriture, le fichier n&apos;a pas été enregistré (erreur d&apos;entrée-sortie)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : déjà ouvert ou erreur d&apos;ouverture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : format incorrect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le pied du gnomon doit être à l&apos;intérieur du cadran</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donner la géométrie de mesure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;impression n&apos;a pas pu commencer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;impression s&apos;est arrêtée à la page %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;impression n&apos;a pas pu se terminer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calcul impossible : Cadran trop petit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;imprimante a refusé le document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Certains caractères ne peuvent pas être enregistrés dans le fichier : ils seront remplacés par &quot;?&quot;.<byte value="xd"/>
Enregistrer quand même ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : fichier incomplet, seul son début a été lu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point %1 : l&apos;heure %2 du %3 n&apos;existe pas dans le fuseau %4, où l&apos;heure légale passe de %5 à %6 ce jour-là. Saisie refusée.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point %1 : l&apos;heure %2 du %3 existe deux fois dans le fuseau %4.<byte value="xd"/>
Est-ce la seconde, en heure d&apos;hiver (%5) ?<byte value="xd"/>
Non : la première, en heure d&apos;été (%6).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heure double</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les règles du fuseau %1 ont changé depuis l&apos;enregistrement : le point %2 garde son décalage enregistré %3 (le fuseau donne aujourd&apos;hui %4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuseau horaire inconnu : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuseau horaire %1 inconnu de ce système : les décalages enregistrés des points sont gardés.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un fuseau horaire nommé demande la localisation complète ou les heures solaires</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La langue choisie sera celle du prochain démarrage d&apos;Umbrix.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphique Umbrix (*.bmp)|*.bmp|Image lissée, à la résolution de l&apos;écran (*.png)|*.png</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impression à l&apos;échelle 1:1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>L&apos;impression à l&apos;échelle 1:1 demande %n feuilles %1, en %2 × %3 (lignes × colonnes).<byte value="xd"/>
Imprimer ?</source>
        <translation>
            <numerusform>L&apos;impression à l&apos;échelle 1:1 demande %n feuille %1, en %2 × %3 (lignes × colonnes).<byte value="xd"/>
Imprimer ?</numerusform>
            <numerusform>L&apos;impression à l&apos;échelle 1:1 demande %n feuilles %1, en %2 × %3 (lignes × colonnes).<byte value="xd"/>
Imprimer ?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PrintPlan</name>
    <message>
        <source>Envoyer la photo de votre cadran à : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feuille : ligne %1, colonne %2 (%3 × %4) — projet sans nom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feuille : ligne %1, colonne %2 (%3 × %4) — %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100 mm : échelle 1:1, vérifier à la règle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracé par le logiciel %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramIdentity</name>
    <message>
        <source>Version du 3 juin 2012</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtPrinter</name>
    <message>
        <source>Imprimer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>   ** Simulation **<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   ** Tracé (simulation) **<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Paramètres réduits du cadran :<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - Fuseau horaire : %1<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - Longitude : %1°<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - Latitude : %1°<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - Déclinaison : %1°<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - Inclinaison : %1°<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - Rotation : %1°<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Déclinaison du Soleil : %1 °</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Position X : %1 mm<byte value="xd"/>
Position Y : %2 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Equation du temps : - %1 min %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Equation du temps : %1 min %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Evénements de la journée :<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Longitude et fuseau horaire non précisés...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
(avec les données &apos;Heures solaires&apos;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
-- Heure UTC%1%2 --</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Midi solaire : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Latitude non précisée...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Le Soleil ne se lève pas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Le Soleil ne se couche pas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Lever du Soleil : %1<byte value="xd"/>
Coucher du Soleil : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Heure non précisée...<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Position du Soleil :<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Ascension droite : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Azimut : %1 ° ouest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Azimut : %1 ° est</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Hauteur sans réfraction : %1 °</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Hauteur avec réfraction : %1 °<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Le Soleil est couché</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Le cadran n&apos;est pas tracé...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Le cadran n&apos;est pas éclairé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Ombre sur le cadran :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
A l&apos;extérieur du cadran</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Hauteur du gnomon non précisée...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Orientation de la planchette :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Déclinaison : %1 ° ouest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Déclinaison : %1 ° est</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Inclinaison : %1 °</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Déclinaison 2 : %1 ° ouest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Déclinaison 2 : %1 ° est</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Inclinaison 2 : %1 °</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Racine négative...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Position de l&apos;ombre non précisée...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Orientation du plan non précisée...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
(pas de limite)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Ombre du gnomon outil :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Porte-ombre final non précisé...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Ombre du porte-ombre final :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   ** Ephémérides **<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Date non précisée...<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   ** Calculs complémentaires **<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
 * Point %1 *</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erreur polaire: %1°<byte value="xd"/>
Erreur équatoriale: %2°<byte value="xd"/>
Erreur temporelle: %3 min<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indice de précision : %1<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Première extrémité du style :<byte value="xd"/>
 - Position : %1<byte value="xd"/>
 - Hauteur : %2<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Gnomon :<byte value="xd"/>
 - Position : %1<byte value="xd"/>
 - Hauteur : %2<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Le centre du cadran, point de rencontre des lignes horaires et du style, a pour position : %1<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Le centre du cadran, point de rencontre des lignes horaires, a pour position : %1<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Le centre du cadran, point de rencontre des lignes horaires et du style, est à l&apos;intérieur du cadran.<byte value="xd"/>
<byte value="xd"/>
Position du centre : %1<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Le centre du cadran, point de rencontre des lignes horaires, est à l&apos;intérieur du cadran.<byte value="xd"/>
<byte value="xd"/>
Position du centre : %1<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Le centre du cadran, point de rencontre des lignes horaires et du style, est à l&apos;extérieur du cadran.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Le centre du cadran, point de rencontre des lignes horaires, est à l&apos;extérieur du cadran.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Seconde extrémité du style :<byte value="xd"/>
 - Position : %1<byte value="xd"/>
 - Hauteur : %2<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Longueur du style : %1<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
L&apos;ombre est dessinée pour le :<byte value="xd"/>
 %1 à %2,<byte value="xd"/>
 heure d&apos;hiver sur cadran d&apos;été<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
L&apos;ombre est dessinée pour le :<byte value="xd"/>
 %1 à %2,<byte value="xd"/>
 heure d&apos;été sur cadran d&apos;hiver<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
L&apos;ombre est dessinée pour le :<byte value="xd"/>
 %1 à %2,<byte value="xd"/>
 heure du cadran<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - Pour %1 h %2 : du centre<byte value="xd"/>
     jusqu&apos;à %3<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - Pour %1 h %2 : de %3<byte value="xd"/>
     jusqu&apos;à %4<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Lignes horaires :<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>point 1, X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>point 1, Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>point 2, X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>point 2, Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>point 1, heure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>point 2, heure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mesure fiable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>à confirmer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>peu fiable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fiabilité de la mesure (%1) :<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - Latitude : ± %1<byte value="xd"/>
 - Longitude : ± %2<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - Déclinaison : sans objet (cadran presque horizontal)<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - Déclinaison : ± %1<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - Inclinaison : ± %1<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - Rotation : ± %1<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - Lignes horaires : jusqu&apos;à %1 mm<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - Lignes horaires : aucune sur le cadran<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - Sans solution pour %1 : %2<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>marques à ± %1 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>heures à ± %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verdict : %1<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les deux instants ne sont séparés que de %1 min : une petite erreur sur les marques ou sur l&apos;heure déplace beaucoup le cadran.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vus de la pointe du gnomon, les deux soleils ne sont qu&apos;à %1 l&apos;un de l&apos;autre : une petite erreur sur les marques ou sur l&apos;heure déplace beaucoup le cadran.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conseil : marquez l&apos;ombre à deux instants séparés d&apos;au moins trois heures, ou à deux dates éloignées en déclinaison du soleil (près d&apos;un solstice et d&apos;un équinoxe).<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conseil : des marques voisines n&apos;ont pas de solution ; vérifiez les marques, les dates, les heures et le lieu.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conseil : reprenez les marques et les heures avec soin, puis calculez à nouveau.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le cadran est de type polaire. Les lignes horaires sont parallèles entre elles et le style est parallèle à la surface du cadran.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le cadran est de type équatorial. Le style s&apos;élève perpendiculairement à la surface du cadran en direction du pôle nord céleste. Les lignes horaires sont régulièrement espacées de 15°.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le cadran est de type équatorial. Le style s&apos;élève perpendiculairement à la surface du cadran en direction du pôle sud céleste. Les lignes horaires sont régulièrement espacées de 15°.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le cadran est de type boréal, le style s&apos;élève au-dessus de la surface du cadran en direction du pôle nord céleste.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le cadran est de type austral, le style s&apos;élève au-dessus de la surface du cadran en direction du pôle sud céleste.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Cadran à heures solaires, correction supplémentaire pour obtenir l&apos;heure légale : %1 %2<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Equinoxiale : de %1<byte value="xd"/>
     jusqu&apos;à %2<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
L&apos;équinoxiale ne passe pas sur le cadran.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
L&apos;arc diurne est tracé pour la date du : %1<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Ligne d&apos;horizon : de %1<byte value="xd"/>
     jusqu&apos;à %2<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
La ligne d&apos;horizon ne passe pas sur le cadran.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Il n&apos;y a pas de ligne d&apos;horizon.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Couleurs des heures anciennes : italiques en orange et tirets, babyloniques en vert olive et tirets-points, temporaires en magenta et pointillés.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Heures italiques :<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Heures babyloniques :<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Heures temporaires :<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - %1 h : de %2 à %3<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - aucune de ces lignes ne passe sur le cadran<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - Fuseau horaire nommé : %1<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - Point %1 : heure légale %2<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
L&apos;ombre est dessinée pour le :<byte value="xd"/>
 %1 à %2,<byte value="xd"/>
 heure légale %3 (%4)<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TitleBlock</name>
    <message>
        <source>Cadran sans nom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lieu : Latitude : %1° N ; Longitude : %2° E ; Fuseau horaire : %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lieu : Latitude : %1° N ; Longitude : %2° O ; Fuseau horaire : %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lieu : Latitude : %1° S ; Longitude : %2° E ; Fuseau horaire : %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lieu : Latitude : %1° S ; Longitude : %2° O ; Fuseau horaire : %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orientation : Déclinaison : %1° est ; Inclinaison : %2° ; Rotation : %3°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orientation : Déclinaison : %1° ouest ; Inclinaison : %2° ; Rotation : %3°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Tracé par le logiciel %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Échelle 1:1, unités : millimètres ; plaque %1 x %2 mm ; chiffres de %3 mm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>umbrix::HelpWindow</name>
    <message>
        <source>Aide d&apos;Umbrix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>◀ Précédent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suivant ▶</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sommaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aide d&apos;Umbrix – %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>umbrix::MainWindow</name>
    <message>
        <source>Mes commentaires :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aucun cadran pour l&apos;instant. Pour commencer :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ouvrir un exemple (Fichier › Exemples)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>saisir une nouvelle mesure (Saisies)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lire l&apos;aide (F1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>umbrix::SaisiesDialog</name>
    <message>
        <source>Saisies</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
