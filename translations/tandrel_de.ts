<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AdapterActions</name>
    <message>
        <source>A scan after its restart did not find the adapter again.</source>
        <translation>Eine Suche nach dem Neustart hat den Adapter nicht wiedergefunden.</translation>
    </message>
    <message>
        <source>After its restart the adapter reports no name (HFID &quot;%1&quot;).</source>
        <translation>Nach dem Neustart meldet der Adapter keinen Namen (HFID „%1“).</translation>
    </message>
    <message>
        <source>After its restart the adapter reports the name &quot;%1&quot; (HFID &quot;%2&quot;).</source>
        <translation>Nach dem Neustart meldet der Adapter den Namen „%1“ (HFID „%2“).</translation>
    </message>
    <message>
        <source>The adapter&apos;s name &quot;%1&quot; could not be restored: it did not report its new HFID within %2 seconds of the upgrade.
%3</source>
        <translation>Der Name „%1“ des Adapters konnte nicht wiederhergestellt werden: Er hat seine neue HFID nicht innerhalb von %2 Sekunden nach dem Update gemeldet.
%3</translation>
    </message>
    <message>
        <source>The adapter&apos;s name &quot;%1&quot; could not be written.
%2</source>
        <translation>Der Name „%1“ konnte nicht auf den Adapter geschrieben werden.
%2</translation>
    </message>
    <message>
        <source>The adapter&apos;s name was too long for its new firmware and was shortened to &quot;%1&quot;.</source>
        <translation>Der Name des Adapters war für seine neue Firmware zu lang und wurde auf „%1“ gekürzt.</translation>
    </message>
    <message>
        <source>The adapter restarted and answers again.</source>
        <translation>Der Adapter wurde neu gestartet und antwortet wieder.</translation>
    </message>
    <message>
        <source>The adapter could not be restarted.
%1</source>
        <translation>Der Adapter konnte nicht neu gestartet werden.
%1</translation>
    </message>
    <message>
        <source>The adapter did not answer within %1 seconds of its restart.
%2</source>
        <translation>Der Adapter hat nicht innerhalb von %1 Sekunden nach dem Neustart geantwortet.
%2</translation>
    </message>
    <message>
        <source>The adapter has no name already: the name is unchanged, and nothing was run.</source>
        <translation>Der Adapter hat bereits keinen Namen: Der Name bleibt unverändert, und es wurde nichts ausgeführt.</translation>
    </message>
    <message>
        <source>The adapter&apos;s name is &quot;%1&quot; already: the name is unchanged, and nothing was run.</source>
        <translation>Der Adapter heißt bereits „%1“: Der Name bleibt unverändert, und es wurde nichts ausgeführt.</translation>
    </message>
    <message>
        <source>The adapter did not give its HFID, so nothing was written.
%1</source>
        <translation>Der Adapter hat seine HFID nicht gemeldet, daher wurde nichts geschrieben.
%1</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The adapter&apos;s name could not be removed.
%1</source>
        <translation>Der Name des Adapters konnte nicht entfernt werden.
%1</translation>
    </message>
    <message>
        <source>The adapter&apos;s name was removed.
%1</source>
        <extracomment>What became of the name before a later step failed; %1 tells that step</extracomment>
        <translation>Der Name des Adapters wurde entfernt.
%1</translation>
    </message>
    <message>
        <source>The adapter&apos;s new name was written.
%1</source>
        <translation>Der neue Name wurde auf den Adapter geschrieben.
%1</translation>
    </message>
    <message>
        <source>The adapter has no name now.</source>
        <translation>Der Adapter hat jetzt keinen Namen.</translation>
    </message>
    <message>
        <source>The adapter&apos;s name is now &quot;%1&quot;.</source>
        <translation>Der Adapter heißt jetzt „%1“.</translation>
    </message>
