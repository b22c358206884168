<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Tavrik</source>
        <translation>Acerca de Tavrik</translation>
    </message>
    <message>
        <source>Thank you for using Tavrik</source>
        <translation>Gracias por usar Tavrik</translation>
    </message>
    <message>
        <source>Tavrik is a sound recording program. It records sound generated, or requested, by other computer programs, such as RealPlayer, Windows Media Player, Quick Time, WinAmp, and many others.</source>
        <translation>Tavrik es un programa de grabación de sonido. Graba el sonido que generan o solicitan otros programas del equipo, como RealPlayer, Windows Media Player, Quick Time, WinAmp y muchos otros.</translation>
    </message>
    <message>
        <source>Read &lt;a href=&quot;help&quot;&gt;the Tavrik help&lt;/a&gt; to get started.</source>
        <translation>Lea &lt;a href=&quot;help&quot;&gt;la ayuda de Tavrik&lt;/a&gt; para empezar.</translation>
    </message>
    <message>
        <source>Visit &lt;a href=&quot;%1&quot;&gt;our web site&lt;/a&gt; for news and updates.</source>
        <translation>Visite &lt;a href=&quot;%1&quot;&gt;nuestro sitio web&lt;/a&gt; para obtener noticias y actualizaciones.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Tavrik developers. License: GPL-3.0-or-later.
This program comes with ABSOLUTELY NO WARRANTY. This is free software, and you are welcome to redistribute it under the terms of the GNU General Public License, version 3 or any later version.</source>
        <translation>Copyright (C) 2026 los desarrolladores de Tavrik. Licencia: GPL-3.0-or-later.
Este programa se distribuye SIN NINGUNA GARANTÍA. Es software libre, y puede redistribuirlo según los términos de la Licencia Pública General de GNU, versión 3 o cualquier versión posterior.</translation>
    </message>
</context>
<context>
    <name>AdvancedLineDialog</name>
    <message>
        <source>%1: Advanced Properties</source>
        <translation>%1: propiedades avanzadas</translation>
    </message>
</context>
<context>
    <name>ApplicationCore</name>
    <message>
        <source>No sound</source>
        <translation>Sin sonido</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not available: silence stands in for it while the other sources go on.</source>
        <translation>&quot;%1&quot; no está disponible: se graba silencio en su lugar mientras continúan las demás fuentes.</translation>
    </message>
    <message>
        <source>Source lost</source>
        <translation>Fuente perdida</translation>
    </message>
    <message>
        <source>Recording stopped</source>
        <translation>Grabación detenida</translation>
    </message>
    <message>
        <source>The schedule holds more than %1 entries: the first %1 are loaded, and the whole file is kept as &quot;%2&quot;.</source>
        <translation>La programación contiene más de %1 entradas: se cargan las primeras %1 y el archivo completo se conserva como &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The sound server (PulseAudio) is running; recording can start.</source>
        <translation>El servidor de sonido (PulseAudio) está en ejecución; se puede empezar a grabar.</translation>
    </message>
    <message>
        <source>The sound server (PulseAudio) stopped or can no longer be reached.</source>
        <translation>El servidor de sonido (PulseAudio) se ha detenido o ya no es accesible.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer available: recording from &quot;%2&quot; instead.</source>
        <translation>&quot;%1&quot; ya no está disponible: se graba desde &quot;%2&quot; en su lugar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer available: Record will record &quot;%2&quot; instead.</source>
        <translation>&quot;%1&quot; ya no está disponible: Grabar grabará &quot;%2&quot; en su lugar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is available again and will be recorded.</source>
        <translation>&quot;%1&quot; vuelve a estar disponible y se grabará.</translation>
    </message>
</context>
<context>
    <name>AudioFileReader</name>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>No se puede abrir %1: %2.</translation>
    </message>
    <message>
        <source>Cannot decode %1: %2</source>
        <translation>No se puede descodificar %1: %2</translation>
    </message>
</context>
<context>
    <name>AudioFileWriter</name>
    <message>
        <source> Recording stopped; the file holds everything written before.</source>
        <translation> Grabación detenida; el archivo conserva todo lo escrito hasta ese momento.</translation>
    </message>
    <message>
        <source>The disk is full (%1).</source>
        <translation>El disco está lleno (%1).</translation>
    </message>
    <message>
        <source>The file has reached the largest size allowed here (%1).</source>
        <translation>El archivo ha alcanzado el tamaño máximo permitido aquí (%1).</translation>
    </message>
    <message>
        <source>Cannot write the file: %1.</source>
        <translation>No se puede escribir el archivo: %1.</translation>
    </message>
    <message>
        <source>Unknown file type &quot;%1&quot;: use WAV, MP3, VOX, RAW, G726, OGG or WMA.</source>
        <translation>Tipo de archivo desconocido &quot;%1&quot;: use WAV, MP3, VOX, RAW, G726, OGG o WMA.</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>No se puede crear %1: %2</translation>
    </message>
    <message>
        <source>Cannot create %1: %2.</source>
        <translation>No se puede crear %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write these blocks: %1.</source>
        <translation>No se pueden escribir estos bloques: %1.</translation>
    </message>
</context>
<context>
    <name>AudioPlayer</name>
    <message>
        <source>Playback could not start: %1.</source>
        <translation>No se pudo iniciar la reproducción: %1.</translation>
    </message>
    <message>
        <source>Playback could not start: the sound server did not answer.</source>
        <translation>No se pudo iniciar la reproducción: el servidor de sonido no respondió.</translation>
    </message>
    <message>
        <source>The sound server (PulseAudio) stopped or can no longer be reached.</source>
        <translation>El servidor de sonido (PulseAudio) se ha detenido o ya no es accesible.</translation>
    </message>
    <message>
        <source>Playback stopped unexpectedly.</source>
        <translation>La reproducción se detuvo inesperadamente.</translation>
    </message>
    <message>
        <source>No sound server (PulseAudio) is running, so nothing can be played.</source>
        <translation>No hay ningún servidor de sonido (PulseAudio) en ejecución, así que no se puede reproducir nada.</translation>
    </message>
