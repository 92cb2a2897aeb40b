<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AdapterActions</name>
    <message>
        <source>A scan after its restart did not find the adapter again.</source>
        <translation>Een zoekactie na de herstart heeft de adapter niet teruggevonden.</translation>
    </message>
    <message>
        <source>After its restart the adapter reports no name (HFID &quot;%1&quot;).</source>
        <translation>Na de herstart meldt de adapter geen naam (HFID &quot;%1&quot;).</translation>
    </message>
    <message>
        <source>After its restart the adapter reports the name &quot;%1&quot; (HFID &quot;%2&quot;).</source>
        <translation>Na de herstart meldt de adapter de naam &quot;%1&quot; (HFID &quot;%2&quot;).</translation>
    </message>
    <message>
        <source>The adapter&apos;s name &quot;%1&quot; could not be restored: it did not report its new HFID within %2 seconds of the upgrade.
%3</source>
        <translation>De naam &quot;%1&quot; van de adapter kon niet worden hersteld: hij meldde zijn nieuwe HFID niet binnen %2 seconden na de update.
%3</translation>
    </message>
    <message>
        <source>The adapter&apos;s name &quot;%1&quot; could not be written.
%2</source>
        <translation>De naam &quot;%1&quot; kon niet naar de adapter worden geschreven.
%2</translation>
    </message>
    <message>
        <source>The adapter&apos;s name was too long for its new firmware and was shortened to &quot;%1&quot;.</source>
        <translation>De naam van de adapter was te lang voor de nieuwe firmware en is ingekort tot &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The adapter restarted and answers again.</source>
        <translation>De adapter is opnieuw gestart en reageert weer.</translation>
    </message>
    <message>
        <source>The adapter could not be restarted.
%1</source>
        <translation>De adapter kon niet opnieuw worden gestart.
%1</translation>
    </message>
    <message>
        <source>The adapter did not answer within %1 seconds of its restart.
%2</source>
        <translation>De adapter reageerde niet binnen %1 seconden na de herstart.
%2</translation>
    </message>
    <message>
        <source>The adapter has no name already: the name is unchanged, and nothing was run.</source>
        <translation>De adapter heeft al geen naam: de naam blijft ongewijzigd en er is niets uitgevoerd.</translation>
    </message>
    <message>
        <source>The adapter&apos;s name is &quot;%1&quot; already: the name is unchanged, and nothing was run.</source>
        <translation>De adapter heet al &quot;%1&quot;: de naam blijft ongewijzigd en er is niets uitgevoerd.</translation>
    </message>
    <message>
        <source>The adapter did not give its HFID, so nothing was written.
%1</source>
        <translation>De adapter gaf zijn HFID niet door, dus er is niets geschreven.
%1</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
Er is niets geschreven.</translation>
    </message>
    <message>
        <source>The adapter&apos;s name could not be removed.
%1</source>
        <translation>De naam van de adapter kon niet worden verwijderd.
%1</translation>
    </message>
    <message>
        <source>The adapter&apos;s name was removed.
%1</source>
        <extracomment>What became of the name before a later step failed; %1 tells that step</extracomment>
        <translation>De naam van de adapter is verwijderd.
%1</translation>
    </message>
    <message>
        <source>The adapter&apos;s new name was written.
%1</source>
        <translation>De nieuwe naam is naar de adapter geschreven.
