<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>ContentView</name>
    <message>
        <source>You will be guided through the steps necessary to use this software.</source>
        <translation>我们将引导您完成使用本软件所需的步骤。</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>All products selected</source>
        <translation>已选择所有产品</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>FinderAlert</name>
    <message>
        <source>To make changes with Installer please allow Finder access from Settings</source>
        <translation>要使用安装器进行更改，请在“设置”中允许访问 Finder。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>打开设置</translation>
    </message>
</context>
<context>
    <name>InstallAlert</name>
    <message>
        <source>Click &quot;Install&quot; button to complete the installation.</source>
        <translation>点击“安装”按钮以完成安装。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>安装</translation>
    </message>
</context>
<context>
    <name>LicenseAlert</name>
    <message>
        <source>To continue using the software you must agree to the terms of the software license agreement.</source>
        <translation>若要继续使用本软件，您必须同意软件许可协议的条款。</translation>
    </message>
    <message>
        <source>Click Agree to continue or click Disagree to cancel and quit the Installer.</source>
        <translation>点击“同意”以继续，或点击“不同意”以取消并退出安装器。</translation>
    </message>
    <message>
        <source>Read License</source>
        <translation>阅读许可协议</translation>
    </message>
    <message>
        <source>Disagree</source>
        <translation>不同意</translation>
    </message>
    <message>
        <source>Agree</source>
        <translation>同意</translation>
    </message>
</context>
<context>
    <name>LogDetailsWindow</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>复制到剪贴板</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>已复制到剪贴板</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>The installation was not completed successfully.</source>
        <translation>安装未成功完成。</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>详细信息</translation>
    </message>
</context>
<context>
    <name>PageBar</name>
    <message>
        <source>%1, current page</source>
        <extracomment>The page bar&apos;s row of the page on screen, as a screen reader names it; %1 is the row&apos;s label.</extracomment>
        <translation>%1，当前页面</translation>
    </message>
</context>
<context>
    <name>PageTexts</name>
    <message>
        <source>Introduction</source>
        <translation>简介</translation>
    </message>
    <message>
        <source>License</source>
        <translation>许可协议</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>产品</translation>
    </message>
    <message>
        <source>Selected Products</source>
        <translation>所选产品</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>摘要</translation>
    </message>
    <message>
        <source>Welcome to the Veltrano Plugin Installer</source>
        <translation>欢迎使用 Veltrano 插件安装器</translation>
    </message>
    <message>
        <source>Software License Agreement</source>
        <translation>软件许可协议</translation>
    </message>
    <message>
        <source>Select Products to install</source>
        <translation>选择要安装的产品</translation>
    </message>
    <message>
        <source>The following Products will be installed</source>
        <translation>将安装以下产品</translation>
    </message>
</context>
<context>
    <name>ProductsView</name>
    <message>
        <source>No products found</source>
        <translation>未找到产品</translation>
    </message>
</context>
<context>
    <name>ProgressAlert</name>
    <message>
        <source>Waiting for authentication…</source>
        <translation>正在等待身份验证…</translation>
    </message>
    <message>
        <source>Installing…</source>
        <translation>正在安装…</translation>
    </message>
    <message>
        <source>Copying “%1”</source>
        <translation>正在复制“%1”</translation>
    </message>
    <message>
        <source>Installation progress</source>
        <translation>安装进度</translation>
    </message>
</context>
<context>
    <name>SummaryView</name>
    <message>
        <source>Details</source>
        <translation>详细信息</translation>
    </message>
    <message>
        <source>The installation was not completed successfully.</source>
        <translation>安装未成功完成。</translation>
    </message>
    <message>
        <source>You have been successfully installed selected products.</source>
        <translation>已成功安装所选产品。</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>成功</translation>
    </message>
</context>
</TS>
