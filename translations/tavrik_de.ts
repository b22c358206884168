<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Tavrik</source>
        <translation>Über Tavrik</translation>
    </message>
    <message>
        <source>Thank you for using Tavrik</source>
        <translation>Danke, dass Sie Tavrik verwenden</translation>
    </message>
    <message>
        <source>Tavrik is a sound recording program. It records sound generated, or requested, by other computer programs, such as RealPlayer, Windows Media Player, Quick Time, WinAmp, and many others.</source>
        <translation>Tavrik ist ein Programm zur Tonaufnahme. Es nimmt den Ton auf, den andere Programme erzeugen oder anfordern, etwa RealPlayer, Windows Media Player, Quick Time, WinAmp und viele andere.</translation>
    </message>
    <message>
        <source>Read &lt;a href=&quot;help&quot;&gt;the Tavrik help&lt;/a&gt; to get started.</source>
        <translation>Lesen Sie &lt;a href=&quot;help&quot;&gt;die Tavrik-Hilfe&lt;/a&gt;, um loszulegen.</translation>
    </message>
    <message>
        <source>Visit &lt;a href=&quot;%1&quot;&gt;our web site&lt;/a&gt; for news and updates.</source>
        <translation>Neuigkeiten und Aktualisierungen finden Sie auf &lt;a href=&quot;%1&quot;&gt;unserer Website&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Tavrik developers. License: GPL-3.0-or-later.
This program comes with ABSOLUTELY NO WARRANTY. This is free software, and you are welcome to redistribute it under the terms of the GNU General Public License, version 3 or any later version.</source>
        <translation>Copyright (C) 2026 die Tavrik-Entwickler. Lizenz: GPL-3.0-or-later.
Dieses Programm wird OHNE JEGLICHE GEWÄHRLEISTUNG bereitgestellt. Es ist freie Software, und Sie dürfen es unter den Bedingungen der GNU General Public License, Version 3 oder einer späteren Version, weitergeben.</translation>
    </message>
</context>
<context>
    <name>AdvancedLineDialog</name>
    <message>
        <source>%1: Advanced Properties</source>
        <translation>%1: Erweiterte Eigenschaften</translation>
    </message>
</context>
<context>
    <name>ApplicationCore</name>
    <message>
        <source>No sound</source>
        <translation>Kein Ton</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not available: silence stands in for it while the other sources go on.</source>
        <translation>„%1“ ist nicht verfügbar: Stattdessen wird Stille eingefügt, während die anderen Quellen weiterlaufen.</translation>
    </message>
    <message>
        <source>Source lost</source>
        <translation>Quelle verloren</translation>
    </message>
    <message>
        <source>Recording stopped</source>
        <translation>Aufnahme beendet</translation>
    </message>
    <message>
        <source>The schedule holds more than %1 entries: the first %1 are loaded, and the whole file is kept as &quot;%2&quot;.</source>
        <translation>Der Zeitplan enthält mehr als %1 Einträge: Die ersten %1 werden geladen, und die ganze Datei wird als „%2“ aufbewahrt.</translation>
    </message>
    <message>
        <source>The sound server (PulseAudio) is running; recording can start.</source>
        <translation>Der Soundserver (PulseAudio) läuft; die Aufnahme kann beginnen.</translation>
    </message>
    <message>
        <source>The sound server (PulseAudio) stopped or can no longer be reached.</source>
        <translation>Der Soundserver (PulseAudio) wurde beendet oder ist nicht mehr erreichbar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer available: recording from &quot;%2&quot; instead.</source>
        <translation>„%1“ ist nicht mehr verfügbar: Stattdessen wird von „%2“ aufgenommen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer available: Record will record &quot;%2&quot; instead.</source>
        <translation>„%1“ ist nicht mehr verfügbar: „Aufnehmen“ nimmt stattdessen „%2“ auf.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is available again and will be recorded.</source>
        <translation>„%1“ ist wieder verfügbar und wird aufgenommen.</translation>
    </message>
</context>
<context>
    <name>AudioFileReader</name>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Cannot decode %1: %2</source>
        <translation>%1 kann nicht dekodiert werden: %2</translation>
    </message>
</context>
<context>
    <name>AudioFileWriter</name>
    <message>
        <source> Recording stopped; the file holds everything written before.</source>
        <translation> Die Aufnahme wurde beendet; die Datei enthält alles, was bis dahin geschrieben wurde.</translation>
    </message>
    <message>
        <source>The disk is full (%1).</source>
        <translation>Der Datenträger ist voll (%1).</translation>
    </message>
    <message>
        <source>The file has reached the largest size allowed here (%1).</source>
        <translation>Die Datei hat die hier zulässige Höchstgröße erreicht (%1).</translation>
    </message>
    <message>
        <source>Cannot write the file: %1.</source>
        <translation>Die Datei kann nicht geschrieben werden: %1.</translation>
    </message>
    <message>
        <source>Unknown file type &quot;%1&quot;: use WAV, MP3, VOX, RAW, G726, OGG or WMA.</source>
        <translation>Unbekannter Dateityp „%1“: Verwenden Sie WAV, MP3, VOX, RAW, G726, OGG oder WMA.</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>%1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>Cannot create %1: %2.</source>
        <translation>%1 kann nicht erstellt werden: %2.</translation>
    </message>
    <message>
        <source>Cannot write these blocks: %1.</source>
        <translation>Diese Blöcke können nicht geschrieben werden: %1.</translation>
    </message>
</context>
<context>
    <name>AudioPlayer</name>
    <message>
        <source>Playback could not start: %1.</source>
        <translation>Die Wiedergabe konnte nicht starten: %1.</translation>
    </message>
    <message>
        <source>Playback could not start: the sound server did not answer.</source>
        <translation>Die Wiedergabe konnte nicht starten: Der Soundserver hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>The sound server (PulseAudio) stopped or can no longer be reached.</source>
        <translation>Der Soundserver (PulseAudio) wurde beendet oder ist nicht mehr erreichbar.</translation>
    </message>
    <message>
        <source>Playback stopped unexpectedly.</source>
        <translation>Die Wiedergabe wurde unerwartet beendet.</translation>
    </message>
    <message>
        <source>No sound server (PulseAudio) is running, so nothing can be played.</source>
        <translation>Es läuft kein Soundserver (PulseAudio), daher kann nichts abgespielt werden.</translation>
    </message>
