<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs">
<context>
    <name>HelpWindow</name>
    <message>
        <source>Výchozí hodnoty: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nakreslený pokus: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trasy k témuž bodu se liší délkou o dráhový rozdíl: je-li to celistvý násobek λ, míří šipky stejně a sečtou se (maximum), je-li to lichý násobek λ/2%1, míří proti sobě a vyruší se (minimum).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;%1&lt;/p&gt;&lt;p&gt;Při frekvenci 0 se šipka fáze s délkou trasy neotáčí: šipky všech tras míří stejně, ať jsou trasy jakkoli dlouhé, a vlnová délka je nekonečná. Při jiné frekvenci platí, že %2&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 × %2 = %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Na každém pixelu své délky se šipka fáze otočí o %1 radiánu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Při frekvenci %1 se šipka fáze na každém pixelu své délky otočí o %2 radiánu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;%1&lt;/p&gt;&lt;p&gt;%2, takže celou otočku udělá na vlnové délce λ = %3 ≈ %4. %5 Pravděpodobnost dopadu je úměrná druhé mocnině délky součtu, ne délce samotné. Hodnoty v každém bodě ukáže tabulka (F5).&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (λ/2 ≈ %1, 3λ/2 ≈ %2, …)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt;Co je na obrázku&lt;/h3&gt;&lt;table cellspacing=0&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horní trasa fotonu (horním otvorem) a její šipka fáze.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dolní trasa fotonu (dolním otvorem) a její šipka fáze.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Má-li clona víc než dva otvory (pole „Počet otvorů“, F2): trasy otvory mezi horním a dolním, shora %1. Šipka každé trasy má délku 40 / N pixelů, kde N je počet všech otvorů, u dvou tedy 20.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Černý kroužek na cloně: zakrytý otvor. Otvor zakryje a znovu otevře nabídka „Otvory“ nebo klepnutí na otvor v kresbě; poslední otevřený zakrýt nelze.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Součet obou šipek (při více otvorech šipek všech otevřených tras). Šipka začíná v bodě detektoru (ve sloupci součtu) a její hrot je volný konec, který se s délkou trasy otáčí. Ve sloupci součtu začíná každá další šipka na hrotu předchozí a zelená vede od začátku první k hrotu poslední.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vodorovná úsečka vpravo: její délka je 0,1 × |součet|² pixelů a je &lt;b&gt;úměrná&lt;/b&gt; pravděpodobnosti, že foton dopadne do tohoto bodu detektoru.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modrá křivka (Průběh, F3): úsečka, kterou by dostal každý řádek detektoru, tedy celý interferenční obrazec.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Šedá svislá čára „bez interference“: úsečka, kdyby se místo šipek sčítaly pravděpodobnosti tras; u dvou otvorů 80 pixelů, 0,1 × (20² + 20²).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sledovat trasu fotonu (F7): detektor u otvorů prozradí, kudy foton letěl. Šipky se pak nesčítají: ve sloupci součtu vychází každá z bodu sloupce, zelený součet chybí a úsečka je součtem pravděpodobností tras. Obrazec zmizí.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Porovnat s předchozím (F6): tenčí úsečky těsně nad úsečkami jsou úsečky předchozího doběhlého běhu, v téže barvě i jeho křivka; popisek pod úsečkami říká, čím se předchozí běh lišil.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Červené značky (Fotony, F4): dopady jednotlivých fotonů u bodů detektoru.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oranžová čára pod úsečkou: podíl fotonů, které dopadly do bodu, krát součet všech úseček; s přibývajícími fotony se blíží délce úsečky.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;/table&gt;&lt;h3&gt;Fyzika&lt;/h3&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt;Klávesy&lt;/h3&gt;&lt;table cellspacing=2&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nápověda – Kestrova</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ParameterFields</name>
    <message>
        <source>Chybný parametr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Celé číslo od %1 do %2, na začátku %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Číslo od %1 do %2, na začátku %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parametry: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Zakryté otvory (počítáno shora): %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Trasa fotonu je sledována: sčítají se pravděpodobnosti tras, ne jejich šipky.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 – změněné parametry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clona má %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PointTable</name>
    <message>
        <source>Tabulka ukáže hodnoty pokusu, až doběhne. Spusťte ho tlačítkem Start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pokus: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Při frekvenci 0 se šipky neotáčejí: vlnová délka je nekonečná a fáze nezávisí na délce dráhy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vlnová délka λ = %1 ≈ %2 px.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výška nad
