<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>ContentView</name>
    <message>
        <source>You will be guided through the steps necessary to use this software.</source>
        <translation>Ce programme vous guide dans les étapes nécessaires à l’utilisation de ce logiciel.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>All products selected</source>
        <translation>Tous les produits sont sélectionnés</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>FinderAlert</name>
    <message>
        <source>To make changes with Installer please allow Finder access from Settings</source>
        <translation>Pour effectuer des modifications avec le programme d’installation, autorisez l’accès au Finder dans les Paramètres.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>Ouvrir les Paramètres</translation>
    </message>
</context>
<context>
    <name>InstallAlert</name>
    <message>
        <source>Click &quot;Install&quot; button to complete the installation.</source>
        <translation>Cliquez sur «&#xa0;Installer&#xa0;» pour terminer l’installation.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
</context>
<context>
    <name>LicenseAlert</name>
    <message>
        <source>To continue using the software you must agree to the terms of the software license agreement.</source>
        <translation>Pour continuer à utiliser le logiciel, vous devez accepter les termes du contrat de licence du logiciel.</translation>
    </message>
    <message>
        <source>Click Agree to continue or click Disagree to cancel and quit the Installer.</source>
        <translation>Cliquez sur «&#xa0;Accepter&#xa0;» pour continuer ou sur «&#xa0;Refuser&#xa0;» pour annuler et quitter le programme d’installation.</translation>
    </message>
    <message>
        <source>Read License</source>
        <translation>Lire la licence</translation>
    </message>
    <message>
        <source>Disagree</source>
        <translation>Refuser</translation>
    </message>
    <message>
        <source>Agree</source>
        <translation>Accepter</translation>
    </message>
</context>
<context>
    <name>LogDetailsWindow</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>Copié dans le presse-papiers</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The installation was not completed successfully.</source>
        <translation>L’installation ne s’est pas terminée correctement.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
</context>
<context>
    <name>PageBar</name>
    <message>
        <source>%1, current page</source>
        <extracomment>The page bar&apos;s row of the page on screen, as a screen reader names it; %1 is the row&apos;s label.</extracomment>
        <translation>%1, page actuelle</translation>
    </message>
</context>
<context>
    <name>PageTexts</name>
    <message>
        <source>Introduction</source>
        <translation>Présentation</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Produits</translation>
    </message>
    <message>
        <source>Selected Products</source>
        <translation>Produits sélectionnés</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>Welcome to the Veltrano Plugin Installer</source>
        <translation>Bienvenue dans le programme d’installation des plug-ins Veltrano</translation>
    </message>
    <message>
        <source>Software License Agreement</source>
        <translation>Contrat de licence du logiciel</translation>
    </message>
    <message>
        <source>Select Products to install</source>
        <translation>Sélectionnez les produits à installer</translation>
    </message>
    <message>
        <source>The following Products will be installed</source>
        <translation>Les produits suivants vont être installés</translation>
    </message>
</context>
<context>
    <name>ProductsView</name>
    <message>
        <source>No products found</source>
        <translation>Aucun produit trouvé</translation>
    </message>
</context>
<context>
    <name>ProgressAlert</name>
    <message>
        <source>Waiting for authentication…</source>
        <translation>En attente d’authentification…</translation>
    </message>
    <message>
        <source>Installing…</source>
        <translation>Installation en cours…</translation>
    </message>
    <message>
        <source>Copying “%1”</source>
        <translation>Copie de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Installation progress</source>
        <translation>Progression de l’installation</translation>
    </message>
</context>
<context>
    <name>SummaryView</name>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>The installation was not completed successfully.</source>
        <translation>L’installation ne s’est pas terminée correctement.</translation>
    </message>
    <message>
        <source>You have been successfully installed selected products.</source>
        <translation>Les produits sélectionnés ont été installés avec succès.</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Réussi</translation>
    </message>
</context>
</TS>
