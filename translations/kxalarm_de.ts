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
    <message>
        <source>Kxalarm, Version %1</source>
        <translation>Kxalarm, Version %1</translation>
    </message>
</context>
<context>
    <name>AddKeysDialog</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
</context>
<context>
    <name>AlarmExport</name>
    <message>
        <source>Please specify a file to export the configuration to !</source>
        <translation>Bitte geben Sie eine Datei an, in die die Konfiguration exportiert werden soll !</translation>
    </message>
    <message>
        <source>The file %1 can not be opend to export configuration to !</source>
        <translation>Die Datei %1 kann zum Exportieren der Konfiguration nicht geöffnet werden !</translation>
    </message>
    <message>
        <source>The configuration could not be exported to %1: %2
An existing file keeps its old content.</source>
        <translation>Die Konfiguration konnte nicht nach %1 exportiert werden: %2
Eine vorhandene Datei behält ihren bisherigen Inhalt.</translation>
    </message>
</context>
<context>
    <name>AlarmImport</name>
    <message>
        <source>Error while adding the alarms !
The database could not be opened.</source>
        <translation>Fehler beim Hinzufügen der Alarme !
Die Datenbank konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Maximum string length exceeded in field &apos;%1&apos; for alarmkey %2!</source>
        <translation>Maximale Textlänge im Feld &apos;%1&apos; für Alarmnummer %2 überschritten!</translation>
    </message>
    <message>
        <source>The value is not valid in the field &apos;%1&apos; for alarmkey %2!
The value is not written to the database.</source>
        <translation>Der Wert im Feld &apos;%1&apos; für Alarmnummer %2 ist ungültig!
Der Wert wird nicht in die Datenbank geschrieben.</translation>
    </message>
    <message>
        <source>the line has a value in column %1, but the header has only %2 columns.</source>
        <translation>die Zeile hat einen Wert in Spalte %1, die Kopfzeile hat aber nur %2 Spalten.</translation>
    </message>
    <message>
        <source>the alarm key &apos;%1&apos; is no whole decimal number.</source>
        <translation>die Alarmnummer &apos;%1&apos; ist keine ganze Dezimalzahl.</translation>
    </message>
    <message>
        <source>the alarm key %1 lies outside the alarm keys %2.</source>
        <translation>die Alarmnummer %1 liegt außerhalb der Alarmnummern %2.</translation>
    </message>
    <message>
        <source>the alarm key %1 has no record in the alarm database.</source>
        <translation>die Alarmnummer %1 hat keinen Datensatz in der Alarmdatenbank.</translation>
    </message>
    <message>
        <source>the key %1 is an alarm-in.</source>
        <translation>die Nummer %1 ist ein Alarmeingang.</translation>
    </message>
    <message>
        <source>the value &apos;%1&apos; in the field &apos;%2&apos; is no whole number.</source>
        <translation>der Wert &apos;%1&apos; im Feld &apos;%2&apos; ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>the value in the field &apos;%1&apos; holds a line break.</source>
        <translation>der Wert im Feld &apos;%1&apos; enthält einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>The values of %1 could not be written: %2
No alarm record was written.</source>
        <translation>Die Werte von %1 konnten nicht geschrieben werden: %2
Es wurde kein Alarmdatensatz geschrieben.</translation>
    </message>
    <message>
        <source>the record of alarm key %1 could not be written: %2</source>
        <translation>der Datensatz der Alarmnummer %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the key has become an alarm-in meanwhile.</source>
        <translation>die Nummer ist inzwischen ein Alarmeingang geworden.</translation>
    </message>
    <message>
        <source>The import stopped here; %1 lines were written before.</source>
        <translation>Der Import wurde hier abgebrochen; %1 Zeilen waren bereits geschrieben.</translation>
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
    <name>AlarmMessageSettings</name>
    <message>
        <source>Maximum length of message when ringing:</source>
        <translation>Maximale Länge der Meldung beim Klingeln:</translation>
    </message>
    <message>
        <source>Maximum length of message after answering:</source>
        <translation>Maximale Länge der Meldung nach dem Abheben:</translation>
    </message>
    <message>
        <source>Maximum length of info message:</source>
        <translation>Maximale Länge der Infomeldung:</translation>
    </message>
    <message>
        <source>Maximum length of mini-message / UUI:</source>
        <translation>Maximale Länge der Kurznachricht / UUI:</translation>
    </message>
    <message>
        <source>Maximum length of SMS message:</source>
        <translation>Maximale Länge der SMS-Meldung:</translation>
    </message>
    <message>
        <source>Maximum length of pager message:</source>
        <translation>Maximale Länge der Pager-Meldung:</translation>
    </message>
    <message>
        <source>Add text to SMS message</source>
        <translation>Text zur SMS-Meldung hinzufügen</translation>
    </message>
    <message>
        <source>Add text to pager message</source>
        <translation>Text zur Pager-Meldung hinzufügen</translation>
    </message>
    <message>
        <source>Text to add at beginning of message:</source>
        <translation>Text am Anfang der Meldung:</translation>
    </message>
    <message>
        <source>Text to add at end of message:</source>
        <translation>Text am Ende der Meldung:</translation>
    </message>
    <message>
        <source>Deposit mini-message after internal parallel call on ISDN code.</source>
        <translation>Kurznachricht nach internem Parallelruf bei ISDN-Code hinterlegen.</translation>
    </message>
    <message>
        <source>Deposit mini-message on busy (ISDN code: 0x91)</source>
        <translation>Kurznachricht bei besetzt hinterlegen (ISDN-Code: 0x91)</translation>
    </message>
    <message>
        <source>Deposit mini-message on ISDN code:</source>
        <translation>Kurznachricht bei ISDN-Code hinterlegen:</translation>
    </message>
    <message>
        <source>Alarm-message settings</source>
        <translation>Einstellungen der Alarmmeldungen</translation>
    </message>
</context>
<context>
    <name>AlarmMessageSettingsDialog</name>
    <message>
        <source>Maximum lengths</source>
        <translation>Maximale Längen</translation>
    </message>
    <message>
        <source>Mini-messages</source>
        <translation>Kurznachrichten</translation>
    </message>
    <message>
        <source>Texts for SMS and pager messages</source>
        <translation>Texte für SMS- und Pager-Meldungen</translation>
    </message>
</context>
<context>
    <name>AlarmResultSettings</name>
    <message>
        <source>Send the alarm result after </source>
        <translation>Alarmergebnis senden nach </translation>
    </message>
    <message>
        <source>Send the alarm result as fax onto the number:</source>
        <translation>Alarmergebnis als Fax senden an die Nummer:</translation>
    </message>
    <message>
        <source>Send the alarm result as E-mail to:</source>
        <translation>Alarmergebnis als E-Mail senden an:</translation>
    </message>
    <message>
        <source>Launch the alarm viewer automatically after each alarm</source>
        <translation>Alarmanzeige nach jedem Alarm automatisch starten</translation>
    </message>
    <message>
        <source>Settings of the alarm analysis</source>
        <translation>Einstellungen der Alarmauswertung</translation>
    </message>
</context>
<context>
    <name>AlarmResultSettingsDialog</name>
    <message>
        <source>Settings of the analysis of alarms</source>
        <translation>Einstellungen der Auswertung von Alarmen</translation>
    </message>
    <message>
        <source>minutes onto the standard printer</source>
        <translation>Minuten auf dem Standarddrucker</translation>
    </message>
</context>
<context>
    <name>AlarmingModeSettings</name>
    <message>
        <source>Play the alarm message </source>
        <translation>Alarmmeldung abspielen </translation>
    </message>
    <message>
        <source>Activate call back for SMS and pager on number:</source>
        <translation>Rückruf für SMS und Pager aktivieren auf Nummer:</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>The autostart list %1 could not be written !
%2</source>
        <translation>Die Autostart-Liste %1 konnte nicht geschrieben werden !
%2</translation>
    </message>
    <message>
        <source>%1 was not added to the autostart list: the entries Startup_1 to Startup_%2 of kxtserv.ini are all in use.</source>
        <translation>%1 wurde nicht in die Autostart-Liste aufgenommen: die Einträge Startup_1 bis Startup_%2 der kxtserv.ini sind alle belegt.</translation>
    </message>
</context>
<context>
    <name>BroadcastMessageSettings</name>
    <message>
        <source>Message file of the alarm:</source>
        <translation>Meldungsdatei des Alarms:</translation>
    </message>
    <message>
        <source>(no alarm chosen)</source>
        <translation>(kein Alarm gewählt)</translation>
    </message>
    <message>
        <source>Maximal duration of a recording in seconds:</source>
        <translation>Maximale Aufnahmedauer in Sekunden:</translation>
    </message>
    <message>
        <source>Minimal length of a recorded alarm message to launch the alarm</source>
        <translation>Mindestlänge einer aufgenommenen Alarmmeldung, um den Alarm auszulösen</translation>
    </message>
    <message>
        <source>Minimal size in bytes (10000 bytes are one second):</source>
        <translation>Mindestgröße in Bytes (10000 Bytes sind eine Sekunde):</translation>
    </message>
    <message>
        <source>Record the message as an alarm message of the defined alarm number</source>
        <translation>Die Meldung als Alarmmeldung der festgelegten Alarmnummer aufnehmen</translation>
    </message>
    <message>
        <source>Record the alarm message before launching the alarm</source>
        <translation>Die Alarmmeldung vor dem Auslösen des Alarms aufnehmen</translation>
    </message>
    <message>
        <source>Menu to confirm, play and record the alarm message</source>
        <translation>Menü zum Bestätigen, Abspielen und Aufnehmen der Alarmmeldung</translation>
    </message>
    <message>
        <source>Settings of the alarm messages of the &apos;broadcast&apos;</source>
        <translation>Einstellungen der Alarmmeldungen des &apos;Broadcast&apos;</translation>
    </message>
</context>
<context>
    <name>BroadcastPage</name>
    <message>
        <source>Launch alarm:</source>
        <translation>Alarm auslösen:</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Record alarm message on each alarm launch</source>
        <translation>Bei jeder Alarmauslösung eine Alarmmeldung aufnehmen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Enter a 4 digit password before launching the alarm</source>
        <translation>Vor dem Auslösen des Alarms ein 4-stelliges Passwort eingeben</translation>
    </message>
    <message>
        <source>Password to launch the alarm:</source>
        <translation>Passwort zum Auslösen des Alarms:</translation>
    </message>
    <message>
        <source>Play the menu &quot;launch alarm&quot; (3 = launch, 4 = do not launch, 2 = play the alarm message)</source>
        <translation>Das Menü &quot;Alarm auslösen&quot; abspielen (3 = auslösen, 4 = nicht auslösen, 2 = Alarmmeldung abspielen)</translation>
    </message>
    <message>
        <source>Use the alarm-in key defined by the number of the caller (CLI) if it exists</source>
        <translation>Den durch die Nummer des Anrufers (CLI) bestimmten Alarmeingang verwenden, falls er existiert</translation>
    </message>
    <message>
        <source>Only use the last %1 digits of the caller number (CLI)</source>
        <translation>Nur die letzten %1 Ziffern der Anrufernummer (CLI) verwenden</translation>
    </message>
    <message>
        <source>Add offset %1 to caller number (CLI)</source>
        <translation>Versatz %1 zur Anrufernummer (CLI) addieren</translation>
    </message>
    <message>
        <source>Use whitelist for phonenumbers which can start this alarm</source>
        <translation>Whitelist für die Rufnummern verwenden, die diesen Alarm starten dürfen</translation>
    </message>
    <message>
        <source>Edit whitelist</source>
        <translation>Whitelist bearbeiten</translation>
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
    <message>
        <source>Print pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
</context>
<context>
    <name>CallActionsPage</name>
    <message>
        <source>Play the file:</source>
        <translation>Datei abspielen:</translation>
    </message>
    <message>
        <source>Record a file</source>
        <translation>Eine Datei aufnehmen</translation>
    </message>
    <message>
        <source>Start KXE program:</source>
        <translation>KXE-Programm starten:</translation>
    </message>
    <message>
        <source>End the call immediately and call back the caller</source>
        <translation>Anruf sofort beenden und den Anrufer zurückrufen</translation>
    </message>
    <message>
        <source>Start conference for two persons with recording of the conference</source>
        <translation>Konferenz für zwei Personen mit Aufzeichnung der Konferenz starten</translation>
    </message>
    <message>
        <source>Record the file</source>
        <translation>Die Datei aufnehmen</translation>
    </message>
    <message>
        <source>Record this file as a voice recording of a conference</source>
        <translation>Diese Datei als Sprachaufzeichnung einer Konferenz aufnehmen</translation>
    </message>
    <message>
        <source>Maximal number of dial attempts </source>
        <translation>Maximale Anzahl der Wählversuche </translation>
    </message>
    <message>
        <source>Program to start after the call back:</source>
        <translation>Nach dem Rückruf zu startendes Programm:</translation>
    </message>
    <message>
        <source>Phone number of the second person:</source>
        <translation>Rufnummer der zweiten Person:</translation>
    </message>
</context>
<context>
    <name>CallHandlingSettings</name>
    <message>
        <source>Repost dial-job if a ISDN error occured (ISDN link down).</source>
        <translation>Wählauftrag erneut einstellen, wenn ein ISDN-Fehler aufgetreten ist (ISDN-Verbindung ausgefallen).</translation>
    </message>
    <message>
        <source>Maximum repetition per call if an error occured</source>
        <translation>Maximale Wiederholungen pro Ruf nach einem Fehler</translation>
    </message>
    <message>
        <source>Repost job if an error occured in </source>
        <translation>Auftrag nach einem Fehler erneut einstellen in </translation>
    </message>
    <message>
        <source>Repost job if an error occured on line 1 to 30 in</source>
        <translation>Auftrag nach einem Fehler auf Leitung 1 bis 30 erneut einstellen in</translation>
    </message>
    <message>
        <source>Repost job if an error occured on line 31 to 60 in</source>
        <translation>Auftrag nach einem Fehler auf Leitung 31 bis 60 erneut einstellen in</translation>
    </message>
    <message>
        <source>Repost job if an error occured on line 61 to 90 in</source>
        <translation>Auftrag nach einem Fehler auf Leitung 61 bis 90 erneut einstellen in</translation>
    </message>
    <message>
        <source>Repost dial-job if dialed number was busy. With a ISDN link, busy is not always signaled. In that case use the call handling function which checks the time used for dialing.</source>
        <translation>Wählauftrag erneut einstellen, wenn die gewählte Nummer besetzt war. Bei einer ISDN-Verbindung wird Besetzt nicht immer gemeldet. Verwenden Sie in diesem Fall die Rufbehandlung, die die Wähldauer prüft.</translation>
    </message>
    <message>
        <source>Maximum repetition per call if dialed number was busy</source>
        <translation>Maximale Wiederholungen pro Ruf bei besetzter Nummer</translation>
    </message>
    <message>
        <source>Repost job in a different queue.  Repost in</source>
        <translation>Auftrag in eine andere Warteschlange einstellen.  Einstellen in</translation>
    </message>
    <message>
        <source>Repost dial-job if the used time for dialing was shorter then the specified minimum time needed to dial a number which does not answer.</source>
        <translation>Wählauftrag erneut einstellen, wenn die Wähldauer kürzer war als die angegebene Mindestzeit für das Wählen einer Nummer, die sich nicht meldet.</translation>
    </message>
    <message>
        <source>Maximum repetition per call if time was too long</source>
        <translation>Maximale Wiederholungen pro Ruf, wenn die Zeit zu lang war</translation>
    </message>
    <message>
        <source>Minimum time for dialing a number in seconds</source>
        <translation>Mindestzeit für das Wählen einer Nummer in Sekunden</translation>
    </message>
    <message>
        <source>Call handling settings</source>
        <translation>Einstellungen der Rufbehandlung</translation>
    </message>
