<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AdapterActions</name>
    <message>
        <source>A scan after its restart did not find the adapter again.</source>
        <translation>Una búsqueda tras el reinicio no volvió a encontrar el adaptador.</translation>
    </message>
    <message>
        <source>After its restart the adapter reports no name (HFID &quot;%1&quot;).</source>
        <translation>Tras el reinicio, el adaptador no indica ningún nombre (HFID &quot;%1&quot;).</translation>
    </message>
    <message>
        <source>After its restart the adapter reports the name &quot;%1&quot; (HFID &quot;%2&quot;).</source>
        <translation>Tras el reinicio, el adaptador indica el nombre &quot;%1&quot; (HFID &quot;%2&quot;).</translation>
    </message>
    <message>
        <source>The adapter&apos;s name &quot;%1&quot; could not be restored: it did not report its new HFID within %2 seconds of the upgrade.
%3</source>
        <translation>No se pudo restaurar el nombre &quot;%1&quot; del adaptador: no indicó su nuevo HFID en los %2 segundos siguientes a la actualización.
%3</translation>
    </message>
    <message>
        <source>The adapter&apos;s name &quot;%1&quot; could not be written.
%2</source>
        <translation>No se pudo escribir el nombre &quot;%1&quot; en el adaptador.
%2</translation>
    </message>
    <message>
        <source>The adapter&apos;s name was too long for its new firmware and was shortened to &quot;%1&quot;.</source>
        <translation>El nombre del adaptador era demasiado largo para su firmware nuevo y se ha acortado a &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The adapter restarted and answers again.</source>
        <translation>El adaptador se ha reiniciado y vuelve a responder.</translation>
    </message>
    <message>
        <source>The adapter could not be restarted.
%1</source>
        <translation>No se pudo reiniciar el adaptador.
%1</translation>
    </message>
    <message>
        <source>The adapter did not answer within %1 seconds of its restart.
%2</source>
        <translation>El adaptador no respondió en los %1 segundos siguientes al reinicio.
%2</translation>
    </message>
    <message>
        <source>The adapter has no name already: the name is unchanged, and nothing was run.</source>
        <translation>El adaptador ya no tiene nombre: el nombre no cambia y no se ha ejecutado nada.</translation>
    </message>
    <message>
        <source>The adapter&apos;s name is &quot;%1&quot; already: the name is unchanged, and nothing was run.</source>
        <translation>El adaptador ya se llama &quot;%1&quot;: el nombre no cambia y no se ha ejecutado nada.</translation>
    </message>
    <message>
        <source>The adapter did not give its HFID, so nothing was written.
%1</source>
        <translation>El adaptador no indicó su HFID, así que no se escribió nada.
%1</translation>
    </message>
    <message>
        <source>%1
Nothing was written.</source>
        <translation>%1
No se escribió nada.</translation>
    </message>
    <message>
        <source>The adapter&apos;s name could not be removed.
%1</source>
        <translation>No se pudo eliminar el nombre del adaptador.
%1</translation>
    </message>
    <message>
        <source>The adapter&apos;s name was removed.
%1</source>
        <extracomment>What became of the name before a later step failed; %1 tells that step</extracomment>
        <translation>Se ha eliminado el nombre del adaptador.
%1</translation>
    </message>
    <message>
        <source>The adapter&apos;s new name was written.
%1</source>
        <translation>Se ha escrito el nuevo nombre en el adaptador.
