<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Strings</name>
    <message>
        <source>Alarm Control Center Tellmark</source>
        <translation>Alarm-Kontrollzentrum Tellmark</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Please confirm...</source>
        <translation>Bitte bestätigen...</translation>
    </message>
    <message>
        <source>Error, impossible to open group database %1 !</source>
        <translation>Fehler, die Gruppendatenbank %1 kann nicht geöffnet werden !</translation>
    </message>
    <message>
        <source>Error, impossible to open alarm-database %1 !</source>
        <translation>Fehler, die Alarmdatenbank %1 kann nicht geöffnet werden !</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Do you want to launch the alarm '%1' ?</source>
        <translation>Wollen Sie den Alarm '%1' auslösen ?</translation>
    </message>
    <message>
        <source>The resource DLL %1 could not be loaded !</source>
        <translation>Die Sprachdatei %1 konnte nicht geladen werden !</translation>
    </message>
    <message>
        <source>Please select an alarm first.</source>
        <translation>Bitte wählen Sie zuerst einen Alarm aus.</translation>
    </message>
    <message>
        <source>Please select the alarm first, for which you want to record the alarm message !</source>
        <translation>Bitte wählen Sie zuerst den Alarm aus, für den Sie die Alarmmeldung aufnehmen wollen !</translation>
    </message>
    <message>
        <source>Please select at least one alarm, before changing the alarm icon.</source>
        <translation>Bitte wählen Sie mindestens einen Alarm aus, bevor Sie das Alarmsymbol ändern.</translation>
    </message>
    <message>
        <source>Whitelist settings for %1</source>
        <translation>Whitelist-Einstellungen für %1</translation>
    </message>
    <message>
        <source>Please enter a number first !</source>
        <translation>Bitte geben Sie zuerst eine Nummer ein !</translation>
    </message>
    <message>
        <source>No module started</source>
        <translation>Kein Modul gestartet</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Leitung</translation>
    </message>
    <message>
        <source>AlarmCenter on %1</source>
        <translation>AlarmCenter auf %1</translation>
    </message>
    <message>
        <source>ERROR ! No phonenumber defined for line watchdog to dial !</source>
        <translation>FEHLER ! Für die Leitungsüberwachung ist keine Rufnummer angegeben !</translation>
    </message>
    <message>
        <source>Add new alarm-in keys for DDI callback from %d to %d ?</source>
        <translation>Neue Alarmeingänge für den DDI-Rückruf von %d bis %d anlegen ?</translation>
    </message>
    <message>
        <source>Deactivate selected alarms for %d minutes ?
Warning, the selected alarms will not be launched for the defined time!
The deactivation does not support winter / summer time change.</source>
        <translation>Ausgewählte Alarme für %d Minuten deaktivieren ?
Achtung, die ausgewählten Alarme werden in dieser Zeit nicht ausgelöst!
Die Deaktivierung berücksichtigt keine Sommer- / Winterzeitumstellung.</translation>
    </message>
    <message>
        <source>Deactivate selected alarms for %d hour(s) ?
Warning, the selected alarms will not be launched for the defined time!
The deactivation does not support winter / summer time change.</source>
        <translation>Ausgewählte Alarme für %d Stunde(n) deaktivieren ?
