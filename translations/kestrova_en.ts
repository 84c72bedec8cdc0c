<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs">
<context>
    <name>HelpWindow</name>
    <message>
        <source>Výchozí hodnoty: </source>
        <translation>Starting values: </translation>
    </message>
    <message>
        <source>Nakreslený pokus: </source>
        <translation>Experiment drawn: </translation>
    </message>
    <message>
        <source>trasy k témuž bodu se liší délkou o dráhový rozdíl: je-li to celistvý násobek λ, míří šipky stejně a sečtou se (maximum), je-li to lichý násobek λ/2%1, míří proti sobě a vyruší se (minimum).</source>
        <translation>paths to the same point differ in length by the path difference: if it is a whole multiple of λ, the arrows point the same way and add up (maximum); if it is an odd multiple of λ/2%1, they point in opposite directions and cancel out (minimum).</translation>
    </message>
    <message>
        <source>&lt;p&gt;%1&lt;/p&gt;&lt;p&gt;Při frekvenci 0 se šipka fáze s délkou trasy neotáčí: šipky všech tras míří stejně, ať jsou trasy jakkoli dlouhé, a vlnová délka je nekonečná. Při jiné frekvenci platí, že %2&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1&lt;/p&gt;&lt;p&gt;At frequency 0 the phase arrow does not turn with the length of the path: the arrows of all paths point the same way however long the paths are, and the wavelength is infinite. At any other frequency, %2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1 × %2 = %3</source>
        <translation>%1 × %2 = %3</translation>
    </message>
    <message>
        <source>Na každém pixelu své délky se šipka fáze otočí o %1 radiánu</source>
        <translation>On each pixel of its length the phase arrow turns by %1 radians</translation>
    </message>
    <message>
        <source>Při frekvenci %1 se šipka fáze na každém pixelu své délky otočí o %2 radiánu</source>
        <translation>At frequency %1 the phase arrow turns by %2 radians on each pixel of its length</translation>
    </message>
    <message>
        <source>&lt;p&gt;%1&lt;/p&gt;&lt;p&gt;%2, takže celou otočku udělá na vlnové délce λ = %3 ≈ %4. %5 Pravděpodobnost dopadu je úměrná druhé mocnině délky součtu, ne délce samotné. Hodnoty v každém bodě ukáže tabulka (F5).&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1&lt;/p&gt;&lt;p&gt;%2, so it makes a full turn over one wavelength λ = %3 ≈ %4. %5 The probability of arrival is proportional to the square of the length of the sum, not to the length itself. The table (F5) shows the values at every point.&lt;/p&gt;</translation>
    </message>
    <message>
        <source> (λ/2 ≈ %1, 3λ/2 ≈ %2, …)</source>
        <translation> (λ/2 ≈ %1, 3λ/2 ≈ %2, …)</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Co je na obrázku&lt;/h3&gt;&lt;table cellspacing=0&gt;</source>
        <translation>&lt;h3&gt;What the picture shows&lt;/h3&gt;&lt;table cellspacing=0&gt;</translation>
    </message>
    <message>
        <source>Dolní trasa fotonu (dolním otvorem) a její šipka fáze.</source>
        <translation>The photon’s lower path (through the lower hole) and its phase arrow.</translation>
    </message>
    <message>
        <source>Černý kroužek na cloně: zakrytý otvor. Otvor zakryje a znovu otevře nabídka „Otvory“ nebo klepnutí na otvor v kresbě; poslední otevřený zakrýt nelze.</source>
        <translation>Black ring on the aperture screen: a covered hole. The “Holes” menu or a click on a hole in the drawing covers the hole and opens it again; the last open hole cannot be covered.</translation>
    </message>
    <message>
        <source>Součet obou šipek (při více otvorech šipek všech otevřených tras). Šipka začíná v bodě detektoru (ve sloupci součtu) a její hrot je volný konec, který se s délkou trasy otáčí. Ve sloupci součtu začíná každá další šipka na hrotu předchozí a zelená vede od začátku první k hrotu poslední.</source>
        <translation>The sum of both arrows (with more holes, of the arrows of all open paths). An arrow starts at the detector point (in the sum column) and its tip is the free end, which turns with the length of the path. In the sum column each further arrow starts at the tip of the one before, and the green one runs from the start of the first to the tip of the last.</translation>
    </message>
    <message>
        <source>Modrá křivka (Průběh, F3): úsečka, kterou by dostal každý řádek detektoru, tedy celý interferenční obrazec.</source>
        <translation>Blue curve (Pattern, F3): the bar that every row of the detector would get, that is, the whole interference pattern.</translation>
    </message>
    <message>
        <source>Sledovat trasu fotonu (F7): detektor u otvorů prozradí, kudy foton letěl. Šipky se pak nesčítají: ve sloupci součtu vychází každá z bodu sloupce, zelený součet chybí a úsečka je součtem pravděpodobností tras. Obrazec zmizí.</source>
        <translation>Watch the photon’s path (F7): a detector at the holes reveals which way the photon went. The arrows are then not added: in the sum column each one starts from the point of the column, the green sum is missing and the bar is the sum of the probabilities of the paths. The pattern disappears.</translation>
    </message>
    <message>
        <source>Porovnat s předchozím (F6): tenčí úsečky těsně nad úsečkami jsou úsečky předchozího doběhlého běhu, v téže barvě i jeho křivka; popisek pod úsečkami říká, čím se předchozí běh lišil.</source>
        <translation>Compare with previous (F6): the thinner bars just above the bars are the bars of the previous finished run, and its curve is in the same colour; the caption below the bars tells how the previous run differed.</translation>
    </message>
    <message>
        <source>Červené značky (Fotony, F4): dopady jednotlivých fotonů u bodů detektoru.</source>
        <translation>Red marks (Photons, F4): the arrivals of single photons at the detector points.</translation>
    </message>
    <message>
        <source>Oranžová čára pod úsečkou: podíl fotonů, které dopadly do bodu, krát součet všech úseček; s přibývajícími fotony se blíží délce úsečky.</source>
        <translation>Orange line below the bar: the share of the photons that arrived at the point, times the sum of all bars; as more photons arrive, it approaches the length of the bar.</translation>
    </message>
    <message>
        <source>&lt;/table&gt;&lt;h3&gt;Fyzika&lt;/h3&gt;</source>
        <translation>&lt;/table&gt;&lt;h3&gt;Physics&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Klávesy&lt;/h3&gt;&lt;table cellspacing=2&gt;</source>
        <translation>&lt;h3&gt;Keys&lt;/h3&gt;&lt;table cellspacing=2&gt;</translation>
    </message>
    <message>
        <source>Nápověda – Kestrova</source>
        <translation>Help – Kestrova</translation>
    </message>
    <message>
        <source>Horní trasa fotonu (horním otvorem) a její šipka fáze, radiusvektor neboli fázor.</source>
        <translation>The photon’s upper path (through the upper hole) and its phase arrow, the radius vector or phasor.</translation>
    </message>
    <message>
        <source>Opustit celou obrazovku</source>
        <translation>Leave full screen</translation>
    </message>
    <message>
        <source>Všechny příkazy nabízí i nabídka, kterou otevře pravé tlačítko myši, klávesa %1 nebo Shift+F10.</source>
        <translation>Every command is also in the menu that the right mouse button, the %1 key or Shift+F10 opens.</translation>
    </message>
    <message>
        <source>Má-li clona víc než dva otvory (pole „Počet otvorů“, F2): trasy otvory mezi horním a dolním, shora %1. Šipka každé trasy má délku %2 / N pixelů, kde N je počet všech otvorů, u dvou tedy %3.</source>
        <translation>If the aperture screen has more than two holes (field “Number of holes”, F2): the paths through the holes between the upper and the lower one, from the top: %1. The arrow of each path is %2 / N pixels long, where N is the number of all holes, so %3 for two holes.</translation>
    </message>
    <message>
        <source>Vodorovná úsečka vpravo: její délka je %1 × |součet|² pixelů a je &lt;b&gt;úměrná&lt;/b&gt; pravděpodobnosti, že foton dopadne do tohoto bodu detektoru.</source>
        <translation>Horizontal bar on the right: its length is %1 × |sum|² pixels and it is &lt;b&gt;proportional&lt;/b&gt; to the probability that the photon arrives at this point of the detector.</translation>
    </message>
    <message>
        <source>Šedá svislá čára „bez interference“: úsečka, kdyby se místo šipek sčítaly pravděpodobnosti tras; u dvou otvorů %1, %2 × (%3² + %3²).</source>
        <translation>Grey vertical line “without interference”: the bar if the probabilities of the paths were added instead of their arrows; %1 for two holes, %2 × (%3² + %3²).</translation>
    </message>