%1</translation>
    </message>
    <message>
        <source>The adapter has no name now.</source>
        <translation>El adaptador ya no tiene nombre.</translation>
    </message>
    <message>
        <source>The adapter&apos;s name is now &quot;%1&quot;.</source>
        <translation>El adaptador se llama ahora &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>AdapterName</name>
    <message>
        <source>The name cannot hold %1: an adapter&apos;s name takes only printable ASCII characters (letters, digits, blanks and the signs from ! to ~).</source>
        <translation>El nombre no puede contener %1: el nombre de un adaptador solo admite caracteres ASCII imprimibles (letras sin acentos, números, espacios y los signos de ! a ~).</translation>
    </message>
    <message>
        <source>This adapter takes no name: its own HFID fills the %1 bytes that it holds.</source>
        <translation>Este adaptador no admite nombre: su propio HFID ocupa los %1 bytes de que dispone.</translation>
    </message>
    <message>
        <source>The list of adapters would not read this name back whole: the adapter would be shown there without its name and model.</source>
        <translation>La lista de adaptadores no leería este nombre completo: el adaptador aparecería en ella sin su nombre ni su modelo.</translation>
    </message>
    <message>
        <source>The name cannot hold &quot;%1&quot;: the list of adapters would read it wrongly, and show the adapter without its name and model.</source>
        <translation>El nombre no puede contener &quot;%1&quot;: la lista de adaptadores lo leería mal y mostraría el adaptador sin su nombre ni su modelo.</translation>
    </message>
    <message numerus="yes">
        <source>The name is too long: this adapter takes a name of at most %n characters.</source>
        <translation>
            <numerusform>El nombre es demasiado largo: este adaptador admite un nombre de %n carácter como máximo.</numerusform>
            <numerusform>El nombre es demasiado largo: este adaptador admite un nombre de %n caracteres como máximo.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <source>Model %1, address %2</source>
        <translation>Modelo %1, dirección %2</translation>
    </message>
    <message>
        <source>%1, model %2, address %3</source>
        <extracomment>%1 is the adapter&apos;s own name</extracomment>
        <translation>%1, modelo %2, dirección %3</translation>
    </message>
</context>
<context>
    <name>BusyCaption</name>
    <message>
        <source>%1 of %2</source>
        <extracomment>The step of an action of several, in a busy caption (&quot;2 of 3&quot;)</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1, closing when done</source>
        <extracomment>A busy caption, and that the window closes when the action is done</extracomment>
        <translation>%1, se cerrará al terminar</translation>
    </message>
    <message>
        <source>Running...</source>
        <translation>En curso…</translation>
    </message>
    <message>
        <source>Running... %1</source>
        <extracomment>%1 is how far the action is (&quot;2 of 3, 0:42&quot;)</extracomment>
        <translation>En curso… %1</translation>
    </message>
    <message>
        <source>%1: running</source>
        <extracomment>A busy button as a screen reader says it; %1 is the button&apos;s caption</extracomment>
        <translation>%1: en curso</translation>
    </message>
    <message>
        <source>%1: running, %2</source>
        <extracomment>%1 is the button&apos;s caption, %2 how far the action is (&quot;2 of 3, 0:42&quot;)</extracomment>
        <translation>%1: en curso, %2</translation>
    </message>
</context>
<context>
    <name>BusyFocus</name>
    <message>
        <source>Tandrel waits for pwlctl.exe; keys and clicks are ignored until it is done</source>
        <translation>Tandrel espera a pwlctl.exe; las teclas y los clics se ignoran hasta que termine</translation>
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
        <translation>este ordenador</translation>
    </message>
    <message>
        <source>%1, this computer</source>
        <translation>%1, este ordenador</translation>
    </message>
</context>
<context>
    <name>DialogDeviceInfo</name>
    <message>
        <source>What pwlctl.exe reported</source>
        <translation>Lo que ha informado pwlctl.exe</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>EventLog</name>
    <message>
        <source>Log file open failed!
%1
%2</source>
        <translation>¡No se pudo abrir el archivo de registro!
%1
%2</translation>
    </message>
    <message>
        <source>The event log could not be written.
%1
%2
Tandrel keeps the records and writes them as soon as it can.</source>
        <translation>No se pudo escribir el registro de eventos.
%1
%2
Tandrel conserva las entradas y las escribe en cuanto puede.</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>Tandrel is already running in this folder.
%1</source>
        <translation>Tandrel ya se está ejecutando en esta carpeta.
%1</translation>
    </message>
</context>
<context>
    <name>NamePrompt</name>
    <message>
        <source>The adapter&apos;s new name (an empty name removes it):
