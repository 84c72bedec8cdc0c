<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs">
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
        <source>Clona má %n otvorů.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
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
        <source>Do složky %1 nemáte právo zapisovat. Zvolte jinou, například svou složku Obrázky.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor s tímto jménem nelze vytvořit. Zvolte jiné jméno nebo jinou složku.</source>
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
</context>
</TS>