%1</translation>
    </message>
    <message>
        <source>The adapter has no name now.</source>
        <translation>De adapter heeft nu geen naam.</translation>
    </message>
    <message>
        <source>The adapter&apos;s name is now &quot;%1&quot;.</source>
        <translation>De adapter heet nu &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>AdapterName</name>
    <message>
        <source>The name cannot hold %1: an adapter&apos;s name takes only printable ASCII characters (letters, digits, blanks and the signs from ! to ~).</source>
        <translation>De naam mag %1 niet bevatten: de naam van een adapter bestaat alleen uit afdrukbare ASCII-tekens (letters zonder accenten, cijfers, spaties en de tekens van ! tot ~).</translation>
    </message>
    <message>
        <source>This adapter takes no name: its own HFID fills the %1 bytes that it holds.</source>
        <translation>Deze adapter kan geen naam krijgen: zijn eigen HFID vult de %1 bytes die hij heeft.</translation>
    </message>
    <message>
        <source>The list of adapters would not read this name back whole: the adapter would be shown there without its name and model.</source>
        <translation>De lijst met adapters zou deze naam niet volledig teruglezen: de adapter zou daar zonder naam en model worden getoond.</translation>
    </message>
    <message>
        <source>The name cannot hold &quot;%1&quot;: the list of adapters would read it wrongly, and show the adapter without its name and model.</source>
        <translation>De naam mag &quot;%1&quot; niet bevatten: de lijst met adapters zou dit verkeerd lezen en de adapter zonder naam en model tonen.</translation>
    </message>
    <message numerus="yes">
        <source>The name is too long: this adapter takes a name of at most %n characters.</source>
        <translation>
            <numerusform>De naam is te lang: deze adapter neemt een naam van ten hoogste %n teken.</numerusform>
            <numerusform>De naam is te lang: deze adapter neemt een naam van ten hoogste %n tekens.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <source>Model %1, address %2</source>
        <translation>Model %1, adres %2</translation>
    </message>
    <message>
        <source>%1, model %2, address %3</source>
        <extracomment>%1 is the adapter&apos;s own name</extracomment>
        <translation>%1, model %2, adres %3</translation>
    </message>
</context>
<context>
    <name>BusyCaption</name>
    <message>
        <source>%1 of %2</source>
        <extracomment>The step of an action of several, in a busy caption (&quot;2 of 3&quot;)</extracomment>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <source>%1, closing when done</source>
        <extracomment>A busy caption, and that the window closes when the action is done</extracomment>
        <translation>%1, sluit daarna</translation>
    </message>
    <message>
        <source>Running...</source>
        <translation>Bezig…</translation>
    </message>
    <message>
        <source>Running... %1</source>
        <extracomment>%1 is how far the action is (&quot;2 of 3, 0:42&quot;)</extracomment>
        <translation>Bezig… %1</translation>
    </message>
    <message>
        <source>%1: running</source>
        <extracomment>A busy button as a screen reader says it; %1 is the button&apos;s caption</extracomment>
        <translation>%1: bezig</translation>
    </message>
    <message>
        <source>%1: running, %2</source>
        <extracomment>%1 is the button&apos;s caption, %2 how far the action is (&quot;2 of 3, 0:42&quot;)</extracomment>
        <translation>%1: bezig, %2</translation>
    </message>
</context>
<context>
    <name>BusyFocus</name>
    <message>
        <source>Tandrel waits for pwlctl.exe; keys and clicks are ignored until it is done</source>
        <translation>Tandrel wacht op pwlctl.exe; toetsen en klikken worden genegeerd tot het klaar is</translation>
    </message>
</context>
<context>
    <name>DeviceListModel</name>
    <message>
        <source>firmware %1</source>
        <extracomment>A row of the device list as it is heard: the adapter&apos;s firmware version</extracomment>
        <translation>firmware %1</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>deze computer</translation>
    </message>
    <message>
        <source>%1, this computer</source>
        <translation>%1, deze computer</translation>
    </message>
</context>
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
    <name>EventLog</name>
    <message>
        <source>Log file open failed!
%1
%2</source>
        <translation>Het logbestand kon niet worden geopend!
%1
%2</translation>
    </message>
    <message>
        <source>The event log could not be written.
%1
%2
Tandrel keeps the records and writes them as soon as it can.</source>
        <translation>Het gebeurtenislogboek kon niet worden geschreven.
%1
%2
Tandrel bewaart de regels en schrijft ze zodra het kan.</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>Tandrel is already running in this folder.
%1</source>
        <translation>Tandrel draait al in deze map.
%1</translation>
    </message>
</context>
<context>
    <name>NamePrompt</name>
    <message>
        <source>The adapter&apos;s new name (an empty name removes it):
%1</source>
        <translation>De nieuwe naam van de adapter (een lege naam verwijdert die):
%1</translation>
    </message>
    <message>
        <source>The adapter&apos;s new name (an empty name removes it):
