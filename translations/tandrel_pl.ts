<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AdapterActions</name>
    <message>
        <source>A scan after its restart did not find the adapter again.</source>
        <translation>Wyszukiwanie po ponownym uruchomieniu nie odnalazło adaptera.</translation>
    </message>
    <message>
        <source>After its restart the adapter reports no name (HFID &quot;%1&quot;).</source>
        <translation>Po ponownym uruchomieniu adapter nie zgłasza nazwy (HFID „%1”).</translation>
    </message>
    <message>
        <source>After its restart the adapter reports the name &quot;%1&quot; (HFID &quot;%2&quot;).</source>
        <translation>Po ponownym uruchomieniu adapter zgłasza nazwę „%1” (HFID „%2”).</translation>
    </message>
    <message>
        <source>The adapter&apos;s name &quot;%1&quot; could not be restored: it did not report its new HFID within %2 seconds of the upgrade.
%3</source>
        <translation>Nie udało się przywrócić nazwy adaptera „%1”: nie zgłosił nowego HFID w ciągu %2 s od aktualizacji.
%3</translation>
    </message>
    <message>
        <source>The adapter&apos;s name &quot;%1&quot; could not be written.
%2</source>
        <translation>Nie udało się zapisać nazwy adaptera „%1”.
%2</translation>
    </message>
    <message>
        <source>The adapter&apos;s name was too long for its new firmware and was shortened to &quot;%1&quot;.</source>
        <translation>Nazwa adaptera była za długa dla nowego firmware i została skrócona do „%1”.</translation>
    </message>
    <message>
        <source>The adapter restarted and answers again.</source>
        <translation>Adapter został uruchomiony ponownie i znów odpowiada.</translation>
    </message>
    <message>
        <source>The adapter could not be restarted.
%1</source>
        <translation>Nie udało się ponownie uruchomić adaptera.
%1</translation>
    </message>
    <message>
        <source>The adapter did not answer within %1 seconds of its restart.
%2</source>
        <translation>Adapter nie odpowiedział w ciągu %1 s od ponownego uruchomienia.
%2</translation>
    </message>
    <message>
        <source>The adapter has no name already: the name is unchanged, and nothing was run.</source>
        <translation>Adapter już nie ma nazwy: nazwa pozostaje bez zmian i nic nie zostało uruchomione.</translation>
    </message>
    <message>
        <source>The adapter&apos;s name is &quot;%1&quot; already: the name is unchanged, and nothing was run.</source>
        <translation>Adapter już ma nazwę „%1”: nazwa pozostaje bez zmian i nic nie zostało uruchomione.</translation>
    </message>
    <message>
        <source>The adapter did not give its HFID, so nothing was written.
%1</source>
        <translation>Adapter nie podał swojego HFID, więc nic nie zostało zapisane.
%1</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>The adapter&apos;s name could not be removed.
%1</source>
        <translation>Nie udało się usunąć nazwy adaptera.
%1</translation>
    </message>
    <message>
        <source>The adapter&apos;s name was removed.
%1</source>
        <extracomment>What became of the name before a later step failed; %1 tells that step</extracomment>
        <translation>Nazwa adaptera została usunięta.
%1</translation>
    </message>
    <message>
        <source>The adapter&apos;s new name was written.
%1</source>
        <translation>Nowa nazwa została zapisana w adapterze.
%1</translation>
    </message>
    <message>
        <source>The adapter has no name now.</source>
        <translation>Adapter nie ma teraz nazwy.</translation>
    </message>
    <message>
        <source>The adapter&apos;s name is now &quot;%1&quot;.</source>
        <translation>Adapter ma teraz nazwę „%1”.</translation>
    </message>
