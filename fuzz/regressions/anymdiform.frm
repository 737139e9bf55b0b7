VERSION 5.00
Begin VB.Form F 
   Begin Any.MDIForm g 
      ClientWidth = 100
      MDIChild = -1
   End
End