The list shows no model for this adapter, so Tandrel cannot tell how many characters its name may have.</source>
        <translation>De nieuwe naam van de adapter (een lege naam verwijdert hem):
De lijst toont geen model voor deze adapter, dus Tandrel kan niet zeggen hoeveel tekens de naam mag hebben.</translation>
    </message>
    <message numerus="yes">
        <source>The adapter&apos;s new name (an empty name removes it):
%n characters left.</source>
        <translation>
            <numerusform>De nieuwe naam van de adapter (een lege naam verwijdert die):
Nog %n teken.</numerusform>
            <numerusform>De nieuwe naam van de adapter (een lege naam verwijdert die):
Nog %n tekens.</numerusform>
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
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>not tried</source>
        <translation>niet geprobeerd</translation>
    </message>
    <message>
        <source>new password</source>
        <translation>nieuw wachtwoord</translation>
    </message>
    <message>
        <source>new password, set by an earlier attempt</source>
        <translation>nieuw wachtwoord, ingesteld bij een eerdere poging</translation>
    </message>
    <message>
        <source>failed; the tool printed nothing</source>
        <translation>mislukt; het programma gaf niets weer</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>mislukt: %1</translation>
    </message>
    <message>
        <source>found again with the new password</source>
        <translation>teruggevonden met het nieuwe wachtwoord</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>niet gevonden</translation>
    </message>
    <message>
        <source>- %1, the adapter this computer is connected through: %2</source>
        <extracomment>An adapter&apos;s line of the report: the adapter, then what became of it</extracomment>
        <translation>- %1, de adapter waarmee deze computer verbonden is: %2</translation>
    </message>
    <message>
        <source>- %1: %2</source>
        <translation>- %1: %2</translation>
    </message>
    <message>
        <source>No adapter was changed. Once the fault that the tool reports is dealt with, try again.</source>
        <translation>Er is geen adapter gewijzigd. Los eerst de fout op die het programma meldt en probeer het dan opnieuw.</translation>
    </message>
    <message>
        <source>The other adapters have the new password and have left the network of this computer&apos;s adapter. Once the fault that the tool reports is dealt with, set the same password on this computer&apos;s adapter alone (&quot;This adapter only&quot;): the others join it again.</source>
        <translation>De andere adapters hebben het nieuwe wachtwoord en hebben het netwerk van de adapter van deze computer verlaten. Los eerst de fout op die het programma meldt en stel dan hetzelfde wachtwoord alleen op de adapter van deze computer in (&quot;Alleen deze adapter&quot;): de andere komen dan weer terug.</translation>
    </message>
    <message>
        <source>The adapters with the new password have left the network until this computer&apos;s adapter has it too. Once the fault that the tool reports is dealt with, change the key on every adapter again with the same password: Tandrel scans first, the adapters found get it, and those that have it already join them again.</source>
        <translation>De adapters met het nieuwe wachtwoord hebben het netwerk verlaten totdat ook de adapter van deze computer het heeft. Los eerst de fout op die het programma meldt en wijzig dan de sleutel opnieuw op alle adapters met hetzelfde wachtwoord: Tandrel zoekt eerst, de gevonden adapters krijgen het en de adapters die het al hebben, komen er weer bij.</translation>
    </message>
    <message>
        <source>The password takes printable ASCII characters only: letters without accents, digits, blanks and the signs of an English keyboard.</source>
        <translation>Het wachtwoord bestaat alleen uit afdrukbare ASCII-tekens: letters zonder accenten, cijfers, spaties en de tekens van een Engels toetsenbord.</translation>
    </message>
    <message numerus="yes">
        <source>The password is too short: it takes at least %n characters.</source>
        <translation>
            <numerusform>Het wachtwoord is te kort: het moet minstens %n teken hebben.</numerusform>
            <numerusform>Het wachtwoord is te kort: het moet minstens %n tekens hebben.</numerusform>
        </translation>
    </message>
    <message>
        <source>The password is too long: it takes at most %1 characters, and this one has %2.</source>
        <translation>Het wachtwoord is te lang: het mag hoogstens %1 tekens hebben, en dit heeft er %2.</translation>
    </message>
    <message>
        <source>The two entries differ. Type the password twice again.</source>
        <translation>De twee invoeren verschillen. Typ het wachtwoord opnieuw twee keer.</translation>
    </message>
    <message numerus="yes">
        <source>
