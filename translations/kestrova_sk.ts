<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk" sourcelanguage="cs">
<context>
    <name>HelpWindow</name>
    <message>
        <source>Výchozí hodnoty: </source>
        <translation>Východiskové hodnoty: </translation>
    </message>
    <message>
        <source>Nakreslený pokus: </source>
        <translation>Nakreslený pokus: </translation>
    </message>
    <message>
        <source>trasy k témuž bodu se liší délkou o dráhový rozdíl: je-li to celistvý násobek λ, míří šipky stejně a sečtou se (maximum), je-li to lichý násobek λ/2%1, míří proti sobě a vyruší se (minimum).</source>
        <translation>dráhy k tomu istému bodu sa líšia dĺžkou o dráhový rozdiel: ak je to celočíselný násobok λ, šípky mieria rovnako a sčítajú sa (maximum), ak je to nepárny násobok λ/2%1, mieria proti sebe a vyrušia sa (minimum).</translation>
    </message>
    <message>
        <source>&lt;p&gt;%1&lt;/p&gt;&lt;p&gt;Při frekvenci 0 se šipka fáze s délkou trasy neotáčí: šipky všech tras míří stejně, ať jsou trasy jakkoli dlouhé, a vlnová délka je nekonečná. Při jiné frekvenci platí, že %2&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1&lt;/p&gt;&lt;p&gt;Pri frekvencii 0 sa fázová šípka s dĺžkou dráhy neotáča: šípky všetkých dráh mieria rovnako, nech sú dráhy akokoľvek dlhé, a vlnová dĺžka je nekonečná. Pri inej frekvencii platí, že %2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1 × %2 = %3</source>
        <translation>%1 × %2 = %3</translation>
    </message>
    <message>
        <source>Na každém pixelu své délky se šipka fáze otočí o %1 radiánu</source>
        <translation>Na každom pixeli svojej dĺžky sa fázová šípka otočí o %1 radiánu</translation>
    </message>
    <message>
        <source>Při frekvenci %1 se šipka fáze na každém pixelu své délky otočí o %2 radiánu</source>
        <translation>Pri frekvencii %1 sa fázová šípka na každom pixeli svojej dĺžky otočí o %2 radiánu</translation>
    </message>
    <message>
        <source>&lt;p&gt;%1&lt;/p&gt;&lt;p&gt;%2, takže celou otočku udělá na vlnové délce λ = %3 ≈ %4. %5 Pravděpodobnost dopadu je úměrná druhé mocnině délky součtu, ne délce samotné. Hodnoty v každém bodě ukáže tabulka (F5).&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1&lt;/p&gt;&lt;p&gt;%2, takže celú otáčku urobí na vlnovej dĺžke λ = %3 ≈ %4. %5 Pravdepodobnosť dopadu je úmerná druhej mocnine dĺžky súčtu, nie dĺžke samotnej. Hodnoty v každom bode ukáže tabuľka (F5).&lt;/p&gt;</translation>
    </message>
    <message>
        <source> (λ/2 ≈ %1, 3λ/2 ≈ %2, …)</source>
        <translation> (λ/2 ≈ %1, 3λ/2 ≈ %2, …)</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Co je na obrázku&lt;/h3&gt;&lt;table cellspacing=0&gt;</source>
        <translation>&lt;h3&gt;Čo je na obrázku&lt;/h3&gt;&lt;table cellspacing=0&gt;</translation>
    </message>
    <message>
        <source>Dolní trasa fotonu (dolním otvorem) a její šipka fáze.</source>
        <translation>Dolná dráha fotónu (dolným otvorom) a jej fázová šípka.</translation>
    </message>
    <message>
        <source>Černý kroužek na cloně: zakrytý otvor. Otvor zakryje a znovu otevře nabídka „Otvory“ nebo klepnutí na otvor v kresbě; poslední otevřený zakrýt nelze.</source>
        <translation>Čierny krúžok na clone: zakrytý otvor. Otvor zakryje a znova otvorí ponuka „Otvory“ alebo kliknutie na otvor v kresbe; posledný otvorený otvor sa zakryť nedá.</translation>
    </message>
    <message>
        <source>Součet obou šipek (při více otvorech šipek všech otevřených tras). Šipka začíná v bodě detektoru (ve sloupci součtu) a její hrot je volný konec, který se s délkou trasy otáčí. Ve sloupci součtu začíná každá další šipka na hrotu předchozí a zelená vede od začátku první k hrotu poslední.</source>
        <translation>Súčet oboch šípok (pri viacerých otvoroch šípok všetkých otvorených dráh). Šípka začína v bode detektora (v stĺpci súčtu) a jej hrot je voľný koniec, ktorý sa s dĺžkou dráhy otáča. V stĺpci súčtu začína každá ďalšia šípka na hrote predchádzajúcej a zelená vedie od začiatku prvej k hrotu poslednej.</translation>
    </message>
    <message>
        <source>Modrá křivka (Průběh, F3): úsečka, kterou by dostal každý řádek detektoru, tedy celý interferenční obrazec.</source>
        <translation>Modrá krivka (Priebeh, F3): úsečka, ktorú by dostal každý riadok detektora, teda celý interferenčný obrazec.</translation>
    </message>
    <message>
        <source>Sledovat trasu fotonu (F7): detektor u otvorů prozradí, kudy foton letěl. Šipky se pak nesčítají: ve sloupci součtu vychází každá z bodu sloupce, zelený součet chybí a úsečka je součtem pravděpodobností tras. Obrazec zmizí.</source>
        <translation>Sledovať dráhu fotónu (F7): detektor pri otvoroch prezradí, kadiaľ fotón letel. Šípky sa potom nesčítajú: v stĺpci súčtu vychádza každá z bodu stĺpca, zelený súčet chýba a úsečka je súčtom pravdepodobností dráh. Obrazec zmizne.</translation>
    </message>
    <message>
        <source>Porovnat s předchozím (F6): tenčí úsečky těsně nad úsečkami jsou úsečky předchozího doběhlého běhu, v téže barvě i jeho křivka; popisek pod úsečkami říká, čím se předchozí běh lišil.</source>
        <translation>Porovnať s predchádzajúcim (F6): tenšie úsečky tesne nad úsečkami sú úsečky predchádzajúceho dokončeného behu, v tej istej farbe aj jeho krivka; popis pod úsečkami hovorí, čím sa predchádzajúci beh líšil.</translation>
    </message>
    <message>
        <source>Červené značky (Fotony, F4): dopady jednotlivých fotonů u bodů detektoru.</source>
        <translation>Červené značky (Fotóny, F4): dopady jednotlivých fotónov pri bodoch detektora.</translation>
    </message>
    <message>
        <source>Oranžová čára pod úsečkou: podíl fotonů, které dopadly do bodu, krát součet všech úseček; s přibývajícími fotony se blíží délce úsečky.</source>
        <translation>Oranžová čiara pod úsečkou: podiel fotónov, ktoré dopadli do bodu, krát súčet všetkých úsečiek; s pribúdajúcimi fotónmi sa blíži k dĺžke úsečky.</translation>
    </message>
    <message>
        <source>&lt;/table&gt;&lt;h3&gt;Fyzika&lt;/h3&gt;</source>
        <translation>&lt;/table&gt;&lt;h3&gt;Fyzika&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Klávesy&lt;/h3&gt;&lt;table cellspacing=2&gt;</source>
        <translation>&lt;h3&gt;Klávesy&lt;/h3&gt;&lt;table cellspacing=2&gt;</translation>
    </message>
    <message>
        <source>Nápověda – Kestrova</source>
        <translation>Pomocník – Kestrova</translation>
    </message>
    <message>
        <source>Horní trasa fotonu (horním otvorem) a její šipka fáze, radiusvektor neboli fázor.</source>
        <translation>Horná dráha fotónu (horným otvorom) a jej fázová šípka, rádiusvektor čiže fázor.</translation>
    </message>
    <message>
        <source>Opustit celou obrazovku</source>
        <translation>Opustiť celú obrazovku</translation>
    </message>
    <message>
        <source>Všechny příkazy nabízí i nabídka, kterou otevře pravé tlačítko myši, klávesa %1 nebo Shift+F10.</source>
        <translation>Všetky príkazy ponúka aj ponuka, ktorú otvorí pravé tlačidlo myši, kláves %1 alebo Shift+F10.</translation>
    </message>
    <message>
        <source>Má-li clona víc než dva otvory (pole „Počet otvorů“, F2): trasy otvory mezi horním a dolním, shora %1. Šipka každé trasy má délku %2 / N pixelů, kde N je počet všech otvorů, u dvou tedy %3.</source>
        <translation>Ak má clona viac ako dva otvory (pole „Počet otvorov“, F2): dráhy otvormi medzi horným a dolným, zhora %1. Šípka každej dráhy má dĺžku %2 / N pixelov, kde N je počet všetkých otvorov, pri dvoch teda %3.</translation>
    </message>
    <message>
        <source>Vodorovná úsečka vpravo: její délka je %1 × |součet|² pixelů a je &lt;b&gt;úměrná&lt;/b&gt; pravděpodobnosti, že foton dopadne do tohoto bodu detektoru.</source>
        <translation>Vodorovná úsečka vpravo: jej dĺžka je %1 × |súčet|² pixelov a je &lt;b&gt;úmerná&lt;/b&gt; pravdepodobnosti, že fotón dopadne do tohto bodu detektora.</translation>
    </message>
    <message>
        <source>Šedá svislá čára „bez interference“: úsečka, kdyby se místo šipek sčítaly pravděpodobnosti tras; u dvou otvorů %1, %2 × (%3² + %3²).</source>
        <translation>Sivá zvislá čiara „bez interferencie“: úsečka, keby sa namiesto šípok sčítali pravdepodobnosti dráh; pri dvoch otvoroch %1, %2 × (%3² + %3²).</translation>
    </message>
