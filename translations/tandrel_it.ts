<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AdapterActions</name>
    <message>
        <source>A scan after its restart did not find the adapter again.</source>
        <translation>Una ricerca dopo il riavvio non ha ritrovato l&apos;adattatore.</translation>
    </message>
    <message>
        <source>After its restart the adapter reports no name (HFID &quot;%1&quot;).</source>
        <translation>Dopo il riavvio l&apos;adattatore non riporta alcun nome (HFID &quot;%1&quot;).</translation>
    </message>
    <message>
        <source>After its restart the adapter reports the name &quot;%1&quot; (HFID &quot;%2&quot;).</source>
        <translation>Dopo il riavvio l&apos;adattatore riporta il nome &quot;%1&quot; (HFID &quot;%2&quot;).</translation>
    </message>
    <message>
        <source>The adapter&apos;s name &quot;%1&quot; could not be restored: it did not report its new HFID within %2 seconds of the upgrade.
%3</source>
        <translation>Impossibile ripristinare il nome &quot;%1&quot; dell&apos;adattatore: non ha riportato il nuovo HFID entro %2 secondi dall&apos;aggiornamento.
%3</translation>
    </message>
    <message>
        <source>The adapter&apos;s name &quot;%1&quot; could not be written.
%2</source>
        <translation>Impossibile scrivere il nome &quot;%1&quot; nell&apos;adattatore.
%2</translation>
    </message>
    <message>
        <source>The adapter&apos;s name was too long for its new firmware and was shortened to &quot;%1&quot;.</source>
        <translation>Il nome dell&apos;adattatore era troppo lungo per il nuovo firmware ed è stato accorciato in &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The adapter restarted and answers again.</source>
        <translation>L&apos;adattatore si è riavviato e risponde di nuovo.</translation>
    </message>
    <message>
        <source>The adapter could not be restarted.
%1</source>
        <translation>Impossibile riavviare l&apos;adattatore.
%1</translation>
    </message>
    <message>
        <source>The adapter did not answer within %1 seconds of its restart.
%2</source>
        <translation>L&apos;adattatore non ha risposto entro %1 secondi dal riavvio.
%2</translation>
    </message>
    <message>
        <source>The adapter has no name already: the name is unchanged, and nothing was run.</source>
        <translation>L&apos;adattatore non ha già un nome: il nome resta invariato e non è stato eseguito nulla.</translation>
    </message>
    <message>
        <source>The adapter&apos;s name is &quot;%1&quot; already: the name is unchanged, and nothing was run.</source>
        <translation>L&apos;adattatore si chiama già &quot;%1&quot;: il nome resta invariato e non è stato eseguito nulla.</translation>
    </message>
    <message>
        <source>The adapter did not give its HFID, so nothing was written.
%1</source>
        <translation>L&apos;adattatore non ha fornito il suo HFID, quindi non è stato scritto nulla.
%1</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>The adapter&apos;s name could not be removed.
%1</source>
        <translation>Impossibile rimuovere il nome dell&apos;adattatore.
%1</translation>
    </message>
    <message>
        <source>The adapter&apos;s name was removed.
%1</source>
        <extracomment>What became of the name before a later step failed; %1 tells that step</extracomment>
        <translation>Il nome dell&apos;adattatore è stato rimosso.
%1</translation>
    </message>
    <message>
        <source>The adapter&apos;s new name was written.
%1</source>
        <translation>Il nuovo nome è stato scritto nell&apos;adattatore.