</context>
<context>
    <name>AdapterName</name>
    <message>
        <source>The name cannot hold %1: an adapter&apos;s name takes only printable ASCII characters (letters, digits, blanks and the signs from ! to ~).</source>
        <translation>Der Name darf %1 nicht enthalten: Der Name eines Adapters besteht nur aus druckbaren ASCII-Zeichen (Buchstaben ohne Umlaute, Ziffern, Leerzeichen und die Zeichen von ! bis ~).</translation>
    </message>
    <message>
        <source>This adapter takes no name: its own HFID fills the %1 bytes that it holds.</source>
        <translation>Dieser Adapter kann keinen Namen aufnehmen: Seine eigene HFID füllt die %1 Bytes, die er speichert.</translation>
    </message>
    <message>
        <source>The list of adapters would not read this name back whole: the adapter would be shown there without its name and model.</source>
        <translation>Die Adapterliste würde diesen Namen nicht vollständig zurücklesen: Der Adapter würde dort ohne Namen und Modell angezeigt.</translation>
    </message>
    <message>
        <source>The name cannot hold &quot;%1&quot;: the list of adapters would read it wrongly, and show the adapter without its name and model.</source>
        <translation>Der Name darf „%1“ nicht enthalten: Die Adapterliste würde es falsch lesen und den Adapter ohne Namen und Modell anzeigen.</translation>
    </message>
    <message numerus="yes">
        <source>The name is too long: this adapter takes a name of at most %n characters.</source>
        <translation>
            <numerusform>Der Name ist zu lang: Dieser Adapter nimmt einen Namen von höchstens %n Zeichen auf.</numerusform>
            <numerusform>Der Name ist zu lang: Dieser Adapter nimmt einen Namen von höchstens %n Zeichen auf.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <source>Model %1, address %2</source>
        <translation>Modell %1, Adresse %2</translation>
    </message>
    <message>
        <source>%1, model %2, address %3</source>
        <extracomment>%1 is the adapter&apos;s own name</extracomment>
        <translation>%1, Modell %2, Adresse %3</translation>
    </message>
</context>
<context>
    <name>BusyCaption</name>
    <message>
        <source>%1 of %2</source>
        <extracomment>The step of an action of several, in a busy caption (&quot;2 of 3&quot;)</extracomment>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1, closing when done</source>
        <extracomment>A busy caption, and that the window closes when the action is done</extracomment>
        <translation>%1, schließt danach</translation>
    </message>
    <message>
        <source>Running...</source>
        <translation>Läuft …</translation>
    </message>
    <message>
        <source>Running... %1</source>
        <extracomment>%1 is how far the action is (&quot;2 of 3, 0:42&quot;)</extracomment>
        <translation>Läuft … %1</translation>
    </message>
    <message>
        <source>%1: running</source>
        <extracomment>A busy button as a screen reader says it; %1 is the button&apos;s caption</extracomment>
        <translation>%1: läuft</translation>
    </message>
    <message>
        <source>%1: running, %2</source>
        <extracomment>%1 is the button&apos;s caption, %2 how far the action is (&quot;2 of 3, 0:42&quot;)</extracomment>
        <translation>%1: läuft, %2</translation>
    </message>
</context>
<context>
    <name>BusyFocus</name>
    <message>
        <source>Tandrel waits for pwlctl.exe; keys and clicks are ignored until it is done</source>
        <translation>Tandrel wartet auf pwlctl.exe; Tasten und Klicks werden bis dahin nicht beachtet</translation>
    </message>
</context>
<context>
    <name>DeviceListModel</name>
    <message>
        <source>firmware %1</source>
        <extracomment>A row of the device list as it is heard: the adapter&apos;s firmware version</extracomment>
        <translation>Firmware %1</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>dieser Computer</translation>
    </message>
    <message>
        <source>%1, this computer</source>
        <translation>%1, dieser Computer</translation>
    </message>
</context>
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
    <name>EventLog</name>
    <message>
        <source>Log file open failed!
%1
%2</source>
        <translation>Die Protokolldatei konnte nicht geöffnet werden!
%1
%2</translation>
    </message>
    <message>
        <source>The event log could not be written.
%1
%2
Tandrel keeps the records and writes them as soon as it can.</source>
        <translation>Das Ereignisprotokoll konnte nicht geschrieben werden.
%1
%2
Tandrel behält die Einträge und schreibt sie, sobald es geht.</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>Tandrel is already running in this folder.
%1</source>
        <translation>Tandrel läuft bereits in diesem Ordner.
%1</translation>
    </message>
</context>
<context>
    <name>NamePrompt</name>
    <message>
        <source>The adapter&apos;s new name (an empty name removes it):
%1</source>
        <translation>Der neue Name des Adapters (ein leerer Name entfernt ihn):