</context>
<context>
    <name>AudioPlayerWindow</name>
    <message>
        <source>All Supported Formats(*.mp3 *.cda *.wma *.wav *.asf *.asx *.lsf *.lsx *.mid *.midi *.rmi *.aif *.aifc *.aiff *.au *.snd);;CD Images(*.cue)</source>
        <translation>Todos los formatos compatibles(*.mp3 *.cda *.wma *.wav *.asf *.asx *.lsf *.lsx *.mid *.midi *.rmi *.aif *.aifc *.aiff *.au *.snd);;Imágenes de CD(*.cue)</translation>
    </message>
    <message>
        <source>All Supported Formats(*.mp3 *.cda *.wav *.wma *.asf *.asx *.lsf *.lsx *.mid *.midi *.rmi *.aif *.aifc *.aiff *.au *.snd);;CD Images(*.cue)</source>
        <translation>Todos los formatos compatibles(*.mp3 *.cda *.wav *.wma *.asf *.asx *.lsf *.lsx *.mid *.midi *.rmi *.aif *.aifc *.aiff *.au *.snd);;Imágenes de CD(*.cue)</translation>
    </message>
    <message>
        <source>Playlist(*.m3u *.M3u *.M3U *.m3u8 *.M3U8)</source>
        <translation>Lista de reproducción(*.m3u *.M3u *.M3U *.m3u8 *.M3U8)</translation>
    </message>
    <message>
        <source>Audio Player</source>
        <translation>Reproductor de audio</translation>
    </message>
    <message>
        <source>On Top</source>
        <translation>Siempre encima</translation>
    </message>
    <message>
        <source>Small Window</source>
        <translation>Ventana pequeña</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Click &quot;play&quot; button to open an audio file</source>
        <translation>Pulse el botón &quot;Reproducir&quot; para abrir un archivo de audio</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Shuffle Songs</source>
        <translation>Orden aleatorio</translation>
    </message>
    <message>
        <source>Repeat Song</source>
        <translation>Repetir canción</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Añadir archivos</translation>
    </message>
    <message>
        <source>Playlists</source>
        <translation>Listas de reproducción</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Decrease Vloume</source>
        <translation>Bajar volumen</translation>
    </message>
    <message>
        <source>Increase Vloume</source>
        <translation>Subir volumen</translation>
    </message>
    <message>
        <source>Add Songs</source>
        <translation>Añadir canciones</translation>
    </message>
    <message>
        <source>Add Song</source>
        <translation>Añadir canción</translation>
    </message>
    <message>
        <source>Add Directory</source>
        <translation>Añadir carpeta</translation>
    </message>
    <message>
        <source>Load Playlist</source>
        <translation>Cargar lista de reproducción</translation>
    </message>
    <message>
        <source>Save Playlist</source>
        <translation>Guardar lista de reproducción</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Select A Song</source>
        <translation>Seleccione una canción</translation>
    </message>
    <message>
        <source>Loading the play list...</source>
        <translation>Cargando la lista de reproducción...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>%1Audio Player...</source>
        <translation>%1Reproductor de audio...</translation>
    </message>
</context>
<context>
    <name>AudioRecorder</name>
    <message>
        <source>the sound server did not answer</source>
        <translation>el servidor de sonido no respondió</translation>
    </message>
    <message>
        <source>Recording from &quot;%1&quot; could not start: %2.</source>
        <translation>No se pudo iniciar la grabación desde &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Recording from %1 could not start: %2.</source>
        <translation>No se pudo iniciar la grabación desde %1: %2.</translation>
    </message>
    <message>
        <source>%1 s of sound were lost because Tavrik was too busy to collect it.</source>
        <translation>Se perdieron %1 s de sonido porque Tavrik estaba demasiado ocupado para recogerlo.</translation>
    </message>
    <message>
        <source>The recording device &quot;%1&quot; is no longer available.</source>
        <translation>El dispositivo de grabación &quot;%1&quot; ya no está disponible.</translation>
    </message>
    <message>
        <source>The sound server (PulseAudio) stopped or can no longer be reached.</source>
        <translation>El servidor de sonido (PulseAudio) se ha detenido o ya no es accesible.</translation>
    </message>
    <message>
        <source>Recording from &quot;%1&quot; stopped unexpectedly: %2.</source>
        <translation>La grabación desde &quot;%1&quot; se detuvo inesperadamente: %2.</translation>
    </message>
    <message>
        <source>No sound server (PulseAudio) is running, so there is nothing to record from.</source>
        <translation>No hay ningún servidor de sonido (PulseAudio) en ejecución, así que no hay nada desde lo que grabar.</translation>
    </message>
    <message>
        <source>None of the sources chosen to record together is available.</source>
        <translation>No está disponible ninguna de las fuentes elegidas para grabar juntas.</translation>
    </message>
    <message>
        <source>No recording device is selected.</source>
        <translation>No se ha seleccionado ningún dispositivo de grabación.</translation>
    </message>
    <message>
        <source>Other sources</source>
        <translation>Otras fuentes</translation>
    </message>
</context>
<context>
    <name>CdAudio</name>
    <message>
        <source>%1 is not a regular file, so it cannot be read as a disc image</source>
        <translation>%1 no es un archivo normal, así que no se puede leer como imagen de disco</translation>
    </message>
    <message>
        <source>%1 is not a CD drive or disc image</source>
        <translation>%1 no es una unidad de CD ni una imagen de disco</translation>
    </message>
    <message>
        <source>%1 cannot read audio</source>
        <translation>%1 no puede leer audio</translation>
    </message>
    <message>
        <source>%1 holds no audio disc</source>
        <translation>%1 no contiene ningún disco de audio</translation>
    </message>
    <message>
        <source>%1 has no audio track %2</source>
        <translation>%1 no tiene la pista de audio %2</translation>
    </message>
    <message>
        <source>%1: track %2 cannot be read</source>
        <translation>%1: no se puede leer la pista %2</translation>
    </message>
    <message>
        <source>Audio CD track %1, 44100 Hz stereo</source>
        <translation>Pista %1 de CD de audio, 44100 Hz estéreo</translation>
    </message>
    <message>
        <source>the disc could not be read</source>
        <translation>no se pudo leer el disco</translation>
    </message>
    <message>
        <source>%1 holds no audio tracks</source>
        <translation>%1 no contiene pistas de audio</translation>
    </message>
</context>
<context>
    <name>ConversionRun</name>
    <message>
        <source>cannot write into %1: %2</source>
        <translation>no se puede escribir en %1: %2</translation>
    </message>
    <message>
        <source>cannot find a free name in %1</source>
        <translation>no se encuentra ningún nombre libre en %1</translation>
    </message>
    <message>
        <source>cannot name the file %1: %2</source>
        <translation>no se puede dar al archivo el nombre %1: %2</translation>
    </message>
    <message>
        <source>the disk is full; the older file of that name, if any, is kept</source>
        <translation>el disco está lleno; se conserva el archivo anterior con ese nombre, si lo hay</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>Tasks is completed</source>
        <translation>Tareas completadas</translation>
    </message>
    <message>
        <source>Tasks is completed: %1 of %2 jobs succeeded</source>
        <translation>Tareas completadas: %1 de %2 trabajos correctos</translation>
    </message>
    <message>
        <source>Invalid input file name: %1</source>
        <translation>Nombre de archivo de entrada no válido: %1</translation>
    </message>
    <message>
        <source>no sound in it could be decoded</source>
        <translation>no se pudo descodificar ningún sonido del archivo</translation>
    </message>
    <message>
        <source>Start Convert To %1</source>
        <translation>Inicio de la conversión a %1</translation>
    </message>
    <message>
        <source>Convert To %1 skipped: the output %2 is the input file itself</source>
        <translation>Conversión a %1 omitida: la salida %2 es el propio archivo de entrada</translation>
    </message>
    <message>
        <source>Convert To %1 cancelled; its unfinished file was removed</source>
        <translation>Conversión a %1 cancelada; se eliminó su archivo sin terminar</translation>
    </message>
    <message>
        <source>Convert To %1 failed: %2</source>
        <translation>Falló la conversión a %1: %2</translation>
    </message>
    <message>
        <source>complete Convert To %1</source>
        <translation>Conversión a %1 completada</translation>
    </message>
    <message>
        <source>The older %1 was replaced</source>
        <translation>Se reemplazó el archivo anterior %1</translation>
    </message>