</context>
<context>
    <name>ParameterFields</name>
    <message>
        <source>Chybný parametr</source>
        <translation>Chybný parameter</translation>
    </message>
    <message>
        <source>Celé číslo od %1 do %2, na začátku %3.</source>
        <translation>Celé číslo od %1 do %2, na začiatku %3.</translation>
    </message>
    <message>
        <source>Číslo od %1 do %2, na začátku %3.</source>
        <translation>Číslo od %1 do %2, na začiatku %3.</translation>
    </message>
    <message>
        <source>Parametry: %1.</source>
        <translation>Parametre: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Zakryté otvory (počítáno shora): %1.</source>
        <translation>
            <numerusform>Zakrytý otvor (počítané zhora): %1.</numerusform>
            <numerusform>Zakryté otvory (počítané zhora): %1.</numerusform>
            <numerusform>Zakryté otvory (počítané zhora): %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Trasa fotonu je sledována: sčítají se pravděpodobnosti tras, ne jejich šipky.</source>
        <translation>Dráha fotónu je sledovaná: sčítajú sa pravdepodobnosti dráh, nie ich šípky.</translation>
    </message>
    <message>
        <source>%1 – změněné parametry</source>
        <translation>%1 – zmenené parametre</translation>
    </message>
    <message>
        <source>Clona má %1.</source>
        <translation>Clona má %1.</translation>
    </message>
