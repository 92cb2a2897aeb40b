<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>DialogDeviceInfo</name>
    <message>
        <source>What pwlctl.exe reported</source>
        <translation>Co zgłosił pwlctl.exe</translation>
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
        <translation>Wybierz &amp;urządzenie:</translation>
    </message>
    <message>
        <source>Looks for adapters on every network interface</source>
        <translation>Wyszukuje adaptery we wszystkich interfejsach sieciowych</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <extracomment>A verb, the button&apos;s action: look for adapters now.</extracomment>
        <translation>&amp;Wyszukaj</translation>
    </message>
    <message>
        <source>Select Device</source>
        <translation>Wybierz urządzenie</translation>
    </message>
    <message>
        <source>The adapters that the last scan found. The arrow keys select one, Return opens its configuration.</source>
        <translation>Adaptery znalezione podczas ostatniego wyszukiwania. Strzałki wybierają adapter, Enter otwiera jego konfigurację.</translation>
    </message>
    <message>
        <source>Opens the configuration page of the selected adapter</source>
        <translation>Otwiera stronę konfiguracji wybranego adaptera</translation>
    </message>
    <message>
        <source>&amp;Configure &gt;</source>
        <translation>&amp;Konfiguruj &gt;</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Back to the device list</source>
        <translation>Powrót do listy urządzeń</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Name: %1&lt;/p&gt;&lt;p&gt;Firmware version: %2&lt;/p&gt;&lt;p&gt;Firmware date: %3&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <extracomment>The adapter&apos;s own name stands above these lines: &quot;Name&quot; labels its MODEL (%1), as the adapter&apos;s maker names it. %2 is the firmware version, %3 the firmware&apos;s date.</extracomment>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Model: %1&lt;/p&gt;&lt;p&gt;Wersja firmware: %2&lt;/p&gt;&lt;p&gt;Data firmware: %3&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&amp;Show Device Info</source>
        <translation>Pokaż &amp;informacje o urządzeniu</translation>
    </message>
    <message>
        <source>Starts the adapter again. It keeps its name, its network password and every other setting.</source>
        <translation>Uruchamia adapter ponownie. Zachowuje on swoją nazwę, hasło sieci i wszystkie inne ustawienia.</translation>
    </message>
    <message>
        <source>Starts the adapter again; it keeps its settings</source>
        <translation>Uruchamia adapter ponownie; zachowuje on swoje ustawienia</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Uruchom ponownie</translation>
    </message>
    <message>
        <source>Resets the adapter to its factory settings: its name and network password are lost</source>
        <translation>Przywraca ustawienia fabryczne adaptera: jego nazwa i hasło sieci zostaną utracone</translation>
    </message>
    <message>
        <source>&amp;Factory Default</source>
        <translation>Ustawienia &amp;fabryczne</translation>
    </message>
    <message>
        <source>Writes new firmware from a file into the adapter</source>
        <translation>Wgrywa do adaptera nowy firmware z pliku</translation>
    </message>
    <message>
        <source>Firmware &amp;Upgrade</source>
        <translation>Aktualizuj fir&amp;mware</translation>
    </message>
    <message>
        <source>Gives the adapter a name of your own, such as the room it is in. The list shows it beside the adapter.</source>
        <translation>Nadaje adapterowi własną nazwę, na przykład nazwę pokoju, w którym się znajduje. Lista pokazuje ją obok adaptera.</translation>
    </message>
    <message>
        <source>Gives the adapter a name of your own, such as the room it is in</source>
        <translation>Nadaje adapterowi własną nazwę, na przykład nazwę pokoju, w którym się znajduje</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>Zmień &amp;nazwę</translation>
    </message>
    <message>
        <source>Starts pairing the adapter with another one by simple connect</source>
        <translation>Rozpoczyna parowanie adaptera z innym za pomocą przycisku</translation>
    </message>
    <message>
        <source>Simple &amp;Connect</source>
        <extracomment>Pairing: the adapter joins another one whose pairing button is pressed too; the name under which the adapters&apos; makers offer it.</extracomment>
        <translation>&amp;Proste parowanie</translation>
    </message>
    <message>
        <source>Sets the network password of the adapter</source>
        <translation>Ustawia hasło sieci adaptera</translation>
    </message>
    <message>
        <source>Change &amp;Key</source>
        <translation>Zmień &amp;hasło</translation>
    </message>
</context>
</TS>