%1</translation>
    </message>
    <message>
        <source>The adapter has no name now.</source>
        <translation>L&apos;adattatore ora non ha un nome.</translation>
    </message>
    <message>
        <source>The adapter&apos;s name is now &quot;%1&quot;.</source>
        <translation>L&apos;adattatore ora si chiama &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>AdapterName</name>
    <message>
        <source>The name cannot hold %1: an adapter&apos;s name takes only printable ASCII characters (letters, digits, blanks and the signs from ! to ~).</source>
        <translation>Il nome non può contenere %1: il nome di un adattatore accetta solo caratteri ASCII stampabili (lettere senza accenti, cifre, spazi e i simboli da ! a ~).</translation>
    </message>
    <message>
        <source>This adapter takes no name: its own HFID fills the %1 bytes that it holds.</source>
        <translation>Questo adattatore non accetta un nome: il suo HFID occupa tutti i %1 byte disponibili.</translation>
    </message>
    <message>
        <source>The list of adapters would not read this name back whole: the adapter would be shown there without its name and model.</source>
        <translation>L&apos;elenco degli adattatori non rileggerebbe questo nome per intero: l&apos;adattatore vi comparirebbe senza nome e senza modello.</translation>
    </message>
    <message>
        <source>The name cannot hold &quot;%1&quot;: the list of adapters would read it wrongly, and show the adapter without its name and model.</source>
        <translation>Il nome non può contenere &quot;%1&quot;: l&apos;elenco degli adattatori lo leggerebbe in modo errato e mostrerebbe l&apos;adattatore senza nome e senza modello.</translation>
    </message>
    <message numerus="yes">
        <source>The name is too long: this adapter takes a name of at most %n characters.</source>
        <translation>
            <numerusform>Il nome è troppo lungo: questo adattatore accetta un nome di al massimo %n carattere.</numerusform>
            <numerusform>Il nome è troppo lungo: questo adattatore accetta un nome di al massimo %n caratteri.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <source>Model %1, address %2</source>
        <translation>Modello %1, indirizzo %2</translation>
    </message>
    <message>
        <source>%1, model %2, address %3</source>
        <extracomment>%1 is the adapter&apos;s own name</extracomment>
        <translation>%1, modello %2, indirizzo %3</translation>
    </message>
</context>
<context>
    <name>BusyCaption</name>
    <message>
        <source>%1 of %2</source>
        <extracomment>The step of an action of several, in a busy caption (&quot;2 of 3&quot;)</extracomment>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>%1, closing when done</source>
        <extracomment>A busy caption, and that the window closes when the action is done</extracomment>
        <translation>%1, poi si chiude</translation>
    </message>
    <message>
        <source>Running...</source>
        <translation>In corso…</translation>
    </message>
    <message>
        <source>Running... %1</source>
        <extracomment>%1 is how far the action is (&quot;2 of 3, 0:42&quot;)</extracomment>
        <translation>In corso… %1</translation>
    </message>
    <message>
        <source>%1: running</source>
        <extracomment>A busy button as a screen reader says it; %1 is the button&apos;s caption</extracomment>
        <translation>%1: in corso</translation>
    </message>
    <message>
        <source>%1: running, %2</source>
        <extracomment>%1 is the button&apos;s caption, %2 how far the action is (&quot;2 of 3, 0:42&quot;)</extracomment>
        <translation>%1: in corso, %2</translation>
    </message>
</context>
<context>
    <name>BusyFocus</name>
    <message>
        <source>Tandrel waits for pwlctl.exe; keys and clicks are ignored until it is done</source>
        <translation>Tandrel attende pwlctl.exe; tasti e clic vengono ignorati finché non ha finito</translation>
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
        <translation>questo computer</translation>
    </message>
    <message>
        <source>%1, this computer</source>
        <translation>%1, questo computer</translation>
    </message>
</context>
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
    <name>EventLog</name>
    <message>
        <source>Log file open failed!
%1
%2</source>
        <translation>Impossibile aprire il file di registro!
%1
%2</translation>
    </message>
    <message>
        <source>The event log could not be written.
%1
%2
Tandrel keeps the records and writes them as soon as it can.</source>
        <translation>Impossibile scrivere il registro eventi.
%1
%2
Tandrel conserva le voci e le scrive appena possibile.</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>Tandrel is already running in this folder.
%1</source>
        <translation>Tandrel è già in esecuzione in questa cartella.
%1</translation>
    </message>
</context>
<context>
    <name>NamePrompt</name>
    <message>
        <source>The adapter&apos;s new name (an empty name removes it):
%1</source>
        <translation>Il nuovo nome dell&apos;adattatore (un nome vuoto lo rimuove):