</context>
<context>
    <name>PointTable</name>
    <message>
        <source>Tabulka ukáže hodnoty pokusu, až doběhne. Spusťte ho tlačítkem Start.</source>
        <translation>Tabuľka ukáže hodnoty pokusu, keď dobehne. Spustite ho tlačidlom Start.</translation>
    </message>
    <message>
        <source>Pokus: %1.</source>
        <translation>Pokus: %1.</translation>
    </message>
    <message>
        <source>Při frekvenci 0 se šipky neotáčejí: vlnová délka je nekonečná a fáze nezávisí na délce dráhy.</source>
        <translation>Pri frekvencii 0 sa šípky neotáčajú: vlnová dĺžka je nekonečná a fáza nezávisí od dĺžky dráhy.</translation>
    </message>
    <message>
        <source>Vlnová délka λ = %1 ≈ %2 px.</source>
        <translation>Vlnová dĺžka λ = %1 ≈ %2 px.</translation>
    </message>
    <message>
        <source>Výška nad
osou (px)</source>
        <translation>Výška nad
osou (px)</translation>
    </message>
    <message>
        <source>Dráha
otvorem (px)</source>
        <translation>Dráha
otvorom (px)</translation>
    </message>
    <message>
        <source>Dráha horním
otvorem (px)</source>
        <translation>Dráha horným
otvorom (px)</translation>
    </message>
    <message>
        <source>Dráha dolním
otvorem (px)</source>
        <translation>Dráha dolným
otvorom (px)</translation>
    </message>
    <message>
        <source>Dráhy otevřenými
otvory shora (px)</source>
        <translation>Dráhy otvorenými
otvormi zhora (px)</translation>
    </message>
    <message>
        <source>Δs = dolní −
horní (px)</source>
        <translation>Δs = dolná −
horná (px)</translation>
    </message>
    <message>
        <source>Δs dvou horních
otevřených (px)</source>
        <translation>Δs dvoch horných
otvorených (px)</translation>
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
        <translation>Fázový
rozdiel (°)</translation>
    </message>
    <message>
        <source>√(Σ|šipka|²) (px),
sčítají se pravděpodobnosti</source>
        <translation>√(Σ|šípka|²) (px),
sčítajú sa pravdepodobnosti</translation>
    </message>
    <message>
        <source>|součet|
(px)</source>
        <translation>|súčet|
(px)</translation>
    </message>
    <message>
        <source>Úsečka
(px)</source>
        <translation>Úsečka
(px)</translation>
    </message>
    <message>
        <source>Podíl
úsečky (%)</source>
        <translation>Podiel
úsečky (%)</translation>
    </message>
    <message>
        <source>Dopady
fotonů</source>
        <translation>Dopady
fotónov</translation>
    </message>
    <message>
        <source>Podíl
dopadů (%)</source>
        <translation>Podiel
dopadov (%)</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Přetečení</source>
        <translation>Pretečenie</translation>
    </message>
    <message>
        <source>Neshoda typů</source>
        <translation>Nezhoda typov</translation>
    </message>
    <message>
        <source>Neplatná hodnota vlastnosti</source>
        <translation>Neplatná hodnota vlastnosti</translation>
    </message>
    <message>
        <source>Chyba za běhu %1: %2</source>
        <translation>Chyba počas behu %1: %2</translation>
    </message>