</context>
<context>
    <name>AudioPlayerWindow</name>
    <message>
        <source>All Supported Formats(*.mp3 *.cda *.wma *.wav *.asf *.asx *.lsf *.lsx *.mid *.midi *.rmi *.aif *.aifc *.aiff *.au *.snd);;CD Images(*.cue)</source>
        <translation>Alle unterstützten Formate (*.mp3 *.cda *.wma *.wav *.asf *.asx *.lsf *.lsx *.mid *.midi *.rmi *.aif *.aifc *.aiff *.au *.snd);;CD-Abbilder (*.cue)</translation>
    </message>
    <message>
        <source>All Supported Formats(*.mp3 *.cda *.wav *.wma *.asf *.asx *.lsf *.lsx *.mid *.midi *.rmi *.aif *.aifc *.aiff *.au *.snd);;CD Images(*.cue)</source>
        <translation>Alle unterstützten Formate (*.mp3 *.cda *.wav *.wma *.asf *.asx *.lsf *.lsx *.mid *.midi *.rmi *.aif *.aifc *.aiff *.au *.snd);;CD-Abbilder (*.cue)</translation>
    </message>
    <message>
        <source>Playlist(*.m3u *.M3u *.M3U *.m3u8 *.M3U8)</source>
        <translation>Wiedergabeliste (*.m3u *.M3u *.M3U *.m3u8 *.M3U8)</translation>
    </message>
    <message>
        <source>Audio Player</source>
        <translation>Audio-Player</translation>
    </message>
    <message>
        <source>On Top</source>
        <translation>Im Vordergrund</translation>
    </message>
    <message>
        <source>Small Window</source>
        <translation>Kleines Fenster</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Click &quot;play&quot; button to open an audio file</source>
        <translation>Klicken Sie auf „Abspielen“, um eine Audiodatei zu öffnen</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorheriger Titel</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächster Titel</translation>
    </message>
    <message>
        <source>Shuffle Songs</source>
        <translation>Zufällige Reihenfolge</translation>
    </message>
    <message>
        <source>Repeat Song</source>
        <translation>Titel wiederholen</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Playlists</source>
        <translation>Wiedergabelisten</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Decrease Vloume</source>
        <translation>Lautstärke verringern</translation>
    </message>
    <message>
        <source>Increase Vloume</source>
        <translation>Lautstärke erhöhen</translation>
    </message>
    <message>
        <source>Add Songs</source>
        <translation>Titel hinzufügen</translation>
    </message>
    <message>
        <source>Add Song</source>
        <translation>Einzelnen Titel hinzufügen</translation>
    </message>
    <message>
        <source>Add Directory</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Load Playlist</source>
        <translation>Wiedergabeliste laden</translation>
    </message>
    <message>
        <source>Save Playlist</source>
        <translation>Wiedergabeliste speichern</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Select A Song</source>
        <translation>Titel auswählen</translation>
    </message>
    <message>
        <source>Loading the play list...</source>
        <translation>Wiedergabeliste wird geladen …</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>%1Audio Player...</source>
        <translation>%1Audio-Player …</translation>
    </message>
</context>
<context>
    <name>AudioRecorder</name>
    <message>
        <source>the sound server did not answer</source>
        <translation>der Soundserver hat nicht geantwortet</translation>
    </message>
    <message>
        <source>Recording from &quot;%1&quot; could not start: %2.</source>
        <translation>Die Aufnahme von „%1“ konnte nicht starten: %2.</translation>
    </message>
    <message>
        <source>Recording from %1 could not start: %2.</source>
        <translation>Die Aufnahme von %1 konnte nicht starten: %2.</translation>
    </message>
    <message>
        <source>%1 s of sound were lost because Tavrik was too busy to collect it.</source>
        <translation>%1 s Ton gingen verloren, weil Tavrik zu beschäftigt war, um ihn abzuholen.</translation>
    </message>
    <message>
        <source>The recording device &quot;%1&quot; is no longer available.</source>
        <translation>Das Aufnahmegerät „%1“ ist nicht mehr verfügbar.</translation>
    </message>
    <message>
        <source>The sound server (PulseAudio) stopped or can no longer be reached.</source>
        <translation>Der Soundserver (PulseAudio) wurde beendet oder ist nicht mehr erreichbar.</translation>
    </message>
    <message>
        <source>Recording from &quot;%1&quot; stopped unexpectedly: %2.</source>
        <translation>Die Aufnahme von „%1“ wurde unerwartet beendet: %2.</translation>
    </message>
    <message>
        <source>No sound server (PulseAudio) is running, so there is nothing to record from.</source>
        <translation>Es läuft kein Soundserver (PulseAudio), daher kann nichts aufgenommen werden.</translation>
    </message>
    <message>
        <source>None of the sources chosen to record together is available.</source>
        <translation>Keine der zur gemeinsamen Aufnahme gewählten Quellen ist verfügbar.</translation>
    </message>
    <message>
        <source>No recording device is selected.</source>
        <translation>Es ist kein Aufnahmegerät ausgewählt.</translation>
    </message>
    <message>
        <source>Other sources</source>
        <translation>Andere Quellen</translation>
    </message>
</context>
<context>
    <name>CdAudio</name>
    <message>
        <source>%1 is not a regular file, so it cannot be read as a disc image</source>
        <translation>%1 ist keine reguläre Datei und kann daher nicht als CD-Abbild gelesen werden</translation>
    </message>
    <message>
        <source>%1 is not a CD drive or disc image</source>
        <translation>%1 ist weder ein CD-Laufwerk noch ein CD-Abbild</translation>
    </message>
    <message>
        <source>%1 cannot read audio</source>
        <translation>%1 kann keine Audiodaten lesen</translation>
    </message>
    <message>
        <source>%1 holds no audio disc</source>
        <translation>In %1 liegt keine Audio-CD</translation>
    </message>
    <message>
        <source>%1 has no audio track %2</source>
        <translation>%1 hat keinen Audiotitel %2</translation>
    </message>
    <message>
        <source>%1: track %2 cannot be read</source>
        <translation>%1: Titel %2 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Audio CD track %1, 44100 Hz stereo</source>
        <translation>Audio-CD-Titel %1, 44100 Hz Stereo</translation>
    </message>
    <message>
        <source>the disc could not be read</source>
        <translation>die CD konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 holds no audio tracks</source>
        <translation>%1 enthält keine Audiotitel</translation>
    </message>
</context>
<context>
    <name>ConversionRun</name>
    <message>
        <source>cannot write into %1: %2</source>
        <translation>in %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot find a free name in %1</source>
        <translation>in %1 lässt sich kein freier Name finden</translation>
    </message>
    <message>
        <source>cannot name the file %1: %2</source>
        <translation>die Datei kann nicht den Namen %1 erhalten: %2</translation>
    </message>
    <message>
        <source>the disk is full; the older file of that name, if any, is kept</source>
        <translation>der Datenträger ist voll; eine ältere Datei dieses Namens bleibt gegebenenfalls erhalten</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>Tasks is completed</source>
        <translation>Alle Aufgaben abgeschlossen</translation>
    </message>
    <message>
        <source>Tasks is completed: %1 of %2 jobs succeeded</source>
        <translation>Aufgaben abgeschlossen: %1 von %2 Aufträgen erfolgreich</translation>
    </message>
    <message>
        <source>Invalid input file name: %1</source>
        <translation>Ungültiger Name der Eingabedatei: %1</translation>
    </message>
    <message>
        <source>no sound in it could be decoded</source>
        <translation>darin ließ sich kein Ton dekodieren</translation>
    </message>
    <message>
        <source>Start Convert To %1</source>
        <translation>Konvertierung in %1 beginnt</translation>
    </message>
    <message>
        <source>Convert To %1 skipped: the output %2 is the input file itself</source>
        <translation>Konvertierung in %1 übersprungen: Die Ausgabe %2 ist die Eingabedatei selbst</translation>
    </message>
    <message>
        <source>Convert To %1 cancelled; its unfinished file was removed</source>
        <translation>Konvertierung in %1 abgebrochen; die unfertige Datei wurde entfernt</translation>
    </message>
    <message>
        <source>Convert To %1 failed: %2</source>
        <translation>Konvertierung in %1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>complete Convert To %1</source>
        <translation>Konvertierung in %1 abgeschlossen</translation>
    </message>
    <message>
        <source>The older %1 was replaced</source>
        <translation>Die ältere Datei %1 wurde ersetzt</translation>
    </message>
