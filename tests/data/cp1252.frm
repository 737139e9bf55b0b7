VERSION 5.00
Begin VB.Form frmLegacy
   Caption         =   "Größe – Übersicht"
   ClientHeight    =   3000
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   4500
   ScaleHeight     =   3000
   ScaleWidth      =   4500
   Begin VB.Label lblHint
      Alignment       =   2  'Zentriert
      BackColor       =   &H8000000F&
      Caption         =   "Don't press ""Stop"" – it's fine"
      ForeColor       =   255
      Height          =   255
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   4215
   End
   Begin VB.CommandButton cmdHidden 
      Caption="Parked"
      Height          =   375
      Left            =   -2000
      TabIndex = 1
      Top             =   -1000.5
      Width           =   1215
   End
   Begin VB.Shape shpBox
      BorderColor     =   &HFF&
      Height          =   615
      Left            =   120
      Top             =   600
      Width           =   1455
   End
End
Attribute VB_Name = "frmLegacy"
Attribute VB_GlobalNameSpace = False