This adapter now leaves the network of %1 unless they get the same password: adapters with different passwords cannot reach each other.</source>
        <extracomment>%1 lists the other adapters; %n is how many they are</extracomment>
        <translation>
            <numerusform>
Deze adapter verlaat nu het netwerk van %1, tenzij die ook hetzelfde wachtwoord krijgt: adapters met verschillende wachtwoorden kunnen elkaar niet bereiken.</numerusform>
            <numerusform>
Deze adapter verlaat nu het netwerk van %1, tenzij die ook hetzelfde wachtwoord krijgen: adapters met verschillende wachtwoorden kunnen elkaar niet bereiken.</numerusform>
        </translation>
    </message>
    <message>
        <source>The new network password could not be set on every adapter. Tandrel stopped before the adapter this computer is connected through, so that this computer keeps its network.

%1

What to do: %2</source>
        <translation>Het nieuwe netwerkwachtwoord kon niet op alle adapters worden ingesteld. Tandrel is gestopt vóór de adapter waarmee deze computer verbonden is, zodat deze computer zijn netwerk behoudt.

%1

Wat u kunt doen: %2</translation>
    </message>
    <message>
        <source>The new network password could not be set on every adapter.

%1

What to do: %2</source>
        <translation>Het nieuwe netwerkwachtwoord kon niet op alle adapters worden ingesteld.

%1

Wat u kunt doen: %2</translation>
    </message>
    <message>
        <source>The new network password is set on every adapter, and every adapter was found again.

%1</source>
        <translation>Het nieuwe netwerkwachtwoord is op alle adapters ingesteld en alle adapters zijn teruggevonden.

%1</translation>
    </message>
    <message>
        <source>The new network password is set on every adapter, but not every adapter was found again.

%1

What to do: An adapter can take a minute to join the network with its new password: scan again then. One that is still missing does not share the password of this computer&apos;s adapter: bring it back into the network as its manual says, for instance with its pairing button.</source>
        <translation>Het nieuwe netwerkwachtwoord is op alle adapters ingesteld, maar niet alle adapters zijn teruggevonden.

%1

Wat u kunt doen: een adapter kan een minuut nodig hebben om met zijn nieuwe wachtwoord in het netwerk te komen: zoek dan opnieuw. Een adapter die nog ontbreekt, heeft niet het wachtwoord van de adapter van deze computer: breng hem terug in het netwerk zoals zijn handleiding beschrijft, bijvoorbeeld met zijn koppelknop.</translation>
    </message>
    <message>
        <source>Tandrel cannot tell which adapter this computer is connected through, so only the selected adapter can be changed.</source>
        <translation>Tandrel kan niet vaststellen via welke adapter deze computer verbonden is, dus alleen de gekozen adapter kan worden gewijzigd.</translation>
    </message>
</context>
<context>
    <name>NetworkPasswordPrompt</name>
    <message>
        <source>&amp;Every adapter found</source>
        <translation>&amp;Alle gevonden adapters</translation>
    </message>
    <message>
        <source>&amp;This adapter only</source>
        <translation>Alleen &amp;deze adapter</translation>
    </message>
    <message>
        <source>Network password</source>
        <translation>Netwerkwachtwoord</translation>
    </message>
    <message>
        <source>%1 to %2 characters: letters without accents, digits, blanks and the signs of an English keyboard.</source>
        <translation>%1 tot %2 tekens: letters zonder accenten, cijfers, spaties en de tekens van een Engels toetsenbord.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Password again</source>
        <translation>Wachtwoord herhalen</translation>
    </message>
    <message>
        <source>The same password once more, since it is not shown</source>
        <translation>Hetzelfde wachtwoord nog een keer, omdat het niet wordt getoond</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Wachtwoord:</translation>
    </message>
    <message>
        <source>Password &amp;again:</source>
        <translation>Wachtwoord &amp;herhalen:</translation>
    </message>
    <message>
        <source>Set the password on</source>
        <translation>Wachtwoord instellen op</translation>
    </message>
    <message>
        <source>The other adapters first, then the one this computer is connected through</source>
        <translation>Eerst de andere adapters, dan die waarmee deze computer verbonden is</translation>
    </message>
    <message>
        <source>The selected adapter alone</source>
        <translation>Alleen de gekozen adapter</translation>
    </message>
    <message>
        <source>Adapters with different passwords cannot reach each other.</source>
        <translation>Adapters met verschillende wachtwoorden kunnen elkaar niet bereiken.</translation>
    </message>
