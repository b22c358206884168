<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Tavrik</source>
        <translation>À propos de Tavrik</translation>
    </message>
    <message>
        <source>Thank you for using Tavrik</source>
        <translation>Merci d&apos;utiliser Tavrik</translation>
    </message>
    <message>
        <source>Tavrik is a sound recording program. It records sound generated, or requested, by other computer programs, such as RealPlayer, Windows Media Player, Quick Time, WinAmp, and many others.</source>
        <translation>Tavrik est un programme d&apos;enregistrement sonore. Il enregistre le son produit, ou demandé, par d&apos;autres programmes, tels que RealPlayer, Windows Media Player, Quick Time, WinAmp et bien d&apos;autres.</translation>
    </message>
    <message>
        <source>Read &lt;a href=&quot;help&quot;&gt;the Tavrik help&lt;/a&gt; to get started.</source>
        <translation>Lisez &lt;a href=&quot;help&quot;&gt;l&apos;aide de Tavrik&lt;/a&gt; pour commencer.</translation>
    </message>
    <message>
        <source>Visit &lt;a href=&quot;%1&quot;&gt;our web site&lt;/a&gt; for news and updates.</source>
        <translation>Consultez &lt;a href=&quot;%1&quot;&gt;notre site web&lt;/a&gt; pour les nouveautés et les mises à jour.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Tavrik developers. License: GPL-3.0-or-later.
This program comes with ABSOLUTELY NO WARRANTY. This is free software, and you are welcome to redistribute it under the terms of the GNU General Public License, version 3 or any later version.</source>
        <translation>Copyright (C) 2026 les développeurs de Tavrik. Licence&#xa0;: GPL-3.0-or-later.
Ce programme est fourni SANS AUCUNE GARANTIE. C&apos;est un logiciel libre, et vous pouvez le redistribuer selon les termes de la licence publique générale GNU (GNU General Public License), version 3 ou toute version ultérieure.</translation>
    </message>
</context>
<context>
    <name>AdvancedLineDialog</name>
    <message>
        <source>%1: Advanced Properties</source>
        <translation>%1&#xa0;: propriétés avancées</translation>
    </message>
</context>
<context>
    <name>ApplicationCore</name>
    <message>
        <source>No sound</source>
        <translation>Pas de son</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not available: silence stands in for it while the other sources go on.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas disponible&#xa0;: du silence le remplace pendant que les autres sources continuent.</translation>
    </message>
    <message>
        <source>Source lost</source>
        <translation>Source perdue</translation>
    </message>
    <message>
        <source>Recording stopped</source>
        <translation>Enregistrement arrêté</translation>
    </message>
    <message>
        <source>The schedule holds more than %1 entries: the first %1 are loaded, and the whole file is kept as &quot;%2&quot;.</source>
        <translation>La programmation contient plus de %1 entrées&#xa0;: les %1 premières sont chargées, et le fichier complet est conservé sous «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>The sound server (PulseAudio) is running; recording can start.</source>
        <translation>Le serveur de son (PulseAudio) est en marche&#xa0;; l&apos;enregistrement peut commencer.</translation>
    </message>
    <message>
        <source>The sound server (PulseAudio) stopped or can no longer be reached.</source>
        <translation>Le serveur de son (PulseAudio) s&apos;est arrêté ou n&apos;est plus joignable.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer available: recording from &quot;%2&quot; instead.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est plus disponible&#xa0;: enregistrement depuis «&#xa0;%2&#xa0;» à la place.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer available: Record will record &quot;%2&quot; instead.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est plus disponible&#xa0;: Enregistrer enregistrera «&#xa0;%2&#xa0;» à la place.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is available again and will be recorded.</source>
        <translation>«&#xa0;%1&#xa0;» est de nouveau disponible et sera enregistré.</translation>
    </message>
</context>
<context>
    <name>AudioFileReader</name>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot decode %1: %2</source>
        <translation>Impossible de décoder %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>AudioFileWriter</name>
    <message>
        <source> Recording stopped; the file holds everything written before.</source>
        <translation> Enregistrement arrêté&#xa0;; le fichier contient tout ce qui a été écrit auparavant.</translation>
    </message>
    <message>
        <source>The disk is full (%1).</source>
        <translation>Le disque est plein (%1).</translation>
    </message>
    <message>
        <source>The file has reached the largest size allowed here (%1).</source>
        <translation>Le fichier a atteint la taille maximale autorisée ici (%1).</translation>
    </message>
    <message>
        <source>Cannot write the file: %1.</source>
        <translation>Impossible d&apos;écrire le fichier&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Unknown file type &quot;%1&quot;: use WAV, MP3, VOX, RAW, G726, OGG or WMA.</source>
        <translation>Type de fichier inconnu «&#xa0;%1&#xa0;»&#xa0;: utilisez WAV, MP3, VOX, RAW, G726, OGG ou WMA.</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Impossible de créer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot create %1: %2.</source>
        <translation>Impossible de créer %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot write these blocks: %1.</source>
        <translation>Impossible d&apos;écrire ces blocs&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>AudioPlayer</name>
    <message>
        <source>Playback could not start: %1.</source>
        <translation>La lecture n&apos;a pas pu démarrer&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Playback could not start: the sound server did not answer.</source>
        <translation>La lecture n&apos;a pas pu démarrer&#xa0;: le serveur de son n&apos;a pas répondu.</translation>
    </message>
    <message>
        <source>The sound server (PulseAudio) stopped or can no longer be reached.</source>
        <translation>Le serveur de son (PulseAudio) s&apos;est arrêté ou n&apos;est plus joignable.</translation>
    </message>
    <message>
        <source>Playback stopped unexpectedly.</source>
        <translation>La lecture s&apos;est arrêtée de manière inattendue.</translation>
    </message>
    <message>
        <source>No sound server (PulseAudio) is running, so nothing can be played.</source>
        <translation>Aucun serveur de son (PulseAudio) n&apos;est en marche, rien ne peut donc être lu.</translation>
    </message>
