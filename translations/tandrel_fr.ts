<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AdapterActions</name>
    <message>
        <source>A scan after its restart did not find the adapter again.</source>
        <translation>Une recherche après son redémarrage n&apos;a pas retrouvé l&apos;adaptateur.</translation>
    </message>
    <message>
        <source>After its restart the adapter reports no name (HFID &quot;%1&quot;).</source>
        <translation>Après son redémarrage, l&apos;adaptateur n&apos;indique aucun nom (HFID «&#xa0;%1&#xa0;»).</translation>
    </message>
    <message>
        <source>After its restart the adapter reports the name &quot;%1&quot; (HFID &quot;%2&quot;).</source>
        <translation>Après son redémarrage, l&apos;adaptateur indique le nom «&#xa0;%1&#xa0;» (HFID «&#xa0;%2&#xa0;»).</translation>
    </message>
    <message>
        <source>The adapter&apos;s name &quot;%1&quot; could not be restored: it did not report its new HFID within %2 seconds of the upgrade.
%3</source>
        <translation>Le nom «&#xa0;%1&#xa0;» de l&apos;adaptateur n&apos;a pas pu être rétabli&#xa0;: il n&apos;a pas indiqué son nouveau HFID dans les %2 secondes suivant la mise à jour.
%3</translation>
    </message>
    <message>
        <source>The adapter&apos;s name &quot;%1&quot; could not be written.
%2</source>
        <translation>Le nom «&#xa0;%1&#xa0;» n&apos;a pas pu être écrit dans l&apos;adaptateur.
%2</translation>
    </message>
    <message>
        <source>The adapter&apos;s name was too long for its new firmware and was shortened to &quot;%1&quot;.</source>
        <translation>Le nom de l&apos;adaptateur était trop long pour son nouveau firmware et a été raccourci en «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The adapter restarted and answers again.</source>
        <translation>L&apos;adaptateur a redémarré et répond de nouveau.</translation>
    </message>
    <message>
        <source>The adapter could not be restarted.
%1</source>
        <translation>L&apos;adaptateur n&apos;a pas pu être redémarré.
%1</translation>
    </message>
    <message>
        <source>The adapter did not answer within %1 seconds of its restart.
%2</source>
        <translation>L&apos;adaptateur n&apos;a pas répondu dans les %1 secondes suivant son redémarrage.
%2</translation>
    </message>
    <message>
        <source>The adapter has no name already: the name is unchanged, and nothing was run.</source>
        <translation>L&apos;adaptateur n&apos;a déjà pas de nom&#xa0;: le nom reste inchangé et rien n&apos;a été exécuté.</translation>
    </message>
    <message>
        <source>The adapter&apos;s name is &quot;%1&quot; already: the name is unchanged, and nothing was run.</source>
        <translation>L&apos;adaptateur s&apos;appelle déjà «&#xa0;%1&#xa0;»&#xa0;: le nom reste inchangé et rien n&apos;a été exécuté.</translation>
    </message>
    <message>
        <source>The adapter did not give its HFID, so nothing was written.
%1</source>
        <translation>L&apos;adaptateur n&apos;a pas indiqué son HFID&#xa0;; rien n&apos;a donc été écrit.
%1</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The adapter&apos;s name could not be removed.
%1</source>
        <translation>Le nom de l&apos;adaptateur n&apos;a pas pu être supprimé.
%1</translation>
    </message>
    <message>
        <source>The adapter&apos;s name was removed.
%1</source>
        <extracomment>What became of the name before a later step failed; %1 tells that step</extracomment>
        <translation>Le nom de l&apos;adaptateur a été supprimé.
%1</translation>
    </message>
    <message>
        <source>The adapter&apos;s new name was written.
%1</source>
        <translation>Le nouveau nom a été écrit dans l&apos;adaptateur.
%1</translation>
    </message>
    <message>
        <source>The adapter has no name now.</source>
        <translation>L&apos;adaptateur n&apos;a plus de nom.</translation>
    </message>
    <message>
        <source>The adapter&apos;s name is now &quot;%1&quot;.</source>
        <translation>L&apos;adaptateur s&apos;appelle maintenant «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>AdapterName</name>
    <message>
        <source>The name cannot hold %1: an adapter&apos;s name takes only printable ASCII characters (letters, digits, blanks and the signs from ! to ~).</source>
        <translation>Le nom ne peut pas contenir %1&#xa0;: le nom d&apos;un adaptateur n&apos;accepte que des caractères ASCII imprimables (lettres sans accents, chiffres, espaces et signes de ! à ~).</translation>
    </message>
    <message>
        <source>This adapter takes no name: its own HFID fills the %1 bytes that it holds.</source>
        <translation>Cet adaptateur n&apos;accepte pas de nom&#xa0;: son propre HFID occupe les %1 octets dont il dispose.</translation>
    </message>
    <message>
        <source>The list of adapters would not read this name back whole: the adapter would be shown there without its name and model.</source>
        <translation>La liste des adaptateurs ne relirait pas ce nom en entier&#xa0;: l&apos;adaptateur y serait affiché sans son nom ni son modèle.</translation>
    </message>
    <message>
        <source>The name cannot hold &quot;%1&quot;: the list of adapters would read it wrongly, and show the adapter without its name and model.</source>
        <translation>Le nom ne peut pas contenir «&#xa0;%1&#xa0;»&#xa0;: la liste des adaptateurs le lirait mal et afficherait l&apos;adaptateur sans son nom ni son modèle.</translation>
    </message>
    <message numerus="yes">
        <source>The name is too long: this adapter takes a name of at most %n characters.</source>
        <translation>
            <numerusform>Le nom est trop long&#xa0;: cet adaptateur accepte un nom de %n caractère au plus.</numerusform>
            <numerusform>Le nom est trop long&#xa0;: cet adaptateur accepte un nom de %n caractères au plus.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <source>Model %1, address %2</source>
        <translation>Modèle %1, adresse %2</translation>
    </message>
    <message>
        <source>%1, model %2, address %3</source>
        <extracomment>%1 is the adapter&apos;s own name</extracomment>
        <translation>%1, modèle %2, adresse %3</translation>
    </message>
</context>
<context>
    <name>BusyCaption</name>
    <message>
        <source>%1 of %2</source>
        <extracomment>The step of an action of several, in a busy caption (&quot;2 of 3&quot;)</extracomment>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1, closing when done</source>
        <extracomment>A busy caption, and that the window closes when the action is done</extracomment>
        <translation>%1, fermeture à la fin</translation>
    </message>
    <message>
        <source>Running...</source>
        <translation>En cours…</translation>
    </message>
    <message>
        <source>Running... %1</source>
        <extracomment>%1 is how far the action is (&quot;2 of 3, 0:42&quot;)</extracomment>
        <translation>En cours… %1</translation>
    </message>
    <message>
        <source>%1: running</source>
        <extracomment>A busy button as a screen reader says it; %1 is the button&apos;s caption</extracomment>
        <translation>%1&#xa0;: en cours</translation>
    </message>
    <message>
        <source>%1: running, %2</source>
        <extracomment>%1 is the button&apos;s caption, %2 how far the action is (&quot;2 of 3, 0:42&quot;)</extracomment>
        <translation>%1&#xa0;: en cours, %2</translation>
    </message>
</context>
<context>
    <name>BusyFocus</name>
    <message>
        <source>Tandrel waits for pwlctl.exe; keys and clicks are ignored until it is done</source>
        <translation>Tandrel attend pwlctl.exe&#xa0;; les touches et les clics sont ignorés jusqu&apos;à la fin</translation>
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
        <translation>cet ordinateur</translation>
    </message>
    <message>
        <source>%1, this computer</source>
        <translation>%1, cet ordinateur</translation>
    </message>
</context>
<context>
    <name>DialogDeviceInfo</name>
    <message>
        <source>What pwlctl.exe reported</source>
        <translation>Ce que pwlctl.exe a signalé</translation>
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
        <translation>Impossible d&apos;ouvrir le fichier journal&#xa0;!
%1
%2</translation>
    </message>
    <message>
        <source>The event log could not be written.
%1
%2
Tandrel keeps the records and writes them as soon as it can.</source>
        <translation>Le journal des événements n&apos;a pas pu être écrit.
%1
%2
Tandrel garde les entrées et les écrit dès que possible.</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>Tandrel is already running in this folder.
%1</source>
        <translation>Tandrel est déjà ouvert dans ce dossier.
%1</translation>
    </message>
</context>
<context>
    <name>NamePrompt</name>
    <message>
        <source>The adapter&apos;s new name (an empty name removes it):
%1</source>
        <translation>Le nouveau nom de l&apos;adaptateur (un nom vide le supprime)&#xa0;:
%1</translation>
    </message>
    <message>
        <source>The adapter&apos;s new name (an empty name removes it):
The list shows no model for this adapter, so Tandrel cannot tell how many characters its name may have.</source>
        <translation>Le nouveau nom de l&apos;adaptateur (un nom vide le supprime)&#xa0;:
La liste n&apos;indique aucun modèle pour cet adaptateur&#xa0;: Tandrel ne peut donc pas savoir combien de caractères son nom peut compter.</translation>
    </message>
    <message numerus="yes">
        <source>The adapter&apos;s new name (an empty name removes it):
%n characters left.</source>
        <translation>
            <numerusform>Le nouveau nom de l&apos;adaptateur (un nom vide le supprime)&#xa0;:
Il reste %n caractère.</numerusform>
            <numerusform>Le nouveau nom de l&apos;adaptateur (un nom vide le supprime)&#xa0;:
Il reste %n caractères.</numerusform>
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
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>not tried</source>
        <translation>pas essayé</translation>
    </message>
    <message>
        <source>new password</source>
        <translation>nouveau mot de passe</translation>
    </message>
    <message>
        <source>new password, set by an earlier attempt</source>
        <translation>nouveau mot de passe, défini lors d&apos;une tentative précédente</translation>
    </message>
    <message>
        <source>failed; the tool printed nothing</source>
        <translation>échec&#xa0;; l&apos;outil n&apos;a rien affiché</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>échec&#xa0;: %1</translation>
    </message>
    <message>
        <source>found again with the new password</source>
        <translation>retrouvé avec le nouveau mot de passe</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>introuvable</translation>
    </message>
    <message>
        <source>- %1, the adapter this computer is connected through: %2</source>
        <extracomment>An adapter&apos;s line of the report: the adapter, then what became of it</extracomment>
        <translation>- %1, l&apos;adaptateur par lequel cet ordinateur est connecté&#xa0;: %2</translation>
    </message>
    <message>
        <source>- %1: %2</source>
        <translation>- %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>No adapter was changed. Once the fault that the tool reports is dealt with, try again.</source>
        <translation>Aucun adaptateur n&apos;a été modifié. Une fois le problème signalé par l&apos;outil réglé, réessayez.</translation>
    </message>
    <message>
        <source>The other adapters have the new password and have left the network of this computer&apos;s adapter. Once the fault that the tool reports is dealt with, set the same password on this computer&apos;s adapter alone (&quot;This adapter only&quot;): the others join it again.</source>
        <translation>Les autres adaptateurs ont le nouveau mot de passe et ont quitté le réseau de l&apos;adaptateur de cet ordinateur. Une fois le problème signalé par l&apos;outil réglé, définissez le même mot de passe sur l&apos;adaptateur de cet ordinateur seul («&#xa0;Cet adaptateur uniquement&#xa0;»)&#xa0;: les autres le rejoignent alors.</translation>
    </message>
    <message>
        <source>The adapters with the new password have left the network until this computer&apos;s adapter has it too. Once the fault that the tool reports is dealt with, change the key on every adapter again with the same password: Tandrel scans first, the adapters found get it, and those that have it already join them again.</source>
        <translation>Les adaptateurs qui ont le nouveau mot de passe ont quitté le réseau jusqu&apos;à ce que l&apos;adaptateur de cet ordinateur l&apos;ait aussi. Une fois le problème signalé par l&apos;outil réglé, changez de nouveau la clé sur tous les adaptateurs avec le même mot de passe&#xa0;: Tandrel recherche d&apos;abord les adaptateurs, ceux qui sont trouvés le reçoivent, et ceux qui l&apos;ont déjà les rejoignent.</translation>
    </message>
    <message>
        <source>The password takes printable ASCII characters only: letters without accents, digits, blanks and the signs of an English keyboard.</source>
        <translation>Le mot de passe n&apos;accepte que des caractères ASCII imprimables&#xa0;: lettres sans accents, chiffres, espaces et signes d&apos;un clavier anglais.</translation>
    </message>
    <message numerus="yes">
        <source>The password is too short: it takes at least %n characters.</source>
        <translation>
            <numerusform>Le mot de passe est trop court&#xa0;: il faut au moins %n caractère.</numerusform>
            <numerusform>Le mot de passe est trop court&#xa0;: il faut au moins %n caractères.</numerusform>
        </translation>
    </message>
    <message>
        <source>The password is too long: it takes at most %1 characters, and this one has %2.</source>
        <translation>Le mot de passe est trop long&#xa0;: il accepte au plus %1 caractères, et celui-ci en a %2.</translation>
    </message>
    <message>
        <source>The two entries differ. Type the password twice again.</source>
        <translation>Les deux saisies diffèrent. Tapez de nouveau le mot de passe deux fois.</translation>
    </message>
    <message numerus="yes">
        <source>
This adapter now leaves the network of %1 unless they get the same password: adapters with different passwords cannot reach each other.</source>
        <extracomment>%1 lists the other adapters; %n is how many they are</extracomment>
        <translation>
            <numerusform>
Cet adaptateur quitte maintenant le réseau de %1, à moins que celui-ci ne reçoive aussi le même mot de passe&#xa0;: des adaptateurs aux mots de passe différents ne peuvent pas communiquer entre eux.</numerusform>
            <numerusform>
Cet adaptateur quitte maintenant le réseau de %1, à moins que ceux-ci ne reçoivent aussi le même mot de passe&#xa0;: des adaptateurs aux mots de passe différents ne peuvent pas communiquer entre eux.</numerusform>
        </translation>
    </message>
    <message>
        <source>The new network password could not be set on every adapter. Tandrel stopped before the adapter this computer is connected through, so that this computer keeps its network.

%1

What to do: %2</source>
        <translation>Le nouveau mot de passe réseau n&apos;a pas pu être défini sur tous les adaptateurs. Tandrel s&apos;est arrêté avant l&apos;adaptateur par lequel cet ordinateur est connecté, pour que cet ordinateur garde son réseau.

%1

Que faire&#xa0;? %2</translation>
    </message>
    <message>
        <source>The new network password could not be set on every adapter.

%1

What to do: %2</source>
        <translation>Le nouveau mot de passe réseau n&apos;a pas pu être défini sur tous les adaptateurs.

%1

Que faire&#xa0;? %2</translation>
    </message>
    <message>
        <source>The new network password is set on every adapter, and every adapter was found again.

%1</source>
        <translation>Le nouveau mot de passe réseau est défini sur tous les adaptateurs, et tous les adaptateurs ont été retrouvés.

%1</translation>
    </message>
    <message>
        <source>The new network password is set on every adapter, but not every adapter was found again.

%1

What to do: An adapter can take a minute to join the network with its new password: scan again then. One that is still missing does not share the password of this computer&apos;s adapter: bring it back into the network as its manual says, for instance with its pairing button.</source>
        <translation>Le nouveau mot de passe réseau est défini sur tous les adaptateurs, mais tous les adaptateurs n&apos;ont pas été retrouvés.

%1

Que faire&#xa0;? Un adaptateur peut mettre une minute à rejoindre le réseau avec son nouveau mot de passe&#xa0;: relancez alors une recherche. Un adaptateur toujours absent n&apos;a pas le même mot de passe que l&apos;adaptateur de cet ordinateur&#xa0;: ramenez-le dans le réseau comme l&apos;indique son manuel, par exemple avec son bouton d&apos;appairage.</translation>
    </message>
    <message>
        <source>Tandrel cannot tell which adapter this computer is connected through, so only the selected adapter can be changed.</source>
        <translation>Tandrel ne peut pas déterminer par quel adaptateur cet ordinateur est connecté&#xa0;; seul l&apos;adaptateur sélectionné peut donc être modifié.</translation>
    </message>
</context>
<context>
    <name>NetworkPasswordPrompt</name>
    <message>
        <source>&amp;Every adapter found</source>
        <translation>&amp;Tous les adaptateurs trouvés</translation>
    </message>
    <message>
        <source>&amp;This adapter only</source>
        <translation>Cet adaptateur &amp;uniquement</translation>
    </message>
    <message>
        <source>Network password</source>
        <translation>Mot de passe réseau</translation>
    </message>
    <message>
        <source>%1 to %2 characters: letters without accents, digits, blanks and the signs of an English keyboard.</source>
        <translation>%1 à %2 caractères&#xa0;: lettres sans accents, chiffres, espaces et signes d&apos;un clavier anglais.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Password again</source>
        <translation>Confirmer le mot de passe</translation>
    </message>
    <message>
        <source>The same password once more, since it is not shown</source>
        <translation>Le même mot de passe une seconde fois, puisqu&apos;il n&apos;est pas affiché</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Password &amp;again:</source>
        <translation>&amp;Confirmer le mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Set the password on</source>
        <translation>Définir le mot de passe sur</translation>
    </message>
    <message>
        <source>The other adapters first, then the one this computer is connected through</source>
        <translation>D&apos;abord les autres adaptateurs, puis celui par lequel cet ordinateur est connecté</translation>
    </message>
    <message>
        <source>The selected adapter alone</source>
        <translation>L&apos;adaptateur sélectionné seul</translation>
    </message>
    <message>
        <source>Adapters with different passwords cannot reach each other.</source>
        <translation>Des adaptateurs aux mots de passe différents ne peuvent pas communiquer entre eux.</translation>
    </message>
</context>
<context>
    <name>NetworkUpgrade</name>
    <message>
        <source>upgraded from firmware %1 and reset to its factory defaults, not found again</source>
        <translation>mis à jour depuis le firmware %1 et remis aux paramètres d&apos;usine, pas retrouvé</translation>
    </message>
    <message>
        <source>upgraded from firmware %1, its factory reset failed, not found again</source>
        <translation>mis à jour depuis le firmware %1, le retour aux paramètres d&apos;usine a échoué, pas retrouvé</translation>
    </message>
    <message>
        <source>upgraded from firmware %1, its name kept, not found again</source>
        <translation>mis à jour depuis le firmware %1, nom conservé, pas retrouvé</translation>
    </message>
    <message>
        <source>upgraded from firmware %1, its name not kept, not found again</source>
        <translation>mis à jour depuis le firmware %1, nom non conservé, pas retrouvé</translation>
    </message>
    <message>
        <source>upgraded from firmware %1 to %2 and reset to its factory defaults</source>
        <translation>mis à jour du firmware %1 vers %2 et remis aux paramètres d&apos;usine</translation>
    </message>
    <message>
        <source>upgraded from firmware %1 to %2, its factory reset failed</source>
        <translation>mis à jour du firmware %1 vers %2, le retour aux paramètres d&apos;usine a échoué</translation>
    </message>
    <message>
        <source>upgraded from firmware %1 to %2, its name kept</source>
        <translation>mis à jour du firmware %1 vers %2, nom conservé</translation>
    </message>
    <message>
        <source>upgraded from firmware %1 to %2, its name not kept</source>
        <translation>mis à jour du firmware %1 vers %2, nom non conservé</translation>
    </message>
    <message>
        <source>%1, the adapter this computer is connected through</source>
        <translation>%1, l&apos;adaptateur par lequel cet ordinateur est connecté</translation>
    </message>
    <message>
        <source>not tried</source>
        <translation>pas essayé</translation>
    </message>
    <message>
        <source>not tried, and not found again</source>
        <translation>pas essayé, et pas retrouvé</translation>
    </message>
    <message>
        <source>the upgrade failed</source>
        <translation>la mise à jour a échoué</translation>
    </message>
    <message>
        <source>the upgrade failed, and not found again</source>
        <translation>la mise à jour a échoué, et pas retrouvé</translation>
    </message>
    <message>
        <source>- %1: %2</source>
        <translation>- %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The tool printed nothing.</source>
        <translation>L&apos;outil n&apos;a rien affiché.</translation>
    </message>
    <message>
        <source>The firmware upgrade stopped at %1: no further adapter was upgraded.</source>
        <translation>La mise à jour du firmware s&apos;est arrêtée à %1&#xa0;: aucun autre adaptateur n&apos;a été mis à jour.</translation>
    </message>
    <message>
        <source>Tandrel stopped before the adapter this computer is connected through, so that this computer keeps its network.</source>
        <translation>Tandrel s&apos;est arrêté avant l&apos;adaptateur par lequel cet ordinateur est connecté, pour que cet ordinateur garde son réseau.</translation>
    </message>
    <message>
        <source>What to do: Once the fault that the tool reports is dealt with, scan, then upgrade the adapters that do not have the new firmware yet.</source>
        <translation>Que faire&#xa0;: une fois le problème signalé par l&apos;outil réglé, lancez une recherche, puis mettez à jour les adaptateurs qui n&apos;ont pas encore le nouveau firmware.</translation>
    </message>
    <message>
        <source>Every adapter of this model was upgraded, but not every one was found again.</source>
        <translation>Tous les adaptateurs de ce modèle ont été mis à jour, mais ils n&apos;ont pas tous été retrouvés.</translation>
    </message>
    <message>
        <source>What to do: An adapter can take a few minutes to start its new firmware: scan again then.</source>
        <translation>Que faire&#xa0;: un adaptateur peut mettre quelques minutes à démarrer son nouveau firmware&#xa0;: relancez alors une recherche.</translation>
    </message>
    <message numerus="yes">
        <source>The new firmware is on all %n adapters of this model, and every one was found again.</source>
        <translation>
            <numerusform>Le nouveau firmware est sur l&apos;adaptateur de ce modèle (%n), et il a été retrouvé.</numerusform>
            <numerusform>Le nouveau firmware est sur les %n adaptateurs de ce modèle, et tous ont été retrouvés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Firmware is being written to several adapters. Ending the session now can leave an adapter without working firmware.</source>
        <translation>Un firmware est en cours d&apos;écriture sur plusieurs adaptateurs. Fermer la session maintenant peut laisser un adaptateur sans firmware fonctionnel.</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>[The output goes on. The whole of it is in Tandrel.log.]</source>
        <translation>[La sortie continue. Elle figure en entier dans Tandrel.log.]</translation>
    </message>
</context>
<context>
    <name>SessionEnd</name>
    <message>
        <source>Tandrel is waiting for pwlctl.exe to finish with an adapter.</source>
        <translation>Tandrel attend que pwlctl.exe ait fini avec un adaptateur.</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Looking for adapters...</source>
        <translation>Recherche des adaptateurs…</translation>
    </message>
</context>
<context>
    <name>UpgradeScopePrompt</name>
    <message numerus="yes">
        <source>Upgrade &amp;all %n</source>
        <translation>
            <numerusform>&amp;Tout mettre à jour (%n)</numerusform>
            <numerusform>&amp;Tout mettre à jour (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;This adapter only</source>
        <translation>Cet adaptateur &amp;uniquement</translation>
    </message>
    <message>
        <source>- %1, the adapter this computer is connected through</source>
        <translation>- %1, l&apos;adaptateur par lequel cet ordinateur est connecté</translation>
    </message>
    <message>
        <source>The last scan also listed one other adapter of model %1:</source>
        <translation>La dernière recherche a aussi trouvé un autre adaptateur du modèle %1&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>The last scan also listed %n other adapters of model %1:</source>
        <translation>
            <numerusform>La dernière recherche a aussi trouvé %n autre adaptateur du modèle %1&#xa0;:</numerusform>
            <numerusform>La dernière recherche a aussi trouvé %n autres adaptateurs du modèle %1&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>They can all get this firmware, one at a time, in an order that keeps this computer&apos;s way to the others: the adapter this computer is connected through last.</source>
        <translation>Ils peuvent tous recevoir ce firmware, l&apos;un après l&apos;autre, dans un ordre qui garde à cet ordinateur l&apos;accès aux autres&#xa0;: l&apos;adaptateur par lequel cet ordinateur est connecté en dernier.</translation>
    </message>
</context>
<context>
    <name>Widget</name>
    <message>
        <source>Select &amp;Device:</source>
        <translation>Sélectionnez l&apos;&amp;appareil&#xa0;:</translation>
    </message>
    <message>
        <source>Looks for adapters on every network interface</source>
        <translation>Recherche les adaptateurs sur toutes les interfaces réseau</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <extracomment>A verb, the button&apos;s action: look for adapters now.</extracomment>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>Select Device</source>
        <translation>Sélectionnez l&apos;appareil</translation>
    </message>
    <message>
        <source>The adapters that the last scan found. The arrow keys select one, Return opens its configuration.</source>
        <translation>Les adaptateurs trouvés par la dernière recherche. Les flèches en sélectionnent un, Entrée ouvre sa configuration.</translation>
    </message>
    <message>
        <source>Opens the configuration page of the selected adapter</source>
        <translation>Ouvre la page de configuration de l&apos;adaptateur sélectionné</translation>
    </message>
    <message>
        <source>&amp;Configure &gt;</source>
        <translation>&amp;Configurer &gt;</translation>
    </message>
    <message>
        <source>Back to the device list</source>
        <translation>Retour à la liste des appareils</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Name: %1&lt;/p&gt;&lt;p&gt;Firmware version: %2&lt;/p&gt;&lt;p&gt;Firmware date: %3&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <extracomment>The adapter&apos;s own name stands above these lines: &quot;Name&quot; labels its MODEL (%1), as the adapter&apos;s maker names it. %2 is the firmware version, %3 the firmware&apos;s date.</extracomment>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Modèle&#xa0;: %1&lt;/p&gt;&lt;p&gt;Version du firmware&#xa0;: %2&lt;/p&gt;&lt;p&gt;Date du firmware&#xa0;: %3&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&amp;Show Device Info</source>
        <translation>&amp;Infos sur l&apos;appareil</translation>
    </message>
    <message>
        <source>Starts the adapter again. It keeps its name, its network password and every other setting.</source>
        <translation>Redémarre l&apos;adaptateur. Il garde son nom, son mot de passe réseau et tous ses autres réglages.</translation>
    </message>
    <message>
        <source>Starts the adapter again; it keeps its settings</source>
        <translation>Redémarre l&apos;adaptateur&#xa0;; il garde ses réglages</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Redémarrer</translation>
    </message>
    <message>
        <source>Resets the adapter to its factory settings: its name and network password are lost</source>
        <translation>Rétablit les paramètres d&apos;usine de l&apos;adaptateur&#xa0;: son nom et son mot de passe réseau sont perdus</translation>
    </message>
    <message>
        <source>&amp;Factory Default</source>
        <translation>Paramètres d&apos;&amp;usine</translation>
    </message>
    <message>
        <source>Writes new firmware from a file into the adapter</source>
        <translation>Installe dans l&apos;adaptateur un nouveau firmware depuis un fichier</translation>
    </message>
    <message>
        <source>Firmware &amp;Upgrade</source>
        <translation>&amp;Mise à jour du firmware</translation>
    </message>
    <message>
        <source>Gives the adapter a name of your own, such as the room it is in. The list shows it beside the adapter.</source>
        <translation>Donne à l&apos;adaptateur un nom de votre choix, par exemple celui de la pièce où il se trouve. La liste l&apos;affiche à côté de l&apos;adaptateur.</translation>
    </message>
    <message>
        <source>Gives the adapter a name of your own, such as the room it is in</source>
        <translation>Donne à l&apos;adaptateur un nom de votre choix, par exemple celui de la pièce où il se trouve</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>Re&amp;nommer</translation>
    </message>
    <message>
        <source>Starts pairing the adapter with another one by simple connect</source>
        <translation>Lance l&apos;appairage de l&apos;adaptateur avec un autre par simple pression sur le bouton</translation>
    </message>
    <message>
        <source>Simple &amp;Connect</source>
        <extracomment>Pairing: the adapter joins another one whose pairing button is pressed too; the name under which the adapters&apos; makers offer it.</extracomment>
        <translation>&amp;Appairage simple</translation>
    </message>
    <message>
        <source>Sets the network password of the adapter</source>
        <translation>Définit le mot de passe réseau de l&apos;adaptateur</translation>
    </message>
    <message>
        <source>Change &amp;Key</source>
        <translation>Changer le mot de &amp;passe</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Failed to emit pwlctl.exe!</source>
        <translation>Impossible de lancer pwlctl.exe&#xa0;!</translation>
    </message>
    <message>
        <source>pwlctl.exe crashed!</source>
        <translation>pwlctl.exe s&apos;est arrêté brutalement&#xa0;!</translation>
    </message>
    <message>
        <source>Keep current configuration?</source>
        <translation>Conserver la configuration actuelle&#xa0;?</translation>
    </message>
    <message>
        <source>A firmware upgrade is in progress. Ending the session now can leave the adapter unusable.</source>
        <translation>Une mise à jour du firmware est en cours. Fermer la session maintenant peut rendre l&apos;adaptateur inutilisable.</translation>
    </message>
    <message>
        <source>The network password is being changed on every adapter. Ending the session now can split the network.</source>
        <translation>Le mot de passe réseau est en cours de changement sur tous les adaptateurs. Fermer la session maintenant peut scinder le réseau.</translation>
    </message>
</context>
</TS>