%1</source>
        <translation>El nuevo nombre del adaptador (un nombre vacío lo elimina):
%1</translation>
    </message>
    <message>
        <source>The adapter&apos;s new name (an empty name removes it):
The list shows no model for this adapter, so Tandrel cannot tell how many characters its name may have.</source>
        <translation>El nombre nuevo del adaptador (un nombre vacío lo elimina):
La lista no muestra ningún modelo para este adaptador, así que Tandrel no puede saber cuántos caracteres puede tener su nombre.</translation>
    </message>
    <message numerus="yes">
        <source>The adapter&apos;s new name (an empty name removes it):
%n characters left.</source>
        <translation>
            <numerusform>El nuevo nombre del adaptador (un nombre vacío lo elimina):
Queda %n carácter.</numerusform>
            <numerusform>El nuevo nombre del adaptador (un nombre vacío lo elimina):
Quedan %n caracteres.</numerusform>
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
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>not tried</source>
        <translation>no intentado</translation>
    </message>
    <message>
        <source>new password</source>
        <translation>contraseña nueva</translation>
    </message>
    <message>
        <source>new password, set by an earlier attempt</source>
        <translation>contraseña nueva, establecida en un intento anterior</translation>
    </message>
    <message>
        <source>failed; the tool printed nothing</source>
        <translation>error; la herramienta no mostró nada</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>error: %1</translation>
    </message>
    <message>
        <source>found again with the new password</source>
        <translation>encontrado de nuevo con la contraseña nueva</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>no encontrado</translation>
    </message>
    <message>
        <source>- %1, the adapter this computer is connected through: %2</source>
        <extracomment>An adapter&apos;s line of the report: the adapter, then what became of it</extracomment>
        <translation>- %1, el adaptador a través del cual está conectado este ordenador: %2</translation>
    </message>
    <message>
        <source>- %1: %2</source>
        <translation>- %1: %2</translation>
    </message>
    <message>
        <source>No adapter was changed. Once the fault that the tool reports is dealt with, try again.</source>
        <translation>No se ha cambiado ningún adaptador. Cuando se haya resuelto el fallo que indica la herramienta, vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The other adapters have the new password and have left the network of this computer&apos;s adapter. Once the fault that the tool reports is dealt with, set the same password on this computer&apos;s adapter alone (&quot;This adapter only&quot;): the others join it again.</source>
        <translation>Los demás adaptadores tienen la contraseña nueva y han salido de la red del adaptador de este ordenador. Cuando se haya resuelto el fallo que indica la herramienta, establezca la misma contraseña solo en el adaptador de este ordenador (&quot;Solo este adaptador&quot;): los demás volverán a unirse.</translation>
    </message>
    <message>
        <source>The adapters with the new password have left the network until this computer&apos;s adapter has it too. Once the fault that the tool reports is dealt with, change the key on every adapter again with the same password: Tandrel scans first, the adapters found get it, and those that have it already join them again.</source>
        <translation>Los adaptadores con la contraseña nueva han salido de la red hasta que el adaptador de este ordenador también la tenga. Cuando se haya resuelto el fallo que indica la herramienta, vuelva a cambiar la clave en todos los adaptadores con la misma contraseña: Tandrel busca primero, los adaptadores encontrados la reciben y los que ya la tienen vuelven a unirse a ellos.</translation>
    </message>
    <message>
        <source>The password takes printable ASCII characters only: letters without accents, digits, blanks and the signs of an English keyboard.</source>
        <translation>La contraseña solo admite caracteres ASCII imprimibles: letras sin acentos ni eñes, números, espacios y los signos de un teclado inglés.</translation>
    </message>
    <message numerus="yes">
        <source>The password is too short: it takes at least %n characters.</source>
        <translation>
            <numerusform>La contraseña es demasiado corta: necesita al menos %n carácter.</numerusform>
            <numerusform>La contraseña es demasiado corta: necesita al menos %n caracteres.</numerusform>
        </translation>
    </message>
    <message>
        <source>The password is too long: it takes at most %1 characters, and this one has %2.</source>
        <translation>La contraseña es demasiado larga: admite como máximo %1 caracteres y esta tiene %2.</translation>
    </message>
    <message>
        <source>The two entries differ. Type the password twice again.</source>
        <translation>Las dos entradas no coinciden. Vuelva a escribir la contraseña dos veces.</translation>
    </message>
    <message numerus="yes">
        <source>