</context>
<context>
    <name>ConverterDialog</name>
    <message>
        <source>Audio Converter</source>
        <translation>Conversor de audio</translation>
    </message>
    <message>
        <source>Input Audio File</source>
        <translation>Archivo de audio de entrada</translation>
    </message>
    <message>
        <source>Enter Input Audio File</source>
        <translation>Introduzca el archivo de audio de entrada</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Formato de salida</translation>
    </message>
    <message>
        <source>MP3</source>
        <translation>MP3</translation>
    </message>
    <message>
        <source>Ogg Vorbis</source>
        <translation>Ogg Vorbis</translation>
    </message>
    <message>
        <source>WMA</source>
        <translation>WMA</translation>
    </message>
    <message>
        <source>Format setting</source>
        <translation>Configuración del formato</translation>
    </message>
    <message>
        <source>Ogg</source>
        <translation>Ogg</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Convert Now!</source>
        <translation>¡Convertir ahora!</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Res</source>
        <translation>Res.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Wav files (*.wav);;MP3 files (*.mp3);;Ogg Vorbis files (*.ogg);;WMA files (*.wma);;All files (*)</source>
        <translation>Archivos WAV (*.wav);;Archivos MP3 (*.mp3);;Archivos Ogg Vorbis (*.ogg);;Archivos WMA (*.wma);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Open an Audio file</source>
        <translation>Abrir un archivo de audio</translation>
    </message>
    <message>
        <source>Set WMA Format parameters </source>
        <translation>Configurar los parámetros del formato WMA </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Convert Now</source>
        <translation>Convertir ahora</translation>
    </message>
    <message>
        <source>Invalid input file name: %1</source>
        <translation>Nombre de archivo de entrada no válido: %1</translation>
    </message>
</context>
<context>
    <name>DecodedFormat</name>
    <message>
        <source>mono</source>
        <translation>mono</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>estéreo</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canales</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
</context>
<context>
    <name>DesktopControls</name>
    <message>
        <source>Tavrik On the Web</source>
        <translation>Tavrik en la web</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Tavrik</source>
        <translation>Tavrik</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Record Now</source>
        <translation>Grabar ahora</translation>
    </message>
    <message>
        <source>Stop Record</source>
        <translation>Detener grabación</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Can not register the hotkeys CTRL+R ...this key is already registered by some other running applications.</source>
        <translation>No se pueden registrar las teclas rápidas CTRL+R ...otra aplicación en ejecución ya ha registrado esta combinación.</translation>
    </message>
    <message>
        <source>Can not register the hotkeys CTRL+S ... this key is already registered by some other running applications.</source>
        <translation>No se pueden registrar las teclas rápidas CTRL+S ... otra aplicación en ejecución ya ha registrado esta combinación.</translation>
    </message>
    <message>
        <source>Can not register the hotkeys CTRL+R and CTRL+S ...this desktop offers no global hotkeys.</source>
        <translation>No se pueden registrar las teclas rápidas CTRL+R y CTRL+S ...este escritorio no ofrece teclas rápidas globales.</translation>
    </message>
</context>
<context>
    <name>FfmpegDecoder</name>
    <message>
        <source>not an audio file that can be decoded (%1)</source>
        <translation>no es un archivo de audio que se pueda descodificar (%1)</translation>
    </message>
    <message>
        <source>its sound is in a coding that cannot be decoded</source>
        <translation>su sonido está en una codificación que no se puede descodificar</translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <translation>no contiene sonido</translation>
    </message>
    <message>
        <source>its sample rate of %1 Hz is not usable</source>
        <translation>su frecuencia de muestreo de %1 Hz no se puede usar</translation>
    </message>
    <message>
        <source>its channel count of %1 is not usable</source>
        <translation>su número de canales (%1) no se puede usar</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>its decoder does not start (%1)</source>
        <translation>su descodificador no se inicia (%1)</translation>
    </message>
    <message>
        <source>its coding cannot be decoded here</source>
        <translation>su codificación no se puede descodificar aquí</translation>
    </message>
    <message>
        <source>The rest of the file is damaged and cannot be decoded.</source>
        <translation>El resto del archivo está dañado y no se puede descodificar.</translation>
    </message>
    <message>
        <source>The file changes to a format that cannot be played.</source>
        <translation>El archivo cambia a un formato que no se puede reproducir.</translation>
    </message>
    <message>
        <source>Cannot mix %1 channels down to stereo.</source>
        <translation>No se pueden mezclar %1 canales en estéreo.</translation>
    </message>
    <message>
        <source>Out of memory while decoding.</source>
        <translation>Memoria insuficiente al descodificar.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
</context>
<context>
    <name>FfmpegResampler</name>
    <message>
        <source>cannot convert %1 Hz with %2 channels to %3 Hz with %4 channels</source>
        <translation>no se puede convertir %1 Hz con %2 canales a %3 Hz con %4 canales</translation>
    </message>
    <message>
        <source>the resampler does not start</source>
        <translation>el remuestreador no se inicia</translation>
    </message>
</context>
<context>
    <name>FfmpegWmaEncoder</name>
    <message>
        <source>the WMA encoder refuses %1: %2</source>
        <translation>el codificador WMA rechaza %1: %2</translation>
    </message>
    <message>
        <source>no WMA encoder in this FFmpeg</source>
        <translation>este FFmpeg no tiene codificador WMA</translation>
    </message>
</context>
<context>
    <name>FileFormats</name>
    <message>
        <source>mono</source>
        <translation>mono</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>estéreo</translation>
    </message>
    <message>
        <source>WAV PCM %1 Hz %2-bit %3</source>
        <translation>WAV PCM %1 Hz %2 bits %3</translation>
    </message>
    <message>
        <source>MP3 %1 Hz %2 kbit/s %3</source>
        <translation>MP3 %1 Hz %2 kbit/s %3</translation>
    </message>
    <message>
        <source>MP3 %1 Hz ABR %2 kbit/s %3</source>
        <translation>MP3 %1 Hz ABR %2 kbit/s %3</translation>
    </message>
    <message>
        <source>MP3 %1 Hz VBR quality %2 %3</source>
        <translation>MP3 %1 Hz VBR calidad %2 %3</translation>
    </message>
    <message>
        <source>VOX %1 Hz mono</source>
        <translation>VOX %1 Hz mono</translation>
    </message>
    <message>
        <source>RAW PCM %1 Hz %2-bit %3</source>
        <translation>RAW PCM %1 Hz %2 bits %3</translation>
    </message>
    <message>
        <source>G.726 %1 Hz %2 bits</source>
        <translation>G.726 %1 Hz %2 bits</translation>
    </message>
    <message>
        <source>Ogg Vorbis %1 Hz %2, </source>
        <translation>Ogg Vorbis %1 Hz %2, </translation>
    </message>
    <message>
        <source>quality %1</source>
        <translation>calidad %1</translation>
    </message>
    <message>
        <source> (%1-%2 kbit/s VBR)</source>
        <translation> (%1-%2 kbit/s VBR)</translation>
    </message>
    <message>
        <source>WMA %1 Hz %2 kbit/s %3</source>
        <translation>WMA %1 Hz %2 kbit/s %3</translation>
    </message>