</context>
<context>
    <name>ConverterDialog</name>
    <message>
        <source>Audio Converter</source>
        <translation>Audio-Konverter</translation>
    </message>
    <message>
        <source>Input Audio File</source>
        <translation>Eingabe-Audiodatei</translation>
    </message>
    <message>
        <source>Enter Input Audio File</source>
        <translation>Geben Sie die Eingabe-Audiodatei an</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Ausgabeformat</translation>
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
        <translation>Formateinstellungen</translation>
    </message>
    <message>
        <source>Ogg</source>
        <translation>Ogg</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Convert Now!</source>
        <translation>Jetzt konvertieren!</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Res</source>
        <translation>Erg.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Vorgang</translation>
    </message>
    <message>
        <source>Wav files (*.wav);;MP3 files (*.mp3);;Ogg Vorbis files (*.ogg);;WMA files (*.wma);;All files (*)</source>
        <translation>WAV-Dateien (*.wav);;MP3-Dateien (*.mp3);;Ogg-Vorbis-Dateien (*.ogg);;WMA-Dateien (*.wma);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open an Audio file</source>
        <translation>Audiodatei öffnen</translation>
    </message>
    <message>
        <source>Set WMA Format parameters </source>
        <translation>WMA-Formatparameter festlegen </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Convert Now</source>
        <translation>Jetzt konvertieren</translation>
    </message>
    <message>
        <source>Invalid input file name: %1</source>
        <translation>Ungültiger Name der Eingabedatei: %1</translation>
    </message>
</context>
<context>
    <name>DecodedFormat</name>
    <message>
        <source>mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 Kanäle</translation>
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
        <translation>Tavrik im Web</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Tavrik</source>
        <translation>Tavrik</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Record Now</source>
        <translation>Jetzt aufnehmen</translation>
    </message>
    <message>
        <source>Stop Record</source>
        <translation>Aufnahme beenden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Can not register the hotkeys CTRL+R ...this key is already registered by some other running applications.</source>
        <translation>Das Tastenkürzel Strg+R kann nicht registriert werden … Es wird bereits von einer anderen laufenden Anwendung verwendet.</translation>
    </message>
    <message>
        <source>Can not register the hotkeys CTRL+S ... this key is already registered by some other running applications.</source>
        <translation>Das Tastenkürzel Strg+S kann nicht registriert werden … Es wird bereits von einer anderen laufenden Anwendung verwendet.</translation>
    </message>
    <message>
        <source>Can not register the hotkeys CTRL+R and CTRL+S ...this desktop offers no global hotkeys.</source>
        <translation>Die Tastenkürzel Strg+R und Strg+S können nicht registriert werden … Diese Arbeitsumgebung bietet keine globalen Tastenkürzel.</translation>
    </message>
</context>
<context>
    <name>FfmpegDecoder</name>
    <message>
        <source>not an audio file that can be decoded (%1)</source>
        <translation>keine Audiodatei, die dekodiert werden kann (%1)</translation>
    </message>
    <message>
        <source>its sound is in a coding that cannot be decoded</source>
        <translation>der Ton liegt in einer Kodierung vor, die nicht dekodiert werden kann</translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <translation>die Datei enthält keinen Ton</translation>
    </message>
    <message>
        <source>its sample rate of %1 Hz is not usable</source>
        <translation>die Abtastrate von %1 Hz ist nicht verwendbar</translation>
    </message>
    <message>
        <source>its channel count of %1 is not usable</source>
        <translation>die Kanalzahl von %1 ist nicht verwendbar</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>its decoder does not start (%1)</source>
        <translation>der Decoder startet nicht (%1)</translation>
    </message>
    <message>
        <source>its coding cannot be decoded here</source>
        <translation>die Kodierung kann hier nicht dekodiert werden</translation>
    </message>
    <message>
        <source>The rest of the file is damaged and cannot be decoded.</source>
        <translation>Der Rest der Datei ist beschädigt und kann nicht dekodiert werden.</translation>
    </message>
    <message>
        <source>The file changes to a format that cannot be played.</source>
        <translation>Die Datei wechselt in ein Format, das nicht abgespielt werden kann.</translation>
    </message>
    <message>
        <source>Cannot mix %1 channels down to stereo.</source>
        <translation>%1 Kanäle können nicht auf Stereo heruntergemischt werden.</translation>
    </message>
    <message>
        <source>Out of memory while decoding.</source>
        <translation>Nicht genügend Arbeitsspeicher beim Dekodieren.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
</context>
<context>
    <name>FfmpegResampler</name>
    <message>
        <source>cannot convert %1 Hz with %2 channels to %3 Hz with %4 channels</source>
        <translation>%1 Hz mit %2 Kanälen kann nicht in %3 Hz mit %4 Kanälen umgewandelt werden</translation>
    </message>
    <message>
        <source>the resampler does not start</source>
        <translation>der Resampler startet nicht</translation>
    </message>
</context>
<context>
    <name>FfmpegWmaEncoder</name>
    <message>
        <source>the WMA encoder refuses %1: %2</source>
        <translation>der WMA-Encoder lehnt %1 ab: %2</translation>
    </message>
    <message>
        <source>no WMA encoder in this FFmpeg</source>
        <translation>kein WMA-Encoder in diesem FFmpeg</translation>
    </message>
</context>
<context>
    <name>FileFormats</name>
    <message>
        <source>mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>WAV PCM %1 Hz %2-bit %3</source>
        <translation>WAV PCM %1 Hz %2 Bit %3</translation>
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
        <translation>MP3 %1 Hz VBR-Qualität %2 %3</translation>
    </message>
    <message>
        <source>VOX %1 Hz mono</source>
        <translation>VOX %1 Hz Mono</translation>
    </message>
    <message>
        <source>RAW PCM %1 Hz %2-bit %3</source>
        <translation>RAW PCM %1 Hz %2 Bit %3</translation>
    </message>
    <message>
        <source>G.726 %1 Hz %2 bits</source>
        <translation>G.726 %1 Hz %2 Bit</translation>
    </message>
    <message>
        <source>Ogg Vorbis %1 Hz %2, </source>
        <translation>Ogg Vorbis %1 Hz %2, </translation>
    </message>
    <message>
        <source>quality %1</source>
        <translation>Qualität %1</translation>
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
        <translation>Stereo</translation>
    </message>
    <message>
        <source>16-bit PCM</source>
        <translation>16-Bit-PCM</translation>
    </message>
    <message>
        <source>8-bit A-Law </source>
        <translation>8-Bit A-Law </translation>
    </message>
    <message>
        <source>8-bit mu-Law </source>
        <translation>8-Bit mu-Law </translation>
    </message>
    <message>
        <source>2 bit </source>
        <translation>2 Bit </translation>
    </message>
    <message>
        <source>3 bit</source>
        <translation>3 Bit</translation>
    </message>
    <message>
        <source>4 bit </source>
        <translation>4 Bit </translation>
    </message>
    <message>
        <source>5 bit</source>
        <translation>5 Bit</translation>
    </message>
