<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Info about kxalarm</source>
        <translation>Info über kxalarm</translation>
    </message>
    <message>
        <source>Kxalarm, Version 4.8</source>
        <translation>Kxalarm, Version 4.8</translation>
    </message>
    <message>
        <source>Quillon alarm notification systems</source>
        <translation>Quillon Alarmierungssysteme</translation>
    </message>
    <message>
        <source>Support: support@quillon.example</source>
        <translation>Support: support@quillon.example</translation>
    </message>
    <message>
        <source>Configuration console of the alarm server</source>
        <translation>Konfigurationskonsole des Alarmservers</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AlarmInEditor</name>
    <message>
        <source>Alarm-in:</source>
        <translation>Alarmeingang:</translation>
    </message>
    <message>
        <source>Label:</source>
        <translation>Bezeichnung:</translation>
    </message>
    <message>
        <source>Type of alarm entrie:</source>
        <translation>Art des Alarmeingangs:</translation>
    </message>
    <message>
        <source>Display message:</source>
        <translation>Display-Meldung:</translation>
    </message>
    <message>
        <source>Scheduleplan:</source>
        <translation>Zeitplan:</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Do you want to save the data for the alarm &apos;%1&apos; ?</source>
        <translation>Wollen Sie die Daten für den Alarm &apos;%1&apos; speichern ?</translation>
    </message>
    <message>
        <source>Error, impossible to save the data !</source>
        <translation>Fehler, die Daten können nicht gespeichert werden !</translation>
    </message>
    <message>
        <source>No alarm-in is loaded: there is nothing to save.</source>
        <translation>Es ist kein Alarmeingang geladen: Es gibt nichts zu speichern.</translation>
    </message>
    <message>
        <source>%d Alarm-in schedule- and weekplan</source>
        <translation>%d Alarmeingang Jahres- und Wochenplan</translation>
    </message>
    <message>
        <source>%d Alarm-in scheduleplan only</source>
        <translation>%d Alarmeingang nur Jahresplan</translation>
    </message>
    <message>
        <source>%d Alarm-in weekplan only</source>
        <translation>%d Alarmeingang nur Wochenplan</translation>
    </message>
    <message>
        <source>%d Alarm schedule- and weekplan</source>
        <translation>%d Alarm Jahres- und Wochenplan</translation>
    </message>
    <message>
        <source>%d Alarm scheduleplan only</source>
        <translation>%d Alarm nur Jahresplan</translation>
    </message>
    <message>
        <source>%d Alarm weekplan only</source>
        <translation>%d Alarm nur Wochenplan</translation>
    </message>
    <message>
        <source>Settings for Broadcast / Launch &apos;%1&apos;</source>
        <translation>Einstellungen für Rundruf / Auslösung &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Settings to launch conference &apos;%1&apos;</source>
        <translation>Einstellungen zum Starten der Konferenz &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Settings to record alarm messages on &apos;%1&apos;</source>
        <translation>Einstellungen zum Aufnehmen von Alarmmeldungen auf &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Login and logout persons with internal numbers on &apos;%1&apos;</source>
        <translation>Personen mit internen Nummern an- und abmelden auf &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Settings for confirmation callback on &apos;%1&apos;</source>
        <translation>Einstellungen für den Bestätigungsrückruf auf &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Settings for confirmation callback for pager, SMS and email on &apos;%1&apos;</source>
        <translation>Einstellungen für den Bestätigungsrückruf für Pager, SMS und E-Mail auf &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Line test call back on &apos;%1&apos;</source>
        <translation>Leitungstest-Rückruf auf &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Settings to record fax messages on &apos;%1&apos;</source>
        <translation>Einstellungen zum Aufnehmen von Faxnachrichten auf &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Settings to play active alarms on &apos;%1&apos;</source>
        <translation>Einstellungen zum Abspielen aktiver Alarme auf &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Settings to play alarm messages on &apos;%1&apos;</source>
        <translation>Einstellungen zum Abspielen von Alarmmeldungen auf &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Play the last alarm messages of the caller on  
&apos;%1&apos;</source>
        <translation>Die letzten Alarmmeldungen des Anrufers abspielen auf  