</context>
<context>
    <name>FormatDialog</name>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>16-bit PCM</source>
        <translation>PCM de 16 bits</translation>
    </message>
    <message>
        <source>8-bit A-Law </source>
        <translation>Ley A de 8 bits </translation>
    </message>
    <message>
        <source>8-bit mu-Law </source>
        <translation>Ley μ de 8 bits </translation>
    </message>
    <message>
        <source>2 bit </source>
        <translation>2 bits </translation>
    </message>
    <message>
        <source>3 bit</source>
        <translation>3 bits</translation>
    </message>
    <message>
        <source>4 bit </source>
        <translation>4 bits </translation>
    </message>
    <message>
        <source>5 bit</source>
        <translation>5 bits</translation>
    </message>
</context>
<context>
    <name>FormatSettingsDialog</name>
    <message>
        <source>Formats And Filters Settings </source>
        <translation>Configuración de formatos y filtros </translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Mezclador</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Format Settings</source>
        <translation>Configuración del formato</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtros</translation>
    </message>
    <message>
        <source>Notch</source>
        <translation>Rechazo de banda</translation>
    </message>
    <message>
        <source>HighPass</source>
        <translation>Paso alto</translation>
    </message>
    <message>
        <source>LowPass</source>
        <translation>Paso bajo</translation>
    </message>
    <message>
        <source>Auto Gain Control</source>
        <translation>Control automático de ganancia</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Low Level:</source>
        <translation>Nivel bajo:</translation>
    </message>
    <message>
        <source>High Level:</source>
        <translation>Nivel alto:</translation>
    </message>
    <message>
        <source>AttackTime:</source>
        <translation>Tiempo de ataque:</translation>
    </message>
    <message>
        <source>%1 per hour</source>
        <translation>%1 por hora</translation>
    </message>
    <message>
        <source>, %1 h free</source>
        <translation>, %1 h libres</translation>
    </message>
</context>
<context>
    <name>G726Encoder</name>
    <message>
        <source>the G.726 encoder did not start</source>
        <translation>el codificador G.726 no se inició</translation>
    </message>
</context>
<context>
    <name>GlobalHotkeys</name>
    <message>
        <source>Start recording</source>
        <translation>Iniciar grabación</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Detener grabación</translation>
    </message>
</context>
<context>
    <name>HeaderlessSettingsDialog</name>
    <message>
        <source>Set VOX Format</source>
        <translation>Configurar el formato VOX</translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation>Frecuencia (Hz)</translation>
    </message>
    <message>
        <source>Set CCUIT G.726 Format</source>
        <translation>Configurar el formato CCITT G.726</translation>
    </message>
    <message>
        <source>ADPCM Bit</source>
        <translation>Bits ADPCM</translation>
    </message>
    <message>
        <source>Set RAW Format</source>
        <translation>Configurar el formato RAW</translation>
    </message>
    <message>
        <source>nChannels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Comperssion</source>
        <translation>Compresión</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The help is not installed: neither help.chm nor the help pages (help/index.html) were found in %1.</source>
        <translation>La ayuda no está instalada: no se encontró ni help.chm ni las páginas de ayuda (help/index.html) en %1.</translation>
    </message>
    <message>
        <source>The help could not be shown: install a help viewer (xchm or kchmviewer) or set a default web browser.

The help pages are in %1.</source>
        <translation>No se pudo mostrar la ayuda: instale un visor de ayuda (xchm o kchmviewer) o configure un navegador web predeterminado.

Las páginas de ayuda están en %1.</translation>
    </message>
    <message>
        <source>No program to show %1 was found: install a help viewer such as xchm or kchmviewer.</source>
        <translation>No se encontró ningún programa para mostrar %1: instale un visor de ayuda como xchm o kchmviewer.</translation>
    </message>
    <message>
        <source>%1 could not be opened: no default web browser is set.</source>
        <translation>No se pudo abrir %1: no hay ningún navegador web predeterminado configurado.</translation>
    </message>
</context>
<context>
    <name>InputMixer</name>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
</context>
<context>
    <name>LameEncoder</name>
    <message>
        <source>the MP3 encoder cannot start</source>
        <translation>el codificador MP3 no puede iniciarse</translation>
    </message>
    <message>
        <source>the MP3 encoder refuses %1</source>
        <translation>el codificador MP3 rechaza %1</translation>
    </message>
    <message>
        <source>the MP3 encoder failed (%1)</source>
        <translation>el codificador MP3 falló (%1)</translation>
    </message>
</context>
<context>
    <name>M3uFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file is too large to be a play list</source>
        <translation>el archivo es demasiado grande para ser una lista de reproducción</translation>
    </message>
    <message>
        <source>the file is not a play list</source>
        <translation>el archivo no es una lista de reproducción</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Listening: the last %1 s are kept</source>
        <translation>Escuchando: se conservan los últimos %1 s</translation>
    </message>
    <message>
        <source>Record device error!</source>
        <translation>¡Error del dispositivo de grabación!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Select a recording project file</source>
        <translation>Seleccione un archivo de proyecto de grabación</translation>
    </message>
    <message>
        <source>Project Files(*.rpf)</source>
        <translation>Archivos de proyecto(*.rpf)</translation>
    </message>
    <message>
        <source>Opening the recording project...</source>
        <translation>Abriendo el proyecto de grabación...</translation>
    </message>
    <message>
        <source>Save recording project file</source>
        <translation>Guardar el archivo de proyecto de grabación</translation>
    </message>
    <message>
        <source>Do you want to delete the selected audio file now?</source>
        <translation>¿Quiere eliminar ahora el archivo de audio seleccionado?</translation>
    </message>
    <message>
        <source>%1 is not exist!</source>
        <translation>¡%1 no existe!</translation>
    </message>
    <message>
        <source>Old audio file name is: %1<byte value="xd"/>
<byte value="xd"/>
Please enter new Audio file name:</source>
        <translation>Nombre actual del archivo de audio: %1<byte value="xd"/>
<byte value="xd"/>
Introduzca el nuevo nombre del archivo de audio:</translation>
    </message>
    <message>
        <source>Rename audio file is  succeeded!</source>
        <translation>¡Se ha cambiado el nombre del archivo de audio!</translation>
    </message>
    <message>
        <source>Rename audio file is  Faild!</source>
        <translation>¡No se ha podido cambiar el nombre del archivo de audio!</translation>
    </message>
    <message>
        <source>Do you need to save the recording project file?</source>
        <translation>¿Quiere guardar el archivo de proyecto de grabación?</translation>
    </message>
    <message>
        <source>Record Device</source>
        <translation>Dispositivo de grabación</translation>
    </message>
    <message>
        <source>Sound Source</source>
        <translation>Fuente de sonido</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Formato de salida</translation>
    </message>
    <message>
        <source>Start Recording (Hotkey:CTRL+R)</source>
        <translation>Iniciar grabación (tecla rápida: CTRL+R)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Double Click list to Play Recording</source>
        <translation>Haga doble clic en la lista para reproducir una grabación</translation>
    </message>
    <message>
        <source>Record Ctrl+R</source>
        <translation>Grabar Ctrl+R</translation>
    </message>
    <message>
        <source>Stop Ctrl+S</source>
        <translation>Detener Ctrl+S</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Programación</translation>
    </message>
    <message>
        <source>Audio Player</source>
        <translation>Reproductor de audio</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>Archivo de salida</translation>
    </message>
    <message>
        <source>Format Settings</source>
        <translation>Configuración del formato</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Edit ID3</source>
        <translation>Editar ID3</translation>
    </message>
    <message>
        <source>Audio Converter</source>
        <translation>Conversor de audio</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>New Recording Project</source>
        <translation>Nuevo proyecto de grabación</translation>
    </message>
    <message>
        <source>Open Recording Project</source>
        <translation>Abrir proyecto de grabación</translation>
    </message>
    <message>
        <source>Save Recording Project</source>
        <translation>Guardar proyecto de grabación</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Play Selected File</source>
        <translation>Reproducir el archivo seleccionado</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>Remove Selected Item</source>
        <translation>Quitar el elemento seleccionado</translation>
    </message>
    <message>
        <source>Delete Selected File</source>
        <translation>Eliminar el archivo seleccionado</translation>
    </message>
    <message>
        <source>Action(&amp;A)</source>
        <translation>A&amp;cción</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Play Audio</source>
        <translation>Reproducir audio</translation>
    </message>
    <message>
        <source>Pause Play</source>
        <translation>Pausar la reproducción</translation>
    </message>
    <message>
        <source>Stop Play</source>
        <translation>Detener la reproducción</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Sound Activation</source>
        <translation>Activación por sonido</translation>
    </message>
    <message>
        <source>Record Several Sources</source>
        <translation>Grabar varias fuentes</translation>
    </message>
    <message>
        <source>Record Control</source>
        <translation>Control de grabación</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Tavrik Home Page</source>
        <translation>Página web de Tavrik</translation>
    </message>
    <message>
        <source>Support Online</source>
        <translation>Asistencia en línea</translation>
    </message>