%1</translation>
    </message>
    <message>
        <source>The adapter&apos;s new name (an empty name removes it):
The list shows no model for this adapter, so Tandrel cannot tell how many characters its name may have.</source>
        <translation>Il nuovo nome dell&apos;adattatore (un nome vuoto lo rimuove):
L&apos;elenco non mostra alcun modello per questo adattatore, quindi Tandrel non può sapere quanti caratteri può avere il suo nome.</translation>
    </message>
    <message numerus="yes">
        <source>The adapter&apos;s new name (an empty name removes it):
%n characters left.</source>
        <translation>
            <numerusform>Il nuovo nome dell&apos;adattatore (un nome vuoto lo rimuove):
Rimane %n carattere.</numerusform>
            <numerusform>Il nuovo nome dell&apos;adattatore (un nome vuoto lo rimuove):
Rimangono %n caratteri.</numerusform>
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
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>not tried</source>
        <translation>non tentato</translation>
    </message>
    <message>
        <source>new password</source>
        <translation>nuova password</translation>
    </message>
    <message>
        <source>new password, set by an earlier attempt</source>
        <translation>nuova password, impostata in un tentativo precedente</translation>
    </message>
    <message>
        <source>failed; the tool printed nothing</source>
        <translation>non riuscito; lo strumento non ha stampato nulla</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>non riuscito: %1</translation>
    </message>
    <message>
        <source>found again with the new password</source>
        <translation>ritrovato con la nuova password</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>non trovato</translation>
    </message>
    <message>
        <source>- %1, the adapter this computer is connected through: %2</source>
        <extracomment>An adapter&apos;s line of the report: the adapter, then what became of it</extracomment>
        <translation>- %1, l&apos;adattatore attraverso cui è collegato questo computer: %2</translation>
    </message>
    <message>
        <source>- %1: %2</source>
        <translation>- %1: %2</translation>
    </message>
    <message>
        <source>No adapter was changed. Once the fault that the tool reports is dealt with, try again.</source>
        <translation>Nessun adattatore è stato modificato. Risolto il problema segnalato dallo strumento, riprovi.</translation>
    </message>
    <message>
        <source>The other adapters have the new password and have left the network of this computer&apos;s adapter. Once the fault that the tool reports is dealt with, set the same password on this computer&apos;s adapter alone (&quot;This adapter only&quot;): the others join it again.</source>
        <translation>Gli altri adattatori hanno la nuova password e hanno lasciato la rete dell&apos;adattatore di questo computer. Risolto il problema segnalato dallo strumento, imposti la stessa password solo sull&apos;adattatore di questo computer (&quot;Solo questo adattatore&quot;): gli altri vi si ricollegano.</translation>
    </message>
    <message>
        <source>The adapters with the new password have left the network until this computer&apos;s adapter has it too. Once the fault that the tool reports is dealt with, change the key on every adapter again with the same password: Tandrel scans first, the adapters found get it, and those that have it already join them again.</source>
        <translation>Gli adattatori con la nuova password hanno lasciato la rete finché anche l&apos;adattatore di questo computer non l&apos;avrà. Risolto il problema segnalato dallo strumento, cambi di nuovo la chiave su tutti gli adattatori con la stessa password: Tandrel esegue prima una ricerca, gli adattatori trovati la ricevono e quelli che l&apos;hanno già si ricollegano a loro.</translation>
    </message>
    <message>
        <source>The password takes printable ASCII characters only: letters without accents, digits, blanks and the signs of an English keyboard.</source>
        <translation>La password accetta solo caratteri ASCII stampabili: lettere senza accenti, cifre, spazi e i simboli di una tastiera inglese.</translation>
    </message>
    <message numerus="yes">
        <source>The password is too short: it takes at least %n characters.</source>
        <translation>
            <numerusform>La password è troppo corta: serve almeno %n carattere.</numerusform>
            <numerusform>La password è troppo corta: servono almeno %n caratteri.</numerusform>
        </translation>
    </message>
    <message>
        <source>The password is too long: it takes at most %1 characters, and this one has %2.</source>
        <translation>La password è troppo lunga: accetta al massimo %1 caratteri, e questa ne ha %2.</translation>
    </message>
    <message>
        <source>The two entries differ. Type the password twice again.</source>
        <translation>I due inserimenti non coincidono. Digiti di nuovo la password due volte.</translation>
    </message>
    <message numerus="yes">
        <source>