</context>
<context>
    <name>AudioPlayerWindow</name>
    <message>
        <source>All Supported Formats(*.mp3 *.cda *.wma *.wav *.asf *.asx *.lsf *.lsx *.mid *.midi *.rmi *.aif *.aifc *.aiff *.au *.snd);;CD Images(*.cue)</source>
        <translation>Tous les formats pris en charge (*.mp3 *.cda *.wma *.wav *.asf *.asx *.lsf *.lsx *.mid *.midi *.rmi *.aif *.aifc *.aiff *.au *.snd);;Images de CD (*.cue)</translation>
    </message>
    <message>
        <source>All Supported Formats(*.mp3 *.cda *.wav *.wma *.asf *.asx *.lsf *.lsx *.mid *.midi *.rmi *.aif *.aifc *.aiff *.au *.snd);;CD Images(*.cue)</source>
        <translation>Tous les formats pris en charge (*.mp3 *.cda *.wav *.wma *.asf *.asx *.lsf *.lsx *.mid *.midi *.rmi *.aif *.aifc *.aiff *.au *.snd);;Images de CD (*.cue)</translation>
    </message>
    <message>
        <source>Playlist(*.m3u *.M3u *.M3U *.m3u8 *.M3U8)</source>
        <translation>Liste de lecture (*.m3u *.M3u *.M3U *.m3u8 *.M3U8)</translation>
    </message>
    <message>
        <source>Audio Player</source>
        <translation>Lecteur audio</translation>
    </message>
    <message>
        <source>On Top</source>
        <translation>Au premier plan</translation>
    </message>
    <message>
        <source>Small Window</source>
        <translation>Petite fenêtre</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Click &quot;play&quot; button to open an audio file</source>
        <translation>Cliquez sur le bouton «&#xa0;Lecture&#xa0;» pour ouvrir un fichier audio</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Shuffle Songs</source>
        <translation>Lecture aléatoire</translation>
    </message>
    <message>
        <source>Repeat Song</source>
        <translation>Répéter le morceau</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Playlists</source>
        <translation>Listes de lecture</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Decrease Vloume</source>
        <translation>Baisser le volume</translation>
    </message>
    <message>
        <source>Increase Vloume</source>
        <translation>Augmenter le volume</translation>
    </message>
    <message>
        <source>Add Songs</source>
        <translation>Ajouter des morceaux</translation>
    </message>
    <message>
        <source>Add Song</source>
        <translation>Ajouter un morceau</translation>
    </message>
    <message>
        <source>Add Directory</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <source>Load Playlist</source>
        <translation>Charger une liste de lecture</translation>
    </message>
    <message>
        <source>Save Playlist</source>
        <translation>Enregistrer la liste de lecture</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Select A Song</source>
        <translation>Choisir un morceau</translation>
    </message>
    <message>
        <source>Loading the play list...</source>
        <translation>Chargement de la liste de lecture…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>%1Audio Player...</source>
        <translation>%1Lecteur audio…</translation>
    </message>
</context>
<context>
    <name>AudioRecorder</name>
    <message>
        <source>the sound server did not answer</source>
        <translation>le serveur de son n&apos;a pas répondu</translation>
    </message>
    <message>
        <source>Recording from &quot;%1&quot; could not start: %2.</source>
        <translation>L&apos;enregistrement depuis «&#xa0;%1&#xa0;» n&apos;a pas pu démarrer&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Recording from %1 could not start: %2.</source>
        <translation>L&apos;enregistrement depuis %1 n&apos;a pas pu démarrer&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 s of sound were lost because Tavrik was too busy to collect it.</source>
        <translation>%1 s de son ont été perdues, car Tavrik était trop occupé pour le recueillir.</translation>
    </message>
    <message>
        <source>The recording device &quot;%1&quot; is no longer available.</source>
        <translation>Le périphérique d&apos;enregistrement «&#xa0;%1&#xa0;» n&apos;est plus disponible.</translation>
    </message>
    <message>
        <source>The sound server (PulseAudio) stopped or can no longer be reached.</source>
        <translation>Le serveur de son (PulseAudio) s&apos;est arrêté ou n&apos;est plus joignable.</translation>
    </message>
    <message>
        <source>Recording from &quot;%1&quot; stopped unexpectedly: %2.</source>
        <translation>L&apos;enregistrement depuis «&#xa0;%1&#xa0;» s&apos;est arrêté de manière inattendue&#xa0;: %2.</translation>
    </message>
    <message>
        <source>No sound server (PulseAudio) is running, so there is nothing to record from.</source>
        <translation>Aucun serveur de son (PulseAudio) n&apos;est en marche, il n&apos;y a donc rien à enregistrer.</translation>
    </message>
    <message>
        <source>None of the sources chosen to record together is available.</source>
        <translation>Aucune des sources choisies pour être enregistrées ensemble n&apos;est disponible.</translation>
    </message>
    <message>
        <source>No recording device is selected.</source>
        <translation>Aucun périphérique d&apos;enregistrement n&apos;est sélectionné.</translation>
    </message>
    <message>
        <source>Other sources</source>
        <translation>Autres sources</translation>
    </message>
</context>
<context>
    <name>CdAudio</name>
    <message>
        <source>%1 is not a regular file, so it cannot be read as a disc image</source>
        <translation>%1 n&apos;est pas un fichier ordinaire, il ne peut donc pas être lu comme une image disque</translation>
    </message>
    <message>
        <source>%1 is not a CD drive or disc image</source>
        <translation>%1 n&apos;est ni un lecteur de CD ni une image disque</translation>
    </message>
    <message>
        <source>%1 cannot read audio</source>
        <translation>%1 ne peut pas lire l&apos;audio</translation>
    </message>
    <message>
        <source>%1 holds no audio disc</source>
        <translation>%1 ne contient aucun disque audio</translation>
    </message>
    <message>
        <source>%1 has no audio track %2</source>
        <translation>%1 n&apos;a pas de piste audio %2</translation>
    </message>
    <message>
        <source>%1: track %2 cannot be read</source>
        <translation>%1&#xa0;: la piste %2 ne peut pas être lue</translation>
    </message>
    <message>
        <source>Audio CD track %1, 44100 Hz stereo</source>
        <translation>Piste %1 de CD audio, 44100 Hz stéréo</translation>
    </message>
    <message>
        <source>the disc could not be read</source>
        <translation>le disque n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>%1 holds no audio tracks</source>
        <translation>%1 ne contient aucune piste audio</translation>
    </message>
</context>
<context>
    <name>ConversionRun</name>
    <message>
        <source>cannot write into %1: %2</source>
        <translation>impossible d&apos;écrire dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot find a free name in %1</source>
        <translation>impossible de trouver un nom libre dans %1</translation>
    </message>
    <message>
        <source>cannot name the file %1: %2</source>
        <translation>impossible de nommer le fichier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the disk is full; the older file of that name, if any, is kept</source>
        <translation>le disque est plein&#xa0;; l&apos;ancien fichier de ce nom, s&apos;il existe, est conservé</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>Tasks is completed</source>
        <translation>Tâches terminées</translation>
    </message>
    <message>
        <source>Tasks is completed: %1 of %2 jobs succeeded</source>
        <translation>Tâches terminées&#xa0;: %1 conversions sur %2 ont réussi</translation>
    </message>
    <message>
        <source>Invalid input file name: %1</source>
        <translation>Nom de fichier d&apos;entrée non valide&#xa0;: %1</translation>
    </message>
    <message>
        <source>no sound in it could be decoded</source>
        <translation>aucun son n&apos;a pu y être décodé</translation>
    </message>
    <message>
        <source>Start Convert To %1</source>
        <translation>Début de la conversion en %1</translation>
    </message>
    <message>
        <source>Convert To %1 skipped: the output %2 is the input file itself</source>
        <translation>Conversion en %1 ignorée&#xa0;: la sortie %2 est le fichier d&apos;entrée lui-même</translation>
    </message>
    <message>
        <source>Convert To %1 cancelled; its unfinished file was removed</source>
        <translation>Conversion en %1 annulée&#xa0;; son fichier inachevé a été supprimé</translation>
    </message>
    <message>
        <source>Convert To %1 failed: %2</source>
        <translation>Échec de la conversion en %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>complete Convert To %1</source>
        <translation>Conversion en %1 terminée</translation>
    </message>
    <message>
        <source>The older %1 was replaced</source>
        <translation>L&apos;ancien %1 a été remplacé</translation>
    </message>