</context>
<context>
    <name>CallHandlingSettingsDialog</name>
    <message>
        <source>ISDN error</source>
        <translation>ISDN-Fehler</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Besetzt</translation>
    </message>
    <message>
        <source>Time for dialing</source>
        <translation>Wähldauer</translation>
    </message>
</context>
<context>
    <name>CallTransferPage</name>
    <message>
        <source>Transfer caller to number:</source>
        <translation>Anrufer weiterleiten an Nummer:</translation>
    </message>
    <message>
        <source>Transfer call on answer (default for Q.Sig )</source>
        <translation>Anruf bei Annahme weiterleiten (Standard bei Q.Sig )</translation>
    </message>
    <message>
        <source>Transfer call blind ( not waiting for call-status) after </source>
        <translation>Anruf blind weiterleiten ( ohne auf den Rufstatus zu warten) nach </translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Number of rings before no answer:</source>
        <translation>Anzahl Ruftöne bis „keine Antwort“:</translation>
    </message>
    <message>
        <source>Play message on no answer of alarm / alarm-in:</source>
        <translation>Bei keiner Antwort Meldung von Alarm / Alarmeingang abspielen:</translation>
    </message>
    <message>
        <source>Do not play a message</source>
        <translation>Keine Meldung abspielen</translation>
    </message>
    <message>
        <source>Number of retries if called number did not answer:</source>
        <translation>Anzahl Wiederholungen, wenn die gerufene Nummer nicht antwortet:</translation>
    </message>
    <message>
        <source>Start outdial on other line and release calls after connection</source>
        <translation>Wahl auf anderer Leitung starten und Anrufe nach dem Verbinden freigeben</translation>
    </message>
    <message>
        <source>Start new alarm-in if the maximum retires reached:</source>
        <translation>Neuen Alarmeingang starten, wenn die maximale Anzahl Wiederholungen erreicht ist:</translation>
    </message>
    <message>
        <source>Do not start an alarm-in</source>
        <translation>Keinen Alarmeingang starten</translation>
    </message>
    <message>
        <source>The number of retries %1 should be between 0 and 99 !</source>
        <translation>Die Anzahl Wiederholungen %1 sollte zwischen 0 und 99 liegen !</translation>
    </message>
    <message>
        <source>The seconds before the blind transfer %1 should be between 0 and 9999 !</source>
        <translation>Die Sekunden vor der blinden Weiterleitung %1 sollten zwischen 0 und 9999 liegen !</translation>
    </message>
</context>
<context>
    <name>ConferenceExtendedDialog</name>
    <message>
        <source>Extended settings for starting conferences</source>
        <translation>Erweiterte Einstellungen zum Starten von Konferenzen</translation>
    </message>
</context>
<context>
    <name>ConferencePage</name>
    <message>
        <source>Start alarm for the conference:</source>
        <translation>Alarm für die Konferenz starten:</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>The selected alarm is of type: parallel conferences</source>
        <translation>Der gewählte Alarm ist vom Typ: parallele Konferenzen</translation>
    </message>
    <message>
        <source>The selected alarm is of type:  2 party conference with the first who answers</source>
        <translation>Der gewählte Alarm ist vom Typ:  2-Parteien-Konferenz mit dem ersten, der sich meldet</translation>
    </message>
    <message>
        <source>Warning: The selected alarm is not of type conference !</source>
        <translation>Warnung: Der gewählte Alarm ist nicht vom Typ Konferenz !</translation>
    </message>
    <message>
        <source>Simulate ringing signal (ring tone), as long as nobody else is in the conference.</source>
        <translation>Rufton simulieren, solange niemand sonst in der Konferenz ist.</translation>
    </message>
    <message>
        <source>Play on-hold-message while nobody else is in the conference</source>
        <translation>Wartemeldung abspielen, solange niemand sonst in der Konferenz ist</translation>
    </message>
    <message>
        <source>Lead caller directly into the conference</source>
        <translation>Anrufer direkt in die Konferenz führen</translation>
    </message>
    <message>
        <source>Simulate ringing signal (ring tone) instead of a message, while waiting for the conference</source>
        <translation>Rufton statt einer Meldung simulieren, während auf die Konferenz gewartet wird</translation>
    </message>
    <message>
        <source>Play menu to start conference only if key 3 is pressed</source>
        <translation>Menü abspielen und die Konferenz nur starten, wenn Taste 3 gedrückt wird</translation>
    </message>
    <message>
        <source>When launching an alarm for conference, record a specific message, which will be heard before entering into the conference</source>
        <translation>Beim Auslösen eines Alarms für die Konferenz eine eigene Meldung aufnehmen, die vor dem Eintritt in die Konferenz zu hören ist</translation>
    </message>
    <message>
        <source>Password needs to be entered to start the conference</source>
        <translation>Zum Starten der Konferenz muss ein Passwort eingegeben werden</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>On timeout waiting for conference, start alarm-in</source>
        <translation>Bei Zeitüberschreitung beim Warten auf die Konferenz Alarmeingang starten</translation>
    </message>
    <message>
        <source>Maximum time to wait for conference partners to be found: %1 seconds</source>
        <translation>Maximale Wartezeit, bis Konferenzteilnehmer gefunden sind: %1 Sekunden</translation>
    </message>
    <message>
        <source>Extended settings</source>
        <translation>Erweiterte Einstellungen</translation>
    </message>
    <message>
        <source>Deactivate DTMF tones to stop playing the message if a key is pressed</source>
        <translation>DTMF-Töne abschalten, die das Abspielen der Meldung bei Tastendruck beenden</translation>
    </message>
    <message>
        <source>Play  message asynchronous and start conference after %1 seconds</source>
        <translation>Meldung  asynchron abspielen und die Konferenz nach %1 Sekunden starten</translation>
    </message>
    <message>
        <source>Use whitelist for phonenumbers which can start this alarm</source>
        <translation>Whitelist für die Rufnummern verwenden, die diesen Alarm starten dürfen</translation>
    </message>
    <message>
        <source>Edit whitelist</source>
        <translation>Whitelist bearbeiten</translation>
    </message>
    <message>
        <source>Change alarmtype ?</source>
        <translation>Alarmtyp ändern ?</translation>
    </message>
    <message>
        <source>The type of the alarm %1 is not conference !</source>
        <translation>Der Typ des Alarms %1 ist nicht Konferenz !</translation>
    </message>
    <message>
        <source>Change alarm-type to conference / parallel</source>
        <translation>Alarmtyp in Konferenz / parallel ändern</translation>
    </message>
    <message>
        <source>Change alarm-type to conference with first</source>
        <translation>Alarmtyp in Konferenz mit dem ersten ändern</translation>
    </message>
</context>
<context>
    <name>ConferencePins</name>
    <message>
        <source>%1 is not a conference number of the conference pool (%2).</source>
        <translation>%1 ist keine Konferenznummer des Konferenz-Pools (%2).</translation>
    </message>
    <message>
        <source>The pin code &quot;%1&quot; must be a number from 0 to 9999.</source>
        <translation>Der PIN-Code &quot;%1&quot; muss eine Zahl von 0 bis 9999 sein.</translation>
    </message>
    <message>
        <source>The pin code %1 is already used by conference number %2.</source>
        <translation>Der PIN-Code %1 wird bereits von der Konferenznummer %2 verwendet.</translation>
    </message>
    <message>
        <source>The pin code could not be written to %1 !
%2</source>
        <translation>Der PIN-Code konnte nicht in %1 geschrieben werden !
%2</translation>
    </message>
    <message>
        <source>Edit conference pin codes</source>
        <translation>Konferenz-PIN-Codes bearbeiten</translation>
    </message>
</context>
<context>
    <name>ConferencePinsDialog</name>
    <message>
        <source>Conference number</source>
        <translation>Konferenznummer</translation>
    </message>
    <message>
        <source>Pin code</source>
        <translation>PIN-Code</translation>
    </message>
    <message>
        <source>Set pin</source>
        <translation>PIN setzen</translation>
    </message>
</context>
<context>
    <name>ConferencePoolPage</name>
    <message>
        <source>Password to join conference pool:</source>
        <translation>Passwort für die Teilnahme am Konferenz-Pool:</translation>
    </message>
    <message>
        <source>Get conference number from inifile specified by the entered 4 digit pin code </source>
        <translation>Konferenznummer anhand des eingegebenen 4-stelligen PIN-Codes aus der INI-Datei ermitteln </translation>
    </message>
    <message>
        <source>The conference number is defined fix to the alarm-in number</source>
        <translation>Die Konferenznummer ist fest an die Alarmeingangsnummer gebunden</translation>
    </message>
    <message>
        <source>Add caller to conference pool number:</source>
        <translation>Anrufer zur Konferenz-Pool-Nummer hinzufügen:</translation>
    </message>
    <message>
        <source>First conference number:</source>
        <translation>Erste Konferenznummer:</translation>
    </message>
    <message>
        <source>Last conference number:</source>
        <translation>Letzte Konferenznummer:</translation>
    </message>
    <message>
        <source>Edit pin codes</source>
        <translation>PIN-Codes bearbeiten</translation>
    </message>
    <message>
        <source>The conference number %1 should be between 1 and 9999 !</source>
        <translation>Die Konferenznummer %1 sollte zwischen 1 und 9999 liegen !</translation>
    </message>
    <message>
        <source>The first conference number %1 is above the last conference number %2 !</source>
        <translation>Die erste Konferenznummer %1 ist größer als die letzte Konferenznummer %2 !</translation>
    </message>
    <message>
        <source>The password to join the conference pool must be a number without a leading zero.</source>
        <translation>Das Passwort für den Konferenz-Pool muss eine Zahl ohne führende Null sein.</translation>
    </message>
</context>
<context>
    <name>ConferenceSettings</name>
    <message>
        <source>Max. wait duration until a conference partner has been found:</source>
        <translation>Max. Wartezeit, bis ein Konferenzpartner gefunden ist:</translation>
    </message>
    <message>
        <source>Repeat this message while waiting for a conference every </source>
        <translation>Diese Meldung beim Warten auf eine Konferenz wiederholen alle </translation>
    </message>
    <message>
        <source>Maximum duration of conference:</source>
        <translation>Maximale Dauer der Konferenz:</translation>
    </message>
    <message>
        <source>Record conferences asynchronous (if recording is selected)</source>
        <translation>Konferenzen asynchron aufzeichnen (wenn Aufzeichnung gewählt ist)</translation>
    </message>
    <message>
        <source>Conference settings</source>
        <translation>Konferenzeinstellungen</translation>
    </message>
</context>
<context>
    <name>ConferenceSettingsDialog</name>
    <message>
        <source>Settings for conferences</source>
        <translation>Einstellungen für Konferenzen</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
</context>
<context>
    <name>ConfirmationCallbackPage</name>
    <message>
        <source>Confirm the alarm by pressing the key &quot;3&quot; .</source>
        <translation>Den Alarm durch Drücken der Taste &quot;3&quot; quittieren .</translation>
    </message>
    <message>
        <source>Repeat the alarm message</source>
        <translation>Die Alarmmeldung wiederholen</translation>
    </message>
    <message>
        <source>Play all active alarms, if no call-back-code has been entered or a wrong code has been entered</source>
        <translation>Alle aktiven Alarme abspielen, wenn kein Rückrufcode oder ein falscher Code eingegeben wurde</translation>
    </message>
    <message>
        <source>Send confirmation-message to all pagers, which already received the alarm, if the alarm was confirmed. </source>
        <translation>Quittierungsmeldung an alle Pager senden, die den Alarm schon erhalten haben, wenn der Alarm quittiert wurde. </translation>
    </message>
</context>
<context>
    <name>ConfirmationSettings</name>
    <message>
        <source>Repeat the confirmation </source>
        <translation>Quittierung wiederholen </translation>
    </message>
    <message>
        <source>If the alarm message will be repeated, play the confirmation menu after each alarm message</source>
        <translation>Wenn die Alarmmeldung wiederholt wird, das Quittierungsmenü nach jeder Alarmmeldung abspielen</translation>
    </message>
    <message>
        <source>Set number of person who confirmed the alarm first, as alarmmessage. The message is used if an alarm is started on success. This can be activated in the escalations settings of the alarm.</source>
        <translation>Nummer der Person, die den Alarm zuerst quittiert hat, als Alarmmeldung setzen. Die Meldung wird verwendet, wenn bei Erfolg ein Alarm gestartet wird. Dies kann in den Eskalationseinstellungen des Alarms aktiviert werden.</translation>
    </message>
    <message>
        <source>Use message prefix:</source>
        <translation>Meldungspräfix verwenden:</translation>
    </message>
    <message>
        <source>Settings for the confirmation</source>
        <translation>Einstellungen für die Quittierung</translation>
    </message>
</context>
<context>
    <name>ConfirmationSettingsDialog</name>
    <message>
        <source>times, if no key has been pressed</source>
        <translation>mal, wenn keine Taste gedrückt wurde</translation>
    </message>
    <message>
        <source>The number of who confirmed is added after the prefix </source>
        <translation>Die Nummer des Quittierenden wird nach dem Präfix angefügt </translation>
    </message>
</context>
<context>
    <name>CreatePlanDialog</name>
    <message>
        <source>Create plan</source>
        <translation>Plan anlegen</translation>
    </message>
    <message>
        <source>Create sched- and/or weekplan for alarm-in </source>
        <translation>Jahres- und/oder Wochenplan für Alarmeingang anlegen </translation>
    </message>
    <message>
        <source>Create plan for alarm- / alarminkey:</source>
        <translation>Plan anlegen für Alarm- / Alarmeingangsnummer:</translation>
    </message>
    <message>
        <source>Create only scheduleplan </source>
        <translation>Nur Jahresplan anlegen </translation>
    </message>
    <message>
        <source>Create only weekplan</source>
        <translation>Nur Wochenplan anlegen</translation>
    </message>
    <message>
        <source>Create both scheduleplan and weekplan </source>
        <translation>Jahresplan und Wochenplan anlegen </translation>
    </message>
</context>
<context>
    <name>CsvFileChooser</name>
    <message>
        <source>Select file</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>CSV files (%1)</source>
        <translation>CSV-Dateien (%1)</translation>
    </message>
    <message>
        <source>Select CSV-File for import</source>
        <translation>CSV-Datei für den Import auswählen</translation>
    </message>
    <message>
        <source>Select file to export configuration to</source>
        <translation>Datei für den Export der Konfiguration auswählen</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the file holds a NUL byte.</source>
        <translation>die Datei enthält ein NUL-Byte.</translation>
    </message>
    <message>
        <source>the file is UTF-16 text; please save it as UTF-8 or Windows-1252.</source>
        <translation>die Datei ist UTF-16-Text; bitte speichern Sie sie als UTF-8 oder Windows-1252.</translation>
    </message>
    <message>
        <source>the text is no valid UTF-8 or holds a character that Windows-1252 cannot hold.</source>
        <translation>der Text ist kein gültiges UTF-8 oder enthält ein Zeichen, das Windows-1252 nicht darstellen kann.</translation>
    </message>
    <message>
        <source>a carriage return that ends no line.</source>
        <translation>ein Wagenrücklauf, der keine Zeile beendet.</translation>
    </message>
    <message>
        <source>a quoted field begins here and is never closed.</source>
        <translation>hier beginnt ein Feld in Anführungszeichen, das nie geschlossen wird.</translation>
    </message>
    <message>
        <source>the line is longer than 2047 bytes.</source>
        <translation>die Zeile ist länger als 2047 Bytes.</translation>
    </message>
    <message>
        <source>the line has more than %1 fields.</source>
        <translation>die Zeile hat mehr als %1 Felder.</translation>
    </message>
    <message>
        <source>column %1 of the header has no name.</source>
        <translation>Spalte %1 der Kopfzeile hat keinen Namen.</translation>
    </message>
    <message>
        <source>the header has more than 100 columns.</source>
        <translation>die Kopfzeile hat mehr als 100 Spalten.</translation>
    </message>
    <message>
        <source>the column name &apos;%1&apos; is longer than 79 characters.</source>
        <translation>der Spaltenname &apos;%1&apos; ist länger als 79 Zeichen.</translation>
    </message>
    <message>
        <source>The CSV file &apos;%1&apos; is larger than 32 MiB and is not read.</source>
        <translation>Die CSV-Datei &apos;%1&apos; ist größer als 32 MiB und wird nicht gelesen.</translation>
    </message>
    <message>
        <source>The CSV file &apos;%1&apos; can not be read !