This adapter now leaves the network of %1 unless they get the same password: adapters with different passwords cannot reach each other.</source>
        <extracomment>%1 lists the other adapters; %n is how many they are</extracomment>
        <translation>
            <numerusform>
Questo adattatore ora lascia la rete di %1, a meno che anche quest&apos;ultimo non riceva la stessa password: adattatori con password diverse non possono comunicare tra loro.</numerusform>
            <numerusform>
Questo adattatore ora lascia la rete di %1, a meno che anche questi non ricevano la stessa password: adattatori con password diverse non possono comunicare tra loro.</numerusform>
        </translation>
    </message>
    <message>
        <source>The new network password could not be set on every adapter. Tandrel stopped before the adapter this computer is connected through, so that this computer keeps its network.

%1

What to do: %2</source>
        <translation>Non è stato possibile impostare la nuova password di rete su tutti gli adattatori. Tandrel si è fermato prima dell&apos;adattatore attraverso cui è collegato questo computer, così che questo computer mantenga la rete.

%1

Cosa fare: %2</translation>
    </message>
    <message>
        <source>The new network password could not be set on every adapter.

%1

What to do: %2</source>
        <translation>Non è stato possibile impostare la nuova password di rete su tutti gli adattatori.

%1

Cosa fare: %2</translation>
    </message>
    <message>
        <source>The new network password is set on every adapter, and every adapter was found again.

%1</source>
        <translation>La nuova password di rete è impostata su tutti gli adattatori e tutti gli adattatori sono stati ritrovati.

%1</translation>
    </message>
    <message>
        <source>The new network password is set on every adapter, but not every adapter was found again.

%1

What to do: An adapter can take a minute to join the network with its new password: scan again then. One that is still missing does not share the password of this computer&apos;s adapter: bring it back into the network as its manual says, for instance with its pairing button.</source>
        <translation>La nuova password di rete è impostata su tutti gli adattatori, ma non tutti gli adattatori sono stati ritrovati.

%1

Cosa fare: un adattatore può impiegare un minuto per entrare nella rete con la nuova password: ripeta allora la ricerca. Uno che manca ancora non ha la stessa password dell&apos;adattatore di questo computer: lo riporti nella rete come indica il suo manuale, per esempio con il pulsante di accoppiamento.</translation>
    </message>
    <message>
        <source>Tandrel cannot tell which adapter this computer is connected through, so only the selected adapter can be changed.</source>
        <translation>Tandrel non riesce a stabilire attraverso quale adattatore è collegato questo computer, quindi si può modificare solo l&apos;adattatore selezionato.</translation>
    </message>
</context>
<context>
    <name>NetworkPasswordPrompt</name>
    <message>
        <source>&amp;Every adapter found</source>
        <translation>&amp;Tutti gli adattatori trovati</translation>
    </message>
    <message>
        <source>&amp;This adapter only</source>
        <translation>&amp;Solo questo adattatore</translation>
    </message>
    <message>
        <source>Network password</source>
        <translation>Password di rete</translation>
    </message>
    <message>
        <source>%1 to %2 characters: letters without accents, digits, blanks and the signs of an English keyboard.</source>
        <translation>Da %1 a %2 caratteri: lettere senza accenti, cifre, spazi e i simboli di una tastiera inglese.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Password again</source>
        <translation>Ripeti password</translation>
    </message>
    <message>
        <source>The same password once more, since it is not shown</source>
        <translation>La stessa password ancora una volta, perché non viene mostrata</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Password:</translation>
    </message>
    <message>
        <source>Password &amp;again:</source>
        <translation>&amp;Ripeti password:</translation>
    </message>
    <message>
        <source>Set the password on</source>
        <translation>Imposta la password su</translation>
    </message>
    <message>
        <source>The other adapters first, then the one this computer is connected through</source>
        <translation>Prima gli altri adattatori, poi quello attraverso cui è collegato questo computer</translation>
    </message>
    <message>
        <source>The selected adapter alone</source>
        <translation>Solo l&apos;adattatore selezionato</translation>
    </message>
    <message>
        <source>Adapters with different passwords cannot reach each other.</source>
        <translation>Adattatori con password diverse non possono comunicare tra loro.</translation>
    </message>