</context>
<context>
    <name>NetworkUpgrade</name>
    <message>
        <source>upgraded from firmware %1 and reset to its factory defaults, not found again</source>
        <translation>bijgewerkt vanaf firmware %1 en teruggezet naar de fabrieksinstellingen, niet teruggevonden</translation>
    </message>
    <message>
        <source>upgraded from firmware %1, its factory reset failed, not found again</source>
        <translation>bijgewerkt vanaf firmware %1, terugzetten naar de fabrieksinstellingen is mislukt, niet teruggevonden</translation>
    </message>
    <message>
        <source>upgraded from firmware %1, its name kept, not found again</source>
        <translation>bijgewerkt vanaf firmware %1, naam behouden, niet teruggevonden</translation>
    </message>
    <message>
        <source>upgraded from firmware %1, its name not kept, not found again</source>
        <translation>bijgewerkt vanaf firmware %1, naam niet behouden, niet teruggevonden</translation>
    </message>
    <message>
        <source>upgraded from firmware %1 to %2 and reset to its factory defaults</source>
        <translation>bijgewerkt van firmware %1 naar %2 en teruggezet naar de fabrieksinstellingen</translation>
    </message>
    <message>
        <source>upgraded from firmware %1 to %2, its factory reset failed</source>
        <translation>bijgewerkt van firmware %1 naar %2, terugzetten naar de fabrieksinstellingen is mislukt</translation>
    </message>
    <message>
        <source>upgraded from firmware %1 to %2, its name kept</source>
        <translation>bijgewerkt van firmware %1 naar %2, naam behouden</translation>
    </message>
    <message>
        <source>upgraded from firmware %1 to %2, its name not kept</source>
        <translation>bijgewerkt van firmware %1 naar %2, naam niet behouden</translation>
    </message>
    <message>
        <source>%1, the adapter this computer is connected through</source>
        <translation>%1, de adapter waarmee deze computer verbonden is</translation>
    </message>
    <message>
        <source>not tried</source>
        <translation>niet geprobeerd</translation>
    </message>
    <message>
        <source>not tried, and not found again</source>
        <translation>niet geprobeerd en niet teruggevonden</translation>
    </message>
    <message>
        <source>the upgrade failed</source>
        <translation>bijwerken mislukt</translation>
    </message>
    <message>
        <source>the upgrade failed, and not found again</source>
        <translation>bijwerken mislukt en niet teruggevonden</translation>
    </message>
    <message>
        <source>- %1: %2</source>
        <translation>- %1: %2</translation>
    </message>
    <message>
        <source>The tool printed nothing.</source>
        <translation>Het programma heeft niets uitgevoerd.</translation>
    </message>
    <message>
        <source>The firmware upgrade stopped at %1: no further adapter was upgraded.</source>
        <translation>De firmware-update is bij %1 gestopt: er is geen andere adapter meer bijgewerkt.</translation>
    </message>
    <message>
        <source>Tandrel stopped before the adapter this computer is connected through, so that this computer keeps its network.</source>
        <translation>Tandrel is gestopt vóór de adapter waarmee deze computer verbonden is, zodat deze computer zijn netwerk behoudt.</translation>
    </message>
    <message>
        <source>What to do: Once the fault that the tool reports is dealt with, scan, then upgrade the adapters that do not have the new firmware yet.</source>
        <translation>Wat te doen: los eerst de fout op die het programma meldt, zoek opnieuw en werk dan de adapters bij die de nieuwe firmware nog niet hebben.</translation>
    </message>
    <message>
        <source>Every adapter of this model was upgraded, but not every one was found again.</source>
        <translation>Alle adapters van dit model zijn bijgewerkt, maar niet alle zijn teruggevonden.</translation>
    </message>
    <message>
        <source>What to do: An adapter can take a few minutes to start its new firmware: scan again then.</source>
        <translation>Wat te doen: een adapter kan enkele minuten nodig hebben om zijn nieuwe firmware te starten: zoek dan opnieuw.</translation>
    </message>
    <message numerus="yes">
        <source>The new firmware is on all %n adapters of this model, and every one was found again.</source>
        <translation>
            <numerusform>De nieuwe firmware staat op de %n adapter van dit model en die is teruggevonden.</numerusform>
            <numerusform>De nieuwe firmware staat op alle %n adapters van dit model en alle zijn teruggevonden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Firmware is being written to several adapters. Ending the session now can leave an adapter without working firmware.</source>
        <translation>Er wordt firmware naar meerdere adapters geschreven. Nu afmelden of afsluiten kan een adapter zonder werkende firmware achterlaten.</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>[The output goes on. The whole of it is in Tandrel.log.]</source>
        <translation>[De uitvoer gaat verder. Die staat volledig in Tandrel.log.]</translation>
    </message>