&apos;%1&apos;</translation>
    </message>
    <message>
        <source>Settings to play recorded conferences on &apos;%1&apos;</source>
        <translation>Einstellungen zum Abspielen aufgezeichneter Konferenzen auf &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Settings for special functions on &apos;%1&apos;</source>
        <translation>Einstellungen für Sonderfunktionen auf &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Settings to activate and deactivate the man-down supervision on &apos;%1&apos;</source>
        <translation>Einstellungen zum Ein- und Ausschalten der Totmann-Überwachung auf &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Settings for fax-broadcast / alarm launch by fax on &apos;%1&apos;</source>
        <translation>Einstellungen für Fax-Rundruf / Alarmauslösung per Fax auf &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Settings for room surveillance (baby call) on &apos;%1&apos; </source>
        <translation>Einstellungen für die Raumüberwachung (Babyruf) auf &apos;%1&apos; </translation>
    </message>
    <message>
        <source>Settings for evacuation launcher on &apos;%1&apos;</source>
        <translation>Einstellungen für die Evakuierungsauslösung auf &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Settings for conference pool on &apos;%1&apos;</source>
        <translation>Einstellungen für den Konferenzpool auf &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Settings for DECT alarm call on &apos;%1&apos;</source>
        <translation>Einstellungen für den DECT-Alarmruf auf &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Settings for IVR application on DDI &apos;%1&apos;</source>
        <translation>Einstellungen für die IVR-Anwendung auf Durchwahl &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Settings for call transfer application on DDI &apos;%1&apos;</source>
        <translation>Einstellungen für die Rufweiterleitung auf Durchwahl &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Settings for DDI callback on &apos;%1&apos;</source>
        <translation>Einstellungen für den Durchwahl-Rückruf auf &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Settings of alarms-in</source>
        <translation>Einstellungen der Alarmeingänge</translation>
    </message>
</context>
<context>
    <name>AlarmKeys</name>
    <message>
        <source>Only alarms of the alarm range %2 can be changed; these keys are not: %1. Nothing was changed.</source>
        <translation>Nur Alarme des Alarmbereichs %2 können geändert werden; diese Nummern sind keine: %1. Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>CAlarmForm</name>
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
        <source>Alarm-in</source>
        <translation>Alarmeingang</translation>
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
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Quillon</source>
        <translation>Quillon</translation>
    </message>
    <message>
        <source>Alarm Control Center Tellmark</source>
        <translation>Alarm-Kontrollzentrum Tellmark</translation>
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
        <source>Alarm-&amp;in</source>
        <translation>Alarme&amp;ingang</translation>
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
        <source>Select alarm &amp;type</source>
        <translation>Alarmtyp &amp;wählen</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>UF</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>RF</translation>
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
        <source>Co&amp;nference settings</source>
        <translation>&amp;Konferenz-Einstellungen</translation>
    </message>
    <message>
        <source>Mess&amp;age settings</source>
        <translation>Meldun&amp;gs-Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Escalation settings</source>
        <translation>Eskalations-Einstell&amp;ungen</translation>
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
        <source>&amp;XML Settings</source>
        <translation>&amp;XML-Einstellungen</translation>
    </message>
    <message>
        <source>Server / Service &amp;watch settings</source>
        <translation>Server- / Dienstü&amp;berwachung</translation>
    </message>
    <message>
        <source>Inc&amp;oming call and alarm-in settings</source>
        <translation>Einstellungen &amp;für ankommende Rufe und Alarmeingänge</translation>
    </message>
    <message>
        <source>Personnel editor and &amp;queue settings</source>
        <translation>Pers&amp;onaleditor und Warteschlangen</translation>
    </message>
    <message>
        <source>&amp;Result viewer settings</source>
        <translation>&amp;Ergebnisanzeige-Einstellungen</translation>
    </message>
    <message>
        <source>Call &amp;handling settings</source>
        <translation>&amp;Rufbehandlung</translation>
    </message>
    <message>
        <source>Line s&amp;upervision</source>
        <translation>&amp;Leitungsüberwachung</translation>
    </message>
    <message>
        <source>Watch-dog &amp;box settings</source>
        <translation>&amp;Watchdog-Box-Einstellungen</translation>
    </message>
    <message>
        <source>Master / Slave con&amp;figuration</source>
        <translation>Master- / Sla&amp;ve-Konfiguration</translation>
    </message>
    <message>
        <source>Dynamic alarmmessage &amp;TTS settings</source>
        <translation>Dynamische Alarmmeldung (&amp;TTS)</translation>
    </message>
    <message>
        <source>Hotel-e&amp;vacuation settings</source>
        <translation>&amp;Hotel-Evakuierung</translation>
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
        <source>Alarm-S&amp;imulation</source>
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
        <source>S&amp;chedule plan editor</source>
        <translation>Zeit&amp;plan-Editor</translation>
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
        <source>&amp;Record alarm-in message</source>
        <translation>Alarmeingangsmeldung a&amp;ufnehmen</translation>
    </message>
    <message>
        <source>DDI &amp;converter</source>
        <translation>DDI-&amp;Konverter</translation>
    </message>
    <message>
        <source>DDI-CLI Alarm &amp;scanner</source>
        <translation>DDI-&amp;CLI-Alarmscanner</translation>
    </message>
    <message>
        <source>&amp;Line / Server supervison overview</source>
        <translation>Übersicht Leitungs- / &amp;Serverüberwachung</translation>
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
        <source>&amp;Postjob monitor</source>
        <translation>&amp;Postjob-Monitor</translation>
    </message>
    <message>
        <source>&amp;Dial utility</source>
        <translation>&amp;Wählhilfe</translation>
    </message>
    <message>
        <source>&amp;Line Monitor</source>
        <translation>&amp;Leitungsmonitor</translation>
    </message>
    <message>
        <source>&amp;Release check</source>
        <translation>&amp;Versionsprüfung</translation>
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
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
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
        <source>Launch alarm</source>
        <translation>Alarm auslösen</translation>
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
        <source>Release check</source>
        <translation>Versionsprüfung</translation>
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
        <source>Help on the item clicked next</source>
        <translation>Hilfe zum nächsten angeklickten Element</translation>
    </message>
