VERSION 5.00
Object = "{3A2F9C11-7B44-4D2E-A0C5-19E8D2B7F601}#2.0#0"; "NOVACTL.OCX"
Object = "{B8E04D7A-52C9-4F3B-8E16-C0A9F3D25E48}#1.1#0"; "TABSLIB.OCX"
Object = "{7D3B52E1-4C0A-4B8E-9F21-6A5C3E80D1B4}#1.0#0"; "zokKL4VB.ocx"
Begin VB.Form frmViewer 
   Caption         =   "Viewer"
   ClientHeight    =   5400
   ClientLeft      =   165
   ClientTop       =   735
   ClientWidth     =   7200
   Icon            =   "thirdparty.frx":0000
   LinkTopic       =   "Form1"
   ScaleHeight     =   5400
   ScaleWidth      =   7200
   StartUpPosition =   3  'Windows Default
   Begin NovaCtl.Toolbar tbMain 
      Align           =   1  'Align Top
      Height          =   630
      Left            =   0
      TabIndex        =   0
      Top             =   0
      Width           =   7200
      _ExtentX        =   12700
      _ExtentY        =   1111
      ButtonWidth     =   609
      Appearance      =   1
      _Version        =   393216
      BeginProperty Buttons {66833FE8-8583-11D1-B16A-00C0F0283628} 
         NumButtons      =   2
         BeginProperty Button1 {66833FEA-8583-11D1-B16A-00C0F0283628} 
            Key             =   "open"
            Object.ToolTipText     =   "Open a file"
         EndProperty
         BeginProperty Button2 {66833FEA-8583-11D1-B16A-00C0F0283628} 
         EndProperty
      EndProperty
   End
   Begin TabsLib.TabStrip tabPages 
      Height          =   3900
      Left            =   120
      TabIndex        =   1
      Top             =   780
      Width           =   6960
      _ExtentX        =   12277
      _ExtentY        =   6879
      _Version        =   393216
      Tabs            =   2
      TabsPerRow      =   2
      Tab             =   1
      TabHeight       =   520
      TabCaption(0)   =   "General"
      Tab(0).ControlEnabled=   0   'False
      Tab(0).Control(0)=   "txtNotes"
      Tab(0).ControlCount=   1
      TabCaption(1)   =   "Advanced"
      Tab(1).ControlEnabled=   -1  'True
      Tab(1).ControlCount=   0
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "DejaVu Sans"
         Size            =   9
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Begin VB.TextBox txtNotes 
         Height          =   2895
         Left            =   -74880
         MultiLine       =   -1  'True
         ScrollBars      =   2  'Vertical
         TabIndex        =   2
         Top             =   840
         Width           =   6720
      End
   End
   Begin NovaCtl.StatusBar sbMain 
      Align           =   2  'Align Bottom
      Height          =   375
      Left            =   0
      TabIndex        =   3
      Top             =   5025
      Width           =   7200
      _ExtentX        =   12700
      _ExtentY        =   661
      _Version        =   393216
      BeginProperty Panels {8E3867A5-8586-11D1-B16A-00C0F0283628} 
         NumPanels       =   1
         BeginProperty Panel1 {8E3867AB-8586-11D1-B16A-00C0F0283628} 
            AutoSize        =   1
            Object.Width           =   12171
         EndProperty
      EndProperty
   End
   Begin NovaCtl.ImageList imlIcons 
      Left            =   6480
      Top             =   4440
      _ExtentX        =   1005
      _ExtentY        =   1005
      BackColor       =   -2147483643
      ImageWidth      =   16
      ImageHeight     =   16
      MaskColor       =   12632256
      _Version        =   393216
      BeginProperty Images {2C247F25-8591-11D1-B16A-00C0F0283628} 
         NumListImages   =   1
         BeginProperty ListImage1 {2C247F27-8591-11D1-B16A-00C0F0283628} 
            Picture         =   "thirdparty.frx":1542
            Key             =   ""
         EndProperty
      EndProperty
   End
   Begin zokKL4VB.zokKelvane zokKelvane1 
      Left            =   120
      Top             =   120
      _ExtentX        =   847
      _ExtentY        =   847
      ControlSettings =   "thirdparty.frx":19CC
      FormGUID        =   "{F5453240-E104-4EB2-8FA6-400DFC39BDDD}"
      AlignBLeft      =   0
      AlignBTop       =   630
      AlignBBottom    =   375
      AlignBRight     =   0
   End
End
Attribute VB_Name = "frmViewer"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
