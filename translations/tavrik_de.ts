<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Tavrik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thank you for using Tavrik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavrik is a sound recording program. It records sound generated, or requested, by other computer programs, such as RealPlayer, Windows Media Player, Quick Time, WinAmp, and many others.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read &lt;a href=&quot;help&quot;&gt;the Tavrik help&lt;/a&gt; to get started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit &lt;a href=&quot;%1&quot;&gt;our web site&lt;/a&gt; for news and updates.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Tavrik developers. License: GPL-3.0-or-later.
This program comes with ABSOLUTELY NO WARRANTY. This is free software, and you are welcome to redistribute it under the terms of the GNU General Public License, version 3 or any later version.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AdvancedLineDialog</name>
    <message>
        <source>%1: Advanced Properties</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ApplicationCore</name>
    <message>
        <source>No sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not available: silence stands in for it while the other sources go on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The schedule holds more than %1 entries: the first %1 are loaded, and the whole file is kept as &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound server (PulseAudio) is running; recording can start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound server (PulseAudio) stopped or can no longer be reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer available: recording from &quot;%2&quot; instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer available: Record will record &quot;%2&quot; instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is available again and will be recorded.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AudioFileReader</name>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot decode %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AudioFileWriter</name>
    <message>
        <source> Recording stopped; the file holds everything written before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk is full (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has reached the largest size allowed here (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the file: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown file type &quot;%1&quot;: use WAV, MP3, VOX, RAW, G726, OGG or WMA.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write these blocks: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AudioPlayer</name>
    <message>
        <source>Playback could not start: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playback could not start: the sound server did not answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound server (PulseAudio) stopped or can no longer be reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playback stopped unexpectedly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sound server (PulseAudio) is running, so nothing can be played.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AudioPlayerWindow</name>
    <message>
        <source>All Supported Formats(*.mp3 *.cda *.wma *.wav *.asf *.asx *.lsf *.lsx *.mid *.midi *.rmi *.aif *.aifc *.aiff *.au *.snd);;CD Images(*.cue)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Supported Formats(*.mp3 *.cda *.wav *.wma *.asf *.asx *.lsf *.lsx *.mid *.midi *.rmi *.aif *.aifc *.aiff *.au *.snd);;CD Images(*.cue)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlist(*.m3u *.M3u *.M3U *.m3u8 *.M3U8)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click &quot;play&quot; button to open an audio file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shuffle Songs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat Song</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decrease Vloume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increase Vloume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Songs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Song</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Norm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select A Song</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading the play list...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Audio Player...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AudioRecorder</name>
    <message>
        <source>the sound server did not answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording from &quot;%1&quot; could not start: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording from %1 could not start: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s of sound were lost because Tavrik was too busy to collect it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording device &quot;%1&quot; is no longer available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound server (PulseAudio) stopped or can no longer be reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording from &quot;%1&quot; stopped unexpectedly: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sound server (PulseAudio) is running, so there is nothing to record from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None of the sources chosen to record together is available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No recording device is selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other sources</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CdAudio</name>
    <message>
        <source>%1 is not a regular file, so it cannot be read as a disc image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a CD drive or disc image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot read audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no audio disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no audio track %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: track %2 cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio CD track %1, 44100 Hz stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disc could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no audio tracks</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConversionRun</name>
    <message>
        <source>cannot write into %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot find a free name in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot name the file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is full; the older file of that name, if any, is kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tasks is completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tasks is completed: %1 of %2 jobs succeeded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid input file name: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no sound in it could be decoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Convert To %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert To %1 skipped: the output %2 is the input file itself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert To %1 cancelled; its unfinished file was removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert To %1 failed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>complete Convert To %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The older %1 was replaced</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConverterDialog</name>
    <message>
        <source>Audio Converter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input Audio File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Input Audio File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ogg Vorbis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ogg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert Now!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Res</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wav files (*.wav);;MP3 files (*.mp3);;Ogg Vorbis files (*.ogg);;WMA files (*.wma);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open an Audio file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set WMA Format parameters </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid input file name: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DecodedFormat</name>
    <message>
        <source>mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopControls</name>
    <message>
        <source>Tavrik On the Web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavrik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not register the hotkeys CTRL+R ...this key is already registered by some other running applications.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not register the hotkeys CTRL+S ... this key is already registered by some other running applications.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not register the hotkeys CTRL+R and CTRL+S ...this desktop offers no global hotkeys.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FfmpegDecoder</name>
    <message>
        <source>not an audio file that can be decoded (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its sound is in a coding that cannot be decoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its sample rate of %1 Hz is not usable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its channel count of %1 is not usable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its decoder does not start (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its coding cannot be decoded here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rest of the file is damaged and cannot be decoded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file changes to a format that cannot be played.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot mix %1 channels down to stereo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory while decoding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FfmpegResampler</name>
    <message>
        <source>cannot convert %1 Hz with %2 channels to %3 Hz with %4 channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the resampler does not start</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FfmpegWmaEncoder</name>
    <message>
        <source>the WMA encoder refuses %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no WMA encoder in this FFmpeg</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileFormats</name>
    <message>
        <source>mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAV PCM %1 Hz %2-bit %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 %1 Hz %2 kbit/s %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 %1 Hz ABR %2 kbit/s %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 %1 Hz VBR quality %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VOX %1 Hz mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RAW PCM %1 Hz %2-bit %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G.726 %1 Hz %2 bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ogg Vorbis %1 Hz %2, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quality %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (%1-%2 kbit/s VBR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMA %1 Hz %2 kbit/s %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormatDialog</name>
    <message>
        <source>Mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16-bit PCM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8-bit A-Law </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8-bit mu-Law </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 bit </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 bit </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 bit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormatSettingsDialog</name>
    <message>
        <source>Formats And Filters Settings </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HighPass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LowPass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Gain Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low Level:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Level:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AttackTime:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 per hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 h free</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>G726Encoder</name>
    <message>
        <source>the G.726 encoder did not start</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GlobalHotkeys</name>
    <message>
        <source>Start recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HeaderlessSettingsDialog</name>
    <message>
        <source>Set VOX Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set CCUIT G.726 Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADPCM Bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set RAW Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nChannels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comperssion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The help is not installed: neither help.chm nor the help pages (help/index.html) were found in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help could not be shown: install a help viewer (xchm or kchmviewer) or set a default web browser.

The help pages are in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program to show %1 was found: install a help viewer such as xchm or kchmviewer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be opened: no default web browser is set.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InputMixer</name>
    <message>
        <source>Mute</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LameEncoder</name>
    <message>
        <source>the MP3 encoder cannot start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the MP3 encoder refuses %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the MP3 encoder failed (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>M3uFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is too large to be a play list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is not a play list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Listening: the last %1 s are kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record device error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a recording project file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project Files(*.rpf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening the recording project...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save recording project file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to delete the selected audio file now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not exist!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old audio file name is: %1<byte value="xd"/>
<byte value="xd"/>
Please enter new Audio file name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename audio file is  succeeded!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename audio file is  Faild!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you need to save the recording project file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Recording (Hotkey:CTRL+R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double Click list to Play Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Ctrl+R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Ctrl+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit ID3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Converter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Recording Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Recording Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Recording Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Selected File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Selected Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Selected File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Activation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Several Sources</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavrik Home Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support Online</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MediaControl</name>
    <message>
        <source>%1 cannot be found or read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MixerPanel</name>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Mp3Info</name>
    <message>
        <source>Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joint stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dual channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mono</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Mp3Repair</name>
    <message>
        <source>it does not start with an MP3 frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds %1 Hz, %2 channels instead of the %3 Hz, %4 channels recorded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its frames break off at byte %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its first frame is too small for a tag</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Mp3SettingsDialog</name>
    <message>
        <source>Current bitrate: %1 kbit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 Advanced Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filtering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VBR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>poor quality </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>good quality </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>small file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>big file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encoder Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>faster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>better</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joint Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forced Joint Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dual Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency (hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HighPass Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highpass filtering frequency (in Hz):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width of Highpass filter (in Hz):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LowPass Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowpass filtering frequency (in Hz):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width of Lowpass filter (in Hz):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MTRH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ABR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VBR Quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Targed bitrate for ABR:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coding Method:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum VBR Bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write VBR Header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strictly enforce minimum bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only for short blocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0/15 microseconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>citt j.17</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>include CRC -Checksums</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>allow block types to differ between channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bit reservoir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>short blocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>comply as much as possible to ISO MPEG spec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATH Control:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De-emphasis :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MprisService</name>
    <message>
        <source>Tavrik Audio Player</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OggRepair</name>
    <message>
        <source>it does not start an Ogg Vorbis stream</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds %1 Hz, %2 channels instead of the %3 Hz, %4 channels recorded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its pages break off at byte %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OggSettingsDialog</name>
    <message>
        <source>Ogg Vorbis Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VBR Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VBR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MinBitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MaxBitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality (Compression)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current nominal Bitrate: %1 kbit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current min oggBitrate: %1 kbit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current max oggBitrate: %1 kbit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current nominal oggBitrate: %1 kbit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutputNamingDialog</name>
    <message>
        <source>Output Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Recording Sound Files to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date + Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If same as an existed file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add number after filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite the existed file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long recordings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>never</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a new file every</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minutes or</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter audio file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file name cannot contain &quot;/&quot;. Please enter another name.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayerController</name>
    <message>
        <source>Track %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing in the play list can be played.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be played: skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No audio CD was found in the drives.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No audio CD: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No playable files in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The play list %1 cannot be loaded: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The play list is full: it holds at most %1 entries, the rest were left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The play list cannot be saved to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>Cannot save the recording project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the recording project</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Sources kept in time with &quot;%1&quot; (clock drift, lag, silence filled in): %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordingHealth</name>
    <message>
        <source>under 1 min left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 h %2 min left</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordingJournal</name>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too large for a recording journal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a recording journal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a recording journal with missing or impossible values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the recording journal %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot remove the recording journal %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordingRecovery</name>
    <message>
        <source>it is a link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not in a folder recordings go to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its extension is not that of the format recorded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was replaced by another file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was last changed before the recording began</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording %1, which ended unexpectedly, is gone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left %1 as it is: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recovered %1 (%2) after an unexpected end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignored the unreadable recording journal %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left %1 more recording journals in %2 unread: more than an unexpected end leaves.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordingRepair</name>
    <message>
        <source>it is a link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMA files are not repaired</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordingSession</name>
    <message>
        <source>Tavrik stood still and the sound server dropped what it could not hold: %1 s of &quot;%2&quot; are filled with silence, so the recording keeps its length.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 s silence filled)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 clipped peak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 clipped peaks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sound for %1 s: is the input muted?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording stopped: less than %1 MB are free on the disk of &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output format&apos;s settings cannot be written: choose others in its settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for sound (%1 dBFS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Armed: recording sound event %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: armed, %2 sound events so far</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordingsModel</name>
    <message>
        <source>NO.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScheduleEntryDialog</name>
    <message>
        <source>Scheduler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time is error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScheduleFile</name>
    <message>
        <source>Cannot create the schedule &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save the schedule</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScheduleModel</name>
    <message>
        <source>Waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScheduleWindow</name>
    <message>
        <source>Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Scheduler</name>
    <message>
        <source>Missed the scheduled recording from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missed %1 scheduled recordings, the first from %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scheduled recording</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SeveralSourcesDialog</name>
    <message>
        <source>Record Several Sources</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorded at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One channel per source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two sources: the first left, the second right, so that they can be separated later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check two or more sources to record them together; with fewer, the source chosen in the main window is recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SndfileEncoder</name>
    <message>
        <source>Cannot take the format of %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundActivationDialog</name>
    <message>
        <source>Sound Activation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record starts when sound comes, a file for each sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> dBFS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends after quiet for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps before the sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps before Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing is kept before Record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeping %1 s takes %2 MB of memory, and the input stays open while nothing records.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TagBatch</name>
    <message>
        <source>it is no regular file, or it cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its ID3v2 tag claims more bytes than the file holds, so a new tag could cut its audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no copy of it could be written beside it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new tags would have cut its audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the tags could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it could not be replaced by the saved copy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TagEditorDialog</name>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grabbed title for selected mp3: 
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files were left as they were:

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID3 Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiple file options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Empty fields keep original value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add track number from file index.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Grab title from filename.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy from ID3v2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy to ID3v2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;ID3v1 tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track #:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Album:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy to ID3v1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy from ID3v1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;ID3v2 tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Composer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orig. Artist:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encoded by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;ause/Unpause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward 5 sec.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back 5 sec.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Jump to middle of song</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TagFileModel</name>
    <message>
        <source>%1
Not saved: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TagPreview</name>
    <message>
        <source>The sound output cannot be opened, so previews are off: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not recognize &amp; play &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The preview cannot be played: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TaglibId3v2</name>
    <message>
        <source>its ID3v2 tag holds a damaged frame, and a save would lose what follows it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its ID3v2 tag holds %1, which a save as ID3v2.3 would lose</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VorbisEncoder</name>
    <message>
        <source>the Ogg Vorbis encoder refuses %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WavCodecs</name>
    <message>
        <source>%1 cannot be written at %2 Hz (6000 to 48000 Hz only).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written with %2 channels (mono or stereo only).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GSM 6.10 is written at 8000 Hz mono only.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WavFormatDialog</name>
    <message>
        <source>Choose WAV Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WavRepair</name>
    <message>
        <source>it has no WAV header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its WAV header has no format or data chunk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds %1 Hz, %2 channels instead of the %3 Hz, %4 channels recorded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its RF64 header has no ds64 chunk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program finished it, adding to it after the sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than 4 GiB and its header has no room for the sizes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WavSettingsDialog</name>
    <message>
        <source>Set WAV Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nChannels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Like Sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wav files (*.wav)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format Parametr not valid

%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>There is another copy of the application being executed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--record, --stop and --toggle cannot reach this copy: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