</context>
<context>
    <name>DdiCliScanner</name>
    <message>
        <source>Scan alarmname for DDI.CLI</source>
        <translation>Alarmnamen nach DDI.CLI durchsuchen</translation>
    </message>
    <message>
        <source>First alarmkey to scan from:</source>
        <translation>Erste zu durchsuchende Alarmnummer:</translation>
    </message>
    <message>
        <source>Last alarmkey to scan to:</source>
        <translation>Letzte zu durchsuchende Alarmnummer:</translation>
    </message>
    <message>
        <source>Use configuration for distribution/alarm launcher from alarm-in key:</source>
        <translation>Konfiguration für Verteilung/Alarmauslösung vom Alarmeingang verwenden:</translation>
    </message>
    <message>
        <source>Use configuration for conference alarm from alarm-in key:</source>
        <translation>Konfiguration für Konferenzalarm vom Alarmeingang verwenden:</translation>
    </message>
    <message>
        <source>DDI - CLI Alarm scanner</source>
        <translation>DDI-CLI-Alarmscanner</translation>
    </message>
</context>
<context>
    <name>DdiCliScannerDialog</name>
    <message>
        <source>This function scans the alarmname for the DDI and CLI of the caller and starts the alarm if it is found. The format for the alarmname is DDI.CLI</source>
        <translation>Diese Funktion durchsucht die Alarmnamen nach der DDI und der CLI des Anrufers und startet den Alarm, wenn er gefunden wird. Das Format des Alarmnamens ist DDI.CLI</translation>
    </message>
    <message>
        <source>Example: 2001.0891234567</source>
        <translation>Beispiel: 2001.0891234567</translation>
    </message>
</context>
<context>
    <name>DdiConverter</name>
    <message>
        <source>Please enter a DDI to test first!</source>
        <translation>Bitte geben Sie zuerst eine DDI zum Testen ein!</translation>
    </message>
    <message>
        <source>The script engine could not be started:
%1</source>
        <translation>Die Skript-Engine konnte nicht gestartet werden:
%1</translation>
    </message>
    <message>
        <source>DDI conversion active</source>
        <translation>DDI-Umwandlung aktiv</translation>
    </message>
    <message>
        <source>Define valid digits (not defined digits will be suppressed)</source>
        <translation>Gültige Ziffern festlegen (nicht festgelegte Ziffern werden unterdrückt)</translation>
    </message>
    <message>
        <source>Valid digits:</source>
        <translation>Gültige Ziffern:</translation>
    </message>
    <message>
        <source>Cut leading digits from DDI:</source>
        <translation>Führende Ziffern der DDI abschneiden:</translation>
    </message>
    <message>
        <source>Cut trailing digits from DDI:</source>
        <translation>Letzte Ziffern der DDI abschneiden:</translation>
    </message>
    <message>
        <source>Use only the last digits</source>
        <translation>Nur die letzten Ziffern verwenden</translation>
    </message>
    <message>
        <source>Number of digits:</source>
        <translation>Anzahl der Ziffern:</translation>
    </message>
    <message>
        <source>Replace:</source>
        <translation>Ersetzen:</translation>
    </message>
    <message>
        <source>With:</source>
        <translation>Durch:</translation>
    </message>
    <message>
        <source>At position:</source>
        <translation>An Stelle:</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>All positions</source>
        <translation>Alle Stellen</translation>
    </message>
    <message>
        <source>%1. Position</source>
        <translation>%1. Stelle</translation>
    </message>
    <message>
        <source>Add offset:</source>
        <translation>Offset addieren:</translation>
    </message>
    <message>
        <source>Result:</source>
        <translation>Ergebnis:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>DDI to test:</source>
        <translation>Zu testende DDI:</translation>
    </message>
    <message>
        <source>DDI Converter</source>
        <translation>DDI-Konverter</translation>
    </message>
</context>
<context>
    <name>Deactivation</name>
    <message>
        <source>%d of the selected alarms could not be changed: the alarm table or the file kxadeact.ini could not be written.</source>
        <translation>%d der ausgewählten Alarme konnten nicht geändert werden: die Alarmtabelle oder die Datei kxadeact.ini konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>&amp;Activate alarms</source>
        <translation>Alarme akt&amp;ivieren</translation>
    </message>
    <message>
        <source>for 1&amp;0 minutes</source>
        <translation>für 1&amp;0 Minuten</translation>
    </message>
    <message>
        <source>for 20 &amp;minutes</source>
        <translation>für 20 &amp;Minuten</translation>
    </message>
    <message>
        <source>for 30 m&amp;inutes</source>
        <translation>für 30 M&amp;inuten</translation>
    </message>
    <message>
        <source>for &amp;1 hour</source>
        <translation>für &amp;1 Stunde</translation>
    </message>
    <message>
        <source>for &amp;2 hours</source>
        <translation>für &amp;2 Stunden</translation>
    </message>
    <message>
        <source>for &amp;3 hours</source>
        <translation>für &amp;3 Stunden</translation>
    </message>
    <message>
        <source>for &amp;4 hours</source>
        <translation>für &amp;4 Stunden</translation>
    </message>
    <message>
        <source>for &amp;5 hours</source>
        <translation>für &amp;5 Stunden</translation>
    </message>
    <message>
        <source>for &amp;6 hours</source>
        <translation>für &amp;6 Stunden</translation>
    </message>
    <message>
        <source>for &amp;8 hours</source>
        <translation>für &amp;8 Stunden</translation>
    </message>
    <message>
        <source>for 12 &amp;hours</source>
        <translation>für 12 &amp;Stunden</translation>
    </message>
    <message>
        <source>for 18 h&amp;ours</source>
        <translation>für 18 S&amp;tunden</translation>
    </message>
    <message>
        <source>for 24 ho&amp;urs</source>
        <translation>für 24 St&amp;unden</translation>
    </message>
    <message>
        <source>D&amp;eactivate alarms</source>
        <translation>Alarme &amp;deaktivieren</translation>
    </message>