</context>
<context>
    <name>ParameterFields</name>
    <message>
        <source>Chybný parametr</source>
        <translation>Invalid parameter</translation>
    </message>
    <message>
        <source>Celé číslo od %1 do %2, na začátku %3.</source>
        <translation>A whole number from %1 to %2, initially %3.</translation>
    </message>
    <message>
        <source>Číslo od %1 do %2, na začátku %3.</source>
        <translation>A number from %1 to %2, initially %3.</translation>
    </message>
    <message>
        <source>Parametry: %1.</source>
        <translation>Parameters: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Zakryté otvory (počítáno shora): %1.</source>
        <translation>
            <numerusform>Covered hole (counted from the top): %1.</numerusform>
            <numerusform>Covered holes (counted from the top): %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Trasa fotonu je sledována: sčítají se pravděpodobnosti tras, ne jejich šipky.</source>
        <translation>The photon’s path is watched: the probabilities of the paths are added, not their arrows.</translation>
    </message>
    <message>
        <source>%1 – změněné parametry</source>
        <translation>%1 – parameters changed</translation>
    </message>
    <message>
        <source>Clona má %1.</source>
        <translation>The aperture screen has %1.</translation>
    </message>
</context>
<context>
    <name>PointTable</name>
    <message>
        <source>Tabulka ukáže hodnoty pokusu, až doběhne. Spusťte ho tlačítkem Start.</source>
        <translation>The table will show the values of the experiment once it has finished. Run it with the Start button.</translation>
    </message>
    <message>
        <source>Pokus: %1.</source>
        <translation>Experiment: %1.</translation>
    </message>
    <message>
        <source>Při frekvenci 0 se šipky neotáčejí: vlnová délka je nekonečná a fáze nezávisí na délce dráhy.</source>
        <translation>At frequency 0 the arrows do not turn: the wavelength is infinite and the phase does not depend on the path length.</translation>
    </message>
    <message>
        <source>Vlnová délka λ = %1 ≈ %2 px.</source>
        <translation>Wavelength λ = %1 ≈ %2 px.</translation>
    </message>
    <message>
        <source>Výška nad