%2</source>
        <translation>Die CSV-Datei &apos;%1&apos; kann nicht gelesen werden !
%2</translation>
    </message>
    <message>
        <source>It is no regular file.</source>
        <translation>Sie ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>The separator characters &apos;%1&apos; (CSVSeparationChar) cannot be used: they must not be empty or hold a blank, a digit, a letter, a quote or a line break.</source>
        <translation>Die Trennzeichen &apos;%1&apos; (CSVSeparationChar) können nicht verwendet werden: sie dürfen nicht leer sein und kein Leerzeichen, keine Ziffer, keinen Buchstaben, kein Anführungszeichen und keinen Zeilenumbruch enthalten.</translation>
    </message>
</context>
<context>
    <name>DdiCallbackPage</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>DdiCallbackSettings</name>
    <message>
        <source>Send a specific DDI number with alarm message for a confirmation callback</source>
        <translation>Eine bestimmte Durchwahlnummer mit der Alarmmeldung für einen Bestätigungsrückruf senden</translation>
    </message>
    <message>
        <source>Set DDI callback number for all alarms</source>
        <translation>Durchwahl-Rückrufnummer für alle Alarme setzen</translation>
    </message>
    <message>
        <source>Set DDI callback number only for defined alarms. This can be set in the alarm configurator
under the &apos;Message for display&apos; tab -&gt; addtional information of the first message. </source>
        <translation>Durchwahl-Rückrufnummer nur für bestimmte Alarme setzen. Dies lässt sich im Alarmkonfigurator
auf der Registerkarte &apos;Meldung für Anzeige&apos; -&gt; Zusatzinformation der ersten Meldung einstellen. </translation>
    </message>
    <message>
        <source>First alarm-in key for DDI callback range:</source>
        <translation>Erste Alarmeingangsnummer des Durchwahl-Rückrufbereichs:</translation>
    </message>
    <message>
        <source>Last alarm-in key for DDI callback range:</source>
        <translation>Letzte Alarmeingangsnummer des Durchwahl-Rückrufbereichs:</translation>
    </message>
    <message>
        <source>Send callback DDI only with mini-message ( UUI )</source>
        <translation>Rückruf-Durchwahl nur mit Kurznachricht ( UUI ) senden</translation>
    </message>
    <message>
        <source>Set the status of the person, who is calling back, to &apos;confirmed&apos; </source>
        <translation>Den Status der Person, die zurückruft, auf &apos;quittiert&apos; setzen </translation>
    </message>
    <message>
        <source>Add trunk prefix to access the tellmark-server: (Example: *0)</source>
        <translation>Amtsvorwahl für den Zugang zum Tellmark-Server voranstellen: (Beispiel: *0)</translation>
    </message>
    <message>
        <source>Start additional KXE module on callback:</source>
        <translation>Zusätzliches KXE-Modul beim Rückruf starten:</translation>
    </message>
    <message>
        <source>The first alarm-in key for DDI callback must not be greater than the last one.</source>
        <translation>Die erste Alarmeingangsnummer für den Durchwahl-Rückruf darf nicht größer als die letzte sein.</translation>
    </message>
    <message>
        <source>The DDI callback range must lie within the keys 0 to %1 of the mailbox table.</source>
        <translation>Der Durchwahl-Rückrufbereich muss innerhalb der Nummern 0 bis %1 der Mailbox-Tabelle liegen.</translation>
    </message>
    <message>
        <source>These keys of the DDI callback range hold an alarm or another mailbox and were left unchanged: %1</source>
        <translation>Diese Nummern des Durchwahl-Rückrufbereichs enthalten einen Alarm oder eine andere Mailbox und wurden nicht verändert: %1</translation>
    </message>
    <message>
        <source>The key %1 could not be written (%2). The keys after it were not changed.</source>
        <translation>Die Nummer %1 konnte nicht geschrieben werden (%2). Die folgenden Nummern wurden nicht verändert.</translation>
    </message>
    <message>
        <source>DDI callback settings</source>
        <translation>DDI-Rückruf-Einstellungen</translation>
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
    <name>DectAlarmCallPage</name>
    <message>
        <source>Default alarm:</source>
        <translation>Standardalarm:</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Use whitelist for phonenumbers which can start this alarm</source>
        <translation>Whitelist für Rufnummern verwenden, die diesen Alarm starten dürfen</translation>
    </message>
    <message>
        <source>Edit whitelist</source>
        <translation>Whitelist bearbeiten</translation>
    </message>
    <message>
        <source>Add number of DECT to the played alarmmessage (wavfile)</source>
        <translation>Nummer des DECT-Telefons an die abgespielte Alarmmeldung (WAV-Datei) anhängen</translation>
    </message>
    <message>
        <source>Play alarm-in message asynchronous. Alarm is started immediately.</source>
        <translation>Alarmeingangsmeldung asynchron abspielen. Der Alarm wird sofort gestartet.</translation>
    </message>
    <message>
        <source>Check if a deadman function for the DECT was activated and a message recorded </source>
        <translation>Prüfen, ob für das DECT-Telefon eine Totmann-Funktion aktiviert und eine Meldung aufgenommen wurde </translation>
    </message>
    <message>
        <source>Use pre-message for alarm:</source>
        <translation>Vorab-Meldung für den Alarm verwenden:</translation>
    </message>
</context>
<context>
    <name>DeleteKeyDialog</name>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>EmailSettings</name>
    <message>
        <source>Enable function for sending alarmmessages as e-mail</source>
        <translation>Funktion zum Versenden von Alarmmeldungen als E-Mail aktivieren</translation>
    </message>
    <message>
        <source>Send e-mail by SMTP host:</source>
        <translation>E-Mail über SMTP-Host senden:</translation>
    </message>
    <message>
        <source>E-mail sender-address:</source>
        <translation>E-Mail-Absenderadresse:</translation>
    </message>
    <message>
        <source>Add domain ( @xxxxx.yy ) </source>
        <translation>Domäne ( @xxxxx.yy ) </translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domäne</translation>
    </message>
    <message>
        <source>Add domain always to name. If a other domain was specified, do not send the mail.</source>
        <translation>Domäne immer an den Namen anhängen. Wurde eine andere Domäne angegeben, die E-Mail nicht senden.</translation>
    </message>
    <message>
        <source>Send alarm-wavfile (alarmref.wav) as attachment</source>
        <translation>Alarm-WAV-Datei (alarmref.wav) als Anhang senden</translation>
    </message>
    <message>
        <source>Enable function to receive alarm e-mails, to start a specified alarm.
The KXE module kxaemailin.kxe needs to be running</source>
        <translation>Funktion zum Empfang von Alarm-E-Mails aktivieren, um einen angegebenen Alarm zu starten.
Das KXE-Modul kxaemailin.kxe muss dazu laufen</translation>
    </message>
    <message>
        <source>Receive e-mails from mailserver:</source>
        <translation>E-Mails von Mailserver empfangen:</translation>
    </message>
    <message>
        <source>User name for mail-account:</source>
        <translation>Benutzername des Mailkontos:</translation>
    </message>
    <message>
        <source>Password for mail-account:</source>
        <translation>Passwort des Mailkontos:</translation>
    </message>
    <message>
        <source>Only start alarm, if the specified alarmnumber is in the range from:</source>
        <translation>Alarm nur starten, wenn die angegebene Alarmnummer im Bereich liegt von:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>To launch an alarm, a ID and password has to be specified in the e-mail</source>
        <translation>Zum Auslösen eines Alarms müssen in der E-Mail eine ID und ein Passwort angegeben sein</translation>
    </message>
    <message>
        <source>Edit ID and password list</source>
        <translation>ID- und Passwortliste bearbeiten</translation>
    </message>
    <message>
        <source>Use default alarmkey if no valid alarmkey specified:</source>
        <translation>Standardalarm verwenden, wenn keine gültige Alarmnummer angegeben ist:</translation>
    </message>
    <message>
        <source>The program getmail.exe, which is needed to get the mails from the mailserver, is not installed !</source>
        <translation>Das Programm getmail.exe, das zum Abholen der E-Mails vom Mailserver benötigt wird, ist nicht installiert !</translation>
    </message>
    <message>
        <source>E-mail settings</source>
        <translation>E-Mail-Einstellungen</translation>
    </message>
</context>
<context>
    <name>EmailSettingsDialog</name>
    <message>
        <source>Settings for sending and receiving e-mails</source>
        <translation>Einstellungen zum Senden und Empfangen von E-Mails</translation>
    </message>
    <message>
        <source>automatically if not defined</source>
        <translation>automatisch anhängen, wenn keine angegeben ist</translation>
    </message>
    <message>
        <source>A:Alarmnumber;MSG:Alarmmessage;MSG1:Alarmmessage1;MSG2:Alarmmessage2;ID:UserID;PWD:Password;</source>
        <translation>A:Alarmnummer;MSG:Alarmmeldung;MSG1:Alarmmeldung1;MSG2:Alarmmeldung2;ID:BenutzerID;PWD:Passwort;</translation>
    </message>
    <message>
        <source>Example: A:7010;MSG:Fire in building 2;ID:4711;PWD:1234;</source>
        <translation>Beispiel: A:7010;MSG:Feuer in Gebäude 2;ID:4711;PWD:1234;</translation>
    </message>
</context>
<context>
    <name>EscalationSettings</name>
    <message>
        <source>Maximum escalations loops</source>
        <translation>Maximale Anzahl Eskalationsdurchläufe</translation>
    </message>
    <message>
        <source>If existent, use voice message from escalationkey.</source>
        <translation>Falls vorhanden, Sprachmeldung der Eskalationsnummer verwenden.</translation>
    </message>
    <message>
        <source>Use alarm-message from original alarmkey</source>
        <translation>Alarmmeldung der ursprünglichen Alarmnummer verwenden</translation>
    </message>
    <message>
        <source>Add number of person who confirmed the alarm,to the original alarmmessage</source>
        <translation>Nummer der Person, die den Alarm quittiert hat, an die ursprüngliche Alarmmeldung anfügen</translation>
    </message>
    <message>
        <source>Add prefix message before number:</source>
        <translation>Vor der Nummer einzufügender Text:</translation>
    </message>
    <message>
        <source>Escalation configuration</source>
        <translation>Eskalationskonfiguration</translation>
    </message>
</context>
<context>
    <name>EvacuationPage</name>
    <message>
        <source>Start alarm for the evacuation</source>
        <translation>Alarm für die Evakuierung starten</translation>
    </message>
    <message>
        <source>Play confirmation-menu to launch the evacuation-alarm</source>
        <translation>Bestätigungsmenü zum Auslösen des Evakuierungsalarms abspielen</translation>
    </message>
    <message>
        <source>Use whitelist for phonenumbers which can start this evacuation</source>
        <translation>Whitelist für Rufnummern verwenden, die diese Evakuierung starten dürfen</translation>
    </message>
    <message>
        <source>Edit whitelist</source>
        <translation>Whitelist bearbeiten</translation>
    </message>
    <message>
        <source>Password needed to launch all evacuations</source>
        <translation>Passwort zum Auslösen aller Evakuierungen erforderlich</translation>
    </message>
    <message>
        <source>No valid password defined for evacuation start !
The password needs to be a 4 digit number.</source>
        <translation>Kein gültiges Passwort für den Evakuierungsstart festgelegt !
Das Passwort muss eine 4-stellige Zahl sein.</translation>
    </message>
</context>
<context>
    <name>ExtendedSettings</name>
    <message>
        <source>Delay between the injection of each job (in 1/10 seconds)</source>
        <translation>Verzögerung zwischen dem Einstellen der einzelnen Jobs (in 1/10 Sekunden)</translation>
    </message>
    <message>
        <source>On error in the alarm configuration, launch the alarm</source>
        <translation>Bei einem Fehler in der Alarmkonfiguration den Alarm auslösen</translation>
    </message>
    <message>
        <source>Import the alarm settings from a CSV file:</source>
        <translation>Alarmeinstellungen aus einer CSV-Datei importieren:</translation>
    </message>
    <message>
        <source>Export the alarm settings from a CSV file:</source>
        <translation>Alarmeinstellungen in eine CSV-Datei exportieren:</translation>
    </message>
    <message>
        <source>Import the personnel data from a CSV file:</source>
        <translation>Personaldaten aus einer CSV-Datei importieren:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>At most %1 separation characters can be stored.</source>
        <translation>Es können höchstens %1 Trennzeichen gespeichert werden.</translation>
    </message>
    <message>
        <source>Extended settings</source>
        <translation>Erweiterte Einstellungen</translation>
    </message>
</context>
<context>
    <name>ExtendedSettingsDialog</name>
    <message>
        <source>Import and export of the alarm-configuration</source>
        <translation>Import und Export der Alarmkonfiguration</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Format: Name;Telnumber;Type;Department           (Departement is optional)
Example:John Smith;1234;INT;Technical service</source>
        <translation>Format: Name;Telefonnummer;Typ;Abteilung           (Abteilung ist optional)
Beispiel:Max Mustermann;1234;INT;Technischer Dienst</translation>
    </message>
</context>
<context>
    <name>FaxBroadcastPage</name>
    <message>
        <source>Launch alarm:</source>
        <translation>Alarm auslösen:</translation>
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
    <name>HotelEvacuationSettings</name>
    <message>
        <source>Check priority by getting roominfo (language/occupied) from database. This requires a interface to a hotelmanagement system (Fidelio,..) </source>
        <translation>Priorität anhand der Zimmerinformation (Sprache/belegt) aus der Datenbank prüfen. Dies erfordert eine Schnittstelle zu einem Hotelmanagementsystem (Fidelio,..) </translation>
    </message>
    <message>
        <source>Check priority for all alarmkeys</source>
        <translation>Priorität für alle Alarmnummern prüfen</translation>
    </message>
    <message>
        <source>Check priority from alarmkey:</source>
        <translation>Priorität prüfen von Alarmnummer:</translation>
    </message>
    <message>
        <source>to alarmkey:</source>
        <translation>bis Alarmnummer:</translation>
    </message>
    <message>
        <source>Language code for German:</source>
        <translation>Sprachcode für Deutsch:</translation>
    </message>
    <message>
        <source>Language code for English:</source>
        <translation>Sprachcode für Englisch:</translation>
    </message>
    <message>
        <source>Language code for French:</source>
        <translation>Sprachcode für Französisch:</translation>
    </message>
    <message>
        <source>Language code for Italian:</source>
        <translation>Sprachcode für Italienisch:</translation>
    </message>
    <message>
        <source>Default language directory</source>
        <translation>Standard-Sprachverzeichnis</translation>
    </message>
    <message>
        <source>Post jobs for empty rooms after posting jobs for occupied rooms. Delay:</source>
        <translation>Aufträge für leere Zimmer nach den Aufträgen für belegte Zimmer einstellen. Verzögerung:</translation>
    </message>
    <message>
        <source>The alarmkey &apos;%1&apos; of the priority check should be between 10 and 9998 !</source>
        <translation>Die Alarmnummer &apos;%1&apos; der Prioritätsprüfung sollte zwischen 10 und 9998 liegen !</translation>
    </message>
    <message>
        <source>The last alarmkey of the priority check should not be lower then the first !</source>
        <translation>Die letzte Alarmnummer der Prioritätsprüfung sollte nicht kleiner als die erste sein !</translation>
    </message>
    <message>
        <source>Hotel-evacuation settings</source>
        <translation>Einstellungen der Hotel-Evakuierung</translation>
    </message>
