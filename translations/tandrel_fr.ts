<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
</context>
</TS>
