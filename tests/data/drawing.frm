VERSION 5.00
Object = "{B8E04D7A-52C9-4F3B-8E16-C0A9F3D25E48}#1.1#0"; "TABSLIB.OCX"
Object = "{7D3B52E1-4C0A-4B8E-9F21-6A5C3E80D1B4}#1.0#0"; "zokKL4VB.ocx"
Begin VB.Form frmDrawing 
   BorderStyle     =   2  'Sizable
   Caption         =   "Drawing"
   ClientHeight    =   4200
   ClientLeft      =   60
   ClientTop       =   630
   ClientWidth     =   6000
   LinkTopic       =   "Form1"
   ScaleHeight     =   4200
   ScaleWidth      =   6000
   StartUpPosition =   3  'Windows Default
   Begin TabsLib.TabStrip tabPages 
      Height          =   3375
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   5775
      _ExtentX        =   10186
      _ExtentY        =   5953
      _Version        =   393216
      Tabs            =   2
      TabsPerRow      =   2
      TabHeight       =   520
      TabOrientation  =   1  'ssTabOrientationBottom
      TabCaption(0)   =   "Tools"
      Tab(0).ControlEnabled=   -1  'True
      Tab(0).Control(0)=   "optTool(0)"
      Tab(0).Control(1)=   "optTool(1)"
      Tab(0).Control(2)=   "optTool(2)"
      Tab(0).Control(3)=   "chkGrid"
      Tab(0).Control(4)=   "chkSnap"
      Tab(0).ControlCount=   5
      TabCaption(1)   =   "Options"
      Tab(1).ControlEnabled=   0   'False
      Tab(1).Control(0)=   "lblScale"
      Tab(1).Control(1)=   "txtScale"
      Tab(1).ControlCount=   2
      Begin VB.TextBox txtScale 
         Height          =   315
         Left            =   -73440
         TabIndex        =   7
         Text            =   "100"
         Top             =   240
         Width           =   1215
      End
      Begin VB.Label lblScale 
         Caption         =   "S&cale (%):"
         Height          =   255
         Left            =   -74760
         TabIndex        =   6
         Top             =   270
         Width           =   1095
      End
      Begin VB.CheckBox chkSnap 
         Caption         =   "&Snap"
         Height          =   495
         Left            =   1440
         Style           =   1  'Graphical
         TabIndex        =   5
         Top             =   960
         Width           =   1095
      End
      Begin VB.CheckBox chkGrid 
         Caption         =   "&Grid"
         Height          =   495
         Left            =   240
         Style           =   1  'Graphical
         TabIndex        =   4
         Top             =   960
         Value           =   1  'Checked
         Width           =   1095
      End
      Begin VB.OptionButton optTool 
         Caption         =   "&Oval"
         Height          =   495
         Index           =   2
         Left            =   2640
         Style           =   1  'Graphical
         TabIndex        =   3
         Top             =   240
         Width           =   1095
      End
      Begin VB.OptionButton optTool 
         Caption         =   "&Box"
         Height          =   495
         Index           =   1
         Left            =   1440
         Style           =   1  'Graphical
         TabIndex        =   2
         Top             =   240
         Value           =   -1  'True
         Width           =   1095
      End
      Begin VB.OptionButton optTool 
         Caption         =   "&Line"
         Height          =   495
         Index           =   0
         Left            =   240
         Style           =   1  'Graphical
         TabIndex        =   1
         Top             =   240
         Width           =   1095
      End
   End
   Begin VB.CommandButton cmdCancel 
      Cancel          =   -1  'True
      Caption         =   "Cancel"
      Height          =   375
      Left            =   4680
      TabIndex        =   9
      Top             =   3660
      Width           =   1215
   End
   Begin VB.CommandButton cmdOK 
      Caption         =   "OK"
      Default         =   -1  'True
      Height          =   375
      Left            =   3360
      TabIndex        =   8
      Top             =   3660
      Width           =   1215
   End
   Begin zokKL4VB.zokKelvane zokKelvane1 
      Left            =   120
      Top             =   3600
      _ExtentX        =   847
      _ExtentY        =   847
      AddAllControls  =   -1  'True
      AddAllFontsButtons=   0   'False
      FormGUID        =   "{5E2C8A41-93D7-4B06-A1F8-2C7D49E0B351}"
   End
   Begin VB.Menu mnuFile 
      Caption         =   "&File"
      Begin VB.Menu mnuFileNew 
         Caption         =   "&New"
         Shortcut        =   ^N
      End
      Begin VB.Menu mnuFileSep 
         Caption         =   "-"
      End
      Begin VB.Menu mnuFileExit 
         Caption         =   "E&xit"
      End
   End
   Begin VB.Menu mnuEdit 
      Caption         =   "&Edit"
      Begin VB.Menu mnuEditUndo 
         Caption         =   "&Undo"
         Shortcut        =   ^Z
      End
   End
   Begin VB.Menu mnuDebug 
      Caption         =   "&Debug"
      Visible         =   0   'False
      Begin VB.Menu mnuDebugLog 
         Caption         =   "&Log"
      End
   End
   Begin VB.Menu mnuView 
      Caption         =   "&View"
      Enabled         =   0   'False
      Begin VB.Menu mnuViewZoom 
         Caption         =   "&Zoom"
      End
   End
   Begin VB.Menu mnuHelp 
      Caption         =   "&Help"
      Begin VB.Menu mnuHelpAbout 
         Caption         =   "&About Drawing..."
      End
   End
End
Attribute VB_Name = "frmDrawing"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