</context>
<context>
    <name>AdapterName</name>
    <message>
        <source>The name cannot hold %1: an adapter&apos;s name takes only printable ASCII characters (letters, digits, blanks and the signs from ! to ~).</source>
        <translation>Nazwa nie może zawierać %1: nazwa adaptera może składać się tylko z drukowalnych znaków ASCII (liter bez polskich znaków, cyfr, spacji i znaków od ! do ~).</translation>
    </message>
    <message>
        <source>This adapter takes no name: its own HFID fills the %1 bytes that it holds.</source>
        <translation>Ten adapter nie przyjmuje nazwy: jego własny HFID zajmuje wszystkie %1 bajtów, które mieści.</translation>
    </message>
    <message>
        <source>The list of adapters would not read this name back whole: the adapter would be shown there without its name and model.</source>
        <translation>Lista adapterów nie odczytałaby tej nazwy w całości: adapter byłby na niej pokazany bez nazwy i modelu.</translation>
    </message>
    <message>
        <source>The name cannot hold &quot;%1&quot;: the list of adapters would read it wrongly, and show the adapter without its name and model.</source>
        <translation>Nazwa nie może zawierać „%1”: lista adapterów odczytałaby to błędnie i pokazałaby adapter bez nazwy i modelu.</translation>
    </message>
    <message numerus="yes">
        <source>The name is too long: this adapter takes a name of at most %n characters.</source>
        <translation>
            <numerusform>Nazwa jest za długa: ten adapter przyjmuje nazwę o długości maksymalnie %n znaku.</numerusform>
            <numerusform>Nazwa jest za długa: ten adapter przyjmuje nazwę o długości maksymalnie %n znaków.</numerusform>
            <numerusform>Nazwa jest za długa: ten adapter przyjmuje nazwę o długości maksymalnie %n znaków.</numerusform>
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
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>%1, closing when done</source>
        <extracomment>A busy caption, and that the window closes when the action is done</extracomment>
        <translation>%1, po zakończeniu zamknie się</translation>
    </message>
    <message>
        <source>Running...</source>
        <translation>Trwa…</translation>
    </message>
    <message>
        <source>Running... %1</source>
        <extracomment>%1 is how far the action is (&quot;2 of 3, 0:42&quot;)</extracomment>
        <translation>Trwa… %1</translation>
    </message>
    <message>
        <source>%1: running</source>
        <extracomment>A busy button as a screen reader says it; %1 is the button&apos;s caption</extracomment>
        <translation>%1: trwa</translation>
    </message>
    <message>
        <source>%1: running, %2</source>
        <extracomment>%1 is the button&apos;s caption, %2 how far the action is (&quot;2 of 3, 0:42&quot;)</extracomment>
        <translation>%1: trwa, %2</translation>
    </message>
</context>
<context>
    <name>BusyFocus</name>
    <message>
        <source>Tandrel waits for pwlctl.exe; keys and clicks are ignored until it is done</source>
        <translation>Tandrel czeka na pwlctl.exe; klawisze i kliknięcia są ignorowane do jego zakończenia</translation>
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
        <translation>ten komputer</translation>
    </message>
    <message>
        <source>%1, this computer</source>
        <translation>%1, ten komputer</translation>
    </message>
</context>
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
    <name>EventLog</name>
    <message>
        <source>Log file open failed!
%1
%2</source>
        <translation>Nie udało się otworzyć pliku dziennika!
%1
%2</translation>
    </message>
    <message>
        <source>The event log could not be written.
%1
%2
Tandrel keeps the records and writes them as soon as it can.</source>
        <translation>Nie udało się zapisać dziennika zdarzeń.
%1
%2
Tandrel zachowuje wpisy i zapisze je, gdy tylko będzie to możliwe.</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>Tandrel is already running in this folder.
%1</source>
        <translation>Tandrel jest już uruchomiony w tym folderze.
%1</translation>
    </message>
</context>
<context>
    <name>NamePrompt</name>
    <message>
        <source>The adapter&apos;s new name (an empty name removes it):
%1</source>
        <translation>Nowa nazwa adaptera (pusta nazwa ją usuwa):
%1</translation>
    </message>
    <message>
        <source>The adapter&apos;s new name (an empty name removes it):
The list shows no model for this adapter, so Tandrel cannot tell how many characters its name may have.</source>
        <translation>Nowa nazwa adaptera (pusta nazwa ją usuwa):
Lista nie pokazuje modelu tego adaptera, więc Tandrel nie wie, ile znaków może mieć jego nazwa.</translation>
    </message>
    <message numerus="yes">
        <source>The adapter&apos;s new name (an empty name removes it):
%n characters left.</source>
        <translation>
            <numerusform>Nowa nazwa adaptera (pusta nazwa ją usuwa):