</context>
<context>
    <name>SpomalenaAnimace</name>
    <message>
        <source>Vlevo zdroj fotonů, za ním clona se dvěma otvory, dále svislý detektor. Foton letí z obou otvorů současně k jedenácti bodům detektoru, odspodu nahoru; každá trasa otáčí svou šipkou fáze (radiusvektor). Ve sloupci součtu se obě šipky skládají za sebou, zelená šipka je jejich součet. Vodorovná úsečka vpravo má délku %1násobku druhé mocniny délky součtu; je úměrná pravděpodobnosti, že foton dopadne do tohoto bodu.</source>
        <translation>Vľavo zdroj fotónov, za ním clona s dvoma otvormi, ďalej zvislý detektor. Fotón letí z oboch otvorov súčasne k jedenástim bodom detektora, zdola nahor; každá dráha otáča svojou fázovou šípkou (rádiusvektor). V stĺpci súčtu sa obe šípky skladajú za sebou, zelená šípka je ich súčet. Vodorovná úsečka vpravo má dĺžku %1-násobku druhej mocniny dĺžky súčtu; je úmerná pravdepodobnosti, že fotón dopadne do tohto bodu.</translation>
    </message>
    <message>
        <source>Spustí animaci: foton letí oběma trasami k jedenácti bodům detektoru.</source>
        <translation>Spustí animáciu: fotón letí oboma dráhami k jedenástim bodom detektora.</translation>
    </message>
    <message>
        <source>Animace běží. %1 ji pozastaví, šipkami, %2, %3, %4 a %5 se v ní posunete. Jiné klávesy ani myš do jejího konce nepůsobí.</source>
        <translation>Animácia beží. %1 ju pozastaví, šípkami, %2, %3, %4 a %5 sa v nej posuniete. Iné klávesy ani myš do jej konca nepôsobia.</translation>
    </message>
    <message>
        <source>Detail Animace spomalené</source>
        <translation>Spomalená animácia v detaile</translation>
    </message>
    <message>
        <source>Současný let fotonu možnými trasami a jeho dopad na vybrané body detektoru</source>
        <translation>Súčasný let fotónu možnými dráhami a jeho dopad na vybrané body detektora</translation>
    </message>
    <message>
        <source>Klikněte na tlačítko Start</source>
        <translation>Kliknite na tlačidlo Start</translation>
    </message>
    <message>
        <source>KONEC</source>
        <translation>KONIEC</translation>
    </message>
    <message>
        <source>Pokračovat</source>
        <translation>Pokračovať</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Clona </source>
        <translation>Clona </translation>
    </message>
    <message>
        <source>Detektor</source>
        <translation>Detektor</translation>
    </message>
    <message>
        <source>Součet radiusvektorů</source>
        <translation>Súčet rádiusvektorov</translation>
    </message>
    <message>
        <source>Pravděpodobnost dopadu</source>
        <translation>Pravdepodobnosť dopadu</translation>
    </message>
    <message>
        <source>Zdroj fotonu</source>
        <translation>Zdroj fotónu</translation>
    </message>
    <message>
        <source>bez interference</source>
        <translation>bez interferencie</translation>
    </message>
    <message>
        <source>předtím</source>
        <translation>predtým</translation>
    </message>
    <message>
        <source>Animace</source>
        <translation>Animácia</translation>
    </message>
    <message>
        <source>Pomalá</source>
        <translation>Pomalá</translation>
    </message>
    <message>
        <source>Pomalejší</source>
        <translation>Pomalšia</translation>
    </message>
    <message>
        <source>Rychlá</source>
        <translation>Rýchla</translation>
    </message>
    <message>
        <source>Otvory</source>
        <translation>Otvory</translation>
    </message>
    <message>
        <source>Kestrova: interference za dvěma otvory.</source>
        <translation>Kestrova: interferencia za dvoma otvormi.</translation>
    </message>
    <message>
        <source>Konec</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Ukončí program.</source>
        <translation>Ukončí program.</translation>
    </message>
    <message>
        <source>Zpomalení animace</source>
        <translation>Spomalenie animácie</translation>
    </message>
    <message>
        <source>Webová adresa</source>
        <translation>Webová adresa</translation>
    </message>
    <message>
        <source>Adresa stránek programu, jen pro informaci.</source>
        <translation>Adresa stránok programu, len na informáciu.</translation>
    </message>
    <message>
        <source>Popisek části obrázku.</source>
        <translation>Popis časti obrázka.</translation>
    </message>
    <message>
        <source>Kresba pokusu</source>
        <translation>Kresba pokusu</translation>
    </message>
    <message>
        <source>Spustit animaci</source>
        <translation>Spustiť animáciu</translation>
    </message>
    <message>
        <source>Pozastavit</source>
        <translation>Pozastaviť</translation>
    </message>
    <message>
        <source>O krok vpřed</source>
        <translation>O krok vpred</translation>
    </message>
    <message>
        <source>O krok zpět</source>
        <translation>O krok späť</translation>
    </message>
    <message>
        <source>Na konec bodu</source>
        <translation>Na koniec bodu</translation>
    </message>
    <message>
        <source>Na začátek bodu</source>
        <translation>Na začiatok bodu</translation>
    </message>
    <message>
        <source>Na začátek animace</source>
        <translation>Na začiatok animácie</translation>
    </message>
    <message>
        <source>Na konec animace</source>
        <translation>Na koniec animácie</translation>
    </message>
    <message>
        <source>Parametry</source>
        <translation>Parametre</translation>
    </message>
    <message>
        <source>Výchozí hodnoty</source>
        <translation>Východiskové hodnoty</translation>
    </message>
    <message>
        <source>Průběh</source>
        <translation>Priebeh</translation>
    </message>
    <message>
        <source>Sledovat trasu fotonu</source>
        <translation>Sledovať dráhu fotónu</translation>
    </message>
    <message>
        <source>Porovnat s předchozím</source>
        <translation>Porovnať s predchádzajúcim</translation>
    </message>
    <message>
        <source>Fotony</source>
        <translation>Fotóny</translation>
    </message>
    <message>
        <source>Kopírovat obrázek</source>
        <translation>Kopírovať obrázok</translation>
    </message>
    <message>
        <source>Uložit obrázek…</source>
        <translation>Uložiť obrázok…</translation>
    </message>
    <message>
        <source>Celá obrazovka</source>
        <translation>Celá obrazovka</translation>
    </message>
    <message>
        <source>Nápověda</source>
        <translation>Pomocník</translation>
    </message>
    <message>
        <source>Ukončit program</source>
        <translation>Ukončiť program</translation>
    </message>
    <message>
        <source>Otvor %1</source>
        <translation>Otvor %1</translation>
    </message>
    <message>
        <source>Otvor %1 (horní)</source>
        <translation>Otvor %1 (horný)</translation>
    </message>
    <message>
        <source>Otvor %1 (dolní)</source>
        <translation>Otvor %1 (dolný)</translation>
    </message>
    <message>
        <source>Fotony zastaveny.</source>
        <translation>Fotóny zastavené.</translation>
    </message>
    <message>
        <source>Fotony pozastaveny. %1 je pustí dál, %2 je zastaví.</source>
        <translation>Fotóny pozastavené. %1 ich pustí ďalej, %2 ich zastaví.</translation>
    </message>
    <message>
        <source>Fotony dopadají jeden po druhém. %1 je pozastaví, %2 zastaví.</source>
        <translation>Fotóny dopadajú jeden po druhom. %1 ich pozastaví, %2 zastaví.</translation>
    </message>
    <message>
        <source>Obrázek nebyl uložen</source>
        <translation>Obrázok nebol uložený</translation>
    </message>
    <message>
        <source>Obrázek se nepodařilo uložit do souboru „%1“.