</context>
<context>
    <name>MediaControl</name>
    <message>
        <source>%1 cannot be found or read.</source>
        <translation>No se encuentra %1 o no se puede leer.</translation>
    </message>
</context>
<context>
    <name>MixerPanel</name>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volumen:</translation>
    </message>
    <message>
        <source>Balance:</source>
        <translation>Balance:</translation>
    </message>
</context>
<context>
    <name>Mp3Info</name>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>Joint stereo</source>
        <translation>Estéreo conjunto</translation>
    </message>
    <message>
        <source>Dual channel</source>
        <translation>Canal dual</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
</context>
<context>
    <name>Mp3Repair</name>
    <message>
        <source>it does not start with an MP3 frame</source>
        <translation>no empieza con una trama MP3</translation>
    </message>
    <message>
        <source>it holds %1 Hz, %2 channels instead of the %3 Hz, %4 channels recorded</source>
        <translation>contiene %1 Hz y %2 canales en lugar de los %3 Hz y %4 canales grabados</translation>
    </message>
    <message>
        <source>its frames break off at byte %1 of %2</source>
        <translation>sus tramas se interrumpen en el byte %1 de %2</translation>
    </message>
    <message>
        <source>its first frame is too small for a tag</source>
        <translation>su primera trama es demasiado pequeña para una etiqueta</translation>
    </message>
</context>
<context>
    <name>Mp3SettingsDialog</name>
    <message>
        <source>Current bitrate: %1 kbit</source>
        <translation>Tasa de bits actual: %1 kbit</translation>
    </message>
    <message>
        <source>MP3 Advanced Option</source>
        <translation>Opciones avanzadas de MP3</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Filtering</source>
        <translation>Filtrado</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Tasa de bits</translation>
    </message>
    <message>
        <source>poor quality </source>
        <translation>calidad baja </translation>
    </message>
    <message>
        <source>good quality </source>
        <translation>buena calidad </translation>
    </message>
    <message>
        <source>small file</source>
        <translation>archivo pequeño</translation>
    </message>
    <message>
        <source>big file</source>
        <translation>archivo grande</translation>
    </message>
    <message>
        <source>Encoder Quality</source>
        <translation>Calidad del codificador</translation>
    </message>
    <message>
        <source>faster</source>
        <translation>más rápido</translation>
    </message>
    <message>
        <source>better</source>
        <translation>mejor</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>Joint Stereo</source>
        <translation>Estéreo conjunto</translation>
    </message>
    <message>
        <source>Forced Joint Stereo</source>
        <translation>Estéreo conjunto forzado</translation>
    </message>
    <message>
        <source>Dual Channels</source>
        <translation>Canales duales</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Frequency (hz)</source>
        <translation>Frecuencia (Hz)</translation>
    </message>
    <message>
        <source>HighPass Filter</source>
        <translation>Filtro paso alto</translation>
    </message>
    <message>
        <source>Highpass filtering frequency (in Hz):</source>
        <translation>Frecuencia del filtro paso alto (en Hz):</translation>
    </message>
    <message>
        <source>Width of Highpass filter (in Hz):</source>
        <translation>Anchura del filtro paso alto (en Hz):</translation>
    </message>
    <message>
        <source>LowPass Filter</source>
        <translation>Filtro paso bajo</translation>
    </message>
    <message>
        <source>Lowpass filtering frequency (in Hz):</source>
        <translation>Frecuencia del filtro paso bajo (en Hz):</translation>
    </message>
    <message>
        <source>Width of Lowpass filter (in Hz):</source>
        <translation>Anchura del filtro paso bajo (en Hz):</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Antiguo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>MTRH</source>
        <translation>MTRH</translation>
    </message>
    <message>
        <source>ABR</source>
        <translation>ABR</translation>
    </message>
    <message>
        <source>VBR Quality:</source>
        <translation>Calidad VBR:</translation>
    </message>
    <message>
        <source>Targed bitrate for ABR:</source>
        <translation>Tasa de bits objetivo para ABR:</translation>
    </message>
    <message>
        <source>Coding Method:</source>
        <translation>Método de codificación:</translation>
    </message>
    <message>
        <source>Maximum VBR Bitrate</source>
        <translation>Tasa de bits VBR máxima</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Write VBR Header</source>
        <translation>Escribir la cabecera VBR</translation>
    </message>
    <message>
        <source>Strictly enforce minimum bitrate</source>
        <translation>Imponer estrictamente la tasa de bits mínima</translation>
    </message>
    <message>
        <source>default</source>
        <translation>predeterminado</translation>
    </message>
    <message>
        <source>only</source>
        <translation>solo</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>desactivado</translation>
    </message>
    <message>
        <source>only for short blocks</source>
        <translation>solo para bloques cortos</translation>
    </message>
    <message>
        <source>0/15 microseconds</source>
        <translation>0/15 microsegundos</translation>
    </message>
    <message>
        <source>citt j.17</source>
        <translation>CCITT J.17</translation>
    </message>
    <message>
        <source>include CRC -Checksums</source>
        <translation>incluir sumas de comprobación CRC</translation>
    </message>
    <message>
        <source>allow block types to differ between channels</source>
        <translation>permitir tipos de bloque distintos entre canales</translation>
    </message>
    <message>
        <source>bit reservoir</source>
        <translation>reserva de bits</translation>
    </message>
    <message>
        <source>short blocks</source>
        <translation>bloques cortos</translation>
    </message>
    <message>
        <source>comply as much as possible to ISO MPEG spec</source>
        <translation>ajustarse lo más posible a la norma ISO MPEG</translation>
    </message>
    <message>
        <source>ATH Control:</source>
        <translation>Control ATH:</translation>
    </message>
    <message>
        <source>De-emphasis :</source>
        <translation>Desénfasis :</translation>
    </message>
</context>
<context>
    <name>MprisService</name>
    <message>
        <source>Tavrik Audio Player</source>
        <translation>Reproductor de audio de Tavrik</translation>
    </message>
