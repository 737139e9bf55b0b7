VERSION 5.00
Begin VB.Form F 
   Begin VB.Frame fra 
      Begin Any.Form g 
         Left = 10
         Visible = 0
         WindowState = 2
      End
   End
   Begin zokKL4VB.zokKelvane zk 
   End
End