Achtung, die ausgewählten Alarme werden in dieser Zeit nicht ausgelöst!
Die Deaktivierung berücksichtigt keine Sommer- / Winterzeitumstellung.</translation>
    </message>
    <message>
        <source>Please select the alarm(s) to activate in the alarmlist first.</source>
        <translation>Bitte wählen Sie zuerst die zu aktivierenden Alarme in der Alarmliste aus.</translation>
    </message>
    <message>
        <source>Please select the alarm(s) to deactivate in the alarmlist first.</source>
        <translation>Bitte wählen Sie zuerst die zu deaktivierenden Alarme in der Alarmliste aus.</translation>
    </message>
    <message>
        <source>Name of process to watch:</source>
        <translation>Name des überwachten Prozesses:</translation>
    </message>
    <message>
        <source>Name of service to watch:</source>
        <translation>Name des überwachten Dienstes:</translation>
    </message>
    <message>
        <source>No valid service or process defined to watch!</source>
        <translation>Kein gültiger Dienst oder Prozess zur Überwachung angegeben!</translation>
    </message>
    <message>
        <source>No valid ip address defined to watch service or process on a remote system!</source>
        <translation>Keine gültige IP-Adresse zur Überwachung eines Dienstes oder Prozesses auf einem entfernten System angegeben!</translation>
    </message>
    <message>
        <source>No valid ip address defined to watch remote server by ping!</source>
        <translation>Keine gültige IP-Adresse zur Überwachung eines Servers per Ping angegeben!</translation>
    </message>
    <message>
        <source>Show processes</source>
        <translation>Prozesse anzeigen</translation>
    </message>
    <message>
        <source>Show services</source>
        <translation>Dienste anzeigen</translation>
    </message>
    <message>
        <source>local system</source>
        <translation>lokales System</translation>
    </message>
    <message>
        <source>Settings for the watchdog alarm %d</source>
        <translation>Einstellungen des Watchdog-Alarms %d</translation>
    </message>
    <message>
        <source>Please enter a valid watchdog interval in minutes!</source>
        <translation>Bitte geben Sie ein gültiges Watchdog-Intervall in Minuten ein!</translation>
    </message>
    <message>
        <source>[No definition]</source>
        <translation>[Keine Definition]</translation>
    </message>
    <message>
        <source>Empty group</source>
        <translation>Leere Gruppe</translation>
    </message>
    <message>
        <source>Man-down supervision</source>
        <translation>Totmann-Überwachung</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Kein Name</translation>
    </message>
    <message>
        <source>NO GROUP SPECIFIED</source>
        <translation>KEINE GRUPPE ANGEGEBEN</translation>
    </message>
    <message>
        <source>No group created</source>
        <translation>Keine Gruppe angelegt</translation>
    </message>
    <message>
        <source>Do not launch an alarm</source>
        <translation>Keinen Alarm auslösen</translation>
    </message>
    <message>
        <source>Not generated or empty</source>
        <translation>Nicht angelegt oder leer</translation>
    </message>
    <message>
        <source>Only alarms of the alarm range %2 can be changed; these keys are not: %1. Nothing was changed.</source>
        <translation>Nur Alarme des Alarmbereichs %2 können geändert werden; diese Nummern sind keine: %1. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>A&amp;larm</source>
        <translation>A&amp;larm</translation>
    </message>
    <message>
        <source>Alarm-in</source>
        <translation>Alarmeingang</translation>
    </message>
    <message>
        <source>Persons/&amp;Groups</source>
        <translation>Personen/&amp;Gruppen</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Select alarm type</source>
        <translation>Alarmtyp wählen</translation>
    </message>
    <message>
        <source>Alarmnumber</source>
        <translation>Alarmnummer</translation>
    </message>
    <message>
        <source>Alarmname</source>
        <translation>Alarmname</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Launch alarm</source>
        <translation>Alarm auslösen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Rufnummer</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>alarms-in</source>
        <translation>Alarmeingänge</translation>
    </message>
    <message>
        <source>Alarm settings</source>
        <translation>Alarmeinstellungen</translation>
    </message>
    <message>
        <source>Settings of alarms-in</source>
        <translation>Einstellungen der Alarmeingänge</translation>
    </message>
    <message>
        <source>First alarm number:</source>
        <translation>Erste Alarmnummer:</translation>
    </message>
    <message>
        <source>Last alarm number:</source>
        <translation>Letzte Alarmnummer:</translation>
    </message>
    <message>
        <source>First alarm-in:</source>
        <translation>Erster Alarmeingang:</translation>
    </message>
    <message>
        <source>Last alarm-in:</source>
        <translation>Letzter Alarmeingang:</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>Gruppe:</translation>
    </message>
    <message>
        <source>Including the following persons:</source>
        <translation>Mit folgenden Personen:</translation>
    </message>
    <message>
        <source>Data of groups and persons</source>
        <translation>Daten der Gruppen und Personen</translation>
    </message>
    <message>
        <source>Change to:</source>
        <translation>Wechseln zu:</translation>
    </message>
    <message>
        <source>Info about kxalarm</source>
        <translation>Info über kxalarm</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Printer&amp;settings...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;General settings</source>
        <translation>&amp;Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Parallel alarm settings</source>
        <translation>&amp;Parallelalarm-Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Sequent alarm settings</source>
        <translation>&amp;Sequenzalarm-Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Confirmation settings</source>
        <translation>&amp;Quittierungs-Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Conference settings</source>
        <translation>&amp;Konferenz-Einstellungen</translation>
    </message>
    <message>
        <source>Message settings</source>
        <translation>Meldungs-Einstellungen</translation>
    </message>
    <message>
        <source>Escalation settings</source>
        <translation>Eskalations-Einstellungen</translation>
    </message>
    <message>
        <source>E-&amp;mail settings</source>
        <translation>E-&amp;Mail-Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Login / Logout settings</source>
        <translation>A&amp;nmelde- / Abmelde-Einstellungen</translation>
    </message>
    <message>
        <source>&amp;DDI callback settings</source>
        <translation>&amp;DDI-Rückruf-Einstellungen</translation>
    </message>
    <message>
        <source>XML Settings</source>
        <translation>XML-Einstellungen</translation>
    </message>
    <message>
        <source>Server / Service watch settings</source>
        <translation>Server- / Dienstüberwachung</translation>
    </message>
    <message>
        <source>Incoming call and alarm-in settings</source>
        <translation>Einstellungen für ankommende Rufe und Alarmeingänge</translation>
    </message>
    <message>
        <source>Pers&amp;onnel editor and queue settings</source>
        <translation>Pers&amp;onaleditor und Warteschlangen</translation>
    </message>
    <message>
        <source>&amp;Result viewer settings</source>
        <translation>&amp;Ergebnisanzeige-Einstellungen</translation>
    </message>
    <message>
        <source>Call handling settings</source>
        <translation>Rufbehandlung</translation>
    </message>
    <message>
        <source>&amp;Line supervision</source>
        <translation>&amp;Leitungsüberwachung</translation>
    </message>
    <message>
        <source>&amp;Watch-dog box settings</source>
        <translation>&amp;Watchdog-Box-Einstellungen</translation>
    </message>
    <message>
        <source>Master / Slave configuration</source>
        <translation>Master- / Slave-Konfiguration</translation>
    </message>
    <message>
        <source>Dynamic alarmmessage TTS settings</source>
        <translation>Dynamische Alarmmeldung (TTS)</translation>
    </message>
    <message>
        <source>Hotel-evacuation settings</source>
        <translation>Hotel-Evakuierung</translation>
    </message>
    <message>
        <source>&amp;Import/Export and extended settings</source>
        <translation>&amp;Import/Export und erweiterte Einstellungen</translation>
    </message>
    <message>
        <source>Add &amp;new alarm</source>
        <translation>&amp;Neuen Alarm anlegen</translation>
    </message>
    <message>
        <source>Set alarm &amp;settings</source>
        <translation>Alarm&amp;einstellungen</translation>
    </message>
    <message>
        <source>&amp;Delete alarm</source>
        <translation>Alarm &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Launch alarm</source>
        <translation>Alarm &amp;auslösen</translation>
    </message>
    <message>
        <source>Alarm-&amp;Simulation</source>
        <translation>Alarm-&amp;Simulation</translation>
    </message>
    <message>
        <source>&amp;View alarm results</source>
        <translation>Alarmergebnisse an&amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Record alarm messages</source>
        <translation>Alarm&amp;meldungen aufnehmen</translation>
    </message>
    <message>
        <source>&amp;New alarm-in</source>
        <translation>&amp;Neuer Alarmeingang</translation>
    </message>
    <message>
        <source>&amp;Alarm-in settings</source>
        <translation>&amp;Alarmeingang-Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Delete alarm-in</source>
        <translation>Alarmeingang &amp;löschen</translation>
    </message>
    <message>
        <source>Record alarm-in message</source>
        <translation>Alarmeingangsmeldung aufnehmen</translation>
    </message>
    <message>
        <source>DDI &amp;converter</source>
        <translation>DDI-&amp;Konverter</translation>
    </message>
    <message>
        <source>DDI-CLI Alarm scanner</source>
        <translation>DDI-CLI-Alarmscanner</translation>
    </message>
    <message>
        <source>Line / Server supervison overview</source>
        <translation>Übersicht Leitungs- / Serverüberwachung</translation>
    </message>
    <message>
        <source>Add &amp;new persons</source>
        <translation>&amp;Neue Personen anlegen</translation>
    </message>
    <message>
        <source>&amp;Modify data of persons</source>
        <translation>Personendaten &amp;ändern</translation>
    </message>
    <message>
        <source>Add new &amp;groups</source>
        <translation>Neue &amp;Gruppen anlegen</translation>
    </message>
    <message>
        <source>Modify &amp;data of groups</source>
        <translation>Gruppen&amp;daten ändern</translation>
    </message>
    <message>
        <source>&amp;System-Informations</source>
        <translation>&amp;Systeminformationen</translation>
    </message>
    <message>
        <source>Data &amp;backup</source>
        <translation>&amp;Datensicherung</translation>
    </message>
    <message>
        <source>&amp;Schedule plan editor</source>
        <translation>Zeit&amp;plan-Editor</translation>
    </message>
    <message>
        <source>&amp;Postjob monitor</source>
        <translation>&amp;Postjob-Monitor</translation>
    </message>
    <message>
        <source>&amp;Dial utility</source>
        <translation>&amp;Wählhilfe</translation>
    </message>
    <message>
        <source>Line Monitor</source>
        <translation>Leitungsmonitor</translation>
    </message>
    <message>
        <source>Release check</source>
        <translation>Versionsprüfung</translation>
    </message>
    <message>
        <source>&amp;Symbol bar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>S&amp;tatus bar</source>
        <translation>S&amp;tatusleiste</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>&amp;About kxalarm...</source>
        <translation>&amp;Info über kxalarm...</translation>
    </message>
    <message>
        <source>Alarm configurator</source>
        <translation>Alarmkonfigurator</translation>
    </message>
    <message>
        <source>Editor of persons and groups</source>
        <translation>Personen- und Gruppeneditor</translation>
    </message>
    <message>
        <source>View alarm results</source>
        <translation>Alarmergebnisse anzeigen</translation>
    </message>
    <message>
        <source>Schedule plan editor</source>
        <translation>Zeitplan-Editor</translation>
    </message>
    <message>
        <source>Utility to launch an alarm</source>
        <translation>Hilfsprogramm zum Auslösen eines Alarms</translation>
    </message>
    <message>
        <source>Alarm simulation</source>
        <translation>Alarmsimulation</translation>
    </message>
    <message>
        <source>Dial utility</source>
        <translation>Wählhilfe</translation>
    </message>
    <message>
        <source>Data backup</source>
        <translation>Datensicherung</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Systeminformation</translation>
    </message>
    <message>
        <source>Line monitor</source>
        <translation>Leitungsmonitor</translation>
    </message>
    <message>
        <source>Activate alarms</source>
        <translation>Alarme aktivieren</translation>
    </message>
    <message>
        <source>for 10 minutes</source>
        <translation>für 10 Minuten</translation>
    </message>
    <message>
        <source>for 20 minutes</source>
        <translation>für 20 Minuten</translation>
    </message>
    <message>
        <source>for 30 minutes</source>
        <translation>für 30 Minuten</translation>
    </message>
    <message>
        <source>for 1 hour</source>
        <translation>für 1 Stunde</translation>
    </message>
    <message>
        <source>for 2 hours</source>
        <translation>für 2 Stunden</translation>
    </message>
    <message>
        <source>for 3 hours</source>
        <translation>für 3 Stunden</translation>
    </message>
    <message>
        <source>for 4 hours</source>
        <translation>für 4 Stunden</translation>
    </message>
    <message>
        <source>for 5 hours</source>
        <translation>für 5 Stunden</translation>
    </message>
    <message>
        <source>for 6 hours</source>
        <translation>für 6 Stunden</translation>
    </message>
    <message>
        <source>for 8 hours</source>
        <translation>für 8 Stunden</translation>
    </message>
    <message>
        <source>for 12 hours</source>
        <translation>für 12 Stunden</translation>
    </message>
    <message>
        <source>for 18 hours</source>
        <translation>für 18 Stunden</translation>
    </message>
    <message>
        <source>for 24 hours</source>
        <translation>für 24 Stunden</translation>
    </message>
    <message>
        <source>Deactivate alarms</source>
        <translation>Alarme deaktivieren</translation>
    </message>
</context>
</TS>