This adapter now leaves the network of %1 unless they get the same password: adapters with different passwords cannot reach each other.</source>
        <extracomment>%1 lists the other adapters; %n is how many they are</extracomment>
        <translation>
            <numerusform>
Este adaptador sale ahora de la red de %1, a menos que este también reciba la misma contraseña: los adaptadores con contraseñas distintas no pueden comunicarse entre sí.</numerusform>
            <numerusform>
Este adaptador sale ahora de la red de %1, a menos que estos también reciban la misma contraseña: los adaptadores con contraseñas distintas no pueden comunicarse entre sí.</numerusform>
        </translation>
    </message>
    <message>
        <source>The new network password could not be set on every adapter. Tandrel stopped before the adapter this computer is connected through, so that this computer keeps its network.

%1

What to do: %2</source>
        <translation>No se pudo establecer la contraseña de red nueva en todos los adaptadores. Tandrel se detuvo antes del adaptador a través del cual está conectado este ordenador, para que este ordenador conserve su red.

%1

Qué hacer: %2</translation>
    </message>
    <message>
        <source>The new network password could not be set on every adapter.

%1

What to do: %2</source>
        <translation>No se pudo establecer la contraseña de red nueva en todos los adaptadores.

%1

Qué hacer: %2</translation>
    </message>
    <message>
        <source>The new network password is set on every adapter, and every adapter was found again.

%1</source>
        <translation>La contraseña de red nueva está establecida en todos los adaptadores y todos se han vuelto a encontrar.

%1</translation>
    </message>
    <message>
        <source>The new network password is set on every adapter, but not every adapter was found again.

%1

What to do: An adapter can take a minute to join the network with its new password: scan again then. One that is still missing does not share the password of this computer&apos;s adapter: bring it back into the network as its manual says, for instance with its pairing button.</source>
        <translation>La contraseña de red nueva está establecida en todos los adaptadores, pero no todos se han vuelto a encontrar.

%1

Qué hacer: un adaptador puede tardar un minuto en unirse a la red con su contraseña nueva: busque de nuevo entonces. Uno que siga sin aparecer no comparte la contraseña del adaptador de este ordenador: vuelva a añadirlo a la red como indica su manual, por ejemplo con su botón de emparejamiento.</translation>
    </message>
    <message>
        <source>Tandrel cannot tell which adapter this computer is connected through, so only the selected adapter can be changed.</source>
        <translation>Tandrel no puede saber a través de qué adaptador está conectado este ordenador, así que solo se puede cambiar el adaptador seleccionado.</translation>
    </message>
</context>
<context>
    <name>NetworkPasswordPrompt</name>
    <message>
        <source>&amp;Every adapter found</source>
        <translation>&amp;Todos los adaptadores encontrados</translation>
    </message>
    <message>
        <source>&amp;This adapter only</source>
        <translation>&amp;Solo este adaptador</translation>
    </message>
    <message>
        <source>Network password</source>
        <translation>Contraseña de red</translation>
    </message>
    <message>
        <source>%1 to %2 characters: letters without accents, digits, blanks and the signs of an English keyboard.</source>
        <translation>De %1 a %2 caracteres: letras sin acentos ni eñes, números, espacios y los signos de un teclado inglés.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Password again</source>
        <translation>Repetir contraseña</translation>
    </message>
    <message>
        <source>The same password once more, since it is not shown</source>
        <translation>La misma contraseña otra vez, ya que no se muestra</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>Password &amp;again:</source>
        <translation>&amp;Repetir contraseña:</translation>
    </message>
    <message>
        <source>Set the password on</source>
        <translation>Establecer la contraseña en</translation>
    </message>
    <message>
        <source>The other adapters first, then the one this computer is connected through</source>
        <translation>Primero los demás adaptadores y después aquel a través del cual está conectado este ordenador</translation>
    </message>
    <message>
        <source>The selected adapter alone</source>
        <translation>Solo el adaptador seleccionado</translation>
    </message>
    <message>
        <source>Adapters with different passwords cannot reach each other.</source>
        <translation>Los adaptadores con contraseñas distintas no pueden comunicarse entre sí.</translation>
    </message>
