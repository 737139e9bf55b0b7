VERSION 5.00
Object = "{7D3B52E1-4C0A-4B8E-9F21-6A5C3E80D1B4}#1.0#0"; "zokKL4VB.ocx"
Begin VB.Form frmCheck 
   Caption         =   "Pixels"
   ClientHeight    =   4500
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   6000
   LinkTopic       =   "Form1"
   ScaleHeight     =   300
   ScaleMode       =   3  'Pixel
   ScaleWidth      =   400
   StartUpPosition =   3  'Windows Default
   Begin VB.TextBox txtName 
      Height          =   375
      Left            =   4200
      TabIndex        =   1
      Text            =   "name"
      Top             =   600
      Width           =   1500
   End
   Begin VB.PictureBox picCanvas 
      BorderStyle     =   0  'None
      Height          =   1500
      Left            =   600
      ScaleHeight     =   100
      ScaleMode       =   3  'Pixel
      ScaleWidth      =   200
      TabIndex        =   0
      Top             =   600
      Width           =   3000
      Begin VB.CommandButton cmdGo 
         Caption         =   "Go"
         Height          =   450
         Left            =   300
         TabIndex        =   2
         Top             =   300
         Width           =   1200
      End
      Begin VB.Line linDiag 
         X1              =   0
         X2              =   100
         Y1              =   0
         Y2              =   50
      End
   End
   Begin zokKL4VB.zokKelvane zokKelvane1 
      Left            =   120
      Top             =   120
      _ExtentX        =   847
      _ExtentY        =   847
      ControlSettings =   "checkme.frx":0000
      PaneSettings    =   "picCanvas lstNowhere"
      FormGUID        =   "{CD95C67D-481E-461C-BC1F-62572DC3B889}"
      AlignBLeft      =   0
      AlignBTop       =   0
      AlignBBottom    =   0
      AlignBRight     =   0
   End
End
Attribute VB_Name = "frmCheck"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