</context>
<context>
    <name>FormatSettingsDialog</name>
    <message>
        <source>Formats And Filters Settings </source>
        <translation>Format- und Filtereinstellungen </translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Mixer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Format Settings</source>
        <translation>Formateinstellungen</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Notch</source>
        <translation>Kerbfilter</translation>
    </message>
    <message>
        <source>HighPass</source>
        <translation>Hochpass</translation>
    </message>
    <message>
        <source>LowPass</source>
        <translation>Tiefpass</translation>
    </message>
    <message>
        <source>Auto Gain Control</source>
        <translation>Automatische Verstärkungsregelung</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Low Level:</source>
        <translation>Unterer Pegel:</translation>
    </message>
    <message>
        <source>High Level:</source>
        <translation>Oberer Pegel:</translation>
    </message>
    <message>
        <source>AttackTime:</source>
        <translation>Ansprechzeit:</translation>
    </message>
    <message>
        <source>%1 per hour</source>
        <translation>%1 pro Stunde</translation>
    </message>
    <message>
        <source>, %1 h free</source>
        <translation>, Platz für %1 h</translation>
    </message>
</context>
<context>
    <name>G726Encoder</name>
    <message>
        <source>the G.726 encoder did not start</source>
        <translation>der G.726-Encoder ist nicht gestartet</translation>
    </message>
</context>
<context>
    <name>GlobalHotkeys</name>
    <message>
        <source>Start recording</source>
        <translation>Aufnahme starten</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Aufnahme beenden</translation>
    </message>
</context>
<context>
    <name>HeaderlessSettingsDialog</name>
    <message>
        <source>Set VOX Format</source>
        <translation>VOX-Format festlegen</translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation>Abtastrate (Hz)</translation>
    </message>
    <message>
        <source>Set CCUIT G.726 Format</source>
        <translation>CCITT-G.726-Format festlegen</translation>
    </message>
    <message>
        <source>ADPCM Bit</source>
        <translation>ADPCM-Bits</translation>
    </message>
    <message>
        <source>Set RAW Format</source>
        <translation>RAW-Format festlegen</translation>
    </message>
    <message>
        <source>nChannels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Comperssion</source>
        <translation>Kompression</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The help is not installed: neither help.chm nor the help pages (help/index.html) were found in %1.</source>
        <translation>Die Hilfe ist nicht installiert: Weder help.chm noch die Hilfeseiten (help/index.html) wurden in %1 gefunden.</translation>
    </message>
    <message>
        <source>The help could not be shown: install a help viewer (xchm or kchmviewer) or set a default web browser.

The help pages are in %1.</source>
        <translation>Die Hilfe konnte nicht angezeigt werden: Installieren Sie ein Hilfeprogramm (xchm oder kchmviewer) oder legen Sie einen Standard-Webbrowser fest.

Die Hilfeseiten befinden sich in %1.</translation>
    </message>
    <message>
        <source>No program to show %1 was found: install a help viewer such as xchm or kchmviewer.</source>
        <translation>Es wurde kein Programm gefunden, das %1 anzeigen kann: Installieren Sie ein Hilfeprogramm wie xchm oder kchmviewer.</translation>
    </message>
    <message>
        <source>%1 could not be opened: no default web browser is set.</source>
        <translation>%1 konnte nicht geöffnet werden: Es ist kein Standard-Webbrowser festgelegt.</translation>
    </message>
</context>
<context>
    <name>InputMixer</name>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
</context>
<context>
    <name>LameEncoder</name>
    <message>
        <source>the MP3 encoder cannot start</source>
        <translation>der MP3-Encoder kann nicht starten</translation>
    </message>
    <message>
        <source>the MP3 encoder refuses %1</source>
        <translation>der MP3-Encoder lehnt %1 ab</translation>
    </message>
    <message>
        <source>the MP3 encoder failed (%1)</source>
        <translation>der MP3-Encoder ist fehlgeschlagen (%1)</translation>
    </message>
</context>
<context>
    <name>M3uFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>the file is too large to be a play list</source>
        <translation>die Datei ist zu groß für eine Wiedergabeliste</translation>
    </message>
    <message>
        <source>the file is not a play list</source>
        <translation>die Datei ist keine Wiedergabeliste</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Listening: the last %1 s are kept</source>
        <translation>Eingang offen: Die letzten %1 s werden vorgehalten</translation>
    </message>
    <message>
        <source>Record device error!</source>
        <translation>Fehler beim Aufnahmegerät!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Select a recording project file</source>
        <translation>Aufnahmeprojektdatei auswählen</translation>
    </message>
    <message>
        <source>Project Files(*.rpf)</source>
        <translation>Projektdateien (*.rpf)</translation>
    </message>
    <message>
        <source>Opening the recording project...</source>
        <translation>Aufnahmeprojekt wird geöffnet …</translation>
    </message>
    <message>
        <source>Save recording project file</source>
        <translation>Aufnahmeprojektdatei speichern</translation>
    </message>
    <message>
        <source>Do you want to delete the selected audio file now?</source>
        <translation>Möchten Sie die ausgewählte Audiodatei jetzt löschen?</translation>
    </message>
    <message>
        <source>%1 is not exist!</source>
        <translation>%1 existiert nicht!</translation>
    </message>
    <message>
        <source>Old audio file name is: %1<byte value="xd"/>
<byte value="xd"/>
Please enter new Audio file name:</source>
        <translation>Alter Name der Audiodatei: %1<byte value="xd"/>
<byte value="xd"/>
Bitte geben Sie den neuen Namen der Audiodatei ein:</translation>
    </message>
    <message>
        <source>Rename audio file is  succeeded!</source>
        <translation>Die Audiodatei wurde erfolgreich umbenannt!</translation>
    </message>
    <message>
        <source>Rename audio file is  Faild!</source>
        <translation>Die Audiodatei konnte nicht umbenannt werden!</translation>
    </message>
    <message>
        <source>Do you need to save the recording project file?</source>
        <translation>Möchten Sie die Aufnahmeprojektdatei speichern?</translation>
    </message>
    <message>
        <source>Record Device</source>
        <translation>Aufnahmegerät</translation>
    </message>
    <message>
        <source>Sound Source</source>
        <translation>Tonquelle</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Ausgabeformat</translation>
    </message>
    <message>
        <source>Start Recording (Hotkey:CTRL+R)</source>
        <translation>Aufnahme starten (Tastenkürzel: Strg+R)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Double Click list to Play Recording</source>
        <translation>Doppelklicken Sie auf die Liste, um eine Aufnahme abzuspielen</translation>
    </message>
    <message>
        <source>Record Ctrl+R</source>
        <translation>Aufnehmen Strg+R</translation>
    </message>
    <message>
        <source>Stop Ctrl+S</source>
        <translation>Stopp Strg+S</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>Audio Player</source>
        <translation>Audio-Player</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>Ausgabedatei</translation>
    </message>
    <message>
        <source>Format Settings</source>
        <translation>Formateinstellungen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Edit ID3</source>
        <translation>ID3 bearbeiten</translation>
    </message>
    <message>
        <source>Audio Converter</source>
        <translation>Audio-Konverter</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>New Recording Project</source>
        <translation>Neues Aufnahmeprojekt</translation>
    </message>
    <message>
        <source>Open Recording Project</source>
        <translation>Aufnahmeprojekt öffnen</translation>
    </message>
    <message>
        <source>Save Recording Project</source>
        <translation>Aufnahmeprojekt speichern</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Play Selected File</source>
        <translation>Ausgewählte Datei abspielen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Remove Selected Item</source>
        <translation>Ausgewählten Eintrag entfernen</translation>
    </message>
    <message>
        <source>Delete Selected File</source>
        <translation>Ausgewählte Datei löschen</translation>
    </message>
    <message>
        <source>Action(&amp;A)</source>
        <translation>&amp;Aktion</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Play Audio</source>
        <translation>Audio abspielen</translation>
    </message>
    <message>
        <source>Pause Play</source>
        <translation>Wiedergabe pausieren</translation>
    </message>
    <message>
        <source>Stop Play</source>
        <translation>Wiedergabe stoppen</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Sound Activation</source>
        <translation>Tonaktivierung</translation>
    </message>
    <message>
        <source>Record Several Sources</source>
        <translation>Mehrere Quellen aufnehmen</translation>
    </message>
    <message>
        <source>Record Control</source>
        <translation>Aufnahmeregler</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Tavrik Home Page</source>
        <translation>Tavrik-Startseite</translation>
    </message>
    <message>
        <source>Support Online</source>
        <translation>Online-Support</translation>
    </message>