</context>
<context>
    <name>HotelEvacuationSettingsDialog</name>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
</context>
<context>
    <name>ImportExport</name>
    <message>
        <source>Alarm data was successfully imported.</source>
        <translation>Die Alarmdaten wurden erfolgreich importiert.</translation>
    </message>
    <message>
        <source>The alarm configuration has been successfully imported from the CSV file.</source>
        <translation>Die Alarmkonfiguration wurde erfolgreich aus der CSV-Datei importiert.</translation>
    </message>
    <message>
        <source>Personnel data was successfully imported.</source>
        <translation>Die Personaldaten wurden erfolgreich importiert.</translation>
    </message>
    <message>
        <source>%1 values or lines were not taken as they stood; the first of them:
%2</source>
        <translation>%1 Werte oder Zeilen wurden nicht unverändert übernommen; die ersten davon:
%2</translation>
    </message>
</context>
<context>
    <name>ImportFile</name>
    <message>
        <source>No CSV file is selected !
Please select first the CSV file containing the alarm configuration to import.</source>
        <translation>Es ist keine CSV-Datei ausgewählt !
Bitte wählen Sie zuerst die CSV-Datei mit der zu importierenden Alarmkonfiguration aus.</translation>
    </message>
    <message>
        <source>The CSV file &apos;%1&apos; can not be opened !
Please make sure, that the file 
and directory exist.</source>
        <translation>Die CSV-Datei &apos;%1&apos; kann nicht geöffnet werden !
Bitte stellen Sie sicher, dass die Datei 
und das Verzeichnis existieren.</translation>
    </message>
</context>
<context>
    <name>ImportSchema</name>
    <message>
        <source>No valid kxaimport.ini file found!
The import-function needs this ini-file.
Please make sure that a valid kxaimport.ini file exists in the windows (winnt) directory.</source>
        <translation>Keine gültige Datei kxaimport.ini gefunden!
Die Importfunktion benötigt diese INI-Datei.
Bitte stellen Sie sicher, dass eine gültige Datei kxaimport.ini im Windows-Verzeichnis (winnt) vorhanden ist.</translation>
    </message>
    <message>
        <source>The first fieldname needs to be the alarmkey!
The csv file can not be imported.</source>
        <translation>Der erste Feldname muss der Alarmschlüssel (alarmkey) sein!
Die CSV-Datei kann nicht importiert werden.</translation>
    </message>
    <message>
        <source>The fieldname &apos;%1&apos; in the csv file is not valid!
No alarms can be imported and the import-function will stop now.
Please check the documentation or kxaimport.ini for the valid fieldnames.</source>
        <translation>Der Feldname &apos;%1&apos; in der CSV-Datei ist ungültig!
Es können keine Alarme importiert werden, die Importfunktion wird jetzt beendet.
Die gültigen Feldnamen stehen in der Dokumentation und in kxaimport.ini.</translation>
    </message>
    <message>
        <source>the column &apos;%1&apos; names the field &apos;%2&apos;, which the alarm database does not have.</source>
        <translation>die Spalte &apos;%1&apos; nennt das Feld &apos;%2&apos;, das die Alarmdatenbank nicht hat.</translation>
    </message>
    <message>
        <source>the column &apos;%1&apos; names the field %2, which only the key column may fill.</source>
        <translation>die Spalte &apos;%1&apos; nennt das Feld %2, das nur die Schlüsselspalte füllen darf.</translation>
    </message>
    <message>
        <source>the column &apos;%1&apos; is a text column, but its field %2 holds numbers.</source>
        <translation>die Spalte &apos;%1&apos; ist eine Textspalte, ihr Feld %2 enthält aber Zahlen.</translation>
    </message>
    <message>
        <source>the column &apos;%1&apos; names the INI file &apos;%2&apos;, which is no bare file name.</source>
        <translation>die Spalte &apos;%1&apos; nennt die INI-Datei &apos;%2&apos;, die kein reiner Dateiname ist.</translation>
    </message>
</context>
<context>
    <name>IncomingCallSettings</name>
    <message>
        <source>Start if dialed DDI is not a alarm-in status</source>
        <translation>Starten, wenn die gewählte Durchwahl kein Alarmeingang ist</translation>
    </message>
    <message>
        <source>Default alarm-in</source>
        <translation>Standard-Alarmeingang</translation>
    </message>
    <message>
        <source>Start KXE module</source>
        <translation>KXE-Modul starten</translation>
    </message>
    <message>
        <source>Start optional KXE module first for specific configuration ( DDI conversion ) </source>
        <translation>Zuerst optionales KXE-Modul für besondere Konfiguration starten ( Durchwahl-Umsetzung ) </translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Kommentar:</translation>
    </message>
    <message>
        <source>Show message on display for incoming calls (rings have to be set to -1)</source>
        <translation>Meldung im Display bei ankommenden Rufen anzeigen (rings muss auf -1 stehen)</translation>
    </message>
    <message>
        <source>The comment must not contain the character &quot;|&quot; or the broken bar: they stand for its line breaks.</source>
        <translation>Der Kommentar darf das Zeichen „|“ und den unterbrochenen Strich nicht enthalten: Sie stehen für seine Zeilenumbrüche.</translation>
    </message>
    <message>
        <source>The comment may hold at most %1 characters.</source>
        <translation>Der Kommentar darf höchstens %1 Zeichen enthalten.</translation>
    </message>
    <message>
        <source>The line table %1 could not be opened (%2), so the rings setting of the lines could not be checked. The setting is saved.</source>
        <translation>Die Leitungstabelle %1 konnte nicht geöffnet werden (%2), daher konnte die rings-Einstellung der Leitungen nicht geprüft werden. Die Einstellung ist gespeichert.</translation>
    </message>
    <message>
        <source>Incoming call and alarm-in settings</source>
        <translation>Einstellungen für ankommende Rufe und Alarmeingänge</translation>
    </message>
</context>
<context>
    <name>IvrApplicationPage</name>
    <message>
        <source>Standard IVR application</source>
        <translation>Standard-IVR-Anwendung</translation>
    </message>
    <message>
        <source>Web IVR application</source>
        <translation>Web-IVR-Anwendung</translation>
    </message>
    <message>
        <source>Start IVR application at menu level:</source>
        <translation>IVR-Anwendung auf Menüebene starten:</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>The menu level &quot;%1&quot; must be the digits of the menu keys without a leading zero (0 for the top level).</source>
        <translation>Die Menüebene &quot;%1&quot; muss aus den Ziffern der Menütasten ohne führende Null bestehen (0 für die oberste Ebene).</translation>
    </message>
</context>
<context>
    <name>KeyChoice</name>
    <message>
        <source>Not used yet:</source>
        <translation>Noch nicht benutzt:</translation>
    </message>
    <message>
        <source>Set state</source>
        <translation>Status setzen</translation>
    </message>
    <message>
        <source>[No definition]</source>
        <translation>[Keine Definition]</translation>
    </message>
    <message>
        <source>%1 of the selected keys are mailboxes of the voice platform.
Their data will be overwritten. Continue ?</source>
        <translation>%1 der ausgewählten Schlüssel sind Mailboxen der Sprachplattform.
Ihre Daten werden überschrieben. Fortfahren ?</translation>
    </message>
    <message>
        <source>Deleting the selected alarms ?
All data of this alarm will be reset.</source>
        <translation>Die ausgewählten Alarme löschen ?
Alle Daten dieses Alarms werden zurückgesetzt.</translation>
    </message>
    <message>
        <source>Deleting the selected alarms-in ?
All data of these alarms-in will be deleted Alarmeingänge werden zurückgesetzt.</source>
        <translation>Die ausgewählten Alarmeingänge löschen ?
Alle Daten dieser Alarmeingänge werden zurückgesetzt.</translation>
    </message>
    <message>
        <source>The selected alarm &apos;%1&apos; is invalid and can not be deleted !</source>
        <translation>Der ausgewählte Alarm &apos;%1&apos; ist ungültig und kann nicht gelöscht werden !</translation>
    </message>
    <message>
        <source>The selected alarm-in &apos;%1&apos; is invalid and can not be deleted !</source>
        <translation>Der ausgewählte Alarmeingang &apos;%1&apos; ist ungültig und kann nicht gelöscht werden !</translation>
    </message>
    <message>
        <source>Do you want to delete the &apos;%1&apos; ?
All data of this alarm will be reset.</source>
        <translation>Möchten Sie &apos;%1&apos; löschen ?
Alle Daten dieses Alarms werden zurückgesetzt.</translation>
    </message>
    <message>
        <source>Delete the alarm-in &apos;%1&apos; ?
All data of this alarm-in will be deleted.</source>
        <translation>Den Alarmeingang &apos;%1&apos; löschen ?
Alle Daten dieses Alarmeingangs werden gelöscht.</translation>
    </message>
    <message>
        <source>Error, impossible to delete the alarm !
The database entry could not be reset.</source>
        <translation>Fehler, der Alarm kann nicht gelöscht werden !
Der Datenbankeintrag konnte nicht zurückgesetzt werden.</translation>
    </message>
    <message>
        <source>Error, impossible to delete the alarm-in !
The database entry could not be reset.</source>
        <translation>Fehler, der Alarmeingang kann nicht gelöscht werden !
Der Datenbankeintrag konnte nicht zurückgesetzt werden.</translation>
    </message>
    <message>
        <source>Add new alarms</source>
        <translation>Neue Alarme hinzufügen</translation>
    </message>
    <message>
        <source>New alarms:</source>
        <translation>Neue Alarme:</translation>
    </message>
    <message>
        <source>New alarm</source>
        <translation>Neuer Alarm</translation>
    </message>
    <message>
        <source>There are no new alarms selected now !
Please mark first the alarms to add in the left field and 
move them to the right field by pressing the button with the green flash.</source>
        <translation>Es sind jetzt keine neuen Alarme ausgewählt !
Bitte markieren Sie zuerst die hinzuzufügenden Alarme im linken Feld und 
verschieben Sie sie mit der Schaltfläche mit dem grünen Pfeil in das rechte Feld.</translation>
    </message>
    <message>
        <source>Do you want to cancel adding new alarms ?</source>
        <translation>Möchten Sie das Hinzufügen neuer Alarme abbrechen ?</translation>
    </message>
    <message>
        <source>Add new alarms-in</source>
        <translation>Neue Alarmeingänge hinzufügen</translation>
    </message>
    <message>
        <source>New alarms-in:</source>
        <translation>Neue Alarmeingänge:</translation>
    </message>
    <message>
        <source>New alarm-in</source>
        <translation>Neuer Alarmeingang</translation>
    </message>
    <message>
        <source>There are no new alarms-in selected now !
Please mark first the alarms-in to add in the left field and
move them to the right field by pressing the button with the green flash.</source>
        <translation>Es sind jetzt keine neuen Alarmeingänge ausgewählt !
Bitte markieren Sie zuerst die hinzuzufügenden Alarmeingänge im linken Feld und
verschieben Sie sie mit der Schaltfläche mit dem grünen Pfeil in das rechte Feld.</translation>
    </message>
    <message>
        <source>Do you want to cancel adding new alarms-in ?</source>
        <translation>Möchten Sie das Hinzufügen neuer Alarmeingänge abbrechen ?</translation>
    </message>
    <message>
        <source>Delete alarm</source>
        <translation>Alarm löschen</translation>
    </message>
    <message>
        <source>Select alarm</source>
        <translation>Alarm auswählen</translation>
    </message>
    <message>
        <source>No alarms to select</source>
        <translation>Keine Alarme zur Auswahl</translation>
    </message>
    <message>
        <source>All selected alarms will be deleted</source>
        <translation>Alle ausgewählten Alarme werden gelöscht</translation>
    </message>
    <message>
        <source>Delete alarms</source>
        <translation>Alarme löschen</translation>
    </message>
    <message>
        <source>Do you want to cancel the deletion of alarms ?</source>
        <translation>Möchten Sie das Löschen der Alarme abbrechen ?</translation>
    </message>
    <message>
        <source>Delete alarm-in</source>
        <translation>Alarmeingang löschen</translation>
    </message>
    <message>
        <source>Select an alarm-in</source>
        <translation>Einen Alarmeingang auswählen</translation>
    </message>
    <message>
        <source>There are no alarms-in</source>
        <translation>Es gibt keine Alarmeingänge</translation>
    </message>
    <message>
        <source>All selected alarms-in will be deleted</source>
        <translation>Alle ausgewählten Alarmeingänge werden gelöscht</translation>
    </message>
    <message>
        <source>Delete alarms-in</source>
        <translation>Alarmeingänge löschen</translation>
    </message>
    <message>
        <source>Do you want to cancel the deletion of alarms-in ?</source>
        <translation>Möchten Sie das Löschen der Alarmeingänge abbrechen ?</translation>
    </message>
</context>
<context>
    <name>KeyRun</name>
    <message>
        <source>%1 of %2 keys done</source>
        <translation>%1 von %2 Schlüsseln erledigt</translation>
    </message>
    <message>
        <source>Delete of alarms has been canceled</source>
        <translation>Das Löschen der Alarme wurde abgebrochen</translation>
    </message>
    <message>
        <source>Delete of alarms-in has been canceled</source>
        <translation>Das Löschen der Alarmeingänge wurde abgebrochen</translation>
    </message>
    <message>
        <source>Canceled, no new elements are added</source>
        <translation>Abgebrochen, es werden keine neuen Elemente hinzugefügt</translation>
    </message>
    <message>
        <source>Canceled, no further elements are added</source>
        <translation>Abgebrochen, es werden keine weiteren Elemente hinzugefügt</translation>
    </message>
    <message>
        <source>Changed by another program meanwhile and left as they are: %1</source>
        <translation>Inzwischen von einem anderen Programm geändert und unverändert gelassen: %1</translation>
    </message>
    <message>
        <source>Key %1 could not be written; it and the keys after it are left as they are.
%2</source>
        <translation>Schlüssel %1 konnte nicht geschrieben werden; er und die folgenden Schlüssel bleiben unverändert.
%2</translation>
    </message>
    <message>
        <source>The mailbox table could not be opened; nothing was written.
%1</source>
        <translation>Die Mailbox-Tabelle konnte nicht geöffnet werden; es wurde nichts geschrieben.
%1</translation>
    </message>