</context>
<context>
    <name>OggRepair</name>
    <message>
        <source>it does not start an Ogg Vorbis stream</source>
        <translation>no empieza un flujo Ogg Vorbis</translation>
    </message>
    <message>
        <source>it holds %1 Hz, %2 channels instead of the %3 Hz, %4 channels recorded</source>
        <translation>contiene %1 Hz y %2 canales en lugar de los %3 Hz y %4 canales grabados</translation>
    </message>
    <message>
        <source>its pages break off at byte %1 of %2</source>
        <translation>sus páginas se interrumpen en el byte %1 de %2</translation>
    </message>
</context>
<context>
    <name>OggSettingsDialog</name>
    <message>
        <source>Ogg Vorbis Option</source>
        <translation>Opciones de Ogg Vorbis</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Tasa de bits</translation>
    </message>
    <message>
        <source>VBR Enabled</source>
        <translation>VBR activado</translation>
    </message>
    <message>
        <source>Quality Enabled</source>
        <translation>Calidad activada</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>MinBitrate</source>
        <translation>Tasa mínima</translation>
    </message>
    <message>
        <source>MaxBitrate</source>
        <translation>Tasa máxima</translation>
    </message>
    <message>
        <source>Quality (Compression)</source>
        <translation>Calidad (compresión)</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Current nominal Bitrate: %1 kbit</source>
        <translation>Tasa de bits nominal actual: %1 kbit</translation>
    </message>
    <message>
        <source>Current min oggBitrate: %1 kbit</source>
        <translation>Tasa de bits mínima actual: %1 kbit</translation>
    </message>
    <message>
        <source>Current max oggBitrate: %1 kbit</source>
        <translation>Tasa de bits máxima actual: %1 kbit</translation>
    </message>
    <message>
        <source>Current nominal oggBitrate: %1 kbit</source>
        <translation>Tasa de bits nominal actual: %1 kbit</translation>
    </message>
</context>
<context>
    <name>OutputNamingDialog</name>
    <message>
        <source>Output Files</source>
        <translation>Archivos de salida</translation>
    </message>
    <message>
        <source>Save Recording Sound Files to</source>
        <translation>Guardar los archivos de sonido grabados en</translation>
    </message>
    <message>
        <source>Date + Time</source>
        <translation>Fecha + hora</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>If same as an existed file</source>
        <translation>Si coincide con un archivo existente</translation>
    </message>
    <message>
        <source>Add number after filename</source>
        <translation>Añadir un número tras el nombre del archivo</translation>
    </message>
    <message>
        <source>Overwrite the existed file</source>
        <translation>Sobrescribir el archivo existente</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Long recordings</source>
        <translation>Grabaciones largas</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>Start a new file every</source>
        <translation>Empezar un archivo nuevo cada</translation>
    </message>
    <message>
        <source>minutes or</source>
        <translation>minutos o</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Please enter audio file name.</source>
        <translation>Introduzca un nombre para el archivo de audio.</translation>
    </message>
    <message>
        <source>A file name cannot contain &quot;/&quot;. Please enter another name.</source>
        <translation>Un nombre de archivo no puede contener &quot;/&quot;. Introduzca otro nombre.</translation>
    </message>
</context>
<context>
    <name>PlayerController</name>
    <message>
        <source>Track %1</source>
        <translation>Pista %1</translation>
    </message>
    <message>
        <source>Nothing in the play list can be played.</source>
        <translation>No se puede reproducir nada de la lista de reproducción.</translation>
    </message>
    <message>
        <source>%1 cannot be played: skipped.</source>
        <translation>No se puede reproducir %1: se omite.</translation>
    </message>
    <message>
        <source>No audio CD was found in the drives.</source>
        <translation>No se encontró ningún CD de audio en las unidades.</translation>
    </message>
    <message>
        <source>No audio CD: %1.</source>
        <translation>No hay ningún CD de audio: %1.</translation>
    </message>
    <message>
        <source>No playable files in %1.</source>
        <translation>No hay archivos reproducibles en %1.</translation>
    </message>
    <message>
        <source>The play list %1 cannot be loaded: %2.</source>
        <translation>No se puede cargar la lista de reproducción %1: %2.</translation>
    </message>
    <message>
        <source>The play list is full: it holds at most %1 entries, the rest were left out.</source>
        <translation>La lista de reproducción está llena: admite como máximo %1 entradas; se omitió el resto.</translation>
    </message>
    <message>
        <source>The play list cannot be saved to %1: %2.</source>
        <translation>No se puede guardar la lista de reproducción en %1: %2.</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>Cannot save the recording project</source>
        <translation>No se puede guardar el proyecto de grabación</translation>
    </message>
    <message>
        <source>Cannot open the recording project</source>
        <translation>No se puede abrir el proyecto de grabación</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Sources kept in time with &quot;%1&quot; (clock drift, lag, silence filled in): %2</source>
        <translation>Fuentes sincronizadas con &quot;%1&quot; (deriva del reloj, retardo, silencio rellenado): %2</translation>
    </message>
</context>
<context>
    <name>RecordingHealth</name>
    <message>
        <source>under 1 min left</source>
        <translation>queda menos de 1 min</translation>
    </message>
    <message>
        <source>%1 min left</source>
        <translation>quedan %1 min</translation>
    </message>
    <message>
        <source>%1 h %2 min left</source>
        <translation>quedan %1 h %2 min</translation>
    </message>
</context>
<context>
    <name>RecordingJournal</name>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>too large for a recording journal</source>
        <translation>demasiado grande para ser un registro de grabación</translation>
    </message>
    <message>
        <source>not a recording journal</source>
        <translation>no es un registro de grabación</translation>
    </message>
    <message>
        <source>a recording journal with missing or impossible values</source>
        <translation>un registro de grabación con valores ausentes o imposibles</translation>
    </message>
    <message>
        <source>Cannot write the recording journal %1: %2</source>
        <translation>No se puede escribir el registro de grabación %1: %2</translation>
    </message>
    <message>
        <source>Cannot remove the recording journal %1: %2</source>
        <translation>No se puede eliminar el registro de grabación %1: %2</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>es un enlace</translation>
    </message>
</context>
<context>
    <name>RecordingRecovery</name>
    <message>
        <source>it is a link</source>
        <translation>es un enlace</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>it is not in a folder recordings go to</source>
        <translation>no está en ninguna carpeta en la que se guarden grabaciones</translation>
    </message>
    <message>
        <source>its extension is not that of the format recorded</source>
        <translation>su extensión no corresponde al formato grabado</translation>
    </message>
    <message>
        <source>it was replaced by another file</source>
        <translation>otro archivo lo ha reemplazado</translation>
    </message>
    <message>
        <source>it was last changed before the recording began</source>
        <translation>se modificó por última vez antes de que empezara la grabación</translation>
    </message>
    <message>
        <source>The recording %1, which ended unexpectedly, is gone.</source>
        <translation>La grabación %1, que terminó inesperadamente, ya no existe.</translation>
    </message>
    <message>
        <source>Left %1 as it is: %2.</source>
        <translation>Se ha dejado %1 tal como estaba: %2.</translation>
    </message>
    <message>
        <source>Recovered %1 (%2) after an unexpected end.</source>
        <translation>Se ha recuperado %1 (%2) tras un final inesperado.</translation>
    </message>
    <message>
        <source>Ignored the unreadable recording journal %1: %2.</source>
        <translation>Se ha ignorado el registro de grabación ilegible %1: %2.</translation>
    </message>
    <message>
        <source>Left %1 more recording journals in %2 unread: more than an unexpected end leaves.</source>
        <translation>Se han dejado sin leer %1 registros de grabación más en %2: son más de los que deja un final inesperado.</translation>
    </message>