Pozostał %n znak.</numerusform>
            <numerusform>Nowa nazwa adaptera (pusta nazwa ją usuwa):
Pozostały %n znaki.</numerusform>
            <numerusform>Nowa nazwa adaptera (pusta nazwa ją usuwa):
Pozostało %n znaków.</numerusform>
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
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>not tried</source>
        <translation>nie próbowano</translation>
    </message>
    <message>
        <source>new password</source>
        <translation>nowe hasło</translation>
    </message>
    <message>
        <source>new password, set by an earlier attempt</source>
        <translation>nowe hasło, ustawione przy wcześniejszej próbie</translation>
    </message>
    <message>
        <source>failed; the tool printed nothing</source>
        <translation>niepowodzenie; narzędzie nic nie wypisało</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>niepowodzenie: %1</translation>
    </message>
    <message>
        <source>found again with the new password</source>
        <translation>odnaleziony ponownie z nowym hasłem</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nie znaleziono</translation>
    </message>
    <message>
        <source>- %1, the adapter this computer is connected through: %2</source>
        <extracomment>An adapter&apos;s line of the report: the adapter, then what became of it</extracomment>
        <translation>- %1, adapter, przez który połączony jest ten komputer: %2</translation>
    </message>
    <message>
        <source>- %1: %2</source>
        <translation>- %1: %2</translation>
    </message>
    <message>
        <source>No adapter was changed. Once the fault that the tool reports is dealt with, try again.</source>
        <translation>Żaden adapter nie został zmieniony. Po usunięciu błędu zgłoszonego przez narzędzie spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The other adapters have the new password and have left the network of this computer&apos;s adapter. Once the fault that the tool reports is dealt with, set the same password on this computer&apos;s adapter alone (&quot;This adapter only&quot;): the others join it again.</source>
        <translation>Pozostałe adaptery mają nowe hasło i opuściły sieć adaptera tego komputera. Po usunięciu błędu zgłoszonego przez narzędzie ustaw to samo hasło tylko na adapterze tego komputera („Tylko ten adapter”): pozostałe ponownie do niego dołączą.</translation>
    </message>
    <message>
        <source>The adapters with the new password have left the network until this computer&apos;s adapter has it too. Once the fault that the tool reports is dealt with, change the key on every adapter again with the same password: Tandrel scans first, the adapters found get it, and those that have it already join them again.</source>
        <translation>Adaptery z nowym hasłem opuściły sieć, dopóki adapter tego komputera też go nie otrzyma. Po usunięciu błędu zgłoszonego przez narzędzie ponownie zmień klucz na wszystkich adapterach, podając to samo hasło: Tandrel najpierw wyszuka adaptery, znalezione je otrzymają, a te, które już je mają, ponownie do nich dołączą.</translation>
    </message>
    <message>
        <source>The password takes printable ASCII characters only: letters without accents, digits, blanks and the signs of an English keyboard.</source>
        <translation>Hasło może zawierać tylko drukowalne znaki ASCII: litery bez polskich znaków, cyfry, spacje i znaki z angielskiej klawiatury.</translation>
    </message>
    <message numerus="yes">
        <source>The password is too short: it takes at least %n characters.</source>
        <translation>
            <numerusform>Hasło jest za krótkie: musi mieć co najmniej %n znak.</numerusform>
            <numerusform>Hasło jest za krótkie: musi mieć co najmniej %n znaki.</numerusform>
            <numerusform>Hasło jest za krótkie: musi mieć co najmniej %n znaków.</numerusform>
        </translation>
    </message>
    <message>
        <source>The password is too long: it takes at most %1 characters, and this one has %2.</source>
        <translation>Hasło jest za długie: może mieć najwyżej %1 znaków, a to ma %2.</translation>
    </message>
    <message>
        <source>The two entries differ. Type the password twice again.</source>
        <translation>Oba wpisy się różnią. Wpisz hasło ponownie dwa razy.</translation>
    </message>
    <message numerus="yes">
        <source>
This adapter now leaves the network of %1 unless they get the same password: adapters with different passwords cannot reach each other.</source>
        <extracomment>%1 lists the other adapters; %n is how many they are</extracomment>
        <translation>
            <numerusform>