</context>
<context>
    <name>MediaControl</name>
    <message>
        <source>%1 cannot be found or read.</source>
        <translation>%1 kann nicht gefunden oder gelesen werden.</translation>
    </message>
</context>
<context>
    <name>MixerPanel</name>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Lautstärke:</translation>
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
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Joint stereo</source>
        <translation>Joint Stereo</translation>
    </message>
    <message>
        <source>Dual channel</source>
        <translation>Dual Channel</translation>
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
        <translation>die Datei beginnt nicht mit einem MP3-Frame</translation>
    </message>
    <message>
        <source>it holds %1 Hz, %2 channels instead of the %3 Hz, %4 channels recorded</source>
        <translation>die Datei enthält %1 Hz, %2 Kanäle statt der aufgenommenen %3 Hz, %4 Kanäle</translation>
    </message>
    <message>
        <source>its frames break off at byte %1 of %2</source>
        <translation>die Frames brechen bei Byte %1 von %2 ab</translation>
    </message>
    <message>
        <source>its first frame is too small for a tag</source>
        <translation>der erste Frame ist zu klein für ein Tag</translation>
    </message>
</context>
<context>
    <name>Mp3SettingsDialog</name>
    <message>
        <source>Current bitrate: %1 kbit</source>
        <translation>Aktuelle Bitrate: %1 kbit</translation>
    </message>
    <message>
        <source>MP3 Advanced Option</source>
        <translation>Erweiterte MP3-Optionen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Filtering</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>poor quality </source>
        <translation>geringe Qualität </translation>
    </message>
    <message>
        <source>good quality </source>
        <translation>gute Qualität </translation>
    </message>
    <message>
        <source>small file</source>
        <translation>kleine Datei</translation>
    </message>
    <message>
        <source>big file</source>
        <translation>große Datei</translation>
    </message>
    <message>
        <source>Encoder Quality</source>
        <translation>Encoder-Qualität</translation>
    </message>
    <message>
        <source>faster</source>
        <translation>schneller</translation>
    </message>
    <message>
        <source>better</source>
        <translation>besser</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Joint Stereo</source>
        <translation>Joint Stereo</translation>
    </message>
    <message>
        <source>Forced Joint Stereo</source>
        <translation>Erzwungenes Joint Stereo</translation>
    </message>
    <message>
        <source>Dual Channels</source>
        <translation>Dual Channel</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Frequency (hz)</source>
        <translation>Abtastrate (Hz)</translation>
    </message>
    <message>
        <source>HighPass Filter</source>
        <translation>Hochpassfilter</translation>
    </message>
    <message>
        <source>Highpass filtering frequency (in Hz):</source>
        <translation>Grenzfrequenz des Hochpassfilters (in Hz):</translation>
    </message>
    <message>
        <source>Width of Highpass filter (in Hz):</source>
        <translation>Breite des Hochpassfilters (in Hz):</translation>
    </message>
    <message>
        <source>LowPass Filter</source>
        <translation>Tiefpassfilter</translation>
    </message>
    <message>
        <source>Lowpass filtering frequency (in Hz):</source>
        <translation>Grenzfrequenz des Tiefpassfilters (in Hz):</translation>
    </message>
    <message>
        <source>Width of Lowpass filter (in Hz):</source>
        <translation>Breite des Tiefpassfilters (in Hz):</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
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
        <translation>VBR-Qualität:</translation>
    </message>
    <message>
        <source>Targed bitrate for ABR:</source>
        <translation>Zielbitrate für ABR:</translation>
    </message>
    <message>
        <source>Coding Method:</source>
        <translation>Kodierverfahren:</translation>
    </message>
    <message>
        <source>Maximum VBR Bitrate</source>
        <translation>Maximale VBR-Bitrate</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Write VBR Header</source>
        <translation>VBR-Header schreiben</translation>
    </message>
    <message>
        <source>Strictly enforce minimum bitrate</source>
        <translation>Mindestbitrate strikt einhalten</translation>
    </message>
    <message>
        <source>default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>only</source>
        <translation>Ausschließlich</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>only for short blocks</source>
        <translation>Nur für kurze Blöcke</translation>
    </message>
    <message>
        <source>0/15 microseconds</source>
        <translation>50/15 Mikrosekunden</translation>
    </message>
    <message>
        <source>citt j.17</source>
        <translation>CCITT J.17</translation>
    </message>
    <message>
        <source>include CRC -Checksums</source>
        <translation>CRC-Prüfsummen einfügen</translation>
    </message>
    <message>
        <source>allow block types to differ between channels</source>
        <translation>Unterschiedliche Blocktypen je Kanal erlauben</translation>
    </message>
    <message>
        <source>bit reservoir</source>
        <translation>Bit-Reservoir</translation>
    </message>
    <message>
        <source>short blocks</source>
        <translation>Kurze Blöcke</translation>
    </message>
    <message>
        <source>comply as much as possible to ISO MPEG spec</source>
        <translation>ISO-MPEG-Norm so weit wie möglich einhalten</translation>
    </message>
    <message>
        <source>ATH Control:</source>
        <translation>ATH-Steuerung:</translation>
    </message>
    <message>
        <source>De-emphasis :</source>
        <translation>De-Emphasis:</translation>
    </message>
</context>
<context>
    <name>MprisService</name>
    <message>
        <source>Tavrik Audio Player</source>
        <translation>Tavrik-Audio-Player</translation>
    </message>
</context>
<context>
    <name>OggRepair</name>
    <message>
        <source>it does not start an Ogg Vorbis stream</source>
        <translation>die Datei beginnt keinen Ogg-Vorbis-Datenstrom</translation>
    </message>
    <message>
        <source>it holds %1 Hz, %2 channels instead of the %3 Hz, %4 channels recorded</source>
        <translation>die Datei enthält %1 Hz, %2 Kanäle statt der aufgenommenen %3 Hz, %4 Kanäle</translation>
    </message>
    <message>
        <source>its pages break off at byte %1 of %2</source>
        <translation>die Seiten brechen bei Byte %1 von %2 ab</translation>
    </message>
