VERSION 5.00
Object = "{7D3B52E1-4C0A-4B8E-9F21-6A5C3E80D1B4}#1.0#0"; "zokKL4VB.ocx"
Begin VB.Form frmCompare 
   BorderStyle     =   2  'Sizable
   Caption         =   "Compare"
   ClientHeight    =   4000
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   8000
   ScaleHeight     =   4000
   ScaleWidth      =   8000
   StartUpPosition =   0  'Manual
   Begin VB.PictureBox picLeft 
      BorderStyle     =   0  'None
      Height          =   4000
      Left            =   0
      ScaleHeight     =   4000
      ScaleWidth      =   4000
      TabIndex        =   0
      Top             =   0
      Width           =   4000
      Begin VB.ListBox lstLeft 
         Height          =   4000
         Left            =   0
         TabIndex        =   1
         Top             =   0
         Width           =   1900
      End
      Begin VB.TextBox txtLeft 
         Height          =   4000
         Left            =   2000
         MultiLine       =   -1  'True
         TabIndex        =   2
         Top             =   0
         Width           =   2000
      End
   End
   Begin VB.PictureBox picRight 
      BorderStyle     =   0  'None
      Height          =   4000
      Left            =   4000
      ScaleHeight     =   4000
      ScaleWidth      =   4000
      TabIndex        =   3
      Top             =   0
      Width           =   4000
      Begin VB.ListBox lstRight 
         Height          =   4000
         Left            =   0
         TabIndex        =   4
         Top             =   0
         Width           =   1900
      End
      Begin VB.TextBox txtRight 
         Height          =   4000
         Left            =   2000
         MultiLine       =   -1  'True
         TabIndex        =   5
         Top             =   0
         Width           =   2000
      End
   End
   Begin zokKL4VB.zokKelvane zokKelvane1 
      Left            =   120
      Top             =   120
      _ExtentX        =   847
      _ExtentY        =   847
      PaneSettings    =   "twopanes.frx":0000
      FormGUID        =   "{6AF2386E-DCF8-463B-B161-7B4FE22991DD}"
      AlignBLeft      =   0
      AlignBTop       =   0
      AlignBBottom    =   0
      AlignBRight     =   0
   End
End