osou (px)</source>
        <translation>Height above
axis (px)</translation>
    </message>
    <message>
        <source>Dráha
otvorem (px)</source>
        <translation>Path through
hole (px)</translation>
    </message>
    <message>
        <source>Dráha horním
otvorem (px)</source>
        <translation>Path through
upper hole (px)</translation>
    </message>
    <message>
        <source>Dráha dolním
otvorem (px)</source>
        <translation>Path through
lower hole (px)</translation>
    </message>
    <message>
        <source>Dráhy otevřenými
otvory shora (px)</source>
        <translation>Paths through open
holes, from top (px)</translation>
    </message>
    <message>
        <source>Δs = dolní −
horní (px)</source>
        <translation>Δs = lower −
upper (px)</translation>
    </message>
    <message>
        <source>Δs dvou horních
otevřených (px)</source>
        <translation>Δs of top two
open holes (px)</translation>
    </message>
    <message>
        <source>Δs
(λ)</source>
        <translation>Δs
(λ)</translation>
    </message>
    <message>
        <source>Fázový
rozdíl (°)</source>
        <translation>Phase
difference (°)</translation>
    </message>
    <message>
        <source>√(Σ|šipka|²) (px),
sčítají se pravděpodobnosti</source>
        <translation>√(Σ|arrow|²) (px),
probabilities added</translation>
    </message>
    <message>
        <source>|součet|
(px)</source>
        <translation>|sum|
(px)</translation>
    </message>
    <message>
        <source>Úsečka
(px)</source>
        <translation>Bar
(px)</translation>
    </message>
    <message>
        <source>Podíl
úsečky (%)</source>
        <translation>Bar
share (%)</translation>
    </message>
    <message>
        <source>Dopady