</context>
<context>
    <name>GeneralSettings</name>
    <message>
        <source>First alarm number:</source>
        <translation>Erste Alarmnummer:</translation>
    </message>
    <message>
        <source>Last alarm number:</source>
        <translation>Letzte Alarmnummer:</translation>
    </message>
    <message>
        <source>First alarm-in number:</source>
        <translation>Erste Alarmeingangsnummer:</translation>
    </message>
    <message>
        <source>Last alarm-in number:</source>
        <translation>Letzte Alarmeingangsnummer:</translation>
    </message>
    <message>
        <source>The first alarm number &apos;%1&apos; should be between 10 and 9999 ! </source>
        <translation>Die erste Alarmnummer &apos;%1&apos; sollte zwischen 10 und 9999 liegen ! </translation>
    </message>
    <message>
        <source>The last alarm number &apos;%1&apos; should be between 10 and 9999 ! </source>
        <translation>Die letzte Alarmnummer &apos;%1&apos; sollte zwischen 10 und 9999 liegen ! </translation>
    </message>
    <message>
        <source>The first alarm-in &apos;%1&apos; should be between 10 and 9999 ! </source>
        <translation>Der erste Alarmeingang &apos;%1&apos; sollte zwischen 10 und 9999 liegen ! </translation>
    </message>
    <message>
        <source>The last alarm-in &apos;%1&apos; should be between 10 and 9999 ! </source>
        <translation>Der letzte Alarmeingang &apos;%1&apos; sollte zwischen 10 und 9999 liegen ! </translation>
    </message>
    <message>
        <source>The last alarm number should be higher then the first alarm number !</source>
        <translation>Die letzte Alarmnummer sollte größer als die erste Alarmnummer sein !</translation>
    </message>
    <message>
        <source>The last alarm-in should be higher then the first alarm-in !</source>
        <translation>Der letzte Alarmeingang sollte größer als der erste Alarmeingang sein !</translation>
    </message>
    <message>
        <source>ISDN connection to the alarmserver</source>
        <translation>ISDN-Verbindung zum Alarmserver</translation>
    </message>
    <message>
        <source>QSIG ISDN protocol</source>
        <translation>QSIG-ISDN-Protokoll</translation>
    </message>
    <message>
        <source>Normal ISDN protocol (CTR4 / EURO-ISDN)</source>
        <translation>Normales ISDN-Protokoll (CTR4 / EURO-ISDN)</translation>
    </message>
    <message>
        <source>PABX QSIG protocol:</source>
        <translation>QSIG-Protokoll der TK-Anlage:</translation>
    </message>
    <message>
        <source>PABX ISDN protocol:</source>
        <translation>ISDN-Protokoll der TK-Anlage:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>Send alarm message as own number (DDI).</source>
        <translation>Alarmmeldung als eigene Nummer (DDI) senden.</translation>
    </message>
    <message>
        <source>UUI alarm message sent as mini-message.</source>
        <translation>UUI-Alarmmeldung als Kurznachricht senden.</translation>
    </message>
    <message>
        <source>Send the alarm number as own number (DDI). </source>
        <translation>Alarmnummer als eigene Nummer (DDI) senden. </translation>
    </message>
    <message>
        <source>Use calling party number for outgoing calls:</source>
        <translation>Absenderrufnummer für abgehende Rufe verwenden:</translation>
    </message>
    <message>
        <source>Calling party number</source>
        <translation>Absenderrufnummer</translation>
    </message>
    <message>
        <source>Prefix for external calls (to get dial tone): </source>
        <translation>Vorwahl für externe Rufe (Amtsholung): </translation>
    </message>
    <message>
        <source>General settings</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
</context>
<context>
    <name>GeneralSettingsDialog</name>
    <message>
        <source>Alarm and alarm-in numbers</source>
        <translation>Alarm- und Alarmeingangsnummern</translation>
    </message>
    <message>
        <source>ISDN connection</source>
        <translation>ISDN-Verbindung</translation>
    </message>
    <message>
        <source>The alarm message to display will be sent directly to the phones.</source>
        <translation>Die anzuzeigende Alarmmeldung wird direkt an die Telefone gesendet.</translation>
    </message>
    <message>
        <source>Mini-messages are stored in the phone and can be read after an alarm</source>
        <translation>Kurznachrichten werden im Telefon gespeichert und können nach einem Alarm gelesen werden</translation>
    </message>
    <message>
        <source>The alarm message on the display will be generated in the pbx (depending on own phone)</source>
        <translation>Die Alarmmeldung im Display wird in der TK-Anlage erzeugt (abhängig vom eigenen Telefon)</translation>
    </message>
</context>
<context>
    <name>ListContents</name>
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
        <source>Login of persons only</source>
        <translation>Nur Anmelden von Personen</translation>
    </message>
    <message>
        <source>Logout of persons only</source>
        <translation>Nur Abmelden von Personen</translation>
    </message>
    <message>
        <source>Do not launch an alarm</source>
        <translation>Keinen Alarm auslösen</translation>
    </message>
    <message>
        <source>Not generated or empty</source>
        <translation>Nicht angelegt oder leer</translation>
    </message>
