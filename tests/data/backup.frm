VERSION 5.00
Object = "{3A2F9C11-7B44-4D2E-A0C5-19E8D2B7F601}#2.0#0"; "NOVACTL.OCX"
Object = "{7D3B52E1-4C0A-4B8E-9F21-6A5C3E80D1B4}#1.0#0"; "zokKL4VB.ocx"
Begin VB.Form frmBackup 
   BorderStyle     =   2  'Sizable
   Caption         =   "Backup"
   ClientHeight    =   4440
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   6480
   LinkTopic       =   "Form1"
   ScaleHeight     =   4440
   ScaleWidth      =   6480
   StartUpPosition =   1  'CenterOwner
   Begin VB.Label lblSource 
      Caption         =   "Copying C:\Users\Ann\Documents ..."
      Height          =   255
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   5280
   End
   Begin NovaCtl.ProgressBar prgFiles 
      Height          =   300
      Left            =   120
      TabIndex        =   1
      Top             =   480
      Width           =   5280
      _ExtentX        =   9313
      _ExtentY        =   529
      _Version        =   393216
      Appearance      =   1
      Max             =   250
      Value           =   170
   End
   Begin NovaCtl.Slider sldLevel 
      Height          =   495
      Left            =   120
      TabIndex        =   2
      Top             =   1200
      Width           =   5280
      _ExtentX        =   9313
      _ExtentY        =   873
      _Version        =   393216
      LargeChange     =   3
      Max             =   9
      Value           =   6
   End
   Begin VB.Label lblDisk 
      Alignment       =   2  'Center
      Caption         =   "Disk"
      Height          =   255
      Left            =   5640
      TabIndex        =   3
      Top             =   120
      Width           =   720
   End
   Begin NovaCtl.ProgressBar prgDisk 
      Height          =   1815
      Left            =   5880
      TabIndex        =   4
      Top             =   480
      Width           =   255
      _ExtentX        =   450
      _ExtentY        =   3201
      _Version        =   393216
      Appearance      =   1
      Orientation     =   1
      Scrolling       =   1
      Value           =   65
   End
   Begin NovaCtl.TreeView tvwFolders 
      Height          =   1935
      Left            =   120
      TabIndex        =   5
      Top             =   1800
      Width           =   1800
      _ExtentX        =   3175
      _ExtentY        =   3413
      _Version        =   393217
      Style           =   7
      Appearance      =   1
   End
   Begin NovaCtl.ListView lvwFiles 
      Height          =   1935
      Left            =   2040
      TabIndex        =   6
      Top             =   1800
      Width           =   3360
      _ExtentX        =   5927
      _ExtentY        =   3413
      View            =   3
      LabelWrap       =   -1  'True
      HideSelection   =   -1  'True
      FullRowSelect   =   -1  'True
      _Version        =   393217
      ForeColor       =   -2147483640
      BackColor       =   -2147483643
      BorderStyle     =   1
      Appearance      =   1
      NumItems        =   3
      BeginProperty ColumnHeader(1) {BDD1F052-858B-11D1-B16A-00C0F0283628} 
         Text            =   "Name"
         Object.Width           =   2540
      EndProperty
      BeginProperty ColumnHeader(2) {BDD1F052-858B-11D1-B16A-00C0F0283628} 
         Alignment       =   1
         SubItemIndex    =   1
         Text            =   "Size"
         Object.Width           =   1482
      EndProperty
      BeginProperty ColumnHeader(3) {BDD1F052-858B-11D1-B16A-00C0F0283628} 
         SubItemIndex    =   2
         Text            =   "Modified"
         Object.Width           =   2117
      EndProperty
   End
   Begin VB.CommandButton cmdCancel 
      Cancel          =   -1  'True
      Caption         =   "Cancel"
      Height          =   375
      Left            =   5160
      TabIndex        =   7
      Top             =   3960
      Width           =   1215
   End
   Begin zokKL4VB.zokKelvane zokKelvane1 
      Left            =   120
      Top             =   3840
      _ExtentX        =   847
      _ExtentY        =   847
      ControlSettings =   "backup.frx":0000
      FormGUID        =   "{8E2A4C17-3B5D-4F90-A6C2-71D9E0B54F33}"
   End
End
Attribute VB_Name = "frmBackup"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