osou (px)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dráha
otvorem (px)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dráha horním
otvorem (px)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dráha dolním
otvorem (px)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dráhy otevřenými
otvory shora (px)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Δs = dolní −
horní (px)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Δs dvou horních
otevřených (px)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Δs
(λ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fázový
rozdíl (°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>√(Σ|šipka|²) (px),
sčítají se pravděpodobnosti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>|součet|
(px)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Úsečka
(px)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Podíl
úsečky (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dopady
fotonů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Podíl
dopadů (%)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Přetečení</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neshoda typů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neplatná hodnota vlastnosti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chyba za běhu %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpomalenaAnimace</name>
    <message>
        <source>Vlevo zdroj fotonů, za ním clona se dvěma otvory, dále svislý detektor. Foton letí z obou otvorů současně k jedenácti bodům detektoru, odspodu nahoru; každá trasa otáčí svou šipkou fáze (radiusvektor). Ve sloupci součtu se obě šipky skládají za sebou, zelená šipka je jejich součet. Vodorovná úsečka vpravo má délku 0,1násobku druhé mocniny délky součtu; je úměrná pravděpodobnosti, že foton dopadne do tohoto bodu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spustí animaci: foton letí oběma trasami k jedenácti bodům detektoru.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animace běží. %1 ji pozastaví, šipkami, %2, %3, %4 a %5 se v ní posunete. Jiné klávesy ani myš do jejího konce nepůsobí.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detail Animace spomalené</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Současný let fotonu možnými trasami a jeho dopad na vybrané body detektoru</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Klikněte na tlačítko Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KONEC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pokračovat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clona </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detektor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Součet radiusvektorů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pravděpodobnost dopadu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zdroj fotonu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bez interference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>předtím</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pomalá</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pomalejší</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rychlá</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otvory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrova: interference za dvěma otvory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ukončí program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zpomalení animace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Webová adresa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adresa stránek programu, jen pro informaci.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Popisek části obrázku.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kresba pokusu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spustit animaci</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pozastavit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O krok vpřed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O krok zpět</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Na konec bodu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Na začátek bodu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Na začátek animace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Na konec animace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parametry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výchozí hodnoty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Průběh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sledovat trasu fotonu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Porovnat s předchozím</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fotony</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kopírovat obrázek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uložit obrázek…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Celá obrazovka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nápověda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ukončit program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otvor %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otvor %1 (horní)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otvor %1 (dolní)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fotony zastaveny.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fotony pozastaveny. %1 je pustí dál, %2 je zastaví.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fotony dopadají jeden po druhém. %1 je pozastaví, %2 zastaví.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Obrázek nebyl uložen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Obrázek se nepodařilo uložit do souboru „%1“.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uložit obrázek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Obrázek PNG (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Složka:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Název souboru:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typ souboru:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uložit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zrušit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor „%1“ už existuje. Nahradit ho?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zpomalení %1 z %2; projeví se při příštím spuštění</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vlevo nejrychleji, vpravo nejpomaleji.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animace doběhla.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Celý výsledek popisuje kresba pokusu. Start ji spustí znovu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabulka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kontrastní barvy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Obnovit výchozí nastavení</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Obrázky</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableWindow</name>
    <message>
        <source>Kopírovat tabulku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uložit jako CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kopírovat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabulka – Kestrova</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hodnoty v bodech detektoru</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Řádek na každý bod detektoru, bod 1 je nejníže. Ctrl+C kopíruje výběr, bez výběru celou tabulku.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pokus právě probíhá; tabulka ukáže jeho hodnoty, až doběhne.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabulka nebyla uložena</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabulku se nepodařilo uložit do souboru „%1“.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uložit tabulku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabulka CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor „%1“ už existuje. Nahradit ho?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>keys</name>
    <message>
        <source>Mezerník</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Šipka vpravo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Šipka vlevo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>palette</name>
    <message>
        <source>purpurová</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>modrozelená</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hnědá</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>žlutá</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fialová</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>růžová</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>olivová</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>malinová</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>parameters</name>
    <message>
        <source>Hodnota „%1“ v poli „%2“ je mimo rozsah.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hodnota „%1“ v poli „%2“ není celé číslo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pole „%1“ je prázdné.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hodnota „%1“ v poli „%2“ není číslo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desetinná místa oddělte čárkou.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desetinná místa oddělte tečkou.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zadejte číslo od %1 do %2, například %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pole „%1“ a „%2“ spolu nesouhlasí: při počtu otvorů %3 a rozteči %4 se otvory na clonu nevejdou. Při tomto počtu zadejte rozteč nejvýše %5, nebo zmenšete počet otvorů.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vzdálenost clony</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frekvence fotonů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rozteč děr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Počet otvorů</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>whyNotSaved</name>
    <message>
        <source>Složka %1 neexistuje.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tento název už je složka. Zvolte jméno souboru.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zápis se nezdařil; na disku možná není dost místa.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do složky %1 nemáte právo zapisovat. Zvolte jinou, například svou složku %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor s tímto jménem nelze vytvořit. Zvolte jiné jméno nebo jinou složku.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>words</name>
    <message numerus="yes">
        <source>%n pixelů</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Bod %1 z %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výsledek v bodech detektoru odspodu nahoru, délka úsečky pravděpodobnosti v pixelech:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bod %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, minimum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, předtím %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Všechny úsečky jsou stejně dlouhé.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vzdálenost %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frekvence %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rozteč %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>otvorů %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>žádný otvor zakrytý</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zakryté %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trasa sledována</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trasa nesledována</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>předtím: stejné hodnoty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>předtím: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Maxima jsou v bodech %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, minima v bodech %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>na ose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 nad osou</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pod osou</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Průběh je po celém detektoru stejný.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>maxima %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>minima %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Průběh: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bod %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Dopadlo %n fotonů</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>jediné trasy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>obou tras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>všech %1 tras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>po jediné trase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>po obou trasách</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>po všech %1 trasách</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Začátek: obrázek před spuštěním animace.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>šipky %1 a úsečka pravděpodobnosti, součet pravděpodobností tras, %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>šipky %1, jejich součet a úsečka pravděpodobnosti, %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>šipky fáze na otvorech, trasy od zdroje a foton na začátku %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>foton doletěl %1 do bodu detektoru.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>foton postoupil %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, krok %2 z %3: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>na začátku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>na konci</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>v bodě %1 z %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animace pozastavena %1. Pokračovat: %2 nebo %3. %4 a %5 o krok vpřed a zpět, %6 a %7 na konec a na začátek bodu, %8 na začátek, %9 na konec.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n otvorů</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>vzdálenost clony %1 px, frekvence fotonů %2, rozteč děr %3 px, %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source> (zakryté %1 shora)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>, trasa fotonu sledována</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
