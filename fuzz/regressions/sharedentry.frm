VERSION 5.00
Begin VB.Form F 
   Begin VB.Label lblStatus 
      Caption = "sharedentry.frx":0005
   End
   Begin zokKL4VB.zokKelvane zk 
      ControlSettings = "sharedentry.frx":0005
   End
End