</context>
<context>
    <name>KeyRunDialog</name>
    <message>
        <source>%d %%</source>
        <translation>%d %%</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>LineSupervision</name>
    <message>
        <source>Activate line supervision</source>
        <translation>Leitungsüberwachung aktivieren</translation>
    </message>
    <message>
        <source>Testcall of a line onto the number:</source>
        <translation>Testanruf einer Leitung auf die Nummer:</translation>
    </message>
    <message>
        <source>Own phone passed with the call setup (DDI):</source>
        <translation>Beim Verbindungsaufbau übermittelte eigene Nummer (DDI):</translation>
    </message>
    <message>
        <source>Start testcalls on any line</source>
        <translation>Testanrufe auf beliebiger Leitung starten</translation>
    </message>
    <message>
        <source>Start testcalls on specified lines</source>
        <translation>Testanrufe auf bestimmten Leitungen starten</translation>
    </message>
    <message>
        <source>Repeat test calls every </source>
        <translation>Testanrufe wiederholen alle </translation>
    </message>
    <message>
        <source>On error, launch the alarm</source>
        <translation>Bei Fehler den Alarm auslösen</translation>
    </message>
    <message>
        <source>On error, show a warning message on the alarm server supervision program.</source>
        <translation>Bei Fehler eine Warnung im Überwachungsprogramm des Alarmservers anzeigen.</translation>
    </message>
    <message>
        <source>On error, restart alarmserver automatically.</source>
        <translation>Bei Fehler den Alarmserver automatisch neu starten.</translation>
    </message>
    <message>
        <source>Single-callback for a two server supervision</source>
        <translation>Einfacher Rückruf für die Überwachung zweier Server</translation>
    </message>
    <message>
        <source>Multi-callback option if more then one alarm-servers call this server</source>
        <translation>Mehrfacher Rückruf, wenn mehr als ein Alarmserver diesen Server anruft</translation>
    </message>
    <message>
        <source>Last test call: </source>
        <translation>Letzter Testanruf: </translation>
    </message>
    <message>
        <source>Last alarm launched:</source>
        <translation>Zuletzt ausgelöster Alarm:</translation>
    </message>
    <message>
        <source>Time for the next call:</source>
        <translation>Zeit bis zum nächsten Anruf:</translation>
    </message>
    <message>
        <source>Test now</source>
        <translation>Jetzt testen</translation>
    </message>
    <message>
        <source>The program shutdown.exe was not found in the windows system directory !
This program is needed for the restart function.
Please contact Quillon for further information.</source>
        <translation>Das Programm shutdown.exe wurde im Windows-Systemverzeichnis nicht gefunden!
Dieses Programm wird für den automatischen Neustart benötigt.
Bitte wenden Sie sich für weitere Informationen an Quillon.</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 Minuten</translation>
    </message>
    <message>
        <source>20 minutes</source>
        <translation>20 Minuten</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 Minuten</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 Stunden</translation>
    </message>
    <message>
        <source>3 hours</source>
        <translation>3 Stunden</translation>
    </message>
    <message>
        <source>4 hours</source>
        <translation>4 Stunden</translation>
    </message>
    <message>
        <source>5 hours</source>
        <translation>5 Stunden</translation>
    </message>
    <message>
        <source>6 hours</source>
        <translation>6 Stunden</translation>
    </message>
    <message>
        <source>8 hours</source>
        <translation>8 Stunden</translation>
    </message>
    <message>
        <source>10 hours</source>
        <translation>10 Stunden</translation>
    </message>
    <message>
        <source>12 hours</source>
        <translation>12 Stunden</translation>
    </message>
    <message>
        <source>18 hours</source>
        <translation>18 Stunden</translation>
    </message>
    <message>
        <source>day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>2nd day</source>
        <translation>2. Tag</translation>
    </message>
    <message>
        <source>3rd day</source>
        <translation>3. Tag</translation>
    </message>
    <message>
        <source>Supervision of lines</source>
        <translation>Überwachung der Leitungen</translation>
    </message>
</context>
<context>
    <name>LineSupervisionDialog</name>
    <message>
        <source>Test calls</source>
        <translation>Testanrufe</translation>
    </message>
    <message>
        <source>Supervision by another alarm server</source>
        <translation>Überwachung durch einen anderen Alarmserver</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>( only for ISDN systems )</source>
        <translation>( nur für ISDN-Anlagen )</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>This is the time remaining for next call to be received, plus 10 minutes tolerance</source>
        <translation>Dies ist die verbleibende Zeit bis zum Eingang des nächsten Anrufs, zuzüglich 10 Minuten Toleranz</translation>
    </message>
</context>
<context>
    <name>LineSupervisionPage</name>
    <message>
        <source>Start alarm if no call received in specified time</source>
        <translation>Alarm starten, wenn in der angegebenen Zeit kein Anruf eingeht</translation>
    </message>
    <message>
        <source>A call needs to be received every %1 minutes</source>
        <translation>Alle %1 Minuten muss ein Anruf eingehen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no valid interval: please enter a whole number of minutes, at least 1.</source>
        <translation>„%1“ ist kein gültiges Intervall: Bitte geben Sie eine ganze Zahl von Minuten ein, mindestens 1.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>General settings for server / line supervision</source>
        <translation>Allgemeine Einstellungen für Server- / Leitungsüberwachung</translation>
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
    <name>LoginLogoutPage</name>
    <message>
        <source>Play menu to login by pressing key 1 and logout with key 0</source>
        <translation>Menü abspielen: Anmelden mit Taste 1 und Abmelden mit Taste 0</translation>
    </message>
    <message>
        <source>Automatic login of calling person</source>
        <translation>Automatische Anmeldung der anrufenden Person</translation>
    </message>
    <message>
        <source>Automatic logout of calling person</source>
        <translation>Automatische Abmeldung der anrufenden Person</translation>
    </message>
</context>
<context>
    <name>LoginLogoutSettings</name>
    <message>
        <source>Activate login / logout function. Only phonenumbers which are logged in are called.</source>
        <translation>An- / Abmeldefunktion aktivieren. Nur angemeldete Rufnummern werden angerufen.</translation>
    </message>
    <message>
        <source>Logged out phonenumbers:</source>
        <translation>Abgemeldete Rufnummern:</translation>
    </message>
    <message>
        <source>Phonenumber:</source>
        <translation>Rufnummer:</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Logout</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>The phonenumber &quot;%1&quot; cannot be logged out: it must not begin or end with a blank nor contain &quot;=&quot;, &quot;;&quot;, &quot;[&quot;, &quot;]&quot; or a line break.</source>
        <translation>Die Rufnummer „%1“ kann nicht abgemeldet werden: Sie darf nicht mit einem Leerzeichen beginnen oder enden und weder „=“, „;“, „[“, „]“ noch einen Zeilenumbruch enthalten.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Login / Logout settings</source>
        <translation>Anmelde- / Abmelde-Einstellungen</translation>
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
    <name>ManDownPage</name>
    <message>
        <source>Man-down supervision concept with the alarm:</source>
        <translation>Totmann-Überwachung mit dem Alarm:</translation>
    </message>
    <message>
        <source>Use Alarm dependend on the caller number. If the alarm does not exist, the alarm is automatically created.</source>
        <translation>Alarm abhängig von der Rufnummer des Anrufers verwenden. Existiert der Alarm nicht, wird er automatisch angelegt.</translation>
    </message>
    <message>
        <source>Record alarmmessage when activating the supervision function</source>
        <translation>Beim Aktivieren der Überwachung eine Alarmmeldung aufnehmen</translation>
    </message>
    <message>
        <source>Play menu after recording to play and re-record message</source>
        <translation>Nach der Aufnahme ein Menü zum Abspielen und erneuten Aufnehmen der Meldung abspielen</translation>
    </message>
    <message>
        <source>Pre-name of created alarms:</source>
        <translation>Namensvorsatz der angelegten Alarme:</translation>
    </message>
    <message>
        <source>Message when calling the person:</source>
        <translation>Meldung beim Anruf der Person:</translation>
    </message>
    <message>
        <source>Escalation alarm:</source>
        <translation>Eskalationsalarm:</translation>
    </message>
    <message>
        <source>Interval in minutes:</source>
        <translation>Intervall in Minuten:</translation>
    </message>
    <message>
        <source>Retries before the escalation:</source>
        <translation>Wiederholungen vor der Eskalation:</translation>
    </message>
    <message>
        <source>First alarm number for created alarms:</source>
        <translation>Erste Alarmnummer für angelegte Alarme:</translation>
    </message>
    <message>
        <source>Last alarm number for created alarms:</source>
        <translation>Letzte Alarmnummer für angelegte Alarme:</translation>
    </message>
    <message>
        <source>Escalation message:</source>
        <translation>Eskalationsmeldung:</translation>
    </message>
    <message>
        <source>Global option to record the escalation message again after confirmation call</source>
        <translation>Globale Option: Eskalationsmeldung nach dem Bestätigungsanruf erneut aufnehmen</translation>
    </message>
    <message>
        <source>The first alarm number &apos;%1&apos; for created alarms should be between 10 and 9999 !</source>
        <translation>Die erste Alarmnummer &apos;%1&apos; für angelegte Alarme sollte zwischen 10 und 9999 liegen !</translation>
    </message>
    <message>
        <source>The last alarm number &apos;%1&apos; for created alarms should be between 10 and 9999 !</source>
        <translation>Die letzte Alarmnummer &apos;%1&apos; für angelegte Alarme sollte zwischen 10 und 9999 liegen !</translation>
    </message>
    <message>
        <source>The last alarm number for created alarms should not be lower than the first !</source>
        <translation>Die letzte Alarmnummer für angelegte Alarme darf nicht kleiner als die erste sein !</translation>
    </message>
</context>
<context>
    <name>MasterSlaveSettings</name>
    <message>
        <source>Redundant Alarmserver with master / slave server</source>
        <translation>Redundanter Alarmserver mit Master- / Slave-Server</translation>
    </message>
    <message>
        <source>This Alarmserver is the master</source>
        <translation>Dieser Alarmserver ist der Master</translation>
    </message>
    <message>
        <source>This Alarmserver is the slave</source>
        <translation>Dieser Alarmserver ist der Slave</translation>
    </message>
    <message>
        <source>Define for each alarm if the server is Master, Slave or the alarm is not active</source>
        <translation>Für jeden Alarm festlegen, ob der Server Master oder Slave ist oder der Alarm nicht aktiv ist</translation>
    </message>
    <message>
        <source>Define range for master / slave alarms</source>
        <translation>Bereich für Master- / Slave-Alarme festlegen</translation>
    </message>
    <message>
        <source>First alarm:</source>
        <translation>Erster Alarm:</translation>
    </message>
    <message>
        <source>Last alarm:</source>
        <translation>Letzter Alarm:</translation>
    </message>
    <message>
        <source>IP Address from master Alarmserver</source>
        <translation>IP-Adresse des Master-Alarmservers</translation>
    </message>
    <message>
        <source>Port on master Alarmserver</source>
        <translation>Port auf dem Master-Alarmserver</translation>
    </message>
    <message>
        <source>Maximum retries to connect to master</source>
        <translation>Maximale Verbindungsversuche zum Master</translation>
    </message>
    <message>
        <source>Wait before connecting to master for</source>
        <translation>Vor dem Verbinden zum Master warten für</translation>
    </message>
    <message>
        <source>Continue with alarm if alarmgroup is empty.
This can be used to start an evacuation sequence on the slave server</source>
        <translation>Alarm fortsetzen, wenn die Alarmgruppe leer ist.
Damit kann auf dem Slave-Server eine Evakuierungssequenz gestartet werden</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>The port &apos;%1&apos; should be between 1 and 65535 !</source>
        <translation>Der Port &apos;%1&apos; sollte zwischen 1 und 65535 liegen !</translation>
    </message>
    <message>
        <source>The maximum retries &apos;%1&apos; should be 0 or more !</source>
        <translation>Die maximalen Verbindungsversuche &apos;%1&apos; sollten 0 oder mehr sein !</translation>
    </message>
    <message>
        <source>The wait time &apos;%1&apos; should be 0 or more seconds !</source>
        <translation>Die Wartezeit &apos;%1&apos; sollte 0 Sekunden oder mehr betragen !</translation>
    </message>
    <message>
        <source>The first alarm &apos;%1&apos; should not be higher than the last alarm &apos;%2&apos; !</source>
        <translation>Der erste Alarm &apos;%1&apos; sollte nicht höher als der letzte Alarm &apos;%2&apos; sein !</translation>
    </message>
    <message>
        <source>The alarms of the master / slave range should be between 0 and %1 !</source>
        <translation>Die Alarme des Master- / Slave-Bereichs sollten zwischen 0 und %1 liegen !</translation>
    </message>
    <message>
        <source>Please enter the IP address of the master Alarmserver, without blanks.</source>
        <translation>Bitte die IP-Adresse des Master-Alarmservers ohne Leerzeichen eingeben.</translation>
    </message>
    <message>
        <source>Master / Slave configuration</source>
        <translation>Master- / Slave-Konfiguration</translation>
    </message>
</context>
<context>
    <name>MasterSlaveSettingsDialog</name>
    <message>
        <source>The program &apos;Master / Slave Controller&apos; needs to be running on this server</source>
        <translation>Das Programm &apos;Master / Slave Controller&apos; muss auf diesem Server laufen</translation>
    </message>
    <message>
        <source>Define alarms which are also started on slave</source>
        <translation>Alarme festlegen, die auch auf dem Slave gestartet werden</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
</context>
<context>
    <name>MessageRecording</name>
    <message>
        <source>Play / record the message for the alarm %1 %2 </source>
        <translation>Meldung für den Alarm %1 %2 abspielen / aufnehmen </translation>
    </message>
    <message>
        <source>Play / record the message for the alarm-in %1 %2 </source>
        <translation>Meldung für den Alarmeingang %1 %2 abspielen / aufnehmen </translation>
    </message>
    <message>
        <source>If the phonenumber is longer then %1 digits, a %2 is automatically added as prefix for external calls.</source>
        <translation>Hat die Rufnummer mehr als %1 Ziffern, wird für externe Rufe automatisch %2 als Vorwahl vorangestellt.</translation>
    </message>
    <message>
        <source>The phone number &apos;%1&apos; can not be dialled.
Only digits, * and # and a leading + are allowed.</source>
        <translation>Die Rufnummer &apos;%1&apos; kann nicht gewählt werden.
Erlaubt sind nur Ziffern, * und # sowie ein führendes +.</translation>
    </message>
    <message>
        <source>The module &apos;_rec1am.kxe&apos; to record specific alarm messages is not in the expected location !
Please use the alarm-in type &apos;record alarm messages&apos; to record alarm messages
Please contact Quillon for further information.</source>
        <translation>Das Modul &apos;_rec1am.kxe&apos; zum Aufnehmen einzelner Alarmmeldungen ist nicht am erwarteten Ort!
Bitte nehmen Sie Alarmmeldungen mit dem Alarmeingangstyp &apos;Alarmmeldung aufnehmen&apos; auf
Bitte wenden Sie sich für weitere Informationen an Quillon.</translation>
    </message>
    <message>
        <source>Dialling the number %1 </source>
        <translation>Die Nummer %1 wird gewählt </translation>
    </message>
    <message>
        <source>The job queue program %1 could not be started, no number is dialled !
%2</source>
        <translation>Das Auftragsprogramm %1 konnte nicht gestartet werden, es wird keine Nummer gewählt!
%2</translation>
    </message>
    <message>
        <source>The last dialled numbers could not be written to %1 !
%2</source>
        <translation>Die zuletzt gewählten Nummern konnten nicht in %1 geschrieben werden!
%2</translation>
    </message>
    <message>
        <source>Record / play the alarm message</source>
        <translation>Alarmmeldung aufnehmen / abspielen</translation>
    </message>