%1</translation>
    </message>
    <message>
        <source>The adapter&apos;s new name (an empty name removes it):
The list shows no model for this adapter, so Tandrel cannot tell how many characters its name may have.</source>
        <translation>Der neue Name des Adapters (ein leerer Name entfernt ihn):
Die Liste zeigt für diesen Adapter kein Modell, daher kann Tandrel nicht sagen, wie viele Zeichen sein Name haben darf.</translation>
    </message>
    <message numerus="yes">
        <source>The adapter&apos;s new name (an empty name removes it):
%n characters left.</source>
        <translation>
            <numerusform>Der neue Name des Adapters (ein leerer Name entfernt ihn):
Noch %n Zeichen.</numerusform>
            <numerusform>Der neue Name des Adapters (ein leerer Name entfernt ihn):
Noch %n Zeichen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NetworkKey</name>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins two adapters of a list of three or more, before the last two (&quot;A, B&quot;)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the last two adapters of a list (&quot;A, B and C&quot;)</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>not tried</source>
        <translation>nicht versucht</translation>
    </message>
    <message>
        <source>new password</source>
        <translation>neues Kennwort</translation>
    </message>
    <message>
        <source>new password, set by an earlier attempt</source>
        <translation>neues Kennwort, bei einem früheren Versuch festgelegt</translation>
    </message>
    <message>
        <source>failed; the tool printed nothing</source>
        <translation>fehlgeschlagen; das Programm hat nichts ausgegeben</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>found again with the new password</source>
        <translation>mit dem neuen Kennwort wiedergefunden</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>- %1, the adapter this computer is connected through: %2</source>
        <extracomment>An adapter&apos;s line of the report: the adapter, then what became of it</extracomment>
        <translation>- %1, der Adapter, über den dieser Computer verbunden ist: %2</translation>
    </message>
    <message>
        <source>- %1: %2</source>
        <translation>- %1: %2</translation>
    </message>
    <message>
        <source>No adapter was changed. Once the fault that the tool reports is dealt with, try again.</source>
        <translation>Kein Adapter wurde geändert. Sobald der gemeldete Fehler behoben ist, versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The other adapters have the new password and have left the network of this computer&apos;s adapter. Once the fault that the tool reports is dealt with, set the same password on this computer&apos;s adapter alone (&quot;This adapter only&quot;): the others join it again.</source>
        <translation>Die anderen Adapter haben das neue Kennwort und das Netzwerk des Adapters dieses Computers verlassen. Sobald der gemeldete Fehler behoben ist, legen Sie dasselbe Kennwort nur für den Adapter dieses Computers fest („Nur dieser Adapter“): Dann kommen die anderen wieder dazu.</translation>
    </message>
    <message>
        <source>The adapters with the new password have left the network until this computer&apos;s adapter has it too. Once the fault that the tool reports is dealt with, change the key on every adapter again with the same password: Tandrel scans first, the adapters found get it, and those that have it already join them again.</source>
        <translation>Die Adapter mit dem neuen Kennwort haben das Netzwerk verlassen, bis auch der Adapter dieses Computers es hat. Sobald der gemeldete Fehler behoben ist, ändern Sie das Kennwort erneut auf allen Adaptern, mit demselben Kennwort: Tandrel sucht zuerst, die gefundenen Adapter erhalten es, und die Adapter, die es schon haben, kommen wieder dazu.</translation>
    </message>
    <message>
        <source>The password takes printable ASCII characters only: letters without accents, digits, blanks and the signs of an English keyboard.</source>
        <translation>Das Kennwort besteht nur aus druckbaren ASCII-Zeichen: Buchstaben ohne Umlaute und Akzente, Ziffern, Leerzeichen und die Zeichen einer englischen Tastatur.</translation>
    </message>
    <message numerus="yes">
        <source>The password is too short: it takes at least %n characters.</source>
        <translation>
            <numerusform>Das Kennwort ist zu kurz: Es braucht mindestens %n Zeichen.</numerusform>
            <numerusform>Das Kennwort ist zu kurz: Es braucht mindestens %n Zeichen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The password is too long: it takes at most %1 characters, and this one has %2.</source>
        <translation>Das Kennwort ist zu lang: Es darf höchstens %1 Zeichen haben, dieses hat %2.</translation>
    </message>
    <message>
        <source>The two entries differ. Type the password twice again.</source>
        <translation>Die beiden Eingaben stimmen nicht überein. Geben Sie das Kennwort noch einmal zweimal ein.</translation>
    </message>
    <message numerus="yes">
        <source>