%2</source>
        <translation>Obrázok sa nepodarilo uložiť do súboru „%1“.

%2</translation>
    </message>
    <message>
        <source>Uložit obrázek</source>
        <translation>Uložiť obrázok</translation>
    </message>
    <message>
        <source>Obrázek PNG (*.png)</source>
        <translation>Obrázok PNG (*.png)</translation>
    </message>
    <message>
        <source>Složka:</source>
        <translation>Priečinok:</translation>
    </message>
    <message>
        <source>Název souboru:</source>
        <translation>Názov súboru:</translation>
    </message>
    <message>
        <source>Typ souboru:</source>
        <translation>Typ súboru:</translation>
    </message>
    <message>
        <source>Uložit</source>
        <translation>Uložiť</translation>
    </message>
    <message>
        <source>Zrušit</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Soubor „%1“ už existuje. Nahradit ho?</source>
        <translation>Súbor „%1“ už existuje. Nahradiť ho?</translation>
    </message>
    <message>
        <source>Zpomalení %1 z %2; projeví se při příštím spuštění</source>
        <translation>Spomalenie %1 z %2; prejaví sa pri ďalšom spustení</translation>
    </message>
    <message>
        <source>Vlevo nejrychleji, vpravo nejpomaleji.</source>
        <translation>Vľavo najrýchlejšie, vpravo najpomalšie.</translation>
    </message>
    <message>
        <source>Animace doběhla.</source>
        <translation>Animácia dobehla.</translation>
    </message>
    <message>
        <source>Celý výsledek popisuje kresba pokusu. Start ji spustí znovu.</source>
        <translation>Celý výsledok opisuje kresba pokusu. Start ju spustí znova.</translation>
    </message>
    <message>
        <source>Tabulka</source>
        <translation>Tabuľka</translation>
    </message>
    <message>
        <source>Kontrastní barvy</source>
        <translation>Kontrastné farby</translation>
    </message>
    <message>
        <source>Obnovit výchozí nastavení</source>
        <translation>Obnoviť predvolené nastavenia</translation>
    </message>
    <message>
        <source>Obrázky</source>
        <translation>Obrázky</translation>
    </message>
