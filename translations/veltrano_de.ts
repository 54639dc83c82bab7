<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ContentView</name>
    <message>
        <source>You will be guided through the steps necessary to use this software.</source>
        <translation>Sie werden durch die Schritte geführt, die zur Verwendung dieser Software erforderlich sind.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>All products selected</source>
        <translation>Alle Produkte ausgewählt</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>FinderAlert</name>
    <message>
        <source>To make changes with Installer please allow Finder access from Settings</source>
        <translation>Um mit dem Installationsprogramm Änderungen vorzunehmen, erlauben Sie bitte in den Einstellungen den Zugriff auf den Finder.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>Einstellungen öffnen</translation>
    </message>
</context>
<context>
    <name>InstallAlert</name>
    <message>
        <source>Click &quot;Install&quot; button to complete the installation.</source>
        <translation>Klicken Sie auf „Installieren“, um die Installation abzuschließen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installieren</translation>
    </message>
</context>
<context>
    <name>LicenseAlert</name>
    <message>
        <source>To continue using the software you must agree to the terms of the software license agreement.</source>
        <translation>Um die Software weiterhin zu verwenden, müssen Sie den Bedingungen des Softwarelizenzvertrags zustimmen.</translation>
    </message>
    <message>
        <source>Click Agree to continue or click Disagree to cancel and quit the Installer.</source>
        <translation>Klicken Sie auf „Zustimmen“, um fortzufahren, oder auf „Ablehnen“, um abzubrechen und das Installationsprogramm zu beenden.</translation>
    </message>
    <message>
        <source>Read License</source>
        <translation>Lizenz lesen</translation>
    </message>
    <message>
        <source>Disagree</source>
        <translation>Ablehnen</translation>
    </message>
    <message>
        <source>Agree</source>
        <translation>Zustimmen</translation>
    </message>
</context>
<context>
    <name>LogDetailsWindow</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>In die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>In die Zwischenablage kopiert</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The installation was not completed successfully.</source>
        <translation>Die Installation wurde nicht erfolgreich abgeschlossen.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
</context>
<context>
    <name>PageBar</name>
    <message>
        <source>%1, current page</source>
        <extracomment>The page bar&apos;s row of the page on screen, as a screen reader names it; %1 is the row&apos;s label.</extracomment>
        <translation>%1, aktuelle Seite</translation>
    </message>
</context>
<context>
    <name>PageTexts</name>
    <message>
        <source>Introduction</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Produkte</translation>
    </message>
    <message>
        <source>Selected Products</source>
        <translation>Ausgewählte Produkte</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Welcome to the Veltrano Plugin Installer</source>
        <translation>Willkommen beim Installationsprogramm für Veltrano-Plug-ins</translation>
    </message>
    <message>
        <source>Software License Agreement</source>
        <translation>Softwarelizenzvertrag</translation>
    </message>
    <message>
        <source>Select Products to install</source>
        <translation>Zu installierende Produkte auswählen</translation>
    </message>
    <message>
        <source>The following Products will be installed</source>
        <translation>Die folgenden Produkte werden installiert</translation>
    </message>
</context>
<context>
    <name>ProductsView</name>
    <message>
        <source>No products found</source>
        <translation>Keine Produkte gefunden</translation>
    </message>
</context>
<context>
    <name>ProgressAlert</name>
    <message>
        <source>Waiting for authentication…</source>
        <translation>Warten auf Authentifizierung…</translation>
    </message>
    <message>
        <source>Installing…</source>
        <translation>Installation läuft…</translation>
    </message>
    <message>
        <source>Copying “%1”</source>
        <translation>„%1“ wird kopiert</translation>
    </message>
    <message>
        <source>Installation progress</source>
        <translation>Installationsfortschritt</translation>
    </message>
</context>
<context>
    <name>SummaryView</name>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>The installation was not completed successfully.</source>
        <translation>Die Installation wurde nicht erfolgreich abgeschlossen.</translation>
    </message>
    <message>
        <source>You have been successfully installed selected products.</source>
        <translation>Die ausgewählten Produkte wurden erfolgreich installiert.</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolgreich</translation>
    </message>
</context>
</TS>