</context>
<context>
    <name>ConverterDialog</name>
    <message>
        <source>Audio Converter</source>
        <translation>Convertisseur audio</translation>
    </message>
    <message>
        <source>Input Audio File</source>
        <translation>Fichier audio d&apos;entrée</translation>
    </message>
    <message>
        <source>Enter Input Audio File</source>
        <translation>Saisissez le fichier audio d&apos;entrée</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Format de sortie</translation>
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
        <translation>Paramètres du format</translation>
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
        <translation>Convertir maintenant&#xa0;!</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Res</source>
        <translation>Rés.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Wav files (*.wav);;MP3 files (*.mp3);;Ogg Vorbis files (*.ogg);;WMA files (*.wma);;All files (*)</source>
        <translation>Fichiers WAV (*.wav);;Fichiers MP3 (*.mp3);;Fichiers Ogg Vorbis (*.ogg);;Fichiers WMA (*.wma);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open an Audio file</source>
        <translation>Ouvrir un fichier audio</translation>
    </message>
    <message>
        <source>Set WMA Format parameters </source>
        <translation>Paramètres du format WMA </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Convert Now</source>
        <translation>Convertir maintenant</translation>
    </message>
    <message>
        <source>Invalid input file name: %1</source>
        <translation>Nom de fichier d&apos;entrée non valide&#xa0;: %1</translation>
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
        <translation>stéréo</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canaux</translation>
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
        <translation>Tavrik sur le Web</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Tavrik</source>
        <translation>Tavrik</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Record Now</source>
        <translation>Enregistrer maintenant</translation>
    </message>
    <message>
        <source>Stop Record</source>
        <translation>Arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Can not register the hotkeys CTRL+R ...this key is already registered by some other running applications.</source>
        <translation>Impossible d&apos;enregistrer le raccourci global CTRL+R... cette touche est déjà prise par une autre application en cours d&apos;exécution.</translation>
    </message>
    <message>
        <source>Can not register the hotkeys CTRL+S ... this key is already registered by some other running applications.</source>
        <translation>Impossible d&apos;enregistrer le raccourci global CTRL+S... cette touche est déjà prise par une autre application en cours d&apos;exécution.</translation>
    </message>
    <message>
        <source>Can not register the hotkeys CTRL+R and CTRL+S ...this desktop offers no global hotkeys.</source>
        <translation>Impossible d&apos;enregistrer les raccourcis globaux CTRL+R et CTRL+S... ce bureau ne propose pas de raccourcis globaux.</translation>
    </message>
</context>
<context>
    <name>FfmpegDecoder</name>
    <message>
        <source>not an audio file that can be decoded (%1)</source>
        <translation>ce n&apos;est pas un fichier audio décodable (%1)</translation>
    </message>
    <message>
        <source>its sound is in a coding that cannot be decoded</source>
        <translation>son contenu sonore utilise un codage qui ne peut pas être décodé</translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <translation>il ne contient aucun son</translation>
    </message>
    <message>
        <source>its sample rate of %1 Hz is not usable</source>
        <translation>sa fréquence d&apos;échantillonnage de %1 Hz n&apos;est pas utilisable</translation>
    </message>
    <message>
        <source>its channel count of %1 is not usable</source>
        <translation>son nombre de canaux (%1) n&apos;est pas utilisable</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>its decoder does not start (%1)</source>
        <translation>son décodeur ne démarre pas (%1)</translation>
    </message>
    <message>
        <source>its coding cannot be decoded here</source>
        <translation>son codage ne peut pas être décodé ici</translation>
    </message>
    <message>
        <source>The rest of the file is damaged and cannot be decoded.</source>
        <translation>Le reste du fichier est endommagé et ne peut pas être décodé.</translation>
    </message>
    <message>
        <source>The file changes to a format that cannot be played.</source>
        <translation>Le fichier passe à un format qui ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Cannot mix %1 channels down to stereo.</source>
        <translation>Impossible de mixer %1 canaux en stéréo.</translation>
    </message>
    <message>
        <source>Out of memory while decoding.</source>
        <translation>Mémoire insuffisante pendant le décodage.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
</context>
<context>
    <name>FfmpegResampler</name>
    <message>
        <source>cannot convert %1 Hz with %2 channels to %3 Hz with %4 channels</source>
        <translation>impossible de convertir %1 Hz sur %2 canaux en %3 Hz sur %4 canaux</translation>
    </message>
    <message>
        <source>the resampler does not start</source>
        <translation>le rééchantillonneur ne démarre pas</translation>
    </message>
</context>
<context>
    <name>FfmpegWmaEncoder</name>
    <message>
        <source>the WMA encoder refuses %1: %2</source>
        <translation>l&apos;encodeur WMA refuse %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no WMA encoder in this FFmpeg</source>
        <translation>aucun encodeur WMA dans ce FFmpeg</translation>
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
        <translation>stéréo</translation>
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
        <translation>MP3 %1 Hz VBR qualité %2 %3</translation>
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
        <translation>qualité %1</translation>
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
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>16-bit PCM</source>
        <translation>PCM 16 bits</translation>
    </message>
    <message>
        <source>8-bit A-Law </source>
        <translation>A-law 8 bits </translation>
    </message>
    <message>
        <source>8-bit mu-Law </source>
        <translation>mu-law 8 bits </translation>
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
        <translation>Paramètres des formats et des filtres </translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Mélangeur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Format Settings</source>
        <translation>Paramètres du format</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtres</translation>
    </message>
    <message>
        <source>Notch</source>
        <translation>Coupe-bande</translation>
    </message>
    <message>
        <source>HighPass</source>
        <translation>Passe-haut</translation>
    </message>
    <message>
        <source>LowPass</source>
        <translation>Passe-bas</translation>
    </message>
    <message>
        <source>Auto Gain Control</source>
        <translation>Contrôle automatique du gain</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Low Level:</source>
        <translation>Niveau bas&#xa0;:</translation>
    </message>
    <message>
        <source>High Level:</source>
        <translation>Niveau haut&#xa0;:</translation>
    </message>
    <message>
        <source>AttackTime:</source>
        <translation>Temps d&apos;attaque&#xa0;:</translation>
    </message>
    <message>
        <source>%1 per hour</source>
        <translation>%1 par heure</translation>
    </message>
    <message>
        <source>, %1 h free</source>
        <translation>, %1 h disponibles</translation>
    </message>
</context>
<context>
    <name>G726Encoder</name>
    <message>
        <source>the G.726 encoder did not start</source>
        <translation>l&apos;encodeur G.726 n&apos;a pas démarré</translation>
    </message>
</context>
<context>
    <name>GlobalHotkeys</name>
    <message>
        <source>Start recording</source>
        <translation>Démarrer l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Arrêter l&apos;enregistrement</translation>
    </message>