</context>
<context>
    <name>NetworkUpgrade</name>
    <message>
        <source>upgraded from firmware %1 and reset to its factory defaults, not found again</source>
        <translation>aggiornato dal firmware %1 e riportato alle impostazioni di fabbrica, non ritrovato</translation>
    </message>
    <message>
        <source>upgraded from firmware %1, its factory reset failed, not found again</source>
        <translation>aggiornato dal firmware %1, il ripristino delle impostazioni di fabbrica non è riuscito, non ritrovato</translation>
    </message>
    <message>
        <source>upgraded from firmware %1, its name kept, not found again</source>
        <translation>aggiornato dal firmware %1, nome mantenuto, non ritrovato</translation>
    </message>
    <message>
        <source>upgraded from firmware %1, its name not kept, not found again</source>
        <translation>aggiornato dal firmware %1, nome non mantenuto, non ritrovato</translation>
    </message>
    <message>
        <source>upgraded from firmware %1 to %2 and reset to its factory defaults</source>
        <translation>aggiornato dal firmware %1 al %2 e riportato alle impostazioni di fabbrica</translation>
    </message>
    <message>
        <source>upgraded from firmware %1 to %2, its factory reset failed</source>
        <translation>aggiornato dal firmware %1 al %2, il ripristino delle impostazioni di fabbrica non è riuscito</translation>
    </message>
    <message>
        <source>upgraded from firmware %1 to %2, its name kept</source>
        <translation>aggiornato dal firmware %1 al %2, nome mantenuto</translation>
    </message>
    <message>
        <source>upgraded from firmware %1 to %2, its name not kept</source>
        <translation>aggiornato dal firmware %1 al %2, nome non mantenuto</translation>
    </message>
    <message>
        <source>%1, the adapter this computer is connected through</source>
        <translation>%1, l&apos;adattatore attraverso cui è collegato questo computer</translation>
    </message>
    <message>
        <source>not tried</source>
        <translation>non tentato</translation>
    </message>
    <message>
        <source>not tried, and not found again</source>
        <translation>non tentato e non ritrovato</translation>
    </message>
    <message>
        <source>the upgrade failed</source>
        <translation>l&apos;aggiornamento non è riuscito</translation>
    </message>
    <message>
        <source>the upgrade failed, and not found again</source>
        <translation>l&apos;aggiornamento non è riuscito e non ritrovato</translation>
    </message>
    <message>
        <source>- %1: %2</source>
        <translation>- %1: %2</translation>
    </message>
    <message>
        <source>The tool printed nothing.</source>
        <translation>Lo strumento non ha stampato nulla.</translation>
    </message>
    <message>
        <source>The firmware upgrade stopped at %1: no further adapter was upgraded.</source>
        <translation>L&apos;aggiornamento del firmware si è fermato a %1: nessun altro adattatore è stato aggiornato.</translation>
    </message>
    <message>
        <source>Tandrel stopped before the adapter this computer is connected through, so that this computer keeps its network.</source>
        <translation>Tandrel si è fermato prima dell&apos;adattatore attraverso cui è collegato questo computer, così che questo computer mantenga la sua rete.</translation>
    </message>
    <message>
        <source>What to do: Once the fault that the tool reports is dealt with, scan, then upgrade the adapters that do not have the new firmware yet.</source>
        <translation>Cosa fare: risolto il problema segnalato dallo strumento, esegua una ricerca, poi aggiorni gli adattatori che non hanno ancora il nuovo firmware.</translation>
    </message>
    <message>
        <source>Every adapter of this model was upgraded, but not every one was found again.</source>
        <translation>Tutti gli adattatori di questo modello sono stati aggiornati, ma non tutti sono stati ritrovati.</translation>
    </message>
    <message>
        <source>What to do: An adapter can take a few minutes to start its new firmware: scan again then.</source>
        <translation>Cosa fare: un adattatore può impiegare qualche minuto ad avviare il nuovo firmware: esegua allora una nuova ricerca.</translation>
    </message>
    <message numerus="yes">
        <source>The new firmware is on all %n adapters of this model, and every one was found again.</source>
        <translation>
            <numerusform>Il nuovo firmware è sull&apos;adattatore di questo modello (%n) ed è stato ritrovato.</numerusform>
            <numerusform>Il nuovo firmware è su tutti i %n adattatori di questo modello e tutti sono stati ritrovati.</numerusform>
        </translation>
    </message>
    <message>
        <source>Firmware is being written to several adapters. Ending the session now can leave an adapter without working firmware.</source>
        <translation>Il firmware è in corso di scrittura su più adattatori. Chiudere la sessione ora può lasciare un adattatore senza un firmware funzionante.</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>[The output goes on. The whole of it is in Tandrel.log.]</source>
        <translation>[L&apos;output continua. È riportato per intero in Tandrel.log.]</translation>
    </message>
