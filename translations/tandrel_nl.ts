<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>DialogDeviceInfo</name>
    <message>
        <source>What pwlctl.exe reported</source>
        <translation>Wat pwlctl.exe heeft gemeld</translation>
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
        <translation>&amp;Apparaat kiezen:</translation>
    </message>
    <message>
        <source>Looks for adapters on every network interface</source>
        <translation>Zoekt op elke netwerkinterface naar adapters</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <extracomment>A verb, the button&apos;s action: look for adapters now.</extracomment>
        <translation>&amp;Zoeken</translation>
    </message>
    <message>
        <source>Select Device</source>
        <translation>Apparaat kiezen</translation>
    </message>
    <message>
        <source>The adapters that the last scan found. The arrow keys select one, Return opens its configuration.</source>
        <translation>De adapters die de laatste zoekactie heeft gevonden. Met de pijltoetsen kiest u er een, Enter opent de instellingen ervan.</translation>
    </message>
    <message>
        <source>Opens the configuration page of the selected adapter</source>
        <translation>Opent de instellingen van de gekozen adapter</translation>
    </message>
    <message>
        <source>&amp;Configure &gt;</source>
        <translation>&amp;Instellingen &gt;</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Back to the device list</source>
        <translation>Terug naar de lijst met apparaten</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Name: %1&lt;/p&gt;&lt;p&gt;Firmware version: %2&lt;/p&gt;&lt;p&gt;Firmware date: %3&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <extracomment>The adapter&apos;s own name stands above these lines: &quot;Name&quot; labels its MODEL (%1), as the adapter&apos;s maker names it. %2 is the firmware version, %3 the firmware&apos;s date.</extracomment>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Model: %1&lt;/p&gt;&lt;p&gt;Firmwareversie: %2&lt;/p&gt;&lt;p&gt;Firmwaredatum: %3&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&amp;Show Device Info</source>
        <translation>Apparaat&amp;info tonen</translation>
    </message>
    <message>
        <source>Starts the adapter again. It keeps its name, its network password and every other setting.</source>
        <translation>Start de adapter opnieuw. Hij behoudt zijn naam, zijn netwerkwachtwoord en alle andere instellingen.</translation>
    </message>
    <message>
        <source>Starts the adapter again; it keeps its settings</source>
        <translation>Start de adapter opnieuw; hij behoudt zijn instellingen</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Opnieuw starten</translation>
    </message>
    <message>
        <source>Resets the adapter to its factory settings: its name and network password are lost</source>
        <translation>Zet de adapter terug naar de fabrieksinstellingen: zijn naam en netwerkwachtwoord gaan verloren</translation>
    </message>
    <message>
        <source>&amp;Factory Default</source>
        <translation>&amp;Fabrieksinstellingen</translation>
    </message>
    <message>
        <source>Writes new firmware from a file into the adapter</source>
        <translation>Zet nieuwe firmware uit een bestand op de adapter</translation>
    </message>
    <message>
        <source>Firmware &amp;Upgrade</source>
        <translation>Firmware-&amp;update</translation>
    </message>
    <message>
        <source>Gives the adapter a name of your own, such as the room it is in. The list shows it beside the adapter.</source>
        <translation>Geeft de adapter een eigen naam, bijvoorbeeld die van de kamer waarin hij zit. De lijst toont die naast de adapter.</translation>
    </message>
    <message>
        <source>Gives the adapter a name of your own, such as the room it is in</source>
        <translation>Geeft de adapter een eigen naam, bijvoorbeeld die van de kamer waarin hij zit</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>&amp;Naam wijzigen</translation>
    </message>
    <message>
        <source>Starts pairing the adapter with another one by simple connect</source>
        <translation>Start het koppelen van de adapter met een andere met een druk op de knop</translation>
    </message>
    <message>
        <source>Simple &amp;Connect</source>
        <extracomment>Pairing: the adapter joins another one whose pairing button is pressed too; the name under which the adapters&apos; makers offer it.</extracomment>
        <translation>Eenvoudig &amp;koppelen</translation>
    </message>
    <message>
        <source>Sets the network password of the adapter</source>
        <translation>Stelt het netwerkwachtwoord van de adapter in</translation>
    </message>
    <message>
        <source>Change &amp;Key</source>
        <translation>&amp;Wachtwoord wijzigen</translation>
    </message>
</context>
</TS>