</context>
<context>
    <name>HeaderlessSettingsDialog</name>
    <message>
        <source>Set VOX Format</source>
        <translation>Format VOX</translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation>Fréquence (Hz)</translation>
    </message>
    <message>
        <source>Set CCUIT G.726 Format</source>
        <translation>Format CCITT G.726</translation>
    </message>
    <message>
        <source>ADPCM Bit</source>
        <translation>Bits ADPCM</translation>
    </message>
    <message>
        <source>Set RAW Format</source>
        <translation>Format RAW</translation>
    </message>
    <message>
        <source>nChannels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Comperssion</source>
        <translation>Compression</translation>
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
        <translation>L&apos;aide n&apos;est pas installée&#xa0;: ni help.chm ni les pages d&apos;aide (help/index.html) n&apos;ont été trouvés dans %1.</translation>
    </message>
    <message>
        <source>The help could not be shown: install a help viewer (xchm or kchmviewer) or set a default web browser.

The help pages are in %1.</source>
        <translation>L&apos;aide n&apos;a pas pu être affichée&#xa0;: installez un visionneur d&apos;aide (xchm ou kchmviewer) ou définissez un navigateur web par défaut.

Les pages d&apos;aide se trouvent dans %1.</translation>
    </message>
    <message>
        <source>No program to show %1 was found: install a help viewer such as xchm or kchmviewer.</source>
        <translation>Aucun programme pour afficher %1 n&apos;a été trouvé&#xa0;: installez un visionneur d&apos;aide tel que xchm ou kchmviewer.</translation>
    </message>
    <message>
        <source>%1 could not be opened: no default web browser is set.</source>
        <translation>%1 n&apos;a pas pu être ouvert&#xa0;: aucun navigateur web par défaut n&apos;est défini.</translation>
    </message>
</context>
<context>
    <name>InputMixer</name>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
</context>
<context>
    <name>LameEncoder</name>
    <message>
        <source>the MP3 encoder cannot start</source>
        <translation>l&apos;encodeur MP3 ne peut pas démarrer</translation>
    </message>
    <message>
        <source>the MP3 encoder refuses %1</source>
        <translation>l&apos;encodeur MP3 refuse %1</translation>
    </message>
    <message>
        <source>the MP3 encoder failed (%1)</source>
        <translation>l&apos;encodeur MP3 a échoué (%1)</translation>
    </message>
</context>
<context>
    <name>M3uFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file is too large to be a play list</source>
        <translation>le fichier est trop volumineux pour être une liste de lecture</translation>
    </message>
    <message>
        <source>the file is not a play list</source>
        <translation>le fichier n&apos;est pas une liste de lecture</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Listening: the last %1 s are kept</source>
        <translation>À l&apos;écoute&#xa0;: les %1 dernières secondes sont conservées</translation>
    </message>
    <message>
        <source>Record device error!</source>
        <translation>Erreur du périphérique d&apos;enregistrement&#xa0;!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Select a recording project file</source>
        <translation>Choisir un fichier de projet d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Project Files(*.rpf)</source>
        <translation>Fichiers de projet (*.rpf)</translation>
    </message>
    <message>
        <source>Opening the recording project...</source>
        <translation>Ouverture du projet d&apos;enregistrement…</translation>
    </message>
    <message>
        <source>Save recording project file</source>
        <translation>Enregistrer le fichier de projet d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Do you want to delete the selected audio file now?</source>
        <translation>Voulez-vous supprimer maintenant le fichier audio sélectionné&#xa0;?</translation>
    </message>
    <message>
        <source>%1 is not exist!</source>
        <translation>%1 n&apos;existe pas&#xa0;!</translation>
    </message>
    <message>
        <source>Old audio file name is: %1<byte value="xd"/>
<byte value="xd"/>
Please enter new Audio file name:</source>
        <translation>Ancien nom du fichier audio&#xa0;: %1<byte value="xd"/>