fotonů</source>
        <translation>Photon
arrivals</translation>
    </message>
    <message>
        <source>Podíl
dopadů (%)</source>
        <translation>Arrival
share (%)</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Přetečení</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Neshoda typů</source>
        <translation>Type mismatch</translation>
    </message>
    <message>
        <source>Neplatná hodnota vlastnosti</source>
        <translation>Invalid property value</translation>
    </message>
    <message>
        <source>Chyba za běhu %1: %2</source>
        <translation>Run-time error %1: %2</translation>
    </message>
</context>
<context>
    <name>SpomalenaAnimace</name>
    <message>
        <source>Vlevo zdroj fotonů, za ním clona se dvěma otvory, dále svislý detektor. Foton letí z obou otvorů současně k jedenácti bodům detektoru, odspodu nahoru; každá trasa otáčí svou šipkou fáze (radiusvektor). Ve sloupci součtu se obě šipky skládají za sebou, zelená šipka je jejich součet. Vodorovná úsečka vpravo má délku %1násobku druhé mocniny délky součtu; je úměrná pravděpodobnosti, že foton dopadne do tohoto bodu.</source>
        <translation>On the left the photon source, behind it the aperture screen with two holes, then the vertical detector. The photon flies from both holes at once to eleven points of the detector, from the bottom up; each path turns its phase arrow (phasor). In the sum column the two arrows are added head to tail, and the green arrow is their sum. The horizontal bar on the right is %1 times the square of the length of the sum; it is proportional to the probability that the photon arrives at this point.</translation>
    </message>
    <message>
        <source>Spustí animaci: foton letí oběma trasami k jedenácti bodům detektoru.</source>
        <translation>Starts the animation: the photon flies along both paths to eleven points of the detector.</translation>
    </message>
    <message>
        <source>Animace běží. %1 ji pozastaví, šipkami, %2, %3, %4 a %5 se v ní posunete. Jiné klávesy ani myš do jejího konce nepůsobí.</source>
        <translation>The animation is running. %1 pauses it; the arrow keys, %2, %3, %4 and %5 move you through it. Other keys and the mouse have no effect until it ends.</translation>
    </message>
    <message>
        <source>Detail Animace spomalené</source>
        <translation>Slowed-down animation in detail</translation>
    </message>
    <message>
        <source>Současný let fotonu možnými trasami a jeho dopad na vybrané body detektoru</source>
        <translation>Simultaneous flight of a photon along its possible paths and its arrival at chosen points of the detector</translation>
    </message>
    <message>
        <source>Klikněte na tlačítko Start</source>
        <translation>Click the Start button</translation>
    </message>
    <message>
        <source>KONEC</source>
        <translation>QUIT</translation>
    </message>
    <message>
        <source>Pokračovat</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Clona </source>
        <translation>Screen </translation>
    </message>
    <message>
        <source>Detektor</source>
        <translation>Detector</translation>
    </message>
    <message>
        <source>Součet radiusvektorů</source>
        <translation>Sum of phase arrows</translation>
    </message>
    <message>
        <source>Pravděpodobnost dopadu</source>
        <translation>Probability of arrival</translation>
    </message>
    <message>
        <source>Zdroj fotonu</source>
        <translation>Photon source</translation>
    </message>
    <message>
        <source>bez interference</source>
        <translation>without interference</translation>
    </message>
    <message>
        <source>předtím</source>
        <translation>previous</translation>
    </message>
    <message>
        <source>Animace</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Pomalá</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>Pomalejší</source>
        <translation>Slower</translation>
    </message>
    <message>
        <source>Rychlá</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>Otvory</source>
        <translation>Holes</translation>
    </message>
    <message>
        <source>Kestrova: interference za dvěma otvory.</source>
        <translation>Kestrova: interference behind two holes.</translation>
    </message>
    <message>
        <source>Konec</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Ukončí program.</source>
        <translation>Quits the program.</translation>
    </message>
    <message>
        <source>Zpomalení animace</source>
        <translation>Animation slow-down</translation>
    </message>
    <message>
        <source>Webová adresa</source>
        <translation>Web address</translation>
    </message>
    <message>
        <source>Adresa stránek programu, jen pro informaci.</source>
        <translation>Address of the program’s website, for information only.</translation>
    </message>
    <message>
        <source>Popisek části obrázku.</source>
        <translation>Caption of a part of the picture.</translation>
    </message>
    <message>
        <source>Kresba pokusu</source>
        <translation>Drawing of the experiment</translation>
    </message>
    <message>
        <source>Spustit animaci</source>
        <translation>Start animation</translation>
    </message>
    <message>
        <source>Pozastavit</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>O krok vpřed</source>
        <translation>Step forward</translation>
    </message>
    <message>
        <source>O krok zpět</source>
        <translation>Step back</translation>
    </message>
    <message>
        <source>Na konec bodu</source>
        <translation>To end of point</translation>
    </message>
    <message>
        <source>Na začátek bodu</source>
        <translation>To start of point</translation>
    </message>
    <message>
        <source>Na začátek animace</source>
        <translation>To start of animation</translation>
    </message>
    <message>
        <source>Na konec animace</source>
        <translation>To end of animation</translation>
    </message>
    <message>
        <source>Parametry</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Výchozí hodnoty</source>
        <translation>Starting values</translation>
    </message>
    <message>
        <source>Průběh</source>
        <translation>Pattern</translation>
    </message>
    <message>
        <source>Sledovat trasu fotonu</source>
        <translation>Watch the photon’s path</translation>
    </message>
    <message>
        <source>Porovnat s předchozím</source>
        <translation>Compare with previous</translation>
    </message>
    <message>
        <source>Fotony</source>
        <translation>Photons</translation>
    </message>
    <message>
        <source>Kopírovat obrázek</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>Uložit obrázek…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Celá obrazovka</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Nápověda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Ukončit program</source>
        <translation>Quit the program</translation>
    </message>
    <message>
        <source>Otvor %1</source>
        <translation>Hole %1</translation>
    </message>
    <message>
        <source>Otvor %1 (horní)</source>
        <translation>Hole %1 (top)</translation>
    </message>
    <message>
        <source>Otvor %1 (dolní)</source>
        <translation>Hole %1 (bottom)</translation>
    </message>
    <message>
        <source>Fotony zastaveny.</source>
        <translation>Photons stopped.</translation>
    </message>
    <message>
        <source>Fotony pozastaveny. %1 je pustí dál, %2 je zastaví.</source>
        <translation>Photons paused. %1 lets them go on, %2 stops them.</translation>
    </message>
    <message>
        <source>Fotony dopadají jeden po druhém. %1 je pozastaví, %2 zastaví.</source>
        <translation>Photons are arriving one after another. %1 pauses them, %2 stops them.</translation>
    </message>
    <message>
        <source>Obrázek nebyl uložen</source>
        <translation>Picture not saved</translation>
    </message>
    <message>
        <source>Obrázek se nepodařilo uložit do souboru „%1“.

