; Takes back the .kav file type, unless another program has taken it since.
ReadRegStr $0 SHCTX "Software\Classes\.kav" ""
StrCmp $0 "Tagrio.RecordFile" 0 +2
DeleteRegKey SHCTX "Software\Classes\.kav"
DeleteRegKey SHCTX "Software\Classes\Tagrio.RecordFile"
System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