Ten adapter opuszcza teraz sieć adaptera %1, chyba że on także otrzyma to samo hasło: adaptery z różnymi hasłami nie mogą się ze sobą komunikować.</numerusform>
            <numerusform>
Ten adapter opuszcza teraz sieć adapterów %1, chyba że one także otrzymają to samo hasło: adaptery z różnymi hasłami nie mogą się ze sobą komunikować.</numerusform>
            <numerusform>
Ten adapter opuszcza teraz sieć adapterów %1, chyba że one także otrzymają to samo hasło: adaptery z różnymi hasłami nie mogą się ze sobą komunikować.</numerusform>
        </translation>
    </message>
    <message>
        <source>The new network password could not be set on every adapter. Tandrel stopped before the adapter this computer is connected through, so that this computer keeps its network.

%1

What to do: %2</source>
        <translation>Nie udało się ustawić nowego hasła sieci na wszystkich adapterach. Tandrel zatrzymał się przed adapterem, przez który połączony jest ten komputer, aby ten komputer zachował sieć.

%1

Co zrobić: %2</translation>
    </message>
    <message>
        <source>The new network password could not be set on every adapter.

%1

What to do: %2</source>
        <translation>Nie udało się ustawić nowego hasła sieci na wszystkich adapterach.

%1

Co zrobić: %2</translation>
    </message>
    <message>
        <source>The new network password is set on every adapter, and every adapter was found again.

%1</source>
        <translation>Nowe hasło sieci jest ustawione na wszystkich adapterach i wszystkie adaptery zostały ponownie odnalezione.

%1</translation>
    </message>
    <message>
        <source>The new network password is set on every adapter, but not every adapter was found again.

%1

What to do: An adapter can take a minute to join the network with its new password: scan again then. One that is still missing does not share the password of this computer&apos;s adapter: bring it back into the network as its manual says, for instance with its pairing button.</source>
        <translation>Nowe hasło sieci jest ustawione na wszystkich adapterach, ale nie wszystkie adaptery zostały ponownie odnalezione.

%1

Co zrobić: adapter może potrzebować minuty, aby dołączyć do sieci z nowym hasłem: wtedy wyszukaj ponownie. Adapter, którego nadal brakuje, nie ma hasła adaptera tego komputera: przywróć go do sieci zgodnie z jego instrukcją, na przykład przyciskiem parowania.</translation>
    </message>
    <message>
        <source>Tandrel cannot tell which adapter this computer is connected through, so only the selected adapter can be changed.</source>
        <translation>Tandrel nie może ustalić, przez który adapter połączony jest ten komputer, więc można zmienić tylko wybrany adapter.</translation>
    </message>
</context>
<context>
    <name>NetworkPasswordPrompt</name>
    <message>
        <source>&amp;Every adapter found</source>
        <translation>&amp;Wszystkie znalezione adaptery</translation>
    </message>
    <message>
        <source>&amp;This adapter only</source>
        <translation>&amp;Tylko ten adapter</translation>
    </message>
    <message>
        <source>Network password</source>
        <translation>Hasło sieci</translation>
    </message>
    <message>
        <source>%1 to %2 characters: letters without accents, digits, blanks and the signs of an English keyboard.</source>
        <translation>Od %1 do %2 znaków: litery bez polskich znaków, cyfry, spacje i znaki z angielskiej klawiatury.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Password again</source>
        <translation>Powtórz hasło</translation>
    </message>
    <message>
        <source>The same password once more, since it is not shown</source>
        <translation>To samo hasło jeszcze raz, ponieważ nie jest wyświetlane</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Hasło:</translation>
    </message>
    <message>
        <source>Password &amp;again:</source>
        <translation>&amp;Powtórz hasło:</translation>
    </message>
    <message>
        <source>Set the password on</source>
        <translation>Ustaw hasło na</translation>
    </message>
    <message>
        <source>The other adapters first, then the one this computer is connected through</source>
        <translation>Najpierw pozostałe adaptery, potem ten, przez który połączony jest ten komputer</translation>
    </message>
    <message>
        <source>The selected adapter alone</source>
        <translation>Tylko wybrany adapter</translation>
    </message>
    <message>
        <source>Adapters with different passwords cannot reach each other.</source>
        <translation>Adaptery z różnymi hasłami nie mogą się ze sobą komunikować.</translation>
    </message>