</context>
<context>
    <name>SessionEnd</name>
    <message>
        <source>Tandrel is waiting for pwlctl.exe to finish with an adapter.</source>
        <translation>Tandrel attende che pwlctl.exe finisca con un adattatore.</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Looking for adapters...</source>
        <translation>Ricerca degli adattatori…</translation>
    </message>
</context>
<context>
    <name>UpgradeScopePrompt</name>
    <message numerus="yes">
        <source>Upgrade &amp;all %n</source>
        <translation>
            <numerusform>Aggiorna &amp;tutti (%n)</numerusform>
            <numerusform>Aggiorna &amp;tutti (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;This adapter only</source>
        <translation>&amp;Solo questo adattatore</translation>
    </message>
    <message>
        <source>- %1, the adapter this computer is connected through</source>
        <translation>- %1, l&apos;adattatore attraverso cui è collegato questo computer</translation>
    </message>
    <message>
        <source>The last scan also listed one other adapter of model %1:</source>
        <translation>L&apos;ultima ricerca ha trovato anche un altro adattatore del modello %1:</translation>
    </message>
    <message numerus="yes">
        <source>The last scan also listed %n other adapters of model %1:</source>
        <translation>
            <numerusform>L&apos;ultima ricerca ha trovato anche %n altro adattatore del modello %1:</numerusform>
            <numerusform>L&apos;ultima ricerca ha trovato anche altri %n adattatori del modello %1:</numerusform>
        </translation>
    </message>
    <message>
        <source>They can all get this firmware, one at a time, in an order that keeps this computer&apos;s way to the others: the adapter this computer is connected through last.</source>
        <translation>Tutti possono ricevere questo firmware, uno alla volta, in un ordine che mantiene a questo computer la strada verso gli altri: per ultimo l&apos;adattatore attraverso cui è collegato questo computer.</translation>
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
    <message>
        <source>Failed to emit pwlctl.exe!</source>
        <translation>Impossibile avviare pwlctl.exe!</translation>
    </message>
    <message>
        <source>pwlctl.exe crashed!</source>
        <translation>pwlctl.exe si è bloccato!</translation>
    </message>
    <message>
        <source>Keep current configuration?</source>
        <translation>Mantenere la configurazione attuale?</translation>
    </message>
    <message>
        <source>A firmware upgrade is in progress. Ending the session now can leave the adapter unusable.</source>
        <translation>È in corso un aggiornamento del firmware. Chiudere la sessione ora può rendere l&apos;adattatore inutilizzabile.</translation>
    </message>
    <message>
        <source>The network password is being changed on every adapter. Ending the session now can split the network.</source>
        <translation>La password di rete è in corso di modifica su tutti gli adattatori. Chiudere la sessione ora può dividere la rete.</translation>
    </message>
</context>
</TS>