</context>
<context>
    <name>MailboxLayout</name>
    <message>
        <source>Parallel</source>
        <translation>Parallel</translation>
    </message>
    <message>
        <source>Sequent</source>
        <translation>Sequenziell</translation>
    </message>
    <message>
        <source>Copy into MBX</source>
        <translation>Kopie in MBX</translation>
    </message>
    <message>
        <source>Conference/Parallel</source>
        <translation>Konferenz/Parallel</translation>
    </message>
    <message>
        <source>2-party conference with the first</source>
        <translation>Zweierkonferenz mit dem Ersten</translation>
    </message>
    <message>
        <source>Skill alarm</source>
        <translation>Skill-Alarm</translation>
    </message>
    <message>
        <source>Not specified</source>
        <translation>Nicht angegeben</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Firealarm</source>
        <translation>Feueralarm</translation>
    </message>
    <message>
        <source>Housemanagement</source>
        <translation>Haustechnik</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Technical alarm</source>
        <translation>Technischer Alarm</translation>
    </message>
    <message>
        <source>Firstaid / nurse call</source>
        <translation>Erste Hilfe / Schwesternruf</translation>
    </message>
    <message>
        <source>Day / Night contact</source>
        <translation>Tag- / Nachtkontakt</translation>
    </message>
    <message>
        <source>WatchDog alarm</source>
        <translation>Watchdog-Alarm</translation>
    </message>
    <message>
        <source>Man-down function</source>
        <translation>Totmannfunktion</translation>
    </message>
    <message>
        <source>Server / Network watch (ping)</source>
        <translation>Server- / Netzwerküberwachung (Ping)</translation>
    </message>
    <message>
        <source>Service / Process watch</source>
        <translation>Dienst- / Prozessüberwachung</translation>
    </message>
    <message>
        <source>Broadcast / Launch an alarm</source>
        <translation>Rundruf / Alarm auslösen</translation>
    </message>
    <message>
        <source>Launch a conference</source>
        <translation>Konferenz starten</translation>
    </message>
    <message>
        <source>Record an alarm message</source>
        <translation>Alarmmeldung aufnehmen</translation>
    </message>
    <message>
        <source>Login and logout of persons</source>
        <translation>An- und Abmelden von Personen</translation>
    </message>
    <message>
        <source>Confirmation call back</source>
        <translation>Quittierungsrückruf</translation>
    </message>
    <message>
        <source>Confirmation call back for pager</source>
        <translation>Quittierungsrückruf für Pager</translation>
    </message>
    <message>
        <source>Line supervision call back</source>
        <translation>Rückruf der Leitungsüberwachung</translation>
    </message>
    <message>
        <source>Record a fax message</source>
        <translation>Faxnachricht aufnehmen</translation>
    </message>
    <message>
        <source>Play active alarms</source>
        <translation>Aktive Alarme abspielen</translation>
    </message>
    <message>
        <source>Play the alarm message of an alarm</source>
        <translation>Alarmmeldung eines Alarms abspielen</translation>
    </message>
    <message>
        <source>Play the last alarm message of the caller</source>
        <translation>Letzte Alarmmeldung des Anrufers abspielen</translation>
    </message>
    <message>
        <source>Play recorded conferences</source>
        <translation>Aufgezeichnete Konferenzen abspielen</translation>
    </message>
    <message>
        <source>Special functions</source>
        <translation>Sonderfunktionen</translation>
    </message>
    <message>
        <source>Activate and deactivate man-down supervision</source>
        <translation>Totmann-Überwachung aktivieren und deaktivieren</translation>
    </message>
    <message>
        <source>Fax broadcast / Alarm launch</source>
        <translation>Faxrundsendung / Alarmauslösung</translation>
    </message>
    <message>
        <source>Room surveillance (baby call)</source>
        <translation>Raumüberwachung (Babyruf)</translation>
    </message>
    <message>
        <source>Start evacuation alarm</source>
        <translation>Evakuierungsalarm starten</translation>
    </message>
    <message>
        <source>Add to conference pool</source>
        <translation>Zum Konferenzpool hinzufügen</translation>
    </message>
    <message>
        <source>DECT Alarm call</source>
        <translation>DECT-Alarmruf</translation>
    </message>
    <message>
        <source>IVR application</source>
        <translation>IVR-Anwendung</translation>
    </message>
    <message>
        <source>Call transfer</source>
        <translation>Rufweiterleitung</translation>
    </message>
    <message>
        <source>DDI callback</source>
        <translation>DDI-Rückruf</translation>
    </message>
    <message>
        <source>No type of alarm defined</source>
        <translation>Kein Alarmtyp festgelegt</translation>
    </message>
