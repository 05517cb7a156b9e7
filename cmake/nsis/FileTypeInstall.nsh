; Record files (.kav) open in tagrio, with its icon.
WriteRegStr SHCTX "Software\Classes\.kav" "" "Tagrio.RecordFile"
WriteRegStr SHCTX "Software\Classes\Tagrio.RecordFile" "" "タグリオ 記録ファイル"
WriteRegStr SHCTX "Software\Classes\Tagrio.RecordFile\DefaultIcon" "" "$INSTDIR\bin\tagrio.exe,0"
WriteRegStr SHCTX "Software\Classes\Tagrio.RecordFile\shell\open\command" "" '"$INSTDIR\bin\tagrio.exe" "%1"'
System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