</context>
<context>
    <name>NetworkUpgrade</name>
    <message>
        <source>upgraded from firmware %1 and reset to its factory defaults, not found again</source>
        <translation>actualizado desde el firmware %1 y restablecido a los valores de fábrica, no se ha vuelto a encontrar</translation>
    </message>
    <message>
        <source>upgraded from firmware %1, its factory reset failed, not found again</source>
        <translation>actualizado desde el firmware %1, el restablecimiento a los valores de fábrica ha fallado, no se ha vuelto a encontrar</translation>
    </message>
    <message>
        <source>upgraded from firmware %1, its name kept, not found again</source>
        <translation>actualizado desde el firmware %1, nombre conservado, no se ha vuelto a encontrar</translation>
    </message>
    <message>
        <source>upgraded from firmware %1, its name not kept, not found again</source>
        <translation>actualizado desde el firmware %1, nombre no conservado, no se ha vuelto a encontrar</translation>
    </message>
    <message>
        <source>upgraded from firmware %1 to %2 and reset to its factory defaults</source>
        <translation>actualizado del firmware %1 al %2 y restablecido a los valores de fábrica</translation>
    </message>
    <message>
        <source>upgraded from firmware %1 to %2, its factory reset failed</source>
        <translation>actualizado del firmware %1 al %2, el restablecimiento a los valores de fábrica ha fallado</translation>
    </message>
    <message>
        <source>upgraded from firmware %1 to %2, its name kept</source>
        <translation>actualizado del firmware %1 al %2, nombre conservado</translation>
    </message>
    <message>
        <source>upgraded from firmware %1 to %2, its name not kept</source>
        <translation>actualizado del firmware %1 al %2, nombre no conservado</translation>
    </message>
    <message>
        <source>%1, the adapter this computer is connected through</source>
        <translation>%1, el adaptador a través del cual está conectado este ordenador</translation>
    </message>
    <message>
        <source>not tried</source>
        <translation>no intentado</translation>
    </message>
    <message>
        <source>not tried, and not found again</source>
        <translation>no intentado y no se ha vuelto a encontrar</translation>
    </message>
    <message>
        <source>the upgrade failed</source>
        <translation>la actualización ha fallado</translation>
    </message>
    <message>
        <source>the upgrade failed, and not found again</source>
        <translation>la actualización ha fallado y no se ha vuelto a encontrar</translation>
    </message>
    <message>
        <source>- %1: %2</source>
        <translation>- %1: %2</translation>
    </message>
    <message>
        <source>The tool printed nothing.</source>
        <translation>La herramienta no ha mostrado nada.</translation>
    </message>
    <message>
        <source>The firmware upgrade stopped at %1: no further adapter was upgraded.</source>
        <translation>La actualización de firmware se detuvo en %1: no se ha actualizado ningún otro adaptador.</translation>
    </message>
    <message>
        <source>Tandrel stopped before the adapter this computer is connected through, so that this computer keeps its network.</source>
        <translation>Tandrel se detuvo antes del adaptador a través del cual está conectado este ordenador, para que este ordenador conserve su red.</translation>
    </message>
    <message>
        <source>What to do: Once the fault that the tool reports is dealt with, scan, then upgrade the adapters that do not have the new firmware yet.</source>
        <translation>Qué hacer: cuando se haya resuelto el fallo que indica la herramienta, busque de nuevo y actualice los adaptadores que aún no tienen el firmware nuevo.</translation>
    </message>
    <message>
        <source>Every adapter of this model was upgraded, but not every one was found again.</source>
        <translation>Se han actualizado todos los adaptadores de este modelo, pero no todos se han vuelto a encontrar.</translation>
    </message>
    <message>
        <source>What to do: An adapter can take a few minutes to start its new firmware: scan again then.</source>
        <translation>Qué hacer: un adaptador puede tardar unos minutos en iniciar su firmware nuevo: vuelva a buscar entonces.</translation>
    </message>
    <message numerus="yes">
        <source>The new firmware is on all %n adapters of this model, and every one was found again.</source>
        <translation>
            <numerusform>El firmware nuevo está en el adaptador de este modelo (%n) y se ha vuelto a encontrar.</numerusform>
            <numerusform>El firmware nuevo está en los %n adaptadores de este modelo y todos se han vuelto a encontrar.</numerusform>
        </translation>
    </message>
    <message>
        <source>Firmware is being written to several adapters. Ending the session now can leave an adapter without working firmware.</source>
        <translation>Se está escribiendo firmware en varios adaptadores. Cerrar la sesión ahora puede dejar un adaptador sin un firmware que funcione.</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>[The output goes on. The whole of it is in Tandrel.log.]</source>
        <translation>[La salida continúa. Está completa en Tandrel.log.]</translation>
    </message>
