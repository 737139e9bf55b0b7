VERSION 5.00
Object = "{B8E04D7A-52C9-4F3B-8E16-C0A9F3D25E48}#1.1#0"; "TABSLIB.OCX"
Object = "{3A2F9C11-7B44-4D2E-A0C5-19E8D2B7F601}#2.0#0"; "NOVACTL.OCX"
Object = "{7D3B52E1-4C0A-4B8E-9F21-6A5C3E80D1B4}#1.0#0"; "zokKL4VB.ocx"
Begin VB.Form frmProfile 
   BorderStyle     =   2  'Sizable
   Caption         =   "Profile"
   ClientHeight    =   5400
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   7200
   BeginProperty Font 
      Name            =   "DejaVu Sans"
      Size            =   8.25
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   Icon            =   "profile.frx":0000
   LinkTopic       =   "Form1"
   Picture         =   "profile.frx":1542
   ScaleHeight     =   5400
   ScaleWidth      =   7200
   StartUpPosition =   3  'Windows Default
   Begin VB.PictureBox picLogo 
      AutoSize        =   -1  'True
      BorderStyle     =   0  'None
      Height          =   480
      Left            =   120
      Picture         =   "profile.frx":5E14
      ScaleHeight     =   480
      ScaleWidth      =   720
      TabIndex        =   0
      Top             =   480
      Width           =   720
   End
   Begin TabsLib.SSTab tabProfile 
      Height          =   3615
      Left            =   120
      TabIndex        =   2
      Top             =   1080
      Width           =   6960
      _ExtentX        =   12277
      _ExtentY        =   6376
      _Version        =   393216
      Tabs            =   3
      TabsPerRow      =   3
      TabHeight       =   520
      TabCaption(0)   =   "Personal"
      TabPicture(0)   =   "profile.frx":76B4
      Tab(0).ControlEnabled=   -1  'True
      Tab(0).Control(0)=   "lblName"
      Tab(0).Control(1)=   "txtName"
      Tab(0).Control(2)=   "imgPhoto"
      Tab(0).ControlCount=   3
      TabCaption(1)   =   "Contact"
      TabPicture(1)   =   "profile.frx":79F6
      Tab(1).ControlEnabled=   0   'False
      Tab(1).Control(0)=   "lblEmail"
      Tab(1).Control(1)=   "txtEmail"
      Tab(1).Control(2)=   "imgMap"
      Tab(1).ControlCount=   3
      TabCaption(2)   =   "Notes"
      TabPicture(2)   =   "profile.frx":7D38
      Tab(2).ControlEnabled=   0   'False
      Tab(2).Control(0)=   "tsNotes"
      Tab(2).Control(1)=   "txtNotes"
      Tab(2).ControlCount=   2
      Begin NovaCtl.TabStrip tsNotes 
         Height          =   2895
         Left            =   -74880
         TabIndex        =   9
         Top             =   600
         Width           =   6720
         _ExtentX        =   11853
         _ExtentY        =   5106
         _Version        =   393216
         BeginProperty Tabs {1EFB6598-857C-11D1-B16A-00C0F0283628} 
            NumTabs         =   2
            BeginProperty Tab1 {1EFB659A-857C-11D1-B16A-00C0F0283628} 
               Caption         =   "Private"
               Key             =   "private"
               ImageVarType    =   2
            EndProperty
            BeginProperty Tab2 {1EFB659A-857C-11D1-B16A-00C0F0283628} 
               Caption         =   "Shared"
               Key             =   "shared"
               ImageVarType    =   2
            EndProperty
         EndProperty
      End
      Begin VB.TextBox txtNotes 
         Height          =   2415
         Left            =   -74760
         MultiLine       =   -1  'True
         ScrollBars      =   2  'Vertical
         TabIndex        =   10
         Text            =   "Call back on Monday."
         Top             =   960
         Width           =   6480
      End
      Begin VB.Image imgMap 
         Height          =   1200
         Left            =   -74760
         Picture         =   "profile.frx":74E0
         Stretch         =   -1  'True
         Top             =   1080
         Width           =   2400
      End
      Begin VB.TextBox txtEmail 
         Height          =   315
         Left            =   -73680
         TabIndex        =   8
         Top             =   570
         Width           =   4095
      End
      Begin VB.Label lblEmail 
         Caption         =   "E-mail:"
         Height          =   255
         Left            =   -74760
         TabIndex        =   7
         Top             =   600
         Width           =   975
      End
      Begin VB.Image imgPhoto 
         BorderStyle     =   1  'Fixed Single
         Height          =   990
         Left            =   5640
         Picture         =   "profile.frx":4DC4
         Top             =   600
         Width           =   990
      End
      Begin VB.TextBox txtName 
         Height          =   315
         Left            =   1320
         TabIndex        =   4
         Text            =   "Ada Quill"
         Top             =   570
         Width           =   4095
      End
      Begin VB.Label lblName 
         Caption         =   "Name:"
         Height          =   255
         Left            =   240
         TabIndex        =   3
         Top             =   600
         Width           =   975
      End
   End
   Begin VB.Label lblTitle 
      BackStyle       =   0  'Transparent
      Caption         =   "Your profile"
      BeginProperty Font 
         Name            =   "DejaVu Sans"
         Size            =   12
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   375
      Left            =   960
      TabIndex        =   1
      Top             =   570
      Width           =   3000
   End
   Begin VB.CommandButton cmdClose 
      Cancel          =   -1  'True
      Caption         =   "Close"
      Height          =   495
      Left            =   5880
      TabIndex        =   12
      Top             =   4800
      Width           =   1215
   End
   Begin VB.CommandButton cmdSave 
      Caption         =   "Save"
      Default         =   -1  'True
      Height          =   495
      Left            =   4560
      Picture         =   "profile.frx":7056
      Style           =   1  'Graphical
      TabIndex        =   11
      Top             =   4800
      Width           =   1215
   End
   Begin zokKL4VB.zokKelvane zokKelvane1 
      Left            =   120
      Top             =   4800
      _ExtentX        =   847
      _ExtentY        =   847
      ControlSettings =   "profile.frx":807A
      FormGUID        =   "{6E2C1A47-9B3D-4F58-A1C7-2D8E5F0B9A63}"
      MinWidth        =   5400
      MinHeight       =   4200
      AlignBLeft      =   0
      AlignBTop       =   0
      AlignBBottom    =   0
      AlignBRight     =   0
   End
End
Attribute VB_Name = "frmProfile"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Sub cmdClose_Click()
    Unload Me
End Sub