This adapter now leaves the network of %1 unless they get the same password: adapters with different passwords cannot reach each other.</source>
        <extracomment>%1 lists the other adapters; %n is how many they are</extracomment>
        <translation>
            <numerusform>
Dieser Adapter verlässt jetzt das Netzwerk von %1, es sei denn, dieser erhält ebenfalls dasselbe Kennwort: Adapter mit unterschiedlichen Kennwörtern können sich gegenseitig nicht erreichen.</numerusform>
            <numerusform>
Dieser Adapter verlässt jetzt das Netzwerk von %1, es sei denn, diese erhalten ebenfalls dasselbe Kennwort: Adapter mit unterschiedlichen Kennwörtern können sich gegenseitig nicht erreichen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The new network password could not be set on every adapter. Tandrel stopped before the adapter this computer is connected through, so that this computer keeps its network.

%1

What to do: %2</source>
        <translation>Das neue Netzwerkkennwort konnte nicht auf allen Adaptern festgelegt werden. Tandrel hat vor dem Adapter angehalten, über den dieser Computer verbunden ist, damit dieser Computer sein Netzwerk behält.

%1

Was zu tun ist: %2</translation>
    </message>
    <message>
        <source>The new network password could not be set on every adapter.

%1

What to do: %2</source>
        <translation>Das neue Netzwerkkennwort konnte nicht auf allen Adaptern festgelegt werden.

%1

Was zu tun ist: %2</translation>
    </message>
    <message>
        <source>The new network password is set on every adapter, and every adapter was found again.

%1</source>
        <translation>Das neue Netzwerkkennwort ist auf allen Adaptern festgelegt, und alle Adapter wurden wiedergefunden.

%1</translation>
    </message>
    <message>
        <source>The new network password is set on every adapter, but not every adapter was found again.

%1

What to do: An adapter can take a minute to join the network with its new password: scan again then. One that is still missing does not share the password of this computer&apos;s adapter: bring it back into the network as its manual says, for instance with its pairing button.</source>
        <translation>Das neue Netzwerkkennwort ist auf allen Adaptern festgelegt, aber nicht alle Adapter wurden wiedergefunden.

%1

Was zu tun ist: Ein Adapter kann eine Minute brauchen, bis er mit seinem neuen Kennwort dem Netzwerk beitritt: Suchen Sie dann erneut. Ein Adapter, der noch fehlt, hat nicht das Kennwort des Adapters dieses Computers: Holen Sie ihn zurück ins Netzwerk, wie es seine Anleitung beschreibt, etwa mit seiner Pairing-Taste.</translation>
    </message>
    <message>
        <source>Tandrel cannot tell which adapter this computer is connected through, so only the selected adapter can be changed.</source>
        <translation>Tandrel kann nicht erkennen, über welchen Adapter dieser Computer verbunden ist, daher kann nur der ausgewählte Adapter geändert werden.</translation>
    </message>
</context>
<context>
    <name>NetworkPasswordPrompt</name>
    <message>
        <source>&amp;Every adapter found</source>
        <translation>&amp;Alle gefundenen Adapter</translation>
    </message>
    <message>
        <source>&amp;This adapter only</source>
        <translation>&amp;Nur dieser Adapter</translation>
    </message>
    <message>
        <source>Network password</source>
        <translation>Netzwerkkennwort</translation>
    </message>
    <message>
        <source>%1 to %2 characters: letters without accents, digits, blanks and the signs of an English keyboard.</source>
        <translation>%1 bis %2 Zeichen: Buchstaben ohne Umlaute und Akzente, Ziffern, Leerzeichen und die Zeichen einer englischen Tastatur.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kennwort</translation>
    </message>
    <message>
        <source>Password again</source>
        <translation>Kennwort wiederholen</translation>
    </message>
    <message>
        <source>The same password once more, since it is not shown</source>
        <translation>Dasselbe Kennwort noch einmal, da es nicht angezeigt wird</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Kennwort:</translation>
    </message>
    <message>
        <source>Password &amp;again:</source>
        <translation>Kennwort &amp;wiederholen:</translation>
    </message>
    <message>
        <source>Set the password on</source>
        <translation>Kennwort festlegen für</translation>
    </message>
    <message>
        <source>The other adapters first, then the one this computer is connected through</source>
        <translation>Zuerst die anderen Adapter, dann den, über den dieser Computer verbunden ist</translation>
    </message>
    <message>
        <source>The selected adapter alone</source>
        <translation>Nur der ausgewählte Adapter</translation>
    </message>
    <message>
        <source>Adapters with different passwords cannot reach each other.</source>
        <translation>Adapter mit unterschiedlichen Kennwörtern können sich gegenseitig nicht erreichen.</translation>
    </message>
