<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>ContentView</name>
    <message>
        <source>You will be guided through the steps necessary to use this software.</source>
        <translation>Le guiaremos por los pasos necesarios para usar este software.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>All products selected</source>
        <translation>Todos los productos seleccionados</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>FinderAlert</name>
    <message>
        <source>To make changes with Installer please allow Finder access from Settings</source>
        <translation>Para realizar cambios con el instalador, permita el acceso al Finder en Ajustes.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>Abrir Ajustes</translation>
    </message>
</context>
<context>
    <name>InstallAlert</name>
    <message>
        <source>Click &quot;Install&quot; button to complete the installation.</source>
        <translation>Haga clic en «Instalar» para completar la instalación.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
</context>
<context>
    <name>LicenseAlert</name>
    <message>
        <source>To continue using the software you must agree to the terms of the software license agreement.</source>
        <translation>Para seguir usando el software, debe aceptar los términos del contrato de licencia de software.</translation>
    </message>
    <message>
        <source>Click Agree to continue or click Disagree to cancel and quit the Installer.</source>
        <translation>Haga clic en «Aceptar» para continuar o en «Rechazar» para cancelar y salir del instalador.</translation>
    </message>
    <message>
        <source>Read License</source>
        <translation>Leer licencia</translation>
    </message>
    <message>
        <source>Disagree</source>
        <translation>Rechazar</translation>
    </message>
    <message>
        <source>Agree</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>LogDetailsWindow</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copiar al portapapeles</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>Copiado al portapapeles</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The installation was not completed successfully.</source>
        <translation>La instalación no se ha completado correctamente.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
</context>
<context>
    <name>PageBar</name>
    <message>
        <source>%1, current page</source>
        <extracomment>The page bar&apos;s row of the page on screen, as a screen reader names it; %1 is the row&apos;s label.</extracomment>
        <translation>%1, página actual</translation>
    </message>
</context>
<context>
    <name>PageTexts</name>
    <message>
        <source>Introduction</source>
        <translation>Introducción</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licencia</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Productos</translation>
    </message>
    <message>
        <source>Selected Products</source>
        <translation>Productos elegidos</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Welcome to the Veltrano Plugin Installer</source>
        <translation>Le damos la bienvenida al instalador de plugins de Veltrano</translation>
    </message>
    <message>
        <source>Software License Agreement</source>
        <translation>Contrato de licencia de software</translation>
    </message>
    <message>
        <source>Select Products to install</source>
        <translation>Seleccione los productos que desea instalar</translation>
    </message>
    <message>
        <source>The following Products will be installed</source>
        <translation>Se instalarán los siguientes productos</translation>
    </message>
</context>
<context>
    <name>ProductsView</name>
    <message>
        <source>No products found</source>
        <translation>No se han encontrado productos</translation>
    </message>
</context>
<context>
    <name>ProgressAlert</name>
    <message>
        <source>Waiting for authentication…</source>
        <translation>Esperando la autenticación…</translation>
    </message>
    <message>
        <source>Installing…</source>
        <translation>Instalando…</translation>
    </message>
    <message>
        <source>Copying “%1”</source>
        <translation>Copiando «%1»</translation>
    </message>
    <message>
        <source>Installation progress</source>
        <translation>Progreso de la instalación</translation>
    </message>
</context>
<context>
    <name>SummaryView</name>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>The installation was not completed successfully.</source>
        <translation>La instalación no se ha completado correctamente.</translation>
    </message>
    <message>
        <source>You have been successfully installed selected products.</source>
        <translation>Los productos seleccionados se han instalado correctamente.</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Correcto</translation>
    </message>
</context>
</TS>
