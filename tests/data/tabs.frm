VERSION 5.00
Object = "{B8E04D7A-52C9-4F3B-8E16-C0A9F3D25E48}#1.1#0"; "TABSLIB.OCX"
Object = "{7D3B52E1-4C0A-4B8E-9F21-6A5C3E80D1B4}#1.0#0"; "zokKL4VB.ocx"
Begin VB.Form frmSettings 
   BorderStyle     =   2  'Sizable
   Caption         =   "Settings"
   ClientHeight    =   4500
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   6000
   LinkTopic       =   "Form1"
   ScaleHeight     =   4500
   ScaleWidth      =   6000
   StartUpPosition =   1  'CenterOwner
   Begin TabsLib.TabStrip tabMain 
      Height          =   3615
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   5775
      _ExtentX        =   10186
      _ExtentY        =   6376
      _Version        =   393216
      Tabs            =   3
      TabsPerRow      =   3
      TabHeight       =   520
      TabCaption(0)   =   "General"
      TabPicture(0)   =   "tabs.frx":0000
      Tab(0).ControlEnabled=   -1  'True
      Tab(0).Control(0)=   "lblUser"
      Tab(0).Control(0).Enabled=   0   'False
      Tab(0).Control(1)=   "txtUser"
      Tab(0).ControlCount=   2
      TabCaption(1)   =   "Network"
      TabPicture(1)   =   "tabs.frx":048A
      Tab(1).ControlEnabled=   0   'False
      Tab(1).Control(0)=   "txtProxy"
      Tab(1).ControlCount=   1
      TabCaption(2)   =   "Advanced"
      TabPicture(2)   =   "tabs.frx":0914
      Tab(2).ControlEnabled=   0   'False
      Tab(2).Control(0)=   "chkDebug"
      Tab(2).ControlCount=   1
      Begin VB.CheckBox chkDebug 
         Caption         =   "Write a debug log"
         Height          =   255
         Left            =   -74760
         TabIndex        =   4
         Top             =   600
         Width           =   3015
      End
      Begin VB.TextBox txtProxy 
         Height          =   315
         Left            =   -74760
         TabIndex        =   3
         Top             =   600
         Width           =   5295
      End
      Begin VB.TextBox txtUser 
         Height          =   315
         Left            =   1440
         TabIndex        =   2
         Top             =   600
         Width           =   4095
      End
      Begin VB.Label lblUser 
         Caption         =   "User name:"
         Height          =   255
         Left            =   240
         TabIndex        =   1
         Top             =   630
         Width           =   1095
      End
   End
   Begin VB.CommandButton cmdOK 
      Caption         =   "OK"
      Height          =   375
      Left            =   4680
      TabIndex        =   5
      Top             =   3960
      Width           =   1215
   End
   Begin zokKL4VB.zokKelvane zokKelvane1 
      Left            =   120
      Top             =   3960
      _ExtentX        =   847
      _ExtentY        =   847
      AddAllControls  =   -1  'True
      AddAllFontsButtons=   0   'False
      FormGUID        =   "{0B7D2E95-4C1F-4A68-9E3B-71D5A8C2F046}"
   End
End
Attribute VB_Name = "frmSettings"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