</context>
<context>
    <name>TableWindow</name>
    <message>
        <source>Kopírovat tabulku</source>
        <translation>Kopírovať tabuľku</translation>
    </message>
    <message>
        <source>Uložit jako CSV…</source>
        <translation>Uložiť ako CSV…</translation>
    </message>
    <message>
        <source>Kopírovat</source>
        <translation>Kopírovať</translation>
    </message>
    <message>
        <source>Tabulka – Kestrova</source>
        <translation>Tabuľka – Kestrova</translation>
    </message>
    <message>
        <source>Hodnoty v bodech detektoru</source>
        <translation>Hodnoty v bodoch detektora</translation>
    </message>
    <message>
        <source>Řádek na každý bod detektoru, bod 1 je nejníže. Ctrl+C kopíruje výběr, bez výběru celou tabulku.</source>
        <translation>Riadok pre každý bod detektora, bod 1 je najnižšie. Ctrl+C kopíruje výber, bez výberu celú tabuľku.</translation>
    </message>
    <message>
        <source>Pokus právě probíhá; tabulka ukáže jeho hodnoty, až doběhne.</source>
        <translation>Pokus práve prebieha; tabuľka ukáže jeho hodnoty, keď dobehne.</translation>
    </message>
    <message>
        <source>Tabulka nebyla uložena</source>
        <translation>Tabuľka nebola uložená</translation>
    </message>
    <message>
        <source>Tabulku se nepodařilo uložit do souboru „%1“.

%2</source>
        <translation>Tabuľku sa nepodarilo uložiť do súboru „%1“.

%2</translation>
    </message>
    <message>
        <source>Uložit tabulku</source>
        <translation>Uložiť tabuľku</translation>
    </message>
    <message>
        <source>Tabulka CSV (*.csv)</source>
        <translation>Tabuľka CSV (*.csv)</translation>
    </message>
    <message>
        <source>Soubor „%1“ už existuje. Nahradit ho?</source>
        <translation>Súbor „%1“ už existuje. Nahradiť ho?</translation>
    </message>
    <message>
        <source>Dokumenty</source>
        <translation>Dokumenty</translation>
    </message>
</context>
<context>
    <name>keys</name>
    <message>
        <source>Mezerník</source>
        <translation>Medzerník</translation>
    </message>
    <message>
        <source>Šipka vpravo</source>
        <translation>Šípka vpravo</translation>
    </message>
    <message>
        <source>Šipka vlevo</source>
        <translation>Šípka vľavo</translation>
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
        <translation>purpurová</translation>
    </message>
    <message>
        <source>modrozelená</source>
        <translation>modrozelená</translation>
    </message>
    <message>
        <source>hnědá</source>
        <translation>hnedá</translation>
    </message>
    <message>
        <source>žlutá</source>
        <translation>žltá</translation>
    </message>
    <message>
        <source>fialová</source>
        <translation>fialová</translation>
    </message>
    <message>
        <source>růžová</source>
        <translation>ružová</translation>
    </message>
    <message>
        <source>olivová</source>
        <translation>olivová</translation>
    </message>
    <message>
        <source>malinová</source>
        <translation>malinová</translation>
    </message>
</context>
<context>
    <name>parameters</name>
    <message>
        <source>Hodnota „%1“ v poli „%2“ je mimo rozsah.</source>
        <translation>Hodnota „%1“ v poli „%2“ je mimo rozsahu.</translation>
    </message>
    <message>
        <source>Hodnota „%1“ v poli „%2“ není celé číslo.</source>
        <translation>Hodnota „%1“ v poli „%2“ nie je celé číslo.</translation>
    </message>
    <message>
        <source>Pole „%1“ je prázdné.</source>
        <translation>Pole „%1“ je prázdne.</translation>
    </message>
    <message>
        <source>Hodnota „%1“ v poli „%2“ není číslo.</source>
        <translation>Hodnota „%1“ v poli „%2“ nie je číslo.</translation>
    </message>
    <message>
        <source>Desetinná místa oddělte čárkou.</source>
        <translation>Desatinné miesta oddeľte čiarkou.</translation>
    </message>
    <message>
        <source>Desetinná místa oddělte tečkou.</source>
        <translation>Desatinné miesta oddeľte bodkou.</translation>
    </message>
    <message>
        <source>Zadejte číslo od %1 do %2, například %3.</source>
        <translation>Zadajte číslo od %1 do %2, napríklad %3.</translation>
    </message>
    <message>
        <source>Pole „%1“ a „%2“ spolu nesouhlasí: při počtu otvorů %3 a rozteči %4 se otvory na clonu nevejdou. Při tomto počtu zadejte rozteč nejvýše %5, nebo zmenšete počet otvorů.</source>
        <translation>Polia „%1“ a „%2“ spolu nesúhlasia: pri počte otvorov %3 a rozostupe %4 sa otvory na clonu nezmestia. Pri tomto počte zadajte rozostup najviac %5 alebo zmenšite počet otvorov.</translation>
    </message>
    <message>
        <source>Vzdálenost clony</source>
        <translation>Vzdialenosť clony</translation>
    </message>
    <message>
        <source>Frekvence fotonů</source>
        <translation>Frekvencia fotónov</translation>
    </message>
    <message>
        <source>Rozteč děr</source>
        <translation>Rozostup otvorov</translation>
    </message>
    <message>
        <source>Počet otvorů</source>
        <translation>Počet otvorov</translation>
    </message>
