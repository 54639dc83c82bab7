<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>ContentView</name>
    <message>
        <source>You will be guided through the steps necessary to use this software.</source>
        <translation>Ti guideremo attraverso i passaggi necessari per utilizzare questo software.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>All products selected</source>
        <translation>Tutti i prodotti selezionati</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>FinderAlert</name>
    <message>
        <source>To make changes with Installer please allow Finder access from Settings</source>
        <translation>Per apportare modifiche con il programma di installazione, consenti l’accesso al Finder da Impostazioni.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>Apri Impostazioni</translation>
    </message>
</context>
<context>
    <name>InstallAlert</name>
    <message>
        <source>Click &quot;Install&quot; button to complete the installation.</source>
        <translation>Fai clic su «Installa» per completare l’installazione.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installa</translation>
    </message>
</context>
<context>
    <name>LicenseAlert</name>
    <message>
        <source>To continue using the software you must agree to the terms of the software license agreement.</source>
        <translation>Per continuare a utilizzare il software devi accettare i termini del contratto di licenza software.</translation>
    </message>
    <message>
        <source>Click Agree to continue or click Disagree to cancel and quit the Installer.</source>
        <translation>Fai clic su «Accetto» per continuare oppure su «Non accetto» per annullare e uscire dal programma di installazione.</translation>
    </message>
    <message>
        <source>Read License</source>
        <translation>Leggi licenza</translation>
    </message>
    <message>
        <source>Disagree</source>
        <translation>Non accetto</translation>
    </message>
    <message>
        <source>Agree</source>
        <translation>Accetto</translation>
    </message>
</context>
<context>
    <name>LogDetailsWindow</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copia negli appunti</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>Copiato negli appunti</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>The installation was not completed successfully.</source>
        <translation>L’installazione non è stata completata correttamente.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
</context>
<context>
    <name>PageBar</name>
    <message>
        <source>%1, current page</source>
        <extracomment>The page bar&apos;s row of the page on screen, as a screen reader names it; %1 is the row&apos;s label.</extracomment>
        <translation>%1, pagina corrente</translation>
    </message>
</context>
<context>
    <name>PageTexts</name>
    <message>
        <source>Introduction</source>
        <translation>Introduzione</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licenza</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Prodotti</translation>
    </message>
    <message>
        <source>Selected Products</source>
        <translation>Prodotti selezionati</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>Welcome to the Veltrano Plugin Installer</source>
        <translation>Ti diamo il benvenuto nell'installazione dei plug-in Veltrano</translation>
    </message>
    <message>
        <source>Software License Agreement</source>
        <translation>Contratto di licenza software</translation>
    </message>
    <message>
        <source>Select Products to install</source>
        <translation>Seleziona i prodotti da installare</translation>
    </message>
    <message>
        <source>The following Products will be installed</source>
        <translation>Verranno installati i seguenti prodotti</translation>
    </message>
</context>
<context>
    <name>ProductsView</name>
    <message>
        <source>No products found</source>
        <translation>Nessun prodotto trovato</translation>
    </message>
</context>
<context>
    <name>ProgressAlert</name>
    <message>
        <source>Waiting for authentication…</source>
        <translation>In attesa dell’autenticazione…</translation>
    </message>
    <message>
        <source>Installing…</source>
        <translation>Installazione in corso…</translation>
    </message>
    <message>
        <source>Copying “%1”</source>
        <translation>Copia di «%1» in corso…</translation>
    </message>
    <message>
        <source>Installation progress</source>
        <translation>Avanzamento dell’installazione</translation>
    </message>
</context>
<context>
    <name>SummaryView</name>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>The installation was not completed successfully.</source>
        <translation>L’installazione non è stata completata correttamente.</translation>
    </message>
    <message>
        <source>You have been successfully installed selected products.</source>
        <translation>I prodotti selezionati sono stati installati correttamente.</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Non riuscito</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Riuscito</translation>
    </message>
</context>
</TS>