%2</source>
        <translation>The picture could not be saved to the file “%1”.

%2</translation>
    </message>
    <message>
        <source>Uložit obrázek</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Obrázek PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Složka:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>Název souboru:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Typ souboru:</source>
        <translation>File type:</translation>
    </message>
    <message>
        <source>Uložit</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Zrušit</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Soubor „%1“ už existuje. Nahradit ho?</source>
        <translation>The file “%1” already exists. Replace it?</translation>
    </message>
    <message>
        <source>Zpomalení %1 z %2; projeví se při příštím spuštění</source>
        <translation>Slow-down %1 of %2; takes effect at the next start</translation>
    </message>
    <message>
        <source>Vlevo nejrychleji, vpravo nejpomaleji.</source>
        <translation>Fastest on the left, slowest on the right.</translation>
    </message>
    <message>
        <source>Animace doběhla.</source>
        <translation>The animation has finished.</translation>
    </message>
    <message>
        <source>Celý výsledek popisuje kresba pokusu. Start ji spustí znovu.</source>
        <translation>The drawing of the experiment describes the whole result. Start runs it again.</translation>
    </message>
    <message>
        <source>Tabulka</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Kontrastní barvy</source>
        <translation>High-contrast colours</translation>
    </message>
    <message>
        <source>Obnovit výchozí nastavení</source>
        <translation>Restore default settings</translation>
    </message>
    <message>
        <source>Obrázky</source>
        <translation>Pictures</translation>
    </message>
