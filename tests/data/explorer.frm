VERSION 5.00
Object = "{7D3B52E1-4C0A-4B8E-9F21-6A5C3E80D1B4}#1.0#0"; "zokKL4VB.ocx"
Begin VB.Form frmExplorer 
   Caption         =   "Explorer"
   ClientHeight    =   5400
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   8400
   LinkTopic       =   "Form1"
   ScaleHeight     =   5400
   ScaleWidth      =   8400
   StartUpPosition =   3  'Windows Default
   Begin VB.PictureBox picSide 
      Align           =   3  'Align Left
      Height          =   4620
      Left            =   0
      ScaleHeight     =   4560
      ScaleWidth      =   2340
      TabIndex        =   4
      Top             =   420
      Width           =   2400
      Begin VB.ListBox lstFolders 
         Height          =   4155
         Left            =   60
         TabIndex        =   5
         Top             =   300
         Width           =   2220
      End
      Begin VB.Label lblFolders 
         Caption         =   "Folders"
         Height          =   255
         Left            =   60
         TabIndex        =   6
         Top             =   60
         Width           =   2220
      End
   End
   Begin VB.PictureBox picStatus 
      Align           =   2  'Align Bottom
      Height          =   360
      Left            =   0
      ScaleHeight     =   300
      ScaleWidth      =   8340
      TabIndex        =   2
      Top             =   5040
      Width           =   8400
      Begin VB.Label lblStatus 
         Caption         =   "Ready"
         Height          =   255
         Left            =   60
         TabIndex        =   3
         Top             =   30
         Width           =   8175
      End
   End
   Begin VB.PictureBox picTools 
      Align           =   1  'Align Top
      Height          =   420
      Left            =   0
      ScaleHeight     =   360
      ScaleWidth      =   8340
      TabIndex        =   0
      Top             =   0
      Width           =   8400
      Begin VB.CommandButton cmdBack 
         Caption         =   "&Back"
         Height          =   330
         Left            =   30
         TabIndex        =   7
         Top             =   15
         Width           =   855
      End
      Begin VB.CommandButton cmdUp 
         Caption         =   "&Up"
         Height          =   330
         Left            =   915
         TabIndex        =   8
         Top             =   15
         Width           =   855
      End
      Begin VB.TextBox txtAddress 
         Height          =   315
         Left            =   1860
         TabIndex        =   9
         Text            =   "C:\"
         Top             =   22
         Width           =   6420
      End
   End
   Begin VB.TextBox txtView 
      Height          =   4380
      Left            =   2520
      MultiLine       =   -1  'True
      ScrollBars      =   3  'Both
      TabIndex        =   1
      Top             =   540
      Width           =   5760
   End
   Begin zokKL4VB.zokKelvane zokKelvane1 
      Left            =   120
      Top             =   120
      _ExtentX        =   847
      _ExtentY        =   847
      AddAllControls  =   -1  'True
      FormGUID        =   "{C63A49E3-9D9E-47CA-917E-2A254ACF2A40}"
      AlignBLeft      =   2400
      AlignBTop       =   420
      AlignBBottom    =   360
      AlignBRight     =   0
   End
End
Attribute VB_Name = "frmExplorer"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