</context>
<context>
    <name>Messages</name>
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
        <source>Do you want to launch the alarm &apos;%1&apos; ?</source>
        <translation>Wollen Sie den Alarm &apos;%1&apos; auslösen ?</translation>
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
        <source>To set a message for incoming calls, the lines need to be started with rings=-1. You can do this with the command &quot;kxtini 1 30 rings -1&quot; from a command prompt in the KXT directory. If you are using more then 30 lines, you need to change 30 through the number of lines you are using.
Please make sure to restart the lines, after changing the rings parameter.</source>
        <translation>Um eine Ansage für eingehende Anrufe festzulegen, müssen die Leitungen mit rings=-1 gestartet werden. Das geht mit dem Befehl &quot;kxtini 1 30 rings -1&quot; in einer Eingabeaufforderung im KXT-Verzeichnis. Wenn Sie mehr als 30 Leitungen verwenden, ersetzen Sie 30 durch die Zahl Ihrer Leitungen.
Bitte starten Sie die Leitungen neu, nachdem Sie den Parameter rings geändert haben.</translation>
    </message>
    <message>
        <source>The master / slave controller is not active !
Do you want to add it to the Quillon Service ?
The Quillon Service needs to be restarted to activate the program.</source>
        <translation>Die Master/Slave-Steuerung ist nicht aktiv!
Soll sie dem Quillon-Dienst hinzugefügt werden?
Der Quillon-Dienst muss neu gestartet werden, um das Programm zu aktivieren.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Leitung</translation>
    </message>
    <message>
        <source>Maximum lines which can be checked is 10 !
Please make sure, that not more then 10 lines are selected.</source>
        <translation>Es können höchstens 10 Leitungen überwacht werden!
Bitte wählen Sie nicht mehr als 10 Leitungen aus.</translation>
    </message>
    <message>
        <source>The KXE module kxaemailin is not started automatically !
Do you want to add it to the Quillon Service ?
The Quillon Service needs to be restarted to activate the module.</source>
        <translation>Das KXE-Modul kxaemailin wird nicht automatisch gestartet!
Soll es dem Quillon-Dienst hinzugefügt werden?
Der Quillon-Dienst muss neu gestartet werden, um das Modul zu aktivieren.</translation>
    </message>
    <message>
        <source>The program Kxtts.exe is not installed !
Please contact Quillon for further information.</source>
        <translation>Das Programm Kxtts.exe ist nicht installiert!
Bitte wenden Sie sich für weitere Informationen an Quillon.</translation>
    </message>
    <message>
        <source>No TTS application found on this system !
For dynamic voice messages there has to be a TTS application, like SVOX or Loquendo installed.
Please contact Quillon for further information.</source>
        <translation>Auf diesem System wurde keine TTS-Anwendung gefunden!
Für dynamische Sprachansagen muss eine TTS-Anwendung wie SVOX oder Loquendo installiert sein.
Bitte wenden Sie sich für weitere Informationen an Quillon.</translation>
    </message>
    <message>
        <source>AlarmCenter on %1</source>
        <translation>AlarmCenter auf %1</translation>
    </message>
    <message>
        <source>The KXE program kxawdcall.kxe does not exist !
Please make sure, that this program is existent in the kxt directory.</source>
        <translation>Das KXE-Programm kxawdcall.kxe ist nicht vorhanden!
Bitte stellen Sie sicher, dass es im KXT-Verzeichnis liegt.</translation>
    </message>
    <message>
        <source>The kxe module kxawdcall.kxe, which is needed for this function, does not exist!</source>
        <translation>Das für diese Funktion nötige KXE-Modul kxawdcall.kxe ist nicht vorhanden!</translation>
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
        <source>Add server watch process to autostart? This process needs to be running for this function.