</context>
<context>
    <name>NetworkUpgrade</name>
    <message>
        <source>upgraded from firmware %1 and reset to its factory defaults, not found again</source>
        <translation>zaktualizowany z firmware %1 i przywrócony do ustawień fabrycznych, nie odnaleziono ponownie</translation>
    </message>
    <message>
        <source>upgraded from firmware %1, its factory reset failed, not found again</source>
        <translation>zaktualizowany z firmware %1, przywrócenie ustawień fabrycznych nie powiodło się, nie odnaleziono ponownie</translation>
    </message>
    <message>
        <source>upgraded from firmware %1, its name kept, not found again</source>
        <translation>zaktualizowany z firmware %1, nazwa zachowana, nie odnaleziono ponownie</translation>
    </message>
    <message>
        <source>upgraded from firmware %1, its name not kept, not found again</source>
        <translation>zaktualizowany z firmware %1, nazwa nie została zachowana, nie odnaleziono ponownie</translation>
    </message>
    <message>
        <source>upgraded from firmware %1 to %2 and reset to its factory defaults</source>
        <translation>zaktualizowany z firmware %1 do %2 i przywrócony do ustawień fabrycznych</translation>
    </message>
    <message>
        <source>upgraded from firmware %1 to %2, its factory reset failed</source>
        <translation>zaktualizowany z firmware %1 do %2, przywrócenie ustawień fabrycznych nie powiodło się</translation>
    </message>
    <message>
        <source>upgraded from firmware %1 to %2, its name kept</source>
        <translation>zaktualizowany z firmware %1 do %2, nazwa zachowana</translation>
    </message>
    <message>
        <source>upgraded from firmware %1 to %2, its name not kept</source>
        <translation>zaktualizowany z firmware %1 do %2, nazwa nie została zachowana</translation>
    </message>
    <message>
        <source>%1, the adapter this computer is connected through</source>
        <translation>%1, adapter, przez który połączony jest ten komputer</translation>
    </message>
    <message>
        <source>not tried</source>
        <translation>nie próbowano</translation>
    </message>
    <message>
        <source>not tried, and not found again</source>
        <translation>nie próbowano i nie odnaleziono ponownie</translation>
    </message>
    <message>
        <source>the upgrade failed</source>
        <translation>aktualizacja nie powiodła się</translation>
    </message>
    <message>
        <source>the upgrade failed, and not found again</source>
        <translation>aktualizacja nie powiodła się i nie odnaleziono ponownie</translation>
    </message>
    <message>
        <source>- %1: %2</source>
        <translation>- %1: %2</translation>
    </message>
    <message>
        <source>The tool printed nothing.</source>
        <translation>Narzędzie nic nie wypisało.</translation>
    </message>
    <message>
        <source>The firmware upgrade stopped at %1: no further adapter was upgraded.</source>
        <translation>Aktualizacja firmware zatrzymała się na %1: żaden kolejny adapter nie został zaktualizowany.</translation>
    </message>
    <message>
        <source>Tandrel stopped before the adapter this computer is connected through, so that this computer keeps its network.</source>
        <translation>Tandrel zatrzymał się przed adapterem, przez który połączony jest ten komputer, aby ten komputer zachował swoją sieć.</translation>
    </message>
    <message>
        <source>What to do: Once the fault that the tool reports is dealt with, scan, then upgrade the adapters that do not have the new firmware yet.</source>
        <translation>Co zrobić: po usunięciu błędu zgłoszonego przez narzędzie wyszukaj adaptery, a potem zaktualizuj te, które nie mają jeszcze nowego firmware.</translation>
    </message>
    <message>
        <source>Every adapter of this model was upgraded, but not every one was found again.</source>
        <translation>Wszystkie adaptery tego modelu zostały zaktualizowane, ale nie wszystkie zostały ponownie odnalezione.</translation>
    </message>
    <message>
        <source>What to do: An adapter can take a few minutes to start its new firmware: scan again then.</source>
        <translation>Co zrobić: uruchomienie nowego firmware może zająć adapterowi kilka minut: wtedy wyszukaj ponownie.</translation>
    </message>
    <message numerus="yes">
        <source>The new firmware is on all %n adapters of this model, and every one was found again.</source>
        <translation>
            <numerusform>Nowy firmware jest na %n adapterze tego modelu i został on ponownie odnaleziony.</numerusform>
            <numerusform>Nowy firmware jest na wszystkich %n adapterach tego modelu i wszystkie zostały ponownie odnalezione.</numerusform>
            <numerusform>Nowy firmware jest na wszystkich %n adapterach tego modelu i wszystkie zostały ponownie odnalezione.</numerusform>
        </translation>
    </message>
    <message>
        <source>Firmware is being written to several adapters. Ending the session now can leave an adapter without working firmware.</source>
        <translation>Trwa zapisywanie firmware na kilku adapterach. Zakończenie sesji teraz może zostawić adapter bez działającego firmware.</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>[The output goes on. The whole of it is in Tandrel.log.]</source>
        <translation>[Dalszy ciąg wyniku. Całość znajduje się w pliku Tandrel.log.]</translation>
    </message>
