<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>ContentView</name>
    <message>
        <source>You will be guided through the steps necessary to use this software.</source>
        <translation>Vamos orientar você pelas etapas necessárias para usar este software.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>All products selected</source>
        <translation>Todos os produtos selecionados</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>FinderAlert</name>
    <message>
        <source>To make changes with Installer please allow Finder access from Settings</source>
        <translation>Para fazer alterações com o Instalador, permita o acesso ao Finder nos Ajustes.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>Clique em “Instalar” para concluir a instalação.</translation>
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
        <translation>Para continuar usando o software, você precisa concordar com os termos do contrato de licença de software.</translation>
    </message>
    <message>
        <source>Click Agree to continue or click Disagree to cancel and quit the Installer.</source>
        <translation>Clique em “Concordo” para continuar ou em “Discordo” para cancelar e sair do Instalador.</translation>
    </message>
    <message>
        <source>Read License</source>
        <translation>Ler licença</translation>
    </message>
    <message>
        <source>Disagree</source>
        <translation>Discordo</translation>
    </message>
    <message>
        <source>Agree</source>
        <translation>Concordo</translation>
    </message>
</context>
<context>
    <name>LogDetailsWindow</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copiar para a área de transferência</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>Copiado para a área de transferência</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>The installation was not completed successfully.</source>
        <translation>A instalação não foi concluída com êxito.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalhes</translation>
    </message>
</context>
<context>
    <name>PageBar</name>
    <message>
        <source>%1, current page</source>
        <extracomment>The page bar&apos;s row of the page on screen, as a screen reader names it; %1 is the row&apos;s label.</extracomment>
        <translation>%1, página atual</translation>
    </message>
</context>
<context>
    <name>PageTexts</name>
    <message>
        <source>Introduction</source>
        <translation>Introdução</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licença</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Produtos</translation>
    </message>
    <message>
        <source>Selected Products</source>
        <translation>Produtos selecionados</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>Welcome to the Veltrano Plugin Installer</source>
        <translation>Boas-vindas ao instalador de plugins Veltrano</translation>
    </message>
    <message>
        <source>Software License Agreement</source>
        <translation>Contrato de licença de software</translation>
    </message>
    <message>
        <source>Select Products to install</source>
        <translation>Selecione os produtos para instalar</translation>
    </message>
    <message>
        <source>The following Products will be installed</source>
        <translation>Os seguintes produtos serão instalados</translation>
    </message>
</context>
<context>
    <name>ProductsView</name>
    <message>
        <source>No products found</source>
        <translation>Nenhum produto encontrado</translation>
    </message>
</context>
<context>
    <name>ProgressAlert</name>
    <message>
        <source>Waiting for authentication…</source>
        <translation>Aguardando autenticação…</translation>
    </message>
    <message>
        <source>Installing…</source>
        <translation>Instalando…</translation>
    </message>
    <message>
        <source>Copying “%1”</source>
        <translation>Copiando “%1”</translation>
    </message>
    <message>
        <source>Installation progress</source>
        <translation>Progresso da instalação</translation>
    </message>
</context>
<context>
    <name>SummaryView</name>
    <message>
        <source>Details</source>
        <translation>Detalhes</translation>
    </message>
    <message>
        <source>The installation was not completed successfully.</source>
        <translation>A instalação não foi concluída com êxito.</translation>
    </message>
    <message>
        <source>You have been successfully installed selected products.</source>
        <translation>Os produtos selecionados foram instalados com sucesso.</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falha</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Sucesso</translation>
    </message>
</context>
</TS>