Please start the kxaping process in the autostart settings of the monitor or restart the Quillon tool service.</source>
        <translation>Serverüberwachung zum Autostart hinzufügen? Dieser Prozess muss für diese Funktion laufen.
Bitte starten Sie den Prozess kxaping in den Autostart-Einstellungen des Monitors oder starten Sie den Quillon-Tool-Dienst neu.</translation>
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
        <source>Add service/process watcher to autostart? This program needs to be running for this function.
Please start the kxaservw process in the autostart settings of the monitor or restart the Quillon tool service.</source>
        <translation>Dienst-/Prozessüberwachung zum Autostart hinzufügen? Dieses Programm muss für diese Funktion laufen.
Bitte starten Sie den Prozess kxaservw in den Autostart-Einstellungen des Monitors oder starten Sie den Quillon-Tool-Dienst neu.</translation>
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
        <source>Save settings for process watch on %1 ?
The alarmcomment of this alarm will be overwritten.</source>
        <translation>Einstellungen der Prozessüberwachung auf %1 speichern?
Der Alarmkommentar dieses Alarms wird überschrieben.</translation>
    </message>
    <message>
        <source>Save settings for service watch on %1 ?
The alarmcomment of this alarm will be overwritten.</source>
        <translation>Einstellungen der Dienstüberwachung auf %1 speichern?
Der Alarmkommentar dieses Alarms wird überschrieben.</translation>
    </message>
    <message>
        <source>local system</source>
        <translation>lokales System</translation>
    </message>
    <message>
        <source>Save settings for server watch on ip-address: %1 ?
The alarmcomment of this alarm will be overwritten.</source>
        <translation>Einstellungen der Serverüberwachung für IP-Adresse %1 speichern?
Der Alarmkommentar dieses Alarms wird überschrieben.</translation>
    </message>
    <message>
        <source>Settings for the watchdog alarm %d</source>
        <translation>Einstellungen des Watchdog-Alarms %d</translation>
    </message>
    <message>
        <source>Please enter a valid watchdog interval in minutes!</source>
        <translation>Bitte geben Sie ein gültiges Watchdog-Intervall in Minuten ein!</translation>
    </message>
</context>
<context>
    <name>SettingsBinder</name>
    <message>
        <source>The text for &quot;%1&quot; holds characters that cannot be stored.</source>
        <translation>Der Text für &quot;%1&quot; enthält Zeichen, die nicht gespeichert werden können.</translation>
    </message>
</context>
<context>
    <name>SettingsModel</name>
    <message>
        <source>Do not launch an alarm</source>
        <translation>Keinen Alarm auslösen</translation>
    </message>
    <message>
        <source>Please enter a whole number for &quot;%1&quot;.</source>
        <translation>Bitte geben Sie für &quot;%1&quot; eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>The text for &quot;%1&quot; may have at most %2 characters.</source>
        <translation>Der Text für &quot;%1&quot; darf höchstens %2 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>The number for &quot;%1&quot; may have at most %2 digits.</source>
        <translation>Die Zahl für &quot;%1&quot; darf höchstens %2 Stellen haben.</translation>
    </message>
    <message>
        <source>The text for &quot;%1&quot; must stay on one line.</source>
        <translation>Der Text für &quot;%1&quot; muss in einer Zeile bleiben.</translation>
    </message>
    <message>
        <source>The settings could not be written to %1 !
%2</source>
        <translation>Die Einstellungen konnten nicht in %1 geschrieben werden !
%2</translation>
    </message>
    <message>
        <source>Key %1 was changed by another program after it was loaded. Nothing was saved; please open it again.</source>
        <translation>Die Nummer %1 wurde nach dem Laden von einem anderen Programm geändert. Es wurde nichts gespeichert; bitte öffnen Sie sie erneut.</translation>
    </message>
    <message>
        <source>The settings of key %1 could not be written to the mailbox table !
%2</source>
        <translation>Die Einstellungen der Nummer %1 konnten nicht in die Mailbox-Tabelle geschrieben werden !
%2</translation>
    </message>
    <message>
        <source>&quot;%2&quot; is not a choice of &quot;%1&quot;.</source>
        <translation>&quot;%2&quot; ist keine Auswahl von &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 [No definition]</source>
        <translation>%1 [Keine Definition]</translation>
    </message>
</context>
</TS>
