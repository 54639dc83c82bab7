<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>ContentView</name>
    <message>
        <source>You will be guided through the steps necessary to use this software.</source>
        <translation>このソフトウェアを使用するために必要な手順をご案内します。</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>All products selected</source>
        <translation>すべての製品を選択しました</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>FinderAlert</name>
    <message>
        <source>To make changes with Installer please allow Finder access from Settings</source>
        <translation>インストーラで変更を行うには、「設定」で Finder へのアクセスを許可してください。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>設定を開く</translation>
    </message>
</context>
<context>
    <name>InstallAlert</name>
    <message>
        <source>Click &quot;Install&quot; button to complete the installation.</source>
        <translation>インストールを完了するには「インストール」ボタンをクリックしてください。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>インストール</translation>
    </message>
</context>
<context>
    <name>LicenseAlert</name>
    <message>
        <source>To continue using the software you must agree to the terms of the software license agreement.</source>
        <translation>このソフトウェアを引き続き使用するには、ソフトウェア使用許諾契約の条件に同意する必要があります。</translation>
    </message>
    <message>
        <source>Click Agree to continue or click Disagree to cancel and quit the Installer.</source>
        <translation>続けるには「同意する」を、キャンセルしてインストーラを終了するには「同意しない」をクリックしてください。</translation>
    </message>
    <message>
        <source>Read License</source>
        <translation>使用許諾契約を読む</translation>
    </message>
    <message>
        <source>Disagree</source>
        <translation>同意しない</translation>
    </message>
    <message>
        <source>Agree</source>
        <translation>同意する</translation>
    </message>
</context>
<context>
    <name>LogDetailsWindow</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>クリップボードにコピー</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>クリップボードにコピーしました</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>The installation was not completed successfully.</source>
        <translation>インストールは正常に完了しませんでした。</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>詳細</translation>
    </message>
</context>
<context>
    <name>PageBar</name>
    <message>
        <source>%1, current page</source>
        <extracomment>The page bar&apos;s row of the page on screen, as a screen reader names it; %1 is the row&apos;s label.</extracomment>
        <translation>%1、現在のページ</translation>
    </message>
</context>
<context>
    <name>PageTexts</name>
    <message>
        <source>Introduction</source>
        <translation>はじめに</translation>
    </message>
    <message>
        <source>License</source>
        <translation>使用許諾契約</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>製品</translation>
    </message>
    <message>
        <source>Selected Products</source>
        <translation>選択した製品</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>概要</translation>
    </message>
    <message>
        <source>Welcome to the Veltrano Plugin Installer</source>
        <translation>Veltrano プラグインインストーラへようこそ</translation>
    </message>
    <message>
        <source>Software License Agreement</source>
        <translation>ソフトウェア使用許諾契約</translation>
    </message>
    <message>
        <source>Select Products to install</source>
        <translation>インストールする製品を選択</translation>
    </message>
    <message>
        <source>The following Products will be installed</source>
        <translation>次の製品がインストールされます</translation>
    </message>
</context>
<context>
    <name>ProductsView</name>
    <message>
        <source>No products found</source>
        <translation>製品が見つかりません</translation>
    </message>
</context>
<context>
    <name>ProgressAlert</name>
    <message>
        <source>Waiting for authentication…</source>
        <translation>認証を待っています…</translation>
    </message>
    <message>
        <source>Installing…</source>
        <translation>インストールしています…</translation>
    </message>
    <message>
        <source>Copying “%1”</source>
        <translation>「%1」をコピーしています</translation>
    </message>
    <message>
        <source>Installation progress</source>
        <translation>インストールの進行状況</translation>
    </message>
</context>
<context>
    <name>SummaryView</name>
    <message>
        <source>Details</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>The installation was not completed successfully.</source>
        <translation>インストールは正常に完了しませんでした。</translation>
    </message>
    <message>
        <source>You have been successfully installed selected products.</source>
        <translation>選択した製品は正常にインストールされました。</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>成功</translation>
    </message>
</context>
</TS>