</context>
<context>
    <name>whyNotSaved</name>
    <message>
        <source>Složka %1 neexistuje.</source>
        <translation>Priečinok %1 neexistuje.</translation>
    </message>
    <message>
        <source>Tento název už je složka. Zvolte jméno souboru.</source>
        <translation>Tento názov už je priečinok. Zvoľte názov súboru.</translation>
    </message>
    <message>
        <source>Zápis se nezdařil; na disku možná není dost místa.</source>
        <translation>Zápis sa nepodaril; na disku možno nie je dosť miesta.</translation>
    </message>
    <message>
        <source>Do složky %1 nemáte právo zapisovat. Zvolte jinou, například svou složku %2.</source>
        <translation>Do priečinka %1 nemáte právo zapisovať. Zvoľte iný, napríklad svoj priečinok %2.</translation>
    </message>
    <message>
        <source>Soubor s tímto jménem nelze vytvořit. Zvolte jiné jméno nebo jinou složku.</source>
        <translation>Súbor s týmto názvom sa nedá vytvoriť. Zvoľte iný názov alebo iný priečinok.</translation>
    </message>
</context>
<context>
    <name>words</name>
    <message numerus="yes">
        <source>%n pixelů</source>
        <translation>
            <numerusform>%n pixel</numerusform>
            <numerusform>%n pixely</numerusform>
            <numerusform>%n pixelov</numerusform>
        </translation>
    </message>
    <message>
        <source>Bod %1 z %2</source>
        <translation>Bod %1 z %2</translation>
    </message>
    <message>
        <source>Výsledek v bodech detektoru odspodu nahoru, délka úsečky pravděpodobnosti v pixelech:</source>
        <translation>Výsledok v bodoch detektora zdola nahor, dĺžka úsečky pravdepodobnosti v pixeloch:</translation>
    </message>
    <message>
        <source>Bod %1: %2</source>
        <translation>Bod %1: %2</translation>
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
        <translation>, predtým %1</translation>
    </message>
    <message>
        <source>Všechny úsečky jsou stejně dlouhé.</source>
        <translation>Všetky úsečky sú rovnako dlhé.</translation>
    </message>
    <message>
        <source>vzdálenost %1</source>
        <translation>vzdialenosť %1</translation>
    </message>
    <message>
        <source>frekvence %1</source>
        <translation>frekvencia %1</translation>
    </message>
    <message>
        <source>rozteč %1</source>
        <translation>rozostup %1</translation>
    </message>
    <message>
        <source>otvorů %1</source>
        <translation>otvorov %1</translation>
    </message>
    <message>
        <source>žádný otvor zakrytý</source>
        <translation>žiadny otvor zakrytý</translation>
    </message>
    <message>
        <source>zakryté %1</source>
        <translation>zakryté %1</translation>
    </message>
    <message>
        <source>trasa sledována</source>
        <translation>dráha sledovaná</translation>
    </message>
    <message>
        <source>trasa nesledována</source>
        <translation>dráha nesledovaná</translation>
    </message>
    <message>
        <source>předtím: stejné hodnoty</source>
        <translation>predtým: rovnaké hodnoty</translation>
    </message>
    <message>
        <source>předtím: %1</source>
        <translation>predtým: %1</translation>
    </message>
    <message numerus="yes">
        <source>Maxima jsou v bodech %1</source>
        <translation>
            <numerusform>Maximum je v bode %1</numerusform>
            <numerusform>Maximá sú v bodoch %1</numerusform>
            <numerusform>Maximá sú v bodoch %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, minima v bodech %1</source>
        <translation>
            <numerusform>, minimum v bode %1</numerusform>
            <numerusform>, minimá v bodoch %1</numerusform>
            <numerusform>, minimá v bodoch %1</numerusform>
        </translation>
    </message>
    <message>
        <source>na ose</source>
        <translation>na osi</translation>
    </message>
    <message>
        <source>%1 nad osou</source>
        <translation>%1 nad osou</translation>
    </message>
    <message>
        <source>%1 pod osou</source>
        <translation>%1 pod osou</translation>
    </message>
    <message>
        <source>Průběh je po celém detektoru stejný.</source>
        <translation>Priebeh je po celom detektore rovnaký.</translation>
    </message>
    <message numerus="yes">
        <source>maxima %1</source>
        <translation>
            <numerusform>maximum %1</numerusform>
            <numerusform>maximá %1</numerusform>
            <numerusform>maximá %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>minima %1</source>
        <translation>
            <numerusform>minimum %1</numerusform>
            <numerusform>minimá %1</numerusform>
            <numerusform>minimá %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Průběh: %1.</source>
        <translation>Priebeh: %1.</translation>
    </message>
    <message>
        <source>bod %1: %2</source>
        <translation>bod %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Dopadlo %n fotonů</source>
        <translation>
            <numerusform>Dopadol %n fotón</numerusform>
            <numerusform>Dopadli %n fotóny</numerusform>
            <numerusform>Dopadlo %n fotónov</numerusform>
        </translation>
    </message>
    <message>
        <source>jediné trasy</source>
        <translation>jedinej dráhy</translation>
    </message>
    <message>
        <source>obou tras</source>
        <translation>oboch dráh</translation>
    </message>
    <message>
        <source>všech %1 tras</source>
        <translation>všetkých %1 dráh</translation>
    </message>
    <message>
        <source>po jediné trase</source>
        <translation>po jedinej dráhe</translation>
    </message>
    <message>
        <source>po obou trasách</source>
        <translation>po oboch dráhach</translation>
    </message>
    <message>
        <source>po všech %1 trasách</source>
        <translation>po všetkých %1 dráhach</translation>
    </message>
    <message>
        <source>Začátek: obrázek před spuštěním animace.</source>
        <translation>Začiatok: obrázok pred spustením animácie.</translation>
    </message>
    <message>
        <source>šipky %1 a úsečka pravděpodobnosti, součet pravděpodobností tras, %2.</source>
        <translation>šípky %1 a úsečka pravdepodobnosti, súčet pravdepodobností dráh, %2.</translation>
    </message>
    <message>
        <source>šipky %1, jejich součet a úsečka pravděpodobnosti, %2.</source>
        <translation>šípky %1, ich súčet a úsečka pravdepodobnosti, %2.</translation>
    </message>
    <message>
        <source>šipky fáze na otvorech, trasy od zdroje a foton na začátku %1.</source>
        <translation>fázové šípky na otvoroch, dráhy od zdroja a fotón na začiatku %1.</translation>
    </message>
    <message>
        <source>foton doletěl %1 do bodu detektoru.</source>
        <translation>fotón doletel %1 do bodu detektora.</translation>
    </message>
    <message>
        <source>foton postoupil %1.</source>
        <translation>fotón postúpil %1.</translation>
    </message>
    <message>
        <source>%1, krok %2 z %3: %4</source>
        <translation>%1, krok %2 z %3: %4</translation>
    </message>
    <message>
        <source>na začátku</source>
        <translation>na začiatku</translation>
    </message>
    <message>
        <source>na konci</source>
        <translation>na konci</translation>
    </message>
    <message>
        <source>v bodě %1 z %2</source>
        <translation>v bode %1 z %2</translation>
    </message>
    <message>
        <source>Animace pozastavena %1. Pokračovat: %2 nebo %3. %4 a %5 o krok vpřed a zpět, %6 a %7 na konec a na začátek bodu, %8 na začátek, %9 na konec.</source>
        <translation>Animácia pozastavená %1. Pokračovať: %2 alebo %3. %4 a %5 o krok vpred a späť, %6 a %7 na koniec a na začiatok bodu, %8 na začiatok, %9 na koniec.</translation>
    </message>
    <message numerus="yes">
        <source>%n otvorů</source>
        <translation>
            <numerusform>%n otvor</numerusform>
            <numerusform>%n otvory</numerusform>
            <numerusform>%n otvorov</numerusform>
        </translation>
    </message>
    <message>
        <source>vzdálenost clony %1 px, frekvence fotonů %2, rozteč děr %3 px, %4</source>
        <translation>vzdialenosť clony %1 px, frekvencia fotónov %2, rozostup otvorov %3 px, %4</translation>
    </message>
    <message numerus="yes">
        <source> (zakryté %1 shora)</source>
        <translation>
            <numerusform> (zakrytý %1 zhora)</numerusform>
            <numerusform> (zakryté %1 zhora)</numerusform>
            <numerusform> (zakryté %1 zhora)</numerusform>
        </translation>
    </message>
    <message>
        <source>, trasa fotonu sledována</source>
        <translation>, dráha fotónu sledovaná</translation>
    </message>
    <message>
        <source> a </source>
        <translation> a </translation>
    </message>
</context>
</TS>
