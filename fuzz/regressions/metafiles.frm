VERSION 5.00
Begin VB.Form frmMetafiles 
   Caption         =   "Metafiles"
   ClientHeight    =   2400
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   6360
   ScaleHeight     =   2400
   ScaleWidth      =   6360
   Begin VB.Image imgMap 
      Height          =   1440
      Left            =   120
      Picture         =   "metafiles.frx":0000
      Stretch         =   -1  'True
      Top             =   120
      Width           =   2880
   End
   Begin VB.Image imgChart 
      Height          =   1800
      Left            =   3240
      Picture         =   "metafiles.frx":01D4
      Top             =   120
      Width           =   3000
   End
End