</context>
<context>
    <name>OggSettingsDialog</name>
    <message>
        <source>Ogg Vorbis Option</source>
        <translation>Ogg-Vorbis-Optionen</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>VBR Enabled</source>
        <translation>VBR aktiviert</translation>
    </message>
    <message>
        <source>Quality Enabled</source>
        <translation>Qualität aktiviert</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>MinBitrate</source>
        <translation>Min. Bitrate</translation>
    </message>
    <message>
        <source>MaxBitrate</source>
        <translation>Max. Bitrate</translation>
    </message>
    <message>
        <source>Quality (Compression)</source>
        <translation>Qualität (Kompression)</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Current nominal Bitrate: %1 kbit</source>
        <translation>Aktuelle Nennbitrate: %1 kbit</translation>
    </message>
    <message>
        <source>Current min oggBitrate: %1 kbit</source>
        <translation>Aktuelle minimale Bitrate: %1 kbit</translation>
    </message>
    <message>
        <source>Current max oggBitrate: %1 kbit</source>
        <translation>Aktuelle maximale Bitrate: %1 kbit</translation>
    </message>
    <message>
        <source>Current nominal oggBitrate: %1 kbit</source>
        <translation>Aktuelle Nennbitrate: %1 kbit</translation>
    </message>
</context>
<context>
    <name>OutputNamingDialog</name>
    <message>
        <source>Output Files</source>
        <translation>Ausgabedateien</translation>
    </message>
    <message>
        <source>Save Recording Sound Files to</source>
        <translation>Aufnahmen speichern unter</translation>
    </message>
    <message>
        <source>Date + Time</source>
        <translation>Datum + Uhrzeit</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen …</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>If same as an existed file</source>
        <translation>Wenn bereits eine Datei dieses Namens existiert</translation>
    </message>
    <message>
        <source>Add number after filename</source>
        <translation>Nummer an den Dateinamen anhängen</translation>
    </message>
    <message>
        <source>Overwrite the existed file</source>
        <translation>Vorhandene Datei überschreiben</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Long recordings</source>
        <translation>Lange Aufnahmen</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>Start a new file every</source>
        <translation>Neue Datei beginnen nach</translation>
    </message>
    <message>
        <source>minutes or</source>
        <translation>Minuten oder</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Please enter audio file name.</source>
        <translation>Bitte geben Sie einen Namen für die Audiodatei ein.</translation>
    </message>
    <message>
        <source>A file name cannot contain &quot;/&quot;. Please enter another name.</source>
        <translation>Ein Dateiname darf kein „/“ enthalten. Bitte geben Sie einen anderen Namen ein.</translation>
    </message>
</context>
<context>
    <name>PlayerController</name>
    <message>
        <source>Track %1</source>
        <translation>Titel %1</translation>
    </message>
    <message>
        <source>Nothing in the play list can be played.</source>
        <translation>Nichts in der Wiedergabeliste kann abgespielt werden.</translation>
    </message>
    <message>
        <source>%1 cannot be played: skipped.</source>
        <translation>%1 kann nicht abgespielt werden: übersprungen.</translation>
    </message>
    <message>
        <source>No audio CD was found in the drives.</source>
        <translation>In den Laufwerken wurde keine Audio-CD gefunden.</translation>
    </message>
    <message>
        <source>No audio CD: %1.</source>
        <translation>Keine Audio-CD: %1.</translation>
    </message>
    <message>
        <source>No playable files in %1.</source>
        <translation>Keine abspielbaren Dateien in %1.</translation>
    </message>
    <message>
        <source>The play list %1 cannot be loaded: %2.</source>
        <translation>Die Wiedergabeliste %1 kann nicht geladen werden: %2.</translation>
    </message>
    <message>
        <source>The play list is full: it holds at most %1 entries, the rest were left out.</source>
        <translation>Die Wiedergabeliste ist voll: Sie fasst höchstens %1 Einträge, der Rest wurde weggelassen.</translation>
    </message>
    <message>
        <source>The play list cannot be saved to %1: %2.</source>
        <translation>Die Wiedergabeliste kann nicht unter %1 gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>Cannot save the recording project</source>
        <translation>Das Aufnahmeprojekt kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Cannot open the recording project</source>
        <translation>Das Aufnahmeprojekt kann nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Sources kept in time with &quot;%1&quot; (clock drift, lag, silence filled in): %2</source>
        <translation>Mit „%1“ synchron gehaltene Quellen (Taktabweichung, Verzögerung, aufgefüllte Stille): %2</translation>
    </message>
</context>
<context>
    <name>RecordingHealth</name>
    <message>
        <source>under 1 min left</source>
        <translation>noch weniger als 1 min</translation>
    </message>
    <message>
        <source>%1 min left</source>
        <translation>noch %1 min</translation>
    </message>
    <message>
        <source>%1 h %2 min left</source>
        <translation>noch %1 h %2 min</translation>
    </message>
</context>
<context>
    <name>RecordingJournal</name>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>too large for a recording journal</source>
        <translation>zu groß für ein Aufnahmeprotokoll</translation>
    </message>
    <message>
        <source>not a recording journal</source>
        <translation>kein Aufnahmeprotokoll</translation>
    </message>
    <message>
        <source>a recording journal with missing or impossible values</source>
        <translation>ein Aufnahmeprotokoll mit fehlenden oder unmöglichen Werten</translation>
    </message>
    <message>
        <source>Cannot write the recording journal %1: %2</source>
        <translation>Das Aufnahmeprotokoll %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot remove the recording journal %1: %2</source>
        <translation>Das Aufnahmeprotokoll %1 kann nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>es ist ein Link</translation>
    </message>
</context>
<context>
    <name>RecordingRecovery</name>
    <message>
        <source>it is a link</source>
        <translation>es ist ein Link</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>es ist keine Datei</translation>
    </message>
    <message>
        <source>it is not in a folder recordings go to</source>
        <translation>die Datei liegt in keinem Ordner, in den Aufnahmen gespeichert werden</translation>
    </message>
    <message>
        <source>its extension is not that of the format recorded</source>
        <translation>die Dateiendung passt nicht zum aufgenommenen Format</translation>
    </message>
    <message>
        <source>it was replaced by another file</source>
        <translation>die Datei wurde durch eine andere ersetzt</translation>
    </message>
    <message>
        <source>it was last changed before the recording began</source>
        <translation>die Datei wurde zuletzt vor Beginn der Aufnahme geändert</translation>
    </message>
    <message>
        <source>The recording %1, which ended unexpectedly, is gone.</source>
        <translation>Die unerwartet beendete Aufnahme %1 ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>Left %1 as it is: %2.</source>
        <translation>%1 wurde unverändert gelassen: %2.</translation>
    </message>
    <message>
        <source>Recovered %1 (%2) after an unexpected end.</source>
        <translation>%1 (%2) wurde nach einem unerwarteten Ende wiederhergestellt.</translation>
    </message>
    <message>
        <source>Ignored the unreadable recording journal %1: %2.</source>
        <translation>Das unlesbare Aufnahmeprotokoll %1 wurde ignoriert: %2.</translation>
    </message>
    <message>
        <source>Left %1 more recording journals in %2 unread: more than an unexpected end leaves.</source>
        <translation>%1 weitere Aufnahmeprotokolle in %2 wurden nicht gelesen: mehr, als ein unerwartetes Ende hinterlässt.</translation>
    </message>
</context>
<context>
    <name>RecordingRepair</name>
    <message>
        <source>it is a link</source>
        <translation>es ist ein Link</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>WMA files are not repaired</source>
        <translation>WMA-Dateien werden nicht repariert</translation>
    </message>