</context>
<context>
    <name>TableWindow</name>
    <message>
        <source>Kopírovat tabulku</source>
        <translation>Copy table</translation>
    </message>
    <message>
        <source>Uložit jako CSV…</source>
        <translation>Save as CSV…</translation>
    </message>
    <message>
        <source>Kopírovat</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Tabulka – Kestrova</source>
        <translation>Table – Kestrova</translation>
    </message>
    <message>
        <source>Hodnoty v bodech detektoru</source>
        <translation>Values at the detector points</translation>
    </message>
    <message>
        <source>Řádek na každý bod detektoru, bod 1 je nejníže. Ctrl+C kopíruje výběr, bez výběru celou tabulku.</source>
        <translation>One row for each detector point; point 1 is the lowest. Ctrl+C copies the selection, or the whole table when nothing is selected.</translation>
    </message>
    <message>
        <source>Pokus právě probíhá; tabulka ukáže jeho hodnoty, až doběhne.</source>
        <translation>The experiment is running; the table will show its values once it has finished.</translation>
    </message>
    <message>
        <source>Tabulka nebyla uložena</source>
        <translation>Table not saved</translation>
    </message>
    <message>
        <source>Tabulku se nepodařilo uložit do souboru „%1“.

%2</source>
        <translation>The table could not be saved to the file “%1”.

%2</translation>
    </message>
    <message>
        <source>Uložit tabulku</source>
        <translation>Save table</translation>
    </message>
    <message>
        <source>Tabulka CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Soubor „%1“ už existuje. Nahradit ho?</source>
        <translation>The file “%1” already exists. Replace it?</translation>
    </message>
    <message>
        <source>Dokumenty</source>
        <translation>Documents</translation>
    </message>
</context>
<context>
    <name>keys</name>
    <message>
        <source>Mezerník</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Šipka vpravo</source>
        <translation>Right arrow</translation>
    </message>
    <message>
        <source>Šipka vlevo</source>
        <translation>Left arrow</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
</context>
<context>
    <name>palette</name>
    <message>
        <source>purpurová</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>modrozelená</source>
        <translation>teal</translation>
    </message>
    <message>
        <source>hnědá</source>
        <translation>brown</translation>
    </message>
    <message>
        <source>žlutá</source>
        <translation>yellow</translation>
    </message>
    <message>
        <source>fialová</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>růžová</source>
        <translation>pink</translation>
    </message>
    <message>
        <source>olivová</source>
        <translation>olive</translation>
    </message>
    <message>
        <source>malinová</source>
        <translation>raspberry</translation>
    </message>
</context>
<context>
    <name>parameters</name>
    <message>
        <source>Hodnota „%1“ v poli „%2“ je mimo rozsah.</source>
        <translation>The value “%1” in the field “%2” is out of range.</translation>
    </message>
    <message>
        <source>Hodnota „%1“ v poli „%2“ není celé číslo.</source>
        <translation>The value “%1” in the field “%2” is not a whole number.</translation>
    </message>
    <message>
        <source>Pole „%1“ je prázdné.</source>
        <translation>The field “%1” is empty.</translation>
    </message>
    <message>
        <source>Hodnota „%1“ v poli „%2“ není číslo.</source>
        <translation>The value “%1” in the field “%2” is not a number.</translation>
    </message>
    <message>
        <source>Desetinná místa oddělte čárkou.</source>
        <translation>Separate decimals with a comma.</translation>
    </message>
    <message>
        <source>Desetinná místa oddělte tečkou.</source>
        <translation>Separate decimals with a point.</translation>
    </message>
    <message>
        <source>Zadejte číslo od %1 do %2, například %3.</source>
        <translation>Enter a number from %1 to %2, for example %3.</translation>
    </message>
    <message>
        <source>Pole „%1“ a „%2“ spolu nesouhlasí: při počtu otvorů %3 a rozteči %4 se otvory na clonu nevejdou. Při tomto počtu zadejte rozteč nejvýše %5, nebo zmenšete počet otvorů.</source>
        <translation>The fields “%1” and “%2” do not agree: %3 holes with a spacing of %4 do not fit on the aperture screen. For this number of holes, enter a spacing of at most %5, or reduce the number of holes.</translation>
    </message>
    <message>
        <source>Vzdálenost clony</source>
        <translation>Screen distance</translation>
    </message>
    <message>
        <source>Frekvence fotonů</source>
        <translation>Photon frequency</translation>
    </message>
    <message>
        <source>Rozteč děr</source>
        <translation>Hole spacing</translation>
    </message>
    <message>
        <source>Počet otvorů</source>
        <translation>Number of holes</translation>
    </message>
