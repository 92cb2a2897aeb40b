<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
</context>
</TS>