</context>
<context>
    <name>RecordingSession</name>
    <message>
        <source>Tavrik stood still and the sound server dropped what it could not hold: %1 s of &quot;%2&quot; are filled with silence, so the recording keeps its length.</source>
        <translation>Tavrik stand still, und der Soundserver hat verworfen, was er nicht halten konnte: %1 s von „%2“ wurden mit Stille aufgefüllt, damit die Aufnahme ihre Länge behält.</translation>
    </message>
    <message>
        <source>%1 (%2 s silence filled)</source>
        <translation>%1 (%2 s mit Stille aufgefüllt)</translation>
    </message>
    <message>
        <source>1 clipped peak</source>
        <translation>1 übersteuerte Spitze</translation>
    </message>
    <message>
        <source>%1 clipped peaks</source>
        <translation>%1 übersteuerte Spitzen</translation>
    </message>
    <message>
        <source>No sound for %1 s: is the input muted?</source>
        <translation>Seit %1 s kein Ton: Ist der Eingang stummgeschaltet?</translation>
    </message>
    <message>
        <source>Recording stopped: less than %1 MB are free on the disk of &quot;%2&quot;.</source>
        <translation>Aufnahme beendet: Auf dem Datenträger von „%2“ sind weniger als %1 MB frei.</translation>
    </message>
    <message>
        <source>The output format&apos;s settings cannot be written: choose others in its settings.</source>
        <translation>Die Einstellungen des Ausgabeformats können nicht geschrieben werden: Wählen Sie dort andere Einstellungen.</translation>
    </message>
    <message>
        <source>Waiting for sound (%1 dBFS)</source>
        <translation>Warte auf Ton (%1 dBFS)</translation>
    </message>
    <message>
        <source>Armed: recording sound event %1</source>
        <translation>Scharf geschaltet: Tonereignis %1 wird aufgenommen</translation>
    </message>
    <message>
        <source>%1: armed, %2 sound events so far</source>
        <translation>%1: scharf geschaltet, Tonereignisse bisher: %2</translation>
    </message>
</context>
<context>
    <name>RecordingsModel</name>
    <message>
        <source>NO.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Record Time</source>
        <translation>Aufnahmezeit</translation>
    </message>
</context>
<context>
    <name>ScheduleEntryDialog</name>
    <message>
        <source>Scheduler</source>
        <translation>Zeitplaner</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Beginn:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Ende:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Kommentar:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Time is error</source>
        <translation>Ungültige Zeitangabe</translation>
    </message>
</context>
<context>
    <name>ScheduleFile</name>
    <message>
        <source>Cannot create the schedule &quot;%1&quot;: %2.</source>
        <translation>Der Zeitplan „%1“ kann nicht erstellt werden: %2.</translation>
    </message>
    <message>
        <source>Cannot read the schedule</source>
        <translation>Der Zeitplan kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot save the schedule</source>
        <translation>Der Zeitplan kann nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>ScheduleModel</name>
    <message>
        <source>Waiting</source>
        <translation>Wartend</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Nimmt auf</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Verpasst</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>Stop time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
</context>
<context>
    <name>ScheduleWindow</name>
    <message>
        <source>Schedule</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Scheduler</name>
    <message>
        <source>Missed the scheduled recording from %1 to %2</source>
        <translation>Die geplante Aufnahme von %1 bis %2 wurde verpasst</translation>
    </message>
    <message>
        <source>Missed %1 scheduled recordings, the first from %2 to %3</source>
        <translation>%1 geplante Aufnahmen wurden verpasst, die erste von %2 bis %3</translation>
    </message>
    <message>
        <source>Scheduled recording</source>
        <translation>Geplante Aufnahme</translation>
    </message>
</context>
<context>
    <name>SeveralSourcesDialog</name>
    <message>
        <source>Record Several Sources</source>
        <translation>Mehrere Quellen aufnehmen</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Level now</source>
        <translation>Aktueller Pegel</translation>
    </message>
    <message>
        <source>Recorded at</source>
        <translation>Aufnahmepegel</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Gemischt</translation>
    </message>
    <message>
        <source>One channel per source</source>
        <translation>Ein Kanal pro Quelle</translation>
    </message>
    <message>
        <source>Two sources: the first left, the second right, so that they can be separated later.</source>
        <translation>Zwei Quellen: die erste links, die zweite rechts, damit sie sich später trennen lassen.</translation>
    </message>
    <message>
        <source>Check two or more sources to record them together; with fewer, the source chosen in the main window is recorded.</source>
        <translation>Wählen Sie zwei oder mehr Quellen, um sie gemeinsam aufzunehmen; bei weniger wird die im Hauptfenster gewählte Quelle aufgenommen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>SndfileEncoder</name>
    <message>
        <source>Cannot take the format of %1: %2.</source>
        <translation>Das Format von %1 kann nicht übernommen werden: %2.</translation>
    </message>
</context>
<context>
    <name>SoundActivationDialog</name>
    <message>
        <source>Sound Activation</source>
        <translation>Tonaktivierung</translation>
    </message>
    <message>
        <source>Record starts when sound comes, a file for each sound</source>
        <translation>Die Aufnahme beginnt, sobald Ton kommt – eine Datei pro Tonereignis</translation>
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
        <translation>aus</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Schwellwert</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>Eingangspegel</translation>
    </message>
    <message>
        <source>Ends after quiet for</source>
        <translation>Endet nach einer Stille von</translation>
    </message>
    <message>
        <source>Keeps before the sound</source>
        <translation>Vorlauf vor dem Ton</translation>
    </message>
    <message>
        <source>Keeps before Record</source>
        <translation>Vorlauf vor „Aufnehmen“</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Nothing is kept before Record.</source>
        <translation>Vor „Aufnehmen“ wird nichts vorgehalten.</translation>
    </message>
    <message>
        <source>Keeping %1 s takes %2 MB of memory, and the input stays open while nothing records.</source>
        <translation>Das Vorhalten von %1 s belegt %2 MB Arbeitsspeicher, und der Eingang bleibt offen, während nichts aufgenommen wird.</translation>
    </message>
</context>
<context>
    <name>TagBatch</name>
    <message>
        <source>it is no regular file, or it cannot be written</source>
        <translation>keine reguläre Datei oder nicht beschreibbar</translation>
    </message>
    <message>
        <source>its ID3v2 tag claims more bytes than the file holds, so a new tag could cut its audio</source>
        <translation>das ID3v2-Tag gibt mehr Bytes an, als die Datei enthält; ein neues Tag könnte daher Audiodaten abschneiden</translation>
    </message>
    <message>
        <source>no copy of it could be written beside it</source>
        <translation>daneben konnte keine Kopie der Datei geschrieben werden</translation>
    </message>
    <message>
        <source>the new tags would have cut its audio</source>
        <translation>die neuen Tags hätten Audiodaten abgeschnitten</translation>
    </message>
    <message>
        <source>the tags could not be written</source>
        <translation>die Tags konnten nicht geschrieben werden</translation>
    </message>
    <message>
        <source>it could not be replaced by the saved copy</source>
        <translation>die Datei konnte nicht durch die gespeicherte Kopie ersetzt werden</translation>
    </message>
</context>
<context>
    <name>TagEditorDialog</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Grabbed title for selected mp3: 
%1</source>
        <translation>Titel für die ausgewählte MP3-Datei übernommen: 
