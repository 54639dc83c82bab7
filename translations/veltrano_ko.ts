<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>ContentView</name>
    <message>
        <source>You will be guided through the steps necessary to use this software.</source>
        <translation>이 소프트웨어를 사용하는 데 필요한 단계를 안내해 드립니다.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>All products selected</source>
        <translation>모든 제품을 선택했습니다</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>FinderAlert</name>
    <message>
        <source>To make changes with Installer please allow Finder access from Settings</source>
        <translation>설치 프로그램에서 변경하려면 설정에서 Finder에 대한 접근을 허용하십시오.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Open settings</source>
        <translation>설정 열기</translation>
    </message>
</context>
<context>
    <name>InstallAlert</name>
    <message>
        <source>Click &quot;Install&quot; button to complete the installation.</source>
        <translation>설치를 완료하려면 ‘설치’ 버튼을 클릭하십시오.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>설치</translation>
    </message>
</context>
<context>
    <name>LicenseAlert</name>
    <message>
        <source>To continue using the software you must agree to the terms of the software license agreement.</source>
        <translation>소프트웨어를 계속 사용하려면 소프트웨어 사용권 계약의 약관에 동의해야 합니다.</translation>
    </message>
    <message>
        <source>Click Agree to continue or click Disagree to cancel and quit the Installer.</source>
        <translation>계속하려면 ‘동의함’을, 취소하고 설치 프로그램을 종료하려면 ‘동의 안 함’을 클릭하십시오.</translation>
    </message>
    <message>
        <source>Read License</source>
        <translation>사용권 계약 읽기</translation>
    </message>
    <message>
        <source>Disagree</source>
        <translation>동의 안 함</translation>
    </message>
    <message>
        <source>Agree</source>
        <translation>동의함</translation>
    </message>
</context>
<context>
    <name>LogDetailsWindow</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>클립보드에 복사</translation>
    </message>
    <message>
        <source>Copied to the clipboard</source>
        <translation>클립보드에 복사했습니다</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>The installation was not completed successfully.</source>
        <translation>설치가 성공적으로 완료되지 않았습니다.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>설치 로그</translation>
    </message>
</context>
<context>
    <name>PageBar</name>
    <message>
        <source>%1, current page</source>
        <extracomment>The page bar&apos;s row of the page on screen, as a screen reader names it; %1 is the row&apos;s label.</extracomment>
        <translation>%1, 현재 페이지</translation>
    </message>
</context>
<context>
    <name>PageTexts</name>
    <message>
        <source>Introduction</source>
        <translation>소개</translation>
    </message>
    <message>
        <source>License</source>
        <translation>사용권 계약</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>제품</translation>
    </message>
    <message>
        <source>Selected Products</source>
        <translation>선택한 제품</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>요약</translation>
    </message>
    <message>
        <source>Welcome to the Veltrano Plugin Installer</source>
        <translation>Veltrano 플러그인 설치 프로그램에 오신 것을 환영합니다</translation>
    </message>
    <message>
        <source>Software License Agreement</source>
        <translation>소프트웨어 사용권 계약</translation>
    </message>
    <message>
        <source>Select Products to install</source>
        <translation>설치할 제품 선택</translation>
    </message>
    <message>
        <source>The following Products will be installed</source>
        <translation>다음 제품이 설치됩니다</translation>
    </message>
</context>
<context>
    <name>ProductsView</name>
    <message>
        <source>No products found</source>
        <translation>제품을 찾을 수 없습니다</translation>
    </message>
</context>
<context>
    <name>ProgressAlert</name>
    <message>
        <source>Waiting for authentication…</source>
        <translation>인증을 기다리는 중…</translation>
    </message>
    <message>
        <source>Installing…</source>
        <translation>설치하는 중…</translation>
    </message>
    <message>
        <source>Copying “%1”</source>
        <translation>‘%1’ 복사 중</translation>
    </message>
    <message>
        <source>Installation progress</source>
        <translation>설치 진행률</translation>
    </message>
</context>
<context>
    <name>SummaryView</name>
    <message>
        <source>Details</source>
        <translation>자세히</translation>
    </message>
    <message>
        <source>The installation was not completed successfully.</source>
        <translation>설치가 성공적으로 완료되지 않았습니다.</translation>
    </message>
    <message>
        <source>You have been successfully installed selected products.</source>
        <translation>선택한 제품이 성공적으로 설치되었습니다.</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>실패</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>성공</translation>
    </message>
</context>
</TS>