</context>
<context>
    <name>SessionEnd</name>
    <message>
        <source>Tandrel is waiting for pwlctl.exe to finish with an adapter.</source>
        <translation>Tandrel czeka, aż pwlctl.exe zakończy pracę z adapterem.</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Looking for adapters...</source>
        <translation>Wyszukiwanie adapterów…</translation>
    </message>
</context>
<context>
    <name>UpgradeScopePrompt</name>
    <message numerus="yes">
        <source>Upgrade &amp;all %n</source>
        <translation>
            <numerusform>Aktualizuj &amp;wszystkie (%n)</numerusform>
            <numerusform>Aktualizuj &amp;wszystkie (%n)</numerusform>
            <numerusform>Aktualizuj &amp;wszystkie (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;This adapter only</source>
        <translation>&amp;Tylko ten adapter</translation>
    </message>
    <message>
        <source>- %1, the adapter this computer is connected through</source>
        <translation>- %1, adapter, przez który połączony jest ten komputer</translation>
    </message>
    <message>
        <source>The last scan also listed one other adapter of model %1:</source>
        <translation>Ostatnie wyszukiwanie znalazło jeszcze jeden adapter modelu %1:</translation>
    </message>
    <message numerus="yes">
        <source>The last scan also listed %n other adapters of model %1:</source>
        <translation>
            <numerusform>Ostatnie wyszukiwanie znalazło jeszcze %n inny adapter modelu %1:</numerusform>
            <numerusform>Ostatnie wyszukiwanie znalazło jeszcze %n inne adaptery modelu %1:</numerusform>
            <numerusform>Ostatnie wyszukiwanie znalazło jeszcze %n innych adapterów modelu %1:</numerusform>
        </translation>
    </message>
    <message>
        <source>They can all get this firmware, one at a time, in an order that keeps this computer&apos;s way to the others: the adapter this computer is connected through last.</source>
        <translation>Wszystkie mogą otrzymać ten firmware, jeden po drugim, w kolejności, która zachowuje temu komputerowi drogę do pozostałych: adapter, przez który połączony jest ten komputer, na końcu.</translation>
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
    <message>
        <source>Failed to emit pwlctl.exe!</source>
        <translation>Nie udało się uruchomić pwlctl.exe!</translation>
    </message>
    <message>
        <source>pwlctl.exe crashed!</source>
        <translation>pwlctl.exe uległ awarii!</translation>
    </message>
    <message>
        <source>Keep current configuration?</source>
        <translation>Zachować bieżącą konfigurację?</translation>
    </message>
    <message>
        <source>A firmware upgrade is in progress. Ending the session now can leave the adapter unusable.</source>
        <translation>Trwa aktualizacja firmware. Zakończenie sesji teraz może uszkodzić adapter.</translation>
    </message>
    <message>
        <source>The network password is being changed on every adapter. Ending the session now can split the network.</source>
        <translation>Trwa zmiana hasła sieci na wszystkich adapterach. Zakończenie sesji teraz może podzielić sieć.</translation>
    </message>
</context>
</TS>