</context>
<context>
    <name>MessageRecordingDialog</name>
    <message>
        <source>&amp;Phone number:</source>
        <translation>&amp;Rufnummer:</translation>
    </message>
    <message>
        <source>Dial selected number</source>
        <translation>Gewählte Nummer anrufen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
    <name>NumberPassword</name>
    <message>
        <source>&quot;%1&quot; must be a number of 1 to 9 digits that does not begin with 0.</source>
        <translation>&quot;%1&quot; muss eine Zahl mit 1 bis 9 Ziffern sein, die nicht mit 0 beginnt.</translation>
    </message>
</context>
<context>
    <name>OperationRunner</name>
    <message>
        <source>Import of the alarm configuration</source>
        <translation>Import der Alarmkonfiguration</translation>
    </message>
    <message>
        <source>Import of personnel data</source>
        <translation>Import der Personaldaten</translation>
    </message>
    <message>
        <source>Export of the alarm configuration</source>
        <translation>Export der Alarmkonfiguration</translation>
    </message>
    <message>
        <source>Checking %1 ...</source>
        <translation>%1 wird geprüft ...</translation>
    </message>
    <message>
        <source>Importing %1 ...</source>
        <translation>%1 wird importiert ...</translation>
    </message>
    <message>
        <source>Exporting to %1 ...</source>
        <translation>Export nach %1 ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ParallelSettings</name>
    <message>
        <source>Dial next number on no answer, busy or negative confirmation</source>
        <translation>Nächste Nummer wählen bei keiner Antwort, besetzt oder negativer Quittierung</translation>
    </message>
    <message>
        <source>Allow rings 0. This is used to only send mini messages</source>
        <translation>Rufanzahl 0 zulassen. Damit werden nur Kurznachrichten gesendet</translation>
    </message>
    <message>
        <source>Settings for parallel alarming</source>
        <translation>Einstellungen für parallele Alarmierung</translation>
    </message>
</context>
<context>
    <name>PersonnelSettings</name>
    <message>
        <source>Phonetype INT:
Internal call with no prefix</source>
        <translation>Telefontyp INT:
Interner Ruf ohne Vorwahl</translation>
    </message>
    <message>
        <source>Phonetype EXT:
External call with prefix</source>
        <translation>Telefontyp EXT:
Externer Ruf mit Vorwahl</translation>
    </message>
    <message>
        <source>Phonetype GSM:
External call for mobiles with prefix</source>
        <translation>Telefontyp GSM:
Externer Ruf zu Mobiltelefonen mit Vorwahl</translation>
    </message>
    <message>
        <source>Phonetype DCT:
Internal call for DECT with no prefix</source>
        <translation>Telefontyp DCT:
Interner Ruf zu DECT-Telefonen ohne Vorwahl</translation>
    </message>
    <message>
        <source>Phonetype SMS:
Sends alarmmessage as SMS to the defined mobile-number. (Additional modem required)</source>
        <translation>Telefontyp SMS:
Sendet die Alarmmeldung als SMS an die angegebene Mobilnummer. (Zusätzliches Modem erforderlich)</translation>
    </message>
    <message>
        <source>Phonetype PAG:
Sends alarmmessage to the defined alphanumeric pager. (Additional modem required)</source>
        <translation>Telefontyp PAG:
Sendet die Alarmmeldung an den angegebenen alphanumerischen Pager. (Zusätzliches Modem erforderlich)</translation>
    </message>
    <message>
        <source>Phonetype PNR:
Sends callback-number to the defined numeric pager over the phone lines. (No modem required)</source>
        <translation>Telefontyp PNR:
Sendet die Rückrufnummer über die Telefonleitungen an den angegebenen numerischen Pager. (Kein Modem erforderlich)</translation>
    </message>
    <message>
        <source>Phonetype FAX:
Sends a fax to the defined faxnumber. (Requires fax resources)</source>
        <translation>Telefontyp FAX:
Sendet ein Fax an die angegebene Faxnummer. (Fax-Ressourcen erforderlich)</translation>
    </message>
    <message>
        <source>Phonetype -@-:
Sends alarmmessage as e-mail to the address defined in the phoneumber field. (Tellmark needs to be connected to the network with access to the mailserver)</source>
        <translation>Telefontyp -@-:
Sendet die Alarmmeldung als E-Mail an die im Feld Telefonnummer angegebene Adresse. (Tellmark muss mit dem Netzwerk verbunden sein und Zugriff auf den Mailserver haben)</translation>
    </message>
    <message>
        <source>Phonetype ALR:
Starts additional alarm with the alarmnumber defined in the phonenumer field</source>
        <translation>Telefontyp ALR:
Startet einen weiteren Alarm mit der im Feld Telefonnummer angegebenen Alarmnummer</translation>
    </message>
    <message>
        <source>Phonetype CCX:
Closes a contact on the contact controller
In the phonenumber filed the boxnumber, contact and durration have to be defined.
Example: B1C1T5 for box 1, contact 1 to set contact for 5 seconds or
B1C1S for box 1, contact 1 to set contact on or
B1C1R for box 1, contact 1 to reset contact.</source>
        <translation>Telefontyp CCX:
Schließt einen Kontakt am Kontaktsteuergerät
Im Feld Telefonnummer müssen Boxnummer, Kontakt und Dauer angegeben werden.
Beispiel: B1C1T5 für Box 1, Kontakt 1, Kontakt für 5 Sekunden setzen oder
B1C1S für Box 1, Kontakt 1, Kontakt einschalten oder
B1C1R für Box 1, Kontakt 1, Kontakt zurücksetzen.</translation>
    </message>
    <message>
        <source>Phonetype SCH:
Checks the schedule- / weekplan defined under the phonenumber and uses the phonenumber returned from the plan. If no extension is specified, the scheduleplan is cheched first and then the weekplan. The new phonenumber to use, must be defined in the action from the plan.</source>
        <translation>Telefontyp SCH:
Prüft den unter der Telefonnummer angegebenen Jahres- / Wochenplan und verwendet die vom Plan gelieferte Telefonnummer. Ist keine Endung angegeben, wird zuerst der Jahresplan und dann der Wochenplan geprüft. Die neue Telefonnummer muss in der Aktion des Plans angegeben sein.</translation>
    </message>
    <message>
        <source>Phonetype PRG:
Starts the kxe-module, bat or exe program which is defined in the phonenumber field.</source>
        <translation>Telefontyp PRG:
Startet das im Feld Telefonnummer angegebene kxe-Modul, bat- oder exe-Programm.</translation>
    </message>
    <message>
        <source>Phonetype CPY:
Copies the alarmmessage to the defined mailbox. ( Voice Mail required )</source>
        <translation>Telefontyp CPY:
Kopiert die Alarmmeldung in die angegebene Mailbox. ( Voice-Mail erforderlich )</translation>
    </message>
    <message>
        <source>Phonetype CPS:
Copies a scheduleplan</source>
        <translation>Telefontyp CPS:
Kopiert einen Jahresplan</translation>
    </message>
    <message>
        <source>Phonetype BCT:
Broadcast to client console by network on defined port. ( Special client program is requierd )</source>
        <translation>Telefontyp BCT:
Rundruf an die Client-Konsole über das Netzwerk auf dem angegebenen Port. ( Spezielles Client-Programm erforderlich )</translation>
    </message>
    <message>
        <source>Phonetype BCA:
Broadcast to internal phones with automatic activation of the phone-loudspeaker.</source>
        <translation>Telefontyp BCA:
Rundruf an interne Telefone mit automatischem Einschalten des Telefonlautsprechers.</translation>
    </message>
    <message>
        <source>Phonetype BCD:
Sends alarmmessage to phones and DECT&apos;s. (Requires kxabcd.exe or kxatas.exe program and a Asotel PABX )</source>
        <translation>Telefontyp BCD:
Sendet die Alarmmeldung an Telefone und DECT-Geräte. (Erfordert das Programm kxabcd.exe oder kxatas.exe und eine Asotel-TK-Anlage )</translation>
    </message>
    <message>
        <source>Phonetype TTR:
Sends alarmmessage to a TETRA mobilephone.</source>
        <translation>Telefontyp TTR:
Sendet die Alarmmeldung an ein TETRA-Mobiltelefon.</translation>
    </message>
    <message>
        <source>Phonetype DA4:
Sends alarmmessage by DA4 to DECT</source>
        <translation>Telefontyp DA4:
Sendet die Alarmmeldung über DA4 an DECT</translation>
    </message>
    <message>
        <source>Phonetype MSI:
Call to a MSI local phone. (MSI board required)</source>
        <translation>Telefontyp MSI:
Ruf an ein lokales MSI-Telefon. (MSI-Karte erforderlich)</translation>
    </message>
    <message>
        <source>Phonetype VIP:
Calls number over a voice over IP connection. ( Voip board required)</source>
        <translation>Telefontyp VIP:
Ruft die Nummer über eine Voice-over-IP-Verbindung an. ( VoIP-Karte erforderlich)</translation>
    </message>
    <message>
        <source>Phonetype DMS:
Sends alarmmessage to a Philips DECT. The message is sent over a socket-connection to the DMS API.</source>
        <translation>Telefontyp DMS:
Sendet die Alarmmeldung an ein Philips-DECT. Die Meldung wird über eine Socket-Verbindung an die DMS-API gesendet.</translation>
    </message>
    <message>
        <source>Phonetype POP:
Starts Popup on client computer if the client is registered. The registered phonenumber or the ip-address of the client computer must be specified in the phonenumber field of the person. (Requires Quillon Popup server and client)</source>
        <translation>Telefontyp POP:
Öffnet ein Popup auf dem Client-Rechner, wenn der Client angemeldet ist. Die angemeldete Telefonnummer oder die IP-Adresse des Client-Rechners muss im Feld Telefonnummer der Person stehen. (Erfordert Quillon Popup-Server und -Client)</translation>
    </message>
    <message>
        <source>Phonetype OXO:
Sets message in Omni Office over the network and gets the ownnumber to use for this alarm, to show message on display.</source>
        <translation>Telefontyp OXO:
Setzt die Meldung über das Netzwerk in Omni Office und holt die eigene Nummer für diesen Alarm, um die Meldung im Display anzuzeigen.</translation>
    </message>
    <message>
        <source>Phonetype MMS:
Sends MMS to mobile phone.</source>
        <translation>Telefontyp MMS:
Sendet eine MMS an ein Mobiltelefon.</translation>
    </message>
    <message>
        <source>Phonetype A9D:
Sends alarmmessage by Ascom 9D to DECT. The program Kxaespa.exe needs to be running to send messages.</source>
        <translation>Telefontyp A9D:
Sendet die Alarmmeldung über Ascom 9D an DECT. Zum Senden muss das Programm Kxaespa.exe laufen.</translation>
    </message>
    <message>
        <source>Phonetype ER1:
Sends Alarmmessage to Ericsson DECT. This type only sends the first 12 chars of the message to the DECT. ( For example DECT DT570 )</source>
        <translation>Telefontyp ER1:
Sendet die Alarmmeldung an ein Ericsson-DECT. Dieser Typ sendet nur die ersten 12 Zeichen der Meldung an das DECT. ( Zum Beispiel DECT DT570 )</translation>
    </message>
    <message>
        <source>Phonetype ER2:
Sends Alarmmessage to Ericsson DECT. This type sends the first 24 chars of the message to the DECT. ( For example DECT DT420 )</source>
        <translation>Telefontyp ER2:
Sendet die Alarmmeldung an ein Ericsson-DECT. Dieser Typ sendet die ersten 24 Zeichen der Meldung an das DECT. ( Zum Beispiel DECT DT420 )</translation>
    </message>
    <message>
        <source>Phonetype PSA:
Send alarm-message to PSA.</source>
        <translation>Telefontyp PSA:
Sendet die Alarmmeldung an PSA.</translation>
    </message>
    <message>
        <source>Phonetype XML:
Send alarm-message to ip phone defined under phonenumber by XML.</source>
        <translation>Telefontyp XML:
Sendet die Alarmmeldung per XML an das unter der Telefonnummer angegebene IP-Telefon.</translation>
    </message>
    <message>
        <source>Phonetype OCP:
 Send alarm-message as page to internal phones for opencom PABX. The module kxgdx.dll needs to be running.</source>
        <translation>Telefontyp OCP:
 Sendet die Alarmmeldung als Durchsage an interne Telefone einer opencom-TK-Anlage. Das Modul kxgdx.dll muss laufen.</translation>
    </message>
    <message>
        <source>Phonetype TRP:
Sends alarm-message as SNMP Trap to  IP-Address defined in the phonenumber field. For this phonetype the program kxsendtrap.cmd needs to running.</source>
        <translation>Telefontyp TRP:
Sendet die Alarmmeldung als SNMP-Trap an die  im Feld Telefonnummer angegebene IP-Adresse. Für diesen Telefontyp muss das Programm kxsendtrap.cmd laufen.</translation>
    </message>
    <message>
        <source>Alcatel notification server
Send alarmmessage over CSTA to phone.</source>
        <translation>Alcatel Notification Server
Sendet die Alarmmeldung über CSTA an das Telefon.</translation>
    </message>
    <message>
        <source>Send alarmmessage to pager by kxaespa program. The program kxaespa.exe needs to be running and connected by ESPA 4.4.4 interface to a paging system.</source>
        <translation>Sendet die Alarmmeldung über das Programm kxaespa an einen Pager. Das Programm kxaespa.exe muss laufen und über die Schnittstelle ESPA 4.4.4 mit einer Personensuchanlage verbunden sein.</translation>
    </message>
    <message>
        <source>Phonetype SNP:
Sends message to DECT over Merdian message server by SNPP protocol.</source>
        <translation>Telefontyp SNP:
Sendet die Meldung über den Meridian-Message-Server mit dem SNPP-Protokoll an DECT.</translation>
    </message>
    <message>
        <source>Send wap alarm link to mobile phone.</source>
        <translation>Sendet einen WAP-Alarmlink an ein Mobiltelefon.</translation>
    </message>
    <message>
        <source>Activate assignment of a queue for phonestypes.</source>
        <translation>Zuordnung einer Warteschlange zu Telefontypen aktivieren.</translation>
    </message>
    <message>
        <source>For internal ( INT) calls use </source>
        <translation>Für interne ( INT) Rufe verwenden </translation>
    </message>
    <message>
        <source>For external ( EXT) calls use </source>
        <translation>Für externe ( EXT) Rufe verwenden </translation>
    </message>
    <message>
        <source>For external calls to mobiles ( GSM ) use </source>
        <translation>Für externe Rufe zu Mobiltelefonen ( GSM ) verwenden </translation>
    </message>
    <message>
        <source>For internal calls to DECT&apos;s ( DCT ) use </source>
        <translation>Für interne Rufe zu DECT-Telefonen ( DCT ) verwenden </translation>
    </message>
    <message>
        <source>Activate groups in group function so that existing groups can be included in groups</source>
        <translation>Gruppen in Gruppen aktivieren, damit bestehende Gruppen in Gruppen aufgenommen werden können</translation>
    </message>
    <message>
        <source>Maximum number of groups:</source>
        <translation>Maximale Anzahl Gruppen:</translation>
    </message>
    <message>
        <source>Maximum number of persons:</source>
        <translation>Maximale Anzahl Personen:</translation>
    </message>
    <message>
        <source>Number of available phonenumbers for a person:</source>
        <translation>Anzahl verfügbarer Telefonnummern pro Person:</translation>
    </message>
    <message>
        <source>Activate function for more then one jobentry ( BCD, A9D, ERI, ...) per person</source>
        <translation>Funktion für mehr als einen Auftragseintrag ( BCD, A9D, ERI, ...) pro Person aktivieren</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Special type</source>
        <translation>Spezialtyp</translation>
    </message>
    <message>
        <source>The number of phonenumbers for a person &apos;%1&apos; should be between 1 and 4 !</source>
        <translation>Die Anzahl der Telefonnummern pro Person &apos;%1&apos; sollte zwischen 1 und 4 liegen !</translation>
    </message>
    <message>
        <source>Settings for personnel editor</source>
        <translation>Einstellungen für den Personaleditor</translation>
    </message>