</context>
<context>
    <name>whyNotSaved</name>
    <message>
        <source>Složka %1 neexistuje.</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
    <message>
        <source>Tento název už je složka. Zvolte jméno souboru.</source>
        <translation>This name is already a folder. Choose a file name.</translation>
    </message>
    <message>
        <source>Zápis se nezdařil; na disku možná není dost místa.</source>
        <translation>Writing failed; there may not be enough space on the disk.</translation>
    </message>
    <message>
        <source>Do složky %1 nemáte právo zapisovat. Zvolte jinou, například svou složku %2.</source>
        <translation>You do not have permission to write to the folder %1. Choose another one, for example your %2 folder.</translation>
    </message>
    <message>
        <source>Soubor s tímto jménem nelze vytvořit. Zvolte jiné jméno nebo jinou složku.</source>
        <translation>A file with this name cannot be created. Choose another name or another folder.</translation>
    </message>
</context>
<context>
    <name>words</name>
    <message numerus="yes">
        <source>%n pixelů</source>
        <translation>
            <numerusform>%n pixel</numerusform>
            <numerusform>%n pixels</numerusform>
        </translation>
    </message>
    <message>
        <source>Bod %1 z %2</source>
        <translation>Point %1 of %2</translation>
    </message>
    <message>
        <source>Výsledek v bodech detektoru odspodu nahoru, délka úsečky pravděpodobnosti v pixelech:</source>
        <translation>Result at the detector points from the bottom up, length of the probability bar in pixels:</translation>
    </message>
    <message>
        <source>Bod %1: %2</source>
        <translation>Point %1: %2</translation>
    </message>
    <message>
        <source>, maximum</source>
        <translation>, maximum</translation>
    </message>
    <message>
        <source>, minimum</source>
        <translation>, minimum</translation>
    </message>
    <message>
        <source>, předtím %1</source>
        <translation>, previously %1</translation>
    </message>
    <message>
        <source>Všechny úsečky jsou stejně dlouhé.</source>
        <translation>All bars are the same length.</translation>
    </message>
    <message>
        <source>vzdálenost %1</source>
        <translation>distance %1</translation>
    </message>
    <message>
        <source>frekvence %1</source>
        <translation>frequency %1</translation>
    </message>
    <message>
        <source>rozteč %1</source>
        <translation>spacing %1</translation>
    </message>
    <message>
        <source>otvorů %1</source>
        <translation>holes %1</translation>
    </message>
    <message>
        <source>žádný otvor zakrytý</source>
        <translation>no hole covered</translation>
    </message>
    <message>
        <source>zakryté %1</source>
        <translation>covered %1</translation>
    </message>
    <message>
        <source>trasa sledována</source>
        <translation>path watched</translation>
    </message>
    <message>
        <source>trasa nesledována</source>
        <translation>path not watched</translation>
    </message>
    <message>
        <source>předtím: stejné hodnoty</source>
        <translation>previous: same values</translation>
    </message>
    <message>
        <source>předtím: %1</source>
        <translation>previous: %1</translation>
    </message>
    <message numerus="yes">
        <source>Maxima jsou v bodech %1</source>
        <translation>
            <numerusform>The maximum is at point %1</numerusform>
            <numerusform>The maxima are at points %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, minima v bodech %1</source>
        <translation>
            <numerusform>, the minimum at point %1</numerusform>
            <numerusform>, the minima at points %1</numerusform>
        </translation>
    </message>
    <message>
        <source>na ose</source>
        <translation>on the axis</translation>
    </message>
    <message>
        <source>%1 nad osou</source>
        <translation>%1 above the axis</translation>
    </message>
    <message>
        <source>%1 pod osou</source>
        <translation>%1 below the axis</translation>
    </message>
    <message>
        <source>Průběh je po celém detektoru stejný.</source>
        <translation>The pattern is the same along the whole detector.</translation>
    </message>
    <message numerus="yes">
        <source>maxima %1</source>
        <translation>
            <numerusform>maximum %1</numerusform>
            <numerusform>maxima %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>minima %1</source>
        <translation>
            <numerusform>minimum %1</numerusform>
            <numerusform>minima %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Průběh: %1.</source>
        <translation>Pattern: %1.</translation>
    </message>
    <message>
        <source>bod %1: %2</source>
        <translation>point %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Dopadlo %n fotonů</source>
        <translation>
            <numerusform>%n photon arrived</numerusform>
            <numerusform>%n photons arrived</numerusform>
        </translation>
    </message>
    <message>
        <source>jediné trasy</source>
        <translation>the single path</translation>
    </message>
    <message>
        <source>obou tras</source>
        <translation>both paths</translation>
    </message>
    <message>
        <source>všech %1 tras</source>
        <translation>all %1 paths</translation>
    </message>
    <message>
        <source>po jediné trase</source>
        <translation>along the single path</translation>
    </message>
    <message>
        <source>po obou trasách</source>
        <translation>along both paths</translation>
    </message>
    <message>
        <source>po všech %1 trasách</source>
        <translation>along all %1 paths</translation>
    </message>
    <message>
        <source>Začátek: obrázek před spuštěním animace.</source>
        <translation>Start: the picture before the animation is started.</translation>
    </message>
    <message>
        <source>šipky %1 a úsečka pravděpodobnosti, součet pravděpodobností tras, %2.</source>
        <translation>the arrows of %1 and the probability bar, the sum of the probabilities of the paths, %2.</translation>
    </message>
    <message>
        <source>šipky %1, jejich součet a úsečka pravděpodobnosti, %2.</source>
        <translation>the arrows of %1, their sum and the probability bar, %2.</translation>
    </message>
    <message>
        <source>šipky fáze na otvorech, trasy od zdroje a foton na začátku %1.</source>
        <translation>the phase arrows at the holes, the paths from the source and the photon at the start of %1.</translation>
    </message>
    <message>
        <source>foton doletěl %1 do bodu detektoru.</source>
        <translation>the photon has flown %1 to the detector point.</translation>
    </message>
    <message>
        <source>foton postoupil %1.</source>
        <translation>the photon has moved on %1.</translation>
    </message>
    <message>
        <source>%1, krok %2 z %3: %4</source>
        <translation>%1, step %2 of %3: %4</translation>
    </message>
    <message>
        <source>na začátku</source>
        <translation>at the start</translation>
    </message>
    <message>
        <source>na konci</source>
        <translation>at the end</translation>
    </message>
    <message>
        <source>v bodě %1 z %2</source>
        <translation>at point %1 of %2</translation>
    </message>
    <message>
        <source>Animace pozastavena %1. Pokračovat: %2 nebo %3. %4 a %5 o krok vpřed a zpět, %6 a %7 na konec a na začátek bodu, %8 na začátek, %9 na konec.</source>
        <translation>Animation paused %1. Continue: %2 or %3. %4 and %5 one step forward and back, %6 and %7 to the end and the start of the point, %8 to the start, %9 to the end.</translation>
    </message>
    <message numerus="yes">
        <source>%n otvorů</source>
        <translation>
            <numerusform>%n hole</numerusform>
            <numerusform>%n holes</numerusform>
        </translation>
    </message>
    <message>
        <source>vzdálenost clony %1 px, frekvence fotonů %2, rozteč děr %3 px, %4</source>
        <translation>aperture screen distance %1 px, photon frequency %2, hole spacing %3 px, %4</translation>
    </message>
    <message numerus="yes">
        <source> (zakryté %1 shora)</source>
        <translation>
            <numerusform> (hole %1 from the top covered)</numerusform>
            <numerusform> (holes %1 from the top covered)</numerusform>
        </translation>
    </message>
    <message>
        <source>, trasa fotonu sledována</source>
        <translation>, photon’s path watched</translation>
    </message>
    <message>
        <source> a </source>
        <translation> and </translation>
    </message>
</context>
</TS>
