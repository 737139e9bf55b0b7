VERSION 5.00
Object = "{7D3B52E1-4C0A-4B8E-9F21-6A5C3E80D1B4}#1.0#0"; "zokKL4VB.ocx"
Begin VB.Form frmFindFiles 
   BorderStyle     =   2  'Sizable
   Caption         =   "Find Files"
   ClientHeight    =   5400
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   7200
   BeginProperty Font 
      Name            =   "Sans Serif"
      Size            =   8.25
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Form1"
   ScaleHeight     =   5400
   ScaleWidth      =   7200
   StartUpPosition =   3  'Windows Default
   Begin zokKL4VB.zokKelvane zokKelvane1 
      Left            =   6600
      Top             =   4320
      _ExtentX        =   847
      _ExtentY        =   847
      ControlSettings =   "files.frx":0069
      FormGUID        =   "{3B9F62D4-1C7E-4A85-9D20-6E4F8A17C5B3}"
   End
   Begin VB.VScrollBar vsbDetail 
      Height          =   1815
      LargeChange     =   10
      Left            =   6840
      Max             =   100
      TabIndex        =   13
      Top             =   1800
      Value           =   40
      Width           =   255
   End
   Begin VB.HScrollBar hsbZoom 
      Height          =   255
      Left            =   120
      Max             =   1
      Min             =   10
      TabIndex        =   11
      Top             =   5040
      Value           =   4
      Width           =   4455
   End
   Begin VB.CommandButton cmdClose 
      Caption         =   "Close"
      Height          =   375
      Left            =   5880
      TabIndex        =   12
      Top             =   4920
      Width           =   1215
   End
   Begin VB.ListBox lstResults 
      Height          =   1815
      ItemData        =   "files.frx":0000
      Left            =   4920
      List            =   "files.frx":0031
      TabIndex        =   10
      Top             =   1800
      Width           =   1815
   End
   Begin VB.FileListBox filMatches 
      Height          =   1845
      Left            =   2520
      Pattern         =   "*.frm"
      TabIndex        =   9
      Top             =   1800
      Width           =   2295
   End
   Begin VB.DirListBox dirFolders 
      Height          =   1890
      Left            =   120
      TabIndex        =   8
      Top             =   1800
      Width           =   2295
   End
   Begin VB.CommandButton cmdFind 
      Caption         =   "&Find"
      Default         =   -1  'True
      Height          =   375
      Left            =   5880
      TabIndex        =   7
      Top             =   120
      Width           =   1215
   End
   Begin VB.Frame fraOptions 
      Caption         =   "Look in"
      Height          =   735
      Left            =   120
      TabIndex        =   4
      Top             =   960
      Width           =   5655
      Begin VB.OptionButton optScope 
         Caption         =   "Subfolders too"
         Height          =   255
         Index           =   1
         Left            =   1800
         TabIndex        =   6
         Top             =   360
         Width           =   1575
      End
      Begin VB.OptionButton optScope 
         Caption         =   "This folder"
         Height          =   255
         Index           =   0
         Left            =   120
         TabIndex        =   5
         Top             =   360
         Value           =   -1  'True
         Width           =   1455
      End
   End
   Begin VB.ComboBox cboWhere 
      Height          =   315
      ItemData        =   "files.frx":0000
      Left            =   1200
      List            =   "files.frx":0000
      Style           =   2  'Dropdown List
      TabIndex        =   3
      Top             =   540
      Width           =   4575
   End
   Begin VB.TextBox txtPattern 
      Height          =   315
      Left            =   1200
      TabIndex        =   2
      Text            =   "*.frm"
      Top             =   120
      Width           =   4575
   End
   Begin VB.Label lblPattern 
      Caption         =   "&Named:"
      Height          =   255
      Left            =   120
      TabIndex        =   1
      Top             =   165
      Width           =   975
   End
End
Attribute VB_Name = "frmFindFiles"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