</context>
<context>
    <name>NetworkUpgrade</name>
    <message>
        <source>upgraded from firmware %1 and reset to its factory defaults, not found again</source>
        <translation>von Firmware %1 aktualisiert und auf die Werkseinstellungen zurückgesetzt, nicht wiedergefunden</translation>
    </message>
    <message>
        <source>upgraded from firmware %1, its factory reset failed, not found again</source>
        <translation>von Firmware %1 aktualisiert, das Zurücksetzen auf die Werkseinstellungen ist fehlgeschlagen, nicht wiedergefunden</translation>
    </message>
    <message>
        <source>upgraded from firmware %1, its name kept, not found again</source>
        <translation>von Firmware %1 aktualisiert, Name behalten, nicht wiedergefunden</translation>
    </message>
    <message>
        <source>upgraded from firmware %1, its name not kept, not found again</source>
        <translation>von Firmware %1 aktualisiert, Name nicht behalten, nicht wiedergefunden</translation>
    </message>
    <message>
        <source>upgraded from firmware %1 to %2 and reset to its factory defaults</source>
        <translation>von Firmware %1 auf %2 aktualisiert und auf die Werkseinstellungen zurückgesetzt</translation>
    </message>
    <message>
        <source>upgraded from firmware %1 to %2, its factory reset failed</source>
        <translation>von Firmware %1 auf %2 aktualisiert, das Zurücksetzen auf die Werkseinstellungen ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>upgraded from firmware %1 to %2, its name kept</source>
        <translation>von Firmware %1 auf %2 aktualisiert, Name behalten</translation>
    </message>
    <message>
        <source>upgraded from firmware %1 to %2, its name not kept</source>
        <translation>von Firmware %1 auf %2 aktualisiert, Name nicht behalten</translation>
    </message>
    <message>
        <source>%1, the adapter this computer is connected through</source>
        <translation>%1, der Adapter, über den dieser Computer verbunden ist</translation>
    </message>
    <message>
        <source>not tried</source>
        <translation>nicht versucht</translation>
    </message>
    <message>
        <source>not tried, and not found again</source>
        <translation>nicht versucht und nicht wiedergefunden</translation>
    </message>
    <message>
        <source>the upgrade failed</source>
        <translation>Aktualisierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>the upgrade failed, and not found again</source>
        <translation>Aktualisierung fehlgeschlagen und nicht wiedergefunden</translation>
    </message>
    <message>
        <source>- %1: %2</source>
        <translation>- %1: %2</translation>
    </message>
    <message>
        <source>The tool printed nothing.</source>
        <translation>Das Programm hat nichts ausgegeben.</translation>
    </message>
    <message>
        <source>The firmware upgrade stopped at %1: no further adapter was upgraded.</source>
        <translation>Das Firmware-Update hat bei %1 angehalten: Kein weiterer Adapter wurde aktualisiert.</translation>
    </message>
    <message>
        <source>Tandrel stopped before the adapter this computer is connected through, so that this computer keeps its network.</source>
        <translation>Tandrel hat vor dem Adapter angehalten, über den dieser Computer verbunden ist, damit dieser Computer sein Netzwerk behält.</translation>
    </message>
    <message>
        <source>What to do: Once the fault that the tool reports is dealt with, scan, then upgrade the adapters that do not have the new firmware yet.</source>
        <translation>Was zu tun ist: Sobald der gemeldete Fehler behoben ist, suchen Sie erneut und aktualisieren dann die Adapter, die die neue Firmware noch nicht haben.</translation>
    </message>
    <message>
        <source>Every adapter of this model was upgraded, but not every one was found again.</source>
        <translation>Alle Adapter dieses Modells wurden aktualisiert, aber nicht alle wurden wiedergefunden.</translation>
    </message>
    <message>
        <source>What to do: An adapter can take a few minutes to start its new firmware: scan again then.</source>
        <translation>Was zu tun ist: Ein Adapter kann einige Minuten brauchen, um seine neue Firmware zu starten: Suchen Sie dann erneut.</translation>
    </message>
    <message numerus="yes">
        <source>The new firmware is on all %n adapters of this model, and every one was found again.</source>
        <translation>
            <numerusform>Die neue Firmware ist auf dem %n Adapter dieses Modells, und er wurde wiedergefunden.</numerusform>
            <numerusform>Die neue Firmware ist auf allen %n Adaptern dieses Modells, und alle wurden wiedergefunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Firmware is being written to several adapters. Ending the session now can leave an adapter without working firmware.</source>
        <translation>Firmware wird auf mehrere Adapter geschrieben. Wenn Sie sich jetzt abmelden oder herunterfahren, kann ein Adapter ohne funktionierende Firmware bleiben.</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>[The output goes on. The whole of it is in Tandrel.log.]</source>
        <translation>[Die Ausgabe geht weiter. Sie steht vollständig in Tandrel.log.]</translation>
    </message>
