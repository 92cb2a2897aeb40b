<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AdapterName</name>
    <message numerus="yes">
        <source>The name is too long: this adapter takes a name of at most %n characters.</source>
        <translation>
            <numerusform>The name is too long: this adapter takes a name of at most %n character.</numerusform>
            <numerusform>The name is too long: this adapter takes a name of at most %n characters.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NamePrompt</name>
    <message numerus="yes">
        <source>The adapter&apos;s new name (an empty name removes it):
%n characters left.</source>
        <translation>
            <numerusform>The adapter&apos;s new name (an empty name removes it):
%n character left.</numerusform>
            <numerusform>The adapter&apos;s new name (an empty name removes it):
%n characters left.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NetworkKey</name>
    <message numerus="yes">
        <source>The password is too short: it takes at least %n characters.</source>
        <translation>
            <numerusform>The password is too short: it takes at least %n character.</numerusform>
            <numerusform>The password is too short: it takes at least %n characters.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
This adapter now leaves the network of %1 unless they get the same password: adapters with different passwords cannot reach each other.</source>
        <extracomment>%1 lists the other adapters; %n is how many they are</extracomment>
        <translation>
            <numerusform>
This adapter now leaves the network of %1 unless it gets the same password: adapters with different passwords cannot reach each other.</numerusform>
            <numerusform>
This adapter now leaves the network of %1 unless they get the same password: adapters with different passwords cannot reach each other.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NetworkUpgrade</name>
    <message numerus="yes">
        <source>The new firmware is on all %n adapters of this model, and every one was found again.</source>
        <translation>
            <numerusform>The new firmware is on the %n adapter of this model, and it was found again.</numerusform>
            <numerusform>The new firmware is on all %n adapters of this model, and every one was found again.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UpgradeScopePrompt</name>
    <message numerus="yes">
        <source>Upgrade &amp;all %n</source>
        <translation>
            <numerusform>Upgrade &amp;all %n</numerusform>
            <numerusform>Upgrade &amp;all %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The last scan also listed %n other adapters of model %1:</source>
        <translation>
            <numerusform>The last scan also listed %n other adapter of model %1:</numerusform>
            <numerusform>The last scan also listed %n other adapters of model %1:</numerusform>
        </translation>
    </message>
</context>
</TS>