</context>
<context>
    <name>RecordingRepair</name>
    <message>
        <source>it is a link</source>
        <translation>es un enlace</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>WMA files are not repaired</source>
        <translation>los archivos WMA no se reparan</translation>
    </message>
</context>
<context>
    <name>RecordingSession</name>
    <message>
        <source>Tavrik stood still and the sound server dropped what it could not hold: %1 s of &quot;%2&quot; are filled with silence, so the recording keeps its length.</source>
        <translation>Tavrik se quedó detenido y el servidor de sonido descartó lo que no podía retener: %1 s de &quot;%2&quot; se rellenan con silencio para que la grabación conserve su duración.</translation>
    </message>
    <message>
        <source>%1 (%2 s silence filled)</source>
        <translation>%1 (%2 s de silencio rellenados)</translation>
    </message>
    <message>
        <source>1 clipped peak</source>
        <translation>1 pico recortado</translation>
    </message>
    <message>
        <source>%1 clipped peaks</source>
        <translation>%1 picos recortados</translation>
    </message>
    <message>
        <source>No sound for %1 s: is the input muted?</source>
        <translation>Sin sonido durante %1 s: ¿está silenciada la entrada?</translation>
    </message>
    <message>
        <source>Recording stopped: less than %1 MB are free on the disk of &quot;%2&quot;.</source>
        <translation>Grabación detenida: quedan menos de %1 MB libres en el disco de &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The output format&apos;s settings cannot be written: choose others in its settings.</source>
        <translation>No se puede escribir la configuración del formato de salida: elija otros valores en su configuración.</translation>
    </message>
    <message>
        <source>Waiting for sound (%1 dBFS)</source>
        <translation>Esperando sonido (%1 dBFS)</translation>
    </message>
    <message>
        <source>Armed: recording sound event %1</source>
        <translation>Preparado: grabando el evento de sonido %1</translation>
    </message>
    <message>
        <source>%1: armed, %2 sound events so far</source>
        <translation>%1: preparado, %2 eventos de sonido hasta ahora</translation>
    </message>
</context>
<context>
    <name>RecordingsModel</name>
    <message>
        <source>NO.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Record Time</source>
        <translation>Hora de grabación</translation>
    </message>
</context>
<context>
    <name>ScheduleEntryDialog</name>
    <message>
        <source>Scheduler</source>
        <translation>Programador</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Inicio:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Fin:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Comentario:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Time is error</source>
        <translation>La hora no es válida</translation>
    </message>
</context>
<context>
    <name>ScheduleFile</name>
    <message>
        <source>Cannot create the schedule &quot;%1&quot;: %2.</source>
        <translation>No se puede crear la programación &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Cannot read the schedule</source>
        <translation>No se puede leer la programación</translation>
    </message>
    <message>
        <source>Cannot save the schedule</source>
        <translation>No se puede guardar la programación</translation>
    </message>
</context>
<context>
    <name>ScheduleModel</name>
    <message>
        <source>Waiting</source>
        <translation>En espera</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Grabando</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminada</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Perdida</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>Stop time</source>
        <translation>Hora de fin</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
</context>
<context>
    <name>ScheduleWindow</name>
    <message>
        <source>Schedule</source>
        <translation>Programación</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Scheduler</name>
    <message>
        <source>Missed the scheduled recording from %1 to %2</source>
        <translation>Se perdió la grabación programada de %1 a %2</translation>
    </message>
    <message>
        <source>Missed %1 scheduled recordings, the first from %2 to %3</source>
        <translation>Se perdieron %1 grabaciones programadas; la primera, de %2 a %3</translation>
    </message>
    <message>
        <source>Scheduled recording</source>
        <translation>Grabación programada</translation>
    </message>
</context>
<context>
    <name>SeveralSourcesDialog</name>
    <message>
        <source>Record Several Sources</source>
        <translation>Grabar varias fuentes</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Level now</source>
        <translation>Nivel actual</translation>
    </message>
    <message>
        <source>Recorded at</source>
        <translation>Nivel de grabación</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mezcladas</translation>
    </message>
    <message>
        <source>One channel per source</source>
        <translation>Un canal por fuente</translation>
    </message>
    <message>
        <source>Two sources: the first left, the second right, so that they can be separated later.</source>
        <translation>Dos fuentes: la primera a la izquierda y la segunda a la derecha, para poder separarlas después.</translation>
    </message>
    <message>
        <source>Check two or more sources to record them together; with fewer, the source chosen in the main window is recorded.</source>
        <translation>Marque dos o más fuentes para grabarlas juntas; con menos, se graba la fuente elegida en la ventana principal.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>SndfileEncoder</name>
    <message>
        <source>Cannot take the format of %1: %2.</source>
        <translation>No se puede adoptar el formato de %1: %2.</translation>
    </message>
</context>
<context>
    <name>SoundActivationDialog</name>
    <message>
        <source>Sound Activation</source>
        <translation>Activación por sonido</translation>
    </message>
    <message>
        <source>Record starts when sound comes, a file for each sound</source>
        <translation>La grabación empieza cuando llega sonido, con un archivo para cada sonido</translation>
    </message>
    <message>
        <source> dBFS</source>
        <translation> dBFS</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivado</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Umbral</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>Nivel de entrada</translation>
    </message>
    <message>
        <source>Ends after quiet for</source>
        <translation>Termina tras un silencio de</translation>
    </message>
    <message>
        <source>Keeps before the sound</source>
        <translation>Conserva antes del sonido</translation>
    </message>
    <message>
        <source>Keeps before Record</source>
        <translation>Conserva antes de Grabar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Nothing is kept before Record.</source>
        <translation>No se conserva nada antes de Grabar.</translation>
    </message>
    <message>
        <source>Keeping %1 s takes %2 MB of memory, and the input stays open while nothing records.</source>
        <translation>Conservar %1 s ocupa %2 MB de memoria, y la entrada permanece abierta mientras no se graba nada.</translation>
    </message>
</context>
<context>
    <name>TagBatch</name>
    <message>
        <source>it is no regular file, or it cannot be written</source>
        <translation>no es un archivo normal o no se puede escribir</translation>
    </message>
    <message>
        <source>its ID3v2 tag claims more bytes than the file holds, so a new tag could cut its audio</source>
        <translation>su etiqueta ID3v2 declara más bytes de los que contiene el archivo, así que una etiqueta nueva podría cortar su audio</translation>
    </message>
    <message>
        <source>no copy of it could be written beside it</source>
        <translation>no se pudo escribir una copia junto a él</translation>
    </message>
    <message>
        <source>the new tags would have cut its audio</source>
        <translation>las etiquetas nuevas habrían cortado su audio</translation>
    </message>
    <message>
        <source>the tags could not be written</source>
        <translation>no se pudieron escribir las etiquetas</translation>
    </message>
    <message>
        <source>it could not be replaced by the saved copy</source>
        <translation>no se pudo reemplazar por la copia guardada</translation>
    </message>