</context>
<context>
    <name>SessionEnd</name>
    <message>
        <source>Tandrel is waiting for pwlctl.exe to finish with an adapter.</source>
        <translation>Tandrel wartet, bis pwlctl.exe mit einem Adapter fertig ist.</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Looking for adapters...</source>
        <translation>Suche nach Adaptern …</translation>
    </message>
</context>
<context>
    <name>UpgradeScopePrompt</name>
    <message numerus="yes">
        <source>Upgrade &amp;all %n</source>
        <translation>
            <numerusform>&amp;Alle %n aktualisieren</numerusform>
            <numerusform>&amp;Alle %n aktualisieren</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;This adapter only</source>
        <translation>&amp;Nur dieser Adapter</translation>
    </message>
    <message>
        <source>- %1, the adapter this computer is connected through</source>
        <translation>- %1, der Adapter, über den dieser Computer verbunden ist</translation>
    </message>
    <message>
        <source>The last scan also listed one other adapter of model %1:</source>
        <translation>Die letzte Suche hat noch einen weiteren Adapter des Modells %1 gefunden:</translation>
    </message>
    <message numerus="yes">
        <source>The last scan also listed %n other adapters of model %1:</source>
        <translation>
            <numerusform>Die letzte Suche hat noch %n weiteren Adapter des Modells %1 gefunden:</numerusform>
            <numerusform>Die letzte Suche hat noch %n weitere Adapter des Modells %1 gefunden:</numerusform>
        </translation>
    </message>
    <message>
        <source>They can all get this firmware, one at a time, in an order that keeps this computer&apos;s way to the others: the adapter this computer is connected through last.</source>
        <translation>Alle können diese Firmware erhalten, einer nach dem anderen, in einer Reihenfolge, die diesem Computer den Weg zu den anderen erhält: der Adapter, über den dieser Computer verbunden ist, zuletzt.</translation>
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
    <message>
        <source>Failed to emit pwlctl.exe!</source>
        <translation>pwlctl.exe konnte nicht gestartet werden!</translation>
    </message>
    <message>
        <source>pwlctl.exe crashed!</source>
        <translation>pwlctl.exe ist abgestürzt!</translation>
    </message>
    <message>
        <source>Keep current configuration?</source>
        <translation>Aktuelle Einstellungen behalten?</translation>
    </message>
    <message>
        <source>A firmware upgrade is in progress. Ending the session now can leave the adapter unusable.</source>
        <translation>Ein Firmware-Update läuft. Wenn Sie sich jetzt abmelden oder herunterfahren, kann der Adapter unbrauchbar werden.</translation>
    </message>
    <message>
        <source>The network password is being changed on every adapter. Ending the session now can split the network.</source>
        <translation>Das Netzwerkkennwort wird auf allen Adaptern geändert. Wenn Sie sich jetzt abmelden oder herunterfahren, kann das Netzwerk zerfallen.</translation>
    </message>
</context>
</TS>
