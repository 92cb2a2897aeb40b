<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>DialogDeviceInfo</name>
    <message>
        <source>What pwlctl.exe reported</source>
        <translation>Was pwlctl.exe gemeldet hat</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>Widget</name>
    <message>
        <source>Select &amp;Device:</source>
        <translation>&amp;Gerät auswählen:</translation>
    </message>
    <message>
        <source>Looks for adapters on every network interface</source>
        <translation>Sucht auf allen Netzwerkschnittstellen nach Adaptern</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <extracomment>A verb, the button&apos;s action: look for adapters now.</extracomment>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Select Device</source>
        <translation>Gerät auswählen</translation>
    </message>
    <message>
        <source>The adapters that the last scan found. The arrow keys select one, Return opens its configuration.</source>
        <translation>Die Adapter, die die letzte Suche gefunden hat. Mit den Pfeiltasten wählen Sie einen aus, die Eingabetaste öffnet seine Einstellungen.</translation>
    </message>
    <message>
        <source>Opens the configuration page of the selected adapter</source>
        <translation>Öffnet die Einstellungen des ausgewählten Adapters</translation>
    </message>
    <message>
        <source>&amp;Configure &gt;</source>
        <translation>&amp;Einstellungen &gt;</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Back to the device list</source>
        <translation>Zurück zur Geräteliste</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Name: %1&lt;/p&gt;&lt;p&gt;Firmware version: %2&lt;/p&gt;&lt;p&gt;Firmware date: %3&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <extracomment>The adapter&apos;s own name stands above these lines: &quot;Name&quot; labels its MODEL (%1), as the adapter&apos;s maker names it. %2 is the firmware version, %3 the firmware&apos;s date.</extracomment>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Modell: %1&lt;/p&gt;&lt;p&gt;Firmware-Version: %2&lt;/p&gt;&lt;p&gt;Firmware-Datum: %3&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&amp;Show Device Info</source>
        <translation>Geräte&amp;info anzeigen</translation>
    </message>
    <message>
        <source>Starts the adapter again. It keeps its name, its network password and every other setting.</source>
        <translation>Startet den Adapter neu. Er behält seinen Namen, sein Netzwerkkennwort und alle anderen Einstellungen.</translation>
    </message>
    <message>
        <source>Starts the adapter again; it keeps its settings</source>
        <translation>Startet den Adapter neu; er behält seine Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Neu starten</translation>
    </message>
    <message>
        <source>Resets the adapter to its factory settings: its name and network password are lost</source>
        <translation>Setzt den Adapter auf die Werkseinstellungen zurück: Sein Name und sein Netzwerkkennwort gehen verloren</translation>
    </message>
    <message>
        <source>&amp;Factory Default</source>
        <translation>&amp;Werkseinstellungen</translation>
    </message>
    <message>
        <source>Writes new firmware from a file into the adapter</source>
        <translation>Spielt neue Firmware aus einer Datei auf den Adapter</translation>
    </message>
    <message>
        <source>Firmware &amp;Upgrade</source>
        <translation>&amp;Firmware-Update</translation>
    </message>
    <message>
        <source>Gives the adapter a name of your own, such as the room it is in. The list shows it beside the adapter.</source>
        <translation>Gibt dem Adapter einen eigenen Namen, etwa den des Raums, in dem er steckt. Die Liste zeigt ihn neben dem Adapter.</translation>
    </message>
    <message>
        <source>Gives the adapter a name of your own, such as the room it is in</source>
        <translation>Gibt dem Adapter einen eigenen Namen, etwa den des Raums, in dem er steckt</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>Starts pairing the adapter with another one by simple connect</source>
        <translation>Startet das Pairing des Adapters mit einem anderen per Tastendruck</translation>
    </message>
    <message>
        <source>Simple &amp;Connect</source>
        <extracomment>Pairing: the adapter joins another one whose pairing button is pressed too; the name under which the adapters&apos; makers offer it.</extracomment>
        <translation>&amp;Pairing starten</translation>
    </message>
    <message>
        <source>Sets the network password of the adapter</source>
        <translation>Legt das Netzwerkkennwort des Adapters fest</translation>
    </message>
    <message>
        <source>Change &amp;Key</source>
        <translation>&amp;Kennwort ändern</translation>
    </message>
</context>
</TS>