</context>
<context>
    <name>SessionEnd</name>
    <message>
        <source>Tandrel is waiting for pwlctl.exe to finish with an adapter.</source>
        <translation>Tandrel wacht tot pwlctl.exe klaar is met een adapter.</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Looking for adapters...</source>
        <translation>Zoeken naar adapters…</translation>
    </message>
</context>
<context>
    <name>UpgradeScopePrompt</name>
    <message numerus="yes">
        <source>Upgrade &amp;all %n</source>
        <translation>
            <numerusform>&amp;Alle %n bijwerken</numerusform>
            <numerusform>&amp;Alle %n bijwerken</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;This adapter only</source>
        <translation>Alleen &amp;deze adapter</translation>
    </message>
    <message>
        <source>- %1, the adapter this computer is connected through</source>
        <translation>- %1, de adapter waarmee deze computer verbonden is</translation>
    </message>
    <message>
        <source>The last scan also listed one other adapter of model %1:</source>
        <translation>De laatste zoekactie heeft nog een andere adapter van model %1 gevonden:</translation>
    </message>
    <message numerus="yes">
        <source>The last scan also listed %n other adapters of model %1:</source>
        <translation>
            <numerusform>De laatste zoekactie heeft nog %n andere adapter van model %1 gevonden:</numerusform>
            <numerusform>De laatste zoekactie heeft nog %n andere adapters van model %1 gevonden:</numerusform>
        </translation>
    </message>
    <message>
        <source>They can all get this firmware, one at a time, in an order that keeps this computer&apos;s way to the others: the adapter this computer is connected through last.</source>
        <translation>Ze kunnen allemaal deze firmware krijgen, een voor een, in een volgorde die de weg van deze computer naar de andere openhoudt: de adapter waarmee deze computer verbonden is als laatste.</translation>
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
    <message>
        <source>Failed to emit pwlctl.exe!</source>
        <translation>pwlctl.exe kon niet worden gestart!</translation>
    </message>
    <message>
        <source>pwlctl.exe crashed!</source>
        <translation>pwlctl.exe is vastgelopen!</translation>
    </message>
    <message>
        <source>Keep current configuration?</source>
        <translation>Huidige instellingen behouden?</translation>
    </message>
    <message>
        <source>A firmware upgrade is in progress. Ending the session now can leave the adapter unusable.</source>
        <translation>Er loopt een firmware-update. Nu afmelden of afsluiten kan de adapter onbruikbaar maken.</translation>
    </message>
    <message>
        <source>The network password is being changed on every adapter. Ending the session now can split the network.</source>
        <translation>Het netwerkwachtwoord wordt op alle adapters gewijzigd. Nu afmelden of afsluiten kan het netwerk opsplitsen.</translation>
    </message>
</context>
</TS>