</context>
<context>
    <name>SessionEnd</name>
    <message>
        <source>Tandrel is waiting for pwlctl.exe to finish with an adapter.</source>
        <translation>Tandrel espera a que pwlctl.exe termine con un adaptador.</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Looking for adapters...</source>
        <translation>Buscando adaptadores…</translation>
    </message>
</context>
<context>
    <name>UpgradeScopePrompt</name>
    <message numerus="yes">
        <source>Upgrade &amp;all %n</source>
        <translation>
            <numerusform>Actualizar &amp;todos (%n)</numerusform>
            <numerusform>Actualizar &amp;todos (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;This adapter only</source>
        <translation>&amp;Solo este adaptador</translation>
    </message>
    <message>
        <source>- %1, the adapter this computer is connected through</source>
        <translation>- %1, el adaptador a través del cual está conectado este ordenador</translation>
    </message>
    <message>
        <source>The last scan also listed one other adapter of model %1:</source>
        <translation>La última búsqueda también encontró otro adaptador del modelo %1:</translation>
    </message>
    <message numerus="yes">
        <source>The last scan also listed %n other adapters of model %1:</source>
        <translation>
            <numerusform>La última búsqueda también encontró %n adaptador más del modelo %1:</numerusform>
            <numerusform>La última búsqueda también encontró %n adaptadores más del modelo %1:</numerusform>
        </translation>
    </message>
    <message>
        <source>They can all get this firmware, one at a time, in an order that keeps this computer&apos;s way to the others: the adapter this computer is connected through last.</source>
        <translation>Todos pueden recibir este firmware, uno a uno, en un orden que mantiene el camino de este ordenador hacia los demás: el adaptador a través del cual está conectado este ordenador, el último.</translation>
    </message>
</context>
<context>
    <name>Widget</name>
    <message>
        <source>Select &amp;Device:</source>
        <translation>Seleccione el &amp;dispositivo:</translation>
    </message>
    <message>
        <source>Looks for adapters on every network interface</source>
        <translation>Busca adaptadores en todas las interfaces de red</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <extracomment>A verb, the button&apos;s action: look for adapters now.</extracomment>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Select Device</source>
        <translation>Seleccione el dispositivo</translation>
    </message>
    <message>
        <source>The adapters that the last scan found. The arrow keys select one, Return opens its configuration.</source>
        <translation>Los adaptadores que encontró la última búsqueda. Las flechas seleccionan uno, Intro abre su configuración.</translation>
    </message>
    <message>
        <source>Opens the configuration page of the selected adapter</source>
        <translation>Abre la página de configuración del adaptador seleccionado</translation>
    </message>
    <message>
        <source>&amp;Configure &gt;</source>
        <translation>&amp;Configurar &gt;</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Back to the device list</source>
        <translation>Volver a la lista de dispositivos</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Name: %1&lt;/p&gt;&lt;p&gt;Firmware version: %2&lt;/p&gt;&lt;p&gt;Firmware date: %3&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <extracomment>The adapter&apos;s own name stands above these lines: &quot;Name&quot; labels its MODEL (%1), as the adapter&apos;s maker names it. %2 is the firmware version, %3 the firmware&apos;s date.</extracomment>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Modelo: %1&lt;/p&gt;&lt;p&gt;Versión de firmware: %2&lt;/p&gt;&lt;p&gt;Fecha de firmware: %3&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&amp;Show Device Info</source>
        <translation>&amp;Mostrar info del dispositivo</translation>
    </message>
    <message>
        <source>Starts the adapter again. It keeps its name, its network password and every other setting.</source>
        <translation>Reinicia el adaptador. Conserva su nombre, su contraseña de red y todos los demás ajustes.</translation>
    </message>
    <message>
        <source>Starts the adapter again; it keeps its settings</source>
        <translation>Reinicia el adaptador; conserva sus ajustes</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <source>Resets the adapter to its factory settings: its name and network password are lost</source>
        <translation>Restablece el adaptador a los valores de fábrica: se pierden su nombre y su contraseña de red</translation>
    </message>
    <message>
        <source>&amp;Factory Default</source>
        <translation>Valores de &amp;fábrica</translation>
    </message>
    <message>
        <source>Writes new firmware from a file into the adapter</source>
        <translation>Instala en el adaptador un firmware nuevo desde un archivo</translation>
    </message>
    <message>
        <source>Firmware &amp;Upgrade</source>
        <translation>&amp;Actualizar firmware</translation>
    </message>
    <message>
        <source>Gives the adapter a name of your own, such as the room it is in. The list shows it beside the adapter.</source>
        <translation>Da al adaptador un nombre propio, por ejemplo el de la habitación donde está. La lista lo muestra junto al adaptador.</translation>
    </message>
    <message>
        <source>Gives the adapter a name of your own, such as the room it is in</source>
        <translation>Da al adaptador un nombre propio, por ejemplo el de la habitación donde está</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>Cambiar &amp;nombre</translation>
    </message>
    <message>
        <source>Starts pairing the adapter with another one by simple connect</source>
        <translation>Inicia el emparejamiento del adaptador con otro pulsando el botón</translation>
    </message>
    <message>
        <source>Simple &amp;Connect</source>
        <extracomment>Pairing: the adapter joins another one whose pairing button is pressed too; the name under which the adapters&apos; makers offer it.</extracomment>
        <translation>&amp;Emparejamiento simple</translation>
    </message>
    <message>
        <source>Sets the network password of the adapter</source>
        <translation>Establece la contraseña de red del adaptador</translation>
    </message>
    <message>
        <source>Change &amp;Key</source>
        <translation>Cambiar contra&amp;seña</translation>
    </message>
    <message>
        <source>Failed to emit pwlctl.exe!</source>
        <translation>¡No se pudo iniciar pwlctl.exe!</translation>
    </message>
    <message>
        <source>pwlctl.exe crashed!</source>
        <translation>¡pwlctl.exe se ha bloqueado!</translation>
    </message>
    <message>
        <source>Keep current configuration?</source>
        <translation>¿Conservar la configuración actual?</translation>
    </message>
    <message>
        <source>A firmware upgrade is in progress. Ending the session now can leave the adapter unusable.</source>
        <translation>Hay una actualización de firmware en curso. Cerrar la sesión ahora puede dejar el adaptador inservible.</translation>
    </message>
    <message>
        <source>The network password is being changed on every adapter. Ending the session now can split the network.</source>
        <translation>Se está cambiando la contraseña de red en todos los adaptadores. Cerrar la sesión ahora puede dividir la red.</translation>
    </message>
</context>
</TS>