</context>
<context>
    <name>TagEditorDialog</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Grabbed title for selected mp3: 
%1</source>
        <translation>Título obtenido para el mp3 seleccionado: 
%1</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>These files were left as they were:

%1</source>
        <translation>Estos archivos se han dejado como estaban:

%1</translation>
    </message>
    <message>
        <source>ID3 Editor</source>
        <translation>Editor ID3</translation>
    </message>
    <message>
        <source>Multiple file options</source>
        <translation>Opciones para varios archivos</translation>
    </message>
    <message>
        <source>&amp;Empty fields keep original value.</source>
        <translation>Los campos &amp;vacíos conservan el valor original.</translation>
    </message>
    <message>
        <source>&amp;Add track number from file index.</source>
        <translation>&amp;Añadir el número de pista según el orden de los archivos.</translation>
    </message>
    <message>
        <source>&amp;Grab title from filename.</source>
        <translation>&amp;Tomar el título del nombre de archivo.</translation>
    </message>
    <message>
        <source>Copy from ID3v2</source>
        <translation>Copiar desde ID3v2</translation>
    </message>
    <message>
        <source>Copy to ID3v2</source>
        <translation>Copiar a ID3v2</translation>
    </message>
    <message>
        <source>&amp;ID3v1 tag</source>
        <translation>Etiqueta &amp;ID3v1</translation>
    </message>
    <message>
        <source>Track #:</source>
        <translation>N.º de pista:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Artista:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Álbum:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Año:</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Comentarios:</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Género:</translation>
    </message>
    <message>
        <source>Copy to ID3v1</source>
        <translation>Copiar a ID3v1</translation>
    </message>
    <message>
        <source>Copy from ID3v1</source>
        <translation>Copiar desde ID3v1</translation>
    </message>
    <message>
        <source>&amp;ID3v2 tag</source>
        <translation>Etiqueta &amp;ID3v2</translation>
    </message>
    <message>
        <source>Composer:</source>
        <translation>Compositor:</translation>
    </message>
    <message>
        <source>Orig. Artist:</source>
        <translation>Artista orig.:</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>Copyright:</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>Encoded by:</source>
        <translation>Codificado por:</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Revertir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Reproducción</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>Select &amp;None</source>
        <translation>&amp;Deseleccionar todo</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproducir</translation>
    </message>
    <message>
        <source>P&amp;ause/Unpause</source>
        <translation>&amp;Pausar/Reanudar</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>&amp;Forward 5 sec.</source>
        <translation>&amp;Avanzar 5 seg.</translation>
    </message>
    <message>
        <source>&amp;Back 5 sec.</source>
        <translation>Re&amp;troceder 5 seg.</translation>
    </message>
    <message>
        <source>&amp;Jump to middle of song</source>
        <translation>&amp;Saltar a la mitad de la canción</translation>
    </message>
</context>
<context>
    <name>TagFileModel</name>
    <message>
        <source>%1
Not saved: %2</source>
        <translation>%1
No guardado: %2</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
</context>
<context>
    <name>TagPreview</name>
    <message>
        <source>The sound output cannot be opened, so previews are off: %1</source>
        <translation>No se puede abrir la salida de sonido, así que la vista previa está desactivada: %1</translation>
    </message>
    <message>
        <source>Could not recognize &amp; play &quot;%1&quot;.</source>
        <translation>No se pudo reconocer ni reproducir &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The preview cannot be played: %1</source>
        <translation>No se puede reproducir la vista previa: %1</translation>
    </message>
</context>
<context>
    <name>TaglibId3v2</name>
    <message>
        <source>its ID3v2 tag holds a damaged frame, and a save would lose what follows it</source>
        <translation>su etiqueta ID3v2 contiene una trama dañada, y al guardar se perdería lo que la sigue</translation>
    </message>
    <message>
        <source>its ID3v2 tag holds %1, which a save as ID3v2.3 would lose</source>
        <translation>su etiqueta ID3v2 contiene %1, que se perdería al guardar como ID3v2.3</translation>
    </message>
</context>
<context>
    <name>VorbisEncoder</name>
    <message>
        <source>the Ogg Vorbis encoder refuses %1</source>
        <translation>el codificador Ogg Vorbis rechaza %1</translation>
    </message>
</context>
<context>
    <name>WavCodecs</name>
    <message>
        <source>%1 cannot be written at %2 Hz (6000 to 48000 Hz only).</source>
        <translation>%1 no se puede escribir a %2 Hz (solo de 6000 a 48000 Hz).</translation>
    </message>
    <message>
        <source>%1 cannot be written with %2 channels (mono or stereo only).</source>
        <translation>%1 no se puede escribir con %2 canales (solo mono o estéreo).</translation>
    </message>
    <message>
        <source>GSM 6.10 is written at 8000 Hz mono only.</source>
        <translation>GSM 6.10 solo se escribe a 8000 Hz mono.</translation>
    </message>
</context>
<context>
    <name>WavFormatDialog</name>
    <message>
        <source>Choose WAV Format</source>
        <translation>Elegir el formato WAV</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>Sample rate:</source>
        <translation>Frecuencia de muestreo:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canales:</translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation>Códec:</translation>
    </message>
</context>
<context>
    <name>WavRepair</name>
    <message>
        <source>it has no WAV header</source>
        <translation>no tiene cabecera WAV</translation>
    </message>
    <message>
        <source>its WAV header has no format or data chunk</source>
        <translation>su cabecera WAV no tiene fragmento de formato o de datos</translation>
    </message>
    <message>
        <source>it holds %1 Hz, %2 channels instead of the %3 Hz, %4 channels recorded</source>
        <translation>contiene %1 Hz y %2 canales en lugar de los %3 Hz y %4 canales grabados</translation>
    </message>
    <message>
        <source>its RF64 header has no ds64 chunk</source>
        <translation>su cabecera RF64 no tiene fragmento ds64</translation>
    </message>
    <message>
        <source>another program finished it, adding to it after the sound</source>
        <translation>otro programa lo terminó y añadió datos después del sonido</translation>
    </message>
    <message>
        <source>it is larger than 4 GiB and its header has no room for the sizes</source>
        <translation>ocupa más de 4 GiB y su cabecera no tiene sitio para los tamaños</translation>
    </message>
</context>
<context>
    <name>WavSettingsDialog</name>
    <message>
        <source>Set WAV Format</source>
        <translation>Configurar el formato WAV</translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation>Frecuencia (Hz)</translation>
    </message>
    <message>
        <source>nChannels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>From Menu</source>
        <translation>Desde el menú</translation>
    </message>
    <message>
        <source>Like Sample</source>
        <translation>Como una muestra</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Wav files (*.wav)</source>
        <translation>Archivos WAV (*.wav)</translation>
    </message>
    <message>
        <source>Format Parametr not valid

%1</source>
        <translation>Parámetros de formato no válidos

%1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>There is another copy of the application being executed!</source>
        <translation>¡Ya se está ejecutando otra copia de la aplicación!</translation>
    </message>
    <message>
        <source>--record, --stop and --toggle cannot reach this copy: %1.</source>
        <translation>--record, --stop y --toggle no pueden comunicarse con esta copia: %1.</translation>
    </message>
</context>
</TS>