<byte value="xd"/>
Veuillez saisir le nouveau nom du fichier audio&#xa0;:</translation>
    </message>
    <message>
        <source>Rename audio file is  succeeded!</source>
        <translation>Le fichier audio a bien été renommé&#xa0;!</translation>
    </message>
    <message>
        <source>Rename audio file is  Faild!</source>
        <translation>Échec du renommage du fichier audio&#xa0;!</translation>
    </message>
    <message>
        <source>Do you need to save the recording project file?</source>
        <translation>Voulez-vous enregistrer le fichier de projet d&apos;enregistrement&#xa0;?</translation>
    </message>
    <message>
        <source>Record Device</source>
        <translation>Périphérique d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Sound Source</source>
        <translation>Source sonore</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Format de sortie</translation>
    </message>
    <message>
        <source>Start Recording (Hotkey:CTRL+R)</source>
        <translation>Démarrer l&apos;enregistrement (raccourci&#xa0;: CTRL+R)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Temps&#xa0;:</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Double Click list to Play Recording</source>
        <translation>Double-cliquez sur la liste pour écouter un enregistrement</translation>
    </message>
    <message>
        <source>Record Ctrl+R</source>
        <translation>Enregistrer Ctrl+R</translation>
    </message>
    <message>
        <source>Stop Ctrl+S</source>
        <translation>Arrêter Ctrl+S</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Programmation</translation>
    </message>
    <message>
        <source>Audio Player</source>
        <translation>Lecteur audio</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>Fichier de sortie</translation>
    </message>
    <message>
        <source>Format Settings</source>
        <translation>Paramètres du format</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Edit ID3</source>
        <translation>Modifier les ID3</translation>
    </message>
    <message>
        <source>Audio Converter</source>
        <translation>Convertisseur audio</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>New Recording Project</source>
        <translation>Nouveau projet d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Open Recording Project</source>
        <translation>Ouvrir un projet d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Save Recording Project</source>
        <translation>Enregistrer le projet d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>Play Selected File</source>
        <translation>Lire le fichier sélectionné</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Remove Selected Item</source>
        <translation>Retirer l&apos;élément sélectionné</translation>
    </message>
    <message>
        <source>Delete Selected File</source>
        <translation>Supprimer le fichier sélectionné</translation>
    </message>
    <message>
        <source>Action(&amp;A)</source>
        <translation>&amp;Action</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Play Audio</source>
        <translation>Lire l&apos;audio</translation>
    </message>
    <message>
        <source>Pause Play</source>
        <translation>Mettre la lecture en pause</translation>
    </message>
    <message>
        <source>Stop Play</source>
        <translation>Arrêter la lecture</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Sound Activation</source>
        <translation>Déclenchement par le son</translation>
    </message>
    <message>
        <source>Record Several Sources</source>
        <translation>Enregistrer plusieurs sources</translation>
    </message>
    <message>
        <source>Record Control</source>
        <translation>Contrôle de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Tavrik Home Page</source>
        <translation>Site web de Tavrik</translation>
    </message>
    <message>
        <source>Support Online</source>
        <translation>Assistance en ligne</translation>
    </message>
</context>
<context>
    <name>MediaControl</name>
    <message>
        <source>%1 cannot be found or read.</source>
        <translation>%1 est introuvable ou illisible.</translation>
    </message>
</context>
<context>
    <name>MixerPanel</name>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume&#xa0;:</translation>
    </message>
    <message>
        <source>Balance:</source>
        <translation>Balance&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Mp3Info</name>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>Joint stereo</source>
        <translation>Stéréo joint</translation>
    </message>
    <message>
        <source>Dual channel</source>
        <translation>Double canal</translation>
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
        <translation>il ne commence pas par une trame MP3</translation>
    </message>
    <message>
        <source>it holds %1 Hz, %2 channels instead of the %3 Hz, %4 channels recorded</source>
        <translation>il contient du %1 Hz sur %2 canaux au lieu du %3 Hz sur %4 canaux enregistré</translation>
    </message>
    <message>
        <source>its frames break off at byte %1 of %2</source>
        <translation>ses trames s&apos;interrompent à l&apos;octet %1 sur %2</translation>
    </message>
    <message>
        <source>its first frame is too small for a tag</source>
        <translation>sa première trame est trop petite pour contenir une étiquette</translation>
    </message>
</context>
<context>
    <name>Mp3SettingsDialog</name>
    <message>
        <source>Current bitrate: %1 kbit</source>
        <translation>Débit actuel&#xa0;: %1 kbit</translation>
    </message>
    <message>
        <source>MP3 Advanced Option</source>
        <translation>Options avancées MP3</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Filtering</source>
        <translation>Filtrage</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>poor quality </source>
        <translation>qualité médiocre </translation>
    </message>
    <message>
        <source>good quality </source>
        <translation>bonne qualité </translation>
    </message>
    <message>
        <source>small file</source>
        <translation>petit fichier</translation>
    </message>
    <message>
        <source>big file</source>
        <translation>gros fichier</translation>
    </message>
    <message>
        <source>Encoder Quality</source>
        <translation>Qualité de l&apos;encodeur</translation>
    </message>
    <message>
        <source>faster</source>
        <translation>plus rapide</translation>
    </message>
    <message>
        <source>better</source>
        <translation>meilleure</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>Joint Stereo</source>
        <translation>Stéréo joint</translation>
    </message>
    <message>
        <source>Forced Joint Stereo</source>
        <translation>Stéréo joint forcé</translation>
    </message>
    <message>
        <source>Dual Channels</source>
        <translation>Double canal</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Frequency (hz)</source>
        <translation>Fréquence (Hz)</translation>
    </message>
    <message>
        <source>HighPass Filter</source>
        <translation>Filtre passe-haut</translation>
    </message>
    <message>
        <source>Highpass filtering frequency (in Hz):</source>
        <translation>Fréquence du filtre passe-haut (en Hz)&#xa0;:</translation>
    </message>
    <message>
        <source>Width of Highpass filter (in Hz):</source>
        <translation>Largeur du filtre passe-haut (en Hz)&#xa0;:</translation>
    </message>
    <message>
        <source>LowPass Filter</source>
        <translation>Filtre passe-bas</translation>
    </message>
    <message>
        <source>Lowpass filtering frequency (in Hz):</source>
        <translation>Fréquence du filtre passe-bas (en Hz)&#xa0;:</translation>
    </message>
    <message>
        <source>Width of Lowpass filter (in Hz):</source>
        <translation>Largeur du filtre passe-bas (en Hz)&#xa0;:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Ancienne</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouvelle</translation>
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
        <translation>Qualité VBR&#xa0;:</translation>
    </message>
    <message>
        <source>Targed bitrate for ABR:</source>
        <translation>Débit cible pour l&apos;ABR&#xa0;:</translation>
    </message>
    <message>
        <source>Coding Method:</source>
        <translation>Méthode de codage&#xa0;:</translation>
    </message>
    <message>
        <source>Maximum VBR Bitrate</source>
        <translation>Débit VBR maximal</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Write VBR Header</source>
        <translation>Écrire l&apos;en-tête VBR</translation>
    </message>
    <message>
        <source>Strictly enforce minimum bitrate</source>
        <translation>Imposer strictement le débit minimal</translation>
    </message>
    <message>
        <source>default</source>
        <translation>par défaut</translation>
    </message>
    <message>
        <source>only</source>
        <translation>uniquement</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>only for short blocks</source>
        <translation>uniquement pour les blocs courts</translation>
    </message>
    <message>
        <source>0/15 microseconds</source>
        <translation>50/15 microsecondes</translation>
    </message>
    <message>
        <source>citt j.17</source>
        <translation>CCITT J.17</translation>
    </message>
    <message>
        <source>include CRC -Checksums</source>
        <translation>inclure les sommes de contrôle CRC</translation>
    </message>
    <message>
        <source>allow block types to differ between channels</source>
        <translation>autoriser des types de blocs différents selon les canaux</translation>
    </message>
    <message>
        <source>bit reservoir</source>
        <translation>réservoir de bits</translation>
    </message>
    <message>
        <source>short blocks</source>
        <translation>blocs courts</translation>
    </message>
    <message>
        <source>comply as much as possible to ISO MPEG spec</source>
        <translation>respecter au mieux la norme ISO MPEG</translation>
    </message>
    <message>
        <source>ATH Control:</source>
        <translation>Contrôle ATH&#xa0;:</translation>
    </message>
    <message>
        <source>De-emphasis :</source>
        <translation>Désaccentuation&#xa0;:</translation>
    </message>
</context>
<context>
    <name>MprisService</name>
    <message>
        <source>Tavrik Audio Player</source>
        <translation>Lecteur audio Tavrik</translation>
    </message>
</context>
<context>
    <name>OggRepair</name>
    <message>
        <source>it does not start an Ogg Vorbis stream</source>
        <translation>il ne débute pas par un flux Ogg Vorbis</translation>
    </message>
    <message>
        <source>it holds %1 Hz, %2 channels instead of the %3 Hz, %4 channels recorded</source>
        <translation>il contient du %1 Hz sur %2 canaux au lieu du %3 Hz sur %4 canaux enregistré</translation>
    </message>
    <message>
        <source>its pages break off at byte %1 of %2</source>
        <translation>ses pages s&apos;interrompent à l&apos;octet %1 sur %2</translation>
    </message>
</context>
<context>
    <name>OggSettingsDialog</name>
    <message>
        <source>Ogg Vorbis Option</source>
        <translation>Options Ogg Vorbis</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>VBR Enabled</source>
        <translation>VBR activé</translation>
    </message>
    <message>
        <source>Quality Enabled</source>
        <translation>Qualité activée</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>MinBitrate</source>
        <translation>Débit min.</translation>
    </message>
    <message>
        <source>MaxBitrate</source>
        <translation>Débit max.</translation>
    </message>
    <message>
        <source>Quality (Compression)</source>
        <translation>Qualité (compression)</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Current nominal Bitrate: %1 kbit</source>
        <translation>Débit nominal actuel&#xa0;: %1 kbit</translation>
    </message>
    <message>
        <source>Current min oggBitrate: %1 kbit</source>
        <translation>Débit minimal actuel&#xa0;: %1 kbit</translation>
    </message>
    <message>
        <source>Current max oggBitrate: %1 kbit</source>
        <translation>Débit maximal actuel&#xa0;: %1 kbit</translation>
    </message>
    <message>
        <source>Current nominal oggBitrate: %1 kbit</source>
        <translation>Débit nominal actuel&#xa0;: %1 kbit</translation>
    </message>
</context>
<context>
    <name>OutputNamingDialog</name>
    <message>
        <source>Output Files</source>
        <translation>Fichiers de sortie</translation>
    </message>
    <message>
        <source>Save Recording Sound Files to</source>
        <translation>Enregistrer les fichiers sonores dans</translation>
    </message>
    <message>
        <source>Date + Time</source>
        <translation>Date + heure</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom de fichier</translation>
    </message>
    <message>
        <source>If same as an existed file</source>
        <translation>Si un fichier du même nom existe</translation>
    </message>
    <message>
        <source>Add number after filename</source>
        <translation>Ajouter un numéro après le nom</translation>
    </message>
    <message>
        <source>Overwrite the existed file</source>
        <translation>Écraser le fichier existant</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Long recordings</source>
        <translation>Enregistrements longs</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>Start a new file every</source>
        <translation>Commencer un nouveau fichier après</translation>
    </message>
    <message>
        <source>minutes or</source>
        <translation>minutes ou</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Please enter audio file name.</source>
        <translation>Veuillez saisir le nom du fichier audio.</translation>
    </message>
    <message>
        <source>A file name cannot contain &quot;/&quot;. Please enter another name.</source>
        <translation>Un nom de fichier ne peut pas contenir «&#xa0;/&#xa0;». Veuillez saisir un autre nom.</translation>
    </message>
</context>
<context>
    <name>PlayerController</name>
    <message>
        <source>Track %1</source>
        <translation>Piste %1</translation>
    </message>
    <message>
        <source>Nothing in the play list can be played.</source>
        <translation>Aucun élément de la liste de lecture ne peut être lu.</translation>
    </message>
    <message>
        <source>%1 cannot be played: skipped.</source>
        <translation>%1 ne peut pas être lu&#xa0;: ignoré.</translation>
    </message>
    <message>
        <source>No audio CD was found in the drives.</source>
        <translation>Aucun CD audio n&apos;a été trouvé dans les lecteurs.</translation>
    </message>
    <message>
        <source>No audio CD: %1.</source>
        <translation>Aucun CD audio&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No playable files in %1.</source>
        <translation>Aucun fichier lisible dans %1.</translation>
    </message>
    <message>
        <source>The play list %1 cannot be loaded: %2.</source>
        <translation>La liste de lecture %1 ne peut pas être chargée&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The play list is full: it holds at most %1 entries, the rest were left out.</source>
        <translation>La liste de lecture est pleine&#xa0;: elle contient au plus %1 entrées, les autres ont été laissées de côté.</translation>
    </message>
    <message>
        <source>The play list cannot be saved to %1: %2.</source>
        <translation>La liste de lecture ne peut pas être enregistrée dans %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>Cannot save the recording project</source>
        <translation>Impossible d&apos;enregistrer le projet d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Cannot open the recording project</source>
        <translation>Impossible d&apos;ouvrir le projet d&apos;enregistrement</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Sources kept in time with &quot;%1&quot; (clock drift, lag, silence filled in): %2</source>
        <translation>Sources maintenues synchrones avec «&#xa0;%1&#xa0;» (dérive d&apos;horloge, retard, silence comblé)&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>RecordingHealth</name>
    <message>
        <source>under 1 min left</source>
        <translation>reste moins d&apos;1 min</translation>
    </message>
    <message>
        <source>%1 min left</source>
        <translation>reste %1 min</translation>
    </message>
    <message>
        <source>%1 h %2 min left</source>
        <translation>reste %1 h %2 min</translation>
    </message>
</context>
<context>
    <name>RecordingJournal</name>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>too large for a recording journal</source>
        <translation>trop volumineux pour un journal d&apos;enregistrement</translation>
    </message>
    <message>
        <source>not a recording journal</source>
        <translation>ce n&apos;est pas un journal d&apos;enregistrement</translation>
    </message>
    <message>
        <source>a recording journal with missing or impossible values</source>
        <translation>un journal d&apos;enregistrement aux valeurs manquantes ou impossibles</translation>
    </message>
    <message>
        <source>Cannot write the recording journal %1: %2</source>
        <translation>Impossible d&apos;écrire le journal d&apos;enregistrement %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot remove the recording journal %1: %2</source>
        <translation>Impossible de supprimer le journal d&apos;enregistrement %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>c&apos;est un lien</translation>
    </message>
</context>
<context>
    <name>RecordingRecovery</name>
    <message>
        <source>it is a link</source>
        <translation>c&apos;est un lien</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>it is not in a folder recordings go to</source>
        <translation>il ne se trouve pas dans un dossier de destination des enregistrements</translation>
    </message>
    <message>
        <source>its extension is not that of the format recorded</source>
        <translation>son extension n&apos;est pas celle du format enregistré</translation>
    </message>
    <message>
        <source>it was replaced by another file</source>
        <translation>il a été remplacé par un autre fichier</translation>
    </message>
    <message>
        <source>it was last changed before the recording began</source>
        <translation>sa dernière modification est antérieure au début de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>The recording %1, which ended unexpectedly, is gone.</source>
        <translation>L&apos;enregistrement %1, interrompu de manière inattendue, a disparu.</translation>
    </message>
    <message>
        <source>Left %1 as it is: %2.</source>
        <translation>%1 laissé tel quel&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Recovered %1 (%2) after an unexpected end.</source>
        <translation>%1 (%2) récupéré après un arrêt inattendu.</translation>
    </message>
    <message>
        <source>Ignored the unreadable recording journal %1: %2.</source>
        <translation>Journal d&apos;enregistrement illisible %1 ignoré&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Left %1 more recording journals in %2 unread: more than an unexpected end leaves.</source>
        <translation>%1 autres journaux d&apos;enregistrement laissés non lus dans %2&#xa0;: plus qu&apos;un arrêt inattendu n&apos;en laisse.</translation>
    </message>
</context>
<context>
    <name>RecordingRepair</name>
    <message>
        <source>it is a link</source>
        <translation>c&apos;est un lien</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>WMA files are not repaired</source>
        <translation>les fichiers WMA ne sont pas réparés</translation>
    </message>
</context>
<context>
    <name>RecordingSession</name>
    <message>
        <source>Tavrik stood still and the sound server dropped what it could not hold: %1 s of &quot;%2&quot; are filled with silence, so the recording keeps its length.</source>
        <translation>Tavrik s&apos;est figé et le serveur de son a abandonné ce qu&apos;il ne pouvait pas conserver&#xa0;: %1 s de «&#xa0;%2&#xa0;» sont remplacées par du silence, pour que l&apos;enregistrement garde sa durée.</translation>
    </message>
    <message>
        <source>%1 (%2 s silence filled)</source>
        <translation>%1 (%2 s comblées par du silence)</translation>
    </message>
    <message>
        <source>1 clipped peak</source>
        <translation>1 pic saturé</translation>
    </message>
    <message>
        <source>%1 clipped peaks</source>
        <translation>%1 pics saturés</translation>
    </message>
    <message>
        <source>No sound for %1 s: is the input muted?</source>
        <translation>Aucun son depuis %1 s&#xa0;: l&apos;entrée est-elle coupée&#xa0;?</translation>
    </message>
    <message>
        <source>Recording stopped: less than %1 MB are free on the disk of &quot;%2&quot;.</source>
        <translation>Enregistrement arrêté&#xa0;: moins de %1 Mo libres sur le disque de «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>The output format&apos;s settings cannot be written: choose others in its settings.</source>
        <translation>Les paramètres du format de sortie ne peuvent pas être écrits&#xa0;: choisissez-en d&apos;autres dans ses paramètres.</translation>
    </message>
    <message>
        <source>Waiting for sound (%1 dBFS)</source>
        <translation>En attente de son (%1 dBFS)</translation>
    </message>
    <message>
        <source>Armed: recording sound event %1</source>
        <translation>Armé&#xa0;: enregistrement de l&apos;événement sonore %1</translation>
    </message>
    <message>
        <source>%1: armed, %2 sound events so far</source>
        <translation>%1&#xa0;: armé, %2 événements sonores jusqu&apos;ici</translation>
    </message>
</context>
<context>
    <name>RecordingsModel</name>
    <message>
        <source>NO.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Record Time</source>
        <translation>Date d&apos;enregistrement</translation>
    </message>
</context>
<context>
    <name>ScheduleEntryDialog</name>
    <message>
        <source>Scheduler</source>
        <translation>Programmation</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Début&#xa0;:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Fin&#xa0;:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Commentaire&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Time is error</source>
        <translation>Les heures ne sont pas valides</translation>
    </message>
</context>
<context>
    <name>ScheduleFile</name>
    <message>
        <source>Cannot create the schedule &quot;%1&quot;: %2.</source>
        <translation>Impossible de créer la programmation «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot read the schedule</source>
        <translation>Impossible de lire la programmation</translation>
    </message>
    <message>
        <source>Cannot save the schedule</source>
        <translation>Impossible d&apos;enregistrer la programmation</translation>
    </message>
</context>
<context>
    <name>ScheduleModel</name>
    <message>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Manqué</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>Stop time</source>
        <translation>Heure de fin</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
</context>
<context>
    <name>ScheduleWindow</name>
    <message>
        <source>Schedule</source>
        <translation>Programmation</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Tout effacer</translation>
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
        <translation>Enregistrement programmé de %1 à %2 manqué</translation>
    </message>
    <message>
        <source>Missed %1 scheduled recordings, the first from %2 to %3</source>
        <translation>%1 enregistrements programmés manqués, le premier de %2 à %3</translation>
    </message>
    <message>
        <source>Scheduled recording</source>
        <translation>Enregistrement programmé</translation>
    </message>
</context>
<context>
    <name>SeveralSourcesDialog</name>
    <message>
        <source>Record Several Sources</source>
        <translation>Enregistrer plusieurs sources</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Level now</source>
        <translation>Niveau actuel</translation>
    </message>
    <message>
        <source>Recorded at</source>
        <translation>Enregistré à</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mixées</translation>
    </message>
    <message>
        <source>One channel per source</source>
        <translation>Un canal par source</translation>
    </message>
    <message>
        <source>Two sources: the first left, the second right, so that they can be separated later.</source>
        <translation>Deux sources&#xa0;: la première à gauche, la seconde à droite, pour pouvoir les séparer plus tard.</translation>
    </message>
    <message>
        <source>Check two or more sources to record them together; with fewer, the source chosen in the main window is recorded.</source>
        <translation>Cochez au moins deux sources pour les enregistrer ensemble&#xa0;; sinon, c&apos;est la source choisie dans la fenêtre principale qui est enregistrée.</translation>
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
        <translation>Impossible de reprendre le format de %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>SoundActivationDialog</name>
    <message>
        <source>Sound Activation</source>
        <translation>Déclenchement par le son</translation>
    </message>
    <message>
        <source>Record starts when sound comes, a file for each sound</source>
        <translation>L&apos;enregistrement démarre quand le son arrive, un fichier par son</translation>
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
        <translation>désactivé</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Seuil</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>Niveau d&apos;entrée</translation>
    </message>
    <message>
        <source>Ends after quiet for</source>
        <translation>S&apos;arrête après un silence de</translation>
    </message>
    <message>
        <source>Keeps before the sound</source>
        <translation>Conserve avant le son</translation>
    </message>
    <message>
        <source>Keeps before Record</source>
        <translation>Conserve avant Enregistrer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Nothing is kept before Record.</source>
        <translation>Rien n&apos;est conservé avant Enregistrer.</translation>
    </message>
    <message>
        <source>Keeping %1 s takes %2 MB of memory, and the input stays open while nothing records.</source>
        <translation>Conserver %1 s occupe %2 Mo de mémoire, et l&apos;entrée reste ouverte même quand rien n&apos;est enregistré.</translation>
    </message>
</context>
<context>
    <name>TagBatch</name>
    <message>
        <source>it is no regular file, or it cannot be written</source>
        <translation>ce n&apos;est pas un fichier ordinaire, ou il ne peut pas être écrit</translation>
    </message>
    <message>
        <source>its ID3v2 tag claims more bytes than the file holds, so a new tag could cut its audio</source>
        <translation>son étiquette ID3v2 annonce plus d&apos;octets que le fichier n&apos;en contient, une nouvelle étiquette pourrait donc tronquer son audio</translation>
    </message>
    <message>
        <source>no copy of it could be written beside it</source>
        <translation>aucune copie n&apos;a pu en être écrite à côté de lui</translation>
    </message>
    <message>
        <source>the new tags would have cut its audio</source>
        <translation>les nouvelles étiquettes auraient tronqué son audio</translation>
    </message>
    <message>
        <source>the tags could not be written</source>
        <translation>les étiquettes n&apos;ont pas pu être écrites</translation>
    </message>
    <message>
        <source>it could not be replaced by the saved copy</source>
        <translation>il n&apos;a pas pu être remplacé par la copie enregistrée</translation>
    </message>
</context>
<context>
    <name>TagEditorDialog</name>
    <message>
        <source>Preview</source>
        <translation>Pré-écoute</translation>
    </message>
    <message>
        <source>Grabbed title for selected mp3: 
%1</source>
        <translation>Titre tiré du nom pour le MP3 sélectionné&#xa0;: 
%1</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>These files were left as they were:

%1</source>
        <translation>Ces fichiers ont été laissés tels quels&#xa0;:

%1</translation>
    </message>
    <message>
        <source>ID3 Editor</source>
        <translation>Éditeur ID3</translation>
    </message>
    <message>
        <source>Multiple file options</source>
        <translation>Options pour plusieurs fichiers</translation>
    </message>
    <message>
        <source>&amp;Empty fields keep original value.</source>
        <translation>Les champs &amp;vides gardent la valeur d&apos;origine.</translation>
    </message>
    <message>
        <source>&amp;Add track number from file index.</source>
        <translation>&amp;Ajouter le numéro de piste d&apos;après la position du fichier.</translation>
    </message>
    <message>
        <source>&amp;Grab title from filename.</source>
        <translation>&amp;Tirer le titre du nom de fichier.</translation>
    </message>
    <message>
        <source>Copy from ID3v2</source>
        <translation>Copier depuis ID3v2</translation>
    </message>
    <message>
        <source>Copy to ID3v2</source>
        <translation>Copier vers ID3v2</translation>
    </message>
    <message>
        <source>&amp;ID3v1 tag</source>
        <translation>Étiquette &amp;ID3v1</translation>
    </message>
    <message>
        <source>Track #:</source>
        <translation>Piste n°&#xa0;:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre&#xa0;:</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Artiste&#xa0;:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Album&#xa0;:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Année&#xa0;:</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Commentaires&#xa0;:</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Genre&#xa0;:</translation>
    </message>
    <message>
        <source>Copy to ID3v1</source>
        <translation>Copier vers ID3v1</translation>
    </message>
    <message>
        <source>Copy from ID3v1</source>
        <translation>Copier depuis ID3v1</translation>
    </message>
    <message>
        <source>&amp;ID3v2 tag</source>
        <translation>Étiquette &amp;ID3v2</translation>
    </message>
    <message>
        <source>Composer:</source>
        <translation>Compositeur&#xa0;:</translation>
    </message>
    <message>
        <source>Orig. Artist:</source>
        <translation>Artiste orig.&#xa0;:</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>Copyright&#xa0;:</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL&#xa0;:</translation>
    </message>
    <message>
        <source>Encoded by:</source>
        <translation>Encodé par&#xa0;:</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>Select &amp;None</source>
        <translation>Tout &amp;désélectionner</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>P&amp;ause/Unpause</source>
        <translation>&amp;Pause/Reprise</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>&amp;Forward 5 sec.</source>
        <translation>A&amp;vancer de 5 s</translation>
    </message>
    <message>
        <source>&amp;Back 5 sec.</source>
        <translation>&amp;Reculer de 5 s</translation>
    </message>
    <message>
        <source>&amp;Jump to middle of song</source>
        <translation>Aller au &amp;milieu du morceau</translation>
    </message>
</context>
<context>
    <name>TagFileModel</name>
    <message>
        <source>%1
Not saved: %2</source>
        <translation>%1
Non enregistré&#xa0;: %2</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nom de fichier</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>TagPreview</name>
    <message>
        <source>The sound output cannot be opened, so previews are off: %1</source>
        <translation>La sortie son ne peut pas être ouverte, la pré-écoute est donc désactivée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Could not recognize &amp; play &quot;%1&quot;.</source>
        <translation>Impossible de reconnaître et de lire «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The preview cannot be played: %1</source>
        <translation>La pré-écoute ne peut pas être lue&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TaglibId3v2</name>
    <message>
        <source>its ID3v2 tag holds a damaged frame, and a save would lose what follows it</source>
        <translation>son étiquette ID3v2 contient une trame endommagée, et un enregistrement perdrait tout ce qui la suit</translation>
    </message>
    <message>
        <source>its ID3v2 tag holds %1, which a save as ID3v2.3 would lose</source>
        <translation>son étiquette ID3v2 contient %1, qu&apos;un enregistrement en ID3v2.3 perdrait</translation>
    </message>
</context>
<context>
    <name>VorbisEncoder</name>
    <message>
        <source>the Ogg Vorbis encoder refuses %1</source>
        <translation>l&apos;encodeur Ogg Vorbis refuse %1</translation>
    </message>
</context>
<context>
    <name>WavCodecs</name>
    <message>
        <source>%1 cannot be written at %2 Hz (6000 to 48000 Hz only).</source>
        <translation>%1 ne peut pas être écrit à %2 Hz (de 6000 à 48000 Hz uniquement).</translation>
    </message>
    <message>
        <source>%1 cannot be written with %2 channels (mono or stereo only).</source>
        <translation>%1 ne peut pas être écrit sur %2 canaux (mono ou stéréo uniquement).</translation>
    </message>
    <message>
        <source>GSM 6.10 is written at 8000 Hz mono only.</source>
        <translation>Le GSM 6.10 ne s&apos;écrit qu&apos;en 8000 Hz mono.</translation>
    </message>
</context>
<context>
    <name>WavFormatDialog</name>
    <message>
        <source>Choose WAV Format</source>
        <translation>Choisir le format WAV</translation>
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
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>Sample rate:</source>
        <translation>Fréquence d&apos;échantillonnage&#xa0;:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canaux&#xa0;:</translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation>Codec&#xa0;:</translation>
    </message>
</context>
<context>
    <name>WavRepair</name>
    <message>
        <source>it has no WAV header</source>
        <translation>il n&apos;a pas d&apos;en-tête WAV</translation>
    </message>
    <message>
        <source>its WAV header has no format or data chunk</source>
        <translation>son en-tête WAV n&apos;a pas de bloc de format ou de données</translation>
    </message>
    <message>
        <source>it holds %1 Hz, %2 channels instead of the %3 Hz, %4 channels recorded</source>
        <translation>il contient du %1 Hz sur %2 canaux au lieu du %3 Hz sur %4 canaux enregistré</translation>
    </message>
    <message>
        <source>its RF64 header has no ds64 chunk</source>
        <translation>son en-tête RF64 n&apos;a pas de bloc ds64</translation>
    </message>
    <message>
        <source>another program finished it, adding to it after the sound</source>
        <translation>un autre programme l&apos;a finalisé, en ajoutant des données après le son</translation>
    </message>
    <message>
        <source>it is larger than 4 GiB and its header has no room for the sizes</source>
        <translation>il dépasse 4 Gio et son en-tête n&apos;a pas la place d&apos;indiquer les tailles</translation>
    </message>
</context>
<context>
    <name>WavSettingsDialog</name>
    <message>
        <source>Set WAV Format</source>
        <translation>Format WAV</translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation>Fréquence (Hz)</translation>
    </message>
    <message>
        <source>nChannels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>From Menu</source>
        <translation>Depuis le menu</translation>
    </message>
    <message>
        <source>Like Sample</source>
        <translation>Comme un fichier modèle</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Wav files (*.wav)</source>
        <translation>Fichiers WAV (*.wav)</translation>
    </message>
    <message>
        <source>Format Parametr not valid

%1</source>
        <translation>Paramètres de format non valides

%1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>There is another copy of the application being executed!</source>
        <translation>Une autre instance de l&apos;application est déjà en cours d&apos;exécution&#xa0;!</translation>
    </message>
    <message>
        <source>--record, --stop and --toggle cannot reach this copy: %1.</source>
        <translation>--record, --stop et --toggle ne peuvent pas joindre cette instance&#xa0;: %1.</translation>
    </message>
</context>
</TS>
