VERSION 5.00
Object = "{5C1E8A37-2B90-4F61-9D3A-84E27C0B6F15}#1.2#0"; "NOVADLG.OCX"
Object = "{3A2F9C11-7B44-4D2E-A0C5-19E8D2B7F601}#2.0#0"; "NOVACTL.OCX"
Object = "{E84B2D60-1F37-4A95-B7C2-3D9E6A0F5812}#1.0#0"; "NOVASOCK.OCX"
Object = "{9A4D6E21-5C83-4B17-8F02-E6B3D1A74C95}#1.1#0"; "NOVAMASK.OCX"
Object = "{7D3B52E1-4C0A-4B8E-9F21-6A5C3E80D1B4}#1.0#0"; "zokKL4VB.ocx"
Begin VB.Form frmCustomer 
   BorderStyle     =   2  'Sizable
   Caption         =   "Customer"
   ClientHeight    =   4800
   ClientLeft      =   165
   ClientTop       =   735
   ClientWidth     =   6600
   BeginProperty Font 
      Name            =   "Tahoma"
      Size            =   8.25
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Form1"
   ScaleHeight     =   4800
   ScaleWidth      =   6600
   StartUpPosition =   3  'Windows Default
   Begin NovaDlg.CommonDialog dlgOpen 
      Left            =   5880
      Top             =   3960
      _ExtentX        =   847
      _ExtentY        =   847
      _Version        =   393216
      DefaultExt      =   "csv"
      Filter          =   "Text files (*.csv)|*.csv"
   End
   Begin NovaCtl.ImageList imlSmall 
      Left            =   5160
      Top             =   3960
      _ExtentX        =   1005
      _ExtentY        =   1005
      BackColor       =   -2147483643
      ImageWidth      =   16
      ImageHeight     =   16
      MaskColor       =   12632256
      _Version        =   393216
      BeginProperty Images {2C247F25-8591-11D1-B16A-00C0F0283628} 
         NumListImages   =   0
      EndProperty
   End
   Begin NovaSock.Socket sckLink 
      Left            =   4560
      Top             =   3960
      _ExtentX        =   741
      _ExtentY        =   741
      _Version        =   393216
      RemotePort      =   8080
   End
   Begin VB.Frame fraContact 
      Caption         =   "Contact"
      Height          =   2295
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   6375
      Begin VB.Timer tmrPoll 
         Enabled         =   0   'False
         Interval        =   1000
         Left            =   5760
         Top             =   240
      End
      Begin VB.TextBox txtName 
         Height          =   315
         Left            =   1320
         TabIndex        =   2
         Top             =   360
         Width           =   4815
      End
      Begin NovaMask.MaskEdBox txtPhone 
         Height          =   315
         Left            =   1320
         TabIndex        =   4
         Top             =   840
         Width           =   2415
         _ExtentX        =   4260
         _ExtentY        =   556
         _Version        =   393216
         MaxLength       =   14
         Mask            =   "(###) ###-####"
         PromptChar      =   "_"
      End
      Begin NovaMask.MaskEdBox mskSince 
         Height          =   315
         Left            =   1320
         TabIndex        =   6
         Top             =   1320
         Width           =   1335
         _ExtentX        =   2355
         _ExtentY        =   556
         _Version        =   393216
         MaxLength       =   10
         Mask            =   "##/##/####"
         PromptChar      =   "_"
         Text            =   "03/15/2019"
      End
      Begin VB.Label lblSince 
         Caption         =   "&Since:"
         Height          =   255
         Left            =   120
         TabIndex        =   5
         Top             =   1350
         Width           =   1215
      End
      Begin VB.Label lblName 
         Caption         =   "&Name:"
         Height          =   255
         Left            =   120
         TabIndex        =   1
         Top             =   390
         Width           =   1095
      End
      Begin VB.Label lblPhone 
         Caption         =   "&Phone:"
         Height          =   255
         Left            =   120
         TabIndex        =   3
         Top             =   870
         Width           =   1095
      End
   End
   Begin VB.TextBox txtNotes 
      Height          =   1335
      Left            =   120
      MultiLine       =   -1  'True
      ScrollBars      =   2  'Vertical
      TabIndex        =   7
      Top             =   2520
      Width           =   6375
   End
   Begin VB.CommandButton cmdOK 
      Caption         =   "OK"
      Default         =   -1  'True
      Height          =   375
      Left            =   2880
      TabIndex        =   8
      Top             =   4320
      Width           =   1095
   End
   Begin VB.CommandButton cmdCancel 
      Cancel          =   -1  'True
      Caption         =   "Cancel"
      Height          =   375
      Left            =   4080
      TabIndex        =   9
      Top             =   4320
      Width           =   1095
   End
   Begin zokKL4VB.zokKelvane zokKelvane1 
      Left            =   3960
      Top             =   3960
      _ExtentX        =   847
      _ExtentY        =   847
      AddAllControls  =   -1  'True
      FormGUID        =   "{6E0C4B1A-93D7-4F28-A5E1-2B8C7D90F314}"
   End
   Begin VB.Menu mnuFile 
      Caption         =   "&File"
      Begin VB.Menu mnuFileImport 
         Caption         =   "&Import..."
      End
      Begin VB.Menu mnuFileSep 
         Caption         =   "-"
      End
      Begin VB.Menu mnuFileClose 
         Caption         =   "&Close"
      End
   End
End
Attribute VB_Name = "frmCustomer"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Sub cmdCancel_Click()
    Unload Me
End Sub
