VERSION 5.00
Object = "{7D3B52E1-4C0A-4B8E-9F21-6A5C3E80D1B4}#1.0#0"; "zokKL4VB.ocx"
Begin VB.Form frmOrders 
   BorderStyle     =   2  'Sizable
   Caption         =   "Orders"
   ClientHeight    =   6000
   ClientLeft      =   1200 
   ClientTop       =   1500
   ClientWidth     =   8000
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
   ScaleHeight     =   6000
   ScaleWidth      =   8000
   StartUpPosition =   0  'Manual
   Begin VB.Timer tmrRefresh 
      Interval        =   500
      Left            =   7440
      Top             =   120
   End
   Begin VB.Frame fraOuter 
      Caption         =   "Customer"
      Height          =   3000
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   5000
      Begin VB.PictureBox picInner 
         Height          =   1800
         Left            =   120
         ScaleHeight     =   1740
         ScaleWidth      =   4695
         TabIndex        =   1
         Top             =   960
         Width           =   4755
         Begin VB.Frame fraDeep 
            Caption         =   "Deep"
            Height          =   1200
            Left            =   120
            TabIndex        =   2
            Top             =   120
            Width           =   2000
            Begin VB.CheckBox chkVip 
               Caption         =   "VIP"
               Height          =   255
               Left            =   120
               TabIndex        =   3
               Top             =   480
               Width           =   1000
            End
         End
      End
      Begin VB.TextBox txtField 
         Height          =   315
         Index           =   5
         Left            =   2520
         TabIndex        =   6
         Top             =   480
         Width           =   1000
      End
      Begin VB.TextBox txtField 
         Height          =   315
         Index           =   0
         Left            =   120
         TabIndex        =   4
         Top             =   480
         Width           =   1000
      End
      Begin VB.TextBox txtField 
         Height          =   315
         Index           =   2
         Left            =   1320
         TabIndex        =   5
         Top             =   480
         Width           =   1000
      End
   End
   Begin VB.ListBox lstOrders 
      Height          =   2400
      ItemData        =   "nested.frx":0000
      Left            =   5280
      List            =   "nested.frx":0002
      TabIndex        =   7
      Top             =   120
      Width           =   2600
   End
   Begin VB.Line linRule 
      BorderWidth     =   2
      X1              =   120
      X2              =   7880
      Y1              =   3240
      Y2              =   3240
   End
   Begin VB.CommandButton cmdSave 
      Caption         =   "&Save"
      Height          =   375
      Left            =   6600
      TabIndex        =   8
      Top             =   5520
      Width           =   1215
   End
   Begin VB.Menu mnuFile 
      Caption         =   "&File"
      Begin VB.Menu mnuFileNew 
         Caption         =   "&New"
         Shortcut        =   ^N
      End
      Begin VB.Menu mnuFileRecent 
         Caption         =   "Recent"
         Begin VB.Menu mnuRecent 
            Caption         =   "(none)"
            Index           =   0
            Begin VB.Menu mnuRecentDeep 
               Caption         =   "Deeper"
            End
         End
      End
   End
   Begin zokKL4VB.zokKelvane zokKelvane1 
      Left            =   120
      Top             =   120
      _ExtentX        =   847
      _ExtentY        =   847
      ControlSettings =   "nested.frx":0010
      FormGUID        =   "{A0AF2B9E-76CF-4A35-86A2-FF71190DC4F6}"
      SaveWindowState =   -1  'True
      MinWidth        =   6000
      MinHeight       =   4500
      AlignBLeft      =   0
      AlignBTop       =   0
      AlignBBottom    =   0
      AlignBRight     =   0
   End
End
Attribute VB_Name = "frmOrders"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
' Orders form: the refresh timer re-reads the list.

Private Sub tmrRefresh_Timer()
    lstOrders.Refresh ' keep "quotes" and 'apostrophes' as they are
End Sub
