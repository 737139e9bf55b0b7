VERSION 5.00
Object = "{4E8B2A61-93C7-4F15-B0D2-7A6E1C5F3984}#1.0#0"; "NOVAFLEX.OCX"
Object = "{7D3B52E1-4C0A-4B8E-9F21-6A5C3E80D1B4}#1.0#0"; "zokKL4VB.ocx"
Begin VB.Form frmLedger 
   BorderStyle     =   2  'Sizable
   Caption         =   "Ledger"
   ClientHeight    =   5400
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   7800
   LinkTopic       =   "Form1"
   ScaleHeight     =   5400
   ScaleWidth      =   7800
   StartUpPosition =   1  'CenterOwner
   Begin VB.Label lblAccount 
      Caption         =   "&Account:"
      Height          =   255
      Left            =   120
      TabIndex        =   0
      Top             =   165
      Width           =   855
   End
   Begin VB.TextBox txtAccount 
      Height          =   315
      Left            =   1080
      TabIndex        =   1
      Text            =   "1200 Bank"
      Top             =   120
      Width           =   3495
   End
   Begin VB.Label lblPeriod 
      Caption         =   "&Period:"
      Height          =   255
      Left            =   4800
      TabIndex        =   2
      Top             =   165
      Width           =   735
   End
   Begin VB.TextBox txtPeriod 
      Height          =   315
      Left            =   5640
      TabIndex        =   3
      Text            =   "March 2024"
      Top             =   120
      Width           =   2040
   End
   Begin NovaFlex.FlexGrid grdLedger 
      Height          =   4080
      Left            =   120
      TabIndex        =   4
      Top             =   600
      Width           =   7560
      _ExtentX        =   13335
      _ExtentY        =   7197
      _Version        =   393216
      Rows            =   20
      Cols            =   4
      FixedCols       =   0
      AllowUserResizing=   1
      SelectionMode   =   1
      FocusRect       =   0
      FormatString    =   $"ledger.frx":0000
   End
   Begin VB.Label lblBalance 
      Caption         =   "Balance:"
      Height          =   255
      Left            =   120
      TabIndex        =   5
      Top             =   4965
      Width           =   735
   End
   Begin VB.TextBox txtBalance 
      Alignment       =   1  'Right Justify
      Height          =   315
      Left            =   960
      Locked          =   -1  'True
      TabIndex        =   6
      Text            =   "1,250.00"
      Top             =   4920
      Width           =   1455
   End
   Begin VB.CommandButton cmdAdd 
      Caption         =   "&Add..."
      Height          =   375
      Left            =   3960
      TabIndex        =   7
      Top             =   4860
      Width           =   1155
   End
   Begin VB.CommandButton cmdDelete 
      Caption         =   "&Delete"
      Height          =   375
      Left            =   5220
      TabIndex        =   8
      Top             =   4860
      Width           =   1155
   End
   Begin VB.CommandButton cmdClose 
      Cancel          =   -1  'True
      Caption         =   "Close"
      Height          =   375
      Left            =   6480
      TabIndex        =   9
      Top             =   4860
      Width           =   1200
   End
   Begin zokKL4VB.zokKelvane zokKelvane1 
      Left            =   2640
      Top             =   4800
      _ExtentX        =   847
      _ExtentY        =   847
      ControlSettings =   "ledger.frx":005D
      FormGUID        =   "{5C1E7A93-2D48-4B6F-9E03-A8D4C27F6B15}"
   End
End
Attribute VB_Name = "frmLedger"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