%1</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>These files were left as they were:

%1</source>
        <translation>Diese Dateien wurden unverändert gelassen:

%1</translation>
    </message>
    <message>
        <source>ID3 Editor</source>
        <translation>ID3-Editor</translation>
    </message>
    <message>
        <source>Multiple file options</source>
        <translation>Optionen für mehrere Dateien</translation>
    </message>
    <message>
        <source>&amp;Empty fields keep original value.</source>
        <translation>&amp;Leere Felder behalten den ursprünglichen Wert.</translation>
    </message>
    <message>
        <source>&amp;Add track number from file index.</source>
        <translation>&amp;Titelnummer aus der Dateireihenfolge übernehmen.</translation>
    </message>
    <message>
        <source>&amp;Grab title from filename.</source>
        <translation>Titel aus &amp;Dateinamen übernehmen.</translation>
    </message>
    <message>
        <source>Copy from ID3v2</source>
        <translation>Aus ID3v2 kopieren</translation>
    </message>
    <message>
        <source>Copy to ID3v2</source>
        <translation>Nach ID3v2 kopieren</translation>
    </message>
    <message>
        <source>&amp;ID3v1 tag</source>
        <translation>&amp;ID3v1-Tag</translation>
    </message>
    <message>
        <source>Track #:</source>
        <translation>Titelnr.:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Interpret:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Album:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Kommentar:</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Genre:</translation>
    </message>
    <message>
        <source>Copy to ID3v1</source>
        <translation>Nach ID3v1 kopieren</translation>
    </message>
    <message>
        <source>Copy from ID3v1</source>
        <translation>Aus ID3v1 kopieren</translation>
    </message>
    <message>
        <source>&amp;ID3v2 tag</source>
        <translation>&amp;ID3v2-Tag</translation>
    </message>
    <message>
        <source>Composer:</source>
        <translation>Komponist:</translation>
    </message>
    <message>
        <source>Orig. Artist:</source>
        <translation>Orig. Interpret:</translation>
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
        <translation>Kodiert von:</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <source>Select &amp;None</source>
        <translation>&amp;Keine auswählen</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>P&amp;ause/Unpause</source>
        <translation>&amp;Pause/Fortsetzen</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>&amp;Forward 5 sec.</source>
        <translation>5 s &amp;vorspulen</translation>
    </message>
    <message>
        <source>&amp;Back 5 sec.</source>
        <translation>5 s &amp;zurückspulen</translation>
    </message>
    <message>
        <source>&amp;Jump to middle of song</source>
        <translation>Zur &amp;Mitte des Titels springen</translation>
    </message>
</context>
<context>
    <name>TagFileModel</name>
    <message>
        <source>%1
Not saved: %2</source>
        <translation>%1
Nicht gespeichert: %2</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Tags</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
</context>
<context>
    <name>TagPreview</name>
    <message>
        <source>The sound output cannot be opened, so previews are off: %1</source>
        <translation>Die Tonausgabe kann nicht geöffnet werden, daher ist die Vorschau abgeschaltet: %1</translation>
    </message>
    <message>
        <source>Could not recognize &amp; play &quot;%1&quot;.</source>
        <translation>„%1“ konnte nicht erkannt und abgespielt werden.</translation>
    </message>
    <message>
        <source>The preview cannot be played: %1</source>
        <translation>Die Vorschau kann nicht abgespielt werden: %1</translation>
    </message>
</context>
<context>
    <name>TaglibId3v2</name>
    <message>
        <source>its ID3v2 tag holds a damaged frame, and a save would lose what follows it</source>
        <translation>das ID3v2-Tag enthält einen beschädigten Frame, und beim Speichern ginge verloren, was darauf folgt</translation>
    </message>
    <message>
        <source>its ID3v2 tag holds %1, which a save as ID3v2.3 would lose</source>
        <translation>das ID3v2-Tag enthält %1, was beim Speichern als ID3v2.3 verloren ginge</translation>
    </message>
</context>
<context>
    <name>VorbisEncoder</name>
    <message>
        <source>the Ogg Vorbis encoder refuses %1</source>
        <translation>der Ogg-Vorbis-Encoder lehnt %1 ab</translation>
    </message>
</context>
<context>
    <name>WavCodecs</name>
    <message>
        <source>%1 cannot be written at %2 Hz (6000 to 48000 Hz only).</source>
        <translation>%1 kann nicht mit %2 Hz geschrieben werden (nur 6000 bis 48000 Hz).</translation>
    </message>
    <message>
        <source>%1 cannot be written with %2 channels (mono or stereo only).</source>
        <translation>%1 kann nicht mit %2 Kanälen geschrieben werden (nur Mono oder Stereo).</translation>
    </message>
    <message>
        <source>GSM 6.10 is written at 8000 Hz mono only.</source>
        <translation>GSM 6.10 wird nur mit 8000 Hz Mono geschrieben.</translation>
    </message>
</context>
<context>
    <name>WavFormatDialog</name>
    <message>
        <source>Choose WAV Format</source>
        <translation>WAV-Format wählen</translation>
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
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Sample rate:</source>
        <translation>Abtastrate:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Kanäle:</translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation>Codec:</translation>
    </message>
</context>
<context>
    <name>WavRepair</name>
    <message>
        <source>it has no WAV header</source>
        <translation>die Datei hat keinen WAV-Header</translation>
    </message>
    <message>
        <source>its WAV header has no format or data chunk</source>
        <translation>der WAV-Header hat keinen Format- oder Daten-Chunk</translation>
    </message>
    <message>
        <source>it holds %1 Hz, %2 channels instead of the %3 Hz, %4 channels recorded</source>
        <translation>die Datei enthält %1 Hz, %2 Kanäle statt der aufgenommenen %3 Hz, %4 Kanäle</translation>
    </message>
    <message>
        <source>its RF64 header has no ds64 chunk</source>
        <translation>der RF64-Header hat keinen ds64-Chunk</translation>
    </message>
    <message>
        <source>another program finished it, adding to it after the sound</source>
        <translation>ein anderes Programm hat die Datei abgeschlossen und hinter den Audiodaten etwas angefügt</translation>
    </message>
    <message>
        <source>it is larger than 4 GiB and its header has no room for the sizes</source>
        <translation>die Datei ist größer als 4 GiB, und ihr Header hat keinen Platz für die Größenangaben</translation>
    </message>
</context>
<context>
    <name>WavSettingsDialog</name>
    <message>
        <source>Set WAV Format</source>
        <translation>WAV-Format festlegen</translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation>Abtastrate (Hz)</translation>
    </message>
    <message>
        <source>nChannels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>From Menu</source>
        <translation>Aus Liste</translation>
    </message>
    <message>
        <source>Like Sample</source>
        <translation>Wie Beispieldatei</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Wav files (*.wav)</source>
        <translation>WAV-Dateien (*.wav)</translation>
    </message>
    <message>
        <source>Format Parametr not valid

%1</source>
        <translation>Ungültige Formatparameter

%1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>There is another copy of the application being executed!</source>
        <translation>Es läuft bereits eine andere Instanz des Programms!</translation>
    </message>
    <message>
        <source>--record, --stop and --toggle cannot reach this copy: %1.</source>
        <translation>--record, --stop und --toggle erreichen diese Instanz nicht: %1.</translation>
    </message>
</context>
</TS>
