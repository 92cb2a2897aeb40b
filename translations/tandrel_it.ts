<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>DialogDeviceInfo</name>
    <message>
        <source>What pwlctl.exe reported</source>
        <translation>Cosa ha riportato pwlctl.exe</translation>
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
        <translation>Seleziona il &amp;dispositivo:</translation>
    </message>
    <message>
        <source>Looks for adapters on every network interface</source>
        <translation>Cerca gli adattatori su tutte le interfacce di rete</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <extracomment>A verb, the button&apos;s action: look for adapters now.</extracomment>
        <translation>&amp;Cerca</translation>
    </message>
    <message>
        <source>Select Device</source>
        <translation>Seleziona il dispositivo</translation>
    </message>
    <message>
        <source>The adapters that the last scan found. The arrow keys select one, Return opens its configuration.</source>
        <translation>Gli adattatori trovati dall&apos;ultima ricerca. I tasti freccia ne selezionano uno, Invio ne apre la configurazione.</translation>
    </message>
    <message>
        <source>Opens the configuration page of the selected adapter</source>
        <translation>Apre la pagina di configurazione dell&apos;adattatore selezionato</translation>
    </message>
    <message>
        <source>&amp;Configure &gt;</source>
        <translation>C&amp;onfigura &gt;</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Back to the device list</source>
        <translation>Torna all&apos;elenco dei dispositivi</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Name: %1&lt;/p&gt;&lt;p&gt;Firmware version: %2&lt;/p&gt;&lt;p&gt;Firmware date: %3&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <extracomment>The adapter&apos;s own name stands above these lines: &quot;Name&quot; labels its MODEL (%1), as the adapter&apos;s maker names it. %2 is the firmware version, %3 the firmware&apos;s date.</extracomment>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Modello: %1&lt;/p&gt;&lt;p&gt;Versione firmware: %2&lt;/p&gt;&lt;p&gt;Data firmware: %3&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&amp;Show Device Info</source>
        <translation>&amp;Mostra info dispositivo</translation>
    </message>
    <message>
        <source>Starts the adapter again. It keeps its name, its network password and every other setting.</source>
        <translation>Riavvia l&apos;adattatore. Mantiene il nome, la password di rete e tutte le altre impostazioni.</translation>
    </message>
    <message>
        <source>Starts the adapter again; it keeps its settings</source>
        <translation>Riavvia l&apos;adattatore; mantiene le impostazioni</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Riavvia</translation>
    </message>
    <message>
        <source>Resets the adapter to its factory settings: its name and network password are lost</source>
        <translation>Ripristina le impostazioni di fabbrica dell&apos;adattatore: il nome e la password di rete vanno persi</translation>
    </message>
    <message>
        <source>&amp;Factory Default</source>
        <translation>Impostazioni di &amp;fabbrica</translation>
    </message>
    <message>
        <source>Writes new firmware from a file into the adapter</source>
        <translation>Scrive nell&apos;adattatore un nuovo firmware da un file</translation>
    </message>
    <message>
        <source>Firmware &amp;Upgrade</source>
        <translation>&amp;Aggiorna firmware</translation>
    </message>
    <message>
        <source>Gives the adapter a name of your own, such as the room it is in. The list shows it beside the adapter.</source>
        <translation>Assegna all&apos;adattatore un nome a scelta, per esempio quello della stanza in cui si trova. L&apos;elenco lo mostra accanto all&apos;adattatore.</translation>
    </message>
    <message>
        <source>Gives the adapter a name of your own, such as the room it is in</source>
        <translation>Assegna all&apos;adattatore un nome a scelta, per esempio quello della stanza in cui si trova</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>Ri&amp;nomina</translation>
    </message>
    <message>
        <source>Starts pairing the adapter with another one by simple connect</source>
        <translation>Avvia l&apos;accoppiamento dell&apos;adattatore con un altro premendo il pulsante</translation>
    </message>
    <message>
        <source>Simple &amp;Connect</source>
        <extracomment>Pairing: the adapter joins another one whose pairing button is pressed too; the name under which the adapters&apos; makers offer it.</extracomment>
        <translation>A&amp;ccoppiamento semplice</translation>
    </message>
    <message>
        <source>Sets the network password of the adapter</source>
        <translation>Imposta la password di rete dell&apos;adattatore</translation>
    </message>
    <message>
        <source>Change &amp;Key</source>
        <translation>Cambia &amp;password</translation>
    </message>
</context>
</TS>
