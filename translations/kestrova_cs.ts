<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="cs">
<context>
    <name>ParameterFields</name>
    <message numerus="yes">
        <source>Zakryté otvory (počítáno shora): %1.</source>
        <translation>
            <numerusform>Zakrytý otvor (počítáno shora): %1.</numerusform>
            <numerusform>Zakryté otvory (počítáno shora): %1.</numerusform>
            <numerusform>Zakryté otvory (počítáno shora): %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>words</name>
    <message numerus="yes">
        <source>%n pixelů</source>
        <translation>
            <numerusform>%n pixel</numerusform>
            <numerusform>%n pixely</numerusform>
            <numerusform>%n pixelů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Maxima jsou v bodech %1</source>
        <translation>
            <numerusform>Maximum je v bodě %1</numerusform>
            <numerusform>Maxima jsou v bodech %1</numerusform>
            <numerusform>Maxima jsou v bodech %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, minima v bodech %1</source>
        <translation>
            <numerusform>, minimum v bodě %1</numerusform>
            <numerusform>, minima v bodech %1</numerusform>
            <numerusform>, minima v bodech %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>maxima %1</source>
        <translation>
            <numerusform>maximum %1</numerusform>
            <numerusform>maxima %1</numerusform>
            <numerusform>maxima %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>minima %1</source>
        <translation>
            <numerusform>minimum %1</numerusform>
            <numerusform>minima %1</numerusform>
            <numerusform>minima %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dopadlo %n fotonů</source>
        <translation>
            <numerusform>Dopadl %n foton</numerusform>
            <numerusform>Dopadly %n fotony</numerusform>
            <numerusform>Dopadlo %n fotonů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n otvorů</source>
        <translation>
            <numerusform>%n otvor</numerusform>
            <numerusform>%n otvory</numerusform>
            <numerusform>%n otvorů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (zakryté %1 shora)</source>
        <translation>
            <numerusform> (zakrytý %1 shora)</numerusform>
            <numerusform> (zakryté %1 shora)</numerusform>
            <numerusform> (zakryté %1 shora)</numerusform>
        </translation>
    </message>
</context>
</TS>