</context>
<context>
    <name>PersonnelSettingsDialog</name>
    <message>
        <source>Phone types</source>
        <translation>Telefontypen</translation>
    </message>
    <message>
        <source>Activated</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Deactivated</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Info:</source>
        <translation>Info:</translation>
    </message>
    <message>
        <source>Post queues</source>
        <translation>Warteschlangen</translation>
    </message>
    <message>
        <source>Configure which lines are in which queues</source>
        <translation>Festlegen, welche Leitungen zu welcher Warteschlange gehören</translation>
    </message>
    <message>
        <source>Add special phonetypes for postqueues</source>
        <translation>Spezielle Telefontypen für Warteschlangen hinzufügen</translation>
    </message>
    <message>
        <source>( Only 2 digit group numbers are supported )</source>
        <translation>( Nur 2-stellige Gruppennummern werden unterstützt )</translation>
    </message>
</context>
<context>
    <name>PersonsImport</name>
    <message>
        <source>Error while adding the alarms !
The database could not be opened.</source>
        <translation>Fehler beim Hinzufügen der Alarme !
Die Datenbank konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The persons table %1 cannot be written: %2</source>
        <translation>Die Personentabelle %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>it is read-only.</source>
        <translation>sie ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>the index %1 beside it would not be kept up to date.</source>
        <translation>der Index %1 daneben würde nicht mitgeführt.</translation>
    </message>
    <message>
        <source>it has no field %1.</source>
        <translation>sie hat kein Feld %1.</translation>
    </message>
    <message>
        <source>the line has a value in column %1; a person has four columns at most (Name;Telnumber;Type;Department).</source>
        <translation>die Zeile hat einen Wert in Spalte %1; eine Person hat höchstens vier Spalten (Name;Telefonnummer;Typ;Abteilung).</translation>
    </message>
    <message>
        <source>the line has no name, telephone number or type and was skipped.</source>
        <translation>die Zeile hat keinen Namen, keine Telefonnummer oder keinen Typ und wurde übersprungen.</translation>
    </message>
    <message>
        <source>the value &apos;%1&apos; is longer than the field %2 and was cut.</source>
        <translation>der Wert &apos;%1&apos; ist länger als das Feld %2 und wurde gekürzt.</translation>
    </message>
    <message>
        <source>the person could not be written into record %1: %2</source>
        <translation>die Person konnte nicht in Datensatz %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The import stopped here; %1 persons were written before.</source>
        <translation>Der Import wurde hier abgebrochen; %1 Personen waren bereits geschrieben.</translation>
    </message>
</context>
<context>
    <name>PlanDisplay</name>
    <message>
        <source>Default action </source>
        <translation>Standardaktion </translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
</context>
<context>
    <name>PlanFiles</name>
    <message>
        <source>Please enter a valid schedule-number for the plan !
The number must be between 10 and 9999.</source>
        <translation>Bitte geben Sie eine gültige Plannummer ein !
Die Nummer muss zwischen 10 und 9999 liegen.</translation>
    </message>
    <message>
        <source>The plan &apos;%1&apos; already exists for this number !
Please use another number.</source>
        <translation>Der Plan &apos;%1&apos; existiert für diese Nummer bereits !
Bitte verwenden Sie eine andere Nummer.</translation>
    </message>
    <message>
        <source>The plan &apos;%1&apos; could not be created !
%2</source>
        <translation>Der Plan &apos;%1&apos; konnte nicht angelegt werden !
%2</translation>
    </message>
</context>
<context>
    <name>PlanList</name>
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
</context>
<context>
    <name>PlanSelection</name>
    <message>
        <source>Please select a schedule- and/or weekplan first!</source>
        <translation>Bitte wählen Sie zuerst einen Jahres- und/oder Wochenplan!</translation>
    </message>
    <message>
        <source>The type of the alarm scheduleplan is not offset !
Alarm-in scheduleplans only support the the offset. (Group and Alarmkey are not supported)</source>
        <translation>Der Typ des Alarm-Jahresplans ist nicht Offset !
Alarmeingangspläne unterstützen nur den Offset. (Gruppe und Alarmnummer werden nicht unterstützt)</translation>
    </message>
    <message>
        <source>Key %1 is not an alarm-in.</source>
        <translation>Nummer %1 ist kein Alarmeingang.</translation>
    </message>
</context>
<context>
    <name>PlayActiveAlarmsPage</name>
    <message>
        <source>Play all active alarms</source>
        <translation>Alle aktiven Alarme abspielen</translation>
    </message>
    <message>
        <source>Play all active alarms from the number </source>
        <translation>Alle aktiven Alarme abspielen von der Nummer </translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Please enter the first number of the alarms to play (1 or higher) !</source>
        <translation>Bitte geben Sie die erste Nummer der abzuspielenden Alarme ein (1 oder höher) !</translation>
    </message>
    <message>
        <source>The first number %1 is higher than the last number %2 of the alarms to play !</source>
        <translation>Die erste Nummer %1 ist größer als die letzte Nummer %2 der abzuspielenden Alarme !</translation>
    </message>
</context>
<context>
    <name>PlayAlarmMessagePage</name>
    <message>
        <source>Play the alarm message of the alarm:</source>
        <translation>Alarmmeldung dieses Alarms abspielen:</translation>
    </message>
    <message>
        <source>Play the alarm message as long as the alarm status is ON</source>
        <translation>Alarmmeldung abspielen, solange der Alarm aktiv ist</translation>
    </message>
    <message>
        <source>Play the alarm message during</source>
        <translation>Alarmmeldung abspielen noch</translation>
    </message>
    <message>
        <source>minutes longer then the alarm has been launched</source>
        <translation>Minuten länger, als der Alarm ausgelöst wurde</translation>
    </message>
    <message>
        <source>Play the last alarm message of this alarm number</source>
        <translation>Letzte Alarmmeldung dieser Alarmnummer abspielen</translation>
    </message>
</context>
<context>
    <name>PostQueues</name>
    <message>
        <source>Standard queue</source>
        <translation>Standard-Warteschlange</translation>
    </message>
    <message>
        <source>Postqueue %d  ( lines %d to %d ) </source>
        <translation>Warteschlange %d  ( Leitungen %d bis %d ) </translation>
    </message>
    <message>
        <source>Postqueue %d  not existent</source>
        <translation>Warteschlange %d  nicht vorhanden</translation>
    </message>
    <message>
        <source>Error ! The selected postqueue %1 does not exist !
Would you like to create the postqueue now ?</source>
        <translation>Fehler ! Die gewählte Warteschlange %1 existiert nicht !
Möchten Sie die Warteschlange jetzt anlegen ?</translation>
    </message>
    <message>
        <source>The selected postque %1,will be set to the standard queue.</source>
        <translation>Die gewählte Warteschlange %1 wird auf die Standard-Warteschlange gesetzt.</translation>
    </message>
    <message>
        <source>The postqueue table %1 exists but cannot be opened: %2
Nothing was saved.</source>
        <translation>Die Warteschlangentabelle %1 ist vorhanden, kann aber nicht geöffnet werden: %2
Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>The postqueue could not be created from %1: %2</source>
        <translation>Die Warteschlange konnte nicht aus %1 angelegt werden: %2</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2
The postqueue is used nevertheless.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden: %2
Die Warteschlange wird trotzdem verwendet.</translation>
    </message>
</context>
<context>
    <name>PrintoutJob</name>
    <message>
        <source>The printer did not accept page %d. The printout was aborted.</source>
        <translation>Der Drucker hat Seite %d nicht angenommen. Der Ausdruck wurde abgebrochen.</translation>
    </message>
</context>
<context>
    <name>PrintoutRenderer</name>
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
        <source>Grp</source>
        <translation>Grp</translation>
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
        <source>Group: %1</source>
        <translation>Gruppe: %1</translation>
    </message>
    <message>
        <source>Printout of group continues on next page.</source>
        <translation>Ausdruck der Gruppe wird auf der nächsten Seite fortgesetzt.</translation>
    </message>
    <message>
        <source>Page %d of %d</source>
        <translation>Seite %d von %d</translation>
    </message>
</context>
<context>
    <name>ProgramStart</name>
    <message>
        <source>The program %1 could not be started:
%2</source>
        <translation>Das Programm %1 konnte nicht gestartet werden:
%2</translation>
    </message>
    <message>
        <source>The text editor could not be started for %1:
%2</source>
        <translation>Der Texteditor konnte für %1 nicht gestartet werden:
%2</translation>
    </message>
</context>
<context>
    <name>QueueTypeSettings</name>
    <message>
        <source>Add special phonetype in personnel editor for postqueue %d</source>
        <translation>Speziellen Telefontyp im Personaleditor für Warteschlange %d hinzufügen</translation>
    </message>
    <message>
        <source>Settings for special postqueue types</source>
        <translation>Einstellungen für spezielle Warteschlangentypen</translation>
    </message>
</context>
<context>
    <name>QueueTypeSettingsDialog</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>RecordFaxPage</name>
    <message>
        <source>Password to record fax messages:</source>
        <translation>Passwort zum Aufnehmen von Faxnachrichten:</translation>
    </message>
    <message>
        <source>Send the recorded fax message for verification to the number </source>
        <translation>Die aufgenommene Faxnachricht zur Prüfung senden an die Nummer </translation>
    </message>
</context>
<context>
    <name>RecordMessagesPage</name>
    <message>
        <source>Password to record alarm messages</source>
        <translation>Passwort zum Aufnehmen von Alarmmeldungen</translation>
    </message>
</context>
<context>
    <name>RecordedConferencesPage</name>
    <message>
        <source>Play the conferences of a phone number to enter</source>
        <translation>Konferenzen einer einzugebenden Rufnummer abspielen</translation>
    </message>
    <message>
        <source>Play the conferences of the caller</source>
        <translation>Konferenzen des Anrufers abspielen</translation>
    </message>
    <message>
        <source>Play the very last conference of the system</source>
        <translation>Allerletzte Konferenz des Systems abspielen</translation>
    </message>
    <message>
        <source>Play the conferences of a date and time to enter</source>
        <translation>Konferenzen eines einzugebenden Datums und einer Uhrzeit abspielen</translation>
    </message>
    <message>
        <source>Number of digits of the phone number to enter:</source>
        <translation>Anzahl der Ziffern der einzugebenden Rufnummer:</translation>
    </message>
    <message>
        <source>Maximal number of recorded conferences to play:</source>
        <translation>Maximale Anzahl abzuspielender aufgezeichneter Konferenzen:</translation>
    </message>
    <message>
        <source>Show the phone number of the caller, which initiated the conference, on the display</source>
        <translation>Rufnummer des Anrufers, der die Konferenz gestartet hat, im Display anzeigen</translation>
    </message>
</context>
<context>
    <name>RoomSurveillancePage</name>
    <message>
        <source>Start conference on volume detection:</source>
        <translation>Konferenz bei Geräuscherkennung starten:</translation>
    </message>
    <message>
        <source>No conferences found to start</source>
        <translation>Keine Konferenzen zum Starten gefunden</translation>
    </message>
</context>
<context>
    <name>SelectLines</name>
    <message>
        <source>Lines to check:</source>
        <translation>Zu prüfende Leitungen:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a line. Please give line numbers from 1 to 60, separated by &quot;,&quot;.</source>
        <translation>„%1“ ist keine Leitung. Bitte Leitungsnummern von 1 bis 60 angeben, getrennt durch „,“.</translation>
    </message>
    <message>
        <source>Select lines</source>
        <translation>Leitungen auswählen</translation>
    </message>
</context>
<context>
    <name>SelectLinesDialog</name>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
</context>
<context>
    <name>SelectPlanDialog</name>
    <message>
        <source>Select plan</source>
        <translation>Plan auswählen</translation>
    </message>
    <message>
        <source>Select sched- and weekplan for alarm-in</source>
        <translation>Jahres- und Wochenplan für Alarmeingang auswählen</translation>
    </message>
    <message>
        <source>Use alarm-in schedule plans:</source>
        <translation>Zeitpläne der Alarmeingänge verwenden:</translation>
    </message>
    <message>
        <source>Use alarm schedule plans:</source>
        <translation>Zeitpläne der Alarme verwenden:</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Only alarm schedule- and weekplans with an offset are supported !</source>
        <translation>Nur Jahres- und Wochenpläne von Alarmen mit Offset werden unterstützt !</translation>
    </message>
    <message>
        <source>Weekplan:</source>
        <translation>Wochenplan:</translation>
    </message>
    <message>
        <source>Schedplan:</source>
        <translation>Jahresplan:</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Refresh schedule and weekplans list</source>
        <translation>Liste der Jahres- und Wochenpläne aktualisieren</translation>
    </message>
</context>
<context>
    <name>SequentialSettings</name>
    <message>
        <source>Wait for a call back on sms or pager call, in seconds:</source>
        <translation>Auf Rückruf nach SMS- oder Pager-Ruf warten, in Sekunden:</translation>
    </message>
    <message>
        <source>Dial next number of person on no answer, busy, negative confirmation or answer if confirmation is active.</source>
        <translation>Nächste Nummer der Person wählen bei keiner Antwort, besetzt, negativer Quittierung oder Antwort, wenn die Quittierung aktiv ist.</translation>
    </message>
    <message>
        <source>Settings for sequential alarming</source>
        <translation>Einstellungen für sequentielle Alarmierung</translation>
    </message>
</context>
<context>
    <name>SequentialSettingsDialog</name>
    <message>
        <source>Settings for serial alarming</source>
        <translation>Einstellungen für serielle Alarmierung</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
</context>
<context>
    <name>ServerWatch</name>
    <message>
        <source>IP address:</source>
        <translation>IP-Adresse:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Kommentar:</translation>
    </message>
    <message>
        <source>The ip address must not contain a blank or a backslash.</source>
        <translation>Die IP-Adresse darf kein Leerzeichen und keinen Backslash enthalten.</translation>
    </message>
    <message>
        <source>Server / Network watcher</source>
        <translation>Server- / Netzwerküberwachung</translation>
    </message>
    <message>
        <source>If the IP address does not respond to a ping, the alarm %1 is started.</source>
        <translation>Wenn die IP-Adresse nicht auf einen Ping antwortet, wird der Alarm %1 gestartet.</translation>
    </message>
</context>
<context>
    <name>ServerWatchDialog</name>
    <message>
        <source>General settings</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
</context>
<context>
    <name>ServiceWatch</name>
    <message>
        <source>Service</source>
        <translation>Dienst</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Prozess</translation>
    </message>
    <message>
        <source>Remote system</source>
        <translation>Entferntes System</translation>
    </message>
    <message>
        <source>Local system</source>
        <translation>Lokales System</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-Adresse:</translation>
    </message>
    <message>
        <source>Login:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Kommentar:</translation>
    </message>
    <message>
        <source>Show services or processes</source>
        <translation>Dienste oder Prozesse anzeigen</translation>
    </message>
    <message>
        <source>The ip address must not contain a blank or a backslash.</source>
        <translation>Die IP-Adresse darf kein Leerzeichen und keinen Backslash enthalten.</translation>
    </message>
    <message>
        <source>The name of the service or process must not contain a blank or a backslash.</source>
        <translation>Der Name des Dienstes oder Prozesses darf kein Leerzeichen und keinen Backslash enthalten.</translation>
    </message>
    <message>
        <source>The script %1 could not be created:
%2</source>
        <translation>Das Skript %1 konnte nicht angelegt werden:
%2</translation>
    </message>
    <message>
        <source>Service and process watcher</source>
        <translation>Dienst- und Prozessüberwachung</translation>
    </message>
    <message>
        <source>The alarm %1 is started, if the specified service or process is not running</source>
        <translation>Der Alarm %1 wird gestartet, wenn der angegebene Dienst oder Prozess nicht läuft</translation>
    </message>
</context>
<context>
    <name>ServiceWatchDialog</name>
    <message>
        <source>Only specify the name of the process without a path or extension</source>
        <translation>Nur den Namen des Prozesses ohne Pfad und Endung angeben</translation>
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
    <message>
        <source>The value of &quot;%1&quot; must lie in the range %2.</source>
        <translation>Der Wert von &quot;%1&quot; muss im Bereich %2 liegen.</translation>
    </message>
</context>
<context>
    <name>SlaveAlarmStart</name>
    <message>
        <source>Start selected alarms on slave server if the alarm is started on master.</source>
        <translation>Ausgewählte Alarme auf dem Slave-Server starten, wenn der Alarm auf dem Master gestartet wird.</translation>
    </message>
    <message>
        <source>Slave IP-Address</source>
        <translation>Slave-IP-Adresse</translation>
    </message>
    <message>
        <source>Slave Port</source>
        <translation>Slave-Port</translation>
    </message>
    <message>
        <source>Max retries for socket-connection</source>
        <translation>Max. Versuche für die Socket-Verbindung</translation>
    </message>
    <message>
        <source>Do not start the alarm on the slave if the master alarm is started as a 2nd alarm
This can be use for example in evacuation sequences</source>
        <translation>Den Alarm nicht auf dem Slave starten, wenn der Master-Alarm als 2. Alarm gestartet wird
Dies kann z. B. in Evakuierungssequenzen verwendet werden</translation>
    </message>
    <message>
        <source>Start listed alarms on slave server</source>
        <translation>Aufgeführte Alarme auf dem Slave-Server starten</translation>
    </message>
    <message>
        <source>The port &apos;%1&apos; should be between 1 and 65535 !</source>
        <translation>Der Port &apos;%1&apos; sollte zwischen 1 und 65535 liegen !</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an alarm of the list.</source>
        <translation>„%1“ ist kein Alarm der Liste.</translation>
    </message>
    <message>
        <source>Slave alarmstart settings</source>
        <translation>Einstellungen für den Alarmstart auf dem Slave</translation>
    </message>
</context>
<context>
    <name>SlaveAlarmStartDialog</name>
    <message>
        <source>Do not start alarm on slave server</source>
        <translation>Alarm nicht auf dem Slave-Server starten</translation>
    </message>
</context>
<context>
    <name>SupervisionOverview</name>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Supervison overview</source>
        <translation>Überwachungsübersicht</translation>
    </message>
    <message>
        <source>DDI</source>
        <translation>DDI</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Launch alarm</source>
        <translation>Alarm auslösen</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Last call</source>
        <translation>Letzter Anruf</translation>
    </message>
    <message>
        <source>Last alarm</source>
        <translation>Letzter Alarm</translation>
    </message>
</context>
<context>
    <name>TtsSettings</name>
    <message>
        <source>Acivate dynamic alarmmessage generation with Text To Speech.
The TTS Program from SVOX or Loquendo is needed for this function.</source>
        <translation>Dynamische Erzeugung von Alarmmeldungen mit Text To Speech aktivieren.
Für diese Funktion wird das TTS-Programm von SVOX oder Loquendo benötigt.</translation>
    </message>
    <message>
        <source>Specify an alarmmessage where the dynamic message generation is active</source>
        <translation>Alarmmeldungen angeben, für die die dynamische Meldungserzeugung aktiv ist</translation>
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
        <source>Wait for alarm-wavefile to be generate, before continueing with the alarm</source>
        <translation>Vor dem Fortsetzen des Alarms warten, bis die Alarm-Wavedatei erzeugt ist</translation>
    </message>
    <message>
        <source>Do not generate an alarm-message if an alarmmessage already exists for the alarm</source>
        <translation>Keine Alarmmeldung erzeugen, wenn für den Alarm bereits eine Alarmmeldung existiert</translation>
    </message>
    <message>
        <source>Dynamic alarmmessage TTS settings</source>
        <translation>Einstellungen für dynamische TTS-Alarmmeldungen</translation>
    </message>
</context>
<context>
    <name>WatchOrder</name>
    <message>
        <source>The watch order does not fit into the comment of the alarm, which holds at most %1 characters. Please shorten it.</source>
        <translation>Der Überwachungsauftrag passt nicht in den Kommentar des Alarms, der höchstens %1 Zeichen fasst. Bitte kürzen Sie ihn.</translation>
    </message>
    <message>
        <source>The comment must stay on one line.</source>
        <translation>Der Kommentar muss in einer Zeile bleiben.</translation>
    </message>
</context>
<context>
    <name>WatchdogAlarm</name>
    <message>
        <source>Watch-dog alarm is started by an application</source>
        <translation>Der Watchdog-Alarm wird von einer Anwendung gestartet</translation>
    </message>
    <message>
        <source>Watch-dog alarm is started if the watchdog event was not set during the specified time. </source>
        <translation>Der Watchdog-Alarm wird gestartet, wenn das Watchdog-Ereignis in der angegebenen Zeit nicht gesetzt wurde. </translation>
    </message>
    <message>
        <source>Watchdog event must be set within (minutes):</source>
        <translation>Das Watchdog-Ereignis muss gesetzt werden innerhalb von (Minuten):</translation>
    </message>
    <message>
        <source>After the alarm, do not start it again for (minutes):</source>
        <translation>Nach dem Alarm diesen nicht erneut starten für (Minuten):</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Kommentar:</translation>
    </message>
    <message>
        <source>Last watchdog event:</source>
        <translation>Letztes Watchdog-Ereignis:</translation>
    </message>
    <message>
        <source>Last alarm:</source>
        <translation>Letzter Alarm:</translation>
    </message>
    <message>
        <source>The watchdog interval %1 should be between 0 and 9999999 minutes !</source>
        <translation>Das Watchdog-Intervall %1 sollte zwischen 0 und 9999999 Minuten liegen !</translation>
    </message>
    <message>
        <source>The watchdog order &quot;%1&quot; does not fit into the alarm comment, which holds at most %2 characters.</source>
        <translation>Der Watchdog-Auftrag &quot;%1&quot; passt nicht in den Alarmkommentar, der höchstens %2 Zeichen aufnimmt.</translation>
    </message>
    <message>
        <source>Watchdog settings</source>
        <translation>Watchdog-Einstellungen</translation>
    </message>
</context>
<context>
    <name>WatchdogBoxSettings</name>
    <message>
        <source>Call number</source>
        <translation>Nummer anrufen</translation>
    </message>
    <message>
        <source>every</source>
        <translation>alle</translation>
    </message>
    <message>
        <source>Start alarm if call was not answered</source>
        <translation>Alarm starten, wenn der Anruf nicht angenommen wurde</translation>
    </message>
    <message>
        <source>Write warning to a file, which is show on the consoles.</source>
        <translation>Warnung in eine Datei schreiben, die auf den Konsolen angezeigt wird.</translation>
    </message>
    <message>
        <source>Warning-message:</source>
        <translation>Warnmeldung:</translation>
    </message>
    <message>
        <source>Send DTMF code after the box answers to confirm call.</source>
        <translation>DTMF-Code senden, nachdem die Box angenommen hat, um den Anruf zu bestätigen.</translation>
    </message>
    <message>
        <source>Wait for DTMF confirmation code from watchdog-box.</source>
        <translation>Auf DTMF-Bestätigungscode der Watchdog-Box warten.</translation>
    </message>
    <message>
        <source>Start alarm if no valid code received</source>
        <translation>Alarm starten, wenn kein gültiger Code empfangen wurde</translation>
    </message>
    <message>
        <source>Test call</source>
        <translation>Testanruf</translation>
    </message>
    <message>
        <source>Logfile</source>
        <translation>Logdatei</translation>
    </message>
    <message>
        <source>The number could not be saved in %1: %2</source>
        <translation>Die Nummer konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 Minuten</translation>
    </message>
    <message>
        <source>20 minutes</source>
        <translation>20 Minuten</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 Minuten</translation>
    </message>
    <message>
        <source>40 minutes</source>
        <translation>40 Minuten</translation>
    </message>
    <message>
        <source>50 minutes</source>
        <translation>50 Minuten</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 Stunden</translation>
    </message>
    <message>
        <source>3 hours</source>
        <translation>3 Stunden</translation>
    </message>
    <message>
        <source>4 hours</source>
        <translation>4 Stunden</translation>
    </message>
    <message>
        <source>5 hours</source>
        <translation>5 Stunden</translation>
    </message>
    <message>
        <source>6 hours</source>
        <translation>6 Stunden</translation>
    </message>
    <message>
        <source>7 hours</source>
        <translation>7 Stunden</translation>
    </message>
    <message>
        <source>8 hours</source>
        <translation>8 Stunden</translation>
    </message>
    <message>
        <source>9 hours</source>
        <translation>9 Stunden</translation>
    </message>
    <message>
        <source>10 hours</source>
        <translation>10 Stunden</translation>
    </message>
    <message>
        <source>11 hours</source>
        <translation>11 Stunden</translation>
    </message>
    <message>
        <source>12 hours</source>
        <translation>12 Stunden</translation>
    </message>
    <message>
        <source>16 hours</source>
        <translation>16 Stunden</translation>
    </message>
    <message>
        <source>20 hours</source>
        <translation>20 Stunden</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 Stunden</translation>
    </message>
    <message>
        <source>36 hours</source>
        <translation>36 Stunden</translation>
    </message>
    <message>
        <source>48 hours</source>
        <translation>48 Stunden</translation>
    </message>
    <message>
        <source>60 hours</source>
        <translation>60 Stunden</translation>
    </message>
    <message>
        <source>72 hours</source>
        <translation>72 Stunden</translation>
    </message>
    <message>
        <source>Watch-dog box settings</source>
        <translation>Watchdog-Box-Einstellungen</translation>
    </message>
</context>
<context>
    <name>WatchdogBoxSettingsDialog</name>
    <message>
        <source>Show weekly watchdog logfile</source>
        <translation>Wöchentliche Watchdog-Logdatei anzeigen</translation>
    </message>
</context>
<context>
    <name>WatcherSettings</name>
    <message>
        <source>First alarmkey to scan from:</source>
        <translation>Erste zu durchsuchende Alarmnummer:</translation>
    </message>
    <message>
        <source>Last alarmkey to scan to:</source>
        <translation>Letzte zu durchsuchende Alarmnummer:</translation>
    </message>
    <message>
        <source>Interval to ping ip-address</source>
        <translation>Intervall für den Ping der IP-Adresse</translation>
    </message>
    <message>
        <source>Interval to check service</source>
        <translation>Intervall für die Prüfung des Dienstes</translation>
    </message>
    <message>
        <source>Wait after alarm was started</source>
        <translation>Wartezeit nach gestartetem Alarm</translation>
    </message>
    <message>
        <source>Please enter digits only: &apos;%1&apos; is not allowed.</source>
        <translation>Bitte nur Ziffern eingeben: &apos;%1&apos; ist nicht erlaubt.</translation>
    </message>
    <message>
        <source>Server / Service / Process watcher settings</source>
        <translation>Einstellungen der Server- / Dienst- / Prozessüberwachung</translation>
    </message>
</context>
<context>
    <name>WatcherSettingsDialog</name>
    <message>
        <source>Server / Network watcher</source>
        <translation>Server- / Netzwerküberwachung</translation>
    </message>
    <message>
        <source>Service and process watcher</source>
        <translation>Dienst- und Prozessüberwachung</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
</context>
<context>
    <name>Whitelist</name>
    <message>
        <source>Key %1 is not an alarm-in.</source>
        <translation>Nummer %1 ist kein Alarmeingang.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the name of a whitelist.</source>
        <translation>„%1“ kann nicht der Name einer Whitelist sein.</translation>
    </message>
    <message>
        <source>The name of a whitelist cannot contain [ or ] or control characters.</source>
        <translation>Der Name einer Whitelist darf weder [ noch ] noch Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>The name of a whitelist may have at most %1 characters.</source>
        <translation>Der Name einer Whitelist darf höchstens %1 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>A phone number cannot contain control characters.</source>
        <translation>Eine Rufnummer darf keine Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>A phone number may have at most %1 characters.</source>
        <translation>Eine Rufnummer darf höchstens %1 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>A whitelist holds at most %1 numbers.</source>
        <translation>Eine Whitelist enthält höchstens %1 Nummern.</translation>
    </message>
    <message>
        <source>The number %1 is not in the whitelist.</source>
        <translation>Die Nummer %1 steht nicht in der Whitelist.</translation>
    </message>
    <message>
        <source>No whitelist can be added: all %1 places for whitelists are in use. Delete one first.</source>
        <translation>Es kann keine Whitelist hinzugefügt werden: alle %1 Plätze für Whitelists sind belegt. Löschen Sie zuerst eine.</translation>
    </message>
    <message>
        <source>Please choose the whitelist to delete first.</source>
        <translation>Bitte wählen Sie zuerst die zu löschende Whitelist.</translation>
    </message>
    <message>
        <source>The whitelist &quot;%1&quot; is also used by these alarms-in:
%2
After deleting it they use no whitelist. Delete it?</source>
        <translation>Die Whitelist „%1“ wird auch von diesen Alarmeingängen verwendet:
%2
Nach dem Löschen verwenden sie keine Whitelist. Löschen?</translation>
    </message>
</context>
<context>
    <name>WhitelistDialog</name>
    <message>
        <source>Settings for whitelist</source>
        <translation>Einstellungen für Whitelist</translation>
    </message>
    <message>
        <source>Use whiltelist:</source>
        <translation>Whitelist verwenden:</translation>
    </message>
    <message>
        <source>Only these phonenumbers can launch an alarm:</source>
        <translation>Nur diese Rufnummern können einen Alarm auslösen:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Add number</source>
        <translation>Nummer hinzufügen</translation>
    </message>
    <message>
        <source>Delete number</source>
        <translation>Nummer löschen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The text &quot;%1&quot; holds characters that cannot be stored.</source>
        <translation>Der Text „%1“ enthält Zeichen, die nicht gespeichert werden können.</translation>
    </message>
</context>
<context>
    <name>XmlSettings</name>
    <message>
        <source>Active XML alarmsettings</source>
        <translation>XML-Alarmeinstellungen aktiv</translation>
    </message>
    <message>
        <source>XML for Cisco phones</source>
        <translation>XML für Cisco-Telefone</translation>
    </message>
    <message>
        <source>XML for Alcatel phones</source>
        <translation>XML für Alcatel-Telefone</translation>
    </message>
    <message>
        <source>Path for image-files:</source>
        <translation>Pfad für Bilddateien:</translation>
    </message>
    <message>
        <source>XML Settings</source>
        <translation>XML-Einstellungen</translation>
    </message>
</context>
</TS>
